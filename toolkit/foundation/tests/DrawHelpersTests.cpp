// DrawHelpersTests.cpp: gradients, corner and pixel work, texts, classes and scoped DC objects.
#include <gtest/gtest.h>

#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTImageManager.h"
#include "TestSurface.h"

TEST(GradientFill, VerticalEndsAndMiddle)
{
    CTestSurface surface(10, 101);
    CRect rc(0, 0, 10, 101);
    KTDrawHelpers()->GradientFill(surface.DC(), rc, RGB(0, 0, 0), RGB(200, 100, 0), FALSE);
    EXPECT_TRUE(NearColor(RGB(0, 0, 0), surface.Pixel(5, 0))) << std::hex << surface.Pixel(5, 0);
    EXPECT_TRUE(NearColor(RGB(200, 100, 0), surface.Pixel(5, 100), 4)) << std::hex << surface.Pixel(5, 100);
    EXPECT_TRUE(NearColor(RGB(100, 50, 0), surface.Pixel(5, 50), 4)) << std::hex << surface.Pixel(5, 50);
    EXPECT_EQ(surface.Pixel(0, 50), surface.Pixel(9, 50)) << "one colour across a row";
}

TEST(GradientFill, HorizontalRunsLeftToRight)
{
    CTestSurface surface(101, 4);
    KTDrawHelpers()->GradientFill(surface.DC(), CRect(0, 0, 101, 4), RGB(255, 255, 255), RGB(55, 55, 55), TRUE);
    EXPECT_TRUE(NearColor(RGB(255, 255, 255), surface.Pixel(0, 2)));
    EXPECT_TRUE(NearColor(RGB(155, 155, 155), surface.Pixel(50, 2), 4));
    EXPECT_TRUE(NearColor(RGB(55, 55, 55), surface.Pixel(100, 2), 4));
}

TEST(GradientFill, OnlyInsideTheClipRectangle)
{
    CTestSurface surface(20, 20, 32, RGB(1, 2, 3));
    CRect rcClip(0, 0, 20, 10);
    KTDrawHelpers()->GradientFill(surface.DC(), CRect(0, 0, 20, 20), RGB(0, 0, 255), RGB(0, 0, 255), FALSE, &rcClip);
    EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(5, 5));
    EXPECT_EQ(RGB(1, 2, 3), surface.Pixel(5, 15));
    surface.DC()->FillSolidRect(0, 15, 1, 1, RGB(7, 7, 7));
    EXPECT_EQ(RGB(7, 7, 7), surface.Pixel(0, 15)) << "the clip is given back afterwards";
}

TEST(GradientFill, EmptyRectangleDrawsNothing)
{
    CTestSurface surface(4, 4, 32, RGB(9, 9, 9));
    KTDrawHelpers()->GradientFill(surface.DC(), CRect(2, 2, 2, 4), RGB(0, 0, 0), RGB(255, 0, 0), FALSE);
    EXPECT_EQ(RGB(9, 9, 9), surface.Pixel(2, 2));
}

TEST(GradientFill, SolidWithoutTheImagingLibrary)
{
    CKTMsImgApi missing("kt-missing-imaging.dll");
    CKTDrawHelpers helpers(&missing);
    CTestSurface surface(10, 50);
    helpers.GradientFill(surface.DC(), CRect(0, 0, 10, 50), RGB(10, 20, 30), RGB(200, 200, 200), FALSE);
    EXPECT_EQ(RGB(10, 20, 30), surface.Pixel(5, 0));
    EXPECT_EQ(RGB(10, 20, 30), surface.Pixel(5, 49));
}

// The docking stickers' pictures are put down this way: the mask colour shows what lay below.
TEST(TransparentBlt, TheMaskColourLeavesWhatLayBelow)
{
    CTestSurface source(4, 1, 32, RGB(255, 0, 255));
    source.DC()->FillSolidRect(0, 0, 2, 1, RGB(10, 20, 30));
    CTestSurface target(4, 1, 32, RGB(1, 2, 3));
    EXPECT_TRUE(KTMsImg()->TransparentBlt(target.DC()->GetSafeHdc(), 0, 0, 4, 1, source.DC()->GetSafeHdc(), 0, 0, 4, 1,
                                          RGB(255, 0, 255)));
    EXPECT_EQ(RGB(10, 20, 30), target.Pixel(1, 0));
    EXPECT_EQ(RGB(1, 2, 3), target.Pixel(2, 0));

    CKTMsImgApi missing("kt-missing-imaging.dll");
    CTestSurface untouched(4, 1, 32, RGB(1, 2, 3));
    EXPECT_FALSE(missing.TransparentBlt(untouched.DC()->GetSafeHdc(), 0, 0, 4, 1, source.DC()->GetSafeHdc(), 0, 0, 4, 1,
                                        RGB(255, 0, 255)));
    EXPECT_EQ(RGB(1, 2, 3), untouched.Pixel(1, 0)) << "without the library nothing is drawn";
}

