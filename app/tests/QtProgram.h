// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's five windows on the Qt face, all built at once, as each Qt test makes them anew.

#include "ProgramWindows.h"
#include "Window.h"

struct QtProgram {
    QtFace::Face face{ProgramTitle};
    ProgramWindows windows{face};
};
