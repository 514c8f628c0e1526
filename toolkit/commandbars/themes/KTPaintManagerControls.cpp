// KTPaintManagerControls.cpp: measuring and drawing of controls on tool bars and in popup menus.
#include "KTPaintManager.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTImageManager.h"
#include "KTWinThemeWrapper.h"

#include <algorithm>

namespace
{
// A split button whose button part is off counts as disabled where it is drawn whole.
BOOL IsDrawnEnabled(CKTControl* pControl)
{
    int nEnabled = pControl->GetEnabled();
    if (pControl->GetType() == ktControlSplitButtonPopup && nEnabled == 4)
        return FALSE;
    return nEnabled != 0;
}

// Plain text leaves its pixels without alpha, which glass shows through; the visual styles compose it.
BOOL DrawCompositedCaption(CDC* pDC, const CString& strCaption, const CRect& rc, UINT nFlags)
{
    CKTWinThemeWrapper theme;
    return theme.OpenThemeData(NULL, "GLOBALS") && theme.IsAppThemeReady() &&
           theme.DrawCompositedText(pDC->GetSafeHdc(), rc, strCaption, nFlags);
}
}  // namespace

CSize CKTPaintManager::DrawControl(CDC* pDC, CKTControl* pControl, BOOL bDraw)
{
    if (pControl->GetType() == ktControlEdit)
        return DrawControlEdit(pDC, pControl, bDraw);
    if (pControl->GetType() == ktControlComboBox)
        return DrawControlComboBox(pDC, pControl, bDraw);
    CKTCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == ktBarTypePopup)
        return DrawControlPopupParent(pDC, pControl, bDraw);
    return DrawControlToolBarParent(pDC, pControl, bDraw);
}

KT_CONTROLSTATE CKTPaintManager::GetControlState(CKTControl* pControl) const
{
    KT_CONTROLSTATE state;
    state.nSelected = pControl->GetSelected();
    state.bSelected = state.nSelected != ktSelectionNone;
    state.nPressed = pControl->GetPressed();
    state.bEnabled = IsDrawnEnabled(pControl);
    state.nChecked = std::max(0, pControl->GetChecked());
    state.bPopuped = pControl->IsPopuped();
    if (CKTCommandBar* pBar = pControl->GetParent())
    {
        state.nBarType = pBar->GetType();
        state.nBarPosition = pBar->GetPosition();
    }
    return state;
}

void CKTPaintManager::DrawControlState(CDC* pDC, CKTControl* pControl)
{
    KT_CONTROLSTATE state = GetControlState(pControl);
    state.bEnabled = pControl->IsEnabled();
    DrawControlEntry(pDC, pControl->GetRect(), state);
}

int CKTPaintManager::GetControlTextColor(CKTControl* pControl)
{
    KT_CONTROLSTATE state = GetControlState(pControl);
    int nEnabled = pControl->GetEnabled();
    state.bEnabled = nEnabled != 0;
    if (pControl->GetType() == ktControlSplitButtonPopup)
    {
        int nOffPart = pControl->GetStyle() == ktButtonIconAndCaptionBelow ? 3 : 4;
        state.bEnabled = nEnabled != 0 && nEnabled != nOffPart;
    }
    return GetRectangleTextColor(state);
}

CRect CKTPaintManager::GetSplitButtonCommandRect(CKTControl* pControl)
{
    CRect rc = pControl->GetRect();
    CKTCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == ktBarTypePopup)
    {
        rc.right -= m_nSplitButtonPopupWidth;
        return rc;
    }
    if (pControl->GetStyle() != ktButtonIconAndCaptionBelow)
    {
        rc.right -= m_nSplitButtonDropDownWidth + 1;
        return rc;
    }
    if (pBar && pBar->IsVerticalPosition())
        rc.left += GetSplitDropDownSize();
    else
        rc.bottom -= GetSplitDropDownSize();
    return rc;
}

CSize CKTPaintManager::GetPopupBarImageSize(CKTCommandBar* pBar)
{
    CSize szIcon = pBar ? pBar->GetIconSize() : CSize(16, 16);
    return CSize(std::max<int>(m_nTextHeight + 4, szIcon.cx + 4), std::max<int>(m_nTextHeight, szIcon.cy + 6));
}

