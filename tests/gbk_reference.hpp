#pragma once

// GbkCopy computed the long way, for checking the real one: convert the whole text to GBK, cut
// the bytes, mark a cut double-byte character "?", convert back. Used by text_test and the
// GBK fuzz target.

#include <cstddef>
#include <string>
#include <string_view>

#include "text/gbk.hpp"

namespace varnel::testing {

inline std::string GbkCopyThroughBytes(std::string_view utf8, std::size_t start, std::size_t count) {
    const std::string gbk = ToGbk(utf8);
    const std::size_t first = start < 1 ? 0 : start - 1;
    std::string bytes;
    for (std::size_t pos = 0; pos < gbk.size() && pos < first + count;) {
        const std::size_t len = static_cast<unsigned char>(gbk[pos]) >= 0x81 && pos + 1 < gbk.size() ? 2 : 1;
        if (pos + len > first) {
            if (pos >= first && pos + len <= first + count) bytes.append(gbk, pos, len);
            else bytes.push_back('?');
        }
        pos += len;
    }
    return FromGbk(bytes);
}

}  // namespace varnel::testing
