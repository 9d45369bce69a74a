// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a result sheet hands on, on its keys and in its context menu, as the shell lists its
// commands: Copy puts the sheet with the inputs of its run on the clipboard as plain text,
// Print prints its report.

#include "Rules.h"

#include <QPoint>

class QPrinter;

namespace QtFace {

class Window;

/// Gives a sheet its commands, for its context menu, each showing its key.
void AddSheetCommands(Window& sheet);

/// Runs a sheet's command: CopySheet or PrintSheet.
void RunSheetCommand(Window& sheet, Shell::KeyAction command);

/// The sheet's context menu (right button, menu key), which shows the keys so that the user
/// finds them.
void ShowSheetMenu(Window& sheet, QPoint at);

/// Prints the sheet's report on `printer`; a printer that fails is reported in the error box.
void PrintReport(Window& sheet, QPrinter& printer);

}  // namespace QtFace
