// SPDX-License-Identifier: GPL-3.0-or-later
#include "DoubleText.h"
#include "Extended.h"
#include "ExtendedPrecision.h"
#include "Tools.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace Tools {

namespace {

// Outside air by temperature, in the imperial units of the source chart.
struct AirRow {
    double SpecificVolume;  // cubic feet per pound
    double Enthalpy;        // Btu per pound
};

constexpr std::int32_t AirFirstKey = -35;  // C, first row; rows are 5 C apart
constexpr std::int32_t AirLowest = -39;    // C, coldest temperature with a row
constexpr std::int32_t AirHighest = 54;    // C, warmest temperature with a row

// clang-format off
constexpr std::array<AirRow, 18> AirTable{{
    {10.797,  -7.302},  // -35 C
    {11.027,  -5.038},  // -30 C
    {11.257,  -2.71},   // -25 C
    {11.49,   -0.286},  // -20 C
    {11.725,   2.286},  // -15 C
    {11.964,   5.077},  // -10 C
    {12.209,   8.187},  //  -5 C
    {12.464,  11.76},   //   0 C
    {12.726,  15.7},    //   5 C
    {13.001,  20.306},  //  10 C
    {13.295,  25.792},  //  15 C
    {13.613,  32.431},  //  20 C
    {13.963,  40.576},  //  25 C
    {14.356,  50.681},  //  30 C
    {14.804,  63.343},  //  35 C
    {15.326,  79.346},  //  40 C
    {15.947,  99.76},   //  45 C
    {16.7,   126.065},  //  50 C
}};
// clang-format on
// The clamped temperatures reach exactly the first and the last row.
static_assert(AirLowest - AirLowest % 5 == AirFirstKey);
static_assert(AirFirstKey + 5 * (static_cast<std::int32_t>(AirTable.size()) - 1) == AirHighest - AirHighest % 5);

// Extended precision, as the chart's conversion is defined; held as doubles, no rounded row changes.
constexpr Extended FeetPerMetre = 3.28_ext;
constexpr Extended PoundsPerKilogram = 2.2_ext;
constexpr Extended WattHoursPerBtu = 0.293_ext;

// Door air changes per 24 hours for rooms up to MaxVolume m3 (from the previous band's
// MaxVolume + 1, the first band from 1 m3).
struct AirChangeBand {
    std::int32_t MaxVolume;
    double AboveZero;
    double BelowZero;
};

// clang-format off
constexpr std::array<AirChangeBand, 22> AirChangeTable{{
    {   5, 50.1,  38.0}, {  10, 31.1,  24.2}, {  15, 25.3,  19.6}, {  20, 21.2,  16.9},
    {  25, 18.7,  14.9}, {  30, 16.7,  13.5}, {  40, 14.3,  11.7}, {  50, 12.8,  10.2},
    {  75, 10.1,   8.0}, { 100,  8.7,   6.7}, { 125,  7.7,   6.0}, { 150,  7.0,   5.4},
    { 200,  5.9,   4.6}, { 250,  5.3,   4.1}, { 375,  4.2,   3.2}, { 500,  3.7,   2.8},
    { 625,  3.3,   2.5}, { 750,  2.9,   2.3}, {1000,  2.5,   1.9}, {1250,  2.2,   1.7},
    {1800,  1.66,  1.42}, {2400,  1.43,  1.22},
}};
// clang-format on
// Large rooms, and a volume of 0, take this rate.
constexpr AirChangeBand OtherVolumes{0, 1.35, 1.11};

constexpr bool AscendingBands()
{
    for (std::size_t i = 1; i < AirChangeTable.size(); ++i)
        if (AirChangeTable[i].MaxVolume <= AirChangeTable[i - 1].MaxVolume) return false;
    return AirChangeTable.front().MaxVolume >= 1;
}
static_assert(AscendingBands());

const AirChangeBand& BandOf(std::int32_t volume)
{
    if (volume >= 1)
        for (const AirChangeBand& band : AirChangeTable)
            if (volume <= band.MaxVolume) return band;
    return OtherVolumes;
}

// Room-air enthalpy, Wh per kg: 13.44, 0.835 and 15.7 Btu per pound times 0.293 x 2.2.
constexpr double RoomAirAboveZero = 8.663424;
constexpr double RoomAirBelowZero = 0.538241;
constexpr double RoomAirPreCooler = 10.12022;

}  // namespace

