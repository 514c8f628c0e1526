// CustomizeTests.cpp: dragging controls between bars, into popups, off every bar and by their edges while the bars
// are customised, with real input in the test frame.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTBarDropTarget.h"
#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControlButton.h"
#include "RightPressButton.h"
#include "KTControlEdit.h"
#include "KTControlWindowList.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTCustomizeDropSource.h"
#include "KTCustomizeMode.h"
#include "KTDrawObjects.h"
#include "KTFoundationRes.h"
#include "KTPopupBar.h"
#include "KTResourceManager.h"
#include "KTToolBar.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "TestInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

HCURSOR ShownCursor()
{
    CURSORINFO info = {};
    info.cbSize = sizeof(info);
    return ::GetCursorInfo(&info) ? info.hCursor : NULL;
}

// A menu entry that answers right presses itself.
class CustomizeTest : public CFrameFixture
{
protected:
    void SetUp() override
    {
        CFrameFixture::SetUp();
        m_pStandard = m_pFrame->m_pStandard;
        m_pSecond = m_pCommandBars->Add("Second", ktBarTop);
        ASSERT_TRUE(m_pSecond != NULL);
        for (auto [nId, lpszCaption] :
             {std::pair<int, LPCSTR>{ID_FILE_NEW, "New"}, {ID_FILE_OPEN, "Open"}, {ID_FILE_SAVE, "Save"}})
            m_pStandard->GetControls()->Add(ktControlButton, nId)->SetCaption(lpszCaption);
        for (auto [nId, lpszCaption] : {std::pair<int, LPCSTR>{ID_EDIT_CUT, "Cut"}, {ID_EDIT_COPY, "Copy"}})
            m_pSecond->GetControls()->Add(ktControlButton, nId)->SetCaption(lpszCaption);
        Relayout();
        m_pCommandBars->GetCustomize()->SetOn(TRUE);
    }
    void TearDown() override
    {
        m_pCommandBars->GetCustomize()->SetOn(FALSE);
        CFrameFixture::TearDown();
    }
    void Relayout()
    {
        m_pCommandBars->RecalcFrameLayout();
        PumpMessages();
    }
    // The ids on a bar, in order, without the bar's own expand button.
    static std::vector<int> Ids(CKTCommandBar* pBar)
    {
        std::vector<int> ids;
        for (int i = 0; i < pBar->GetControlCount(); i++)
            if (pBar->GetControl(i)->GetID() != KT_ID_TOOLBAR_EXPAND)
                ids.push_back(pBar->GetControl(i)->GetID());
        return ids;
    }
    CKTControl* Find(CKTCommandBar* pBar, int nId) const { return pBar->GetControls()->FindControl(nId); }
    // A point of another bar in the first bar's client coordinates, for input sent to the first.
    static CPoint Across(CKTCommandBar* pFrom, CKTCommandBar* pTo, CPoint pt)
    {
        pTo->ClientToScreen(&pt);
        pFrom->ScreenToClient(&pt);
        return pt;
    }
    CKTCustomizeDropSource* Source() const { return m_pCommandBars->GetCustomize()->GetDropSource(); }
    // Right of the control's centre, in the second bar: a drop there inserts after it.
    CPoint AfterOn(CKTCommandBar* pBar, int nId) const
    {
        CRect rc = Find(pBar, nId)->GetRect();
        return CPoint(rc.right - 2, rc.CenterPoint().y);
    }
    // A "Tools" popup on the second bar that opens the menu, filled with Paste and Undo.
    CKTControlPopup* AddToolsMenu(CKTPopupBar* pMenu)
    {
        pMenu->GetControls()->Add(ktControlButton, ID_EDIT_PASTE)->SetCaption("Paste");
        pMenu->GetControls()->Add(ktControlButton, ID_EDIT_UNDO)->SetCaption("Undo");
        auto* pTools = static_cast<CKTControlPopup*>(m_pSecond->GetControls()->Add(ktControlPopup, 0));
        pTools->SetCaption("Tools");
        pTools->SetCommandBar(pMenu);
        Relayout();
        return pTools;
    }

    CKTToolBar* m_pStandard = NULL;
    CKTToolBar* m_pSecond = NULL;
};

}  // namespace

