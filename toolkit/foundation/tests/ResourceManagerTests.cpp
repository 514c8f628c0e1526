// ResourceManagerTests.cpp: strings, cursors, pages and dialog templates by id.
#include <gtest/gtest.h>

#include <afxres.h>

#include "FoundationTestsRes.h"
#include "KTFoundationRes.h"
#include "KTResourceManager.h"

TEST(ResourceManager, OneProcessWideManagerInEnglish)
{
    CKTResourceManager* pManager = KTResourceManager();
    ASSERT_NE(nullptr, pManager);
    EXPECT_EQ(pManager, KTResourceManager());
    EXPECT_EQ(1033, pManager->GetLanguage());
    EXPECT_EQ(nullptr, pManager->GetResourceHandle());
}

TEST(ResourceManager, StringsFromTheApplicationWhenNoModuleIsSet)
{
    CString str("stale");
    EXPECT_TRUE(KTResourceManager()->LoadString(&str, IDS_TEST_TEXT));
    EXPECT_STREQ("Toolkit text", str);
    EXPECT_TRUE(KTResourceManager()->LoadString(&str, IDS_TEST_NEIGHBOUR));
    EXPECT_STREQ("Neighbour", str);
    EXPECT_FALSE(KTResourceManager()->LoadString(&str, IDS_TEST_MISSING));
    EXPECT_TRUE(str.IsEmpty());
    EXPECT_FALSE(KTResourceManager()->LoadString(&str, 40000));
}

TEST(ResourceManager, ToolkitTextsAndCursorsAreLinkedIn)
{
    CString str;
    EXPECT_TRUE(KTResourceManager()->LoadString(&str, ID_INDICATOR_CAPS));
    EXPECT_STREQ("CAP", str);
    EXPECT_NE(nullptr, KTResourceManager()->LoadCursor(KT_IDC_SPLITTER));
    EXPECT_NE(nullptr, KTResourceManager()->LoadCursor(KT_IDC_DIVIDER));
    EXPECT_NE(nullptr, KTResourceManager()->LoadCursor(KT_IDC_HAND));
    EXPECT_EQ(nullptr, KTResourceManager()->LoadCursor(9999));
}

TEST(ResourceManager, ResourceModuleComesFirst)
{
    // A module without our resources: everything falls back to the application.
    HMODULE hModule = ::LoadLibraryExA("user32.dll", NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, hModule);
    CKTResourceManager manager;
    manager.SetResourceHandle(hModule);
    CString str;
    EXPECT_TRUE(manager.LoadString(&str, IDS_TEST_TEXT));
    EXPECT_STREQ("Toolkit text", str);
    ::FreeLibrary(hModule);
}

TEST(ResourceManager, HtmlUpToTheFirstZeroByte)
{
    CString str("unchanged");
    EXPECT_TRUE(KTResourceManager()->LoadHTML(&str, IDR_TEST_HTML));
    EXPECT_STREQ("<html><body>Kestova</body></html>", str);
    CString strMissing("unchanged");
    EXPECT_FALSE(KTResourceManager()->LoadHTML(&strMissing, 4242));
    EXPECT_STREQ("unchanged", strMissing);
}

TEST(ResourceManager, DialogTemplates)
{
    LPCDLGTEMPLATE pTemplate = KTResourceManager()->LoadDialogTemplate(IDD_TEST_DIALOG);
    ASSERT_NE(nullptr, pTemplate);
    HWND hDlg = ::CreateDialogIndirectA(::GetModuleHandleA(NULL), pTemplate, NULL, NULL);
    ASSERT_NE(nullptr, hDlg);
    char szCaption[32] = "";
    ::GetWindowTextA(hDlg, szCaption, sizeof(szCaption));
    EXPECT_STREQ("Test dialog", szCaption);
    ::DestroyWindow(hDlg);
    EXPECT_EQ(nullptr, KTResourceManager()->LoadDialogTemplate(4343));
    EXPECT_NE(nullptr, KTResourceManager()->LoadDialogResource(MAKEINTRESOURCEA(IDD_TEST_DIALOG)));
    EXPECT_EQ(nullptr, KTResourceManager()->LoadDialogResource("NoSuchDialog"));
}
