// SPDX-License-Identifier: GPL-3.0-or-later
// SoftExtended held to the x87 itself, bit for bit, at the 64-bit precision the engine holds:
// each operation and conversion over ten million random operands (fewer where PROPERTY_STRIDE
// says so) drawn to reach ties, cancellation, denormals, overflow and NaNs, and over every pair
// of the format's special values.

#include "ChoiceProperties.h"
#include "ExtendedPrecision.h"
#include "SoftExtended.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

using Tools::SoftExtended;

namespace {

// SplitMix64: random enough for drawing operands, and quick beside the operations it feeds.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t operator()()
    {
        std::uint64_t z = state_ += 0x9E3779B97F4A7C15;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state_;
};
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t QuietBit = std::uint64_t{1} << 62;

long double Native(SoftExtended v)
{
    unsigned char bytes[sizeof(long double)]{};
    const std::uint64_t significand = v.Significand();
    const std::uint16_t signAndExponent = v.SignAndExponent();
    std::memcpy(bytes, &significand, 8);
    std::memcpy(bytes + 8, &signAndExponent, 2);
    long double x;
    std::memcpy(&x, bytes, sizeof x);
    return x;
}

SoftExtended Soft(long double x)
{
    std::uint64_t significand;
    std::uint16_t signAndExponent;
    std::memcpy(&significand, &x, 8);
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&x) + 8, 2);
    return SoftExtended::FromBits(signAndExponent, significand);
}

std::string Hex(SoftExtended v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04X:%016" PRIX64, v.SignAndExponent(), v.Significand());
    return text;
}

std::string Hex(double v)
{
    char text[24];
    std::snprintf(text, sizeof text, "%016" PRIX64, std::bit_cast<std::uint64_t>(v));
    return text;
}

bool Same(SoftExtended soft, long double native)
{
    const SoftExtended x87 = Soft(native);
    return soft.SignAndExponent() == x87.SignAndExponent() && soft.Significand() == x87.Significand();
}

bool Same(double soft, double native)
{
    return std::bit_cast<std::uint64_t>(soft) == std::bit_cast<std::uint64_t>(native);
}

// A significand with its integer bit: random, sparse or nearly full bits, or a few top bits
// only, so that sums, products and quotients are often exact or halfway.
std::uint64_t DrawSignificand(Rng& rng)
{
    // Chosen without a branch, which would be mispredicted as often as not.
    const std::uint64_t r = rng();
    const std::uint64_t s = rng();
    const std::uint64_t sparse = r & s & rng();
    const std::uint64_t kinds[] = {r, sparse, ~sparse, r << (s % 64)};
    return kinds[s >> 62];
}

// A biased exponent: anywhere, around 1 (near the denormals), around the bias or around the
// largest.
std::int32_t DrawExponent(Rng& rng)
{
    constexpr std::int32_t Centres[] = {0, 0, 1, 0x7FFE, 16383, 16383, 16383, 16383};
    const std::uint64_t r = rng();
    const auto anywhere = static_cast<std::int32_t>(1 + (r >> 16) % 0x7FFE);
    const std::int32_t near = std::clamp(Centres[r & 7] + static_cast<std::int32_t>(r >> 8 & 0xFF) - 128, 1, 0x7FFE);
    return (r & 6) == 0 ? anywhere : near;
}

// Any value of the format the x87 takes as an operand: mostly normal numbers, now and then a
// zero, a denormal, an infinity or a quiet or signalling NaN, of either sign.
SoftExtended Draw(Rng& rng, std::int32_t exponent)
{
    const auto sign = static_cast<std::uint16_t>(rng() & 0x8000);
    std::uint64_t significand = DrawSignificand(rng);
    switch (rng() & 31) {
    case 0: return SoftExtended::FromBits(sign, 0);
    case 1: return SoftExtended::FromBits(sign, significand & ~IntegerBit);
    case 2: return SoftExtended::FromBits(sign | 0x7FFF, IntegerBit);
    case 3:
        significand &= ~QuietBit;
        if ((significand << 1) == 0) significand |= 1;  // signalling
        return SoftExtended::FromBits(sign | 0x7FFF, significand | IntegerBit);
    case 4: return SoftExtended::FromBits(sign | 0x7FFF, significand | IntegerBit | QuietBit);
    default: return SoftExtended::FromBits(static_cast<std::uint16_t>(sign | exponent), significand | IntegerBit);
    }
}

