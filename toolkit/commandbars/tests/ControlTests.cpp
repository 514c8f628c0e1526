// ControlTests.cpp: control texts, styles, icons and actions; the collection's walks, layout and copies.
#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControlAction.h"
#include "KTControlButton.h"
#include "KTControlComboBox.h"
#include "KTControlCustom.h"
#include "KTControlEdit.h"
#include "KTControlGallery.h"
#include "KTControlPopup.h"
#include "KTControlRecentFileList.h"
#include "KTControls.h"
#include "KTPaintManager.h"
#include "KTPopupBar.h"
#include "TestSurface.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
CKTSmartPtr<CKTCommandBar> MakeBar() { return KTMakeCounted<CKTCommandBar>(); }

const UINT kTakenId = 500;

// A site whose command routing takes the execute notification of one id, with a given answer, and that
// records the commands it receives.
class CRoutingSite : public CWnd
{
public:
    LRESULT m_lAnswer = 0;
    std::vector<UINT> m_commands;

protected:
    afx_msg void OnExecuteTaken(NMHDR*, LRESULT* pResult) { *pResult = m_lAnswer; }
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        m_commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingSite, CWnd)
ON_NOTIFY(KTN_EXECUTE, kTakenId, OnExecuteTaken)
END_MESSAGE_MAP()
}  // namespace

TEST(ControlNotifications, ARoutedHandlersAnswerComesBackAndTakingItKeepsTheCommandBack)
{
    CRoutingSite site;
    ASSERT_TRUE(site.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 1, 1), NULL, 0));
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    pBar->SetCommandOwner(&site);
    CKTControl* pTaken = pBar->GetControls()->Add(ktControlButton, kTakenId);
    CKTControl* pOther = pBar->GetControls()->Add(ktControlButton, kTakenId + 1);

    site.m_lAnswer = 7;
    EXPECT_EQ(7, pTaken->NotifySite(KTN_EXECUTE));
    site.m_lAnswer = 0;
    EXPECT_EQ(TRUE, pTaken->NotifySite(KTN_EXECUTE)) << "taken, though its handler answered 0";
    EXPECT_EQ(0, pOther->NotifySite(KTN_EXECUTE));

    pTaken->OnExecute();
    pOther->OnExecute();
    EXPECT_EQ(std::vector<UINT>{kTakenId + 1}, site.m_commands) << "only the control nobody took sends its command";
    site.DestroyWindow();
}

TEST(ControlTexts, TabSplitsTheAutomaticShortcutFromTheCaption)
{
    CKTControl control;
    control.SetCaption("Open\tCtrl+O");
    EXPECT_EQ(CString("Open"), control.GetCaption());
    EXPECT_EQ(CString("Ctrl+O"), control.GetShortcutText());
    control.SetCaption("Open");
    EXPECT_EQ(CString("Ctrl+O"), control.GetAutoShortcutText()) << "a caption without TAB keeps the shortcut";
    control.SetShortcutText("F3");
    EXPECT_EQ(CString("F3"), control.GetShortcutText()) << "the control's own text wins";
}

TEST(ControlTexts, PromptGivesDescriptionTooltipAndMissingCaption)
{
    CKTControl control;
    control.SetPrompt("Opens a file\nOpen");
    EXPECT_EQ(CString("Opens a file"), control.GetDescription());
    EXPECT_EQ(CString("Open"), control.GetTooltip());
    EXPECT_EQ(CString("Open"), control.GetCaption());
    CKTControl three;
    three.SetPrompt("Saves\nSave\n&Save all");
    EXPECT_EQ(CString("&Save all"), three.GetCaption());
    CKTControl plain;
    plain.SetPrompt("Only a description");
    EXPECT_EQ(CString("Only a description"), plain.GetDescription());
    EXPECT_TRUE(plain.GetCaption().IsEmpty());
    CKTControl tipped;
    tipped.SetPrompt("Finds\nFind");
    tipped.SetCaption("");
    tipped.SetPrompt("Finds a word");
    EXPECT_EQ(CString("Finds a word"), tipped.GetDescription());
    EXPECT_EQ(CString("Find"), tipped.GetTooltip());
    EXPECT_EQ(CString("Find"), tipped.GetCaption()) << "without a line feed the tooltip names the control";
}

TEST(ControlStyles, EffectiveStyleFallsBackToTheBarsDefault)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    pBar->SetDefaultButtonStyle(ktButtonIcon);
    CKTControl* pControl = pBar->GetControls()->Add(ktControlButton, 100);
    EXPECT_EQ(ktButtonIcon, pControl->GetStyle());
    pControl->SetStyle(ktButtonCaption);
    EXPECT_EQ(ktButtonCaption, pControl->GetStyle());
}

