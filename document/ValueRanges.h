#pragma once

// The one range of each number the user gives the program. The New Calendar
// Wizard, the command line and the property sheets all check against these,
// so a sheet accepts every design the wizard or the command line made.
// Values read from a document are taken as they are; a range binds only
// what the user types.

struct CValueRange {
    int m_nMin;
    int m_nMax;
    constexpr bool Contains(long long value) const { return value >= m_nMin && value <= m_nMax; }
};

// The year of a calendar: the date model counts Gregorian years from 1.
inline constexpr CValueRange kYearRange{1, 9999};
// The month of a calendar, 1 = January.
inline constexpr CValueRange kMonthRange{1, 12};
// The band of a frame, in 0.01 inch.
inline constexpr CValueRange kFrameBandRange{0, 200};
// An outline, border or line thickness, in pixels.
inline constexpr CValueRange kLineThicknessRange{0, 100};
// The grid lines of a calendar are at least one pixel wide.
inline constexpr CValueRange kCalendarGridRange{1, 100};
// The height of a calendar's header or day-name row, in percent.
inline constexpr CValueRange kRowPercentRange{1, 100};
// The eight arrangements of the generator.
inline constexpr CValueRange kGeneratorLayoutRange{0, 7};
