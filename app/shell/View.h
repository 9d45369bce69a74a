// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a window's handlers need of the window system, and nothing more: read and write its
// controls, show and hide it, show it modally, place it, show a message box, end the
// program. Each face (Qt, Win32) implements it over the controls it built from the window's
// description; the tests implement it with a recording fake.

#include "Description.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace Shell {

class Form;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

enum class MessageKind : std::uint8_t { Error, Information };

/// A modal box with the kind's icon, a caption, a text and one OK button.
struct Message {
    MessageKind kind;
    std::string caption;
    std::string text;  // lines split by a lone carriage return
    friend bool operator==(const Message&, const Message&) = default;
};

/// One window, as its handlers see it. Controls are named by their handles in the window's
/// description; texts are UTF-8.
class View {
public:
    virtual ~View() = default;

    /// From now on the window's events go to `form`.
    virtual void Attach(Form& form) = 0;

    /// An edit box's or a label's text; a list's chosen item ("" while none is chosen).
    virtual std::string Text(ControlId control) const = 0;
    /// A list's chosen position (-1 while none); an option: 1 while selected, else 0.
    virtual int Selection(ControlId control) const = 0;
    /// Whether the program hid the control; it stays so while the window itself is hidden.
    virtual bool Hidden(ControlId control) const = 0;

    /// Replaces a text. An edit box takes it whole, even beyond its typing limit.
    virtual void SetText(ControlId control, std::string_view text) = 0;
    /// Replaces a list's items; none is chosen until SetSelection.
    virtual void SetItems(ControlId control, std::span<const std::string> items) = 0;
    virtual void SetSelection(ControlId control, int position) = 0;
    virtual void SetEnabled(ControlId control, bool enabled) = 0;
    virtual void SetHidden(ControlId control, bool hidden) = 0;

    /// Shows the window non-modally and brings it to the front.
    virtual void ShowWindow() = 0;
    virtual void HideWindow() = 0;
    /// Shows the window modally over the others; returns once it is closed.
    virtual void ShowModal() = 0;
    /// Closes a window shown modally.
    virtual void CloseModal() = 0;

    /// The full primary screen, the area under a task bar included.
    virtual Size ScreenSize() const = 0;
    /// The part of the primary screen that windows may take: the screen less its task bars
    /// and panels, in the screen's pixels.
    virtual Rect WorkArea() const = 0;
    /// The window's outer size, frame and title bar included.
    virtual Size OuterSize() const = 0;
    /// Places the window's outer top-left corner.
    virtual void MoveTo(Point outerTopLeft) = 0;

    /// Shows a modal message box; returns once it is closed.
    virtual void ShowMessage(const Message& message) = 0;
    /// The decimal separator of the user's regional settings.
    virtual std::string DecimalSeparator() const = 0;
    /// Ends the program: the message loop stops, nothing is saved.
    virtual void Quit() = 0;
};

/// Makes the windows of one face, each from its description.
class Face {
public:
    /// `programTitle`: the caption of the general error box.
    explicit Face(std::string_view programTitle) : programTitle_(programTitle) {}
    virtual ~Face() = default;
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    virtual std::unique_ptr<View> MakeWindow(const WindowDescription& window) = 0;

    /// Runs `then` once `window` has drawn itself for the first time, before any input reaches
    /// it; at once where the face knows no better.
    virtual void AfterFirstPaint(View& window, std::function<void()> then)
    {
        (void)window;
        then();
    }

    std::string_view ProgramTitle() const { return programTitle_; }

private:
    std::string_view programTitle_;
};

}  // namespace Shell
