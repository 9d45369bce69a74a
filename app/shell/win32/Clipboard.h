// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clipboard's text, as Windows keeps it: UTF-16, lines ended by a carriage return and a
// line feed.

#include <windows.h>

#include <string>
#include <string_view>

namespace Win32Face {

/// The clipboard's text, whole, all its lines; "" where it holds none.
std::wstring ClipboardText();

/// Puts `text` on the clipboard, `owner` owning it; false where the clipboard could not be had.
bool SetClipboardText(HWND owner, std::wstring_view text);

/// `text` with its lines ended as Windows' own texts end them.
std::wstring WindowsLines(std::wstring_view text);

}  // namespace Win32Face
