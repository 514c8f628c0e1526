// A shown window (top-level, or a child when given a parent) that fills itself with one colour,
// destroyed with the object.
#pragma once

#include <windows.h>

class CPlainWindow
{
public:
    explicit CPlainWindow(COLORREF clrBackground = RGB(255, 255, 255), const RECT& rc = {40, 40, 360, 280},
                          HWND hParent = nullptr)
        : m_hBrush(::CreateSolidBrush(clrBackground))
    {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = "KestovaPlainWindow";
        ::RegisterClassA(&wc);  // fails harmlessly once registered
        const DWORD dwStyle = (hParent ? WS_CHILD : WS_OVERLAPPEDWINDOW) | WS_CLIPCHILDREN;
        m_hWnd = ::CreateWindowExA(0, wc.lpszClassName, "Support test", dwStyle, rc.left, rc.top, rc.right - rc.left,
                                   rc.bottom - rc.top, hParent, nullptr, wc.hInstance, m_hBrush);
        ::ShowWindow(m_hWnd, SW_SHOW);
        ::UpdateWindow(m_hWnd);
    }
    ~CPlainWindow()
    {
        ::DestroyWindow(m_hWnd);
        ::DeleteObject(m_hBrush);
    }
    CPlainWindow(const CPlainWindow&) = delete;
    CPlainWindow& operator=(const CPlainWindow&) = delete;

    HWND Handle() const { return m_hWnd; }

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            ::SetWindowLongPtrA(hWnd, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        if (message != WM_ERASEBKGND)
            return ::DefWindowProcA(hWnd, message, wParam, lParam);
        RECT rc;
        ::GetClientRect(hWnd, &rc);
        ::FillRect(reinterpret_cast<HDC>(wParam), &rc,
                   reinterpret_cast<HBRUSH>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA)));
        return 1;
    }

    HBRUSH m_hBrush;
    HWND m_hWnd;
};
