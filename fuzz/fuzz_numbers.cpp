// Number readings of any digits a user types: the 81-number verse and the QQ pairing sum.
#include <cstddef>
#include <cstdint>
#include <string>

#include "names/numerology.hpp"
#include "numbers/number_tests.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)varnel::VerseOfNumber(text);
    (void)varnel::SplitVerse(text);
    (void)varnel::IsAllDigits(text);
    return 0;
}
