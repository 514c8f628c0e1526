// StyleImageThemeTests.cpp: theme 5 draws the frame, caption buttons, status bar and workspace from the tests'
// style images, and draws plainly without them.
#include "KTBarScrollBar.h"
#include "KTCommandBar.h"
#include "KTControlGallery.h"
#include "KTControlGalleryItems.h"
#include "KTFrameRegionHelper.h"
#include "KTStyleGalleryPaintManager.h"
#include "KTThemeStyle5.h"
#include "LoadedStyle.h"
#include "TestSurface.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);

// The tests' module paints each glyph part one colour: its name, its size and its part.
COLORREF GlyphColor(int nName, int nSize, int nPart) { return RGB(40 + nName * 50, nSize * 10, 20 + nPart * 50); }

CKTSmartPtr<CKTThemeStyle5> RefreshedTheme()
{
    CKTSmartPtr<CKTThemeStyle5> pTheme = KTMakeCounted<CKTThemeStyle5>();
    pTheme->RefreshMetrics();
    return pTheme;
}

COLORREF CaptionButtonCentre(CKTThemeStyle5& theme, UINT nId, int cx, BOOL bSelected, BOOL bPressed, BOOL bActive)
{
    CTestSurface surface(cx, 30);
    theme.DrawFrameCaptionButton(surface.DC(), CRect(0, 0, cx, 30), nId, bSelected, bPressed, bActive);
    return surface.Pixel(cx / 2, 15);
}

// A bar that takes the frame's caption into its own window, as the ribbon does.
struct CCaptionTakingBar : IKTFrameCaptionBar
{
    explicit CCaptionTakingBar(int nHeight) : m_nHeight(nHeight) {}
    BOOL IsDrawingFrameCaption() const override { return TRUE; }
    int GetCaptionHeight() const override { return m_nHeight; }
    void RedrawFrameCaption() override {}
    int m_nHeight;
};

// A resizable top-level window and the frame drawing's view of it.
struct FrameUnderTest
{
    explicit FrameUnderTest(CKTThemeStyle5* pTheme) : helper(&parent, pTheme)
    {
        parent.GetWindowRect(&rcWindow);
        rcWindow.OffsetRect(-rcWindow.TopLeft());
    }
    CTestParent parent{300, 160};
    CKTFrameRegionHelper helper;
    CRect rcWindow;
};
// A gallery on no bar whose hot state the test sets.
class CStatedGallery : public CKTControlGallery
{
public:
    explicit CStatedGallery(CRect rc) { m_rcControl = rc; }
    void SetSelectedState(int nSelected) { m_nSelected = nSelected; }
    // The buttons' column at the right as a gallery on a bar lays it out.
    void LayOutButtons(const CKTGalleryPaintManager& drawer)
    {
        m_spi.rc = CRect(m_rcControl.right - drawer.m_cxPopup, m_rcControl.top, m_rcControl.right, m_rcControl.bottom);
        m_spi.pxTop = m_rcControl.top;
        m_spi.pxBottom = m_rcControl.bottom;
        drawer.LayOutScrollButtons(&m_spi);
    }
};

// A vertical bar of a page of 20 in 0 to 100, at the top, in the style's look.
class CTestScrollBar : public CKTBarScrollBar
{
public:
    explicit CTestScrollBar(CKTGalleryPaintManager* pMetrics) : m_pMetrics(pMetrics)
    {
        SetScrollBarStyle(5);
        CalcScrollBar();
    }
    BOOL IsScrollBarEnabled() const override { return m_bEnabled; }
    CKTCommandBar* GetParentCommandBar() const override { return NULL; }
    CRect GetScrollBarRect() override { return CRect(0, 0, 16, 160); }
    void GetScrollInfo(SCROLLINFO* pSI) override
    {
        pSI->nMin = 0;
        pSI->nMax = m_nMax;
        pSI->nPage = 20;
        pSI->nPos = 0;
    }
    void DoScroll(int, int) override {}
    void RedrawScrollBar() override {}
    CKTGalleryPaintManager* GetGalleryPaintManager() const override { return m_pMetrics; }

