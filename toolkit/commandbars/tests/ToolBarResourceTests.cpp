// ToolBarResourceTests.cpp: the frame as the designer starts it, with its standard tool bar from a resource.
#include "CommandBarsTestApp.h"
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTDockBar.h"
#include "KTDrawObjects.h"
#include "KTMenuBar.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "TestFrame.h"
#include "TestInput.h"

#include <afxres.h>
#include <gtest/gtest.h>

#include <vector>

namespace
{
using ToolBarResourceTest = CFrameFixture;

std::vector<UINT> Ids(CKTCommandBar* pBar)
{
    std::vector<UINT> ids;
    for (int i = 0; i < pBar->GetControlCount(); i++)
        ids.push_back(pBar->GetControl(i)->GetID());
    return ids;
}
}  // namespace

TEST_F(ToolBarResourceTest, StartUpPutsTheMenuBarThenStandardOnTheTopDockBar)
{
    CKTCommandBars* pCommandBars = m_pFrame->GetCommandBars();
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    ASSERT_TRUE(pStandard->LoadToolBar(IDR_TESTFRAME));
    pCommandBars->RecalcFrameLayout();
    PumpMessages();

    EXPECT_EQ(NULL, ::GetMenu(m_pFrame->GetSafeHwnd()));
    CKTMenuBar* pMenuBar = pCommandBars->GetMenuBar();
    EXPECT_EQ(1u, pMenuBar->GetBarID());
    CWnd* pTop = pCommandBars->GetDockBar(ktBarTop);
    EXPECT_EQ(pTop, pMenuBar->GetParent());
    EXPECT_EQ(pTop, pStandard->GetParent());
    CRect rcMenu, rcStandard;
    pMenuBar->GetWindowRect(rcMenu);
    pStandard->GetWindowRect(rcStandard);
    EXPECT_LE(rcMenu.bottom, rcStandard.top) << "the menu bar's row comes first";

    EXPECT_EQ(
        std::vector<UINT>({ID_FILE_NEW, ID_FILE_OPEN, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, KT_ID_TOOLBAR_EXPAND}),
        Ids(pStandard))
        << "the expand button ends the row";
    EXPECT_TRUE(pStandard->GetControl(2)->GetBeginGroup()) << "the separator starts a group at Cut";
    EXPECT_FALSE(pStandard->GetControl(1)->GetBeginGroup());
}

TEST_F(ToolBarResourceTest, ShortOrMissingResourcesFailAndLeaveNoButtons)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    EXPECT_FALSE(pStandard->LoadToolBar(IDR_SHORTTOOLBAR, FALSE)) << "nine ids announced, one present";
    EXPECT_EQ(0, pStandard->GetControlCount());
    EXPECT_FALSE(pStandard->LoadToolBar(4321, FALSE));
    EXPECT_EQ(0, pStandard->GetControlCount());
}

TEST_F(ToolBarResourceTest, TheExpandButtonOfANarrowFrameListsExactlyTheClippedButtons)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    ASSERT_TRUE(pStandard->LoadToolBar(IDR_TESTFRAME));
    m_pFrame->SetWindowPos(NULL, 0, 0, 120, 300, SWP_NOMOVE | SWP_NOZORDER);
    m_pFrame->GetCommandBars()->RecalcFrameLayout();
    PumpMessages();
    std::vector<UINT> clipped;
    for (int i = 0; i < pStandard->GetControlCount(); i++)
        if (pStandard->GetControl(i)->GetHideFlags() == ktHideWrap)
            clipped.push_back(pStandard->GetControl(i)->GetID());
    ASSERT_FALSE(clipped.empty()) << "the frame is too narrow for every button";
    CKTControl* pExpand = pStandard->GetControls()->FindControl(KT_ID_TOOLBAR_EXPAND);
    ASSERT_TRUE(pExpand != NULL);
    EXPECT_EQ(0u, pExpand->GetHideFlags());
    EXPECT_EQ(CString("Toolbar Options"), pExpand->GetCaption());

    CTestInput input(m_pFrame->GetSafeHwnd());
    CPoint pt = pExpand->GetRect().CenterPoint();
    pStandard->ClientToScreen(&pt);
    m_pFrame->ScreenToClient(&pt);
    ASSERT_TRUE(input.Click(pt));
    ASSERT_TRUE(pExpand->IsPopuped());
    CKTCommandBar* pPopup = pExpand->GetCommandBar();
    std::vector<UINT> listed = Ids(pPopup);
    listed.resize(clipped.size());
    EXPECT_EQ(clipped, listed);
    CKTControl* pAddRemove = pPopup->GetControl((int)clipped.size());
    EXPECT_EQ(CString("&Add or Remove Buttons"), pAddRemove->GetCaption()) << "then the bar list";
    EXPECT_TRUE(pAddRemove->GetBeginGroup());
    EXPECT_EQ(CString("Standard"), pAddRemove->GetCommandBar()->GetControl(0)->GetCaption());
    input.Key(VK_ESCAPE);
}

