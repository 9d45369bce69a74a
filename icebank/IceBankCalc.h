// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ice-bank calculation: the cooling plant that brings a tank of water down to 1 C within
// the compressor's running hours, with a 20 % margin, and the coil it needs. No windows.

#include "Tools.h"

#include <cstdint>
#include <string_view>

namespace IceBank {

/// Smaller tanks are rejected before anything is calculated.
inline constexpr std::int32_t MinimumTankVolume = 1000;  // litres

/// Coil tube sizes, numbered as the tube-size list on the input window.
enum class TubeSizeIndex : std::uint8_t { FiveEighthsInch = 0, ThreeQuartersInch = 1, SevenEighthsInch = 2 };

/// What a run reads from the input window. Only the volume comes from a field the user can
/// paste into, so only its text can fail to convert; the lists always hold numbers.
struct IceBankInput {
    std::int32_t TankVolume;        // litres, at least MinimumTankVolume
    std::uint8_t InletTemperature;  // C, 20 to 40
    std::uint8_t RunningHours;      // hours per day, 5 to 23
    TubeSizeIndex TubeSize;
};

struct IceBankResult {
    std::int64_t RequiredCapacity;   // cooling capacity in watts with the margin, truncated
    Tools::CompressorChoice Choice;  // from the ice-bank capacity table
    std::int32_t ExchangeSurface;    // square metres of coil, truncated
    std::int64_t TubeLength;         // metres of tube, truncated; beyond 65535 m for large tanks
    // The sheet's notes on the conditions the ice-bank table is for.
    std::string_view ConditionNote = Tools::NoteR22At10K;
    std::string_view TemperatureNote = Tools::NoteCondensing;
};

/// Required capacity in watts, the compressors that carry it, the coil's exchange surface in
/// square metres and its tube length in metres. A tube size outside the list gives length 0;
/// 0 running hours (the list offers 5 to 23) give capacity 0. Every 32-bit volume and 8-bit
/// temperature keeps every figure within its field.
IceBankResult ComputeIceBank(const IceBankInput& input);

}  // namespace IceBank
