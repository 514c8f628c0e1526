// KTThemeStyle1Buttons.cpp: the flat theme's check and radio marks, tear-off strip and dialog-bar gripper.
#include "KTThemeStyle1.h"

#include "KTCommandBar.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"

#include <algorithm>

CRect CKTThemeStyle1::FillTearOffStrip(CDC* pDC, CRect rc)
{
    CRect rcStrip(1, 1, rc.right + 1, rc.Height() + 1);
    pDC->FillSolidRect(rcStrip, GetColor(KTCOLOR_POPUP_FACE));
    rcStrip.DeflateRect(1, 1);
    return rcStrip;
}

CSize CKTThemeStyle1::DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw)
{
    if (!bDraw)
        return CSize(0, 9);
    CRect rcStrip = FillTearOffStrip(pDC, rc);
    int nCentre = rcStrip.CenterPoint().x;
    int nHalf = std::min(16, rcStrip.Width() / 2 - 10);
    if (nHalf < 0)
        return CSize(0, 9);
    CRect rcGrip(nCentre - nHalf, rcStrip.top, nCentre + nHalf, rcStrip.bottom);
    if (bSelected)
    {
        Rectangle(pDC, rcGrip, KTCOLOR_HIGHLIGHT_BORDER, KTCOLOR_HIGHLIGHT);
        for (int y : {4, 6})
            HorizontalLine(pDC, rcGrip.left + 2, y, rcGrip.right - 2, GetColor(KTCOLOR_HIGHLIGHT_TEXT));
    }
    else
    {
        pDC->FillSolidRect(rcGrip, GetColor(KTCOLOR_TOOLBAR_FACE));
        for (int y : {3, 5, 7})
            HorizontalLine(pDC, rcGrip.left + 2, y, rcGrip.right - 2, GetColor(KTCOLOR_GRIPPER));
    }
    return CSize(0, 9);
}

CSize CKTThemeStyle1::DrawAltGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw)
{
    int nHeight = std::max(22, m_nTextHeight + 4);
    if (bDraw)
        for (int y = 6; y < nHeight - 2; y += 2)
            Line(pDC, 3, y, 6, y, KTCOLOR_GRIPPER);
    return CSize(6, nHeight);
}

void CKTThemeStyle1::DrawMarkBox(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bRadio)
{
    int nBorder = KTCOLOR_BAR_EDGE, nFill = COLOR_WINDOW;
    if (!bEnabled)
    {
        nBorder = KTCOLOR_POPUP_DISABLED_TEXT;
        nFill = bRadio ? KTCOLOR_CONTROL_FACE : -1;
    }
    else if (bSelected && bPressed)
    {
        nBorder = KTCOLOR_HIGHLIGHT_BORDER;
        nFill = KTCOLOR_HIGHLIGHT_PUSHED;
    }
    else if (bSelected || bPressed)
    {
        nBorder = KTCOLOR_HIGHLIGHT_BORDER;
        nFill = KTCOLOR_HIGHLIGHT;
    }
    if (!bRadio)
    {
        Rectangle(pDC, rc, nBorder, nFill);
        return;
    }
    FillDisc(pDC, rc, GetColor(nBorder));
    CRect rcInner = rc;
    rcInner.DeflateRect(1, 1);
    if (nFill != -1)
        FillDisc(pDC, rcInner, GetColor(nFill));
}

CSize CKTThemeStyle1::DrawCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked,
                                       BOOL bEnabled)
{
    if (m_bThemedCheckBox && m_themeButton.IsAppThemeReady())
        return CKTPaintManager::DrawCheckBoxMark(pDC, rc, bDraw, bSelected, bPressed, nChecked, bEnabled);
    if (!bDraw)
        return CSize(13, 13);
    DrawMarkBox(pDC, rc, bSelected, bPressed, bEnabled, FALSE);
    if (!nChecked)
        return CSize(13, 13);
    CKTPenDC pen(pDC->GetSafeHdc(), GetColor(nChecked == 2 || !bEnabled ? KTCOLOR_POPUP_DISABLED_TEXT : COLOR_BTNTEXT));
    BOOL bRTL = KTDrawHelpers()->IsContextRTL(pDC);
    int cx = (rc.left + rc.right) / 2, y0 = (rc.top + rc.bottom) / 2 + 1;
    int d = bRTL ? -1 : 1;
    for (int y = y0; y < y0 + 3; y++)
    {
        POINT pts[] = {{cx - 3 * d, y - 2}, {cx - d, y}, {cx + 4 * d, y - 5}};
        StrokePolyline(pDC, pts, 3);
    }
    return CSize(13, 13);
}

CSize CKTThemeStyle1::DrawRadioButtonMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked,
                                          BOOL bEnabled)
{
    if (m_bThemedCheckBox && m_themeButton.IsAppThemeReady())
        return CKTPaintManager::DrawRadioButtonMark(pDC, rc, bDraw, bSelected, bPressed, nChecked, bEnabled);
    if (!bDraw)
        return CSize(13, 13);
    DrawMarkBox(pDC, rc, bSelected, bPressed, bEnabled, TRUE);
    if (nChecked)
        FillDisc(pDC, CRect(rc.left + 4, rc.top + 4, rc.left + 9, rc.top + 9),
                 GetColor(nChecked == 2 || !bEnabled ? KTCOLOR_POPUP_DISABLED_TEXT : COLOR_BTNTEXT));
    return CSize(13, 13);
}
