// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loads are defined in the x87's extended precision, a 64-bit significand for every
// long double step. Linux starts each program so, and so does MinGW's start-up code, but
// Windows' own default is a 53-bit significand and a DLL loaded into the program may set it
// again: then a 22 m2 room's lighting at 11 running hours, exactly 120 W, would show 119 W. So
// every function that calculates in long double holds the precision itself while it does.

#include <cstdint>

namespace Tools {

/// Sets the x87 precision to 64 bits for its lifetime, keeping the rounding and exception
/// settings, and gives the caller's control word back at the end. Does nothing where long
/// double is not the x87 format.
class ExtendedPrecision {
public:
#if defined(__i386__) || defined(__x86_64__)
    ExtendedPrecision() noexcept
    {
        // The memory clobbers keep the calculation between the two settings.
        asm volatile("fnstcw %0" : "=m"(caller_) : : "memory");
        const std::uint16_t extended = caller_ | PrecisionControl;
        if (extended != caller_) asm volatile("fldcw %0" : : "m"(extended) : "memory");
    }
    ~ExtendedPrecision()
    {
        if ((caller_ & PrecisionControl) != PrecisionControl) asm volatile("fldcw %0" : : "m"(caller_) : "memory");
    }
#else
    // Provided rather than defaulted, so that compilers take a guard that does nothing for a used
    // variable.
    ExtendedPrecision() noexcept {}
#endif
    ExtendedPrecision(const ExtendedPrecision&) = delete;
    ExtendedPrecision& operator=(const ExtendedPrecision&) = delete;

private:
#if defined(__i386__) || defined(__x86_64__)
    static constexpr std::uint16_t PrecisionControl = 0x0300;  // bits 8 and 9: 11 is 64 bits
    std::uint16_t caller_ = 0;
#endif
};

}  // namespace Tools
