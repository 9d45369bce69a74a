// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeFace.h"

#include "ControlNamed.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <utility>

namespace Shell {

void PrintTo(const Message& message, std::ostream* out)
{
    *out << (message.kind == MessageKind::Error ? "error" : "information") << " box \"" << message.caption << "\": \""
         << message.text << '"';
}

}  // namespace Shell

namespace ShellTesting {

namespace {

// The UTF-8 characters of a text, one string each.
std::vector<std::string> Characters(std::string_view text)
{
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80 && !characters.empty())
            characters.back() += text[i];
        else
            characters.emplace_back(1, text[i]);
    }
    return characters;
}

char32_t CodePoint(const std::string& character)
{
    const auto lead = static_cast<unsigned char>(character[0]);
    if (lead < 0x80) return lead;
    const int bits = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 4 : 5;
    char32_t code = lead & ((1u << bits) - 1);
    for (std::size_t i = 1; i < character.size(); ++i) code = (code << 6) | (character[i] & 0x3F);
    return code;
}

std::string Joined(const std::vector<std::string>& characters, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count && i < characters.size(); ++i) text += characters[i];
    return text;
}

}  // namespace

FakeView::FakeView(FakeFace& face, const Shell::WindowDescription& window) : face_(face), window_(window)
{
    for (const Shell::Control& control : window.controls)
        controls_.push_back(State{control.kind, std::string(control.text), Shell::ItemTexts(control.items),
                                  control.selected, control.selected, control.maxLength, control.maxLength, true,
                                  control.hidden});
}

Shell::ControlId FakeView::Id(std::string_view control) const
{
    if (const auto found = FindControl(window_, control)) return *found;
    face_.unknownControls.push_back(std::string(window_.name) + "." + std::string(control));
    ADD_FAILURE() << window_.name << " has no control " << control;
    throw std::invalid_argument(std::string(control));
}

FakeView::State& FakeView::At(Shell::ControlId control) { return const_cast<State&>(std::as_const(*this).At(control)); }

const FakeView::State& FakeView::At(Shell::ControlId control) const
{
    return controls_[Shell::PositionOf(window_, control)];
}

void FakeView::Type(std::string_view edit, std::string_view text)
{
    const Shell::ControlId id = Id(edit);
    for (const std::string& character : Characters(text)) {
        char32_t key = CodePoint(character);
        form_->Typed(id, key);
        if (key == 0) continue;
        State& box = At(id);
        std::vector<std::string> characters = Characters(box.text);
        // A whole text selected goes, and a backspace deletes nothing more.
        const bool replaced = std::exchange(box.wholeSelected, false);
        if (replaced) {
            characters.clear();
            box.limit = Shell::LimitAfterEditing(box.maxLength, box.limit, 0);
        }
        if (key == 8) {
            if (!characters.empty() && !replaced) characters.pop_back();
            box.limit = Shell::LimitAfterEditing(box.maxLength, box.limit, int(characters.size()));
        } else if (int(characters.size()) < box.limit) {
            // The character the handler let through, which may stand for the one typed.
            characters.push_back(Shell::Utf8Of(key));
        }
        box.text = Joined(characters, characters.size());
    }
}

void FakeView::SelectWhole(std::string_view edit, bool whole) { At(Id(edit)).wholeSelected = whole; }

std::string FakeView::Selected(std::string_view edit) const
{
    const State& box = At(Id(edit));
    return box.wholeSelected ? box.text : std::string();
}

void FakeView::Paste(std::string_view edit, std::string_view text)
{
    State& box = At(Id(edit));
    box.wholeSelected = false;
    box.text = text;
    box.limit = Shell::LimitAfterWriting(box.maxLength, int(Characters(text).size()));
}

void FakeView::Pick(std::string_view list, int position, bool listOpen)
{
    const Shell::ControlId id = Id(list);
    State& state = At(id);
    if (!state.enabled || state.hidden) ADD_FAILURE() << list << " cannot be picked from";
    const bool moved = state.selection != position;
    state.selection = position;
    if (moved) Announce(Shell::ListChangeHeard(*this, id));
    if (!Shell::IsUserChange(state.known, position, listOpen, false)) return;
    state.known = position;
    form_->Changed(id);
}

void FakeView::PickText(std::string_view list, std::string_view text)
{
    const std::vector<std::string>& items = At(Id(list)).items;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) return Pick(list, int(i));
    ADD_FAILURE() << list << " holds no item " << text;
}

void FakeView::Select(std::string_view option)
{
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].kind == Shell::Kind::Option)
            controls_[i].selection = window_.controls[i].name == option ? 1 : 0;
}

void FakeView::Press(std::string_view button)
{
    const Shell::ControlId id = Id(button);
    const State& state = At(id);
    if (!state.enabled || state.hidden) ADD_FAILURE() << button << " cannot be pressed";
    form_->Clicked(id);
}

