// GalleryTests.cpp: galleries on a popup bar of the test frame: layout in rows, hover and preview, the scroll bar,
// picking, and a combo box whose drop-down is a gallery; the scroll bar's arithmetic on its own.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "HeldKeys.h"
#include "KTBarScrollBar.h"
#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControlAction.h"
#include "KTControlComboBox.h"
#include "KTControlComboBoxGalleryPopupBar.h"
#include "KTControlGallery.h"
#include "KTControls.h"
#include "KTGalleryPaintManager.h"
#include "KTPaintManager.h"
#include "KTPopupBar.h"
#include "KTPopupToolBar.h"
#include "KTToolBar.h"
#include "KTToolTipController.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "PixelImage.h"
#include "TestInput.h"
#include "TestSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace
{
// A bar of fixed scroll data with 17-pixel arrows.
class CFixedScrollBar : public CKTBarScrollBar
{
public:
    CFixedScrollBar(CRect rc, int nMax, int nPage) : m_rc(rc), m_nMax(nMax), m_nPage(nPage), m_metrics(NULL)
    {
        m_metrics.m_cyVScroll = 17;
    }
    BOOL IsScrollBarEnabled() const override { return m_bEnabled; }
    CKTCommandBar* GetParentCommandBar() const override { return NULL; }
    CRect GetScrollBarRect() override { return m_rc; }
    void GetScrollInfo(SCROLLINFO* pSI) override
    {
        pSI->nMin = 0;
        pSI->nMax = m_nMax;
        pSI->nPage = m_nPage;
        pSI->nPos = 0;
    }
    void DoScroll(int, int) override {}
    void RedrawScrollBar() override
    {
        if (m_onRedraw)
            m_onRedraw();
    }
    CKTGalleryPaintManager* GetGalleryPaintManager() const override
    {
        return const_cast<CKTGalleryPaintManager*>(&m_metrics);
    }

    BOOL m_bEnabled = TRUE;
    std::function<void()> m_onRedraw;

private:
    CRect m_rc;
    int m_nMax, m_nPage;
    CKTGalleryPaintManager m_metrics;
};

const COLORREF kMarked = RGB(200, 30, 140);

// Draws the even items itself in one colour and leaves the odd ones to their own drawing.
class CMarkedItems : public CKTControlGalleryItems
{
public:
    BOOL PreDrawItem(CDC* pDC, CKTControlGallery*, CKTControlGalleryItem* pItem, CRect rc, BOOL, BOOL, BOOL,
                     BOOL) override
    {
        if (pItem->GetIndex() % 2)
            return FALSE;
        pDC->FillSolidRect(rc, kMarked);
        return TRUE;
    }
};

class GalleryTest : public CFrameFixture
{
protected:
    CKTToolBar* Bar() const { return m_pFrame->m_pStandard; }
    // A gallery of the items on a popup bar shown under the tool bar; without items it shows its action's.
    CKTControlGallery* ShowGallery(CKTControlGalleryItems* pItems, CSize szGallery)
    {
        m_pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
        CKTControlGallery* pGallery =
            static_cast<CKTControlGallery*>(m_pPopup->GetControls()->Add(ktControlGallery, ID_TEST_ENABLED));
        if (pItems)
            pGallery->SetItems(pItems);
        pGallery->SetWidth(szGallery.cx);
        pGallery->SetHeight(szGallery.cy);
        CRect rc;
        Bar()->GetWindowRect(&rc);
        EXPECT_TRUE(m_pPopup->PopupAt(rc.left + 40, rc.bottom + 10));
        PumpMessages();
        return pGallery;
    }
    template <class TItems = CKTControlGalleryItems>
    CKTSmartPtr<CKTControlGalleryItems> MakeItems(int nCount, CSize szItem)
    {
        CKTSmartPtr<CKTControlGalleryItems> pItems = KTMakeCounted<TItems>();
        pItems->SetItemSize(szItem);
        for (int i = 0; i < nCount; i++)
        {
            CString strCaption;
            strCaption.Format("Item %i", i);
            pItems->AddItem(strCaption, 100 + i);
        }
        return pItems;
    }
    // A combo box on the tool bar whose drop-down is a gallery of the items in so many columns, 48 pixels high.
    CKTControlComboBox* AddComboGallery(CKTControlGalleryItems* pItems, int nColumns)
    {
        CKTControlComboBox* pCombo =
            static_cast<CKTControlComboBox*>(Bar()->GetControls()->Add(ktControlComboBox, ID_TEST_ENABLED));
        pCombo->SetWidth(150);
        CKTSmartPtr<CKTControlComboBoxGalleryPopupBar> pPopup = KTMakeCounted<CKTControlComboBoxGalleryPopupBar>();
        pPopup->SetCommandBars(m_pCommandBars);
        CKTControlGallery* pGallery =
            static_cast<CKTControlGallery*>(pPopup->GetControls()->Add(ktControlGallery, ID_TEST_ENABLED));
        pGallery->SetItems(pItems);
        pGallery->SetWidth(nColumns * pItems->GetItemSize().cx + ::GetSystemMetrics(SM_CXVSCROLL));
        pGallery->SetHeight(48);
        pCombo->SetCommandBar(pPopup);
        m_pCommandBars->RecalcFrameLayout();
        PumpMessages();
        return pCombo;
    }
    // A point of the popup in the tool bar's client coordinates, for input sent there.
    CPoint InBar(CPoint pt) const
    {
        m_pPopup->MapWindowPoints(Bar(), &pt, 1);
        return pt;
    }
    size_t Count(UINT nCode) const
    {
        return std::count(m_pFrame->m_notifyCodes.begin(), m_pFrame->m_notifyCodes.end(), nCode);
    }
    void TearDown() override
    {
        if (!m_pPopup.IsNull())
            m_pPopup->SetTrackingMode(ktTrackingNone);
        m_pPopup = NULL;
        CFrameFixture::TearDown();
    }

    CKTSmartPtr<CKTPopupBar> m_pPopup;
};
}  // namespace

