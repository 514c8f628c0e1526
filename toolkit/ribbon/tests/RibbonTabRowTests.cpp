// RibbonTabRowTests.cpp: what the ribbon places and draws beside its tabs: a maximised child's icon and buttons, a
// menu's own controls, their separators, the customise marks, the quick access toolbar beside a small system
// button, and the command state of controls the layout or a tab's selection shows again.
#include "KTBarDropTarget.h"
#include "KTCommandBars.h"
#include "KTColorManager.h"
#include "KTCommandBarsOptions.h"
#include "KTControlMDIButton.h"
#include "KTControls.h"
#include "KTCustomizeMode.h"
#include "KTDrawObjects.h"
#include "KTMenuBar.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonQuickAccess.h"
#include "KTRibbonTab.h"
#include "MessagePump.h"
#include "OffScreenImage.h"
#include "PixelImage.h"
#include "RibbonInputFrame.h"
#include "TestInput.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// Pixels of the image near the colour inside the rectangle.
int CountNear(const CPixelImage& image, CRect rc, COLORREF clr, int nTolerance = 40)
{
    int nCount = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
        {
            const COLORREF c = image.Pixel(x, y);
            if (std::abs(GetRValue(c) - GetRValue(clr)) <= nTolerance &&
                std::abs(GetGValue(c) - GetGValue(clr)) <= nTolerance &&
                std::abs(GetBValue(c) - GetBValue(clr)) <= nTolerance)
                nCount++;
        }
    return nCount;
}

CPixelImage Drawn(CKTRibbonBar* pBar)
{
    const CRect rc = CKTClientRect(pBar);
    return DrawOffScreen(rc.Size(), [&](CDC* pDC) { pBar->DrawCommandBar(pDC, rc); });
}

class RibbonTabRow : public ::testing::Test
{
protected:
    RibbonTabRow() : m_pBar(m_frame.GetRibbon()), m_pTabs(m_pBar->GetControlTab()) {}

    CKTControl* Find(UINT nId) const { return m_pBar->GetControls()->FindControl(nId); }
    // Vertically centred in the tab row.
    bool Centred(CKTControl* pControl) const
    {
        const CRect rcRow = m_pBar->GetTabRowRect(), rc = pControl->GetRect();
        return rc.top == rcRow.top + (rcRow.Height() - rc.Height()) / 2;
    }

    CRibbonInputFrame m_frame;
    CKTRibbonBar* m_pBar;
    CKTRibbonControlTab* m_pTabs;
};
}  // namespace

TEST_F(RibbonTabRow, AMaximisedChildsIconAndButtonsStandAtTheTabRowsEnds)
{
    m_pBar->SetFlags(KT_MENUBAR_SHOWSYSMENU);
    CMDIChildWnd* pChild = new CMDIChildWnd;
    ASSERT_TRUE(pChild->Create(NULL, "Child", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                               m_frame.GetWindow()));
    pChild->MDIMaximize();
    ASSERT_TRUE(PumpUntil([this] { return Find(KT_ID_MDI_CLOSE) != NULL; }));
    PumpMessages();
    CKTControl* pIcon = Find(KT_ID_MDI_SYSMENU);
    CKTControl* pMinimize = Find(KT_ID_MDI_MINIMIZE);
    CKTControl* pRestore = Find(KT_ID_MDI_RESTORE);
    CKTControl* pClose = Find(KT_ID_MDI_CLOSE);
    ASSERT_TRUE(pIcon && pMinimize && pRestore);

    // The icon first after the left edge (no system button), the buttons against the right end, in order.
    const int nWidth = CKTClientRect(m_pBar).Width();
    EXPECT_EQ(2, pIcon->GetRect().left);
    EXPECT_EQ(nWidth, pClose->GetRect().right);
    EXPECT_EQ(pClose->GetRect().left, pRestore->GetRect().right);
    EXPECT_EQ(pRestore->GetRect().left, pMinimize->GetRect().right);
    // Each right-hand control starts a column of its own; the icon on the left does not.
    EXPECT_TRUE(pMinimize->GetWrap() && pRestore->GetWrap() && pClose->GetWrap());
    EXPECT_FALSE(pIcon->GetWrap());
    for (CKTControl* pControl : {pIcon, pMinimize, pRestore, pClose})
        EXPECT_TRUE(Centred(pControl)) << pControl->GetID();
    // The tabs take the room between them.
    EXPECT_EQ(pIcon->GetRect().right, m_pTabs->GetRect().left);
    EXPECT_EQ(pMinimize->GetRect().left, m_pTabs->GetRect().right);

    // They show where they stand: the close button's glyph in the window's pixels.
    const CPixelImage shown = CPixelImage::FromWindow(m_pBar->GetSafeHwnd());
    EXPECT_GT(CountNear(shown, pClose->GetRect(), ::GetSysColor(COLOR_BTNTEXT)), 4);

    // A click on the close button there closes the child, and the row gives the room back.
    HWND hChild = pChild->GetSafeHwnd();
    CTestInput input(m_pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pClose->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([hChild] { return !::IsWindow(hChild); }));
    ASSERT_TRUE(PumpUntil([this] { return Find(KT_ID_MDI_CLOSE) == NULL; }));
    EXPECT_EQ(2, m_pTabs->GetRect().left);
}

