// The editor options sheet run modally over an editor view and driven with real clicks and keys: the Editor
// page's caret and tab size, the font page's lists and custom colour, the colour page's scheme files, list tips.
#include <gtest/gtest.h>

#include <colordlg.h>

#include <fstream>
#include <set>
#include <sstream>

#include "EditorAppTest.h"
#include "KTSyntaxEditRes.h"
#include "MessagePump.h"
#include "KTDrawObjects.h"
#include "ModalScript.h"
#include "Screenshot.h"
#include "TestInput.h"
#include "KTSyntaxEditPropertiesDlg.h"
#include "WatchLoss.h"
#include "themes/KTSyntaxEditPaintManager.h"

namespace
{
const char kScheme[] =
    "lexClass:\r\n\tname = cSource\r\n\tparent:file = <*.c|*.h>\r\n\tDisplayName = 'C source'\r\n//:lexClass\r\n\r\n"
    "lexClass:\r\n\tname = cKeyword\r\n\tparent = cSource\r\n\tDisplayName = 'Keyword'\r\n"
    "\ttxt:colorFG = 0x0000FF\r\n//:lexClass\r\n";

class COptionPagesTest : public CEditorAppTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Write("options.c", "int main(void)\r\n{\r\n\treturn 0;\r\n}\r\n"));
        m_pDoc = Open(m_folder.Path("options.c"));
        ASSERT_NE(m_pDoc, nullptr);
        m_pView = ViewOf(m_pDoc);
        theApp.m_messages.clear();
    }
    CKTSyntaxEditCtrl* Ctrl() { return m_pView->GetEditCtrl(); }

    // Runs the sheet modally while the steps drive it; the last step must end it.
    INT_PTR RunSheet(CKTSyntaxEditPropertiesDlg& sheet, std::vector<CModalScript::Step> steps)
    {
        steps.insert(steps.begin(), [&sheet] { return sheet.m_pageEdit.GetSafeHwnd() != NULL; });
        CModalScript script(std::move(steps));
        const INT_PTR nResult = sheet.DoModal();
        PumpPending();
        EXPECT_TRUE(script.Done()) << "stopped before step " << script.StepsDone();
        return nResult;
    }
    static void ClickControl(CWnd& page, int nID)
    {
        HWND hControl = ::GetDlgItem(page.GetSafeHwnd(), nID);
        ASSERT_NE(hControl, nullptr);
        CRect rc;
        ::GetClientRect(hControl, &rc);
        CTestInput input(hControl);
        EXPECT_TRUE(input.Click(rc.CenterPoint()));
    }
    static void ClickButton(CPropertySheet& sheet, int nID) { ClickControl(sheet, nID); }
    // Input left to the sheet's own loop, for what only its pre-translation sees and for a click that starts
    // a modal loop: the next steps see the outcome.
    static void ClickWithoutWaiting(HWND hWnd, CPoint ptClient)
    {
        ::ClientToScreen(hWnd, &ptClient);
        ::SetCursorPos(ptClient.x, ptClient.y);
        INPUT inputs[2] = {};
        inputs[0].type = inputs[1].type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(2, inputs, sizeof(INPUT));
    }
    static void TypeOver(CWnd& page, int nID, const char* pszText)
    {
        HWND hEdit = ::GetDlgItem(page.GetSafeHwnd(), nID);
        CTestInput input(hEdit);
        ::SendMessage(hEdit, EM_SETSEL, 0, -1);
        EXPECT_TRUE(input.Text(pszText));
    }
    // Opens a list box's page through its tab, as the user does.
    static bool ShowPage(CPropertySheet& sheet, int nPage)
    {
        CTabCtrl* pTabs = sheet.GetTabControl();
        CRect rcTab;
        pTabs->GetItemRect(nPage, &rcTab);
        CTestInput input(pTabs->GetSafeHwnd());
        return input.Click(rcTab.CenterPoint()) && sheet.GetActiveIndex() == nPage;
    }
    // Drops the colour list down and clicks the named colour in it.
    static void ChooseColor(CWnd& page, int nID, const char* pszName)
    {
        CComboBox* pBox = static_cast<CComboBox*>(page.GetDlgItem(nID));
        CRect rc;
        pBox->GetWindowRect(&rc);
        page.ScreenToClient(&rc);
        CTestInput input(page.GetSafeHwnd());
        ASSERT_TRUE(input.Click(rc.CenterPoint()));
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(::GetComboBoxInfo(pBox->GetSafeHwnd(), &info) && ::IsWindowVisible(info.hwndList));
        const int nItem = pBox->FindStringExact(-1, pszName);
        ASSERT_GE(nItem, 0) << pszName;
        CRect rcItem;
        ::SendMessage(info.hwndList, LB_GETITEMRECT, nItem, (LPARAM)&rcItem);
        CPoint pt = rcItem.CenterPoint();
        ::ClientToScreen(info.hwndList, &pt);
        page.ScreenToClient(&pt);
        ASSERT_TRUE(input.Click(pt));
    }
    static std::vector<CString> ItemsOf(CComboBox& box)
    {
        std::vector<CString> items(box.GetCount());
        for (int i = 0; i < box.GetCount(); i++)
            box.GetLBText(i, items[i]);
        return items;
    }
    std::string FileText(const char* pszName)
    {
        std::ifstream file(m_folder.Path(pszName), std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    // The colour page reads the scheme of a configuration of the test's own.
    void UseTestScheme(const char* pszComment)
    {
        ASSERT_TRUE(m_folder.Write("c.scheme", kScheme));
        ASSERT_TRUE(m_folder.Write("SyntaxEdit.ini",
                                   std::string("[Themes]\r\n[Schemes]\r\nC = c.scheme ; ") + pszComment + "\r\n"));
        Ctrl()->SetConfigFile(m_folder.Path("SyntaxEdit.ini").c_str());
    }
    // Runs the sheet, picks the colour for the "Keyword" class on the colour page and ends the sheet with the
    // button; strShown gets the colour the page showed before the pick.
    INT_PTR PickKeywordColor(const char* pszColor, int nEndButton, CString& strShown)
    {
        CKTSyntaxEditPropertiesDlg sheet(m_pView);
        return RunSheet(sheet, {[&] { return ShowPage(sheet, 2); },
                                [&]
                                {
                                    CListBox* pList = static_cast<CListBox*>(
                                        sheet.m_pageColor.GetDlgItem(KT_IDC_EDIT_OPT_ATTRIBUTES));
                                    const int nItem = pList->FindStringExact(-1, "Keyword");
                                    CRect rcItem;
                                    pList->GetItemRect(nItem, &rcItem);
                                    CTestInput input(pList->GetSafeHwnd());
                                    EXPECT_TRUE(input.Click(rcItem.CenterPoint()));
                                    sheet.m_pageColor.GetDlgItem(KT_IDC_EDIT_OPT_TEXT_COLOR)->GetWindowText(strShown);
                                    ChooseColor(sheet.m_pageColor, KT_IDC_EDIT_OPT_TEXT_COLOR, pszColor);
                                    ClickButton(sheet, nEndButton);
                                    return true;
                                }});
    }
    // The text colour of the "Keyword" class as the configuration holds it for C files; -1 without one.
    static int KeywordColor(const CKTSyntaxEditConfigurationManager& config)
    {
        CKTSyntaxEditLexTextSchema::Ptr schema = config.GetSchemaForFileType(".c");
        CKTSyntaxEditLexClass::Ptr keyword = schema ? schema->GetClassSet().FindClass("cKeyword") : nullptr;
        return keyword ? keyword->GetAttributeInt("txt:colorFG", false, -1) : -2;
    }
    void TearDown() override
    {
        if (Ctrl()->GetConfigFile() != "")
            Ctrl()->SetConfigFile("");
        CEditorAppTest::TearDown();
    }

    CKTSyntaxEditDoc* m_pDoc = NULL;
    CKTSyntaxEditView* m_pView = NULL;
};

// The page once showed the caret's width in insert mode, so any Apply turned the option off.
TEST_F(COptionPagesTest, TheEditorPageShowsTheWideCaretOptionAndApplyingAnotherOptionKeepsIt)
{
    ASSERT_TRUE(Ctrl()->SetWideCaret(TRUE, FALSE));
    ASSERT_FALSE(Ctrl()->GetBuffer()->GetOverwriteMode());
    const BOOL bLineNumbers = Ctrl()->GetLineNumbers();
    CKTSyntaxEditPropertiesDlg sheet(m_pView);
    BOOL bThickShown = FALSE;
    const INT_PTR nResult = RunSheet(sheet, {[&]
                                             {
                                                 bThickShown = sheet.m_pageEdit.IsDlgButtonChecked(
                                                                   KT_IDC_EDIT_OPT_THICK_CARET) == BST_CHECKED;
                                                 ClickControl(sheet.m_pageEdit, KT_IDC_EDIT_OPT_LINE_NUMBERS);
                                                 ClickButton(sheet, IDOK);
                                                 return true;
                                             }});
    EXPECT_EQ(IDOK, nResult);
    EXPECT_TRUE(bThickShown);
    EXPECT_TRUE(Ctrl()->GetWideCaret());
    EXPECT_EQ(!bLineNumbers, Ctrl()->GetLineNumbers());
}

TEST_F(COptionPagesTest, TypingATabSizeIsNotCheckedAndCancelWritesNothing)
{
    theApp.WriteProfileInt("Settings", "LineNumbers", 7);
    theApp.WriteProfileInt("Settings", "TabSize", 5);
    const int nTabSize = Ctrl()->GetTabSize();
    CKTSyntaxEditPropertiesDlg sheet(m_pView);
    size_t nMessagesWhileTyping = 1;
    const INT_PTR nResult = RunSheet(sheet, {[&]
                                             {
                                                 TypeOver(sheet.m_pageEdit, KT_IDC_EDIT_OPT_TAB_SIZE, "0");
                                                 ClickControl(sheet.m_pageEdit, KT_IDC_EDIT_OPT_LINE_NUMBERS);
                                                 TypeOver(sheet.m_pageEdit, KT_IDC_EDIT_OPT_TAB_SIZE, "65");
                                                 nMessagesWhileTyping = theApp.m_messages.size();
                                                 ClickButton(sheet, IDCANCEL);
                                                 return true;
                                             }});
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ(0u, nMessagesWhileTyping);
    EXPECT_EQ(7, (int)theApp.GetProfileInt("Settings", "LineNumbers", 0));
    EXPECT_EQ(5, (int)theApp.GetProfileInt("Settings", "TabSize", 0));
    EXPECT_EQ(nTabSize, Ctrl()->GetTabSize());
}

TEST_F(COptionPagesTest, TheFontPageListsEachFixedPitchFaceOnceAndAPickedColourBecomesCustom)
{
    CKTSyntaxEditPropertiesDlg sheet(m_pView);
    std::vector<CString> faces, textColors;
    int nSelected = -1;
    HWND hColorDialog = NULL;
    const INT_PTR nResult = RunSheet(
        sheet, {[&] { return ShowPage(sheet, 1); },
                [&]
                {
                    faces = ItemsOf(*static_cast<CComboBox*>(sheet.m_pageFont.GetDlgItem(KT_IDC_EDIT_OPT_FACE)));
                    // The colour dialog's loop starts with the click: the next steps run inside it.
                    CWnd* pPick = sheet.m_pageFont.GetDlgItem(KT_IDC_EDIT_OPT_TEXT_PICK);
                    ClickWithoutWaiting(pPick->GetSafeHwnd(), CKTClientRect(pPick).CenterPoint());
                    return true;
                },
                [&]
                {
                    hColorDialog = ::GetDlgItem(::GetActiveWindow(), COLOR_RED) ? ::GetActiveWindow() : NULL;
                    return hColorDialog != NULL;
                },
                [&]
                {
                    CWnd* pDialog = CWnd::FromHandle(hColorDialog);
                    TypeOver(*pDialog, COLOR_RED, "1");
                    TypeOver(*pDialog, COLOR_GREEN, "2");
                    TypeOver(*pDialog, COLOR_BLUE, "3");
                    ClickControl(*pDialog, IDOK);
                    return true;
                },
                [&]
                {
                    if (::IsWindow(hColorDialog))
                        return false;
                    auto* pBox = static_cast<CComboBox*>(sheet.m_pageFont.GetDlgItem(KT_IDC_EDIT_OPT_TEXT_COLOR));
                    textColors = ItemsOf(*pBox);
                    nSelected = pBox->GetCurSel();
                    EXPECT_FALSE(SaveScreenshot(sheet.GetSafeHwnd(), "editor-font-page").empty());
                    ClickButton(sheet, IDOK);
                    return true;
                }});
    EXPECT_EQ(IDOK, nResult);
    ASSERT_FALSE(textColors.empty());
    EXPECT_EQ("Automatic Color", textColors.front());
    EXPECT_EQ("Custom", textColors.back());
    EXPECT_EQ((int)textColors.size() - 1, nSelected);
    EXPECT_EQ(RGB(1, 2, 3), KTSyntaxEditPaintManager()->GetColor(CKTSyntaxEditPaintManager::ktColorText));
    EXPECT_EQ((int)RGB(1, 2, 3), (int)theApp.GetProfileInt("Settings", "ColorText", 0));

    ASSERT_FALSE(faces.empty());
    EXPECT_EQ(faces.size(), std::set<CString>(faces.begin(), faces.end()).size()) << "no face twice";
    CClientDC dc(NULL);
    for (const CString& strFace : faces)
    {
        LOGFONT lf{};
        lstrcpyn(lf.lfFaceName, strFace, LF_FACESIZE);
        CFont font;
        ASSERT_TRUE(font.CreateFontIndirect(&lf));
        CFont* pOld = dc.SelectObject(&font);
        TEXTMETRIC tm{};
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOld);
        EXPECT_EQ(0, tm.tmPitchAndFamily & TMPF_FIXED_PITCH) << (LPCSTR)strFace << " is proportional";
    }
    KTSyntaxEditPaintManager()->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT), FALSE);
}

