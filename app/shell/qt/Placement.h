// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window stands: centred on the full primary screen by its outer size, frame and
// title bar included.

#include "View.h"

#include <QWidget>

namespace QtFace {

/// The window's outer size as far as it is known: before a window is first on the screen its
/// frame is not known yet, and the frame of a window shown earlier stands in for it.
Shell::Size OuterSizeOf(const QWidget* window);

/// The full primary screen, the area under a task bar included.
Shell::Size ScreenSize();
/// The primary screen less its panels and task bars.
Shell::Rect WorkArea();

/// Moves a top-level window's outer top-left corner to `outer`. Once the window system tells
/// the real frame of a window placed with another, `again` (or the one given before) runs, so
/// that the window can be placed anew.
void MoveOuterTo(QWidget* window, Shell::Point outer, std::function<void()> again = {});

/// Centres a top-level window of the program on the screen by its outer size.
void CentreOnScreen(QWidget* window);

}  // namespace QtFace
