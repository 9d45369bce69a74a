// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit5.h"

// Value labels on the left, each beside its caption on the right:
// Label22: required exchange surface, square metres (caption Label21)
// Label2: required tube length, metres (caption Label1)
// Label4: ice-bank water temperature, a fixed line (caption Label3)
// Label6: required cooling capacity, watts (caption Label5)
// Label28: number of compressors (caption Label25)
// Label29: horsepower of one compressor (caption Label26)
// Label30: compressor model (caption Label27)
// Label31, Label32: refrigerant, temperature difference and condensing temperature

TForm5* Form5 = nullptr;

namespace {

using namespace Shell;

// The units a run writes beside its figures: compressors, horsepower, watts, square metres
// and metres.
constexpr std::string_view Pieces = "عدد";
constexpr std::string_view Horsepower = "اسب";
constexpr std::string_view Watts = "وات";
constexpr std::string_view SquareMetres = "متر مربع";
constexpr std::string_view Metres = "متر";
constexpr std::string_view WrittenTexts[] = {Pieces, Horsepower, Watts, SquareMetres, Metres};

// Captions 200 wide at left 264; values 235 wide at left 19, beside their caption.
constexpr int RowHeight = 33;
constexpr Control Caption(std::string_view name, std::string_view text, int top, Role role = Role::SheetCaption)
{
    return Label(name, text, {264, top, 200, RowHeight}, role, Align::Centred);
}
constexpr Rect ValueBox(int top) { return {19, top, 235, RowHeight}; }

// clang-format off
constexpr Control Controls[] = {
    Caption("Label21", "سطح تبادل مورد نياز", 24),                    Value("Label22", ValueBox(24)),
    Caption("Label1", "متزاژ لوله مورد نياز", 72),                    Value("Label2", ValueBox(72)),
    // The tank is always cooled to 1 C: this line is never written.
    Caption("Label3", "دماي آب آيس بانک", 112),
    Label("Label4", "1 درجه سانتيگراد", ValueBox(112), Role::SheetValue, Align::Centred),
    Caption("Label5", "ظرفيت برودتي مورد نياز", 152),                 Value("Label6", ValueBox(152)),
    Caption("Label25", "تعداد کمپرسور", 193, Role::CompressorCaption), Value("Label28", ValueBox(198)),
    Caption("Label26", "قدرت کمپرسور", 233, Role::CompressorCaption),  Value("Label29", ValueBox(238)),
    // The model code is Latin text and reads left to right.
    Caption("Label27", "مدل کمپرسور", 273, Role::CompressorCaption),
    Value("Label30", ValueBox(277), Role::ModelValue, Reading::LeftToRight),
    Note("Label31", {248, 341, 201, 24}),
    Note("Label32", {248, 365, 201, 24}),
    OkButton("BitBtn1", "بازگشت", {40, 336, 121, 49}),
};
// clang-format on

// The controls the handlers and the tables below name, each found in the table when the
// program is built: each caption beside its value, then the notes.
constexpr ControlId Label21 = Named(Controls, "Label21");
constexpr ControlId Label22 = Named(Controls, "Label22");
constexpr ControlId Label1 = Named(Controls, "Label1");
constexpr ControlId Label2 = Named(Controls, "Label2");
constexpr ControlId Label3 = Named(Controls, "Label3");
constexpr ControlId Label4 = Named(Controls, "Label4");
constexpr ControlId Label5 = Named(Controls, "Label5");
constexpr ControlId Label6 = Named(Controls, "Label6");
constexpr ControlId Label25 = Named(Controls, "Label25");
constexpr ControlId Label28 = Named(Controls, "Label28");
constexpr ControlId Label26 = Named(Controls, "Label26");
constexpr ControlId Label29 = Named(Controls, "Label29");
constexpr ControlId Label27 = Named(Controls, "Label27");
constexpr ControlId Label30 = Named(Controls, "Label30");
constexpr ControlId Label31 = Named(Controls, "Label31");
constexpr ControlId Label32 = Named(Controls, "Label32");

constexpr SheetRow Rows[] = {
    {Label21, Label22}, {Label1, Label2},   {Label3, Label4},   {Label5, Label6},
    {Label25, Label28}, {Label26, Label29}, {Label27, Label30},
};
constexpr ControlId Notes[] = {Label31, Label32};

constexpr WindowDescription Definition{
    .name = "Form5",
    .kind = WindowKind::ResultSheet,
    .caption = "نتيجه محاسبات",
    .client = {473, 407},
    .border = Border::Dialog,
    .buttons = TitleButtons::Close,
    .controls = Controls,
    .rows = Rows,
    .notes = Notes,
    .handlerTexts = WrittenTexts,
};

}  // namespace

const Shell::WindowDescription& TForm5::Described() { return Definition; }

TForm5::TForm5(Shell::Face& face) : Shell::ResultSheet(face, Definition) {}

void TForm5::ShowResults(const IceBank::IceBankResult& result)
{
    View& sheet = Window();
    sheet.SetText(Label28, ResultLine(IntText(result.Choice.Count), Pieces));
    sheet.SetText(Label29, ResultLine(FloatText(result.Choice.Horsepower, sheet.DecimalSeparator()), Horsepower));
    sheet.SetText(Label30, "Bitzer " + std::string(result.Choice.ModelCode));
    sheet.SetText(Label6, ResultLine(IntText(result.RequiredCapacity), Watts));
    sheet.SetText(Label22, ResultLine(IntText(result.ExchangeSurface), SquareMetres));
    sheet.SetText(Label2, ResultLine(IntText(result.TubeLength), Metres));
    sheet.SetText(Label31, result.ConditionNote);
    sheet.SetText(Label32, result.TemperatureNote);
}
