// The test MDI application driven with real messages and real input: layout,
// routing, idle updates, titles, saving, recent files, dialogs, property
// sheets, modeless dialogs with a tree, accelerators, status text and floating frames.
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include "afxcmn.h"
#include "afxdlgs.h"
#include "afxpriv.h"
#include "ModalScript.h"
#include "TestDoc.h"
#include "TestInput.h"
#include "TestMainFrame.h"
#include "TestView.h"

namespace
{

const char kRegistryRoot[] = "Software\\Kestova Window Tests";

void SendKey(WORD vk, BOOL bUp)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof input);
}

void PressKey(WORD vk)
{
    SendKey(vk, FALSE);
    SendKey(vk, TRUE);
}

void TypeText(const char* psz)
{
    for (; *psz; ++psz)
        PressKey((WORD)::VkKeyScan(*psz) & 0xFF);
}

// Lets input and posted work arrive: SendInput is asynchronous under Wine.
void Settle()
{
    for (int i = 0; i < 10; i++)
    {
        ::Sleep(20);
        PumpPending();
    }
}

CString WindowText(CWnd* pWnd)
{
    CString str;
    pWnd->GetWindowText(str);
    return str;
}

CTestMainFrame* MainFrame() { return static_cast<CTestMainFrame*>(theApp.m_pMainWnd); }

CTestDoc* ActiveDoc() { return static_cast<CTestDoc*>(MainFrame()->GetActiveDocument()); }

CRect ChildRect(CWnd* pParent, HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

// The full path of a file in the working folder, removed if it exists.
CString FreshPath(const char* pszName)
{
    char szPath[MAX_PATH];
    ::GetFullPathName(pszName, MAX_PATH, szPath, nullptr);
    ::DeleteFile(szPath);
    return szPath;
}

std::string ReadFile(const char* pszPath)
{
    std::ifstream in(pszPath, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class CDdxDialog : public CDialog
{
public:
    CString m_strName;
    int m_nCount = 0;
    int m_bFlag = 1;
    int m_nKind = 1;
    CDdxDialog() : CDialog(IDD_DDX) {}

protected:
    BOOL OnInitDialog() override
    {
        CComboBox* pKind = (CComboBox*)GetDlgItem(IDC_KIND);
        pKind->AddString("first");
        pKind->AddString("second");
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 8);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 1, 10);
        DDX_Check(pDX, IDC_FLAG, m_bFlag);
        DDX_CBIndex(pDX, IDC_KIND, m_nKind);
    }
};

// A modeless dialog with a tree of message parts; the dialog hears which one
// the user picks.
class CModelessDialog : public CDialog
{
public:
    CTreeCtrl m_tree;
    CString m_strPicked;  // the item of the last selection change
protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_MODELESS_TREE, m_tree); }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        HTREEITEM hRoot = m_tree.InsertItem("Header");
        m_tree.InsertItem("Length", hRoot);
        m_tree.InsertItem("Payload", hRoot);
        m_tree.Expand(hRoot, TVE_EXPAND);
        return TRUE;
    }
    void OnCancel() override { DestroyWindow(); }
    afx_msg void OnTreeSelChanged(NMHDR* pNMHDR, LRESULT*)
    {
        m_strPicked = m_tree.GetItemText(((NMTREEVIEW*)pNMHDR)->itemNew.hItem);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModelessDialog, CDialog)
ON_NOTIFY(TVN_SELCHANGED, IDC_MODELESS_TREE, OnTreeSelChanged)
END_MESSAGE_MAP()

class CTestPage : public CPropertyPage
{
public:
    int m_nApplied = 0;
    int m_nActivated = 0;
    CString m_strText = "page text";
    explicit CTestPage(UINT nID) : CPropertyPage(nID) {}
    BOOL OnSetActive() override
    {
        m_nActivated++;
        return CPropertyPage::OnSetActive();
    }
    BOOL OnApply() override
    {
        m_nApplied++;
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (GetDlgItem(IDC_PAGE_EDIT))
            DDX_Text(pDX, IDC_PAGE_EDIT, m_strText);
    }
};

class CSyncMiniFrame : public CMiniFrameWnd
{
public:
    BOOL IsCaptionActive() const { return m_bActive; }

protected:
    void PostNcDestroy() override {}
};

class CFailingFrame : public CFrameWnd
{
public:
    static int s_nDeleted;
    static HMENU s_hMenu;  // the menu the last creation was given
    BOOL m_bFailPreCreate = FALSE;
    ~CFailingFrame() override { s_nDeleted++; }
    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        s_hMenu = cs.hMenu;
        return !m_bFailPreCreate && CFrameWnd::PreCreateWindow(cs);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};
