#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// Whether bytes are well-formed UTF-8 (no overlong forms, surrogates or code points past U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// The characters of a UTF-8 text, each as its own string.
std::vector<std::string> Utf8Characters(std::string_view text);

}  // namespace varnel
