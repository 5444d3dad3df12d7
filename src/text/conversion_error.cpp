#include "text/conversion_error.hpp"

#include <charconv>
#include <string>

namespace varnel {

int ParseInt(std::string_view text) {
    std::string_view digits = text;
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    int value = 0;
    const char* end = digits.data() + digits.size();
    auto [ptr, ec] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || ec != std::errc{} || ptr != end) {
        throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
    }
    return value;
}

}  // namespace varnel
