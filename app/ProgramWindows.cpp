// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"

#include "ShellTexts.h"

#include <algorithm>
#include <stdexcept>
#include <string>

std::span<const ProgramWindow> TheProgramWindows()
{
    static const ProgramWindow windows[] = {
        {TForm1::Described(), {}, []() -> Shell::Form* { return Form1; }},
        {TForm2::Described(), ColdRoomCalculator, []() -> Shell::Form* { return Form2; }},
        {TForm3::Described(), ColdRoomCalculator, []() -> Shell::Form* { return Form3; }},
        {TForm4::Described(), IceBankCalculator, []() -> Shell::Form* { return Form4; }},
        {TForm5::Described(), IceBankCalculator, []() -> Shell::Form* { return Form5; }},
    };
    return windows;
}

const ProgramWindow& ProgramWindowNamed(std::string_view name)
{
    for (const ProgramWindow& window : TheProgramWindows())
        if (window.Name() == name) return window;
    throw std::out_of_range("the program has no window " + std::string(name));
}

std::vector<const ProgramWindow*> ProgramWindowsOfKind(Shell::WindowKind kind)
{
    std::vector<const ProgramWindow*> windows;
    for (const ProgramWindow& window : TheProgramWindows())
        if (window.Kind() == kind) windows.push_back(&window);
    return windows;
}

std::optional<Shell::ControlId> ProgramWindow::Calculate() const
{
    if (description.kind != Shell::WindowKind::InputWindow || description.opens.empty()) return std::nullopt;
    return description.opens.front().by;
}

std::optional<Shell::ControlId> ProgramWindow::DefaultButton() const
{
    const std::optional<std::size_t> button = Shell::DefaultButton(description);
    if (!button) return std::nullopt;
    return Shell::ControlId::At(description.controls, *button);
}

const ProgramWindow* ProgramWindow::Sheet() const
{
    if (description.kind != Shell::WindowKind::InputWindow || description.opens.empty()) return nullptr;
    return &ProgramWindowNamed(description.opens.front().window);
}

std::vector<std::string> ShellShownTexts()
{
    std::vector<std::string> texts(std::begin(Shell::Texts::All), std::end(Shell::Texts::All));
    // The printed report's date: every month's name, every day of the week and every digit.
    for (int month = 1; month <= 12; ++month)
        texts.push_back(
            Shell::SolarDateText({.year = 1399 + month, .month = month, .day = month, .weekday = month % 7}));
    return texts;
}

std::vector<std::string> WindowTexts(const Shell::WindowDescription& window)
{
    std::vector<std::string> texts;
    const auto add = [&texts](std::string_view text) {
        if (!text.empty() && std::find(texts.begin(), texts.end(), text) == texts.end()) texts.emplace_back(text);
    };
    add(window.caption);
    for (const Shell::Control& control : window.controls) {
        add(control.text);
        for (const std::string& item : Shell::ItemTexts(control.items)) add(item);
    }
    for (std::string_view text : window.handlerTexts) add(text);
    return texts;
}

ProgramWindows::ProgramWindows(Shell::Face& face, Building building) : face_(face), form1_(face)
{
    Form1 = &form1_;
    if (building == Building::AllAtOnce) {
        BuildTheRest();
        return;
    }
    Shell::Form::BeforeAnyHandler([this] { BuildTheRest(); });
    face.AfterFirstPaint(form1_.Window(), [this] { BuildTheRest(); });
}

void ProgramWindows::BuildTheRest()
{
    if (form2_) return;
    Shell::Form::BeforeAnyHandler({});
    Form2 = &form2_.emplace(face_);
    Form3 = &form3_.emplace(face_);
    Form4 = &form4_.emplace(face_);
    Form5 = &form5_.emplace(face_);
    // Each sheet's report names its calculator.
    for (const ProgramWindow* sheet : ProgramWindowsOfKind(Shell::WindowKind::ResultSheet))
        static_cast<Shell::ResultSheet*>(sheet->Form())->NameReport(sheet->calculator, ProgramTitle);
}

ProgramWindows::~ProgramWindows()
{
    Shell::Form::BeforeAnyHandler({});
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
}
