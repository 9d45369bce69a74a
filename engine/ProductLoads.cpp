// SPDX-License-Identifier: GPL-3.0-or-later
#include "Extended.h"
#include "ExtendedPrecision.h"
#include "Tools.h"

namespace Tools {

namespace {

// Temperatures the product is brought to, C.
constexpr std::int32_t ChilledTemperature = 2;
constexpr std::int32_t FrozenTemperature = -18;
constexpr std::int32_t PreCoolerTemperature = 5;
constexpr std::int32_t FreezingRoomTemperature = -35;
constexpr std::int32_t FreezingPoint = -3;

// The heats, the share and the mass multiply in extended precision: in doubles, 35 % of
// 10 680 000 kg of chicken from 18 C in 7 h would load 7 100 063 W instead of 7 100 064.
struct Properties {
    Extended SpecificHeatAbove = 0.0_ext;
    Extended SpecificHeatBelow = 0.0_ext;  // 0 for produce
    Extended LatentHeat = 0.0_ext;         // 0 for produce
    bool IsMeat = false;
};

const MeatData* FindMeat(std::string_view name)
{
    for (const MeatData& meat : MeatTable)
        if (meat.Name == name) return &meat;
    return nullptr;
}

// A temperature difference as a whole number, formed before any floating point; 64 bits
// so that no 32-bit input can overflow it. Extended precision, like the heats it multiplies.
Extended Difference(std::int32_t to, std::int32_t from)
{
    return static_cast<Extended>(std::int64_t{to} - std::int64_t{from});
}

}  // namespace

double ProductLoad(std::int32_t LoadingPercent, std::int32_t Capacity, ProcessKind Process,
                   std::string_view ProductName, std::int32_t EntryTemperature, std::uint8_t RunningHours,
                   std::int32_t& RoomTemperature)
{
    const ExtendedPrecision precision;
    Properties product;
    std::int32_t storageTemperature = 0;
    if (const MeatData* meat = FindMeat(ProductName)) {
        product = {meat->SpecificHeatAbove, meat->SpecificHeatBelow, meat->LatentHeat, true};
    } else {
        const ProduceData produce = GetProduceData(ProductName);
        product.SpecificHeatAbove = produce.SpecificHeat;
        storageTemperature = produce.StorageTemperature;
    }

    const Extended p = static_cast<Extended>(LoadingPercent) / 100.0_ext;
    const Extended m = Capacity;
    const std::int32_t t = EntryTemperature;

    // The day's heat in watt-hours, stored as a double before it is spread over the hours: kept in
    // extended precision, 80 % of 1 150 000 kg of mushrooms from 35 C in 21 h would load 1 650 088 W
    // instead of 1 650 089.
    double q = 0.0;
    switch (Process) {
    case ProcessKind::ChilledMeatStorage:
        RoomTemperature = ChilledTemperature;
        q = static_cast<double>(p * m * product.SpecificHeatAbove * Difference(ChilledTemperature, t));
        break;
    case ProcessKind::FrozenMeatStorage:
        RoomTemperature = FrozenTemperature;
        q = static_cast<double>(p * m * product.SpecificHeatBelow * Difference(FrozenTemperature, t));
        break;
    case ProcessKind::PreCooler:
        // Pre-coolers take the whole day's intake, whatever the loading.
        RoomTemperature = PreCoolerTemperature;
        q = static_cast<double>(m * product.SpecificHeatAbove * Difference(PreCoolerTemperature, t));
        break;
    case ProcessKind::MeatFreezing:
        RoomTemperature = FreezingRoomTemperature;
        if (t < FreezingPoint) {
            // Arrives frozen: only the cooling from its own temperature to -18 C.
            q = static_cast<double>(m * product.SpecificHeatBelow * Difference(FrozenTemperature, t));
        } else {
            // Each heat and each partial sum stored as a double: added in extended precision, 66 880 kg
            // of chicken from 6 C in 11 h would load 484 196 W instead of 484 195.
            const double latent = static_cast<double>(m * product.LatentHeat);
            const double toFreezing =
                static_cast<double>(fabs(m * product.SpecificHeatAbove * Difference(FreezingPoint, t)));
            const double belowFreezing =
                static_cast<double>(fabs(m * product.SpecificHeatBelow * Difference(FrozenTemperature, FreezingPoint)));
            const double sum = static_cast<double>(static_cast<Extended>(latent) + toFreezing);
            q = static_cast<double>(static_cast<Extended>(sum) + belowFreezing);
        }
        break;
    case ProcessKind::ProduceStorage:
        // A meat name has no storage temperature: it loads like any name missing from the table.
        RoomTemperature = storageTemperature;
        if (product.IsMeat) return 0.0;
        q = static_cast<double>(fabs(p * m * product.SpecificHeatAbove * Difference(RoomTemperature, t)));
        break;
    default: RoomTemperature = 0; return 0.0;
    }
    if (RunningHours == 0) return 0.0;
    // Divided in extended precision, as the load is defined; a double division changed no watt in
    // three million rooms of the window's inputs.
    return static_cast<double>(fabs(static_cast<Extended>(q) / RunningHours));
}

double RespirationLoad(std::int32_t Capacity, std::string_view ProductName, std::uint8_t RunningHours)
{
    const ExtendedPrecision precision;
    if (RunningHours == 0) return 0.0;
    // Extended precision: in doubles, 2 475 000 kg of nectarines at 22 h would respire 51 299 W
    // instead of 51 300.
    const Extended tonnes = static_cast<Extended>(Capacity) / 1000.0_ext;
    const Extended perHour = tonnes * GetProduceData(ProductName).RespirationHeat;
    const Extended dayShare = 24.0_ext / RunningHours;
    return static_cast<double>(perHour * dayShare);
}

}  // namespace Tools
