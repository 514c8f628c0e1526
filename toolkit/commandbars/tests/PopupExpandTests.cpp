// PopupExpandTests.cpp: personalised menus behind the expand button, and popups torn off into toolbars.
#include "CommandBarsTestsRes.h"
#include "AnimationFrames.h"
#include "FrameFixture.h"
#include "InputBuilder.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTMenuBar.h"
#include "KTPaintManager.h"
#include "KTPopupBar.h"
#include "KTShadowWindow.h"
#include "KTToolBar.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "ModalDrag.h"
#include "PixelImage.h"
#include "TestFrame.h"
#include "TestInput.h"

#include <afxres.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace
{

const int kEdit = 1, kTest = 2;  // menu bar entries

class PopupExpandTest : public CFrameFixture
{
protected:
    PopupExpandTest() : CFrameFixture(0, TRUE) {}

    void SetUp() override
    {
        CFrameFixture::SetUp();
        m_pMenuBar = m_pCommandBars->GetMenuBar();
        m_pCommandBars->GetCommandBarsOptions()->SetCommandHidden(ID_EDIT_CUT);
    }
    void TearDown() override
    {
        if (m_pMenuBar)
            m_pMenuBar->SetTrackingMode(ktTrackingNone);
        CFrameFixture::TearDown();
    }

    CKTPopupBar* OpenEntry(int nEntry)
    {
        CTestInput input(m_pMenuBar->GetSafeHwnd());
        if (!input.Click(m_pMenuBar->GetControl(nEntry)->GetRect().CenterPoint()) ||
            !PumpUntil([this, nEntry] { return m_pMenuBar->GetPopuped() == nEntry; }, 2000))
            return NULL;
        return dynamic_cast<CKTPopupBar*>(m_pMenuBar->GetControl(nEntry)->GetCommandBar());
    }

    // A real click on the expand row, waited for until the popup shows everything.
    bool ClickExpandRow(CKTPopupBar* pPopup)
    {
        CKTControl* pExpand = pPopup->GetControls()->FindControl(KT_ID_POPUPBAR_EXPAND);
        if (!pExpand)
            return false;
        CPoint pt = pExpand->GetRect().CenterPoint();
        pPopup->ClientToScreen(&pt);
        m_pMenuBar->ScreenToClient(&pt);
        return CTestInput(m_pMenuBar->GetSafeHwnd()).Click(pt) &&
               PumpUntil([pPopup] { return pPopup->IsExpanded(); }, 2000);
    }

    CKTMenuBar* m_pMenuBar = NULL;
};

}  // namespace

