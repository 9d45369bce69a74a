// Any text a user can paste into a number field, converted as Calculate converts it: either
// a whole number within 32 bits, written as an optional sign and ASCII digits, or the failure
// that the general error box shows with the text itself.

#include "FieldText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The value of an optional sign and ASCII digits; `ok` tells whether the text is one and fits 32 bits.
std::int64_t Expected(const QString& text, bool& ok)
{
    ok = false;
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) ++i;
    if (i == text.size()) return 0;
    while (i + 1 < text.size() && text[i] == u'0') ++i;  // leading zeros add nothing
    if (text.size() - i > 10) return 0;  // more than ten significant digits never fit
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9') return 0;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    if (negative) value = -value;
    ok = value >= INT32_MIN && value <= INT32_MAX;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first byte chooses how the rest becomes text: UTF-8 as from a clipboard, or raw
    // UTF-16 code units (lone surrogates and every control character included).
    if (size == 0) return 0;
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const qsizetype length = qsizetype(size - 1);
    const QString text = data[0] % 2 == 0
                             ? QString::fromUtf8(bytes, length)
                             : QString(reinterpret_cast<const QChar*>(bytes), length / 2);
    bool ok = false;
    const std::int64_t expected = Expected(text, ok);
    try {
        const std::int32_t value = Shell::StrToInt(text);
        if (!ok || value != expected) std::abort();
    } catch (const Shell::HandlerFailure& failure) {
        // The general error box quotes the text whole, NULs and broken characters included.
        if (ok || failure.Message() != "'" + text + "' is not a valid integer value") std::abort();
    }
    return 0;
}
