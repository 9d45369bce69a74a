// SPDX-License-Identifier: GPL-3.0-or-later
// The window rules' scenarios played on the fake face: the face without a toolkit follows the
// rules as the shell decides them (focus, keys, open lists, modal windows and boxes), so that
// the scenarios and the rules are held to each other before any toolkit comes in.

#include "Conformance.h"
#include "FakeFace.h"
#include "ProgramWindows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>

using ShellTesting::FakeFace;
using ShellTesting::FakeView;

namespace {

class FakeDriver : public Conformance::Driver {
public:
    FakeDriver() { Start(); }

    // ---- The event loop

    void Post(std::function<void()> step) override { queue_.push_back(std::move(step)); }
    void Run() override
    {
        RunWhile([] { return true; });
    }
    void Stop() override { stopped_ = true; }

    // ---- The user

    void Start() override
    {
        program_.reset();
        face_ = std::make_unique<FakeFace>(ProgramTitle);
        face_->modalLoop = [this](const std::function<bool()>& open) { RunWhile(open); };
        program_ = std::make_unique<ProgramWindows>(*face_);
        focus_.clear();
        shown_.clear();
        everShown_.clear();
        openList_.reset();
        Form1->Window().ShowWindow();
    }

    void Press(Shell::Keystroke stroke) override
    {
        Follow();
        if (face_->openBox) {
            if (Shell::ClosesMessageBox(stroke)) {
                face_->openBox.reset();
                // The focus comes back from the program to the control that held it.
                const std::string window = Active();
                if (const auto focused = window.empty() ? std::nullopt : Focus(window))
                    FocusOn(window, *focused, false);
            }
            return;
        }
        const std::string window = Active();
        if (window.empty()) return;
        const std::optional<std::size_t> focused = Focus(window);
        const Shell::Form& form = FormNamed(window);
        const std::optional<Shell::Kind> kind =
            focused ? std::optional(form.Description().controls[*focused].kind) : std::nullopt;
        FakeView& view = FakeFace::ViewOf(form);
        switch (Shell::WhatKeyDoes(stroke, {form.Description().kind, kind, openList_.has_value()})) {
        case Shell::KeyAction::Nothing:
        case Shell::KeyAction::PrintSheet: break;
        case Shell::KeyAction::PressFocused: view.Press(NameAt(form, *focused)); break;
        case Shell::KeyAction::PressDefault: view.Press(NameAt(form, *Shell::DefaultButton(form.Description()))); break;
        case Shell::KeyAction::ChooseItem: {
            const int row = openList_->row;
            openList_.reset();
            view.Pick(NameAt(form, *focused), row);
            break;
        }
        case Shell::KeyAction::KeepItem: openList_.reset(); break;
        case Shell::KeyAction::CopySheet: clipboard_ = static_cast<const Shell::ResultSheet&>(form).SheetText(); break;
        case Shell::KeyAction::SelectAll: view.SelectWhole(NameAt(form, *focused), true); break;
        case Shell::KeyAction::Toolkit: Toolkit(stroke, form, focused); break;
        }
        Follow();
    }

    void Type(std::string_view text) override
    {
        Follow();
        const std::string window = Active();
        if (window.empty() || window == "Box") return;
        const Shell::Form& form = FormNamed(window);
        const std::optional<std::size_t> focused = Focus(window);
        if (!focused) return;
        FakeView& view = FakeFace::ViewOf(form);
        const std::string name = NameAt(form, *focused);
        if (form.Description().controls[*focused].kind == Shell::Kind::List) {
            // The rows type ASCII on lists.
            for (const char character : text) {
                if (!Shell::SeeksItem(character)) continue;
                Shell::TypeAhead& seeking = seeking_[window + "." + name];
                seeking = Shell::TypedAhead(seeking, character, now_);
                const std::optional<int> item = Shell::ItemStartingWith(view.ItemsOf(name), seeking.typed);
                if (item) MoveList(view, name, *item);
            }
            return;
        }
        if (form.Description().controls[*focused].kind == Shell::Kind::Edit) view.Type(name, text);
    }

