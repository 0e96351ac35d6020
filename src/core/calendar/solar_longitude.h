#pragma once
// The sun's apparent geocentric longitude and the moment it reaches a given value:
// the astronomy behind the solar terms.

namespace lumivane {

// Apparent longitude of the sun in degrees, 0 <= result < 360, at a Julian Ephemeris
// Day (Terrestrial Time).
[[nodiscard]] double ApparentSolarLongitude(double julianEphemerisDay);

// ΔT = TT − UT in seconds for a decimal year.
[[nodiscard]] double DeltaTSeconds(double decimalYear);

// The Julian Day (Universal Time) nearest to guessUt at which the apparent longitude
// reaches targetDegrees. The guess must lie within a few days of the answer.
[[nodiscard]] double MomentOfSolarLongitude(double targetDegrees, double guessUt);

// The equation of time in minutes (apparent solar time less mean solar time) at a Julian
// Day, Universal Time.
[[nodiscard]] double EquationOfTimeMinutes(double julianDayUt);

}  // namespace lumivane