    BOOL m_bEnabled = TRUE;
    int m_nMax = 100;

private:
    CKTGalleryPaintManager* m_pMetrics;
};

// The tests' style paints each gallery image part one colour.
COLORREF ArrowsPart(int nPart) { return RGB(40 + 40 * nPart, 200, 240); }
COLORREF GlyphCell(int nCell) { return RGB(250, 110 + 8 * (nCell - 1), 10); }
COLORREF ThumbPart(int nPart) { return RGB(60 + 40 * nPart, 20, 60); }
COLORREF GripperPart(int nPart) { return RGB(60 + 40 * nPart, 60, 20); }
}  // namespace

TEST(StyleImageTheme, CaptionGlyphNamesFollowTheButtonWidth)
{
    EXPECT_EQ("FRAMECAPTIONCLOSE13", CKTThemeStyle5::CaptionGlyphName(SC_CLOSE, 14));
    EXPECT_EQ("FRAMECAPTIONMINIMIZE17", CKTThemeStyle5::CaptionGlyphName(SC_MINIMIZE, 15));
    EXPECT_EQ("FRAMECAPTIONMAXIMIZE17", CKTThemeStyle5::CaptionGlyphName(SC_MAXIMIZE, 26));
    EXPECT_EQ("FRAMECAPTIONRESTORE23", CKTThemeStyle5::CaptionGlyphName(SC_RESTORE, 27));
    EXPECT_EQ("FRAMECAPTIONRESTORE13", CKTThemeStyle5::CaptionGlyphName(0, 8)) << "any other command restores";

    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedTheme();
    EXPECT_EQ(GlyphColor(1, 17, 0), CaptionButtonCentre(*pTheme, SC_MINIMIZE, 20, FALSE, FALSE, TRUE));
    EXPECT_EQ(GlyphColor(2, 23, 0), CaptionButtonCentre(*pTheme, SC_MAXIMIZE, 27, FALSE, FALSE, TRUE));
    EXPECT_EQ(RGB(0, 0, 250), CaptionButtonCentre(*pTheme, SC_CLOSE, 14, TRUE, TRUE, TRUE)) << "close 13, part 2";
}

TEST(StyleImageTheme, CaptionButtonStatesPickBackgroundAndGlyphParts)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedTheme();
    const struct
    {
        BOOL bSelected, bPressed, bActive;
        int nGlyphPart;
        COLORREF clrCorner;  // the background's margin, or nothing
    } cases[] = {
        {FALSE, FALSE, TRUE, 0, kWhite},          {TRUE, FALSE, TRUE, 1, RGB(200, 30, 40)},
        {FALSE, TRUE, TRUE, 1, RGB(200, 30, 40)}, {TRUE, TRUE, TRUE, 2, RGB(30, 40, 200)},
        {FALSE, FALSE, FALSE, 3, kWhite},         {TRUE, FALSE, FALSE, 3, RGB(200, 30, 40)},
    };
    for (const auto& c : cases)
    {
        CTestSurface surface(20, 30);
        pTheme->DrawFrameCaptionButton(surface.DC(), CRect(0, 0, 20, 30), SC_RESTORE, c.bSelected, c.bPressed,
                                       c.bActive);
        EXPECT_EQ(GlyphColor(3, 17, c.nGlyphPart), surface.Pixel(10, 15)) << c.bSelected << c.bPressed << c.bActive;
        EXPECT_EQ(c.clrCorner, surface.Pixel(0, 0)) << c.bSelected << c.bPressed << c.bActive;
    }
}

