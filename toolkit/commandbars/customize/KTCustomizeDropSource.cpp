// KTCustomizeDropSource.cpp: the bars a customise drag can reach, and its modal loop.
#include "KTCustomizeDropSource.h"

#include "KTBarDropTarget.h"
#include "KTCaptureLoop.h"
#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTCommandBarsRes.h"
#include "KTControl.h"
#include "KTKeyState.h"
#include "KTPopupBar.h"
#include "KTResourceCursor.h"

#include <algorithm>

CKTCustomizeDropSource::CKTCustomizeDropSource(CKTCommandBars* pCommandBars)
    : m_pCommandBars(pCommandBars), m_pNoDropCursor(new CKTResourceCursor(KT_IDC_CUSTOMIZE_NODROP)),
      m_pAddCursor(new CKTResourceCursor(KT_IDC_CUSTOMIZE_ADD)),
      m_pDropCursor(new CKTResourceCursor(KT_IDC_CUSTOMIZE_DROP))
{
}

CKTCustomizeDropSource::~CKTCustomizeDropSource() = default;

void CKTCustomizeDropSource::Register(CKTCommandBar* pBar)
{
    if (std::find(m_bars.begin(), m_bars.end(), pBar) == m_bars.end())
        m_bars.push_back(pBar);
}

void CKTCustomizeDropSource::Unregister(CKTCommandBar* pBar)
{
    m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), pBar), m_bars.end());
    if (m_pTarget == pBar)
        m_pTarget = NULL;
}

void CKTCustomizeDropSource::SetCustomizeDialog(CWnd* pDialog, CKTPopupBar* pContextMenu)
{
    m_hWndDialog = pDialog ? pDialog->GetSafeHwnd() : NULL;
    m_pDialogMenu = m_hWndDialog ? pContextMenu : NULL;
}

CWnd* CKTCustomizeDropSource::GetCustomizeDialog() const
{
    return m_hWndDialog && ::IsWindow(m_hWndDialog) ? CWnd::FromHandle(m_hWndDialog) : NULL;
}

HCURSOR CKTCustomizeDropSource::GetNoDropCursor() const { return m_pNoDropCursor->GetHandle(); }
HCURSOR CKTCustomizeDropSource::GetAddCursor() const { return m_pAddCursor->GetHandle(); }
HCURSOR CKTCustomizeDropSource::GetDropCursor() const { return m_pDropCursor->GetHandle(); }

int CKTCustomizeDropSource::DoDragDrop(CKTControl* pControl)
{
    CWnd* pOwner = m_pOwner ? m_pOwner : m_pCommandBars->GetSite();
    if (IsDragging() || !pControl || !pOwner || !pOwner->GetSafeHwnd())
        return ktDropEffectCancel;
    m_hWndCapture = pOwner->GetSafeHwnd();
    m_bMove = !KTIsKeyDown(VK_CONTROL);
    m_pTarget = NULL;
    m_pControl = pControl;
    m_pSource = pControl->GetParent() ? pControl : NULL;
    ::GetCursorPos(&m_ptStart);
    const int nEffect = RunLoop();
    LeaveTarget();
    m_hWndCapture = NULL;
    m_pControl = m_pSource = NULL;
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
    return nEffect;
}

int CKTCustomizeDropSource::RunLoop()
{
    CKTCaptureLoop loop(m_hWndCapture, ktLoopPaintFirst);
    UpdateCursor();
    BOOL bMoved = FALSE;
    int nEffect = ktDropEffectCancel;
    MSG msg;
    while (loop.Next(msg))
        if (!OnLoopMessage(msg, bMoved, nEffect))
            return nEffect;
    if (!loop.IsReleased())
        return ktDropEffectCancel;
    return bMoved || m_pTarget ? Drop() : ktDropEffectCancel;
}

BOOL CKTCustomizeDropSource::OnLoopMessage(const MSG& msg, BOOL& bMoved, int& nEffect)
{
    const BOOL bCtrlKey = msg.wParam == VK_CONTROL;
    switch (msg.message)
    {
    case WM_MOUSEMOVE:
        bMoved = bMoved || CPoint(msg.pt) != m_ptStart;
        m_bMove = (msg.wParam & MK_CONTROL) == 0;
        DragOver(msg.pt);
        if (msg.wParam & MK_LBUTTON)
            return TRUE;
        // The button went up where the loop could not see it: a release all the same.
        nEffect = bMoved ? Drop() : ktDropEffectCancel;
        return FALSE;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (bCtrlKey && m_bMove == (msg.message == WM_KEYDOWN))
        {
            m_bMove = msg.message == WM_KEYUP;
            UpdateCursor();
        }
        return TRUE;
    default:
        CKTCaptureLoop::Dispatch(msg);
        return TRUE;
    }
}

int CKTCustomizeDropSource::Drop()
{
    if (!m_pTarget)
        return ktDropEffectNone;
    int nEffect = m_bMove ? ktDropEffectMove : ktDropEffectCopy;
    CPoint ptDrop, ptStart = m_ptStart;
    ::GetCursorPos(&ptDrop);
    CKTCommandBar* pTarget = m_pTarget;
    m_pTarget = NULL;
    pTarget->ScreenToClient(&ptDrop);
    pTarget->ScreenToClient(&ptStart);
    pTarget->GetDropTarget()->OnDrop(m_pControl, nEffect, ptDrop, ptStart);
    return nEffect;
}

void CKTCustomizeDropSource::LeaveTarget()
{
    if (!m_pTarget)
        return;
    CKTCommandBar* pTarget = m_pTarget;
    m_pTarget = NULL;
    pTarget->GetDropTarget()->OnDragLeave();
}

CKTCommandBar* CKTCustomizeDropSource::FindBarAt(CPoint ptScreen) const
{
    // Bars made later stand above the others: a floating bar or an open popup wins over a docked bar.
    for (auto it = m_bars.rbegin(); it != m_bars.rend(); ++it)
    {
        CKTCommandBar* pBar = *it;
        if (!pBar->GetSafeHwnd() || !pBar->IsWindowVisible())
            continue;
        CRect rc;
        pBar->GetWindowRect(&rc);
        if (rc.PtInRect(ptScreen))
            return pBar;
    }
    return NULL;
}

void CKTCustomizeDropSource::DragOver(CPoint ptScreen)
{
    CKTCommandBar* pBar = FindBarAt(ptScreen);
    CPoint ptClient = ptScreen;
    if (pBar)
        pBar->ScreenToClient(&ptClient);
    if (pBar && pBar == m_pTarget)
        pBar->GetDropTarget()->OnDragOver(m_pControl, ptClient);
    else
    {
        LeaveTarget();
        if (pBar && pBar->GetDropTarget()->OnDragEnter(m_pControl, ptClient))
            m_pTarget = pBar;
    }
    UpdateCursor();
}

void CKTCustomizeDropSource::UpdateCursor()
{
    HCURSOR hCursor = !m_pTarget ? GetNoDropCursor() : m_bMove && !m_pSource ? GetAddCursor() : GetDropCursor();
    if (hCursor)
        ::SetCursor(hCursor);
}
