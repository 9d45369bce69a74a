// SPDX-License-Identifier: GPL-3.0-or-later
#include "Look.h"

#include <QFontInfo>
#include <QHash>

namespace QtFace {

namespace {

const char* FamilyOf(Shell::Typeface face)
{
    switch (face) {
    case Shell::Typeface::Mitra: return "B Mitra";
    case Shell::Typeface::Morvarid: return "B Morvarid";
    case Shell::Typeface::ComicSans: return "Comic Sans MS";
    case Shell::Typeface::Arial: return "Arial";
    case Shell::Typeface::SansSerif: return "MS Sans Serif";
    }
    return "MS Sans Serif";
}

// Maps the program's faces to freely licensed ones for machines that lack them; an installed
// face of the program's own name is still preferred. Runs once.
void InstallFontSubstitutes()
{
    static const bool installed = [] {
        QFont::insertSubstitutions("B Mitra", {PersianSubstitute});
        QFont::insertSubstitutions("B Morvarid", {PersianSubstitute});
        QFont::insertSubstitutions("Comic Sans MS", {"Comic Neue"});
        QFont::insertSubstitutions("Arial", {"Liberation Sans"});
        QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans"});
        return true;
    }();
    (void)installed;
}

// Whether Lateef stands in for a face: asked of the font system once per Persian face.
bool LateefStandsIn(Shell::Typeface face)
{
    if (face != Shell::Typeface::Mitra && face != Shell::Typeface::Morvarid) return false;
    static QHash<int, bool> known;
    const auto found = known.constFind(int(face));
    if (found != known.constEnd()) return *found;
    QFont font(QString::fromLatin1(FamilyOf(face)));
    font.setPixelSize(19);
    return known[int(face)] = QFontInfo(font).family() == QLatin1String(PersianSubstitute);
}

}  // namespace

QFont MakeFont(Shell::Typeface face, int pixelHeight, Shell::FontStyle style)
{
    InstallFontSubstitutes();
    QFont font(QString::fromLatin1(FamilyOf(face)));
    font.setBold(style == Shell::FontStyle::Bold);
    font.setItalic(style == Shell::FontStyle::Italic);
    // The window geometry was drawn for the original Persian faces, whose letters stand
    // larger for their pixel height than Lateef's: 3 pixels more give Lateef their letter
    // height. An installed original keeps its given size.
    font.setPixelSize(LateefStandsIn(face) ? pixelHeight + 3 : pixelHeight);
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
    switch (colour) {
    case Shell::Colour::Black: return {0x00, 0x00, 0x00};
    case Shell::Colour::Red: return {0xFF, 0x00, 0x00};
    case Shell::Colour::Maroon: return {0x80, 0x00, 0x00};
    case Shell::Colour::White: return {0xFF, 0xFF, 0xFF};
    case Shell::Colour::WindowText: break;
    }
    return {};
}

QIcon OkGlyph()
{
    // Qt's own stock glyph, the one its styles fall back on, taken straight from Qt's built-in
    // pictures: asking the style for it searches every icon theme first, which costs the start
    // dialog a tenth of its start.
    static const QIcon glyph = [] {
        QIcon icon;
        for (int size : {16, 32, 128})
            icon.addFile(QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-ok-%1.png").arg(size));
        return icon;
    }();
    return glyph;
}

}  // namespace QtFace
