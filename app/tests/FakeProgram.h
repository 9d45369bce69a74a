// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's windows on the recording fake face, for the tests of their decisions. Each
// test ends by checking that every letter its windows and boxes showed is one of the texts
// the window list gives, from which the page takes the letters its face must hold.

#include "FakeFace.h"
#include "ProgramWindows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

class FakeProgram : public ::testing::Test {
protected:
    ~FakeProgram() override
    {
        EXPECT_TRUE(face.unknownControls.empty());
        for (const Shell::Message& box : face.messages)
            // The general error box quotes what failed, which may be what the user typed.
            if (box.caption != ProgramTitle) ExpectListedLetters(box.text, "a box");
        for (const ProgramWindow& window : TheProgramWindows())
            for (const auto& [label, text] : View(window.Name()).Labels())
                ExpectListedLetters(text, std::string(window.Name()) + "." + label);
    }

    /// A window of the list on the fake face, by its name.
    static ShellTesting::FakeView& View(std::string_view window)
    {
        return ShellTesting::FakeFace::ViewOf(*ProgramWindowNamed(window).Form());
    }

    ShellTesting::FakeFace face{ProgramTitle};
    ProgramWindows windows{face};

private:
    // The characters beyond ASCII of a UTF-8 text, each as its UTF-8 bytes.
    static std::set<std::string> Letters(std::string_view text)
    {
        std::set<std::string> letters;
        for (std::size_t i = 0; i < text.size();) {
            const auto lead = static_cast<unsigned char>(text[i]);
            const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            if (lead >= 0x80) letters.insert(std::string(text.substr(i, length)));
            i += length;
        }
        return letters;
    }

    static void ExpectListedLetters(std::string_view shown, const std::string& where)
    {
        static const std::set<std::string> listed = [] {
            std::string all(ProgramTitle);
            for (const std::string& text : ShellShownTexts()) all += text;
            for (const ProgramWindow& window : TheProgramWindows())
                for (const std::string& text : WindowTexts(window.description)) all += text;
            return Letters(all);
        }();
        for (const std::string& letter : Letters(shown))
            EXPECT_TRUE(listed.count(letter))
                << where << " shows " << letter << " in \"" << shown << "\", which no text of the window list holds";
    }
};

/// The names of the controls that take the focus, in a window's tab order.
inline std::vector<std::string> TabOrder(const Shell::Form& form)
{
    std::vector<std::string> order;
    for (const Shell::Control& control : form.Description().controls)
        if (Shell::TakesFocus(control.kind)) order.emplace_back(control.name);
    return order;
}
