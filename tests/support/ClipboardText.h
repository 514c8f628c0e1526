// Puts text on the clipboard for paste tests.
#pragma once

#include <windows.h>

#include <cstring>

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
