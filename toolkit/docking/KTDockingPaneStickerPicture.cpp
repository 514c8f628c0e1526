// KTDockingPaneStickerPicture.cpp: sticker pictures cut from the sticker bitmap by fixed source rectangles.
#include "KTDockingPaneStickerPicture.h"

#include <vector>

#include "KTColorManager.h"
#include "KTDockingDragRes.h"
#include "KTDrawObjects.h"
#include "KTResourceManager.h"
#include "KTSystemInfo.h"

struct CKTDockingPaneStickerPicture::SPicture
{
    int nPart;
    POINT ptPlace;
    RECT rcNormal;
    RECT rcHot;
};

struct CKTDockingPaneStickerPicture::SStyle
{
    int nFiveWaySize;
    SPicture background;       // hot when the centre is
    SPicture fiveWayParts[5];  // in hit-test order
    SPicture sideParts[4];
};

namespace
{
const COLORREF kMaskColor = RGB(0, 255, 0);

using Picture = CKTDockingPaneStickerPicture;

const Picture::SStyle kStyles[] = {
    {93,
     {Picture::kCentre, {25, 25}, {0, 0, 43, 43}, {0, 0, 43, 43}},
     {{Picture::kTop, {25, 0}, {0, 0, 43, 30}, {0, 76, 43, 106}},
      {Picture::kLeft, {0, 25}, {30, 33, 60, 76}, {90, 33, 120, 76}},
      {Picture::kBottom, {25, 63}, {43, 0, 86, 30}, {43, 76, 86, 106}},
      {Picture::kRight, {63, 25}, {0, 33, 30, 76}, {60, 33, 90, 76}},
      {Picture::kCentre, {30, 30}, {86, 0, 119, 33}, {86, 76, 119, 109}}},
     {{Picture::kTop, {0, 0}, {0, 0, 43, 30}, {0, 76, 43, 106}},
      {Picture::kLeft, {0, 0}, {30, 33, 60, 76}, {90, 33, 120, 76}},
      {Picture::kBottom, {0, 0}, {43, 0, 86, 30}, {43, 76, 86, 106}},
      {Picture::kRight, {0, 0}, {0, 33, 30, 76}, {60, 33, 90, 76}}}},
    {89,
     {Picture::kCentre, {24, 24}, {120, 0, 161, 41}, {120, 41, 161, 82}},
     {{Picture::kTop, {30, 0}, {61, 29, 90, 59}, {61, 90, 90, 120}},
      {Picture::kLeft, {0, 30}, {90, 30, 120, 59}, {90, 91, 120, 120}},
      {Picture::kBottom, {30, 59}, {91, 0, 120, 30}, {91, 61, 120, 91}},
      {Picture::kRight, {60, 30}, {62, 0, 92, 29}, {62, 61, 92, 90}},
      {Picture::kCentre, {30, 30}, {120, 82, 148, 111}, {120, 82, 148, 111}}},
     {{Picture::kTop, {0, 0}, {0, 29, 29, 61}, {0, 90, 29, 122}},
      {Picture::kLeft, {0, 0}, {29, 32, 61, 61}, {29, 93, 61, 122}},
      {Picture::kBottom, {0, 0}, {32, 0, 61, 32}, {32, 61, 61, 93}},
      {Picture::kRight, {0, 0}, {0, 0, 32, 29}, {0, 61, 32, 90}}}},
};

// Style 0's arrows follow the system's colour scheme.
UINT ArrowBitmapID()
{
    switch (KTColorManager()->GetCurrentSystemTheme())
    {
    case ktSystemThemeOlive:
        return KT_IDB_DOCKING_STICKERS_OLIVE;
    case ktSystemThemeSilver:
        return KT_IDB_DOCKING_STICKERS_SILVER;
    default:
        return KT_IDB_DOCKING_STICKERS_ARROWS;
    }
}

void LoadInto(CBitmap& bitmap, UINT nID)
{
    if (HBITMAP hBitmap = KTResourceManager()->LoadBitmap(nID))
        bitmap.Attach(hBitmap);
}

// A black 32-bit top-down canvas whose pixels can be read directly.
class CStickerCanvas
{
public:
    explicit CStickerCanvas(CSize size) : m_size(size), m_section(size), m_dc(NULL, m_section.GetHandle()) {}

    CDC* GetDC() { return m_section.GetBits() && m_dc.GetSafeHdc() ? &m_dc : nullptr; }
    BOOL IsLit(int x, int y) const
    {
        ::GdiFlush();
        return (m_section.GetBits()[y * m_size.cx + x] & 0xFFFFFF) != 0;
    }

private:
    CSize m_size;
    CKTDibSection m_section;
    CKTCompatibleDC m_dc;  // after the section: gives its bitmap back before the section is freed
};
}  // namespace

