// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program tells the user something: the error and information boxes with their one
// OK button, and the general error box for a failure that escapes a handler.

#include "FieldText.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

namespace Shell {

/// The program's title: the start dialog's caption, also the caption of the general error box.
extern const QString ProgramTitle;

enum class MessageKind { Error, Information };

/// Shows a modal box with one OK button. Tests replace it to record what would be shown.
using MessageBoxFunction = std::function<void(MessageKind kind, const QString& caption, const QString& text)>;
MessageBoxFunction& MessageBox();

/// The real message box behind MessageBox(), not yet shown: the kind's icon, the text as
/// plain labels named "Line", one per line (a lone carriage return splits lines), each laid
/// out left to right as the texts were composed; one OK button. Centred on the screen by its
/// outer size when shown.
std::unique_ptr<QDialog> MakeMessageBox(MessageKind kind, const QString& caption, const QString& text);

/// The error box: caption "Error", error icon, one OK button, the text as given.
void ShowError(const QString& text);

/// The information box: caption "Information", information icon, one OK button.
void ShowInformation(const QString& text);

/// The box for a failure that escaped a handler: the program's title as caption, a full
/// stop appended when the message ends in a letter or digit.
void ShowGeneralError(const QString& message);

/// Runs a handler; a failure that escapes it goes to the general error box and the
/// program goes on.
void Guarded(const std::function<void()>& handler);

}  // namespace Shell
