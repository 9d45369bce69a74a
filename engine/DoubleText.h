// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A double written as decimal text and read back, with a point in every locale and the same
// digits on every target: std::to_chars and std::from_chars where the C++ library has them for
// floating point, and the C library's snprintf and strtod where it has not (libc++ 13, the
// WebAssembly build's, whose C library converts exactly and always with a point).

#include <charconv>
#include <string>
#include <string_view>

namespace Tools {

/// `value` with `precision` digits as printf's %.*e (scientific), %.*f (fixed) or %.*g
/// (general) writes it in the C locale.
std::string DoubleText(double value, std::chars_format format, int precision);

/// The double nearest the decimal number that `text` holds whole; 0 where it holds none.
double TextDouble(std::string_view text);

/// The same two through the C library alone, so that a test can hold them to the C++ library's.
namespace CLibrary {
std::string DoubleText(double value, std::chars_format format, int precision);
double TextDouble(std::string_view text);
}  // namespace CLibrary

}  // namespace Tools
