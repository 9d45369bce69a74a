// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeFace.h"

#include <gtest/gtest.h>

#include <ostream>
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
        controls_.emplace(std::string(control.name),
                          State{control.kind, std::string(control.text), Shell::ItemTexts(control.items),
                                control.selected, control.maxLength, control.maxLength, true, control.hidden});
}

FakeView::State& FakeView::At(std::string_view control) { return const_cast<State&>(std::as_const(*this).At(control)); }

const FakeView::State& FakeView::At(std::string_view control) const
{
    static State none{Shell::Kind::Label, {}, {}, -1, 0, 0, true, false};
    const auto found = controls_.find(control);
    if (found != controls_.end()) return found->second;
    face_.unknownControls.push_back(std::string(window_.name) + "." + std::string(control));
    ADD_FAILURE() << window_.name << " has no control " << control;
    return none;
}

void FakeView::Type(std::string_view edit, std::string_view text)
{
    for (const std::string& character : Characters(text)) {
        char32_t key = CodePoint(character);
        form_->Typed(edit, key);
        if (key == 0) continue;
        State& box = At(edit);
        std::vector<std::string> characters = Characters(box.text);
        if (key == 8) {
            if (!characters.empty()) characters.pop_back();
            box.limit = Shell::LimitAfterEditing(box.maxLength, box.limit, int(characters.size()));
        } else if (int(characters.size()) < box.limit) {
            characters.push_back(character);
        }
        box.text = Joined(characters, characters.size());
    }
}

void FakeView::Paste(std::string_view edit, std::string_view text)
{
    State& box = At(edit);
    box.text = text;
    box.limit = Shell::LimitAfterWriting(box.maxLength, int(Characters(text).size()));
}

void FakeView::Pick(std::string_view list, int position)
{
    State& state = At(list);
    if (!state.enabled || state.hidden) ADD_FAILURE() << list << " cannot be picked from";
    if (position == state.selection) return;
    state.selection = position;
    form_->Changed(list);
}

void FakeView::PickText(std::string_view list, std::string_view text)
{
    const std::vector<std::string>& items = At(list).items;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) return Pick(list, int(i));
    ADD_FAILURE() << list << " holds no item " << text;
}

void FakeView::Select(std::string_view option)
{
    for (auto& [name, state] : controls_)
        if (state.kind == Shell::Kind::Option) state.selection = name == option ? 1 : 0;
}

void FakeView::Press(std::string_view button)
{
    const State& state = At(button);
    if (!state.enabled || state.hidden) ADD_FAILURE() << button << " cannot be pressed";
    form_->Clicked(button);
}

void FakeView::PressCloseBox() { form_->CloseBoxPressed(); }

bool FakeView::Enabled(std::string_view control) const { return At(control).enabled; }

std::vector<std::string> FakeView::ItemsOf(std::string_view list) const { return At(list).items; }

std::map<std::string, std::string> FakeView::Labels() const
{
    std::map<std::string, std::string> labels;
    for (const auto& [name, state] : controls_)
        if (state.kind == Shell::Kind::Label) labels[name] = state.text;
    return labels;
}

std::vector<int> FakeView::ListSelections() const
{
    std::vector<int> selections;
    for (const Shell::Control& control : window_.controls)
        if (control.kind == Shell::Kind::List) selections.push_back(At(control.name).selection);
    return selections;
}

std::vector<std::string> FakeView::EditTexts() const
{
    std::vector<std::string> texts;
    for (const Shell::Control& control : window_.controls)
        if (control.kind == Shell::Kind::Edit) texts.push_back(At(control.name).text);
    return texts;
}

std::string FakeView::Text(std::string_view control) const
{
    const State& state = At(control);
    if (state.kind != Shell::Kind::List) return state.text;
    return state.selection >= 0 && state.selection < int(state.items.size()) ? state.items[state.selection] : "";
}

int FakeView::Selection(std::string_view control) const { return At(control).selection; }

bool FakeView::Hidden(std::string_view control) const { return At(control).hidden; }

void FakeView::SetText(std::string_view control, std::string_view text)
{
    State& state = At(control);
    state.text = text;
    state.limit = Shell::LimitAfterWriting(state.maxLength, int(Characters(text).size()));
}

void FakeView::SetItems(std::string_view control, std::span<const std::string> items)
{
    State& list = At(control);
    list.items.assign(items.begin(), items.end());
    list.selection = -1;
}

void FakeView::SetSelection(std::string_view control, int position)
{
    State& state = At(control);
    if (state.kind == Shell::Kind::Option) {
        if (position) Select(control);
        return;
    }
    state.selection = position >= 0 && position < int(state.items.size()) ? position : -1;
}

void FakeView::SetEnabled(std::string_view control, bool enabled) { At(control).enabled = enabled; }

void FakeView::SetHidden(std::string_view control, bool hidden) { At(control).hidden = hidden; }

void FakeView::ShowWindow()
{
    form_->Shown();
    shown_ = true;
}

void FakeView::ShowModal()
{
    form_->Shown();
    shown_ = true;
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
    if (!face_.modalLoop) return;
    face_.openBox = message;
    face_.modalLoop([this] { return face_.openBox.has_value(); });
    face_.openBox.reset();
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