int CFailingFrame::s_nDeleted = 0;
HMENU CFailingFrame::s_hMenu = nullptr;

BEGIN_MESSAGE_MAP(CFailingFrame, CFrameWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

class AppTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_commandLog.clear();
        theApp.m_messages.clear();
        theApp.m_nMessageAnswer = IDOK;
    }
    // A new document in its own child frame, active.
    CTestDoc* NewDocument()
    {
        MainFrame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
        RunIdle();
        return ActiveDoc();
    }
    // The active document, made when there is none.
    CTestDoc* EnsureDocument() { return ActiveDoc() ? ActiveDoc() : NewDocument(); }
};

}  // namespace

TEST_F(AppTest, BarsAreLaidOutAroundTheClientThroughSizeParent)
{
    CTestMainFrame* pFrame = MainFrame();
    CRect client;
    pFrame->GetClientRect(&client);
    CRect top = ChildRect(pFrame, pFrame->m_wndToolBar.m_hWnd);
    CRect bottom = ChildRect(pFrame, pFrame->m_wndStatusBar.m_hWnd);
    CRect mdi = ChildRect(pFrame, pFrame->m_hWndMDIClient);
    EXPECT_EQ(CRect(0, 0, client.right, 24), top);
    EXPECT_EQ(CRect(0, client.bottom - 24, client.right, client.bottom), bottom);
    EXPECT_EQ(24, mdi.top);
    EXPECT_EQ(client.bottom - 24, mdi.bottom);

    // A measuring pass moves nothing and adds the bars' sizes up.
    int nPlaced = pFrame->m_wndToolBar.m_nPlaced;
    CRect measured;
    pFrame->RepositionBars(0, 0xffff, AFX_IDW_PANE_FIRST, reposQuery, &measured, nullptr, FALSE);
    EXPECT_EQ(48, measured.Height());
    EXPECT_GE(pFrame->m_wndToolBar.m_nMeasured, 1);
    EXPECT_EQ(nPlaced, pFrame->m_wndToolBar.m_nPlaced);
    EXPECT_EQ(top, ChildRect(pFrame, pFrame->m_wndToolBar.m_hWnd));
}

TEST_F(AppTest, DelayedLayoutWaitsForIdle)
{
    CTestMainFrame* pFrame = MainFrame();
    pFrame->m_wndToolBar.m_nHeight = 40;
    pFrame->DelayRecalcLayout();
    EXPECT_TRUE(pFrame->m_nIdleFlags & CFrameWnd::idleLayout);
    EXPECT_EQ(24, ChildRect(pFrame, pFrame->m_wndToolBar.m_hWnd).Height());
    RunIdle();
    EXPECT_EQ(40, ChildRect(pFrame, pFrame->m_wndToolBar.m_hWnd).Height());
    EXPECT_EQ(40, ChildRect(pFrame, pFrame->m_hWndMDIClient).top);
    EXPECT_EQ(0u, pFrame->m_nIdleFlags & CFrameWnd::idleLayout);
    pFrame->m_wndToolBar.m_nHeight = 24;
    pFrame->RecalcLayout();
}

TEST_F(AppTest, CommandsGoToViewDocumentFrameAndApplicationInThatOrder)
{
    CTestDoc* pDoc = NewDocument();
    ASSERT_NE(nullptr, pDoc);
    CTestMainFrame* pFrame = MainFrame();
    pFrame->SendMessage(WM_COMMAND, ID_TEST_VIEWCMD);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_DOCCMD);
    pDoc->m_bDocCommands = FALSE;  // the document passes it on
    pFrame->SendMessage(WM_COMMAND, ID_TEST_DOCCMD);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_FRAMECMD);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_APPCMD);
    std::vector<std::string> expected = {"view", "doc", "doc", "frame", "frame", "app"};
    EXPECT_EQ(expected, g_commandLog);
}