SoftExtended Draw(Rng& rng) { return Draw(rng, DrawExponent(rng)); }

// A pair of operands; now and then the second one close to the first, for cancellation.
std::array<SoftExtended, 2> DrawPair(Rng& rng)
{
    const SoftExtended a = Draw(rng);
    if ((rng() & 7) != 0) return {a, Draw(rng)};
    const int shift = static_cast<int>(rng() % 64);
    const auto sign = static_cast<std::uint16_t>(rng() & 0x8000);
    const std::int32_t exponent = (a.SignAndExponent() & 0x7FFF) + static_cast<std::int32_t>(rng() % 3) - 1;
    if (exponent < 1 || exponent > 0x7FFE) return {a, Draw(rng)};
    return {a, SoftExtended::FromBits(static_cast<std::uint16_t>(sign | exponent),
                                      (a.Significand() ^ (rng() >> shift)) | IntegerBit)};
}

// One random case of an operation: empty when the two agree, otherwise the case.
using Case = std::string (*)(Rng&);

template <class Operation>
std::string Binary(Rng& rng, const char* symbol, Operation operation)
{
    const auto [a, b] = DrawPair(rng);
    const SoftExtended soft = operation(a, b);
    const long double native = operation(Native(a), Native(b));
    if (Same(soft, native)) return {};
    return Hex(a) + symbol + Hex(b) + ": " + Hex(soft) + ", the x87 " + Hex(Soft(native));
}

std::string Add(Rng& rng)
{
    return Binary(rng, " + ", [](auto a, auto b) { return a + b; });
}
std::string Subtract(Rng& rng)
{
    return Binary(rng, " - ", [](auto a, auto b) { return a - b; });
}
std::string Multiply(Rng& rng)
{
    return Binary(rng, " x ", [](auto a, auto b) { return a * b; });
}
std::string Divide(Rng& rng)
{
    return Binary(rng, " / ", [](auto a, auto b) { return a / b; });
}

std::string ToDouble(Rng& rng)
{
    // Exponents about the double's range, with its denormals and overflow.
    const std::int32_t exponent = 16383 + static_cast<std::int32_t>(rng() % 2200) - 1100;
    const SoftExtended a = (rng() & 3) == 0 ? Draw(rng) : Draw(rng, exponent);
    const auto soft = static_cast<double>(a);
    const auto native = static_cast<double>(Native(a));
    if (Same(soft, native)) return {};
    return "double " + Hex(a) + ": " + Hex(soft) + ", the x87 " + Hex(native);
}

// Truncation to an integer type, for the values the x87 converts: beyond them C++ leaves the
// result undefined.
template <class T>
std::string ToInteger(Rng& rng)
{
    const std::int32_t exponent = 16383 - 2 + static_cast<std::int32_t>(rng() % (std::numeric_limits<T>::digits + 4));
    const SoftExtended a = Draw(rng, exponent);
    const long double x = Native(a);
    constexpr long double Lowest = static_cast<long double>(std::numeric_limits<T>::min());
    if (!(x > Lowest - 1 && x < -Lowest)) return {};
    const auto soft = static_cast<T>(a);
    const auto native = static_cast<T>(x);
    if (soft == native) return {};
    return "integer " + Hex(a) + ": " + std::to_string(soft) + ", the x87 " + std::to_string(native);
}
std::string ToInt64(Rng& rng) { return ToInteger<std::int64_t>(rng); }
std::string ToInt32(Rng& rng) { return ToInteger<std::int32_t>(rng); }

// A binary float's bits: any sign, an exponent anywhere with its ends more often, a fraction
// random or sparse.
template <class Float, class Bits>
Float DrawFloat(Rng& rng)
{
    constexpr int FractionBits = std::numeric_limits<Float>::digits - 1;
    constexpr Bits MaxExponent = (Bits{1} << (sizeof(Bits) * 8 - 1 - FractionBits)) - 1;
    const std::uint64_t r = rng();
    Bits exponent = static_cast<Bits>((r >> 8) % (MaxExponent + 1));
    if ((r & 7) == 0) exponent = 0;
    if ((r & 7) == 1) exponent = MaxExponent;
    const auto fraction = static_cast<Bits>(DrawSignificand(rng) & ((Bits{1} << FractionBits) - 1));
    const auto sign = static_cast<Bits>(r >> 63) << (sizeof(Bits) * 8 - 1);
    return std::bit_cast<Float>(static_cast<Bits>(sign | exponent << FractionBits | fraction));
}