TEST_F(RibbonTabRow, ControlsOfNoGroupLeaveWithTheTabsAndShowTheirSeparators)
{
    CKTControl* pFirst = m_pBar->GetControls()->Add(ktControlButton, 210, "One");
    CKTControl* pSecond = m_pBar->GetControls()->Add(ktControlButton, 211, "Two");
    pSecond->SetBeginGroup(TRUE);
    m_pBar->OnRecalcLayout();
    PumpMessages();
    EXPECT_EQ(2, pFirst->GetRect().left);
    EXPECT_EQ(pFirst->GetRect().right + 6, pSecond->GetRect().left) << "room for the separator";
    EXPECT_TRUE(Centred(pSecond));
    EXPECT_EQ(pSecond->GetRect().right, m_pTabs->GetRect().left);

    // The separator is drawn in the gap; without its group start the gap is the face.
    const CRect rcGap(pFirst->GetRect().right, pSecond->GetRect().top, pSecond->GetRect().left,
                      pSecond->GetRect().bottom);
    const CPixelImage withSeparator = Drawn(m_pBar);
    pSecond->SetBeginGroup(FALSE);
    const CPixelImage without = Drawn(m_pBar);
    int nDiffering = 0;
    for (int y = rcGap.top; y < rcGap.bottom; y++)
        for (int x = rcGap.left; x < rcGap.right; x++)
            nDiffering += withSeparator.Pixel(x, y) != without.Pixel(x, y);
    EXPECT_GT(nDiffering, 0);

    m_pBar->SetTabsVisible(FALSE);
    EXPECT_FALSE(pFirst->IsVisible());
    EXPECT_EQ(KT_HIDE_RIBBONTABROW, pFirst->GetHideFlags());
    m_pBar->SetTabsVisible(TRUE);
    EXPECT_TRUE(pFirst->IsVisible());
}

TEST_F(RibbonTabRow, CustomisingFramesTheSelectedControlAndDrawsTheDropMarkerLast)
{
    CKTControl* pButton = m_pBar->GetControls()->Add(ktControlButton, 210, "One");
    m_pBar->OnRecalcLayout();
    CKTCommandBars* pCommandBars = m_pBar->GetCommandBars();
    const CPixelImage before = Drawn(m_pBar);
    pCommandBars->GetCustomize()->SetOn(TRUE);
    pCommandBars->GetCustomize()->SetSelection(pButton);
    const CPixelImage framed = Drawn(m_pBar);
    const CRect rc = pButton->GetRect();
    EXPECT_EQ(RGB(0, 0, 0), framed.Pixel(rc.left, rc.CenterPoint().y));
    EXPECT_EQ(RGB(0, 0, 0), framed.Pixel(rc.left + 1, rc.CenterPoint().y));
    EXPECT_EQ(RGB(0, 0, 0), framed.Pixel(rc.CenterPoint().x, rc.bottom - 2));

    pCommandBars->GetCustomize()->SetSelection(NULL);
    const CPixelImage unframed = Drawn(m_pBar);
    // The ribbon takes no drop, but a marker set over it is drawn over everything.
    m_pBar->GetDropTarget()->OnDragOver(pButton, CPoint(rc.right - 2, rc.CenterPoint().y));
    const CRect rcMarker = m_pBar->GetDropTarget()->GetMarker();
    ASSERT_FALSE(rcMarker.IsRectEmpty());
    EXPECT_NE(unframed.Pixel(rcMarker.left, rcMarker.top), Drawn(m_pBar).Pixel(rcMarker.left, rcMarker.top));
    m_pBar->GetDropTarget()->OnDragLeave();
    pCommandBars->GetCustomize()->SetOn(FALSE);
    EXPECT_EQ(0, before.CountDiffering(Drawn(m_pBar)));
}