namespace
{
// The helpers as they behave on a display of 256 colours.
class CEightBitDrawHelpers : public CKTDrawHelpers
{
protected:
    BOOL IsLowResolutionDisplay(HDC) const override { return TRUE; }
};
}  // namespace

TEST(GradientFill, SolidOnAnEightBitDisplay)
{
    CTestSurface surface(10, 50);
    CEightBitDrawHelpers helpers;
    helpers.GradientFill(surface.DC(), CRect(0, 0, 10, 50), RGB(0, 0, 0), RGB(255, 255, 255), FALSE);
    EXPECT_EQ(surface.Pixel(5, 0), surface.Pixel(5, 49));
    EXPECT_EQ(RGB(0, 0, 0), surface.Pixel(5, 25));
}

TEST(GradientFill, FactorPicksTheMiddleColour)
{
    CTestSurface surface(4, 100);
    CKTPaintManagerColorGradient grc;
    grc.SetStandardValue(RGB(0, 0, 0), RGB(200, 200, 200), 0.25f);
    KTDrawHelpers()->GradientFill(surface.DC(), CRect(0, 0, 4, 100), grc, FALSE);
    EXPECT_TRUE(NearColor(RGB(0, 0, 0), surface.Pixel(1, 0)));
    EXPECT_TRUE(NearColor(RGB(50, 50, 50), surface.Pixel(1, 50), 4)) << std::hex << surface.Pixel(1, 50);
    EXPECT_TRUE(NearColor(RGB(200, 200, 200), surface.Pixel(1, 99), 5));
}

TEST(DrawHelpers, ExcludedCornersKeepTheirPixels)
{
    CTestSurface surface(10, 10, 32, RGB(255, 0, 0));
    CRect rc(0, 0, 10, 10);
    int nSaved = surface.DC()->SaveDC();
    CKTDrawHelpers::ExcludeCorners(surface.DC(), rc);
    surface.DC()->FillSolidRect(rc, RGB(0, 255, 0));
    surface.DC()->RestoreDC(nSaved);
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(9, 0));
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(0, 9));
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(9, 9));
    EXPECT_EQ(RGB(0, 255, 0), surface.Pixel(1, 0));
    EXPECT_EQ(RGB(0, 255, 0), surface.Pixel(5, 5));
}

TEST(DrawHelpers, BlendPixelsAveragesWithTheNeighbour)
{
    CTestSurface surface(4, 4, 32, RGB(0, 0, 0));
    surface.DC()->SetPixelV(1, 0, RGB(200, 100, 50));
    KT_BLENDPIXEL pixels[] = {{{0, 0}, {1, 0}}, {{3, 3}, {5, 5}}};
    CKTDrawHelpers::BlendPixels(surface.DC(), pixels, 2);
    EXPECT_EQ(RGB(100, 50, 25), surface.Pixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 0), surface.Pixel(3, 3)) << "a neighbour off the surface leaves the pixel";
}

TEST(DrawHelpers, TriangleIsFilledWithTheCurrentBrush)
{
    CTestSurface surface(20, 20);
    CKTPenDC pen(surface.DC()->GetSafeHdc(), RGB(0, 0, 255));
    CKTBrushDC brush(surface.DC()->GetSafeHdc(), RGB(0, 0, 255));
    CKTDrawHelpers::Triangle(surface.DC(), CPoint(2, 2), CPoint(18, 2), CPoint(10, 18));
    EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(10, 6));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(2, 17));
}

TEST(DrawHelpers, StripMnemonics)
{
    const char* cases[][2] = {
        {"&File", "File"}, {"Save && Exit", "Save & Exit"}, {"Trail&", "Trail"}, {"&&&x", "&x"}, {"", ""},
        {"a&b&c", "abc"}};
    for (auto& c : cases)
    {
        CString str(c[0]);
        CKTDrawHelpers::StripMnemonics(str);
        EXPECT_STREQ(c[1], str) << c[0];
    }
}