// A pane's own strip: the settings pane makes one, and a drag on it must not tear it out of the pane.
TEST_F(ToolBarResourceTest, APlainToolBarStaysInItsPaneAndNeverMoves)
{
    CWnd pane;
    ASSERT_TRUE(pane.Create("STATIC", NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 60), m_pFrame, 1234));
    CKTToolBar bar;
    ASSERT_TRUE(bar.CreateToolBar(WS_CHILD | WS_VISIBLE | CBRS_TOOLTIPS, &pane, AFX_IDW_TOOLBAR));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TESTFRAME));
    const CSize sz = bar.CalcDynamicLayout(400, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    bar.MoveWindow(0, 0, 400, sz.cy);

    char szClass[32] = "";
    ::GetClassNameA(bar.GetSafeHwnd(), szClass, sizeof(szClass));
    EXPECT_STREQ("KTToolBar", szClass);
    EXPECT_EQ(&pane, bar.GetParent());
    EXPECT_EQ(AFX_IDW_TOOLBAR, (UINT)bar.GetDlgCtrlID());
    EXPECT_EQ((DWORD)(WS_CLIPSIBLINGS | WS_CLIPCHILDREN), bar.GetStyle() & (WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
    EXPECT_EQ(0u, bar.GetStyle() & CBRS_TOOLTIPS) << "bar styles stay out of the window style";
    EXPECT_FALSE(bar.GetShowGripper());
    EXPECT_EQ(ktBarTop, bar.GetPosition());
    EXPECT_EQ(0u, bar.GetFlags() & 0x3F);
    EXPECT_TRUE(bar.GetDockContext() == NULL);
    EXPECT_GT(bar.GetControlCount(), 0);

    // Empty space right of the last button: a click there neither drags nor docks the bar.
    const CRect rcBefore = CKTWindowRect(&bar);
    CTestInput input(m_pFrame->GetSafeHwnd());
    CPoint pt(390, sz.cy / 2);
    bar.MapWindowPoints(m_pFrame, &pt, 1);
    ASSERT_TRUE(input.Click(pt));
    ASSERT_TRUE(input.DoubleClick(pt));
    PumpMessages();
    EXPECT_EQ(rcBefore, CKTWindowRect(&bar));
    EXPECT_EQ(&pane, bar.GetParent());
    EXPECT_EQ(NULL, ::GetCapture());
}

namespace
{
// The frame's window procedure while a test answers the button-creation messages itself.
WNDPROC s_pFrameProc = NULL;
std::vector<CKTControl*> s_created;  // the controls told of by 0x285F, in order

LRESULT CALLBACK ReplacingSiteProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* pcs = reinterpret_cast<KT_CONTROLCREATION*>(lParam);
    if (message == KTWM_CREATECONTROL && pcs->nId == ID_EDIT_CUT)
    {
        pcs->nType = ktControlComboBox;
        return TRUE;
    }
    if (message == KTWM_CREATECONTROL && pcs->nId == ID_FILE_OPEN)
    {
        pcs->pControl = new CCountedButton;
        pcs->pControl->SetID(ID_TEST_ENABLED);
        pcs->pControl->SetCaption("Site's own");
        return TRUE;
    }
    if (message == KTWM_CREATECONTROL && pcs->nId == ID_EDIT_COPY)
    {
        // Put in the record with a zero answer: still the site's.
        pcs->pControl = new CCountedButton;
        pcs->pControl->SetID(ID_TEST_NO_HANDLER);
        return 0;
    }
    if (message == KTWM_CONTROLCREATED)
        s_created.push_back(pcs->pControl);
    return ::CallWindowProc(s_pFrameProc, hWnd, message, wParam, lParam);
}
}  // namespace

TEST_F(ToolBarResourceTest, TheSiteReplacesButtonsOfTheResourceWithAComboBoxOrAControlOfItsOwn)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    HWND hFrame = m_pFrame->GetSafeHwnd();
    s_created.clear();
    s_pFrameProc = (WNDPROC)::SetWindowLongPtr(hFrame, GWLP_WNDPROC, (LONG_PTR)ReplacingSiteProc);
    const BOOL bLoaded = pStandard->LoadToolBar(IDR_TESTFRAME);
    ::SetWindowLongPtr(hFrame, GWLP_WNDPROC, (LONG_PTR)s_pFrameProc);
    ASSERT_TRUE(bLoaded);
    EXPECT_EQ(std::vector<UINT>({ID_FILE_NEW, ID_TEST_ENABLED, ID_EDIT_CUT, ID_TEST_NO_HANDLER, ID_EDIT_PASTE}),
              Ids(pStandard));
    ASSERT_EQ(5u, s_created.size()) << "the site heard of every button it got";
    EXPECT_EQ(pStandard->GetControl(1), s_created[1]);
    EXPECT_TRUE(pStandard->GetControl(1)->IsKindOf(RUNTIME_CLASS(CCountedButton))) << "added unchanged";
    EXPECT_EQ(pStandard->GetControl(3), s_created[3]) << "taken though the site answered 0";
    CKTControl* pCut = pStandard->GetControl(2);
    ASSERT_EQ(ktControlComboBox, pCut->GetType());
    EXPECT_TRUE(pCut->GetBeginGroup()) << "the separator before it still counts";

    // The combo box in the cut button's place opens its list on a real click.
    m_pFrame->GetCommandBars()->RecalcFrameLayout();
    PumpMessages();
    CTestInput input(pStandard->GetSafeHwnd());
    m_pFrame->m_commands.clear();
    ASSERT_TRUE(input.Click(CPoint(pCut->GetRect().right - 4, pCut->GetRect().CenterPoint().y)));
    EXPECT_TRUE(PumpUntil([pCut] { return pCut->IsPopuped(); }, 2000)) << "a combo box, not a button";
    m_pFrame->GetCommandBars()->ClosePopups();
    ASSERT_TRUE(input.Click(pStandard->GetControl(1)->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, 2000));
    EXPECT_EQ((UINT)ID_TEST_ENABLED, m_pFrame->m_commands[0]) << "the site's own control runs its command";
}

