// KTTabAppearanceSet10.cpp: the look drawn from the style resources; without them nothing shows.
#include "KTTabAppearanceSet10.h"

#include "KTAlphaBitmap.h"
#include "KTDrawObjects.h"
#include "KTStyleResourceSet.h"
#include "KTTabManager.h"
#include "KTTabPainter.h"

#include <vector>

namespace
{
const COLORREF kMagenta = RGB(255, 0, 255);

int TabImagePart(CKTTabManagerItem* pItem, CKTTabManager* pManager)
{
    BOOL bSelected = pItem->IsSelected(), bHot = pItem->IsHighlighted();
    if (bSelected && pManager->HasFocus())
        return 5;
    if (bSelected)
        return bHot ? 4 : 3;
    if (pItem->IsPressed())
        return 2;
    return bHot ? 1 : 0;
}

// The tab as drawn upright for the top, turned so that its outer edge faces away from the client.
BOOL TurnForPosition(const CKTAlphaBitmap& upright, int nPosition, CKTAlphaBitmap& turned)
{
    int cxUp = upright.GetWidth(), cyUp = upright.GetHeight();
    BOOL bSideways = nPosition == ktTabPositionLeft || nPosition == ktTabPositionRight;
    int cx = bSideways ? cyUp : cxUp, cy = bSideways ? cxUp : cyUp;
    const RGBQUAD* pSrc = reinterpret_cast<const RGBQUAD*>(upright.GetBits());
    std::vector<RGBQUAD> pixels(static_cast<size_t>(cx) * cy);
    // Both bitmaps keep their bottom row first; x and y count from the top left.
    auto src = [&](int x, int y) { return pSrc[(cyUp - 1 - y) * cxUp + x]; };
    for (int y = 0; y < cy; y++)
    {
        for (int x = 0; x < cx; x++)
        {
            RGBQUAD& dst = pixels[(cy - 1 - y) * cx + x];
            if (nPosition == ktTabPositionLeft)
                dst = src(y, x);
            else if (nPosition == ktTabPositionRight)
                dst = src(y, cyUp - 1 - x);
            else
                dst = src(x, cyUp - 1 - y);
        }
    }
    return turned.SetBits(cx, cy, reinterpret_cast<const BYTE*>(pixels.data()),
                          static_cast<DWORD>(pixels.size() * sizeof(RGBQUAD)));
}
}  // namespace

CKTTabAppearanceSet10::CKTTabAppearanceSet10() { m_rcHeaderMargin.SetRect(4, 1, 0, 0); }

CRect CKTTabAppearanceSet10::FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager)
{
    if (!KTStyleResourceSet()->IsLoaded())
        return rcControl;
    CKTTabColorSet* pColors = GetColorSet();
    pDC->FillSolidRect(pManager->m_rcHeaderRect, pColors->m_clrHeaderFace.clrLight);
    CRect rcClient = GetClientRect(rcControl, pManager);
    if (m_pPainter->m_nClientFrame == ktTabClientFrameFull)
    {
        CKTStyleImage* pImage = KTStyleResourceSet()->GetImage("RIBBONGROUPS");
        if (pImage)
            pImage->DrawImage(pDC, rcClient, pImage->GetSource(0, 1), CRect(8, 8, 8, 8));
    }
    else if (m_pPainter->m_nClientFrame == ktTabClientFrameLine)
        DrawEdgeLine(pDC, rcClient, GetPosition(pManager), pColors->m_clrTabShadow, pColors->m_clrTabShadow);
    return rcClient;
}

void CKTTabAppearanceSet10::DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem)
{
    if (!KTStyleResourceSet()->IsLoaded())
        return;
    CKTTabManager* pManager = pItem->GetTabManager();
    CKTStyleImage* pImage = KTStyleResourceSet()->GetImage("RIBBONTAB");
    if (pImage && (pItem->IsSelected() || pItem->IsHighlighted()))
        DrawTabImage(pDC, pImage, pItem->GetRect(), TabImagePart(pItem, pManager), GetPosition(pManager));
    m_pPainter->DrawItemContent(pDC, pItem, pItem->GetRect(), 1);
}

void CKTTabAppearanceSet10::DrawTabImage(CDC* pDC, CKTStyleImage* pImage, const CRect& rc, int nPart, int nPosition)
{
    CRect rcSrc = pImage->GetSource(nPart, 6);
    if (nPosition == ktTabPositionTop)
    {
        pImage->DrawImage(pDC, rc, rcSrc, CRect(0, 0, 0, 0), kMagenta);
        return;
    }
    BOOL bSideways = nPosition == ktTabPositionLeft || nPosition == ktTabPositionRight;
    CSize szUpright = bSideways ? CSize(rc.Height(), rc.Width()) : rc.Size();
    CKTAlphaBitmap upright, turned;
    if (!upright.Create(szUpright.cx, szUpright.cy))
        return;
    {
        CKTCompatibleDC dc(pDC, upright.GetHandle());
        if (!dc.GetSafeHdc())
            return;
        pImage->DrawImage(&dc, CRect(CPoint(0, 0), szUpright), rcSrc, CRect(0, 0, 0, 0), kMagenta);
    }
    if (TurnForPosition(upright, nPosition, turned))
        turned.Draw(pDC->GetSafeHdc(), rc.left, rc.top, rc.Width(), rc.Height());
}
