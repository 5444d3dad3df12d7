#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// The key of a phone number: its characters from the eighth on, read as a number, modulo 80.
// Nothing when there are fewer than eight characters or they are not all digits.
std::optional<std::string> shoujiinfostr(std::string_view number);

// What the phone test shows for a key: 状态, 吉凶 and 具体表现; all empty without a row.
// A table that cannot be read cancels the test.
struct PhoneReading {
    std::string title;
    std::string luck;
    std::string content;
};
PhoneReading PhoneReadingOfKey(std::string_view key);

// A row of the 81 verses split into its verse, luck word and personality reading.
struct VerseParts {
    std::string verse;
    std::string luck;
    std::string reading;
};
VerseParts SplitVerse(std::string_view row);

// The digit sum of both numbers, reduced below 101 (a sum above 100 becomes sum mod 100).
int QqPairingSum(std::string_view first, std::string_view second);

// The pairing text of two QQ numbers (untrimmed), empty without a row for their sum.
// Failures are not silenced.
std::string QqPairingText(std::string_view first, std::string_view second);

bool IsAllDigits(std::string_view text);

}  // namespace varnel
