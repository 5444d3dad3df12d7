#pragma once

#include <string>
#include <string_view>

namespace varnel {

// Removes leading and trailing blanks and control characters (every byte up to 0x20).
std::string_view TrimView(std::string_view text);
inline std::string Trim(std::string_view text) { return std::string(TrimView(text)); }

}  // namespace varnel
