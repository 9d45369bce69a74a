// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The x87's 80-bit extended format in plain 64-bit integer arithmetic, for targets whose long
// double is another format (WebAssembly's and AArch64's are 128 bits wide, so a load there can
// differ from the x87's in its last bits and a watt can move). Every operation gives the bits
// the x87 gives with its precision at 64 bits, rounding to nearest with ties to even and every
// exception masked: signed zeros, denormals, overflow to infinity, and NaNs chosen, quietened
// and made as the x87 does. It offers what the engine calculates with and no more.

#include <bit>
#include <concepts>
#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>

namespace Tools {

class SoftExtended {
public:
    /// +0.
    constexpr SoftExtended() = default;

    /// Exact for every integer up to 64 bits; 0 gives +0.
    template <std::integral T>
    constexpr SoftExtended(T value)
    {
        if (value == 0) return;
        // The magnitude in 64 bits, also of the most negative value.
        std::uint64_t magnitude = static_cast<std::uint64_t>(value);
        bool negative = false;
        if constexpr (std::is_signed_v<T>) {
            negative = value < 0;
            if (negative) magnitude = 0 - magnitude;
        }
        *this = Exact(negative, magnitude, 0);
    }

    /// Exact; a signalling NaN comes back quiet, as the x87 loads it.
    constexpr SoftExtended(double value)
    {
        const auto bits = BitCast<std::uint64_t>(value);
        *this = FromBinary(bits >> 63 != 0, static_cast<std::int32_t>(bits >> 52 & 0x7FF), bits & 0xFFFFFFFFFFFFF, 11,
                           1023, 52);
    }

    /// Exact; a signalling NaN comes back quiet, as the x87 loads it.
    constexpr SoftExtended(float value)
    {
        const auto bits = BitCast<std::uint32_t>(value);
        *this = FromBinary(bits >> 31 != 0, static_cast<std::int32_t>(bits >> 23 & 0xFF), bits & 0x7FFFFF, 40, 127, 23);
    }

    /// The value that a plain decimal, digits with at most one point between them (3.28, 24.0,
    /// 0.5), stands for, rounded to nearest: its digits, at most 19, divided by a power of ten,
    /// two exact values whose quotient rounds once. Any other text gives the default NaN.
    static constexpr SoftExtended FromDecimal(std::string_view text)
    {
        std::uint64_t digits = 0;
        int count = 0;
        int decimals = 0;
        bool point = false;
        for (const char c : text) {
            if (c == '.' && !point) {
                point = true;
            } else if (c >= '0' && c <= '9' && count < 19) {
                digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
                ++count;
                if (point) ++decimals;
            } else {
                return NotPlainDecimal();
            }
        }
        if (count == 0) return NotPlainDecimal();
        std::uint64_t scale = 1;
        for (int i = 0; i < decimals; ++i) scale *= 10;
        return SoftExtended(digits) / SoftExtended(scale);
    }

    /// Rounded to nearest, ties to even, to a denormal, zero or infinity where the double's
    /// range ends; a NaN keeps its sign and top significand bits and comes back quiet.
    explicit constexpr operator double() const
    {
        const std::uint64_t sign = Negative() ? std::uint64_t{1} << 63 : 0;
        if (IsNaN()) return BitCast<double>(sign | 0x7FF8000000000000 | (significand_ >> 11 & 0xFFFFFFFFFFFFF));
        if (Exponent() == MaxExponent) return BitCast<double>(sign | 0x7FF0000000000000);
        if (significand_ == 0) return BitCast<double>(sign);
        const Unpacked u = Unpack();
        const std::int32_t biased = u.exponent + 1023;
        if (biased >= 0x7FF) return BitCast<double>(sign | 0x7FF0000000000000);
        // Below the double's normal range the significand keeps fewer bits; a carry out of
        // them makes the next exponent, up to infinity.
        const std::uint64_t rounded = ShiftRightRounded(u.significand, biased >= 1 ? 11 : 12 - biased);
        if (biased < 1) return BitCast<double>(sign | rounded);
        const std::uint64_t bits = (static_cast<std::uint64_t>(biased - 1) << 52) + rounded;
        return BitCast<double>(sign | (bits >= 0x7FF0000000000000 ? 0x7FF0000000000000 : bits));
    }

