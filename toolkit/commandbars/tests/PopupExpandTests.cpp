// PopupExpandTests.cpp: personalised menus behind the expand button, and popups torn off into toolbars.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "InputBuilder.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTMenuBar.h"
#include "KTPopupBar.h"
#include "KTToolBar.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "ModalDrag.h"
#include "TestFrame.h"
#include "TestInput.h"

#include <afxres.h>
#include <gtest/gtest.h>

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
            m_pMenuBar->SetTrackingMode(0);
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
