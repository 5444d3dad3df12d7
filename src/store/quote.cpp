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
    // The key's own %, _ and \ stand for themselves, not for wildcards.
    std::string pattern = "%";
    for (const char c : key) {
        if (c == '%' || c == '_' || c == '\\') pattern += '\\';
        pattern += c;
    }
    return SqlText(pattern + "%") + " escape '\\'";
}

}  // namespace varnel
