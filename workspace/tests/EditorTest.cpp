// Editors opened through the application's template inside a loaded main frame: coloured text,
// the menu key's Edit popup, Ctrl+G through the frame's keys, and edits written when the frame goes.
#include <gtest/gtest.h>

#include <cstring>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "ChildFrame.h"
#include "FrameKeys.h"
#include "GuiLeakCheck.h"
#include "HeldKeys.h"
#include "KTDrawObjects.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTMenuBar.h"
#include "KTControls.h"
#include "KTPopupBar.h"
#include "KTSyntaxEditCompletion.h"
#include "KTSyntaxEditCollapsedMark.h"
#include "KTToolBar.h"
#include "KTTabClientGroup.h"
#include "KTTabManagerRes.h"
#include "LoadedFrame.h"
#include "MainFrame.h"
#include "KTMenuBar.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "PixelImage.h"
#include "Screenshot.h"
#include "TestFolder.h"
#include "TestDesignerApp.h"
#include "TestInput.h"
#include "WorkspaceRes.h"
#include "WrenfoldApp.h"
#include "WrenfoldDoc.h"
#include "WrenfoldView.h"
#include "afxpriv.h"
#include "KTSyntaxEditPropertiesDlg.h"

namespace
{

CwrenfoldApp& App() { return *static_cast<CwrenfoldApp*>(AfxGetApp()); }

std::string ProgramFile(const std::string& strRelative)
{
    std::ifstream file(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + strRelative, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The open popup menu of this process, seen from inside its menu loop; then closed, or the item
// with the chosen command clicked.
struct SeenMenu
{
    UINT nChoose = 0;
    UINT nProbe = 0;  // a command whose item's state is read
    RECT rc = {};
    char szFirstItem[64] = "";
    int nProbeEnabled = -1;  // -1 while the item was not seen
    bool bSeen = false;
    bool bRightClick = false;  // the chosen item is clicked with the right button
};
SeenMenu g_seenMenu;

void ClickScreen(POINT pt, bool bRight = false)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs)
    {
        input.type = INPUT_MOUSE;
        input.mi.dx = pt.x * 65535 / (cx - 1);
        input.mi.dy = pt.y * 65535 / (cy - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
    }
    inputs[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
    inputs[1].mi.dwFlags |= bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    ::SendInput(3, inputs, sizeof(INPUT));
}

// The open popup bar of the frame's command bars, seen from inside its loop.
void CALLBACK HandleOpenMenu(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hMenu = ::FindWindowA("KTPopupBar", nullptr);
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hMenu, &dwProcess);
    if (!hMenu || !::IsWindowVisible(hMenu) || dwProcess != ::GetCurrentProcessId() || g_seenMenu.bSeen)
        return;
    auto* pPopup = dynamic_cast<CKTPopupBar*>(CWnd::FromHandlePermanent(hMenu));
    if (!pPopup || pPopup->GetControlCount() == 0)
        return;
    g_seenMenu.bSeen = true;
    ::GetWindowRect(hMenu, &g_seenMenu.rc);
    lstrcpyn(g_seenMenu.szFirstItem, pPopup->GetControl(0)->GetCaption(), sizeof(g_seenMenu.szFirstItem));
    if (CKTControl* pProbe = pPopup->GetControls()->FindControl(g_seenMenu.nProbe))
        g_seenMenu.nProbeEnabled = pProbe->IsEnabled() ? 1 : 0;
    if (!g_seenMenu.nChoose)
    {
        static_cast<CKTMDIFrameWnd*>(AfxGetMainWnd())->GetCommandBars()->ClosePopups();
        return;
    }
    for (int i = 0; i < pPopup->GetControlCount(); ++i)
    {
        if (pPopup->GetControl(i)->GetID() != (int)g_seenMenu.nChoose)
            continue;
        if (!pPopup->GetControl(i)->IsEnabled())
        {
            // A click on a greyed entry leaves the menu open: close it so the test fails rather than waits.
            static_cast<CKTMDIFrameWnd*>(AfxGetMainWnd())->GetCommandBars()->ClosePopups();
            return;
        }
        CRect rcItem = pPopup->GetControl(i)->GetRect();
        pPopup->ClientToScreen(&rcItem);
        ClickScreen(rcItem.CenterPoint(), g_seenMenu.bRightClick);
    }
}

// The captions still to click, each in whichever popup bar of this thread shows it first.
std::vector<CString> g_menuPath;

BOOL CALLBACK ClickNextInPopup(HWND hWnd, LPARAM)
{
    char szClass[32] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    auto* pPopup = dynamic_cast<CKTPopupBar*>(CWnd::FromHandlePermanent(hWnd));
    if (std::strcmp(szClass, "KTPopupBar") != 0 || !::IsWindowVisible(hWnd) || !pPopup)
        return TRUE;
    for (int i = 0; i < pPopup->GetControlCount(); ++i)
    {
        if (pPopup->GetControl(i)->GetCaption() != g_menuPath.front())
            continue;
        CRect rcItem = pPopup->GetControl(i)->GetRect();
        pPopup->ClientToScreen(&rcItem);
        g_menuPath.erase(g_menuPath.begin());
        ClickScreen(rcItem.CenterPoint());
        return FALSE;
    }
    return TRUE;
}

void CALLBACK FollowMenuPath(HWND, UINT, UINT_PTR, DWORD)
{
    if (!g_menuPath.empty())
        ::EnumThreadWindows(::GetCurrentThreadId(), ClickNextInPopup, 0);
}

// Clicks the menu bar's entry, then each caption of the path in the popups that open.
bool ChooseFromMenuBar(CMainFrame* pFrame, const char* pszMenu, std::vector<CString> path)
{
    CKTMenuBar* pMenuBar = pFrame->GetCommandBars()->GetMenuBar();
    for (int i = 0; i < pMenuBar->GetControlCount(); ++i)
    {
        if (pMenuBar->GetControl(i)->GetCaption() != pszMenu)
            continue;
        g_menuPath = std::move(path);
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 100, FollowMenuPath);
        CTestInput input(pMenuBar->GetSafeHwnd());
        const bool bClicked = input.Click(pMenuBar->GetControl(i)->GetRect().CenterPoint());
        PumpUntil([] { return g_menuPath.empty(); }, 5000);
        ::KillTimer(nullptr, nTimer);
        PumpMessages();
        return bClicked && g_menuPath.empty();
    }
    return false;
}

class EditorTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!App().GetEditorTemplate())
            App().CreateEditorTemplate();
    }
    void SetUp() override
    {
        m_pFrame = new CMainFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr));
        App().m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
        m_pFrame->UpdateWindow();
    }
    void TearDown() override
    {
        if (m_pFrame)
            m_pFrame->DestroyWindow();
        App().m_pMainWnd = nullptr;
        PumpMessages();
    }

    CwrenfoldDoc* Open(const std::string& strPath)
    {
        CDocument* pDoc = App().GetEditorTemplate()->OpenDocumentFile(strPath.c_str());
        PumpMessages();
        return dynamic_cast<CwrenfoldDoc*>(pDoc);
    }
    static CwrenfoldView* ViewOf(CDocument* pDoc)
    {
        POSITION pos = pDoc->GetFirstViewPosition();
        return dynamic_cast<CwrenfoldView*>(pDoc->GetNextView(pos));
    }
    // The example project as a project of the test folder, so its editors' files lie in its folder.
    void LoadProject()
    {
        ASSERT_TRUE(m_folder.Write("chat.kvs", ProgramFile("example\\chat.kvs")));
        ASSERT_TRUE(m_folder.Write("chat_api.c", ProgramFile("lib\\dravolint.c")));
        m_pFrame->ReadSolutionFile(m_folder.Path("chat.kvs").c_str());
        ASSERT_EQ(1u, m_pFrame->m_projects.size());
    }

    CMainFrame* m_pFrame = nullptr;
    CTestFolder m_folder{"workspace-editors"};
};

