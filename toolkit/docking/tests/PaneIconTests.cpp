// Pane icons: a bitmap strip fills the manager's store, and a pane's icon shows on its tab, on its strip tab when
// hidden, and before its title when captions show icons.
#include <vector>

#include "DockingGroupTest.h"
#include "DockingTestResources.h"
#include "KTDockingPaneAutoHidePanel.h"
#include "KTDockingPanePaintManager.h"
#include "KTImageManager.h"
#include "KTTabManagerItem.h"
#include "KTTabPainter.h"
#include "NearColor.h"
#include "PixelImage.h"

namespace
{
class DockingPaneIcons : public DockingGroupTest
{
protected:
    // Pixels of the colour in the rectangle of the window as it is drawn now.
    static int CountColor(CWnd* pWnd, const CRect& rc, COLORREF clr)
    {
        pWnd->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        CPixelImage image = CPixelImage::FromWindow(pWnd->GetSafeHwnd());
        int nCount = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                nCount += NearColor(image.Pixel(x, y), clr);
        return nCount;
    }
};

const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0);
const int kIcons[] = {701, 702};
}  // namespace

TEST_F(DockingPaneIcons, StripMustHoldExactlyTheImagesNamed)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    const int kThree[] = {701, 702, 703};
    EXPECT_FALSE(manager.SetIcons(KT_IDB_TEST_PANE_ICONS, kThree, 3, RGB(255, 0, 255)));
    EXPECT_FALSE(manager.GetIcon(703));
    const int kSkipFirst[] = {0, 702};
    ASSERT_TRUE(manager.SetIcons(KT_IDB_TEST_PANE_ICONS, kSkipFirst, 2, RGB(255, 0, 255)));
    EXPECT_FALSE(manager.GetIcon(701)) << "an id of 0 takes no icon";
    EXPECT_TRUE(manager.GetIcon(702));
}

TEST_F(DockingPaneIcons, IconsShowOnTabsOnStripTabsAndInCaptionsThatAskForThem)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    ASSERT_TRUE(manager.SetIcons(KT_IDB_TEST_PANE_ICONS, kIcons, 2, RGB(255, 0, 255)));
    m_frame.Layout();
    CRect rcFirst = TabRect(0), rcSecond = TabRect(1);
    EXPECT_GT(CountColor(m_pGroup, rcFirst, kRed), 50);
    EXPECT_EQ(0, CountColor(m_pGroup, rcFirst, kGreen));
    EXPECT_GT(CountColor(m_pGroup, rcSecond, kGreen), 50);

    CRect rcCaption(0, 0, 60, manager.GetPaintManager()->GetCaptionHeight() + 3);
    EXPECT_EQ(0, CountColor(m_pGroup, rcCaption, kRed)) << "captions show no icon by default";
    manager.GetPaintManager()->m_bDrawCaptionIcon = TRUE;
    EXPECT_GT(CountColor(m_pGroup, rcCaption, kRed), 50);

    manager.HidePane(manager.FindPane(702));
    m_frame.Layout();
    CKTDockingPaneAutoHidePanel* pPanel = manager.GetLayout()->GetPanel(ktDockLeft);
    ASSERT_TRUE(pPanel && pPanel->GetSafeHwnd());
    EXPECT_GT(CountColor(pPanel, pPanel->GetTabRect(manager.FindPane(702)), kGreen), 50);
}

namespace
{
const COLORREF kBlue = RGB(0, 0, 255), kYellow = RGB(255, 255, 0), kCyan = RGB(0, 255, 255);

// A 16 x 16 opaque image, its upper half in one colour and its lower half in another.
CKTAlphaBitmap HalvedImage(COLORREF clrTop, COLORREF clrBottom)
{
    std::vector<RGBQUAD> pixels(16 * 16);
    for (int nRow = 0; nRow < 16; ++nRow)  // stored from the bottom row up
        for (int x = 0; x < 16; ++x)
        {
            COLORREF clr = nRow < 8 ? clrBottom : clrTop;
            pixels[nRow * 16 + x] = {GetBValue(clr), GetGValue(clr), GetRValue(clr), 255};
        }
    CKTAlphaBitmap image;
    image.SetBits(16, 16, reinterpret_cast<const BYTE*>(pixels.data()), DWORD(pixels.size() * sizeof(RGBQUAD)));
    return image;
}
}  // namespace