TEST_F(AppTest, UpdateHandlersRunAtIdleAndDisableCommandsWithoutHandler)
{
    ASSERT_NE(nullptr, EnsureDocument());
    CTestMainFrame* pFrame = MainFrame();
    RunIdle();
    EXPECT_TRUE(pFrame->m_btnFrameCmd.IsWindowEnabled());
    EXPECT_FALSE(pFrame->m_btnNoHandler.IsWindowEnabled());

    // The active child's menu: its Test popup is updated as it opens.
    CMenu* pMenu = CMenu::FromHandle(::GetMenu(pFrame->m_hWnd));
    ASSERT_NE(nullptr, pMenu);
    CMenu* pTest = nullptr;
    for (UINT i = 0; i < pMenu->GetMenuItemCount() && !pTest; i++)
    {
        CString strText;
        pMenu->GetMenuString(i, strText, MF_BYPOSITION);
        if (strText == "&Test")
            pTest = pMenu->GetSubMenu((int)i);
    }
    ASSERT_NE(nullptr, pTest);
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)pTest->m_hMenu, 1);
    EXPECT_FALSE(pTest->GetMenuState(ID_TEST_VIEWCMD, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(pTest->GetMenuState(ID_TEST_NOHANDLER, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(pTest->GetMenuState(ID_TEST_DISABLED, MF_BYCOMMAND) & MF_GRAYED);

    // A disabled command from an accelerator is swallowed.
    pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_DISABLED, 1), 0);
    EXPECT_TRUE(g_commandLog.empty());
}

// File > Exit stays enabled: the application answers it by closing its main window.
TEST_F(AppTest, TheApplicationHandlesExit)
{
    AFX_CMDHANDLERINFO info = {};
    EXPECT_TRUE(MainFrame()->OnCmdMsg(ID_APP_EXIT, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(static_cast<CCmdTarget*>(AfxGetApp()), info.pTarget);
}

TEST_F(AppTest, TitleGainsAndLosesTheModifiedMark)
{
    CTestDoc* pDoc = EnsureDocument();
    ASSERT_NE(nullptr, pDoc);
    CFrameWnd* pChild = MainFrame()->GetActiveFrame();
    CString strTitle = pDoc->GetTitle();
    pDoc->SetModifiedFlag(TRUE);
    RunIdle();
    EXPECT_EQ(std::string(strTitle + " *"), std::string(WindowText(pChild)));
    EXPECT_NE(-1, WindowText(MainFrame()).Find(strTitle + " *"));
    pDoc->SetModifiedFlag(TRUE);
    EXPECT_EQ(std::string(strTitle + " *"), std::string(pDoc->GetTitle())) << "the mark is added once";
    pDoc->SetModifiedFlag(FALSE);
    RunIdle();
    EXPECT_EQ(std::string(strTitle), std::string(WindowText(pChild)));
    EXPECT_EQ(-1, WindowText(MainFrame()).Find('*'));
}

TEST_F(AppTest, SaveWritesTheFileAndTheRecentListLandsInTheRegistry)
{
    CTestDoc* pDoc = EnsureDocument();
    ASSERT_NE(nullptr, pDoc);
    CString strPath = FreshPath("kfw_window_saved.tst");
    LPCTSTR szPath = strPath;
    pDoc->m_strText = "saved text";
    pDoc->SetModifiedFlag(TRUE);
    ASSERT_TRUE(pDoc->DoSave(szPath));
    EXPECT_EQ("saved text\r\n", ReadFile(szPath));
    EXPECT_EQ("kfw_window_saved.tst", std::string(pDoc->GetTitle()));
    EXPECT_FALSE(pDoc->IsModified());

    char szValue[MAX_PATH] = "";
    DWORD cb = sizeof szValue;
    std::string strKey = std::string(kRegistryRoot) + "\\Window Tests\\Recent File List";
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegGetValue(HKEY_CURRENT_USER, strKey.c_str(), "File1", RRF_RT_REG_SZ, nullptr, szValue, &cb));
    EXPECT_STREQ(szPath, szValue);

    // The recent-file command opens it again, through the template.
    MainFrame()->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE1);
    RunIdle();
    CTestDoc* pReopened = ActiveDoc();
    ASSERT_NE(nullptr, pReopened);
    EXPECT_NE(pDoc, pReopened);
    EXPECT_EQ("saved text", std::string(pReopened->m_strText));
    EXPECT_STREQ(szPath, pReopened->GetPathName());
}

TEST_F(AppTest, FailedSaveTellsTheUserAndLeavesNoPartialFile)
{
    CTestDoc* pDoc = EnsureDocument();
    ASSERT_NE(nullptr, pDoc);
    CString strPath = FreshPath("kfw_window_partial.tst");
    LPCTSTR szPath = strPath;
    pDoc->SetModifiedFlag(TRUE);
    pDoc->m_bFailStoring = TRUE;
    EXPECT_FALSE(pDoc->DoSave(szPath));
    pDoc->m_bFailStoring = FALSE;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(szPath));
    EXPECT_EQ(1u, theApp.m_messages.size());
    EXPECT_TRUE(pDoc->IsModified()) << "the changes are still unsaved";
    pDoc->SetModifiedFlag(FALSE);
}

