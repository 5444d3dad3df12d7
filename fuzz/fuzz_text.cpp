// GBK conversion: whatever bytes come in, the conversions answer and a converted text survives
// the round trip.
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/gbk.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = varnel::FromGbk(bytes);
    const std::string gbk = varnel::ToGbk(utf8);
    if (varnel::FromGbk(gbk) != utf8) __builtin_trap();
    (void)varnel::GbkLength(bytes);
    (void)varnel::GbkCopy(bytes, size % 7, size % 5);
    return 0;
}
