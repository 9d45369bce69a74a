// SPDX-License-Identifier: GPL-3.0-or-later
// Awkward texts pasted into every number field of both input windows, the way a user pastes
// (through the field's own paste, so the typing limit cuts them), then Calculate or Suggested
// room capacity. Every press must end in exactly one outcome (the result sheet, an error box
// or the general error box), change no input but the "0" of an empty field and the written
// suggestion, and leave the program working.

#include "ProgramWindows.h"
#include "ShellTesting.h"
#include "WholeNumber.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>
#include <random>

using ShellTesting::Boxes;
using ShellTesting::ErrorBox;
using ShellTesting::GeneralErrorBox;
using ShellTesting::ListSelections;

namespace {

const QString DimensionsError = QStringLiteral("           ابعاد سالن صحيح وارد نشده است          ");
const QString CapacityError = QStringLiteral("           ظرفيت سالن صحيح نيست          ");
const QString VolumeTooSmall = QStringLiteral("           حجم حوض بايد بيشتر از هزار ليتر باشد          ");

// Texts a user may paste: blanks, signs, zeros, numbers past 32 bits, Persian and
// Arabic-Indic digits, letters, mixed scripts, a character cut in half by the typing limit,
// control characters and texts far longer than any limit.
QStringList FixedTexts()
{
    return {QString(), " ", "   ", "+", "-", "+-5", "+5", "-5", "-0", "00", "0", "007", "5 ", " 5", "\t7", "7\n",
            "2147483647", "2147483648", "-2147483648", "-2147483649", "99999999999999999999",
            QStringLiteral("۱۲"), QStringLiteral("١٢٣"), QStringLiteral("1۲"), QStringLiteral("٣4"), "12a", "abc",
            QStringLiteral("سيب"), QStringLiteral("ده"), "1e3", "0x1F", "$1F", "1,000", "1.5", "1/2",
            QStringLiteral("5\U0001F600"), QStringLiteral("\U0001F6005"), QStringLiteral("4\u200D"),
            QString(QChar(0)) + "5", QString(300, u'9'), "1" + QString(80, u'0'), QString(200, u'a')};
}

// Further texts drawn from the same pieces, the same ones on every run.
QStringList DrawnTexts(int count)
{
    const QStringList pieces = {"0", "1", "9", "42", "+", "-", " ", "a", QStringLiteral("۵"), QStringLiteral("٧"),
                                QStringLiteral("ب"), ".", "99999", "\U0001F600"};
    std::mt19937 rng(20240607);
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        QString text;
        const int length = std::uniform_int_distribution<int>(1, 6)(rng);
        for (int j = 0; j < length; ++j)
            text += pieces[std::uniform_int_distribution<qsizetype>(0, pieces.size() - 1)(rng)];
        texts << text;
    }
    return texts;
}

QString NotAnInteger(const QString& text) { return "'" + text + "' is not a valid integer value."; }

// Pastes over a field's whole text as the context menu does.
void Paste(QLineEdit* field, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    field->selectAll();
    if (text.isEmpty())
        field->del();  // an empty clipboard pastes nothing; the user deletes instead
    else
        field->paste();
}

// What one press showed.
struct Outcome {
    QStringList modals;  // object names of modal windows that opened
    QList<ShellTesting::RecordedBox> boxes;
};

Outcome Press(QPushButton* button)
{
    ShellTesting::MessageRecorder recorder;
    const QStringList modals = ShellTesting::ClickAndClose(button);
    return {modals, recorder.boxes};
}

QString Describe(const QStringList& fields) { return "fields [" + fields.join("|") + "]"; }

// The press showed `box` and no window.
void ExpectOnly(const Outcome& outcome, const ShellTesting::RecordedBox& box, const QString& context)
{
    QStringList shown = outcome.modals;
    for (const ShellTesting::RecordedBox& other : outcome.boxes) shown << other.caption + ": " + other.text;
    QVERIFY2(outcome.modals.isEmpty() && outcome.boxes == Boxes{box}, qPrintable(context + " showed " + shown.join(" | ")));
}

}  // namespace

class BadInputTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramWindows> program_;
    QStringList texts_;
    // How often each outcome came up: every one of them must, or the texts miss a path.
    inline static QMap<QString, int> outcomes_;

    static QList<QLineEdit*> ColdRoomFields() { return {Form2->Edit2, Form2->Edit3, Form2->Edit4, Form2->Edit1}; }

    static QStringList TextsOf(const QList<QLineEdit*>& fields)
    {
        QStringList texts;
        for (const QLineEdit* field : fields) texts << field->text();
        return texts;
    }

    // One press of a cold-room button over the fields as they stand; checks its outcome
    // against what the fields are worth, and that nothing else changed.
    static void CheckColdRoomPress(QPushButton* button, bool suggestion)
    {
        const QList<QLineEdit*> fields = ColdRoomFields();
        const QStringList before = TextsOf(fields);
        const QList<int> selections = ListSelections(Form2);
        const QString sheet = Form3->SheetText();
        const Outcome outcome = Press(button);
        const QString context = Describe(before) + (suggestion ? ", suggestion" : ", calculate");

        // The press wrote "0" into the empty fields it reads, and nothing else before it converted.
        QStringList expected = before;
        const int read = suggestion ? 3 : 4;  // the suggestion leaves the capacity alone
        for (int i = 0; i < read; ++i)
            if (expected[i].isEmpty()) expected[i] = "0";
        std::optional<std::int32_t> values[4];
        for (int i = 0; i < read; ++i) values[i] = ShellTesting::WholeNumber(expected[i]);

        QString failure;
        for (int i = 0; i < read && failure.isNull(); ++i)
            if (!values[i]) failure = expected[i];
        if (!failure.isNull()) {
            ExpectOnly(outcome, GeneralErrorBox(NotAnInteger(failure)), context);
            QCOMPARE(Form3->SheetText(), sheet);
            ++outcomes_["general error"];
        } else if (*values[0] < 1 || *values[1] < 1 || *values[2] < 1 || (!suggestion && *values[3] < 1)) {
            const bool dimensions = *values[0] < 1 || *values[1] < 1 || *values[2] < 1;
            ExpectOnly(outcome, ErrorBox(dimensions ? DimensionsError : CapacityError), context);
            QCOMPARE(Form3->SheetText(), sheet);
            ++outcomes_[dimensions ? "dimensions error" : "capacity error"];
        } else if (suggestion) {
            QVERIFY2(outcome.modals.isEmpty() && outcome.boxes.size() == 1, qPrintable(context));
            QCOMPARE(outcome.boxes[0].caption, QString("Information"));
            expected[3] = QString::number(ColdRoom::SuggestedCapacity(
                quint16(*values[0]), quint16(*values[1]), quint16(*values[2]),
                Tools::ProcessKind(Form2->ComboBox1->currentIndex())));
            ++outcomes_["suggestion"];
        } else {
            QVERIFY2(outcome.boxes.isEmpty(), qPrintable(context + ": " + outcome.boxes.value(0).text));
            QCOMPARE(outcome.modals, QStringList{"Form3"});
            // The sheet's volume is the product of the sides as the fields give them.
            QCOMPARE(Form3->Label20->text(),
                     QString::number(*values[0] * *values[1] * *values[2]) + "  " + QStringLiteral("مترمکعب"));
            ++outcomes_["sheet"];
        }
        QVERIFY2(TextsOf(fields) == expected, qPrintable(context + " became " + Describe(TextsOf(fields))));
        QCOMPARE(ListSelections(Form2), selections);
    }

