// The designer's dialogs bind their choosers, buttons and texts as themed-border controls. A control bound from a
// template never sees its creation message, so it keeps the frame the template gave it: the themed frame shows
// only over a frame of its own, and its whole window still takes the user's clicks.
#include <gtest/gtest.h>

#include "AboutDlg.h"
#include "AddField.h"
#include "DialogDriver.h"
#include "KTColorManager.h"
#include "KTPaintManager.h"
#include "KestovaDialogsRes.h"
#include "NearColor.h"
#include "NewProject.h"
#include "OfficeBorderTheme.h"
#include "Options.h"
#include "PixelImage.h"
#include "ProjectProperties.h"
#include "Screenshot.h"
#include "TestApp.h"
#include "TestInput.h"
#include "TlvSetting.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace
{

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The template made again with nothing bound to its controls, hidden: the frames the template itself gives.
class CPlainTemplate
{
public:
    CPlainTemplate(UINT nTemplate, HWND hParent)
        : m_hDlg(::CreateDialogParam(AfxGetResourceHandle(), MAKEINTRESOURCE(nTemplate), hParent, PlainDialogProc, 0))
    {
    }
    ~CPlainTemplate()
    {
        if (m_hDlg)
            ::DestroyWindow(m_hDlg);
    }
    CPlainTemplate(const CPlainTemplate&) = delete;
    CPlainTemplate& operator=(const CPlainTemplate&) = delete;

    HWND Item(int nId) const { return ::GetDlgItem(m_hDlg, nId); }

private:
    HWND m_hDlg;
};

// The two frame styles a themed-border control drops when it is created itself.
std::pair<DWORD, DWORD> FrameStyles(HWND hCtrl)
{
    return {::GetWindowLong(hCtrl, GWL_STYLE) & WS_BORDER, ::GetWindowLong(hCtrl, GWL_EXSTYLE) & WS_EX_CLIENTEDGE};
}

// How far the client area lies inside the window: left, top, right, bottom.
std::array<LONG, 4> ClientInsets(HWND hCtrl)
{
    CRect rcWindow, rcClient;
    ::GetWindowRect(hCtrl, &rcWindow);
    ::GetClientRect(hCtrl, &rcClient);
    ::MapWindowPoints(hCtrl, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    return {rcClient.left - rcWindow.left, rcClient.top - rcWindow.top, rcWindow.right - rcClient.right,
            rcWindow.bottom - rcClient.bottom};
}

class ThemedBorderTest : public ::testing::Test
{
protected:
    // A flat theme: its frame colour differs from the sunken edge a combo box or an edit draws itself.
    void SetUp() override { CKTPaintManager::SetTheme(ktCommandBarsThemeFlatScheme); }
    void TearDown() override { CKTPaintManager::SetTheme(ktCommandBarsThemeClassic); }

    // Runs the dialog until it shows, compares the controls of hParent(hDlg) by id with those of the plain
    // template nTemplate, keeps a picture, cancels.
    void ExpectTemplateFrames(CDialog& dlg, const char* pszPicture, UINT nTemplate, std::initializer_list<int> ids,
                              HWND (*pfnParent)(HWND) = nullptr)
    {
        bool bShown = false;
        RunDialog(dlg, {[&](HWND hDlg)
                        {
                            bShown = true;
                            const CPlainTemplate plain(nTemplate, hDlg);
                            HWND hParent = pfnParent ? pfnParent(hDlg) : hDlg;
                            for (int nId : ids)
                                ExpectTemplateFrame(hParent, plain, nId);
                            SaveScreenshot(hDlg, pszPicture);
                            ::PostMessage(hDlg, WM_COMMAND, IDCANCEL, 0);
                        }});
        EXPECT_TRUE(bShown);
    }

    static void ExpectTemplateFrame(HWND hParent, const CPlainTemplate& plain, int nId)
    {
        SCOPED_TRACE(::testing::Message() << "control " << nId);
        HWND hCtrl = ::GetDlgItem(hParent, nId);
        HWND hPlain = plain.Item(nId);
        ASSERT_TRUE(hCtrl);
        ASSERT_TRUE(hPlain);
        EXPECT_EQ(FrameStyles(hPlain), FrameStyles(hCtrl));
        EXPECT_EQ(ClientInsets(hPlain), ClientInsets(hCtrl));
    }
};

ProjectRecord WindowsProject()
{
    ProjectRecord project;
    project.folder = "C:\\work\\smpp33\\";
    return project;
}

HWND OptionsPage(HWND hDlg) { return ::GetDlgItem(::GetDlgItem(hDlg, IDC_TAB_OPTIONS), AFX_IDW_PANE_FIRST); }

// The window's outermost pixel at the middle of its left edge, or of its bottom edge, in hDlg's client.
POINT OuterPixel(HWND hDlg, int nId, bool bBottom)
{
    CRect rc;
    ::GetWindowRect(::GetDlgItem(hDlg, nId), &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return bBottom ? CPoint(rc.CenterPoint().x, rc.bottom - 1) : CPoint(rc.left, rc.CenterPoint().y);
}

}  // namespace

TEST_F(ThemedBorderTest, AddFieldsComboBoxesKeepTheirTemplateFrames)
{
    const FieldRecordArray fields;
    CAddField dlg(MainFrameForTests(), fields, nullptr);
    ExpectTemplateFrames(dlg, "themed-add-field", IDD_ADD_FIELD,
                         {IDC_COMBO_UNIT, IDC_COMBO_DATATYPE, IDC_COMBO_RELATED_COUNT, IDC_COMBO_FIELD_TYPE,
                          IDC_COMBO_ATTRIBUTE, IDC_COMBO_VARIANT, IDC_COMBO_RELATED_LENGTH});
}

TEST_F(ThemedBorderTest, NewProjectsChoicesLocationAndExploreButtonKeepTheirTemplateFrames)
{
    CNewProject dlg(MainFrameForTests(), {});
    ExpectTemplateFrames(
        dlg, "themed-new-project", IDD_NEW_PROJECT,
        {IDC_RADIO_TCP, IDC_RADIO_UDP, IDC_COMBO_PLATFORM, IDC_COMBO_LIBRARY, IDC_EDIT_LOCATION, IDC_BUTTON_BROWSE});
}

TEST_F(ThemedBorderTest, ProjectPropertiesChoicesKeepTheirTemplateFrames)
{
    const ProjectRecord project = WindowsProject();
    CProjectProperties dlg(MainFrameForTests(), project);
    ExpectTemplateFrames(dlg, "themed-project-properties", IDD_PROJECT_PROPERTIES,
                         {IDC_RADIO_TCP, IDC_RADIO_UDP, IDC_COMBO_PLATFORM, IDC_COMBO_LIBRARY});
}

TEST_F(ThemedBorderTest, TlvSettingsCheckBoxKeepsItsTemplateFrame)
{
    const ProjectRecord project = WindowsProject();
    CTlv dlg(MainFrameForTests(), project);
    ExpectTemplateFrames(dlg, "themed-tlv-setting", IDD_TLV_SETTING, {IDC_CHECK_BOX});
}

TEST_F(ThemedBorderTest, OptionsAutoCheckBoxKeepsItsTemplateFrame)
{
    CompilerSettings settings;
    COptions dlg(MainFrameForTests(), settings, "");
    ExpectTemplateFrames(dlg, "themed-options", IDD_GLOBAL_OPTIONS, {IDC_CHECK_BOX}, OptionsPage);
}

TEST_F(ThemedBorderTest, AboutsTextsKeepTheirTemplateFrames)
{
    CAboutDlg dlg;
    ExpectTemplateFrames(dlg, "themed-about", IDD_ABOUTBOX, {IDC_ABOUT_TITLE, IDC_ABOUT_COPYRIGHT});
}

TEST_F(ThemedBorderTest, TheLocationsClientEdgeShowsTheThemeColourOutsideAndTheWindowColourInside)
{
    CNewProject dlg(MainFrameForTests(), {});
    RunDialog(dlg, {[&](HWND hDlg)
                    {
                        HWND hEdit = ::GetDlgItem(hDlg, IDC_EDIT_LOCATION);
                        ASSERT_EQ((std::array<LONG, 4>{2, 2, 2, 2}), ClientInsets(hEdit))
                            << "the template's two-pixel client edge";
                        ::RedrawWindow(hEdit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
                        CRect rcWindow;
                        ::GetWindowRect(hEdit, &rcWindow);
                        const CPixelImage shown = CPixelImage::FromScreen(rcWindow);
                        const COLORREF clrFrame = ThemedBorderColor(TRUE);
                        const COLORREF clrWindow = KTColorManager()->GetColor(COLOR_WINDOW);
                        ASSERT_NE(clrFrame, clrWindow);
                        const int cx = shown.Width(), cy = shown.Height();
                        EXPECT_TRUE(NearColor(shown.Pixel(0, cy / 2), clrFrame, 0)) << "left";
                        EXPECT_TRUE(NearColor(shown.Pixel(cx / 2, 0), clrFrame, 0)) << "top";
                        EXPECT_TRUE(NearColor(shown.Pixel(cx - 1, cy / 2), clrFrame, 0)) << "right";
                        EXPECT_TRUE(NearColor(shown.Pixel(cx / 2, cy - 1), clrFrame, 0)) << "bottom";
                        EXPECT_TRUE(NearColor(shown.Pixel(1, cy / 2), clrWindow, 0)) << "inside left";
                        EXPECT_TRUE(NearColor(shown.Pixel(cx / 2, 1), clrWindow, 0)) << "inside top";
                        EXPECT_TRUE(NearColor(shown.Pixel(cx - 2, cy / 2), clrWindow, 0)) << "inside right";
                        EXPECT_TRUE(NearColor(shown.Pixel(cx / 2, cy - 2), clrWindow, 0)) << "inside bottom";
                        ::PostMessage(hDlg, WM_COMMAND, IDCANCEL, 0);
                    }});
}

TEST_F(ThemedBorderTest, AClickOnTheOuterPixelOfAChoiceChoosesIt)
{
    CNewProject dlg(MainFrameForTests(), {});
    int nAfterUdp = BST_UNCHECKED, nAfterTcp = BST_UNCHECKED;
    RunDialog(dlg, {[&](HWND hDlg)
                    {
                        CTestInput input(hDlg);
                        EXPECT_TRUE(input.Click(OuterPixel(hDlg, IDC_RADIO_UDP, false)));
                        nAfterUdp = ::IsDlgButtonChecked(hDlg, IDC_RADIO_UDP);
                        EXPECT_TRUE(input.Click(OuterPixel(hDlg, IDC_RADIO_TCP, true)));
                        nAfterTcp = ::IsDlgButtonChecked(hDlg, IDC_RADIO_TCP);
                        ::PostMessage(hDlg, WM_COMMAND, IDCANCEL, 0);
                    }});
    EXPECT_EQ(BST_CHECKED, nAfterUdp) << "the left edge of UDP";
    EXPECT_EQ(BST_CHECKED, nAfterTcp) << "the bottom edge of TCP";
}
