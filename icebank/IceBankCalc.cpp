// SPDX-License-Identifier: GPL-3.0-or-later
#include "IceBankCalc.h"

#include "Extended.h"
#include "ExtendedPrecision.h"

namespace IceBank {

namespace {

using Tools::Extended;
using Tools::operator""_ext;

// The constants' types are those the calculation is defined with; in doubles, or in extended
// precision, no capacity, surface or tube length of any tank the window allows changes.
constexpr double WaterHeat = 1.163;              // watt-hours per litre and kelvin
constexpr std::uint8_t IceWaterTemperature = 1;  // C, what the tank is cooled to
constexpr float MarginBase = 100.0f;
constexpr float MarginPercent = 20.0f;
constexpr Extended SurfacePerHorsepower = 1.744_ext;  // square metres

/// Metres of coil tube per horsepower for a tube size; 0 outside the list.
Extended TubePerHorsepower(TubeSizeIndex tubeSize)
{
    switch (tubeSize) {
    case TubeSizeIndex::FiveEighthsInch: return 35.0f;
    case TubeSizeIndex::ThreeQuartersInch: return 29.1_ext;
    case TubeSizeIndex::SevenEighthsInch: return 25.0f;
    default: return 0.0_ext;
    }
}

}  // namespace

IceBankResult ComputeIceBank(const IceBankInput& input)
{
    // The surface and the tube length multiply in extended precision.
    const Tools::ExtendedPrecision precision;
    // Each step is stored as a double, in this order: a capacity whose exact value is whole
    // then stays whole, where dividing by the hours first, or adding the margin as a single
    // factor of 1.2, loses a watt for some tanks: 6125 l from 21 C in 21 h would need 8140 W
    // instead of 8141, 25 000 l from 20 C in 6 h 110 484 W instead of 110 485.
    const int kelvin = input.InletTemperature - IceWaterTemperature;
    double capacity = 0.0;
    // No running hours (no list offers it) would divide by zero; the capacity then stays 0.
    if (input.RunningHours != 0) {
        capacity = input.TankVolume * WaterHeat * kelvin / input.RunningHours;
        const double margin = capacity / MarginBase * MarginPercent;
        capacity = capacity + margin;
    }

    IceBankResult result{};
    result.RequiredCapacity = static_cast<std::int64_t>(capacity);
    result.Choice = Tools::SelectCompressor(Tools::IceBankTable, result.RequiredCapacity);
    // Whole and half horsepower are exact in a double; in extended precision nothing changes.
    const double horsepower = static_cast<double>(result.Choice.Count) * result.Choice.Horsepower;
    result.ExchangeSurface = static_cast<std::int32_t>(horsepower * SurfacePerHorsepower);
    result.TubeLength = static_cast<std::int64_t>(horsepower * TubePerHorsepower(input.TubeSize));
    return result;
}

}  // namespace IceBank
