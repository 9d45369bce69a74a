// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys as Qt delivers them, named as the shell's rules name them.

#include "Rules.h"

#include <QKeyEvent>

namespace QtFace {

/// The keystroke a key event stands for: its key, or Other, and the modifiers held; Shift+Tab
/// is Tab with Shift, whichever key Qt names it by.
inline Shell::Keystroke StrokeOf(const QKeyEvent& event)
{
    using Shell::Key;
    Key key = Key::Other;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: key = Key::Enter; break;
    case Qt::Key_Escape: key = Key::Escape; break;
    case Qt::Key_Space: key = Key::Space; break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: key = Key::Tab; break;
    case Qt::Key_Backspace: key = Key::Backspace; break;
    case Qt::Key_Up: key = Key::Up; break;
    case Qt::Key_Down: key = Key::Down; break;
    case Qt::Key_Left: key = Key::Left; break;
    case Qt::Key_Right: key = Key::Right; break;
    case Qt::Key_C: key = Key::C; break;
    case Qt::Key_P: key = Key::P; break;
    case Qt::Key_A: key = Key::A; break;
    case Qt::Key_Home: key = Key::Home; break;
    case Qt::Key_End: key = Key::End; break;
    case Qt::Key_PageUp: key = Key::PageUp; break;
    case Qt::Key_PageDown: key = Key::PageDown; break;
    default: break;
    }
    const Qt::KeyboardModifiers held = event.modifiers();
    return {key, held.testFlag(Qt::ControlModifier), held.testFlag(Qt::AltModifier), held.testFlag(Qt::ShiftModifier)};
}

}  // namespace QtFace
