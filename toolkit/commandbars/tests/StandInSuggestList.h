// StandInSuggestList.h: a window under the shell's suggestion-list class, standing in for the list the system
// here never shows.
#pragma once

#include <afxwin.h>

class CStandInSuggestList
{
public:
    CStandInSuggestList()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = WndProc;
        wc.hInstance = ::GetModuleHandle(NULL);
        wc.lpszClassName = kClass;
        ::RegisterClassA(&wc);
        if (m_wnd.CreateEx(WS_EX_TOOLWINDOW, kClass, "", WS_POPUP, CRect(300, 300, 500, 400), NULL, 0))
            m_list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 200, 60), &m_wnd, 1);
    }
    ~CStandInSuggestList()
    {
        m_wnd.DestroyWindow();
        ::UnregisterClassA(kClass, ::GetModuleHandle(NULL));
    }
    CStandInSuggestList(const CStandInSuggestList&) = delete;
    CStandInSuggestList& operator=(const CStandInSuggestList&) = delete;

    CWnd& Wnd() { return m_wnd; }
    CListBox& List() { return m_list; }

private:
    static constexpr const char* kClass = "Auto-Suggest Dropdown";
    // As the shell's list, clicks on it never take the activation.
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return message == WM_MOUSEACTIVATE ? MA_NOACTIVATE : ::DefWindowProcA(hWnd, message, wParam, lParam);
    }

    CWnd m_wnd;
    CListBox m_list;
};