// Where the stored face is missing, the editor asks for any fixed-pitch face and the font has no name of its own.
TEST_F(COptionPagesTest, TheFontPageSelectsTheFaceTheEditorFontGot)
{
    LOGFONT lfStored{};
    ASSERT_TRUE(KTSyntaxEditPaintManager()->GetFont()->GetLogFont(&lfStored));
    LOGFONT lfUnnamed = lfStored;
    lfUnnamed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lfUnnamed.lfFaceName[0] = '\0';
    ASSERT_TRUE(KTSyntaxEditPaintManager()->SetFont(&lfUnnamed));
    CString strInUse;
    {
        CKTScreenDC dc;
        CKTFontDC font(&dc, KTSyntaxEditPaintManager()->GetFont());
        char szFace[LF_FACESIZE] = "";
        ASSERT_GT(::GetTextFace(dc.GetSafeHdc(), LF_FACESIZE, szFace), 0);
        strInUse = szFace;
    }
    CKTSyntaxEditPropertiesDlg sheet(m_pView);
    CString strShown;
    int nSelected = CB_ERR;
    RunSheet(sheet, {[&] { return ShowPage(sheet, 1); },
                     [&]
                     {
                         auto* pBox = static_cast<CComboBox*>(sheet.m_pageFont.GetDlgItem(KT_IDC_EDIT_OPT_FACE));
                         pBox->GetWindowText(strShown);
                         nSelected = pBox->GetCurSel();
                         ClickButton(sheet, IDCANCEL);
                         return true;
                     }});
    KTSyntaxEditPaintManager()->SetFont(&lfStored);
    EXPECT_FALSE(strShown.IsEmpty());
    EXPECT_STREQ(strInUse, strShown);
    EXPECT_NE(CB_ERR, nSelected) << (LPCSTR)strInUse << " is in use, so it is one of the list's";
}

