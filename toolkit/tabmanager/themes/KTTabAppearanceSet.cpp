// KTTabAppearanceSet.cpp: the base shape of a strip: header, client, row height and the shared drawing steps.
#include "KTTabAppearanceSet.h"

#include <algorithm>

#include "KTColorManager.h"
#include "KTDrawObjects.h"
#include "KTTabManager.h"
#include "KTTabPainter.h"
#include "KTTabTurnedDC.h"

void CKTTabAppearanceSet::RefreshMetrics()
{
    CKTScreenDC dc;
    if (!dc.GetSafeHdc())
        return;
    CKTFontDC font(&dc, m_pPainter->GetFont(FALSE));
    m_nTextHeight = std::max(18, static_cast<int>(dc.GetTextExtent(" ").cy) + 3);
}

CKTTabColorSet* CKTTabAppearanceSet::GetColorSet() const { return m_pPainter->GetColorSet(); }

int CKTTabAppearanceSet::GetPosition(const CKTTabManager* pManager) const { return m_pPainter->PositionOf(pManager); }

CRect CKTTabAppearanceSet::GetHeaderRect(CRect rcControl, CKTTabManager* pManager)
{
    int nRows = std::max(pManager->GetRowCount(), 1);
    int nHeight = GetButtonHeight(pManager);
    CRect rcMargin = GetHeaderMargin();
    int nDepth = nRows * nHeight + (nRows - 1) * m_nRowSpacing + rcMargin.top + rcMargin.bottom;
    if (m_pPainter->GetLayout() == ktTabLayoutRotated)
    {
        for (int i = 0; i < pManager->GetItemCount(); i++)
            nDepth = std::max(nDepth, pManager->GetItem(i)->GetLength());
    }
    switch (GetPosition(pManager))
    {
    case ktTabPositionLeft:
        return CRect(rcControl.left, rcControl.top, rcControl.left + nDepth, rcControl.bottom);
    case ktTabPositionBottom:
        return CRect(rcControl.left, rcControl.bottom - nDepth, rcControl.right, rcControl.bottom);
    case ktTabPositionRight:
        return CRect(rcControl.right - nDepth, rcControl.top, rcControl.right, rcControl.bottom);
    default:
        return CRect(rcControl.left, rcControl.top, rcControl.right, rcControl.top + nDepth);
    }
}

// The client overlaps the header by one pixel, so a selected tab can merge with it.
CRect CKTTabAppearanceSet::GetClientRect(CRect rcControl, CKTTabManager* pManager)
{
    CRect rcHeader = GetHeaderRect(rcControl, pManager);
    switch (GetPosition(pManager))
    {
    case ktTabPositionLeft:
        rcControl.left = rcHeader.right - 1;
        break;
    case ktTabPositionBottom:
        rcControl.bottom = rcHeader.top + 1;
        break;
    case ktTabPositionRight:
        rcControl.right = rcHeader.left + 1;
        break;
    default:
        rcControl.top = rcHeader.bottom - 1;
        break;
    }
    return rcControl;
}

CRect CKTTabAppearanceSet::GetClientMargin(const CKTTabManager*) const { return m_pPainter->m_rcClientMargin; }

int CKTTabAppearanceSet::GetButtonLength(CDC* pDC, CKTTabManagerItem* pItem)
{
    return m_pPainter->DrawItemContent(pDC, pItem, CRect(0, 0, 0, 0), 0);
}

// Without a manager (a strip's thickness asked before it has tabs) no minimum applies. Asked without a tab,
// a manager may answer an icon size of its own.
int CKTTabAppearanceSet::GetButtonHeight(const CKTTabManager* pManager) const
{
    const CRect& rcMargin = m_pPainter->m_rcButtonMargin;
    int nMargins = rcMargin.top + rcMargin.bottom;
    CSize szMin(0, 0);
    if (pManager)
        pManager->GetItemMetrics(NULL, &szMin, NULL);
    int nHeight = std::max(m_nTextHeight + nMargins, static_cast<int>(szMin.cy));
    if (m_pPainter->m_bShowIcons)
    {
        CSize szIcon = m_pPainter->m_szIcon;
        if (pManager)
            pManager->DrawIcon(NULL, CPoint(0, 0), NULL, FALSE, szIcon);
        nHeight = std::max(nHeight, std::max<int>(szIcon.cx, szIcon.cy) + 4 + nMargins);
    }
    return nHeight;
}

