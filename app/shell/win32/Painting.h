// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Win32 face draws itself: the banner across an input window, and the items of the
// pick-only lists, right-aligned and read right to left.

#include <windows.h>

#include <string_view>

namespace Win32Face {

/// The banner: a sky from dark to light blue with a few snowflakes, and `title` across it in
/// the banner's type.
void DrawBanner(HDC dc, const RECT& box, std::wstring_view title, unsigned dpi);

/// One item of a list, or its chosen item in the closed box, in `font`: at the right edge,
/// read right to left, vertically centred.
void DrawListItem(const DRAWITEMSTRUCT& item, std::wstring_view text, HFONT font, unsigned dpi);

}  // namespace Win32Face
