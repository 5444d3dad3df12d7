#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/four_pillars.hpp"
#include "text/date_serial.hpp"

namespace varnel {

// The stems hidden in each branch (藏干), by branch index (0 = 子), in the order they print.
inline constexpr std::array<std::string_view, 12> HiddenStems = {
    "癸", "癸辛己", "甲丙戊", "乙", "乙戊癸", "庚丙戊", "己丁", "乙己丁", "戊庚壬", "辛", "辛丁戊", "壬甲"};

// Adds the hidden stems and the luck-pillar nayin and ten-god lists to a chart whose pillars
// are computed; `birthDate` is the Gregorian birth date at midnight.
void AddChartAttributes(FourPillars& chart, DateTime birthDate);

// Lookups in Tgcode.dll. Every failure is swallowed and answers the empty text.
std::string ElementOfName(std::string_view name);             // 金 木 水 火 土
std::string TenGodOf(std::string_view dayAndOtherStem);       // key such as 甲丙
std::string NayinOf(std::string_view pillar);                 // 纳音 of a pillar
std::string GrowthPhaseOf(std::string_view pillar);           // one-character phases padded to two
std::string SeasonUsefulGodText(std::string_view element, std::string_view season);
std::string SeasonDayStemText(std::string_view stem, std::string_view branch);

// "金:占n个 share, 木:…, 水:…, 火:…, 土:占n个 share." for the eight elements laid out as
// E1E2   E3E4   E5E6   E7E8.
std::string ElementCount(std::string_view elements);

// The stem index (甲 = 0 … 癸 = 9) or branch index (子 = 0 … 亥 = 11) of a name; 0 otherwise.
int StemBranchIndex(std::string_view name, bool isBranch);

}  // namespace varnel
