// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (the print dialog, its buttons) in the user's language, from the catalogue Qt
// ships for it, while the program's windows keep the layout they were drawn with.

#include <Qt>

namespace QtFace {

/// Loads Qt's catalogue for the user's locale where one is installed, and keeps the windows
/// laid out left to right as they were drawn, whatever the catalogue's direction. Call once,
/// once the application object exists.
void LoadQtTexts();

/// The direction Qt's own texts read in: right to left once a Persian catalogue is loaded.
Qt::LayoutDirection QtTextsDirection();

}  // namespace QtFace
