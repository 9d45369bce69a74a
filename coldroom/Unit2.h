// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cold-room input window: room, process, product and temperatures; Calculate fills and
// shows the result sheet, the suggestion button proposes a daily capacity.

#include "ColdRoomCalc.h"
#include "Shell.h"

class TForm2 : public Shell::InputWindow {
public:
    explicit TForm2(Shell::Face& face);

    /// The window's description, before any window is built.
    static const Shell::WindowDescription& Described();

    /// Rearranges the window for the chosen process: entry temperatures, proposals,
    /// insulation, loading percentage and which product list is shown.
    void ComboBox1Change();
    /// The calculation: validates the inputs, fills the result sheet and shows it.
    void Button1Click();
    /// Writes a suggested daily capacity for the room's dimensions into the capacity field.
    void Button2Click();
    /// Ends the program.
    void Button3Click();
    // The digit filter of each number field.
    void Edit1KeyPress(char32_t& Key);
    void Edit2KeyPress(char32_t& Key);
    void Edit3KeyPress(char32_t& Key);
    void Edit4KeyPress(char32_t& Key);

protected:
    void Click(Shell::ControlId control) override;
    void Change(Shell::ControlId control) override;
    void KeyPress(Shell::ControlId control, char32_t& key) override;

private:
    Tools::ProcessKind Process() const;
    /// Shows the dimensions error where a side is not 1 to 99 m.
    bool RejectsDimensions(std::int32_t length, std::int32_t width, std::int32_t height);
};

extern TForm2* Form2;
