// SPDX-License-Identifier: GPL-3.0-or-later
// Properties of every cold-room calculation the input window can ask for: each list choice of
// each process, every room size and the corners of the domain, with a seeded sample of the rest
// (capacities up to the largest suggested one).

#include "ChoiceProperties.h"
#include "ColdRoomCalc.h"
#include "ColdRoomSample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace ColdRoom;
using namespace ColdRoomSample;
using Tools::ProcessKind;

namespace {

// Empty when the sheet of `in` holds together; otherwise what is wrong with it. What every sheet
// must satisfy whatever its loads are, so none of the engine's load functions is called here.
std::string Violation(const ColdRoomInput& in)
{
    const ColdRoomResult r = ComputeColdRoom(in);

    // Each line is a finite load cut to whole watts, not below zero; a load that was infinite
    // would stand at the 10^18 W the run holds it to.
    constexpr std::int64_t Held = 1'000'000'000'000'000'000;
    const std::pair<const char*, std::int64_t> lines[] = {
        {"wall", r.WallLoad},
        {"product", r.ProductLoad},
        {"respiration", r.RespirationLoad},
        {"infiltration", r.InfiltrationLoad},
        {"lighting", r.LightingLoad},
        {"people", r.PeopleLoad},
    };
    std::int64_t sum = 0;
    for (const auto& [name, watts] : lines) {
        if (watts < 0 || watts >= Held) return std::string(name) + " line " + std::to_string(watts) + " W";
        sum += watts;
    }

    // The safety factor is the sum's tenth, rounded down, and the total adds it to the sum.
    if (r.SafetyFactor < 0 || 10 * r.SafetyFactor > sum || 10 * (r.SafetyFactor + 1) <= sum)
        return "safety factor " + std::to_string(r.SafetyFactor) + " for a sum of " + std::to_string(sum);
    if (r.Total != sum + r.SafetyFactor) return "total " + std::to_string(r.Total) + " is not sum + safety";

    // Every product of every process has its compressor table, and the choice from it is the
    // smallest count and then the first sufficient row.
    const auto terms = CompressorTermsFor(in.Process, r.RoomTemperature);
    if (!r.HasCompressorTable || !terms) return "no compressor table";
    return ChoiceProperties::ChoiceViolation(terms->Table, r.Total, r.Compressor);
}

using Checker = ChoiceProperties::SampledCheck<ColdRoomInput>;

}  // namespace

TEST(ColdRoomProperties, EveryListChoiceOfEveryProcess)
{
    // For each process and running time, every product, entry temperature and insulation, and
    // every loading percentage and outside temperature: the two groups turn side by side until
    // each has gone through all its combinations. Room and capacity are drawn.
    std::mt19937_64 rng(20240601);
    Checker check(Violation, Describe);
    for (int p = 0; p < Processes; ++p) {
        const ProcessKind process = ProcessKind(p);
        const ProcessLayout layout = LayoutFor(process);
        const std::vector<std::string> products = ProductsOf(process);
        const int kinds = static_cast<int>(products.size());
        const int entries = layout.EntryTo - layout.EntryFrom + 1;
        const int choices = kinds * entries * 2;  // product x entry temperature x insulation
        const int weather = 20 * 31;              // loading percentage x outside temperature
        for (int hours = 3; hours <= 22; ++hours)
            for (int i = 0; i < std::max(choices, weather); ++i) {
                ColdRoomInput in = DrawInput(rng, process);
                const int choice = i % choices;
                in.ProductName = products[static_cast<std::size_t>(choice % kinds)];
                in.EntryTemperature = layout.EntryFrom + choice / kinds % entries;
                in.InsulationFactor = InsulationFactorAt(choice / (kinds * entries));
                in.LoadingPercent = 5 * (1 + i % 20);
                in.OutsideTemperature = 20 + i / 20 % 31;
                in.RunningHours = std::uint8_t(hours);
                check(in);
            }
    }
    EXPECT_GT(check.checked(), 0);
}

TEST(ColdRoomProperties, EveryRoomFloorAtManyHeights)
{
    // Each of the 9801 floors at 25 heights, 4 m apart and shifted from floor to floor, so
    // that every height meets every floor width and length; the process turns with the room.
    std::mt19937_64 rng(20240603);
    Checker check(Violation, Describe);
    int turn = 0;
    for (std::uint16_t length = 1; length <= 99; ++length)
        for (std::uint16_t width = 1; width <= 99; ++width)
            for (int step = 0; step < 25; ++step, ++turn) {
                ColdRoomInput in = DrawInput(rng, ProcessKind(turn % Processes));
                in.Length = length;
                in.Width = width;
                in.Height = std::uint16_t(1 + (length + width + 4 * step) % 99);
                in.Capacity = DrawCapacity(rng, in);
                check(in);
            }
    EXPECT_GT(check.checked(), 0);
}

TEST(ColdRoomProperties, ExtremeRoomsAndCapacities)
{
    // The corners of the domain: smallest and largest room, capacity and running hours.
    std::mt19937_64 rng(20240604);
    Checker check(Violation, Describe);
    for (int p = 0; p < Processes; ++p)
        for (std::uint16_t side : {1, 99})
            for (std::int32_t capacity : {1, LargestTypedCapacity, 323'433'000})
                for (int hours : {3, 22})
                    for (int outside : {20, 50}) {
                        ColdRoomInput in = DrawInput(rng, ProcessKind(p));
                        in.Length = in.Width = in.Height = side;
                        in.Capacity = capacity;
                        in.RunningHours = std::uint8_t(hours);
                        in.OutsideTemperature = outside;
                        in.LoadingPercent = 100;
                        check(in);
                    }
    EXPECT_GT(check.checked(), 0);
}