TEST_F(COptionPagesTest, TheFontPageShowsAProportionalEditorFaceAsTextButDoesNotListIt)
{
    LOGFONT lfStored{};
    ASSERT_TRUE(KTSyntaxEditPaintManager()->GetFont()->GetLogFont(&lfStored));
    LOGFONT lfProportional = lfStored;
    lfProportional.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpyn(lfProportional.lfFaceName, "Tahoma", LF_FACESIZE);
    ASSERT_TRUE(KTSyntaxEditPaintManager()->SetFont(&lfProportional));
    CKTSyntaxEditPropertiesDlg sheet(m_pView);
    CString strShown;
    int nListed = 0;
    RunSheet(sheet, {[&] { return ShowPage(sheet, 1); },
                     [&]
                     {
                         auto* pBox = static_cast<CComboBox*>(sheet.m_pageFont.GetDlgItem(KT_IDC_EDIT_OPT_FACE));
                         pBox->GetWindowText(strShown);
                         nListed = pBox->FindStringExact(-1, "Tahoma");
                         ClickButton(sheet, IDCANCEL);
                         return true;
                     }});
    KTSyntaxEditPaintManager()->SetFont(&lfStored);
    EXPECT_STREQ("Tahoma", strShown);
    EXPECT_EQ(CB_ERR, nListed);
}

