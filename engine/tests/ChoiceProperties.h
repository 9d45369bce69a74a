// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every compressor choice must satisfy, the plain search that defines it and every table
// it is made from, shared by the engine's tests and the property tests of both calculators, and
// how many cases of their exhaustive loops those property tests visit.

#include "Compressors.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace ChoiceProperties {

/// Every compressor table of the program.
inline const std::array<Tools::CompressorTable, 5> EveryTable{Tools::ChilledStorageTable, Tools::FrozenStorageTable,
                                                              Tools::PreCoolerTable, Tools::TwoStageFreezingTable,
                                                              Tools::IceBankTable};

/// The choice as defined: one unit, then two, ..., and for each count the rows in table
/// order; the first row whose units carry the load. Only for loads small enough to search.
inline Tools::CompressorChoice PlainSearch(Tools::CompressorTable table, std::int64_t load)
{
    for (std::int64_t n = 1;; ++n)
        for (const Tools::CompressorRow& row : table)
            if (n * row.CapacityWatts >= load) return {n, row.Horsepower, row.ModelCode};
}

/// Empty when `choice` carries `load` with its count of its model, no smaller count of any
/// model of `table` carries it and no earlier row carries it with the same count; otherwise
/// what is wrong. Works for any load without searching.
inline std::string ChoiceViolation(Tools::CompressorTable table, std::int64_t load,
                                   const Tools::CompressorChoice& choice)
{
    const std::int64_t n = choice.Count;
    if (n < 1) return "count " + std::to_string(n) + " below 1";
    std::size_t chosen = 0;
    while (chosen < table.size() && table[chosen].ModelCode != choice.ModelCode) ++chosen;
    if (chosen == table.size()) return "model " + std::string(choice.ModelCode) + " not in the table";
    if (table[chosen].Horsepower != choice.Horsepower) return "horsepower is not the chosen row's";
    // Counts stay far below 2^31, so n x capacity cannot overflow 64 bits.
    if (n * table[chosen].CapacityWatts < load) return "the chosen count does not carry the load";
    for (std::size_t i = 0; i < table.size(); ++i) {
        if ((n - 1) * table[i].CapacityWatts >= load && n > 1)
            return std::to_string(n - 1) + " units of " + std::string(table[i].ModelCode) + " carry the load";
        if (i < chosen && n * table[i].CapacityWatts >= load)
            return "the earlier row " + std::string(table[i].ModelCode) + " carries the load with the same count";
    }
    return {};
}

/// Of each exhaustive loop, the property tests visit every `Stride()`-th case: 1 unless the
/// environment variable PROPERTY_STRIDE says otherwise. The sanitizer pass of scripts/run-tests
/// sets it, since every check there costs several times as much.
inline std::int64_t Stride()
{
    static const std::int64_t stride = [] {
        const char* text = std::getenv("PROPERTY_STRIDE");
        const long long value = text ? std::atoll(text) : 1;
        return value < 1 ? std::int64_t{1} : std::int64_t{value};
    }();
    return stride;
}

/// Runs a property check on every `Stride()`-th input handed to it and reports the first few
/// inputs that fail, each with its description.
template <class Input>
class SampledCheck {
public:
    using Text = std::string (*)(const Input&);
    /// `violation` is empty for an input that keeps every property, else what is wrong.
    SampledCheck(Text violation, Text describe) : violation_(violation), describe_(describe) {}

    void operator()(const Input& in)
    {
        if (seen_++ % Stride() != 0 || failures_ >= 10) return;
        ++checked_;
        const std::string violation = violation_(in);
        if (violation.empty()) return;
        ++failures_;
        ADD_FAILURE() << describe_(in) << ": " << violation;
    }
    std::int64_t checked() const { return checked_; }

private:
    Text violation_;
    Text describe_;
    std::int64_t seen_ = 0;
    std::int64_t checked_ = 0;
    int failures_ = 0;
};

}  // namespace ChoiceProperties