int CKTPaintManager::GetPopupBarGripperWidth(CKTCommandBar* pBar)
{
    if (!pBar || pBar->GetType() != ktBarTypePopup)
        return 0;
    const int cx = GetPopupBarImageSize(pBar).cx;
    return (pBar->IsDoubleGripper() ? 2 * cx : cx) + 1;
}

BOOL CKTPaintManager::IsKeyboardCuesVisible(CKTCommandBar* pBar) const
{
    if (m_nShowKeyboardCues >= 0)
        return m_nShowKeyboardCues != 0;
    return !pBar || pBar->IsKeyboardCuesVisible();
}

UINT CKTPaintManager::PrepareCaption(CString& strText, CKTCommandBar* pBar) const
{
    if (IsKeyboardCuesVisible(pBar))
        return 0;
    CKTDrawHelpers::StripMnemonics(strText);
    return DT_NOPREFIX;
}

CSize CKTPaintManager::DrawControlText(CDC* pDC, const CString& strText, CRect rc, UINT nFlags, BOOL bDraw,
                                       BOOL bSelected, BOOL bEnabled)
{
    if (!bDraw)
    {
        CRect rcCalc(0, 0, 0, 0);
        pDC->DrawText(strText, rcCalc, DT_CALCRECT | DT_SINGLELINE | (nFlags & DT_NOPREFIX));
        return rcCalc.Size();
    }
    nFlags |= DT_SINGLELINE | DT_VCENTER;
    if (IsEmbossedText(bSelected, bEnabled))
    {
        COLORREF clrOld = pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
        CRect rcEmboss = rc + CPoint(1, 1);
        pDC->DrawText(strText, rcEmboss, nFlags);
        pDC->SetTextColor(clrOld);
    }
    pDC->DrawText(strText, rc, nFlags);
    return rc.Size();
}

CSize CKTPaintManager::DrawControlPopupParent(CDC* pDC, CKTControl* pControl, BOOL bDraw)
{
    CKTCommandBar* pBar = pControl->GetParent();
    CSize szCell = GetPopupBarImageSize(pBar);
    int nColumn = pBar && pBar->IsDoubleGripper() ? 2 * szCell.cx : szCell.cx;
    if (pControl->GetType() == ktControlLabel && !m_bOffsetPopupLabelText)
        nColumn = 0;
    if (pControl->GetType() == ktControlLabel && pControl->GetStyle() == ktButtonCaption)
        szCell.cy = m_nTextHeight;

    BOOL bCues = IsKeyboardCuesVisible(pBar);
    CString strCaption = pControl->GetCaption();
    if (!bCues)
        CKTDrawHelpers::StripMnemonics(strCaption);
    CString strShortcut = pControl->GetType() == ktControlButton ? pControl->GetShortcutText() : CString();
    BOOL bEnabled = IsDrawnEnabled(pControl);
    BOOL bSelected = pControl->GetSelected() != ktSelectionNone;

    CRect rc = bDraw ? pControl->GetRect() : CRect(0, 0, 0, 0);
    UINT nFlags = DT_END_ELLIPSIS | (bCues ? 0 : DT_NOPREFIX);
    CRect rcText(rc.left + m_nPopupBarTextPadding + nColumn, rc.top, rc.right, rc.bottom);
    const CString strDescription = pControl->GetDescription();
    if (pControl->GetStyle() == ktButtonCaptionAndDescription && !strDescription.IsEmpty())
    {
        CKTDescribedEntry entry = {strCaption, strShortcut, strDescription, rcText, nFlags, bDraw, bSelected, bEnabled};
        CSize szTexts = DrawCaptionAndDescription(pDC, entry);
        CSize sz(szTexts.cx + m_nPopupBarTextPadding + nColumn + 32, std::max<int>(szCell.cy, szTexts.cy + 19));
        if (pControl->GetWidth() > 0)
            sz.cx = pControl->GetWidth();
        if (pControl->GetHeight() > 0)
            sz.cy = pControl->GetHeight();
        return sz;
    }
    if (bDraw)
        AdjustPopupTextRect(rcText);
    CSize szText = DrawControlText(pDC, strCaption, rcText, nFlags, bDraw, bSelected, bEnabled);
    CSize szShortcut(0, 0);
    if (!strShortcut.IsEmpty())
    {
        CRect rcShortcut(rc.left, rc.top, rc.right - 19, rc.bottom);
        szShortcut = DrawControlText(pDC, strShortcut, rcShortcut, nFlags | DT_RIGHT, bDraw, bSelected, bEnabled);
    }
    CSize sz(m_nPopupBarTextPadding + szText.cx + szShortcut.cx + nColumn + 32, szCell.cy);
    if (pControl->GetWidth() > 0)
        sz.cx = pControl->GetWidth();
    if (pControl->GetHeight() > 0)
        sz.cy = pControl->GetHeight();
    return sz;
}

