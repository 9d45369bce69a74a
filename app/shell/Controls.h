// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls every window builds itself from, and their look: the program's faces and
// colours, text labels, push buttons, pick-only lists, number fields with their digit filter,
// and the banner across the top of an input window.

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QKeyEvent;
class QPushButton;

namespace Shell {

// ---- Faces and colours ----------------------------------------------------------------

inline constexpr char FaceMitra[] = "B Mitra";            // buttons, captions
inline constexpr char FaceMorvarid[] = "B Morvarid";      // edit fields, lists, sheet texts
inline constexpr char FaceComic[] = "Comic Sans MS";      // compressor model
inline constexpr char FaceArial[] = "Arial";              // refrigerant notes
inline constexpr char FaceSansSerif[] = "MS Sans Serif";  // every window's base font

/// The freely licensed face that stands in for both Persian faces where they are missing.
inline constexpr char PersianSubstitute[] = "Lateef";

inline const QColor Red{0xFF, 0x00, 0x00};
inline const QColor Maroon{0x80, 0x00, 0x00};
inline const QColor Black{0x00, 0x00, 0x00};

enum class FontStyle { Regular, Bold, Italic };

/// A font of the given face at a character height in pixels. The program's faces stand in
/// for each other as PersianSubstitute and the others' free equivalents where a machine lacks
/// them (an installed original is still preferred); where Lateef stands in for a Persian
/// face, 3 pixels more.
QFont MakeFont(const char* face, int pixelHeight, FontStyle style = FontStyle::Regular);

// ---- Labels -----------------------------------------------------------------------------

/// A label of plain text, drawn as ShownText() gives it and read in the label's own
/// direction. Disabled, it greys like a list.
class TextLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

enum class Alignment { Right, Centred };
enum class Reading { RightToLeft, LeftToRight };

/// A text label of the window-text colour (the palette's own). Unless centred, the text
/// stands at the right edge. A geometry without a size (QRect(left, top, 0, 0)) sizes the
/// label to its text, from about the given left edge.
QLabel* MakePlainLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                       const QFont& font, Alignment alignment = Alignment::Right);

/// A text label in `colour` while enabled (grey while disabled), as MakePlainLabel.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry, const QFont& font,
                  const QColor& colour, Alignment alignment = Alignment::Right,
                  Reading reading = Reading::RightToLeft);

// ---- Buttons and lists ------------------------------------------------------------------

/// A push button in the button face.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry);

/// A pick-only drop-down list. Its items read right to left and stand at the right edge,
/// closed and open, 32 pixels high in an open list of at most ten rows. A wheel notch over
/// the list changes it only while it has the focus, so that no choice changes in passing.
class FixedList : public QComboBox {
public:
    FixedList(QWidget* parent, const char* name, const QStringList& items, int selected, const QRect& geometry);

    static constexpr int ItemHeight = 32;

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

/// The items "from" to "to" in steps of one (or `step`) as decimal texts.
QStringList NumberItems(int from, int to, int step = 1);

// ---- Number fields ------------------------------------------------------------------------

/// An edit box for whole numbers whose typed text is limited to `typingLimit` characters.
/// Text written by the program is taken whole, even when it is longer. The box always shows
/// its whole text: a text too wide for the box is drawn smaller.
class NumberEdit : public QLineEdit {
public:
    NumberEdit(QWidget* parent, const char* name, int typingLimit, const QRect& geometry);
    /// Replaces the text with `text`, whatever its length.
    void WriteText(const QString& text);
    /// An empty field counts as 0, and shows it.
    void FillEmpty();
    /// The width, in pixels, that the box has for its text.
    int TextRoom() const;

private:
    void FitText();

    int typingLimit_;
    QFont font_;  // as given; FitText() draws smaller where the text needs it
};

/// Whether the digit filter drops a typed key: everything that types a character except
/// backspace and the ASCII digits, control characters of Ctrl shortcuts included. Keys that
/// type no character (arrows, Delete, Home, End, Tab) are left alone.
bool DigitFilterDiscards(const QKeyEvent& event);

// ---- Banner -------------------------------------------------------------------------------

/// A banner picture for the top of an input window, drawn for the screen's pixel ratio.
QPixmap DrawBanner(QSize size, const QString& title, qreal pixelRatio);

/// A picture label holding the banner with `title`. It draws the banner when first painted
/// and anew whenever it is painted at another pixel ratio than the picture was drawn for,
/// so a window never shown draws none, and the banner stays sharp on a high-resolution
/// screen and after the window moves to a screen of another ratio.
QLabel* MakeBanner(QWidget* parent, const char* name, const QString& title, const QRect& geometry);

}  // namespace Shell