void FakeView::PressCloseBox() { form_->CloseBoxPressed(); }

bool FakeView::Enabled(std::string_view control) const { return At(Id(control)).enabled; }

std::vector<std::string> FakeView::ItemsOf(std::string_view list) const { return At(Id(list)).items; }

std::map<std::string, std::string> FakeView::Labels() const
{
    std::map<std::string, std::string> labels;
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].kind == Shell::Kind::Label) labels[std::string(window_.controls[i].name)] = controls_[i].text;
    return labels;
}

std::vector<int> FakeView::ListSelections() const
{
    std::vector<int> selections;
    for (const State& state : controls_)
        if (state.kind == Shell::Kind::List) selections.push_back(state.selection);
    return selections;
}

std::vector<std::string> FakeView::EditTexts() const
{
    std::vector<std::string> texts;
    for (const State& state : controls_)
        if (state.kind == Shell::Kind::Edit) texts.push_back(state.text);
    return texts;
}

std::string FakeView::Text(Shell::ControlId control) const
{
    const State& state = At(control);
    if (state.kind != Shell::Kind::List) return state.text;
    return state.selection >= 0 && state.selection < int(state.items.size()) ? state.items[state.selection] : "";
}

int FakeView::Selection(Shell::ControlId control) const { return At(control).selection; }

bool FakeView::Hidden(Shell::ControlId control) const { return At(control).hidden; }

void FakeView::SetText(Shell::ControlId control, std::string_view text)
{
    State& state = At(control);
    state.text = text;
    state.limit = Shell::LimitAfterWriting(state.maxLength, int(Characters(text).size()));
    state.wholeSelected = false;
}

void FakeView::SetItems(Shell::ControlId control, std::span<const std::string> items)
{
    State& list = At(control);
    list.items.assign(items.begin(), items.end());
    list.selection = list.known = -1;
}

void FakeView::SetSelection(Shell::ControlId control, int position)
{
    State& state = At(control);
    if (state.kind == Shell::Kind::Option) {
        if (position) Select(control->name);
        return;
    }
    const int had = state.selection;
    state.selection = state.known = position >= 0 && position < int(state.items.size()) ? position : -1;
    if (state.selection != had) Announce(Shell::ListChangeHeard(*this, control));
}

void FakeView::SetEnabled(Shell::ControlId control, bool enabled) { At(control).enabled = enabled; }

void FakeView::SetHidden(Shell::ControlId control, bool hidden) { At(control).hidden = hidden; }

void FakeView::ShowWindow()
{
    form_->Shown();
    shown_ = true;
    Announce(Shell::ShowingHeard(window_, *this));
}

void FakeView::ShowModal()
{
    form_->Shown();
    shown_ = true;
    Announce(Shell::ShowingHeard(window_, *this));
    face_.modals.emplace_back(window_.name);
    if (face_.modalLoop) {
        face_.modalLoop([this] { return shown_; });
        return;
    }
    if (face_.whileModal) face_.whileModal(*this);
    shown_ = false;
}

Shell::Size FakeView::ScreenSize() const { return face_.screen; }

Shell::Rect FakeView::WorkArea() const
{
    return face_.workArea.value_or(Shell::Rect{0, 0, face_.screen.width, face_.screen.height});
}

Shell::Size FakeView::OuterSize() const
{
    return {window_.client.width + FakeFace::Frame.width, window_.client.height + FakeFace::Frame.height};
}

void FakeView::ShowMessage(const Shell::Message& message)
{
    face_.messages.push_back(message);
    Announce(Shell::BoxHeard(message));
    if (!face_.modalLoop) return;
    face_.openBox = message;
    face_.modalLoop([this] { return face_.openBox.has_value(); });
    face_.openBox.reset();
}

void FakeView::Announce(const std::string& text)
{
    // A window not showing is not heard: its lists set up before it shows say nothing.
    if (shown_ && !text.empty()) face_.heard.push_back(text);
}

std::string FakeView::DecimalSeparator() const { return face_.decimalSeparator; }

void FakeView::Quit() { face_.quit = true; }

std::unique_ptr<Shell::View> FakeFace::MakeWindow(const Shell::WindowDescription& window)
{
    return std::make_unique<FakeView>(*this, window);
}

Outcome PressAndRecord(FakeFace& face, FakeView& view, std::string_view button)
{
    const std::size_t messages = face.messages.size();
    const std::size_t modals = face.modals.size();
    view.Press(button);
    return {{face.messages.begin() + std::ptrdiff_t(messages), face.messages.end()},
            {face.modals.begin() + std::ptrdiff_t(modals), face.modals.end()}};
}

}  // namespace ShellTesting
