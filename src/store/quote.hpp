#pragma once

#include <string>
#include <string_view>

namespace varnel {

// An SQL text literal: the text between single quotes, inner quotes doubled.
std::string SqlText(std::string_view text);

// The quoted LIKE pattern, with its ESCAPE clause, that matches any value containing `key`
// literally: '%key%' escape '\', the key's %, _ and \ escaped.
std::string SqlContains(std::string_view key);

}  // namespace varnel
