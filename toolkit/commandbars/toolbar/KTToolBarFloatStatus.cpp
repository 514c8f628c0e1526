// KTToolBarFloatStatus.cpp: a floating bar follows its frame's activation, as the frame's own floating windows do.
#include "KTToolBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"

#include <afxpriv.h>

namespace
{
const UINT kHideFlags = SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE;
const UINT kShowFlags = SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE;

// The frame counts as active while it, or a window it owns, has the activation.
BOOL IsFrameActive(CWnd* pFrame)
{
    const HWND hActive = ::GetActiveWindow();
    return pFrame && hActive &&
           (hActive == pFrame->GetSafeHwnd() || ::GetWindow(hActive, GW_OWNER) == pFrame->GetSafeHwnd());
}

// The frame, or a floating window of it that keeps the frame active, is in front.
BOOL IsFrameForeground(CWnd* pFrame)
{
    const HWND hForeground = ::GetForegroundWindow();
    if (!pFrame || !hForeground)
        return FALSE;
    if (hForeground == pFrame->GetSafeHwnd())
        return TRUE;
    return ::GetLastActivePopup(pFrame->GetSafeHwnd()) == hForeground &&
           ::SendMessage(hForeground, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0;
}

BOOL IsForegroundShown()
{
    HWND hForeground = ::GetForegroundWindow();
    return hForeground && ::IsWindowVisible(hForeground) && !::IsIconic(hForeground);
}
}  // namespace

BOOL CKTToolBar::OnNcCreate(LPCREATESTRUCT lpcs)
{
    if (!CKTCommandBar::OnNcCreate(lpcs))
        return FALSE;
    // A floating bar hears of the frame's activation only when it changes: it starts from the present one.
    if (GetStyle() & MFS_SYNCACTIVE)
        SendMessage(WM_FLOATSTATUS, IsFrameForeground(GetTopLevelParent()) ? FS_ACTIVATE : FS_DEACTIVATE);
    return TRUE;
}

LRESULT CKTToolBar::OnFloatStatus(WPARAM wParam, LPARAM)
{
    if (wParam & FS_SYNCACTIVE)
        return (GetStyle() & MFS_SYNCACTIVE) != 0;
    if (m_nBarPosition != ktBarFloating || !IsVisible())
        return 0;
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || pCommandBars->GetCommandBarsOptions()->bSyncFloatingBars)
        SyncWithFrame(wParam);
    if (wParam & FS_SHOW)
        SetWindowPos(NULL, 0, 0, 0, 0, kShowFlags);
    if (wParam & FS_HIDE)
        SetWindowPos(NULL, 0, 0, 0, 0, kHideFlags);
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);
    return 0;
}

// The frame sends the deactivation only when no window of its own keeps it active, and before the
// activation has moved: the notice itself says the frame is no longer active.
void CKTToolBar::SyncWithFrame(WPARAM wParam)
{
    if (wParam & FS_DEACTIVATE)
        SetWindowPos(NULL, 0, 0, 0, 0, kHideFlags);
    if ((wParam & FS_ACTIVATE) && !IsWindowVisible() && IsFrameActive(GetFrameSite()) && IsForegroundShown())
        SetWindowPos(NULL, 0, 0, 0, 0, kShowFlags);
}

BOOL CKTToolBar::OnNcActivate(BOOL bActive)
{
    // The caption is the paint manager's; the system's active look would only flash over it.
    if (bActive)
        return FALSE;
    return CKTCommandBar::OnNcActivate(bActive);
}