TEST(StyleImageTheme, FrameRegionCutsTheCorners)
{
    auto pTheme = RefreshedTheme();
    FrameUnderTest frame(pTheme);
    const int cx = 200, cy = 100;
    auto inside = [](HRGN hRgn, int x, int y) { return ::PtInRegion(hRgn, x, y) != FALSE; };

    HRGN hRgn = pTheme->CreateFrameRegion(&frame.helper, cx, cy);
    ASSERT_TRUE(hRgn != NULL);
    EXPECT_FALSE(inside(hRgn, 3, 0));
    EXPECT_TRUE(inside(hRgn, 4, 0));
    EXPECT_FALSE(inside(hRgn, cx - 4, 0));
    EXPECT_FALSE(inside(hRgn, 1, 1));
    EXPECT_TRUE(inside(hRgn, 2, 1));
    EXPECT_FALSE(inside(hRgn, 0, 3));
    EXPECT_TRUE(inside(hRgn, 1, 3));
    EXPECT_TRUE(inside(hRgn, 0, 4));
    EXPECT_TRUE(inside(hRgn, 0, cy - 1)) << "without the status bar strip the bottom stays square";
    EXPECT_TRUE(inside(hRgn, cx - 1, cy - 1));
    EXPECT_FALSE(inside(hRgn, cx, cy - 1));
    ::DeleteObject(hRgn);

    CWnd statusBar;
    ASSERT_TRUE(statusBar.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &frame.parent, 1));
    frame.helper.SetStatusBar(&statusBar);
    pTheme->m_bFrameStatusBar = TRUE;
    hRgn = pTheme->CreateFrameRegion(&frame.helper, cx, cy);
    ASSERT_TRUE(hRgn != NULL);
    BOOL bCut = frame.helper.GetFrameBorder() > 3;
    EXPECT_EQ(!bCut, inside(hRgn, 0, cy - 4)) << "border " << frame.helper.GetFrameBorder();
    EXPECT_EQ(!bCut, inside(hRgn, 3, cy - 1));
    EXPECT_TRUE(inside(hRgn, 4, cy - 1));
    EXPECT_TRUE(inside(hRgn, 1, cy - 3));
    ::DeleteObject(hRgn);

    frame.parent.ModifyStyle(0, WS_MAXIMIZE);
    EXPECT_TRUE(pTheme->CreateFrameRegion(&frame.helper, cx, cy) == NULL) << "a maximised window keeps no region";
}

TEST(StyleImageTheme, FrameBordersAndCaptionFromTheImages)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedTheme();
    FrameUnderTest frame(pTheme);
    int b = frame.helper.GetFrameBorder(), c = frame.helper.GetCaptionHeight();
    ASSERT_GT(b, 1);
    int cx = frame.rcWindow.Width(), cy = frame.rcWindow.Height();
    KT_FRAMECAPTIONBUTTON close;
    close.rc = CRect(cx - 30, b, cx - 10, c - 2);
    close.nId = SC_CLOSE;
    close.nEnabled = TRUE;
    frame.helper.m_buttons.push_back(close);

    for (BOOL bActive : {TRUE, FALSE})
    {
        frame.helper.SetActive(bActive);
        CTestSurface surface(cx, cy);
        pTheme->DrawFrameOn(surface.DC(), &frame.helper);
        const CKTPaintManagerColor* k = bActive ? pTheme->m_clrBorderActive : pTheme->m_clrBorderInactive;
        int yMiddle = (c + cy) / 2;
        EXPECT_EQ(k[0].GetColor(), surface.Pixel(0, yMiddle));
        EXPECT_EQ(k[1].GetColor(), surface.Pixel(1, yMiddle));
        EXPECT_EQ(k[0].GetColor(), surface.Pixel(cx - 1, yMiddle));
        EXPECT_EQ(k[1].GetColor(), surface.Pixel(cx - 2, yMiddle));
        EXPECT_EQ(k[0].GetColor(), surface.Pixel(cx / 2, cy - 1)) << "the bottom line";
        EXPECT_EQ(bActive ? RGB(220, 10, 10) : RGB(220, 10, 110), surface.Pixel(2, c / 2)) << "top left";
        EXPECT_EQ(bActive ? RGB(10, 220, 10) : RGB(110, 220, 10), surface.Pixel(cx / 2, c / 2)) << "top centre";
        EXPECT_EQ(bActive ? RGB(10, 10, 220) : RGB(10, 110, 220), surface.Pixel(cx - 2, c / 2)) << "top right";
        EXPECT_EQ(GlyphColor(0, 17, bActive ? 0 : 3), surface.Pixel(cx - 20, (b + c - 2) / 2))
            << "the close glyph, part 3 when inactive";
        EXPECT_EQ(kWhite, surface.Pixel(cx / 2, c + 2)) << "the client area is not the frame's";
    }

    frame.helper.SetActive(TRUE);
    CCaptionTakingBar bar(c);
    frame.helper.SetCaptionBar(&bar);
    CTestSurface surface(cx, cy);
    pTheme->DrawFrameOn(surface.DC(), &frame.helper);
    EXPECT_EQ(RGB(220, 10, 10), surface.Pixel(0, c / 2)) << "only the border's columns of the caption";
    EXPECT_EQ(RGB(10, 10, 220), surface.Pixel(cx - 1, c / 2));
    EXPECT_EQ(kWhite, surface.Pixel(cx / 2, c / 2)) << "the ribbon draws the caption";
}

