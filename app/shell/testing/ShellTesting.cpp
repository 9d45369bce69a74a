// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTesting.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace ShellTesting {

char* toString(const RecordedBox& box)
{
    const QString kind = box.kind == Shell::MessageKind::Error ? "error" : "information";
    return QTest::toString(kind + " box \"" + box.caption + "\": \"" + box.text + '"');
}

RecordedBox ErrorBox(const QString& text) { return {Shell::MessageKind::Error, QStringLiteral("Error"), text}; }
RecordedBox GeneralErrorBox(const QString& text) { return {Shell::MessageKind::Error, Shell::ProgramTitle, text}; }
RecordedBox InformationBox(const QString& text)
{
    return {Shell::MessageKind::Information, QStringLiteral("Information"), text};
}

MessageRecorder::MessageRecorder() : previous_(Shell::MessageBox())
{
    Shell::MessageBox() = [this](Shell::MessageKind kind, const QString& caption, const QString& text) {
        boxes.append({kind, caption, text});
    };
}

MessageRecorder::~MessageRecorder() { Shell::MessageBox() = previous_; }

ModalCloser::ModalCloser(QList<int> keys)
    : ModalCloser([keys](QWidget* modal) {
          for (int key : keys) QTest::keyClick(modal, Qt::Key(key));
      })
{
}

ModalCloser::ModalCloser(std::function<void(QWidget* modal)> onOpen) : onOpen_(std::move(onOpen))
{
    QTimer::singleShot(0, this, [this] { Poll(); });
}

void ModalCloser::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        QTimer::singleShot(5, this, [this] { Poll(); });
        return;
    }
    seen << modal->objectName();
    onOpen_(modal);
    if (modal->isVisible()) {
        stillOpen = true;
        modal->close();
    }
}

QStringList ClickAndClose(QPushButton* button, QList<int> keys)
{
    ModalCloser closer(std::move(keys));
    QTest::mouseClick(button, Qt::LeftButton);
    return closer.seen;
}

int ExecUntilTheProgramEnds()
{
    QTimer tooLate;
    tooLate.setSingleShot(true);
    QObject::connect(&tooLate, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    tooLate.start(10000);
    return QCoreApplication::exec();
}

QStringList TopLevelWindows()
{
    QStringList names;
    for (const QWidget* window : QApplication::topLevelWidgets()) names << window->objectName();
    return names;
}

QList<int> ListSelections(const QWidget* window)
{
    QList<int> indexes;
    for (const QComboBox* list : window->findChildren<QComboBox*>()) indexes << list->currentIndex();
    return indexes;
}

}  // namespace ShellTesting
