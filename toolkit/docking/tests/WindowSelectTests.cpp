// The window selector opened by real Ctrl+Tab and Alt+F7 over the test application's documents.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "HeldKeys.h"
#include "InputBuilder.h"
#include "KTDrawObjects.h"
#include "KTDockingPane.h"
#include "KTDockingPaneKeyboardHook.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPaneWindowSelect.h"
#include "TestApp.h"
#include "TestInput.h"

namespace
{
const int kAllShortcuts =
    ktKeyboardNavigateMenu | ktKeyboardNavigatePanes | ktKeyboardNavigateSelect | ktKeyboardNavigateCtrlTab;

void SendKeys(std::initializer_list<std::pair<WORD, bool>> keys)
{
    std::vector<INPUT> inputs;
    for (const auto& key : keys)
        InputBuilder::AddKey(inputs, key.first, key.second);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

CKTDockingPaneWindowSelect* ShownSelector()
{
    CKTDockingPaneWindowSelect* pSelector = KTDockingPaneKeyboardHook()->GetRunningSelector();
    return pSelector && pSelector->IsWindowVisible() ? pSelector : nullptr;
}

HWND SelectedWindow(const CKTDockingPaneWindowSelect* pSelector)
{
    const CKTDockingPaneWindowSelectItem* pItem = pSelector->GetLayout().GetSelectedItem();
    return pItem ? pItem->hWnd : NULL;
}

class WindowSelectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MainFrameForTests()->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)));
        m_pFrame = static_cast<CMDIFrameWnd*>(MainFrameForTests());
        m_pManager = std::make_unique<CKTDockingPaneManager>();
        ASSERT_TRUE(m_pManager->InstallDockingPanes(m_pFrame));
        m_pManager->SetTheme(ktDockingPaneThemeStickers);
        CreatePane(703, "OutPut", ktDockBottom);
        CreatePane(701, "Solution Explorer", ktDockLeft);
        CreatePane(702, "Properties", ktDockRight);
        m_pFrame->RecalcLayout();
        PumpPending();
        ASSERT_TRUE(KTDockingPaneKeyboardHook()->Enable(m_pManager.get(), kAllShortcuts));
    }

    void TearDown() override
    {
        SendKeys({{VK_SHIFT, false}, {VK_CONTROL, false}, {VK_MENU, false}});
        PumpPending();
        KTDockingPaneKeyboardHook()->Enable(m_pManager.get(), 0);
        theApp.m_pDocTemplate->CloseAllDocuments(FALSE);
        m_pManager.reset();
        m_paneWindows.clear();
        m_pFrame->RecalcLayout();
        PumpPending();
    }

    void CreatePane(int nID, LPCSTR lpszTitle, int nDirection)
    {
        CKTDockingPane* pPane = m_pManager->CreatePane(nID, CRect(0, 0, 150, 120), nDirection);
        ASSERT_NE(nullptr, pPane);
        pPane->SetTitle(lpszTitle);
        auto pWnd = std::make_unique<CWnd>();
        pWnd->Create("EDIT", NULL, WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 0, 0), m_pFrame, 0);
        pPane->Attach(pWnd->GetSafeHwnd());
        m_paneWindows.push_back(std::move(pWnd));
    }

    // Opens documents one after the other; the last one is active and holds the focus.
    std::vector<HWND> OpenDocuments(int nCount)
    {
        std::vector<HWND> children;
        for (int i = 0; i < nCount; ++i)
        {
            theApp.m_pDocTemplate->OpenDocumentFile(nullptr);
            children.push_back(ActiveChild());
        }
        m_pFrame->SetForegroundWindow();
        ::SetFocus(children.back());
        PumpPending();
        return children;
    }

    // Presses the key while the modifier is held; from then on, each time a timer fires while the selector shows,
    // the work runs until it returns TRUE. The caller's wait pumps the timer.
    static void WhileSelectorShows(WORD wKey, std::function<BOOL(CKTDockingPaneWindowSelect*)> work)
    {
        SendKeys({{wKey, true}, {wKey, false}});
        RunFromTimer(
            [work]
            {
                CKTDockingPaneWindowSelect* pSelector = ShownSelector();
                return pSelector && work(pSelector);
            });
    }

    HWND ActiveChild() const
    {
        return reinterpret_cast<HWND>(::SendMessage(m_pFrame->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
    }

    BOOL WaitForActive(HWND hWndChild)
    {
        return WaitFor([&]
                       { return ActiveChild() == hWndChild && !KTDockingPaneKeyboardHook()->GetRunningSelector(); });
    }

    CMDIFrameWnd* m_pFrame = nullptr;
    std::unique_ptr<CKTDockingPaneManager> m_pManager;
    std::vector<std::unique_ptr<CWnd>> m_paneWindows;  // in creation order: 703, 701, 702
};
}  // namespace

