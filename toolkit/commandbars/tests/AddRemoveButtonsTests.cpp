// AddRemoveButtonsTests.cpp: the "Add or Remove Buttons" list of a toolbar's expand button and Reset Toolbar,
// driven by real clicks through the menus and the question box.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "InputBuilder.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTPopupBar.h"
#include "KTToolBar.h"
#include "MessagePump.h"
#include "ModalScript.h"
#include "TestInput.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

BOOL CALLBACK TakeQuestionBox(HWND hWnd, LPARAM lParam)
{
    char szClass[16] = "";
    ::GetClassName(hWnd, szClass, sizeof szClass);
    if (!::IsWindowVisible(hWnd) || lstrcmp(szClass, "#32770") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

// The question box the calling thread shows, NULL while there is none.
HWND FindQuestionBox()
{
    HWND hFound = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), TakeQuestionBox, (LPARAM)&hFound);
    return hFound;
}

BOOL CALLBACK TakeLongestText(HWND hChild, LPARAM lParam)
{
    char szText[512] = "";
    ::GetWindowText(hChild, szText, sizeof szText);
    auto* pText = reinterpret_cast<std::string*>(lParam);
    if (strlen(szText) > pText->size())
        *pText = szText;
    return TRUE;
}

// The longest text of a box: its question.
std::string BoxText(HWND hBox)
{
    std::string strText;
    ::EnumChildWindows(hBox, TakeLongestText, (LPARAM)&strText);
    return strText;
}

class AddRemoveButtonsTest : public CFrameFixture
{
protected:
    AddRemoveButtonsTest() : CFrameFixture(0, TRUE) {}

    void SetUp() override
    {
        CFrameFixture::SetUp();
        if (!HasFatalFailure())
            m_pStandard = m_pFrame->m_pStandard;
    }

    static bool IsShown(CKTCommandBar* pBar)
    {
        return pBar && pBar->GetSafeHwnd() && ::IsWindowVisible(pBar->GetSafeHwnd());
    }
    static bool ClickControl(CKTControl* pControl)
    {
        CTestInput input(pControl->GetParent()->GetSafeHwnd());
        return input.Click(pControl->GetRect().CenterPoint());
    }
    // Opens the control's popup with a click and waits until it shows.
    static CKTCommandBar* OpenPopup(CKTControl* pControl)
    {
        if (!pControl || !ClickControl(pControl))
            return NULL;
        CKTCommandBar* pPopup = pControl->GetCommandBar();
        return PumpUntil([pPopup] { return IsShown(pPopup); }) ? pPopup : NULL;
    }
    static CKTControl* FindCaption(CKTCommandBar* pBar, LPCSTR lpszCaption)
    {
        for (int i = 0; pBar && i < pBar->GetControlCount(); i++)
            if (pBar->GetControl(i)->GetCaption() == lpszCaption)
                return pBar->GetControl(i);
        return NULL;
    }
    // Toolbar Options > Add or Remove Buttons > Standard, each opened by a click.
    CKTCommandBar* OpenList()
    {
        CKTCommandBar* pOptions = OpenPopup(m_pStandard->GetControls()->FindControl(KT_ID_TOOLBAR_EXPAND));
        CKTCommandBar* pBars = OpenPopup(FindCaption(pOptions, "&Add or Remove Buttons"));
        return OpenPopup(FindCaption(pBars, "Standard"));
    }
    CKTControl* Button(UINT nId) const { return m_pStandard->GetControls()->FindControl(nId); }
    int BarWidth() const { return CKTWindowRect(m_pStandard).Width(); }
    // Clicks Reset Toolbar in the open list and answers its question with the key, typed into the box's own loop:
    // input that waits for its handling would pump the key past the box's dialog keys.
    std::string ResetAnswering(CKTCommandBar* pList, WORD wKey)
    {
        std::string strQuestion;
        CModalScript script({[&strQuestion, wKey]
                             {
                                 HWND hBox = FindQuestionBox();
                                 if (!hBox || ::GetForegroundWindow() != hBox)
                                     return false;
                                 strQuestion = BoxText(hBox);
                                 std::vector<INPUT> inputs;
                                 InputBuilder::AddKey(inputs, wKey, true);
                                 InputBuilder::AddKey(inputs, wKey, false);
                                 return ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT)) == inputs.size();
                             }});
        EXPECT_TRUE(ClickControl(pList->GetControls()->FindControl(KT_ID_RESET_TOOLBAR)));
        EXPECT_TRUE(PumpUntil([&script] { return script.Done(); }));
        EXPECT_TRUE(PumpUntil([] { return FindQuestionBox() == NULL; }));
        return strQuestion;
    }

    CKTToolBar* m_pStandard = NULL;
};

}  // namespace

