// SPDX-License-Identifier: GPL-3.0-or-later
#include "Extended.h"
#include "ExtendedPrecision.h"
#include "Tools.h"

namespace Tools {

namespace {

constexpr std::int32_t GroundTemperature = 15;  // C, under the floor
// Extended precision: as a double it costs a watt in the wall and lighting loads below.
constexpr Extended HoursPerDay = 24.0_ext;

// Heat given off per person while working, W. The types are those the load is defined with;
// in any of them no people load changes.
constexpr Extended PersonHeatAboveZero = 262.0_ext;
constexpr Extended PersonHeatBelowZero = 393.0_ext;
constexpr double PersonHeatPreCooler = 244.0;

// Storage rooms gain their heat around the clock; the plant removes it in its running hours.
bool IsStorage(ProcessKind process)
{
    return process == ProcessKind::ChilledMeatStorage || process == ProcessKind::FrozenMeatStorage ||
           process == ProcessKind::ProduceStorage;
}

bool IsKnown(ProcessKind process)
{
    return static_cast<std::uint8_t>(process) <= static_cast<std::uint8_t>(ProcessKind::ProduceStorage);
}

}  // namespace

double WallLoad(std::uint16_t Length, std::uint16_t Width, std::uint16_t Height, ProcessKind Process,
                double InsulationFactor, std::int32_t RoomTemperature, std::int32_t OutsideTemperature,
                std::uint8_t RunningHours)
{
    const ExtendedPrecision precision;
    if (RunningHours == 0 || !IsKnown(Process)) return 0.0;
    // In 64 bits: the areas stay exact for any sides a caller passes, not only the windows'
    // 1 to 99 m, where 32 bits would overflow from about 19 000 m on.
    const std::int64_t length = Length;
    const std::int64_t width = Width;
    const std::int64_t height = Height;
    const std::int64_t envelope = length * width + 2 * length * height + 2 * width * height;
    const std::int64_t floor = length * width;
    const auto toOutside = static_cast<Extended>(std::int64_t{OutsideTemperature} - RoomTemperature);
    const auto toGround = static_cast<Extended>(std::int64_t{GroundTemperature} - RoomTemperature);

    // Each surface counts its own heat flow, so a room warmer than the air or the ground
    // still gains load through that surface and the two never cancel.
    // Extended precision: in doubles, a 38 x 39 x 32 m produce room at 10 C (0.16, 49 C outside,
    // 11 h) would lose a watt, 89 855 W instead of 89 856.
    const Extended k = InsulationFactor;
    // Stored as a double, as the load is defined; kept in extended precision it changed no watt in
    // three million rooms of the window's inputs.
    const double a = static_cast<double>(fabs(envelope * k * toOutside));
    // The floor exchanges heat with the ground at 15 C, not with the outside air.
    const Extended b = fabs(floor * k * toGround);
    // The sum stored as a double before the scaling: unstored, a 29 x 8 x 43 m chilled room (0.16,
    // 33 C, 8 h) would load 52 247 W instead of 52 248.
    double q = static_cast<double>(b + a);
    // Scaled in extended precision: in doubles, a 10 x 5 x 20 m frozen room (0.16, 37 C, 22 h)
    // would load 6527 W instead of 6528.
    if (IsStorage(Process)) q = static_cast<double>(HoursPerDay / RunningHours * q);
    return q;
}

double LightingLoad(std::uint16_t FloorArea, ProcessKind Process, std::uint8_t RunningHours)
{
    const ExtendedPrecision precision;
    if (RunningHours == 0) return 0.0;
    // Extended precision: in doubles, 2728 m2 of chilled room at 22 h would take 7439 W instead of 7440.
    const Extended lighting = FloorArea * 0.5_ext * 5.0_ext;  // 2.5 W per m2 of floor
    if (IsStorage(Process)) return static_cast<double>(lighting * (HoursPerDay / RunningHours));
    if (Process == ProcessKind::PreCooler) return static_cast<double>(lighting);
    return 0.0;  // freezing rooms stay dark
}

double PeopleLoad(std::int32_t FloorArea, ProcessKind Process, std::uint8_t RunningHours)
{
    const ExtendedPrecision precision;
    if (RunningHours == 0) return 0.0;
    const int persons = FloorArea < 100 ? 2 : FloorArea < 300 ? 3 : 4;
    // Stored as a double, as the load is defined; kept in extended precision no watt changes for any
    // floor, process and running time.
    double perPerson = 0.0;
    switch (Process) {
    case ProcessKind::ChilledMeatStorage:
    case ProcessKind::ProduceStorage:
        perPerson = static_cast<double>(HoursPerDay / RunningHours * PersonHeatAboveZero);
        break;
    case ProcessKind::FrozenMeatStorage:
        perPerson = static_cast<double>(HoursPerDay / RunningHours * PersonHeatBelowZero);
        break;
    case ProcessKind::PreCooler: perPerson = PersonHeatPreCooler; break;
    default:  // nobody works in a freezing room
        break;
    }
    return static_cast<double>(persons * static_cast<Extended>(perPerson));
}

}  // namespace Tools