TEST(BarScrollBar, ThumbTrackAndPositionsFollowTheScrollData)
{
    CFixedScrollBar bar(CRect(0, 0, 16, 100), 99, 10);
    bar.CalcScrollBar();
    const KT_SCROLLBARPOSINFO& spi = bar.GetPosInfo();
    EXPECT_EQ(17, spi.pxUpArrow);
    EXPECT_EQ(83, spi.pxDownArrow);
    EXPECT_EQ(8, spi.cpxThumb) << "MulDiv(66, 10, 100) is 7, raised to half the arrow";
    EXPECT_EQ(58, spi.cpx);
    EXPECT_EQ(90, bar.PosFromPx(spi.pxMin + spi.cpx)) << "the end of the travel shows the last page";
    EXPECT_EQ(0, bar.PosFromPx(spi.pxMin - 5));
    EXPECT_EQ(ktScrollUpArrow, bar.HitTestScrollBar(CPoint(5, 3)));
    EXPECT_EQ(ktScrollThumb, bar.HitTestScrollBar(CPoint(5, 20)));
    EXPECT_EQ(ktScrollPageDown, bar.HitTestScrollBar(CPoint(5, 50)));
    EXPECT_EQ(ktScrollDownArrow, bar.HitTestScrollBar(CPoint(5, 90)));
    EXPECT_EQ(ktScrollNowhere, bar.HitTestScrollBar(CPoint(30, 50)));

    CFixedScrollBar shortBar(CRect(0, 0, 16, 20), 99, 10);
    shortBar.CalcScrollBar();
    EXPECT_EQ(10, shortBar.GetPosInfo().pxUpArrow) << "arrows of half the length";
    EXPECT_EQ(10, shortBar.GetPosInfo().pxDownArrow);

    CFixedScrollBar fullPage(CRect(0, 0, 16, 100), 9, 10);
    fullPage.CalcScrollBar();
    EXPECT_EQ(fullPage.GetPosInfo().pxMin - 1, fullPage.GetPosInfo().pxThumbTop);
}

// Style 2 draws flat arrow buttons: the face, a thin raised frame and the "Marlett" arrow, grey when disabled; a
// held arrow's frame is sunk.
TEST(BarScrollBar, FlatArrowsAreFramedFacesWithAGlyph)
{
    CKTSmartPtr<CKTPaintManager> pTheme = CKTPaintManager::CreateTheme(0);
    pTheme->RefreshMetrics();
    CKTGalleryPaintManager painter(pTheme);
    painter.RefreshMetrics();
    CFixedScrollBar bar(CRect(0, 0, 17, 100), 99, 10);
    bar.SetScrollBarStyle(2);
    bar.CalcScrollBar();
    const int yDown = bar.GetPosInfo().pxDownArrow;
    const COLORREF clrLight = pTheme->GetColor(COLOR_3DHIGHLIGHT), clrDark = pTheme->GetColor(COLOR_BTNSHADOW);
    // Pixels of the colour inside the up arrow's frame: its glyph.
    const auto glyph = [](CTestSurface& surface, COLORREF clr)
    {
        int nCount = 0;
        for (int y = 1; y < 16; y++)
            for (int x = 1; x < 16; x++)
                nCount += surface.Pixel(x, y) == clr;
        return nCount;
    };
    CTestSurface surface(17, 100, RGB(1, 2, 3));
    painter.DrawScrollBar(surface.DC(), &bar);
    EXPECT_EQ(clrLight, surface.Pixel(0, 0));
    EXPECT_EQ(clrDark, surface.Pixel(16, 16));
    EXPECT_EQ(pTheme->GetColor(COLOR_BTNFACE), surface.Pixel(2, 2));
    EXPECT_GT(glyph(surface, RGB(0, 0, 0)), 0) << "the up arrow's glyph";
    EXPECT_EQ(0, glyph(surface, clrDark));
    EXPECT_EQ(clrLight, surface.Pixel(0, yDown));

    bar.m_bEnabled = FALSE;
    CTestSurface disabled(17, 100, RGB(1, 2, 3));
    painter.DrawScrollBar(disabled.DC(), &bar);
    EXPECT_EQ(0, glyph(disabled, RGB(0, 0, 0)));
    EXPECT_GT(glyph(disabled, clrDark), 0) << "a disabled bar's glyph is grey";

    // Drawn while the press on the down arrow holds it.
    bar.m_bEnabled = TRUE;
    CTestParent window;
    CTestSurface pressed(17, 100, RGB(1, 2, 3));
    BOOL bPressedDrawn = FALSE;
    bar.m_onRedraw = [&]
    {
        if (bPressedDrawn || bar.GetPressedPart() != ktScrollDownArrow)
            return;
        painter.DrawScrollBar(pressed.DC(), &bar);
        bPressedDrawn = TRUE;
    };
    const CPoint ptDown(8, 90);
    ASSERT_TRUE(window.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptDown.x, ptDown.y)));
    bar.PerformTrackInit(window.GetSafeHwnd(), ptDown, FALSE);
    ASSERT_TRUE(bPressedDrawn);
    EXPECT_EQ(clrDark, pressed.Pixel(0, yDown)) << "the dark edge above and left";
    EXPECT_EQ(clrLight, pressed.Pixel(16, 99)) << "the light edge below and right";
}