TEST_F(CustomizeTest, AButtonDraggedToAnotherBarMovesWhereTheMarkerShows)
{
    const CPoint ptOpen = Find(m_pStandard, ID_FILE_OPEN)->GetRect().CenterPoint();
    const CPoint ptOver = Across(m_pStandard, m_pSecond, AfterOn(m_pSecond, ID_EDIT_CUT));
    const CRect rcCut = Find(m_pSecond, ID_EDIT_CUT)->GetRect();
    CRect rcMarker;
    HCURSOR hCursor = NULL;
    CLoopInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptOpen)
                    .AwaitCapture(m_pFrame->GetSafeHwnd())
                    .Move(ptOpen + CSize(5, 0))
                    .Await([&] { return Source()->GetTarget() == m_pStandard; })
                    .Move(ptOver)
                    .Await(
                        [&]
                        {
                            rcMarker = m_pSecond->GetDropTarget()->GetMarker();
                            hCursor = ShownCursor();
                            return Source()->GetTarget() == m_pSecond &&
                                   m_pSecond->GetDropTarget()->GetIndex() == Find(m_pSecond, ID_EDIT_COPY)->GetIndex();
                        })
                    .Release()
                    .AwaitNoCapture()
                    .Run());
    PumpMessages();
    EXPECT_EQ(CRect(rcCut.right - 3, rcCut.top, rcCut.right + 3, rcCut.bottom), rcMarker)
        << "a 6-pixel band at the edge between Cut and Copy";
    EXPECT_EQ((std::vector<int>{ID_FILE_NEW, ID_FILE_SAVE}), Ids(m_pStandard));
    EXPECT_EQ((std::vector<int>{ID_EDIT_CUT, ID_FILE_OPEN, ID_EDIT_COPY}), Ids(m_pSecond));
    EXPECT_EQ(Find(m_pSecond, ID_FILE_OPEN), m_pCommandBars->GetCustomize()->GetSelection()) << "the dropped control";
    EXPECT_TRUE(m_pSecond->GetDropTarget()->GetMarker().IsRectEmpty());
    EXPECT_EQ(Source()->GetDropCursor(), hCursor);
    EXPECT_GT(m_pFrame->m_nCustomizeSelections, 0);
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "customising runs no command";
}

// Above every control a drag goes to the nearest one, unless the bar keeps to the controls across the pointer.
TEST_F(CustomizeTest, ABarThatMayNotScrollTakesDropsOnlyAcrossItsControls)
{
    CKTControl* pCut = Find(m_pSecond, ID_EDIT_CUT);
    const CRect rcCut = pCut->GetRect();
    ASSERT_GT(rcCut.top, 0);
    const CPoint ptAbove(rcCut.right - 2, 0);
    CKTBarDropTarget* pTarget = m_pSecond->GetDropTarget();
    pTarget->OnDragOver(pCut, ptAbove);
    EXPECT_EQ(pCut->GetIndex() + 1, pTarget->GetIndex()) << "after the nearest";

    m_pSecond->SetNoScrolling(TRUE);
    pTarget->OnDragOver(pCut, ptAbove);
    EXPECT_EQ(m_pSecond->GetControlCount(), pTarget->GetIndex()) << "no control across the pointer: the end";
    pTarget->OnDragLeave();
}

TEST_F(CustomizeTest, HoldingCtrlCopiesTheButton)
{
    CKTControl* pOpen = Find(m_pStandard, ID_FILE_OPEN);
    const CPoint ptOpen = pOpen->GetRect().CenterPoint();
    CLoopInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptOpen)
                    .AwaitCapture(m_pFrame->GetSafeHwnd())
                    .HoldKeys(CTestInput::kControl)
                    .Move(Across(m_pStandard, m_pSecond, AfterOn(m_pSecond, ID_EDIT_COPY)))
                    .Await([&] { return Source()->GetTarget() == m_pSecond && !Source()->IsMove(); })
                    .Release()
                    .AwaitNoCapture()
                    .ReleaseKeys()
                    .Run());
    PumpMessages();
    EXPECT_EQ((std::vector<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE}), Ids(m_pStandard));
    EXPECT_EQ(pOpen, Find(m_pStandard, ID_FILE_OPEN)) << "the original stays";
    EXPECT_EQ((std::vector<int>{ID_EDIT_CUT, ID_EDIT_COPY, ID_FILE_OPEN}), Ids(m_pSecond));
    EXPECT_NE(pOpen, Find(m_pSecond, ID_FILE_OPEN)) << "a control of its own";
}

// Off every bar the button is deleted, and the separator it began stays where it was.
TEST_F(CustomizeTest, AButtonDroppedOffEveryBarIsDeletedAndItsGroupPassesOn)
{
    CKTControl* pOpen = Find(m_pStandard, ID_FILE_OPEN);
    pOpen->SetBeginGroup(TRUE);
    Relayout();
    const CPoint ptOpen = pOpen->GetRect().CenterPoint();
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    CPoint ptAway = rcClient.CenterPoint() + CSize(0, 60);
    m_pFrame->ClientToScreen(&ptAway);
    m_pStandard->ScreenToClient(&ptAway);
    HCURSOR hCursor = NULL;
    CLoopInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptOpen)
                    .AwaitCapture(m_pFrame->GetSafeHwnd())
                    .Move(ptAway)
                    .Await(
                        [&]
                        {
                            hCursor = ShownCursor();
                            return Source()->IsDragging() && Source()->GetTarget() == NULL;
                        })
                    .Release()
                    .AwaitNoCapture()
                    .Run());
    PumpMessages();
    EXPECT_EQ((std::vector<int>{ID_FILE_NEW, ID_FILE_SAVE}), Ids(m_pStandard));
    EXPECT_TRUE(Find(m_pStandard, ID_FILE_SAVE)->GetBeginGroup());
    EXPECT_EQ((std::vector<int>{ID_EDIT_CUT, ID_EDIT_COPY}), Ids(m_pSecond));
    EXPECT_EQ(NULL, m_pCommandBars->GetCustomize()->GetSelection());
    EXPECT_EQ(Source()->GetNoDropCursor(), hCursor);
}