std::string FromDouble(Rng& rng)
{
    const double d = DrawFloat<double, std::uint64_t>(rng);
    if (Same(SoftExtended(d), static_cast<long double>(d))) return {};
    return "from double " + Hex(d) + ": " + Hex(SoftExtended(d));
}

std::string FromFloat(Rng& rng)
{
    const float f = DrawFloat<float, std::uint32_t>(rng);
    if (Same(SoftExtended(f), static_cast<long double>(f))) return {};
    return "from float " + Hex(double(f)) + ": " + Hex(SoftExtended(f));
}

// The integer types the engine converts, of any length.
std::string FromInteger(Rng& rng)
{
    const auto value = static_cast<std::int64_t>(rng()) >> (rng() % 64);
    bool same = true;
    switch (rng() % 4) {
    case 0: same = Same(SoftExtended(value), static_cast<long double>(value)); break;
    case 1: same = Same(SoftExtended(std::int32_t(value)), static_cast<long double>(std::int32_t(value))); break;
    case 2: same = Same(SoftExtended(std::uint32_t(value)), static_cast<long double>(std::uint32_t(value))); break;
    default: same = Same(SoftExtended(std::uint16_t(value)), static_cast<long double>(std::uint16_t(value))); break;
    }
    return same ? std::string() : "from integer " + std::to_string(value);
}

struct Kind {
    const char* name;
    Case run;
};

const Kind Kinds[] = {
    {"Add", Add},
    {"Subtract", Subtract},
    {"Multiply", Multiply},
    {"Divide", Divide},
    {"ToDouble", ToDouble},
    {"ToInt64", ToInt64},
    {"ToInt32", ToInt32},
    {"FromDouble", FromDouble},
    {"FromFloat", FromFloat},
    {"FromInteger", FromInteger},
};

void PrintTo(const Kind& kind, std::ostream* os) { *os << kind.name; }

class EveryOperation : public testing::TestWithParam<Kind> {};

// Ten million cases of each kind, each seeded on its own.
TEST_P(EveryOperation, GivesTheX87sBits)
{
    const Tools::ExtendedPrecision precision;
    const std::int64_t cases = 10'000'000 / ChoiceProperties::Stride();
    Rng rng(std::hash<std::string>{}(GetParam().name));
    int failures = 0;
    for (std::int64_t i = 0; i < cases && failures < 10; ++i) {
        const std::string wrong = GetParam().run(rng);
        if (wrong.empty()) continue;
        ++failures;
        ADD_FAILURE() << wrong;
    }
}

INSTANTIATE_TEST_SUITE_P(SoftExtended, EveryOperation, testing::ValuesIn(Kinds),
                         [](const testing::TestParamInfo<Kind>& info) { return std::string(info.param.name); });

