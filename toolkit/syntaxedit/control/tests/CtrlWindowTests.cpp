// The control's window: settings from the profile, gutter geometry, the notify window and the editor font.
#include <gtest/gtest.h>

#include <cstring>

#include "EditTestWindow.h"
#include "KTDrawObjects.h"
#include "themes/KTSyntaxEditPaintManager.h"

namespace
{
const char kSettings[] = "Settings";

// Profile values of one test, removed again at its end.
class CProfileValues
{
public:
    ~CProfileValues()
    {
        for (const CString& strKey : m_arKeys)
            AfxGetApp()->WriteProfileString(kSettings, strKey, NULL);
    }
    void Set(LPCSTR pszKey, int nValue)
    {
        m_arKeys.push_back(pszKey);
        AfxGetApp()->WriteProfileInt(kSettings, pszKey, nValue);
    }
    void SetBinary(LPCSTR pszKey, const void* pData, UINT nBytes)
    {
        m_arKeys.push_back(pszKey);
        AfxGetApp()->WriteProfileBinary(kSettings, pszKey, (LPBYTE)pData, nBytes);
    }

private:
    std::vector<CString> m_arKeys;
};

bool SameLogFont(const LOGFONT& a, const LOGFONT& b) { return memcmp(&a, &b, sizeof(LOGFONT)) == 0; }

LOGFONT CurrentLogFont()
{
    LOGFONT lf = {};
    KTSyntaxEditPaintManager()->GetFont()->GetLogFont(&lf);
    return lf;
}

TEST(CtrlSettings, AFreshControlShowsEverythingAndTabInsertsATab)
{
    CKTSyntaxEditCtrl ctrl;
    EXPECT_TRUE(ctrl.GetLineNumbers());
    EXPECT_TRUE(ctrl.GetSelMargin());
    EXPECT_TRUE(ctrl.GetVertScrollBar());
    EXPECT_TRUE(ctrl.GetHorzScrollBar());
    EXPECT_TRUE(ctrl.GetSyntaxColor());
    EXPECT_TRUE(ctrl.GetAutoIndent());
    EXPECT_TRUE(ctrl.GetWideCaret());
    EXPECT_FALSE(ctrl.GetTabWithSpace());
    EXPECT_EQ(ctrl.CalcTextBufferSize(5, 5), 1024);
    EXPECT_EQ(ctrl.CalcTextBufferSize(100, 0), 3072);
}

TEST(CtrlSettings, ProfileValuesAreReadAtConstructionAndReadAgainOnRequest)
{
    CProfileValues profile;
    profile.Set("LineNumbers", 0);
    profile.Set("SelMargin", 0);
    profile.Set("TabWithSpace", 1);
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    EXPECT_FALSE(ctrl.GetLineNumbers());
    EXPECT_FALSE(ctrl.GetSelMargin());
    EXPECT_TRUE(ctrl.GetTabWithSpace());
    int nNarrow = ctrl.GetTextLeft();

    profile.Set("LineNumbers", 1);
    profile.Set("SelMargin", 1);
    ctrl.ReloadSettings();
    EXPECT_TRUE(ctrl.GetLineNumbers());
    EXPECT_TRUE(ctrl.GetSelMargin());
    EXPECT_EQ(ctrl.GetTextLeft(), nNarrow + ctrl.GetSelMarginWidth() + ctrl.GetLineNumbersWidth());

    LOGFONT lfBefore = CurrentLogFont();
    LOGFONT lfTall = lfBefore;
    lfTall.lfHeight = lfBefore.lfHeight * 2;
    int nRowHeight = ctrl.GetRowHeight();
    profile.SetBinary("LogFont", &lfTall, sizeof(lfTall));
    ctrl.ReloadSettings();
    EXPECT_GT(ctrl.GetRowHeight(), nRowHeight);
    KTSyntaxEditPaintManager()->SetFont(&lfBefore);
}

TEST(CtrlSettings, SettersWriteTheProfileOnlyWhenAsked)
{
    CProfileValues profile;
    CEditTestWindow window(FALSE);
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    EXPECT_TRUE(ctrl.SetScrollBars(FALSE, TRUE, FALSE));
    DWORD dwStyle = ctrl.GetStyle();
    EXPECT_TRUE(dwStyle & WS_VSCROLL);
    EXPECT_FALSE(dwStyle & WS_HSCROLL);
    EXPECT_EQ(int(AfxGetApp()->GetProfileInt(kSettings, "HScrollBar", -5)), -5);

    profile.Set("AutoIndent", 1);
    EXPECT_TRUE(ctrl.SetAutoIndent(FALSE, TRUE));
    EXPECT_EQ(AfxGetApp()->GetProfileInt(kSettings, "AutoIndent", 1), 0u);
}

TEST(CtrlGutter, LineNumberColumnGrowsWithTheDigitsOfTheRowCount)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    int cw = ctrl.GetCharWidth();
    ASSERT_GT(cw, 0);
    window.Buffer()->DeleteText(10, 1, ctrl.GetRowCount() + 1, 1, FALSE, FALSE);
    ctrl.RecalcGutter();
    ASSERT_EQ(ctrl.GetRowCount(), 10);
    EXPECT_EQ(ctrl.GetLineNumbersWidth(), 3 * cw + 2);
    window.Buffer()->DeleteText(9, 1, 10, 1, FALSE, FALSE);
    ctrl.RecalcGutter();
    ASSERT_EQ(ctrl.GetRowCount(), 9);
    EXPECT_EQ(ctrl.GetLineNumbersWidth(), 2 * cw + 2);
    EXPECT_EQ(ctrl.GetTextLeft(), ctrl.GetSelMarginWidth() + 2 * cw + 2 + ctrl.GetCollapseButtonSize() + 4);
}