// A label is dragged like any control once the bars let every control move: off every bar it is deleted.
TEST_F(CustomizeTest, ALabelDraggedOffEveryBarIsDeleted)
{
    const int nLabelId = 777;
    m_pStandard->GetControls()->Add(ktControlLabel, nLabelId)->SetCaption("Find:");
    m_pCommandBars->SetCustomizeMoveAll(TRUE);
    Relayout();
    const CPoint ptLabel = Find(m_pStandard, nLabelId)->GetRect().CenterPoint();
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    CPoint ptAway = rcClient.CenterPoint() + CSize(0, 60);
    m_pFrame->ClientToScreen(&ptAway);
    m_pStandard->ScreenToClient(&ptAway);
    CLoopInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptLabel)
                    .AwaitCapture(m_pFrame->GetSafeHwnd())
                    .Move(ptAway)
                    .Await([&] { return Source()->IsDragging() && Source()->GetTarget() == NULL; })
                    .Release()
                    .AwaitNoCapture()
                    .Run());
    PumpMessages();
    m_pCommandBars->SetCustomizeMoveAll(FALSE);
    EXPECT_EQ((std::vector<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE}), Ids(m_pStandard));
}

class CustomizeCancelTest : public CustomizeTest, public ::testing::WithParamInterface<ELoopCancel>
{
};

TEST_P(CustomizeCancelTest, ACancelledDragLeavesEveryBarAsItWas)
{
    const CPoint ptOpen = Find(m_pStandard, ID_FILE_OPEN)->GetRect().CenterPoint();
    CLoopInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptOpen)
                    .AwaitCapture(m_pFrame->GetSafeHwnd())
                    .Move(Across(m_pStandard, m_pSecond, AfterOn(m_pSecond, ID_EDIT_CUT)))
                    .Await([&] { return Source()->GetTarget() == m_pSecond; })
                    .CancelAndRelease(GetParam())
                    .AwaitNoCapture()
                    .Run());
    PumpMessages();
    EXPECT_EQ((std::vector<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE}), Ids(m_pStandard));
    EXPECT_EQ((std::vector<int>{ID_EDIT_CUT, ID_EDIT_COPY}), Ids(m_pSecond));
    EXPECT_TRUE(m_pSecond->GetDropTarget()->GetMarker().IsRectEmpty()) << "the marker goes with the drag";
    EXPECT_FALSE(Source()->IsDragging());
}

INSTANTIATE_TEST_SUITE_P(Cancels, CustomizeCancelTest, AllLoopCancels(), LoopCancelCaseName);