TEST_F(WindowSelectTest, CtrlTabWithThreePanesSelectsThePreviousDocumentAndReleasingCtrlActivatesIt)
{
    const std::vector<HWND> children = OpenDocuments(2);
    CRect rcSelector;
    HWND hWndSelected = NULL;
    int nItemHeight = 0;
    int nPanes = 0;
    CRect rcFirstFile;
    CHeldKeys ctrl(CTestInput::kControl);
    ASSERT_TRUE(ctrl.IsHeld());
    SendKeys({{VK_TAB, true}, {VK_TAB, false}});
    RunFromTimer(
        [&]
        {
            CKTDockingPaneWindowSelect* pSelector = ShownSelector();
            if (!pSelector)
                return FALSE;
            pSelector->GetWindowRect(&rcSelector);
            hWndSelected = SelectedWindow(pSelector);
            nPanes = pSelector->GetLayout().GetPaneCount();
            rcFirstFile = pSelector->GetLayout().GetItems().back().rc;
            nItemHeight = pSelector->GetLayout().GetItemHeight();
            ctrl.Release();
            return TRUE;
        });
    ASSERT_TRUE(WaitForActive(children[0]));

    EXPECT_EQ(children[0], hWndSelected);
    EXPECT_GE(nItemHeight, 20);
    EXPECT_EQ(3, nPanes);
    EXPECT_EQ(184, rcFirstFile.left) << "the files' column follows the panes'";
    EXPECT_EQ(CSize(2 * 175 + 4, (nItemHeight + 1) * 3 + 123 + nItemHeight), rcSelector.Size());
    CRect rcFrame;
    m_pFrame->GetWindowRect(&rcFrame);
    EXPECT_NEAR(rcFrame.CenterPoint().x, rcSelector.CenterPoint().x, 1);
    EXPECT_NEAR(rcFrame.CenterPoint().y, rcSelector.CenterPoint().y, 1);
    EXPECT_TRUE(m_pFrame->IsWindowEnabled()) << "the frame is enabled again";
}

TEST_F(WindowSelectTest, CtrlShiftTabSelectsTheLastDocument)
{
    const std::vector<HWND> children = OpenDocuments(3);
    HWND hWndSelected = NULL;
    CHeldKeys ctrlShift(CTestInput::kControl | CTestInput::kShift);
    ASSERT_TRUE(ctrlShift.IsHeld());
    SendKeys({{VK_TAB, true}, {VK_TAB, false}});
    RunFromTimer(
        [&]
        {
            CKTDockingPaneWindowSelect* pSelector = ShownSelector();
            if (!pSelector)
                return FALSE;
            hWndSelected = SelectedWindow(pSelector);
            ctrlShift.Release();
            return TRUE;
        });
    ASSERT_TRUE(WaitForActive(children[0]));
    EXPECT_EQ(children[0], hWndSelected) << "the oldest document is the last in the list";
}

TEST_F(WindowSelectTest, AltF7ListsPanesFirstStaysWhileAltIsHeldAndEndsOnItsRelease)
{
    const std::vector<HWND> children = OpenDocuments(3);
    int nStep = 0;
    int nOpenedOn = -1;
    CKTDockingPane* pAfterDown = nullptr;
    CHeldKeys alt(CTestInput::kAlt);
    ASSERT_TRUE(alt.IsHeld());
    SendKeys({{VK_F7, true}, {VK_F7, false}});
    RunFromTimer(
        [&]
        {
            CKTDockingPaneWindowSelect* pSelector = ShownSelector();
            if (!pSelector)
                return FALSE;
            if (nStep++ == 0)
            {
                nOpenedOn = pSelector->GetLayout().GetSelectedIndex();
                SendKeys({{VK_DOWN, true}, {VK_DOWN, false}});
                return FALSE;
            }
            if (pSelector->GetLayout().GetSelectedIndex() == nOpenedOn)
                return FALSE;  // Down not handled yet
            pAfterDown = pSelector->GetLayout().GetSelectedItem()->pPane;
            alt.Release();
            return TRUE;
        });
    ASSERT_TRUE(WaitFor([&] { return pAfterDown && !KTDockingPaneKeyboardHook()->GetRunningSelector(); }));
    EXPECT_EQ(0, nOpenedOn) << "with no active pane the first pane";
    EXPECT_EQ(m_pManager->FindPane(701), pAfterDown);
    EXPECT_TRUE(WaitFor([&] { return ::GetFocus() == m_paneWindows[1]->GetSafeHwnd(); })) << "the pane was shown";
    EXPECT_EQ(children[2], ActiveChild());
}

