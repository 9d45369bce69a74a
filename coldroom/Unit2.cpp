// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit2.h"

#include "ColdRoomCalc.h"
#include "Unit3.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

// ComboBox1: process, its position is the ProcessKind. Edit2, Edit3, Edit4: room length,
// width and height, metres. Button2: suggested capacity. Edit1: capacity, kg per day.
// ComboBox6: loading percentage. ComboBox2: insulation, 10 or 15 cm polyurethane.
// ComboBox3: meat; ComboBox8: fruit and vegetables, in the same place, one shown at a time.
// ComboBox4: product entry temperature, C. ComboBox5: outside temperature, C.
// ComboBox7: compressor running hours per day. Button1: Calculate; Button3: Exit.
// Image1: banner. Label1 to Label18 caption the controls beside them.

TForm2* Form2 = nullptr;

namespace {

const QString DimensionsError = QStringLiteral("           ابعاد سالن صحيح وارد نشده است          ");
const QString CapacityError = QStringLiteral("           ظرفيت سالن صحيح نيست          ");

// Four lines, each after a lone carriage return, indented with blanks.
const QString SuggestionNotice =
    QStringLiteral("تخمين ظرفيت بطور کاملا تقريبي بوده که در بسياري از حجم ها") + u'\r' +
    QString(34, u' ') + QStringLiteral(".عدد تقريبي با واقعيت اختلاف زيادي دارد") + u'\r' +
    QString(4, u' ') + QStringLiteral("روش صحيح اينگونه است که کاربر عدد صحيح را بطور دستي") + u'\r' +
    QString(84, u' ') + QStringLiteral("وارد نمايد");

}  // namespace

TForm2::TForm2(QWidget* parent) : Shell::InputWindow(parent)
{
    setObjectName(QStringLiteral("Form2"));
    Shell::SetUpWindow(this, QStringLiteral("محاسبات سردخانه (فريوني)"), {939, 506}, Shell::TitleButtons::MinimizeAndClose);
    CreateControls();
    ConnectEvents();
    // The window opens as choosing the first process leaves it.
    ComboBox1Change();
}

