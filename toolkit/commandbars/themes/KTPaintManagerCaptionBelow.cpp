// KTPaintManagerCaptionBelow.cpp: a tool-bar button with a large icon and its caption below it, turned beside the
// icon on a bar docked at a side.
#include "KTPaintManager.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTDrawHelpers.h"

#include <algorithm>

namespace
{
// The text before the caption's access letter, as drawn, and the letter; FALSE for a caption without one.
BOOL SplitAtAccessLetter(const CString& strCaption, CString& strBefore, CString& strLetter)
{
    for (int n = 1; n <= strCaption.GetLength(); n++)
    {
        if (!CKTDrawHelpers::GetAccessLetter(strCaption.Left(n)))
            continue;
        strBefore = strCaption.Left(n - 1);
        CKTDrawHelpers::StripMnemonics(strBefore);
        strLetter = strCaption.Mid(n - 1, 1);
        return TRUE;
    }
    return FALSE;
}
}  // namespace

int CKTPaintManager::FindCaptionLineBreak(const CString& strCaption)
{
    const int m = strCaption.GetLength() / 2;
    for (int k = 0; k <= m - 2; k++)
    {
        if (strCaption[m - k] == ' ')
            return m - k;
        if (m + k + 1 < strCaption.GetLength() && strCaption[m + k + 1] == ' ')
            return m + k + 1;
    }
    return -1;
}

CSize CKTPaintManager::GetToolBarIconSize(CKTControl* pControl)
{
    CKTCommandBar* pBar = pControl->GetParent();
    if (pControl->GetStyle() == ktButtonIconAndCaptionBelow && pBar && !pBar->IsPopupBar())
        return pBar->GetLargeIconSize(TRUE);
    return pControl->GetIconSize();
}

KT_CAPTIONLINES CKTPaintManager::CutCaptionBelow(CDC* pDC, CKTControl* pControl)
{
    const CString strCaption = pControl->GetCaption();
    const int nSplit = m_bWrapCaptionBelowText ? FindCaptionLineBreak(strCaption) : -1;
    KT_CAPTIONLINES lines;
    lines.str[0] = nSplit < 0 ? strCaption : strCaption.Left(nSplit);
    lines.str[1] = nSplit < 0 ? CString() : strCaption.Mid(nSplit + 1);
    lines.nCount = nSplit < 0 ? 1 : 2;
    for (int i = 0; i < lines.nCount; i++)
        lines.sz[i] = MeasureToolBarCaption(pDC, pControl, lines.str[i], FALSE, FALSE);
    return lines;
}

CSize CKTPaintManager::DrawToolBarCaptionBelow(CDC* pDC, CKTControl* pControl, CRect rc, CSize szIcon, BOOL bDraw)
{
    CKTCommandBar* pBar = pControl->GetParent();
    const BOOL bVertical = pBar && pBar->IsVerticalPosition();
    const int d = GetSplitDropDownSize();
    const KT_CAPTIONLINES lines = CutCaptionBelow(pDC, pControl);
    const int nLength = std::max(lines.sz[0].cx, lines.sz[1].cx);
    const int nAcross = m_nFixedControlHeight > 0 ? 3 * m_nFixedControlHeight : szIcon.cy + d + 7;
    const int nAlong = std::max<int>({42, 2 * std::max(22, m_nTextHeight) - 3, nLength + (bVertical ? 6 : 5)});
    if (bDraw)
    {
        if (CKTImageManagerIcon* pIcon = pControl->GetImage(szIcon.cx))
        {
            CPoint pt = bVertical ? CPoint(rc.left + d + 4, rc.top + (rc.Height() - szIcon.cy) / 2)
                                  : CPoint(rc.left + (rc.Width() - szIcon.cx) / 2, rc.top + 3);
            DrawImage(pDC, pt, szIcon, pIcon, GetControlState(pControl), TRUE);
        }
        if (bVertical)
            DrawTurnedCaptionLines(pDC, pControl, lines, CRect(rc.left, rc.top, rc.left + d + 4, rc.bottom));
        else
            DrawCaptionLines(pDC, pControl, lines, CRect(rc.left, rc.top + szIcon.cy + 3, rc.right, rc.bottom));
    }
    return bVertical ? CSize(nAcross, nAlong) : CSize(nAlong, nAcross);
}

void CKTPaintManager::DrawCaptionLines(CDC* pDC, CKTControl* pControl, const KT_CAPTIONLINES& lines, CRect rc)
{
    const int cy = lines.sz[0].cy;
    const int nTop = rc.top + (rc.Height() - lines.nCount * cy) / 2;
    for (int i = 0; i < lines.nCount; i++)
        DrawToolBarCaption(pDC, pControl, lines.str[i], CRect(rc.left, nTop + i * cy, rc.right, nTop + (i + 1) * cy),
                           TRUE);
}

// Turned text reads downwards with the glyphs' tops to the right: the first line stands rightmost, each centred
// along the strip.
void CKTPaintManager::DrawTurnedCaptionLines(CDC* pDC, CKTControl* pControl, const KT_CAPTIONLINES& lines, CRect rc)
{
    const int cy = lines.sz[0].cy;
    const int nRight = rc.left + (rc.Width() + lines.nCount * cy) / 2;
    const KT_CONTROLSTATE state = GetControlState(pControl);
    const BOOL bUnderline = IsKeyboardCuesVisible(pControl->GetParent());
    for (int i = 0; i < lines.nCount; i++)
    {
        // The cell hangs left of and below the point it is drawn from.
        const CPoint pt(nRight - i * cy, rc.top + (rc.Height() - lines.sz[i].cx) / 2);
        if (IsEmbossedText(state.bSelected, state.bEnabled))
        {
            COLORREF clrOld = pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
            DrawTurnedText(pDC, lines.str[i], pt + CPoint(1, 1), bUnderline);
            pDC->SetTextColor(clrOld);
        }
        DrawTurnedText(pDC, lines.str[i], pt, bUnderline);
    }
}

// DrawText would underline a turned letter across the text, not along it: the underline is drawn here, one pixel
// below the baseline, which a turned font puts left of the glyphs.
void CKTPaintManager::DrawTurnedText(CDC* pDC, const CString& strCaption, CPoint pt, BOOL bUnderline)
{
    CString strText = strCaption;
    CKTDrawHelpers::StripMnemonics(strText);
    pDC->TextOut(pt.x, pt.y, strText);
    CString strBefore, strLetter;
    if (!bUnderline || !SplitAtAccessLetter(strCaption, strBefore, strLetter))
        return;
    TEXTMETRIC tm;
    if (!pDC->GetTextMetrics(&tm))
        return;
    const int nStart = strBefore.IsEmpty() ? 0 : pDC->GetTextExtent(strBefore).cx;
    const int nEnd = pDC->GetTextExtent(strBefore + strLetter).cx;
    const COLORREF clrBack = pDC->GetBkColor();
    pDC->FillSolidRect(pt.x - tm.tmAscent - 1, pt.y + nStart, 1, nEnd - nStart, pDC->GetTextColor());
    pDC->SetBkColor(clrBack);
}
