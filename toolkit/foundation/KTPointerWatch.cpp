// KTPointerWatch.cpp: the pointer over a set of windows, from the points of the thread's mouse messages.
#include "KTPointerWatch.h"

BOOL CKTPointerWatch::Start(std::vector<HWND> windows)
{
    Stop();
    if (windows.empty() || !CKTMouseMonitor::Instance()->AddSink(this))
        return FALSE;
    m_windows = std::move(windows);
    POINT pt;
    m_bOver = ::GetCursorPos(&pt) && Covers(pt);
    return TRUE;
}

void CKTPointerWatch::Stop()
{
    if (m_windows.empty())
        return;
    CKTMouseMonitor::Instance()->RemoveSink(this);
    m_windows.clear();
    m_bOver = FALSE;
}

BOOL CKTPointerWatch::Covers(POINT pt) const
{
    for (HWND hWnd : m_windows)
    {
        RECT rc;
        if (::IsWindowVisible(hWnd) && ::GetWindowRect(hWnd, &rc) && ::PtInRect(&rc, pt))
            return TRUE;
    }
    return FALSE;
}

BOOL CKTPointerWatch::OnHookMouse(UINT /*nMessage*/, const MOUSEHOOKSTRUCT& info)
{
    const BOOL bOver = Covers(info.pt);
    if (bOver != m_bOver)
    {
        m_bOver = bOver;
        m_pSink->OnPointerOver(bOver);
    }
    return FALSE;
}
