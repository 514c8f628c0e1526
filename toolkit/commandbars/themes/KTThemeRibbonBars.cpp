// KTThemeRibbonBars.cpp: theme 6's bar faces, entries, popup decorations, marks and status bar from the style images.
#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTDrawObjects.h"
#include "KTStatusBar.h"
#include "KTStyleResourceSet.h"
#include "KTThemeRibbon.h"

namespace
{
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kPopupLine = 0xC5C5C5;
const COLORREF kPopupLineLight = 0xF5F5F5;

BOOL IsMouseOrKeyboardSelection(const KT_CONTROLSTATE& state) { return KTIsKeyboardSelection(state.nSelected); }

// The tool-bar button image's part for a state; -1 draws nothing.
int ToolBarEntryPart(const KT_CONTROLSTATE& state)
{
    BOOL bPressed = state.nPressed != 0;
    if (!state.bEnabled)
        return IsMouseOrKeyboardSelection(state) ? 0 : -1;
    if (state.bPopuped)
        return 2;
    if (state.nChecked && !bPressed)
        return state.bSelected ? 3 : 2;
    if (state.IsPressedOpen() || (state.bSelected && bPressed))
        return 1;
    return (state.bSelected || bPressed) ? 0 : -1;
}
}  // namespace

BOOL CKTThemeRibbon::DrawStyleImage(CDC* pDC, LPCSTR lpszName, const CRect& rc, int nPart, int nParts,
                                    const CRect& rcMargins, COLORREF clrTransparent) const
{
    CKTStyleImage* pImage = LoadImage(lpszName);
    if (!pImage)
        return FALSE;
    pImage->DrawImage(pDC, rc, pImage->GetSource(nPart, nParts), rcMargins, clrTransparent);
    return TRUE;
}

void CKTThemeRibbon::FillCommandBarEntry(CDC* pDC, CKTCommandBar* pBar)
{
    CRect rc = CKTClientRect(pBar);
    int nPosition = pBar->GetPosition();
    BOOL bDrawn = FALSE;
    if (nPosition == ktBarPopup)
        bDrawn = DrawStyleImage(pDC, "POPUPBARFRAME", rc, 0, 1, CRect(4, 4, 4, 4));
    else if (!IsFlatBar(pBar) && (nPosition == ktBarTop || nPosition == ktBarBottom))
        bDrawn = DrawStyleImage(pDC, "TOOLBARFACEHORIZONTAL", rc, 0, 1, CRect(5, 5, 5, 5));
    else if (!IsFlatBar(pBar) && (nPosition == ktBarLeft || nPosition == ktBarRight))
        bDrawn = DrawStyleImage(pDC, "TOOLBARFACEVERTICAL", rc, 0, 1, CRect(5, 5, 5, 5));
    if (!bDrawn)
        CKTThemeStyle5::FillCommandBarEntry(pDC, pBar);
}

int CKTThemeRibbon::GetRectangleTextColor(const KT_CONTROLSTATE& state)
{
    if (state.nBarType == ktBarTypeMenuBar && state.IsIdle())
        return CKTThemeStyle5::GetRectangleTextColor(state);
    if (state.nBarType == ktBarTypePopup)
        return state.bEnabled ? KTCOLOR_POPUP_TEXT : KTCOLOR_POPUP_DISABLED_TEXT;
    return state.bEnabled ? KTCOLOR_TOOLBAR_TEXT : KTCOLOR_DISABLED_TEXT;
}

void CKTThemeRibbon::DrawControlEntry(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state)
{
    if (state.nBarPosition == ktBarPopup)
    {
        DrawPopupEntry(pDC, rc, state);
        return;
    }
    int nPart = ToolBarEntryPart(state);
    if (nPart >= 0)
        DrawStyleImage(pDC, rc.Height() < 33 ? "TOOLBARBUTTONS22" : "TOOLBARBUTTONS50", rc, nPart, 4,
                       CRect(8, 8, 8, 8));
}

void CKTThemeRibbon::DrawPopupEntry(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state)
{
    const CRect rcMargins(4, 4, 4, 4);
    if (state.nChecked)
    {
        CKTStyleImage* pImage = LoadImage("MENUCHECKEDITEM");
        if (!pImage)
            return;
        int cyHalf = pImage->GetHeight() / 2;
        CRect rcSrc(0, 0, pImage->GetWidth(), cyHalf);
        if (!state.bEnabled)
            rcSrc.OffsetRect(0, cyHalf);
        pImage->DrawImage(pDC, rc, rcSrc, rcMargins);
        return;
    }
    if (state.bSelected && (state.bEnabled || IsMouseOrKeyboardSelection(state)))
    {
        CString strName;
        strName.Format("MENUSELECTED%sITEM%d", state.bEnabled ? "" : "DISABLED", rc.Height() < 33 ? 22 : 54);
        CKTStyleImage* pImage = LoadImage(strName);
        if (pImage)
            pImage->DrawImage(pDC, rc, pImage->GetSource(0, 1), rcMargins);
        return;
    }
    CKTThemeStyle5::DrawControlEntry(pDC, rc, state);
}