TEST_F(PopupExpandTest, ARarelyUsedCommandHidesBehindTheExpandRowUntilItIsClicked)
{
    CKTPopupBar* pPopup = OpenEntry(kEdit);
    ASSERT_TRUE(pPopup && pPopup->IsVisible());
    CKTControl* pCut = pPopup->GetControls()->FindControl(ID_EDIT_CUT);
    CKTControl* pExpand = pPopup->GetControls()->FindControl(KT_ID_POPUPBAR_EXPAND);
    ASSERT_TRUE(pCut && pExpand);
    EXPECT_FALSE(pCut->IsVisible());
    EXPECT_TRUE(pExpand->IsVisible());
    EXPECT_TRUE(pExpand->IsTemporary());
    const CRect rcCollapsed = CKTWindowRect(pPopup);

    // Input goes through the frame's window: the popup must never become the foreground window.
    CPoint ptExpand = pExpand->GetRect().CenterPoint();
    pPopup->ClientToScreen(&ptExpand);
    m_pMenuBar->ScreenToClient(&ptExpand);
    CTestInput input(m_pMenuBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(ptExpand));
    ASSERT_TRUE(PumpUntil([pPopup] { return pPopup->IsExpanded(); }, 2000));
    EXPECT_TRUE(pCut->IsVisible());
    EXPECT_FALSE(pExpand->IsVisible());
    EXPECT_GT(CKTWindowRect(pPopup).Height(), rcCollapsed.Height() - pExpand->GetRect().Height());
    EXPECT_EQ(kEdit, m_pMenuBar->GetPopuped()) << "expanding keeps the menu open";

    // The rest of this menu loop shows everything at once.
    m_pCommandBars->GetCommandBarsOptions()->SetCommandHidden(ID_TEST_NO_HANDLER);
    CTestInput keys(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(keys.Key(VK_RIGHT));
    ASSERT_TRUE(PumpUntil([this] { return m_pMenuBar->GetPopuped() == kTest; }, 2000));
    auto* pTestPopup = dynamic_cast<CKTPopupBar*>(m_pMenuBar->GetControl(kTest)->GetCommandBar());
    EXPECT_TRUE(pTestPopup->GetControls()->FindControl(ID_TEST_NO_HANDLER)->IsVisible());
}

// The keys walk what the collapsed menu shows: a hidden entry is never selected, so Enter never runs it.
TEST_F(PopupExpandTest, DownInACollapsedMenuSkipsTheHiddenEntriesAndExpandsItWhenItWraps)
{
    CTestInput keys(m_pFrame->GetSafeHwnd());
    m_pMenuBar->SetTrackingMode(ktTrackingOn, TRUE, TRUE);
    ASSERT_TRUE(keys.Key(VK_RIGHT));
    ASSERT_TRUE(keys.Key(VK_DOWN));
    ASSERT_TRUE(PumpUntil([this] { return m_pMenuBar->GetPopuped() == kEdit; }, 2000));
    auto* pPopup = dynamic_cast<CKTPopupBar*>(m_pMenuBar->GetControl(kEdit)->GetCommandBar());
    CKTControls* pItems = pPopup->GetControls();
    ASSERT_EQ(pItems->FindControl(ID_EDIT_UNDO)->GetIndex(), pPopup->GetSelected());
    ASSERT_FALSE(pItems->FindControl(ID_EDIT_CUT)->IsVisible());

    ASSERT_TRUE(keys.Key(VK_DOWN));
    EXPECT_EQ(pItems->FindControl(ID_EDIT_COPY)->GetIndex(), pPopup->GetSelected()) << "Cut is hidden";
    EXPECT_FALSE(pPopup->IsExpanded());
    for (int i = 0; i < 4 && !pPopup->IsExpanded(); i++)
        ASSERT_TRUE(keys.Key(VK_DOWN));
    EXPECT_TRUE(pPopup->IsExpanded()) << "past the end the whole menu shows";
    EXPECT_TRUE(pItems->FindControl(ID_EDIT_CUT)->IsVisible());
}

TEST_F(PopupExpandTest, RestingOnTheExpandRowShowsTheFullMenuOnItsTimer)
{
    CKTPopupBar* pPopup = OpenEntry(kEdit);
    ASSERT_TRUE(pPopup != NULL);
    CKTControl* pExpand = pPopup->GetControls()->FindControl(KT_ID_POPUPBAR_EXPAND);
    ASSERT_TRUE(pExpand != NULL);
    CMessageRecorder recorder({pPopup->GetSafeHwnd()}, {WM_TIMER});
    CPoint pt = pExpand->GetRect().CenterPoint();
    pPopup->ClientToScreen(&pt);
    std::vector<INPUT> moves;
    InputBuilder::AddMove(moves, pt - CSize(0, 1));
    InputBuilder::AddMove(moves, pt);
    ASSERT_TRUE(CTestInput(m_pFrame->GetSafeHwnd()).Send(moves));
    ASSERT_TRUE(PumpUntil([pPopup] { return pPopup->IsExpanded(); }, 5000));
    bool bExpandTimer = false;
    for (const CRecordedMessage& m : recorder.Messages())
        bExpandTimer |= m.wParam == 5004;
    EXPECT_TRUE(bExpandTimer);
}

// The full menu after a delay shows only while the pointer still rests on the entry that opened it.
TEST_F(PopupExpandTest, TheShowFullTimerExpandsTheOpenMenuWhileThePointerRestsOnItsEntry)
{
    CKTPopupBar* pPopup = OpenEntry(kEdit);
    ASSERT_TRUE(pPopup != NULL);
    ASSERT_TRUE(pPopup->IsCollapsedPresent());
    CPoint ptEntry = m_pMenuBar->GetControl(kEdit)->GetRect().CenterPoint();
    m_pMenuBar->ClientToScreen(&ptEntry);
    const CRect rcFrame = CKTWindowRect(m_pFrame);
    ::SetCursorPos(rcFrame.right - 20, rcFrame.bottom - 20);
    PumpMessages();
    m_pMenuBar->SendMessage(WM_TIMER, KT_TIMER_EXPAND);
    EXPECT_FALSE(pPopup->IsExpanded()) << "the pointer left the entry";

    ::SetCursorPos(ptEntry.x, ptEntry.y);
    PumpMessages();
    ASSERT_EQ(kEdit, m_pMenuBar->GetPopuped());
    m_pMenuBar->LockRecursion(1);
    m_pMenuBar->SendMessage(WM_TIMER, KT_TIMER_EXPAND);
    m_pMenuBar->LockRecursion(-1);
    EXPECT_FALSE(pPopup->IsExpanded()) << "a bar beneath a nested menu waits";
    m_pMenuBar->SendMessage(WM_TIMER, KT_TIMER_EXPAND);
    EXPECT_TRUE(pPopup->IsExpanded());
}

TEST_F(PopupExpandTest, AMenuOfOnlyRarelyUsedCommandsShowsThemAll)
{
    for (UINT nId : {ID_TEST_DISABLED_BY_HANDLER, ID_TEST_NO_HANDLER, ID_TEST_ENABLED})
        m_pCommandBars->GetCommandBarsOptions()->SetCommandHidden(nId);
    CKTPopupBar* pPopup = OpenEntry(kTest);
    ASSERT_TRUE(pPopup != NULL);
    EXPECT_FALSE(pPopup->IsCollapsedPresent());
    EXPECT_EQ(NULL, pPopup->GetControls()->FindControl(KT_ID_POPUPBAR_EXPAND));
    EXPECT_TRUE(pPopup->GetControls()->FindControl(ID_TEST_ENABLED)->IsVisible());
}

TEST_F(PopupExpandTest, ADoubleClickOnAMenuOrADropDownButtonShowsTheWholeMenu)
{
    CTestInput input(m_pMenuBar->GetSafeHwnd());
    ASSERT_TRUE(input.DoubleClick(m_pMenuBar->GetControl(kEdit)->GetRect().CenterPoint()));
    auto* pEdit = static_cast<CKTPopupBar*>(m_pMenuBar->GetControl(kEdit)->GetCommandBar());
    EXPECT_TRUE(PumpUntil([pEdit] { return pEdit->IsExpanded(); }, 2000)) << "the menu bar's entry";
    EXPECT_EQ(kEdit, m_pMenuBar->GetPopuped());
    EXPECT_TRUE(pEdit->GetControls()->FindControl(ID_EDIT_CUT)->IsVisible());
    m_pMenuBar->SetTrackingMode(ktTrackingNone);

    CKTToolBar* pBar = m_pCommandBars->Add("Drop-down", ktBarTop);
    auto* pButton = static_cast<CKTControlPopup*>(pBar->GetControls()->Add(ktControlButtonPopup, ID_TEST_ENABLED));
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pMenu->GetControls()->Add(ktControlButton, ID_EDIT_CUT)->SetCaption("Cu&t");
    pMenu->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Enabled");
    pButton->SetCommandBar(pMenu);
    m_pFrame->RecalcLayout();
    PumpMessages();
    CTestInput bar(pBar->GetSafeHwnd());
    ASSERT_TRUE(bar.DoubleClick(pButton->GetRect().CenterPoint()));
    EXPECT_TRUE(PumpUntil([&pMenu] { return pMenu->IsExpanded(); }, 2000)) << "a drop-down button";
    EXPECT_TRUE(pButton->IsPopuped());
    EXPECT_TRUE(pMenu->GetControls()->FindControl(ID_EDIT_CUT)->IsVisible());
    pBar->SetTrackingMode(ktTrackingNone);
}

TEST_F(PopupExpandTest, ExpandingPlaysFramesThatGrowTheHiddenEntriesAndEndsAsWithoutAnimation)
{
    CKTCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
    pOptions->nAnimationType = ktAnimationNone;
    CKTPopupBar* pPopup = OpenEntry(kEdit);
    ASSERT_TRUE(pPopup && ClickExpandRow(pPopup));
    PumpMessages();
    const CRect rc = CKTWindowRect(pPopup);
    const CPixelImage still = CPixelImage::FromScreen(rc);
    m_pMenuBar->SetTrackingMode(ktTrackingNone);
    PumpMessages();
    pPopup = OpenEntry(kEdit);
    ASSERT_TRUE(pPopup && !pPopup->IsExpanded());
    PumpMessages();
    const CPixelImage before = CPixelImage::FromScreen(rc);
    ASSERT_GT(still.CountDiffering(before), 0);

    pOptions->nAnimationType = ktAnimationSlide;
    CAnimationFrames reading(m_pCommandBars->GetPaintManager(), rc);
    const bool bExpanded = ClickExpandRow(pPopup);
    const std::vector<CPixelImage>& frames = reading.Stop();
    ASSERT_TRUE(bExpanded);
    PumpMessages();
    EXPECT_EQ(rc, CKTWindowRect(pPopup));
    EXPECT_EQ(0, CPixelImage::FromScreen(rc).CountDiffering(still)) << "the last picture is the still one";
    // Moving the window alone can show one passing picture; the steps of the growth show several.
    std::vector<const CPixelImage*> between;
    for (const CPixelImage& frame : frames)
        if (frame.CountDiffering(still) > 0 && frame.CountDiffering(before) > 0 &&
            (between.empty() || frame.CountDiffering(*between.back()) > 0))
            between.push_back(&frame);
    EXPECT_GE(between.size(), 3u) << "of " << frames.size() << " frames read during the expansion";
}

// The theme whose menus cast shadows beside their entries too.
TEST(PopupExpandShadows, AMenuThatExpandsCastsItsStripsAndItsEntrysAgain)
{
    CTestFrame* pFrame = CTestFrame::Create(4);
    ASSERT_TRUE(pFrame != NULL);
    pFrame->GetCommandBars()->GetCommandBarsOptions()->SetCommandHidden(ID_EDIT_CUT);
    PumpMessages();
    CKTMenuBar* pMenuBar = pFrame->GetCommandBars()->GetMenuBar();
    ASSERT_TRUE(pMenuBar->SetPopuped(kEdit));
    CKTPopupBar* pPopup = pMenuBar->GetControl(kEdit)->GetCommandBar()->AsPopupBar();
    ASSERT_TRUE(pPopup->IsCollapsedPresent());
    ASSERT_EQ(4, KTShadowManager()->GetShadows().GetCount()) << "the popup's two strips, then its menu entry's";
    pPopup->ExpandBar();
    ASSERT_TRUE(pPopup->IsExpanded());
    const CKTShadowList& strips = KTShadowManager()->GetShadows();
    ASSERT_EQ(4, strips.GetCount());
    EXPECT_EQ(CKTWindowRect(pPopup).bottom, CKTWindowRect(strips.GetHead()).top) << "below the grown popup";
    CRect rcEntry = pMenuBar->GetControl(kEdit)->GetRect();
    pMenuBar->ClientToScreen(rcEntry);
    EXPECT_EQ(CRect(rcEntry.right, rcEntry.top + 4, rcEntry.right + 4, rcEntry.bottom),
              CKTWindowRect(strips.GetTail()));
    pMenuBar->SetPopuped(-1);
    pFrame->DestroyWindow();
    PumpMessages();
}

TEST_F(PopupExpandTest, DraggingTheGripperTearsThePopupOffAndClosingTheBarDeletesIt)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    CKTSmartPtr<CKTPopupBar> pTools = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pTools->SetTearOffPopup("Tools", 400);
    for (UINT nId : {ID_FILE_NEW, ID_EDIT_COPY, ID_EDIT_PASTE})
        pTools->GetControls()->Add(ktControlButton, nId);
    auto* pControl = static_cast<CKTControlPopup*>(pStandard->GetControls()->Add(ktControlPopup, 0));
    pControl->SetCaption("Tools");
    pControl->SetCommandBar(pTools);
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();

    CTestInput input(pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pControl->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pTools->IsVisible(); }, 2000));
    CRect rcGripper = pTools->GetGripperRect();
    ASSERT_FALSE(rcGripper.IsRectEmpty());
    pTools->ClientToScreen(rcGripper);
    const CPoint ptFrom = rcGripper.CenterPoint(), ptTo = ptFrom + CSize(150, 200);
    CMessageRecorder recorder({m_pFrame->GetSafeHwnd()}, {KTWM_TEAROFF});
    ASSERT_TRUE(DragAtOnce(m_pFrame->GetSafeHwnd(), ptFrom, ptTo));

    CKTToolBar* pTorn = m_pCommandBars->GetToolBar(400);
    ASSERT_TRUE(pTorn != NULL);
    EXPECT_EQ(ktBarFloating, pTorn->GetPosition());
    EXPECT_EQ(CString("Tools"), pTorn->GetTitle());
    EXPECT_TRUE(pTorn->IsTearOff());
    EXPECT_FALSE(pTorn->IsBuiltIn());
    for (UINT nId : {ID_FILE_NEW, ID_EDIT_COPY, ID_EDIT_PASTE})
        EXPECT_TRUE(pTorn->GetControls()->FindControl(nId) != NULL) << nId;
    EXPECT_TRUE(::IsWindowVisible(pTorn->GetSafeHwnd()));
    EXPECT_TRUE(CKTWindowRect(pTorn).PtInRect(ptTo)) << "the bar came with the cursor";
    EXPECT_FALSE(pTools->IsVisible()) << "the popups closed";
    ASSERT_EQ(1u, recorder.Messages().size());
    EXPECT_EQ((WPARAM)pTorn, recorder.Messages()[0].wParam);
    EXPECT_EQ((LPARAM)pTools.GetInterface(), recorder.Messages()[0].lParam);

    const HWND hTorn = pTorn->GetSafeHwnd();
    CKTControl* pClose = pTorn->GetControls()->FindControl(KT_ID_TOOLBAR_CLOSE);
    ASSERT_TRUE(pClose != NULL);
    CTestInput close(hTorn);
    ASSERT_TRUE(close.Click(pClose->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([this] { return m_pCommandBars->GetToolBar(400) == NULL; }, 2000));
    EXPECT_FALSE(::IsWindow(hTorn));
}

