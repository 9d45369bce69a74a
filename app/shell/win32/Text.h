// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts between the windows' descriptions (UTF-8) and the Unicode window API (UTF-16).

#include <windows.h>

#include <string>
#include <string_view>

namespace Win32Face {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

/// A window's text, and a list's item at `position` ("" where there is none).
std::wstring WindowText(HWND handle);
std::wstring ItemText(HWND list, int position);

/// The text as a label or a list draws it (Shell::ShownText), in UTF-16.
std::wstring ShownWide(std::string_view utf8);

}  // namespace Win32Face
