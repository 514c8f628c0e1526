// KTMouseHookManager.cpp: clicks outside tracked bars close them; moves reach them; mouse-leave by timer.
#include "KTMouseHookManager.h"

#include "KTCommandBar.h"
#include "KTCommandBarsDefs.h"
#include "KTControl.h"
#include "KTDrawHelpers.h"

#include <algorithm>
#include <memory>

namespace
{
// The position the hook saw last, shared by the threads' hooks.
POINT g_ptLastMouse = {-1, -1};

BOOL IsWindowActive(HWND hWnd)
{
    HWND hParent = ::GetParent(hWnd);
    if (!hParent || (::GetWindowLong(hWnd, GWL_STYLE) & WS_POPUP))
        return TRUE;
    return ::GetAncestor(hWnd, GA_ROOT) == ::GetActiveWindow();
}
}  // namespace

CKTMouseHookManager* CKTMouseHookManager::Instance()
{
    static thread_local std::unique_ptr<CKTMouseHookManager> s_pManager(new CKTMouseHookManager);
    return s_pManager.get();
}

// Made during this manager's construction, the thread's monitor outlives it.
CKTMouseHookManager::CKTMouseHookManager() { CKTMouseMonitor::Instance()->AddSink(this); }

CKTMouseHookManager::~CKTMouseHookManager() { CKTMouseMonitor::Instance()->RemoveSink(this); }

void CKTMouseHookManager::AddTrackedBar(CKTCommandBar* pBar)
{
    if (m_trackedBars.empty() && m_pSelectedBar && m_pSelectedBar != pBar)
        m_pSelectedBar->SetSelected(-1);
    // A menu opening under a resting cursor is told of a move there; only a move the user makes takes the entry the
    // keyboard lit.
    if (m_trackedBars.empty() && !::GetCursorPos(&g_ptLastMouse))
        g_ptLastMouse = {-1, -1};
    if (std::find(m_trackedBars.begin(), m_trackedBars.end(), pBar) == m_trackedBars.end())
        m_trackedBars.push_back(pBar);
}

void CKTMouseHookManager::RemoveTrackedBar(CKTCommandBar* pBar)
{
    m_trackedBars.erase(std::remove(m_trackedBars.begin(), m_trackedBars.end(), pBar), m_trackedBars.end());
    if (!m_trackedBars.empty())
        return;
    // A fresh move lets hot tracking catch up with where the cursor is.
    POINT pt;
    if (::GetCursorPos(&pt))
        ::SetCursorPos(pt.x, pt.y);
    m_bIgnoreButtonUp = FALSE;
}

void CKTMouseHookManager::ForgetBar(CKTCommandBar* pBar)
{
    RemoveTrackedBar(pBar);
    if (m_pSelectedBar == pBar)
        m_pSelectedBar = NULL;
}

BOOL CKTMouseHookManager::IsTrackedLock(const CKTCommandBar* pBar) const
{
    if (m_trackedBars.empty())
        return FALSE;
    if (!pBar || pBar->GetRecursionLock() > 0)
        return TRUE;
    return std::find(m_trackedBars.begin(), m_trackedBars.end(), pBar) == m_trackedBars.end();
}

void CKTMouseHookManager::CloseAllTracked()
{
    while (!m_trackedBars.empty())
    {
        CKTCommandBar* pBar = m_trackedBars.front();
        pBar->SetTrackingMode(ktTrackingNone, TRUE, FALSE);
        // A bar that would not leave tracking must not stall the loop.
        RemoveTrackedBar(pBar);
    }
}

std::vector<CKTCommandBar*> CKTMouseHookManager::LockTrackedBars()
{
    for (CKTCommandBar* pBar : m_trackedBars)
        pBar->LockRecursion(1);
    return m_trackedBars;
}

// A bar that left tracking meanwhile lost its lock, and may be gone: only the tracked list is asked about it.
void CKTMouseHookManager::UnlockBars(const std::vector<CKTCommandBar*>& bars)
{
    for (CKTCommandBar* pBar : m_trackedBars)
        if (pBar->GetRecursionLock() > 0 && std::find(bars.begin(), bars.end(), pBar) != bars.end())
            pBar->LockRecursion(-1);
}

void CKTMouseHookManager::CloseUnlockedBars()
{
    if (m_trackedBars.empty() || m_trackedBars.front()->GetRecursionLock() == 0)
        return;
    std::vector<CKTCommandBar*> bars = m_trackedBars;
    for (CKTCommandBar* pBar : bars)
        if (pBar->GetRecursionLock() == 0)
            pBar->SetTrackingMode(ktTrackingNone, TRUE, FALSE);
}

void CKTMouseHookManager::AddExcludedWindow(HWND hWnd) { m_excludedWindows.push_back(hWnd); }

void CKTMouseHookManager::RemoveExcludedWindow(HWND hWnd)
{
    m_excludedWindows.erase(std::remove(m_excludedWindows.begin(), m_excludedWindows.end(), hWnd),
                            m_excludedWindows.end());
}

void CKTMouseHookManager::TrackMouseLeave(HWND hWnd)
{
    if (hWnd == m_hWndLeave)
        return;
    if (m_hWndLeave && ::IsWindow(m_hWndLeave))
    {
        ::KillTimer(m_hWndLeave, KT_TIMER_MOUSELEAVE);
        ::SendMessage(m_hWndLeave, WM_MOUSELEAVE, 0, 0);
    }
    m_hWndLeave = hWnd;
    ::SetTimer(hWnd, KT_TIMER_MOUSELEAVE, 50, MouseLeaveTimerProc);
}

