// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text as a JSON string, for the tools that hand the program's data to its page and scripts.

#include <cstdio>
#include <string>
#include <string_view>

namespace Shell {

/// A JSON string: quotes, backslashes and control characters escaped, the rest as UTF-8.
inline std::string JsonQuoted(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

}  // namespace Shell