TEST(ControlActions, ActionsShareStateAndIconsFallBackToTheirId)
{
    CKTSmartPtr<CKTCommandBars> pCommandBars = KTMakeCounted<CKTCommandBars>();
    pCommandBars->EnableActions();
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    pBar->SetCommandBars(pCommandBars);
    CKTControl* pFirst = pBar->GetControls()->Add(ktControlButton, 500);
    CKTControl* pSecond = pBar->GetControls()->Add(ktControlButton, 500);
    ASSERT_TRUE(pFirst->GetAction() != NULL);
    EXPECT_EQ(pFirst->GetAction(), pSecond->GetAction());
    pFirst->GetAction()->SetEnabled(FALSE);
    EXPECT_FALSE(pSecond->IsEnabled());
    pFirst->GetAction()->SetCaption("Shared\tCtrl+S");
    EXPECT_EQ(CString("Shared"), pSecond->GetCaption());
    pFirst->SetIconId(-5);
    EXPECT_EQ(500, pFirst->GetIconId()) << "no icon of its own: the action's id";

    EXPECT_TRUE(pBar->GetControls()->Add(ktControlButton, 9150)->GetAction() == NULL) << "reserved ids";
    EXPECT_TRUE(pBar->GetControls()->Add(ktControlButton, 35003)->GetAction() == NULL);
    CKTControlAction* pAction = pFirst->GetAction();
    pBar->OnRemoved();
    EXPECT_TRUE(pAction->GetControls().empty()) << "removed controls leave their action";
    EXPECT_EQ(pAction, pCommandBars->FindAction(500));
}

namespace
{
// Notes the action's caption as it hears of the change before and after.
class CCaptionWatcher : public CKTControlButton
{
public:
    std::vector<CString> m_heard;

protected:
    void OnActionChanging(int nProperty) override { m_heard.push_back(Heard("changing", nProperty)); }
    void OnActionChanged(int nProperty) override { m_heard.push_back(Heard("changed", nProperty)); }

private:
    CString Heard(LPCSTR lpszWhen, int nProperty)
    {
        CString strHeard;
        strHeard.Format("%s %d %s", lpszWhen, nProperty, (LPCSTR)GetAction()->GetCaption());
        return strHeard;
    }
};
}  // namespace

TEST(ControlActions, EveryControlHearsOfACaptionChangeBeforeAndAfter)
{
    CKTSmartPtr<CKTCommandBars> pCommandBars = KTMakeCounted<CKTCommandBars>();
    pCommandBars->EnableActions();
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    pBar->SetCommandBars(pCommandBars);
    auto* pWatcher = new CCaptionWatcher;
    pBar->GetControls()->Add(CKTSmartPtr<CKTControl>::Adopt(pWatcher), 500);
    pWatcher->GetAction()->SetCaption("Old");
    pWatcher->m_heard.clear();
    pWatcher->GetAction()->SetCaption("New");
    EXPECT_EQ((std::vector<CString>{"changing 3 Old", "changed 3 New"}), pWatcher->m_heard);
    pWatcher->GetAction()->SetCaption("New\tCtrl+N");
    EXPECT_EQ(2u, pWatcher->m_heard.size()) << "an unchanged caption is no change";
    pBar->OnRemoved();
}

TEST(ControlActions, FindActionOnlyLooksInTheActionRange)
{
    CKTControlActions actions(NULL);
    actions.Add(30);
    actions.Add(10);
    actions.Add(20);
    EXPECT_EQ(20, actions.FindAction(20)->GetID());
    EXPECT_EQ(NULL, actions.FindAction(0));
    EXPECT_EQ(NULL, actions.FindAction(0x0FFFFFFF));
    EXPECT_EQ(actions.FindAction(10), actions.Add(10)) << "an existing action is returned";
    EXPECT_EQ(3, actions.GetCount());
}

TEST(ControlsWalk, FindAndNextWrapAroundVisibleControls)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    CKTControls* pControls = pBar->GetControls();
    for (int nId = 1; nId <= 4; nId++)
        pControls->Add(ktControlButton, nId);
    pControls->GetAt(2)->SetVisible(FALSE);
    pControls->GetAt(1)->SetFlags(ktFlagSkipFocus);
    EXPECT_EQ(1, pControls->FindControl(-1)->GetID());
    EXPECT_EQ(3, pControls->GetNext(-1, -1));
    EXPECT_EQ(3, pControls->GetNext(0, 1)) << "skips the focus-less and the hidden";
    EXPECT_EQ(0, pControls->GetNext(3, 1)) << "wraps once";
    EXPECT_EQ(1, pControls->GetNext(0, 1, FALSE));
    EXPECT_EQ(-1, CKTControls().GetNext(-1, 1));
}

