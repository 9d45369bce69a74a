// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Seams for window tests: message boxes are recorded instead of shown, and a real modal
// window is closed from a timer so that no test waits for a person.

#include "Shell.h"

#include <QList>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <functional>

namespace ShellTesting {

struct RecordedBox {
    Shell::MessageKind kind;
    QString caption;
    QString text;
    friend bool operator==(const RecordedBox&, const RecordedBox&) = default;
};
using Boxes = QList<RecordedBox>;
/// How QCOMPARE reports a box.
char* toString(const RecordedBox& box);

/// The boxes as the program shows them: the error box, the general error box (the program's
/// title as caption) and the information box.
RecordedBox ErrorBox(const QString& text);
RecordedBox GeneralErrorBox(const QString& text);
RecordedBox InformationBox(const QString& text);

/// While alive, every message box is recorded here instead of shown.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QList<RecordedBox> boxes;

private:
    Shell::MessageBoxFunction previous_;
};

/// Waits in the event loop for a modal window to appear, records its object name, hands it
/// to `onOpen` (by default: presses `keys` on it one after the other) and closes it if it is
/// still open after that. Create it before the code that opens the modal window.
class ModalCloser : public QObject {
public:
    explicit ModalCloser(QList<int> keys = {});
    explicit ModalCloser(std::function<void(QWidget* modal)> onOpen);

    QStringList seen;                 // object names of the modal windows that appeared
    bool stillOpen = false;           // what `onOpen` did left it open

private:
    void Poll();
    std::function<void(QWidget*)> onOpen_;
};

/// Clicks `button`; a modal window that it opens gets `keys` and is closed after them.
/// Returns the object names of the modal windows that opened.
QStringList ClickAndClose(QPushButton* button, QList<int> keys = {Qt::Key_Return});

/// Runs the event loop until the program ends and returns its exit code; 1 if it has not
/// ended after ten seconds.
int ExecUntilTheProgramEnds();

/// The current index of every list in `window`, to show that a press changed none of them.
QList<int> ListSelections(const QWidget* window);

/// The top-level windows still alive: none once a test has released the windows it made.
QStringList TopLevelWindows();

}  // namespace ShellTesting
