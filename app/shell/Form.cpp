// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form.h"

#include "Rules.h"

#include <functional>
#include <utility>

namespace Shell {

namespace {

// The code point that ends a UTF-8 text; 0 for an empty one.
char32_t LastCodePoint(std::string_view text)
{
    std::size_t start = text.size();
    while (start > 0 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80) --start;
    if (start == 0) return text.empty() ? 0 : U'\uFFFD';
    --start;
    const auto lead = static_cast<unsigned char>(text[start]);
    const std::size_t length = text.size() - start;
    if (lead < 0x80) return length == 1 ? lead : U'\uFFFD';
    const int bits = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 4 : 5;
    char32_t code = lead & ((1u << bits) - 1);
    for (std::size_t i = start + 1; i < text.size(); ++i) code = (code << 6) | (text[i] & 0x3F);
    return code;
}

// Letters and digits of the Latin and Arabic scripts, the only ones the program's texts hold.
bool LetterOrDigit(char32_t c)
{
    if ((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z')) return true;
    if (c >= 0xC0 && c <= 0x24F) return c != 0xD7 && c != 0xF7;
    return (c >= 0x620 && c <= 0x64A) || (c >= 0x660 && c <= 0x669) || (c >= 0x66E && c <= 0x6D3) ||
           (c >= 0x6F0 && c <= 0x6FF);
}

std::function<void()>& Pending()
{
    static std::function<void()> work;
    return work;
}

void RunPending()
{
    if (!Pending()) return;
    const std::function<void()> work = std::exchange(Pending(), {});
    work();
}

}  // namespace

void Form::BeforeAnyHandler(std::function<void()> work) { Pending() = std::move(work); }

// A failure that escapes a handler: the general error box shows it, and the program goes on.
void Form::Guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const HandlerFailure& failure) {
        view_->ShowMessage(GeneralErrorBox(programTitle_, failure.Message()));
    } catch (const std::exception& failure) {
        view_->ShowMessage(GeneralErrorBox(programTitle_, failure.what()));
    }
}

std::size_t PositionOf(const WindowDescription& window, ControlId control)
{
    // Compared as std::less does, since the control may lie in another window's table.
    const std::less<const Control*> before;
    const Control* const first = window.controls.data();
    if (before(&*control, first) || !before(&*control, first + window.controls.size()))
        throw HandlerFailure(std::string(window.name) + " has no control " + std::string(control->name));
    return std::size_t(&*control - first);
}

std::vector<std::string> MessageLines(std::string_view text)
{
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

Message ErrorBox(std::string_view text) { return {MessageKind::Error, "Error", std::string(text)}; }

Message InformationBox(std::string_view text) { return {MessageKind::Information, "Information", std::string(text)}; }

Message GeneralErrorBox(std::string_view programTitle, std::string_view failure)
{
    std::string text(failure);
    if (LetterOrDigit(LastCodePoint(text))) text += '.';
    return {MessageKind::Error, std::string(programTitle), text};
}

Form::Form(Face& face, const WindowDescription& window)
    : window_(window), programTitle_(face.ProgramTitle()), view_(face.MakeWindow(window))
{
    view_->Attach(*this);
}

Form::~Form() = default;

void Form::Shown()
{
    Guarded([this] { FormShow(); });
}

void Form::Clicked(ControlId control)
{
    RunPending();
    Guarded([this, control] { Click(control); });
}

void Form::Changed(ControlId control)
{
    RunPending();
    Guarded([this, control] { Change(control); });
}

void Form::Typed(ControlId control, char32_t& key)
{
    RunPending();
    Guarded([this, control, &key] { KeyPress(control, key); });
}

void Form::CloseBoxPressed()
{
    RunPending();
    Guarded([this] { CloseBox(); });
}

void Form::FormShow() { view_->MoveTo(PlacedTopLeft(view_->ScreenSize(), view_->WorkArea(), view_->OuterSize())); }

void Form::Click(ControlId) {}

void Form::Change(ControlId) {}

void Form::KeyPress(ControlId, char32_t&) {}

void Form::CloseBox()
{
    // An input window closed would leave the program running with no window to be seen:
    // it ends the program as Exit does.
    if (window_.kind == WindowKind::ResultSheet)
        view_->CloseModal();
    else
        view_->Quit();
}

void Form::ShowError(std::string_view text) { view_->ShowMessage(ErrorBox(text)); }

void Form::ShowInformation(std::string_view text) { view_->ShowMessage(InformationBox(text)); }

void Form::FillEmpty(ControlId edit)
{
    if (view_->Text(edit).empty()) view_->SetText(edit, "0");
}

std::int32_t Form::IntOf(ControlId control) const { return StrToInt(view_->Text(control)); }

}  // namespace Shell