TEST(ControlsWalk, TheNarrowWalkSkipsCollapsedEntriesAndCountsLeaveOutTheHidden)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    CKTControls* pControls = pBar->GetControls();
    for (int nId = 1; nId <= 4; nId++)
        pControls->Add(ktControlButton, nId);
    pControls->GetAt(1)->SetHideFlags(ktHideExpand);
    pControls->GetAt(2)->SetHideFlags(ktHideScroll);
    pControls->GetAt(3)->SetHideFlags(ktHideWrap);
    EXPECT_EQ(2, pControls->GetNext(0, 1)) << "collapsed skipped, scrolled out still walked";
    EXPECT_EQ(1, pControls->GetNext(0, 1, TRUE, FALSE, FALSE)) << "the wide walk takes collapsed entries";
    EXPECT_EQ(2, pControls->GetNext(-1, -1)) << "wrapped away is not walked";
    EXPECT_EQ(1, pControls->GetVisibleCount(FALSE));
    EXPECT_EQ(2, pControls->GetVisibleCount(TRUE));
}

namespace
{
// Keeps its first control, as a bar keeps a control its layout relies on.
class CKeepingControls : public CKTControls
{
protected:
    BOOL ShouldKeep(CKTControl* pControl) const override { return pControl->GetIndex() == 0; }
};
}  // namespace

TEST(ControlsAdding, AppendAndAddCloneInsertAndAKeptControlSurvivesRemove)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    pBar->SetControls(KTMakeCounted<CKeepingControls>());
    CKTControls* pControls = pBar->GetControls();
    CKTControl* pFirst = pControls->Append(CKTSmartPtr<CKTControl>::Adopt(new CKTControlButton));
    pFirst->SetID(7);
    pFirst->SetCaption("Seven");
    CKTControl* pClone = pControls->AddClone(pFirst, 0);
    ASSERT_EQ(2, pControls->GetCount());
    EXPECT_EQ(pClone, pControls->GetAt(0));
    EXPECT_NE(pFirst, pClone);
    EXPECT_EQ(CString("Seven"), pClone->GetCaption());
    EXPECT_EQ(pBar.GetInterface(), pClone->GetParent());

    pControls->Remove(pClone);
    EXPECT_EQ(pClone, pControls->GetAt(0)) << "kept";
    pControls->Remove(pFirst);
    EXPECT_EQ(1, pControls->GetCount());
    pBar->OnRemoved();
}

TEST(ControlsLayout, ShortRowsWrapAtGroupsOrHideTheOverflow)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    CKTControls* pControls = pBar->GetControls();
    for (int nId = 1; nId <= 3; nId++)
        pControls->Add(ktControlButton, nId)->SetCaption("Button");
    CSize szOne = pControls->CalcDynamicSize(32767, LM_HORZDOCK | LM_COMMIT, CRect(0, 0, 0, 0));
    int nWidth = pControls->GetAt(0)->GetRect().Width();
    EXPECT_EQ(3 * nWidth, szOne.cx);
    EXPECT_EQ(pControls->GetAt(0)->GetRect().top, pControls->GetAt(2)->GetRect().top);

    pControls->CalcDynamicSize(2 * nWidth + 2, LM_HORZDOCK | LM_COMMIT, CRect(0, 0, 0, 0));
    EXPECT_TRUE(pControls->GetAt(2)->GetWrap());
    EXPECT_GT(pControls->GetAt(2)->GetRect().top, pControls->GetAt(0)->GetRect().top) << "a second row";

    pControls->CalcDynamicSize(2 * nWidth + 2, LM_HORZDOCK | LM_COMMIT | KT_LM_HIDEWRAP, CRect(0, 0, 0, 0));
    EXPECT_EQ((DWORD)ktHideWrap, pControls->GetAt(2)->GetHideFlags()) << "hidden as not fitting";
    EXPECT_FALSE(pControls->GetAt(2)->IsVisible());
    EXPECT_TRUE(pControls->GetAt(2)->IsVisible(ktHideWrap));
}

