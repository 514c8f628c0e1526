// The Options dialog saving the compiler settings, its page in the themed tab control driven by real input, and
// the About box.
#include <gtest/gtest.h>

#include "AboutDlg.h"
#include "DialogDriver.h"
#include "InputBuilder.h"
#include "KBTabCtrl.h"
#include "KBThemeManager.h"
#include "KestovaDialogsRes.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "Options.h"
#include "TestApp.h"
#include "TestFolder.h"
#include "TestInput.h"

namespace
{

CString ReadKey(const CString& strIni, const char* pszKey)
{
    char szValue[MAX_PATH] = "";
    ::GetPrivateProfileString("Global", pszKey, "<missing>", szValue, sizeof szValue, strIni);
    return szValue;
}

}  // namespace

TEST(Options, AutoStoresFlagZeroAndNoPathMakingTheConfigFolder)
{
    CTestFolder folder("options_auto");
    const CString strIni = CString(folder.Path().c_str()) + "\\config\\config.ini";
    CompilerSettings settings;
    settings.strCompilerPath = "C:\\old\\vcvars32.bat";
    COptions dlg(MainFrameForTests(), settings, strIni);
    std::string strShown;
    bool bAutoShown = true;
    DialogRun run = RunDialog(dlg, {[&](HWND h)
                                    {
                                        HWND hPage = ::GetDlgItem(::GetDlgItem(h, IDC_TAB_OPTIONS), AFX_IDW_PANE_FIRST);
                                        strShown = TextOf(hPage, IDC_EDIT_COMPILER_PATH);
                                        bAutoShown = ::IsDlgButtonChecked(hPage, IDC_CHECK_BOX) == BST_CHECKED;
                                        Click(hPage, IDC_CHECK_BOX);
                                        EXPECT_FALSE(IsEnabled(hPage, IDC_BUTTON_BROWSE));
                                        EXPECT_EQ("", TextOf(hPage, IDC_EDIT_COMPILER_PATH));
                                    }});
    EXPECT_EQ("C:\\old\\vcvars32.bat", strShown);
    EXPECT_FALSE(bAutoShown);
    ASSERT_EQ(IDOK, run.nResult);
    EXPECT_EQ(0, settings.nAutoFlag);
    EXPECT_TRUE(settings.strCompilerPath.IsEmpty());
    EXPECT_EQ("0", std::string(ReadKey(strIni, "auto_flag")));
    EXPECT_EQ("", std::string(ReadKey(strIni, "compiler_path")));
}

TEST(Options, TypedPathIsKeptInTheFileForTheNextStart)
{
    CTestFolder folder("options_path");
    const CString strIni = CString(folder.Path().c_str()) + "\\config.ini";
    CompilerSettings settings;
    COptions dlg(MainFrameForTests(), settings, strIni);
    DialogRun run = RunDialog(dlg, {[&](HWND h)
                                    {
                                        HWND hPage = ::GetDlgItem(::GetDlgItem(h, IDC_TAB_OPTIONS), AFX_IDW_PANE_FIRST);
                                        ::SetDlgItemText(hPage, IDC_EDIT_COMPILER_PATH, "D:\\tools\\vcvars32.bat");
                                    }});
    ASSERT_EQ(IDOK, run.nResult);
    EXPECT_EQ(1, settings.nAutoFlag);
    EXPECT_EQ("D:\\tools\\vcvars32.bat", std::string(ReadKey(strIni, "compiler_path")));
    EXPECT_EQ("1", std::string(ReadKey(strIni, "auto_flag")));
}

// The user keeps the chosen compiler for this session and learns it will not last beyond it.
TEST(Options, AFailedWriteIsReportedAndTheFrameStillTakesTheSettings)
{
    CTestFolder folder("options_fail");
    ASSERT_TRUE(folder.Write("config", "a file where the folder should be"));
    const CString strIni = CString(folder.Path().c_str()) + "\\config\\config.ini";
    CompilerSettings settings;
    settings.strCompilerPath = "C:\\kept.bat";
    COptions dlg(MainFrameForTests(), settings, strIni);
    DialogRun run = RunDialog(dlg, {[&](HWND h)
                                    {
                                        HWND hPage = ::GetDlgItem(::GetDlgItem(h, IDC_TAB_OPTIONS), AFX_IDW_PANE_FIRST);
                                        ::SetDlgItemText(hPage, IDC_EDIT_COMPILER_PATH, "C:\\new.bat");
                                    }});
    EXPECT_EQ(std::vector<std::string>{"the settings could not be written to " + std::string(strIni) +
                                       ", they apply only until the designer is closed!"},
              run.refusals);
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_EQ(1, settings.nAutoFlag);
    EXPECT_EQ("C:\\new.bat", std::string(settings.strCompilerPath));
}

