#include "text/trim.hpp"

namespace varnel {

namespace {
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }
}  // namespace

std::string_view TrimView(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace varnel
