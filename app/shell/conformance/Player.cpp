// SPDX-License-Identifier: GPL-3.0-or-later
#include "Conformance.h"

#include "Form.h"

#include <utility>

namespace Conformance {

namespace {

struct Target {
    std::string_view window;
    std::string_view control;
};

Target Split(std::string_view target)
{
    const std::size_t dot = target.find('.');
    if (dot == std::string_view::npos) return {target, {}};
    return {target.substr(0, dot), target.substr(dot + 1)};
}

std::optional<Edge> EdgeNamed(std::string_view name)
{
    if (name == "left") return Edge::Left;
    if (name == "centre") return Edge::Centre;
    if (name == "right") return Edge::Right;
    return std::nullopt;
}

std::string_view NameOf(Edge edge)
{
    switch (edge) {
    case Edge::Left: return "left";
    case Edge::Centre: return "centre";
    case Edge::Right: return "right";
    }
    return "?";
}

// Notches enough to turn any window's client area from one end to the other.
constexpr int WheelToTheEnd = 40;

bool Inside(const Shell::Rect& box, const Shell::Rect& area)
{
    return box.left >= area.left && box.top >= area.top && box.left + box.width <= area.left + area.width &&
           box.top + box.height <= area.top + area.height;
}

std::string Print(const Shell::Rect& box)
{
    return std::to_string(box.left) + "," + std::to_string(box.top) + " " + std::to_string(box.width) + "x" +
           std::to_string(box.height);
}

class Player {
public:
    Player(Driver& driver, const Scenario& scenario) : driver_(driver), scenario_(scenario) {}

    std::vector<std::string> Play()
    {
        driver_.Post([this] { Next(); });
        driver_.Run();
        return std::move(failures_);
    }

private:
    // The next row runs once this one is done, or inside the modal window this one opens.
    void Next()
    {
        if (next_ == scenario_.rows.size()) {
            driver_.Stop();
            return;
        }
        const Row& row = scenario_.rows[next_++];
        driver_.Post([this] { Next(); });
        Execute(row, next_);
    }

    void Fail(std::size_t number, const Row& row, std::string_view seen)
    {
        failures_.push_back(std::string(scenario_.name) + ", row " + std::to_string(number) + " (" +
                            std::string(row.target) + " " + std::string(row.text) + "): " + std::string(seen));
    }

    void Expect(std::size_t number, const Row& row, bool held, std::string_view seen)
    {
        if (!held) Fail(number, row, seen);
    }