TEST_F(EditorTest, AProgramFileOpensInItsOwnChildFrameWithColouredText)
{
    CwrenfoldDoc* pDoc = Open(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + "lib\\dravolint.c");
    ASSERT_NE(nullptr, pDoc);
    CwrenfoldView* pView = ViewOf(pDoc);
    ASSERT_NE(nullptr, pView);
    EXPECT_NE(nullptr, dynamic_cast<CChildFrame*>(pView->GetParentFrame()));
    EXPECT_GT(pView->GetEditCtrl()->GetRowCount(), 10);
    EXPECT_FALSE(pDoc->IsModified());
    // Saved at once, as a project's editors are when they open (a copy here, to keep the program's file).
    ASSERT_TRUE(pDoc->OnSaveDocument(m_folder.Path("dravolint.c").c_str()));
    HWND hEdit = pView->GetEditCtrl()->GetSafeHwnd();
    PumpUntil([hEdit] { return CPixelImage::FromWindow(hEdit).CountNear(RGB(0, 128, 0)) > 50; }, 3000);

    // The C scheme paints keywords blue and comments green; plain text stays black.
    const CPixelImage image = CPixelImage::FromWindow(pView->GetEditCtrl()->GetSafeHwnd());
    EXPECT_GT(image.CountNear(RGB(0, 0, 255)), 50) << "keywords";
    EXPECT_GT(image.CountNear(RGB(0, 128, 0)), 50) << "the opening comment";
    EXPECT_GT(image.CountNear(RGB(0, 0, 0)), 50) << "plain text";
}

// Saving goes through a file beside the real one; the colouring still follows the real file's type.
TEST_F(EditorTest, ASavedFileKeepsItsColours)
{
    LoadProject();
    CwrenfoldDoc* pDoc = Open(m_folder.Path("chat_api.c"));
    ASSERT_NE(nullptr, pDoc);
    ASSERT_TRUE(pDoc->OnSaveDocument(m_folder.Path("chat_api.c").c_str()));
    EXPECT_STREQ(".c", pDoc->GetDataManager()->GetFileExt());
    CKTSyntaxEditCtrl* pCtrl = ViewOf(pDoc)->GetEditCtrl();
    const auto blueKeywords = [pCtrl]
    {
        pCtrl->RedrawWindow();
        return CPixelImage::FromWindow(pCtrl->GetSafeHwnd()).CountNear(RGB(0, 0, 255)) > 50;
    };
    EXPECT_TRUE(PumpUntil(blueKeywords, 3000)) << "keywords are blue";
}

TEST_F(EditorTest, EditorsShowAsTabsTheNewestFirst)
{
    const std::string strFolder = std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + "lib\\";
    CwrenfoldDoc* pFirst = Open(strFolder + "dravolint.c");
    CwrenfoldDoc* pSecond = Open(strFolder + "dravolint.h");
    ASSERT_TRUE(pFirst && pSecond);
    PumpIdle();
    CKTTabClientWnd& tabs = m_pFrame->m_wndTabClient;
    ASSERT_EQ(2, tabs.GetItemCount());
    EXPECT_EQ(ViewOf(pSecond)->GetParentFrame()->GetSafeHwnd(), tabs.GetItem(0)->GetHandle());
    EXPECT_EQ(ViewOf(pFirst)->GetParentFrame()->GetSafeHwnd(), tabs.GetItem(1)->GetHandle());
    EXPECT_EQ(pSecond->GetTitle(), tabs.GetItem(0)->GetCaption());
    EXPECT_FALSE(tabs.GetPaintManager()->m_bShowIcons);
    EXPECT_FALSE(SaveScreenshot(m_pFrame->GetSafeHwnd(), "designer-editor-tabs").empty());

    // The frame hands the tab-group commands to the tab client.
    m_pFrame->SendMessage(WM_COMMAND, KT_ID_TABWORKSPACE_NEWVERTICAL);
    PumpIdle();
    EXPECT_EQ(2, tabs.GetGroupCount());
}

