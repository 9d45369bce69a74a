/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The free Persian face built into the program, regular and bold: resource numbers shared by
   the resource script and the code that loads them. */
#pragma once

#define PROGRAM_FONT_REGULAR 201
#define PROGRAM_FONT_BOLD 202