    /// Truncated toward zero; a NaN, an infinity or a value beyond T gives T's lowest value, the
    /// x87's integer indefinite.
    template <std::signed_integral T>
    explicit constexpr operator T() const
    {
        constexpr T Indefinite = std::numeric_limits<T>::min();
        if (Exponent() == MaxExponent) return Indefinite;
        if (significand_ == 0) return 0;
        const Unpacked u = Unpack();
        if (u.exponent < 0) return 0;
        if (u.exponent > 63) return Indefinite;
        const std::uint64_t magnitude = u.significand >> (63 - u.exponent);
        // The lowest value itself is the indefinite as well.
        if (magnitude > static_cast<std::uint64_t>(std::numeric_limits<T>::max())) return Indefinite;
        return static_cast<T>(u.negative ? 0 - magnitude : magnitude);
    }

    friend constexpr SoftExtended operator+(SoftExtended a, SoftExtended b)
    {
        if (a.IsNaN() || b.IsNaN()) return ChooseNaN(a, b);
        return Add(a, b);
    }

    friend constexpr SoftExtended operator-(SoftExtended a, SoftExtended b)
    {
        if (a.IsNaN() || b.IsNaN()) return ChooseNaN(a, b);
        b.signAndExponent_ ^= SignBit;
        return Add(a, b);
    }

    friend constexpr SoftExtended operator*(SoftExtended a, SoftExtended b)
    {
        if (a.IsNaN() || b.IsNaN()) return ChooseNaN(a, b);
        const bool negative = a.Negative() != b.Negative();
        const bool aInfinite = a.Exponent() == MaxExponent;
        const bool bInfinite = b.Exponent() == MaxExponent;
        if (aInfinite || bInfinite) {
            if (a.significand_ == 0 || b.significand_ == 0) return DefaultNaN();  // 0 x infinity
            return Infinity(negative);
        }
        if (a.significand_ == 0 || b.significand_ == 0) return Zero(negative);
        const Unpacked x = a.Unpack();
        const Unpacked y = b.Unpack();
        const Wide product = Multiply(x.significand, y.significand);
        // Each significand is in [2^63, 2^64), so the product has its top bit at 127 or 126.
        if (product.high >> 63 != 0) return Round(negative, x.exponent + y.exponent + 1, product.high, product.low);
        return Round(negative, x.exponent + y.exponent, product.high << 1 | product.low >> 63, product.low << 1);
    }

    friend constexpr SoftExtended operator/(SoftExtended a, SoftExtended b)
    {
        if (a.IsNaN() || b.IsNaN()) return ChooseNaN(a, b);
        const bool negative = a.Negative() != b.Negative();
        const bool aInfinite = a.Exponent() == MaxExponent;
        const bool bInfinite = b.Exponent() == MaxExponent;
        if (aInfinite && bInfinite) return DefaultNaN();
        if (aInfinite) return Infinity(negative);
        if (bInfinite) return Zero(negative);
        if (b.significand_ == 0) return a.significand_ == 0 ? DefaultNaN() : Infinity(negative);
        if (a.significand_ == 0) return Zero(negative);
        const Unpacked x = a.Unpack();
        const Unpacked y = b.Unpack();
        // The dividend shifted so that the quotient fills exactly 64 bits.
        const bool smaller = x.significand < y.significand;
        const Wide dividend = smaller ? Wide{x.significand, 0} : Wide{x.significand >> 1, x.significand << 63};
        const Quotient q = Divide(dividend, y.significand);
        // What the remainder adds below the quotient: more or less than half a unit, exactly
        // half, or nothing.
        const std::uint64_t half = std::uint64_t{1} << 63;
        const std::uint64_t rest = q.remainder == 0                             ? 0
                                   : q.remainder > y.significand - q.remainder  ? half | 1
                                   : q.remainder == y.significand - q.remainder ? half
                                                                                : 1;
        return Round(negative, x.exponent - y.exponent - (smaller ? 1 : 0), q.quotient, rest);
    }

