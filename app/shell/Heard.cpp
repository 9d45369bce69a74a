// SPDX-License-Identifier: GPL-3.0-or-later
#include "Heard.h"

#include "FieldText.h"
#include "InputWindow.h"
#include "ResultSheet.h"

#include <algorithm>

namespace Shell {

namespace {

HeardRole RoleOf(Kind kind)
{
    switch (kind) {
    case Kind::Label: return HeardRole::Text;
    case Kind::Edit: return HeardRole::EditBox;
    case Kind::List: return HeardRole::List;
    case Kind::Option: return HeardRole::Option;
    case Kind::Button:
    case Kind::OkButton: return HeardRole::Button;
    case Kind::Banner: return HeardRole::Picture;
    case Kind::Rule: return HeardRole::Rule;
    }
    return HeardRole::Text;
}

std::string RowHeard(const View& view, const SheetRow& row)
{
    return view.Text(row.caption) + std::string(ResultSheet::RowSeparator) + view.Text(row.value);
}

std::string PassageHeard(const View& view, const Passage& passage)
{
    std::string text;
    for (const ControlId line : passage) text += (text.empty() ? "" : " ") + view.Text(line);
    return text;
}

}  // namespace

Heard HeardOf(const WindowDescription& window, const View& view, ControlId control)
{
    Heard heard{{}, RoleOf(control->kind), {}};
    if (control->kind == Kind::Edit || control->kind == Kind::List) heard.value = view.Text(control);
    for (const CaptionedInput& input : window.inputs) {
        if (input.control == control) {
            heard.name = InputCaption(view, input);
            return heard;
        }
        if (input.caption == control || input.unit == control) return heard;
    }
    for (const SheetRow& row : window.rows) {
        if (row.value == control) heard.name = RowHeard(view, row);
        if (row.value == control || row.caption == control) return heard;
    }
    for (const Passage& passage : window.passages) {
        if (passage.front() == control) heard.name = PassageHeard(view, passage);
        if (std::find(passage.begin(), passage.end(), control) != passage.end()) return heard;
    }
    if (control->kind != Kind::Edit && control->kind != Kind::List) heard.name = view.Text(control);
    return heard;
}

std::string ListChangeHeard(const View& view, ControlId list) { return view.Text(list); }

std::string ShowingHeard(const WindowDescription& window, const View& view)
{
    std::string text;
    const auto line = [&text](const std::string& said) { text += (text.empty() ? "" : "\n") + said; };
    if (window.kind == WindowKind::ResultSheet) {
        for (const SheetRow& row : window.rows) line(RowHeard(view, row));
        for (const ControlId note : window.notes) line(view.Text(note));
    } else if (window.kind == WindowKind::MainDialog) {
        for (std::size_t i = 0; i < window.controls.size(); ++i) {
            const ControlId control = ControlId::At(window.controls, i);
            if (control->kind != Kind::Label) continue;
            const std::string said = HeardOf(window, view, control).name;
            if (!said.empty()) line(said);
        }
    }
    return text;
}

std::string BoxHeard(const Message& box) { return box.text; }

}  // namespace Shell
