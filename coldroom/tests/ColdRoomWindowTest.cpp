// SPDX-License-Identifier: GPL-3.0-or-later
// The cold-room windows' decisions, on the fake face: how the process rearranges the window,
// what Calculate and the suggestion read, in which order, what they show and write, and what
// the result sheet keeps.

#include "FakeProgram.h"

#include <map>

namespace {

const std::string DimensionsError = "           ابعاد سالن صحيح وارد نشده است          ";
const std::string CapacityError = "           ظرفيت سالن صحيح نيست          ";
const std::string Watts = "وات";

enum Process { Chilled, Frozen, PreCooler, Freezing, Produce };

std::string Line(std::int64_t number, const std::string& unit) { return std::to_string(number) + "  " + unit; }

}  // namespace

class ColdRoomWindow : public FakeProgram {
protected:
    ShellTesting::FakeView& form2 = View("Form2");
    ShellTesting::FakeView& form3 = View("Form3");

    void SetUp() override { form2.ShowWindow(); }

    void TypeRoom(const std::string& length, const std::string& width, const std::string& height,
                  const std::string& capacity)
    {
        form2.Type("Edit2", length);
        form2.Type("Edit3", width);
        form2.Type("Edit4", height);
        form2.Type("Edit1", capacity);
    }

    // The sheet's value labels, top to bottom.
    std::vector<std::string> Sheet() const
    {
        std::vector<std::string> values;
        for (const Shell::SheetRow& row : Form3->Description().rows) values.push_back(form3.Text(row.value));
        for (Shell::ControlId note : Form3->Description().notes) values.push_back(form3.Text(note));
        return values;
    }
};

TEST_F(ColdRoomWindow, EachProcessRearrangesTheWindow)
{
    struct Row {
        Process process;
        std::string firstEntry, lastEntry, proposedEntry;
        std::size_t entries;
        std::string hours;
        int insulation;
        bool loading, produce;
    };
    const Row rows[] = {
        {Chilled, "3", "35", "4", 33, "20", 0, true, false},    {Frozen, "-17", "-4", "-17", 14, "20", 1, true, false},
        {PreCooler, "6", "35", "15", 30, "5", 0, false, false}, {Freezing, "-2", "35", "5", 38, "8", 1, false, false},
        {Produce, "15", "35", "25", 21, "20", 0, true, true},
    };
    // As the window opens, it stands as choosing the first process leaves it.
    for (bool opened : {true, false}) {
        for (const Row& row : rows) {
            if (opened && row.process != Chilled) continue;
            if (!opened) {
                // From another process and other choices, so that every proposal is made anew.
                form2.Pick("ComboBox1", row.process == Frozen ? Freezing : Frozen);
                form2.Pick("ComboBox7", 0);
                form2.Pick("ComboBox2", 1 - row.insulation);
                form2.Pick("ComboBox1", row.process);
            }
            const std::vector<std::string> entries = form2.ItemsOf("ComboBox4");
            ASSERT_EQ(entries.size(), row.entries) << row.process;
            EXPECT_EQ(entries.front(), row.firstEntry);
            EXPECT_EQ(entries.back(), row.lastEntry);
            EXPECT_EQ(form2.Text("ComboBox4"), row.proposedEntry);
            EXPECT_EQ(form2.Text("ComboBox7"), row.hours);
            EXPECT_EQ(form2.Selection("ComboBox2"), row.insulation);
            for (const char* loading : {"Label12", "Label15", "Label13", "ComboBox6"})
                EXPECT_EQ(form2.Enabled(loading), row.loading) << loading;
            EXPECT_EQ(form2.Hidden("ComboBox8"), !row.produce);
            EXPECT_EQ(form2.Hidden("ComboBox3"), row.produce);
        }
    }
}

TEST_F(ColdRoomWindow, ProduceStorageReselectsAppleAndKeepsTheOtherChoices)
{
    form2.PickText("ComboBox3", "ماهي");
    form2.PickText("ComboBox6", "50");
    form2.PickText("ComboBox5", "40");
    form2.Pick("ComboBox1", Produce);
    form2.PickText("ComboBox8", "گلابي");
    form2.Pick("ComboBox1", Chilled);
    form2.Pick("ComboBox1", Produce);
    EXPECT_EQ(form2.Text("ComboBox8"), "سيب");
    EXPECT_EQ(form2.Text("ComboBox3"), "ماهي");
    EXPECT_EQ(form2.Text("ComboBox6"), "50");
    EXPECT_EQ(form2.Text("ComboBox5"), "40");
}

// Typing keeps only digits and backspace, within each field's limit: two characters for a
// side, seven for the capacity.
TEST_F(ColdRoomWindow, NumberFieldsTakeDigitsWithinTheirLimits)
{
    TypeRoom("-a1 .", "x2\b3", "45+6", "12345678");
    EXPECT_EQ(form2.EditTexts(), (std::vector<std::string>{"1", "3", "45", "1234567"}));
    form2.Type("Edit1", "\b\b9");
    EXPECT_EQ(form2.Text("Edit1"), "123459");
}

