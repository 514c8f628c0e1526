// KTRibbonPlainButtons.cpp: the plain look of the ribbon's own buttons: quick access ends, system, group and option.
#include "KTRibbonPainter.h"

#include "KTControl.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
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
    // Its letter counts, so the letter shows underlined as the cues say.
    CString strCaption = pButton->GetCaption();
    const UINT nPrefix = m_pPaintManager ? m_pPaintManager->PrepareCaption(strCaption, pButton->GetParent()) : 0;
    pDC->DrawText(strCaption, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | nPrefix);
}

CSize CKTRibbonPlainPainter::GroupButtonSize(CDC* pDC, CKTControl* pButton)
{
    CKTFontDC font(pDC, m_pPaintManager ? m_pPaintManager->GetRegularFont() : NULL);
    const int nHeight = pButton->GetRibbonGroup()->GetFullControlHeight();
    CString strCaption = pButton->GetCaption();
    CKTDrawHelpers::StripMnemonics(strCaption);
    const int nText = pDC->GetTextExtent(strCaption).cx;
    return CSize(std::max(42, nText + 12), std::max(nHeight, GetFontHeight() + 12));
}

CSize CKTRibbonPlainPainter::DrawGroupPopupButton(CDC* pDC, CKTControl* pButton, BOOL bDraw)
{
    // A group put on the quick access toolbar is one of its buttons.
    if (!pButton->GetRibbonGroup())
        return m_pPaintManager ? m_pPaintManager->DrawControlToolBarParent(pDC, pButton, bDraw) : CSize(0, 0);
    if (!bDraw)
        return GroupButtonSize(pDC, pButton);
    const CRect rc = pButton->GetRect();
    pDC->FillSolidRect(rc, FaceColor(pButton));
    pDC->Draw3dRect(rc, ::GetSysColor(COLOR_3DHIGHLIGHT), ::GetSysColor(COLOR_3DSHADOW));
    DrawGroupButtonContent(pDC, pButton);
    return rc.Size();
}

void CKTRibbonPlainPainter::DrawGroupButtonContent(CDC* pDC, CKTControl* pButton)
{
    if (!m_pPaintManager)
        return;
    const CRect rc = pButton->GetRect();
    const CSize szIcon = pButton->GetIconSize();
    if (CKTImageManagerIcon* pIcon = pButton->GetImage(szIcon.cx))
        m_pPaintManager->DrawImage(pDC, CPoint(rc.CenterPoint().x - szIcon.cx / 2, rc.top + 4), szIcon, pIcon,
                                   m_pPaintManager->GetControlState(pButton), FALSE);
    // The caption shows, with its letter underlined, exactly where the letter counts.
    if (!pButton->IsCaptionVisible())
        return;
    CString strCaption = pButton->GetCaption();
    const UINT nFormat = DT_CENTER | DT_TOP | DT_WORDBREAK | DT_END_ELLIPSIS |
                         m_pPaintManager->PrepareCaption(strCaption, pButton->GetParent());
    // The caption takes the lower half, under the icon and its frame.
    CRect rcText(rc.left + 2, rc.CenterPoint().y, rc.right - 2, rc.bottom - 2);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_pPaintManager->GetColor(m_pPaintManager->GetControlTextColor(pButton)));
    pDC->DrawText(strCaption, rcText, nFormat);
}

CSize CKTRibbonPlainPainter::DrawOptionButton(CDC* pDC, CKTControl* pButton, BOOL bDraw)
{
    const CSize sz(15, 14);
    if (!bDraw)
        return sz;
    const CRect rc = pButton->GetRect();
    pDC->FillSolidRect(rc, FaceColor(pButton));
    // A small arrow into the lower right corner: the group's full settings.
    const CPoint c = rc.CenterPoint();
    CKTBrushDC brush(pDC->GetSafeHdc(), ::GetSysColor(COLOR_BTNTEXT));
    POINT pts[3] = {{c.x + 3, c.y - 1}, {c.x + 3, c.y + 3}, {c.x - 1, c.y + 3}};
    pDC->Polygon(pts, 3);
    return sz;
}
