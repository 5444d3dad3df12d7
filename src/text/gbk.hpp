#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnel {

// UTF-8 to GBK. A character that GBK lacks, or a malformed UTF-8 sequence, becomes "?".
std::string ToGbk(std::string_view utf8);

// GBK to UTF-8. A byte sequence that is not GBK becomes "?".
std::string FromGbk(std::string_view gbk);

// Length in GBK bytes: a Chinese character counts 2, an ASCII character 1.
std::size_t GbkLength(std::string_view utf8);

// The bytes start..start+count-1 (1-based) of the GBK form, back in UTF-8. A double-byte
// character cut in half becomes "?".
std::string GbkCopy(std::string_view utf8, std::size_t start, std::size_t count);

}  // namespace varnel
