// KTCommandBarsDocking.cpp: walking, showing and docking a frame's bars, and the frame's delayed layout.
#include "KTCommandBars.h"

#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTCustomizeMode.h"
#include "KTDockBar.h"
#include "KTDrawObjects.h"
#include "KTToolBar.h"

int CKTCommandBars::GetNextVisibleBar(int nIndex, int nDirection) const
{
    int nCount = GetCount();
    if (nCount == 0)
        return -1;
    for (int nStep = 1; nStep <= nCount; nStep++)
    {
        int nNext = ((nIndex + nStep * nDirection) % nCount + nCount) % nCount;
        if (nNext == nIndex)
            return nIndex;
        if (m_bars[nNext]->IsVisible())
            return nNext;
    }
    return -1;
}

void CKTCommandBars::ToggleVisible(int nIndex)
{
    CKTToolBar* pBar = GetAt(nIndex);
    if (!pBar)
        return;
    pBar->SetVisible(!pBar->IsVisible());
    m_pOptions->bDirty = TRUE;
    RecalcFrameLayout();
}

CKTDockBar* CKTCommandBars::CanDock(CPoint pt, CKTDockBar* pCurrent) const
{
    auto accepts = [pt](CKTDockBar* pDock) -> BOOL
    {
        if (!pDock || !pDock->GetSafeHwnd())
            return FALSE;
        CRect rc = CKTWindowRect(pDock);
        rc.InflateRect(20, 20);
        return pt.x > rc.left && pt.x < rc.right && pt.y > rc.top && pt.y < rc.bottom;
    };
    if (accepts(pCurrent))
        return pCurrent;
    for (const auto& pDock : m_pDocks)
        if (accepts(pDock.get()))
            return pDock.get();
    return NULL;
}

void CKTCommandBars::UpdateDelayedLayout()
{
    CFrameWnd* pFrame = GetFrameSite();
    if (!pFrame || !(pFrame->m_nIdleFlags & CFrameWnd::idleLayout))
        return;
    pFrame->RecalcLayout(FALSE);
    pFrame->m_nIdleFlags &= ~CFrameWnd::idleLayout;
}

UINT CKTCommandBars::GetActiveDocTemplate() const
{
    CMDIFrameWnd* pFrame = GetMDIFrameSite();
    if (!pFrame)
        return 0;
    CMDIChildWnd* pChild = pFrame->MDIGetActive();
    if (!pChild)
        return m_nDefaultMenuId;
    CDocument* pDocument = pChild->GetActiveDocument();
    if (pDocument && pDocument->GetDocTemplate())
        return pDocument->GetDocTemplate()->m_nIDResource;
    return pChild->GetDlgCtrlID();
}

namespace
{
// The bars of the bar's dock-bar row, or the bar alone when it is not docked.
std::vector<CKTToolBar*> RowOf(CKTToolBar* pBar)
{
    CKTDockBar* pDock = pBar->GetDockBar();
    const int nIndex = pDock ? pDock->FindBar(pBar) : -1;
    return nIndex < 0 ? std::vector<CKTToolBar*>{pBar} : pDock->GetVisibleRowBars(nIndex);
}
}  // namespace

void CKTCommandBars::AddClippedControls(CKTToolBar* pBar, CKTCommandBar* pPopup)
{
    for (CKTToolBar* pRowBar : RowOf(pBar))
        for (int i = 0; i < pRowBar->GetControlCount(); i++)
        {
            CKTControl* pControl = pRowBar->GetControl(i);
            if (pControl->GetHideFlags() != ktHideWrap)
                continue;
            CKTControl* pClone =
                pPopup->GetControls()->InsertAt(CKTSmartPtr<CKTControl>::Adopt(pControl->Clone(FALSE)));
            pClone->SetHideFlags(0);
            pClone->SetBeginGroup(FALSE);
        }
}

void CKTCommandBars::AddToolbarListControls(CKTToolBar* pBar, CKTCommandBar* pPopup)
{
    for (CKTToolBar* pRowBar : RowOf(pBar))
    {
        CKTControl* pList = pPopup->GetControls()->Add(ktControlPopup, 0);
        pList->SetCaption(pRowBar->GetTitle());
        pRowBar->FillAddRemoveList(pList->GetCommandBar());
    }
    if (m_pCustomize->IsCommandAvailable())
        pPopup->GetControls()->Add(ktControlButton, KT_ID_CUSTOMIZE)->SetBeginGroup(TRUE);
}