TEST_F(ToolBarResourceTest, HidingAPlainToolBarLetsItsPaneLayOutAndHidingAFrameBarEndsTrackingAndMarksTheOptions)
{
    CWnd pane;
    ASSERT_TRUE(pane.Create("STATIC", NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 60), m_pFrame, 1234));
    CKTToolBar bar;
    ASSERT_TRUE(bar.CreateToolBar(WS_CHILD | WS_VISIBLE, &pane, AFX_IDW_TOOLBAR));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TESTFRAME));
    {
        CMessageRecorder recorder({pane.GetSafeHwnd()}, {WM_SIZE});
        bar.SetVisible(FALSE);
        ASSERT_EQ(1u, recorder.Messages().size()) << "the pane hears that its bar went";
        EXPECT_EQ(MAKELPARAM(400, 60), recorder.Messages()[0].lParam);
        EXPECT_FALSE(bar.IsWindowVisible());
        recorder.Clear();
        bar.SetVisible(TRUE);
        EXPECT_EQ(1u, recorder.Messages().size()) << "and that it came back";
    }

    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    CKTCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
    pOptions->bDirty = FALSE;
    pStandard->SetTrackingMode(ktTrackingOn);
    pStandard->SetVisible(FALSE);
    EXPECT_EQ(ktTrackingNone, pStandard->GetTrackingMode());
    EXPECT_TRUE(pOptions->bDirty) << "the bar's visibility is saved with the layout";
    pStandard->SetVisible(TRUE);
}
