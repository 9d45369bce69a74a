// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit5.h"

#include <QLabel>

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

constexpr int RowHeight = 33;

}  // namespace

TForm5::TForm5(QWidget* parent)
    : Shell::ResultSheet(QStringLiteral("نتيجه محاسبات"), {473, 407}, {40, 336, 121, 49}, parent)
{
    setObjectName(QStringLiteral("Form5"));
    CreateControls();
}

void TForm5::CreateControls()
{
    // Captions 200 wide at left 264; values 235 wide at left 19, beside their caption.
    const auto row = [&](QLabel*& caption, const char* captionName, const QString& text, QLabel*& value,
                         const char* valueName, int top, const QColor& colour, int valueTop) {
        AddRow(caption, captionName, text, {264, top, 200, RowHeight}, colour, value, valueName,
               {19, valueTop, 235, RowHeight});
    };

    row(Label21, "Label21", QStringLiteral("سطح تبادل مورد نياز"), Label22, "Label22", 24, Shell::Red, 24);
    row(Label1, "Label1", QStringLiteral("متزاژ لوله مورد نياز"), Label2, "Label2", 72, Shell::Red, 72);
    row(Label3, "Label3", QStringLiteral("دماي آب آيس بانک"), Label4, "Label4", 112, Shell::Red, 112);
    // The tank is always cooled to 1 C: this line is never written.
    Label4->setText(QStringLiteral("1 درجه سانتيگراد"));
    row(Label5, "Label5", QStringLiteral("ظرفيت برودتي مورد نياز"), Label6, "Label6", 152, Shell::Red, 152);
    row(Label25, "Label25", QStringLiteral("تعداد کمپرسور"), Label28, "Label28", 193, Shell::Maroon, 198);
    row(Label26, "Label26", QStringLiteral("قدرت کمپرسور"), Label29, "Label29", 233, Shell::Maroon, 238);
    // The model code is Latin text and reads left to right.
    AddRow(Label27, "Label27", QStringLiteral("مدل کمپرسور"), {264, 273, 200, RowHeight}, Shell::Maroon, Label30,
           "Label30", {19, 277, 235, RowHeight}, Shell::MakeFont(Shell::FaceComic, 21), Shell::Reading::LeftToRight);

    const QFont noteFont = Shell::MakeFont(Shell::FaceArial, 16, Shell::FontStyle::Italic);
    Label31 = AddNote("Label31", {248, 341, 201, 24}, noteFont);
    Label32 = AddNote("Label32", {248, 365, 201, 24}, noteFont);
}

void TForm5::ShowResults(const IceBank::IceBankResult& result)
{
    using Shell::IntText;
    using Shell::ResultLine;
    const std::string_view model = result.Choice.ModelCode;
    Label28->setText(ResultLine(IntText(result.Choice.Count), QStringLiteral("عدد")));
    Label29->setText(ResultLine(Shell::FloatText(result.Choice.Horsepower), QStringLiteral("اسب")));
    Label30->setText(QStringLiteral("Bitzer ") + QString::fromLatin1(model.data(), qsizetype(model.size())));
    Label6->setText(ResultLine(IntText(result.RequiredCapacity), QStringLiteral("وات")));
    Label22->setText(ResultLine(IntText(result.ExchangeSurface), QStringLiteral("متر مربع")));
    Label2->setText(ResultLine(IntText(result.TubeLength), QStringLiteral("متر")));
    WriteNote(Label31, QString::fromUtf8(result.ConditionNote));
    WriteNote(Label32, QString::fromUtf8(result.TemperatureNote));
}
