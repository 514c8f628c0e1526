// Pane icons: a bitmap strip fills the manager's store, and a pane's icon shows on its tab, on its strip tab when
// hidden, and before its title when captions show icons.
#include "DockingGroupTest.h"
#include "DockingTestResources.h"
#include "KTDockingPaneAutoHidePanel.h"
#include "KTDockingPanePaintManager.h"
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
