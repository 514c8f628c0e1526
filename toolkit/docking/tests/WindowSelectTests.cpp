// The window selector opened by real Ctrl+Tab and Alt+F7 over the test application's documents.
#include <gtest/gtest.h>

#include <vector>

#include "InputBuilder.h"
#include "KTDockingPaneKeyboardHook.h"
#include "KTDockingPaneWindowSelect.h"
#include "TestApp.h"

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
        ASSERT_TRUE(KTDockingPaneKeyboardHook()->Enable(m_pFrame, kAllShortcuts));
    }

    void TearDown() override
    {
        SendKeys({{VK_SHIFT, false}, {VK_CONTROL, false}, {VK_MENU, false}});
        PumpPending();
        KTDockingPaneKeyboardHook()->Enable(m_pFrame, 0);
        theApp.m_pDocTemplate->CloseAllDocuments(FALSE);
        PumpPending();
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
};
}  // namespace

TEST_F(WindowSelectTest, CtrlTabSelectsThePreviousDocumentAndReleasingCtrlActivatesIt)
{
    const std::vector<HWND> children = OpenDocuments(2);
    CRect rcSelector;
    HWND hWndSelected = NULL;
    int nItemHeight = 0;
    int nStep = 0;
    SendKeys({{VK_CONTROL, true}, {VK_TAB, true}, {VK_TAB, false}});
    RunFromTimer(
        [&]
        {
            CKTDockingPaneWindowSelect* pSelector = ShownSelector();
            if (!pSelector)
                return FALSE;
            if (nStep++ == 0)
            {
                // A held Ctrl repeats. The display also forgets held keys when a new window takes the
                // focus, and the repeat tells it again.
                SendKeys({{VK_CONTROL, true}});
                return FALSE;
            }
            pSelector->GetWindowRect(&rcSelector);
            hWndSelected = SelectedWindow(pSelector);
            nItemHeight = pSelector->GetLayout().GetItemHeight();
            SendKeys({{VK_CONTROL, false}});
            return TRUE;
        });
    ASSERT_TRUE(WaitForActive(children[0]));

    EXPECT_EQ(children[0], hWndSelected);
    EXPECT_GE(nItemHeight, 20);
    EXPECT_EQ(CSize(2 * 175 + 4, (nItemHeight + 1) * 2 + 123 + nItemHeight), rcSelector.Size());
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
    SendKeys({{VK_CONTROL, true}, {VK_SHIFT, true}, {VK_TAB, true}, {VK_TAB, false}});
    RunFromTimer(
        [&]
        {
            CKTDockingPaneWindowSelect* pSelector = ShownSelector();
            if (!pSelector)
                return FALSE;
            hWndSelected = SelectedWindow(pSelector);
            SendKeys({{VK_CONTROL, true}});
            SendKeys({{VK_SHIFT, false}, {VK_CONTROL, false}});
            return TRUE;
        });
    ASSERT_TRUE(WaitForActive(children[0]));
    EXPECT_EQ(children[0], hWndSelected) << "the oldest document is the last in the list";
}

TEST_F(WindowSelectTest, AltF7SelectorStaysWhileAltIsHeldAndEndsOnItsRelease)
{
    const std::vector<HWND> children = OpenDocuments(3);
    int nStep = 0;
    HWND hWndAfterDown = NULL;
    SendKeys({{VK_MENU, true}, {VK_F7, true}, {VK_F7, false}});
    RunFromTimer(
        [&]
        {
            CKTDockingPaneWindowSelect* pSelector = ShownSelector();
            if (!pSelector)
                return FALSE;
            if (nStep++ == 0)
            {
                SendKeys({{VK_MENU, true}, {VK_DOWN, true}, {VK_DOWN, false}});  // Alt repeats as it is held
                return FALSE;
            }
            hWndAfterDown = SelectedWindow(pSelector);
            SendKeys({{VK_MENU, false}});
            return TRUE;
        });
    ASSERT_TRUE(WaitForActive(children[0]));
    EXPECT_EQ(children[0], hWndAfterDown) << "Down moved on from the second document to the third";
}

TEST_F(WindowSelectTest, MoreThanFifteenDocumentsMakeASecondColumnAndALetterConfirms)
{
    const std::vector<HWND> children = OpenDocuments(17);
    int nColumns = 0;
    CSize sizeSelector;
    int nStep = 0;
    SendKeys({{VK_CONTROL, true}, {VK_TAB, true}, {VK_TAB, false}});
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
                SendKeys({{VK_CONTROL, true}, {VK_RIGHT, true}, {VK_RIGHT, false}});
                return FALSE;
            }
            SendKeys({{'A', true}, {'A', false}});
            return TRUE;
        });
    ASSERT_TRUE(WaitForActive(children[0])) << "Right went from the second row to the oldest document";
    EXPECT_EQ(2, nColumns);
    EXPECT_EQ(2 * 175 + 4, sizeSelector.cx);
}