TEST_F(GalleryTest, ItemsLayOutInRowsWithLabelsBetween)
{
    CKTSmartPtr<CKTControlGalleryItems> pItems = KTMakeCounted<CKTControlGalleryItems>();
    pItems->SetItemSize(CSize(50, 50));
    pItems->AddItem("a", 1);
    pItems->AddItem("b", 2);
    pItems->AddItem("c", 3);
    pItems->AddLabel("Group");
    pItems->AddItem("d", 4)->SetSize(CSize(0, 30));
    CKTControlGallery* pGallery = ShowGallery(pItems, CSize(120 + ::GetSystemMetrics(SM_CXVSCROLL), 300));
    CRect rcItems = pGallery->GetItemsRect();
    ASSERT_EQ(120, rcItems.Width());
    CPoint o = rcItems.TopLeft();
    EXPECT_EQ(CRect(o.x, o.y, o.x + 50, o.y + 50), pGallery->GetItemDrawRect(0));
    EXPECT_EQ(CRect(o.x + 50, o.y, o.x + 100, o.y + 50), pGallery->GetItemDrawRect(1));
    EXPECT_EQ(CRect(o.x, o.y + 50, o.x + 50, o.y + 100), pGallery->GetItemDrawRect(2)) << "two to a row";
    EXPECT_EQ(CRect(o.x, o.y + 100, o.x + 120, o.y + 119), pGallery->GetItemDrawRect(3)) << "a label closes the row";
    EXPECT_EQ(CRect(o.x, o.y + 120, o.x + 120, o.y + 150), pGallery->GetItemDrawRect(4)) << "width 0 fills the row";
    EXPECT_EQ(150, pGallery->GetContentHeight());
    EXPECT_EQ(-1, pGallery->HitTestItem(pGallery->GetItemDrawRect(3).CenterPoint())) << "labels are never hit";
}

TEST_F(GalleryTest, HoverHighlightsAndPreviewsAndAClickPicks)
{
    CKTSmartPtr<CKTControlGalleryItems> pItems = MakeItems(6, CSize(40, 30));
    CKTControlGallery* pGallery = ShowGallery(pItems, CSize(160, 90));
    m_pFrame->m_notifyCodes.clear();
    CTestInput bar(Bar()->GetSafeHwnd());
    CPoint ptSecond = InBar(pGallery->GetItemDrawRect(1).CenterPoint());
    CPoint ptThird = InBar(pGallery->GetItemDrawRect(2).CenterPoint());
    CPoint ptOut = InBar(CPoint(pGallery->GetItemDrawRect(1).left + 2, pGallery->GetItemDrawRect(1).top + 2));
    CPoint pt = ptOut;
    Bar()->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    ASSERT_TRUE(PumpUntil([&] { return pGallery->GetHotItem() == 1; }));
    pt = ptSecond;
    Bar()->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    ASSERT_TRUE(PumpUntil([&] { return Count(KTN_GALLERY_PREVIEWBEGIN) == 1; }, 3000)) << "the hover opens a preview";
    EXPECT_EQ(1u, Count(KTN_GALLERY_PREVIEWCHANGE));
    pt = ptThird;
    Bar()->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    ASSERT_TRUE(PumpUntil([&] { return pGallery->GetHotItem() == 2; }));
    EXPECT_EQ(2u, Count(KTN_GALLERY_PREVIEWCHANGE)) << "a new hot item changes the preview";

    m_pFrame->m_commands.clear();
    m_pFrame->m_notifyCodes.clear();
    ASSERT_TRUE(bar.Click(ptThird));
    ASSERT_TRUE(PumpUntil([&] { return !m_pFrame->m_commands.empty(); }));
    EXPECT_EQ((UINT)ID_TEST_ENABLED, m_pFrame->m_commands[0]);
    ASSERT_FALSE(m_pFrame->m_notifyCodes.empty());
    EXPECT_EQ((UINT)KTN_GALLERY_PREVIEWAPPLY, m_pFrame->m_notifyCodes[0]) << "the preview is applied first";
    EXPECT_EQ(0u, Count(KTN_GALLERY_PREVIEWCANCEL));
}

TEST_F(GalleryTest, TheScrollBarPagesAndRepeatsWhileHeld)
{
    CKTSmartPtr<CKTControlGalleryItems> pItems = MakeItems(40, CSize(40, 20));
    CKTControlGallery* pGallery = ShowGallery(pItems, CSize(80 + ::GetSystemMetrics(SM_CXVSCROLL), 60));
    ASSERT_EQ(400, pGallery->GetContentHeight());
    const KT_SCROLLBARPOSINFO& spi = pGallery->GetPosInfo();
    CPoint ptPageDown(spi.rc.CenterPoint().x, spi.pxDownArrow - 2);
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(InBar(ptPageDown)));
    EXPECT_EQ(60, pGallery->GetScrollPos()) << "a page is the items' height";
    CPoint ptDown(spi.rc.CenterPoint().x, spi.pxBottom - 3);
    ASSERT_TRUE(bar.Click(InBar(ptDown)));
    EXPECT_EQ(80, pGallery->GetScrollPos()) << "an arrow moves one item";
    EXPECT_EQ(-1, pGallery->HitTestItem(pGallery->GetItemDrawRect(0).CenterPoint())) << "scrolled out of view";

    CLoopInput hold(Bar()->GetSafeHwnd());
    hold.Press(InBar(ptDown))
        .AwaitCapture(m_pPopup->GetSafeHwnd())
        .Await([&] { return pGallery->GetScrollPos() >= 200; })
        .Release();
    ASSERT_TRUE(hold.Run());
    EXPECT_EQ(NULL, ::GetCapture());
    ASSERT_TRUE(bar.Click(InBar(CPoint(spi.rc.CenterPoint().x, spi.pxTop + 3))));
    EXPECT_LT(pGallery->GetScrollPos(), 200);
    pGallery->SetScrollPos(1000);
    EXPECT_EQ(400 - 60, pGallery->GetScrollPos()) << "never past the content";

    // The wheel scrolls the gallery that holds the keys by three items a notch.
    m_pPopup->SetSelected(0, 2);
    ASSERT_TRUE(bar.Wheel(InBar(pGallery->GetItemsRect().CenterPoint()), WHEEL_DELTA));
    EXPECT_EQ(400 - 60 - 3 * 20, pGallery->GetScrollPos());
}