TEST(StyleImageTheme, StatusBarStripTakesTheCornerImages)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedTheme();
    pTheme->m_bFrameStatusBar = TRUE;
    FrameUnderTest frame(pTheme);
    CWnd statusBar;
    ASSERT_TRUE(statusBar.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &frame.parent, 1));
    frame.helper.SetStatusBar(&statusBar);
    int b = frame.helper.GetFrameBorder(), cx = frame.rcWindow.Width(), cy = frame.rcWindow.Height();
    CTestSurface surface(cx, cy);
    pTheme->DrawFrameOn(surface.DC(), &frame.helper);
    EXPECT_EQ(RGB(240, 200, 20), surface.Pixel(0, cy - 10)) << "the light strip left of the status bar";
    EXPECT_EQ(RGB(20, 200, 240), surface.Pixel(cx - b, cy - 10)) << "the dark strip right of it";
    if (b > 3)
    {
        EXPECT_EQ(RGB(230, 120, 0), surface.Pixel(1, cy - 2));
        EXPECT_EQ(RGB(0, 120, 230), surface.Pixel(cx - 2, cy - 2));
    }
}

TEST(StyleImageTheme, StatusBarGripperAndPaneBorders)
{
    auto pTheme = RefreshedTheme();
    COLORREF clrDot = pTheme->GetColor(KTCOLOR_SEPARATOR);
    CTestSurface surface(20, 20, RGB(1, 2, 3));
    pTheme->DrawStatusBarGripper(surface.DC(), CRect(0, 0, 20, 20));
    int nDotPixels = 0;
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 20; x++)
            nDotPixels += surface.Pixel(x, y) == clrDot;
    EXPECT_EQ(6 * 3, nDotPixels) << "six dots, each three pixels showing past its white shade";
    EXPECT_EQ(clrDot, surface.Pixel(17, 17));
    EXPECT_EQ(kWhite, surface.Pixel(18, 18));
    EXPECT_EQ(clrDot, surface.Pixel(17, 9)) << "the third row's single dot";
    EXPECT_EQ(RGB(1, 2, 3), surface.Pixel(13, 9));

    CTestSurface pane(30, 20, RGB(1, 2, 3));
    pTheme->DrawStatusBarPaneBorder(pane.DC(), CRect(0, 0, 20, 20), FALSE);
    EXPECT_EQ(clrDot, pane.Pixel(19, 0));
    EXPECT_EQ(kWhite, pane.Pixel(20, 17));
    EXPECT_EQ(RGB(1, 2, 3), pane.Pixel(20, 18)) << "two pixels short of the bottom";
    CTestSurface gripperPane(30, 20, RGB(1, 2, 3));
    pTheme->DrawStatusBarPaneBorder(gripperPane.DC(), CRect(0, 0, 20, 20), TRUE);
    EXPECT_EQ(RGB(1, 2, 3), gripperPane.Pixel(19, 0)) << "the gripper pane has no border";
}