double RoundTo2(double value)
{
    if (!std::isfinite(value)) return value;

    // The value's decimal expansion to 18 significant digits: d.ddddddddddddddddde[+-]x, the
    // expansion on which the rounding is defined, with a point in every locale.
    const std::string expansion = DoubleText(value, std::chars_format::scientific, 17);
    const bool negative = expansion.front() == '-';
    const std::size_t first = negative ? 1 : 0;
    std::string digits;  // the 18 significant digits
    for (std::size_t i = first; i < expansion.size() && expansion[i] != 'e'; ++i)
        if (expansion[i] != '.') digits += expansion[i];
    const std::size_t e = expansion.find('e');
    int exponent = 0;
    const char* exponentStart = expansion.data() + e + (expansion[e + 1] == '+' ? 2 : 1);
    std::from_chars(exponentStart, expansion.data() + expansion.size(), exponent);

    // Hundredths: the digits down to 10^-2, rounded half away from zero on the next digit.
    const int keep = exponent + 3;  // digits from 10^exponent down to 10^-2
    std::string hundredths;
    if (keep > 0) {
        hundredths = digits.substr(0, static_cast<std::size_t>(std::min<int>(keep, 18)));
        hundredths.append(static_cast<std::size_t>(std::max(keep - 18, 0)), '0');
    }
    const bool roundUp = keep >= 0 && keep < 18 && digits[static_cast<std::size_t>(keep)] >= '5';
    if (roundUp) {
        std::size_t i = hundredths.size();
        while (i > 0 && hundredths[i - 1] == '9') hundredths[--i] = '0';
        if (i == 0)
            hundredths.insert(hundredths.begin(), '1');
        else
            ++hundredths[i - 1];
    }
    if (hundredths.size() < 3) hundredths.insert(0, 3 - hundredths.size(), '0');
    hundredths.insert(hundredths.size() - 2, 1, '.');
    if (negative && hundredths.find_first_not_of("0.") != std::string::npos) hundredths.insert(0, 1, '-');

    return TextDouble(hundredths);
}

namespace {

// One chart row in the units the loads use, rounded to two decimals as GetAirProperties returns it.
struct AirProperties {
    double Density;   // kg/m3
    double Enthalpy;  // Wh/kg
};

// Every row converted and rounded once, on the first lookup: the same expressions through the
// same RoundTo2 as a conversion per call, so each figure is the one a per-call conversion gives,
// without a text round trip in every cold-room calculation.
const std::array<AirProperties, AirTable.size()>& RoundedAirTable()
{
    static const std::array<AirProperties, AirTable.size()> rounded = [] {
        std::array<AirProperties, AirTable.size()> rows{};
        for (std::size_t i = 0; i < AirTable.size(); ++i) {
            const AirRow& row = AirTable[i];
            // Left to right in extended precision; in double precision every row rounds the same.
            rows[i].Density = RoundTo2(static_cast<double>(1.0_ext / row.SpecificVolume * FeetPerMetre * FeetPerMetre *
                                                           FeetPerMetre / PoundsPerKilogram));
            rows[i].Enthalpy = RoundTo2(static_cast<double>(WattHoursPerBtu * row.Enthalpy * PoundsPerKilogram));
        }
        return rows;
    }();
    return rounded;
}

}  // namespace

void GetAirProperties(std::int32_t Temperature, double& Density, double& Enthalpy)
{
    // The first lookup converts the chart.
    const ExtendedPrecision precision;
    // Temperatures beyond the chart take its nearest row.
    const std::int32_t temperature = std::clamp(Temperature, AirLowest, AirHighest);
    // Towards zero onto a multiple of 5: -7 reads the -5 row, -4 to 4 the 0 row.
    const std::int32_t key = temperature - temperature % 5;
    const AirProperties& row = RoundedAirTable()[static_cast<std::size_t>((key - AirFirstKey) / 5)];
    Density = row.Density;
    Enthalpy = row.Enthalpy;
}

double AirChangesAboveZero(std::int32_t RoomVolume) { return BandOf(RoomVolume).AboveZero; }

double AirChangesBelowZero(std::int32_t RoomVolume) { return BandOf(RoomVolume).BelowZero; }

double InfiltrationLoad(std::uint32_t RoomVolume, std::int32_t OutsideTemperature, double AirChanges,
                        ProcessKind Process, std::uint8_t RunningHours)
{
    const ExtendedPrecision precision;
    double roomAir = 0.0;
    switch (Process) {
    case ProcessKind::ChilledMeatStorage:
    case ProcessKind::ProduceStorage: roomAir = RoomAirAboveZero; break;
    case ProcessKind::FrozenMeatStorage: roomAir = RoomAirBelowZero; break;
    case ProcessKind::PreCooler: roomAir = RoomAirPreCooler; break;
    default:  // meat freezing counts no door air
        return 0.0;
    }
    if (RunningHours == 0) return 0.0;
    double density = 0.0;
    double outsideAir = 0.0;
    GetAirProperties(OutsideTemperature, density, outsideAir);
    // Outside air colder than the room is a load as well: it must be brought to the room's state.
    // Extended precision with the day's heat stored as a double, as the load is defined; in doubles
    // throughout, no whole watt changes for any room, outside temperature and running time.
    const Extended enthalpyDifference = static_cast<Extended>(outsideAir) - roomAir;
    const double daily =
        static_cast<double>(fabs(static_cast<Extended>(RoomVolume) * density * AirChanges * enthalpyDifference));
    return static_cast<double>(static_cast<Extended>(daily) / RunningHours);
}

}  // namespace Tools
