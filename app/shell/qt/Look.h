// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look of the Qt face: the program's typefaces with their free stand-ins, its colours,
// the stock OK glyph of the OK-kind buttons, the push buttons' focus mark and the menus.

#include "Description.h"
#include "Rules.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPushButton>

class QMenu;
class QStyle;

namespace QtFace {

/// The freely licensed face that stands in for both Persian faces where they are missing.
inline constexpr char PersianSubstitute[] = "Lateef";

/// The face a printed report's Persian is set in. A PDF's text maps each glyph back to the
/// character it stands for; DejaVu Sans holds every contextual form of a letter as the
/// letter's presentation form, which a search folds to the letter, where Lateef's forms map
/// back to nothing, and a report set in Lateef could be neither searched nor copied.
inline constexpr char PrintedPersianFace[] = "DejaVu Sans";

/// A font of the printed report's face at a character height in pixels.
QFont PrintFont(int pixelHeight);

/// A font of the typeface at a character height in pixels. The typefaces stand in for each
/// other as PersianSubstitute and the others' free equivalents where a machine lacks them (an
/// installed original is still preferred); where Lateef stands in for a Persian face, 3
/// pixels more.
QFont MakeFont(Shell::Typeface face, int pixelHeight, Shell::FontStyle style = Shell::FontStyle::Regular);

/// The font of a role's type.
QFont FontOf(Shell::Role role);

/// A colour of the descriptions; the window-text colour is the palette's own (invalid here).
QColor ColourOf(Shell::Colour colour);
inline QColor QColorOf(Shell::Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

/// The stock OK glyph of the OK-kind buttons.
QIcon OkGlyph();

/// A push button that shows it holds the focus by a dotted line inside its edge, as Windows
/// draws it: a default button is already drawn highlighted, focused or not.
class PushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

/// The application's style with what the program's lists and menus need of it: an open list
/// below or above its box, and menu items at the edge their reading starts from.
QStyle* FaceStyle();

/// Gives a menu the program's look: the buttons' face, read right to left, each item at the
/// right edge.
void LookOfMenu(QMenu& menu);

}  // namespace QtFace
