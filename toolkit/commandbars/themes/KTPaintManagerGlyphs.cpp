// KTPaintManagerGlyphs.cpp: marks, arrows, the floating caption and the plain fills every theme shares.
#include "KTPaintManager.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTDockBar.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"

#include <algorithm>
#include <cmath>

CRect CKTPaintManager::GetCommandBarBorders(CKTCommandBar* pBar) { return CRect(2, 2, 2, 2); }

CSize CKTPaintManager::DrawCommandBarGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw)
{
    if (pBar->GetPosition() != ktBarFloating)
        return CSize(0, 0);
    CKTFontDC font(pDC, &m_fontSmCaption);
    CSize szSpace = pDC->GetTextExtent(" ", 1);
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    int nHeight = std::max<int>(15, szSpace.cy);
    CRect rcCaption(3, 3, rcClient.right - 3, nHeight + 3);
    if (bDraw)
    {
        pDC->SetBkMode(TRANSPARENT);
        pDC->FillSolidRect(rcCaption, m_clrFloatingGripper);
        pDC->SetTextColor(m_clrFloatingGripperText);
        CRect rcText(5, 3, rcCaption.right - 2 * rcCaption.Height(), rcCaption.bottom);
        pDC->DrawText(pBar->GetTitle(), rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    return rcCaption.Size();
}

void CKTPaintManager::FillDockBar(CDC* pDC, CKTDockBar* pBar)
{
    pDC->FillSolidRect(CKTClientRect(pBar), GetColor(COLOR_BTNFACE));
}

void CKTPaintManager::FillWorkspace(CDC* pDC, CRect rc, CRect rcClip)
{
    pDC->FillSolidRect(rc, GetColor(COLOR_APPWORKSPACE));
}

void CKTPaintManager::DrawCheckMark(CDC* pDC, CRect rc, COLORREF clr)
{
    CKTPenDC pen(pDC->GetSafeHdc(), clr);
    BOOL bRTL = KTDrawHelpers()->IsContextRTL(pDC);
    for (int nPass = 0; nPass < (m_bThickCheckMark ? 2 : 1); nPass++)
    {
        int x0 = rc.left + rc.Width() / 2 - 10;
        int y0 = rc.top + rc.Height() / 2 - 10 + nPass;
        for (int nLine = 0; nLine < 2; nLine++)
        {
            int y = y0 + nLine;
            POINT ptsLtr[] = {{x0 + 6, y + 9}, {x0 + 8, y + 11}, {x0 + 13, y + 6}};
            POINT ptsRtl[] = {{x0 + 6, y + 7}, {x0 + 10, y + 11}, {x0 + 13, y + 8}};
            StrokePolyline(pDC, bRTL ? ptsRtl : ptsLtr, 3);
        }
    }
}

void CKTPaintManager::DrawRadioDot(CDC* pDC, CRect rc, COLORREF clr)
{
    CPoint ptCentre = rc.CenterPoint();
    FillDisc(pDC, CRect(ptCentre.x - 3, ptCentre.y - 3, ptCentre.x + 3, ptCentre.y + 3), clr);
}

void CKTPaintManager::FillDisc(CDC* pDC, CRect rcSquare, COLORREF clr)
{
    const double dRadius = (std::min(rcSquare.Width(), rcSquare.Height()) - 1) / 2.0 - 0.25;
    const double cx = rcSquare.left + (rcSquare.Width() - 1) / 2.0, cy = rcSquare.top + (rcSquare.Height() - 1) / 2.0;
    for (int y = rcSquare.top; y < rcSquare.bottom; y++)
    {
        for (int x = rcSquare.left; x < rcSquare.right; x++)
        {
            double dDistance = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
            if (dDistance < dRadius - 1)
            {
                pDC->SetPixel(x, y, clr);
                continue;
            }
            if (dDistance >= dRadius + 1)
                continue;
            double dWeight = (dRadius + 1 - dDistance) / 2;
            COLORREF clrOld = pDC->GetPixel(x, y);
            auto mix = [dWeight](int a, int b) { return (int)(a * dWeight + b * (1 - dWeight)); };
            pDC->SetPixel(x, y,
                          RGB(mix(GetRValue(clr), GetRValue(clrOld)), mix(GetGValue(clr), GetGValue(clrOld)),
                              mix(GetBValue(clr), GetBValue(clrOld))));
        }
    }
}

void CKTPaintManager::DrawPopupArrow(CDC* pDC, CRect rc, COLORREF clr)
{
    CPoint pt = rc.CenterPoint();
    int s = std::max(2, rc.Width() / 2 - 4);
    int h = s / 2;
    Triangle(pDC, CPoint(pt.x - s, pt.y - h), CPoint(pt.x + s, pt.y - h), CPoint(pt.x, pt.y - h + s), clr);
}

void CKTPaintManager::DrawDropDownGlyph(CDC* pDC, CKTControl* pControl, CPoint pt, const KT_CONTROLSTATE& state,
                                        BOOL bVertical)
{
    KT_CONTROLSTATE glyph = state;
    glyph.nBarType = ktBarTypeNormal;
    glyph.nBarPosition = ktBarTop;
    glyph.nPressed = 0;
    glyph.nChecked = 0;
    COLORREF clr = GetColor(GetRectangleTextColor(glyph));
    if (bVertical)
        Triangle(pDC, CPoint(pt.x + 2, pt.y - 2), CPoint(pt.x + 2, pt.y + 2), pt, clr);
    else
        Triangle(pDC, CPoint(pt.x - 2, pt.y - 1), CPoint(pt.x + 2, pt.y - 1), CPoint(pt.x, pt.y + 1), clr);
}
