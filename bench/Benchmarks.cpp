// SPDX-License-Identifier: GPL-3.0-or-later
// How long one calculation takes, for a small room or tank and for about 3 GW, and the
// compressor choice at both loads, against the plain search over counts that it replaces.

#include "ColdRoomCalc.h"
#include "IceBankCalc.h"

#include <benchmark/benchmark.h>

namespace {

using Tools::ProcessKind;

// 10 x 5 x 3 m of chicken, 1000 kg a day: 4691 W.
const ColdRoom::ColdRoomInput SmallRoom{.Length = 10,
                                        .Width = 5,
                                        .Height = 3,
                                        .Capacity = 1000,
                                        .LoadingPercent = 100,
                                        .OutsideTemperature = 35,
                                        .RunningHours = 20,
                                        .Process = ProcessKind::ChilledMeatStorage,
                                        .InsulationFactor = 0.25,
                                        .EntryTemperature = 4,
                                        .ProductName = "مرغ"};

// 99 x 99 x 99 m pre-cooler taking its suggested 323 433 000 kg in 3 hours: 2 972 890 156 W.
const ColdRoom::ColdRoomInput HugeRoom{.Length = 99,
                                       .Width = 99,
                                       .Height = 99,
                                       .Capacity = 323'433'000,
                                       .LoadingPercent = 100,
                                       .OutsideTemperature = 35,
                                       .RunningHours = 3,
                                       .Process = ProcessKind::PreCooler,
                                       .InsulationFactor = 0.25,
                                       .EntryTemperature = 35,
                                       .ProductName = "مرغ"};

void ColdRoomSmall(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(ColdRoom::ComputeColdRoom(SmallRoom));
}
BENCHMARK(ColdRoomSmall);

void ColdRoom3GW(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(ColdRoom::ComputeColdRoom(HugeRoom));
}
BENCHMARK(ColdRoom3GW);

void IceBankSmall(benchmark::State& state)
{
    const IceBank::IceBankInput tank{1000, 30, 18, IceBank::TubeSizeIndex::SevenEighthsInch};  // 2248 W
    for (auto _ : state) benchmark::DoNotOptimize(IceBank::ComputeIceBank(tank));
}
BENCHMARK(IceBankSmall);

void IceBank3GW(benchmark::State& state)
{
    // 275 600 000 l from 40 C in 5 hours, far beyond the window's six digits: 3 000 093 408 W.
    const IceBank::IceBankInput tank{275'600'000, 40, 5, IceBank::TubeSizeIndex::SevenEighthsInch};
    for (auto _ : state) benchmark::DoNotOptimize(IceBank::ComputeIceBank(tank));
}
BENCHMARK(IceBank3GW);

void SelectCompressor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Tools::SelectCompressor(Tools::TwoStageFreezingTable, state.range(0)));
}
BENCHMARK(SelectCompressor)->Arg(4'691)->Arg(3'000'000'000);

// The definition as a loop: one unit, two, ... for each count every row in order.
Tools::CompressorChoice PlainSearch(Tools::CompressorTable table, std::int64_t load)
{
    for (std::int64_t n = 1;; ++n)
        for (const Tools::CompressorRow& row : table)
            if (n * row.CapacityWatts >= load) return {n, row.Horsepower, row.ModelCode};
}

void PlainSearchForComparison(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(PlainSearch(Tools::TwoStageFreezingTable, state.range(0)));
}
BENCHMARK(PlainSearchForComparison)->Arg(4'691)->Arg(3'000'000'000);

}  // namespace
