// SPDX-License-Identifier: GPL-3.0-or-later
// The program itself on a display: its start dialog appears under the program's title, Enter
// continues to the cold-room input window, and closing that window ends the program.
// Usage: start_test_win32 PROGRAM.exe

#include "ProgramWindows.h"
#include "Text.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <span>
#include <string>

namespace {

std::wstring program;

// The started program's visible window of that caption, waited for up to thirty seconds, as
// Wine on a busy machine needs; the other tests' windows on the same display are not its.
HWND WaitForWindow(const std::wstring& caption, DWORD process)
{
    for (int i = 0; i < 600; ++i) {
        for (HWND window = FindWindowW(L"CoolingLoad.Window", caption.c_str()); window;
             window = FindWindowExW(nullptr, window, L"CoolingLoad.Window", caption.c_str())) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process && IsWindowVisible(window)) return window;
        }
        Sleep(50);
    }
    return nullptr;
}

TEST(StartTest, EnterOnTheStartDialogOpensTheColdRoomWindowWhoseCloseBoxEndsTheProgram)
{
    // The captions, from the windows' own descriptions: Enter goes on with the option chosen
    // at first, the cold room's.
    Win32Face::Face face(ProgramTitle);
    ProgramWindows windows(face);
    const std::span<const Shell::Opening> options = TheStartDialog().description.opens;
    const auto chosen = std::find_if(options.begin(), options.end(),
                                     [](const Shell::Opening& option) { return option.by->selected == 1; });
    ASSERT_NE(chosen, options.end());
    const std::wstring coldRoom = Win32Face::Wide(ProgramWindowNamed(chosen->window).description.caption);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::wstring command = L"\"" + program + L"\"";
    ASSERT_TRUE(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &started));
    const HWND start = WaitForWindow(Win32Face::Wide(ProgramTitle), started.dwProcessId);
    ASSERT_NE(start, nullptr) << "no start dialog";
    PostMessageW(start, WM_KEYDOWN, VK_RETURN, 1);
    const HWND input = WaitForWindow(coldRoom, started.dwProcessId);
    EXPECT_NE(input, nullptr) << "Enter did not open the cold-room window";
    EXPECT_FALSE(IsWindowVisible(start));
    if (input) PostMessageW(input, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(started.hProcess, 30000) == WAIT_OBJECT_0;
    DWORD code = 1;
    GetExitCodeProcess(started.hProcess, &code);
    if (!ended) TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    EXPECT_TRUE(ended) << "the program kept running";
    EXPECT_EQ(code, 0u);
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: start_test_win32 PROGRAM.exe\n");
        return 2;
    }
    program = argv[1];
    return RUN_ALL_TESTS();
}
