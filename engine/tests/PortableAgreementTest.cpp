// SPDX-License-Identifier: GPL-3.0-or-later
// The engine on its portable 80-bit type gives the x87's figures: every line of the sheets and
// every load's double, over a seeded sample of rooms and every tank volume, the window's inputs
// and beyond them. The portable build comes as a module of its own (PortableFigures.cpp).

#include "ChoiceProperties.h"
#include "ColdRoomSample.h"
#include "EngineFigures.h"
#include "IceBankCalc.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using ColdRoom::ColdRoomInput;
using ColdRoomSample::Uniform;
using IceBank::IceBankInput;
using IceBank::IceBankResult;
using Tools::ProcessKind;

namespace {

using RoomEntry = void(const ColdRoomInput*, RoomFigures*);
using TankEntry = void(const IceBankInput*, IceBankResult*);

// An entry point of the portable build, or null with the loader's reason added as a failure.
template <class Entry>
Entry* Portable(const char* name)
{
    static void* const module = dlopen(PORTABLE_FIGURES_MODULE, RTLD_NOW | RTLD_LOCAL);
    void* entry = module ? dlsym(module, name) : nullptr;
    if (!entry) ADD_FAILURE() << dlerror();
    return reinterpret_cast<Entry*>(entry);
}

// A room as the window takes it, or, one time in four, with inputs far beyond it.
ColdRoomInput DrawRoom(std::mt19937_64& rng)
{
    ColdRoomInput in = ColdRoomSample::DrawInput(rng, ProcessKind(Uniform(rng, 0, ColdRoomSample::Processes - 1)));
    if (Uniform(rng, 0, 3) == 0) {
        in.Capacity = Uniform(rng, 0, 2'147'483'647);
        in.LoadingPercent = Uniform(rng, 0, 1000);
        in.OutsideTemperature = Uniform(rng, -60, 90);
        in.RunningHours = static_cast<std::uint8_t>(Uniform(rng, 0, 255));
        in.InsulationFactor = std::uniform_real_distribution<double>(0.0, 2.0)(rng);
        in.EntryTemperature = Uniform(rng, -100, 100);
    }
    return in;
}

auto Lines(const ColdRoom::ColdRoomResult& r)
{
    return std::tie(r.RoomTemperature, r.RunningHours, r.Volume, r.LoadedMass, r.WallLoad, r.ProductLoad,
                    r.RespirationLoad, r.InfiltrationLoad, r.LightingLoad, r.PeopleLoad, r.SafetyFactor, r.Total,
                    r.HasCompressorTable, r.Compressor.Count, r.Compressor.Horsepower, r.Compressor.ModelCode,
                    r.HorsepowerUnit, r.ConditionNote, r.TemperatureNote);
}

auto Lines(const IceBankResult& r)
{
    return std::tie(r.RequiredCapacity, r.Choice.Count, r.Choice.Horsepower, r.Choice.ModelCode, r.ExchangeSurface,
                    r.TubeLength, r.ConditionNote, r.TemperatureNote);
}

}  // namespace

TEST(PortableExtended, EveryRoomFigureAsOnTheX87)
{
    RoomEntry* portable = Portable<RoomEntry>("PortableRoomFigures");
    ASSERT_NE(portable, nullptr);
    std::mt19937_64 rng(20240623);
    const std::int64_t rooms = 200'000 / ChoiceProperties::Stride();
    int failures = 0;
    for (std::int64_t i = 0; i < rooms && failures < 10; ++i) {
        const ColdRoomInput in = DrawRoom(rng);
        const RoomFigures x87 = FiguresOf(in);
        RoomFigures soft{};
        portable(&in, &soft);
        if (Lines(soft.sheet) == Lines(x87.sheet) && std::memcmp(soft.loads, x87.loads, sizeof soft.loads) == 0)
            continue;
        ++failures;
        ADD_FAILURE() << ColdRoomSample::Describe(in) << ": total " << soft.sheet.Total << " W, on the x87 "
                      << x87.sheet.Total;
    }
}

TEST(PortableExtended, EveryTankFigureAsOnTheX87)
{
    TankEntry* portable = Portable<TankEntry>("PortableIceBank");
    ASSERT_NE(portable, nullptr);
    // Every volume the window takes, inlet temperature, hours and tube size turning with it, then
    // volumes beyond it up to the largest 32-bit one.
    std::vector<IceBankInput> tanks;
    int turn = 0;
    for (std::int32_t volume = IceBank::MinimumTankVolume; volume <= 999'999;
         volume += static_cast<std::int32_t>(ChoiceProperties::Stride()), ++turn)
        tanks.push_back({volume, std::uint8_t(20 + turn % 21), std::uint8_t(5 + turn / 21 % 19),
                         IceBank::TubeSizeIndex(turn / (21 * 19) % 3)});
    std::mt19937_64 rng(20240624);
    for (int i = 0; i < 100'000; ++i)
        tanks.push_back({Uniform(rng, 1'000'000, 2'147'483'647), std::uint8_t(Uniform(rng, 20, 40)),
                         std::uint8_t(Uniform(rng, 5, 23)), IceBank::TubeSizeIndex(Uniform(rng, 0, 2))});
    int failures = 0;
    for (const IceBankInput& in : tanks) {
        const IceBankResult x87 = IceBank::ComputeIceBank(in);
        IceBankResult soft{};
        portable(&in, &soft);
        if (Lines(soft) == Lines(x87) || ++failures > 10) continue;
        ADD_FAILURE() << in.TankVolume << " l at " << int(in.InletTemperature) << " C, " << int(in.RunningHours)
                      << " h, tube " << int(in.TubeSize) << ": " << soft.TubeLength << " m of tube, on the x87 "
                      << x87.TubeLength;
    }
}
