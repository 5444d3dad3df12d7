#include "names/grids.hpp"

#include <array>

#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/quote.hpp"
#include "text/gbk.hpp"

namespace varnel {

namespace {

// A name part's strokes: the whole part when it is single, else its first character plus the
// rest from byte 3 on.
int PartStrokes(std::string_view part) {
    if (GbkLength(part) <= 2) return StrokeCount(part);
    return StrokeCount(GbkCopy(part, 1, 2)) + StrokeCount(GbkCopy(part, 3, GbkLength(part)));
}

}  // namespace

int StrokeCount(std::string_view fragment) {
    const std::string sql = "Select num from bihua where hanzi like " + SqlContains(fragment);
    return CancelOnFailure([&] {
        const auto row = QueryFirstRow(BrennFilePath(), sql);
        return row ? row->Integer(0) : 0;
    });
}

int GridNumber(std::string_view surname, std::string_view givenName, GridKind kind) {
    return GridNumber(surname, givenName, static_cast<int>(kind));
}

int GridNumber(std::string_view surname, std::string_view givenName, int kind) {
    const bool singleSurname = GbkLength(surname) <= 2;
    const bool singleGiven = GbkLength(givenName) <= 2;
    auto s = [&](std::size_t byte) { return StrokeCount(GbkCopy(surname, byte, 2)); };
    auto g = [&](std::size_t byte) { return StrokeCount(GbkCopy(givenName, byte, 2)); };
    switch (static_cast<GridKind>(kind)) {
        case GridKind::HeavenGrid: return singleSurname ? StrokeCount(surname) + 1 : s(1) + s(3);
        case GridKind::PersonGrid: return (singleSurname ? StrokeCount(surname) : s(3)) + g(1);
        case GridKind::EarthGrid: return singleGiven ? StrokeCount(givenName) + 1 : g(1) + g(3);
        case GridKind::TotalGrid: return PartStrokes(surname) + PartStrokes(givenName);
        case GridKind::OuterGrid:
            if (GbkLength(surname) == 2 && GbkLength(givenName) == 2) return 2;
            return GridNumber(surname, givenName, GridKind::TotalGrid) -
                   GridNumber(surname, givenName, GridKind::PersonGrid) + 1;
    }
    return 0;
}

std::string_view NumberElement(int n) {
    constexpr std::array<std::string_view, 10> kByLastDigit = {"水", "木", "木", "火", "火",
                                                               "土", "土", "金", "金", "水"};
    const int r = n % 10;
    return r < 0 ? std::string_view() : kByLastDigit[static_cast<std::size_t>(r)];
}

std::string ThreeTalentsTitle(int heaven, int person, int earth) {
    return std::string(NumberElement(heaven)) + std::string(NumberElement(person)) +
           std::string(NumberElement(earth));
}

}  // namespace varnel