TEST_F(CustomizeTest, AButtonDraggedAlongItselfBeginsAGroupAndBackEndsIt)
{
    CKTControl* pSave = Find(m_pStandard, ID_FILE_SAVE);
    const CRect rcSave = pSave->GetRect();
    const CPoint ptFrom(rcSave.left + 3, rcSave.CenterPoint().y), ptTo(rcSave.right - 3, rcSave.CenterPoint().y);
    CLoopInput forward(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(
        forward.Press(ptFrom).AwaitCapture(m_pFrame->GetSafeHwnd()).Move(ptTo).Release().AwaitNoCapture().Run());
    PumpMessages();
    EXPECT_EQ(pSave, Find(m_pStandard, ID_FILE_SAVE)) << "it stays itself";
    EXPECT_TRUE(pSave->GetBeginGroup());
    Relayout();

    const CRect rcMoved = pSave->GetRect();
    CLoopInput back(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(back.Press(CPoint(rcMoved.right - 3, rcMoved.CenterPoint().y))
                    .AwaitCapture(m_pFrame->GetSafeHwnd())
                    .Move(CPoint(rcMoved.left + 3, rcMoved.CenterPoint().y))
                    .Release()
                    .AwaitNoCapture()
                    .Run());
    PumpMessages();
    EXPECT_FALSE(pSave->GetBeginGroup());
    EXPECT_EQ((std::vector<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE}), Ids(m_pStandard));
}

// Resting on a popup control opens its menu, and the button drops into the menu.
TEST_F(CustomizeTest, DraggedOverAPopupTheMenuOpensAndTakesTheButton)
{
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    CKTControlPopup* pTools = AddToolsMenu(pMenu);
    // Where the menu's first item stands once open; low on it, a drop goes after it.
    ASSERT_TRUE(m_pSecond->SetPopuped(pTools->GetIndex()));
    ASSERT_TRUE(PumpUntil([&] { return pMenu->GetSafeHwnd() && pMenu->IsWindowVisible(); }));
    const CRect rcFirst = pMenu->GetControl(0)->GetRect(), rcSecond = pMenu->GetControl(1)->GetRect();
    CPoint ptInMenu(rcFirst.CenterPoint().x, rcFirst.bottom - 2);
    pMenu->ClientToScreen(&ptInMenu);
    m_pStandard->ScreenToClient(&ptInMenu);
    m_pSecond->SetPopuped(-1);
    ASSERT_TRUE(PumpUntil([&] { return !pMenu->GetSafeHwnd() || !pMenu->IsWindowVisible(); }));

    const CPoint ptOpen = Find(m_pStandard, ID_FILE_OPEN)->GetRect().CenterPoint();
    CRect rcMarker;
    CLoopInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptOpen)
                    .AwaitCapture(m_pFrame->GetSafeHwnd())
                    .Move(Across(m_pStandard, m_pSecond, pTools->GetRect().CenterPoint()))
                    .Await([&] { return pMenu->GetSafeHwnd() && pMenu->IsWindowVisible(); })
                    .Move(ptInMenu)
                    .Await(
                        [&]
                        {
                            rcMarker = pMenu->GetDropTarget()->GetMarker();
                            return Source()->GetTarget() == pMenu.GetInterface();
                        })
                    .Release()
                    .AwaitNoCapture()
                    .Run());
    PumpMessages();
    EXPECT_EQ(CRect(rcFirst.left, rcSecond.top - 3, rcFirst.right, rcSecond.top + 3), rcMarker)
        << "a menu's marker lies across it, on the edge of the item that follows";
    EXPECT_EQ((std::vector<int>{ID_EDIT_PASTE, ID_FILE_OPEN, ID_EDIT_UNDO}), Ids(pMenu));
    EXPECT_EQ((std::vector<int>{ID_FILE_NEW, ID_FILE_SAVE}), Ids(m_pStandard));
}

// Out of an open menu onto a tool bar: the menu loses the item, the bar gains it.
TEST_F(CustomizeTest, AnItemDraggedOutOfAnOpenMenuMovesToTheBar)
{
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    CKTControlPopup* pTools = AddToolsMenu(pMenu);
    ASSERT_TRUE(m_pSecond->SetPopuped(pTools->GetIndex()));
    ASSERT_TRUE(PumpUntil([&] { return pMenu->GetSafeHwnd() && pMenu->IsWindowVisible(); }));
    CLoopInput input(pMenu->GetSafeHwnd());
    ASSERT_TRUE(input.Press(pMenu->GetControl(0)->GetRect().CenterPoint())
                    .AwaitCapture(m_pFrame->GetSafeHwnd())
                    .Move(Across(pMenu, m_pStandard, AfterOn(m_pStandard, ID_FILE_SAVE)))
                    .Await([&] { return Source()->GetTarget() == m_pStandard; })
                    .Release()
                    .AwaitNoCapture()
                    .Run());
    PumpMessages();
    EXPECT_EQ((std::vector<int>{ID_EDIT_UNDO}), Ids(pMenu));
    EXPECT_EQ((std::vector<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_EDIT_PASTE}), Ids(m_pStandard));
}

// A place holder's items belong in a menu: no tool bar takes it, and released there it leaves its menu as if
// dropped off every bar.
TEST_F(CustomizeTest, AListPlaceHolderDraggedOverAToolBarIsRefused)
{
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    CKTControlPopup* pTools = AddToolsMenu(pMenu);
    CKTControl* pList = pMenu->GetControls()->Add(ktControlButton, KT_ID_WINDOW_LIST);
    ASSERT_TRUE(pList->IsKindOf(RUNTIME_CLASS(CKTControlWindowList)));
    pList->SetCaption("Windows");
    ASSERT_TRUE(m_pSecond->SetPopuped(pTools->GetIndex()));
    ASSERT_TRUE(PumpUntil([&] { return pMenu->GetSafeHwnd() && pMenu->IsWindowVisible(); }));
    const CPoint ptList = pList->GetRect().CenterPoint();
    CLoopInput input(pMenu->GetSafeHwnd());
    ASSERT_TRUE(
        input.Press(ptList)
            .AwaitCapture(m_pFrame->GetSafeHwnd())
            .Move(ptList + CSize(0, 3))
            .Await([&] { return Source()->GetTarget() == pMenu.GetInterface(); })
            .Move(Across(pMenu, m_pStandard, AfterOn(m_pStandard, ID_FILE_SAVE)))
            .Await([&] { return Source()->GetTarget() == NULL && ShownCursor() == Source()->GetNoDropCursor(); })
            .Release()
            .AwaitNoCapture()
            .Run());
    PumpMessages();
    EXPECT_EQ((std::vector<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE}), Ids(m_pStandard));
    EXPECT_EQ(NULL, m_pStandard->GetControls()->FindControl(KT_ID_WINDOW_LIST));
}

