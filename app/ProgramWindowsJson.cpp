// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's window list as JSON on its standard output, for the scripts and the
// page's tools that walk the program without naming its windows, and for the page's face,
// which must hold every letter the program can show:
// {"title": ..., "texts": [the shell's own], "windows": [{"name": "Form2", "kind": ...,
//  "calculator": ..., "caption": ..., "client": [w, h], "opens" (the start dialog),
//  "continue" (the start dialog), "sheet", "calculate", "exit", "sample" (input windows),
//  "back" (sheets), "inputs", "rows", "notes", "controls", "texts"}]}.

#include "JsonText.h"
#include "PictureSamples.h"
#include "ProgramWindows.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Shell::JsonQuoted;

std::string_view KindName(Shell::WindowKind kind)
{
    using enum Shell::WindowKind;
    switch (kind) {
    case MainDialog: return "MainDialog";
    case InputWindow: return "InputWindow";
    case ResultSheet: return "ResultSheet";
    }
    return "?";
}

std::string_view KindName(Shell::Kind kind)
{
    using enum Shell::Kind;
    switch (kind) {
    case Label: return "Label";
    case Edit: return "Edit";
    case List: return "List";
    case Option: return "Option";
    case Button: return "Button";
    case OkButton: return "OkButton";
    case Banner: return "Banner";
    case Rule: return "Rule";
    }
    return "?";
}

std::string Field(std::string_view key, const std::string& value) { return ", " + JsonQuoted(key) + ": " + value; }

template <typename Each>
std::string Array(const auto& items, Each each)
{
    std::string json = "[";
    for (const auto& item : items) json += (json.size() > 1 ? ", " : "") + each(item);
    return json + "]";
}

constexpr auto Quoted = [](std::string_view text) { return JsonQuoted(text); };

// The run the tools show of an input window: the texts typed into its fields, and the name its
// pictures are saved under.
std::string SampleJson(const PictureSample& sample)
{
    using Typed = std::pair<std::string_view, std::string_view>;
    return "{\"picture\": " + JsonQuoted(sample.picture) + ", \"report\": " + (sample.report ? "true" : "false") +
           ", \"fields\": " +
           Array(sample.fields,
                 [](const Typed& field) {
                     return "{\"control\": " + JsonQuoted(field.first) + ", \"text\": " + JsonQuoted(field.second) +
                            "}";
                 }) +
           "}";
}

std::string WindowJson(const ProgramWindow& window)
{
    const Shell::WindowDescription& described = window.description;
    std::string json = "{\"name\": " + JsonQuoted(window.Name());
    json += Field("kind", JsonQuoted(KindName(window.Kind())));
    json += Field("calculator", JsonQuoted(window.calculator));
    json += Field("caption", JsonQuoted(described.caption));
    json += Field("client",
                  "[" + std::to_string(described.client.width) + ", " + std::to_string(described.client.height) + "]");
    switch (window.Kind()) {
    case Shell::WindowKind::MainDialog:
        json += Field("opens", Array(described.opens, [](const Shell::Opening& opening) {
                          return "{\"by\": " + JsonQuoted(opening.by->name) +
                                 ", \"window\": " + JsonQuoted(opening.window) + "}";
                      }));
        if (const auto button = window.DefaultButton()) json += Field("continue", JsonQuoted((*button)->name));
        break;
    case Shell::WindowKind::InputWindow:
        if (const ProgramWindow* sheet = window.Sheet()) json += Field("sheet", JsonQuoted(sheet->Name()));
        if (const auto button = window.Calculate()) json += Field("calculate", JsonQuoted((*button)->name));
        if (described.exit) json += Field("exit", JsonQuoted((*described.exit)->name));
        json += Field("sample", SampleJson(SampleOf(window)));
        break;
    case Shell::WindowKind::ResultSheet:
        if (const auto button = window.DefaultButton()) json += Field("back", JsonQuoted((*button)->name));
        break;
    }
    json += Field("inputs", Array(described.inputs, [](const Shell::CaptionedInput& input) {
                      return "{\"control\": " + JsonQuoted(input.control->name) +
                             ", \"kind\": " + JsonQuoted(KindName(input.control->kind)) +
                             ", \"caption\": " + JsonQuoted(input.caption->text) +
                             ", \"unit\": " + JsonQuoted(input.unit ? (*input.unit)->text : "") +
                             ", \"captionLabel\": " + JsonQuoted(input.caption->name) +
                             ", \"unitLabel\": " + JsonQuoted(input.unit ? (*input.unit)->name : "") + "}";
                  }));
    json += Field("rows", Array(described.rows, [](const Shell::SheetRow& row) {
                      return "{\"caption\": " + JsonQuoted(row.caption->name) +
                             ", \"value\": " + JsonQuoted(row.value->name) +
                             ", \"text\": " + JsonQuoted(row.caption->text) + "}";
                  }));
    json += Field("notes", Array(described.notes, [](Shell::ControlId note) { return JsonQuoted(note->name); }));
    // Each control with its kind and its box in the client area, for a tool that points at it.
    json += Field(
        "controls", Array(described.controls, [](const Shell::Control& control) {
            const Shell::Rect& box = control.box;
            return "{\"name\": " + JsonQuoted(control.name) + ", \"kind\": " + JsonQuoted(KindName(control.kind)) +
                   ", \"text\": " + JsonQuoted(control.text) + ", \"hidden\": " + (control.hidden ? "true" : "false") +
                   ", \"box\": [" + std::to_string(box.left) + ", " + std::to_string(box.top) + ", " +
                   std::to_string(box.width) + ", " + std::to_string(box.height) + "]}";
        }));
    json += Field("texts", Array(WindowTexts(described), Quoted));
    return json + "}";
}

}  // namespace

int main()
{
    std::string json = "{\"title\": " + JsonQuoted(ProgramTitle);
    json += Field("texts", Array(ShellShownTexts(), Quoted));
    json += ", \"windows\": [";
    bool first = true;
    for (const ProgramWindow& window : TheProgramWindows()) {
        json += std::string(first ? "\n" : ",\n") + WindowJson(window);
        first = false;
    }
    std::puts((json + "]}").c_str());
    return 0;
}
