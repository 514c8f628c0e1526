// KTTabPainterContent.cpp: measuring and drawing one tab's icon, caption and inner buttons.
#include "KTTabPainter.h"

#include <algorithm>

#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTTabManager.h"

namespace
{
// The caption's width in the font, as a single line.
int CaptionWidth(CDC* pDC, const CString& strCaption, UINT nPrefix)
{
    CRect rc(0, 0, 0, 0);
    pDC->DrawText(strCaption, rc, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | nPrefix);
    return rc.Width();
}

int Along(CSize sz, BOOL bVertical) { return bVertical ? sz.cy : sz.cx; }

// The icon stands one pixel before the content start and the caption two pixels after the icon.
const int kIconLead = 1;
const int kCaptionGap = 2;

// What the icon takes of the tab's length, with the gap to a caption that follows it.
int IconRoom(int nIcon, int nCaption) { return nIcon && nCaption ? nIcon - kIconLead + kCaptionGap : nIcon; }
}  // namespace

CFont* CKTTabPainter::ItemFont(CKTTabManagerItem* pItem, BOOL bVertical)
{
    if (m_bBoldSelected && pItem->IsSelected() && pItem->GetTabManager()->IsActive())
        return GetBoldFont(bVertical);
    return GetFont(bVertical);
}

BOOL CKTTabPainter::IsCaptionShown(CKTTabManagerItem* pItem) const
{
    return m_nLayout != ktTabLayoutSelectedCaption || pItem->IsSelected();
}

int CKTTabPainter::InnerButtonsLength(CKTTabManagerItem* pItem, BOOL bVertical)
{
    if (m_nLayout == ktTabLayoutSelectedCaption && !pItem->IsSelected())
        return 0;
    int nLength = 0;
    for (auto& pButton : pItem->GetNavigateButtons())
    {
        int nMode = pButton->GetMode();
        if (nMode == ktNavigateButtonAlways || (nMode == ktNavigateButtonAutomatic && pItem->IsSelected()))
            nLength += Along(pButton->GetSize(), bVertical);
    }
    return nLength ? nLength + 3 : 0;
}

int CKTTabPainter::WidestCaption(CDC* pDC, CKTTabManager* pManager)
{
    UINT nPrefix = m_bNoPrefix ? DT_NOPREFIX : 0;
    int nWidest = 0;
    for (int i = 0; i < pManager->GetItemCount(); i++)
    {
        CKTTabManagerItem* pItem = pManager->GetItem(i);
        CKTFontDC font(pDC, ItemFont(pItem, FALSE));
        nWidest = std::max(nWidest, CaptionWidth(pDC, pItem->GetCaption(), nPrefix));
    }
    return nWidest;
}

int CKTTabPainter::MeasureContent(CDC* pDC, CKTTabManagerItem* pItem, int nIcon, int nButtons)
{
    int nMargins = m_rcButtonMargin.left + m_rcButtonMargin.right;
    int nSpacing = m_rcCaptionSpacing.left + m_rcCaptionSpacing.right;
    if (m_nLayout == ktTabLayoutFixedWidth)
        return m_nFixedTabWidth + nMargins;
    if (m_nLayout == ktTabLayoutSelectedCaption && !pItem->IsSelected())
        return nMargins + 8 + nIcon;
    if (m_nLayout == ktTabLayoutSelectedCaption)
    {
        int nWidest = WidestCaption(pDC, pItem->GetTabManager());
        return nMargins + nSpacing + IconRoom(nIcon, nWidest) + nButtons + nWidest;
    }
    // Captions measure the same in either direction, so the horizontal font serves both.
    CKTFontDC font(pDC, ItemFont(pItem, FALSE));
    int nCaption = CaptionWidth(pDC, pItem->GetCaption(), m_bNoPrefix ? DT_NOPREFIX : 0);
    return nSpacing + nMargins + IconRoom(nIcon, nCaption) + nCaption + nButtons;
}