// The designer always shows its editors in tab groups and has no switch for them; taken off the MDI client, the
// tab client leaves the editors as plain MDI children, as the frame allows (see TabClientOf).
void TakeTabClientOff(CMainFrame& frame)
{
    const HWND hClient = frame.m_wndTabClient.UnsubclassWindow();
    frame.GetCommandBars()->SetTabClient(nullptr);
    ::SetWindowPos(hClient, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    frame.RecalcLayout();
}

TEST_F(EditorTest, AMaximisedEditorWithoutTabGroupsHasItsWindowButtonsAtTheMenuBarsRightEdge)
{
    TakeTabClientOff(*m_pFrame);
    CwrenfoldDoc* pDoc = Open(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + "lib\\dravolint.c");
    ASSERT_NE(nullptr, pDoc);
    auto* pChild = static_cast<CMDIChildWnd*>(ViewOf(pDoc)->GetParentFrame());
    pChild->MDIMaximize();
    CKTMenuBar* pMenuBar = m_pFrame->GetCommandBars()->GetMenuBar();
    CKTControls* pControls = pMenuBar->GetControls();
    ASSERT_TRUE(PumpUntil([&] { return pControls->FindControl(KT_ID_MDI_CLOSE) != nullptr; }, 3000));
    PumpIdle();

    const CRect rcBar = CKTClientRect(pMenuBar);
    const CRect rcClose = pControls->FindControl(KT_ID_MDI_CLOSE)->GetRect();
    const CRect rcRestore = pControls->FindControl(KT_ID_MDI_RESTORE)->GetRect();
    const CRect rcMinimise = pControls->FindControl(KT_ID_MDI_MINIMIZE)->GetRect();
    CKTControl* pOptions = pControls->FindControl(KT_ID_TOOLBAR_EXPAND);
    ASSERT_NE(nullptr, pOptions);
    CKTControl* pLastMenu = pControls->GetAt(pOptions->GetIndex() - 1);
    EXPECT_GE(rcClose.right, pOptions->GetRect().left - 8)
        << "the close button ends the bar, before its options button";
    EXPECT_LE(pOptions->GetRect().right, rcBar.right);
    EXPECT_LE(rcRestore.right, rcClose.left);
    EXPECT_LE(rcMinimise.right, rcRestore.left);
    EXPECT_GT(rcMinimise.left, pLastMenu->GetRect().right + 100) << "clear of the last menu";

    // The restore button is there to be pressed: the editor comes back to its own size.
    CTestInput input(pMenuBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(rcRestore.CenterPoint()));
    EXPECT_TRUE(PumpUntil([pChild] { return !pChild->IsZoomed(); }, 3000));
    EXPECT_TRUE(PumpUntil([&] { return pControls->FindControl(KT_ID_MDI_CLOSE) == nullptr; }, 3000));
}

// Opens the context menu with the menu key; the menu is seen, then closed or the command chosen.
bool OpenContextMenuByKey(HWND hEdit, UINT nChoose, UINT nProbe = 0)
{
    ::SetFocus(hEdit);
    g_seenMenu = SeenMenu();
    g_seenMenu.nChoose = nChoose;
    g_seenMenu.nProbe = nProbe;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 100, HandleOpenMenu);
    CTestInput input(hEdit);
    const bool bKeyed = input.Key(VK_APPS);
    PumpUntil([] { return g_seenMenu.bSeen; }, 3000);
    ::KillTimer(nullptr, nTimer);
    return bKeyed && g_seenMenu.bSeen;
}

TEST_F(EditorTest, TheMenuKeyOpensTheEditMenuInsideTheViewsCorner)
{
    CwrenfoldDoc* pDoc = Open(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + "lib\\dravolint.c");
    ASSERT_NE(nullptr, pDoc);
    CwrenfoldView* pView = ViewOf(pDoc);
    ASSERT_TRUE(OpenContextMenuByKey(pView->GetEditCtrl()->GetSafeHwnd(), 0));
    POINT ptCorner = {5, 5};
    pView->ClientToScreen(&ptCorner);
    EXPECT_EQ(ptCorner.x, g_seenMenu.rc.left);
    EXPECT_EQ(ptCorner.y, g_seenMenu.rc.top);
    EXPECT_STREQ("&Undo", g_seenMenu.szFirstItem) << "the Edit menu";

    CKTSyntaxEditCtrl* pCtrl = pView->GetEditCtrl();
    ASSERT_FALSE(pCtrl->HasSelection());
    ASSERT_TRUE(OpenContextMenuByKey(pCtrl->GetSafeHwnd(), ID_EDIT_SELECT_ALL));
    EXPECT_TRUE(PumpUntil([pCtrl] { return pCtrl->HasSelection() != FALSE; }, 3000))
        << "the chosen command reaches the view";
}

TEST_F(EditorTest, ARightClickInTheTextOpensTheEditMenuAndARightClickOnAnEntryRunsIt)
{
    CwrenfoldDoc* pDoc = Open(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + "lib\\dravolint.c");
    ASSERT_NE(nullptr, pDoc);
    CKTSyntaxEditCtrl* pCtrl = ViewOf(pDoc)->GetEditCtrl();
    ASSERT_FALSE(pCtrl->HasSelection());
    g_seenMenu = SeenMenu();
    g_seenMenu.nChoose = ID_EDIT_SELECT_ALL;
    g_seenMenu.bRightClick = true;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 100, HandleOpenMenu);
    // The focus stays in the tree: the right click itself must bring it, or the text commands stay off.
    CWnd& tree = m_pFrame->m_wndProjectTree.m_wndTree;
    CTestInput input(tree.GetSafeHwnd());
    CPoint pt(40, 40);
    pCtrl->ClientToScreen(&pt);
    tree.ScreenToClient(&pt);
    ASSERT_TRUE(input.Click(pt, true));
    EXPECT_TRUE(PumpUntil([pCtrl] { return pCtrl->HasSelection() != FALSE; }, 3000))
        << "the entry right-clicked runs as a left click would";
    ::KillTimer(nullptr, nTimer);
    EXPECT_TRUE(g_seenMenu.bSeen);
}

