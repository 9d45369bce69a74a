// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The products the engine knows: the produce table and the three meats. The cold-room window
// builds its product lists from these arrays, so each name is written here and nowhere else.
// Names are UTF-8 with the Arabic yeh U+064A and the keheh U+06A9, words split by one blank.

#include "Extended.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace Tools {

/// One product of the produce table.
struct ProduceRow {
    std::string_view Name;
    Extended SpecificHeat;            // kJ per kg and K, as listed; as doubles 9 rows miss the decimal product
    double RespirationHeat;           // W per 1000 kg stored
    std::int32_t StorageTemperature;  // room temperature, C
};

// clang-format off
/// The produce table: specific heat, respiration heat and storage temperature by name.
inline constexpr std::array<ProduceRow, 35> ProduceTable{{
    {"سبزيجات (کلي)", 3.952_ext, 0.0,    0},  // vegetables, general
    {"باقلا",         3.081_ext, 89.0,   0},  // broad beans
    {"بروکلي",        3.852_ext, 63.0,   0},  // broccoli
    {"پيازچه",        3.818_ext, 66.0,   0},  // green onions
    {"حبوبات (کلي)",  3.216_ext, 138.0,  0},  // pulses, general
    {"خيار",          4.053_ext, 86.0,  10},  // cucumber
    {"سيب زميني",     3.55_ext,  62.0,  10},  // potato
    {"ذرت",           3.316_ext, 125.0,  0},  // corn
    {"شلغم",          3.818_ext, 26.0,   0},  // turnip
    {"فلفل شيرين",    3.919_ext, 43.0,  10},  // sweet pepper
    {"قارچ",          3.885_ext, 129.0,  0},  // mushroom
    {"کاهو",          4.019_ext, 50.0,   0},  // lettuce
    {"کرفس",          3.986_ext, 21.0,   0},  // celery
    {"کلم",           3.852_ext, 46.0,   0},  // cabbage
    {"گوجه فرنگي",    3.986_ext, 42.0,  10},  // tomato
    {"آلبالو",        3.651_ext, 39.0,   0},  // sour cherry
    {"انجير",         3.45_ext,  0.0,    0},  // fig
    {"هندوانه",       3.952_ext, 12.0,   4},  // watermelon
    {"انگور",         3.584_ext, 8.0,    0},  // grape
    {"پرتقال",        3.751_ext, 9.0,    0},  // orange
    {"تمشک",          3.684_ext, 68.0,   0},  // raspberry
    {"توت فرنگي",     3.852_ext, 53.0,   0},  // strawberry
    {"زردآلو",        3.684_ext, 17.0,   0},  // apricot
    {"زيتون",         3.349_ext, 0.0,    7},  // olive
    {"سيب",           3.651_ext, 12.0,   0},  // apple
    {"شليل",          3.818_ext, 19.0,   0},  // nectarine
    {"هلو",           3.818_ext, 19.0,   0},  // peach
    {"طالبي",         3.952_ext, 18.0,   7},  // cantaloupe
    {"گريپ فروت",     3.818_ext, 27.0,  10},  // grapefruit
    {"گرمک",          3.919_ext, 21.0,   2},  // sweet melon
    {"گلابي",         3.617_ext, 20.0,  -1},  // pear
    {"گيلاس",         3.517_ext, 16.0,  -1},  // sweet cherry
    {"ليمو ترش",      3.818_ext, 33.0,  10},  // lemon
    {"موز",           3.349_ext, 116.0, 12},  // banana
    {"هويج فرنگي",    3.785_ext, 46.0,   0},  // carrot
}};

/// For each position of the cold-room window's produce list, the index of its row in ProduceTable.
inline constexpr std::array<std::uint8_t, 35> ProduceListOrder{{
    // Pulses stand second in the list, fifth in the table; the rest keep the table's order.
    0, 4, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17,
    18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34,
}};
// clang-format on

/// The produce list's preselected position: apple.
inline constexpr std::size_t ProduceListDefault = 24;

/// Thermal properties of one meat, already converted from kJ to Wh (x 0.277).
// Doubles: in extended precision, freezing 19 760 kg of chicken from 31 C in 19 h would load
// 104 429 W instead of 104 428.
struct MeatData {
    std::string_view Name;
    double SpecificHeatAbove;  // Wh per kg and K, above freezing
    double SpecificHeatBelow;  // Wh per kg and K, below freezing
    double LatentHeat;         // Wh per kg
};

// clang-format off
/// The meats of the cold-room window's meat list, in the list's order.
inline constexpr std::array<MeatData, 3> MeatTable{{
    {"مرغ",             0.831,  0.4709, 65.095},  // chicken
    {"ماهي",            0.8033, 0.4709,  60.94},  // fish
    {"گوشت گاو/گوسفند", 0.8587, 0.4709,  69.25},  // beef or mutton
}};
// clang-format on

namespace Detail {

constexpr bool IsPermutation(const std::array<std::uint8_t, 35>& order)
{
    std::array<bool, 35> seen{};
    for (std::uint8_t index : order) {
        if (index >= seen.size() || seen[index]) return false;
        seen[index] = true;
    }
    return true;
}

constexpr bool NamesUnique()
{
    for (std::size_t i = 0; i < ProduceTable.size(); ++i) {
        for (std::size_t j = i + 1; j < ProduceTable.size(); ++j)
            if (ProduceTable[i].Name == ProduceTable[j].Name) return false;
        for (const MeatData& meat : MeatTable)
            if (ProduceTable[i].Name == meat.Name) return false;
    }
    return true;
}

}  // namespace Detail

// Every list entry finds its own row, and every row is reachable from the list.
static_assert(Detail::IsPermutation(ProduceListOrder));
// The lookups stop at the first equal name, and meat names are tried before produce names.
static_assert(Detail::NamesUnique());
static_assert(ProduceListDefault < ProduceListOrder.size());
static_assert(ProduceListOrder[ProduceListDefault] == 24);

}  // namespace Tools