TEST(Options, ThePageStandsInTheThemedTabAndF6WalksOntoItAgain)
{
    CTestFolder folder("options_tabs");
    CompilerSettings settings;
    settings.strCompilerPath = "C:\\tools\\vcvars32.bat";
    COptions dlg(MainFrameForTests(), settings, CString(folder.Path().c_str()) + "\\config.ini");
    CKBTabCtrl* pTabs = nullptr;
    HWND hPage = nullptr;
    std::unique_ptr<CMessageRecorder> pRecorder;
    DWORD dwSent = 0;
    bool bWalked = false;
    auto pageShown = [&] { return pTabs->GetCurSel() == 0 && ::IsWindowVisible(hPage) && ::IsWindowEnabled(hPage); };
    CModalScript script({[&]
                         {
                             if (!dlg.GetSafeHwnd() || !dlg.IsWindowVisible())
                                 return false;
                             pTabs = dynamic_cast<CKBTabCtrl*>(dlg.GetDlgItem(IDC_TAB_OPTIONS));
                             if (!pTabs)
                                 return true;
                             EXPECT_EQ(1, pTabs->GetItemCount());
                             EXPECT_STREQ("Global Options", pTabs->GetItemLabel(0));
                             hPage = ::GetDlgItem(pTabs->GetSafeHwnd(), AFX_IDW_PANE_FIRST);
                             EXPECT_STREQ("C:\\tools\\vcvars32.bat", TextOf(hPage, IDC_EDIT_COMPILER_PATH).c_str());
                             CRect rcTab;
                             pTabs->CTabCtrl::GetItemRect(0, &rcTab);
                             CTestInput input(pTabs->GetSafeHwnd());
                             EXPECT_TRUE(input.Click(rcTab.CenterPoint()));
                             EXPECT_TRUE(pageShown()) << "a click on the only tab keeps its page";
                             // F6 on the control goes through the dialog's own loop, which lets the control see it first.
                             pTabs->SetFocus();
                             pRecorder = std::make_unique<CMessageRecorder>(
                                 std::initializer_list<HWND>{dlg.GetSafeHwnd()},
                                 std::initializer_list<UINT>{CKBTabBase::kbTabNotifyChanged});
                             std::vector<INPUT> inputs;
                             InputBuilder::AddKey(inputs, VK_F6, true);
                             InputBuilder::AddKey(inputs, VK_F6, false);
                             ::SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
                             dwSent = ::GetTickCount();
                             return true;
                         },
                         [&]
                         {
                             bWalked = pRecorder && !pRecorder->Messages().empty() && pageShown() &&
                                       ::GetFocus() == pTabs->GetSafeHwnd();
                             return bWalked || ::GetTickCount() - dwSent > kColdWineDeadlineMs;
                         },
                         [&]
                         {
                             pRecorder.reset();
                             dlg.EndDialog(IDCANCEL);
                             return true;
                         }});
    dlg.DoModal();
    ASSERT_TRUE(script.Done());
    ASSERT_NE(nullptr, pTabs) << "the dialog's tab control is the themed one";
    EXPECT_TRUE(bWalked) << "F6 walks onto the only tab again, shows its page and leaves the focus on the control";
    EXPECT_EQ(kbThemeOffice, KBThemeManager()->GetTheme()) << "the dialog gives the basic controls its look";
    KBThemeManager()->SetTheme(kbThemeDefault);
}

TEST(About, ShowsItsLinksAndClosesWithOk)
{
    CAboutDlg dlg(MainFrameForTests());
    std::string strCaption;
    bool bLinks = false;
    DialogRun run = RunDialog(dlg, {[&](HWND h)
                                    {
                                        char szCaption[32] = "";
                                        ::GetWindowText(h, szCaption, sizeof szCaption);
                                        strCaption = szCaption;
                                        bLinks = ::GetDlgItem(h, IDC_LINK_MAIL) && ::GetDlgItem(h, IDC_LINK_WEB);
                                    }});
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_EQ("About", strCaption);
    EXPECT_TRUE(bLinks);
}