TEST_F(EditorTest, CtrlGAsksForALineAndGoesThere)
{
    CwrenfoldDoc* pDoc = Open(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + "lib\\dravolint.c");
    ASSERT_NE(nullptr, pDoc);
    CKTSyntaxEditCtrl* pCtrl = ViewOf(pDoc)->GetEditCtrl();
    CFrameKeys keys;
    pCtrl->SetFocus();
    CTestInput input(pCtrl->GetSafeHwnd());
    ASSERT_TRUE(input.Key('G', CTestInput::kControl));
    HWND hDialog = nullptr;
    ASSERT_TRUE(PumpUntil(
        [&]
        {
            hDialog = ::GetParent(::GetFocus());
            return hDialog && ::GetDlgItem(hDialog, KT_IDC_EDIT_LINE_NUMBER) == ::GetFocus();
        }));
    CTestInput dialogInput(::GetFocus());
    ASSERT_TRUE(dialogInput.Text("7"));
    ASSERT_TRUE(dialogInput.Key(VK_RETURN));
    EXPECT_EQ(7, pCtrl->GetCurrentRow());
    EXPECT_FALSE(::IsWindowVisible(hDialog)) << "it closes after the jump";
}

// Alt held over a click makes a column selection, and is no Alt pressed alone: though the system still asks
// for the menu when Alt goes up, the keys that follow (Ctrl+C) go on reaching the editor.
TEST_F(EditorTest, AnAltClickInTheTextLeavesTheMenuBarAloneWhenAltGoesUp)
{
    CwrenfoldDoc* pDoc = Open(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + "lib\\dravolint.c");
    ASSERT_NE(nullptr, pDoc);
    CKTSyntaxEditCtrl* pCtrl = ViewOf(pDoc)->GetEditCtrl();
    CKTMenuBar* pMenuBar = m_pFrame->GetCommandBars()->GetMenuBar();
    CFrameKeys keys;
    CTestInput input(pCtrl->GetSafeHwnd());
    ASSERT_TRUE(input.Click(CPoint(120, 40)));
    CMessageRecorder recorder({m_pFrame->GetSafeHwnd()}, {WM_SYSCOMMAND});
    {
        CHeldKeys alt(CTestInput::kAlt);
        ASSERT_TRUE(alt.IsHeld());
        ASSERT_TRUE(input.Click(CPoint(120, 40)));
    }
    ASSERT_TRUE(PumpUntil([&recorder] { return !recorder.Messages().empty(); }))
        << "the system asks for the menu when Alt goes up";
    EXPECT_EQ((WPARAM)SC_KEYMENU, recorder.Messages()[0].wParam & 0xFFF0);
    PumpMessages();
    EXPECT_EQ(0, pMenuBar->GetTrackingMode());
    EXPECT_EQ(pCtrl->GetSafeHwnd(), ::GetFocus());

    ASSERT_TRUE(input.Key(VK_MENU));
    EXPECT_EQ(1, pMenuBar->GetTrackingMode()) << "Alt alone still selects the menu bar";
    ASSERT_TRUE(input.Key(VK_ESCAPE));
}

TEST_F(EditorTest, F3RepeatsTheLastSearchAndShiftF3SearchesBack)
{
    CwrenfoldDoc* pDoc = Open(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + "lib\\dravolint.c");
    ASSERT_NE(nullptr, pDoc);
    CKTSyntaxEditCtrl* pCtrl = ViewOf(pDoc)->GetEditCtrl();
    CFrameKeys keys;
    pCtrl->SetFocus();
    pCtrl->SetCurrentPosition(1, 1, FALSE, TRUE);
    CTestInput input(pCtrl->GetSafeHwnd());
    ASSERT_TRUE(input.Key('F', CTestInput::kControl));
    HWND hDialog = nullptr;
    ASSERT_TRUE(PumpUntil(
        [&]
        {
            hDialog = ::GetAncestor(::GetFocus(), GA_ROOT);
            return hDialog && hDialog != m_pFrame->GetSafeHwnd() && ::GetDlgItem(hDialog, KT_IDC_EDIT_FIND_NEXT);
        }));
    CTestInput dialogInput(::GetFocus());
    ASSERT_TRUE(dialogInput.Text("#include"));
    ASSERT_TRUE(dialogInput.Key(VK_RETURN));
    const int nFirst = pCtrl->GetCurrentRow();
    ASSERT_TRUE(dialogInput.Key(VK_ESCAPE));
    pCtrl->SetFocus();
    ASSERT_TRUE(input.Key(VK_F3));
    EXPECT_GT(pCtrl->GetCurrentRow(), nFirst) << "the next match";
    KT_EDIT_TEXTPOS start, end;
    ASSERT_TRUE(pCtrl->GetSelection(start, end));
    EXPECT_EQ(pCtrl->GetCurrentRow(), start.nLine);
    ASSERT_TRUE(input.Key(VK_F3, CTestInput::kShift));
    EXPECT_EQ(nFirst, pCtrl->GetCurrentRow()) << "the match before";
}

// With the frame's keys in front, as in the program: the list opens at the caret, follows the typing,
// replaces the word as one undo step and closes on Esc, and the editor keeps the focus.
TEST_F(EditorTest, CtrlSpaceCompletesTheWordAtTheCaretFromTheSchemesWords)
{
    LoadProject();
    CwrenfoldDoc* pDoc = Open(m_folder.Path("chat_api.c"));
    ASSERT_NE(nullptr, pDoc);
    CKTSyntaxEditCtrl* pCtrl = ViewOf(pDoc)->GetEditCtrl();
    CKTSyntaxEditAutoCompleteWnd& list = pCtrl->GetCompletion().GetList();
    CFrameKeys keys;
    pCtrl->SetFocus();
    pCtrl->SetCurrentPosition(1, 1, FALSE, TRUE);
    CTestInput input(pCtrl->GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_RETURN));
    ASSERT_TRUE(input.Key(VK_UP));
    ASSERT_TRUE(input.Text("stru"));
    ASSERT_TRUE(input.Key(VK_SPACE, CTestInput::kControl));
    ASSERT_TRUE(list.IsShown());
    EXPECT_STREQ("struct", list.GetShownText(list.GetSelected()));
    ASSERT_TRUE(input.Text("c"));
    EXPECT_TRUE(list.IsShown());
    ASSERT_TRUE(input.Key(VK_RETURN));
    EXPECT_FALSE(list.IsShown());
    EXPECT_STREQ("struct", pDoc->GetDataManager()->GetLineTextEx(1));
    EXPECT_EQ(pCtrl->GetSafeHwnd(), ::GetFocus());
    ASSERT_TRUE(input.Key('Z', CTestInput::kControl));
    EXPECT_STREQ("struc", pDoc->GetDataManager()->GetLineTextEx(1));

    ASSERT_TRUE(input.Key(VK_SPACE, CTestInput::kControl));
    ASSERT_TRUE(list.IsShown());
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    EXPECT_FALSE(list.IsShown());
    EXPECT_STREQ("struc", pDoc->GetDataManager()->GetLineTextEx(1));
    EXPECT_EQ(pCtrl->GetSafeHwnd(), ::GetFocus());
}

