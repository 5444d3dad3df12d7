#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnel {

// The key of the scrambled text columns. The knowledge builder writes them with the same key.
inline constexpr std::uint16_t kScrambleKey = 0x5A3C;

// Restores a scrambled column: hexadecimal digits of scrambled GBK bytes in, UTF-8 text out.
// The value is trimmed first; a trailing odd digit is ignored and a pair that is not
// hexadecimal is skipped with a beep.
std::string Unscramble(std::string_view hex);

// The exact inverse: UTF-8 text in, upper-case hexadecimal digits of scrambled GBK bytes out.
std::string Scramble(std::string_view utf8);

// The system beep that Unscramble sounds for a bad pair. The GUI installs its own; the default
// rings the terminal bell when standard error is a terminal.
using BeepHandler = void (*)();
void SetBeepHandler(BeepHandler handler);

}  // namespace varnel
