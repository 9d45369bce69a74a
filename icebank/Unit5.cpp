// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit5.h"

// The surface in square metres, the tube's length in metres, the capacity in watts; the
// horsepower is one compressor's. The notes give the refrigerant, the temperature difference
// and the condensing temperature.

TForm5* Form5 = nullptr;

namespace {

using namespace Shell;

// The units a run writes beside its figures: compressors, horsepower, watts, square metres
// and metres.
constexpr std::string_view PiecesUnit = "عدد";
constexpr std::string_view HorsepowerUnit = "اسب";
constexpr std::string_view WattsUnit = "وات";
constexpr std::string_view SquareMetresUnit = "متر مربع";
constexpr std::string_view MetresUnit = "متر";
constexpr std::string_view WrittenTexts[] = {PiecesUnit, HorsepowerUnit, WattsUnit, SquareMetresUnit, MetresUnit};

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
constexpr ControlId ExchangeSurfaceCaption = Named(Controls, "Label21");
constexpr ControlId ExchangeSurface = Named(Controls, "Label22");
constexpr ControlId TubeLengthCaption = Named(Controls, "Label1");
constexpr ControlId TubeLength = Named(Controls, "Label2");
constexpr ControlId WaterTemperatureCaption = Named(Controls, "Label3");
constexpr ControlId WaterTemperature = Named(Controls, "Label4");
constexpr ControlId RequiredCapacityCaption = Named(Controls, "Label5");
constexpr ControlId RequiredCapacity = Named(Controls, "Label6");
constexpr ControlId CompressorCountCaption = Named(Controls, "Label25");
constexpr ControlId CompressorCount = Named(Controls, "Label28");
constexpr ControlId HorsepowerCaption = Named(Controls, "Label26");
constexpr ControlId Horsepower = Named(Controls, "Label29");
constexpr ControlId ModelCaption = Named(Controls, "Label27");
constexpr ControlId Model = Named(Controls, "Label30");
constexpr ControlId ConditionNote = Named(Controls, "Label31");
constexpr ControlId TemperatureNote = Named(Controls, "Label32");

constexpr SheetRow Rows[] = {
    {ExchangeSurfaceCaption, ExchangeSurface},
    {TubeLengthCaption, TubeLength},
    {WaterTemperatureCaption, WaterTemperature},
    {RequiredCapacityCaption, RequiredCapacity},
    {CompressorCountCaption, CompressorCount},
    {HorsepowerCaption, Horsepower},
    {ModelCaption, Model},
};
constexpr ControlId Notes[] = {ConditionNote, TemperatureNote};

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
    sheet.SetText(CompressorCount, ResultLine(IntText(result.Choice.Count), PiecesUnit));
    sheet.SetText(Horsepower,
                  ResultLine(FloatText(result.Choice.Horsepower, sheet.DecimalSeparator()), HorsepowerUnit));
    sheet.SetText(Model, "Bitzer " + std::string(result.Choice.ModelCode));
    sheet.SetText(RequiredCapacity, ResultLine(IntText(result.RequiredCapacity), WattsUnit));
    sheet.SetText(ExchangeSurface, ResultLine(IntText(result.ExchangeSurface), SquareMetresUnit));
    sheet.SetText(TubeLength, ResultLine(IntText(result.TubeLength), MetresUnit));
    sheet.SetText(ConditionNote, result.ConditionNote);
    sheet.SetText(TemperatureNote, result.TemperatureNote);
}