void TForm2::CreateControls()
{
    Image1 = Shell::MakeBanner(this, "Image1", windowTitle(), {16, 8, 920, 149});

    // Captions take the size of their text, from the given corner.
    const auto caption = [this](const char* name, const QString& text, int left, int top, const QFont& font,
                                const QColor& colour) {
        return Shell::MakeLabel(this, name, text, {left, top, 0, 0}, font, colour);
    };
    const QFont captionFont = Shell::MakeFont(Shell::FaceMitra, 19, Shell::FontStyle::Bold);
    const QFont dimensionFont = Shell::MakeFont(Shell::FaceMitra, 15, Shell::FontStyle::Bold);
    Label1 = caption("Label1", QStringLiteral("فرآيند"), 784, 184, captionFont, Shell::Red);
    Label2 = caption("Label2", QStringLiteral("ابعاد سردخانه (متر)"), 480, 160, captionFont, Shell::Red);
    Label3 = caption("Label3", QStringLiteral("طول"), 584, 196, dimensionFont, Shell::Maroon);
    Label4 = caption("Label4", QStringLiteral("عرض"), 520, 196, dimensionFont, Shell::Maroon);
    Label5 = caption("Label5", QStringLiteral("ارتفاع"), 467, 196, dimensionFont, Shell::Maroon);
    Label7 = caption("Label7", QStringLiteral("ظرفيت سالن"), 173, 160, captionFont, Shell::Red);
    Label14 = caption("Label14", QStringLiteral("(کيلوگرم)"), 184, 187, captionFont, Shell::Red);
    Label12 = caption("Label12", QStringLiteral("درصد بارگيري"), 48, 160, captionFont, Shell::Red);
    Label15 = caption("Label15", QStringLiteral("در روز"), 72, 187, captionFont, Shell::Red);
    Label13 = caption("Label13", QStringLiteral("%"), 32, 220, Shell::MakeFont(Shell::FaceMitra, 35, Shell::FontStyle::Bold),
                      Shell::Black);
    Label6 = caption("Label6", QStringLiteral("ضخامت عايق "), 784, 290, captionFont, Shell::Red);
    Label8 = caption("Label8", QStringLiteral("نوع محصول"), 600, 290, captionFont, Shell::Red);
    Label17 = caption("Label17", QStringLiteral("دماي محصول ورودي"), 388, 290, captionFont, Shell::Red);
    Label18 = caption("Label18", QStringLiteral("(سانتيگراد)"), 312, 290, captionFont, Shell::Red);
    Label11 = caption("Label11", QStringLiteral("دماي محيط بيرون"), 156, 290, captionFont, Shell::Red);
    Label16 = caption("Label16", QStringLiteral("سردخانه (سانتيگراد)"), 24, 290, captionFont, Shell::Red);
    Label9 = caption("Label9", QStringLiteral("مدت زمان کارکرد کمپرسور (ساعت)"), 697, 386, captionFont, Shell::Red);

    // The pre-cooler entry begins with a zero-width joiner.
    ComboBox1 = new Shell::FixedList(this, "ComboBox1",
                                     {QStringLiteral("نگهداري گوشت بالاي صفر"), QStringLiteral("نگهداري گوشت زير صفر"),
                                      QStringLiteral("\u200Dپيش سردکن"), QStringLiteral("انجماد گوشت"),
                                      QStringLiteral("نگهداري ميوه/سبزي/صيفي جات")},
                                     0, {648, 224, 257, 40});
    Edit2 = new Shell::NumberEdit(this, "Edit2", 2, {576, 224, 40, 41});
    Edit3 = new Shell::NumberEdit(this, "Edit3", 2, {520, 224, 40, 41});
    Edit4 = new Shell::NumberEdit(this, "Edit4", 2, {464, 224, 40, 41});
    Button2 = Shell::MakeButton(this, "Button2", QStringLiteral("ظرفيت پيشنهادي سالن"), {304, 220, 121, 49});
    Edit1 = new Shell::NumberEdit(this, "Edit1", 7, {176, 224, 81, 41});
    ComboBox6 = new Shell::FixedList(this, "ComboBox6", Shell::NumberItems(100, 5, -5), 0, {56, 224, 73, 40});
    ComboBox2 = new Shell::FixedList(this, "ComboBox2",
                                     {QStringLiteral("پلي يورتان 10 سانتي"), QStringLiteral("پلي يورتان 15 سانتي")}, 0,
                                     {728, 328, 175, 40});

    QStringList produce;
    for (std::uint8_t row : Tools::ProduceListOrder) produce << QString::fromUtf8(Tools::ProduceTable[row].Name);
    ComboBox8 = new Shell::FixedList(this, "ComboBox8", produce, int(Tools::ProduceListDefault), {544, 328, 161, 40});
    QStringList meats;
    for (const Tools::MeatData& meat : Tools::MeatTable) meats << QString::fromUtf8(meat.Name);
    ComboBox3 = new Shell::FixedList(this, "ComboBox3", meats, 0, {544, 328, 161, 40});

    // Entry temperatures and running hours are proposed per process by ComboBox1Change.
    ComboBox4 = new Shell::FixedList(this, "ComboBox4", {}, -1, {392, 328, 73, 40});
    const QStringList outside = Shell::NumberItems(20, 50);
    ComboBox5 = new Shell::FixedList(this, "ComboBox5", outside, int(outside.indexOf(QStringLiteral("35"))),
                                     {112, 328, 73, 40});
    ComboBox7 = new Shell::FixedList(this, "ComboBox7", Shell::NumberItems(3, 22), -1, {795, 424, 73, 40});
    Button1 = Shell::MakeButton(this, "Button1", QStringLiteral("محاسبه"), {168, 424, 105, 57});
    Button3 = Shell::MakeButton(this, "Button3", QStringLiteral("خروج"), {40, 424, 105, 57});

    QWidget* const tabOrder[] = {ComboBox1, Edit2,     Edit3,     Edit4,     Button2,   Edit1,   ComboBox6, ComboBox2,
                                 ComboBox8, ComboBox3, ComboBox4, ComboBox5, ComboBox7, Button1, Button3};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
    // First in the tab order, so it holds the focus when the window opens.
    ComboBox1->setFocus();

    // Dimensions, capacity, loading percentage, process, insulation, product, entry and
    // outside temperatures, running hours; the two product lists share their caption.
    CaptionInputs({{Edit2, Label3, Label2}, {Edit3, Label4, Label2}, {Edit4, Label5, Label2}, {Edit1, Label7, Label14},
                   {ComboBox6, Label12, Label13}, {ComboBox1, Label1}, {ComboBox2, Label6}, {ComboBox3, Label8},
                   {ComboBox8, Label8}, {ComboBox4, Label17, Label18}, {ComboBox5, Label11, Label16},
                   {ComboBox7, Label9}});
}

void TForm2::ConnectEvents()
{
    // Only a real change of the process rearranges the window: picking the process that is
    // already chosen keeps every choice the user made since.
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm2::ComboBox1Change);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
    for (QWidget* edit : {Edit1, Edit2, Edit3, Edit4}) edit->installEventFilter(this);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (watched == Edit1) return Edit1KeyPress(key);
        if (watched == Edit2) return Edit2KeyPress(key);
        if (watched == Edit3) return Edit3KeyPress(key);
        if (watched == Edit4) return Edit4KeyPress(key);
    }
    return Shell::InputWindow::eventFilter(watched, event);
}

