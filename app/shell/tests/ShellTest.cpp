// SPDX-License-Identifier: GPL-3.0-or-later
// The conventions every window shares, without any toolkit: placement, the digit filter,
// field texts, result lines, the general error box and the handles controls are named by.

#include "Shell.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace Shell;

TEST(DigitFilter, TakesTheDigitsOfEveryScriptAsAsciiAndDropsTheRest)
{
    for (char32_t kept : {U'0', U'7', U'9', char32_t(8)}) EXPECT_EQ(DigitFilter(kept), kept) << std::uint32_t(kept);
    // A Persian keyboard's digits and the Arabic-Indic ones, at both ends of their runs.
    const std::pair<char32_t, char32_t> read[] = {{U'\u06F0', U'0'}, {U'\u06F5', U'5'}, {U'\u06F9', U'9'},
                                                  {U'\u0660', U'0'}, {U'\u0665', U'5'}, {U'\u0669', U'9'}};
    for (const auto& [typed, digit] : read) EXPECT_EQ(DigitFilter(typed), digit) << std::uint32_t(typed);
    // Letters, signs, a blank, Enter, Ctrl+V's control character, and the characters just
    // beside the two runs of digits (the Arabic percent and decimal signs among them).
    for (char32_t dropped : {U'a', U'-', U'+', U'.', U' ', U'\r', char32_t(0x16), U'/', U'\u06EF', U'\u06FA', U'\u065F',
                             U'\u066A', U'\u066B'})
        EXPECT_EQ(DigitFilter(dropped), 0u) << std::uint32_t(dropped);
}

TEST(StrToInt, TakesASignAndAsciiDigitsWithin32Bits)
{
    // clang-format off
    const std::pair<std::string, std::optional<int>> cases[] = {
        {"1000", 1000},         {"+5", 5},
        {"-5", -5},             {"00", 0},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483648", {}},     {"-2147483649", {}},
        {"99999999999999999999", {}}, {" 5", {}},
        {"5 ", {}},             {"", {}},
        {"-", {}},              {"+-5", {}},
        {"12x", {}},            {"\u06F1\u06F2", {}},
        {std::string("5\0", 2), {}},
    };
    // clang-format on
    for (const auto& [text, value] : cases) {
        try {
            EXPECT_EQ(StrToInt(text), value.value_or(-999)) << text;
            EXPECT_TRUE(value) << text;
        } catch (const HandlerFailure& failure) {
            EXPECT_FALSE(value) << text;
            // The text is quoted whole, a NUL in it too.
            EXPECT_EQ(failure.Message(), "'" + text + "' is not a valid integer value");
        }
    }
}

TEST(FloatText, ShortestFormWithTheUsersSeparator)
{
    EXPECT_EQ(FloatText(1.5, "."), "1.5");
    EXPECT_EQ(FloatText(40.0, "."), "40");
    EXPECT_EQ(FloatText(0.1 + 0.2, "."), "0.3");  // 15 significant digits
    EXPECT_EQ(FloatText(1.5, ","), "1,5");
    EXPECT_EQ(FloatText(7.5, "\u066B"), "7\u066B5");  // the Arabic decimal separator
    EXPECT_EQ(FloatText(40.0, ","), "40");
}

// A negative number keeps its sign to the left of its digits in right-to-left text: a
// left-to-right mark goes before the sign, and nowhere else.
TEST(ShownText, MarksTheMinusSignOfANumberOnly)
{
    EXPECT_EQ(ShownText("-18  درجه سانتيگراد"), "\u200E-18  درجه سانتيگراد");
    EXPECT_EQ(ShownText("Evap. temp = -8C"), "Evap. temp = \u200E-8C");
    EXPECT_EQ(ShownText("-"), "-");
    EXPECT_EQ(ShownText("1 - 2"), "1 - 2");
}

TEST(GeneralErrorBox, EndsAMessageThatEndsInALetterOrDigitWithAFullStop)
{
    const std::pair<std::string, std::string> cases[] = {
        {"'12x' is not a valid integer value", "'12x' is not a valid integer value."},
        {"Range 5", "Range 5."},
        {"Failed.", "Failed."},
        {"Failed?", "Failed?"},
        {"'x'", "'x'"},
        {"", ""},
        {"خطا", "خطا."},
    };
    for (const auto& [failure, shown] : cases)
        EXPECT_EQ(GeneralErrorBox("Title", failure), (Message{MessageKind::Error, "Title", shown})) << failure;
}

// A handle is found when the program is built, at its control's place in the table; a face
// keeps the control at that place, and a handle of another window reaching it is a failure
// the general error box reports, never a control taken at random.
constexpr Control Table[] = {Label("Label1", "x", {}, Role::Caption), Edit("Edit1", {}, 2)};
constexpr Control Other[] = {Edit("Edit1", {}, 2)};
static_assert(&*Named(Table, "Edit1") == &Table[1] && Named(Table, "Edit1") == ControlId::At(Table, 1));

TEST(ControlId, AFaceFindsItsOwnControlsByPlaceAndRefusesAnotherWindows)
{
    const WindowDescription window{.name = "Form9",
                                   .kind = WindowKind::InputWindow,
                                   .caption = "",
                                   .client = {},
                                   .border = Border::Single,
                                   .buttons = TitleButtons::Close,
                                   .controls = Table};
    EXPECT_EQ(PositionOf(window, Named(Table, "Edit1")), 1u);
    EXPECT_THROW(PositionOf(window, Named(Other, "Edit1")), HandlerFailure);
}

// Each Gregorian day beside its Solar Hijri one as the calendar's tables give it: new year's
// days, the last days of leap years (1399, 1403 and 1408: four years apart, then five) and of
// a common one, and days between.
TEST(ToSolarDate, FindsTheYearMonthDayAndWeekday)
{
    enum { Saturday, Sunday, Monday, Tuesday, Wednesday, Thursday, Friday };
    // clang-format off
    const std::pair<CivilDate, SolarDate> cases[] = {
        {{2026, 12,  9}, {1405,  9, 18, Wednesday}},
        {{2025,  3, 20}, {1403, 12, 30, Thursday}},
        {{2025,  3, 21}, {1404,  1,  1, Friday}},
        {{2024,  3, 20}, {1403,  1,  1, Wednesday}},
        {{2021,  3, 20}, {1399, 12, 30, Saturday}},
        {{2021,  3, 21}, {1400,  1,  1, Sunday}},
        {{2017,  3, 21}, {1396,  1,  1, Tuesday}},
        {{2026,  3, 20}, {1404, 12, 29, Friday}},
        {{2026,  9, 22}, {1405,  6, 31, Tuesday}},
        {{2026,  9, 23}, {1405,  7,  1, Wednesday}},
        {{2030,  3, 20}, {1408, 12, 30, Wednesday}},
        {{2000,  1,  1}, {1378, 10, 11, Saturday}},
        {{1979,  2, 11}, {1357, 11, 22, Sunday}},
    };
    // clang-format on
    for (const auto& [civil, solar] : cases)
        EXPECT_EQ(ToSolarDate(civil), solar) << civil.year << '-' << civil.month << '-' << civil.day;
}

TEST(SolarDateText, WritesTheWeekdayDayMonthAndYearInPersian)
{
    EXPECT_EQ(SolarDateText({1405, 9, 18, 4}), "چهارشنبه ۱۸ آذر ۱۴۰۵");
    EXPECT_EQ(SolarDateText({1396, 1, 1, 3}), "سه‌شنبه ۱ فروردین ۱۳۹۶");
}
