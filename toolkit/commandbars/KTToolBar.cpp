// KTToolBar.cpp: a docked bar of buttons laid out in rows along its dock bar.
#include "KTToolBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControls.h"
#include "KTDockBar.h"
#include "KTPaintManager.h"

IMPLEMENT_DYNCREATE(CKTToolBar, CKTCommandBar)

BEGIN_MESSAGE_MAP(CKTToolBar, CKTCommandBar)
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CKTToolBar::CKTToolBar() { m_dwFlags = 0x3F; }

BOOL CKTToolBar::SetPosition(int nPosition)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    CKTDockBar* pDock = pCommandBars ? pCommandBars->GetDockBar(nPosition) : NULL;
    if (!pDock)
        return FALSE;
    if (m_pDockBar && m_pDockBar != pDock)
        m_pDockBar->RemoveCommandBar(this);
    m_nBarPosition = nPosition;
    if (!GetSafeHwnd() && !CreateBarWindow("KTToolBar", pDock, AFX_IDW_TOOLBAR))
        return FALSE;
    if (GetParent() != pDock)
        SetParent(pDock);
    pDock->DockCommandBar(this);
    pCommandBars->RecalcFrameLayout();
    return TRUE;
}

CSize CKTToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcDockingLayout(nLength, dwMode);
    return m_pControls->CalcDynamicSize(nLength, dwMode, GetRowBorders());
}

void CKTToolBar::OnRecalcLayout()
{
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->RecalcFrameLayout();
    Redraw(NULL, FALSE);
}

BOOL CKTToolBar::IsTextBelowIcons() const
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars && pCommandBars->GetCommandBarsOptions()->bShowTextBelowIcons;
}

void CKTToolBar::OnRButtonDown(UINT, CPoint point)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || IsCustomizeMode())
        return;
    SetTrackingMode(0);
    SetSelected(-1);
    Redraw(NULL, FALSE);
    ClientToScreen(&point);
    pCommandBars->ContextMenu(0, point.x, point.y);
}
