// KTPaintManagerButtons.cpp: check and radio marks, and the small expand and caption buttons of bars.
#include "KTPaintManager.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTDrawObjects.h"

namespace
{
const int BP_RADIOBUTTON_ = 2, BP_CHECKBOX_ = 3;
}  // namespace

CSize CKTPaintManager::DrawButtonMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked,
                                      BOOL bEnabled, BOOL bRadio)
{
    if (!bDraw)
        return CSize(13, 13);
    if (m_bThemedCheckBox && m_themeButton.IsAppThemeReady())
    {
        int nState = !bEnabled ? 3 : (bSelected && bPressed ? 2 : (bSelected ? 1 : 0));
        nState += 1 + (nChecked == 1 ? 4 : 0) + (nChecked == 2 ? 8 : 0);
        m_themeButton.DrawThemeBackground(pDC->GetSafeHdc(), bRadio ? BP_RADIOBUTTON_ : BP_CHECKBOX_, nState, &rc,
                                          NULL);
        return CSize(13, 13);
    }
    UINT nState = (bRadio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) | (nChecked ? DFCS_CHECKED : 0) |
                  (bPressed ? DFCS_PUSHED : 0) | (!bEnabled || nChecked == 2 ? DFCS_INACTIVE : 0);
    pDC->DrawFrameControl(rc, DFC_BUTTON, nState);
    return CSize(13, 13);
}

CSize CKTPaintManager::DrawCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked,
                                        BOOL bEnabled)
{
    return DrawButtonMark(pDC, rc, bDraw, bSelected, bPressed, nChecked, bEnabled, FALSE);
}

CSize CKTPaintManager::DrawRadioButtonMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked,
                                           BOOL bEnabled)
{
    return DrawButtonMark(pDC, rc, bDraw, bSelected, bPressed, nChecked, bEnabled, TRUE);
}

CSize CKTPaintManager::DrawExpandButton(CDC* pDC, int nKind, CKTControl* pControl, CKTCommandBar* pBar, BOOL bDraw,
                                        CSize szBar, BOOL bHiddenExists)
{
    if (!bDraw)
    {
        if (nKind != 0)
            return nKind == 1 ? CSize(0, 12) : CSize(0, 0);
        BOOL bAcross = pBar && (pBar->IsVerticalPosition() || pBar->GetPosition() == ktBarPopup);
        CRect rc = bAcross ? CRect(2, szBar.cy - 13, szBar.cx - 2, szBar.cy - 2)
                           : CRect(szBar.cx - 13, 2, szBar.cx - 2, szBar.cy - 2);
        pControl->SetRect(rc);
        return rc.Size();
    }
    CRect rc = pControl->GetRect();
    DrawControlState(pDC, pControl);
    BOOL bActive = pControl->GetPressed() || pControl->GetSelected();
    COLORREF clr = GetColor(GetControlTextColor(pControl));
    int x = rc.CenterPoint().x, b = rc.bottom, t = rc.top, l = rc.left;
    switch (nKind)
    {
    case 0:
    {
        Triangle(pDC, CPoint(x - 2, b - 7), CPoint(x + 2, b - 7), CPoint(x, b - 5), clr);
        if (!bHiddenExists)
            break;
        CKTPenDC pen(pDC->GetSafeHdc(), clr);
        for (int dx : {0, 1, 4, 5})
        {
            POINT pts[] = {{l + 2 + dx, t + 4}, {l + 4 + dx, t + 6}, {l + 1 + dx, t + 9}};
            StrokePolyline(pDC, pts, 3);
        }
        break;
    }
    case 1:
    {
        CKTPenDC pen(pDC->GetSafeHdc(), RGB(0, 0, 0));
        for (int dy : {0, 1, 4, 5})
        {
            POINT pts[] = {{x - 2, t + 2 + dy}, {x, t + 4 + dy}, {x + 3, t + 1 + dy}};
            StrokePolyline(pDC, pts, 3);
        }
        return CSize(0, 12);
    }
    case 2:
    {
        CFont font;
        int nLogPixels = pDC->GetDeviceCaps(LOGPIXELSX);
        font.CreatePointFont(80 * 96 / (nLogPixels ? nLogPixels : 96), "Marlett", pDC);
        CKTFontDC select(pDC, &font, bActive ? clr : m_clrFloatingGripperText.GetColor());
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText("r", 1, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        break;
    }
    case 3:
    {
        CPoint pt = rc.CenterPoint();
        Triangle(pDC, CPoint(pt.x - 3, pt.y - 2), CPoint(pt.x + 3, pt.y - 2), CPoint(pt.x, pt.y + 1),
                 bActive ? clr : m_clrFloatingGripperText.GetColor());
        break;
    }
    }
    return rc.Size();
}
