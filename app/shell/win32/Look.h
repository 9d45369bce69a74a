// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look of the Win32 face: the program's typefaces with the free Persian face built into
// the program standing in where they are missing, its colours, pixels at the screen's
// resolution, and the stock OK glyph of the OK-kind buttons.

#include "Rules.h"

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace Win32Face {

/// The freely licensed Persian face built into the program, loaded for the program alone.
inline constexpr wchar_t PersianSubstitute[] = L"Nazli";
/// How many pixels larger it stands in. Nazli's letters stand as tall as the original faces'
/// a pixel or two larger, but run wider: a pixel smaller, every caption keeps clear of the
/// next one and of the window's edge.
inline constexpr int SubstituteGrowth = -1;

/// Pixels given at 96 per inch, on a screen of `dpi`.
int Scaled(int pixels, unsigned dpi);

/// The whole primary screen, the area under a task bar included.
Shell::Size PrimaryScreen();
/// The primary screen less its task bars: where windows may go.
Shell::Rect PrimaryWorkArea();

/// Makes the built-in Persian face available to this program where the machine lacks the
/// program's own Persian faces. Call once, before the first window is made.
void LoadProgramFonts();

/// A font of the typeface at a character height in pixels at 96 per inch, for a screen of
/// `dpi`; where the built-in face stands in for a Persian one, SubstituteGrowth pixels larger.
/// Made once and kept for the program's life.
HFONT MakeFont(Shell::Typeface face, int pixelHeight, Shell::FontStyle style, unsigned dpi);
HFONT FontOf(Shell::Role role, unsigned dpi);

/// The role's font, or a smaller one of its face where `text` would be wider than `room`
/// pixels: a text is never cut, where a number cut short would read as another number.
HFONT FittingFont(Shell::Role role, std::wstring_view text, int room, bool rightToLeft, unsigned dpi);

/// A colour of the descriptions; the window-text colour is the system's.
COLORREF ColourOf(Shell::Colour colour);
COLORREF ColourOf(Shell::Rgb rgb);

/// The room one line of text takes in `font`, shaped as it is drawn: its advance width and
/// the height of the font's cell. On `dc` where given (a printer's), else on the screen.
SIZE TextSize(HDC dc, HFONT font, std::wstring_view text, bool rightToLeft);
SIZE TextSize(HFONT font, std::wstring_view text, bool rightToLeft);

/// Where a line of text stands in its box.
enum class TextEdge : std::uint8_t { Left, Centre, Right };

/// Draws one line of text in `box`, shaped and placed by its shaped width (Wine's own text
/// drawing places Persian by the width of its letters unjoined), vertically centred, clipped
/// to the box; the background is left as it is.
void DrawLine(HDC dc, const RECT& box, std::wstring_view text, HFONT font, COLORREF colour, TextEdge edge,
              bool rightToLeft);

/// The stock OK glyph: a green tick, `size` pixels square.
HICON OkGlyph(int size);

/// A caption as a picture with its own transparency: the text in `font` and `colour`, shaped
/// as DrawLine draws it, after the OK glyph `glyphSize` pixels square where that is not 0.
/// Buttons show it in place of their text, which they would place by its letters' widths
/// unjoined.
HICON CaptionPicture(std::wstring_view text, HFONT font, COLORREF colour, bool rightToLeft, int glyphSize);

}  // namespace Win32Face
