#include "divination/omens.hpp"

#include <cstddef>

#include "divination/omen_texts.hpp"

namespace varnel {

namespace {

constexpr std::array<std::string_view, kOmenPages> kCaptions = {
    "打喷嚏占卜吉凶", "面热测吉凶", "心惊测吉凶", "犬吠测吉凶", "眼跳测吉凶", "耳热测吉凶", "耳鸣测吉凶"};

constexpr std::array<std::string_view, 12> kHours = {"子", "丑", "寅", "卯", "辰", "巳",
                                                     "午", "未", "申", "酉", "戌", "亥"};

// Clock periods of the sneezing page, by double hour (子 = 0).
constexpr std::array<std::string_view, 12> kClockPeriods = {
    "晚上11点-凌晨1点", "凌晨1 点-凌晨3点", "凌晨3点-早上5点",  "早上5点-早上7点",
    "早上7点-上午9点",  "上午9点-上午11点", "上午11点-下午1点", "下午1点-下午3点",
    "下午3点-下午5点",  "下午5点-晚上7点",  "晚上7点-晚上9点",  "晚上9点-晚上11点"};

// The double hours that share a line, as pairs of hour numbers.
using Pairing = std::array<std::array<int, 2>, 6>;
constexpr Pairing kOppositePairs = {{{0, 6}, {1, 7}, {2, 8}, {3, 9}, {4, 10}, {5, 11}}};
constexpr Pairing kRingingEarPairs = {{{0, 1}, {2, 7}, {3, 8}, {4, 9}, {5, 10}, {6, 11}}};

std::string Meaning(int page, int hour) {
    const OmenText& text = kOmenTexts[static_cast<std::size_t>(page)][static_cast<std::size_t>(hour)];
    if (text.right.empty()) return std::string(text.left);
    return "左" + std::string(text.left) + "，右" + std::string(text.right) + "。";
}

std::string HourEntry(int page, int hour) {
    return std::string(kHours[static_cast<std::size_t>(hour)]) + "时：" + Meaning(page, hour);
}

}  // namespace

std::string_view OmenCaption(int page) {
    if (page < 0 || page >= kOmenPages) return {};
    return kCaptions[static_cast<std::size_t>(page)];
}

const std::array<std::string_view, 4>& DoubleHourNote() {
    static constexpr std::array<std::string_view, 4> kNote = {
        "说明：",
        "子时为23点-1点，丑时为1点-3点，寅时为3点-5点，卯时为5点-7点，",
        "辰时为7点-9点，巳时为9点-11点，午时为11点-13点，未时为13点-15点，",
        "申时为15点-17点，酉时为17点-19点，戌时为19点-21点，亥时为21点-23点。"};
    return kNote;
}

std::vector<std::string> OmenPageLines(int page) {
    std::vector<std::string> entries;
    if (page == 0) {
        for (int i = 1; i <= 12; ++i) {  // from 丑 round to 子
            const int hour = i % 12;
            entries.push_back(std::string(kClockPeriods[static_cast<std::size_t>(hour)]) + " " + Meaning(page, hour));
        }
    } else if (page > 0 && page < kOmenPages) {
        for (const auto& [first, second] : page == 6 ? kRingingEarPairs : kOppositePairs) {
            entries.push_back(HourEntry(page, first) + HourEntry(page, second));
        }
    }
    std::vector<std::string> lines;
    for (std::string& entry : entries) {
        if (!lines.empty()) lines.emplace_back();
        lines.push_back(std::move(entry));
    }
    return lines;
}

}  // namespace varnel