bool TForm2::Edit1KeyPress(const QKeyEvent& key) { return Shell::DigitFilterDiscards(key); }
bool TForm2::Edit2KeyPress(const QKeyEvent& key) { return Shell::DigitFilterDiscards(key); }
bool TForm2::Edit3KeyPress(const QKeyEvent& key) { return Shell::DigitFilterDiscards(key); }
bool TForm2::Edit4KeyPress(const QKeyEvent& key) { return Shell::DigitFilterDiscards(key); }

void TForm2::ComboBox1Change()
{
    const ColdRoom::ProcessLayout layout = ColdRoom::LayoutFor(Tools::ProcessKind(ComboBox1->currentIndex()));
    ComboBox4->clear();
    ComboBox4->addItems(Shell::NumberItems(layout.EntryFrom, layout.EntryTo));
    ComboBox4->setCurrentIndex(ComboBox4->findText(QString::number(layout.ProposedEntry)));
    ComboBox7->setCurrentIndex(ComboBox7->findText(QString::number(layout.ProposedHours)));
    ComboBox2->setCurrentIndex(layout.InsulationIndex);
    // A disabled percentage keeps its value: the run still shows that share as the mass.
    for (QWidget* loading : std::initializer_list<QWidget*>{Label12, Label15, Label13, ComboBox6})
        loading->setEnabled(layout.LoadingApplies);
    ComboBox8->setVisible(layout.ProduceList);
    ComboBox3->setVisible(!layout.ProduceList);
    Label8->setBuddy(layout.ProduceList ? ComboBox8 : ComboBox3);
    if (layout.ProduceList) ComboBox8->setCurrentIndex(int(Tools::ProduceListDefault));
}

void TForm2::Button1Click()
{
    Shell::Guarded([this] {
        for (Shell::NumberEdit* edit : {Edit1, Edit2, Edit3, Edit4}) edit->FillEmpty();
        const std::int32_t length = Shell::StrToInt(Edit2->text());
        const std::int32_t width = Shell::StrToInt(Edit3->text());
        const std::int32_t height = Shell::StrToInt(Edit4->text());
        const std::int32_t capacity = Shell::StrToInt(Edit1->text());
        const std::int32_t loadingPercent = Shell::StrToInt(ComboBox6->currentText());
        // A pasted sign gets past the digit filter; a negative size is as wrong as 0.
        if (length < 1 || width < 1 || height < 1) {
            Shell::ShowError(DimensionsError);
            return;
        }
        if (capacity < 1) {
            Shell::ShowError(CapacityError);
            return;
        }

        // The rest is read in this order: outside temperature, running hours, process,
        // insulation, entry temperature, product.
        const ColdRoom::ColdRoomInput input{
            .Length = std::uint16_t(length),
            .Width = std::uint16_t(width),
            .Height = std::uint16_t(height),
            .Capacity = capacity,
            .LoadingPercent = loadingPercent,
            .OutsideTemperature = Shell::StrToInt(ComboBox5->currentText()),
            .RunningHours = std::uint8_t(Shell::StrToInt(ComboBox7->currentText())),
            .Process = Tools::ProcessKind(ComboBox1->currentIndex()),
            .InsulationFactor = ColdRoom::InsulationFactorAt(ComboBox2->currentIndex()),
            .EntryTemperature = Shell::StrToInt(ComboBox4->currentText()),
            // isHidden, not isVisible: the choice holds while the window itself is hidden.
            .ProductName = (ComboBox3->isHidden() ? ComboBox8 : ComboBox3)->currentText().toStdString(),
        };
        Form3->ShowResults(ColdRoom::ComputeColdRoom(input));
        Form3->SetInputs(RunInputs());
        Form3->ShowModal();
    });
}

void TForm2::Button2Click()
{
    Shell::Guarded([this] {
        for (Shell::NumberEdit* edit : {Edit2, Edit3, Edit4}) edit->FillEmpty();
        const std::int32_t length = Shell::StrToInt(Edit2->text());
        const std::int32_t width = Shell::StrToInt(Edit3->text());
        const std::int32_t height = Shell::StrToInt(Edit4->text());
        if (length < 1 || width < 1 || height < 1) {
            Shell::ShowError(DimensionsError);
            return;
        }
        Shell::ShowInformation(SuggestionNotice);
        // The suggestion may be longer than the seven digits the user can type.
        Edit1->WriteText(Shell::IntText(ColdRoom::SuggestedCapacity(
            std::uint16_t(length), std::uint16_t(width), std::uint16_t(height),
            Tools::ProcessKind(ComboBox1->currentIndex()))));
    });
}

void TForm2::Button3Click() { Shell::ExitProgram(); }
