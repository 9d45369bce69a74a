// SPDX-License-Identifier: GPL-3.0-or-later
// A screen reader tells the fields apart: every input control of both input windows is
// labelled by its caption, as Qt's accessibility tree (what AT-SPI and Orca read) shows it.
// An edit box is named by its caption, with the unit where a second caption gives it; a list,
// which is named by its current value, is labelled by its caption; a sheet's value is named
// by its row's caption.

#include "ProgramWindows.h"
#include "QtTesting.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QtFace::Face> face_;
    std::unique_ptr<ProgramWindows> program_;

    static QWidget* Window(const QString& name)
    {
        for (const Shell::Form* form : {static_cast<Shell::Form*>(Form2), static_cast<Shell::Form*>(Form3),
                                        static_cast<Shell::Form*>(Form4), static_cast<Shell::Form*>(Form5)})
            if (QtTesting::WidgetOf(*form)->objectName() == name) return QtTesting::WidgetOf(*form);
        return nullptr;
    }

private slots:
    void init()
    {
        face_ = std::make_unique<QtFace::Face>(ProgramTitle);
        program_ = std::make_unique<ProgramWindows>(*face_);
    }
    void cleanup()
    {
        program_.reset();
        QCOMPARE(QtTesting::TopLevelWindows(), QStringList());
    }

    void everyInputIsLabelledByItsCaption_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char* window, const char* control, const char* caption) {
            QTest::addRow("%s %s", window, control) << window << control << caption;
        };
        row("Form2", "Edit2", "Label3");
        row("Form2", "Edit3", "Label4");
        row("Form2", "Edit4", "Label5");
        row("Form2", "Edit1", "Label7");
        row("Form2", "ComboBox6", "Label12");
        row("Form2", "ComboBox1", "Label1");
        row("Form2", "ComboBox2", "Label6");
        row("Form2", "ComboBox3", "Label8");
        row("Form2", "ComboBox4", "Label17");
        row("Form2", "ComboBox5", "Label11");
        row("Form2", "ComboBox7", "Label9");
        row("Form4", "Edit1", "Label1");
        row("Form4", "ComboBox1", "Label2");
        row("Form4", "ComboBox2", "Label3");
        row("Form4", "ComboBox3", "Label5");
        row("Form3", "Label24", "Label23");
        row("Form5", "Label6", "Label5");
    }

    void everyInputIsLabelledByItsCaption()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QWidget* shown = Window(window);
        auto* label = shown->findChild<QLabel*>(caption);
        QWidget* widget = shown->findChild<QWidget*>(control);
        QVERIFY(label && widget);
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(widget);
        QAccessibleInterface* named = QAccessible::queryAccessibleInterface(label);
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QLabel*>(widget)) {
            QVERIFY2(field->text(QAccessible::Name).startsWith(label->text().trimmed()),
                     qPrintable(field->text(QAccessible::Name)));
        } else {
            // The relations name what each other object is to this one: its caption is its Label.
            bool labelled = false;
            for (const auto& [other, relation] : field->relations(QAccessible::Label))
                labelled = labelled || other == named;
            QVERIFY2(labelled, "no labelled-by relation to the caption");
        }
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
