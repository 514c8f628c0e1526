// The X display's own input tool, started from a test under Wine: keys held on the display, and which
// window the display gives the keyboard.
#pragma once

#include <windows.h>

#include <string>

namespace DisplayTool
{
// Starts the tool with the arguments and returns at once (Wine gives no handle to wait on for a Unix
// program). False, with a test failure, when it could not be started.
bool Start(const std::string& strArguments);
// Runs the tool with the arguments; the first line it writes, empty when it could not be run or wrote none.
std::string Line(const std::string& strArguments);
// The top-level window of the calling thread that has the display's own keyboard focus; null when none has
// it (the display then keeps it itself, and input still reaches the window under the pointer).
HWND KeyboardWindow();
// Asks the display to give its keyboard to the top-level window, as a user's click would, and returns at once.
bool GiveKeyboard(HWND hWnd);
}  // namespace DisplayTool