TEST(DrawHelpers, FontsAndDefaultFace)
{
    EXPECT_FALSE(CKTDrawHelpers::FontExists("Kestova No Such Face"));
    EXPECT_FALSE(CKTDrawHelpers::FontExists(""));
    CString strFace = CKTDrawHelpers::GetDefaultFontName(TRUE);
    EXPECT_TRUE(CKTDrawHelpers::FontExists(strFace)) << "the face is one the system has: " << strFace.GetString();
    EXPECT_STRNE("MS Shell Dlg", strFace);
}

TEST(DrawHelpers, RegisterWndClassOnceWithArrowCursor)
{
    ASSERT_TRUE(CKTDrawHelpers::RegisterWndClass(NULL, "KTFoundationTestClass", CS_DBLCLKS));
    EXPECT_TRUE(CKTDrawHelpers::RegisterWndClass(NULL, "KTFoundationTestClass", CS_DBLCLKS)) << "already there";
    WNDCLASSA wc = {};
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), "KTFoundationTestClass", &wc));
    EXPECT_EQ(::LoadCursor(NULL, IDC_ARROW), wc.hCursor);
    EXPECT_EQ(static_cast<UINT>(CS_DBLCLKS), wc.style);
    HWND hWnd = ::CreateWindowExA(0, "KTFoundationTestClass", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                  AfxGetInstanceHandle(), NULL);
    EXPECT_NE(nullptr, hWnd);
    ::DestroyWindow(hWnd);
}

TEST(DrawHelpers, KeyToLayoutSwapsOnlyInRightToLeftWindows)
{
    HWND hRtl = ::CreateWindowExA(WS_EX_LAYOUTRTL, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    HWND hLtr = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    UINT nKey = VK_LEFT;
    CKTDrawHelpers::KeyToLayout(CWnd::FromHandle(hRtl), nKey);
    EXPECT_EQ(static_cast<UINT>(VK_RIGHT), nKey);
    nKey = VK_UP;
    CKTDrawHelpers::KeyToLayout(CWnd::FromHandle(hRtl), nKey);
    EXPECT_EQ(static_cast<UINT>(VK_UP), nKey);
    nKey = VK_LEFT;
    CKTDrawHelpers::KeyToLayout(CWnd::FromHandle(hLtr), nKey);
    EXPECT_EQ(static_cast<UINT>(VK_LEFT), nKey);
    ::DestroyWindow(hRtl);
    ::DestroyWindow(hLtr);
}

TEST(DrawHelpers, TopParentActiveFollowsTheForeground)
{
    HWND hTop =
        ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, NULL, NULL, NULL, NULL);
    HWND hChild = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, hTop, NULL, NULL, NULL);
    ::SetForegroundWindow(hTop);
    if (::GetForegroundWindow() != hTop)
        GTEST_SKIP() << "no foreground window in this session";
    EXPECT_TRUE(CKTDrawHelpers::IsTopParentActive(hChild));
    EXPECT_FALSE(CKTDrawHelpers::IsTopParentActive(NULL));
    ::DestroyWindow(hTop);
}

TEST(DrawHelpers, ContextLayout)
{
    CTestSurface surface(4, 4);
    EXPECT_FALSE(KTDrawHelpers()->IsContextRTL(surface.DC()));
    KTDrawHelpers()->SetContextRTL(surface.DC(), LAYOUT_RTL);
    EXPECT_TRUE(KTDrawHelpers()->IsContextRTL(surface.DC()));
    KTDrawHelpers()->SetContextRTL(surface.DC(), 0);
    EXPECT_FALSE(KTDrawHelpers()->IsContextRTL(surface.DC()));
}