// The width follows the dragged edge, and stops at the control's minimum however far the edge goes.
TEST_F(CustomizeTest, DraggingAnEditControlsEdgeResizesItNeverBelowItsMinimum)
{
    auto* pEdit = static_cast<CKTControlEdit*>(m_pStandard->GetControls()->Add(ktControlEdit, ID_EDIT_FIND));
    pEdit->SetCaption("Find");
    pEdit->SetHasLabel(TRUE);
    pEdit->SetWidth(100);
    Relayout();
    m_pCommandBars->GetCustomize()->SetSelection(pEdit);
    const CRect rc = pEdit->GetRect();
    const CPoint ptEdge(rc.right - 1, rc.CenterPoint().y);
    CPoint ptScreen = ptEdge;
    m_pStandard->ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    EXPECT_TRUE(PumpUntil([] { return ShownCursor() == KTResourceManager()->LoadCursor(KT_IDC_CUSTOMIZE_RESIZE); }))
        << "the edge shows that it resizes";
    CLoopInput wider(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(wider.Press(ptEdge).AwaitCapture().Move(ptEdge + CSize(40, 0)).Release().AwaitNoCapture().Run());
    PumpMessages();
    EXPECT_EQ(100 + 40, pEdit->GetWidth());
    EXPECT_EQ(rc.Width() + 40, pEdit->GetRect().Width()) << "laid out again";
    EXPECT_EQ(pEdit, Find(m_pStandard, ID_EDIT_FIND)) << "a resize moves nothing";

    const CRect rcWide = pEdit->GetRect();
    const CPoint ptWideEdge(rcWide.right - 1, rcWide.CenterPoint().y);
    CLoopInput narrower(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(narrower.Press(ptWideEdge)
                    .AwaitCapture()
                    .Move(CPoint(rcWide.left - 30, ptWideEdge.y))
                    .Release()
                    .AwaitNoCapture()
                    .Run());
    PumpMessages();
    EXPECT_EQ(pEdit->GetCustomizeMinWidth(), pEdit->GetWidth());
    EXPECT_GT(pEdit->GetCustomizeMinWidth(), 10) << "the label's width counts";

    const CRect rcNarrow = pEdit->GetRect();
    CLoopInput escaped(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(escaped.Press(CPoint(rcNarrow.right - 1, rcNarrow.CenterPoint().y))
                    .AwaitCapture()
                    .Move(CPoint(rcNarrow.right + 50, rcNarrow.CenterPoint().y))
                    .CancelAndRelease(ELoopCancel::Escape)
                    .AwaitNoCapture()
                    .Run());
    PumpMessages();
    EXPECT_EQ(pEdit->GetCustomizeMinWidth(), pEdit->GetWidth()) << "Esc keeps the width";
}

// In customise mode the field's window is part of its control: a press there drags the control, a right press
// is the bar's.
TEST_F(CustomizeTest, PressesOnAFieldsWindowAreTheControlsAndTheBars)
{
    auto* pEdit = static_cast<CKTControlEdit*>(m_pStandard->GetControls()->Add(ktControlEdit, ID_EDIT_FIND));
    pEdit->SetWidth(100);
    Relayout();
    CRect rcField;
    pEdit->GetEditCtrl()->GetWindowRect(&rcField);
    m_pStandard->ScreenToClient(&rcField);
    const CPoint ptField = rcField.CenterPoint();
    ASSERT_EQ(pEdit->GetEditCtrl()->GetSafeHwnd(), m_pStandard->ChildWindowFromPoint(ptField)->GetSafeHwnd());

    CMessageRecorder recorder({m_pStandard->GetSafeHwnd()}, {WM_RBUTTONDOWN});
    CTestInput bar(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(ptField, true));
    ASSERT_FALSE(recorder.Messages().empty()) << "the right press reaches the bar";
    EXPECT_EQ(MAKELPARAM(ptField.x, ptField.y), recorder.Messages()[0].lParam);

    const CPoint ptOver = Across(m_pStandard, m_pSecond, AfterOn(m_pSecond, ID_EDIT_CUT));
    CLoopInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptField)
                    .AwaitCapture(m_pFrame->GetSafeHwnd())
                    .Move(ptField + CSize(5, 0))
                    .Move(ptOver)
                    .Await([&] { return Source()->GetTarget() == m_pSecond; })
                    .Release()
                    .AwaitNoCapture()
                    .Run());
    PumpMessages();
    EXPECT_EQ((std::vector<int>{ID_EDIT_CUT, ID_EDIT_FIND, ID_EDIT_COPY}), Ids(m_pSecond)) << "dragged by its field";
}

TEST_F(CustomizeTest, ARightPressOnAToolBarButtonMakesItTheCustomiseSelection)
{
    CKTControl* pOpen = Find(m_pStandard, ID_FILE_OPEN);
    const int nNotices = m_pFrame->m_nCustomizeSelections;
    CTestInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pOpen->GetRect().CenterPoint(), true));
    EXPECT_EQ(pOpen, m_pCommandBars->GetCustomize()->GetSelection());
    ASSERT_TRUE(input.Click(pOpen->GetRect().CenterPoint(), true));
    EXPECT_EQ(nNotices + 2, m_pFrame->m_nCustomizeSelections) << "selecting the same control again is told too";
}

