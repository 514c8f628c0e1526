// KTDockingPaneWindowSelectPaint.cpp: how the selector draws its headers, items and the selection's details.
#include <algorithm>

#include "KTColorManager.h"
#include "KTDockingPaneWindowSelect.h"
#include "KTDrawObjects.h"

namespace
{
const int kHeaderBand = 12;
const int kTextInset = 4;
const int kDetailsLineGap = 11;
const int kDetailsInsetX = 15;
const int kDetailsInsetY = 13;
const int kFrameColor = KTCOLOR_HIGHLIGHT_BORDER;
const int kSelectionColor = KTCOLOR_HIGHLIGHT;
const int kFilesHeaderLeft = 185;
const int kPanesHeaderLeft = 9;

HICON WindowIcon(HWND hWnd)
{
    DWORD_PTR dwIcon = 0;
    for (WPARAM nKind : {ICON_SMALL, ICON_BIG})
    {
        if (::SendMessageTimeout(hWnd, WM_GETICON, nKind, 0, SMTO_ABORTIFHUNG, 100, &dwIcon) && dwIcon)
            return reinterpret_cast<HICON>(dwIcon);
    }
    return reinterpret_cast<HICON>(::GetClassLongPtr(hWnd, GCLP_HICONSM));
}

void DrawLine(CDC* pDC, int nLeft, int nRight, int y, COLORREF clr)
{
    pDC->FillSolidRect(nLeft, y, nRight - nLeft, 1, clr);
}
}  // namespace

BOOL CKTDockingPaneWindowSelect::OnEraseBkgnd(CDC*) { return TRUE; }

void CKTDockingPaneWindowSelect::OnPaint()
{
    CPaintDC dcPaint(this);
    const CKTClientRect rcClient(m_hWnd);
    CKTBufferDC dc(&dcPaint, rcClient);
    Draw(&dc, rcClient);
}

void CKTDockingPaneWindowSelect::Draw(CDC* pDC, const CRect& rcClient)
{
    const COLORREF clrFrame = KTColorManager()->GetColor(kFrameColor);
    pDC->FillSolidRect(rcClient, ::GetSysColor(COLOR_3DFACE));
    pDC->Draw3dRect(rcClient, clrFrame, clrFrame);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    DrawHeaders(pDC, rcClient);
    for (const CKTDockingPaneWindowSelectItem& item : m_layout.GetItems())
        DrawItem(pDC, item);
    DrawDetails(pDC, rcClient);
}

void CKTDockingPaneWindowSelect::DrawHeaders(CDC* pDC, const CRect& rcClient)
{
    const int nBand = m_layout.GetItemHeight() + kHeaderBand;
    const BOOL bPanes = m_layout.GetPaneCount() > 0;
    CKTFontDC font(pDC, &m_fontBold);
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (bPanes)
        pDC->DrawText(m_strPanesHeader, CRect(kPanesHeaderLeft, 0, kFilesHeaderLeft, nBand), nFormat);
    const int nFilesLeft = bPanes ? kFilesHeaderLeft : kPanesHeaderLeft;
    pDC->DrawText(m_strFilesHeader, CRect(nFilesLeft, 0, rcClient.right, nBand), nFormat);
    DrawLine(pDC, kPanesHeaderLeft, rcClient.right - kPanesHeaderLeft, nBand, KTColorManager()->GetColor(kFrameColor));
}

void CKTDockingPaneWindowSelect::DrawItem(CDC* pDC, const CKTDockingPaneWindowSelectItem& item)
{
    if (item.nIndex == m_layout.GetSelectedIndex())
    {
        const COLORREF clrFrame = KTColorManager()->GetColor(kFrameColor);
        pDC->FillSolidRect(item.rc, KTColorManager()->GetColor(kSelectionColor));
        pDC->Draw3dRect(item.rc, clrFrame, clrFrame);
    }
    const int nIconTop = item.rc.top + (item.rc.Height() - kIconSize) / 2;
    if (HICON hIcon = item.hWnd ? WindowIcon(item.hWnd) : NULL)
        ::DrawIconEx(pDC->GetSafeHdc(), item.rc.left + 2, nIconTop, hIcon, kIconSize, kIconSize, 0, NULL, DI_NORMAL);
    CRect rcText = item.rc;
    rcText.left += kIconSize + 2 * kTextInset;
    rcText.right -= kTextInset;
    CKTFontDC font(pDC, &m_fontNormal);
    pDC->DrawText(GetItemText(item), rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CKTDockingPaneWindowSelect::DrawDetails(CDC* pDC, const CRect& rcClient)
{
    int nItemsBottom = 0;
    for (const CKTDockingPaneWindowSelectItem& item : m_layout.GetItems())
        nItemsBottom = std::max(nItemsBottom, static_cast<int>(item.rc.bottom));
    const int nLine = nItemsBottom + kDetailsLineGap;
    DrawLine(pDC, kPanesHeaderLeft, rcClient.right - kPanesHeaderLeft, nLine, KTColorManager()->GetColor(kFrameColor));
    const CKTDockingPaneWindowSelectItem* pItem = m_layout.GetSelectedItem();
    if (!pItem)
        return;
    const int nLineHeight = m_layout.GetItemHeight();
    CRect rcLine(kDetailsInsetX, nLine + kDetailsInsetY, rcClient.right - kDetailsInsetX,
                 nLine + kDetailsInsetY + nLineHeight);
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    CKTFontDC font(pDC, &m_fontBold);
    pDC->DrawText(GetItemText(*pItem), rcLine, nFormat | DT_END_ELLIPSIS);
    font.SetFont(&m_fontNormal);
    rcLine.OffsetRect(0, nLineHeight);
    pDC->DrawText(GetItemDescription(*pItem), rcLine, nFormat | DT_END_ELLIPSIS);
    rcLine.OffsetRect(0, nLineHeight);
    pDC->DrawText(GetItemPath(*pItem), rcLine, nFormat | DT_PATH_ELLIPSIS);
}
