// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolarDate.h"

#include <array>
#include <string_view>

namespace Shell {

namespace {

// clang-format off
constexpr std::array<std::string_view, 12> MonthNames = {
    "فروردین", "اردیبهشت", "خرداد", "تیر", "مرداد", "شهریور",
    "مهر", "آبان", "آذر", "دی", "بهمن", "اسفند",
};
// Saturday first.
constexpr std::array<std::string_view, 7> WeekdayNames = {
    "شنبه", "یکشنبه", "دوشنبه", "سه‌شنبه", "چهارشنبه", "پنجشنبه", "جمعه",
};
// clang-format on

// The quotient rounded toward minus infinity, for days and years before the reckoning's start.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

// Days from 1 January 1970 to a Gregorian day, on the proleptic Gregorian calendar.
std::int64_t DayNumber(CivilDate date)
{
    // Counted in years that begin on 1 March, so that a leap day ends its year.
    const std::int64_t year = date.year - (date.month <= 2);
    const std::int64_t era = FloorDiv(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Leap years from 1209, which the 33-year rule counts from, up to `year` (not included).
std::int64_t LeapYearsBefore(int year)
{
    const std::int64_t counted = year - 1209;
    const std::int64_t cycles = FloorDiv(counted, 33);
    // Of each cycle's years 0 to 32, years 1, 5, ... 29 are leap years.
    return 8 * cycles + (counted - 33 * cycles + 2) / 4;
}

// The day number of Farvardin 1, the new year's day, of a Solar Hijri year.
std::int64_t NewYearsDay(int year)
{
    // Farvardin 1, 1404 was 21 March 2025.
    return DayNumber({2025, 3, 21}) + 365 * std::int64_t(year - 1404) + LeapYearsBefore(year) - LeapYearsBefore(1404);
}

// A number in Persian digits.
std::string PersianDigits(int number)
{
    std::string text;
    for (const char digit : std::to_string(number)) {
        // U+06F0 to U+06F9, two bytes each in UTF-8.
        text += char(0xDB);
        text += char(0xB0 + (digit - '0'));
    }
    return text;
}

}  // namespace

bool IsSolarLeapYear(int year) { return LeapYearsBefore(year + 1) != LeapYearsBefore(year); }

SolarDate ToSolarDate(CivilDate date)
{
    const std::int64_t day = DayNumber(date);
    // The Solar Hijri year begins in March, 621 years after the Gregorian one of that March.
    int year = date.year - 621;
    if (day < NewYearsDay(year)) --year;
    const int dayOfYear = int(day - NewYearsDay(year));
    // Six months of 31 days, five of 30, and Esfand of 29, 30 in a leap year.
    const int month = dayOfYear < 186 ? dayOfYear / 31 + 1 : (dayOfYear - 186) / 30 + 7;
    const int dayOfMonth = dayOfYear < 186 ? dayOfYear % 31 + 1 : (dayOfYear - 186) % 30 + 1;
    // 1 January 1970 was a Thursday, the sixth day of the Persian week.
    const int weekday = int((day % 7 + 7 + 5) % 7);
    return {year, month, dayOfMonth, weekday};
}

std::string SolarDateText(SolarDate date)
{
    return std::string(WeekdayNames[std::size_t(date.weekday)]) + ' ' + PersianDigits(date.day) + ' ' +
           std::string(MonthNames[std::size_t(date.month - 1)]) + ' ' + PersianDigits(date.year);
}

}  // namespace Shell
