#include "chart/birth_readings.hpp"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "chart/birthday_texts.hpp"
#include "chart/chart.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/quote.hpp"

namespace varnel {

namespace {

double Weight(std::string_view table, std::string_view column, std::string_view key) {
    const std::string sql = "Select weight from " + std::string(table) + " where " +
                            std::string(column) + " =" + SqlText(key);
    const auto row = CancelOnFailure([&] { return QueryFirstRow(DreamPath(), sql); });
    if (!row) return 0;
    return std::strtod(row->Text(0).c_str(), nullptr);
}

struct BloodTypeText {
    std::string_view upper;
    std::string_view lower;
    std::string_view text;
};

constexpr std::array<BloodTypeText, 4> kBloodTypeTexts = {{
    {"A型", "a型",
     "内心单纯，只是由于天性谨慎才刻意掩饰着自己的热情。一旦抛开所有顾虑，全身心投入到恋爱中的时候，"
     "那份感情是最真挚、最值得珍惜的。但是，浑然忘我的恋爱心态有可能谱成分外精彩的情感乐章，"
     "也可能带来异常深重的感情伤害。天长地久，是你对爱的诠释。善解人意，温婉贤淑。传统善良，"
     "让人放心。小鸟依人，纯净可爱。"},
    {"B型", "b型",
     "在恋爱方面有独特的一套，即当与心仪的人相见的一瞬，魅力会自然而然的发挥出来。"
     "这也许与你性格的朴实自然、从不矫情做作的个性有着直接的关系。恋爱时全情投入，"
     "分手时理智从容是你的恋爱的最大特点。天真烂漫，使人产生保护欲。乖巧俏皮，与你相处乐趣多。"
     "率真可爱，喜怒哀乐一览无余。适时撒娇，使恋爱甜蜜而温馨。"},
    {"O型", "o型",
     "热情，富有浪漫气息，大方爽朗的个性很容易受到异性的欢迎！喜欢干脆而自在的恋爱，"
     "和情人交往也好像是跟朋友一样无拘无束，有自恋倾向和不愿被束缚的性格，在恋爱时都很容易显露出来。"
     "具有同情心，富有包容力。朝着目标努力不懈。有信用，不说谎。意志坚定，有恒心。"
     "你这种人很有人缘，很能合群，而且精力充沛，奔放。"},
    {"AB型", "ab型",
     "既幻想浪漫又理性现实，自尊心极强，所以容易害怕受伤。如果没有十足的把握宁愿单恋对方。"
     "恋爱开始后，总能参透对方的心事，对恋人能够体贴入微。你的神秘莫测可能成为他一生的眷恋，"
     "亦或成为你们分手的原因。善解人意，很有女人味。充满神秘，像一本永远也读不完的书。"
     "会营造气氛，使人爱不释手。知己知彼，互谅互爱。"},
}};

}  // namespace

std::string BoneWeightKey(double total) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", total);
    const std::string text = buffer;
    if (text.size() == 1) return text + "0";
    std::string key(1, text[0]);
    if (text.size() > 2) key += text[2];
    return key;
}

std::string BoneWeightReading(std::string_view yearKey, std::string_view monthKey,
                              std::string_view dayKey, std::string_view hourKey, int mode) {
    const double total = Weight("chenggu1", "year", yearKey) + Weight("chenggu2", "month2", monthKey) +
                         Weight("chenggu3", "day2", dayKey) + Weight("chenggu4", "time", hourKey);
    const std::string key = BoneWeightKey(total);
    const auto row = CancelOnFailure([&] {
        return QueryFirstRow(DreamPath(), "Select content,content2 from chenggu where weight =" + SqlText(key));
    });
    if (!row) return {};
    switch (static_cast<BoneWeightPart>(mode)) {
        case BoneWeightPart::Weight: {
            std::string text = "你的骨重为：" + key.substr(0, 1) + "两";
            if (key.size() > 1 && key[1] != '0') text += key.substr(1, 1) + "钱";
            return text;
        }
        case BoneWeightPart::Verse: return "骨重诗评：" + row->Trimmed("content");
        case BoneWeightPart::Explanation: return "骨重解评：" + row->Trimmed("content2");
    }
    return {};
}

std::string BirthdayPersonalityText(int month, int day) {
    return std::string(BirthdayText(day)) + std::string(BirthdayText(100 * month + day));
}

void WritePersonalityBlock(int year, int month, int day, int hour, int minute, std::string_view sex,
                           FourPillars& chart, ReportSink& report, Notifier& notifier, ChartOptions options) {
    ComputeChart(year, month, day, hour, minute, sex, chart, notifier, options);
    report.AddLine("<-----------------------批八字内容分隔线----------------------------->");
    report.AddLine("");
    report.AddLine("性格简评：");
    report.AddLine("    " + chart.personalityText);
    report.AddLine("");
}

std::string_view BloodTypeReading(std::string_view bloodType) {
    for (const BloodTypeText& entry : kBloodTypeTexts) {
        if (bloodType == entry.upper || bloodType == entry.lower) return entry.text;
    }
    return "请听下回分解!";
}

}  // namespace varnel