TEST(StyleImageTheme, WorkspaceImageThenGradient)
{
    for (BOOL bStyle : {TRUE, FALSE})
    {
        std::unique_ptr<CLoadedStyle> pStyle(bStyle ? new CLoadedStyle("STYLE_INI") : NULL);
        auto pTheme = RefreshedTheme();
        CTestSurface surface(60, 63);
        pTheme->FillWorkspace(surface.DC(), CRect(0, 0, 60, 63), CRect(0, 0, 60, 63));
        int yGradient = bStyle ? 3 : 0;
        if (bStyle)
        {
            EXPECT_EQ(RGB(10, 120, 30), surface.Pixel(0, 0));
            EXPECT_EQ(RGB(10, 120, 30), surface.Pixel(59, 2)) << "the last column stretched";
        }
        EXPECT_TRUE(IsNear(pTheme->m_clrWorkspace[0], surface.Pixel(30, yGradient), 3)) << bStyle;
        EXPECT_TRUE(IsNear(pTheme->m_clrWorkspace[2], surface.Pixel(30, 62), 3)) << bStyle;
    }

    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedTheme();
    CTestSurface narrow(10, 10);
    pTheme->FillWorkspace(narrow.DC(), CRect(0, 0, 2, 10), CRect(0, 0, 10, 10));
    EXPECT_EQ(RGB(10, 120, 30), narrow.Pixel(3, 1)) << "an image wider than the workspace keeps its width";
    CTestSurface clipped(10, 10);
    pTheme->FillWorkspace(clipped.DC(), CRect(0, 0, 10, 10), CRect(0, 0, 5, 10));
    EXPECT_EQ(kWhite, clipped.Pixel(7, 1)) << "nothing beyond the clip";
}

TEST(StyleImageTheme, WithoutAModuleTheFrameDrawsItsColoursOnly)
{
    auto pTheme = RefreshedTheme();
    FrameUnderTest frame(pTheme);
    int c = frame.helper.GetCaptionHeight(), cx = frame.rcWindow.Width(), cy = frame.rcWindow.Height();
    KT_FRAMECAPTIONBUTTON close;
    close.rc = CRect(cx - 30, 4, cx - 10, c - 2);
    close.nId = SC_CLOSE;
    frame.helper.m_buttons.push_back(close);
    CTestSurface surface(cx, cy);
    pTheme->DrawFrameOn(surface.DC(), &frame.helper);
    EXPECT_EQ(pTheme->m_clrBorderActive[0].GetColor(), surface.Pixel(0, (c + cy) / 2));
    EXPECT_EQ(kWhite, surface.Pixel(cx - 20, c / 2)) << "no glyph";
    pTheme->DrawFrameCaptionButton(surface.DC(), close.rc, SC_CLOSE, TRUE, TRUE, TRUE);
}

TEST(StyleImageTheme, GalleryTakesTheStyleMetricsAndColours)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedTheme();
    auto* pGallery = dynamic_cast<CKTStyleGalleryPaintManager*>(pTheme->GetGalleryPaintManager());
    ASSERT_TRUE(pGallery != NULL);
    EXPECT_EQ(21, pGallery->m_cyPopupUp);
    EXPECT_EQ(19, pGallery->m_cyPopupDown);
    EXPECT_EQ(KTStyleResourceSet()->GetColor("Toolbar", "ControlGallerySelected"), pGallery->m_clrSelected.GetColor());
    EXPECT_EQ(KTStyleResourceSet()->GetColor("Toolbar", "ControlGalleryNormal"), pGallery->m_clrNormal.GetColor());
    EXPECT_EQ(KTStyleResourceSet()->GetColor("Toolbar", "ControlGalleryBorder"), pGallery->m_clrBorder.GetColor());
}