TEST(ControlsLayout, AForcedRowBreakAfterHiddenOverflowStartsARowThatHidesItsOwnOverflow)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    CKTControls* pControls = pBar->GetControls();
    for (int nId = 1; nId <= 6; nId++)
        pControls->Add(ktControlButton, nId)->SetCaption("Button");
    pControls->GetAt(3)->SetFlags(ktFlagWrapRow);
    pControls->CalcDynamicSize(32767, LM_HORZDOCK | LM_COMMIT, CRect(0, 0, 0, 0));
    const int nWidth = pControls->GetAt(0)->GetRect().Width();

    pControls->CalcDynamicSize(2 * nWidth + 2, LM_HORZDOCK | LM_COMMIT | KT_LM_HIDEWRAP, CRect(0, 0, 0, 0));
    std::vector<DWORD> hidden;
    for (int i = 0; i < 6; i++)
        hidden.push_back(pControls->GetAt(i)->GetHideFlags());
    EXPECT_EQ(std::vector<DWORD>({0, 0, ktHideWrap, 0, 0, ktHideWrap}), hidden);
    EXPECT_TRUE(pControls->GetAt(3)->GetWrap());
    EXPECT_EQ(pControls->GetAt(3)->GetRect().top, pControls->GetAt(4)->GetRect().top) << "the second row";
}

TEST(ControlsLayout, ARowBreaksAtItsLastGroupButNeverBeforeTheFirstShownControl)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    CKTControls* pControls = pBar->GetControls();
    for (int nId = 1; nId <= 5; nId++)
        pControls->Add(ktControlButton, nId)->SetCaption("Button");
    pControls->CalcDynamicSize(32767, LM_HORZDOCK | LM_COMMIT, CRect(0, 0, 0, 0));
    const int nWidth = pControls->GetAt(1)->GetRect().Width();
    pControls->GetAt(0)->SetVisible(FALSE);
    pControls->GetAt(1)->SetBeginGroup(TRUE);
    pControls->GetAt(3)->SetBeginGroup(TRUE);

    pControls->CalcDynamicSize(3 * nWidth, LM_HORZDOCK | LM_COMMIT, CRect(0, 0, 0, 0));
    EXPECT_TRUE(pControls->GetAt(3)->GetWrap()) << "the row breaks at the group it overflows in";
    EXPECT_FALSE(pControls->GetAt(4)->GetWrap());

    pControls->CalcDynamicSize(nWidth + 2, LM_HORZDOCK | LM_COMMIT, CRect(0, 0, 0, 0));
    EXPECT_FALSE(pControls->GetAt(1)->GetWrap()) << "no empty row above the first shown control";
    EXPECT_EQ(0, pControls->GetAt(1)->GetRect().top);
    EXPECT_TRUE(pControls->GetAt(2)->GetWrap());
}

TEST(ControlsLayout, AVerticalBarPlacesItsColumnsFromRightToLeft)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    CKTControls* pControls = pBar->GetControls();
    for (int nId = 1; nId <= 3; nId++)
        pControls->Add(ktControlButton, nId)->SetCaption("Button");
    pControls->GetAt(2)->SetCaption("A longer caption");
    const CRect rcBorder(2, 1, 3, 4);
    const CSize szOne = pControls->CalcDynamicSize(32767, LM_VERTDOCK | LM_COMMIT, rcBorder);
    const int nHeight = pControls->GetAt(0)->GetRect().Height();

    const CSize sz = pControls->CalcDynamicSize(2 * nHeight + 5, LM_VERTDOCK | LM_COMMIT, rcBorder);
    const CRect rcFirst = pControls->GetAt(0)->GetRect(), rcWrapped = pControls->GetAt(2)->GetRect();
    ASSERT_TRUE(pControls->GetAt(2)->GetWrap());
    EXPECT_EQ(rcBorder.top, rcWrapped.top);
    EXPECT_EQ(rcFirst.left, rcWrapped.right) << "the second column at the left of the first";
    EXPECT_EQ(rcBorder.left, rcWrapped.left);
    EXPECT_EQ(sz.cx - rcBorder.right, pControls->GetAt(0)->GetRowRect().right);
    EXPECT_GT(sz.cx, szOne.cx);
}

TEST(ControlsLayout, AMinimumLengthMakesADockedBarAtLeastThatThick)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    CKTControls* pControls = pBar->GetControls();
    pControls->Add(ktControlButton, 1)->SetCaption("Button");
    const CRect rcBorder(2, 1, 3, 4);
    const CSize szNatural = pControls->CalcDynamicSize(400, LM_HORZDOCK, rcBorder);
    const CSize szRow = pControls->CalcDynamicSize(400, LM_HORZDOCK, rcBorder, szNatural.cy + 9);
    EXPECT_EQ(CSize(szNatural.cx, szNatural.cy + 9), szRow) << "borders included in the minimum";
    EXPECT_EQ(szNatural, pControls->CalcDynamicSize(400, LM_HORZDOCK, rcBorder, szNatural.cy - 5))
        << "never thinner than the controls";

    const CSize szColumn = pControls->CalcDynamicSize(400, LM_VERTDOCK, rcBorder);
    EXPECT_EQ(CSize(szColumn.cx + 7, szColumn.cy),
              pControls->CalcDynamicSize(400, LM_VERTDOCK, rcBorder, szColumn.cx + 7));

    pControls->GetAt(0)->SetVisible(FALSE);
    EXPECT_EQ(30, pControls->CalcDynamicSize(400, LM_HORZDOCK, rcBorder, 30).cy) << "an empty bar too";
}