    void Paste(std::string_view text) override
    {
        const std::string window = Active();
        if (window.empty() || window == "Box") return;
        const Shell::Form& form = FormNamed(window);
        const std::optional<std::size_t> focused = Focus(window);
        if (!focused || form.Description().controls[*focused].kind != Shell::Kind::Edit) return;
        FakeView& view = FakeFace::ViewOf(form);
        const std::string name = NameAt(form, *focused);
        // In place of the text selected, or at the caret, which stands at the end of the text.
        const std::string current = view.Text(name);
        const std::size_t selected = Characters(view.Selected(name));
        view.Paste(name, Shell::PastedText(current, Characters(current) - selected, selected, text));
    }

    void Click(std::string_view window, std::string_view control) override
    {
        // A modal window or a box takes all input while it stands open.
        if (Active() != window) return;
        const Shell::Form& form = FormNamed(window);
        const std::size_t index = IndexOf(form, control);
        FakeView& view = FakeFace::ViewOf(form);
        const Shell::Kind kind = form.Description().controls[index].kind;
        if (!view.Enabled(control) || view.Hidden(control)) return;
        if (Shell::TakesFocus(kind)) FocusOn(std::string(window), index, true);
        if (kind == Shell::Kind::Option) view.Select(control);
        if (kind == Shell::Kind::List) openList_ = ListOpen{view.Selection(control), std::string(window), index};
        if (kind == Shell::Kind::Button || kind == Shell::Kind::OkButton) view.Press(control);
        Follow();
    }

    void OpenList(std::string_view window, std::string_view control) override { Click(window, control); }

    void ClickRow(int row) override
    {
        if (!openList_) return;
        openList_->row = row;
        Press({Shell::Key::Enter});
    }

    void CloseBox(std::string_view window) override
    {
        if (Active() != window) return;
        FakeFace::ViewOf(FormNamed(window)).PressCloseBox();
        Follow();
    }

    void SetDecimalSeparator(std::string_view separator) override { face_->decimalSeparator = separator; }

    // The lists' clock runs on without a wait.
    void Pause() override { now_ += Shell::TypeAheadPause + 1; }

    // ---- What the face shows

    std::string Text(std::string_view window, std::string_view control) override
    {
        return FakeFace::ViewOf(FormNamed(window)).Text(control);
    }

    std::string Selected(std::string_view window, std::string_view control) override
    {
        return FakeFace::ViewOf(FormNamed(window)).Selected(control);
    }

    std::string Focused() override
    {
        Follow();
        const std::string window = Active();
        if (window == "Box") return "Box.OK";
        const std::optional<std::size_t> focused = window.empty() ? std::nullopt : Focus(window);
        return focused ? window + "." + NameAt(FormNamed(window), *focused) : "";
    }

    std::string Active() override
    {
        if (face_->openBox) return "Box";
        for (const char* sheet : {"Form3", "Form5"})
            if (FakeFace::ViewOf(FormNamed(sheet)).Shown()) return sheet;
        for (const char* window : {"Form2", "Form4", "Form1"})
            if (FakeFace::ViewOf(FormNamed(window)).Shown()) return window;
        return "";
    }

    std::optional<Shell::Message> OpenBox() override { return face_->openBox; }
    std::string Clipboard() override { return clipboard_; }

    std::optional<Conformance::Edge> InkOf(std::string_view window, std::string_view control) override
    {
        if (window == "Box")
            return Shell::MessageLineReading == Shell::Reading::LeftToRight ? Conformance::Edge::Left
                                                                            : Conformance::Edge::Right;
        const Shell::Control& shown = FormNamed(window).Description().controls[IndexOf(FormNamed(window), control)];
        return shown.align == Shell::Align::Centred ? Conformance::Edge::Centre : Conformance::Edge::Right;
    }

    std::optional<Conformance::Edge> RowsOfOpenList() override { return Conformance::Edge::Right; }
    bool DrawnWhole(std::string_view, std::string_view) override { return true; }
    bool Ended() override { return face_->quit; }

