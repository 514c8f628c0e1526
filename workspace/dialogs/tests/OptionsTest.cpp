// The Options dialog saving the compiler settings, and the About box.
#include <gtest/gtest.h>

#include "AboutDlg.h"
#include "DialogDriver.h"
#include "KestovaDialogsRes.h"
#include "Options.h"
#include "TestApp.h"
#include "TestFolder.h"

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

TEST(Options, FailedWriteIsReportedAndChangesNothing)
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
    EXPECT_EQ(std::vector<std::string>{"the settings could not be written to " + std::string(strIni) + "!"},
              run.refusals);
    EXPECT_EQ(IDCANCEL, run.nResult);
    EXPECT_EQ("C:\\kept.bat", std::string(settings.strCompilerPath));
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