TEST_F(AppTest, FailedSaveKeepsTheFileAsItWasAndNamesIt)
{
    CTestDoc* pDoc = EnsureDocument();
    ASSERT_NE(nullptr, pDoc);
    CString strPath = FreshPath("kfw_window_kept.tst");
    LPCTSTR szPath = strPath;
    pDoc->m_strText = "first version";
    ASSERT_TRUE(pDoc->DoSave(szPath));
    theApp.m_messages.clear();

    pDoc->m_strText = "second version";
    pDoc->SetModifiedFlag(TRUE);
    pDoc->m_bFailStoring = TRUE;
    EXPECT_FALSE(pDoc->DoSave(szPath));
    pDoc->m_bFailStoring = FALSE;
    EXPECT_EQ("first version\r\n", ReadFile(szPath));
    ASSERT_EQ(1u, theApp.m_messages.size());
    EXPECT_NE(-1, theApp.m_messages[0].Find("kfw_window_kept.tst")) << std::string(theApp.m_messages[0]);
    WIN32_FIND_DATA found;
    HANDLE hFind = ::FindFirstFile("kfw*.tmp", &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, hFind) << "a file written beside it is left behind";
    if (hFind != INVALID_HANDLE_VALUE)
        ::FindClose(hFind);
    pDoc->SetModifiedFlag(FALSE);
}

TEST_F(AppTest, OpeningAMissingFileTellsTheUserAndOpensNothing)
{
    HWND hActiveBefore = MainFrame()->GetActiveFrame()->m_hWnd;
    EXPECT_EQ(nullptr, theApp.OpenDocumentFile("Z:\\no such folder\\missing.tst"));
    RunIdle();
    ASSERT_EQ(1u, theApp.m_messages.size());
    EXPECT_FALSE(theApp.m_messages[0].IsEmpty());
    EXPECT_EQ(hActiveBefore, MainFrame()->GetActiveFrame()->m_hWnd) << "no frame is left behind";
}

TEST_F(AppTest, AnExceptionReportsThroughTheApplicationsMessageBox)
{
    CFileException e(CFileException::fileNotFound, 2, "kfw_window_reported.tst");
    e.ReportError(MB_OK);
    ASSERT_EQ(1u, theApp.m_messages.size()) << "the report bypassed the application";
    EXPECT_NE(-1, theApp.m_messages[0].Find("kfw_window_reported.tst")) << std::string(theApp.m_messages[0]);
}

TEST_F(AppTest, UpdateAllViewsPassesTheHint)
{
    CTestDoc* pDoc = EnsureDocument();
    ASSERT_NE(nullptr, pDoc);
    POSITION pos = pDoc->GetFirstViewPosition();
    CTestView* pView = static_cast<CTestView*>(pDoc->GetNextView(pos));
    ASSERT_NE(nullptr, pView);
    pDoc->UpdateAllViews(nullptr, 5);
    EXPECT_EQ(5, pView->m_lLastHint);
    int nUpdates = pView->m_nUpdates;
    pDoc->UpdateAllViews(pView, 6);
    EXPECT_EQ(nUpdates, pView->m_nUpdates) << "the sender is not told";
}

TEST_F(AppTest, ClosingAModifiedDocumentAsksAndCancelKeepsIt)
{
    CTestDoc* pDoc = NewDocument();
    ASSERT_NE(nullptr, pDoc);
    CFrameWnd* pChild = MainFrame()->GetActiveFrame();
    HWND hChild = pChild->m_hWnd;
    pDoc->SetModifiedFlag(TRUE);
    theApp.m_nMessageAnswer = IDCANCEL;
    pChild->SendMessage(WM_CLOSE);
    ASSERT_EQ(1u, theApp.m_messages.size());
    EXPECT_NE(-1, theApp.m_messages[0].Find("Save changes to"));
    EXPECT_TRUE(::IsWindow(hChild));
    theApp.m_nMessageAnswer = IDNO;
    pChild->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hChild));
}