    /// The magnitude: the sign bit cleared, of a NaN too.
    friend constexpr SoftExtended fabs(SoftExtended a)
    {
        a.signAndExponent_ &= ~SignBit;
        return a;
    }

    /// The value whose sign and biased exponent (bit 15 and bits 0 to 14) and significand (with
    /// its explicit integer bit) are these, as the x87 stores them in memory.
    static constexpr SoftExtended FromBits(std::uint16_t signAndExponent, std::uint64_t significand)
    {
        SoftExtended v;
        v.signAndExponent_ = signAndExponent;
        v.significand_ = significand;
        return v;
    }
    constexpr std::uint16_t SignAndExponent() const { return signAndExponent_; }
    constexpr std::uint64_t Significand() const { return significand_; }

private:
    static constexpr std::uint16_t SignBit = 0x8000;
    static constexpr std::int32_t MaxExponent = 0x7FFF;  // infinities and NaNs
    static constexpr std::int32_t Bias = 16383;
    static constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;
    static constexpr std::uint64_t QuietBit = std::uint64_t{1} << 62;

    // A finite non-zero value as significand x 2^(exponent - 63), the significand's top bit set.
    struct Unpacked {
        bool negative;
        std::int32_t exponent;
        std::uint64_t significand;
    };
    // 128 bits in two halves.
    struct Wide {
        std::uint64_t high;
        std::uint64_t low;
    };
    struct Quotient {
        std::uint64_t quotient;
        std::uint64_t remainder;
    };

    // A float's bits and back: std::bit_cast is missing from some standard libraries (libc++ 13),
    // the builtin it is made of is in GCC and clang alike.
    template <class To, class From>
    static constexpr To BitCast(From from)
    {
        return __builtin_bit_cast(To, from);
    }

    constexpr bool Negative() const { return (signAndExponent_ & SignBit) != 0; }
    constexpr std::int32_t Exponent() const { return signAndExponent_ & MaxExponent; }
    constexpr bool IsNaN() const { return Exponent() == MaxExponent && (significand_ << 1) != 0; }

    constexpr Unpacked Unpack() const
    {
        // A denormal has the exponent of the smallest normal value, without the integer bit.
        const int shift = std::countl_zero(significand_);
        const std::int32_t exponent = Exponent() == 0 ? 1 : Exponent();
        return {Negative(), exponent - Bias - shift, significand_ << shift};
    }

    static constexpr SoftExtended Pack(bool negative, std::int32_t exponent, std::uint64_t significand)
    {
        return FromBits(static_cast<std::uint16_t>((negative ? SignBit : 0) | exponent), significand);
    }
    static constexpr SoftExtended Zero(bool negative) { return Pack(negative, 0, 0); }
    static constexpr SoftExtended Infinity(bool negative) { return Pack(negative, MaxExponent, IntegerBit); }
    // What an invalid operation gives: the x87's real indefinite.
    static constexpr SoftExtended DefaultNaN() { return Pack(true, MaxExponent, IntegerBit | QuietBit); }
    // Not constexpr: a literal of the engine's that is no plain decimal does not compile.
    static SoftExtended NotPlainDecimal() { return DefaultNaN(); }

    // The NaN the x87 gives for an operation on one or two NaNs, quietened: a quiet one before
    // a signalling one, else the larger significand, else the operand with positive sign.
    static constexpr SoftExtended ChooseNaN(SoftExtended a, SoftExtended b)
    {
        SoftExtended chosen = a;
        if (!a.IsNaN()) {
            chosen = b;
        } else if (b.IsNaN()) {
            const bool aQuiet = (a.significand_ & QuietBit) != 0;
            const bool bQuiet = (b.significand_ & QuietBit) != 0;
            if (aQuiet != bQuiet)
                chosen = aQuiet ? a : b;
            else if (a.significand_ != b.significand_)
                chosen = a.significand_ > b.significand_ ? a : b;
            else
                chosen = a.Negative() ? b : a;
        }
        chosen.significand_ |= QuietBit;
        return chosen;
    }

