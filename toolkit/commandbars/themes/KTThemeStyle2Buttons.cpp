// KTThemeStyle2Buttons.cpp: the gradient theme's expand buttons, tear-off strip and dialog-bar gripper.
#include "KTThemeStyle2.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTDialogBar.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"

#include <algorithm>

BOOL CKTThemeStyle2::IsAcrossBar(CKTCommandBar* pBar)
{
    int nPosition = pBar ? pBar->GetPosition() : ktBarTop;
    return nPosition == ktBarLeft || nPosition == ktBarRight || nPosition == ktBarPopup;
}

void CKTThemeStyle2::DrawToolBarExpandGlyph(CDC* pDC, BOOL bVertical, CRect rc, BOOL bHiddenExists, COLORREF clr)
{
    CPoint c = rc.CenterPoint();
    if (!bVertical)
    {
        HorizontalLine(pDC, c.x - 2, rc.bottom - 10, c.x + 3, clr);
        Triangle(pDC, CPoint(c.x - 2, rc.bottom - 7), CPoint(c.x + 2, rc.bottom - 7), CPoint(c.x, rc.bottom - 5), clr);
        if (bHiddenExists)
            for (int dx : {3, 7})
                Triangle(pDC, CPoint(rc.left + dx, rc.top + 5), CPoint(rc.left + dx + 1, rc.top + 6),
                         CPoint(rc.left + dx, rc.top + 7), clr);
        return;
    }
    VerticalLine(pDC, rc.right - 10, c.y - 2, c.y + 3, clr);
    Triangle(pDC, CPoint(rc.right - 5, c.y), CPoint(rc.right - 7, c.y - 2), CPoint(rc.right - 7, c.y + 2), clr);
    if (bHiddenExists)
        for (int dy : {3, 7})
            Triangle(pDC, CPoint(rc.left + 5, rc.top + dy), CPoint(rc.left + 6, rc.top + dy + 1),
                     CPoint(rc.left + 7, rc.top + dy), clr);
}

CSize CKTThemeStyle2::DrawExpandButton(CDC* pDC, int nKind, CKTControl* pControl, CKTCommandBar* pBar, BOOL bDraw,
                                       CSize szBar, BOOL bHiddenExists)
{
    if (nKind == 1)
    {
        if (!bDraw)
            return CSize(0, 18);
        CRect rc = pControl->GetRect();
        DrawControlState(pDC, pControl);
        int x = rc.CenterPoint().x;
        ImageList_Draw(GetBallImageList(), 0, pDC->GetSafeHdc(), x - 7, rc.top + 1, ILD_NORMAL);
        CKTPenDC pen(pDC->GetSafeHdc(), RGB(0, 0, 0));
        for (int dy : {0, 1, 4, 5})
        {
            POINT pts[] = {{x - 3, rc.top + 4 + dy}, {x, rc.top + 7 + dy}, {x + 4, rc.top + 3 + dy}};
            StrokePolyline(pDC, pts, 3);
        }
        return CSize(0, 18);
    }
    if (nKind != 0)
        return CKTThemeStyle1::DrawExpandButton(pDC, nKind, pControl, pBar, bDraw, szBar, bHiddenExists);
    BOOL bAcross = IsAcrossBar(pBar);
    if (!bDraw)
    {
        CRect rc = bAcross ? CRect(0, szBar.cy - 12, szBar.cx, szBar.cy) : CRect(szBar.cx - 12, 0, szBar.cx, szBar.cy);
        pControl->SetRect(rc);
        return rc.Size();
    }
    CRect rc = pControl->GetRect();
    BOOL bOpen = pControl->IsPopuped(), bHot = pControl->GetSelected() != ktSelectionNone;
    CKTDrawHelpers::ExcludeCorners(pDC, rc);
    BOOL bHorzGradient = pBar && pBar->IsVerticalPosition();
    if (bOpen)
        m_bLunaColors ? GradientFill(pDC, rc, m_grcPressed, bHorzGradient)
                      : pDC->FillSolidRect(rc, GetColor(KTCOLOR_HIGHLIGHT_CHECKED));
    else if (bHot)
        m_bLunaColors ? GradientFill(pDC, rc, m_grcHot, bHorzGradient)
                      : pDC->FillSolidRect(rc, GetColor(KTCOLOR_HIGHLIGHT));
    else
        GradientFill(pDC, rc, m_grcExpandButton, bHorzGradient);
    pDC->SelectClipRgn(NULL);
    DrawToolBarExpandGlyph(pDC, bAcross, rc + CPoint(1, 1), bHiddenExists, GetColor(COLOR_BTNHIGHLIGHT));
    DrawToolBarExpandGlyph(pDC, bAcross, rc, bHiddenExists,
                           GetColor(bHot && !bOpen ? KTCOLOR_HIGHLIGHT_TEXT : KTCOLOR_TOOLBAR_TEXT));
    return rc.Size();
}

CSize CKTThemeStyle2::DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw)
{
    if (!bDraw)
        return CSize(0, 9);
    CRect rcStrip = FillTearOffStrip(pDC, rc);
    int nCentre = rcStrip.CenterPoint().x;
    int nHalf = std::min(32, rcStrip.Width() / 2 - 10);
    if (nHalf < 0)
        return CSize(0, 9);
    CRect rcGrip(nCentre - nHalf, rcStrip.top, nCentre + nHalf, rcStrip.bottom);
    if (bSelected)
        Rectangle(pDC, rcGrip, KTCOLOR_HIGHLIGHT_BORDER, KTCOLOR_HIGHLIGHT);
    else
        pDC->FillSolidRect(rcGrip, m_clrTearOff);
    for (int x = nCentre - nHalf + 3; x - 3 < nCentre + nHalf; x += 4)
    {
        pDC->FillSolidRect(x - 2, 5, 2, 2, GetColor(COLOR_BTNHIGHLIGHT));
        pDC->FillSolidRect(x - 3, 4, 2, 2, GetColor(KTCOLOR_GRIPPER));
    }
    return CSize(0, 9);
}

CSize CKTThemeStyle2::DrawAltGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw)
{
    int nHeight = std::max(25, m_nTextHeight + 6);
    if (!bDraw)
        return CSize(8, nHeight);
    CRect rc = CKTClientRect(pBar);
    rc.DeflateRect(3, 3);
    rc.bottom = std::min<int>(rc.bottom, rc.top + nHeight);
    // A dialog bar lights its gripper up while the focus is in it.
    BOOL bActive = pBar->IsKindOf(RUNTIME_CLASS(CKTDialogBar)) && static_cast<CKTDialogBar*>(pBar)->IsActive();
    if (!bActive)
        GradientFill(pDC, rc, m_grcToolBar, FALSE);
    else if (m_bLunaColors)
        GradientFill(pDC, rc, m_grcChecked, FALSE);
    else
        pDC->FillSolidRect(rc, GetColor(KTCOLOR_HIGHLIGHT_CHECKED));
    for (int y = rc.top + 4; y < rc.bottom - 5; y += 4)
    {
        pDC->FillSolidRect(6, y + 1, 2, 2, GetColor(COLOR_WINDOW));
        pDC->FillSolidRect(5, y, 2, 2, GetColor(KTCOLOR_GRIPPER));
    }
    return CSize(8, nHeight);
}