// Logging off asks the main frame as closing it would: Cancel keeps the session and the edit, and a
// session that goes on keeps the documents.
TEST_F(AppTest, TheSessionEndAsksToSaveAndCancelKeepsTheSessionAndTheEdit)
{
    CTestDoc* pDoc = NewDocument();
    ASSERT_NE(nullptr, pDoc);
    HWND hChild = MainFrame()->GetActiveFrame()->m_hWnd;
    pDoc->SetModifiedFlag(TRUE);
    theApp.m_nMessageAnswer = IDCANCEL;
    EXPECT_FALSE(MainFrame()->SendMessage(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    ASSERT_EQ(1u, theApp.m_messages.size());
    EXPECT_NE(-1, theApp.m_messages[0].Find("Save changes to"));
    EXPECT_TRUE(pDoc->IsModified());
    MainFrame()->SendMessage(WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(::IsWindow(hChild)) << "the session goes on";

    theApp.m_nMessageAnswer = IDNO;
    EXPECT_TRUE(MainFrame()->SendMessage(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    pDoc->SetModifiedFlag(FALSE);
    MainFrame()->SendMessage(WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(::IsWindow(hChild));
}

TEST_F(AppTest, ClosingOneChildKeepsTheMenuOfTheNextActiveChild)
{
    ASSERT_NE(nullptr, NewDocument());
    ASSERT_NE(nullptr, NewDocument());
    CFrameWnd* pChild = MainFrame()->GetActiveFrame();
    pChild->SendMessage(WM_CLOSE);
    RunIdle();
    ASSERT_NE(MainFrame(), MainFrame()->GetActiveFrame());
    HMENU hMenu = ::GetMenu(MainFrame()->m_hWnd);
    EXPECT_NE((UINT)-1, ::GetMenuState(hMenu, ID_TEST_VIEWCMD, MF_BYCOMMAND)) << "the child's menu is shown";
}

TEST_F(AppTest, ModalDialogTakesTypedInputThroughDataExchange)
{
    CDdxDialog dlg;
    dlg.m_nCount = 3;
    BOOL bSawDialog = FALSE;
    RunFromTimer(
        [&]
        {
            bSawDialog = ::IsWindow(dlg.m_hWnd) && ::IsWindowVisible(dlg.m_hWnd);
            if (!bSawDialog)
                return FALSE;
            ::SetForegroundWindow(dlg.m_hWnd);
            ::SetFocus(::GetDlgItem(dlg.m_hWnd, IDC_NAME));
            TypeText("abc");
            PressKey(VK_TAB);
            TypeText("7");
            PressKey(VK_RETURN);
            return TRUE;
        });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(bSawDialog);
    EXPECT_EQ("abc", std::string(dlg.m_strName));
    EXPECT_EQ(7, dlg.m_nCount);
    EXPECT_EQ(1, dlg.m_bFlag);
    EXPECT_EQ(1, dlg.m_nKind);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST_F(AppTest, FailedValidationReportsAndKeepsTheFocusOnTheField)
{
    CDdxDialog dlg;
    dlg.m_nCount = 5;
    ASSERT_TRUE(dlg.Create(IDD_DDX, MainFrame()));
    dlg.SetDlgItemText(IDC_COUNT, "99");
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    ASSERT_EQ(1u, theApp.m_messages.size());
    EXPECT_EQ("Please enter an integer between 1 and 10.", std::string(theApp.m_messages[0]));
    EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, IDC_COUNT), ::GetFocus());
    dlg.SetDlgItemText(IDC_COUNT, "x1");
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ("Please enter an integer.", std::string(theApp.m_messages.back()));
    dlg.SetDlgItemText(IDC_COUNT, "4");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(4, dlg.m_nCount);
    dlg.DestroyWindow();
}

TEST_F(AppTest, PropertySheetShowsItsPagesAndAppliesThem)
{
    CPropertySheet sheet("Test Sheet", MainFrame());
    CTestPage page1(IDD_PAGE1), page2(IDD_PAGE2);
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    CString strShown;
    RunFromTimer(
        [&]
        {
            if (!sheet.m_hWnd || !page1.m_hWnd)
                return FALSE;
            page1.GetDlgItemText(IDC_PAGE_EDIT, strShown);
            ::SendMessage(sheet.m_hWnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
            return TRUE;
        });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ("page text", std::string(strShown)) << "the page's object filled its control";
    EXPECT_EQ(1, page1.m_nActivated);
    EXPECT_EQ(1, page1.m_nApplied);
    EXPECT_EQ(0, page2.m_nActivated);
}

TEST_F(AppTest, ModelessPropertySheetCreatesPagesAsTheyAreShown)
{
    CPropertySheet sheet("Modeless Sheet");
    CTestPage page1(IDD_PAGE1), page2(IDD_PAGE2);
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    ASSERT_TRUE(sheet.Create(MainFrame(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE));
    EXPECT_TRUE(::IsWindow(sheet.m_hWnd));
    EXPECT_EQ(&page1, sheet.GetActivePage());
    EXPECT_EQ(nullptr, page2.m_hWnd) << "a page is made when first shown";
    EXPECT_TRUE(sheet.SetActivePage(1));
    EXPECT_EQ(&page2, sheet.GetActivePage());
    EXPECT_NE(nullptr, page2.m_hWnd);
    EXPECT_EQ(1, page2.m_nActivated);
    HWND hSheet = sheet.m_hWnd;
    sheet.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hSheet));
    EXPECT_EQ(nullptr, page1.m_hWnd);
}

TEST_F(AppTest, ModelessDialogLivesBesideTheFrameUntilClosed)
{
    CModelessDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_MODELESS, MainFrame()));
    HWND hDlg = dlg.m_hWnd;
    EXPECT_TRUE(dlg.IsWindowVisible());
    CString strText;
    dlg.GetDlgItemText(IDC_MODELESS_TEXT, strText);
    EXPECT_EQ("A modeless dialog", std::string(strText));
    EXPECT_EQ(MainFrame()->m_hWnd, ::GetWindow(hDlg, GW_OWNER));

    // The user clicks an item of its tree: it is selected and the dialog hears it.
    CTreeCtrl& tree = dlg.m_tree;
    HTREEITEM hPayload = tree.GetNextSiblingItem(tree.GetChildItem(tree.GetRootItem()));
    ASSERT_NE(nullptr, hPayload);
    EXPECT_EQ("Payload", std::string(tree.GetItemText(hPayload)));
    CRect item;
    ASSERT_TRUE(tree.GetItemRect(hPayload, &item, TRUE));
    CTestInput input(tree.m_hWnd);
    ASSERT_TRUE(input.Click(item.CenterPoint()));
    EXPECT_TRUE(WaitFor([&] { return dlg.m_strPicked == "Payload"; }));
    EXPECT_EQ(hPayload, tree.GetSelectedItem());

    ::SendMessage(::GetDlgItem(hDlg, IDCANCEL), BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hDlg));
}

// A box asked for from a modeless dialog is owned by the dialog and keeps the whole application waiting:
// the frame takes no click meanwhile, and is enabled again once the box is answered.
TEST_F(AppTest, AMessageBoxOverAModelessDialogDisablesTheFrameUntilItIsAnswered)
{
    CModelessDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_MODELESS, MainFrame()));
    dlg.SetActiveWindow();
    HWND hBoxOwner = nullptr;
    BOOL bFrameEnabled = TRUE;
    CModalScript script({[&]
                         {
                             HWND hBox = ::GetLastActivePopup(MainFrame()->m_hWnd);
                             if (hBox == dlg.m_hWnd || !::IsWindowVisible(hBox))
                                 return false;
                             hBoxOwner = ::GetWindow(hBox, GW_OWNER);
                             bFrameEnabled = MainFrame()->IsWindowEnabled();
                             ::PostMessage(hBox, WM_COMMAND, IDOK, 0);
                             return true;
                         }});
    EXPECT_EQ(IDOK, theApp.CWinApp::DoMessageBox("Finished", MB_OK, 0));
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(dlg.m_hWnd, hBoxOwner);
    EXPECT_FALSE(bFrameEnabled) << "the frame is disabled while the box shows";
    EXPECT_TRUE(MainFrame()->IsWindowEnabled());
    EXPECT_TRUE(dlg.IsWindowEnabled());
    dlg.DestroyWindow();
}

