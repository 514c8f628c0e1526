// Window-layer internals shared by the files that create windows.
#pragma once
#include "afxwin.h"

// Makes the next window created on this thread pWnd's window.
void AfxHookWindowCreate(CWnd* pWnd);
// FALSE when the hook never saw the window (creation failed before it began).
BOOL AfxUnhookWindowCreate();
