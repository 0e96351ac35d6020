#pragma once
// The 24 solar terms. A term index n names a term relative to the Western year Y:
// 0 is 冬至 of December of Y - 1, 1 小寒 of January of Y, 3 立春, ... 24 冬至 of Y,
// 25 小寒 of January of Y + 1. The odd indices begin the solar months.

namespace lumivane {

// The day of the year of the term (1 = 1 January; Floor gives the day, the fraction the
// time of day, China Standard Time), mended by the term-day corrections.
[[nodiscard]] double SolarTermDay(int year, int termIndex);

// The formula alone, without the corrections.
[[nodiscard]] double SolarTermDayUncorrected(int year, int termIndex);

}  // namespace lumivane