// Cues that follow Alt and the keyboard show while customising and hide again when it ends.
TEST_F(CustomizeTest, KeyboardCuesInUseShowForTheModeAndHideAfterIt)
{
    m_pCommandBars->GetCustomize()->SetOn(FALSE);
    m_pCommandBars->SetKeyboardCuesInUse(TRUE);
    m_pCommandBars->SetKeyboardCuesVisible(FALSE);
    m_pCommandBars->GetCustomize()->SetOn(TRUE);
    EXPECT_TRUE(m_pCommandBars->IsKeyboardCuesVisible());
    m_pCommandBars->GetCustomize()->SetOn(FALSE);
    EXPECT_FALSE(m_pCommandBars->IsKeyboardCuesVisible());
}

// Outside customise mode Alt and a drag move a button when the frame runs the customise command.
TEST_F(CustomizeTest, AltDragMovesAButtonOutsideCustomiseMode)
{
    m_pCommandBars->GetCustomize()->SetOn(FALSE);
    m_pFrame->m_bCustomizeCommand = TRUE;
    const CPoint ptOpen = Find(m_pStandard, ID_FILE_OPEN)->GetRect().CenterPoint();
    CLoopInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.HoldKeys(CTestInput::kAlt)
                    .Press(ptOpen)
                    .AwaitCapture(m_pFrame->GetSafeHwnd())
                    .Move(Across(m_pStandard, m_pSecond, AfterOn(m_pSecond, ID_EDIT_COPY)))
                    .Await([&] { return Source()->GetTarget() == m_pSecond; })
                    .Release()
                    .AwaitNoCapture()
                    .ReleaseKeys()
                    .Run());
    PumpMessages();
    EXPECT_EQ((std::vector<int>{ID_FILE_NEW, ID_FILE_SAVE}), Ids(m_pStandard));
    EXPECT_EQ((std::vector<int>{ID_EDIT_CUT, ID_EDIT_COPY, ID_FILE_OPEN}), Ids(m_pSecond));
    EXPECT_FALSE(m_pCommandBars->IsCustomizeMode()) << "the mode ends with the drag";
    EXPECT_TRUE(m_pFrame->m_commands.empty());

    m_pFrame->m_bCustomizeCommand = FALSE;
    const CPoint ptNew = Find(m_pStandard, ID_FILE_NEW)->GetRect().CenterPoint();
    CLoopInput refused(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(refused.HoldKeys(CTestInput::kAlt)
                    .Press(ptNew)
                    .Move(Across(m_pStandard, m_pSecond, AfterOn(m_pSecond, ID_EDIT_COPY)))
                    .Release()
                    .AwaitNoCapture()
                    .ReleaseKeys()
                    .Run());
    PumpMessages();
    EXPECT_EQ((std::vector<int>{ID_FILE_NEW, ID_FILE_SAVE}), Ids(m_pStandard)) << "without the command nothing moves";
}