// Each tab's icon shows the image of its state: selected, hot, disabled, else the normal one.
TEST_F(DockingPaneIcons, ATabsIconFollowsItsState)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    ASSERT_TRUE(manager.SetIcons(KT_IDB_TEST_PANE_ICONS, kIcons, 2, RGB(255, 0, 255)));
    manager.GetIcon(701)->SetImage(HalvedImage(kBlue, kBlue), ktImageChecked);
    manager.GetIcon(702)->SetImage(HalvedImage(kYellow, kYellow), ktImageHot);
    manager.GetIcon(702)->SetImage(HalvedImage(kCyan, kCyan), ktImageDisabled);
    manager.GetPaintManager()->GetContainerTabPainter()->m_bHotTracking = TRUE;
    m_frame.Layout();
    EXPECT_GT(CountColor(m_pGroup, TabRect(0), kBlue), 50) << "the selected tab: its selected image";
    EXPECT_EQ(0, CountColor(m_pGroup, TabRect(0), kRed));
    EXPECT_GT(CountColor(m_pGroup, TabRect(1), kGreen), 50) << "another tab: the normal image";

    CKTDockingPaneTabRow& tabs = m_pGroup->GetTabRow();
    ASSERT_TRUE(MoveTo(m_pGroup->GetSafeHwnd(), TabRect(1).CenterPoint(),
                       [&] { return tabs.GetHighlightedItem() == tabs.GetItem(1); }));
    EXPECT_GT(CountColor(m_pGroup, TabRect(1), kYellow), 50) << "under the mouse: the hot image";
    EXPECT_EQ(0, CountColor(m_pGroup, TabRect(1), kGreen));

    ASSERT_TRUE(MoveTo(m_pGroup->GetSafeHwnd(), {2, 2}, [&] { return tabs.GetHighlightedItem() == nullptr; }));
    Pane(702)->SetEnabled(ktPaneEnableActions);
    m_pGroup->UpdatePane(TRUE);
    EXPECT_GT(CountColor(m_pGroup, TabRect(1), kCyan), 50) << "a disabled tab: the disabled image";
    EXPECT_EQ(0, CountColor(m_pGroup, TabRect(1), kGreen));
}

// On a side strip the theme turns a square icon a quarter clockwise, as the caption runs down the strip.
TEST_F(DockingPaneIcons, ASquareIconIsTurnedOnASideStripWhenTheThemeAsks)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    ASSERT_TRUE(manager.SetIcons(KT_IDB_TEST_PANE_ICONS, kIcons, 2, RGB(255, 0, 255)));
    manager.GetIcon(702)->SetImage(HalvedImage(kRed, kGreen), ktImageNormal);
    CKTTabPainter* pPainter = manager.GetPaintManager()->GetPanelTabPainter();
    ASSERT_TRUE(pPainter->m_bRotateImagesOnVerticalStrips) << "the stickers theme turns them";
    manager.HidePane(Pane(702));
    m_frame.Layout();
    CKTDockingPaneAutoHidePanel* pPanel = manager.GetLayout()->GetPanel(ktDockLeft);
    ASSERT_TRUE(pPanel && pPanel->GetSafeHwnd());
    const CRect rcTab = pPanel->GetTabRect(Pane(702));
    ASSERT_GT(rcTab.Height(), rcTab.Width()) << "a tab of the side strip";
    const int xMiddle = rcTab.CenterPoint().x;
    const CRect rcLeft(rcTab.left, rcTab.top, xMiddle, rcTab.bottom),
        rcRight(xMiddle, rcTab.top, rcTab.right, rcTab.bottom);
    EXPECT_GT(CountColor(pPanel, rcRight, kRed), 50) << "the upper half turned to the right";
    EXPECT_LT(CountColor(pPanel, rcLeft, kRed), 8);
    EXPECT_GT(CountColor(pPanel, rcLeft, kGreen), 50) << "the lower half turned to the left";

    pPainter->m_bRotateImagesOnVerticalStrips = FALSE;
    EXPECT_GT(CountColor(pPanel, rcLeft, kRed), 30) << "upright, the upper half spans the tab's width";
    EXPECT_GT(CountColor(pPanel, rcRight, kRed), 30);
}
