// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The handlers' side of a window, written once for every face: the events a face routes to
// it by control, the conventions every window shares (centring, the digit filter, the
// message boxes, the general error box) and the small reads and writes handlers are made of.

#include "Description.h"
#include "FieldText.h"
#include "View.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Shell {

/// The control's position in the window's table, where a face keeps it. A control of another
/// window throws HandlerFailure: it is a fault in a handler, which the general error box reports.
std::size_t PositionOf(const WindowDescription& window, ControlId control);

/// What the digit filter makes of a typed character: backspace and the ASCII digits go through
/// as they are; a Persian or an Arabic-Indic digit, as a Persian keyboard types it, goes through
/// as the ASCII digit it stands for, so that the field holds a number the run can read;
/// everything else, the control characters of Ctrl shortcuts included, is discarded (0).
constexpr char32_t DigitFilter(char32_t key)
{
    if (key == 8 || (key >= U'0' && key <= U'9')) return key;
    if (key >= U'\u06F0' && key <= U'\u06F9') return U'0' + (key - U'\u06F0');
    if (key >= U'\u0660' && key <= U'\u0669') return U'0' + (key - U'\u0660');
    return 0;
}

/// The lines of a box's text: the texts split them with a lone carriage return (a line feed,
/// or both together, split them too).
std::vector<std::string> MessageLines(std::string_view text);

/// The error box: caption "Error".
Message ErrorBox(std::string_view text);
/// The information box: caption "Information".
Message InformationBox(std::string_view text);
/// The box for a failure that escaped a handler: the program's title as caption, and a full
/// stop appended when the message ends in a letter or digit.
Message GeneralErrorBox(std::string_view programTitle, std::string_view failure);

class Form {
public:
    /// Builds the window through `face` and takes its events.
    Form(Face& face, const WindowDescription& window);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const WindowDescription& Description() const { return window_; }
    View& Window() const { return *view_; }

    // What a face calls when something happens to the window. Each runs the window's handler;
    // a failure that escapes it goes to the general error box and the program goes on.

    /// The window is about to be shown.
    void Shown();
    void Clicked(ControlId control);
    /// The user chose another item of a list; a choice the program makes is no change.
    void Changed(ControlId control);
    /// A character typed into an edit box, before the box takes it; 0 in `key` discards it.
    void Typed(ControlId control, char32_t& key);
    /// The title bar's close button.
    void CloseBoxPressed();

    /// Work that every handler needs done first, such as building the windows the handlers
    /// reach; the first event runs it.
    static void BeforeAnyHandler(std::function<void()> work);

protected:
    // The handlers behind those events, by the control they happen to; a window ignores the
    // events it has no handler for.

    /// Centres the window on the screen by its outer size, inside the work area, before it
    /// appears.
    virtual void FormShow();
    virtual void Click(ControlId control);
    virtual void Change(ControlId control);
    virtual void KeyPress(ControlId control, char32_t& key);
    /// The start dialog and the input windows end the program, a result sheet closes.
    virtual void CloseBox();

    void ShowError(std::string_view text);
    void ShowInformation(std::string_view text);
    /// An empty field counts as 0, and shows it.
    void FillEmpty(ControlId edit);
    /// The whole number in a field's text or a list's chosen item.
    std::int32_t IntOf(ControlId control) const;

private:
    void Guarded(const std::function<void()>& handler);

    const WindowDescription& window_;
    std::string_view programTitle_;
    std::unique_ptr<View> view_;
};

}  // namespace Shell
