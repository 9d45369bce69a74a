// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldText.h"

#include <QLocale>

#include <charconv>
#include <limits>

namespace Shell {

HandlerFailure::HandlerFailure(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message)
{
}

std::int32_t StrToInt(const QString& text)
{
    const auto fail = [&text]() -> std::int32_t {
        throw HandlerFailure("'" + text + "' is not a valid integer value");
    };
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    if (i == text.size()) return fail();
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9') return fail();
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1) return fail();
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return fail();
    return static_cast<std::int32_t>(value);
}

QString IntText(std::int64_t value) { return QString::number(value); }

QString FloatText(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    QString text = QString::fromLatin1(buffer, end - buffer);
    // to_chars always writes a point; the user's own separator replaces it.
    text.replace(u'.', QLocale().decimalPoint());
    return text;
}

QString ResultLine(const QString& number, const QString& unit) { return number + "  " + unit; }

QString ShownText(const QString& text)
{
    QString shown;
    shown.reserve(text.size() + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool sign = text[i] == u'-' && i + 1 < text.size() && text[i + 1].isDigit();
        if (sign) shown += QChar(0x200E);  // left-to-right mark
        shown += text[i];
    }
    return shown;
}

}  // namespace Shell
