// The designer's dialogs frame their choosers, buttons and texts in the command bars' theme: each control
// the dialog binds from its template loses the system border and shows a one-pixel frame in the theme's colour.
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
#include "TlvSetting.h"

#include <initializer_list>

namespace
{

class ThemedBorderTest : public ::testing::Test
{
protected:
    // A flat theme: its frame colour differs from the sunken edge a combo box or an edit draws itself.
    void SetUp() override { CKTPaintManager::SetTheme(ktCommandBarsThemeFlatScheme); }
    void TearDown() override { CKTPaintManager::SetTheme(ktCommandBarsThemeClassic); }

    // Runs the dialog until it shows, checks the controls of hParent(hDlg) by id, keeps a picture, cancels.
    void ExpectBorders(CDialog& dlg, const char* pszPicture, std::initializer_list<int> ids,
                       HWND (*pfnParent)(HWND) = nullptr)
    {
        bool bShown = false;
        RunDialog(dlg, {[&](HWND hDlg)
                        {
                            bShown = true;
                            HWND hParent = pfnParent ? pfnParent(hDlg) : hDlg;
                            for (int nId : ids)
                                ExpectThemedBorder(hParent, nId);
                            SaveScreenshot(hDlg, pszPicture);
                            ::PostMessage(hDlg, WM_COMMAND, IDCANCEL, 0);
                        }});
        EXPECT_TRUE(bShown);
    }

    static void ExpectThemedBorder(HWND hParent, int nId)
    {
        SCOPED_TRACE(::testing::Message() << "control " << nId);
        HWND hCtrl = ::GetDlgItem(hParent, nId);
        ASSERT_TRUE(hCtrl);
        EXPECT_FALSE(::GetWindowLong(hCtrl, GWL_STYLE) & WS_BORDER);
        EXPECT_FALSE(::GetWindowLong(hCtrl, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        CRect rcWindow, rcClient;
        ::GetWindowRect(hCtrl, &rcWindow);
        ::GetClientRect(hCtrl, &rcClient);
        ::MapWindowPoints(hCtrl, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
        EXPECT_EQ(CRect(rcWindow.left + 1, rcWindow.top + 1, rcWindow.right - 1, rcWindow.bottom - 1), rcClient);

        ::RedrawWindow(hCtrl, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        const CPixelImage shown = CPixelImage::FromScreen(rcWindow);
        const COLORREF clrFrame = ThemedBorderColor(TRUE);
        const int cx = shown.Width(), cy = shown.Height();
        EXPECT_TRUE(NearColor(shown.Pixel(0, cy / 2), clrFrame, 0)) << "left";
        EXPECT_TRUE(NearColor(shown.Pixel(cx / 2, 0), clrFrame, 0)) << "top";
        EXPECT_TRUE(NearColor(shown.Pixel(cx - 1, cy / 2), clrFrame, 0)) << "right";
        EXPECT_TRUE(NearColor(shown.Pixel(cx / 2, cy - 1), clrFrame, 0)) << "bottom";
    }
};

ProjectRecord WindowsProject()
{
    ProjectRecord project;
    project.folder = "C:\\work\\smpp33\\";
    return project;
}

HWND OptionsPage(HWND hDlg) { return ::GetDlgItem(::GetDlgItem(hDlg, IDC_TAB_OPTIONS), AFX_IDW_PANE_FIRST); }

}  // namespace

TEST_F(ThemedBorderTest, AddFieldFramesItsComboBoxes)
{
    const FieldRecordArray fields;
    CAddField dlg(MainFrameForTests(), fields, nullptr);
    ExpectBorders(dlg, "themed-add-field",
                  {IDC_COMBO_UNIT, IDC_COMBO_DATATYPE, IDC_COMBO_RELATED_COUNT, IDC_COMBO_FIELD_TYPE,
                   IDC_COMBO_ATTRIBUTE, IDC_COMBO_VARIANT, IDC_COMBO_RELATED_LENGTH});
}

TEST_F(ThemedBorderTest, NewProjectFramesItsChoicesLocationAndExploreButton)
{
    CNewProject dlg(MainFrameForTests(), {});
    ExpectBorders(
        dlg, "themed-new-project",
        {IDC_RADIO_TCP, IDC_RADIO_UDP, IDC_COMBO_PLATFORM, IDC_COMBO_LIBRARY, IDC_EDIT_LOCATION, IDC_BUTTON_BROWSE});
}

TEST_F(ThemedBorderTest, ProjectPropertiesFramesItsChoices)
{
    const ProjectRecord project = WindowsProject();
    CProjectProperties dlg(MainFrameForTests(), project);
    ExpectBorders(dlg, "themed-project-properties",
                  {IDC_RADIO_TCP, IDC_RADIO_UDP, IDC_COMBO_PLATFORM, IDC_COMBO_LIBRARY});
}

TEST_F(ThemedBorderTest, TlvSettingFramesItsCheckBox)
{
    const ProjectRecord project = WindowsProject();
    CTlv dlg(MainFrameForTests(), project);
    ExpectBorders(dlg, "themed-tlv-setting", {IDC_CHECK_BOX});
}

TEST_F(ThemedBorderTest, OptionsFramesTheAutoCheckBoxOfItsPage)
{
    CompilerSettings settings;
    COptions dlg(MainFrameForTests(), settings, "");
    ExpectBorders(dlg, "themed-options", {IDC_CHECK_BOX}, OptionsPage);
}

TEST_F(ThemedBorderTest, AboutFramesItsTexts)
{
    CAboutDlg dlg;
    ExpectBorders(dlg, "themed-about", {IDC_ABOUT_TITLE, IDC_ABOUT_COPYRIGHT});
}
