#pragma once

#include <array>
#include <string>
#include <string_view>

namespace varnel {

inline constexpr std::array<std::string_view, 10> StemNames = {
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> BranchNames = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::array<std::string_view, 12> AnimalNames = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
inline constexpr std::array<std::string_view, 12> BranchAnimalNames = {
    "子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇", "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};
// In the order the element count prints them.
inline constexpr std::array<std::string_view, 5> ElementNames = {"金", "木", "水", "火", "土"};

// The chart numbering: stem number (index + 1) mod 10, branch number (index + 1) mod 12.
inline constexpr std::array<std::string_view, 10> StemByNumber = {
    "癸", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬"};
inline constexpr std::array<std::string_view, 12> BranchByNumber = {
    "亥", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌"};

struct Pillar {
    int stem = 0;    // 0 = 甲 … 9 = 癸
    int branch = 0;  // 0 = 子 … 11 = 亥
    friend bool operator==(const Pillar&, const Pillar&) = default;
};

// Sexagenary number 0 (甲子) … 59 (癸亥); other numbers are taken modulo 60.
Pillar PillarOfNumber(int n);
std::string PillarText(Pillar pillar);

// 甲 丙 戊 庚 壬 (even indexes) are yang.
constexpr bool IsYangStem(int stem) { return stem % 2 == 0; }

}  // namespace varnel
