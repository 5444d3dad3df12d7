#include "numbers/number_tests.hpp"

#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/quote.hpp"

namespace varnel {

bool IsAllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

std::optional<std::string> shoujiinfostr(std::string_view number) {
    if (number.size() < 8 || !IsAllDigits(number.substr(7))) return std::nullopt;
    unsigned long long q = 0;
    for (const char c : number.substr(7)) q = (q * 10 + static_cast<unsigned>(c - '0')) % 80;
    return std::to_string(q);
}

PhoneReading PhoneReadingOfKey(std::string_view key) {
    const std::string sql = "select title,jx,content from shouji where num = " + SqlText(key);
    const auto row = CancelOnFailure([&] { return QueryFirstRow(DreamPath(), sql); });
    if (!row) return {};
    return {row->Trimmed(0), row->Trimmed(1), row->Trimmed(2)};
}

VerseParts SplitVerse(std::string_view row) {
    const std::size_t first = row.find('|');
    if (first == std::string_view::npos) return {"", "", std::string(row)};
    const std::string_view rest = row.substr(first + 1);
    const std::size_t second = rest.find('|');
    if (second == std::string_view::npos) return {std::string(row.substr(0, first)), "", std::string(rest)};
    return {std::string(row.substr(0, first)), std::string(rest.substr(0, second)),
            std::string(rest.substr(second + 1))};
}

int QqPairingSum(std::string_view first, std::string_view second) {
    int sum = 0;
    for (const std::string_view number : {first, second}) {
        for (const char c : number) {
            if (c >= '0' && c <= '9') sum += c - '0';
        }
    }
    return sum > 100 ? sum % 100 : sum;
}

std::string QqPairingText(std::string_view first, std::string_view second) {
    const std::string pattern = "%," + std::to_string(QqPairingSum(first, second)) + ",%";
    const auto row = QueryFirstRow(BrennBirthPath(), "select * from QQpd where bihua like " + SqlText(pattern) + " limit 1");
    return row ? row->Text("intro") : std::string();
}

}  // namespace varnel
