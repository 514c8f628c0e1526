// KTThemeStyle0Buttons.cpp: the default theme's caption buttons, tear-off strip and dialog-bar gripper.
#include "KTThemeStyle0.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTDrawObjects.h"

#include <algorithm>

CSize CKTThemeStyle0::DrawExpandButton(CDC* pDC, int nKind, CKTControl* pControl, CKTCommandBar* pBar, BOOL bDraw,
                                       CSize szBar, BOOL bHiddenExists)
{
    BOOL bActive = pControl->GetPressed() || pControl->GetSelected() || (nKind == 3 && pControl->IsPopuped());
    if (bDraw && (nKind == 2 || nKind == 3) && bActive)
        pDC->FillSolidRect(pControl->GetRect(), GetColor(COLOR_BTNFACE));
    return CKTPaintManager::DrawExpandButton(pDC, nKind, pControl, pBar, bDraw, szBar, bHiddenExists);
}

CSize CKTThemeStyle0::DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw)
{
    if (bDraw)
        pDC->FillSolidRect(CRect(rc.left, rc.top, rc.right, rc.bottom - 1),
                           GetColor(bSelected ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    return CSize(0, 8);
}

CSize CKTThemeStyle0::DrawAltGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw)
{
    int nHeight = std::max(22, m_nTextHeight + 4);
    if (bDraw)
        DrawRaised(pDC, CRect(3, 3, 6, nHeight));
    return CSize(6, nHeight);
}
