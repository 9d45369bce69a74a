// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit4.h"

#include "Unit5.h"

// Edit1: tank volume, litres (digits only, at most 6)
// ComboBox1: coil tube size; its position is the tube size (0 = 5/8, 1 = 3/4, 2 = 7/8 inch)
// ComboBox2: compressor running hours per day
// ComboBox3: inlet water temperature, C
// Label1, Label7: caption and unit of the tank volume
// Label2, Label8: caption and unit of the tube size
// Label3, Label4: caption and unit of the running hours
// Label5, Label6: caption and unit of the inlet temperature
// Button1: Calculate; Button3: Exit
// Image1: banner across the top

TForm4* Form4 = nullptr;

namespace {

using namespace Shell;

constexpr std::string_view Caption = "محاسبات آيس بانک (فريوني)";
constexpr std::string_view VolumeTooSmall = "           حجم حوض بايد بيشتر از هزار ليتر باشد          ";

constexpr std::string_view TubeSizes[] = {"لوله مسي 5/8", "لوله مسي 3/4", "لوله مسي 7/8"};
constexpr Items RunningHours = NumberItems(5, 23);
constexpr Items InletTemperatures = NumberItems(20, 40);

// The lists stand on the same row as Edit1 and as high.
constexpr int RowTop = 256;
constexpr int RowHeight = 41;

constexpr Control Controls[] = {
    Banner("Image1", Caption, {0, 8, 920, 149}),
    // Captions and units size themselves to their text.
    Label("Label1", "حجم حوض", {800, 180}, Role::Caption),
    Label("Label7", "(ليتر)", {824, 213}, Role::Caption),
    Label("Label2", "قطر لوله مسي کويل", {632, 180}, Role::Caption),
    Label("Label8", "(اينچ)", {680, 213}, Role::Caption),
    Label("Label3", "مدت زمان کارکرد کمپرسور", {424, 180}, Role::Caption),
    Label("Label4", "(ساعت)", {480, 213}, Role::Caption),
    Label("Label5", "دماي ورودي آب حوض", {248, 180}, Role::Caption),
    Label("Label6", "(سانتيگراد)", {288, 213}, Role::Caption),

    // In focus order; the first holds the focus when the window opens.
    List("ComboBox1", {608, RowTop, 169, RowHeight}, {TubeSizes}, int(IceBank::TubeSizeIndex::SevenEighthsInch)),
    Edit("Edit1", {816, RowTop, 65, RowHeight}, 6),
    List("ComboBox2", {472, RowTop, 73, RowHeight}, RunningHours, NumberPosition(RunningHours, 18)),
    Button("Button1", "محاسبه", {176, 328, 105, 57}),
    Button("Button3", "خروج", {48, 328, 105, 57}),
    List("ComboBox3", {288, RowTop, 73, RowHeight}, InletTemperatures, NumberPosition(InletTemperatures, 30)),
};

// The controls the handlers and the tables below name, each found in the table when the
// program is built.
constexpr ControlId Edit1 = Named(Controls, "Edit1");
constexpr ControlId ComboBox1 = Named(Controls, "ComboBox1");
constexpr ControlId ComboBox2 = Named(Controls, "ComboBox2");
constexpr ControlId ComboBox3 = Named(Controls, "ComboBox3");
constexpr ControlId Button1 = Named(Controls, "Button1");
constexpr ControlId Button3 = Named(Controls, "Button3");
constexpr ControlId Label1 = Named(Controls, "Label1");
constexpr ControlId Label7 = Named(Controls, "Label7");
constexpr ControlId Label2 = Named(Controls, "Label2");
constexpr ControlId Label8 = Named(Controls, "Label8");
constexpr ControlId Label3 = Named(Controls, "Label3");
constexpr ControlId Label4 = Named(Controls, "Label4");
constexpr ControlId Label5 = Named(Controls, "Label5");
constexpr ControlId Label6 = Named(Controls, "Label6");

// Volume, tube size, running hours, inlet temperature.
constexpr CaptionedInput Inputs[] = {
    {Edit1, Label1, Label7},
    {ComboBox1, Label2, Label8},
    {ComboBox2, Label3, Label4},
    {ComboBox3, Label5, Label6},
};

// Calculate shows the result sheet.
constexpr Opening Calculate[] = {{Button1, "Form5"}};
constexpr std::string_view BoxTexts[] = {VolumeTooSmall};

constexpr WindowDescription Definition{
    .name = "Form4",
    .kind = WindowKind::InputWindow,
    .caption = Caption,
    .client = {920, 403},
    .border = Border::Dialog,
    .buttons = TitleButtons::Close,
    .controls = Controls,
    .inputs = Inputs,
    .opens = Calculate,
    .exit = Button3,
    .handlerTexts = BoxTexts,
};

}  // namespace

const Shell::WindowDescription& TForm4::Described() { return Definition; }

TForm4::TForm4(Shell::Face& face) : Shell::InputWindow(face, Definition) {}

void TForm4::Click(Shell::ControlId control)
{
    if (control == Button1) Button1Click();
    if (control == Button3) Button3Click();
}

void TForm4::KeyPress(Shell::ControlId control, char32_t& key)
{
    if (control == Edit1) Edit1KeyPress(key);
}

void TForm4::Edit1KeyPress(char32_t& Key) { Key = DigitFilter(Key); }

void TForm4::Button1Click()
{
    // A pasted non-number fails its conversion; the general error box reports it and the
    // window goes on.
    FillEmpty(Edit1);
    const std::int32_t volume = IntOf(Edit1);
    if (volume < IceBank::MinimumTankVolume) {
        ShowError(VolumeTooSmall);
        return;
    }
    // Read in this order: inlet temperature, running hours, then the tube size.
    const IceBank::IceBankInput input{
        .TankVolume = volume,
        .InletTemperature = static_cast<std::uint8_t>(IntOf(ComboBox3)),
        .RunningHours = static_cast<std::uint8_t>(IntOf(ComboBox2)),
        .TubeSize = IceBank::TubeSizeIndex(Window().Selection(ComboBox1)),
    };
    Form5->ShowResults(IceBank::ComputeIceBank(input));
    Form5->SetInputs(RunInputs());
    Form5->ShowModal();
}

void TForm4::Button3Click() { Window().Quit(); }
