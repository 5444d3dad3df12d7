#pragma once

#include <string>
#include <string_view>

namespace varnel {

// An SQL text literal: the text between single quotes, inner quotes doubled.
std::string SqlText(std::string_view text);

// The quoted LIKE pattern that matches any value containing `key`: '%key%'.
std::string SqlContains(std::string_view key);

}  // namespace varnel
