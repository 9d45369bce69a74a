// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of fields and result lines: whole numbers read from a field, numbers printed on a
// sheet, list items, and how a number is drawn in right-to-left text. Texts are UTF-8.

#include "Description.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace Shell {

/// A failure inside a handler that the general error box reports.
class HandlerFailure : public std::runtime_error {
public:
    explicit HandlerFailure(const std::string& message) : std::runtime_error(message), message_(message) {}
    /// The message with every byte of the text it quotes: what() ends at the first NUL, and a
    /// pasted text may hold one.
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

/// The whole number in a field's text: an optional sign and ASCII digits within the signed
/// 32-bit range. Anything else throws HandlerFailure "'text' is not a valid integer value",
/// the text quoted whole.
std::int32_t StrToInt(std::string_view text);

/// A whole number in plain decimal, minus sign where negative, no separators.
std::string IntText(std::int64_t value);

/// The shortest general form with at most 15 significant digits, with `decimalSeparator` in
/// place of the point (1.5, 40).
std::string FloatText(double value, std::string_view decimalSeparator);

/// A result line: the number, two blanks and the unit word.
std::string ResultLine(std::string_view number, std::string_view unit);

/// The text as it is drawn: a left-to-right mark before the minus sign of a number, so that a
/// negative number keeps its sign to the left of its digits in right-to-left text too, as
/// Persian typesetting writes it. The text itself stays as it is.
std::string ShownText(std::string_view text);

/// The text without the blanks at either end.
std::string_view Trimmed(std::string_view text);

/// A list's items as texts.
std::vector<std::string> ItemTexts(const Items& items);

/// The position of `value` in a run of whole numbers; -1 where the run does not hold it.
constexpr int NumberPosition(const Items& numbers, int value)
{
    if (numbers.step == 0 || (value - numbers.from) % numbers.step != 0) return -1;
    const int position = (value - numbers.from) / numbers.step;
    return position >= 0 && position < numbers.Count() ? position : -1;
}

}  // namespace Shell
