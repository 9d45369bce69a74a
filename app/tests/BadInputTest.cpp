// SPDX-License-Identifier: GPL-3.0-or-later
// Awkward texts pasted into every number field of both input windows, the way a user pastes
// (through the field's own menu, taken whole whatever the typing limit), then Calculate or Suggested
// room capacity. Every press must end in exactly one outcome (the result sheet, an error box
// or the general error box), change no input but the "0" of an empty field and the written
// suggestion, and leave the window working.

#include "FakeProgram.h"
#include "WholeNumber.h"

#include <map>
#include <random>

using ShellTesting::FakeView;
using ShellTesting::Outcome;

namespace {

const std::string DimensionsError = "           ابعاد سالن صحيح وارد نشده است          ";
const std::string CapacityError = "           ظرفيت سالن صحيح نيست          ";
// A room's side is 1 to 99 m.
bool Side(std::int32_t metres) { return metres >= 1 && metres <= 99; }

const std::string VolumeTooSmall = "           حجم حوض بايد بيشتر از هزار ليتر باشد          ";

// Texts a user may paste: blanks, signs, zeros, numbers past 32 bits, Persian and
// Arabic-Indic digits, letters, mixed scripts, control characters and texts far longer than
// any limit.
std::vector<std::string> FixedTexts()
{
    // clang-format off
    return {"", " ", "   ", "+", "-", "+-5", "+5", "-5", "-0", "00", "0", "007", "5 ", " 5", "\t7", "7\n",
            "2147483647", "2147483648", "-2147483648", "-2147483649", "99999999999999999999",
            "۱۲", "١٢٣", "1۲", "٣4", "12a", "abc", "سيب", "ده", "1e3", "0x1F", "$1F", "1,000", "1.5", "1/2",
            "5\U0001F600", "\U0001F6005", "4\u200D", std::string("\0" "5", 2), std::string(300, '9'),
            "1" + std::string(80, '0'), std::string(200, 'a')};
    // clang-format on
}

// Further texts drawn from the same pieces, the same ones on every run.
std::vector<std::string> DrawnTexts(int count)
{
    const std::vector<std::string> pieces = {"0", "1", "9", "42", "+", "-",     " ",
                                             "a", "۵", "٧", "ب",  ".", "99999", "\U0001F600"};
    std::mt19937 rng(20240607);
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(1, 6)(rng);
        for (int j = 0; j < length; ++j)
            text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(rng)];
        texts.push_back(text);
    }
    return texts;
}

Shell::Message NotAnInteger(const std::string& text)
{
    return Shell::GeneralErrorBox(ProgramTitle, "'" + text + "' is not a valid integer value");
}

}  // namespace

class BadInput : public FakeProgram {
protected:
    FakeView& form2 = View("Form2");
    FakeView& form3 = View("Form3");
    FakeView& form4 = View("Form4");

    std::vector<std::string> texts_ = [] {
        std::vector<std::string> texts = FixedTexts();
        for (std::string& text : DrawnTexts(40)) texts.push_back(text);
        return texts;
    }();
    std::map<std::string, int> outcomes_;  // how often each outcome came up: each must

