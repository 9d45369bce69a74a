// SPDX-License-Identifier: GPL-3.0-or-later
// The ice-bank calculation on raw inputs: any tank volume, inlet temperature, running hours
// (0 included) and tube size. Nothing may crash, overflow or hang.

#include "IceBankCalc.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider bytes(data, size);
    IceBank::IceBankInput in{};
    in.TankVolume = bytes.ConsumeIntegral<std::int32_t>();
    in.InletTemperature = bytes.ConsumeIntegral<std::uint8_t>();
    in.RunningHours = bytes.ConsumeIntegral<std::uint8_t>();
    in.TubeSize = IceBank::TubeSizeIndex(bytes.ConsumeIntegral<std::uint8_t>());
    const IceBank::IceBankResult r = IceBank::ComputeIceBank(in);
    if (r.Choice.Count < 1 || r.ExchangeSurface < 0) std::abort();
    return 0;
}