// A menu asked for by a window tells that window, not the frame, of the bar torn off it.
TEST_F(PopupExpandTest, AMenuAskedForByAWindowTellsThatWindowOfTheBarTornOffIt)
{
    CWnd owner;
    ASSERT_TRUE(owner.Create(NULL, "asked for", WS_CHILD, CRect(0, 0, 10, 10), m_pFrame, 1));
    CKTSmartPtr<CKTPopupBar> pTools = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pTools->SetTearOffPopup("Tools", 401);
    pTools->GetControls()->Add(ktControlButton, ID_EDIT_COPY);
    pTools->SetCommandOwner(&owner);  // as tracking the menu for that window leaves it
    ASSERT_TRUE(pTools->PopupAt(200, 200));
    CRect rcGripper = pTools->GetGripperRect();
    ASSERT_FALSE(rcGripper.IsRectEmpty());
    pTools->ClientToScreen(rcGripper);
    CMessageRecorder recorder({}, {KTWM_TEAROFF});
    ASSERT_TRUE(
        DragAtOnce(m_pFrame->GetSafeHwnd(), rcGripper.CenterPoint(), rcGripper.CenterPoint() + CSize(150, 200)));

    CKTToolBar* pTorn = m_pCommandBars->GetToolBar(401);
    ASSERT_TRUE(pTorn != NULL);
    ASSERT_EQ(1u, recorder.Messages().size());
    EXPECT_EQ(owner.GetSafeHwnd(), recorder.Messages()[0].hWnd);
    EXPECT_EQ((WPARAM)pTorn, recorder.Messages()[0].wParam);
    EXPECT_EQ((LPARAM)pTools.GetInterface(), recorder.Messages()[0].lParam);
    pTorn->SetVisible(FALSE);
    owner.DestroyWindow();
}