TEST_F(RibbonTabRow, WithTheTabsOffTheToolbarStandsClearOfASmallSystemButton)
{
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(m_pBar->GetCommandBars());
    CKTControl* pSystem = m_pBar->AddSystemButton("&File", pMenu);
    m_pBar->SetTabsVisible(FALSE);
    PumpMessages();
    EXPECT_EQ(pSystem->GetRect().right + 15, m_pBar->GetQuickAccessRect().left);
    m_pBar->SetTabsVisible(TRUE);
    EXPECT_EQ(m_pBar->GetQuickAccessHeight() + m_pBar->GetTabsHeight(), m_pBar->GetQuickAccessRect().left);
}

TEST_F(RibbonTabRow, AControlTheLayoutShowsAgainTakesItsCommandStateAtOnce)
{
    // A command of no handler is disabled as soon as the layout shows its control again, before any idle time.
    m_pBar->GetCommandBars()->GetCommandBarsOptions()->bDisableCommandIfNoHandler = TRUE;
    CKTControl* pCopy = m_pBar->AddToQuickAccess(m_frame.AddGroup(0, {"Late"}, 450)->GetAt(0));
    m_pBar->SetQuickAccessVisible(FALSE);
    ASSERT_FALSE(pCopy->IsVisible());
    pCopy->SetEnabled(TRUE);
    m_pBar->SetQuickAccessVisible(TRUE);
    ASSERT_TRUE(pCopy->IsVisible());
    EXPECT_FALSE(pCopy->IsEnabled());

    // So is a control the toolbar takes.
    CKTControl* pSource = m_frame.AddGroup(0, {"Early"}, 451)->GetAt(0);
    pSource->SetEnabled(TRUE);
    CKTControl* pSecond = m_pBar->AddToQuickAccess(pSource);
    EXPECT_FALSE(pSecond->IsEnabled());
}

// The controls of a tab just selected draw with their command state at once, before any idle time.
TEST_F(RibbonTabRow, ASelectedTabsControlsTakeTheirCommandStateAtOnce)
{
    m_pBar->GetCommandBars()->GetCommandBarsOptions()->bDisableCommandIfNoHandler = TRUE;
    CKTControl* pOrphan = m_frame.AddGroup(1, {"Orphan"}, 452)->GetAt(0);
    ASSERT_NE(m_pTabs->GetTab(1), m_pBar->GetSelectedTab());
    ASSERT_FALSE(pOrphan->IsVisible());
    pOrphan->SetEnabled(TRUE);
    m_pTabs->SetSelectedItem(m_pTabs->GetTab(1));
    ASSERT_TRUE(pOrphan->IsVisible());
    EXPECT_FALSE(pOrphan->IsEnabled());
}

// A colour change sent to the ribbon itself reaches the captions of its tabs, and so does the change back.
TEST_F(RibbonTabRow, AColourChangeSentToTheRibbonReachesItsTabCaptions)
{
    const COLORREF kText = RGB(230, 20, 20);
    const CRect rcTab = m_pTabs->GetTab(1)->GetRect();
    ASSERT_EQ(0, CountNear(Drawn(m_pBar), rcTab, kText, 10));
    KTColorManager()->SetColor(COLOR_BTNTEXT, kText);
    m_pBar->SendMessage(WM_SYSCOLORCHANGE);
    const int nChanged = CountNear(Drawn(m_pBar), rcTab, kText, 10);
    KTColorManager()->SetColor(COLOR_BTNTEXT, (COLORREF)-1);
    m_pBar->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_GT(nChanged, 0);
    EXPECT_EQ(0, CountNear(Drawn(m_pBar), rcTab, kText, 10));
}