TEST_F(COptionPagesTest, TheColourPageWritesAChangedColourIntoTheSchemeFileAndCancelWritesNothing)
{
    UseTestScheme("C sources");
    const auto chooseRed = [this](int nEndButton)
    {
        CString strShown;
        EXPECT_EQ(nEndButton, PickKeywordColor("Red", nEndButton, strShown));
        EXPECT_EQ("Blue", strShown) << "the file's 0x0000FF";
    };
    chooseRed(IDCANCEL);
    EXPECT_EQ(kScheme, FileText("c.scheme"));
    chooseRed(IDOK);
    std::string strExpected = kScheme;
    strExpected.replace(strExpected.find("0x0000FF"), 8, "0xFF0000");
    EXPECT_EQ(strExpected, FileText("c.scheme"));
}

// The open editors take applied colours from the watch on the scheme files; with that watch lost, Apply
// brings them in at once and starts the watch again.
TEST_F(COptionPagesTest, WithTheWatchOnTheSchemeFilesLostApplyBringsTheColoursInAtOnce)
{
    UseTestScheme("C sources");
    CKTSyntaxEditConfigurationManager* pConfig = CKTSyntaxEditLexParserAdapter::GetConfiguration();
    ASSERT_TRUE(ReloadLosingTheWatch(*pConfig, [] { PumpPending(); }));
    ASSERT_EQ(int(RGB(0, 0, 255)), KeywordColor(*pConfig));
    CString strShown;
    EXPECT_EQ(IDOK, PickKeywordColor("Red", IDOK, strShown));
    EXPECT_EQ(int(RGB(255, 0, 0)), KeywordColor(*pConfig));
    EXPECT_FALSE(pConfig->IsWatchLost());
    EXPECT_TRUE(theApp.m_messages.empty());
}

