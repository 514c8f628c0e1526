// ModalDrag.h: a mouse drag for the bars' own drag loops.
#pragma once

#include <afxwin.h>

// Press, moves and release in one input batch: a loop that runs its own GetMessage from the press on
// would wait forever for a drag sent step by step. TRUE once the button is up and nobody holds the capture.
bool DragAtOnce(HWND hForeground, CPoint ptFrom, CPoint ptTo);