TEST_F(EditorTest, TheCaseKeysChangeTheSelectedText)
{
    LoadProject();
    CwrenfoldDoc* pDoc = Open(m_folder.Path("chat_api.c"));
    ASSERT_NE(nullptr, pDoc);
    CKTSyntaxEditCtrl* pCtrl = ViewOf(pDoc)->GetEditCtrl();
    CFrameKeys keys;
    pCtrl->SetFocus();
    pCtrl->Select(1, 4, 1, 13);
    CTestInput input(pCtrl->GetSafeHwnd());
    ASSERT_TRUE(input.Key('U', CTestInput::kControl | CTestInput::kShift));
    EXPECT_STREQ("/* DRAVOLINT.c: sockets", CString(pDoc->GetDataManager()->GetLineTextEx(1)).Left(23));
    pCtrl->Select(1, 4, 1, 18);
    ASSERT_TRUE(input.Key('U', CTestInput::kControl));
    EXPECT_STREQ("/* dravolint.c: sockets", CString(pDoc->GetDataManager()->GetLineTextEx(1)).Left(23));
}

TEST_F(EditorTest, AnEditedProjectFileIsMarkedAndWrittenWhenTheFrameCloses)
{
    LoadProject();
    CwrenfoldDoc* pDoc = Open(m_folder.Path("chat_api.c"));
    ASSERT_NE(nullptr, pDoc);
    CKTSyntaxEditCtrl* pCtrl = ViewOf(pDoc)->GetEditCtrl();
    const CString strTitle = pDoc->GetTitle();
    pCtrl->SetFocus();
    CTestInput input(pCtrl->GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_HOME, CTestInput::kControl));
    ASSERT_TRUE(input.Text("xq"));
    EXPECT_TRUE(pDoc->GetTitle() == strTitle + " *");
    EXPECT_TRUE(ProgramFile("lib\\dravolint.c") == m_folder.Read("chat_api.c")) << "nothing written yet";

    m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    EXPECT_TRUE("xq" + ProgramFile("lib\\dravolint.c") == m_folder.Read("chat_api.c"));
}

TEST_F(EditorTest, ClosingAProjectClosesOnlyItsEditorsAfterWritingThem)
{
    LoadProject();
    CwrenfoldDoc* pOwn = Open(m_folder.Path("chat_api.c"));
    CwrenfoldDoc* pOther = Open(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + "lib\\dravolint.c");
    ASSERT_TRUE(pOwn && pOther);
    CKTSyntaxEditCtrl* pCtrl = ViewOf(pOwn)->GetEditCtrl();
    pCtrl->SetFocus();
    pCtrl->SetCurrentPosition(1, 1, FALSE, TRUE);
    CTestInput input(pCtrl->GetSafeHwnd());
    ASSERT_TRUE(input.Text("zz"));
    ASSERT_TRUE(pOwn->IsModified());

    COfficeTreeCtrl& tree = m_pFrame->m_wndProjectTree.m_wndTree;
    tree.SelectItem(tree.GetChildItem(m_pFrame->m_wndProjectTree.m_hRoot));
    m_pFrame->OnCmdMsg(ID_PROJECT_CLOSE, CN_COMMAND, nullptr, nullptr);
    PumpMessages();

    POSITION pos = App().GetEditorTemplate()->GetFirstDocPosition();
    ASSERT_TRUE(pos);
    EXPECT_EQ(pOther, App().GetEditorTemplate()->GetNextDoc(pos));
    EXPECT_FALSE(pos) << "the project's own editor is gone";
    EXPECT_EQ(0u, m_folder.Read("chat_api.c").find("zz"));
}

// The editor left in front after a project closes is another project's: its tab shows with it.
TEST_F(EditorTest, AfterAProjectClosesTheEditorLeftInFrontHasItsTab)
{
    LoadProject();
    CTestFolder other("workspace-editors-other");
    std::string text = ProgramFile("example\\chat.kvs");
    text.replace(text.find("name=\"chat\""), 11, "name=\"other\"");
    ASSERT_TRUE(other.Write("other.kvs", text));
    m_pFrame->ReadSolutionFile(other.Path("other.kvs").c_str());
    COfficeTreeCtrl& tree = m_pFrame->m_wndProjectTree.m_wndTree;
    const HTREEITEM hChat = tree.GetChildItem(m_pFrame->m_wndProjectTree.m_hRoot);
    tree.SelectItem(hChat);
    PumpIdle();
    tree.SelectItem(tree.GetNextSiblingItem(hChat));
    PumpIdle();
    m_pFrame->OnCmdMsg(ID_PROJECT_CLOSE, CN_COMMAND, nullptr, nullptr);
    PumpIdle();

    CMDIChildWnd* pActive = m_pFrame->MDIGetActive();
    ASSERT_NE(nullptr, pActive);
    const CKTTabClientWnd& tabs = m_pFrame->m_wndTabClient;
    const CKTTabManagerItem* pTab = nullptr;
    for (int i = 0; i < tabs.GetItemCount(); i++)
        if (tabs.GetItem(i)->GetHandle() == pActive->GetSafeHwnd())
            pTab = tabs.GetItem(i);
    ASSERT_NE(nullptr, pTab);
    EXPECT_TRUE(pTab->IsVisible()) << "a window shows without its tab";
}