TEST_F(WindowSelectTest, MoreThanFifteenDocumentsMakeASecondColumnAndALetterConfirms)
{
    const std::vector<HWND> children = OpenDocuments(17);
    int nColumns = 0;
    CSize sizeSelector;
    int nStep = 0;
    CHeldKeys ctrl(CTestInput::kControl);
    ASSERT_TRUE(ctrl.IsHeld());
    SendKeys({{VK_TAB, true}, {VK_TAB, false}});
    RunFromTimer(
        [&]
        {
            CKTDockingPaneWindowSelect* pSelector = ShownSelector();
            if (!pSelector)
                return FALSE;
            if (nStep++ == 0)
            {
                nColumns = pSelector->GetLayout().GetColumnCount();
                sizeSelector = CSize(pSelector->GetLayout().GetWindowSize());
                SendKeys({{VK_RIGHT, true}, {VK_RIGHT, false}});
                return FALSE;
            }
            SendKeys({{'A', true}, {'A', false}});
            return TRUE;
        });
    ASSERT_TRUE(WaitForActive(children[0])) << "Right went from the second row to the oldest document";
    EXPECT_EQ(3, nColumns) << "the panes' and two of files";
    EXPECT_EQ(3 * 175 + 4, sizeSelector.cx);
}

TEST_F(WindowSelectTest, EscWithCtrlStillHeldCancelsAndTheFocusStaysInTheActiveDocument)
{
    const std::vector<HWND> children = OpenDocuments(2);
    const HWND hWndFocus = ::GetFocus();
    ASSERT_TRUE(hWndFocus == children[1] || ::IsChild(children[1], hWndFocus));
    BOOL bShown = FALSE;
    SendKeys({{VK_CONTROL, true}, {VK_TAB, true}, {VK_TAB, false}});
    RunFromTimer(
        [&]
        {
            if (!ShownSelector())
                return FALSE;
            bShown = TRUE;
            SendKeys({{VK_ESCAPE, true}, {VK_ESCAPE, false}});
            return TRUE;
        });
    ASSERT_TRUE(WaitFor([&] { return bShown && !KTDockingPaneKeyboardHook()->GetRunningSelector(); }));
    SendKeys({{VK_CONTROL, false}});
    PumpPending();
    EXPECT_EQ(children[1], ActiveChild()) << "Esc activated nothing";
    EXPECT_EQ(hWndFocus, ::GetFocus()) << "back where it was";
    EXPECT_TRUE(m_pFrame->IsWindowEnabled());
}

TEST_F(WindowSelectTest, AltF6MovesToTheNextPane)
{
    OpenDocuments(1);
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_F6, CTestInput::kAlt));
    EXPECT_TRUE(WaitFor([&] { return ::GetFocus() == m_paneWindows[0]->GetSafeHwnd(); })) << "the first pane";
    RunIdle();
    ASSERT_TRUE(input.Key(VK_F6, CTestInput::kAlt));
    EXPECT_TRUE(WaitFor([&] { return ::GetFocus() == m_paneWindows[1]->GetSafeHwnd(); })) << "then the next";
    RunIdle();
    ASSERT_TRUE(input.Key(VK_F6, CTestInput::kAlt | CTestInput::kShift));
    EXPECT_TRUE(WaitFor([&] { return ::GetFocus() == m_paneWindows[0]->GetSafeHwnd(); })) << "Shift goes back";
}

namespace
{
// A selector of the application's own, counted as the hook makes it.
class CCountedWindowSelect : public CKTDockingPaneWindowSelect
{
    DECLARE_DYNCREATE(CCountedWindowSelect)
public:
    CCountedWindowSelect() { ++s_nMade; }
    static int s_nMade;
};
int CCountedWindowSelect::s_nMade = 0;
IMPLEMENT_DYNCREATE(CCountedWindowSelect, CKTDockingPaneWindowSelect)

// Pane 703 floats in a themed frame that is rolled up to its caption, the pointer and the focus away from it.
class RolledUpPaneTest : public WindowSelectTest
{
protected:
    void SetUp() override
    {
        WindowSelectTest::SetUp();
        m_pManager->m_bThemedFloatingFrames = TRUE;
        m_pFloating = m_pManager->FloatPane(m_pManager->FindPane(703), CRect(300, 300, 560, 500));
        ASSERT_NE(nullptr, m_pFloating);
        PumpPending();
        m_nFullHeight = Height();
    }

