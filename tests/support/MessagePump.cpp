// Message pumping for tests: handle what is queued, or wait for a condition.
#include "MessagePump.h"

namespace
{
thread_local bool t_bQuitPumped = false;
thread_local WPARAM t_nQuitCode = 0;
}  // namespace

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            t_bQuitPumped = true;
            t_nQuitCode = msg.wParam;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool QuitPumped(WPARAM* pnExitCode)
{
    const bool bPumped = t_bQuitPumped;
    if (bPumped && pnExitCode)
        *pnExitCode = t_nQuitCode;
    t_bQuitPumped = false;
    return bPumped;
}

bool PumpUntil(const std::function<bool()>& condition, DWORD dwTimeoutMs)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;)
    {
        PumpMessages();
        if (condition())
            return true;
        if (::GetTickCount() - dwStart > dwTimeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
