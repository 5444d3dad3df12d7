#pragma once

#include <vector>

#include "text/date_serial.hpp"

namespace varnel::knowledge {

struct SolarTerm {
    int index = 0;       // 0 = 小寒 … 23 = 冬至
    DateTime moment{};   // China standard time (UTC+8), rounded to the second
};

// ΔT = TT − UT in seconds for a decimal year (Espenak and Meeus polynomials, 1900–2150).
double DeltaT(double decimalYear);

// The 24 terms of a Gregorian year: the moments when the Sun's apparent geocentric ecliptic
// longitude (true equinox of date) reaches 285°, 300°, … 270°.
std::vector<SolarTerm> SolarTermsOfYear(int year);

}  // namespace varnel::knowledge
