// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cold-room calculation without any window: the inputs of one run, every value the
// result sheet shows, the suggested capacity and how the input window is arranged per process.
// Texts are UTF-8.

#include "Tools.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ColdRoom {

/// Everything a run reads from the input window.
// The fields stand in the order the window converts their texts: Edit2, Edit3, Edit4, Edit1,
// ComboBox6, then the rest as listed. That order decides which text the error box quotes when
// more than one is not a whole number; the window's designated initializers follow the order of
// the fields, so moving a field here moves its conversion too.
struct ColdRoomInput {
    std::uint16_t Length = 0;             // metres, 1 to 99
    std::uint16_t Width = 0;              // metres, 1 to 99
    std::uint16_t Height = 0;             // metres, 1 to 99
    std::int32_t Capacity = 0;            // kilograms of product per day, not watts
    std::int32_t LoadingPercent = 0;      // share of the capacity actually loaded
    std::int32_t OutsideTemperature = 0;  // C
    std::uint8_t RunningHours = 0;        // compressor hours per day, never 0
    Tools::ProcessKind Process = Tools::ProcessKind::ChilledMeatStorage;
    double InsulationFactor = 0.0;      // W per m2 and K
    std::int32_t EntryTemperature = 0;  // C, of the incoming product
    std::string ProductName;
};

/// Every figure and text of the result sheet. Loads are whole watts, truncated toward zero.
struct ColdRoomResult {
    std::int32_t RoomTemperature = 0;  // C
    std::uint8_t RunningHours = 0;
    std::uint32_t Volume = 0;     // m3
    std::int64_t LoadedMass = 0;  // kg: the loading percentage of the capacity
    std::int64_t WallLoad = 0;
    std::int64_t ProductLoad = 0;
    std::int64_t RespirationLoad = 0;
    std::int64_t InfiltrationLoad = 0;
    std::int64_t LightingLoad = 0;
    std::int64_t PeopleLoad = 0;
    std::int64_t SafetyFactor = 0;
    std::int64_t Total = 0;  // the six loads plus the safety factor
    // Without a compressor table for the room temperature the sheet keeps its compressor
    // rows and notes as they were, and the four fields below stay empty.
    bool HasCompressorTable = false;
    Tools::CompressorChoice Compressor;
    std::string_view HorsepowerUnit;
    std::string_view ConditionNote;    // refrigerant and temperature difference
    std::string_view TemperatureNote;  // evaporating and condensing temperatures
};

/// The units of one compressor's power that the sheet prints: horsepower, and horsepower of a
/// two-stage machine.
inline constexpr std::string_view HorsepowerUnits[] = {"اسب بخار", "اسب بخار (2 مرحله)"};

/// The compressor table of a room and the texts the sheet prints beside its choice.
struct CompressorTerms {
    Tools::CompressorTable Table;
    std::string_view HorsepowerUnit;
    std::string_view ConditionNote;
    std::string_view TemperatureNote;
};

/// The table for a process at its room temperature, C. Produce rooms choose by temperature:
/// -1 to 4 C the chilled table, 5 to 12 C the pre-cooler table, none outside these.
std::optional<CompressorTerms> CompressorTermsFor(Tools::ProcessKind process, std::int32_t roomTemperature);

/// The insulation's heat-transfer factor, W per m2 and K, by the insulation list's position:
/// 0.25 for 10 cm polyurethane, 0.16 for any other entry.
double InsulationFactorAt(int insulationIndex);

/// 10 % of the sum of the loads in whole watts, truncated toward zero.
constexpr std::int64_t SafetyFactor(std::int64_t sumOfLoads)
{
    // The sum x 10 / 100 with truncation, without the multiplication that could overflow.
    return sumOfLoads / 10;
}

/// Runs the load engine for one room and totals the loads. Inputs beyond the window's lists
/// give defined figures: a load that is NaN counts 0 W, and each load is held within
/// 10^18 W, so that the total never overflows.
ColdRoomResult ComputeColdRoom(const ColdRoomInput& input);

/// A daily capacity in kilograms that roughly suits a room of the given inner dimensions,
/// metres, for the process; halves round to the even neighbour.
std::int64_t SuggestedCapacity(std::uint16_t Length, std::uint16_t Width, std::uint16_t Height,
                               Tools::ProcessKind Process);

/// How the input window proposes its settings for a process.
struct ProcessLayout {
    Tools::ProcessKind Process;
    int InsulationIndex;         // 0: 10 cm, 1: 15 cm
    std::int32_t EntryFrom;      // lowest product entry temperature offered, C
    std::int32_t EntryTo;        // highest, C
    std::int32_t ProposedEntry;  // C
    std::int32_t ProposedHours;
    bool LoadingApplies;  // pre-coolers and freezers always take the whole capacity
    bool ProduceList;     // fruit and vegetables instead of meat
};

// clang-format off
/// The window's proposals, one row per process in the process list's order.
inline constexpr std::array<ProcessLayout, 5> ProcessLayouts{{
    {.Process = Tools::ProcessKind::ChilledMeatStorage, .InsulationIndex = 0, .EntryFrom =   3, .EntryTo = 35,
     .ProposedEntry =   4, .ProposedHours = 20, .LoadingApplies = true,  .ProduceList = false},
    {.Process = Tools::ProcessKind::FrozenMeatStorage,  .InsulationIndex = 1, .EntryFrom = -17, .EntryTo = -4,
     .ProposedEntry = -17, .ProposedHours = 20, .LoadingApplies = true,  .ProduceList = false},
    {.Process = Tools::ProcessKind::PreCooler,          .InsulationIndex = 0, .EntryFrom =   6, .EntryTo = 35,
     .ProposedEntry =  15, .ProposedHours =  5, .LoadingApplies = false, .ProduceList = false},
    {.Process = Tools::ProcessKind::MeatFreezing,       .InsulationIndex = 1, .EntryFrom =  -2, .EntryTo = 35,
     .ProposedEntry =   5, .ProposedHours =  8, .LoadingApplies = false, .ProduceList = false},
    {.Process = Tools::ProcessKind::ProduceStorage,     .InsulationIndex = 0, .EntryFrom =  15, .EntryTo = 35,
     .ProposedEntry =  25, .ProposedHours = 20, .LoadingApplies = true,  .ProduceList = true},
}};
// clang-format on

constexpr bool LayoutsInProcessOrder()
{
    for (std::size_t i = 0; i < ProcessLayouts.size(); ++i)
        if (static_cast<std::size_t>(ProcessLayouts[i].Process) != i) return false;
    return true;
}
static_assert(LayoutsInProcessOrder());

/// The window's proposals for a process; a position beyond the list (no window gives one)
/// takes the first process's.
constexpr const ProcessLayout& LayoutFor(Tools::ProcessKind process)
{
    const auto row = static_cast<std::size_t>(process);
    return ProcessLayouts[row < ProcessLayouts.size() ? row : 0];
}

}  // namespace ColdRoom