TEST_F(AddRemoveButtonsTest, TheListTicksEachButtonAndAPickShowsOrHidesItAtOnce)
{
    // A button the user added is listed, but only the program's own can be ticked back in after a reset.
    m_pStandard->GetControls()->Add(ktControlButton, ID_TEST_NO_HANDLER, NULL, 3)->SetCaption("Added");
    m_pStandard->OnRecalcLayout();
    const int nWidth = BarWidth();
    CKTCommandBar* pList = OpenList();
    ASSERT_TRUE(pList != NULL);
    std::vector<int> ids;
    for (int i = 0; i < pList->GetControlCount(); i++)
        ids.push_back(pList->GetControl(i)->GetID());
    EXPECT_EQ(std::vector<int>({ID_FILE_NEW, ID_FILE_OPEN, ID_EDIT_CUT, ID_TEST_NO_HANDLER, ID_EDIT_COPY, ID_EDIT_PASTE,
                                KT_ID_RESET_TOOLBAR}),
              ids);
    EXPECT_EQ(CString("Cut"), pList->GetControl(2)->GetCaption()) << "the button's caption";
    EXPECT_EQ(CString("&Reset Toolbar"), pList->GetControl(6)->GetCaption());
    for (int i = 0; i < pList->GetControlCount() - 1; i++)
        EXPECT_EQ(1, pList->GetControl(i)->GetChecked()) << ids[i];
    EXPECT_FALSE(pList->GetControl(3)->IsEnabled()) << "not one of the bar's first buttons";
    EXPECT_TRUE(pList->GetControl(6)->GetBeginGroup());
    EXPECT_EQ(CString("Ctrl+C"), pList->GetControl(4)->GetShortcutText()) << "the accelerator's key";

    CKTControl* pCutItem = pList->GetControl(2);
    ASSERT_TRUE(ClickControl(pCutItem));
    ASSERT_TRUE(PumpUntil([this] { return !Button(ID_EDIT_CUT)->IsVisible(); }));
    EXPECT_EQ((DWORD)ktHideCustomize, Button(ID_EDIT_CUT)->GetHideFlags());
    EXPECT_EQ(0, pCutItem->GetChecked());
    EXPECT_LT(BarWidth(), nWidth) << "the bar gave up the button's room";
    EXPECT_TRUE(IsShown(pList)) << "the list stays open for the next pick";
    EXPECT_TRUE(m_pStandard->IsResetEnabled());

    ASSERT_TRUE(ClickControl(pCutItem));
    ASSERT_TRUE(PumpUntil([this] { return Button(ID_EDIT_CUT)->IsVisible(); }));
    EXPECT_EQ(1, pCutItem->GetChecked());
    EXPECT_EQ(nWidth, BarWidth());
    m_pCommandBars->ClosePopups();
}

