// GBK conversion: whatever bytes come in, the conversions answer, a converted text survives the
// round trip, and the byte counts of GbkLength and GbkCopy agree with the converted bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "gbk_reference.hpp"
#include "text/gbk.hpp"

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
    if (varnel::GbkCopy(utf8, start, count) != varnel::testing::GbkCopyThroughBytes(utf8, start, count)) {
        __builtin_trap();
    }
    return 0;
}
