// ThreadCall.h: runs a function on a window's thread when another thread asks, as a message another
// program sends is handled there.
//
// Classes: CThreadCall.
#pragma once

#include <windows.h>

#include <functional>

// Made on the thread that runs the calls; Call from any other returns once the function ran.
class CThreadCall
{
public:
    CThreadCall()
    {
        WNDCLASS wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandle(nullptr);
        wc.lpszClassName = "KestovaThreadCall";
        ::RegisterClass(&wc);
        m_hWnd = ::CreateWindow(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }
    ~CThreadCall() { ::DestroyWindow(m_hWnd); }
    CThreadCall(const CThreadCall&) = delete;
    CThreadCall& operator=(const CThreadCall&) = delete;

    void Call(const std::function<void()>& function) const
    {
        ::SendMessage(m_hWnd, WM_APP, 0, reinterpret_cast<LPARAM>(&function));
    }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        if (nMsg != WM_APP)
            return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }

    HWND m_hWnd = nullptr;
};