TEST(ControlsLayout, RightAlignedControlsGoToTheFarEndAndStretchedOnesShareTheSpareLength)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    CKTControls* pControls = pBar->GetControls();
    for (int nId = 1; nId <= 4; nId++)
        pControls->Add(ktControlButton, nId)->SetCaption("Button");
    const CRect rcBorder(2, 1, 3, 1);
    pControls->GetAt(2)->SetFlags(ktFlagRightAlign);
    pControls->GetAt(3)->SetFlags(ktFlagRightAlign);
    pControls->CalcDynamicSize(400, LM_HORZDOCK | LM_STRETCH | LM_COMMIT, rcBorder);
    const int nWidth = pControls->GetAt(0)->GetRect().Width();
    EXPECT_EQ(400 - rcBorder.right, pControls->GetAt(3)->GetRect().right);
    EXPECT_EQ(pControls->GetAt(3)->GetRect().left, pControls->GetAt(2)->GetRect().right);
    EXPECT_EQ(rcBorder.left + 2 * nWidth, pControls->GetAt(1)->GetRect().right) << "the others stay where they were";

    // The gap before the right-aligned pair goes to the stretched controls, split equally.
    pControls->GetAt(0)->SetFlags(ktFlagControlStretched);
    pControls->GetAt(1)->SetFlags(ktFlagControlStretched);
    pControls->CalcDynamicSize(401, LM_HORZDOCK | LM_STRETCH | LM_COMMIT, rcBorder);
    const CRect rcFirst = pControls->GetAt(0)->GetRect(), rcSecond = pControls->GetAt(1)->GetRect();
    EXPECT_EQ(rcFirst.right, rcSecond.left);
    EXPECT_EQ(pControls->GetAt(2)->GetRect().left, rcSecond.right) << "no gap is left";
    EXPECT_LE(abs(rcFirst.Width() - rcSecond.Width()), 1);
    EXPECT_GT(rcFirst.Width(), nWidth);
}

TEST(ControlsCopy, PopupsShareTheirBarOrCloneIt)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    CKTControlPopup* pPopup = static_cast<CKTControlPopup*>(pBar->GetControls()->Add(ktControlPopup, 0));
    ASSERT_TRUE(pPopup->GetCommandBar() != NULL);
    pPopup->GetCommandBar()->GetControls()->Add(ktControlButton, 42);
    CKTSmartPtr<CKTControl> pShallow = CKTSmartPtr<CKTControl>::Adopt(pPopup->Clone(FALSE));
    CKTSmartPtr<CKTControl> pDeep = CKTSmartPtr<CKTControl>::Adopt(pPopup->Clone(TRUE));
    EXPECT_EQ(pPopup->GetCommandBar(), pShallow->GetCommandBar());
    ASSERT_TRUE(pDeep->GetCommandBar() != NULL);
    EXPECT_NE(pPopup->GetCommandBar(), pDeep->GetCommandBar());
    EXPECT_EQ(42, pDeep->GetCommandBar()->GetControl(0)->GetID());
    EXPECT_TRUE(pDeep->GetCommandBar()->IsPopupBar());
}

TEST(ControlsMenus, MdiChildItemsAreSkipped)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 0xFF00, "1 Document");
    menu.AppendMenu(MF_STRING, 100, "&Item\tF7");
    menu.AppendMenu(MF_STRING | MF_GRAYED | MF_CHECKED, 101, "&Grey");
    ASSERT_TRUE(pBar->LoadMenu(&menu));
    ASSERT_EQ(2, pBar->GetControlCount());
    EXPECT_EQ(CString("F7"), pBar->GetControl(0)->GetShortcutText());
    EXPECT_FALSE(pBar->GetControl(1)->IsEnabled());
    EXPECT_EQ(1, pBar->GetControl(1)->GetChecked());
}

TEST(BarRedraw, ARedrawDuringALockHappensAtTheLastUnlock)
{
    CTestParent parent;
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    pBar->CreateBarWindow("KTTestBar", &parent, 1);
    pBar->MoveWindow(0, 0, 100, 24);
    pBar->ValidateRect(NULL);
    pBar->LockRedraw();
    pBar->LockRedraw();
    pBar->Redraw();
    CRect rc;
    EXPECT_FALSE(pBar->GetUpdateRect(&rc));
    pBar->UnlockRedraw();
    EXPECT_FALSE(pBar->GetUpdateRect(&rc));
    pBar->UnlockRedraw();
    EXPECT_TRUE(pBar->GetUpdateRect(&rc));
    pBar->OnRemoved();
}

