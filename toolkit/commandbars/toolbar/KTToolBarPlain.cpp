// KTToolBarPlain.cpp: a bar placed straight in a window: the frame's layout gives it its row, and it takes the
// keyboard with the focus as a dialog's control does.
#include "KTToolBar.h"

#include <afxpriv.h>

#include <algorithm>

#include "KTKeyState.h"

LRESULT CKTToolBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    DWORD dwMode = LM_COMMIT | LM_HORZDOCK | LM_HORZ;
    if (m_dwFlags & ktBarFlagStretch)
        dwMode |= LM_STRETCH;
    if (m_dwFlags & ktBarFlagWrap)
        dwMode |= KT_LM_HIDEWRAP;
    // Without a batch to move windows in, the frame only measures.
    if (!pLayout->hDWP)
        dwMode &= ~LM_COMMIT;
    // The row spans the frame, as a dock bar would; only its height comes from the buttons.
    CRect rcBar = pLayout->rect;
    const CSize sz = CalcDockingLayout(rcBar.Width(), dwMode);
    rcBar.bottom = rcBar.top + std::min<int>(sz.cy, rcBar.Height());
    pLayout->rect.top = rcBar.bottom;
    pLayout->sizeTotal.cy += rcBar.Height();
    pLayout->sizeTotal.cx = std::max<int>(pLayout->sizeTotal.cx, std::min<int>(sz.cx, rcBar.Width()));
    if (pLayout->hDWP)
        AfxRepositionWindow(pLayout, m_hWnd, rcBar);
    Redraw(NULL, TRUE);
    return 0;
}

void CKTToolBar::OnSetFocus(CWnd* pOldWnd)
{
    CKTCommandBar::OnSetFocus(pOldWnd);
    if (!m_hwndFocus)
        m_hwndFocus = pOldWnd->GetSafeHwnd();
    // A bar that never docks stands among a dialog's or a pane's controls: the focus puts it under the keys.
    if (!m_pDockContext)
        SetTrackingMode(ktTrackingOn, TRUE, TRUE);
}

BOOL CKTToolBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (nChar != VK_TAB || m_pDockContext || IsCustomizeMode())
        return CKTCommandBar::OnHookKeyDown(nChar, lParam);
    // The focus goes first, so that leaving the tracking does not pass it on a second time.
    MoveFocusToTabStop(KTIsKeyDown(VK_SHIFT));
    SetTrackingMode(ktTrackingNone);
    return TRUE;
}