CRect CKTTabAppearanceSet::GetButtonDrawRect(const CKTTabManagerItem* pItem) const
{
    CRect rc = pItem->GetRect();
    rc.InflateRect(2, 2);
    return rc;
}

void CKTTabAppearanceSet::DrawTabControl(CKTTabManager* pManager, CDC* pDC, CRect rcControl)
{
    m_pPainter->DrawItems(pManager, pDC, rcControl);
}

CRect CKTTabAppearanceSet::FillClient(CDC*, CRect rcControl, CKTTabManager*) { return rcControl; }

CRect CKTTabAppearanceSet::FillFramedClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager, COLORREF clrTopLeft,
                                            COLORREF clrBottomRight)
{
    CKTTabColorSet* pColors = GetColorSet();
    pColors->FillHeader(pDC, pManager->m_rcHeaderRect, pManager);
    CRect rcClient = GetClientRect(rcControl, pManager);
    int nFrame = m_pPainter->m_nClientFrame;
    if (nFrame == ktTabClientFrameNone)
        return rcClient;
    pColors->FillClient(pDC, rcClient, pManager);
    if (nFrame == ktTabClientFrameFull)
        pDC->Draw3dRect(rcClient, clrTopLeft, clrBottomRight);
    else
        DrawEdgeLine(pDC, rcClient, GetPosition(pManager), clrTopLeft, clrBottomRight);
    return rcClient;
}

void CKTTabAppearanceSet::RepositionTabControl(CKTTabManager* pManager, CDC* pDC, CRect rcControl,
                                               KT_TAB_LAYOUT& layout)
{
    m_pPainter->RepositionTabRow(pManager, pDC, rcControl, layout);
}

void CKTTabAppearanceSet::AdjustClientRect(CKTTabManager* pManager, CRect& rcClient)
{
    int nPosition = GetPosition(pManager);
    CKTTabPainter::DeflateRectByPosition(rcClient, m_pPainter->m_rcControlMargin, nPosition);
    rcClient = GetClientRect(rcClient, pManager);
    CKTTabPainter::DeflateRectByPosition(rcClient, GetClientMargin(pManager), nPosition);
    if (m_pPainter->m_nClientFrame == ktTabClientFrameFull)
        rcClient.DeflateRect(2, 2);
    else if (m_pPainter->m_nClientFrame == ktTabClientFrameLine)
        CKTTabPainter::DeflateRectByPosition(rcClient, CRect(0, 2, 0, 0), nPosition);
}

void CKTTabAppearanceSet::DrawSingleButton(CDC*, CKTTabManagerItem*) {}

void CKTTabAppearanceSet::DrawWorkspacePart(CDC* pDC, LPRECT lpRect, int nPart)
{
    CKTTabColorSet* pColors = GetColorSet();
    CRect rc(lpRect);
    if (!m_pPainter->m_bStaticFrame)
    {
        if (nPart == 1)
            ::InflateRect(lpRect, 2, 2);
        else if (nPart >= 2)
            pDC->FillSolidRect(rc, pColors->m_clrHeaderFace.clrLight);
        return;
    }
    switch (nPart)
    {
    case 0:
        pDC->Draw3dRect(CRect(1, 0, rc.Width() - 1, rc.Height() - 1), KTColorManager()->GetColor(COLOR_BTNFACE),
                        KTColorManager()->GetColor(COLOR_BTNFACE));
        pDC->Draw3dRect(rc, pColors->m_clrFrameBorder, pColors->m_clrFrameBorder);
        break;
    case 1:
        lpRect->top--;
        break;
    case 2:
        pDC->FillSolidRect(rc, pColors->m_clrClientFace);
        pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), pColors->m_clrFrameBorder);
        break;
    case 3:
        pDC->FillSolidRect(rc, pColors->m_clrClientFace);
        pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, pColors->m_clrFrameBorder);
        break;
    }
}