TEST(ControlsTypes, PopupKindsChangeInPlaceOthersAreReplaced)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    CKTControls* pControls = pBar->GetControls();
    CKTControl* pPopup = pControls->Add(ktControlPopup, 0);
    CKTControl* pButton = pControls->Add(ktControlButton, 321);
    pButton->SetCaption("Keep me");
    EXPECT_EQ(pPopup, pControls->SetControlType(pPopup, ktControlSplitButtonPopup));
    EXPECT_EQ(ktControlSplitButtonPopup, pPopup->GetType());
    CKTControl* pNew = pControls->SetControlTypeAt(1, ktControlButtonPopup);
    ASSERT_TRUE(pNew != NULL);
    EXPECT_EQ(2, pControls->GetCount());
    EXPECT_EQ(pNew, pControls->GetAt(1)) << "in the old place";
    EXPECT_EQ(321, pNew->GetID());
    EXPECT_EQ(CString("Keep me"), pNew->GetCaption());
    EXPECT_TRUE(pNew->IsKindOf(RUNTIME_CLASS(CKTControlPopup)));
    EXPECT_EQ(NULL, pControls->SetControlTypeAt(5, ktControlButton));
}

// The factory makes each type it knows, with a popup bar for the popup kinds, and the fields and galleries as their
// own classes; unknown types come back empty. With the automatic style on a tool bar, a button shows its caption only without
// an icon, a label always.
TEST(ControlsTypes, TheFactoryMakesEachTypeItKnows)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    CKTControls* pControls = pBar->GetControls();
    for (int nType : {ktControlButton, ktControlPopup, ktControlButtonPopup, ktControlSplitButtonPopup, ktControlLabel,
                      ktControlCheckBox, ktControlRadioButton})
    {
        CKTControl* pControl = pControls->Add(nType, 600 + nType);
        ASSERT_TRUE(pControl != NULL) << nType;
        EXPECT_EQ(nType, pControl->GetType());
        EXPECT_EQ(KTIsPopupType(nType), pControl->GetCommandBar() != NULL) << nType;
    }
    // The hosted-window control is a button to its bar.
    const struct
    {
        int nType;
        CRuntimeClass* pClass;
        int nKeptType;
    } fields[] = {{ktControlComboBox, RUNTIME_CLASS(CKTControlComboBox), ktControlComboBox},
                  {ktControlEdit, RUNTIME_CLASS(CKTControlEdit), ktControlEdit},
                  {ktControlCustom, RUNTIME_CLASS(CKTControlCustom), ktControlButton},
                  {ktControlGallery, RUNTIME_CLASS(CKTControlGallery), ktControlGallery}};
    for (const auto& field : fields)
    {
        CKTControl* pControl = pControls->Add(field.nType, 700);
        ASSERT_TRUE(pControl != NULL) << field.nType;
        EXPECT_TRUE(pControl->IsKindOf(field.pClass)) << field.nType;
        EXPECT_EQ(field.nKeptType, pControl->GetType()) << field.nType;
    }
    CKTControl* pChanged = pControls->SetControlType(pControls->Add(ktControlButton, 800), ktControlCustom);
    ASSERT_TRUE(pChanged != NULL);
    EXPECT_TRUE(pChanged->IsKindOf(RUNTIME_CLASS(CKTControlCustom)));
    EXPECT_EQ(ktControlButton, pChanged->GetType()) << "a change of type keeps the factory's rule";
    EXPECT_EQ(NULL, pControls->Add(99, 700)) << "an unknown type";
    EXPECT_TRUE(
        pControls->Add(ktControlButton, KT_ID_FILE_MRU_FIRST)->IsKindOf(RUNTIME_CLASS(CKTControlRecentFileList)));

    CKTControl* pButton = pControls->FindControl(600 + ktControlButton);
    CKTControl* pLabel = pControls->FindControl(600 + ktControlLabel);
    for (CKTControl* pControl : {pButton, pLabel})
    {
        pControl->SetCaption("Caption");
        pControl->SetStyle(ktButtonAutomatic);
    }
    EXPECT_TRUE(pButton->IsCaptionVisible()) << "no icon";
    EXPECT_TRUE(pLabel->IsCaptionVisible());
}

