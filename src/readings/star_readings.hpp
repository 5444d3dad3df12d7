#pragma once

#include <array>
#include <string>
#include <string_view>

#include "reports/birth_input.hpp"
#include "reports/report_sink.hpp"

namespace varnel {

// The six topics of the star-sign readings: table, heading in the full report.
struct StarTopic {
    std::string_view table;
    std::string_view heading;
};
inline constexpr std::array<StarTopic, 6> StarTopics = {{
    {"ndeq", "【情商解析】:"},
    {"aiqing", "【星座实力】:"},
    {"mingren", "【星座名人】:"},
    {"baojian", "【身体保健】:"},
    {"qingxv", "【五大建议】:"},
    {"shiye", "【星座缺陷】:"},
}};

// The intelligence text of a sign, or "请听下回分解!".
std::string_view StarSignIqText(std::string_view sign);

// The stored text of one topic for a sign, trimmed and without its <p> and </p> tags; empty
// without a row. A table that cannot be read cancels the command.
std::string StarSignTopicText(std::string_view sign, std::string_view table);

// 星座详批: accepts the panel (without blood type) and writes the full report.
void StarSignReport(const BirthPanel& panel, BirthInput& input, ReportSink& report, Notifier& notifier,
                    int currentYear);

// 星座运程: the intelligence reading of the stored sign; nothing without a stored name and sign.
void StarIntelligenceReading(const BirthInput& input, ReportSink& report);

// A single-topic reading of the stored sign (情商解析 and 身体保健 also scroll to the top).
void StarTopicReading(const BirthInput& input, std::string_view table, ReportSink& report);

}  // namespace varnel