// The flat and the classic looks fill the track as the bar window's default procedure asks: the system's checkered
// face and highlight, not a plain scroll-bar colour.
TEST_F(GalleryTest, TheTrackIsCheckeredInFaceAndHighlight)
{
    CKTSmartPtr<CKTControlGalleryItems> pItems = MakeItems(40, CSize(40, 20));
    CKTControlGallery* pGallery = ShowGallery(pItems, CSize(80 + ::GetSystemMetrics(SM_CXVSCROLL), 90));
    const KT_SCROLLBARPOSINFO& spi = pGallery->GetPosInfo();
    ASSERT_GT(spi.pxDownArrow - spi.pxThumbBottom, 4);
    const CPoint pt(spi.rc.CenterPoint().x, (spi.pxThumbBottom + spi.pxDownArrow) / 2);
    const std::vector<COLORREF> checkered{::GetSysColor(COLOR_3DFACE), ::GetSysColor(COLOR_3DHIGHLIGHT)};
    for (int nStyle : {1, 2})
    {
        pGallery->SetScrollBarStyle(nStyle);
        CTestSurface surface(spi.rc.right + 2, spi.rc.bottom + 2, RGB(1, 2, 3));
        surface.DC()->SetTextColor(RGB(9, 8, 7));
        pGallery->GetGalleryPaintManager()->DrawScrollBar(surface.DC(), pGallery);
        std::vector<COLORREF> pixels{surface.Pixel(pt.x, pt.y), surface.Pixel(pt.x + 1, pt.y)};
        std::vector<COLORREF> below{surface.Pixel(pt.x, pt.y + 1), surface.Pixel(pt.x + 1, pt.y + 1)};
        std::sort(pixels.begin(), pixels.end());
        std::sort(below.begin(), below.end());
        std::vector<COLORREF> expected = checkered;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(expected, pixels) << "style " << nStyle;
        EXPECT_EQ(expected, below) << "style " << nStyle;
        EXPECT_NE(surface.Pixel(pt.x, pt.y), surface.Pixel(pt.x, pt.y + 1)) << "one pixel apart: a checkerboard";
        EXPECT_EQ(RGB(9, 8, 7), surface.DC()->GetTextColor()) << "the DC's colours are put back";
    }
}

TEST_F(GalleryTest, AShiftClickOnThePageAreaCentresTheThumbOnThePointer)
{
    // Held before the popup opens, on the window that has the keys: the popup's tracking takes keys that come
    // while it is open.
    CTestInput bar(Bar()->GetSafeHwnd());
    CHeldKeys shift(CTestInput::kShift);
    ASSERT_TRUE(shift.IsHeld());
    CKTSmartPtr<CKTControlGalleryItems> pItems = MakeItems(40, CSize(40, 20));
    CKTControlGallery* pGallery = ShowGallery(pItems, CSize(80 + ::GetSystemMetrics(SM_CXVSCROLL), 60));
    const KT_SCROLLBARPOSINFO spi = pGallery->GetPosInfo();
    const int pxClick = (spi.pxThumbBottom + spi.pxDownArrow) / 2;
    ASSERT_GT(pxClick - spi.cpxThumb / 2, spi.pxThumbBottom) << "the jump must be told from a page";
    ASSERT_TRUE(bar.Click(InBar(CPoint(spi.rc.CenterPoint().x, pxClick))));
    EXPECT_EQ(pGallery->PosFromPx(pxClick - spi.cpxThumb / 2), pGallery->GetScrollPos());
    EXPECT_EQ(pxClick - spi.cpxThumb / 2, pGallery->GetPosInfo().pxThumbTop);
}

// Over an item the tip is the item's, for the item's rectangle, and moving to another item makes a new tip.
TEST_F(GalleryTest, EachItemHasATooltipOfItsOwn)
{
    CKTSmartPtr<CKTControlGalleryItems> pItems = MakeItems(3, CSize(40, 20));
    pItems->GetItem(0)->SetTooltip("First item");
    pItems->GetItem(1)->SetTooltip("Second item");
    auto* pGallery = static_cast<CKTControlGallery*>(Bar()->GetControls()->Add(ktControlGallery, ID_TEST_ENABLED));
    pGallery->SetItems(pItems);
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    CKTToolTipController* pTips = m_pCommandBars->GetToolTipContext();
    const auto hover = [&](int nItem)
    {
        CPoint pt = pGallery->GetItemDrawRect(nItem).CenterPoint();
        Bar()->ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        return PumpUntil([&] { return pTips->GetLastHit() == 101 + nItem; });
    };
    ASSERT_TRUE(hover(1)) << "the tool is the item: its id + 1";
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    const CPoint pt = pGallery->GetItemDrawRect(1).CenterPoint();
    ASSERT_EQ(101 + 1, Bar()->OnToolHitTest(pt, &ti));
    EXPECT_STREQ("Second item", ti.lpszText);
    EXPECT_EQ(pGallery->GetItemDrawRect(1), CRect(ti.rect));
    CKTToolTipController::FreeToolInfo(&ti);
    ASSERT_TRUE(hover(0)) << "a new item, a new tip";
}