// The go-to dialog outlives its showing but not its view; nothing of an editor stays behind.
TEST_F(EditorTest, AClosedEditorLeavesNoWindowOrGdiObjectBehind)
{
    const std::string strPath = std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + "lib\\dravolint.c";
    HWND hDialog = nullptr;
    auto useEditor = [&]
    {
        CwrenfoldDoc* pDoc = Open(strPath);
        ASSERT_NE(nullptr, pDoc);
        ViewOf(pDoc)->SendMessage(WM_COMMAND, ID_EDIT_GOTO_LINE);
        PumpMessages();
        hDialog = ::GetParent(::GetFocus());
        ASSERT_TRUE(::IsWindowVisible(hDialog));
        pDoc->OnCloseDocument();
        PumpMessages();
    };
    useEditor();
    CGuiLeakCheck check;
    for (int i = 0; i < 3; ++i)
        useEditor();
    EXPECT_TRUE(check.NoLeaks());
    EXPECT_FALSE(::IsWindow(hDialog));
}

struct TitleSearch
{
    const char* pszCaption;
    HWND hFound;
};

BOOL CALLBACK MatchTitle(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<TitleSearch*>(lParam);
    char szText[64] = "";
    ::GetWindowText(hWnd, szText, sizeof szText);
    if (!::IsWindowVisible(hWnd) || lstrcmp(szText, pSearch->pszCaption) != 0)
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

// The visible top-level window of this thread with the caption, or none.
HWND ThreadWindowTitled(const char* pszCaption)
{
    TitleSearch search{pszCaption, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchTitle, (LPARAM)&search);
    return search.hFound;
}

void ClickCentre(HWND hWnd)
{
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    CTestInput input(hWnd);
    EXPECT_TRUE(input.Click(rc.CenterPoint()));
}

// Replaces the text of an edit by typing, as the user does.
void TypeOver(HWND hEdit, const char* pszText)
{
    CTestInput input(hEdit);
    ::SendMessage(hEdit, EM_SETSEL, 0, -1);
    EXPECT_TRUE(input.Text(pszText));
}

TEST_F(EditorTest, SyntaxOptionRefusesATabSizeOf65AndGivesEveryEditorTheEightConfirmedWithOk)
{
    const char* const kFlags[] = {"VScrollBar",  "HScrollBar", "SyntaxColor",  "AutoIndent", "SelMargin",
                                  "LineNumbers", "WideCaret",  "TabWithSpace", "AutoReload"};
    App().WriteProfileInt("Settings", "TabSize", 4);
    for (const char* pszFlag : kFlags)
        App().WriteProfileInt("Settings", pszFlag, 7);  // OK writes each of them again, as 0 or 1
    const std::string strFolder = std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + "lib\\";
    CwrenfoldDoc* pOther = Open(strFolder + "dravolint.h");
    CwrenfoldDoc* pEdited = Open(strFolder + "dravolint.c");
    ASSERT_TRUE(pOther && pEdited);
    PumpIdle();
    ASSERT_EQ(4, ViewOf(pOther)->GetEditCtrl()->GetTabSize());
    theApp.m_messages.clear();

    CKTMenuBar* pMenuBar = m_pFrame->GetCommandBars()->GetMenuBar();
    CKTControl* pTools = nullptr;
    for (int i = 0; i < pMenuBar->GetControlCount() && !pTools; ++i)
        if (pMenuBar->GetControl(i)->GetCaption() == "&Tools")
            pTools = pMenuBar->GetControl(i);
    ASSERT_NE(nullptr, pTools);
    CRect rcTools = pTools->GetRect();
    pMenuBar->ClientToScreen(&rcTools);

    g_seenMenu = SeenMenu();
    g_seenMenu.nChoose = ID_TOOLS_SYNTAX_OPTION;
    HWND hSheet = nullptr, hTabSize = nullptr;
    size_t nMessagesWhileTyping = 0;
    CModalScript script(
        {[]
         {
             HandleOpenMenu(nullptr, 0, 0, 0);
             return g_seenMenu.bSeen;
         },
         [&]
         {
             hSheet = ThreadWindowTitled("Edit Options");
             auto* pSheet = dynamic_cast<CKTSyntaxEditPropertiesDlg*>(CWnd::FromHandlePermanent(hSheet));
             hTabSize = pSheet ? ::GetDlgItem(pSheet->m_pageEdit.GetSafeHwnd(), KT_IDC_EDIT_OPT_TAB_SIZE) : nullptr;
             return hTabSize != nullptr;
         },
         [&]
         {
             TypeOver(hTabSize, "65");
             nMessagesWhileTyping = theApp.m_messages.size();
             ClickCentre(::GetDlgItem(hSheet, IDOK));
             return true;
         },
         [&]
         {
             EXPECT_TRUE(::IsWindowVisible(hSheet)) << "the refused size keeps the sheet open";
             TypeOver(hTabSize, "8");
             ClickCentre(::GetDlgItem(hSheet, IDOK));
             return true;
         }});
    ClickScreen(rcTools.CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return script.Done() && !::IsWindow(hSheet); }, 30000));

    EXPECT_EQ(0u, nMessagesWhileTyping) << "typing is not checked";
    ASSERT_EQ(1u, theApp.m_messages.size());
    EXPECT_STREQ("Please enter an integer between 1 and 64.", theApp.m_messages[0]);
    EXPECT_EQ(8, (int)App().GetProfileInt("Settings", "TabSize", 0));
    for (const char* pszFlag : kFlags)
        EXPECT_GE(1, (int)App().GetProfileInt("Settings", pszFlag, 7)) << pszFlag << " is written";
    EXPECT_EQ(8, ViewOf(pEdited)->GetEditCtrl()->GetTabSize());
    EXPECT_EQ(8, ViewOf(pOther)->GetEditCtrl()->GetTabSize()) << "the other editor takes it at once";
}