    // A binary float's fields taken over exactly: `shift` aligns its fraction under the integer
    // bit, `bias` and `fractionBits` are its format's.
    static constexpr SoftExtended FromBinary(bool negative, std::int32_t exponent, std::uint64_t fraction, int shift,
                                             std::int32_t bias, int fractionBits)
    {
        const std::int32_t maxExponent = 2 * bias + 1;
        if (exponent == maxExponent) {
            if (fraction == 0) return Infinity(negative);
            return Pack(negative, MaxExponent, IntegerBit | QuietBit | fraction << shift);
        }
        if (exponent == 0) {
            if (fraction == 0) return Zero(negative);
            return Exact(negative, fraction, 1 - bias - fractionBits);
        }
        return Exact(negative, fraction | std::uint64_t{1} << fractionBits, exponent - bias - fractionBits);
    }

    // magnitude x 2^power, which the format holds exactly; magnitude is not 0.
    static constexpr SoftExtended Exact(bool negative, std::uint64_t magnitude, std::int32_t power)
    {
        const int shift = std::countl_zero(magnitude);
        return Round(negative, power + 63 - shift, magnitude << shift, 0);
    }

    // (significand + rest / 2^64) x 2^(exponent - 63), significand's top bit set, rounded to the
    // format: to nearest, ties to even, gradually below the normal range, infinity above it.
    static constexpr SoftExtended Round(bool negative, std::int32_t exponent, std::uint64_t significand,
                                        std::uint64_t rest)
    {
        std::int32_t biased = exponent + Bias;
        if (biased < 1) {
            const Wide shifted = ShiftRightJamming({significand, rest}, 1 - biased);
            significand = shifted.high;
            rest = shifted.low;
            biased = 0;
        }
        const std::uint64_t half = std::uint64_t{1} << 63;
        if (rest > half || (rest == half && (significand & 1) != 0)) {
            ++significand;
            if (significand == 0) {
                significand = IntegerBit;
                ++biased;
            }
        }
        // A denormal rounded up to the integer bit is the smallest normal value.
        if (biased == 0 && (significand & IntegerBit) != 0) biased = 1;
        if (biased >= MaxExponent) return Infinity(negative);
        return Pack(negative, biased, significand);
    }

    // Adds a and b, neither a NaN.
    static constexpr SoftExtended Add(SoftExtended a, SoftExtended b)
    {
        const bool aInfinite = a.Exponent() == MaxExponent;
        const bool bInfinite = b.Exponent() == MaxExponent;
        if (aInfinite && bInfinite) return a.Negative() == b.Negative() ? a : DefaultNaN();
        if (aInfinite) return a;
        if (bInfinite) return b;
        if (a.significand_ == 0 && b.significand_ == 0) return Zero(a.Negative() && b.Negative());
        if (a.significand_ == 0) return b;
        if (b.significand_ == 0) return a;

        Unpacked x = a.Unpack();
        Unpacked y = b.Unpack();
        // x is the larger magnitude.
        if (y.exponent > x.exponent || (y.exponent == x.exponent && y.significand > x.significand)) {
            const Unpacked larger = y;
            y = x;
            x = larger;
        }
        const Wide smaller = ShiftRightJamming({y.significand, 0}, x.exponent - y.exponent);
        if (x.negative == y.negative) {
            const std::uint64_t high = x.significand + smaller.high;
            if (high >= x.significand) return Round(x.negative, x.exponent, high, smaller.low);
            // The carry out of the top bit: one place to the right.
            const Wide carried = ShiftRightJamming({high, smaller.low}, 1);
            return Round(x.negative, x.exponent + 1, carried.high | IntegerBit, carried.low);
        }
        if (x.exponent == y.exponent && x.significand == y.significand) return Zero(false);
        // The difference, exact in 128 bits but for the jammed sticky bit, brought back to a top bit.
        const std::uint64_t low = 0 - smaller.low;
        const std::uint64_t high = x.significand - smaller.high - (smaller.low != 0 ? 1 : 0);
        const int shift = high != 0 ? std::countl_zero(high) : 64 + std::countl_zero(low);
        const Wide normal = ShiftLeft({high, low}, shift);
        return Round(x.negative, x.exponent - shift, normal.high, normal.low);
    }

