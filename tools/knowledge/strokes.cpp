// Stroke counts for name numerology.
//
// Name numerology counts the strokes of a character as the Kangxi dictionary writes it:
//  1. A simplified character is replaced by its traditional form (Unihan kTraditionalVariant).
//     When the list also holds the character itself, the other form is taken (刘 → 劉, 苏 → 蘇,
//     郑 → 鄭), except for the characters of kKeepOwnForm, which are traditional characters in
//     their own right and keep their form as surnames and in names (后, 范, 余, 于, 沈 …).
//  2. The count is the stroke count of the Kangxi radical in its full form plus the residual
//     strokes (Unihan kRSKangXi, else kRSUnicode): 氵 counts as 水 4, 扌 as 手 4, 忄 as 心 4,
//     艹 as 艸 6, 阝 on the left as 阜 8 and on the right as 邑 7, 王 in a compound as 玉 5,
//     礻 as 示 5, 衤 as 衣 6, ⺼ as 肉 6, 辶 as 辵 7, 犭 as 犬 4, 纟 as 糸 6, and so on. A character
//     that is itself a shortened radical form has a negative residual (王 is 玉 − 1 = 4).
//  3. The numerals 一 to 十 count as their value (四 4, 五 5, 六 6, 七 7, 八 8, 九 9, 十 10).
// Examples: 张 11, 王 4, 李 7, 刘 15, 陈 16, 林 8, 江 7, 郑 19, 苏 22, 胡 11, 肖 9, 陆 16.
#include "strokes.hpp"

#include <array>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "bzip2_text.hpp"
#include "text/gbk.hpp"

namespace varnel::knowledge {

namespace {

using CodePoint = char32_t;

// Traditional characters in their own right, kept as they are although Unihan also lists them
// as the simplified form of another character.
constexpr std::u32string_view kKeepOwnForm =
    U"后范余于沈朱姜干谷松才里面斗曲卜吁合同向回克借冬出千征志注折表秋御系致舍采郁蒙胡仆了党台朴只";

constexpr std::array<std::pair<char32_t, int>, 10> kNumerals = {{
    {U'一', 1}, {U'二', 2}, {U'三', 3}, {U'四', 4}, {U'五', 5},
    {U'六', 6}, {U'七', 7}, {U'八', 8}, {U'九', 9}, {U'十', 10},
}};

// Strokes of the 214 Kangxi radicals in their full forms, by the first radical of each count.
int RadicalStrokes(int radical) {
    constexpr std::array<int, 17> kFirstOfCount = {1, 7, 30, 61, 95, 118, 147, 167, 176,
                                                   187, 195, 201, 205, 209, 211, 212, 214};
    int strokes = 0;
    for (const int first : kFirstOfCount) {
        if (radical >= first) ++strokes;
    }
    return strokes;
}

CodePoint ParseCodePoint(std::string_view text) {  // "U+5F20"
    return static_cast<CodePoint>(std::stoul(std::string(text.substr(2)), nullptr, 16));
}

// Field → code point → value, for the Unihan fields the rule reads.
struct Unihan {
    std::unordered_map<CodePoint, std::string> kangxi;       // kRSKangXi
    std::unordered_map<CodePoint, std::string> unicode;      // kRSUnicode
    std::unordered_map<CodePoint, std::string> traditional;  // kTraditionalVariant

    explicit Unihan(const std::filesystem::path& dir) {
        Read(dir / "Unihan_RadicalStrokeCounts.txt.bz2");
        Read(dir / "Unihan_IRGSources.txt.bz2");
        Read(dir / "Unihan_Variants.txt.bz2");
    }

    void Read(const std::filesystem::path& path) {
        const std::string text = tools::ReadBzip2(path);
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            const std::string_view line(text.data() + start, end - start);
            start = end + 1;
            if (line.empty() || line[0] == '#') continue;
            const std::size_t tab1 = line.find('\t');
            const std::size_t tab2 = line.find('\t', tab1 + 1);
            if (tab2 == std::string_view::npos) continue;
            const std::string_view field = line.substr(tab1 + 1, tab2 - tab1 - 1);
            auto* target = field == "kRSKangXi" ? &kangxi
                           : field == "kRSUnicode" ? &unicode
                           : field == "kTraditionalVariant" ? &traditional
                                                            : nullptr;
            if (target != nullptr) target->emplace(ParseCodePoint(line.substr(0, tab1)), line.substr(tab2 + 1));
        }
    }

    CodePoint TraditionalForm(CodePoint c) const {
        const auto found = traditional.find(c);
        if (found == traditional.end() || kKeepOwnForm.find(c) != std::u32string_view::npos) return c;
        std::string_view list = found->second;
        while (!list.empty()) {
            const std::size_t blank = list.find(' ');
            const CodePoint form = ParseCodePoint(list.substr(0, blank));
            if (form != c) return form;
            list = blank == std::string_view::npos ? std::string_view() : list.substr(blank + 1);
        }
        return c;
    }

    // Radical strokes plus residual strokes; 0 when Unihan has no radical-stroke value.
    int Strokes(CodePoint c) const {
        const std::string* field = nullptr;
        if (const auto k = kangxi.find(c); k != kangxi.end()) {
            field = &k->second;
        } else if (const auto u = unicode.find(c); u != unicode.end()) {
            field = &u->second;
        }
        if (field == nullptr) return 0;
        // "radical.residual", possibly "radical'.residual", first of several values.
        const std::string_view value = std::string_view(*field).substr(0, field->find(' '));
        const std::size_t dot = value.find('.');
        if (dot == std::string_view::npos) return 0;
        std::string radical(value.substr(0, dot));
        while (!radical.empty() && (radical.back() == '\'' || radical.back() == '"')) radical.pop_back();
        return RadicalStrokes(std::stoi(radical)) + std::stoi(std::string(value.substr(dot + 1)));
    }

    int NameStrokes(CodePoint c) const {
        for (const auto& [numeral, value] : kNumerals) {
            if (numeral == c) return value;
        }
        return Strokes(TraditionalForm(c));
    }
};

CodePoint SingleCodePoint(const std::string& utf8) {
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    if (utf8.size() == 3 && (s[0] & 0xF0) == 0xE0) {
        return static_cast<CodePoint>(((s[0] & 0x0F) << 12) | ((s[1] & 0x3F) << 6) | (s[2] & 0x3F));
    }
    if (utf8.size() == 4 && (s[0] & 0xF8) == 0xF0) {
        return static_cast<CodePoint>(((s[0] & 0x07) << 18) | ((s[1] & 0x3F) << 12) | ((s[2] & 0x3F) << 6) |
                                      (s[3] & 0x3F));
    }
    return 0;
}

bool IsIdeograph(CodePoint c) {
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF);
}

}  // namespace

std::map<int, std::string> NameStrokeTable(const std::filesystem::path& unihanDir) {
    const Unihan unihan(unihanDir);
    std::map<int, std::string> table;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string character = FromGbk(gbk);
            const CodePoint c = SingleCodePoint(character);
            if (!IsIdeograph(c)) continue;
            const int strokes = unihan.NameStrokes(c);
            if (strokes > 0) table[strokes] += character;
        }
    }
    return table;
}

}  // namespace varnel::knowledge