TEST_F(ColdRoomWindow, CalculateFillsTheSheetAndKeepsTheInputs)
{
    // 10 x 5 x 3 m taking 1000 kg a day, every other choice as proposed; apples for produce.
    const std::string hp = "اسب بخار";
    const std::vector<std::string> head = {Line(20, "ساعت"), Line(150, "مترمکعب"), Line(1000, "کيلوگرم")};
    struct Case {
        Process process;
        std::vector<std::string> sheet;
    };
    const Case cases[] = {
        {Chilled,
         {Line(2, "درجه سانتيگراد"), head[0], head[1], head[2], Line(1581, Watts), Line(83, Watts), Line(0, Watts),
          Line(1823, Watts), Line(150, Watts), Line(628, Watts), "-", Line(426, Watts), Line(4691, Watts),
          Line(1, "دستگاه"), Line(2, hp), "Bitzer  2FC-3.2", "R22    ,   DT = 10C",
          "Evap. temp = -8C   Cond. temp = 40C"}},
        {Produce,
         {Line(0, "درجه سانتيگراد"), head[0], head[1], head[2], Line(1695, Watts), Line(1264, Watts), Line(14, Watts),
          Line(1823, Watts), Line(150, Watts), Line(628, Watts), "-", Line(557, Watts), Line(6131, Watts),
          Line(1, "دستگاه"), Line(3, hp), "Bitzer  2DC-3.2", "R22    ,   DT = 10C", "Cond. temp = 40C"}},
    };
    TypeRoom("10", "5", "3", "1000");
    for (const Case& c : cases) {
        form2.Pick("ComboBox1", c.process);
        const std::vector<int> lists = form2.ListSelections();
        const ShellTesting::Outcome outcome = PressAndRecord(face, form2, "Button1");
        EXPECT_TRUE(outcome.messages.empty());
        EXPECT_EQ(outcome.modals, std::vector<std::string>{"Form3"});
        EXPECT_EQ(Sheet(), c.sheet);
        // Closing the sheet returns to the window as the user left it.
        EXPECT_EQ(form2.EditTexts(), (std::vector<std::string>{"10", "5", "3", "1000"}));
        EXPECT_EQ(form2.ListSelections(), lists);
    }
}

// The copy of a sheet starts with the inputs of the run that filled it, as the window showed
// them, the hidden product list left out; a rejected run keeps them as they were.
TEST_F(ColdRoomWindow, TheSheetKeepsTheInputsOfItsRun)
{
    TypeRoom("10", "5", "3", "1000");
    form2.Press("Button1");
    const std::string copy = Form3->SheetText();
    EXPECT_EQ(copy.substr(0, copy.find("دماي سالن")),
              "طول ابعاد سردخانه (متر): 10\nعرض ابعاد سردخانه (متر): 5\nارتفاع ابعاد سردخانه (متر): 3\n"
              "ظرفيت سالن (کيلوگرم): 1000\nدرصد بارگيري %: 100\nفرآيند: نگهداري گوشت بالاي صفر\n"
              "ضخامت عايق: پلي يورتان 10 سانتي\nنوع محصول: مرغ\nدماي محصول ورودي (سانتيگراد): 4\n"
              "دماي محيط بيرون سردخانه (سانتيگراد): 35\nمدت زمان کارکرد کمپرسور (ساعت): 20\n");
    form2.SetText("Edit1", "0");
    form2.Press("Button1");
    EXPECT_EQ(Form3->SheetText(), copy);
}

TEST_F(ColdRoomWindow, EmptyFieldsBecomeZeroAndTheDimensionsErrorComesFirst)
{
    form2.Type("Edit2", "10");
    {
        const ShellTesting::Outcome outcome = PressAndRecord(face, form2, "Button1");
        EXPECT_EQ(outcome.messages, std::vector{Shell::ErrorBox(DimensionsError)});
        EXPECT_TRUE(outcome.modals.empty());
    }
    EXPECT_EQ(form2.EditTexts(), (std::vector<std::string>{"10", "0", "0", "0"}));
    form2.SetText("Edit3", "5");
    form2.SetText("Edit4", "3");
    EXPECT_EQ(PressAndRecord(face, form2, "Button1").messages, std::vector{Shell::ErrorBox(CapacityError)});
    // A pasted sign gets past the digit filter; a negative side is as wrong as 0.
    form2.Paste("Edit4", "-3");
    form2.SetText("Edit1", "1000");
    EXPECT_EQ(PressAndRecord(face, form2, "Button1").messages, std::vector{Shell::ErrorBox(DimensionsError)});
    // The sheet was neither written nor shown.
    EXPECT_TRUE(face.modals.empty());
    EXPECT_EQ(form3.Text("Label24"), "");
}

