// KTPropertyGridMouseMonitor.h: closes an open popup when the user clicks outside it.
//
// Classes: CKTPropertyGridMouseMonitor.
#pragma once

#include <windows.h>

// One thread mouse hook for the one popup that can be open at a time.
class CKTPropertyGridMouseMonitor
{
public:
    // Watches for clicks outside the window; NULL removes the hook.
    static void SetupHook(HWND hWndPopup);
    static HWND GetPopup() { return s_hWndPopup; }

private:
    static LRESULT CALLBACK MouseProc(int nCode, WPARAM wParam, LPARAM lParam);
    static BOOL IsButtonDown(WPARAM wParam);

    static HHOOK s_hHook;     // owned; removed with the popup
    static HWND s_hWndPopup;  // not owned
};
