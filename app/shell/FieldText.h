// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of fields and result lines: whole numbers read from a field, numbers printed on a
// sheet, and how a text is drawn. Qt Core only, so that the conversion can be fuzzed and
// tested without any window.

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace Shell {

/// A failure inside a handler that the general error box reports.
class HandlerFailure : public std::runtime_error {
public:
    explicit HandlerFailure(const QString& message);
    /// The message with every character of the text it quotes: what() is UTF-8 and ends at
    /// the first NUL, and a pasted text may hold a NUL or half a character cut by a length limit.
    const QString& Message() const { return message_; }

private:
    QString message_;
};

/// The whole number in a field's text: an optional sign and ASCII digits within the signed
/// 32-bit range. Anything else throws HandlerFailure "'text' is not a valid integer value".
std::int32_t StrToInt(const QString& text);

/// A whole number in plain decimal, minus sign where negative, no separators.
QString IntText(std::int64_t value);

/// The shortest general form with at most 15 significant digits and the user's decimal
/// separator (1.5, 40).
QString FloatText(double value);

/// A result line: the number, two blanks and the unit word.
QString ResultLine(const QString& number, const QString& unit);

/// The text as it is drawn: a left-to-right mark before the minus sign of a number, so that a
/// negative number keeps its sign to the left of its digits in right-to-left text too, as
/// Persian typesetting writes it. The text itself stays as it is.
QString ShownText(const QString& text);

}  // namespace Shell
