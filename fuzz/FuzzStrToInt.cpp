// SPDX-License-Identifier: GPL-3.0-or-later
// Any text a user can paste into a number field, converted as Calculate converts it: either
// a whole number within 32 bits, written as an optional sign and ASCII digits, or the failure
// that the general error box shows with the text itself.

#include "FieldText.h"
#include "WholeNumber.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Any bytes, as a pasted text reaches a field: broken UTF-8 and every control character
    // included.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> expected = ShellTesting::WholeNumber(text);
    try {
        const std::int32_t value = Shell::StrToInt(text);
        if (!expected || value != *expected) std::abort();
    } catch (const Shell::HandlerFailure& failure) {
        // The general error box quotes the text whole, NULs and broken characters included.
        if (expected || failure.Message() != "'" + text + "' is not a valid integer value") std::abort();
    }
    return 0;
}
