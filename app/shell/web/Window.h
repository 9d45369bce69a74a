// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One window of the program in a web page: its elements made from the window's description by
// the page's half of the face (face/), its events routed to the window's handlers, and the
// view those handlers read and write it through. Nothing here knows one window from another.
//
// A handler runs to its end as on the desktop: where it shows a modal sheet or a box, its
// frames wait (Asyncify) until the page closes the sheet or the box, and then it goes on.

#include "Shell.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace WebFace {

class Window : public Shell::View {
public:
    /// The window numbered `id` in the page, made from `description`.
    Window(int id, const Shell::WindowDescription& description);
    ~Window() override;

    const Shell::WindowDescription& Description() const { return description_; }
    /// The window's handlers.
    Shell::Form& Handlers() const { return *form_; }

    // Shell::View
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
    void HideWindow() override;
    void ShowModal() override;
    void CloseModal() override;
    Shell::Size ScreenSize() const override;
    Shell::Rect WorkArea() const override;
    Shell::Size OuterSize() const override;
    void MoveTo(Shell::Point outerTopLeft) override;
    void ShowMessage(const Shell::Message& message) override;
    std::string DecimalSeparator() const override;
    void Quit() override;

    // What the page hands on, by the control's position in the description.

    /// Whether Tab stops at the control now.
    bool IsTabStop(std::size_t position) const;
    /// A typed character through the window's key handler: the character to insert, or 0.
    char32_t Typed(std::size_t position, char32_t key);
    /// How many characters typing may make the field's text.
    int TypingLimit(std::size_t position) const { return limits_[position]; }
    /// The user pasted `pasted` over `length` characters from `start`.
    void Pasted(std::size_t position, std::size_t start, std::size_t length, std::string_view pasted);
    /// The user deleted from a field's text.
    void Edited(std::size_t position);
    /// Draws a field's text as large as its box lets it be.
    void FitText(std::size_t position);
    /// Sizes the labels that take the size of their text, once the page's faces are in.
    void SizeLabels();
    /// The text a Ctrl+C copies from a result sheet.
    std::string SheetText() const;

private:
    Shell::ControlId IdAt(std::size_t position) const { return Shell::ControlId::At(description_.controls, position); }
    void Build();
    void SizeLabel(std::size_t position);
    /// Names each input by its caption with its unit, and each sheet row as one line.
    void NameInputs();
    void Focus(bool firstShowing);
    /// Writes a field's text, line breaks and all.
    void WriteField(std::size_t position, std::string_view text);

    const int id_;
    const Shell::WindowDescription& description_;
    Shell::Form* form_ = nullptr;
    std::vector<std::string> texts_;  // of the labels and buttons, in the description's order
    std::vector<bool> hidden_, enabled_;
    std::vector<int> limits_;  // each field's typing limit now
    // A field's text where it holds line breaks, which the page's fields cannot: the field
    // shows each as a blank, and holds this text until the user changes it.
    std::vector<std::optional<std::string>> kept_;
    bool everShown_ = false;
};

/// Prints a result sheet's report through the browser's print dialog.
void PrintReport(const Shell::ReportContent& content);

/// Makes the windows of the program in the page.
class Face : public Shell::Face {
public:
    explicit Face(std::string_view programTitle);
    std::unique_ptr<Shell::View> MakeWindow(const Shell::WindowDescription& window) override;
    /// Runs `then` once the page has painted the window, before the next input reaches it.
    void AfterFirstPaint(Shell::View& window, std::function<void()> then) override;
};

}  // namespace WebFace
