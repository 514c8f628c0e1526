// KTCommandBarCustomize.cpp: a bar while the bars are customised: presses that drag controls, a control dragged
// over it, drops, and the customise selection's frame.
#include "KTCommandBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTBarDropTarget.h"
#include "KTCustomizeDropSource.h"
#include "KTCustomizeMode.h"
#include "KTDrawObjects.h"
#include "KTFoundationRes.h"
#include "KTKeyState.h"
#include "KTResourceManager.h"

#include <cstdlib>

BOOL CKTCommandBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    CKTControl* pSelection = pCommandBars && IsCustomizeMode() ? pCommandBars->GetCustomize()->GetSelection() : NULL;
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (nHitTest != HTCLIENT || !pSelection || pSelection->GetParent() != this ||
        CKTCustomizeMode::HitTestResizeEdge(pSelection, pt) == 0)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(KTResourceManager()->LoadCursor(KT_IDC_CUSTOMIZE_RESIZE));
    return TRUE;
}

BOOL CKTCommandBar::AltDragControl(CKTControl* pControl, CPoint point)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || IsPopupBar() || !KTIsKeyDown(VK_MENU) || IsCustomizeMode() ||
        !pCommandBars->GetCommandBarsOptions()->bAltDragCustomization ||
        !pCommandBars->GetCustomize()->IsCommandAvailable())
        return FALSE;
    CKTSmartPtr<CKTControl> pHold(pControl);
    pCommandBars->GetCustomize()->SetOn(TRUE);
    SetPopuped(-1);
    SetSelected(-1);
    pCommandBars->GetCustomize()->DragControl(pControl, point);
    pCommandBars->GetCustomize()->SetOn(FALSE);
    pCommandBars->RecalcFrameLayout();
    pCommandBars->ClosePopups();
    return TRUE;
}

void CKTCommandBar::DrawCustomizeMarks(CDC* pDC)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    CKTControl* pSelection = pCommandBars && IsCustomizeMode() ? pCommandBars->GetCustomize()->GetSelection() : NULL;
    if (pSelection && pSelection->GetParent() == this && pSelection->IsVisible())
    {
        CRect rc = pSelection->GetRect();
        pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
    }
    m_pDropTarget->DrawMarker(pDC);
}
