// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every figure of a cold room, with its six loads also as the doubles the engine returns: what
// the engine built on the x87's long double and the engine built on its portable 80-bit type
// must agree on, bit for bit.

#include "ColdRoomCalc.h"

#include <cstdint>

struct RoomFigures {
    ColdRoom::ColdRoomResult sheet;
    double loads[6];  // product, respiration, wall, lighting, people, door air
};

/// The sheet of a room, and the engine's loads of its inputs asked for as the run asks for them.
inline RoomFigures FiguresOf(const ColdRoom::ColdRoomInput& in)
{
    using Tools::ProcessKind;
    RoomFigures f{ColdRoom::ComputeColdRoom(in), {}};
    const std::uint32_t floor = std::uint32_t{in.Length} * in.Width;
    const std::uint32_t volume = floor * in.Height;
    std::int32_t room = 0;
    f.loads[0] = Tools::ProductLoad(in.LoadingPercent, in.Capacity, in.Process, in.ProductName, in.EntryTemperature,
                                    in.RunningHours, room);
    f.loads[1] = Tools::RespirationLoad(in.Capacity, in.ProductName, in.RunningHours);
    f.loads[2] = Tools::WallLoad(in.Length, in.Width, in.Height, in.Process, in.InsulationFactor, room,
                                 in.OutsideTemperature, in.RunningHours);
    f.loads[3] = Tools::LightingLoad(static_cast<std::uint16_t>(floor), in.Process, in.RunningHours);
    f.loads[4] = Tools::PeopleLoad(static_cast<std::int32_t>(floor), in.Process, in.RunningHours);
    const double airChanges = in.Process == ProcessKind::FrozenMeatStorage
                                  ? Tools::AirChangesBelowZero(static_cast<std::int32_t>(volume))
                                  : Tools::AirChangesAboveZero(static_cast<std::int32_t>(volume));
    f.loads[5] = Tools::InfiltrationLoad(volume, in.OutsideTemperature, airChanges, in.Process, in.RunningHours);
    return f;
}
