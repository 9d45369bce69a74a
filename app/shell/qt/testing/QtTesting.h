// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Seams for the Qt tests: message boxes are recorded instead of shown, a real modal window
// is closed from a timer so that no test waits for a person, and a window's widgets are found
// by the names of its description.

#include "MessageWindow.h"
#include "Shell.h"
#include "Window.h"

#include <QList>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

namespace QtTesting {

/// The top-level widget of a window, and one of its controls by name.
inline QWidget* WidgetOf(const Shell::Form& form) { return QtFace::Face::WidgetOf(form); }
template <class T = QWidget>
T* ControlOf(const Shell::Form& form, const char* name)
{
    return WidgetOf(form)->findChild<T*>(QString::fromLatin1(name));
}

/// While alive, every message box is recorded here instead of shown.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<Shell::Message> boxes;

private:
    QtFace::MessageBoxFunction previous_;
};

/// Waits in the event loop for a modal window to appear, records its object name, hands it
/// to `onOpen` (by default: presses `keys` on it one after the other) and closes it if it is
/// still open after that. Create it before the code that opens the modal window.
class ModalCloser : public QObject {
public:
    explicit ModalCloser(QList<int> keys = {});
    explicit ModalCloser(std::function<void(QWidget* modal)> onOpen);

    QStringList seen;        // object names of the modal windows that appeared
    bool stillOpen = false;  // what `onOpen` did left it open

private:
    void Poll();
    std::function<void(QWidget*)> onOpen_;
};

/// Clicks `button`; a modal window that it opens gets `keys` and is closed after them.
/// Returns the object names of the modal windows that opened.
QStringList ClickAndClose(QPushButton* button, QList<int> keys = {Qt::Key_Return});

/// The top-level windows still alive: none once a test has released the windows it made.
QStringList TopLevelWindows();

}  // namespace QtTesting
