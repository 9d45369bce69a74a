// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every scenario of the conformance suite as JSON on its standard output, for the
// browser's driver to play: [{"name": ..., "rows": [{"what": ..., "target": ..., "text": ...}]}].

#include "Conformance.h"
#include "JsonText.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

using Shell::JsonQuoted;

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
    case Named: return "Named";
    case HeardValue: return "HeardValue";
    case InputsNamed: return "InputsNamed";
    case Announced: return "Announced";
    }
    return "?";
}

}  // namespace

int main()
{
    std::string json = "[";
    for (const Conformance::Scenario& scenario : Conformance::Scenarios()) {
        if (json.size() > 1) json += ",\n";
        json += "{\"name\": " + JsonQuoted(scenario.name) + ", \"rows\": [";
        for (std::size_t i = 0; i < scenario.rows.size(); ++i) {
            const Conformance::Row& row = scenario.rows[i];
            json += std::string(i ? ",\n  " : "\n  ") + "{\"what\": " + JsonQuoted(NameOf(row.what)) +
                    ", \"target\": " + JsonQuoted(row.target) + ", \"text\": " + JsonQuoted(row.text) + "}";
        }
        json += "]}";
    }
    std::puts((json + "]").c_str());
    return 0;
}
