#pragma once
// Seams for window tests: message boxes are recorded instead of shown, and a real modal
// window is closed from a timer so that no test waits for a person.

#include "Shell.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace ShellTesting {

struct RecordedBox {
    Shell::MessageKind kind;
    QString caption;
    QString text;
};

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

/// Waits in the event loop for a modal window to appear, records its object name, presses
/// `keys` on it one after the other, and closes it if it is still open after them.
/// Create it before the code that opens the modal window.
class ModalCloser : public QObject {
public:
    explicit ModalCloser(QList<int> keys = {});

    QStringList seen;                 // object names of the modal windows that appeared
    bool stillOpenAfterKeys = false;  // the keys did not close it

private:
    void Poll();
    QList<int> keys_;
};

}  // namespace ShellTesting
