// The main frame's command bars: the themed menu bar in place of the window's menu, the "Standard"
// toolbar, and the states the idle pass gives their commands with no project open.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTMenuBar.h"
#include "KTPaintManager.h"
#include "KTToolBar.h"
#include "LoadedFrame.h"
#include "WorkspaceRes.h"

namespace
{

CKTToolBar* BarTitled(const CKTCommandBars& bars, const char* pszTitle)
{
    for (int i = 0; i < bars.GetCount(); ++i)
        if (bars.GetAt(i)->GetTitle() == pszTitle)
            return bars.GetAt(i);
    return nullptr;
}

std::vector<int> ControlIds(const CKTCommandBar& bar)
{
    std::vector<int> ids;
    for (int i = 0; i < bar.GetControlCount(); ++i)
        ids.push_back(bar.GetControl(i)->GetID());
    return ids;
}

CKTControl* ControlOf(const CKTCommandBar& bar, int nId)
{
    for (int i = 0; i < bar.GetControlCount(); ++i)
        if (bar.GetControl(i)->GetID() == nId)
            return bar.GetControl(i);
    return nullptr;
}

}  // namespace

TEST(MainFrameBars, TheThemedMenuBarAndTheStandardToolbarTakeThePlaceOfTheWindowsMenu)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    EXPECT_EQ(nullptr, ::GetMenu(frame.pFrame->GetSafeHwnd()));
    CKTCommandBars* pBars = frame.pFrame->GetCommandBars();
    ASSERT_TRUE(pBars);
    CKTMenuBar* pMenuBar = pBars->GetMenuBar();
    ASSERT_TRUE(pMenuBar);
    ASSERT_EQ(9, pMenuBar->GetControlCount()) << "eight menus and the options button";
    EXPECT_EQ((UINT)KT_ID_TOOLBAR_EXPAND, pMenuBar->GetControl(8)->GetID());
    EXPECT_EQ("&File", pMenuBar->GetControl(0)->GetCaption());
    EXPECT_EQ("&Help", pMenuBar->GetControl(7)->GetCaption());
    std::set<char> letters;  // Alt and a letter reaches one menu only
    for (int i = 0; i < 8; ++i)
    {
        const CString strCaption = pMenuBar->GetControl(i)->GetCaption();
        const int nAmp = strCaption.Find('&');
        ASSERT_GE(nAmp, 0) << strCaption;
        EXPECT_TRUE(letters.insert(char(toupper(strCaption[nAmp + 1]))).second) << strCaption;
    }

    CKTToolBar* pStandard = BarTitled(*pBars, "Standard");
    ASSERT_TRUE(pStandard);
    const std::vector<int> expected = {
        ID_PROJECT_NEW,        ID_PROJECT_OPEN,        ID_PROJECT_SAVE,  ID_PROJECT_SAVE_ALL, ID_EDIT_CUT,
        ID_EDIT_COPY,          ID_EDIT_PASTE,          ID_EDIT_UNDO,     ID_EDIT_REDO,        ID_EDIT_TOGGLE_BOOKMARK,
        ID_EDIT_NEXT_BOOKMARK, ID_EDIT_PREV_BOOKMARK,  ID_PACKET_ADD,    ID_PACKET_DELETE,    ID_FIELD_ADD,
        ID_FIELD_DELETE,       ID_BUILD_GENERATE_CODE, ID_BUILD_COMPILE, ID_HELP_TOPICS};
    std::vector<int> shown = ControlIds(*pStandard);
    shown.resize(std::min(shown.size(), expected.size()));  // the bar's own options button follows
    EXPECT_EQ(expected, shown);
    CRect rcMenuBar, rcStandard;
    pMenuBar->GetWindowRect(&rcMenuBar);
    pStandard->GetWindowRect(&rcStandard);
    EXPECT_LE(rcMenuBar.bottom, rcStandard.top) << "both along the top, the menu bar first";

    EXPECT_EQ(4, CKTPaintManager::GetGlobal()->GetCurrentTheme());
    EXPECT_FALSE(pBars->GetCommandBarsOptions()->bAlwaysShowFullMenus);
}

// The caption names a button in the toolbar's "Add or Remove Buttons" list and the tip names it under the pointer.
TEST(MainFrameBars, EveryStandardButtonHasACaptionAndATip)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    CKTToolBar* pStandard = BarTitled(*frame.pFrame->GetCommandBars(), "Standard");
    ASSERT_TRUE(pStandard);
    for (int i = 0; i < pStandard->GetControlCount(); ++i)
    {
        const CKTControl* pControl = pStandard->GetControl(i);
        if (pControl->GetID() < ID_PROJECT_NEW)
            continue;  // the bar's own options button
        EXPECT_FALSE(pControl->GetCaption().IsEmpty()) << "command " << pControl->GetID();
        EXPECT_FALSE(pControl->GetTooltip().IsEmpty()) << "command " << pControl->GetID();
    }
    EXPECT_EQ("Cut", ControlOf(*pStandard, ID_EDIT_CUT)->GetCaption());
}

TEST(MainFrameBars, WithNoProjectTheIdlePassDisablesTheProjectCommands)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    PumpIdle();
    CKTToolBar* pStandard = BarTitled(*frame.pFrame->GetCommandBars(), "Standard");
    ASSERT_TRUE(pStandard);
    for (int nId : {ID_PROJECT_NEW, ID_PROJECT_OPEN, ID_HELP_TOPICS})
        EXPECT_TRUE(ControlOf(*pStandard, nId)->IsEnabled()) << nId;
    for (int nId : {ID_PROJECT_SAVE, ID_PROJECT_SAVE_ALL, ID_PACKET_ADD, ID_FIELD_DELETE, ID_BUILD_GENERATE_CODE,
                    ID_BUILD_COMPILE})
        EXPECT_FALSE(ControlOf(*pStandard, nId)->IsEnabled()) << nId;
}