// The page as the preview draws it, off screen, so that no other window can cover it.
CPixelImage ShownPage(CPreviewView& preview)
{
    CClientDC dcWindow(&preview);
    const CRect rcClient = CKTClientRect(&preview);
    CKTBufferDC dc(&dcWindow, rcClient);
    preview.OnDraw(&dc);
    return CPixelImage::FromDC(dc.GetSafeHdc(), preview.GetPageRect(0));
}

// Text scaled down to the page draws in light shades: anything not white counts.
int InkedPixels(const CPixelImage& image)
{
    int nDark = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            nDark += GetRValue(image.Pixel(x, y)) + GetGValue(image.Pixel(x, y)) + GetBValue(image.Pixel(x, y)) < 600;
    return nDark;
}

TEST_F(EditorTest, PrintPreviewShowsThePagesWhileTheBarsAndPanesStepAside)
{
    std::string strText;
    for (int i = 1; i <= 300; i++)
        strText += "int row" + std::to_string(i) + " = " + std::to_string(i * 7) + ";\r\n";
    ASSERT_TRUE(m_folder.Write("long.c", strText));
    CwrenfoldDoc* pDoc = Open(m_folder.Path("long.c"));
    ASSERT_NE(nullptr, pDoc);
    PumpIdle();
    HWND hMenuBar = m_pFrame->GetCommandBars()->GetMenuBar()->GetSafeHwnd();
    HWND hTree = m_pFrame->m_wndProjectTree.GetSafeHwnd();
    ASSERT_TRUE(::IsWindowVisible(hMenuBar) && ::IsWindowVisible(hTree));
    const CRect rcMenuBar = CKTWindowRect(hMenuBar), rcTree = CKTWindowRect(hTree);

    ViewOf(pDoc)->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    PumpIdle();
    auto* pPreview = dynamic_cast<CPreviewView*>(m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR));
    ASSERT_NE(nullptr, pPreview);
    EXPECT_FALSE(::IsWindowVisible(hMenuBar)) << "the command bars step aside";
    EXPECT_FALSE(::IsWindowVisible(hTree)) << "so do the docking panes";
    EXPECT_EQ(1u, pPreview->GetCurrentPage());
    ASSERT_GE(pPreview->GetPageCount(), 2u);
    const CPixelImage pageOne = ShownPage(*pPreview);
    EXPECT_GT(InkedPixels(pageOne), 100) << "page 1 shows its text";
    EXPECT_FALSE(SaveScreenshot(m_pFrame->GetSafeHwnd(), "designer-print-preview").empty());

    ClickCentre(pPreview->GetButton(AFX_ID_PREVIEW_NEXT)->GetSafeHwnd());
    EXPECT_EQ(2u, pPreview->GetCurrentPage());
    const CPixelImage pageTwo = ShownPage(*pPreview);
    EXPECT_GT(InkedPixels(pageTwo), 100);
    int nDifferent = 0;
    for (int y = 0; y < pageOne.Height() && y < pageTwo.Height(); ++y)
        for (int x = 0; x < pageOne.Width() && x < pageTwo.Width(); ++x)
            nDifferent += pageOne.Pixel(x, y) != pageTwo.Pixel(x, y);
    EXPECT_GT(nDifferent, 50) << "another page";

    ClickCentre(pPreview->GetButton(AFX_ID_PREVIEW_CLOSE)->GetSafeHwnd());
    PumpIdle();
    EXPECT_EQ(nullptr, m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR));
    EXPECT_TRUE(::IsWindowVisible(hMenuBar));
    EXPECT_TRUE(::IsWindowVisible(hTree));
    EXPECT_EQ(rcMenuBar, CKTWindowRect(hMenuBar)) << "in the place it had";
    EXPECT_EQ(rcTree, CKTWindowRect(hTree));
}

// Hiding the frame's client for the preview used to drop every tab, so they all came back in one group.
TEST_F(EditorTest, ClosingThePrintPreviewGivesBackTheTabGroupsTheirSizesAndSelectedTabs)
{
    std::vector<CwrenfoldDoc*> docs;
    for (const char* pszName : {"one.c", "two.c", "three.c"})
    {
        ASSERT_TRUE(m_folder.Write(pszName, "int a;\r\n"));
        docs.push_back(Open(m_folder.Path(pszName)));
        ASSERT_NE(nullptr, docs.back()) << pszName;
    }
    m_pFrame->SendMessage(WM_COMMAND, KT_ID_TABWORKSPACE_NEWVERTICAL);  // "three.c" goes beside the others
    static_cast<CMDIChildWnd*>(ViewOf(docs[0])->GetParentFrame())->MDIActivate();
    PumpIdle();
    CKTTabClientWnd& tabs = m_pFrame->m_wndTabClient;
    ASSERT_EQ(2, tabs.GetGroupCount());
    struct Group
    {
        CRect rc;
        HWND hSelected;
    };
    const auto layout = [&]
    {
        std::vector<Group> groups;
        for (int i = 0; i < tabs.GetGroupCount(); i++)
        {
            CKTTabManagerItem* pSelected = tabs.GetGroup(i)->GetSelectedItem();
            groups.push_back({tabs.GetGroup(i)->m_rcControl, pSelected ? pSelected->GetHandle() : nullptr});
        }
        return groups;
    };
    const std::vector<Group> before = layout();
    ASSERT_EQ(ViewOf(docs[0])->GetParentFrame()->GetSafeHwnd(), before[0].hSelected) << "not the newest of its group";

    ViewOf(docs[2])->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    PumpIdle();
    auto* pPreview = dynamic_cast<CPreviewView*>(m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR));
    ASSERT_NE(nullptr, pPreview);
    ClickCentre(pPreview->GetButton(AFX_ID_PREVIEW_CLOSE)->GetSafeHwnd());
    PumpIdle();
    ASSERT_EQ(nullptr, m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR));
    ASSERT_EQ(2, tabs.GetGroupCount());
    const std::vector<Group> after = layout();
    for (size_t i = 0; i < before.size(); i++)
    {
        EXPECT_EQ(before[i].rc, after[i].rc) << "group " << i;
        EXPECT_EQ(before[i].hSelected, after[i].hSelected) << "group " << i;
    }
}

}  // namespace