TEST(ControlsCompare, OriginalCopyTellsWhetherTheUserChangedTheBar)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    CKTControls* pControls = pBar->GetControls();
    EXPECT_TRUE(pControls->IsChanged()) << "no original copy";
    pControls->Add(ktControlButton, 1)->SetCaption("One");
    CKTControl* pPopup = pControls->Add(ktControlPopup, 0);
    pPopup->GetCommandBar()->GetControls()->Add(ktControlButton, 2);
    pControls->Add(ktControlButton, 3, NULL, -1, TRUE);
    pControls->CreateOriginalControls();
    EXPECT_FALSE(pControls->IsChanged()) << "temporary controls do not count";
    pControls->GetAt(0)->SetBeginGroup(TRUE);
    EXPECT_TRUE(pControls->IsChanged());
    pControls->GetAt(0)->SetBeginGroup(FALSE);
    pPopup->GetCommandBar()->GetControls()->Add(ktControlButton, 4);
    EXPECT_TRUE(pControls->IsChanged()) << "a popup's items count too";
}

TEST(ControlsLayout, PopupEntriesStackInOneColumnOfTheWidestWidth)
{
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(NULL);
    CKTControls* pControls = pPopup->GetControls();
    EXPECT_EQ(CSize(24, 22), pControls->CalcPopupSize(CRect(0, 0, 0, 0))) << "an empty menu";
    pControls->Add(ktControlButton, 1)->SetCaption("Short");
    pControls->Add(ktControlButton, 2)->SetCaption("A much longer entry\tCtrl+L");
    CKTControl* pGroup = pControls->Add(ktControlButton, 3);
    pGroup->SetCaption("Grouped");
    pGroup->SetBeginGroup(TRUE);
    CSize sz = pControls->CalcPopupSize(CRect(3, 3, 3, 3));
    CRect rc0 = pControls->GetAt(0)->GetRect(), rc1 = pControls->GetAt(1)->GetRect(), rc2 = pGroup->GetRect();
    EXPECT_EQ(CPoint(3, 3), rc0.TopLeft());
    EXPECT_EQ(rc0.Width(), rc1.Width()) << "one column, one width";
    EXPECT_EQ(rc0.bottom, rc1.top);
    int nSeparator = pPopup->GetPaintManager()->DrawCommandBarSeparator(NULL, pPopup, pGroup, FALSE).cy;
    EXPECT_EQ(rc1.bottom + nSeparator, rc2.top);
    EXPECT_EQ(CSize(rc1.right + 3, rc2.bottom + 3), sz);

    pGroup->SetFlags(ktFlagWrapRow);
    pControls->CalcPopupSize(CRect(0, 0, 0, 0));
    EXPECT_TRUE(pGroup->GetWrap());
    EXPECT_EQ(pControls->GetAt(1)->GetRect().right, pGroup->GetRect().left) << "a second column";
    EXPECT_EQ(0, pGroup->GetRect().top);

    double dSaved = CKTControls::s_dMaxPopupWidthRatio;
    CKTControls::s_dMaxPopupWidthRatio = 1e-6;
    pControls->CalcPopupSize(CRect(0, 0, 0, 0));
    EXPECT_EQ(0, pControls->GetAt(1)->GetRect().Width()) << "the width cap";
    CKTControls::s_dMaxPopupWidthRatio = dSaved;
}

TEST(ControlsLayout, FloatingBarsTakeTheShortestLengthOfTheirRowCount)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    pBar->SetPosition(ktBarFloating);
    CKTControls* pControls = pBar->GetControls();
    for (int nId = 1; nId <= 6; nId++)
        pControls->Add(ktControlButton, nId)->SetCaption("Same");
    pControls->CalcDynamicSize(32767, LM_HORZDOCK | LM_COMMIT, CRect(0, 0, 0, 0));
    CSize szButton = pControls->GetAt(0)->GetRect().Size();

    CSize sz = pControls->CalcDynamicSize(3 * szButton.cx + szButton.cx / 2, LM_COMMIT, CRect(2, 2, 2, 2));
    EXPECT_EQ(CSize(3 * szButton.cx + 4, 2 * szButton.cy + 4), sz) << "two rows of three, no wider";
    EXPECT_TRUE(pControls->GetAt(3)->GetWrap());

    CSize szTall = pControls->CalcDynamicSize(3 * szButton.cy + 4, LM_LENGTHY | LM_COMMIT, CRect(2, 2, 2, 2));
    EXPECT_EQ(2 * szButton.cx + 4, szTall.cx) << "the narrowest block three rows high";
    EXPECT_EQ(3 * szButton.cy + 4, szTall.cy);

    pBar->SetMRUWidth(szButton.cx * 6);
    CSize szMru = pControls->CalcDynamicSize(0, LM_MRUWIDTH | LM_COMMIT, CRect(0, 0, 0, 0));
    EXPECT_EQ(CSize(6 * szButton.cx, szButton.cy), szMru) << "the most recent width";
}

