#include "names/numerology.hpp"

#include <algorithm>
#include <charconv>

#include "store/lookup.hpp"
#include "store/paths.hpp"

namespace varnel {

namespace {

constexpr std::array<int, 32> kLucky = {1,  3,  5,  7,  8,  11, 13, 15, 16, 18, 21, 23, 24, 25, 31, 32,
                                        33, 35, 37, 39, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81};
constexpr std::array<int, 14> kHalfLucky = {6, 17, 26, 27, 29, 30, 38, 49, 51, 55, 58, 71, 73, 75};
constexpr std::array<int, 35> kUnlucky = {2,  4,  9,  10, 12, 14, 19, 20, 22, 28, 34, 36,
                                          40, 42, 43, 44, 46, 50, 53, 54, 56, 59, 60, 62,
                                          64, 66, 69, 70, 72, 74, 76, 77, 78, 79, 80};

template <std::size_t N>
bool Holds(const std::array<int, N>& list, int n) {
    return std::find(list.begin(), list.end(), n) != list.end();
}

constexpr std::array<std::string_view, 4> kColumnNames = {"yy", "jx", "as", "content"};

}  // namespace

std::string_view LuckClass(int n) {
    if (Holds(kLucky, n)) return "吉";
    if (Holds(kHalfLucky, n)) return "半吉";
    if (Holds(kUnlucky, n)) return "凶";
    return {};
}

std::string NumberReading(int n, NumberColumn column) { return NumberReading(n, static_cast<int>(column)); }

std::string NumberReading(int n, int column) {
    const std::string sql = "Select * from \"81\" where num = " + std::to_string(n);
    const auto row = CancelOnFailure([&] { return QueryFirstRow(BrennFilePath(), sql); });
    if (!row) return " ";
    if (column < 0 || column >= static_cast<int>(kColumnNames.size())) return {};
    return CancelOnFailure([&] { return row->Text(kColumnNames[static_cast<std::size_t>(column)]); });
}

std::string_view VerseOfNumber(std::string_view digits) {
    long long n = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, n);
    if (digits.empty() || ec != std::errc{} || ptr != end) return kNumberRefusal;
    const long long k = n % 81;
    if (k < 0) return kNumberRefusal;
    return EightyOneVerses[static_cast<std::size_t>(k)];
}

}  // namespace varnel
