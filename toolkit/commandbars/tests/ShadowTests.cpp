// ShadowTests.cpp: popup shadows: the strips' places and styles on a themed frame, and their alpha ramps.
#include "CommandBarsTestApp.h"
#include "CommandBarsTestsRes.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTMenuBar.h"
#include "KTShadowImage.h"
#include "KTShadowWindow.h"
#include "MessagePump.h"
#include "TestFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
DWORD Alpha(DWORD dw) { return dw >> 24; }

// The live strips in the order they were made.
std::vector<CKTShadowWindow*> Strips()
{
    std::vector<CKTShadowWindow*> strips;
    const CKTShadowList& list = KTShadowManager()->GetShadows();
    for (POSITION pos = list.GetHeadPosition(); pos;)
        strips.push_back(list.GetNext(pos));
    return strips;
}

// Turns the system's drop shadows on for the test, as a user with shadows would have them.
class CDropShadowSetting
{
public:
    CDropShadowSetting()
    {
        ::SystemParametersInfo(SPI_GETDROPSHADOW, 0, &m_bOld, 0);
        ::SystemParametersInfo(SPI_SETDROPSHADOW, 0, (PVOID)TRUE, 0);
    }
    ~CDropShadowSetting() { ::SystemParametersInfo(SPI_SETDROPSHADOW, 0, (PVOID)(INT_PTR)m_bOld, 0); }
    CDropShadowSetting(const CDropShadowSetting&) = delete;
    CDropShadowSetting& operator=(const CDropShadowSetting&) = delete;

private:
    BOOL m_bOld = FALSE;
};
}  // namespace

TEST(ShadowImage, RampsDarkenTowardsThePopupAndSoftenAtTheCorners)
{
    const COLORREF clr = RGB(200, 100, 40);
    std::vector<DWORD> vertical = KTBuildShadowImage(4, 10, FALSE, clr, FALSE);
    // Below the corner block: by column, 4 next to the popup.
    EXPECT_EQ(0x78000000u | (200u << 16) | (100u << 8) | 40u, vertical[6 * 4 + 0]) << "alpha 15 x 2 x 4, full colour";
    EXPECT_EQ(30u, Alpha(vertical[6 * 4 + 3]));
    EXPECT_EQ(6u, Alpha(vertical[0 * 4 + 3])) << "outer top corner: 3 x 2 x 1 x 1";
    EXPECT_EQ(96u, Alpha(vertical[3 * 4 + 0])) << "inner corner cell: 3 x 2 x 4 x 4";

    std::vector<DWORD> horizontal = KTBuildShadowImage(12, 4, TRUE, clr, TRUE);
    EXPECT_EQ(60u, Alpha(horizontal[0 * 12 + 6])) << "half strength, row next to the popup: 15 x 1 x 4";
    EXPECT_EQ(15u, Alpha(horizontal[3 * 12 + 6]));
    EXPECT_EQ(Alpha(horizontal[2 * 12 + 1]), Alpha(horizontal[2 * 12 + 10])) << "the ends mirror each other";
    EXPECT_EQ(3u, Alpha(horizontal[3 * 12 + 0]));
}