int CKTTabPainter::DrawItemContent(CDC* pDC, CKTTabManagerItem* pItem, CRect rcItem, int nMode)
{
    CKTTabManager* pManager = pItem->GetTabManager();
    BOOL bVertical = !pManager->IsHorizontalPosition();
    if (m_nLayout == ktTabLayoutRotated)
        bVertical = !bVertical;
    CSize szIcon = m_szIcon;
    BOOL bIcon = pManager->DrawIcon(pDC, CPoint(0, 0), pItem, FALSE, szIcon);
    int nIcon = bIcon ? Along(szIcon, bVertical) : 0;
    int nButtons = InnerButtonsLength(pItem, bVertical);
    if (nMode == 0)
    {
        int nLength = MeasureContent(pDC, pItem, nIcon, nButtons);
        if (m_nMinTabWidth > 0)
            nLength = std::max(nLength, m_nMinTabWidth);
        if (m_nMaxTabWidth > 0)
            nLength = std::min(nLength, m_nMaxTabWidth);
        return nLength;
    }
    CRect rcContent = rcItem;
    DrawInnerButtons(pDC, pItem, rcContent, bVertical);
    int nSurplus = pItem->GetLength() - pItem->GetFullLength();
    if (nSurplus > 0 && bVertical)
        rcContent.OffsetRect(0, nSurplus / 2);
    else if (nSurplus > 0)
        rcContent.OffsetRect(nSurplus / 2, 0);
    int nStart = m_rcButtonMargin.left + m_rcCaptionSpacing.left;
    int nEnd = m_rcButtonMargin.right + m_rcCaptionSpacing.right;
    if (bVertical)
        rcContent.DeflateRect(0, nStart, 0, nEnd);
    else
        rcContent.DeflateRect(nStart, 0, nEnd, 0);
    if (bIcon)
        DrawItemIcon(pDC, pItem, rcContent, szIcon, bVertical);
    DrawCaption(pDC, pItem, rcContent, bVertical);
    if (pItem->IsSelected() && pManager->HasFocus())
        DrawFocusRect(pDC, pItem, rcItem);
    return 0;
}

// The measure gave the icon its room with the gap after it, so a caption measured to fit is not cut.
void CKTTabPainter::DrawItemIcon(CDC* pDC, CKTTabManagerItem* pItem, CRect& rcContent, CSize szIcon, BOOL bVertical)
{
    CPoint pt = bVertical ? CPoint(rcContent.CenterPoint().x - szIcon.cx / 2, rcContent.top - kIconLead)
                          : CPoint(rcContent.left - kIconLead, rcContent.CenterPoint().y - szIcon.cy / 2);
    int nRoom = bVertical ? rcContent.Height() : rcContent.Width();
    if (nRoom < Along(szIcon, bVertical))
        return;
    pItem->GetTabManager()->DrawIcon(pDC, pt, pItem, TRUE, szIcon);
    int nTaken = Along(szIcon, bVertical) - kIconLead + kCaptionGap;
    if (bVertical)
        rcContent.top += nTaken;
    else
        rcContent.left += nTaken;
}

void CKTTabPainter::DrawInnerButtons(CDC* pDC, CKTTabManagerItem* pItem, CRect& rcContent, BOOL bVertical)
{
    if (m_nLayout == ktTabLayoutSelectedCaption && !pItem->IsSelected())
        return;
    for (auto& pButton : pItem->GetNavigateButtons())
    {
        int nMode = pButton->GetMode();
        if (nMode != ktNavigateButtonAlways && !(nMode == ktNavigateButtonAutomatic && pItem->IsSelected()))
            continue;
        CSize sz = pButton->GetSize();
        CRect rcButton = bVertical ? CRect(rcContent.CenterPoint().x - sz.cx / 2, rcContent.bottom - sz.cy,
                                           rcContent.CenterPoint().x - sz.cx / 2 + sz.cx, rcContent.bottom)
                                   : CRect(rcContent.right - sz.cx, rcContent.CenterPoint().y - sz.cy / 2,
                                           rcContent.right, rcContent.CenterPoint().y - sz.cy / 2 + sz.cy);
        if (bVertical)
            rcContent.bottom -= sz.cy;
        else
            rcContent.right -= sz.cx;
        pButton->SetRect(rcButton);
        DrawNavigateButton(pDC, pButton.get(), rcButton);
    }
}

