#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace varnel {

// Leads 0x81 … 0xFE, trails 0x40 … 0xFE without 0x7F.
inline constexpr std::size_t kGbkDoubleByteCodes = 126 * 190;

// The toneless pinyin syllables in alphabetical order, numbered from 1 (generated).
extern const std::string_view PinyinSyllables[];
extern const std::size_t PinyinSyllableCount;

// The syllable number of every GBK double-byte code, 0 without a reading (generated).
extern const std::array<std::uint16_t, kGbkDoubleByteCodes> GbkSyllable;

inline std::size_t GbkCodeIndex(unsigned char lead, unsigned char trail) {
    return static_cast<std::size_t>(lead - 0x81) * 190 + static_cast<std::size_t>(trail - 0x40 - (trail > 0x7F ? 1 : 0));
}

}  // namespace varnel