CKTDockingPaneStickerPicture::CKTDockingPaneStickerPicture(int nStyle)
    : m_nStyle(nStyle == 1 ? 1 : 0), m_style(kStyles[m_nStyle])
{
    LoadInto(m_background, m_nStyle == 1 ? KT_IDB_DOCKING_STICKERS_9 : KT_IDB_DOCKING_STICKERS_BACKGROUND);
    LoadInto(m_arrows, m_nStyle == 1 ? KT_IDB_DOCKING_STICKERS_9 : ArrowBitmapID());
}

const CKTDockingPaneStickerPicture::SPicture* CKTDockingPaneStickerPicture::FindSidePicture(int nParts) const
{
    for (const SPicture& picture : m_style.sideParts)
        if (picture.nPart == nParts)
            return &picture;
    return nullptr;
}

CSize CKTDockingPaneStickerPicture::GetSize(int nParts) const
{
    if (nParts & kFiveWay)
        return CSize(m_style.nFiveWaySize, m_style.nFiveWaySize);
    const SPicture* pPicture = FindSidePicture(nParts);
    return pPicture ? CRect(pPicture->rcNormal).Size() : CSize(0, 0);
}

template <typename TFunction>
void CKTDockingPaneStickerPicture::ForEachPart(int nParts, TFunction fn) const
{
    if (!(nParts & kFiveWay))
    {
        if (const SPicture* pPicture = FindSidePicture(nParts))
            fn(*pPicture);
        return;
    }
    for (const SPicture& picture : m_style.fiveWayParts)
        if (nParts & picture.nPart)
            fn(picture);
}

void CKTDockingPaneStickerPicture::DrawPicture(CDC* pDC, const CBitmap& bitmap, const SPicture& picture,
                                               BOOL bHot) const
{
    CKTCompatibleDC dcBitmap(pDC, const_cast<CBitmap*>(&bitmap));
    if (!dcBitmap.GetSafeHdc())
        return;
    const CRect rcSource = bHot ? picture.rcHot : picture.rcNormal;
    KTMsImg()->TransparentBlt(pDC->GetSafeHdc(), picture.ptPlace.x, picture.ptPlace.y, rcSource.Width(),
                              rcSource.Height(), dcBitmap.GetSafeHdc(), rcSource.left, rcSource.top, rcSource.Width(),
                              rcSource.Height(), kMaskColor);
}

void CKTDockingPaneStickerPicture::Draw(CDC* pDC, int nParts, int nHotPart) const
{
    const CSize size = GetSize(nParts);
    pDC->FillSolidRect(0, 0, size.cx, size.cy, RGB(0, 0, 0));
    if (nParts & kFiveWay)
        DrawPicture(pDC, m_background, m_style.background, nHotPart == kCentre);
    ForEachPart(nParts,
                [&](const SPicture& picture) { DrawPicture(pDC, m_arrows, picture, picture.nPart == nHotPart); });
}

HRGN CKTDockingPaneStickerPicture::CreateRegion(int nParts) const
{
    const CSize size = GetSize(nParts);
    CStickerCanvas canvas(size);
    if (!canvas.GetDC() || !IsLoaded())
        return NULL;
    Draw(canvas.GetDC(), nParts, 0);
    std::vector<RECT> rects;
    for (int y = 0; y < size.cy; ++y)
    {
        for (int x = 0; x < size.cx; ++x)
        {
            if (!canvas.IsLit(x, y))
                continue;
            const int nLeft = x;
            while (x < size.cx && canvas.IsLit(x, y))
                ++x;
            rects.push_back(RECT{nLeft, y, x, y + 1});
        }
    }
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATA* pData = reinterpret_cast<RGNDATA*>(data.data());
    pData->rdh.dwSize = sizeof(RGNDATAHEADER);
    pData->rdh.iType = RDH_RECTANGLES;
    pData->rdh.nCount = static_cast<DWORD>(rects.size());
    pData->rdh.rcBound = RECT{0, 0, size.cx, size.cy};
    memcpy(pData->Buffer, rects.data(), rects.size() * sizeof(RECT));
    return ::ExtCreateRegion(NULL, static_cast<DWORD>(data.size()), pData);
}

int CKTDockingPaneStickerPicture::HitTest(int nParts, CPoint pt) const
{
    const CSize size = GetSize(nParts);
    if (!CRect(CPoint(0, 0), size).PtInRect(pt) || !IsLoaded())
        return 0;
    int nHit = 0;
    ForEachPart(nParts,
                [&](const SPicture& picture)
                {
                    if (nHit)
                        return;
                    CStickerCanvas canvas(size);
                    if (!canvas.GetDC())
                        return;
                    DrawPicture(canvas.GetDC(), m_arrows, picture, FALSE);
                    if (canvas.IsLit(pt.x, pt.y))
                        nHit = picture.nPart;
                });
    return nHit;
}
