// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The banner picture across the top of an input window.

#include "Description.h"

#include <QLabel>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace QtFace {

/// A banner picture with `title`, drawn for the screen's pixel ratio.
QPixmap DrawBanner(QSize size, const QString& title, qreal pixelRatio);

/// A picture label holding the banner titled with the description's text. It draws the banner
/// when first painted and anew whenever it is painted at another pixel ratio than the picture
/// was drawn for, so a window never shown draws none, and the banner stays sharp on a
/// high-resolution screen and after the window moves to a screen of another ratio.
QLabel* MakeBanner(QWidget* parent, const Shell::Control& control);

}  // namespace QtFace
