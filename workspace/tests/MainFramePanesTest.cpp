// The main frame's three panes: where they stand, their windows made when first shown, the output's
// read-only text, and a close request that only hides a pane.
#include <gtest/gtest.h>

#include "KTDockingPane.h"
#include "KTDockingPaneAutoHidePanel.h"
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneDefines.h"
#include "KTDockingPaneRes.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTColorManager.h"
#include "KTPaintManager.h"
#include "LoadedFrame.h"
#include "MessagePump.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "TestInput.h"
#include "WorkspaceRes.h"

namespace
{

CRect ScreenRectOf(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

CRect GroupRect(CMainFrame& frame, int nPane)
{
    return ScreenRectOf(frame.m_paneManager.FindPane(nPane)->GetTabbedContainer()->GetSafeHwnd());
}

// Refuses to make edit windows that are children of a top-level window while it lives: the output
// is the only one the frame makes.
class CRefuseFrameEdits
{
public:
    CRefuseFrameEdits() { m_hHook = ::SetWindowsHookEx(WH_CBT, Proc, nullptr, ::GetCurrentThreadId()); }
    ~CRefuseFrameEdits()
    {
        if (m_hHook)
            ::UnhookWindowsHookEx(m_hHook);
    }
    CRefuseFrameEdits(const CRefuseFrameEdits&) = delete;
    CRefuseFrameEdits& operator=(const CRefuseFrameEdits&) = delete;
    bool IsHooked() const { return m_hHook != nullptr; }

private:
    static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_CREATEWND)
        {
            const CREATESTRUCT* pCreate = reinterpret_cast<CBT_CREATEWND*>(lParam)->lpcs;
            const bool bNamed = HIWORD(reinterpret_cast<ULONG_PTR>(pCreate->lpszClass)) != 0;
            if (bNamed && lstrcmpi(pCreate->lpszClass, "EDIT") == 0 && pCreate->hwndParent &&
                !::GetParent(pCreate->hwndParent))
                return 1;
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    HHOOK m_hHook;
};

}  // namespace

TEST(MainFramePanes, TheTreeStandsLeftThePropertiesBesideItAndTheOutputUnderTheEditors)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    CMainFrame& main = *frame.pFrame;
    CKTDockingPane* pTree = main.m_paneManager.FindPane(ID_PANE_PROJECT_TREE);
    CKTDockingPane* pSettings = main.m_paneManager.FindPane(ID_PANE_SETTINGS);
    CKTDockingPane* pOutput = main.m_paneManager.FindPane(ID_PANE_OUTPUT);
    ASSERT_TRUE(pTree && pSettings && pOutput);
    EXPECT_EQ("Solution Explorer", pTree->GetTitle());
    EXPECT_EQ("Properties", pSettings->GetTitle());
    EXPECT_EQ("OutPut", pOutput->GetTitle());
    EXPECT_EQ(main.m_wndProjectTree.GetSafeHwnd(), pTree->GetHandle());
    EXPECT_EQ(main.m_wndSettings.GetSafeHwnd(), pSettings->GetHandle());
    EXPECT_EQ(main.m_wndOutput.GetSafeHwnd(), pOutput->GetHandle());

    const CRect rcTree = GroupRect(main, ID_PANE_PROJECT_TREE);
    const CRect rcSettings = GroupRect(main, ID_PANE_SETTINGS);
    const CRect rcOutput = GroupRect(main, ID_PANE_OUTPUT);
    const CRect rcEditors = ScreenRectOf(main.m_hWndMDIClient);
    CRect rcClient;
    main.GetClientRect(&rcClient);
    main.ClientToScreen(&rcClient);
    EXPECT_EQ(rcClient.left, rcTree.left) << "the tree along the frame's left side";
    EXPECT_EQ(rcTree.top, rcSettings.top);
    EXPECT_LE(rcTree.right, rcSettings.left) << "the properties right of the tree";
    EXPECT_LE(rcSettings.right, rcOutput.left);
    EXPECT_LE(rcEditors.bottom, rcOutput.top) << "the output under the editors";
    EXPECT_EQ(rcTree.bottom, rcOutput.bottom);
    EXPECT_GT(rcEditors.Width(), 0);
    EXPECT_EQ(main.m_treeImages.GetSafeHandle(), TreeView_GetImageList(main.m_wndProjectTree.m_wndTree, TVSIL_NORMAL))
        << "the frame's images, not the pane's own";
}