TEST(ScopedDCObjects, PenAndBrushAreRestoredAndFreed)
{
    CTestSurface surface(4, 4);
    HDC hDC = surface.DC()->GetSafeHdc();
    HGDIOBJ hPenBefore = ::GetCurrentObject(hDC, OBJ_PEN);
    HGDIOBJ hBrushBefore = ::GetCurrentObject(hDC, OBJ_BRUSH);
    HGDIOBJ hPen = NULL, hBrush = NULL;
    {
        CKTPenDC pen(hDC, RGB(1, 2, 3));
        CKTBrushDC brush(hDC, RGB(4, 5, 6));
        hPen = ::GetCurrentObject(hDC, OBJ_PEN);
        hBrush = ::GetCurrentObject(hDC, OBJ_BRUSH);
        LOGPEN lp = {};
        ::GetObject(hPen, sizeof(lp), &lp);
        EXPECT_EQ(RGB(1, 2, 3), lp.lopnColor);
        EXPECT_EQ(1, lp.lopnWidth.x);
        LOGBRUSH lb = {};
        ::GetObject(hBrush, sizeof(lb), &lb);
        EXPECT_EQ(RGB(4, 5, 6), lb.lbColor);
    }
    EXPECT_EQ(hPenBefore, ::GetCurrentObject(hDC, OBJ_PEN));
    EXPECT_EQ(hBrushBefore, ::GetCurrentObject(hDC, OBJ_BRUSH));
    EXPECT_EQ(0u, ::GetObjectType(hPen)) << "the pen was deleted";
    EXPECT_EQ(0u, ::GetObjectType(hBrush)) << "the brush was deleted";
}

TEST(ScopedDCObjects, FontAndTextColourComeBack)
{
    CTestSurface surface(4, 4);
    CFont fontA, fontB;
    fontA.CreatePointFont(90, "Arial");
    fontB.CreatePointFont(120, "Arial");
    HDC hDC = surface.DC()->GetSafeHdc();
    HGDIOBJ hBefore = ::GetCurrentObject(hDC, OBJ_FONT);
    ::SetTextColor(hDC, RGB(1, 1, 1));
    {
        CKTFontDC font(surface.DC(), &fontA, RGB(200, 0, 0));
        EXPECT_EQ(fontA.GetSafeHandle(), ::GetCurrentObject(hDC, OBJ_FONT));
        font.SetFont(&fontB);
        EXPECT_EQ(fontB.GetSafeHandle(), ::GetCurrentObject(hDC, OBJ_FONT));
        EXPECT_EQ(RGB(200, 0, 0), ::GetTextColor(hDC));
    }
    EXPECT_EQ(hBefore, ::GetCurrentObject(hDC, OBJ_FONT)) << "the first replaced font returns";
    EXPECT_EQ(RGB(1, 1, 1), ::GetTextColor(hDC));
}

TEST(ScopedDCObjects, BufferIsCopiedToTheDestinationAtTheEnd)
{
    CTestSurface surface(20, 20, 32, RGB(255, 255, 255));
    {
        CKTBufferDC buffer(surface.DC(), CRect(5, 5, 15, 15));
        buffer.FillSolidRect(0, 0, 20, 20, RGB(0, 128, 0));
        EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(10, 10)) << "nothing reaches the screen before the end";
    }
    EXPECT_EQ(RGB(0, 128, 0), surface.Pixel(10, 10));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(2, 2)) << "only the rectangle is copied";
}

TEST(ScopedDCObjects, CompatibleDcSelectsAndGivesBackTheBitmap)
{
    CTestSurface surface(4, 4);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(surface.DC(), 4, 4);
    {
        CKTCompatibleDC dc(surface.DC(), &bitmap);
        EXPECT_EQ(bitmap.GetSafeHandle(), ::GetCurrentObject(dc.GetSafeHdc(), OBJ_BITMAP));
        dc.FillSolidRect(0, 0, 4, 4, RGB(3, 3, 3));
    }
    EXPECT_EQ(RGB(3, 3, 3), CKTImageManager::GetBitmapPixel((HBITMAP)bitmap.GetSafeHandle(), 1, 1));
}

TEST(WindowRects, ClientAndScreenRectanglesOrEmpty)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_BORDER, 30, 40, 100, 50, NULL, NULL, NULL, NULL);
    CKTClientRect rcClient(hWnd);
    CKTWindowRect rcWindow(hWnd);
    EXPECT_EQ(0, rcClient.left);
    EXPECT_EQ(98, rcClient.Width());
    EXPECT_EQ(CRect(30, 40, 130, 90), static_cast<CRect&>(rcWindow));
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(CKTClientRect(hWnd).IsRectNull());
    EXPECT_TRUE(CKTWindowRect(static_cast<CWnd*>(NULL)).IsRectNull());
    EXPECT_TRUE(CKTEmptyRect().IsRectNull());
}
