// KTRibbonPlainButtons.cpp: the plain look of the quick access toolbar's end buttons, the system button and a
// collapsed group's button.
#include "KTRibbonPainter.h"

#include "KTControl.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTRibbonBar.h"
#include "KTRibbonGroup.h"

#include <algorithm>

namespace
{
COLORREF FaceColor(CKTControl* pButton)
{
    if (pButton->GetPressed() || pButton->IsPopuped())
        return ::GetSysColor(COLOR_3DSHADOW);
    return ::GetSysColor(pButton->GetSelected() ? COLOR_3DLIGHT : COLOR_3DFACE);
}
}  // namespace

void CKTRibbonPlainPainter::DrawQuickAccessButton(CDC* pDC, CKTControl* pButton, BOOL bMore)
{
    const CRect rc = pButton->GetRect();
    pDC->FillSolidRect(rc, FaceColor(pButton));
    // A bar over a small arrow for the drop-down; two arrows for "more".
    const CPoint c = rc.CenterPoint();
    CKTBrushDC brush(pDC->GetSafeHdc(), ::GetSysColor(COLOR_BTNTEXT));
    if (bMore)
    {
        for (int x : {c.x - 3, c.x + 1})
        {
            POINT pts[3] = {{x, c.y - 3}, {x + 2, c.y}, {x, c.y + 3}};
            pDC->Polygon(pts, 3);
        }
        return;
    }
    pDC->FillSolidRect(c.x - 3, c.y - 3, 7, 1, ::GetSysColor(COLOR_BTNTEXT));
    POINT pts[3] = {{c.x - 3, c.y}, {c.x + 3, c.y}, {c.x, c.y + 3}};
    pDC->Polygon(pts, 3);
}

void CKTRibbonPlainPainter::DrawSystemButton(CDC* pDC, CKTControl* pButton, CRect rc)
{
    pDC->FillSolidRect(rc, pButton->IsPopuped() ? ::GetSysColor(COLOR_HOTLIGHT) : ::GetSysColor(COLOR_HIGHLIGHT));
    CKTFontDC font(pDC, m_pPaintManager ? m_pPaintManager->GetRegularFont() : NULL);
    pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
    pDC->DrawText(pButton->GetCaption(), rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_HIDEPREFIX);
}

// As tall as the group it stands for, less the group's inset; the caption over a small arrow.
CSize CKTRibbonPlainPainter::DrawGroupPopupButton(CDC* pDC, CKTControl* pButton, BOOL bDraw)
{
    CKTFontDC font(pDC, m_pPaintManager ? m_pPaintManager->GetRegularFont() : NULL);
    const CString strCaption = pButton->GetCaption();
    if (!bDraw)
    {
        CKTRibbonGroup* pGroup = pButton->GetRibbonGroup();
        const int nHeight = pGroup && pGroup->GetRibbonBar() ? pGroup->GetRibbonBar()->CalcGroupHeight() - 7 - 4 : 0;
        const int nText = pDC->GetTextExtent(strCaption).cx;
        return CSize(std::max(42, nText + 12), std::max(nHeight, GetFontHeight() + 12));
    }
    const CRect rc = pButton->GetRect();
    pDC->FillSolidRect(rc, FaceColor(pButton));
    pDC->Draw3dRect(rc, ::GetSysColor(COLOR_3DLIGHT), ::GetSysColor(COLOR_3DSHADOW));
    CRect rcText(rc.left, rc.top, rc.right, rc.bottom - 10);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    pDC->DrawText(strCaption, rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_HIDEPREFIX);
    const CPoint c(rc.CenterPoint().x, rc.bottom - 8);
    POINT pts[3] = {{c.x - 3, c.y}, {c.x + 3, c.y}, {c.x, c.y + 3}};
    CKTBrushDC brush(pDC->GetSafeHdc(), ::GetSysColor(COLOR_BTNTEXT));
    pDC->Polygon(pts, 3);
    return rc.Size();
}
