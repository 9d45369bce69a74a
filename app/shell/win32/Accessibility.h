// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader is told on the Win32 face, as the shell decides it (Heard.h): names,
// roles and descriptions handed to the Dynamic Annotation API (IAccPropServices), which
// oleacc's own proxies and UI Automation's read; announcements as the window events a screen
// reader listens to. oleacc and COM are loaded only once a screen reader asks a window for its
// accessible object (WM_GETOBJECT) or, with a screen reader running, at the first
// announcement: a program started without one never loads them.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace Win32Face {

/// What the face handed to its annotation calls and announced: what the tests read where the
/// platform cannot show it (Wine's oleacc answers no annotation).
struct Annotation {
    std::wstring name = {};         // PROPID_ACC_NAME; empty: left to the control
    std::wstring description = {};  // PROPID_ACC_DESCRIPTION; empty: none
    long role = 0;                  // PROPID_ACC_ROLE; 0: left to the control
};
struct HeardRecord {
    std::map<HWND, Annotation> annotations;
    std::vector<std::string> announced;  // UTF-8, lines split by a line feed
};
HeardRecord& Heard();

/// Annotates a window or control: kept, and handed to the annotation API once it is loaded.
void Annotate(HWND handle, Annotation annotation);
/// Forgets a window's annotation as it is destroyed.
void Forget(HWND handle);
/// Announces `text` from `source` with `event` (EVENT_OBJECT_VALUECHANGE for a list's item,
/// EVENT_SYSTEM_DIALOGSTART for a window that opens).
void Announce(HWND source, DWORD event, const std::string& text);
/// A screen reader asks a window for its accessible object: the annotations are handed over
/// first.
void ScreenReaderAsks();

}  // namespace Win32Face
