// KTDockingPaneStickerPicture.h: the pictures of the docking stickers, their window regions and hit tests.
#pragma once

#include <afxwin.h>

// Draws stickers from the toolkit's sticker bitmaps, in style 0 (93-pixel five-way sticker, arrows in the colours
// of the system scheme) or style 1 (89 pixels, one bitmap). A sticker offers parts (bits of EPart): the five-way
// sticker holds kFiveWay and its arrows, a frame-side sticker exactly one side bit.
class CKTDockingPaneStickerPicture
{
public:
    enum EPart
    {
        kLeft = 0x01,
        kRight = 0x02,
        kTop = 0x04,
        kBottom = 0x08,
        kCentre = 0x10,
        kFiveWay = 0x20
    };

    explicit CKTDockingPaneStickerPicture(int nStyle);
    CKTDockingPaneStickerPicture(const CKTDockingPaneStickerPicture&) = delete;
    CKTDockingPaneStickerPicture& operator=(const CKTDockingPaneStickerPicture&) = delete;

    BOOL IsLoaded() const { return m_background.GetSafeHandle() && m_arrows.GetSafeHandle(); }
    int GetStyle() const { return m_nStyle; }
    CSize GetSize(int nParts) const;

    // Paints the sticker on black, with the hot part (0 for none) highlighted.
    void Draw(CDC* pDC, int nParts, int nHotPart) const;
    // The sticker's non-black pixels; the caller owns the region. NULL when it could not be built.
    HRGN CreateRegion(int nParts) const;
    // The part whose own picture covers the point (sticker coordinates), 0 for none.
    int HitTest(int nParts, CPoint pt) const;

    // Where a part's picture comes from in the bitmap and where it goes in the sticker.
    struct SPicture;
    // The pictures of one style.
    struct SStyle;

private:
    void DrawPicture(CDC* pDC, const CBitmap& bitmap, const SPicture& picture, BOOL bHot) const;
    template <typename TFunction>
    void ForEachPart(int nParts, TFunction fn) const;
    const SPicture* FindSidePicture(int nParts) const;

    int m_nStyle;
    const SStyle& m_style;
    CBitmap m_background;  // of the five-way sticker
    CBitmap m_arrows;      // the parts' pictures; the same picture as the background in style 1
};
