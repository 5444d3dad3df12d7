#pragma once

#include <string>
#include <string_view>

#include "reports/report_sink.hpp"

namespace varnel {

// The verse number "000" … "383" of three characters by the last digits of their strokes
// (a last digit 0 counts as 1); empty when a character is missing.
std::string ZhugeNumber(std::string_view c1, std::string_view c2, std::string_view c3);

enum class ZhugePart { Title, Content };

// The title or the restored interpretation of the verse of three characters; empty without a
// row. A table that cannot be read cancels the command.
std::string ZhugeVerse(std::string_view c1, std::string_view c2, std::string_view c3, ZhugePart part);

// 测字论命 after the dialog: `characters` is what the three boxes held, joined (empty when the
// dialog was closed without 测算).
void CharacterTestReport(std::string_view characters, ReportSink& report);

// The restored fingerprint reading of a code of o and x; empty without a row.
std::string FingerprintReading(std::string_view code);

}  // namespace varnel