    static constexpr Wide ShiftLeft(Wide v, int n)
    {
        if (n == 0) return v;
        if (n < 64) return {v.high << n | v.low >> (64 - n), v.low << n};
        return {v.low << (n - 64), 0};
    }

    // v shifted right by n, each bit shifted out of the low half kept as its lowest bit.
    static constexpr Wide ShiftRightJamming(Wide v, std::int32_t n)
    {
        if (n == 0) return v;
        if (n < 64) return {v.high >> n, v.high << (64 - n) | v.low >> n | std::uint64_t{v.low << (64 - n) != 0}};
        if (n == 64) return {0, v.high | std::uint64_t{v.low != 0}};
        if (n < 128) return {0, v.high >> (n - 64) | std::uint64_t{(v.high << (128 - n) | v.low) != 0}};
        return {0, std::uint64_t{(v.high | v.low) != 0}};
    }

    // v / 2^n rounded to nearest, ties to even, for n from 1 on.
    static constexpr std::uint64_t ShiftRightRounded(std::uint64_t v, int n)
    {
        if (n > 64) return 0;
        const std::uint64_t kept = n == 64 ? 0 : v >> n;
        const std::uint64_t dropped = n == 64 ? v : v & ((std::uint64_t{1} << n) - 1);
        const std::uint64_t half = std::uint64_t{1} << (n - 1);
        return dropped > half || (dropped == half && (kept & 1) != 0) ? kept + 1 : kept;
    }

    static constexpr Wide Multiply(std::uint64_t a, std::uint64_t b)
    {
        const std::uint64_t a1 = a >> 32, a0 = a & 0xFFFFFFFF;
        const std::uint64_t b1 = b >> 32, b0 = b & 0xFFFFFFFF;
        const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
        const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFF) + (p10 & 0xFFFFFFFF);
        return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), middle << 32 | (p00 & 0xFFFFFFFF)};
    }

    // n / d for a divisor with its top bit set and n.high < d: a quotient of 64 bits, in two
    // 32-bit digits, each estimated from the divisor's top digit and corrected (long division
    // as Knuth's algorithm D does it).
    static constexpr Quotient Divide(Wide n, std::uint64_t d)
    {
        constexpr std::uint64_t Base = std::uint64_t{1} << 32;
        const std::uint64_t d1 = d >> 32, d0 = d & 0xFFFFFFFF;
        const std::uint64_t n1 = n.low >> 32, n0 = n.low & 0xFFFFFFFF;

        std::uint64_t q1 = n.high / d1;
        std::uint64_t r = n.high - q1 * d1;
        while (q1 >= Base || q1 * d0 > (r << 32 | n1)) {
            --q1;
            r += d1;
            if (r >= Base) break;
        }
        const std::uint64_t partial = (n.high << 32 | n1) - q1 * d;  // below d

        std::uint64_t q0 = partial / d1;
        r = partial - q0 * d1;
        while (q0 >= Base || q0 * d0 > (r << 32 | n0)) {
            --q0;
            r += d1;
            if (r >= Base) break;
        }
        return {q1 << 32 | q0, (partial << 32 | n0) - q0 * d};
    }

    std::uint64_t significand_ = 0;  // with the explicit integer bit
    std::uint16_t signAndExponent_ = 0;
};

}  // namespace Tools