private slots:
    void initTestCase()
    {
        program_ = std::make_unique<ProgramWindows>();
        texts_ = FixedTexts() + DrawnTexts(40);
        QGuiApplication::clipboard()->setText("check");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("check"));
    }

    void cleanupTestCase()
    {
        program_.reset();
        QCOMPARE(ShellTesting::TopLevelWindows(), QStringList());
    }

    void coldRoomFieldsTakeAnyPastedText()
    {
        Form2->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form2));
        const QList<QLineEdit*> fields = ColdRoomFields();
        const QStringList room = {"10", "5", "3", "1000"};
        for (int f = 0; f < fields.size(); ++f) {
            for (const QString& text : texts_) {
                for (const bool suggestion : {false, true}) {
                    for (int i = 0; i < fields.size(); ++i) fields[i]->setText(room[i]);
                    Paste(fields[f], text);
                    // The typing limit cuts what is pasted, as it cuts what is typed.
                    QCOMPARE(fields[f]->text(), text.left(fields[f]->maxLength()));
                    CheckColdRoomPress(suggestion ? Form2->Button2 : Form2->Button1, suggestion);
                    if (QTest::currentTestFailed()) return;
                }
            }
        }
        // After a suggestion longer than the typing limit, a pasted capacity may be as long.
        const QStringList largest = {"99", "99", "99", ""};
        for (int i = 0; i < fields.size(); ++i) fields[i]->setText(largest[i]);
        CheckColdRoomPress(Form2->Button2, true);
        Paste(Form2->Edit1, "999999999999");
        QCOMPARE(Form2->Edit1->text(), QString("999999999"));
        CheckColdRoomPress(Form2->Button1, false);
        // The window still calculates.
        for (int i = 0; i < fields.size(); ++i) fields[i]->setText(room[i]);
        CheckColdRoomPress(Form2->Button1, false);
        QVERIFY(Form2->isVisible());
        for (const char* outcome : {"general error", "dimensions error", "capacity error", "suggestion", "sheet"})
            QVERIFY2(outcomes_.value(outcome) >= 5, outcome);
    }

    void iceBankFieldTakesAnyPastedText()
    {
        Form4->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form4));
        QLineEdit* volume = Form4->Edit1;
        for (const QString& text : texts_ + QStringList{"999", "1000", "999999", "+1000"}) {
            volume->setText("5000");
            Paste(volume, text);
            QCOMPARE(volume->text(), text.left(volume->maxLength()));
            const QString pasted = volume->text();
            const QString expected = pasted.isEmpty() ? "0" : pasted;
            const QList<int> selections = ListSelections(Form4);
            const QString sheet = Form5->SheetText();
            const Outcome outcome = Press(Form4->Button1);
            const QString context = "volume [" + pasted + "]";

            const std::optional<std::int32_t> litres = ShellTesting::WholeNumber(expected);
            if (!litres) {
                ExpectOnly(outcome, GeneralErrorBox(NotAnInteger(expected)), context);
                QCOMPARE(Form5->SheetText(), sheet);
                ++outcomes_["ice general error"];
            } else if (*litres < 1000) {
                ExpectOnly(outcome, ErrorBox(VolumeTooSmall), context);
                QCOMPARE(Form5->SheetText(), sheet);
                ++outcomes_["ice volume error"];
            } else {
                QVERIFY2(outcome.boxes.isEmpty(), qPrintable(context));
                QCOMPARE(outcome.modals, QStringList{"Form5"});
                const IceBank::IceBankResult result = IceBank::ComputeIceBank(
                    {std::int32_t(*litres), std::uint8_t(Form4->ComboBox3->currentText().toInt()),
                     std::uint8_t(Form4->ComboBox2->currentText().toInt()),
                     IceBank::TubeSizeIndex(Form4->ComboBox1->currentIndex())});
                QCOMPARE(Form5->Label6->text(), QString::number(result.RequiredCapacity) + "  " + QStringLiteral("وات"));
                ++outcomes_["ice sheet"];
            }
            QCOMPARE(volume->text(), expected);
            QCOMPARE(ListSelections(Form4), selections);
        }
        QVERIFY(Form4->isVisible());
        for (const char* outcome : {"ice general error", "ice volume error", "ice sheet"})
            QVERIFY2(outcomes_.value(outcome) >= 3, outcome);
    }
};

QTEST_MAIN(BadInputTest)
#include "BadInputTest.moc"
