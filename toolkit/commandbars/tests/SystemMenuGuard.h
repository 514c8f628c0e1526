// SystemMenuGuard.h: refuses and counts the system's own keyboard menu loop while it lives.
//
// Classes: CSystemMenuGuard.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

// One started on top of a tracking bar would wait for keys forever.
class CSystemMenuGuard
{
public:
    CSystemMenuGuard() : m_hHook(::SetWindowsHookEx(WH_CBT, CbtProc, NULL, ::GetCurrentThreadId()))
    {
        EXPECT_TRUE(m_hHook != NULL);
        RefusedCount() = 0;
    }
    ~CSystemMenuGuard()
    {
        if (m_hHook)
            ::UnhookWindowsHookEx(m_hHook);
    }
    CSystemMenuGuard(const CSystemMenuGuard&) = delete;
    CSystemMenuGuard& operator=(const CSystemMenuGuard&) = delete;
    int Refused() const { return RefusedCount(); }

private:
    static int& RefusedCount()
    {
        static int s_nRefused = 0;
        return s_nRefused;
    }
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU)
        {
            RefusedCount()++;
            return 1;
        }
        return ::CallNextHookEx(NULL, nCode, wParam, lParam);
    }
    HHOOK m_hHook;
};
