// OfficeBorderTheme.h: which colours a themed border takes, by the command bars' theme.
#pragma once

#include <windows.h>

// The top-left or bottom-right colour of the border under the command bars' global paint manager (made with
// theme 0 when there is none yet).
COLORREF ThemedBorderColor(BOOL bTopLeft);
