// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One suite that holds every face to the same window rules: scenarios written as rows of data
// (what the user does, then what must be seen), played on a face by a small driver that does
// what the user does through the face's own input and reads back what the face shows. The
// same rows serve every face: the fake one, Qt, Win32 and the browser.

#include "Rules.h"

#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Conformance {

/// What a row does or checks. Targets are "Window.Control" ("Form2.Edit2"), or "Box" for the
/// message box standing open, whose lines are "Box.1" (the first), "Box.2" and so on.
enum class Do : std::uint8_t {
    // ---- What the user does
    Start,         // the program starts afresh: the start dialog shows
    Press,         // a key, to whatever holds the keyboard: text is its name ("Enter", "Ctrl+C")
    Type,          // text typed key by key into the control that holds the focus, quickly:
                   // on a list, within Shell::TypeAheadPause of the typing before
    Pause,         // the user waits longer than Shell::TypeAheadPause before the next row
    Paste,         // text put on the clipboard and pasted into the field that holds the focus
    Click,         // the pointer clicks the target control
    OpenList,      // the pointer opens the target list
    ClickRow,      // the pointer clicks row `text` (its position) of the list standing open
    CloseBox,      // the title bar's close button of the target window
    DecimalComma,  // the user's regional settings write a decimal comma from now on
    // ---- What must be seen
    Text,        // the target control shows text
    Focus,       // the target control holds the focus (text empty), or "Box.OK"
    Selected,    // the target field's selected text is text: "" where the caret stands alone
    Active,      // the target window is the one the user works in: "Form3", "Box"
    Box,         // the box standing open says text, its lines split by a carriage return
    BoxCaption,  // the box standing open is captioned text
    NoBox,       // no box stands open
    Clipboard,   // the clipboard holds a line that reads text
    InkAt,       // the target's ink stands at its "right" edge, "left" edge or "centre"
    RowsAt,      // the rows of the list standing open stand at its "right" edge
    Whole,       // the target's text is drawn whole inside its box, nothing cut
    Ended,       // the program ended
    // ---- Whole on the screen
    Wheel,         // the user turns the wheel over the target window, text "down" or "up", to the end
    OnScreen,      // the target control stands whole in what its window shows, inside the work area
    InWorkArea,    // the target window's frame stands inside the work area from top to bottom
    ListOnScreen,  // the list standing open stands inside the work area, as many rows showing
                   // as where the rules open it (Shell::PlaceOpenList)
};

struct Row {
    Do what;
    std::string_view target = {};
    std::string_view text = {};
};

struct Scenario {
    std::string_view name;
    std::span<const Row> rows;
};

/// Every scenario of the suite.
std::span<const Scenario> Scenarios();

/// A scenario as a test names it: by its name alone.
inline void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

/// Where the ink of a control's text stands in its box.
enum class Edge : std::uint8_t { Left, Centre, Right };

/// What a face's driver does: plays the user through the face's own input, and reads back what
/// the face shows. Window and control names are the descriptions'.
class Driver {
public:
    virtual ~Driver() = default;

    // ---- The event loop

    /// Runs `step` once the face's event loop has nothing else to do. A step that opens a
    /// modal window returns only once it closes; the steps posted meanwhile run inside it.
    virtual void Post(std::function<void()> step) = 0;
    /// Runs the event loop until Stop; every modal window still open is closed first.
    virtual void Run() = 0;
    virtual void Stop() = 0;

    // ---- The user

    /// Starts the program afresh, its windows built anew, the start dialog showing.
    virtual void Start() = 0;
    virtual void Press(Shell::Keystroke stroke) = 0;
    /// Types a text, character by character, as keys.
    virtual void Type(std::string_view text) = 0;
    /// Puts a text on the clipboard and pastes it with the face's own paste.
    virtual void Paste(std::string_view text) = 0;
    virtual void Click(std::string_view window, std::string_view control) = 0;
    virtual void OpenList(std::string_view window, std::string_view control) = 0;
    virtual void ClickRow(int row) = 0;
    virtual void CloseBox(std::string_view window) = 0;
    virtual void SetDecimalSeparator(std::string_view separator) = 0;
    /// Lets longer than Shell::TypeAheadPause pass, on the clock the face's lists read.
    virtual void Pause() = 0;

    // ---- What the face shows

    virtual std::string Text(std::string_view window, std::string_view control) = 0;
    /// The selected part of a field's text, "" where none is.
    virtual std::string Selected(std::string_view window, std::string_view control) = 0;
    /// "Window.Control" of the control holding the focus, "Box.OK" in a box, "" for none.
    virtual std::string Focused() = 0;
    /// The window the user works in: "Form1" ... "Form5", "Box", or "" when none is shown.
    virtual std::string Active() = 0;
    /// The message box standing open: its caption and text, lines split by a carriage return.
    virtual std::optional<Shell::Message> OpenBox() = 0;
    virtual std::string Clipboard() = 0;
    /// Where the ink of the control's text stands; none where the face cannot tell.
    virtual std::optional<Edge> InkOf(std::string_view window, std::string_view control) = 0;
    /// Where the rows of the list standing open stand; none where the face cannot tell.
    virtual std::optional<Edge> RowsOfOpenList() = 0;
    /// Whether the control's text is drawn whole inside its box; true where the face cannot tell.
    virtual bool DrawnWhole(std::string_view window, std::string_view control) = 0;
    virtual bool Ended() = 0;

    // ---- Whole on the screen, boxes in the screen's pixels

    /// Turns the wheel over the window, `notches` notches: positive down the window.
    virtual void Wheel(std::string_view window, int notches) = 0;
    /// The window's frame, title bar included.
    virtual Shell::Rect FrameOf(std::string_view window) = 0;
    /// The part of the window's client area that shows: all of it, or what a scroll bar leaves.
    virtual Shell::Rect ShownOf(std::string_view window) = 0;
    virtual Shell::Rect BoxOf(std::string_view window, std::string_view control) = 0;
    /// The screen less its task bars and panels.
    virtual Shell::Rect WorkArea() = 0;
    /// The list standing open: its box, its field's, its rows' height and how many of its rows
    /// show.
    struct OpenListSeen {
        Shell::Rect box, field;
        int items = 0, rowHeight = 0, rows = 0;
    };
    virtual std::optional<OpenListSeen> OpenListOnScreen() = 0;
};

/// The keystroke a name stands for: "Enter", "Escape", "Space", "Tab", "Shift+Tab", "Up",
/// "Down", "Left", "Right", "Home", "End", "PageUp", "PageDown", "Backspace", "Ctrl+A", "Ctrl+C",
/// "Ctrl+P", "Alt+Down".
Shell::Keystroke KeyNamed(std::string_view name);
/// The character a key types, 0 for none (Backspace types 8).
char32_t CharacterOf(std::string_view name);

/// Plays a scenario on a face and returns what was not seen as the rows say, one line each:
/// empty when the face conforms.
std::vector<std::string> Play(Driver& driver, const Scenario& scenario);

}  // namespace Conformance