// A window standing for a customise dialog's command list: a press drags a new control of the command.
class CCommandList : public CWnd
{
public:
    CKTCommandBars* m_pCommandBars = NULL;
    int m_nEffect = -1;

protected:
    afx_msg void OnLButtonDown(UINT, CPoint)
    {
        CKTSmartPtr<CKTControl> pCommand = KTMakeCounted<CKTControlButton>();
        pCommand->SetID(ID_EDIT_REDO);
        pCommand->SetCaption("Redo");
        m_pCommandBars->GetCustomize()->GetDropSource()->SetOwnerWindow(this);
        m_nEffect = m_pCommandBars->GetCustomize()->GetDropSource()->DoDragDrop(pCommand);
        m_pCommandBars->GetCustomize()->GetDropSource()->SetOwnerWindow(NULL);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandList, CWnd)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

TEST_F(CustomizeTest, ACommandDraggedFromAListIsAddedWithTheAddCursor)
{
    CCommandList list;
    list.m_pCommandBars = m_pCommandBars;
    CRect rcList(0, 0, 100, 100);
    rcList.OffsetRect(CKTWindowRect(m_pFrame).CenterPoint());
    ASSERT_TRUE(list.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "Commands", WS_POPUP | WS_VISIBLE | WS_BORDER,
                              rcList, m_pFrame, 0));
    PumpMessages();
    CPoint ptOver = AfterOn(m_pSecond, ID_EDIT_CUT);
    m_pSecond->ClientToScreen(&ptOver);
    list.ScreenToClient(&ptOver);
    BOOL bAddCursor = FALSE;
    CLoopInput input(list.GetSafeHwnd());
    ASSERT_TRUE(input.Press(CPoint(50, 50))
                    .AwaitCapture()
                    .Move(ptOver)
                    .Await(
                        [&]
                        {
                            bAddCursor = ShownCursor() == Source()->GetAddCursor();
                            return Source()->GetTarget() == m_pSecond;
                        })
                    .Release()
                    .AwaitNoCapture()
                    .Run());
    PumpMessages();
    EXPECT_EQ(ktDropEffectMove, list.m_nEffect);
    EXPECT_EQ((std::vector<int>{ID_EDIT_CUT, ID_EDIT_REDO, ID_EDIT_COPY}), Ids(m_pSecond));
    EXPECT_EQ(CString("Redo"), Find(m_pSecond, ID_EDIT_REDO)->GetCaption());
    EXPECT_TRUE(bAddCursor) << "a control that leaves no bar shows the adding cursor";
}

// A close arriving while a control is dragged would destroy the bars under the loop: the frame refuses it.
TEST_F(CustomizeTest, TheFrameStaysOpenWhenAskedToCloseDuringADrag)
{
    const CPoint ptOpen = Find(m_pStandard, ID_FILE_OPEN)->GetRect().CenterPoint();
    const HWND hFrame = m_pFrame->GetSafeHwnd();
    CLoopInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptOpen)
                    .AwaitCapture(hFrame)
                    .Move(Across(m_pStandard, m_pSecond, AfterOn(m_pSecond, ID_EDIT_CUT)))
                    .Await(
                        [&]
                        {
                            DWORD_PTR nResult = 0;
                            ::SendMessageTimeout(hFrame, WM_CLOSE, 0, 0, SMTO_NORMAL, 5000, &nResult);
                            return true;
                        })
                    .Release()
                    .AwaitNoCapture()
                    .Run());
    PumpMessages();
    ASSERT_TRUE(::IsWindow(hFrame));
    EXPECT_EQ((std::vector<int>{ID_EDIT_CUT, ID_FILE_OPEN, ID_EDIT_COPY}), Ids(m_pSecond)) << "the drag went on";
}

// A window standing for the program's own customise dialog: it counts selection notices and runs the command of
// its context menu.
class CCustomizeDialog : public CWnd
{
public:
    int m_nSelections = 0;
    std::vector<UINT> m_commands;

protected:
    afx_msg LRESULT OnCustomizeSelection(WPARAM, LPARAM)
    {
        m_nSelections++;
        return 0;
    }
    afx_msg void OnBeginGroup() { m_commands.push_back(ID_TEST_ENABLED); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCustomizeDialog, CWnd)
ON_MESSAGE(KTWM_CUSTOMIZESELECTION, OnCustomizeSelection)
ON_COMMAND(ID_TEST_ENABLED, OnBeginGroup)
END_MESSAGE_MAP()

class CustomizeDialogTest : public CustomizeTest
{
protected:
    void SetUp() override
    {
        CustomizeTest::SetUp();
        CRect rc(0, 0, 120, 80);
        rc.OffsetRect(CKTWindowRect(m_pFrame).CenterPoint());
        ASSERT_TRUE(m_dialog.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "Customize",
                                      WS_POPUP | WS_VISIBLE | WS_BORDER, rc, m_pFrame, 0));
        PumpMessages();
    }
    void TearDown() override
    {
        Source()->SetCustomizeDialog(NULL);
        m_dialog.DestroyWindow();
        CustomizeTest::TearDown();
    }
    // A right press on Open of the Standard bar.
    bool RightPressOpen()
    {
        CTestInput input(m_pStandard->GetSafeHwnd());
        return input.Click(Find(m_pStandard, ID_FILE_OPEN)->GetRect().CenterPoint(), true);
    }

    CCustomizeDialog m_dialog;
};

