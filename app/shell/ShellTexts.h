// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shell's own texts, beside the windows' ones, for every face: the commands of the
// context menus, the errors of a printer that fails and of a clipboard that refuses, and the
// page of a browser once the program has ended.
// Written with the Arabic yeh and keheh, as the windows' texts are.

#include <string_view>

namespace Shell::Texts {

// A result sheet's commands, on their keys and in its context menu.
inline constexpr std::string_view CopySheet = "کپي";
inline constexpr std::string_view PrintSheet = "چاپ";
// Where a phone offers its own sharing: "share".
inline constexpr std::string_view ShareSheet = "اشتراک گذاري";
// A printer that fails: "printing was not done", padded as every error text is.
inline constexpr std::string_view PrintFailed = "           چاپ انجام نشد          ";
// A copy that the clipboard refused while another program held it: "the copy was not done,
// the clipboard is busy; try again", padded as every error text is.
inline constexpr std::string_view CopyFailed =
    "           کپي انجام نشد، کليپ بورد مشغول است؛ دوباره امتحان کنيد          ";

// A page in a browser, once the program has ended: "the program has ended", and the command
// that starts it again: "run again".
inline constexpr std::string_view ProgramEnded = "برنامه بسته شد";
inline constexpr std::string_view RunAgain = "اجراي دوباره";

// A number field's context menu: undo, redo, cut, copy, paste, delete, select all.
inline constexpr std::string_view Undo = "واگرد";
inline constexpr std::string_view Redo = "انجام دوباره";
inline constexpr std::string_view Cut = "برش";
inline constexpr std::string_view Copy = "کپي";
inline constexpr std::string_view Paste = "چسباندن";
inline constexpr std::string_view Delete = "حذف";
inline constexpr std::string_view SelectAll = "انتخاب همه";

/// Every text above, for what must know each text the program can show.
inline constexpr std::string_view All[] = {CopySheet,    PrintSheet, ShareSheet, PrintFailed, CopyFailed,
                                           ProgramEnded, RunAgain,   Undo,       Redo,        Cut,
                                           Copy,         Paste,      Delete,     SelectAll};

}  // namespace Shell::Texts
