// SPDX-License-Identifier: GPL-3.0-or-later
// The ice-bank windows' decisions, on the fake face: what Calculate reads, rejects, writes
// and shows, and what the sheet keeps.

#include "FakeProgram.h"

namespace {

const std::string VolumeTooSmall = "           حجم حوض بايد بيشتر از هزار ليتر باشد          ";

}  // namespace

class IceBankWindow : public FakeProgram {
protected:
    ShellTesting::FakeView& form4 = View("Form4");
    ShellTesting::FakeView& form5 = View("Form5");

    void SetUp() override { form4.ShowWindow(); }

    void Enter(const std::string& volume, int tubeSize, const std::string& hours, const std::string& inlet)
    {
        form4.SetText("Edit1", "");
        form4.Type("Edit1", volume);
        form4.Pick("ComboBox1", tubeSize);
        form4.PickText("ComboBox2", hours);
        form4.PickText("ComboBox3", inlet);
    }
};

TEST_F(IceBankWindow, OpensWithItsDefaults)
{
    EXPECT_EQ(form4.Text("Edit1"), "");
    EXPECT_EQ(form4.Text("ComboBox1"), "لوله مسي 7/8");
    EXPECT_EQ(form4.Text("ComboBox2"), "18");
    EXPECT_EQ(form4.Text("ComboBox3"), "30");
    EXPECT_EQ(TabOrder(*Form4),
              (std::vector<std::string>{"ComboBox1", "Edit1", "ComboBox2", "Button1", "Button3", "ComboBox3"}));
}

TEST_F(IceBankWindow, TheVolumeBoxTakesSixDigitsOnly)
{
    form4.Type("Edit1", "-1a.2 3+4567");
    EXPECT_EQ(form4.Text("Edit1"), "123456");
}

TEST_F(IceBankWindow, CalculateFillsEveryLineAndKeepsTheInputs)
{
    // 2500 l from 20 C in 19 h: 3489 W exactly; one unit of 1.5 hp; 2.616 m2; 43.65 m of
    // 3/4 inch tube. The horsepower takes the user's decimal separator.
    face.decimalSeparator = ",";
    Enter("2500", 1, "19", "20");
    const std::vector<int> lists = form4.ListSelections();
    const ShellTesting::Outcome outcome = PressAndRecord(face, form4, "Button1");
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(outcome.modals, std::vector<std::string>{"Form5"});
    const std::map<std::string, std::string> expected = {
        {"Label22", "2  متر مربع"},     {"Label2", "43  متر"},
        {"Label4", "1 درجه سانتيگراد"}, {"Label6", "3489  وات"},
        {"Label28", "1  عدد"},          {"Label29", "1,5  اسب"},
        {"Label30", "Bitzer 2GC-2.2"},  {"Label31", "R22    ,   DT = 10C"},
        {"Label32", "Cond. temp = 40C"}};
    for (const auto& [label, text] : expected) EXPECT_EQ(form5.Text(label), text) << label;
    EXPECT_EQ(form4.Text("Edit1"), "2500");
    EXPECT_EQ(form4.ListSelections(), lists);

    // Another tube size changes the tube length and nothing else.
    std::map<std::string, std::string> before = form5.Labels();
    form4.Pick("ComboBox1", 0);
    form4.Press("Button1");
    std::map<std::string, std::string> after = form5.Labels();
    EXPECT_EQ(after["Label2"], "52  متر");
    before.erase("Label2");
    after.erase("Label2");
    EXPECT_EQ(after, before);
}

TEST_F(IceBankWindow, TanksBelowAThousandLitresAreRejected)
{
    // An empty box becomes "0" and is rejected like 999 litres; 1000 itself passes.
    for (const char* volume : {"", "999"}) {
        Enter(volume, 2, "18", "30");
        const ShellTesting::Outcome outcome = PressAndRecord(face, form4, "Button1");
        EXPECT_EQ(outcome.messages, std::vector{Shell::ErrorBox(VolumeTooSmall)});
        EXPECT_TRUE(outcome.modals.empty());
    }
    EXPECT_EQ(form4.Text("Edit1"), "999");
    EXPECT_EQ(form5.Text("Label6"), "");
    Enter("1000", 2, "18", "30");
    EXPECT_EQ(PressAndRecord(face, form4, "Button1").modals, std::vector<std::string>{"Form5"});
    EXPECT_EQ(form5.Text("Label6"), "2248  وات");
}

TEST_F(IceBankWindow, TheSheetIsCentredEachTimeItShows)
{
    Enter("1000", 2, "18", "30");
    for (int run = 0; run < 2; ++run) {
        form5.MoveTo({3, 3});  // where the user left it
        form4.Press("Button1");
        const Shell::Size outer = form5.OuterSize();
        EXPECT_EQ(form5.Position(), (Shell::Point{(1024 - outer.width) / 2, (768 - outer.height) / 2}));
    }
}

TEST_F(IceBankWindow, TheSheetClosesByItsButtonOrCloseBox)
{
    Enter("1000", 2, "18", "30");
    for (const bool closeBox : {false, true}) {
        bool open = false;
        face.whileModal = [&](ShellTesting::FakeView& sheet) {
            if (closeBox)
                sheet.PressCloseBox();
            else
                sheet.Press("BitBtn1");
            open = sheet.Shown();
        };
        form4.Press("Button1");
        EXPECT_FALSE(open);
        EXPECT_FALSE(face.quit);
    }
}
