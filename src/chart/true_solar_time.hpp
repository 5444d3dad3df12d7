#pragma once

#include "text/date_serial.hpp"

namespace varnel {

// The equation of time (apparent minus mean solar time) in minutes at a moment, from the
// Sun's mean anomaly series of the NOAA solar calculator; good to about half a minute.
double EquationOfTimeMinutes(DateTime moment);

// Local true solar time of a clock time kept in China standard time (UTC+8, the meridian of
// 120° E) at the given east longitude: clock − (120° − longitude) × 4 minutes + the equation of
// time, rounded to the minute.
DateTime TrueSolarMoment(DateTime clock, double longitude);

}  // namespace varnel