    void Execute(const Row& row, std::size_t number)
    {
        const auto [window, control] = Split(row.target);
        switch (row.what) {
        case Do::Start: driver_.Start(); break;
        case Do::Press: driver_.Press(KeyNamed(row.text)); break;
        case Do::Type: driver_.Type(row.text); break;
        case Do::Paste: driver_.Paste(row.text); break;
        case Do::Click: driver_.Click(window, control); break;
        case Do::OpenList: driver_.OpenList(window, control); break;
        case Do::ClickRow: driver_.ClickRow(std::stoi(std::string(row.text))); break;
        case Do::CloseBox: driver_.CloseBox(window); break;
        case Do::DecimalComma: driver_.SetDecimalSeparator(","); break;
        case Do::Pause: driver_.Pause(); break;
        case Do::Text: {
            const std::string seen = driver_.Text(window, control);
            Expect(number, row, seen == row.text, "shows \"" + seen + "\"");
            break;
        }
        case Do::Focus: {
            const std::string seen = driver_.Focused();
            Expect(number, row, seen == row.target, "the focus is on \"" + seen + "\"");
            break;
        }
        case Do::Selected: {
            const std::string seen = driver_.Selected(window, control);
            Expect(number, row, seen == row.text, "\"" + seen + "\" is selected");
            break;
        }
        case Do::Active: {
            const std::string seen = driver_.Active();
            Expect(number, row, seen == row.target, "the user works in \"" + seen + "\"");
            break;
        }
        case Do::Box:
        case Do::BoxCaption: {
            const std::optional<Shell::Message> box = driver_.OpenBox();
            if (!box) {
                Fail(number, row, "no box stands open");
                break;
            }
            const std::string& seen = row.what == Do::Box ? box->text : box->caption;
            Expect(number, row, Shell::MessageLines(seen) == Shell::MessageLines(row.text),
                   "the box says \"" + seen + "\"");
            break;
        }
        case Do::NoBox: {
            const std::optional<Shell::Message> box = driver_.OpenBox();
            Expect(number, row, !box, box ? "a box stands open: \"" + box->text + "\"" : "");
            break;
        }
        case Do::Clipboard: {
            const std::string seen = driver_.Clipboard();
            bool found = false;
            for (const std::string& line : Shell::MessageLines(seen)) found = found || line == row.text;
            Expect(number, row, found, "the clipboard holds \"" + seen + "\"");
            break;
        }
        case Do::InkAt:
        case Do::RowsAt: {
            const std::optional<Edge> seen =
                row.what == Do::InkAt ? driver_.InkOf(window, control) : driver_.RowsOfOpenList();
            if (seen) Expect(number, row, seen == EdgeNamed(row.text), "the ink stands " + std::string(NameOf(*seen)));
            break;
        }
        case Do::Whole: Expect(number, row, driver_.DrawnWhole(window, control), "the text is cut"); break;
        case Do::Ended: Expect(number, row, driver_.Ended(), "the program still runs"); break;
        case Do::Wheel: driver_.Wheel(window, row.text == "up" ? -WheelToTheEnd : WheelToTheEnd); break;
        case Do::OnScreen: {
            const Shell::Rect box = driver_.BoxOf(window, control);
            const bool shown = Inside(box, driver_.ShownOf(window)), onScreen = Inside(box, driver_.WorkArea());
            Expect(number, row, shown && onScreen,
                   "it stands at " + Print(box) +
                       (shown ? ", off the work area " + Print(driver_.WorkArea())
                              : ", out of the window's " + Print(driver_.ShownOf(window))));
            break;
        }
        case Do::ListOnScreen: {
            const auto seen = driver_.OpenListOnScreen();
            if (!seen) {
                Fail(number, row, "no list stands open");
                break;
            }
            const Shell::Rect work = driver_.WorkArea();
            const int border = seen->box.height - seen->rows * seen->rowHeight;
            const Shell::OpenListPlace place =
                Shell::PlaceOpenList(seen->field, seen->items, seen->rowHeight, work, border);
            Expect(number, row, Inside(seen->box, work) && seen->rows >= place.rows,
                   "it stands at " + Print(seen->box) + " showing " + std::to_string(seen->rows) + " rows, not " +
                       std::to_string(place.rows) + " inside the work area " + Print(work));
            break;
        }
        case Do::InWorkArea: {
            const Shell::Rect frame = driver_.FrameOf(window), work = driver_.WorkArea();
            Expect(number, row, frame.top >= work.top && frame.top + frame.height <= work.top + work.height,
                   "its frame stands at " + Print(frame) + ", the work area at " + Print(work));
            break;
        }
        }
    }

    Driver& driver_;
    const Scenario& scenario_;
    std::size_t next_ = 0;
    std::vector<std::string> failures_;
};

}  // namespace

Shell::Keystroke KeyNamed(std::string_view name)
{
    using Shell::Key;
    Shell::Keystroke stroke;
    const auto modifier = [&name](std::string_view prefix) {
        if (!name.starts_with(prefix)) return false;
        name.remove_prefix(prefix.size());
        return true;
    };
    while (true) {
        if (modifier("Ctrl+"))
            stroke.control = true;
        else if (modifier("Alt+"))
            stroke.alt = true;
        else if (modifier("Shift+"))
            stroke.shift = true;
        else
            break;
    }
    constexpr std::pair<std::string_view, Key> keys[] = {
        {"Enter", Key::Enter},
        {"Escape", Key::Escape},
        {"Space", Key::Space},
        {"Tab", Key::Tab},
        {"Up", Key::Up},
        {"Down", Key::Down},
        {"Left", Key::Left},
        {"Right", Key::Right},
        {"C", Key::C},
        {"P", Key::P},
        {"V", Key::V},
        {"Backspace", Key::Backspace},
        {"A", Key::A},
        {"Home", Key::Home},
        {"End", Key::End},
        {"PageUp", Key::PageUp},
        {"PageDown", Key::PageDown},
    };
    for (const auto& [keyName, key] : keys)
        if (name == keyName) stroke.key = key;
    return stroke;
}

char32_t CharacterOf(std::string_view name)
{
    const Shell::Keystroke stroke = KeyNamed(name);
    if (stroke.control || stroke.alt) return 0;
    switch (stroke.key) {
    case Shell::Key::Enter: return U'\r';
    case Shell::Key::Space: return U' ';
    case Shell::Key::Backspace: return 8;
    case Shell::Key::Escape: return 27;
    default: return 0;
    }
}

std::vector<std::string> Play(Driver& driver, const Scenario& scenario) { return Player(driver, scenario).Play(); }

}  // namespace Conformance
