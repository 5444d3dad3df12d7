// The net-name reading of any typed text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "readings/net_name.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)varnel::PinyinLetters(text);
    (void)varnel::NetNameTrait(text);
    return 0;
}