void CKTTabPainter::DrawCaption(CDC* pDC, CKTTabManagerItem* pItem, CRect rcText, BOOL bVertical)
{
    if (rcText.IsRectEmpty() || !IsCaptionShown(pItem))
        return;
    CString strCaption = pItem->GetCaption();
    m_pColorSet->SetTextColor(pDC, pItem);
    CKTFontDC font(pDC, ItemFont(pItem, bVertical));
    if (bVertical)
    {
        DrawVerticalCaption(pDC, strCaption, rcText);
        return;
    }
    UINT nFormat = DT_SINGLELINE | m_nDrawTextFormat;
    if (m_bStripMnemonics)
        CKTDrawHelpers::StripMnemonics(strCaption);
    if (m_bNoPrefix || m_bStripMnemonics)
        nFormat |= DT_NOPREFIX;
    if (m_bMiddleEllipsis)
        DrawMiddleEllipsis(pDC, strCaption, rcText, nFormat);
    else
        pDC->DrawText(strCaption, rcText, nFormat | (m_bEndEllipsis ? DT_END_ELLIPSIS : 0));
}

// The turned font writes downwards with the glyph tops to the right: the text starts at the top right
// corner of its band, centred along the tab. DrawText lays turned text out as if it ran across, so the band's
// length along the tab is the width it is given to fit; uncut, the text is clipped to the band.
void CKTTabPainter::DrawVerticalCaption(CDC* pDC, CString strCaption, CRect rcText)
{
    if (rcText.Height() <= 8)
        return;
    if (!m_bNoPrefix)
        CKTDrawHelpers::StripMnemonics(strCaption);
    CSize szText = pDC->GetTextExtent(strCaption);
    int y = rcText.top + std::max<int>(rcText.Height() - szText.cx, 0) / 2;
    int x = rcText.CenterPoint().x + szText.cy / 2;
    CRect rcAlong(x, y, x + rcText.bottom - y, y + szText.cy);
    const UINT nFormat = DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;
    if (m_bMiddleEllipsis)
        DrawMiddleEllipsis(pDC, strCaption, rcAlong, nFormat);
    else if (m_bEndEllipsis)
        pDC->DrawText(strCaption, rcAlong, nFormat | DT_END_ELLIPSIS);
    else
    {
        CKTClipDC clip(pDC, rcText);
        pDC->DrawText(strCaption, rcAlong, nFormat);
    }
}

void CKTTabPainter::DrawMiddleEllipsis(CDC* pDC, const CString& strCaption, CRect rcText, UINT nFormat)
{
    if (strCaption.Find('\\') >= 0)
    {
        pDC->DrawText(strCaption, rcText, nFormat | DT_PATH_ELLIPSIS);
        return;
    }
    int nWidth = pDC->GetTextExtent(strCaption).cx;
    if (nWidth <= rcText.Width())
    {
        pDC->DrawText(strCaption, rcText, nFormat);
        return;
    }
    int nLength = strCaption.GetLength();
    int nDots = pDC->GetTextExtent("...").cx;
    int nKeep = std::max(0, nLength * (rcText.Width() - nDots) / std::max(nWidth, 1));
    auto cut = [&strCaption, nLength](int nKept)
    {
        int nHead = (nKept + 1) / 2;
        return strCaption.Left(nHead) + "..." + strCaption.Right(nKept - nHead);
    };
    while (nKeep < nLength && pDC->GetTextExtent(cut(nKeep + 1)).cx <= rcText.Width())
        nKeep++;
    while (nKeep > 0 && pDC->GetTextExtent(cut(nKeep)).cx > rcText.Width())
        nKeep--;
    pDC->DrawText(cut(nKeep), rcText, nFormat);
}
