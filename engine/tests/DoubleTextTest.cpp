// SPDX-License-Identifier: GPL-3.0-or-later
// The C library's conversions, which the WebAssembly build uses for want of floating-point
// to_chars, give the C++ library's texts and doubles: random bit patterns of every exponent,
// and thousandths, whose halves decide a rounding to hundredths.
#include "ChoiceProperties.h"
#include "DoubleText.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <random>
#include <string_view>
#include <utility>

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

TEST(DoubleText, CLibraryAgreesWithTheCppLibrary)
{
    // The C library writes and reads the C locale's decimal point: the build that uses it runs
    // in a C locale that writes a full stop, which a test run in a comma locale is not.
    if (std::string_view(std::localeconv()->decimal_point) != ".")
        GTEST_SKIP() << "the C locale writes a decimal comma here";
    std::mt19937_64 random(20240601);
    std::uniform_int_distribution<std::int64_t> thousandths(-100'000'000'000, 100'000'000'000);
    const std::int64_t count = 2'000'000 / ChoiceProperties::Stride();
    int failures = 0;
    for (std::int64_t i = 0; i < count && failures < 5; ++i) {
        double value = std::bit_cast<double>(random());
        if (!std::isfinite(value) || i % 2 == 0) value = double(thousandths(random)) / 1000.0;
        for (const auto& [format, precision] :
             {std::pair{std::chars_format::scientific, 17}, std::pair{std::chars_format::general, 15},
              std::pair{std::chars_format::fixed, 2}}) {
            const std::string text = Tools::DoubleText(value, format, precision);
            const std::string cText = Tools::CLibrary::DoubleText(value, format, precision);
            const double back = Tools::TextDouble(text);
            const double cBack = Tools::CLibrary::TextDouble(text);
            if (text != cText || std::bit_cast<std::uint64_t>(back) != std::bit_cast<std::uint64_t>(cBack)) {
                ++failures;
                ADD_FAILURE() << std::hexfloat << value << ": " << text << " / " << cText << ", read back " << back
                              << " / " << cBack;
            }
        }
    }
}

#endif
