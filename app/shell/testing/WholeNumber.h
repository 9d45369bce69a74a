// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a field's text is worth, worked out apart from Shell::StrToInt, so that the tests and
// the fuzz target can check the conversion against it: an optional sign and ASCII digits
// within the signed 32-bit range, or nothing.

#include <QString>

#include <cstdint>
#include <limits>
#include <optional>

namespace ShellTesting {

inline std::optional<std::int32_t> WholeNumber(const QString& text)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) ++i;
    if (i == text.size()) return std::nullopt;
    while (i + 1 < text.size() && text[i] == u'0') ++i;  // leading zeros add nothing
    if (text.size() - i > 10) return std::nullopt;      // more than ten digits never fit
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace ShellTesting