TEST_F(COptionPagesTest, AListItemCutByTheListsEdgeShowsItsWholeTextInATip)
{
    const char kLongName[] = "C sources and headers of the generated protocol library";
    UseTestScheme(kLongName);
    CKTSyntaxEditPropertiesDlg sheet(m_pView);
    CRect rcTip, rcItem;
    CString strTip;
    CListBox* pList = NULL;
    RunSheet(sheet, {[&] { return ShowPage(sheet, 2); },
                     [&]
                     {
                         pList = static_cast<CListBox*>(sheet.m_pageColor.GetDlgItem(KT_IDC_EDIT_OPT_FILE_TYPE));
                         pList->GetItemRect(0, &rcItem);
                         ClickWithoutWaiting(pList->GetSafeHwnd(), rcItem.CenterPoint());
                         pList->ClientToScreen(&rcItem);
                         return true;
                     },
                     [&]
                     {
                         HWND hTip = ::FindWindow("ZiduzuduSEListBoxTipWnd", NULL);
                         if (!hTip || !::IsWindowVisible(hTip))
                             return false;
                         ::GetWindowRect(hTip, &rcTip);
                         EXPECT_FALSE(SaveScreenshot(sheet.GetSafeHwnd(), "editor-color-page").empty());
                         ClickButton(sheet, IDCANCEL);
                         return true;
                     }});
    ASSERT_FALSE(rcTip.IsRectEmpty()) << "the tip is shown";
    EXPECT_EQ(rcItem.left, rcTip.left);
    EXPECT_EQ(rcItem.top - 2, rcTip.top);
    EXPECT_EQ(rcItem.bottom + 2, rcTip.bottom);
    EXPECT_GT(rcTip.Width(), rcItem.Width()) << "as wide as the whole text";
}

TEST_F(COptionPagesTest, TheColourListKeepsItsAutomaticEntryFirstAndOneCustomEntryLast)
{
    CKTSyntaxEditColorComboBox box;
    ASSERT_TRUE(box.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS, CRect(0, 0, 120, 200),
                           m_pView, 1));
    ASSERT_EQ(16, box.GetCount());
    EXPECT_EQ(0, box.SetAutomaticColor(::GetSysColor(COLOR_WINDOWTEXT)));
    CString strItem;
    box.GetLBText(1, strItem);
    EXPECT_STREQ("Black", strItem) << "the automatic entry goes before the named colours";

    const int nCustom = box.SelectColor(RGB(1, 2, 3));
    EXPECT_EQ(17, nCustom);
    box.GetLBText(nCustom, strItem);
    EXPECT_STREQ("Custom", strItem);
    EXPECT_EQ(nCustom, box.SelectColor(RGB(4, 5, 6))) << "one custom entry, taking the new colour";
    EXPECT_EQ(RGB(4, 5, 6), box.GetSelectedColor());
    box.GetLBText(box.SelectColor(RGB(255, 0, 0)), strItem);
    EXPECT_STREQ("Red", strItem);
    EXPECT_EQ(18, box.GetCount()) << "the custom entry stays";
    EXPECT_EQ(17, box.SetCustomColor(CKTSyntaxEditColorComboBox::kNoColor)) << "removing it leaves the rest";
    EXPECT_EQ(-1, box.FindColor(RGB(4, 5, 6)));
    box.DestroyWindow();
}

}  // namespace
