#pragma once

#include <array>
#include <string_view>

namespace varnel {

// One omen meaning; the 眼跳 and 耳鸣 pages have a left and a right meaning, the others only `left`.
struct OmenText {
    std::string_view left;
    std::string_view right;
};

// By page (0 … 6) and double hour (子 = 0 … 亥 = 11).
extern const std::array<std::array<OmenText, 12>, 7> kOmenTexts;

}  // namespace varnel
