#include "readings/net_name.hpp"

#include <array>

#include "readings/pinyin_table.hpp"
#include "text/gbk.hpp"

namespace varnel {

namespace {

constexpr std::array<std::string_view, 26> kTraits = {
    "好奇心强，专一",
    "老实，沉默",
    "可爱，较明显的自恋",
    "温柔，乖巧",
    "会拍马屁，攀关系",
    "有抱负，志气高",
    "大丈夫主义者",
    "自立，自强，可依靠",
    "有点懒惰",
    "煽情高手",
    "古怪，求新",
    "圆滑",
    "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱",
    "不贪图安逸，能想到别人想不到的东西",
    "勤劳肯干，活跃",
    "认为朋友和恋人是最重要的，是他们的特点",
    "超级赶时髦者，无敌扫旧派",
    "固执，略有才气",
    "心胸宽大，有深藏不露的自恋",
    "热爱青春，喜欢活力",
    "不耻下问",
    "好静，有点表里不一",
    "比较糊涂，容易感情用事",
    "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",
    "乐天派呀！非同一般的乐天",
    "老实，想问题容易兜圈子",
};

constexpr std::array<std::string_view, 24> kGreek = {"a", "b", "g", "d", "e", "z", "e", "th", "i", "k", "l", "m",
                                                     "n", "x", "o", "p", "r", "s", "t", "u", "ph", "kh", "ps", "o"};

bool IsAsciiLetterOrDigit(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char Upper(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : static_cast<char>(c); }

std::string Uppercase(std::string_view text) {
    std::string upper;
    for (const char c : text) upper += Upper(static_cast<unsigned char>(c));
    return upper;
}

// The digits of a numeral of the GBK row 0xA2 (circled, bracketed, Roman …).
std::string NumeralDigits(unsigned char trail) {
    struct Run {
        unsigned char first;
        unsigned char last;
    };
    constexpr std::array<Run, 6> kRuns = {{{0xA1, 0xAA}, {0xB1, 0xC4}, {0xC5, 0xD8}, {0xD9, 0xE2}, {0xE5, 0xEE}, {0xF1, 0xFC}}};
    for (const Run& run : kRuns) {
        if (trail >= run.first && trail <= run.last) return std::to_string(trail - run.first + 1);
    }
    return {};
}

}  // namespace

std::string PinyinLetters(std::string_view utf8) {
    const std::string gbk = ToGbk(utf8);
    std::string letters;
    for (std::size_t i = 0; i < gbk.size();) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        const auto trail = i + 1 < gbk.size() ? static_cast<unsigned char>(gbk[i + 1]) : 0;
        if (lead < 0x81 || trail < 0x40) {
            if (IsAsciiLetterOrDigit(lead)) letters += Upper(lead);
            ++i;
            continue;
        }
        i += 2;
        if (lead == 0xA2) {
            letters += trail >= 0xA1 ? NumeralDigits(trail) : "?";
        } else if (lead == 0xA3) {
            const auto ascii = static_cast<unsigned char>(trail - 0x80);
            if (IsAsciiLetterOrDigit(ascii)) letters += static_cast<char>(ascii);
        } else if (lead == 0xA6) {
            if (trail >= 0xA1 && trail <= 0xB8) letters += Uppercase(kGreek[trail - 0xA1]);
            if (trail >= 0xC1 && trail <= 0xD8) letters += Uppercase(kGreek[trail - 0xC1]);
        } else if (trail == 0x7F || trail == 0xFF) {
            letters += "?";
        } else {
            const std::uint16_t syllable = GbkSyllable[GbkCodeIndex(lead, trail)];
            letters += syllable == 0 ? std::string("?") : Uppercase(PinyinSyllables[syllable - 1].substr(0, 1));
        }
    }
    return letters;
}

std::string_view NetNameTrait(std::string_view name) {
    if (name.empty()) return {};
    const std::string letters = PinyinLetters(name);
    if (letters.empty()) return {};
    char last = letters.back();
    if (last >= '1' && last <= '9') last = static_cast<char>('A' + (last - '1'));
    if (last == '0') last = 'J';
    if (last >= 'A' && last <= 'Z') last = static_cast<char>(last + 32);
    if (last < 'a' || last > 'z') return {};
    return kTraits[static_cast<std::size_t>(last - 'a')];
}

}  // namespace varnel