void CALLBACK CKTMouseHookManager::MouseLeaveTimerProc(HWND hWnd, UINT, UINT_PTR, DWORD)
{
    Instance()->OnMouseLeaveTick(hWnd);
}

void CKTMouseHookManager::OnMouseLeaveTick(HWND hWnd)
{
    if (!::IsWindow(m_hWndLeave))
    {
        ::KillTimer(hWnd, KT_TIMER_MOUSELEAVE);
        m_hWndLeave = NULL;
        return;
    }
    POINT pt;
    RECT rc;
    ::GetCursorPos(&pt);
    ::GetWindowRect(m_hWndLeave, &rc);
    if (::PtInRect(&rc, pt) && IsWindowActive(m_hWndLeave))
        return;
    ::KillTimer(m_hWndLeave, KT_TIMER_MOUSELEAVE);
    HWND hWndLeft = m_hWndLeave;
    m_hWndLeave = NULL;
    ::PostMessage(hWndLeft, WM_MOUSELEAVE, 0, 0);
}

// While a bar tracks the wheel is the innermost bar's: nothing beneath the menus scrolls. The shell's suggestion
// list, which a focused field opens, scrolls itself.
BOOL CKTMouseHookManager::OnHookWheel(int nDelta, POINT pt)
{
    if (IsInExcludedWindow(pt))
        return FALSE;
    CKTCommandBar* pTop = m_trackedBars.back();
    if (pTop->OnHookMouseWheel(nDelta, pt))
        return TRUE;
    CKTControl* pControl = pTop->GetControl(pTop->GetSelected());
    if (pControl && pControl->IsFocused())
        pControl->OnHookMouseWheel(nDelta);
    return TRUE;
}

BOOL CKTMouseHookManager::OnHookMouse(UINT nMessage, const MOUSEHOOKSTRUCT& info)
{
    // The wheel's turn comes with the extended record.
    if (nMessage == WM_MOUSEWHEEL && HasTrackedBars())
        return OnHookWheel((short)HIWORD(reinterpret_cast<const MOUSEHOOKSTRUCTEX&>(info).mouseData), info.pt);
    const POINT pt = info.pt;
    if (nMessage == WM_LBUTTONDOWN || nMessage == WM_RBUTTONDOWN)
        m_bIgnoreButtonUp = FALSE;
    if ((nMessage == WM_LBUTTONUP || nMessage == WM_NCLBUTTONUP) && m_bIgnoreButtonUp)
    {
        m_bIgnoreButtonUp = FALSE;
        return TRUE;
    }
    BOOL bMove = nMessage == WM_MOUSEMOVE || nMessage == WM_NCMOUSEMOVE;
    if (bMove && HasTrackedBars() && pt.x == g_ptLastMouse.x && pt.y == g_ptLastMouse.y)
        return TRUE;
    g_ptLastMouse = pt;
    if (HasTrackedBars())
        OnHookMessage(nMessage, pt);
    return FALSE;
}

CKTCommandBar* CKTMouseHookManager::FindBarHolding(POINT pt) const
{
    HWND hWndUnder = ::WindowFromPoint(pt);
    for (auto it = m_trackedBars.rbegin(); it != m_trackedBars.rend(); ++it)
    {
        CKTCommandBar* pBar = *it;
        if (!pBar->GetSafeHwnd())
            continue;
        int nInside = pBar->IsPointInside(pt.x, pt.y);
        if (nInside == 1)
            return pBar;
        if (nInside != -2 && hWndUnder &&
            (hWndUnder == pBar->GetSafeHwnd() || ::IsChild(pBar->GetSafeHwnd(), hWndUnder)))
            return pBar;
    }
    return NULL;
}

BOOL CKTMouseHookManager::IsInExcludedWindow(POINT pt) const
{
    for (HWND hWnd : m_excludedWindows)
    {
        RECT rc;
        if (::IsWindowVisible(hWnd) && ::GetWindowRect(hWnd, &rc) && ::PtInRect(&rc, pt))
            return TRUE;
    }
    return FALSE;
}

BOOL CKTMouseHookManager::OnHookMessage(UINT nMessage, POINT pt)
{
    BOOL bMove = nMessage == WM_MOUSEMOVE || nMessage == WM_NCMOUSEMOVE;
    if (CKTCommandBar* pBar = FindBarHolding(pt))
    {
        if (pBar->GetRecursionLock() > 0 && !bMove && !m_bIgnoreButtonUp)
        {
            CloseUnlockedBars();
            g_ptLastMouse = {-1, -1};
        }
        return FALSE;
    }
    if (IsInExcludedWindow(pt))
        return FALSE;
    if (CKTMouseMonitor::IsPress(nMessage))
        CloseAllTracked();
    else if ((nMessage == WM_LBUTTONUP || nMessage == WM_NCLBUTTONUP) && !IsLocked())
        CloseAllTracked();
    else if (nMessage == WM_MOUSEMOVE || nMessage == WM_NCMOUSEMOVE)
        ForwardMove(pt);
    return FALSE;
}

void CKTMouseHookManager::ForwardMove(POINT pt)
{
    std::vector<CKTCommandBar*> bars = m_trackedBars;
    for (CKTCommandBar* pBar : bars)
    {
        if (pBar->GetRecursionLock() > 0 || !pBar->GetSafeHwnd())
            continue;
        CPoint ptClient = pt;
        pBar->ScreenToClient(&ptClient);
        pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
    }
}
