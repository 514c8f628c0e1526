// OtherProgramWindow.cpp: another program's window for the leave tests: a topmost window at the rectangle given as
// "left top right bottom", open until it is closed.
#include <windows.h>

#include <cstdio>

namespace
{
const char kClassName[] = "KestovaOtherProgramWindow";

LRESULT CALLBACK WindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_DESTROY)
        ::PostQuitMessage(0);
    return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpszCommandLine, int)
{
    RECT rc = {};
    if (std::sscanf(lpszCommandLine, "%ld %ld %ld %ld", &rc.left, &rc.top, &rc.right, &rc.bottom) != 4)
        return 2;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    if (!::RegisterClassA(&wc))
        return 1;
    HWND hWnd = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, "Other program",
                                  WS_POPUP | WS_VISIBLE, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, NULL,
                                  NULL, hInstance, NULL);
    if (!hWnd)
        return 1;
    MSG msg;
    while (::GetMessageA(&msg, NULL, 0, 0) > 0)
        ::DispatchMessageA(&msg);
    return 0;
}