// The expand menu opens leftwards, aligned on its button's right edge: the menus beside it keep that way while there
// is room, and turn at the screen's edge.
TEST_F(AddRemoveButtonsTest, TheMenusBesideTheExpandMenuOpenOnItsLeftAndTurnAtTheScreenEdge)
{
    ASSERT_TRUE(m_pFrame->SetWindowPos(NULL, 400, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
    CKTCommandBar* pOptions = OpenPopup(m_pStandard->GetControls()->FindControl(KT_ID_TOOLBAR_EXPAND));
    ASSERT_TRUE(pOptions != NULL);
    CKTCommandBar* pBars = OpenPopup(FindCaption(pOptions, "&Add or Remove Buttons"));
    ASSERT_TRUE(pBars != NULL);
    CKTCommandBar* pList = OpenPopup(FindCaption(pBars, "Standard"));
    ASSERT_TRUE(pList != NULL);
    ASSERT_GE(CKTWindowRect(pList).left, 0) << "the test needs room on the left";
    EXPECT_LE(CKTWindowRect(pBars).right, CKTWindowRect(pOptions).left + 4);
    EXPECT_LE(CKTWindowRect(pList).right, CKTWindowRect(pBars).left + 4);
    const int nOptionsLeft = CKTWindowRect(pOptions).left;
    m_pCommandBars->ClosePopups();

    // The expand menu now starts a few pixels from the screen's left edge.
    ASSERT_TRUE(
        m_pFrame->SetWindowPos(NULL, 400 - nOptionsLeft + 4, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
    pOptions = OpenPopup(m_pStandard->GetControls()->FindControl(KT_ID_TOOLBAR_EXPAND));
    ASSERT_TRUE(pOptions != NULL);
    pBars = OpenPopup(FindCaption(pOptions, "&Add or Remove Buttons"));
    ASSERT_TRUE(pBars != NULL);
    ASSERT_LT(CKTWindowRect(pOptions).left, CKTWindowRect(pBars).Width()) << "no room on the left";
    EXPECT_GE(CKTWindowRect(pBars).left, CKTWindowRect(pOptions).right - 4) << "on the screen, beside its menu";
    m_pCommandBars->ClosePopups();
}

TEST_F(AddRemoveButtonsTest, ResetToolbarAsksAndOnlyOkBringsTheFirstButtonsBack)
{
    // The user dragged Copy off the bar and unticked Cut.
    m_pStandard->GetControls()->Remove(Button(ID_EDIT_COPY));
    Button(ID_EDIT_CUT)->SetHideFlag(ktHideCustomize, TRUE);
    m_pStandard->OnRecalcLayout();

    CKTCommandBar* pList = OpenList();
    ASSERT_TRUE(pList != NULL);
    CKTControl* pCopy = Button(ID_EDIT_COPY);
    ASSERT_TRUE(pCopy != NULL) << "the list brings a removed first button back, hidden, to offer it";
    EXPECT_EQ(3, pCopy->GetIndex()) << "at its first place";
    EXPECT_FALSE(pCopy->IsVisible());
    CKTControl* pCopyItem = pList->GetControls()->FindControl(ID_EDIT_COPY);
    ASSERT_TRUE(pCopyItem != NULL);
    EXPECT_EQ(0, pCopyItem->GetChecked());
    EXPECT_TRUE(pCopyItem->IsEnabled());

    const std::string strQuestion = ResetAnswering(pList, VK_ESCAPE);
    EXPECT_EQ("Are you sure you want to reset the changes made to the 'Standard' toolbar?", strQuestion);
    EXPECT_FALSE(IsShown(pList)) << "the menus closed before the question";
    EXPECT_FALSE(Button(ID_EDIT_CUT)->IsVisible()) << "Cancel changes nothing";
    EXPECT_EQ(0, m_pFrame->m_nResets);

    pList = OpenList();
    ASSERT_TRUE(pList != NULL);
    ResetAnswering(pList, VK_RETURN);
    EXPECT_TRUE(Button(ID_EDIT_CUT)->IsVisible());
    EXPECT_TRUE(Button(ID_EDIT_COPY)->IsVisible());
    EXPECT_FALSE(m_pStandard->GetControls()->IsChanged()) << "the bar holds its first buttons again";
    EXPECT_FALSE(m_pStandard->IsResetEnabled());
    EXPECT_EQ(1, m_pFrame->m_nResets) << "the site heard of the reset";
}

TEST_F(AddRemoveButtonsTest, ABarWithoutFirstButtonsOffersNoResetAndResetLoadsItsResource)
{
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    m_pStandard->GetControls()->SetOriginalControls(NULL);
    m_pStandard->FillAddRemoveList(pPopup);
    EXPECT_EQ(NULL, pPopup->GetControls()->FindControl(KT_ID_RESET_TOOLBAR));
    EXPECT_TRUE(m_pStandard->IsResetEnabled());

    m_pStandard->GetControls()->RemoveAll();
    ASSERT_TRUE(m_pStandard->Reset(FALSE));
    EXPECT_TRUE(Button(ID_EDIT_PASTE) != NULL) << "the resource's buttons";
    EXPECT_FALSE(m_pStandard->IsResetEnabled()) << "and they are its first buttons from now on";

    m_pStandard->SetBuiltIn(FALSE);
    m_pStandard->GetControls()->RemoveAll();
    EXPECT_FALSE(m_pStandard->Reset(FALSE)) << "a bar of the user's has nothing to go back to";
}

// A button that may not be moved is not offered, unless the bars let the user move everything.
TEST_F(AddRemoveButtonsTest, AnUnmovableButtonIsOfferedOnlyWhenEverythingMayMove)
{
    Button(ID_EDIT_CUT)->SetFlags(Button(ID_EDIT_CUT)->GetFlags() | ktFlagNoMovable);
    auto listed = [this](UINT nId)
    {
        CKTSmartPtr<CKTPopupBar> pList = CKTPopupBar::CreatePopupBar(m_pCommandBars);
        m_pStandard->FillAddRemoveList(pList);
        return pList->GetControls()->FindControl(nId) != NULL;
    };
    EXPECT_FALSE(listed(ID_EDIT_CUT));
    EXPECT_TRUE(listed(ID_EDIT_COPY));
    m_pCommandBars->SetCustomizeMoveAll(TRUE);
    EXPECT_TRUE(listed(ID_EDIT_CUT));
    m_pCommandBars->SetCustomizeMoveAll(FALSE);
}

// The bar's first buttons hold copies of its menus: a reset brings back a tear-off menu with its gripper.
TEST_F(AddRemoveButtonsTest, AResetBringsBackATearOffMenuWithItsGripper)
{
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pMenu->GetControls()->Add(ktControlButton, ID_EDIT_PASTE)->SetCaption("Paste");
    pMenu->SetTearOffPopup("Torn", 300, 120);
    auto* pTools = static_cast<CKTControlPopup*>(m_pStandard->GetControls()->Add(ktControlPopup, 0));
    pTools->SetCaption("Tools");
    pTools->SetCommandBar(pMenu);
    m_pStandard->GetControls()->CreateOriginalControls();
    m_pStandard->GetControls()->Remove(pTools);
    ASSERT_TRUE(m_pStandard->Reset(FALSE));
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();

    CKTCommandBar* pOpened = OpenPopup(FindCaption(m_pStandard, "Tools"));
    ASSERT_TRUE(pOpened != NULL);
    ASSERT_TRUE(pOpened->AsPopupBar() != NULL);
    EXPECT_NE(pMenu.GetInterface(), pOpened) << "a copy of the first buttons' menu";
    EXPECT_TRUE(pOpened->AsPopupBar()->IsTearOffPopup());
    EXPECT_FALSE(pOpened->AsPopupBar()->GetGripperRect().IsRectEmpty()) << "the gripper shows";
    m_pCommandBars->ClosePopups();
}
