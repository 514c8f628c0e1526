// Puts text on the clipboard for paste tests, and reads what a copy left there.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

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

inline std::string ClipboardText(HWND hWnd)
{
    std::string text;
    if (!::OpenClipboard(hWnd))
        return text;
    if (HANDLE hData = ::GetClipboardData(CF_TEXT))
    {
        if (const char* pszText = static_cast<const char*>(::GlobalLock(hData)))
            text = pszText;
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return text;
}
