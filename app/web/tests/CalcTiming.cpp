// SPDX-License-Identifier: GPL-3.0-or-later
// The cold-room calculation timed in a page, built as the program's page is, for
// scripts/measure-web to set beside the native benchmark of the same room.

#include "ColdRoomCalc.h"

#include <emscripten.h>

#include <chrono>

namespace {

// 10 x 5 x 3 m of chicken, 1000 kg a day: 4691 W; the benchmarks' small room.
const ColdRoom::ColdRoomInput SmallRoom{.Length = 10,
                                        .Width = 5,
                                        .Height = 3,
                                        .Capacity = 1000,
                                        .LoadingPercent = 100,
                                        .OutsideTemperature = 35,
                                        .RunningHours = 20,
                                        .Process = Tools::ProcessKind::ChilledMeatStorage,
                                        .InsulationFactor = 0.25,
                                        .EntryTemperature = 4,
                                        .ProductName = "مرغ"};

}  // namespace

/// Nanoseconds per calculation of the small room over `runs` of them; the totals are kept so
/// that none is left out.
extern "C" EMSCRIPTEN_KEEPALIVE double ColdRoomNanoseconds(int runs)
{
    static volatile std::int64_t kept = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) kept = kept + ColdRoom::ComputeColdRoom(SmallRoom).Total;
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / runs;
}