// The fields are converted length, width, height, capacity: the general error box quotes the
// first of them that is no whole number.
TEST_F(ColdRoomWindow, TheFirstFieldThatIsNoNumberIsTheOneQuoted)
{
    const char* const order[] = {"Edit2", "Edit3", "Edit4", "Edit1"};
    for (int first = 0; first < 4; ++first) {
        for (int i = 0; i < 4; ++i) form2.SetText(order[i], i < first ? "5" : std::string("x") + order[i]);
        const std::string quoted = std::string("x") + order[first];
        EXPECT_EQ(PressAndRecord(face, form2, "Button1").messages,
                  std::vector{Shell::GeneralErrorBox(ProgramTitle, "'" + quoted + "' is not a valid integer value")});
        if (first < 3) {
            EXPECT_EQ(
                PressAndRecord(face, form2, "Button2").messages,
                std::vector{Shell::GeneralErrorBox(ProgramTitle, "'" + quoted + "' is not a valid integer value")});
        }
    }
}

TEST_F(ColdRoomWindow, ASheetRunWithoutACompressorTableKeepsItsCompressorRows)
{
    TypeRoom("10", "5", "3", "1000");
    form2.Press("Button1");
    const std::vector<std::string> before = Sheet();
    ColdRoom::ColdRoomResult result;
    result.Total = 6131;
    Form3->ShowResults(result);
    const std::vector<std::string> after = Sheet();
    EXPECT_EQ(after[12], Line(6131, Watts));
    EXPECT_EQ(std::vector(after.begin() + 13, after.end()), std::vector(before.begin() + 13, before.end()));
}

TEST_F(ColdRoomWindow, TheSuggestionFollowsTheNoticeAndIsWrittenWhole)
{
    // The notice's four lines, each after a lone carriage return, indented with blanks.
    const std::string notice = "تخمين ظرفيت بطور کاملا تقريبي بوده که در بسياري از حجم ها\r" + std::string(34, ' ') +
                               ".عدد تقريبي با واقعيت اختلاف زيادي دارد\r" + std::string(4, ' ') +
                               "روش صحيح اينگونه است که کاربر عدد صحيح را بطور دستي\r" + std::string(84, ' ') +
                               "وارد نمايد";
    struct Case {
        Process process;
        std::string side, suggestion;
    };
    // 27 / 3 x 1000; 27 / 4 = 6.75 to 7; floor 9, (9 - 3) x 380; 68 607 / 3 x 1000 and
    // 970 299 / 3 x 1000, eight and nine digits in the seven-digit field.
    const Case cases[] = {
        {Chilled, "3", "9000"}, {Produce, "3", "7000"}, {Freezing, "3", "2280"}, {Chilled, "99", "323433000"}};
    for (const Case& c : cases) {
        form2.Pick("ComboBox1", c.process);
        for (const char* side : {"Edit2", "Edit3", "Edit4"}) form2.SetText(side, c.side);
        form2.SetText("Edit1", "5");
        const ShellTesting::Outcome outcome = PressAndRecord(face, form2, "Button2");
        EXPECT_EQ(outcome.messages, std::vector{Shell::InformationBox(notice)});
        EXPECT_EQ(form2.Text("Edit1"), c.suggestion);
    }
    form2.SetText("Edit4", "7");
    form2.Pick("ComboBox1", Chilled);
    form2.Press("Button2");
    EXPECT_EQ(form2.Text("Edit1"), "22869000");
    // An empty side becomes 0 and is rejected; the capacity keeps its text.
    form2.SetText("Edit3", "");
    EXPECT_EQ(PressAndRecord(face, form2, "Button2").messages, std::vector{Shell::ErrorBox(DimensionsError)});
    EXPECT_EQ(form2.EditTexts(), (std::vector<std::string>{"99", "0", "7", "22869000"}));
}

TEST_F(ColdRoomWindow, ADisabledPercentageStillSetsTheMassRow)
{
    form2.PickText("ComboBox6", "50");
    form2.Pick("ComboBox1", PreCooler);
    TypeRoom("10", "5", "3", "1001");
    form2.Press("Button1");
    EXPECT_EQ(form3.Text("Label22"), Line(500, "کيلوگرم"));  // 500.5 truncated
    // The pre-cooler cools the whole 1001 kg from 15 to 5 C in 5 hours: 1001 x 0.831 x 10 / 5.
    EXPECT_EQ(form3.Text("Label13"), Line(1663, Watts));
}

TEST_F(ColdRoomWindow, TabOrderRunsAsTheBandsRead)
{
    EXPECT_EQ(TabOrder(*Form2),
              (std::vector<std::string>{"ComboBox1", "Edit2", "Edit3", "Edit4", "Button2", "Edit1", "ComboBox6",
                                        "ComboBox2", "ComboBox8", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox7",
                                        "Button1", "Button3"}));
}

TEST_F(ColdRoomWindow, ExitEndsTheProgram)
{
    form2.Press("Button3");
    EXPECT_TRUE(face.quit);
}
