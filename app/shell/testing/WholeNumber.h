// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a field's text is worth, worked out apart from Shell::StrToInt, so that the tests and
// the fuzz target can check the conversion against it: an optional sign and ASCII digits
// within the signed 32-bit range, or nothing.

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace ShellTesting {

inline std::optional<std::int32_t> WholeNumber(std::string_view text)
{
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
    if (i == text.size()) return std::nullopt;
    while (i + 1 < text.size() && text[i] == '0') ++i;  // leading zeros add nothing
    if (text.size() - i > 10) return std::nullopt;      // more than ten digits never fit
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace ShellTesting