    // ---- Whole on the screen: the fake screen, where every window fits and none scrolls.

    void Wheel(std::string_view, int) override {}
    Shell::Rect FrameOf(std::string_view window) override
    {
        const FakeView& view = FakeFace::ViewOf(FormNamed(window));
        return {view.Position().x, view.Position().y, view.OuterSize().width, view.OuterSize().height};
    }
    Shell::Rect ShownOf(std::string_view window) override
    {
        // The frame's sides are as wide as its bottom; the title bar takes the rest.
        const Shell::Rect frame = FrameOf(window);
        const int side = FakeFace::Frame.width / 2;
        const Shell::Size client = FormNamed(window).Description().client;
        return {frame.left + side, frame.top + FakeFace::Frame.height - side, client.width, client.height};
    }
    Shell::Rect BoxOf(std::string_view window, std::string_view control) override
    {
        const Shell::Rect shown = ShownOf(window);
        const Shell::Rect box = FormNamed(window).Description().controls[IndexOf(FormNamed(window), control)].box;
        return {shown.left + box.left, shown.top + box.top, box.width, box.height};
    }
    Shell::Rect WorkArea() override { return FakeFace::ViewOf(*Form1).WorkArea(); }
    std::optional<OpenListSeen> OpenListOnScreen() override
    {
        // The fake face opens its lists where the rules say.
        if (!openList_) return std::nullopt;
        const Shell::Form& form = FormNamed(openList_->window);
        const std::string name = NameAt(form, openList_->list);
        const Shell::Rect field = BoxOf(openList_->window, name);
        const int items = int(FakeFace::ViewOf(form).ItemsOf(name).size());
        const Shell::OpenListPlace place = Shell::PlaceOpenList(field, items, Shell::ListRowHeight, WorkArea());
        return OpenListSeen{place.box, field, items, Shell::ListRowHeight, place.rows};
    }

private:
    struct ListOpen {
        int row;  // the row the highlight stands on
        std::string window;
        std::size_t list = 0;  // its place in the window's description
    };

