// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a result sheet hands on, on its keys and in its context menu: Ctrl+C copies the sheet
// with the inputs of its run as plain text, Ctrl+P prints its report.

#include <QPoint>

class QPrinter;

namespace QtFace {

class Window;

/// Gives a sheet its Copy and Print commands with their keys.
void AddSheetCommands(Window& sheet);

/// The sheet's context menu (right button, menu key), which shows the keys so that the user
/// finds them.
void ShowSheetMenu(Window& sheet, QPoint at);

/// Prints the sheet's report on `printer`; a printer that fails is reported in the error box.
void PrintReport(Window& sheet, QPrinter& printer);

}  // namespace QtFace
