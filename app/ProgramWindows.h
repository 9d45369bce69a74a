// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's windows: one list of them, for tests and tools to walk the program without
// naming its windows, and the set that creates them once through one face in their fixed order,
// reachable through their global references Form1 ... Form5 for as long as it lives.

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

/// One of the program's windows: its description, the calculator it belongs to and, once a
/// window set has built it, the window. The rest comes from its description: its name and
/// kind; where the start dialog's options lead; an input window's Calculate, the sheet its run
/// shows and its Exit; a sheet's Back.
struct ProgramWindow {
    const Shell::WindowDescription& description;
    std::string_view calculator;  // the start dialog's option naming it; none for the start dialog
    Shell::Form* (*built)();      // the window while a set lives, otherwise none

    std::string_view Name() const { return description.name; }
    Shell::WindowKind Kind() const { return description.kind; }
    Shell::Form* Form() const { return built(); }
    /// An input window's Calculate.
    std::optional<Shell::ControlId> Calculate() const;
    /// The button Enter presses: the start dialog's Continue, which goes on to the calculator
    /// of the option chosen, and a sheet's Back; none in an input window.
    std::optional<Shell::ControlId> DefaultButton() const;
    /// The sheet an input window's run shows.
    const ProgramWindow* Sheet() const;
};

/// The program's windows in the order a set builds them: the start dialog first, then each
/// calculator's input window and its sheet.
std::span<const ProgramWindow> TheProgramWindows();
/// The start dialog, the list's first window.
inline const ProgramWindow& TheStartDialog() { return TheProgramWindows().front(); }
/// The window of that name; throws std::out_of_range when the program has none.
const ProgramWindow& ProgramWindowNamed(std::string_view name);
/// Every window of one kind, in the list's order.
std::vector<const ProgramWindow*> ProgramWindowsOfKind(Shell::WindowKind kind);
/// The texts the program shows beyond those of its windows' descriptions: the shell's own (the
/// commands of the sheets' and the fields' menus, a failed print or copy), and the printed
/// report's date.
std::vector<std::string> ShellShownTexts();
/// Every text a window holds: its caption, every control's text and list items, and the texts
/// its handlers show; each once, in the description's order.
std::vector<std::string> WindowTexts(const Shell::WindowDescription& window);

class ProgramWindows {
public:
    enum class Building {
        AllAtOnce,
        // The start dialog first; the four windows it hides once it has drawn itself, in their
        // order, before any handler runs: the program's first window appears sooner.
        RestAfterFirstPaint,
    };

    explicit ProgramWindows(Shell::Face& face, Building building = Building::AllAtOnce);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

private:
    void BuildTheRest();

    Shell::Face& face_;
    // Built first, so that it is the main window.
    TForm1 form1_;
    std::optional<TForm2> form2_;
    std::optional<TForm3> form3_;
    std::optional<TForm4> form4_;
    std::optional<TForm5> form5_;
};
