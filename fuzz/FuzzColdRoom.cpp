// SPDX-License-Identifier: GPL-3.0-or-later
// The cold-room calculation on raw inputs: every field straight from the fuzzer's bytes,
// including values that no window produces (process 7, no running hours, negative or huge
// capacities, any insulation factor). Nothing may crash, overflow or hang, and the sheet's
// total must still be the lines plus their safety factor.

#include "ColdRoomCalc.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider bytes(data, size);
    ColdRoom::ColdRoomInput in;
    in.Length = bytes.ConsumeIntegral<std::uint16_t>();
    in.Width = bytes.ConsumeIntegral<std::uint16_t>();
    in.Height = bytes.ConsumeIntegral<std::uint16_t>();
    in.Capacity = bytes.ConsumeIntegral<std::int32_t>();
    in.LoadingPercent = bytes.ConsumeIntegral<std::int32_t>();
    in.OutsideTemperature = bytes.ConsumeIntegral<std::int32_t>();
    in.RunningHours = bytes.ConsumeIntegral<std::uint8_t>();
    in.Process = Tools::ProcessKind(bytes.ConsumeIntegral<std::uint8_t>());
    // Every bit pattern, NaN and the infinities included.
    const std::uint64_t insulationBits = bytes.ConsumeIntegral<std::uint64_t>();
    std::memcpy(&in.InsulationFactor, &insulationBits, sizeof in.InsulationFactor);
    in.EntryTemperature = bytes.ConsumeIntegral<std::int32_t>();
    // A name of the lists most of the time, so that the product paths are reached; any text
    // otherwise.
    const std::uint8_t product = bytes.ConsumeIntegral<std::uint8_t>();
    if (product < Tools::ProduceTable.size())
        in.ProductName = Tools::ProduceTable[product].Name;
    else if (product < Tools::ProduceTable.size() + Tools::MeatTable.size())
        in.ProductName = Tools::MeatTable[product - Tools::ProduceTable.size()].Name;
    else
        in.ProductName = bytes.ConsumeRemainingBytesAsString();

    const ColdRoom::ColdRoomResult r = ColdRoom::ComputeColdRoom(in);
    const std::int64_t sum =
        r.WallLoad + r.ProductLoad + r.RespirationLoad + r.InfiltrationLoad + r.LightingLoad + r.PeopleLoad;
    if (r.Total != sum + r.SafetyFactor) std::abort();
    if (r.HasCompressorTable && r.Compressor.Count < 1) std::abort();

    (void)ColdRoom::SuggestedCapacity(in.Length, in.Width, in.Height, in.Process);
    (void)ColdRoom::LayoutFor(in.Process);
    return 0;
}
