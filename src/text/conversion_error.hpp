#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace varnel {

// A text the user typed could not be read as a date or a number. The message is the one
// the user sees, for example "'1980-2-30' is not a valid date".
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a decimal integer the way the input panel's numbers are read: optional leading blanks,
// an optional sign and digits, nothing after them.
int ParseInt(std::string_view text);

}  // namespace varnel
