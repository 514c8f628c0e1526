// TestWindows.h: a top-level parent window for control tests.
#pragma once

#include <afxwin.h>

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

// Puts text on the clipboard for paste tests.
inline bool SetClipboardText(HWND hWnd, const char* pszText)
{
    if (!::OpenClipboard(hWnd))
        return false;
    ::EmptyClipboard();
    size_t cb = strlen(pszText) + 1;
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    if (hData)
    {
        memcpy(::GlobalLock(hData), pszText, cb);
        ::GlobalUnlock(hData);
        if (!::SetClipboardData(CF_TEXT, hData))
            ::GlobalFree(hData);
    }
    ::CloseClipboard();
    return hData != NULL;
}
