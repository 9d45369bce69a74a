// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The extended precision the loads are defined in: the x87's 80-bit format, a 64-bit
// significand. On x86 it is long double itself, the same instructions as ever under the
// precision that ExtendedPrecision holds. Elsewhere long double is another format, and the
// engine calculates in SoftExtended, which gives the x87's bits in integer arithmetic;
// PORTABLE_EXTENDED chooses SoftExtended on x86 as well, so that the engine's tests hold it to
// the figures there.
//
// Constants are written as literals of the type's own, 3.28_ext: the nearest 80-bit value to
// the decimal on every target. The magnitude is fabs, unqualified, for either type.

#include <cmath>

#if (defined(__i386__) || defined(__x86_64__)) && !defined(PORTABLE_EXTENDED)

namespace Tools {

using Extended = long double;
using std::fabs;

/// The long double literal as written, 3.28L.
consteval Extended operator""_ext(long double value) { return value; }

}  // namespace Tools

#else

#include "SoftExtended.h"

namespace Tools {

using Extended = SoftExtended;

/// A plain decimal's nearest value; any other literal does not compile.
consteval Extended operator""_ext(const char* text) { return SoftExtended::FromDecimal(text); }

}  // namespace Tools

#endif