TEST_F(GalleryTest, KeysMoveTheHotItemByRowsAndColumns)
{
    CKTSmartPtr<CKTControlGalleryItems> pItems = MakeItems(6, CSize(40, 30));
    CKTControlGallery* pGallery = ShowGallery(pItems, CSize(120 + ::GetSystemMetrics(SM_CXVSCROLL), 40));
    m_pPopup->SetSelected(0, 2);
    EXPECT_EQ(0, pGallery->GetHotItem()) << "selected by the keys, the first item is hot";
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Key(VK_RIGHT));
    EXPECT_EQ(1, pGallery->GetHotItem());
    ASSERT_TRUE(bar.Key(VK_DOWN));
    EXPECT_EQ(4, pGallery->GetHotItem()) << "three to a row";
    ASSERT_TRUE(bar.Key(VK_RIGHT));
    ASSERT_TRUE(bar.Key(VK_RIGHT));
    EXPECT_EQ(3, pGallery->GetHotItem()) << "past the row's end, back to its start";
    ASSERT_TRUE(bar.Key(VK_END));
    EXPECT_EQ(5, pGallery->GetHotItem());
    EXPECT_GT(pGallery->GetScrollPos(), 0) << "the hot item is scrolled into view";
}

// Items that changed since the last layout: the keys never read a record an item lacks, and a gallery given new
// items off its bar lays them out when placed again, even where it stood before.
TEST_F(GalleryTest, ItemsChangedSinceTheLayoutAreLaidOutBeforeUse)
{
    CKTSmartPtr<CKTControlGalleryItems> pItems = MakeItems(3, CSize(40, 30));
    CKTControlGallery* pGallery = ShowGallery(pItems, CSize(120 + ::GetSystemMetrics(SM_CXVSCROLL), 40));
    pItems->AddItem("Late", 200);
    EXPECT_EQ(0, pGallery->GetColumnNeighbour(3, 1)) << "an item without a record starts from the first";
    EXPECT_EQ(pGallery->GetPageItem(-1, -1), pGallery->GetPageItem(3, -1));

    const CRect rc = pGallery->GetRect();
    CKTCommandBar* pBar = pGallery->GetParent();
    pGallery->SetParent(NULL);
    pGallery->SetItems(MakeItems(5, CSize(40, 30)));
    pItems = NULL;
    pGallery->SetParent(pBar);
    pGallery->SetRect(rc);
    const CPoint o = pGallery->GetItemsRect().TopLeft();
    EXPECT_EQ(CRect(o.x + 40, o.y + 30, o.x + 80, o.y + 40), pGallery->GetItemDrawRect(4));
    EXPECT_EQ(60, pGallery->GetContentHeight());
}

// The items on the command's action, none on the gallery: they are drawn, scrolled by and moved through alike.
TEST_F(GalleryTest, AGalleryShowsTheItemsItsActionCarries)
{
    CKTSmartPtr<CKTControlGalleryItems> pItems = MakeItems<CMarkedItems>(40, CSize(40, 20));
    m_pCommandBars->EnableActions(TRUE);
    m_pCommandBars->CreateAction(ID_TEST_ENABLED)->SetGalleryItems(pItems);
    CKTControlGallery* pGallery = ShowGallery(NULL, CSize(80 + ::GetSystemMetrics(SM_CXVSCROLL), 60));
    ASSERT_EQ(pItems.GetInterface(), pGallery->GetItems());
    ASSERT_EQ(400, pGallery->GetContentHeight());

    {
        // Whatever the screen held there before must not pass for the items.
        CClientDC dc(m_pPopup);
        dc.FillSolidRect(pGallery->GetItemsRect(), RGB(0, 255, 0));
    }
    m_pPopup->Invalidate(FALSE);
    CPixelImage image = CPixelImage::FromWindow(m_pPopup->GetSafeHwnd());
    const CRect rcFirst = pGallery->GetItemDrawRect(0), rcSecond = pGallery->GetItemDrawRect(1);
    EXPECT_EQ(kMarked, image.Pixel(rcFirst.CenterPoint().x, rcFirst.CenterPoint().y)) << "the collection's drawing";
    int nCaption = 0;
    for (int y = rcSecond.top + 1; y < rcSecond.bottom - 1; y++)
        for (int x = rcSecond.left + 1; x < rcSecond.right - 1; x++)
            nCaption += image.Pixel(x, y) != image.Pixel(rcSecond.left + 1, rcSecond.top + 1);
    EXPECT_GT(nCaption, 0) << "the item's own drawing, its caption";

    m_pPopup->SetSelected(0, 2);
    ASSERT_EQ(0, pGallery->GetHotItem());
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Key(VK_RIGHT));
    EXPECT_EQ(1, pGallery->GetHotItem()) << "two to a row";
    ASSERT_TRUE(bar.Key(VK_RIGHT));
    EXPECT_EQ(0, pGallery->GetHotItem()) << "past the row's end, back to its start";
    ASSERT_TRUE(bar.Key(VK_LEFT));
    EXPECT_EQ(1, pGallery->GetHotItem());

    // Only the two items whose look changed are drawn again.
    m_pPopup->ValidateRect(NULL);
    pGallery->SetHotItem(0);
    CRect rcUpdate;
    m_pPopup->GetUpdateRect(&rcUpdate);
    EXPECT_EQ(rcFirst | rcSecond, rcUpdate);

    const KT_SCROLLBARPOSINFO& spi = pGallery->GetPosInfo();
    ASSERT_TRUE(bar.Click(InBar(CPoint(spi.rc.CenterPoint().x, spi.pxBottom - 3))));
    EXPECT_EQ(20, pGallery->GetScrollPos()) << "an arrow moves one item";
    ASSERT_TRUE(bar.Wheel(InBar(pGallery->GetItemsRect().CenterPoint()), -WHEEL_DELTA));
    EXPECT_EQ(20 + 3 * 20, pGallery->GetScrollPos()) << "a notch moves three";
}