COLORREF CKTTabAppearanceSet::DrawPolygonTab(CDC* pDC, CKTTabManagerItem* pItem, const POINT* pPoints, int nCount,
                                             CKTTabColorSet* pColorSet)
{
    CRgn rgn;
    if (!rgn.CreatePolygonRgn(const_cast<LPPOINT>(pPoints), nCount, WINDING))
        return COLORREF(-1);
    CRect rcBounds;
    rgn.GetRgnBox(rcBounds);
    CBitmap bitmap;
    if (rcBounds.IsRectEmpty() || !bitmap.CreateCompatibleBitmap(pDC, rcBounds.Width(), rcBounds.Height()))
        return COLORREF(-1);
    CKTCompatibleDC dcMem(pDC, &bitmap);
    if (!dcMem.GetSafeHdc())
        return COLORREF(-1);
    dcMem.SetWindowOrg(rcBounds.left, rcBounds.top);
    COLORREF clrFill = pColorSet->FillItem(&dcMem, rcBounds, pItem);
    int nSaved = pDC->SaveDC();
    pDC->SelectClipRgn(&rgn, RGN_AND);
    pDC->BitBlt(rcBounds.left, rcBounds.top, rcBounds.Width(), rcBounds.Height(), &dcMem, rcBounds.left, rcBounds.top,
                SRCCOPY);
    pDC->RestoreDC(nSaved);
    return clrFill;
}

void CKTTabAppearanceSet::DrawPolyLine(CDC* pDC, COLORREF clr, const POINT* pPoints, int nCount)
{
    if (clr == COLORREF(-1) || nCount < 1)
        return;
    CKTPenDC pen(pDC->GetSafeHdc(), clr);
    CPoint pt = pPoints[0];
    pDC->MoveTo(pt);
    for (int i = 1; i < nCount; i++)
    {
        pt.Offset(pPoints[i].x, pPoints[i].y);
        pDC->LineTo(pt);
    }
}

void CKTTabAppearanceSet::DrawLine(CDC* pDC, COLORREF clr, int x1, int y1, int x2, int y2)
{
    if (clr == COLORREF(-1))
        return;
    CKTPenDC pen(pDC->GetSafeHdc(), clr);
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

void CKTTabAppearanceSet::DrawEdgeLine(CDC* pDC, const CRect& rc, int nPosition, COLORREF clrNear, COLORREF clrFar)
{
    COLORREF clr = nPosition == ktTabPositionTop || nPosition == ktTabPositionLeft ? clrNear : clrFar;
    switch (nPosition)
    {
    case ktTabPositionLeft:
        FillVertical(pDC, rc.left, rc.top, rc.Height(), clr);
        break;
    case ktTabPositionBottom:
        FillHorizontal(pDC, rc.left, rc.bottom - 1, rc.Width(), clr);
        break;
    case ktTabPositionRight:
        FillVertical(pDC, rc.right - 1, rc.top, rc.Height(), clr);
        break;
    default:
        FillHorizontal(pDC, rc.left, rc.top, rc.Width(), clr);
        break;
    }
}

void CKTTabAppearanceSet::FillVertical(CDC* pDC, int x, int y, int nHeight, COLORREF clr)
{
    if (clr != COLORREF(-1))
        pDC->FillSolidRect(x, y, 1, nHeight, clr);
}

void CKTTabAppearanceSet::FillHorizontal(CDC* pDC, int x, int y, int nWidth, COLORREF clr)
{
    if (clr != COLORREF(-1))
        pDC->FillSolidRect(x, y, nWidth, 1, clr);
}

void CKTTabAppearanceSet::DrawShapedButton(CDC* pDC, CKTTabManagerItem* pItem)
{
    {
        CKTTabTurnedDC turned(m_pPainter, pDC, GetButtonDrawRect(pItem), GetPosition(pItem->GetTabManager()));
        DrawShape(turned.GetDC(), pItem, turned.ToTop(pItem->GetRect()));
    }
    m_pPainter->DrawItemContent(pDC, pItem, pItem->GetRect(), 1);
}