TEST_F(CustomizeDialogTest, WhileTheDialogIsOpenItHearsOfTheSelectionAndTheFrameStaysOpen)
{
    Source()->SetCustomizeDialog(&m_dialog);
    ASSERT_TRUE(RightPressOpen());
    EXPECT_EQ(Find(m_pStandard, ID_FILE_OPEN), m_pCommandBars->GetCustomize()->GetSelection());
    EXPECT_EQ(1, m_dialog.m_nSelections);
    EXPECT_EQ(0, m_pFrame->m_nCustomizeSelections) << "the dialog is told instead of the frame";
    const HWND hFrame = m_pFrame->GetSafeHwnd();
    DWORD_PTR nResult = 0;
    ::SendMessageTimeout(hFrame, WM_CLOSE, 0, 0, SMTO_NORMAL, 5000, &nResult);
    ASSERT_TRUE(::IsWindow(hFrame));

    m_dialog.DestroyWindow();  // gone without a word
    LRESULT lResult = 0;
    EXPECT_FALSE(m_pCommandBars->HandleFrameMessage(WM_CLOSE, 0, 0, &lResult)) << "the frame may close again";
    m_pCommandBars->GetCustomize()->SetSelection(Find(m_pStandard, ID_FILE_NEW));
    EXPECT_EQ(1, m_pFrame->m_nCustomizeSelections);
}

TEST_F(CustomizeDialogTest, ARightPressOnAControlOpensTheDialogsMenuThereAndItsCommandReachesTheDialog)
{
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(NULL);
    pMenu->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Begin a Group");
    Source()->SetCustomizeDialog(&m_dialog, pMenu);
    CPoint ptOpen = Find(m_pStandard, ID_FILE_OPEN)->GetRect().CenterPoint();
    m_pStandard->ClientToScreen(&ptOpen);
    CRect rcMenu;
    CKTControl* pSelectedThen = NULL;
    CModalScript script({[&]
                         {
                             if (!pMenu->GetSafeHwnd() || !pMenu->IsWindowVisible())
                                 return false;
                             pMenu->GetWindowRect(rcMenu);
                             pSelectedThen = m_pCommandBars->GetCustomize()->GetSelection();
                             CTestInput(pMenu->GetSafeHwnd()).Click(pMenu->GetControl(0)->GetRect().CenterPoint());
                             return true;
                         },
                         [&]
                         {
                             if (pMenu->GetTrackingMode() != ktTrackingNone)
                                 CTestInput(pMenu->GetSafeHwnd()).Key(VK_ESCAPE);
                             return true;
                         }});
    ASSERT_TRUE(RightPressOpen());
    ASSERT_TRUE(PumpUntil([&] { return script.Done() && !m_dialog.m_commands.empty(); }));
    EXPECT_EQ(std::vector<UINT>{ID_TEST_ENABLED}, m_dialog.m_commands);
    EXPECT_EQ(Find(m_pStandard, ID_FILE_OPEN), pSelectedThen);
    EXPECT_EQ(ptOpen, rcMenu.TopLeft());
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

TEST_F(CustomizeTest, ARightPressOnAnOpenMenusItemSelectsItUnlessTheItemTakesThePressItself)
{
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    CKTControlPopup* pTools = AddToolsMenu(pMenu);
    auto* pTaker =
        static_cast<CRightPressButton*>(pMenu->GetControls()->Add(KTMakeCounted<CRightPressButton>(), ID_EDIT_COPY));
    pTaker->SetCaption("Own");
    ASSERT_TRUE(m_pSecond->SetPopuped(pTools->GetIndex()));
    ASSERT_TRUE(PumpUntil([&] { return pMenu->GetSafeHwnd() && pMenu->IsWindowVisible(); }));
    CKTControl* pUndo = Find(pMenu, ID_EDIT_UNDO);
    CTestInput input(pMenu->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pUndo->GetRect().CenterPoint(), true));
    EXPECT_EQ(pUndo, m_pCommandBars->GetCustomize()->GetSelection());
    ASSERT_TRUE(input.Click(pTaker->GetRect().CenterPoint(), true));
    EXPECT_EQ(1, pTaker->m_nPresses);
    EXPECT_EQ(pUndo, m_pCommandBars->GetCustomize()->GetSelection()) << "the item took the press";
}

// A menu opened while customising tracks the mouse, but the keys stay with the window that has the focus.
TEST_F(CustomizeTest, KeysReachTheFocusedFieldWhileAMenuOpenedInCustomiseModeTracks)
{
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    CKTControlPopup* pTools = AddToolsMenu(pMenu);
    CEdit field;  // stands in for a field of a customise dialog
    ASSERT_TRUE(field.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 80, 200, 110), m_pFrame, 0x7301));
    CTestInput input(field.GetSafeHwnd());
    ASSERT_TRUE(m_pSecond->SetPopuped(pTools->GetIndex()));
    ASSERT_NE(ktTrackingNone, pMenu->GetTrackingMode());
    ASSERT_TRUE(input.Text("k"));
    CString strText;
    field.GetWindowText(strText);
    EXPECT_EQ(CString("k"), strText);
    m_pSecond->SetPopuped(-1);
    field.DestroyWindow();
}
