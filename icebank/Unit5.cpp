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

const QString Note1 = QStringLiteral("R22    ,   DT = 10C");
const QString Note2 = QStringLiteral("Cond. temp = 40C");

constexpr int RowHeight = 33;

}  // namespace

TForm5::TForm5(QWidget* parent)
    : Shell::ResultSheet(QStringLiteral("نتيجه محاسبات"), QSize(473, 407), QRect(40, 336, 121, 49), parent)
{
    setObjectName(QStringLiteral("Form5"));
    CreateControls();
}

void TForm5::CreateControls()
{
    const QFont sheetFont = Shell::MakeFont(Shell::FaceMorvarid, 19);
    const auto caption = [&](const char* name, const QString& text, int top, const QColor& colour) {
        return Shell::MakeLabel(this, name, text, QRect(264, top, 200, RowHeight), sheetFont, colour, true);
    };
    const auto value = [&](const char* name, int top, const QString& text = {}) {
        return Shell::MakeLabel(this, name, text, QRect(19, top, 235, RowHeight), sheetFont, Shell::Black, true);
    };

    Label21 = caption("Label21", QStringLiteral("سطح تبادل مورد نياز"), 24, Shell::Red);
    Label22 = value("Label22", 24);
    Label1 = caption("Label1", QStringLiteral("متزاژ لوله مورد نياز"), 72, Shell::Red);
    Label2 = value("Label2", 72);
    Label3 = caption("Label3", QStringLiteral("دماي آب آيس بانک"), 112, Shell::Red);
    Label4 = value("Label4", 112, QStringLiteral("1 درجه سانتيگراد"));
    Label5 = caption("Label5", QStringLiteral("ظرفيت برودتي مورد نياز"), 152, Shell::Red);
    Label6 = value("Label6", 152);

    Label25 = caption("Label25", QStringLiteral("تعداد کمپرسور"), 193, Shell::Maroon);
    Label28 = value("Label28", 198);
    Label26 = caption("Label26", QStringLiteral("قدرت کمپرسور"), 233, Shell::Maroon);
    Label29 = value("Label29", 238);
    Label27 = caption("Label27", QStringLiteral("مدل کمپرسور"), 273, Shell::Maroon);
    // The model code is Latin text.
    Label30 = Shell::MakeLabel(this, "Label30", {}, QRect(19, 277, 235, RowHeight),
                               Shell::MakeFont(Shell::FaceComic, 21), Shell::Black, true, false);

    const QFont noteFont = Shell::MakeFont(Shell::FaceArial, 16, false, true);
    Label31 = Shell::MakeLabel(this, "Label31", Note1, QRect(248, 341, 201, 24), noteFont, Shell::Black, false, false);
    Label32 = Shell::MakeLabel(this, "Label32", Note2, QRect(248, 365, 201, 24), noteFont, Shell::Black, false, false);

    SetCopiedRows({{Label21, Label22}, {Label1, Label2}, {Label3, Label4}, {Label5, Label6},
                   {Label25, Label28}, {Label26, Label29}, {Label27, Label30}},
                  {Label31, Label32});
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
    WriteNote(Label31, Note1);
    WriteNote(Label32, Note2);
}
