// KTDockingPaneStickerPicture.cpp: sticker pictures cut from the sticker bitmap by fixed source rectangles.
#include "KTDockingPaneStickerPicture.h"

#include <vector>

#include "KTDockingDragRes.h"
#include "KTDrawObjects.h"
#include "KTResourceManager.h"

struct CKTDockingPaneStickerPicture::SPicture
{
    int nPart;
    POINT ptPlace;
    RECT rcNormal;
    RECT rcHot;
};

namespace
{
const COLORREF kMaskColor = RGB(0, 255, 0);
const int kFiveWaySize = 89;

using SPicture = CKTDockingPaneStickerPicture::SPicture;

// In hit-test order.
const SPicture kFiveWayParts[] = {
    {CKTDockingPaneStickerPicture::kTop, {30, 0}, {61, 29, 90, 59}, {61, 90, 90, 120}},
    {CKTDockingPaneStickerPicture::kLeft, {0, 30}, {90, 30, 120, 59}, {90, 91, 120, 120}},
    {CKTDockingPaneStickerPicture::kBottom, {30, 59}, {91, 0, 120, 30}, {91, 61, 120, 91}},
    {CKTDockingPaneStickerPicture::kRight, {60, 30}, {62, 0, 92, 29}, {62, 61, 92, 90}},
    {CKTDockingPaneStickerPicture::kCentre, {30, 30}, {120, 82, 148, 111}, {120, 82, 148, 111}},
};
// Hot when the centre is.
const SPicture kFiveWayBackground = {
    CKTDockingPaneStickerPicture::kCentre, {24, 24}, {120, 0, 161, 41}, {120, 41, 161, 82}};
const SPicture kSideParts[] = {
    {CKTDockingPaneStickerPicture::kTop, {0, 0}, {0, 29, 29, 61}, {0, 90, 29, 122}},
    {CKTDockingPaneStickerPicture::kLeft, {0, 0}, {29, 32, 61, 61}, {29, 93, 61, 122}},
    {CKTDockingPaneStickerPicture::kBottom, {0, 0}, {32, 0, 61, 32}, {32, 61, 61, 93}},
    {CKTDockingPaneStickerPicture::kRight, {0, 0}, {0, 0, 32, 29}, {0, 61, 32, 90}},
};

const SPicture* FindSidePicture(int nParts)
{
    for (const SPicture& picture : kSideParts)
    {
        if (picture.nPart == nParts)
            return &picture;
    }
    return nullptr;
}

// A black 32-bit top-down canvas whose pixels can be read directly.
class CStickerCanvas
{
public:
    explicit CStickerCanvas(CSize size) : m_size(size)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = size.cx;
        bmi.bmiHeader.biHeight = -size.cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pvBits = nullptr;
        m_hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pvBits, NULL, 0);
        m_pBits = static_cast<const DWORD*>(pvBits);
        m_dc.Attach(::CreateCompatibleDC(NULL));
        if (m_hBitmap && m_dc.GetSafeHdc())
            m_hOld = ::SelectObject(m_dc.GetSafeHdc(), m_hBitmap);
    }
    ~CStickerCanvas()
    {
        if (m_hOld)
            ::SelectObject(m_dc.GetSafeHdc(), m_hOld);
        m_dc.DeleteDC();
        if (m_hBitmap)
            ::DeleteObject(m_hBitmap);
    }
    CStickerCanvas(const CStickerCanvas&) = delete;
    CStickerCanvas& operator=(const CStickerCanvas&) = delete;

    CDC* GetDC() { return m_hOld ? &m_dc : nullptr; }
    BOOL IsLit(int x, int y) const
    {
        ::GdiFlush();
        return (m_pBits[y * m_size.cx + x] & 0xFFFFFF) != 0;
    }

private:
    CSize m_size;
    CDC m_dc;
    HBITMAP m_hBitmap = NULL;
    HGDIOBJ m_hOld = NULL;
    const DWORD* m_pBits = nullptr;
};
}  // namespace

CKTDockingPaneStickerPicture::CKTDockingPaneStickerPicture()
{
    HBITMAP hBitmap = KTResourceManager()->LoadBitmap(KT_IDB_DOCKING_STICKERS_9);
    if (hBitmap)
        m_bitmap.Attach(hBitmap);
}

CSize CKTDockingPaneStickerPicture::GetSize(int nParts)
{
    if (nParts & kFiveWay)
        return CSize(kFiveWaySize, kFiveWaySize);
    const SPicture* pPicture = FindSidePicture(nParts);
    return pPicture ? CRect(pPicture->rcNormal).Size() : CSize(0, 0);
}

template <typename TFunction>
void CKTDockingPaneStickerPicture::ForEachPart(int nParts, TFunction fn)
{
    if (!(nParts & kFiveWay))
    {
        if (const SPicture* pPicture = FindSidePicture(nParts))
            fn(*pPicture);
        return;
    }
    for (const SPicture& picture : kFiveWayParts)
    {
        if (nParts & picture.nPart)
            fn(picture);
    }
}

void CKTDockingPaneStickerPicture::DrawPicture(CDC* pDC, const SPicture& picture, BOOL bHot) const
{
    CKTCompatibleDC dcBitmap(pDC, const_cast<CBitmap*>(&m_bitmap));
    if (!dcBitmap.GetSafeHdc())
        return;
    const CRect rcSource = bHot ? picture.rcHot : picture.rcNormal;
    ::TransparentBlt(pDC->GetSafeHdc(), picture.ptPlace.x, picture.ptPlace.y, rcSource.Width(), rcSource.Height(),
                     dcBitmap.GetSafeHdc(), rcSource.left, rcSource.top, rcSource.Width(), rcSource.Height(),
                     kMaskColor);
}

void CKTDockingPaneStickerPicture::Draw(CDC* pDC, int nParts, int nHotPart) const
{
    const CSize size = GetSize(nParts);
    pDC->FillSolidRect(0, 0, size.cx, size.cy, RGB(0, 0, 0));
    if (nParts & kFiveWay)
        DrawPicture(pDC, kFiveWayBackground, nHotPart == kCentre);
    ForEachPart(nParts, [&](const SPicture& picture) { DrawPicture(pDC, picture, picture.nPart == nHotPart); });
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
                    DrawPicture(canvas.GetDC(), picture, FALSE);
                    if (canvas.IsLit(pt.x, pt.y))
                        nHit = picture.nPart;
                });
    return nHit;
}