TEST(CtrlNotify, TheTextMayChangeOnlyWhenTheNotifyWindowAgrees)
{
    CKTSyntaxEditCtrl unmade;
    EXPECT_FALSE(unmade.CanEditDoc());
    EXPECT_EQ(unmade.SendNotify(KT_EDIT_NM_INSERTKEY), -1);

    CEditTestWindow window;
    EXPECT_TRUE(window.Ctrl().CanEditDoc());
    window.Parent().m_nCanEditAnswer = 1;
    EXPECT_FALSE(window.Ctrl().CanEditDoc());
    CString strBefore = window.Text();
    EXPECT_FALSE(window.Ctrl().InsertString("refused", 1, 1));
    EXPECT_EQ(window.Text(), strBefore);
    EXPECT_FALSE(window.Buffer()->IsModified());

    window.Parent().m_nCanEditAnswer = 0;
    ASSERT_TRUE(window.Ctrl().InsertString("typed", 1, 1));
    window.Parent().m_nCanEditAnswer = 1;
    EXPECT_FALSE(window.Ctrl().Undo()) << "nothing was undone";
    EXPECT_TRUE(window.Ctrl().CanUndo());
    window.Parent().m_nCanEditAnswer = 0;
    ASSERT_TRUE(window.Ctrl().Undo());
    window.Parent().m_nCanEditAnswer = 1;
    EXPECT_FALSE(window.Ctrl().Redo(2));
    EXPECT_EQ(window.Text(), strBefore);
}

// A stored font is taken only when it is a whole LOGFONT with a terminated
// face name and sizes a screen can show; anything else leaves the editor with
// the font it has. A colour beyond RGB keeps the standard one.
TEST(CtrlFont, AShortUnterminatedOrOutOfRangeStoredFontOrColourIsIgnored)
{
    CKTSyntaxEditPaintManager* pManager = KTSyntaxEditPaintManager();
    LOGFONT lfBefore = CurrentLogFont();
    CProfileValues profile;

    BYTE shortData[30] = {};
    profile.SetBinary("LogFont", shortData, sizeof(shortData));
    pManager->RefreshMetrics();
    EXPECT_TRUE(SameLogFont(CurrentLogFont(), lfBefore));

    LOGFONT lfOpen = lfBefore;
    lfOpen.lfHeight = -20;
    memset(lfOpen.lfFaceName, 'A', LF_FACESIZE);
    profile.SetBinary("LogFont", &lfOpen, sizeof(lfOpen));
    pManager->RefreshMetrics();
    EXPECT_TRUE(SameLogFont(CurrentLogFont(), lfBefore));
    EXPECT_NE(pManager->GetFont()->GetSafeHandle(), HGDIOBJ(NULL));

    LOGFONT lfHuge = lfBefore;
    lfHuge.lfHeight = 0x7FFFFFFF;
    profile.SetBinary("LogFont", &lfHuge, sizeof(lfHuge));
    profile.Set("ColorText", int(0xFF000000));
    pManager->RefreshMetrics();
    EXPECT_TRUE(SameLogFont(CurrentLogFont(), lfBefore));
    EXPECT_EQ(pManager->GetColor(CKTSyntaxEditPaintManager::ktColorText),
              pManager->GetStandardColor(CKTSyntaxEditPaintManager::ktColorText));

    LOGFONT lfGood = lfBefore;
    lfGood.lfHeight = -20;
    profile.SetBinary("LogFont", &lfGood, sizeof(lfGood));
    pManager->RefreshMetrics();
    EXPECT_EQ(CurrentLogFont().lfHeight, -20);
    pManager->SetFont(&lfBefore);
}

TEST(CtrlFont, TheDefaultFontGivesEveryCharacterTheSameWidth)
{
    CEditTestWindow window;
    CClientDC dc(&window.Ctrl());
    CKTFontDC font(&dc, KTSyntaxEditPaintManager()->GetFont());
    int cw = window.Ctrl().GetCharWidth();
    ASSERT_GT(cw, 0);
    CString strRow = window.Buffer()->GetLineTextEx(1);
    strRow += "iWm.0_";
    for (int i = 0; i < strRow.GetLength(); ++i)
    {
        CSize size = dc.GetTextExtent(strRow.Mid(i, 1));
        EXPECT_EQ(size.cx, cw) << "character '" << strRow[i] << "'";
    }
    CSize whole = dc.GetTextExtent(strRow);
    EXPECT_EQ(whole.cx, cw * strRow.GetLength());
}
}  // namespace
