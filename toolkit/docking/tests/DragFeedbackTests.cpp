// Drag feedback in real windows: the stickers' shape, the part under a point and the lit part; the translucent
// highlight.
#include <gtest/gtest.h>

#include "KTDockingPaneContextAlphaWnd.h"
#include "KTDockingPaneContextOutline.h"
#include "KTDockingPaneContextStickerWnd.h"
#include "KTDockingPaneStickerPicture.h"
#include "MessagePump.h"
#include "PixelImage.h"

namespace
{
using Picture = CKTDockingPaneStickerPicture;
const int kAllParts =
    Picture::kFiveWay | Picture::kLeft | Picture::kRight | Picture::kTop | Picture::kBottom | Picture::kCentre;
const CPoint kOrigin(300, 250);

// One owner for the whole run: destroying top-level windows is slow on this display.
CWnd& Owner()
{
    static CWnd owner;
    if (!owner.GetSafeHwnd())
    {
        owner.CreateEx(0, AfxRegisterWndClass(0), _T("Sticker owner"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                       CRect(100, 100, 700, 600), nullptr, 0);
    }
    return owner;
}

class StickerTest : public ::testing::Test
{
protected:
    void Show(CKTDockingPaneContextStickerWnd& sticker)
    {
        ASSERT_TRUE(picture.IsLoaded());
        ASSERT_TRUE(sticker.Create(&Owner(), kOrigin, picture.CreateRegion(sticker.GetParts())));
        PumpMessages();
    }

    Picture picture{1};
};
}  // namespace

TEST_F(StickerTest, FiveWayStickerIsAShapedInactiveToolWindowOf89Pixels)
{
    CKTDockingPaneContextStickerWnd sticker(&picture, kAllParts);
    Show(sticker);

    CRect rcWindow;
    sticker.GetWindowRect(&rcWindow);
    EXPECT_EQ(CRect(kOrigin, CSize(89, 89)), rcWindow);
    EXPECT_TRUE(sticker.GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(sticker.GetStyle() & WS_POPUP);
    EXPECT_TRUE(sticker.IsWindowVisible());
    EXPECT_EQ(Owner().GetSafeHwnd(), ::GetWindow(sticker.GetSafeHwnd(), GW_OWNER));
    EXPECT_NE(sticker.GetSafeHwnd(), ::GetActiveWindow());

    HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
    const int nKind = ::GetWindowRgn(sticker.GetSafeHwnd(), hRegion);
    EXPECT_TRUE(nKind == COMPLEXREGION || nKind == SIMPLEREGION);
    EXPECT_TRUE(::PtInRegion(hRegion, 44, 44));
    EXPECT_TRUE(::PtInRegion(hRegion, 44, 80)) << "the bottom arrow";
    EXPECT_FALSE(::PtInRegion(hRegion, 2, 2)) << "the corners are cut away";
    EXPECT_FALSE(::PtInRegion(hRegion, 86, 86));
    ::DeleteObject(hRegion);
    sticker.DestroyWindow();
}

TEST_F(StickerTest, HitTestNamesThePartUnderThePoint)
{
    CKTDockingPaneContextStickerWnd sticker(&picture, kAllParts);
    Show(sticker);
    EXPECT_EQ(Picture::kTop, sticker.HitTest(kOrigin + CPoint(44, 12)));
    EXPECT_EQ(Picture::kLeft, sticker.HitTest(kOrigin + CPoint(12, 44)));
    EXPECT_EQ(Picture::kBottom, sticker.HitTest(kOrigin + CPoint(44, 76)));
    EXPECT_EQ(Picture::kRight, sticker.HitTest(kOrigin + CPoint(76, 44)));
    EXPECT_EQ(Picture::kCentre, sticker.HitTest(kOrigin + CPoint(44, 44)));
    EXPECT_EQ(0, sticker.HitTest(kOrigin + CPoint(2, 2)));
    EXPECT_EQ(0, sticker.HitTest(kOrigin + CPoint(120, 44))) << "outside the window";
    sticker.DestroyWindow();

    EXPECT_EQ(0, picture.HitTest(kAllParts & ~Picture::kCentre, CPoint(44, 44)))
        << "the background under a missing centre is no target";
    EXPECT_EQ(0, picture.HitTest(Picture::kFiveWay | Picture::kTop, CPoint(44, 76)));
}

TEST_F(StickerTest, FrameSideStickersTakeTheirPicturesSize)
{
    const struct
    {
        int nPart;
        CSize size;
    } sides[] = {{Picture::kTop, CSize(29, 32)},
                 {Picture::kLeft, CSize(32, 29)},
                 {Picture::kBottom, CSize(29, 32)},
                 {Picture::kRight, CSize(32, 29)}};
    for (const auto& side : sides)
    {
        EXPECT_EQ(side.size, picture.GetSize(side.nPart));
        EXPECT_EQ(side.nPart, picture.HitTest(side.nPart, CPoint(side.size.cx / 2, side.size.cy / 2)));
        HRGN hRegion = picture.CreateRegion(side.nPart);
        ASSERT_NE(nullptr, hRegion);
        CRect rcBox;
        EXPECT_NE(NULLREGION, ::GetRgnBox(hRegion, &rcBox));
        EXPECT_TRUE(CRect(CPoint(0, 0), side.size).PtInRect(rcBox.CenterPoint()));
        ::DeleteObject(hRegion);
    }
}

TEST_F(StickerTest, HotPartIsRepaintedLit)
{
    CKTDockingPaneContextStickerWnd sticker(&picture, kAllParts);
    Show(sticker);
    const CPoint ptBottomFill(32, 61);
    const COLORREF clrNormal = CPixelImage::FromWindow(sticker.GetSafeHwnd()).Pixel(ptBottomFill.x, ptBottomFill.y);

    sticker.SetHotPart(Picture::kBottom);
    sticker.UpdateWindow();
    const CPixelImage lit = CPixelImage::FromWindow(sticker.GetSafeHwnd());
    EXPECT_NE(clrNormal, lit.Pixel(ptBottomFill.x, ptBottomFill.y));
    EXPECT_EQ(clrNormal, lit.Pixel(32, 2)) << "the top arrow stays as it was";

    sticker.SetHotPart(0);
    sticker.UpdateWindow();
    EXPECT_EQ(clrNormal, CPixelImage::FromWindow(sticker.GetSafeHwnd()).Pixel(ptBottomFill.x, ptBottomFill.y));
    sticker.DestroyWindow();
}

TEST(StickerStyle0, FiveWayStickerOf93PixelsAndSideStickersFromTheirArrows)
{
    Picture picture(0);
    ASSERT_TRUE(picture.IsLoaded());
    EXPECT_EQ(CSize(93, 93), picture.GetSize(kAllParts));
    EXPECT_EQ(Picture::kTop, picture.HitTest(kAllParts, CPoint(46, 12)));
    EXPECT_EQ(Picture::kLeft, picture.HitTest(kAllParts, CPoint(12, 46)));
    EXPECT_EQ(Picture::kBottom, picture.HitTest(kAllParts, CPoint(46, 80)));
    EXPECT_EQ(Picture::kRight, picture.HitTest(kAllParts, CPoint(80, 46)));
    EXPECT_EQ(Picture::kCentre, picture.HitTest(kAllParts, CPoint(46, 46)));
    EXPECT_EQ(0, picture.HitTest(kAllParts, CPoint(3, 3)));

    HRGN hRegion = picture.CreateRegion(kAllParts);
    ASSERT_NE(nullptr, hRegion);
    EXPECT_TRUE(::PtInRegion(hRegion, 46, 46));
    EXPECT_FALSE(::PtInRegion(hRegion, 3, 3)) << "the corners are cut away";
    ::DeleteObject(hRegion);

    const struct
    {
        int nPart;
        CSize size;
    } sides[] = {{Picture::kTop, CSize(43, 30)},
                 {Picture::kLeft, CSize(30, 43)},
                 {Picture::kBottom, CSize(43, 30)},
                 {Picture::kRight, CSize(30, 43)}};
    for (const auto& side : sides)
    {
        EXPECT_EQ(side.size, picture.GetSize(side.nPart));
        EXPECT_EQ(side.nPart, picture.HitTest(side.nPart, CPoint(side.size.cx / 2, side.size.cy / 2)));
    }
}

TEST(DragHighlight, IsATopmostLayeredToolWindowAtAlpha100)
{
    CKTDockingPaneContextAlphaWnd highlight;
    ASSERT_TRUE(highlight.Create(&Owner(), CRect(150, 150, 350, 300)));
    PumpMessages();
    const DWORD dwExStyle = highlight.GetExStyle();
    EXPECT_EQ(DWORD(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
              dwExStyle & (WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    BYTE nAlpha = 0;
    DWORD dwFlags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(highlight.GetSafeHwnd(), nullptr, &nAlpha, &dwFlags));
    EXPECT_EQ(LWA_ALPHA, dwFlags & LWA_ALPHA);
    EXPECT_EQ(100, nAlpha);
    EXPECT_NE(highlight.GetSafeHwnd(), ::GetActiveWindow());

    highlight.Place(CRect(160, 170, 260, 220));
    CRect rcWindow;
    highlight.GetWindowRect(&rcWindow);
    EXPECT_EQ(CRect(160, 170, 260, 220), rcWindow);
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), CPixelImage::FromWindow(highlight.GetSafeHwnd()).Pixel(50, 25));
    highlight.DestroyWindow();
}

namespace
{
// A white window to invert the outline over, made once.
CWnd& WhiteBackground()
{
    static CWnd background;
    if (!background.GetSafeHwnd())
    {
        LPCTSTR lpszClass = AfxRegisterWndClass(0, NULL, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        background.CreateEx(WS_EX_TOPMOST, lpszClass, _T(""), WS_POPUP | WS_VISIBLE, CRect(700, 400, 1000, 700),
                            nullptr, 0);
        background.UpdateWindow();
    }
    return background;
}

int ChangedPixels(const CRect& rc)
{
    const CPixelImage image = CPixelImage::FromScreen(rc);
    return image.Width() * image.Height() - image.CountNear(RGB(255, 255, 255), 0);
}
}  // namespace

TEST(DragOutline, InvertsAFourPixelFrameAndErasesIt)
{
    WhiteBackground();
    PumpMessages();
    const CRect rcOutline(750, 450, 950, 650);
    const CRect rcInside(755, 455, 945, 625);
    {
        CKTDockingPaneContextOutline outline;
        ASSERT_TRUE(outline.IsReady());
        outline.Show(rcOutline, FALSE);
        EXPECT_GT(ChangedPixels(CRect(750, 450, 950, 454)), 100) << "the top edge, half its pixels";
        EXPECT_EQ(0, ChangedPixels(CRect(754, 454, 946, 646))) << "inside the frame";

        outline.Show(rcOutline, TRUE);
        EXPECT_EQ(0, ChangedPixels(CRect(810, 630, 950, 650))) << "beside the tab the body ends 20 pixels higher";
        EXPECT_GT(ChangedPixels(CRect(810, 626, 950, 630)), 100) << "the body's bottom edge";
        EXPECT_GT(ChangedPixels(CRect(755, 646, 805, 650)), 50) << "the tab's bottom edge";
        EXPECT_EQ(0, ChangedPixels(rcInside)) << "the tab is open to the body";
    }
    EXPECT_EQ(0, ChangedPixels(CRect(740, 440, 960, 660))) << "erased at the end";
}
