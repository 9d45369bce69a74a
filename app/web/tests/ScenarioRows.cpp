// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every scenario of the conformance suite as JSON on its standard output, for the
// browser's driver to play: [{"name": ..., "rows": [{"what": ..., "target": ..., "text": ...}]}].

#include "Conformance.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string_view NameOf(Conformance::Do what)
{
    using enum Conformance::Do;
    switch (what) {
    case Start: return "Start";
    case Press: return "Press";
    case Type: return "Type";
    case Paste: return "Paste";
    case Click: return "Click";
    case OpenList: return "OpenList";
    case ClickRow: return "ClickRow";
    case CloseBox: return "CloseBox";
    case DecimalComma: return "DecimalComma";
    case Pause: return "Pause";
    case Selected: return "Selected";
    case Text: return "Text";
    case Focus: return "Focus";
    case Active: return "Active";
    case Box: return "Box";
    case BoxCaption: return "BoxCaption";
    case NoBox: return "NoBox";
    case Clipboard: return "Clipboard";
    case InkAt: return "InkAt";
    case RowsAt: return "RowsAt";
    case Whole: return "Whole";
    case Ended: return "Ended";
    case Wheel: return "Wheel";
    case OnScreen: return "OnScreen";
    case InWorkArea: return "InWorkArea";
    case ListOnScreen: return "ListOnScreen";
    }
    return "?";
}

// A JSON string: quotes, backslashes and control characters escaped, the rest as UTF-8.
std::string Quoted(std::string_view text)
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

}  // namespace

int main()
{
    std::string json = "[";
    for (const Conformance::Scenario& scenario : Conformance::Scenarios()) {
        if (json.size() > 1) json += ",\n";
        json += "{\"name\": " + Quoted(scenario.name) + ", \"rows\": [";
        for (std::size_t i = 0; i < scenario.rows.size(); ++i) {
            const Conformance::Row& row = scenario.rows[i];
            json += std::string(i ? ",\n  " : "\n  ") + "{\"what\": " + Quoted(NameOf(row.what)) +
                    ", \"target\": " + Quoted(row.target) + ", \"text\": " + Quoted(row.text) + "}";
        }
        json += "]}";
    }
    std::puts((json + "]").c_str());
    return 0;
}
