// Loading a record file of any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/record_text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)varnel::DecodeRecordText(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
