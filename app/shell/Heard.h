// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader is told, whatever face draws the window: each control's name, role and
// value, and what is announced when something changes without the focus moving there (a list's
// item, a sheet or the start dialog showing, a box). Each face hands these to its platform's
// accessibility layer as that layer takes them.

#include "Description.h"
#include "View.h"

#include <string>

namespace Shell {

/// What a screen reader says a control is.
enum class HeardRole : std::uint8_t { Text, EditBox, List, Option, Button, Picture, Rule };

struct Heard {
    std::string name;  // empty: the control is heard with another, and says nothing itself
    HeardRole role;
    std::string value;  // an edit box's text, a list's item; empty for the rest
};

/// What a screen reader is told of a control as the window shows it now. An input is named by
/// its caption with its unit, as a copy gives it (InputCaption); its caption and unit labels
/// say nothing of their own. A sheet's row is heard once, from its value, as "caption: value";
/// lines that one sentence is broken over are heard whole, from the first. Any other label,
/// button or option is named by its text.
Heard HeardOf(const WindowDescription& window, const View& view, ControlId control);

/// What is announced when a list's item changes, open or closed, whoever chose it: the item.
std::string ListChangeHeard(const View& view, ControlId list);

/// What is announced when a window shows: a sheet's rows in its order, each "caption: value",
/// then its notes; the start dialog's text whole, label by label in its order, the lines of a
/// passage as one; nothing for an input window. Lines split by a line feed.
std::string ShowingHeard(const WindowDescription& window, const View& view);

/// What is announced when a box shows: its text.
std::string BoxHeard(const Message& box);

}  // namespace Shell
