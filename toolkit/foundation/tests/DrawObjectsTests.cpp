// The shared drawing primitives: the halftone brush and its inversion, the desktop outline and its lock,
// 32-bit DIB sections, and clipping and bitmap selections that are given back.
#include <gtest/gtest.h>

#include <algorithm>

#include "GuiLeakCheck.h"
#include "KTDrawObjects.h"
#include "MessagePump.h"
#include "PixelImage.h"
#include "TestSurface.h"
#include "TestWindows.h"

TEST(DrawObjects, HalftoneInvertsEveryOtherPixelAndTwiceLeavesNothing)
{
    CTestSurface surface(8, 8, 32, RGB(255, 255, 255));
    HDC hDC = surface.DC()->GetSafeHdc();
    ::SetTextColor(hDC, RGB(0, 0, 0));
    ::SetBkColor(hDC, RGB(255, 255, 255));
    KTInvertRect(hDC, CRect(0, 0, 8, 8));
    EXPECT_NE(surface.Pixel(0, 0), surface.Pixel(1, 0)) << "a checked pattern";
    EXPECT_EQ(surface.Pixel(0, 0), surface.Pixel(1, 1));
    KTInvertRect(hDC, CRect(0, 0, 8, 8));
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(i, i)) << "the second inversion undoes the first";
}

TEST(DrawObjects, OneHalftoneBrushServesEveryCallerAndARebuiltOneStillDraws)
{
    HBRUSH hFirst = KTHalftoneBrush();
    ASSERT_NE(nullptr, hFirst);
    EXPECT_EQ(hFirst, KTHalftoneBrush()) << "made once";
    KTRebuildHalftoneBrush();
    ASSERT_EQ(OBJ_BRUSH, ::GetObjectType(KTHalftoneBrush()));

    CTestSurface surface(8, 8, 32, RGB(255, 255, 255));
    HDC hDC = surface.DC()->GetSafeHdc();
    HGDIOBJ hBefore = ::GetCurrentObject(hDC, OBJ_BRUSH);
    KTInvertRect(hDC, CRect(0, 0, 8, 8));
    EXPECT_EQ(hBefore, ::GetCurrentObject(hDC, OBJ_BRUSH)) << "the DC gets its own brush back";
    EXPECT_NE(surface.Pixel(0, 0), surface.Pixel(1, 0)) << "the rebuilt brush draws the pattern";
}

TEST(DrawObjects, DibSectionRowsRunAsAsked)
{
    for (BOOL bBottomUp : {FALSE, TRUE})
    {
        CKTDibSection section(CSize(3, 2), bBottomUp);
        ASSERT_NE(nullptr, section.GetBits());
        CKTCompatibleDC dc(NULL, section.GetHandle());
        ASSERT_NE(nullptr, dc.GetSafeHdc());
        dc.FillSolidRect(0, 0, 3, 2, RGB(0, 0, 0));
        ::SetPixel(dc.GetSafeHdc(), 0, 0, RGB(255, 0, 0));
        ::GdiFlush();
        const DWORD* pTopLeft = section.GetBits() + (bBottomUp ? 3 : 0);
        EXPECT_EQ(0x00FF0000u, *pTopLeft & 0xFFFFFF) << (bBottomUp ? "bottom-up" : "top-down");
    }
}

TEST(DrawObjects, BlendingWeighsEveryChannelOfTheNewPictureByAlpha)
{
    const BYTE newBits[8] = {255, 0, 200, 255, 10, 20, 30, 40}, oldBits[8] = {0, 255, 100, 255, 10, 20, 30, 40};
    BYTE dest[8] = {};
    BlendBitmapBits(dest, newBits, 2, 1, oldBits, 85);
    const BYTE expected[8] = {84, 169, 132, 254, 9, 19, 29, 39};
    EXPECT_TRUE(std::equal(dest, dest + 8, expected)) << "a third of the way, rounded down, alpha too";
    BlendBitmapBits(dest, newBits, 2, 1, oldBits, 255);
    EXPECT_EQ(254, dest[0]) << "even the last step keeps a trace of the old picture";
}