TEST(ControlsLayout, GroupRowsAndABalancedShapeForTallBlocks)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    pBar->SetPosition(ktBarFloating);
    CKTControls* pControls = pBar->GetControls();
    for (int nId = 1; nId <= 9; nId++)
        pControls->Add(ktControlButton, nId)->SetCaption("Same");
    pControls->CalcDynamicSize(32767, LM_HORZDOCK | LM_COMMIT, CRect(0, 0, 0, 0));
    CSize szButton = pControls->GetAt(0)->GetRect().Size();
    pControls->GetAt(3)->SetBeginGroup(TRUE);
    pControls->GetAt(6)->SetBeginGroup(TRUE);
    CSize sz = pControls->CalcDynamicSize(0, KT_LM_MRUGROUPS | LM_COMMIT, CRect(0, 0, 0, 0));
    EXPECT_TRUE(pControls->GetAt(3)->GetWrap());
    EXPECT_TRUE(pControls->GetAt(6)->GetWrap());
    EXPECT_EQ(3 * szButton.cx, sz.cx) << "a group a row";

    for (int i = 1; i < 9; i++)
        pControls->GetAt(i)->SetBeginGroup(TRUE);
    pBar->SetMRUWidth(0);
    CSize szBalanced = pControls->CalcDynamicSize(0, KT_LM_MRUGROUPS | LM_COMMIT, CRect(0, 0, 0, 0));
    EXPECT_LT(szBalanced.cy, 9 * szButton.cy) << "not a single column";
    EXPECT_LT(szBalanced.cx, 9 * szButton.cx) << "not a single row";
}

TEST(ControlCopies, ActionsTakeTheCategoryCopiesKeepItAndAFieldsWidthStaysAboveItsMinimum)
{
    CKTSmartPtr<CKTCommandBars> pCommandBars = KTMakeCounted<CKTCommandBars>();
    pCommandBars->EnableActions();
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    pBar->SetCommandBars(pCommandBars);
    CKTControl* pControl = pBar->GetControls()->Add(ktControlButton, 0);
    pControl->SetCategory("File");
    CKTControl* pCopy = pBar->GetControls()->Add(ktControlButton, 0);
    pCopy->Copy(pControl, FALSE);
    EXPECT_EQ(CString("File"), pCopy->GetCategory());
    pControl->SetAction(pCommandBars->GetActions()->Add(600));
    EXPECT_EQ(CString(""), pControl->GetCategory()) << "the action's category shows";

    CKTControl* pEdit = pBar->GetControls()->Add(ktControlEdit, 601);
    pEdit->SetWidth(1);
    CKTControl* pEditCopy = pBar->GetControls()->Add(ktControlEdit, 601);
    pEditCopy->Copy(pEdit, FALSE);
    EXPECT_EQ(pEdit->GetCustomizeMinWidth(), pEditCopy->GetWidth());
    EXPECT_GT(pEditCopy->GetWidth(), 1);
}

TEST(BarCopies, ACopyKeepsTheCustomizableSwitchAndTheFloatingWidth)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar();
    pBar->SetCustomizable(FALSE);
    pBar->SetMRUWidth(140);
    CKTSmartPtr<CKTCommandBar> pCopy = CKTSmartPtr<CKTCommandBar>::Adopt(pBar->Clone(FALSE));
    EXPECT_FALSE(pCopy->IsCustomizable());
    EXPECT_EQ(140, pCopy->GetMRUWidth());
}

TEST(ControlCustomize, MovingEverythingFreesFixedControlsAndControlsOfFixedBars)
{
    CKTSmartPtr<CKTCommandBars> pCommandBars = KTMakeCounted<CKTCommandBars>();
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CKTCommandBar>();
    pBar->SetCommandBars(pCommandBars);
    CKTControl* pFree = pBar->GetControls()->Add(ktControlButton, 500);
    CKTControl* pFixed = pBar->GetControls()->Add(ktControlButton, 501);
    pFixed->SetFlags(ktFlagNoMovable);
    EXPECT_TRUE(pFree->IsCustomizeMovable());
    EXPECT_FALSE(pFixed->IsCustomizeMovable());
    pBar->SetCustomizable(FALSE);
    EXPECT_FALSE(pFree->IsCustomizeMovable());

    pCommandBars->SetCustomizeMoveAll(TRUE);
    EXPECT_TRUE(pFree->IsCustomizeMovable()) << "on a bar that is not customisable";
    EXPECT_TRUE(pFixed->IsCustomizeMovable());
}