// The caption (and shortcut) in bold with the description wrapped below it to about half its one-line width;
// the texts' width and height.
CSize CKTPaintManager::DrawCaptionAndDescription(CDC* pDC, const CKTDescribedEntry& entry)
{
    const int nTop = entry.rcText.top + 8;
    CSize szCaption, szShortcut(0, 0);
    {
        CKTFontDC bold(pDC, &m_fontRegularBold);
        CRect rcCaption(entry.rcText.left, nTop, entry.rcText.right, nTop);
        szCaption =
            DrawControlText(pDC, entry.strCaption, rcCaption, entry.nFlags, FALSE, entry.bSelected, entry.bEnabled);
        rcCaption.bottom = nTop + szCaption.cy;
        if (entry.bDraw)
            DrawControlText(pDC, entry.strCaption, rcCaption, entry.nFlags, TRUE, entry.bSelected, entry.bEnabled);
        if (!entry.strShortcut.IsEmpty())
        {
            CRect rcShortcut(entry.rcText.left, nTop, entry.rcText.right - 19, rcCaption.bottom);
            szShortcut = DrawControlText(pDC, entry.strShortcut, rcShortcut, entry.nFlags | DT_RIGHT, entry.bDraw,
                                         entry.bSelected, entry.bEnabled);
        }
    }
    const int nOneLine = pDC->GetTextExtent(entry.strDescription).cx;
    CRect rcDescription(entry.rcText.left, nTop + szCaption.cy + 3, entry.rcText.left + (nOneLine + 20) / 2, 0);
    pDC->DrawText(entry.strDescription, rcDescription, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    if (entry.bDraw)
        pDC->DrawText(entry.strDescription, rcDescription, DT_WORDBREAK | DT_NOPREFIX);
    return CSize(std::max<int>(szCaption.cx + szShortcut.cx, nOneLine / 2), szCaption.cy + rcDescription.Height());
}

CSize CKTPaintManager::MeasureToolBarCaption(CDC* pDC, CKTControl* pControl, const CString& strCaption, BOOL bVertical,
                                             BOOL bDropDown)
{
    CString strText = strCaption;
    CKTDrawHelpers::StripMnemonics(strText);
    if (strText.IsEmpty())
        strText = " ";
    SIZE sz = {0, 0};
    ::GetTextExtentPoint32A(pDC->GetSafeHdc(), strText, strText.GetLength(), &sz);
    if (bDropDown)
        sz.cx += m_bThinDropDownSpace ? 8 : 10;
    return bVertical ? CSize(sz.cy, sz.cx) : CSize(sz);
}

void CKTPaintManager::DrawToolBarCaption(CDC* pDC, CKTControl* pControl, const CString& strCaption, CRect rc,
                                         BOOL bCenter)
{
    // Hidden cues hide the underline only: the '&' never shows, as the caption was measured without it.
    CString strText = strCaption;
    const UINT nFlags =
        DT_SINGLELINE | DT_VCENTER | (bCenter ? DT_CENTER : 0) | PrepareCaption(strText, pControl->GetParent());
    if (pControl->IsOnCompositedCaption() && DrawCompositedCaption(pDC, strText, rc, nFlags))
        return;
    DrawControlText(pDC, strText, rc, nFlags, TRUE, pControl->GetSelected() != ktSelectionNone,
                    IsDrawnEnabled(pControl));
}

CSize CKTPaintManager::DrawControlToolBarParent(CDC* pDC, CKTControl* pControl, BOOL bDraw)
{
    const KTToolBarLayout nLayout = pControl->GetToolBarLayout();
    // Its own Draw and GetSize paint and measure a control drawing itself: no frame, icon or caption here.
    if (nLayout == ktToolBarLayoutOwnDrawing)
        return CSize(0, 0);
    CKTFontDC font(pDC, GetControlFont(pControl, pControl->IsItemDefault()));
    CKTCommandBar* pBar = pControl->GetParent();
    BOOL bVertical = pBar && pBar->IsVerticalPosition();
    CRect rc = bDraw ? pControl->GetRect() : CRect(0, 0, 0, 0);
    CSize szIcon = GetToolBarIconSize(pControl);
    CKTImageManagerIcon* pIcon = pControl->GetToolBarImage(szIcon.cx);

    if (bDraw)
    {
        if (pControl->GetType() == ktControlSplitButtonPopup)
            DrawSplitButtonFrame(pDC, pControl, rc);
        else
            DrawControlState(pDC, pControl);
        pDC->SetTextColor(GetColor(GetControlTextColor(pControl)));
    }
    CSize sz;
    switch (nLayout)
    {
    case ktToolBarLayoutCaptionBelow:
        sz = DrawToolBarCaptionBelow(pDC, pControl, rc, szIcon, bDraw);
        break;
    case ktToolBarLayoutMark:
        sz = LayoutToolBarMark(pDC, pControl, rc, bDraw);
        break;
    case ktToolBarLayoutTextBelowIcon:
        sz = LayoutTextBelowIcon(pDC, pControl, rc, szIcon, pIcon, bDraw);
        break;
    default:
        sz = LayoutToolBarDefault(pDC, pControl, rc, szIcon, pIcon, bDraw);
        if (pIcon && bDraw)
        {
            CPoint pt = bVertical ? CPoint(rc.left + (rc.Width() - szIcon.cx) / 2, rc.top + 3)
                                  : CPoint(rc.left + 3, rc.top + (rc.Height() - szIcon.cy) / 2);
            DrawImage(pDC, pt, szIcon, pIcon, GetControlState(pControl), TRUE);
        }
    }
    int nFixedX = bVertical ? pControl->GetHeight() : pControl->GetWidth();
    int nFixedY = bVertical ? pControl->GetWidth() : pControl->GetHeight();
    if (nFixedX > 0)
        sz.cx = nFixedX;
    if (nFixedY > 0)
        sz.cy = nFixedY;
    return sz;
}

CSize CKTPaintManager::LayoutToolBarDefault(CDC* pDC, CKTControl* pControl, CRect rc, CSize szIcon,
                                            CKTImageManagerIcon* pIcon, BOOL bDraw)
{
    CKTCommandBar* pBar = pControl->GetParent();
    BOOL bVertical = pBar && pBar->IsVerticalPosition();
    BOOL bMenuBar = pBar && pBar->GetType() == ktBarTypeMenuBar;
    int nType = pControl->GetType();
    CSize szCell = pControl->GetButtonSize();
    if (!pIcon)
        szCell.cx = 22;

    if (!pControl->IsCaptionVisible())
    {
        CSize sz = szCell;
        if (nType == ktControlSplitButtonPopup)
            sz.cx += m_nSplitButtonDropDownWidth;
        return sz;
    }
    CString strCaption = pControl->GetCaption();
    BOOL bDropDown = nType == ktControlPopup && !bMenuBar && !pIcon;
    CSize szCaption = MeasureToolBarCaption(pDC, pControl, strCaption, bVertical, bDropDown);
    CSize sz;
    CRect rcText = rc;
    if (nType == ktControlPopup && !pIcon)
        sz = CSize(szCaption.cx + 6, szCaption.cy + 6);
    else if (bVertical)
    {
        sz = pIcon ? CSize(std::max<int>(szCaption.cx + 6, szCell.cx), szCaption.cy + szCell.cy + 3)
                   : CSize(std::max<int>(szCaption.cx + 6, szCell.cx), szCaption.cy + 8);
        if (pIcon)
            rcText.top += szCell.cy;
    }
    else if (pIcon)
    {
        sz = CSize(szCell.cx + szCaption.cx + (m_bThinDropDownSpace ? 4 : 3),
                   std::max<int>(szCell.cy, szCaption.cy + 6));
        rcText.left += szCell.cx - (m_bThinDropDownSpace ? 0 : 1);
    }
    else
        sz = CSize(szCaption.cx + 8, std::max<int>(szCell.cy, szCaption.cy + 6));
    if (nType == ktControlSplitButtonPopup)
        sz.cx += m_nSplitButtonDropDownWidth;

    if (!bDraw)
        return sz;
    if (bDropDown)
    {
        // On a side bar the glyph ends the turned caption, below it.
        const int nGlyphSpace = m_bThinDropDownSpace ? 8 : 10;
        (bVertical ? rcText.bottom : rcText.right) -= nGlyphSpace;
        const CPoint ptGlyph =
            bVertical ? CPoint(rc.CenterPoint().x, rc.bottom - 8) : CPoint(rc.right - 8, rc.CenterPoint().y);
        DrawDropDownGlyph(pDC, pControl, ptGlyph, GetControlState(pControl), bVertical);
    }
    if (nType == ktControlSplitButtonPopup)
        rcText.right -= m_nSplitButtonDropDownWidth;
    if (bVertical)
        DrawTurnedToolBarCaption(pDC, pControl, strCaption, rcText);
    else
        DrawToolBarCaption(pDC, pControl, strCaption, rcText, !pIcon);
    return sz;
}

// Text fitted into a rectangle is placed as if unturned, which puts a turned font's text beside the rectangle: a
// turned caption is written from a point.
void CKTPaintManager::DrawTurnedToolBarCaption(CDC* pDC, CKTControl* pControl, const CString& strCaption, CRect rc)
{
    KT_CAPTIONLINES line;
    line.str[0] = strCaption;
    line.sz[0] = MeasureToolBarCaption(pDC, pControl, strCaption, FALSE, FALSE);
    DrawTurnedCaptionLines(pDC, pControl, line, rc);
}

CFont* CKTPaintManager::GetLevelFont(CKTControl* pControl)
{
    return pControl->IsItemDefault() ? &m_fontRegularBold : &m_fontRegular;
}

CSize CKTPaintManager::LayoutToolBarMark(CDC* pDC, CKTControl* pControl, CRect rc, BOOL bDraw)
{
    // Laid out level on every bar, so written level: a side bar's turned font would put it beside the button.
    CKTFontDC level(pDC, GetLevelFont(pControl));
    CString strCaption = pControl->GetCaption();
    CSize szCaption = MeasureToolBarCaption(pDC, pControl, strCaption, FALSE, FALSE);
    CSize sz(13 + 3 + szCaption.cx + 6, std::max<int>(pControl->GetButtonSize().cy, szCaption.cy + 6));
    if (!bDraw)
        return sz;
    KT_CONTROLSTATE state = GetControlState(pControl);
    CRect rcMark(CPoint(rc.left + 3, rc.top + (rc.Height() - 13) / 2), CSize(13, 13));
    if (pControl->GetType() == ktControlCheckBox)
        DrawCheckBoxMark(pDC, rcMark, TRUE, state.bSelected, state.nPressed != 0, state.nChecked, state.bEnabled);
    else
        DrawRadioButtonMark(pDC, rcMark, TRUE, state.bSelected, state.nPressed != 0, state.nChecked, state.bEnabled);
    DrawToolBarCaption(pDC, pControl, strCaption, CRect(rcMark.right + 3, rc.top, rc.right, rc.bottom), FALSE);
    return sz;
}

CSize CKTPaintManager::LayoutTextBelowIcon(CDC* pDC, CKTControl* pControl, CRect rc, CSize szIcon,
                                           CKTImageManagerIcon* pIcon, BOOL bDraw)
{
    CKTFontDC level(pDC, GetLevelFont(pControl));
    CString strCaption = pControl->GetCaption();
    CSize szCaption = MeasureToolBarCaption(pDC, pControl, strCaption, FALSE, FALSE);
    CSize sz(std::max<int>(szCaption.cx, szIcon.cx + 10), szCaption.cy + szIcon.cy);
    if (pControl->GetType() == ktControlSplitButtonPopup)
        sz.cx += 11;
    sz.cx = std::max(sz.cx, sz.cy);
    if (!bDraw)
        return sz;
    DrawImage(pDC, CPoint(rc.left + (rc.Width() - szIcon.cx) / 2, rc.top + 4), szIcon, pIcon, GetControlState(pControl),
              TRUE);
    DrawToolBarCaption(pDC, pControl, strCaption, CRect(rc.left, rc.top + 4 + szIcon.cy, rc.right, rc.bottom), TRUE);
    return sz;
}
