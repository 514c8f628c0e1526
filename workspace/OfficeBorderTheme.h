// OfficeBorderTheme.h: which colours a themed border takes, by the command bars' theme.
#pragma once

// The command bars' current theme; 0 until the frame's command bars choose one.
int CurrentBorderTheme();

// The colour manager's index of the border's top-left or bottom-right colour in a theme.
int BorderColorIndex(int nTheme, int bTopLeft);
