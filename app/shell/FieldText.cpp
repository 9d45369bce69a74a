// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldText.h"

#include "DoubleText.h"

#include <limits>

namespace Shell {

std::int32_t StrToInt(std::string_view text)
{
    const auto fail = [text]() -> std::int32_t {
        throw HandlerFailure("'" + std::string(text) + "' is not a valid integer value");
    };
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return fail();
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return fail();
        value = value * 10 + (c - '0');
        if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1) return fail();
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return fail();
    return static_cast<std::int32_t>(value);
}

std::string IntText(std::int64_t value) { return std::to_string(value); }

std::string FloatText(double value, std::string_view decimalSeparator)
{
    std::string text;
    for (const char c : Tools::DoubleText(value, std::chars_format::general, 15)) {
        if (c == '.')
            text += decimalSeparator;
        else
            text += c;
    }
    return text;
}

std::string ResultLine(std::string_view number, std::string_view unit)
{
    return std::string(number) + "  " + std::string(unit);
}

std::string ShownText(std::string_view text)
{
    constexpr std::string_view LeftToRightMark = "\u200E";
    std::string shown;
    shown.reserve(text.size() + LeftToRightMark.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool sign = text[i] == '-' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9';
        if (sign) shown += LeftToRightMark;
        shown += text[i];
    }
    return shown;
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> ItemTexts(const Items& items)
{
    std::vector<std::string> texts;
    if (items.step == 0) {
        texts.assign(items.texts.begin(), items.texts.end());
        return texts;
    }
    for (int i = 0, value = items.from; i < items.Count(); ++i, value += items.step) texts.push_back(IntText(value));
    return texts;
}

}  // namespace Shell
