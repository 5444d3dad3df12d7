#include "solar_terms.hpp"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <numbers>

#include "calendar/lunar.hpp"

namespace varnel::knowledge {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Julian date of serial day 0 (1899-12-30 00:00) as a modified Julian date.
constexpr double kSerialZeroMjd = 15018.0;
constexpr double kChinaStandardHours = 8.0;

// Apparent geocentric ecliptic longitude of the Sun at TT = ERFA_DJM0 + mjdTT, in radians.
double SunApparentLongitude(double mjdTT) {
    double pvh[2][3];
    double pvb[2][3];
    eraEpv00(ERFA_DJM0, mjdTT, pvh, pvb);

    // Geometric direction from the Earth to the Sun, then annual aberration.
    double toSun[3] = {-pvh[0][0], -pvh[0][1], -pvh[0][2]};
    double distance = 0;
    double natural[3];
    eraPn(toSun, &distance, natural);
    double velocity[3];
    for (int i = 0; i < 3; ++i) velocity[i] = pvb[1][i] * ERFA_AULT / ERFA_DAYSEC;
    const double speed = eraPm(velocity);
    double apparent[3];
    eraAb(natural, velocity, distance, std::sqrt(1 - speed * speed), apparent);

    // To the true equator and equinox of date, then to the ecliptic of date.
    double dpsi, deps, epsa;
    double rb[3][3], rp[3][3], rbp[3][3], rn[3][3], rbpn[3][3];
    eraPn06a(ERFA_DJM0, mjdTT, &dpsi, &deps, &epsa, rb, rp, rbp, rn, rbpn);
    double ofDate[3];
    eraRxp(rbpn, apparent, ofDate);
    const double obliquity = epsa + deps;
    const double y = ofDate[1] * std::cos(obliquity) + ofDate[2] * std::sin(obliquity);
    return std::atan2(y, ofDate[0]);
}

double WrapToPi(double angle) {
    angle = std::fmod(angle, kTwoPi);
    if (angle > std::numbers::pi) angle -= kTwoPi;
    if (angle <= -std::numbers::pi) angle += kTwoPi;
    return angle;
}

// The UT moment (as a modified Julian date) when the Sun reaches `target`, starting near `guess`.
double SolveLongitude(double target, double guessMjdUT) {
    constexpr double kMeanRate = kTwoPi / 365.2422;  // radians per day
    double mjdUT = guessMjdUT;
    for (int i = 0; i < 30; ++i) {
        const double year = 1858.87 + mjdUT / 365.2425;  // MJD 0 is 1858-11-17
        const double mjdTT = mjdUT + DeltaT(year) / ERFA_DAYSEC;
        const double step = WrapToPi(target - SunApparentLongitude(mjdTT)) / kMeanRate;
        mjdUT += step;
        if (std::fabs(step) < 1e-9) break;
    }
    return mjdUT;
}

}  // namespace

double DeltaT(double y) {
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
               0.000197 * t * t * t * t;
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
               0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

std::vector<SolarTerm> SolarTermsOfYear(int year) {
    std::vector<SolarTerm> terms;
    terms.reserve(SolarTermNames.size());
    for (int n = 0; n < static_cast<int>(SolarTermNames.size()); ++n) {
        const double target = WrapToPi((285.0 + 15.0 * n) * std::numbers::pi / 180.0);
        // The mean-year formula is within a day of the true moment: a good start.
        const double guess = SolarTermMoment(year, n) + kSerialZeroMjd;
        const double mjdUT = SolveLongitude(target, guess);
        const double local = mjdUT - kSerialZeroMjd + kChinaStandardHours / 24.0;
        const double seconds = std::round(local * ERFA_DAYSEC);
        terms.push_back({n, seconds / ERFA_DAYSEC});
    }
    return terms;
}

}  // namespace varnel::knowledge
