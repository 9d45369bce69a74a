// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Compressor capacity tables and the choice of how many compressors of one model carry a load.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace Tools {

/// One compressor model under the operating conditions of its table.
struct CompressorRow {
    std::string_view ModelCode;
    double Horsepower;           // nominal horsepower of one unit
    std::int32_t CapacityWatts;  // cooling capacity of one unit, watts
};

/// A capacity table: rows in ascending order of capacity.
using CompressorTable = std::span<const CompressorRow>;

/// How many compressors of which model carry a load.
struct CompressorChoice {
    std::int64_t Count = 0;  // at least 1 after a selection
    double Horsepower = 0.0;
    std::string_view ModelCode;
};

// All tables are for R22 and 40 C condensing; the capacities differ by use.
// clang-format off
inline constexpr std::array<CompressorRow, 14> ChilledStorageTable{{
    {"2HC-2.2",  1.0,  3535}, {"2GC-2.2",  1.5,  4165}, {"2FC-3.2",  2.0,  5065},
    {"2DC-3.2",  3.0,  7215}, {"2CC-4.2",  4.0,  8955}, {"4FC-5.2",  5.5, 10135},
    {"4DC-7.2",  7.5, 15215}, {"4V-10.2", 10.0, 19005}, {"4P-15.2", 15.0, 27175},
    {"4N-20.2", 20.0, 33125}, {"4H-25.2", 25.0, 43000}, {"4G-30.2", 30.0, 49350},
    {"6H-35.2", 35.0, 64600}, {"6G-40.2", 40.0, 74050},
}};

inline constexpr std::array<CompressorRow, 14> FrozenStorageTable{{
    {"2HC-2.2",  1.0,  1470}, {"2GC-2.2",  1.5,  2010}, {"2FC-3.2",  2.0,  2200},
    {"2DC-3.2",  3.0,  3000}, {"2CC-4.2",  4.0,  3800}, {"4FC-5.2",  5.5,  4130},
    {"4DC-7.2",  7.5,  6340}, {"4V-10.2", 10.0,  7950}, {"4P-15.2", 15.0, 11780},
    {"4N-20.2", 20.0, 14800}, {"4H-25.2", 25.0, 18860}, {"4G-30.2", 30.0, 21900},
    {"6H-35.2", 35.0, 28300}, {"6G-40.2", 40.0, 32800},
}};

inline constexpr std::array<CompressorRow, 14> PreCoolerTable{{
    {"2HC-2.2",  1.0,  4490}, {"2GC-2.2",  1.5,  4600}, {"2FC-3.2",  2.0,  5590},
    {"2DC-3.2",  3.0,  7980}, {"2CC-4.2",  4.0,  9890}, {"4FC-5.2",  5.5, 11230},
    {"4DC-7.2",  7.5, 16830}, {"4V-10.2", 10.0, 21050}, {"4P-15.2", 15.0, 30000},
    {"4N-20.2", 20.0, 36500}, {"4H-25.2", 25.0, 47400}, {"4G-30.2", 30.0, 54400},
    {"6H-35.2", 35.0, 71200}, {"6G-40.2", 40.0, 81600},
}};

// Two-stage models for meat freezing.
inline constexpr std::array<CompressorRow, 4> TwoStageFreezingTable{{
    {"S6J-16.2", 16.0, 10460}, {"S6H-20.2", 20.0, 12120},
    {"S6G-25.2", 25.0, 13920}, {"S6F-30.2", 30.0, 16650},
}};

inline constexpr std::array<CompressorRow, 14> IceBankTable{{
    {"2HC-2.2",  1.0,  3160}, {"2GC-2.2",  1.5,  3730}, {"2FC-3.2",  2.0,  4540},
    {"2DC-3.2",  3.0,  6450}, {"2CC-4.2",  4.0,  8020}, {"4FC-5.2",  5.5,  9040},
    {"4DC-7.2",  7.5, 13600}, {"4V-10.2", 10.0, 16960}, {"4P-15.2", 15.0, 24350},
    {"4N-20.2", 20.0, 29750}, {"4H-25.2", 25.0, 38600}, {"4G-30.2", 30.0, 44300},
    {"6H-35.2", 35.0, 58000}, {"6G-40.2", 40.0, 66500},
}};
// clang-format on

template <std::size_t N>
constexpr bool AscendingCapacities(const std::array<CompressorRow, N>& table)
{
    for (std::size_t i = 1; i < N; ++i)
        if (table[i].CapacityWatts <= table[i - 1].CapacityWatts || table[i - 1].CapacityWatts <= 0) return false;
    return true;
}
// The selection takes the last row as the largest model.
static_assert(AscendingCapacities(ChilledStorageTable));
static_assert(AscendingCapacities(FrozenStorageTable));
static_assert(AscendingCapacities(PreCoolerTable));
static_assert(AscendingCapacities(TwoStageFreezingTable));
static_assert(AscendingCapacities(IceBankTable));

// What the result sheets note beside a compressor choice: the refrigerant with the
// temperature difference at the evaporator, and the evaporating and condensing temperatures.
inline constexpr std::string_view NoteR22At10K = "R22    ,   DT = 10C";
inline constexpr std::string_view NoteR22At7K = "R22    ,   DT = 7C";
inline constexpr std::string_view NoteR22At5K = "R22    ,   DT = 5C";
inline constexpr std::string_view NoteEvaporatingAndCondensing = "Evap. temp = -8C   Cond. temp = 40C";
inline constexpr std::string_view NoteCondensing = "Cond. temp = 40C";

/// The smallest number of compressors of one model that carries `load` watts and, for that
/// number, the first row of `table` that suffices (equality suffices). A load of 0 or below
/// gives one unit of the first row. `table` must not be empty and ascend in capacity.
CompressorChoice SelectCompressor(CompressorTable table, std::int64_t load);

}  // namespace Tools
