// The direct computation of the compressor choice against the plain search that defines it,
// over a large seeded sample of loads in every table.

#include "ChoiceProperties.h"
#include "Compressors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace Tools;

TEST(SelectCompressor, AgreesWithPlainSearchOnASeededSampleOfLoads)
{
    std::mt19937_64 rng(20240606);
    // Most loads lie where the calculators put them, up to a few megawatts; the rest spread
    // evenly over the orders of magnitude up to 30 MW, where the search still runs quickly.
    std::uniform_int_distribution<std::int64_t> usual(-1000, 3'000'000);
    std::uniform_real_distribution<double> magnitude(0.0, 7.5);
    const std::int64_t samples = 60'000 / ChoiceProperties::Stride();
    for (CompressorTable table : ChoiceProperties::EveryTable) {
        for (std::int64_t i = 0; i < samples; ++i) {
            const std::int64_t load =
                i % 2 == 0 ? usual(rng) : static_cast<std::int64_t>(std::pow(10.0, magnitude(rng)));
            const CompressorChoice expected = ChoiceProperties::PlainSearch(table, load);
            const CompressorChoice got = SelectCompressor(table, load);
            ASSERT_EQ(got.Count, expected.Count) << "load " << load << " W, first model " << table[0].ModelCode;
            ASSERT_EQ(got.ModelCode, expected.ModelCode) << "load " << load << " W, first model " << table[0].ModelCode;
            ASSERT_EQ(got.Horsepower, expected.Horsepower) << "load " << load << " W";
        }
    }
}
