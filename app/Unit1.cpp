// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit1.h"

#include "Unit2.h"
#include "Unit4.h"

// BitBtn1: Continue, the default button. RadioButton1: ice-bank calculator; RadioButton2:
// cold-store calculator, selected at first.
// Label1 to Label3: the program's name and a request for suggestions;
// Label4 to Label7: what the program is for and how to report a fault.

TForm1* Form1 = nullptr;

namespace {

using namespace Shell;

constexpr Control Controls[] = {
    // Continue comes first, so it holds the focus when the dialog opens.
    OkButton("BitBtn1", "ادامه", {128, 160, 137, 41}),
    Option("RadioButton1", IceBankCalculator, {56, 32, 273, 41}, false),
    Option("RadioButton2", ColdRoomCalculator, {72, 88, 257, 41}, true),
    Label("Label1", "برنامه محاسبات بار برودتي نسخه 2.0", {24, 226, 337, 33}, Role::StartLine, Align::Centred),
    Label("Label2", "با پيشنهادات و انتقادات خود ما را در ارتقاء روند اين برنامه", {24, 266, 337, 33}, Role::StartLine,
          Align::Centred),
    Label("Label3", "ياري فرماييد", {24, 306, 337, 33}, Role::StartLine, Align::Centred),
    Label("Label4", "محاسبه بار برودتي سردخانه و آيس بانک", {32, 360, 337, 33}, Role::StartLine, Align::Centred),
    Label("Label5", "براي تاسيسات تبريد فريوني (R22)", {32, 400, 337, 33}, Role::StartLine, Align::Centred),
    Label("Label6", "نسخه 2.0", {32, 440, 337, 33}, Role::StartLine, Align::Centred),
    Label("Label7", "اشکالات را به پشتيباني نرم افزار گزارش دهيد", {32, 480, 337, 33}, Role::StartLine, Align::Centred),
};

// The controls the handlers name, each found in the table when the program is built.
constexpr ControlId BitBtn1 = Named(Controls, "BitBtn1");
constexpr ControlId RadioButton1 = Named(Controls, "RadioButton1");
constexpr ControlId RadioButton2 = Named(Controls, "RadioButton2");

// The request for suggestions runs on into its third line; what the program is for, over
// three lines, ends with its version.
constexpr ControlId Request[] = {Named(Controls, "Label2"), Named(Controls, "Label3")};
constexpr ControlId Purpose[] = {Named(Controls, "Label4"), Named(Controls, "Label5"), Named(Controls, "Label6")};
constexpr Passage Passages[] = {Request, Purpose};

// Continue shows the calculator of the option chosen.
constexpr Opening Calculators[] = {{RadioButton1, "Form4"}, {RadioButton2, "Form2"}};

constexpr WindowDescription Definition{
    .name = "Form1",
    .kind = WindowKind::MainDialog,
    .caption = ProgramTitle,
    .client = {378, 542},
    .border = Border::Dialog,
    .buttons = TitleButtons::Close,
    .controls = Controls,
    .passages = Passages,
    .opens = Calculators,
};

}  // namespace

const Shell::WindowDescription& TForm1::Described() { return Definition; }

TForm1::TForm1(Shell::Face& face) : Shell::Form(face, Definition) {}

void TForm1::Click(Shell::ControlId control)
{
    if (control == BitBtn1) BitBtn1Click();
}

void TForm1::BitBtn1Click()
{
    // Exactly one option is selected, so exactly one calculator opens.
    if (Window().Selection(RadioButton2)) {
        Window().HideWindow();
        Form2->Window().ShowWindow();
    }
    if (Window().Selection(RadioButton1)) {
        Window().HideWindow();
        Form4->Window().ShowWindow();
    }
}