TEST(StyleImageTheme, CaptionMetrics)
{
    auto pTheme = RefreshedTheme();
    EXPECT_EQ(std::max(::GetSystemMetrics(SM_CYCAPTION), 17), pTheme->m_nFrameCaptionHeight);
    EXPECT_EQ(std::max(::GetSystemMetrics(SM_CYCAPTION) + 1, 18), pTheme->m_nRibbonCaptionHeight);
    LOGFONT lf = {};
    ASSERT_TRUE(pTheme->m_fontFrameCaption.GetLogFont(&lf));
    EXPECT_EQ(FW_NORMAL, lf.lfWeight);
    EXPECT_TRUE(lf.lfHeight <= -11 || lf.lfHeight >= 0) << lf.lfHeight;
}

TEST(StyleImageTheme, GalleryFaceFrameAndLabelsTakeTheStyleColours)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedTheme();
    auto* pDrawer = static_cast<CKTStyleGalleryPaintManager*>(pTheme->GetGalleryPaintManager());
    CKTSmartPtr<CStatedGallery> pGallery = KTMakeCounted<CStatedGallery>(CRect(0, 0, 80, 60));
    CTestSurface surface(80, 60);
    pDrawer->FillControl(surface.DC(), pGallery, CRect(0, 0, 80, 60));
    EXPECT_EQ(pDrawer->m_clrNormal.GetColor(), surface.Pixel(40, 30));
    pGallery->SetSelectedState(3);
    pGallery->ShowBorders(TRUE);
    pDrawer->FillControl(surface.DC(), pGallery, CRect(0, 0, 80, 60));
    EXPECT_EQ(pDrawer->m_clrSelected.GetColor(), surface.Pixel(40, 30));
    EXPECT_EQ(pDrawer->m_clrBorder.GetColor(), surface.Pixel(0, 30));
    EXPECT_EQ(pDrawer->m_clrBorder.GetColor(), surface.Pixel(79, 59));
    pGallery->SetEnabled(FALSE);
    pDrawer->FillControl(surface.DC(), pGallery, CRect(0, 0, 80, 60));
    EXPECT_EQ(pDrawer->m_clrNormal.GetColor(), surface.Pixel(40, 30)) << "a disabled gallery never looks selected";

    CKTControlGalleryItem label;
    pDrawer->DrawLabel(surface.DC(), &label, CRect(0, 0, 80, 20));
    EXPECT_EQ(0xC5C5C5u, surface.Pixel(40, 19));
}

TEST(StyleImageTheme, GalleryScrollButtonsTakeTheirPartByState)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedTheme();
    CKTGalleryPaintManager* pDrawer = pTheme->GetGalleryPaintManager();
    CKTSmartPtr<CStatedGallery> pGallery = KTMakeCounted<CStatedGallery>(CRect(0, 0, 80, 60));
    pGallery->LayOutButtons(*pDrawer);
    auto parts = [&](int nHot)
    {
        pGallery->SetHotPart(nHot);
        CTestSurface surface(80, 60);
        pDrawer->DrawScrollButtons(surface.DC(), pGallery);
        // The image of each button has five parts of 30 + 40n red.
        auto part = [&](int y) { return (GetRValue(surface.Pixel(72, y)) - 30) / 40; };
        return std::vector<int>{part(10), part(30), part(50)};
    };
    EXPECT_EQ((std::vector<int>{4, 4, 0}), parts(0)) << "nothing to scroll: up and down are disabled";
    EXPECT_EQ((std::vector<int>{4, 4, 2}), parts(ktScrollPopup));
    CTestSurface surface(80, 60);
    pDrawer->DrawScrollButtons(surface.DC(), pGallery);
    EXPECT_EQ(RGB(190, 30, 120), surface.Pixel(72, 10)) << "the up image";
    EXPECT_EQ(RGB(190, 70, 120), surface.Pixel(72, 30)) << "the down image starts 21 pixels down";
    EXPECT_EQ(RGB(110, 110, 120), surface.Pixel(72, 50)) << "the popup image, still hot, after 19 more";
    EXPECT_EQ(kWhite, surface.Pixel(64, 10)) << "a column 15 pixels wide";
    pGallery->SetEnabled(FALSE);
    EXPECT_EQ((std::vector<int>{4, 4, 4}), parts(0));
}

