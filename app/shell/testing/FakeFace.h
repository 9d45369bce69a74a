// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A face without any toolkit, for the tests of the windows' decisions: each window keeps its
// controls' texts, items, selections and states as its description sets them up, records what
// the handlers show (message boxes, modal sheets, the end of the program), and plays the user:
// typing through the digit filter and the typing limit, pasting, picking list items, pressing
// buttons.

#include "Shell.h"

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Shell {
/// How GoogleTest shows a message box.
void PrintTo(const Message& message, std::ostream* out);
}  // namespace Shell

namespace ShellTesting {

class FakeFace;

class FakeView : public Shell::View {
public:
    FakeView(FakeFace& face, const Shell::WindowDescription& window);

    // ---- What the user does --------------------------------------------------------------

    /// Types `text` into an edit box character by character: each goes through the window's
    /// key handler and the box's typing limit; a backspace deletes the last character. The
    /// first character let through replaces a whole text selected.
    void Type(std::string_view edit, std::string_view text);
    /// Selects the box's whole text, or leaves the caret alone at its end.
    void SelectWhole(std::string_view edit, bool whole);
    /// The selected part of the box's text.
    std::string Selected(std::string_view edit) const;
    /// Pastes over the box's whole text through its own menu: no filter, and taken whole,
    /// whatever the typing limit.
    void Paste(std::string_view edit, std::string_view text);
    /// Chooses a list item by position; choosing another one than the current is a change.
    void Pick(std::string_view list, int position);
    /// Chooses a list item by its text.
    void PickText(std::string_view list, std::string_view text);
    /// Selects an option of the window's group.
    void Select(std::string_view option);
    /// Presses a button.
    void Press(std::string_view button);
    /// The title bar's close button.
    void PressCloseBox();

    // ---- What the window shows -------------------------------------------------------------

    // The view's reads and its SetText, by the control's name.
    std::string Text(std::string_view control) const { return Text(Id(control)); }
    int Selection(std::string_view control) const { return Selection(Id(control)); }
    bool Hidden(std::string_view control) const { return Hidden(Id(control)); }
    void SetText(std::string_view control, std::string_view text) { SetText(Id(control), text); }

    bool Enabled(std::string_view control) const;
    std::vector<std::string> ItemsOf(std::string_view list) const;
    bool Shown() const { return shown_; }
    Shell::Point Position() const { return position_; }
    /// Every label's text, by name.
    std::map<std::string, std::string> Labels() const;
    /// The current position of every list, in the description's order.
    std::vector<int> ListSelections() const;
    /// The text of every edit box, in the description's order.
    std::vector<std::string> EditTexts() const;

    // ---- Shell::View -------------------------------------------------------------------------

    void Attach(Shell::Form& form) override { form_ = &form; }
    std::string Text(Shell::ControlId control) const override;
    int Selection(Shell::ControlId control) const override;
    bool Hidden(Shell::ControlId control) const override;
    void SetText(Shell::ControlId control, std::string_view text) override;
    void SetItems(Shell::ControlId control, std::span<const std::string> items) override;
    void SetSelection(Shell::ControlId control, int position) override;
    void SetEnabled(Shell::ControlId control, bool enabled) override;
    void SetHidden(Shell::ControlId control, bool hidden) override;
    void ShowWindow() override;
    void HideWindow() override { shown_ = false; }
    void ShowModal() override;
    void CloseModal() override { shown_ = false; }
    Shell::Size ScreenSize() const override;
    Shell::Rect WorkArea() const override;
    Shell::Size OuterSize() const override;
    void MoveTo(Shell::Point outerTopLeft) override { position_ = outerTopLeft; }
    void ShowMessage(const Shell::Message& message) override;
    std::string DecimalSeparator() const override;
    void Quit() override;

private:
    struct State {
        Shell::Kind kind;
        std::string text;
        std::vector<std::string> items;
        int selection;
        int maxLength;
        int limit;  // the typing limit now: the written or pasted text's length where longer
        bool enabled = true;
        bool hidden;
        bool wholeSelected = false;
    };
    /// The control of that name; a name the window does not have is recorded, and ends the
    /// test with a failure.
    Shell::ControlId Id(std::string_view control) const;
    State& At(Shell::ControlId control);
    const State& At(Shell::ControlId control) const;

    FakeFace& face_;
    const Shell::WindowDescription& window_;
    Shell::Form* form_ = nullptr;
    std::vector<State> controls_;  // in the description's order
    bool shown_ = false;
    Shell::Point position_{-1000, -1000};
};

/// Makes FakeViews and keeps the record of the whole program.
class FakeFace : public Shell::Face {
public:
    /// The frame a window gets around its client area, as a window system adds it.
    static constexpr Shell::Size Frame{8, 31};

    explicit FakeFace(std::string_view programTitle) : Shell::Face(programTitle) {}

    std::unique_ptr<Shell::View> MakeWindow(const Shell::WindowDescription& window) override;

    /// The fake view of a window made by this face.
    static FakeView& ViewOf(const Shell::Form& form) { return static_cast<FakeView&>(form.Window()); }

    Shell::Size screen{1024, 768};
    /// The screen less a task bar; none unless a test gives one.
    std::optional<Shell::Rect> workArea;
    std::string decimalSeparator = ".";
    std::vector<Shell::Message> messages;  // every box shown, in order
    std::vector<std::string> modals;       // the name of every window shown modally, in order
    bool quit = false;
    /// Runs while a window is shown modally, as the user would act on it; the window closes
    /// when this returns, as if the user pressed Enter.
    std::function<void(FakeView& modal)> whileModal;
    /// Where set, a window shown modally and a message box stay open, as a real face's modal
    /// loop keeps them, while this runs the program's events for as long as `open` holds.
    std::function<void(const std::function<bool()>& open)> modalLoop;
    /// The message box standing open, while `modalLoop` runs it.
    std::optional<Shell::Message> openBox;
    /// Names a test used that its window does not have.
    std::vector<std::string> unknownControls;
};

/// The record of one press: the boxes it showed and the windows it showed modally.
struct Outcome {
    std::vector<Shell::Message> messages;
    std::vector<std::string> modals;
};

/// Presses `button` on `view` and returns what that showed.
Outcome PressAndRecord(FakeFace& face, FakeView& view, std::string_view button);

}  // namespace ShellTesting