TEST(DrawObjects, AnEmptyDibSectionHasNoBitsAndLeavesNothing)
{
    CGuiLeakCheck check;
    for (CSize size : {CSize(0, 4), CSize(4, -1)})
    {
        CKTDibSection section(size);
        EXPECT_EQ(nullptr, section.GetHandle());
        EXPECT_EQ(nullptr, section.GetBits());
    }
    {
        CKTDibSection section(CSize(4, 4));
        EXPECT_NE(nullptr, section.GetBits());
    }
    EXPECT_TRUE(check.NoLeaks());
}

TEST(DrawObjects, ACompatibleDCThatSwapsBitmapsGivesBackTheFirstAndLetsThemGo)
{
    CKTDibSection first(CSize(2, 2)), second(CSize(2, 2));
    {
        CKTCompatibleDC dc(NULL, first.GetHandle());
        ASSERT_TRUE(dc.UseBitmap(second.GetHandle()));
        EXPECT_EQ(second.GetHandle(), ::GetCurrentObject(dc.GetSafeHdc(), OBJ_BITMAP));
    }
    CKTCompatibleDC again(NULL, first.GetHandle());
    EXPECT_NE(nullptr, again.GetSafeHdc()) << "the first bitmap was let go";
    EXPECT_TRUE(again.UseBitmap(second.GetHandle())) << "and so was the second";
}

TEST(DrawObjects, ClipDCLimitsDrawingForItsScopeOnly)
{
    CTestSurface surface(8, 8, 32, RGB(255, 255, 255));
    {
        CKTClipDC clip(surface.DC(), CRect(0, 0, 4, 8));
        surface.DC()->FillSolidRect(0, 0, 8, 8, RGB(0, 0, 0));
    }
    EXPECT_EQ(RGB(0, 0, 0), surface.Pixel(3, 3));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(4, 3)) << "outside the clip";
    surface.DC()->FillSolidRect(0, 0, 8, 8, RGB(0, 0, 0));
    EXPECT_EQ(RGB(0, 0, 0), surface.Pixel(6, 3)) << "the clip ended with the scope";
}

namespace
{
// Pixels of a 4 x 4 block that differ between two images: the halftone inverts half of them.
int ChangedInBlock(const CPixelImage& a, const CPixelImage& b, int x, int y)
{
    int nChanged = 0;
    for (int dy = 0; dy < 4; dy++)
        for (int dx = 0; dx < 4; dx++)
            nChanged += a.Pixel(x + dx, y + dy) != b.Pixel(x + dx, y + dy);
    return nChanged;
}
}  // namespace

TEST(DrawObjects, TheDesktopOutlineInvertsTheScreenAndUndoesItsOwnLockOnly)
{
    CTestParent parent(200, 120);
    parent.UpdateWindow();
    PumpMessages();
    CRect rcScreen;
    parent.GetWindowRect(rcScreen);
    CRect rcOutline(rcScreen.left + 20, rcScreen.top + 40, rcScreen.left + 120, rcScreen.top + 100);
    const CPixelImage before = CPixelImage::FromScreen(rcOutline);
    {
        CKTDesktopOutline outline;
        ASSERT_TRUE(outline.IsReady());
        outline.InvertFrame(rcOutline, CSize(4, 4));
        const CPixelImage shown = CPixelImage::FromScreen(rcOutline);
        EXPECT_EQ(8, ChangedInBlock(before, shown, 0, 28)) << "half the frame's pixels are inverted";
        EXPECT_EQ(0, ChangedInBlock(before, shown, 40, 28)) << "inside it none";
        outline.InvertFrame(rcOutline, CSize(4, 4));
        EXPECT_EQ(0, ChangedInBlock(before, CPixelImage::FromScreen(rcOutline), 0, 28)) << "again undoes it";
    }

    // Someone else's lock stands through an outline that could not take it.
    ASSERT_TRUE(::LockWindowUpdate(parent.GetSafeHwnd()));
    {
        CKTDesktopOutline outline;
        EXPECT_TRUE(outline.IsReady()) << "the context is taken without the lock";
    }
    EXPECT_FALSE(::LockWindowUpdate(::GetDesktopWindow())) << "the other lock still holds";
    ::LockWindowUpdate(NULL);
}