// The format's edges, each operation on every pair of them, each conversion on each.
TEST(SoftExtended, GivesTheX87sBitsAtTheEdges)
{
    const Tools::ExtendedPrecision precision;
    std::vector<SoftExtended> edges;
    // clang-format off
    const std::pair<std::uint16_t, std::uint64_t> magnitudes[] = {
        {0, 0},                                    // zero
        {0, 1}, {0, 0x7FFFFFFFFFFFFFFF},           // the smallest and the largest denormal
        {1, IntegerBit}, {1, ~std::uint64_t{0}},   // the smallest normal values
        {16383, IntegerBit}, {16383, IntegerBit | 1}, {16384, 0xC000000000000000},  // 1, just above 1, 3
        {16383 + 63, IntegerBit}, {16383 + 62, ~std::uint64_t{0}},                  // 2^63 and 2^63 - 1
        {16383 + 31, IntegerBit}, {16383 + 30, 0xFFFFFFFE00000000},                 // 2^31 and 2^31 - 1
        {16383 - 1, IntegerBit},                                                    // one half
        {16383 + 1023, ~std::uint64_t{0}}, {16383 - 1074, IntegerBit},              // past a double's range
        {0x7FFE, ~std::uint64_t{0}}, {0x7FFE, IntegerBit},                          // the largest values
        {0x7FFF, IntegerBit},                                                       // infinity
        {0x7FFF, IntegerBit | QuietBit}, {0x7FFF, IntegerBit | QuietBit | 5},       // quiet NaNs
        {0x7FFF, IntegerBit | 1}, {0x7FFF, IntegerBit | 5},                         // signalling NaNs
    };
    // clang-format on
    for (const auto& [exponent, significand] : magnitudes)
        for (const std::uint16_t sign : {0, 0x8000})
            edges.push_back(SoftExtended::FromBits(static_cast<std::uint16_t>(sign | exponent), significand));

    for (const SoftExtended a : edges) {
        for (const SoftExtended b : edges) {
            const long double x = Native(a);
            const long double y = Native(b);
            EXPECT_TRUE(Same(a + b, x + y)) << Hex(a) << " + " << Hex(b) << ": " << Hex(a + b);
            EXPECT_TRUE(Same(a - b, x - y)) << Hex(a) << " - " << Hex(b) << ": " << Hex(a - b);
            EXPECT_TRUE(Same(a * b, x * y)) << Hex(a) << " x " << Hex(b) << ": " << Hex(a * b);
            EXPECT_TRUE(Same(a / b, x / y)) << Hex(a) << " / " << Hex(b) << ": " << Hex(a / b);
        }
        EXPECT_TRUE(Same(fabs(a), std::fabs(Native(a)))) << "fabs " << Hex(a);
        EXPECT_TRUE(Same(static_cast<double>(a), static_cast<double>(Native(a)))) << Hex(a);
        EXPECT_TRUE(Same(SoftExtended(static_cast<double>(a)), static_cast<long double>(static_cast<double>(a))));
    }

    // Beyond the integer types C++ leaves the conversion open; the x87 stores its integer
    // indefinite, the type's lowest value, and so does SoftExtended.
    constexpr auto Indefinite = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(static_cast<std::int64_t>(SoftExtended::FromBits(0x7FFF, IntegerBit)), Indefinite);
    EXPECT_EQ(static_cast<std::int64_t>(SoftExtended::FromBits(0x7FFF, IntegerBit | QuietBit)), Indefinite);
    EXPECT_EQ(static_cast<std::int64_t>(SoftExtended::FromBits(16383 + 63, IntegerBit)), Indefinite);  // 2^63
    EXPECT_EQ(static_cast<std::int64_t>(SoftExtended::FromBits(0x8000 | (16383 + 63), IntegerBit)), Indefinite);
    EXPECT_EQ(static_cast<std::int32_t>(SoftExtended::FromBits(16383 + 31, IntegerBit)), INT32_MIN);  // 2^31
    EXPECT_EQ(static_cast<std::int32_t>(SoftExtended::FromBits(0x8000 | (16383 + 31), IntegerBit)), INT32_MIN);
}

// The engine's constants are plain decimals: each the nearest 80-bit value to its digits, as the
// compiler reads a long double literal (and strtold a text).
TEST(SoftExtended, ReadsPlainDecimalsAsTheirNearestValue)
{
    EXPECT_TRUE(Same(SoftExtended::FromDecimal("3.28"), 3.28L));
    EXPECT_TRUE(Same(SoftExtended::FromDecimal("0.293"), 0.293L));
    EXPECT_TRUE(Same(SoftExtended::FromDecimal("24.0"), 24.0L));
    EXPECT_TRUE(Same(SoftExtended::FromDecimal("9999999999999999999"), 9999999999999999999.0L));
    EXPECT_TRUE(Same(SoftExtended::FromDecimal(".0000000000000000001"), 1e-19L));

    Rng rng(23);
    const std::int64_t cases = 1'000'000 / ChoiceProperties::Stride();
    for (std::int64_t i = 0; i < cases; ++i) {
        std::string text = std::to_string(rng() % 10'000'000'000'000'000'000u);
        text.insert(rng() % (text.size() + 1), 1, '.');
        const long double native = std::strtold(text.c_str(), nullptr);
        ASSERT_TRUE(Same(SoftExtended::FromDecimal(text), native)) << text;
    }

    // Text that is no plain decimal gives a NaN.
    for (const char* text : {"", ".", "1e5", "1.2.3", "-1", "0x10", "12345678901234567890"})
        EXPECT_EQ(SoftExtended::FromDecimal(text).SignAndExponent(), 0xFFFF) << text;
}

}  // namespace
