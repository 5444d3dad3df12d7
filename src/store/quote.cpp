#include "store/quote.hpp"

namespace varnel {

std::string SqlText(std::string_view text) {
    std::string literal = "'";
    for (const char c : text) {
        if (c == '\'') literal += '\'';
        literal += c;
    }
    return literal + "'";
}

std::string SqlContains(std::string_view key) {
    return SqlText("%" + std::string(key) + "%");
}

}  // namespace varnel