    void RollUp()
    {
        m_pFrame->SetForegroundWindow();
        ::SetFocus(ActiveChild());
        m_pManager->UpdatePanesFocus();
        // Over the document, clear of the frame: the display gives the keys to the window under the pointer.
        CPoint ptAway(10, 10);
        ::ClientToScreen(ActiveChild(), &ptAway);
        ASSERT_FALSE(CKTWindowRect(m_pFloating->GetSafeHwnd()).PtInRect(ptAway));
        ::SetCursorPos(ptAway.x, ptAway.y);
        if (!m_pFloating->IsCollapsed())
            m_pFloating->ToggleCollapse();
        ASSERT_TRUE(WaitFor([&] { return !m_pFloating->IsSlidOpen(); })) << "rolled up once the pointer is away";
        ASSERT_LT(Height(), m_nFullHeight);
    }
    int Height() const { return CKTWindowRect(m_pFloating->GetSafeHwnd()).Height(); }

    CKTDockingPaneMiniWnd* m_pFloating = nullptr;
    int m_nFullHeight = 0;
};
}  // namespace

TEST_F(WindowSelectTest, TheSelectorIsMadeFromTheManagersClass)
{
    const std::vector<HWND> children = OpenDocuments(2);
    m_pManager->m_pWindowSelectClass = RUNTIME_CLASS(CCountedWindowSelect);
    const int nMadeBefore = CCountedWindowSelect::s_nMade;
    BOOL bDerived = FALSE;
    CHeldKeys ctrl(CTestInput::kControl);
    ASSERT_TRUE(ctrl.IsHeld());
    WhileSelectorShows(VK_TAB,
                       [&](CKTDockingPaneWindowSelect* pSelector)
                       {
                           bDerived = pSelector->IsKindOf(RUNTIME_CLASS(CCountedWindowSelect));
                           ctrl.Release();
                           return TRUE;
                       });
    EXPECT_TRUE(WaitForActive(children[0]));
    EXPECT_TRUE(bDerived);
    EXPECT_EQ(nMadeBefore + 1, CCountedWindowSelect::s_nMade);
}

TEST_F(RolledUpPaneTest, TheSelectorOpensARolledUpFrame)
{
    OpenDocuments(1);
    RollUp();
    CHeldKeys alt(CTestInput::kAlt);
    ASSERT_TRUE(alt.IsHeld());
    CKTDockingPane* pFloatingPane = m_pManager->FindPane(703);
    int nDownFrom = -1;
    WhileSelectorShows(VK_F7,
                       [&](CKTDockingPaneWindowSelect* pSelector)
                       {
                           const CKTDockingPaneWindowSelectLayout& layout = pSelector->GetLayout();
                           if (layout.GetSelectedItem() && layout.GetSelectedItem()->pPane == pFloatingPane)
                           {
                               alt.Release();
                               return TRUE;
                           }
                           // Down once for each selection seen, until the floating pane is the selected one.
                           if (layout.GetSelectedIndex() != nDownFrom)
                           {
                               nDownFrom = layout.GetSelectedIndex();
                               SendKeys({{VK_DOWN, true}, {VK_DOWN, false}});
                           }
                           return FALSE;
                       });
    EXPECT_TRUE(WaitFor([&] { return ::GetFocus() == m_paneWindows[0]->GetSafeHwnd(); }));
    EXPECT_TRUE(m_pFloating->IsSlidOpen());
    EXPECT_EQ(m_nFullHeight, Height()) << "the selector opened the frame";
}

TEST_F(RolledUpPaneTest, AltF6OpensARolledUpFrame)
{
    OpenDocuments(1);
    RollUp();
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_F6, CTestInput::kAlt));
    EXPECT_TRUE(WaitFor([&] { return ::GetFocus() == m_paneWindows[0]->GetSafeHwnd(); })) << "the floating pane";
    EXPECT_TRUE(m_pFloating->IsSlidOpen());
    EXPECT_EQ(m_nFullHeight, Height()) << "Alt+F6 opened the frame";
}