    static std::size_t Characters(std::string_view text)
    {
        std::size_t count = 0;
        for (const char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
        return count;
    }

    void RunWhile(const std::function<bool()>& open)
    {
        while (!stopped_ && open() && !queue_.empty()) {
            const std::function<void()> step = std::move(queue_.front());
            queue_.pop_front();
            step();
        }
    }

    static const Shell::Form& FormNamed(std::string_view name)
    {
        const std::map<std::string_view, const Shell::Form*> forms = {
            {"Form1", Form1}, {"Form2", Form2}, {"Form3", Form3}, {"Form4", Form4}, {"Form5", Form5}};
        return *forms.at(name);
    }

    static std::size_t IndexOf(const Shell::Form& form, std::string_view control)
    {
        const auto controls = form.Description().controls;
        for (std::size_t i = 0; i < controls.size(); ++i)
            if (controls[i].name == control) return i;
        ADD_FAILURE() << form.Description().name << " has no control " << control;
        return 0;
    }

    static std::string NameAt(const Shell::Form& form, std::size_t index)
    {
        return std::string(form.Description().controls[index].name);
    }

    std::optional<std::size_t> Focus(const std::string& window) const
    {
        const auto found = focus_.find(window);
        return found == focus_.end() ? std::nullopt : std::optional(found->second);
    }

    // The focus comes to a control: a field that takes it shows its text as the rules say.
    void FocusOn(const std::string& window, std::size_t index, bool byPointer)
    {
        const bool held = Focus(window) == index;
        focus_[window] = index;
        const Shell::Form& form = FormNamed(window);
        if (form.Description().controls[index].kind != Shell::Kind::Edit) return;
        const bool whole = !byPointer || Shell::WhatPressDoes(held) == Shell::FieldPress::SelectWhole;
        FakeFace::ViewOf(form).SelectWhole(NameAt(form, index), whole);
    }

    // A list moves to a row: its highlight where it stands open, its item where it is closed.
    void MoveList(FakeView& view, std::string_view list, int row)
    {
        if (openList_)
            openList_->row = row;
        else
            view.Pick(list, row);
    }

    // A window newly shown takes its focus as the rules say.
    void Follow()
    {
        for (const char* name : {"Form1", "Form2", "Form3", "Form4", "Form5"}) {
            const Shell::Form& form = FormNamed(name);
            const bool shown = FakeFace::ViewOf(form).Shown();
            if (shown && !shown_[name]) {
                const bool first = !everShown_[name];
                everShown_[name] = true;
                if (const auto focus = Shell::FocusWhenShown(form.Description(), first)) FocusOn(name, *focus, false);
            }
            shown_[name] = shown;
        }
    }

    bool IsStop(const Shell::Form& form, std::size_t index) const
    {
        const Shell::Control& control = form.Description().controls[index];
        const FakeView& view = FakeFace::ViewOf(form);
        return Shell::IsTabStop(control.kind, view.Selection(control.name) == 1, view.Hidden(control.name),
                                view.Enabled(control.name));
    }

    // What the toolkit does with a key: Tab between the stops, the arrows within the option
    // group and through a list, Space on a button or an option.
    void Toolkit(Shell::Keystroke stroke, const Shell::Form& form, std::optional<std::size_t> focused)
    {
        const std::string window(form.Description().name);
        const auto controls = form.Description().controls;
        FakeView& view = FakeFace::ViewOf(form);
        const auto step = [&](std::size_t from, int by, auto accepts) -> std::optional<std::size_t> {
            const std::size_t count = controls.size();
            for (std::size_t i = 1; i <= count; ++i) {
                const std::size_t at = (from + count + std::size_t(by) * i) % count;
                if (accepts(at)) return at;
            }
            return std::nullopt;
        };
        if (stroke.key == Shell::Key::Tab && !stroke.control && !stroke.alt) {
            const auto next =
                step(focused.value_or(0), stroke.shift ? -1 : 1, [&](std::size_t at) { return IsStop(form, at); });
            if (next) FocusOn(window, *next, false);
            return;
        }
        if (!focused || !stroke.Plain()) return;
        const Shell::Control& control = controls[*focused];
        const bool back = stroke.key == Shell::Key::Up || stroke.key == Shell::Key::Left;
        const bool forth = stroke.key == Shell::Key::Down || stroke.key == Shell::Key::Right;
        if (control.kind == Shell::Kind::Option && (back || forth)) {
            const auto next =
                step(*focused, back ? -1 : 1, [&](std::size_t at) { return controls[at].kind == Shell::Kind::Option; });
            if (next) {
                focus_[window] = *next;
                view.Select(controls[*next].name);
            }
        } else if (control.kind == Shell::Kind::List) {
            const int count = int(view.ItemsOf(control.name).size());
            const int from = openList_ ? openList_->row : view.Selection(control.name);
            if (const auto row = Shell::ListRowAfterKey(stroke, from, count)) MoveList(view, control.name, *row);
        } else if (stroke.key == Shell::Key::Space) {
            if (control.kind == Shell::Kind::Button || control.kind == Shell::Kind::OkButton) view.Press(control.name);
            if (control.kind == Shell::Kind::Option) view.Select(control.name);
        }
    }

    std::unique_ptr<FakeFace> face_;
    std::unique_ptr<ProgramWindows> program_;
    std::deque<std::function<void()>> queue_;
    bool stopped_ = false;
    std::map<std::string, std::size_t> focus_;
    std::map<std::string, bool> shown_, everShown_;
    std::optional<ListOpen> openList_;
    std::string clipboard_;
    std::int64_t now_ = 0;                             // the lists' clock, milliseconds
    std::map<std::string, Shell::TypeAhead> seeking_;  // what each list's typing seeks
};

class FakeConformance : public ::testing::TestWithParam<Conformance::Scenario> {};

TEST_P(FakeConformance, FollowsTheRules)
{
    FakeDriver driver;
    for (const std::string& failure : Conformance::Play(driver, GetParam())) ADD_FAILURE() << failure;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, FakeConformance, ::testing::ValuesIn(Conformance::Scenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