TEST_F(AppTest, AcceleratorFromTheKeyboardReachesTheFrame)
{
    ASSERT_NE(nullptr, EnsureDocument());
    CTestMainFrame* pFrame = MainFrame();
    ::SetForegroundWindow(pFrame->m_hWnd);
    CView* pView = pFrame->GetActiveFrame()->GetActiveView();
    ASSERT_NE(nullptr, pView);
    ASSERT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == pFrame->m_hWnd; }));
    pView->SetFocus();
    g_commandLog.clear();
    SendKey(VK_CONTROL, FALSE);
    PressKey('T');
    SendKey(VK_CONTROL, TRUE);
    WaitFor([] { return !g_commandLog.empty(); });
    EXPECT_EQ(std::vector<std::string>{"frame"}, g_commandLog);
}

TEST_F(AppTest, StatusBarShowsCommandPromptsAndTheIdleMessage)
{
    CTestMainFrame* pFrame = MainFrame();
    pFrame->SendMessage(WM_SETMESSAGESTRING, ID_TEST_FRAMECMD);
    EXPECT_EQ("Runs the frame's command", std::string(WindowText(&pFrame->m_wndStatusBar)));
    pFrame->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ("Ready", std::string(WindowText(&pFrame->m_wndStatusBar)));
}

TEST_F(AppTest, SynchronisedMiniFrameFollowsItsOwnersActivation)
{
    CTestMainFrame* pFrame = MainFrame();
    CSyncMiniFrame mini;
    ASSERT_TRUE(mini.Create(nullptr, "Floating", WS_POPUP | WS_CAPTION | WS_VISIBLE | MFS_SYNCACTIVE,
                            CRect(600, 100, 760, 200), pFrame));
    ::SetForegroundWindow(pFrame->m_hWnd);
    EXPECT_TRUE(WaitFor([&] { return mini.IsCaptionActive(); }));
    CSyncMiniFrame other;
    ASSERT_TRUE(other.Create(nullptr, "Other", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(0, 600, 100, 700), nullptr));
    ::SetForegroundWindow(other.m_hWnd);
    EXPECT_TRUE(WaitFor([&] { return !mini.IsCaptionActive(); }));
    ::SetForegroundWindow(pFrame->m_hWnd);
    EXPECT_TRUE(WaitFor([&] { return mini.IsCaptionActive(); }));
    other.DestroyWindow();
    mini.DestroyWindow();
}