TEST_F(EditorTest, EditAdvancedCollapsesAndExpandsEveryBlockFromTheMenuBar)
{
    ASSERT_TRUE(
        m_folder.Write("fold.c", "/* one\r\n   two */\r\nint a;\r\n/* three\r\n   four\r\n   five */\r\nint b;\r\n"));
    CwrenfoldDoc* pDoc = Open(m_folder.Path("fold.c"));
    ASSERT_NE(nullptr, pDoc);
    CKTSyntaxEditCtrl* pCtrl = ViewOf(pDoc)->GetEditCtrl();
    ASSERT_TRUE(PumpUntil([pCtrl] { return pCtrl->GetFolding().GetRowState(4) == 0x02; }, 10000));
    pCtrl->SetFocus();

    ASSERT_TRUE(ChooseFromMenuBar(m_pFrame, "&Edit", {"&Advanced", "&Collapse All"}));
    EXPECT_TRUE(PumpUntil([pCtrl] { return pCtrl->IsRowCollapsed(1) && pCtrl->IsRowCollapsed(4); }, 3000));
    EXPECT_EQ(pCtrl->GetRowCount() - 3, pCtrl->GetDisplayRow(-1)) << "rows 2, 5 and 6 hidden";

    ASSERT_TRUE(ChooseFromMenuBar(m_pFrame, "&Edit", {"&Advanced", "&Expand All"}));
    EXPECT_TRUE(PumpUntil([pCtrl] { return pCtrl->GetDisplayRow(-1) == pCtrl->GetRowCount(); }, 3000));
}

namespace
{

// After an idle pass, as the program's loop runs it: 1 when the command's toolbar button is enabled, 0 when
// disabled, -1 when there is none.
int ButtonState(CMainFrame& frame, int nId)
{
    PumpIdle();
    CKTCommandBars* pBars = frame.GetCommandBars();
    for (int i = 0; i < pBars->GetCount(); ++i)
        if (CKTControl* pControl = pBars->GetAt(i)->GetControls()->FindControl(nId))
            return pControl->IsEnabled() ? 1 : 0;
    return -1;
}

// Next and Prev Bookmark in the Edit menu and on the toolbar: 1 when all are enabled, 0 when all are
// disabled, else -1.
int BookmarkMoves(CMainFrame& frame, HWND hEdit)
{
    std::vector<int> states;
    for (UINT nId : {ID_EDIT_NEXT_BOOKMARK, ID_EDIT_PREV_BOOKMARK})
    {
        states.push_back(OpenContextMenuByKey(hEdit, 0, nId) ? g_seenMenu.nProbeEnabled : -1);
        states.push_back(ButtonState(frame, int(nId)));
    }
    bool bSame = std::all_of(states.begin(), states.end(), [&](int n) { return n == states[0]; });
    return bSame ? states[0] : -1;
}

// Pixels of the row's selection margin that differ between two shots.
int MarginChange(const CPixelImage& before, const CPixelImage& after, const CKTSyntaxEditCtrl& ctrl, int nRow)
{
    int y0 = (nRow - ctrl.GetTopRow()) * ctrl.GetRowHeight();
    int nChanged = 0;
    for (int y = y0; y < y0 + ctrl.GetRowHeight(); ++y)
        for (int x = 0; x < ctrl.GetSelMarginWidth(); ++x)
            nChanged += before.Pixel(x, y) != after.Pixel(x, y);
    return nChanged;
}

}  // namespace

TEST_F(EditorTest, BookmarkKeysMarkTheRowAndWrapAndTheirCommandsFollow)
{
    CwrenfoldDoc* pDoc = Open(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + "lib\\dravolint.c");
    ASSERT_NE(nullptr, pDoc);
    CKTSyntaxEditCtrl* pCtrl = ViewOf(pDoc)->GetEditCtrl();
    const HWND hEdit = pCtrl->GetSafeHwnd();
    ASSERT_GT(pCtrl->GetSelMarginWidth(), 0);
    CFrameKeys keys;
    pCtrl->SetFocus();
    EXPECT_EQ(0, BookmarkMoves(*m_pFrame, hEdit));

    CTestInput input(hEdit);
    pCtrl->SetCurrentPosition(5, 1, FALSE, TRUE);
    const CPixelImage before = CPixelImage::FromWindow(hEdit);
    ASSERT_TRUE(input.Key(VK_F2, CTestInput::kControl));
    EXPECT_TRUE(pCtrl->GetLineMarksManager()->HasLineMark(5, KT_EDIT_MARK_BOOKMARK));
    EXPECT_GT(MarginChange(before, CPixelImage::FromWindow(hEdit), *pCtrl, 5), 10) << "the mark shows in the margin";
    pCtrl->SetCurrentPosition(9, 1, FALSE, TRUE);
    ASSERT_TRUE(input.Key(VK_F2, CTestInput::kControl));
    EXPECT_EQ(1, BookmarkMoves(*m_pFrame, hEdit));

    std::vector<int> rows;
    for (unsigned nModifiers : {CTestInput::kNone, CTestInput::kNone, CTestInput::kShift, CTestInput::kShift})
    {
        pCtrl->SetFocus();
        EXPECT_TRUE(input.Key(VK_F2, nModifiers));
        rows.push_back(pCtrl->GetCurrentRow());
    }
    EXPECT_EQ(std::vector<int>({5, 9, 5, 9}), rows) << "F2 wraps from the last, Shift+F2 from the first";

    ASSERT_TRUE(input.Key(VK_F2, CTestInput::kControl));
    pCtrl->SetCurrentPosition(5, 1, FALSE, TRUE);
    ASSERT_TRUE(input.Key(VK_F2, CTestInput::kControl));
    EXPECT_FALSE(pCtrl->HasBookmarks());
    EXPECT_EQ(0, BookmarkMoves(*m_pFrame, hEdit));
}
