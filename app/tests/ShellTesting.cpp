#include "ShellTesting.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace ShellTesting {

MessageRecorder::MessageRecorder() : previous_(Shell::MessageBox())
{
    Shell::MessageBox() = [this](Shell::MessageKind kind, const QString& caption, const QString& text) {
        boxes.append({kind, caption, text});
    };
}

MessageRecorder::~MessageRecorder() { Shell::MessageBox() = previous_; }

ModalCloser::ModalCloser(QList<int> keys) : keys_(std::move(keys))
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
    for (int key : keys_) QTest::keyClick(modal, Qt::Key(key));
    if (modal->isVisible()) {
        stillOpenAfterKeys = !keys_.isEmpty();
        modal->close();
    }
}

}  // namespace ShellTesting