TEST(MainFramePanes, TheOutputHasTheThemesFrameAndTakesNoTypedText)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    COutputEdit& output = frame.pFrame->m_wndOutput;
    output.RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const COLORREF clrFrame = KTColorManager()->GetColor(
        CKTPaintManager::CreateTheme(ktCommandBarsThemeFlatScheme)->GetBorderColorIndex(FALSE));
    // On a busy machine the screen can show the frame later than the window drew it.
    CPixelImage shown = CPixelImage::FromScreen(ScreenRectOf(output.GetSafeHwnd()));
    auto rightEdge = [&] { return NearColor(shown.Pixel(shown.Width() - 1, shown.Height() / 2), clrFrame, 0); };
    auto bottomEdge = [&] { return NearColor(shown.Pixel(shown.Width() / 2, shown.Height() - 1), clrFrame, 0); };
    PumpUntil(
        [&]
        {
            shown = CPixelImage::FromScreen(ScreenRectOf(output.GetSafeHwnd()));
            return rightEdge() && bottomEdge();
        });
    EXPECT_TRUE(rightEdge());
    EXPECT_TRUE(bottomEdge());

    output.SetWindowText("Start Generating...");
    output.SetFocus();
    CTestInput input(output.GetSafeHwnd());
    ASSERT_TRUE(input.Text("xyz"));
    ASSERT_TRUE(input.Key(VK_BACK));
    CString strText;
    output.GetWindowText(strText);
    EXPECT_STREQ("Start Generating...", strText);
}

// The user may have selected a line to copy while a build goes on: a new line never replaces it,
// and the newest line is the one in view.
TEST(MainFramePanes, AnOutputLineGoesAtTheEndWhateverTheUserSelected)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    COutputEdit& output = frame.pFrame->m_wndOutput;
    for (int i = 0; i < 40; i++)
        output.AddLine("Start Generating...");
    output.SetFocus();
    CTestInput input(output.GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_HOME, CTestInput::kControl));
    ASSERT_TRUE(input.Key(VK_END, CTestInput::kShift));
    int nStart = 0, nEnd = 0;
    output.GetSel(nStart, nEnd);
    ASSERT_EQ(0, nStart);
    ASSERT_EQ(19, nEnd) << "the first line selected";

    // A compiler's long line takes the text past the system edit's first limit; the lines after it still come.
    const CString strLong('x', 40000);
    output.AddLine(strLong);
    output.AddLine("Successfully Generated!");
    CString strText;
    output.GetWindowText(strText);
    CString strExpected;
    for (int i = 0; i < 40; i++)
        strExpected += "Start Generating...\r\n";
    EXPECT_EQ(strExpected + strLong + "\r\n" + "Successfully Generated!\r\n", strText);
    EXPECT_GT(output.GetFirstVisibleLine(), 0) << "scrolled to the newest line";
    EXPECT_FALSE(output.CanUndo()) << "the user has nothing of the output to undo";
}

TEST(MainFramePanes, ClosingAPaneHidesItInTheAutoHidePanelOfItsSide)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    CKTDockingPaneManager& manager = frame.pFrame->m_paneManager;
    CKTDockingPane* pSettings = manager.FindPane(ID_PANE_SETTINGS);
    CKTDockingPaneTabbedContainer* pGroup = pSettings->GetTabbedContainer();
    pGroup->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const CRect rcClose = pGroup->FindCaptionButton(KT_IDS_DOCKING_CLOSE)->GetRect();
    ASSERT_FALSE(rcClose.IsRectEmpty());
    CTestInput input(pGroup->GetSafeHwnd());
    ASSERT_TRUE(input.Click(rcClose.CenterPoint()));
    PumpIdle();

    EXPECT_FALSE(pSettings->IsClosed()) << "no pane is ever closed";
    EXPECT_TRUE(pSettings->IsHidden());
    CKTDockingPaneAutoHidePanel* pPanel = manager.GetLayout()->GetPanel(ktDockLeft);
    ASSERT_TRUE(pPanel) << "a pane left of the editors hides on the left";
    EXPECT_TRUE(pPanel->ContainsPane(pSettings));
    EXPECT_FALSE(manager.FindPane(ID_PANE_PROJECT_TREE)->IsHidden());
    EXPECT_EQ(frame.pFrame->m_wndSettings.GetSafeHwnd(), pSettings->GetHandle()) << "its window stays";
}

TEST(MainFramePanes, APaneWindowThatCannotBeMadeIsNotAttachedAndIsMadeAtTheNextShowing)
{
    CMainFrame* pFrame = new CMainFrame;
    {
        CRefuseFrameEdits refuse;
        ASSERT_TRUE(refuse.IsHooked());
        ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr));
        PumpIdle();
    }
    CKTDockingPane* pOutput = pFrame->m_paneManager.FindPane(ID_PANE_OUTPUT);
    ASSERT_TRUE(pOutput);
    EXPECT_FALSE(pFrame->m_wndOutput.GetSafeHwnd());
    EXPECT_FALSE(pOutput->IsValid()) << "nothing is attached in place of the output";
    EXPECT_TRUE(pFrame->m_paneManager.FindPane(ID_PANE_PROJECT_TREE)->IsValid());

    pFrame->m_paneManager.ShowPane(pOutput, FALSE);
    PumpIdle();
    ASSERT_TRUE(pFrame->m_wndOutput.GetSafeHwnd());
    EXPECT_EQ(pFrame->m_wndOutput.GetSafeHwnd(), pOutput->GetHandle());
    pFrame->DestroyWindow();
}
