#pragma once

#include <string_view>

#include "text/date_serial.hpp"

namespace varnel {

// The Western star sign (星座) of a whole Gregorian date; the empty text if none matches.
std::string_view StarSignForDate(DateTime date);

}  // namespace varnel
