// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTesting.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace QtTesting {

MessageRecorder::MessageRecorder() : previous_(QtFace::MessageBox())
{
    QtFace::MessageBox() = [this](const Shell::Message& message) { boxes.push_back(message); };
}

MessageRecorder::~MessageRecorder() { QtFace::MessageBox() = previous_; }

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

QStringList TopLevelWindows()
{
    QStringList names;
    for (const QWidget* window : QApplication::topLevelWidgets()) names << window->objectName();
    return names;
}

}  // namespace QtTesting