TEST_F(AppTest, AWindowInAMiniDockFrameFindsItAndTheFrameItFloatsFor)
{
    class CDockFrame : public CMiniDockFrameWnd
    {
    protected:
        void PostNcDestroy() override {}
    } dock;
    ASSERT_TRUE(
        dock.Create(nullptr, "Bars", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(600, 300, 800, 400), MainFrame()));
    CStatic label;
    ASSERT_TRUE(label.Create("x", WS_CHILD | WS_VISIBLE, CRect(2, 2, 40, 20), &dock));
    CFrameWnd* pFrame = label.GetParentFrame();
    EXPECT_EQ(&dock, pFrame);
    EXPECT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)));
    EXPECT_EQ(MainFrame(), pFrame->GetParentFrame()) << "the owner counts as the parent of a popup frame";
    label.DestroyWindow();
    dock.DestroyWindow();
}

TEST_F(AppTest, IdlePassUpdatesCommandsInVisibleFloatingFrames)
{
    CSyncMiniFrame mini;
    ASSERT_TRUE(mini.Create(nullptr, "Floating tools", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(600, 300, 800, 400),
                            MainFrame()));
    CTestBar bar;
    ASSERT_TRUE(bar.Create(&mini, AFX_IDW_TOOLBAR, TRUE));
    mini.RecalcLayout();
    CButton btnApp, btnNone;
    ASSERT_TRUE(btnApp.Create("App", WS_CHILD | WS_VISIBLE, CRect(2, 2, 62, 22), &bar, ID_TEST_APPCMD));
    ASSERT_TRUE(btnNone.Create("None", WS_CHILD | WS_VISIBLE, CRect(64, 2, 124, 22), &bar, ID_TEST_NOHANDLER));
    RunIdle();
    EXPECT_TRUE(btnApp.IsWindowEnabled()) << "the application handles it";
    EXPECT_FALSE(btnNone.IsWindowEnabled()) << "no handler, no button, in a floating frame too";
    mini.ShowWindow(SW_HIDE);
    btnNone.EnableWindow(TRUE);
    RunIdle();
    EXPECT_TRUE(btnNone.IsWindowEnabled()) << "hidden frames are left alone";
    mini.DestroyWindow();
}

TEST_F(AppTest, ClickInAFloatingFrameActivatesTheTopParent)
{
    CSyncMiniFrame mini;
    ASSERT_TRUE(mini.Create(nullptr, "Floating tools", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(600, 300, 800, 400),
                            MainFrame()));
    CButton button;
    ASSERT_TRUE(button.Create("Tool", WS_CHILD | WS_VISIBLE, CRect(2, 2, 62, 22), &mini, ID_TEST_APPCMD));
    CSyncMiniFrame other;
    ASSERT_TRUE(other.Create(nullptr, "Other", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(0, 600, 100, 700), nullptr));
    ::SetForegroundWindow(other.m_hWnd);
    ASSERT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == other.m_hWnd; }));
    button.ActivateTopParent();
    EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == MainFrame()->m_hWnd; }))
        << "the floating frame's owner, not the floating frame";
    ::SetForegroundWindow(mini.m_hWnd);
    ASSERT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == mini.m_hWnd; }));
    button.ActivateTopParent();
    PumpPending();
    EXPECT_EQ(mini.m_hWnd, ::GetForegroundWindow()) << "the window that holds it is active already";
    other.DestroyWindow();
    mini.DestroyWindow();
}

