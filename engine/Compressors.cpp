// SPDX-License-Identifier: GPL-3.0-or-later
#include "Compressors.h"

namespace Tools {

namespace {

// n units of `capacity` carry `load` (load > 0, n >= 1), without forming n x capacity,
// which could overflow for loads near the top of the 64-bit range.
bool Carries(std::int64_t n, std::int32_t capacity, std::int64_t load)
{
    const std::int64_t perUnit = load / n + (load % n != 0 ? 1 : 0);  // ceil(load / n)
    return capacity >= perUnit;
}

}  // namespace

CompressorChoice SelectCompressor(CompressorTable table, std::int64_t load)
{
    // The largest model is the last row, so the smallest count that any model can reach is
    // ceil(load / largest capacity); the first row that suffices with that count is the
    // model of least capacity. This is what a search over n = 1, 2, ... finds, without the
    // search's cost for large loads.
    std::int64_t count = 1;
    if (load > 0) {
        const std::int64_t largest = table.back().CapacityWatts;
        count = load / largest + (load % largest != 0 ? 1 : 0);
    }
    for (const CompressorRow& row : table) {
        if (load <= 0 || Carries(count, row.CapacityWatts, load)) return {count, row.Horsepower, row.ModelCode};
    }
    return {count, table.back().Horsepower, table.back().ModelCode};  // not reached
}

}  // namespace Tools
