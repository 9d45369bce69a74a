// SPDX-License-Identifier: GPL-3.0-or-later
// Properties of every ice-bank calculation the input window can ask for: every tank volume and
// every inlet temperature, running time and tube size.

#include "ChoiceProperties.h"
#include "IceBankCalc.h"

#include <gtest/gtest.h>

#include <string>

using namespace IceBank;

namespace {

constexpr std::int32_t LargestTank = 999'999;  // six digits

// Tube metres per horsepower as a fraction, for exact arithmetic: 35, 29.1 and 25.
constexpr std::int64_t TubeNumerator[] = {350, 291, 250};
constexpr std::int64_t TubeDenominator = 10;

std::string Describe(const IceBankInput& in)
{
    return std::to_string(in.TankVolume) + " l at " + std::to_string(in.InletTemperature) + " C, " +
           std::to_string(in.RunningHours) + " h, tube size " + std::to_string(int(in.TubeSize));
}

// Empty when the calculation of `in` holds together; otherwise what is wrong with it.
std::string Violation(const IceBankInput& in)
{
    const IceBankResult r = ComputeIceBank(in);

    // The capacity is litres x 1.163 Wh/(l K) x (inlet - 1) K / hours, plus a fifth: exactly
    // litres x 1163 x (inlet - 1) x 12 / (10000 x hours) watts, shown rounded down. A capacity
    // that is whole in exact arithmetic must not lose a watt.
    const std::int64_t numerator = std::int64_t{in.TankVolume} * 1163 * (in.InletTemperature - 1) * 12;
    const std::int64_t exact = numerator / (std::int64_t{10000} * in.RunningHours);
    if (r.RequiredCapacity != exact)
        return "capacity " + std::to_string(r.RequiredCapacity) + " W, exactly " + std::to_string(exact) + " W";

    const std::string choice = ChoiceProperties::ChoiceViolation(Tools::IceBankTable, r.RequiredCapacity, r.Choice);
    if (!choice.empty()) return choice;

    // Surface and tube follow from the total horsepower, counted here in half horsepower
    // (every model's horsepower is a whole number of halves): 1.744 m2 and 35, 29.1 or 25 m
    // per horsepower, rounded down.
    const std::int64_t halves = r.Choice.Count * static_cast<std::int64_t>(r.Choice.Horsepower * 2);
    const std::int64_t surface = halves * 1744 / 2000;
    if (r.ExchangeSurface != surface)
        return "surface " + std::to_string(r.ExchangeSurface) + " m2, exactly " + std::to_string(surface) + " m2";
    const std::int64_t tube = halves * TubeNumerator[int(in.TubeSize)] / (2 * TubeDenominator);
    if (r.TubeLength != tube)
        return "tube " + std::to_string(r.TubeLength) + " m, exactly " + std::to_string(tube) + " m";
    return {};
}

using Checker = ChoiceProperties::SampledCheck<IceBankInput>;

}  // namespace

TEST(IceBankProperties, EveryTankVolumeAndEverySetting)
{
    // Each volume once; inlet temperature, running hours and tube size turn with it, so every
    // one of their 1197 combinations meets some 835 volumes spread over the range. Then every
    // combination with the smallest and the largest tank.
    Checker check(Violation, Describe);
    int turn = 0;
    for (std::int32_t volume = MinimumTankVolume; volume <= LargestTank; ++volume, ++turn) {
        const std::uint8_t inlet = std::uint8_t(20 + turn % 21);
        const std::uint8_t hours = std::uint8_t(5 + (turn / 21) % 19);
        const auto tube = TubeSizeIndex((turn / (21 * 19)) % 3);
        check({volume, inlet, hours, tube});
    }
    for (int inlet = 20; inlet <= 40; ++inlet)
        for (int hours = 5; hours <= 23; ++hours)
            for (std::uint8_t tube = 0; tube < 3; ++tube)
                for (std::int32_t volume : {MinimumTankVolume, LargestTank})
                    check({volume, std::uint8_t(inlet), std::uint8_t(hours), TubeSizeIndex(tube)});
    EXPECT_GT(check.checked(), 0);
}
