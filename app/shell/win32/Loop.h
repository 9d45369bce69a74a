// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's message loop and the time of a modal window: every message passes the
// program's windows first, which take the keys they answer themselves; a modal window runs a
// loop of its own while the program's other windows take no input.

#include "Rules.h"

#include <windows.h>

#include <vector>

namespace Win32Face {

/// Hands a message to the program's windows before it is dispatched: true if one took it.
bool TakeMessage(MSG& message);

/// The keystroke of a key message, with the modifiers held as the message was taken.
Shell::Keystroke StrokeOf(WPARAM virtualKey);

/// Runs the message loop until the program quits; the code it quits with.
int RunMessageLoop();

/// Runs the message loop while `running` holds or until the program quits; false if it quit.
bool RunModalLoop(const bool& running);

/// While it lives, or until End, the program's other windows take no input: the time of a
/// modal window. The window that was active owns the modal one.
class ModalScope {
public:
    ModalScope();
    ~ModalScope() { End(); }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    HWND Owner() const { return owner_; }
    /// Gives the other windows their input back, before the modal window goes.
    void End();

private:
    std::vector<HWND> disabled_;
    HWND owner_ = nullptr;
};

}  // namespace Win32Face
