// OfficeBorderTheme.h: which colours a themed border takes, by the command bars' theme.
#pragma once

// The theme of the command bars' global paint manager, made with theme 0 when there is none yet.
int CurrentBorderTheme();

// The colour manager's index of the border's top-left or bottom-right colour in a theme.
int BorderColorIndex(int nTheme, int bTopLeft);