TEST_F(GalleryTest, AComboBoxGalleryPreviewsTheHoveredItemAndTakesThePick)
{
    CKTSmartPtr<CKTControlGalleryItems> pItems = MakeItems(4, CSize(50, 24));
    CKTControlComboBox* pCombo = AddComboGallery(pItems, 2);
    auto* pPopup = static_cast<CKTControlComboBoxGalleryPopupBar*>(pCombo->GetCommandBar());
    CKTControlGallery* pGallery = pPopup->GetGallery();

    CTestInput bar(Bar()->GetSafeHwnd());
    CRect rcCombo = pCombo->GetRect();
    m_pFrame->m_notifyCodes.clear();
    ASSERT_TRUE(bar.Click(CPoint(rcCombo.right - 5, rcCombo.CenterPoint().y)));
    ASSERT_TRUE(PumpUntil([&] { return pPopup->IsVisible(); }));
    EXPECT_EQ(1u, Count(CBN_DROPDOWN));
    // The drop-down opens with its first item hot and previewed, as a keyboard user finds it.
    EXPECT_EQ(0, pGallery->GetHotItem());
    EXPECT_EQ(1u, Count(KTN_GALLERY_PREVIEWBEGIN));
    CPoint ptItem = pGallery->GetItemDrawRect(3).CenterPoint();
    pPopup->ClientToScreen(&ptItem);
    ::SetCursorPos(ptItem.x, ptItem.y);
    ASSERT_TRUE(PumpUntil([&] { return pGallery->GetHotItem() == 3; }));
    EXPECT_EQ(2u, Count(KTN_GALLERY_PREVIEWCHANGE)) << "the hovered item is previewed";
    EXPECT_EQ(1u, Count(KTN_GALLERY_PREVIEWBEGIN));
    EXPECT_EQ(3, pCombo->GetCurSel()) << "the combo box reads the gallery's hot item";

    m_pFrame->m_commands.clear();
    Bar()->ScreenToClient(&ptItem);
    ASSERT_TRUE(bar.Click(ptItem));
    ASSERT_TRUE(PumpUntil([&] { return !pPopup->IsVisible(); }));
    EXPECT_EQ(CString("Item 3"), pCombo->GetListBoxText()) << "the pick stays the selection";
    EXPECT_EQ(CString("Item 3"), pCombo->GetEditText());
    ASSERT_FALSE(m_pFrame->m_commands.empty());
    EXPECT_EQ((UINT)ID_TEST_ENABLED, m_pFrame->m_commands.back()) << "the combo box's command";
    EXPECT_EQ(1u, Count(CBN_SELENDOK));
}

