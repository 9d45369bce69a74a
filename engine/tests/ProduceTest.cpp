#include "Tools.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace Tools;

namespace {

// Names are taken from the tables, never retyped, so the tests compare the very bytes the
// window's lists hold.
const std::string_view Vegetables = ProduceTable[0].Name;
const std::string_view Apple = ProduceTable[24].Name;
const std::string_view Banana = ProduceTable[33].Name;
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

// The returned specific heat is the listed kJ value times 0.277 as the nearest double.
TEST(GetProduceData, SpecificHeatIsTheDecimalProductForEveryRow)
{
    constexpr std::array<double, 35> inWattHours{
        1.094704, 0.853437, 1.067004, 1.057586, 0.890832, 1.122681, 0.98335,  0.918532, 1.057586,
        1.085563, 1.076145, 1.113263, 1.104122, 1.067004, 1.104122, 1.011327, 0.95565,  1.094704,
        0.992768, 1.039027, 1.020468, 1.067004, 1.020468, 0.927673, 1.011327, 1.057586, 1.057586,
        1.094704, 1.057586, 1.085563, 1.001909, 0.974209, 1.057586, 0.927673, 1.048445,
    };
    for (std::size_t i = 0; i < ProduceTable.size(); ++i)
        EXPECT_EQ(GetProduceData(ProduceTable[i].Name).SpecificHeat, inWattHours[i]) << "row " << i + 1;
}

TEST(GetProduceData, ReturnsRespirationAndStorageTemperatureOfTheRow)
{
    const ProduceData apple = GetProduceData(Apple);
    EXPECT_EQ(apple.SpecificHeat, 1.011327);
    EXPECT_EQ(apple.RespirationHeat, 12.0);
    EXPECT_EQ(apple.StorageTemperature, 0);

    const ProduceData banana = GetProduceData(Banana);
    EXPECT_EQ(banana.SpecificHeat, 0.927673);
    EXPECT_EQ(banana.RespirationHeat, 116.0);
    EXPECT_EQ(banana.StorageTemperature, 12);
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

// The list preselects apple: a static_assert in Products.h and the cold-room window tests hold it.
TEST(ProduceList, PutsPulsesSecond)
{
    EXPECT_EQ(ProduceListOrder[1], 4u);  // pulses, general: fifth table row
    EXPECT_EQ(ProduceListOrder[4], 3u);  // green onions follow the pulses' move
    EXPECT_EQ(ProduceListOrder[5], 5u);  // from cucumber on, list and table agree
}
