// SPDX-License-Identifier: GPL-3.0-or-later
#include "DoubleText.h"

#include <cstdio>
#include <cstdlib>

namespace Tools {

namespace CLibrary {

std::string DoubleText(double value, std::chars_format format, int precision)
{
    const char* const form = format == std::chars_format::scientific ? "%.*e"
                             : format == std::chars_format::fixed    ? "%.*f"
                                                                     : "%.*g";
    std::string text(static_cast<std::size_t>(std::snprintf(nullptr, 0, form, precision, value)), '\0');
    std::snprintf(text.data(), text.size() + 1, form, precision, value);
    return text;
}

double TextDouble(std::string_view text)
{
    const std::string whole(text);
    char* end = nullptr;
    const double value = std::strtod(whole.c_str(), &end);
    return end == whole.c_str() + whole.size() ? value : 0.0;
}

}  // namespace CLibrary

// libstdc++ from GCC 11 on and MSVC's library announce floating-point conversions here; the
// C library's are used only where they are missing.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

std::string DoubleText(double value, std::chars_format format, int precision)
{
    char text[400];  // the longest fixed form of a double with a few decimals
    const auto written = std::to_chars(text, text + sizeof text, value, format, precision);
    return std::string(text, written.ptr);
}

double TextDouble(std::string_view text)
{
    double value = 0.0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
    return read.ec == std::errc() && read.ptr == text.data() + text.size() ? value : 0.0;
}

#else

std::string DoubleText(double value, std::chars_format format, int precision)
{
    return CLibrary::DoubleText(value, format, precision);
}

double TextDouble(std::string_view text) { return CLibrary::TextDouble(text); }

#endif

}  // namespace Tools
