// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tools.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

using namespace Tools;

namespace {

// Names are taken from the tables, never retyped, so the tests compare the very bytes the
// window's lists hold.
const std::string_view Vegetables = ProduceTable[0].Name;
const std::string_view Apple = ProduceTable[24].Name;
const std::string_view Chicken = MeatTable[0].Name;

// Every occurrence of one UTF-8 sequence replaced by another.
std::string Replaced(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result(text);
    for (std::size_t at = result.find(from); at != std::string::npos; at = result.find(from, at + to.size()))
        result.replace(at, from.size(), to);
    return result;
}

void ExpectAllZero(std::string_view name)
{
    const ProduceData data = GetProduceData(name);
    EXPECT_EQ(data.SpecificHeat, 0.0);
    EXPECT_EQ(data.RespirationHeat, 0.0);
    EXPECT_EQ(data.StorageTemperature, 0);
}

}  // namespace

// The returned specific heat is the nearest double to the decimal product of the listed kJ value
// (three decimals at most) and 0.277, formed here exactly in integers.
TEST(GetProduceData, SpecificHeatIsTheDecimalProductForEveryRow)
{
    for (const ProduceRow& row : ProduceTable) {
        const std::int64_t millijoules = std::llround(static_cast<double>(row.SpecificHeat * 1000));
        const double decimalProduct = static_cast<double>(millijoules * 277) / 1e6;
        EXPECT_EQ(GetProduceData(row.Name).SpecificHeat, decimalProduct) << row.Name;
    }
}

TEST(GetProduceData, MatchesOnlyTheExactCodePoints)
{
    ExpectAllZero("");
    ExpectAllZero(Chicken);
    // "vegetables (general)" is found only with its blank before the parenthesis.
    ExpectAllZero(Replaced(Vegetables, " (", "("));
    ExpectAllZero(std::string(Apple) += ' ');
    ExpectAllZero(std::string(1, ' ') += Apple);
    // Persian yeh U+06CC and Arabic kaf U+0643 are other letters to the lookup.
    ExpectAllZero(Replaced(Apple, "\u064A", "\u06CC"));
    ExpectAllZero(Replaced(Vegetables, "\u06A9", "\u0643"));
    ExpectAllZero(Apple.substr(0, Apple.size() - 2));  // one letter short
}

// The window's produce list, position by position, written out here rather than read from the
// table, so that a moved row or a changed list order shows; the preselected position is apple.
TEST(ProduceList, ShowsEveryNameInItsPositionWithAppleChosen)
{
    const std::array<std::string_view, 35> listed{
        "سبزيجات (کلي)", "حبوبات (کلي)", "باقلا",    "بروکلي",    "پيازچه",      // 0 to 4
        "خيار",          "سيب زميني",    "ذرت",      "شلغم",      "فلفل شيرين",  // 5 to 9
        "قارچ",          "کاهو",         "کرفس",     "کلم",       "گوجه فرنگي",  // 10 to 14
        "آلبالو",        "انجير",        "هندوانه",  "انگور",     "پرتقال",      // 15 to 19
        "تمشک",          "توت فرنگي",    "زردآلو",   "زيتون",     "سيب",         // 20 to 24
        "شليل",          "هلو",          "طالبي",    "گريپ فروت", "گرمک",        // 25 to 29
        "گلابي",         "گيلاس",        "ليمو ترش", "موز",       "هويج فرنگي",  // 30 to 34
    };
    for (std::size_t position = 0; position < listed.size(); ++position)
        EXPECT_EQ(ProduceTable[ProduceListOrder[position]].Name, listed[position]) << "position " << position;
    EXPECT_EQ(ProduceTable[ProduceListOrder[ProduceListDefault]].Name, "سيب");
}