CSize CKTThemeRibbon::DrawCommandBarSeparator(CDC* pDC, CKTCommandBar* pBar, CKTControl* pControl, BOOL bDraw)
{
    if (pBar->GetType() != ktBarTypePopup)
        return CKTThemeStyle5::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
    if (!bDraw)
        return CSize(2, 2);
    CRect rc = pControl->GetRect(), rcRow = pControl->GetRowRect();
    if (pControl->GetWrap())
    {
        VerticalLine(pDC, rc.left - 2, rcRow.top - 1, rcRow.bottom + 1, kPopupLine);
        return CSize(2, 2);
    }
    int x0 = rc.left + GetPopupBarGripperWidth(pBar) + m_nPopupBarTextPadding - 1;
    HorizontalLine(pDC, x0, rc.top - 2, rc.right, kPopupLine);
    HorizontalLine(pDC, x0, rc.top - 1, rc.right, kPopupLineLight);
    return CSize(2, 2);
}

void CKTThemeRibbon::DrawPopupBarGripper(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded)
{
    pDC->FillSolidRect(x, y, cx, cy, 0xEEEEE9);
    pDC->FillSolidRect(x + cx - 1, y, 1, cy, kPopupLine);
    pDC->FillSolidRect(x + cx, y, 1, cy, kPopupLineLight);
}

void CKTThemeRibbon::AdjustPopupBar(CKTCommandBar* pPopupBar)
{
    if (pPopupBar->GetPosition() == ktBarPopup)
        SetCornerRegion(pPopupBar);
}

CSize CKTThemeRibbon::DrawCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked,
                                       BOOL bEnabled)
{
    if (bDraw)
    {
        int nPart = !bEnabled ? 3 : (bSelected && bPressed) ? 2 : bSelected ? 1 : 0;
        nPart += nChecked == 1 ? 4 : nChecked == 2 ? 8 : 0;
        DrawStyleImage(pDC, "TOOLBARBUTTONCHECKBOX", rc, nPart, 12, CRect(0, 0, 0, 0));
    }
    return CSize(13, 13);
}

CSize CKTThemeRibbon::DrawRadioButtonMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked,
                                          BOOL bEnabled)
{
    if (bDraw)
    {
        int nPart = (!bEnabled ? 3 : (bSelected && bPressed) ? 2 : bSelected ? 1 : 0) + (nChecked ? 4 : 0);
        DrawStyleImage(pDC, "TOOLBARBUTTONRADIOBUTTON", rc, nPart, 8, CRect(0, 0, 0, 0));
    }
    return CSize(13, 13);
}

void CKTThemeRibbon::DrawStatusBarGripper(CDC* pDC, CRect rc)
{
    CKTStyleImage* pImage = LoadImage("STATUSBARGRIPPER");
    if (!pImage)
    {
        CKTThemeStyle5::DrawStatusBarGripper(pDC, rc);
        return;
    }
    int cx = pImage->GetWidth(), cy = pImage->GetHeight();
    pImage->DrawImage(pDC, CRect(rc.right - cx, rc.bottom - 4 - cy, rc.right, rc.bottom - 4), pImage->GetSource(0, 1),
                      CRect(0, 0, 0, 0), kMagenta);
}

void CKTThemeRibbon::FillStatusBar(CDC* pDC, CWnd* pStatusBar)
{
    CKTStyleImage* pLight = LoadImage("STATUSBARLIGHT");
    CKTStyleImage* pDark = LoadImage("STATUSBARDARK");
    // Without the images the bar would keep whatever was drawn there before.
    if (!pLight || !pDark)
    {
        CKTThemeStyle5::FillStatusBar(pDC, pStatusBar);
        return;
    }
    CRect rc = CKTClientRect(pStatusBar);
    // The last pane stands on the dark part, beyond the divider.
    int x0 = rc.right;
    CKTStatusBar* pBar = dynamic_cast<CKTStatusBar*>(pStatusBar);
    if (pBar && pBar->GetCount() > 0)
    {
        CRect rcPane;
        pBar->GetItemRect(pBar->GetCount() - 1, &rcPane);
        x0 = rcPane.left - 3;
    }
    pLight->DrawImage(pDC, CRect(rc.left, rc.top, x0, rc.bottom), pLight->GetSource(0, 1), CRect(0, 0, 0, 0));
    int xDark = x0;
    if (CKTStyleImage* pDivider = LoadImage("STATUSBARDEVIDER"))
    {
        xDark += pDivider->GetWidth();
        pDivider->DrawImage(pDC, CRect(x0, rc.top, xDark, rc.bottom), pDivider->GetSource(0, 1), CRect(0, 0, 0, 0));
    }
    pDark->DrawImage(pDC, CRect(xDark, rc.top, rc.right, rc.bottom), pDark->GetSource(0, 1), CRect(0, 0, 0, 0));
}
