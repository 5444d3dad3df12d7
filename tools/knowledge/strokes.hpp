#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace varnel::knowledge {

// The stroke count of every GBK character that the Unihan data can count, by the rule of name
// numerology; see strokes.cpp. The result maps a count to the characters (UTF-8) with that count,
// in GBK order.
std::map<int, std::string> NameStrokeTable(const std::filesystem::path& unihanDir);

}  // namespace varnel::knowledge
