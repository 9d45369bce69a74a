// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The load engine: free functions of numbers and product names, no state, no windowing.
// Loads are watts as doubles; the calculators truncate them to whole watts.
// Product names are UTF-8 and compared byte for byte: no trimming, no normalisation.

#include "Compressors.h"
#include "Products.h"

#include <cstdint>
#include <string_view>

namespace Tools {

/// The cold-room process; the value is the item index of the process list.
enum class ProcessKind : std::uint8_t {
    ChilledMeatStorage = 0,
    FrozenMeatStorage = 1,
    PreCooler = 2,
    MeatFreezing = 3,
    ProduceStorage = 4,
};

// ---- Produce and meat data ------------------------------------------------------------

/// What the produce lookup hands back for one product.
struct ProduceData {
    double SpecificHeat = 0.0;            // Wh per kg and K (table kJ value x 0.277)
    double RespirationHeat = 0.0;         // W per 1000 kg stored
    std::int32_t StorageTemperature = 0;  // room temperature, C
};

/// Specific heat, respiration heat and storage temperature of a produce name; all zero
/// for a name that is not in the produce table.
ProduceData GetProduceData(std::string_view name);

// ---- Product and respiration loads ----------------------------------------------------

/// Product load in watts: the day's heat to bring the incoming product to the process
/// temperature (and, for meat freezing, to freeze it), spread over the running hours.
/// Writes the room temperature of the process to `RoomTemperature`.
/// A produce name has no below-freezing specific heat and no latent heat: under frozen storage
/// or meat freezing those terms count 0. A meat name under produce storage loads like a name
/// missing from the produce table: room 0 C, load 0. An unknown process gives room 0 C and
/// load 0; 0 running hours give load 0.
double ProductLoad(std::int32_t LoadingPercent, std::int32_t Capacity, ProcessKind Process,
                   std::string_view ProductName, std::int32_t EntryTemperature, std::uint8_t RunningHours,
                   std::int32_t& RoomTemperature);

/// Respiration load in watts of the full daily capacity of produce, scaled to the running hours;
/// 0 for meat and for 0 running hours.
double RespirationLoad(std::int32_t Capacity, std::string_view ProductName, std::uint8_t RunningHours);

// ---- Wall, lighting and people loads --------------------------------------------------

/// Transmission load in watts through the ceiling and walls (to the outside air) and the
/// floor (to the ground at 15 C); 0 for an unknown process or 0 running hours.
double WallLoad(std::uint16_t Length, std::uint16_t Width, std::uint16_t Height, ProcessKind Process,
                double InsulationFactor, std::int32_t RoomTemperature, std::int32_t OutsideTemperature,
                std::uint8_t RunningHours);

/// Lighting load in watts: 2.5 W per square metre of floor; 0 for meat freezing, an unknown
/// process or 0 running hours.
double LightingLoad(std::uint16_t FloorArea, ProcessKind Process, std::uint8_t RunningHours);

/// Heat given off by the people working in the room, in watts; 0 for meat freezing, an
/// unknown process or 0 running hours.
double PeopleLoad(std::int32_t FloorArea, ProcessKind Process, std::uint8_t RunningHours);

// ---- Air infiltration -----------------------------------------------------------------

/// The value rounded to two decimals, halves away from zero, judged on its 18 significant
/// decimal digits; the same in every locale. Infinities and NaN come back unchanged.
double RoundTo2(double value);

/// Density (kg/m3) and enthalpy (Wh/kg) of outside air at a temperature, C, rounded to two
/// decimals. Read from the 5 C row towards zero; below -39 C and above 54 C the nearest row.
void GetAirProperties(std::int32_t Temperature, double& Density, double& Enthalpy);

/// Door air changes per 24 hours of a room kept above 0 C, by its volume in m3; volumes
/// above 2400 m3, and 0 or below, take the large-room rate.
double AirChangesAboveZero(std::int32_t RoomVolume);

/// Door air changes per 24 hours of a room kept below 0 C, by its volume in m3; volumes
/// above 2400 m3, and 0 or below, take the large-room rate.
double AirChangesBelowZero(std::int32_t RoomVolume);

/// Door infiltration load in watts for one day's air changes, spread over the running hours;
/// 0 for meat freezing, an unknown process or 0 running hours.
double InfiltrationLoad(std::uint32_t RoomVolume, std::int32_t OutsideTemperature, double AirChanges,
                        ProcessKind Process, std::uint8_t RunningHours);

}  // namespace Tools
