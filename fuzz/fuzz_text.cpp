// GBK conversion: whatever bytes come in, the conversions answer, a converted text survives the
// round trip, and the byte counts of GbkLength and GbkCopy agree with the converted bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/gbk.hpp"

namespace {

// The bytes first..first+count-1 (0-based) of a GBK text, a cut double-byte character as "?".
std::string CutGbk(const std::string& gbk, std::size_t first, std::size_t count) {
    std::string bytes;
    for (std::size_t pos = 0; pos < gbk.size() && pos < first + count;) {
        const std::size_t len = static_cast<unsigned char>(gbk[pos]) >= 0x81 && pos + 1 < gbk.size() ? 2 : 1;
        if (pos + len > first) {
            if (pos >= first && pos + len <= first + count) bytes.append(gbk, pos, len);
            else bytes.push_back('?');
        }
        pos += len;
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = varnel::FromGbk(bytes);
    const std::string gbk = varnel::ToGbk(utf8);
    if (varnel::FromGbk(gbk) != utf8) __builtin_trap();
    (void)varnel::GbkLength(bytes);
    (void)varnel::GbkCopy(bytes, size % 7, size % 5);

    if (varnel::GbkLength(utf8) != gbk.size()) __builtin_trap();
    const std::size_t start = size % 5 + 1;
    const std::size_t count = size % 6;
    if (varnel::GbkCopy(utf8, start, count) != varnel::FromGbk(CutGbk(gbk, start - 1, count))) __builtin_trap();
    return 0;
}
