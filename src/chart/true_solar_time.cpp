#include "chart/true_solar_time.hpp"

#include <cmath>
#include <numbers>

namespace varnel {

double EquationOfTimeMinutes(DateTime moment) {
    const CivilDate date = DecodeDate(moment);
    const double dayOfYear = std::floor(moment) - std::floor(EncodeDate(date.year, 1, 1)) + 1;
    const double hours = (moment - std::floor(moment)) * 24.0 - 8.0;  // in UT
    const double daysInYear = IsGregorianLeapYear(date.year) ? 366.0 : 365.0;
    const double g = 2.0 * std::numbers::pi / daysInYear * (dayOfYear - 1.0 + (hours - 12.0) / 24.0);
    return 229.18 * (0.000075 + 0.001868 * std::cos(g) - 0.032077 * std::sin(g) - 0.014615 * std::cos(2 * g) -
                     0.040849 * std::sin(2 * g));
}

DateTime TrueSolarMoment(DateTime clock, double longitude) {
    const double minutes = -(120.0 - longitude) * 4.0 + EquationOfTimeMinutes(clock);
    const double shifted = clock + minutes / 1440.0;
    return std::round(shifted * 1440.0) / 1440.0;
}

}  // namespace varnel
