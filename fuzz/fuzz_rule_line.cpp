// One line of a spirit-star rule file, as a damaged or edited file may hold it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "chart/spirit_stars.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)varnel::ParseRuleLine(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