TEST(PopupShadows, AnOpenPopupCastsLayeredStripsBesideItAndTheyGoWithIt)
{
    CDropShadowSetting shadows;
    CTestFrame* pFrame = CTestFrame::Create(4);
    ASSERT_TRUE(pFrame != NULL);
    PumpMessages();
    CKTMenuBar* pMenuBar = pFrame->GetCommandBars()->GetMenuBar();
    ASSERT_TRUE(pMenuBar->SetPopuped(0));
    CKTCommandBar* pPopup = pMenuBar->GetControl(0)->GetCommandBar();
    CRect rcPopup;
    pPopup->GetWindowRect(rcPopup);

    const std::vector<CKTShadowWindow*> strips = Strips();
    ASSERT_EQ(4u, strips.size()) << "the popup's two strips, then its menu entry's";
    ASSERT_TRUE(KTShadowManager()->IsLayered());
    CRect rcBelow, rcRight, rcEntryRight;
    strips[0]->GetWindowRect(rcBelow);
    strips[1]->GetWindowRect(rcRight);
    EXPECT_EQ(CRect(rcPopup.left + 4, rcPopup.bottom, rcPopup.right + 4, rcPopup.bottom + 4), rcBelow);
    EXPECT_EQ(CRect(rcPopup.right, rcPopup.top + 4, rcPopup.right + 4, rcPopup.bottom), rcRight);
    CRect rcEntry = pMenuBar->GetControl(0)->GetRect();
    pMenuBar->ClientToScreen(rcEntry);
    strips[3]->GetWindowRect(rcEntryRight);
    EXPECT_EQ(CRect(rcEntry.right, rcEntry.top + 4, rcEntry.right + 4, rcEntry.bottom), rcEntryRight);
    for (CKTShadowWindow* pStrip : strips)
    {
        EXPECT_EQ((DWORD)(WS_EX_LAYERED | WS_EX_TOOLWINDOW), pStrip->GetExStyle() & (WS_EX_LAYERED | WS_EX_TOOLWINDOW));
        EXPECT_TRUE(pStrip->IsWindowVisible());
    }

    pMenuBar->SetPopuped(-1);
    EXPECT_TRUE(KTShadowManager()->GetShadows().IsEmpty()) << "closing the popup removes its strips";
    pFrame->DestroyWindow();
    PumpMessages();
}

TEST(PopupShadows, TheSystemMenuIconOfAMaximisedChildCastsNoShadowOfItsOwn)
{
    CDropShadowSetting shadows;
    CTestFrame* pFrame = CTestFrame::Create(4);
    ASSERT_TRUE(pFrame != NULL);
    CMDIChildWnd* pChild = new CMDIChildWnd;
    ASSERT_TRUE(
        pChild->Create(NULL, "Child", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, pFrame));
    pChild->MDIMaximize();
    CKTMenuBar* pMenuBar = pFrame->GetCommandBars()->GetMenuBar();
    ASSERT_TRUE(
        PumpUntil([pMenuBar] { return pMenuBar->GetControls()->FindControl(KT_ID_MDI_SYSMENU) != NULL; }, 2000));
    CKTControl* pIcon = pMenuBar->GetControls()->FindControl(KT_ID_MDI_SYSMENU);
    ASSERT_TRUE(pMenuBar->SetPopuped(pIcon->GetIndex()));
    EXPECT_EQ(2u, Strips().size()) << "only the menu's own strips";
    pMenuBar->SetPopuped(-1);
    pFrame->DestroyWindow();
    PumpMessages();
}

TEST(PopupShadows, ClosingASubMenuRemovesOnlyItsStripsAndLeavesTheOthersInOrder)
{
    CDropShadowSetting shadows;
    CTestFrame* pFrame = CTestFrame::Create(4);
    ASSERT_TRUE(pFrame != NULL);
    PumpMessages();
    CKTMenuBar* pMenuBar = pFrame->GetCommandBars()->GetMenuBar();
    CKTCommandBar* pPopup = pMenuBar->GetControl(0)->GetCommandBar();
    CKTControl* pSubEntry = pPopup->GetControls()->Add(ktControlPopup, 0);
    pSubEntry->SetCaption("More");
    pSubEntry->GetCommandBar()->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("Enabled");
    ASSERT_TRUE(pMenuBar->SetPopuped(0));
    const std::vector<CKTShadowWindow*> before = Strips();
    ASSERT_EQ(4u, before.size());

    ASSERT_TRUE(pPopup->SetPopuped(pSubEntry->GetIndex()));
    const std::vector<CKTShadowWindow*> opened = Strips();
    ASSERT_EQ(6u, opened.size()) << "the sub-menu's two strips follow";
    EXPECT_EQ(before, std::vector<CKTShadowWindow*>(opened.begin(), opened.begin() + 4));
    EXPECT_EQ(pSubEntry->GetCommandBar(), opened[4]->GetOwnerBar());

    pPopup->SetPopuped(-1);
    EXPECT_EQ(before, Strips()) << "the menu's strips stay, in the order they were made";
    pMenuBar->SetPopuped(-1);
    pFrame->DestroyWindow();
    PumpMessages();
}