// Typing the start of an item below the view scrolls the drop-down so that the item stands at its top.
TEST_F(GalleryTest, AComboBoxGalleryBringsTheItemTypedBelowTheViewToItsTop)
{
    CKTSmartPtr<CKTControlGalleryItems> pItems = KTMakeCounted<CKTControlGalleryItems>();
    pItems->SetItemSize(CSize(80, 24));
    int nId = 100;
    for (LPCSTR lpszCaption : {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel", "india"})
        pItems->AddItem(lpszCaption, nId++);
    CKTControlComboBox* pCombo = AddComboGallery(pItems, 1);
    pCombo->SetDropDown(TRUE);
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    auto* pPopup = static_cast<CKTControlComboBoxGalleryPopupBar*>(pCombo->GetCommandBar());
    CKTControlGallery* pGallery = pPopup->GetGallery();

    CTestInput bar(Bar()->GetSafeHwnd());
    CRect rcField;
    pCombo->GetEditCtrl()->GetWindowRect(&rcField);
    Bar()->ScreenToClient(&rcField);
    ASSERT_TRUE(bar.Click(rcField.CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pCombo->IsFocused(); }));
    ASSERT_TRUE(bar.Key(VK_DOWN, CTestInput::kAlt));
    ASSERT_TRUE(PumpUntil([&] { return pPopup->IsVisible(); }));
    ASSERT_EQ(0, pGallery->GetScrollPos());
    ASSERT_TRUE(bar.Text("g"));
    ASSERT_TRUE(PumpUntil([&] { return pGallery->GetScrollPos() != 0; }));
    EXPECT_EQ(pGallery->GetItemsRect().top, pGallery->GetItemDrawRect(6).top) << "golf at the top";
    EXPECT_EQ(6 * 24, pGallery->GetScrollPos());
    EXPECT_EQ(-1, pGallery->GetHotItem()) << "in view, not chosen";
}

// A gallery on a tool bar under the themes that draw it from the style's images: its up and down buttons are drawn
// 21 and 19 pixels high in a column 15 wide, and a press or a hover on their lowest pixels is theirs.
class InPlaceGalleryTest : public CFrameFixture, public ::testing::WithParamInterface<int>
{
protected:
    InPlaceGalleryTest() : CFrameFixture(GetParam()) {}
    void TearDown() override
    {
        if (!m_pPopup.IsNull())
            m_pPopup->SetTrackingMode(ktTrackingNone);
        m_pPopup = NULL;
        CFrameFixture::TearDown();
    }
    // On the standard tool bar unless a bar is named.
    CKTControlGallery* AddGallery(CSize szItem = CSize(40, 20), CKTCommandBar* pBar = NULL)
    {
        if (!pBar)
            pBar = m_pFrame->m_pStandard;
        auto* pGallery = static_cast<CKTControlGallery*>(pBar->GetControls()->Add(ktControlGallery, ID_TEST_ENABLED));
        CKTSmartPtr<CKTControlGalleryItems> pItems = KTMakeCounted<CKTControlGalleryItems>();
        pItems->SetItemSize(szItem);
        for (int i = 0; i < 30; i++)
            pItems->AddItem("Item", 100 + i);
        pGallery->SetItems(pItems);
        m_pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
        pGallery->SetCommandBar(m_pPopup);
        pGallery->SetWidth(100);
        pGallery->SetHeight(60);
        m_pCommandBars->RecalcFrameLayout();
        PumpMessages();
        return pGallery;
    }
    // The gallery's rows end at its items' right edge, which the theme's column of buttons decides.
    static void ExpectRowsFitTheColumn(CKTControlGallery* pGallery)
    {
        for (int i : {0, pGallery->GetItemCount() - 1})
            EXPECT_EQ(pGallery->GetItemsRect().right, pGallery->GetItemLayoutRect(i).right) << "item " << i;
    }
    // Switched to the application's theme and back, the gallery on the palette lays its rows out for each theme's
    // column of buttons by the time open shows the palette, unscrolled; with bAtTheChange already at the change,
    // before any layout of the palette.
    void ExpectPaletteFollowsTheTheme(CKTPopupBar* pPalette, CKTControlGallery* pGallery,
                                      const std::function<void()>& open, BOOL bAtTheChange = FALSE)
    {
        for (int nTheme : {(int)ktCommandBarsThemeFlatScheme, GetParam()})
        {
            SCOPED_TRACE(nTheme);
            CKTPaintManager::SetTheme(static_cast<KTCommandBarsTheme>(nTheme));
            m_pCommandBars->RedrawCommandBars();
            PumpMessages();
            if (bAtTheChange)
                ExpectRowsFitTheColumn(pGallery);
            open();
            ASSERT_TRUE(PumpUntil([&] { return pPalette->IsVisible(); }, kColdWineDeadlineMs));
            EXPECT_EQ(0, pGallery->GetScrollPos());
            const int nColumn = nTheme == ktCommandBarsThemeFlatScheme ? 16 : 15;
            EXPECT_EQ(nColumn, pGallery->GetPosInfo().rc.Width());
            ExpectRowsFitTheColumn(pGallery);
            pPalette->SetTrackingMode(ktTrackingNone);
            ASSERT_TRUE(PumpUntil([&] { return !pPalette->IsVisible(); }, kColdWineDeadlineMs));
        }
    }
    // Puts the cursor over the point of the bar and waits until the gallery lights the part.
    BOOL HoverLights(CKTControlGallery* pGallery, CPoint pt, int nPart)
    {
        m_pFrame->m_pStandard->ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        return PumpUntil([&] { return pGallery->GetHotPart() == nPart; });
    }

    CKTSmartPtr<CKTPopupBar> m_pPopup;
};

TEST_P(InPlaceGalleryTest, TheLowestPixelsOfEachButtonAreThatButtons)
{
    CKTControlGallery* pGallery = AddGallery();
    const KT_SCROLLBARPOSINFO& spi = pGallery->GetPosInfo();
    ASSERT_EQ(15, spi.rc.Width()) << "three buttons in the drawn column";
    const int x = spi.rc.CenterPoint().x, yUp = spi.pxTop + 20, yDown = spi.pxTop + 21 + 18;
    ASSERT_GT(spi.pxBottom, yDown + 1);

    EXPECT_TRUE(HoverLights(pGallery, CPoint(x, yUp), ktScrollUpArrow));
    EXPECT_TRUE(HoverLights(pGallery, CPoint(x, yDown), ktScrollDownArrow));
    EXPECT_TRUE(HoverLights(pGallery, CPoint(x, yDown + 1), ktScrollPopup));

    pGallery->SetScrollPos(100);
    CTestInput input(m_pFrame->m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Click(CPoint(x, yUp)));
    ASSERT_TRUE(PumpUntil([&] { return pGallery->GetScrollPos() != 100; }));
    EXPECT_LT(pGallery->GetScrollPos(), 100) << "the up button scrolls up";
    const int nPos = pGallery->GetScrollPos();
    ASSERT_TRUE(input.Click(CPoint(x, yDown)));
    ASSERT_TRUE(PumpUntil([&] { return pGallery->GetScrollPos() != nPos || m_pPopup->IsWindowVisible(); }));
    EXPECT_GT(pGallery->GetScrollPos(), nPos) << "the down button scrolls down";
    EXPECT_FALSE(m_pPopup->IsWindowVisible()) << "and opens no popup";
}

// Switched to the application's theme and back, the gallery's rows take each theme's column of buttons at once,
// though its own rectangle stays as it was.
TEST_P(InPlaceGalleryTest, AThemeChangeLaysTheRowsOutForTheNewThemesButtons)
{
    CKTControlGallery* pGallery = AddGallery(CSize(0, 20));
    for (int nTheme : {(int)ktCommandBarsThemeFlatScheme, GetParam()})
    {
        SCOPED_TRACE(nTheme);
        const CRect rcGallery = pGallery->GetRect();
        CKTPaintManager::SetTheme(static_cast<KTCommandBarsTheme>(nTheme));
        m_pCommandBars->RedrawCommandBars();
        ASSERT_EQ(rcGallery, pGallery->GetRect());
        const int nColumn = nTheme == ktCommandBarsThemeFlatScheme ? 16 : 15;
        EXPECT_EQ(nColumn, pGallery->GetPosInfo().rc.Width());
        for (int i : {0, 1, pGallery->GetItemCount() - 1})
            EXPECT_EQ(pGallery->GetItemsRect().right, pGallery->GetItemLayoutRect(i).right) << "item " << i;
    }
}

// A gallery on a palette that a tool bar's entry drops down is laid out for the new theme too, though no frame's bar
// lists it and its rectangle in the palette stays as it was.
TEST_P(InPlaceGalleryTest, AThemeChangeLaysOutAGalleryOnADroppedDownPalette)
{
    auto* pOpener = static_cast<CKTControlPopup*>(m_pFrame->m_pStandard->GetControls()->Add(ktControlPopup, 0));
    pOpener->SetCaption("Styles");
    CKTSmartPtr<CKTPopupToolBar> pPalette = CKTPopupToolBar::CreatePopupToolBar(m_pCommandBars);
    pOpener->SetCommandBar(pPalette);
    CKTControlGallery* pGallery = AddGallery(CSize(0, 20), pPalette);
    CTestInput input(m_pFrame->m_pStandard->GetSafeHwnd());
    ExpectPaletteFollowsTheTheme(pPalette, pGallery,
                                 [&] { EXPECT_TRUE(input.Click(pOpener->GetRect().CenterPoint())); });
}

// A palette registered only as a context menu, which no control drops down, lays its gallery out for the new theme
// too: at the change itself, before the palette next opens and lays out, and so when it opens, with no scroll to
// make it.
TEST_P(InPlaceGalleryTest, AThemeChangeLaysOutAGalleryOnAContextMenuPalette)
{
    CKTSmartPtr<CKTPopupToolBar> pPalette = CKTPopupToolBar::CreatePopupToolBar(m_pCommandBars);
    m_pCommandBars->AddContextMenu(pPalette);
    CKTControlGallery* pGallery = AddGallery(CSize(0, 20), pPalette);
    CRect rcFrame;
    m_pFrame->GetWindowRect(&rcFrame);
    const auto open = [&] { EXPECT_TRUE(pPalette->PopupAt(rcFrame.left + 40, rcFrame.top + 80)); };
    // Opened once first, so that the gallery has its place on the palette.
    open();
    ASSERT_TRUE(PumpUntil([&] { return pPalette->IsVisible(); }, kColdWineDeadlineMs));
    pPalette->SetTrackingMode(ktTrackingNone);
    ASSERT_TRUE(PumpUntil([&] { return !pPalette->IsVisible(); }, kColdWineDeadlineMs));
    ExpectPaletteFollowsTheTheme(pPalette, pGallery, open, TRUE);
}

// A palette shown only by the program, neither a context menu nor any control's drop-down, which no theme change
// reaches: its gallery lays out for the new theme when it next opens.
TEST_P(InPlaceGalleryTest, AThemeChangeLaysOutAGalleryOnAPaletteOnlyTheProgramShows)
{
    CKTSmartPtr<CKTPopupToolBar> pPalette = CKTPopupToolBar::CreatePopupToolBar(m_pCommandBars);
    CKTControlGallery* pGallery = AddGallery(CSize(0, 20), pPalette);
    CRect rcFrame;
    m_pFrame->GetWindowRect(&rcFrame);
    ExpectPaletteFollowsTheTheme(pPalette, pGallery,
                                 [&] { EXPECT_TRUE(pPalette->PopupAt(rcFrame.left + 40, rcFrame.top + 80)); });
}

// A theme change ends on a palette holding an entry that drops the palette down again.
TEST_P(InPlaceGalleryTest, AThemeChangeEndsOnAPaletteThatOpensItselfAgain)
{
    CKTSmartPtr<CKTPopupToolBar> pPalette = CKTPopupToolBar::CreatePopupToolBar(m_pCommandBars);
    static_cast<CKTControlPopup*>(m_pFrame->m_pStandard->GetControls()->Add(ktControlPopup, 0))
        ->SetCommandBar(pPalette);
    auto* pAgain = static_cast<CKTControlPopup*>(pPalette->GetControls()->Add(ktControlPopup, 0));
    pAgain->SetCommandBar(pPalette);
    CKTPaintManager::SetTheme(ktCommandBarsThemeFlatScheme);
    m_pCommandBars->RedrawCommandBars();
    pAgain->SetCommandBar(NULL);  // the bars hold each other
}

// Scrolled to its end, a gallery made wider holds fewer rows: the view moves up to the new end and shows no empty
// rows below the last item.
TEST_P(InPlaceGalleryTest, AWiderGalleryScrolledToItsEndStaysOnItsContent)
{
    CKTControlGallery* pGallery = AddGallery();
    pGallery->SetScrollPos(pGallery->GetContentHeight());
    const int nLast = pGallery->GetItemCount() - 1;
    ASSERT_GT(pGallery->GetScrollPos(), 0);
    pGallery->SetWidth(2 * pGallery->GetRect().Width());
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    const int nHeight = pGallery->GetItemsRect().Height();
    ASSERT_LT(nHeight, pGallery->GetContentHeight()) << "still more rows than shown";
    EXPECT_EQ(pGallery->GetContentHeight() - nHeight, pGallery->GetScrollPos());
    EXPECT_EQ(pGallery->GetItemsRect().bottom, pGallery->GetItemDrawRect(nLast).bottom);
}

INSTANTIATE_TEST_SUITE_P(StyleImageThemes, InPlaceGalleryTest,
                         ::testing::Values(ktCommandBarsThemeStyleResources, ktCommandBarsThemeRibbon));
