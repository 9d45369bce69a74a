// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColdRoomCalc.h"

#include <algorithm>
#include <cmath>

namespace ColdRoom {

namespace {

using Tools::ProcessKind;

constexpr std::string_view Horsepower = HorsepowerUnits[0];
constexpr std::string_view HorsepowerTwoStage = HorsepowerUnits[1];
using Tools::NoteCondensing;
using Tools::NoteEvaporatingAndCondensing;
using Tools::NoteR22At10K;
using Tools::NoteR22At5K;
using Tools::NoteR22At7K;

// A load in whole watts as the sheet shows and sums it; 64 bits, since a large room with a
// large capacity needs more watts than 32 bits hold. Inputs that no window gives (an
// insulation factor of NaN or 1e300, say) could make a load NaN or too large for 64 bits:
// NaN counts 0 and a load is held within 10^18 W, so that the six lines and their safety
// factor always add up within 64 bits.
std::int64_t Watts(double load)
{
    constexpr double Largest = 1e18;
    if (std::isnan(load)) return 0;
    return static_cast<std::int64_t>(std::clamp(load, -Largest, Largest));
}

// n / d rounded to the nearest whole number, halves to the even neighbour; n >= 0, d > 0.
std::int64_t RoundHalfEven(std::int64_t n, std::int64_t d)
{
    const std::int64_t quotient = n / d;
    const std::int64_t twiceRemainder = 2 * (n % d);
    if (twiceRemainder > d || (twiceRemainder == d && quotient % 2 != 0)) return quotient + 1;
    return quotient;
}

}  // namespace

std::optional<CompressorTerms> CompressorTermsFor(ProcessKind process, std::int32_t roomTemperature)
{
    switch (process) {
    case ProcessKind::ChilledMeatStorage:
        return CompressorTerms{Tools::ChilledStorageTable, Horsepower, NoteR22At10K, NoteEvaporatingAndCondensing};
    case ProcessKind::FrozenMeatStorage:
        return CompressorTerms{Tools::FrozenStorageTable, Horsepower, NoteR22At7K, NoteCondensing};
    case ProcessKind::PreCooler:
        return CompressorTerms{Tools::PreCoolerTable, Horsepower, NoteR22At10K, NoteCondensing};
    case ProcessKind::MeatFreezing:
        return CompressorTerms{Tools::TwoStageFreezingTable, HorsepowerTwoStage, NoteR22At5K, NoteCondensing};
    case ProcessKind::ProduceStorage:
        if (roomTemperature >= -1 && roomTemperature <= 4)
            return CompressorTerms{Tools::ChilledStorageTable, Horsepower, NoteR22At10K, NoteCondensing};
        if (roomTemperature >= 5 && roomTemperature <= 12)
            return CompressorTerms{Tools::PreCoolerTable, Horsepower, NoteR22At10K, NoteCondensing};
        break;
    }
    return std::nullopt;
}

double InsulationFactorAt(int insulationIndex) { return insulationIndex == 0 ? 0.25 : 0.16; }

ColdRoomResult ComputeColdRoom(const ColdRoomInput& in)
{
    // Each load sets the x87 precision it is defined in itself; what this run adds to them is
    // doubles and whole watts, which the x87 precision does not touch.
    ColdRoomResult out;
    out.RunningHours = in.RunningHours;
    out.Volume = std::uint32_t{in.Length} * in.Width * in.Height;
    const std::uint32_t floorArea = std::uint32_t{in.Length} * in.Width;  // at most 9801 m2
    // Double precision: 65 % of 180 kg gives 117 here, 116 in extended precision; other pairs may
    // fall a kilogram short.
    out.LoadedMass = static_cast<std::int64_t>(in.LoadingPercent / 100.0 * in.Capacity);

    // The product load fixes the room temperature that the wall load needs.
    const double product = Tools::ProductLoad(in.LoadingPercent, in.Capacity, in.Process, in.ProductName,
                                              in.EntryTemperature, in.RunningHours, out.RoomTemperature);
    const double respiration = Tools::RespirationLoad(in.Capacity, in.ProductName, in.RunningHours);
    const double wall = Tools::WallLoad(in.Length, in.Width, in.Height, in.Process, in.InsulationFactor,
                                        out.RoomTemperature, in.OutsideTemperature, in.RunningHours);
    const double lighting = Tools::LightingLoad(static_cast<std::uint16_t>(floorArea), in.Process, in.RunningHours);
    const double people = Tools::PeopleLoad(static_cast<std::int32_t>(floorArea), in.Process, in.RunningHours);
    // Meat freezing counts no door air changes.
    double airChanges = 0.0;
    if (in.Process == ProcessKind::FrozenMeatStorage)
        airChanges = Tools::AirChangesBelowZero(static_cast<std::int32_t>(out.Volume));
    else if (in.Process != ProcessKind::MeatFreezing)
        airChanges = Tools::AirChangesAboveZero(static_cast<std::int32_t>(out.Volume));
    const double infiltration =
        Tools::InfiltrationLoad(out.Volume, in.OutsideTemperature, airChanges, in.Process, in.RunningHours);

    out.WallLoad = Watts(wall);
    out.ProductLoad = Watts(product);
    out.RespirationLoad = Watts(respiration);
    out.InfiltrationLoad = Watts(infiltration);
    out.LightingLoad = Watts(lighting);
    out.PeopleLoad = Watts(people);
    const std::int64_t sum =
        out.WallLoad + out.ProductLoad + out.RespirationLoad + out.InfiltrationLoad + out.LightingLoad + out.PeopleLoad;
    out.SafetyFactor = SafetyFactor(sum);
    out.Total = sum + out.SafetyFactor;

    if (const auto terms = CompressorTermsFor(in.Process, out.RoomTemperature)) {
        out.HasCompressorTable = true;
        out.Compressor = Tools::SelectCompressor(terms->Table, out.Total);
        out.HorsepowerUnit = terms->HorsepowerUnit;
        out.ConditionNote = terms->ConditionNote;
        out.TemperatureNote = terms->TemperatureNote;
    }
    return out;
}

std::int64_t SuggestedCapacity(std::uint16_t Length, std::uint16_t Width, std::uint16_t Height, ProcessKind Process)
{
    const std::int64_t area = std::int64_t{Length} * Width;
    const std::int64_t volume = area * Height;
    switch (Process) {
    case ProcessKind::MeatFreezing: return (area - RoundHalfEven(area, 3)) * 380;
    case ProcessKind::ProduceStorage: return RoundHalfEven(volume, 4) * 1000;
    default: return RoundHalfEven(volume, 3) * 1000;
    }
}

}  // namespace ColdRoom
