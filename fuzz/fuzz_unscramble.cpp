// Unscramble of any column value; Scramble of what it gives restores the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "store/unscramble.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    varnel::SetBeepHandler([] {});
    const std::string text = varnel::Unscramble(std::string(reinterpret_cast<const char*>(data), size));
    if (varnel::Unscramble(varnel::Scramble(text)) != text) __builtin_trap();
    return 0;
}
