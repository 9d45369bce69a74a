// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dates in the Solar Hijri calendar, in which engineers in Iran date their documents: a day
// of the Gregorian calendar, which every clock gives, turned into its Solar Hijri year, month
// and day, and written in Persian as the printed report dates itself.

#include <cstdint>
#include <string>

namespace Shell {

/// A day of the Gregorian calendar: month 1 to 12, day 1 to 31.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

/// A day of the Solar Hijri calendar: month 1 (Farvardin) to 12 (Esfand), day 1 to 31, and
/// the day of the week, 0 for Saturday, on which the Persian week begins, to 6 for Friday.
struct SolarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    int weekday = 0;
    friend bool operator==(const SolarDate&, const SolarDate&) = default;
};

/// Whether a Solar Hijri year has 366 days, Esfand 30 its last. By the 33-year rule, 8 years
/// of every 33 are leap years, four years apart and once five: the calendar's own years from
/// 1210 to 1629 (1831 to 2251) follow it, and the rule goes on beyond them.
bool IsSolarLeapYear(int year);

/// The Solar Hijri day of a Gregorian one.
SolarDate ToSolarDate(CivilDate date);

/// The date as the report writes it: the day of the week, the day, the month's name and the
/// year, in Persian words and digits.
std::string SolarDateText(SolarDate date);

}  // namespace Shell