TEST_F(AppTest, FrameWhoseCreationFailsIsDeletedExactlyOnceAndLeavesNoMenu)
{
    CFailingFrame::s_nDeleted = 0;
    CFailingFrame* pFrame = new CFailingFrame;
    EXPECT_FALSE(pFrame->LoadFrame(IDR_MAINFRAME));
    EXPECT_EQ(1, CFailingFrame::s_nDeleted);
    ASSERT_NE(nullptr, CFailingFrame::s_hMenu);
    EXPECT_FALSE(::IsMenu(CFailingFrame::s_hMenu)) << "the window took its menu with it";
    // Failing before any window exists, right after a creation that had one.
    pFrame = new CFailingFrame;
    pFrame->m_bFailPreCreate = TRUE;
    EXPECT_FALSE(pFrame->LoadFrame(IDR_MAINFRAME));
    EXPECT_EQ(2, CFailingFrame::s_nDeleted);
    ASSERT_NE(nullptr, CFailingFrame::s_hMenu);
    EXPECT_FALSE(::IsMenu(CFailingFrame::s_hMenu)) << "the menu no window took is destroyed";
    PumpPending();
}

TEST_F(AppTest, ScreenshotOfTheApplication)
{
    CTestMainFrame* pFrame = MainFrame();
    ::SetForegroundWindow(pFrame->m_hWnd);
    pFrame->MDITile(MDITILE_VERTICAL);
    pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    Settle();
    CRect rect;
    pFrame->GetWindowRect(&rect);
    CClientDC screen(nullptr);
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, rect.Width(), rect.Height()));
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    memDC.BitBlt(0, 0, rect.Width(), rect.Height(), &screen, rect.left, rect.top, SRCCOPY);
    // The tool bar shows the button-face colour where nothing covers it.
    CRect bar = ChildRect(pFrame, pFrame->m_wndToolBar.m_hWnd);
    CPoint ptBar(bar.right - 5, bar.top + 5);
    pFrame->ClientToScreen(&ptBar);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), memDC.GetPixel(ptBar.x - rect.left, ptBar.y - rect.top));
    memDC.SelectObject(pOld);

    BITMAPINFOHEADER bih{};
    bih.biSize = sizeof bih;
    bih.biWidth = rect.Width();
    bih.biHeight = rect.Height();
    bih.biPlanes = 1;
    bih.biBitCount = 24;
    int nStride = (rect.Width() * 3 + 3) & ~3;
    std::vector<BYTE> bits((size_t)nStride * rect.Height());
    ASSERT_NE(0,
              ::GetDIBits(memDC.m_hDC, bitmap, 0, (UINT)rect.Height(), bits.data(), (BITMAPINFO*)&bih, DIB_RGB_COLORS));
    BITMAPFILEHEADER bfh{};
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof bfh + sizeof bih;
    bfh.bfSize = bfh.bfOffBits + (DWORD)bits.size();
    std::ofstream out("kfw_window_screenshot.bmp", std::ios::binary);
    out.write((const char*)&bfh, sizeof bfh);
    out.write((const char*)&bih, sizeof bih);
    out.write((const char*)bits.data(), (std::streamsize)bits.size());
    EXPECT_TRUE(out.good());
}

TEST(Resources, ToolbarRecordIsRawWordsAsTheBarsReadIt)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResource(hInst, MAKEINTRESOURCE(IDR_MAINFRAME), RT_TOOLBAR);
    ASSERT_NE(nullptr, hResource);
    ASSERT_EQ(7u * sizeof(WORD), ::SizeofResource(hInst, hResource));
    const WORD* pData = static_cast<const WORD*>(::LockResource(::LoadResource(hInst, hResource)));
    ASSERT_NE(nullptr, pData);
    EXPECT_EQ(1, pData[0]);   // version
    EXPECT_EQ(16, pData[1]);  // width
    EXPECT_EQ(15, pData[2]);  // height
    EXPECT_EQ(3, pData[3]);   // count
    EXPECT_EQ(ID_FILE_NEW, pData[4]);
    EXPECT_EQ(0, pData[5]);  // separator
    EXPECT_EQ(ID_TEST_FRAMECMD, pData[6]);
}

TEST(Resources, PromptsTakeTheirArgumentsAndDocStringsTheirFields)
{
    CString strPrompt;
    AfxFormatString2(strPrompt, IDS_TEST_FORMAT, "a.tst", "no access");
    EXPECT_EQ("Cannot open a.tst: no access (100%)", std::string(strPrompt));
    AfxFormatString1(strPrompt, IDS_TEST_FORMAT, "b.tst");
    EXPECT_EQ("Cannot open b.tst:  (100%)", std::string(strPrompt));
    CString strExt, strName;
    ASSERT_TRUE(theApp.m_pDocTemplate->GetDocString(strExt, CDocTemplate::filterExt));
    EXPECT_EQ(".tst", std::string(strExt));
    ASSERT_TRUE(theApp.m_pDocTemplate->GetDocString(strName, CDocTemplate::regFileTypeName));
    EXPECT_EQ("Test Document", std::string(strName));
}
