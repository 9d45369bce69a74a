// SPDX-License-Identifier: GPL-3.0-or-later
#include "Look.h"

#include "QtText.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QImageReader>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>

namespace QtFace {

namespace {

// The free face that stands in for one of the program's faces on a machine that lacks it.
const char* StandInOf(Shell::Typeface face)
{
    switch (face) {
    case Shell::Typeface::Mitra:
    case Shell::Typeface::Morvarid: return PersianSubstitute;
    case Shell::Typeface::ComicSans: return "Comic Neue";
    case Shell::Typeface::Arial:
    case Shell::Typeface::SansSerif: return "Liberation Sans";
    }
    return "Liberation Sans";
}

// The family a face is drawn in: its own where installed, else its stand-in, asked of the font
// system once per face. Fonts are made in that family, not in the missing one: resolving a
// missing family costs the font system a search of every installed face, some 7 ms a face.
const QString& FamilyFor(Shell::Typeface face)
{
    static QHash<int, QString> known;
    const auto found = known.constFind(int(face));
    if (found != known.constEnd()) return *found;
    // The installed families, listed once; asking whether one family is installed resolves
    // its aliases through the font configuration, which costs more than the list.
    static const QStringList installed = QFontDatabase::families();
    const QString given = Qs(Shell::FamilyOf(face));
    return known[int(face)] =
               installed.contains(given, Qt::CaseInsensitive) ? given : QString::fromLatin1(StandInOf(face));
}

// An open list of at most its open rows below or above the box, not a menu as tall as the screen
// that some styles make of a pick-only list. A menu's item is drawn with the painter in the
// item's own direction: a style aligns an item's text to the left of a right-to-left item,
// which the painter mirrors to the right only when it reads right to left itself, and a
// painter takes the application's direction, not the menu's. One style for every list and
// menu, since a style sheet on each would cost every window its own style.
class Style : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_MenuItem) painter->setLayoutDirection(option->direction);
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

}  // namespace

QFont MakeFont(Shell::Typeface face, int pixelHeight, Shell::FontStyle style)
{
    QFont font(FamilyFor(face));
    font.setBold(style == Shell::FontStyle::Bold);
    font.setItalic(style == Shell::FontStyle::Italic);
    // The window geometry was drawn for the original Persian faces, whose letters stand
    // larger for their pixel height than Lateef's: 3 pixels more give Lateef their letter
    // height. An installed original keeps its given size.
    const bool lateef = FamilyFor(face) == QLatin1String(PersianSubstitute);
    font.setPixelSize(lateef ? pixelHeight + 3 : pixelHeight);
    return font;
}

QFont PrintFont(int pixelHeight)
{
    QFont font(QString::fromLatin1(PrintedPersianFace));
    font.setPixelSize(pixelHeight);
    return font;
}

QFont FontOf(Shell::Role role)
{
    const Shell::Type type = Shell::TypeOf(role);
    return MakeFont(type.face, type.pixelHeight, type.style);
}

QColor ColourOf(Shell::Colour colour)
{
    const std::optional<Shell::Rgb> rgb = Shell::RgbOf(colour);
    return rgb ? QColorOf(*rgb) : QColor();
}

QIcon OkGlyph()
{
    // Qt's own stock glyph, the one its styles fall back on, taken straight from Qt's built-in
    // pictures: asking the style for it searches every icon theme first, which costs the start
    // dialog a tenth of its start. Each picture is read by Qt's own PNG reader: left to guess,
    // the image reader loads every image format plugin and asks each, the SVG one parsing it.
    static const QIcon glyph = [] {
        QIcon icon;
        // The button shows it at 16 pixels, 32 on a screen of pixel ratio 2.
        for (int size : {16, 32}) {
            QImageReader picture(
                QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-ok-%1.png").arg(size), "png");
            picture.setAutoDetectImageFormat(false);
            icon.addPixmap(QPixmap::fromImageReader(&picture));
        }
        return icon;
    }();
    return glyph;
}

void PushButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(4, 4, -5, -5));
}

QStyle* FaceStyle()
{
    static QStyle* const style = [] {
        auto* made = new Style;
        made->setParent(qApp);
        return made;
    }();
    return style;
}

void LookOfMenu(QMenu& menu)
{
    menu.setStyle(FaceStyle());
    menu.setFont(FontOf(Shell::Role::Button));
    menu.setLayoutDirection(Qt::RightToLeft);
}

}  // namespace QtFace
