// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cold-room inputs as the input window takes them, drawn at random, and how a failing one is
// described: shared by the property tests and the test of the portable extended type.

#include "ColdRoomCalc.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace ColdRoomSample {

using ColdRoom::ColdRoomInput;
using Tools::ProcessKind;

constexpr int Processes = 5;
constexpr std::int32_t LargestTypedCapacity = 9'999'999;  // seven digits

inline std::vector<std::string> ProductsOf(ProcessKind process)
{
    std::vector<std::string> names;
    if (ColdRoom::LayoutFor(process).ProduceList)
        for (const Tools::ProduceRow& row : Tools::ProduceTable) names.emplace_back(row.Name);
    else
        for (const Tools::MeatData& meat : Tools::MeatTable) names.emplace_back(meat.Name);
    return names;
}

template <class T>
T Uniform(std::mt19937_64& rng, T from, T to)
{
    return std::uniform_int_distribution<T>(from, to)(rng);
}

// A daily capacity as the user could give it: the smallest, the largest typed, any typed, or
// the suggestion for this room or another room (up to 323 433 000 kg for 99 x 99 x 99 m).
inline std::int32_t DrawCapacity(std::mt19937_64& rng, const ColdRoomInput& in)
{
    std::int64_t capacity = 1;
    switch (Uniform(rng, 0, 4)) {
    case 0: capacity = 1; break;
    case 1: capacity = LargestTypedCapacity; break;
    case 2: capacity = Uniform<std::int32_t>(rng, 1, LargestTypedCapacity); break;
    case 3: capacity = ColdRoom::SuggestedCapacity(in.Length, in.Width, in.Height, in.Process); break;
    default:
        capacity = ColdRoom::SuggestedCapacity(Uniform<std::uint16_t>(rng, 1, 99), Uniform<std::uint16_t>(rng, 1, 99),
                                               Uniform<std::uint16_t>(rng, 1, 99), in.Process);
        break;
    }
    // A suggestion of 0 kg (the smallest produce rooms) is rejected before any calculation.
    return static_cast<std::int32_t>(std::max<std::int64_t>(capacity, 1));
}

// Any input the window accepts for a process, drawn at random.
inline ColdRoomInput DrawInput(std::mt19937_64& rng, ProcessKind process)
{
    static const std::vector<std::string> products[Processes] = {ProductsOf(ProcessKind(0)), ProductsOf(ProcessKind(1)),
                                                                 ProductsOf(ProcessKind(2)), ProductsOf(ProcessKind(3)),
                                                                 ProductsOf(ProcessKind(4))};
    const ColdRoom::ProcessLayout layout = ColdRoom::LayoutFor(process);
    const std::vector<std::string>& names = products[static_cast<int>(process)];
    ColdRoomInput in;
    in.Length = Uniform<std::uint16_t>(rng, 1, 99);
    in.Width = Uniform<std::uint16_t>(rng, 1, 99);
    in.Height = Uniform<std::uint16_t>(rng, 1, 99);
    in.Process = process;
    in.LoadingPercent = 5 * Uniform(rng, 1, 20);
    in.OutsideTemperature = Uniform(rng, 20, 50);
    in.RunningHours = static_cast<std::uint8_t>(Uniform(rng, 3, 22));
    in.InsulationFactor = ColdRoom::InsulationFactorAt(Uniform(rng, 0, 1));
    in.EntryTemperature = Uniform(rng, layout.EntryFrom, layout.EntryTo);
    in.ProductName = names[Uniform<std::size_t>(rng, 0, names.size() - 1)];
    in.Capacity = DrawCapacity(rng, in);
    return in;
}

inline std::string Describe(const ColdRoomInput& in)
{
    std::ostringstream text;
    text << in.Length << " x " << in.Width << " x " << in.Height << " m, " << in.Capacity << " kg at "
         << in.LoadingPercent << " %, process " << int(in.Process) << ", " << in.ProductName << " entering at "
         << in.EntryTemperature << " C, outside " << in.OutsideTemperature << " C, " << int(in.RunningHours)
         << " h, insulation " << in.InsulationFactor;
    return text.str();
}

}  // namespace ColdRoomSample
