#pragma once

#include <string_view>

namespace varnel {

// The birthday texts: keys 1–31 for the day of the month, 100 × month + day for the
// calendar day. Key 131 and unknown keys read as the empty text.
std::string_view BirthdayText(int key);

}  // namespace varnel