// Too tall for the screen, a tear-off menu with rarely used commands scrolls its items between the gripper above
// and the expand row below.
TEST_F(PopupExpandTest, AScrolledMenuKeepsItsGripperAndExpandRowClearOfItsItems)
{
    auto* pEditMenu = dynamic_cast<CKTPopupBar*>(m_pMenuBar->GetControl(kEdit)->GetCommandBar());
    ASSERT_TRUE(pEditMenu != NULL);
    pEditMenu->SetTearOffPopup("Edit", 300);
    for (int i = 0; i < 60; i++)
        pEditMenu->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("Item");
    CKTPopupBar* pPopup = OpenEntry(kEdit);
    ASSERT_EQ(pEditMenu, pPopup);
    ASSERT_TRUE(pPopup->IsScrolling());
    int nFirst = pPopup->GetFirstVisible();
    while (!pPopup->GetControl(nFirst)->IsVisible())
        nFirst++;
    CKTControl* pFirst = pPopup->GetControl(nFirst);
    EXPECT_GE(pFirst->GetRect().top, pPopup->GetGripperRect().bottom) << "the first item starts below the gripper";

    CKTControl* pExpand = pPopup->GetControls()->FindControl(KT_ID_POPUPBAR_EXPAND);
    ASSERT_TRUE(pExpand != NULL);
    EXPECT_TRUE(pExpand->IsVisible());
    const CRect rcExpand = pExpand->GetRect(), rcClient = CKTClientRect(pPopup);
    EXPECT_LE(rcExpand.bottom, rcClient.bottom) << "inside the popup";
    EXPECT_GE(rcExpand.top, pPopup->GetScrollDownArea().bottom) << "below the band";
    CKTControl* pLastShown = pPopup->GetControl(pPopup->GetEndVisible() - 1);
    EXPECT_LE(pLastShown->GetRect().bottom, pPopup->GetScrollDownArea().top);
}