    // One press of a cold-room button over the fields as they stand.
    void CheckColdRoomPress(bool suggestion)
    {
        const char* const fields[] = {"Edit2", "Edit3", "Edit4", "Edit1"};  // length, width, height, capacity
        std::vector<std::string> expected;
        for (const char* field : fields) expected.push_back(form2.Text(field));
        const std::vector<int> selections = form2.ListSelections();
        const std::string sheet = Form3->SheetText();
        const Outcome outcome = PressAndRecord(face, form2, suggestion ? "Button2" : "Button1");

        // The press wrote "0" into the empty fields it reads, then converted them in order.
        const int read = suggestion ? 3 : 4;  // the suggestion leaves the capacity alone
        std::optional<std::int32_t> values[4];
        std::optional<std::string> failure;
        for (int i = 0; i < read; ++i) {
            if (expected[i].empty()) expected[i] = "0";
            values[i] = ShellTesting::WholeNumber(expected[i]);
            if (!values[i] && !failure) failure = expected[i];
        }
        if (failure) {
            EXPECT_EQ(outcome.messages, std::vector{NotAnInteger(*failure)});
            ++outcomes_["general error"];
        } else if (const bool dimensions = !Side(*values[0]) || !Side(*values[1]) || !Side(*values[2]);
                   dimensions || (!suggestion && *values[3] < 1)) {
            EXPECT_EQ(outcome.messages, std::vector{Shell::ErrorBox(dimensions ? DimensionsError : CapacityError)});
            ++outcomes_[dimensions ? "dimensions error" : "capacity error"];
        } else if (suggestion) {
            ASSERT_EQ(outcome.messages.size(), 1u);
            EXPECT_EQ(outcome.messages[0].caption, "Information");
            expected[3] = form2.Text("Edit1");
            ++outcomes_["suggestion"];
        } else {
            EXPECT_TRUE(outcome.messages.empty());
            EXPECT_EQ(outcome.modals, std::vector<std::string>{"Form3"});
            // The sheet's volume is the product of the sides as the fields give them.
            EXPECT_EQ(form3.Text("Label20"),
                      std::to_string(std::int64_t{*values[0]} * *values[1] * *values[2]) + "  مترمکعب");
            ++outcomes_["sheet"];
        }
        if (outcome.modals.empty()) {
            EXPECT_EQ(Form3->SheetText(), sheet);
        }
        for (int i = 0; i < 4; ++i) EXPECT_EQ(form2.Text(fields[i]), expected[i]) << fields[i];
        EXPECT_EQ(form2.ListSelections(), selections);
    }
};

TEST_F(BadInput, ColdRoomFieldsTakeAnyPastedText)
{
    const char* const fields[] = {"Edit2", "Edit3", "Edit4", "Edit1"};
    const std::string room[] = {"10", "5", "3", "1000"};
    for (const char* pasted : fields) {
        for (const std::string& text : texts_) {
            for (const bool suggestion : {false, true}) {
                for (int i = 0; i < 4; ++i) form2.SetText(fields[i], room[i]);
                form2.Paste(pasted, text);
                CheckColdRoomPress(suggestion);
                if (HasFailure()) return;
            }
        }
    }
    for (const char* outcome : {"general error", "dimensions error", "capacity error", "suggestion", "sheet"})
        EXPECT_GE(outcomes_[outcome], 5) << outcome;
}

TEST_F(BadInput, IceBankFieldTakesAnyPastedText)
{
    std::vector<std::string> texts = texts_;
    for (const char* edge : {"999", "1000", "999999", "+1000"}) texts.push_back(edge);
    for (const std::string& text : texts) {
        form4.SetText("Edit1", "5000");
        form4.Paste("Edit1", text);
        const std::string pasted = form4.Text("Edit1");
        const std::string expected = pasted.empty() ? "0" : pasted;
        const std::string sheet = Form5->SheetText();
        const Outcome outcome = PressAndRecord(face, form4, "Button1");

        const std::optional<std::int32_t> litres = ShellTesting::WholeNumber(expected);
        if (!litres) {
            EXPECT_EQ(outcome.messages, std::vector{NotAnInteger(expected)});
            ++outcomes_["general error"];
        } else if (*litres < 1000) {
            EXPECT_EQ(outcome.messages, std::vector{Shell::ErrorBox(VolumeTooSmall)});
            ++outcomes_["volume error"];
        } else {
            EXPECT_TRUE(outcome.messages.empty());
            EXPECT_EQ(outcome.modals, std::vector<std::string>{"Form5"});
            ++outcomes_["sheet"];
        }
        if (outcome.modals.empty()) {
            EXPECT_EQ(Form5->SheetText(), sheet) << text;
        }
        EXPECT_EQ(form4.Text("Edit1"), expected);
    }
    for (const char* outcome : {"general error", "volume error", "sheet"}) EXPECT_GE(outcomes_[outcome], 3) << outcome;
}
