// TestWindows.h: a top-level parent window for control tests.
#pragma once

#include <afxwin.h>

#include "ClipboardText.h"
#include "MessagePump.h"

// A visible, resizable top-level window that owns the controls under test.
class CTestParent : public CWnd
{
public:
    CTestParent(int cx = 400, int cy = 300)
    {
        LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
        CreateEx(0, lpszClass, "Kestova test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 20 + cx, 20 + cy), NULL,
                 0);
    }
    ~CTestParent() override
    {
        if (GetSafeHwnd())
            DestroyWindow();
    }
};
