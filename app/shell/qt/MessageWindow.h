// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message box of the Qt face: the kind's icon, the text in the program's Persian face,
// and one OK button; and the seam through which the tests record boxes instead.

#include "View.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace QtFace {

/// The box, not yet shown: the kind's icon, the text as plain labels named "Line", one per
/// line (a lone carriage return splits lines), each read as Shell::MessageLineReading says;
/// one OK button. Centred on the screen by its outer size when shown.
std::unique_ptr<QDialog> MakeMessageBox(const Shell::Message& message);

/// Shows a message box modally. Tests replace it to record what would be shown.
using MessageBoxFunction = std::function<void(const Shell::Message& message)>;
MessageBoxFunction& MessageBox();

}  // namespace QtFace