TEST(StyleImageTheme, GalleryScrollBarDrawsItsPartsFromTheImages)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedTheme();
    CTestScrollBar bar(pTheme->GetGalleryPaintManager());
    const KT_SCROLLBARPOSINFO& spi = bar.GetPosInfo();
    ASSERT_GT(spi.cpxThumb, 10);
    const int yUp = (spi.pxTop + spi.pxUpArrow) / 2, yThumb = (spi.pxThumbTop + spi.pxThumbBottom) / 2;
    const int yPage = (spi.pxThumbBottom + spi.pxDownArrow) / 2;
    auto draw = [&](CTestSurface& surface, int nHot)
    {
        bar.SetHotPart(nHot);
        pTheme->GetGalleryPaintManager()->DrawScrollBar(surface.DC(), &bar);
    };
    CTestSurface idle(16, 160);
    draw(idle, 0);
    EXPECT_EQ(RGB(120, 240, 30), idle.Pixel(8, yPage)) << "the track's light image";
    EXPECT_EQ(GlyphCell(1), idle.Pixel(8, yUp)) << "no arrow frame while nothing is hot, the normal glyph";
    EXPECT_EQ(RGB(120, 240, 30), idle.Pixel(1, yUp));
    EXPECT_EQ(ThumbPart(0), idle.Pixel(8, spi.pxThumbTop + 2));
    EXPECT_EQ(GripperPart(0), idle.Pixel(8, yThumb));

    CTestSurface hotThumb(16, 160);
    draw(hotThumb, ktScrollThumb);
    EXPECT_EQ(ArrowsPart(1), hotThumb.Pixel(1, yUp)) << "another part is hot";
    EXPECT_EQ(GlyphCell(2), hotThumb.Pixel(8, yUp));
    EXPECT_EQ(ThumbPart(1), hotThumb.Pixel(8, spi.pxThumbTop + 2));
    EXPECT_EQ(GripperPart(1), hotThumb.Pixel(8, yThumb));

    CTestSurface hotUp(16, 160);
    draw(hotUp, ktScrollUpArrow);
    EXPECT_EQ(ArrowsPart(2), hotUp.Pixel(1, yUp));
    EXPECT_EQ(GlyphCell(6), hotUp.Pixel(8, (spi.pxDownArrow + spi.pxBottom) / 2)) << "the down glyph, active";

    bar.m_bEnabled = FALSE;
    CTestSurface disabled(16, 160);
    draw(disabled, ktScrollThumb);
    EXPECT_EQ(ThumbPart(0), disabled.Pixel(8, spi.pxThumbTop + 2)) << "a disabled bar keeps its thumb, plain";
    EXPECT_EQ(GripperPart(0), disabled.Pixel(8, yThumb));
    EXPECT_EQ(GlyphCell(4), disabled.Pixel(8, yUp)) << "and disabled arrows";
    bar.m_bEnabled = TRUE;

    bar.SetScrollBarStyle(2);
    CTestSurface classic(16, 160);
    draw(classic, 0);
    EXPECT_NE(RGB(120, 240, 30), classic.Pixel(8, yPage)) << "other styles are the base's";
}

TEST(StyleImageTheme, GalleryScrollBarWithNothingToScrollDrawsNoThumb)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedTheme();
    CTestScrollBar bar(pTheme->GetGalleryPaintManager());
    bar.m_nMax = 19;  // twenty rows in a page of twenty
    bar.CalcScrollBar();
    const KT_SCROLLBARPOSINFO& spi = bar.GetPosInfo();
    for (BOOL bEnabled : {TRUE, FALSE})
    {
        bar.m_bEnabled = bEnabled;
        CTestSurface surface(16, 160);
        pTheme->GetGalleryPaintManager()->DrawScrollBar(surface.DC(), &bar);
        EXPECT_EQ(RGB(120, 240, 30), surface.Pixel(8, (spi.pxUpArrow + spi.pxDownArrow) / 2)) << bEnabled;
        EXPECT_NE(ThumbPart(0), surface.Pixel(8, spi.pxUpArrow - 1)) << bEnabled;
    }
}
