// ComboBoxTests.cpp: combo boxes on a tool bar of the test frame: the list opened by click and keys, picking,
// completion from the list and closing by an outside click.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTCommandBarsDefs.h"
#include "KTControlAction.h"
#include "KTControlComboBox.h"
#include "KTControlComboBoxList.h"
#include "KTControlEdit.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTToolBar.h"
#include "KTImageManager.h"
#include "KTPaintManager.h"
#include "TestSurface.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "PixelImage.h"
#include "StandInSuggestList.h"
#include "TestInput.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <functional>

namespace
{
// Keeps room of its own before the text field.
class CIndentedCombo : public CKTControlComboBox
{
public:
    void AdjustEditRect(CRect& rcField) override
    {
        CKTControlComboBox::AdjustEditRect(rcField);
        rcField.left += 30;
    }
};

class ComboBoxTest : public CFrameFixture
{
protected:
    CKTControlComboBox* AddCombo(BOOL bDropDown, std::initializer_list<LPCSTR> items,
                                 CKTSmartPtr<CKTControlComboBox> pNew = NULL)
    {
        CKTControl* pControl = pNew ? Bar()->GetControls()->Add(pNew.GetInterface(), ID_TEST_ENABLED)
                                    : Bar()->GetControls()->Add(ktControlComboBox, ID_TEST_ENABLED);
        CKTControlComboBox* pCombo = static_cast<CKTControlComboBox*>(pControl);
        pCombo->SetWidth(150);
        pCombo->SetDropDown(bDropDown);
        for (LPCSTR lpszItem : items)
            List(pCombo)->AddString(lpszItem);
        m_pCommandBars->RecalcFrameLayout();
        Bar()->RedrawWindow();
        PumpMessages();
        return pCombo;
    }
    CKTToolBar* Bar() const { return m_pFrame->m_pStandard; }
    static CKTControlComboBoxList* List(CKTControlComboBox* pCombo)
    {
        return static_cast<CKTControlComboBoxList*>(pCombo->GetCommandBar());
    }
    static BOOL IsListShown(CKTControlComboBox* pCombo) { return List(pCombo)->IsWindowVisible(); }
    CPoint ButtonPoint(CKTControlComboBox* pCombo) const
    {
        CRect rc = pCombo->GetRect();
        return CPoint(rc.right - 5, rc.CenterPoint().y);
    }
    CPoint FieldPoint(CKTControlComboBox* pCombo) const
    {
        return FieldInBar(pCombo->GetEditCtrl()->GetSafeHwnd()).CenterPoint();
    }
    // The centre of a list row, in the bar's client coordinates.
    CPoint RowPoint(CKTControlComboBox* pCombo, int nRow) const
    {
        CRect rcItem;
        List(pCombo)->SendMessage(LB_GETITEMRECT, nRow, (LPARAM)&rcItem);
        CPoint pt = rcItem.CenterPoint();
        List(pCombo)->MapWindowPoints(Bar(), &pt, 1);
        return pt;
    }
    std::vector<UINT> Codes() const { return m_pFrame->m_notifyCodes; }
    // A text field's window in the bar's client coordinates.
    CRect FieldInBar(HWND hField) const
    {
        CRect rc;
        ::GetWindowRect(hField, &rc);
        Bar()->ScreenToClient(&rc);
        return rc;
    }
    // From the control's left edge to its text field's.
    int FieldInset(CKTControlComboBox* pCombo) const
    {
        return FieldInBar(pCombo->GetEditCtrl()->GetSafeHwnd()).left - pCombo->GetRect().left;
    }
};
}  // namespace

TEST_F(ComboBoxTest, ClickOpensTheListAndAPickSendsTheCommand)
{
    CKTControlComboBox* pCombo = AddCombo(FALSE, {"alpha", "beta", "gamma"});
    EXPECT_TRUE(pCombo->GetEditCtrl() == NULL) << "a drop-down list has no text field";
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(ButtonPoint(pCombo)));
    ASSERT_TRUE(PumpUntil([&] { return IsListShown(pCombo); }));
    EXPECT_TRUE(pCombo->IsPopuped());
    CRect rcList, rcCombo = pCombo->GetRect();
    List(pCombo)->GetWindowRect(&rcList);
    Bar()->ClientToScreen(&rcCombo);
    EXPECT_EQ(rcCombo.bottom, rcList.top) << "the list drops below the box";
    EXPECT_EQ(rcCombo.Width(), rcList.Width());
    EXPECT_EQ(3 * (int)List(pCombo)->SendMessage(LB_GETITEMHEIGHT, 0) + 4, rcList.Height());

    m_pFrame->m_notifyCodes.clear();
    m_pFrame->m_commands.clear();
    ASSERT_TRUE(bar.Click(RowPoint(pCombo, 1)));
    ASSERT_TRUE(PumpUntil([&] { return !IsListShown(pCombo); }));
    EXPECT_EQ(CString("beta"), pCombo->GetListBoxText());
    EXPECT_EQ(1, pCombo->GetCurSel());
    std::vector<UINT> codes = Codes();
    auto itChange = std::find(codes.begin(), codes.end(), (UINT)CBN_SELCHANGE);
    auto itOk = std::find(codes.begin(), codes.end(), (UINT)CBN_SELENDOK);
    ASSERT_TRUE(itChange != codes.end() && itOk != codes.end());
    EXPECT_LT(itChange - codes.begin(), itOk - codes.begin()) << "the choice, then its confirmation";
    EXPECT_TRUE(std::count(codes.begin(), codes.end(), (UINT)CBN_SELENDCANCEL) == 0);
    ASSERT_EQ(1u, m_pFrame->m_commands.size());
    EXPECT_EQ((UINT)ID_TEST_ENABLED, m_pFrame->m_commands[0]);
}

// The open list draws as its bar: the window's colour with the list box's rows on it, as in a bar's picture.
TEST_F(ComboBoxTest, TheOpenListDrawsItsRowsIntoTheBarsPicture)
{
    CKTControlComboBox* pCombo = AddCombo(FALSE, {"WWWWWW", "WWWWWW"});
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(ButtonPoint(pCombo)));
    ASSERT_TRUE(PumpUntil([&] { return IsListShown(pCombo); }));
    const CRect rcClient = CKTClientRect(List(pCombo));
    CRect rcRow;
    List(pCombo)->SendMessage(LB_GETITEMRECT, 1, (LPARAM)&rcRow);
    CTestSurface surface(rcClient.Width(), rcClient.Height(), RGB(255, 0, 255));
    List(pCombo)->SendMessage(WM_PRINTCLIENT, (WPARAM)surface.DC()->GetSafeHdc(), PRF_CLIENT);
    const COLORREF clrWindow = Bar()->GetPaintManager()->GetColor(COLOR_WINDOW);
    EXPECT_EQ(clrWindow, surface.Pixel(rcClient.right - 2, rcClient.bottom - 1));
    int nText = 0;
    for (int x = rcRow.left; x < rcRow.left + 40; x++)
        for (int y = rcRow.top; y < rcRow.bottom; y++)
            nText += IsNear(surface.Pixel(x, y), ::GetSysColor(COLOR_WINDOWTEXT), 80);
    EXPECT_GT(nText, 0) << "the second row's text";
    // And so on the screen, through the bar's own painting.
    EXPECT_TRUE(PumpUntil(
        [&]
        {
            CPixelImage screen = CPixelImage::FromWindow(List(pCombo)->GetSafeHwnd());
            return screen.Pixel(rcClient.right - 2, rcClient.bottom - 1) == clrWindow &&
                   screen.CountNear(::GetSysColor(COLOR_WINDOWTEXT), 80) > 0;
        }));
}

TEST_F(ComboBoxTest, AnOutsideClickClosesTheListAndCancels)
{
    CKTControlComboBox* pCombo = AddCombo(FALSE, {"alpha", "beta"});
    pCombo->SetCurSel(0);
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(ButtonPoint(pCombo)));
    ASSERT_TRUE(PumpUntil([&] { return IsListShown(pCombo); }));
    m_pFrame->m_notifyCodes.clear();
    CRect rcBar;
    Bar()->GetClientRect(&rcBar);
    ASSERT_TRUE(bar.Click(CPoint(rcBar.right - 20, rcBar.bottom + 150)));
    ASSERT_TRUE(PumpUntil([&] { return !IsListShown(pCombo); }));
    EXPECT_FALSE(pCombo->IsPopuped());
    std::vector<UINT> codes = Codes();
    EXPECT_TRUE(std::count(codes.begin(), codes.end(), (UINT)CBN_CLOSEUP) == 1);
    EXPECT_TRUE(std::count(codes.begin(), codes.end(), (UINT)CBN_SELENDCANCEL) == 1);
    EXPECT_EQ(0, pCombo->GetCurSel()) << "the selection stays as it was";
}

// The wheel over the open list scrolls it, as a list box scrolls, and the list stays open.
TEST_F(ComboBoxTest, TheWheelOverTheOpenListScrollsIt)
{
    CKTControlComboBox* pCombo = AddCombo(FALSE, {});
    for (int i = 0; i < 30; i++)
        List(pCombo)->AddString(CString('a' + (char)(i % 26), 3));
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(ButtonPoint(pCombo)));
    ASSERT_TRUE(PumpUntil([&] { return IsListShown(pCombo); }));
    ASSERT_EQ(0, (int)List(pCombo)->SendMessage(LB_GETTOPINDEX));
    ASSERT_TRUE(bar.Wheel(RowPoint(pCombo, 2), -WHEEL_DELTA));
    ASSERT_TRUE(PumpUntil([&] { return List(pCombo)->SendMessage(LB_GETTOPINDEX) > 0; }));
    EXPECT_TRUE(IsListShown(pCombo));
    ASSERT_TRUE(bar.Wheel(RowPoint(pCombo, 2), WHEEL_DELTA));
    EXPECT_TRUE(PumpUntil([&] { return List(pCombo)->SendMessage(LB_GETTOPINDEX) == 0; })) << "and back";
}

// A click on the drop button of a box with a text field opens the list and gives the field the focus; the list
// stays open once the bar's hover delay, which began with the pointer's arrival on the button, has run out.
TEST_F(ComboBoxTest, TheListOpenedByTheDropButtonOutlastsTheHoverDelay)
{
    CKTControlComboBox* pCombo = AddCombo(TRUE, {"one", "two"});
    CMessageRecorder timers({Bar()->GetSafeHwnd()}, {WM_TIMER});
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(ButtonPoint(pCombo)));
    ASSERT_TRUE(PumpUntil([&] { return IsListShown(pCombo); }));
    auto hovered = [&]
    {
        const std::vector<CRecordedMessage>& messages = timers.Messages();
        return std::any_of(messages.begin(), messages.end(),
                           [](const CRecordedMessage& m) { return m.wParam == KT_TIMER_HOVER; });
    };
    ASSERT_TRUE(PumpUntil(hovered));
    EXPECT_TRUE(IsListShown(pCombo) && pCombo->IsPopuped());
    EXPECT_TRUE(pCombo->IsFocused());
    EXPECT_EQ(pCombo->GetEditCtrl()->GetSafeHwnd(), ::GetFocus()) << "the keys go to the field";
}

// A right press on the text field closes the open list before the field's own menu comes.
TEST_F(ComboBoxTest, ARightPressOnTheFieldClosesTheList)
{
    CKTControlComboBox* pCombo = AddCombo(TRUE, {"one", "two"});
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(ButtonPoint(pCombo)));
    ASSERT_TRUE(PumpUntil([&] { return IsListShown(pCombo) && pCombo->IsFocused(); }));
    BOOL bClosed = FALSE, bFocused = FALSE;
    CLoopInput menu(Bar()->GetSafeHwnd());
    ASSERT_TRUE(menu.Press(FieldPoint(pCombo), true)
                    .Release(true)
                    .Await(
                        [&]
                        {
                            bClosed = !IsListShown(pCombo) && !pCombo->IsPopuped();
                            bFocused = pCombo->IsFocused();
                            return bClosed;
                        })
                    .Key(VK_ESCAPE)
                    .Run());
    PumpMessages();
    EXPECT_TRUE(bClosed);
    EXPECT_TRUE(bFocused) << "the field holds the keys for its menu";
}

// The shell's suggestion list shows under a field: a combo box's field closes the box's open list, so that the
// two lists never show together; an edit field, with no list of its own, lets the box's list be. The list is opened
// from the keyboard, where it stays open until something closes it.
TEST_F(ComboBoxTest, OnlyTheBoxsOwnFieldClosesItsListForTheShellsList)
{
    CKTControlEdit* pEdit = static_cast<CKTControlEdit*>(Bar()->GetControls()->Add(ktControlEdit, ID_TEST_ENABLED));
    pEdit->SetWidth(80);
    CKTControlComboBox* pCombo = AddCombo(TRUE, {"one", "two"});
    ASSERT_TRUE(pCombo->GetEditCtrl() != NULL && pEdit->GetEditCtrl()->GetSafeHwnd() != NULL);
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pCombo)));
    ASSERT_TRUE(PumpUntil([&] { return pCombo->IsFocused(); }));
    ASSERT_TRUE(bar.Key(VK_DOWN, CTestInput::kAlt));
    ASSERT_TRUE(PumpUntil([&] { return IsListShown(pCombo); }));

    pEdit->GetEditCtrl()->SendMessage(KTWM_SUGGESTSHOWN);
    PumpMessages();
    EXPECT_TRUE(IsListShown(pCombo) && pCombo->IsPopuped());
    pCombo->GetEditCtrl()->SendMessage(KTWM_SUGGESTSHOWN);
    EXPECT_TRUE(PumpUntil([&] { return !IsListShown(pCombo) && !pCombo->IsPopuped(); }));
}

// The edit icon stands at the left of the text area, dimmed with the control, and the text field makes room for it.
// A field marked for it gets a new window at the next layout, in the same place and with its text; only once.
TEST_F(ComboBoxTest, APendingDestroyMakesTheFieldsWindowAgain)
{
    CKTControlComboBox* pCombo = AddCombo(TRUE, {"alpha"});
    pCombo->SetEditText("typed");
    CKTEditField* pField = static_cast<IKTEditFieldOwner*>(pCombo)->GetField();
    HWND hOld = pField->GetSafeHwnd();
    const CRect rcOld = FieldInBar(hOld);
    pField->SetPendingDestroy(TRUE);
    pCombo->SetRect(pCombo->GetRect());
    HWND hNew = pField->GetSafeHwnd();
    EXPECT_FALSE(::IsWindow(hOld));
    ASSERT_TRUE(::IsWindow(hNew));
    EXPECT_TRUE(::IsWindowVisible(hNew));
    EXPECT_EQ(rcOld, FieldInBar(hNew));
    EXPECT_EQ(CString("typed"), pCombo->GetEditText());
    EXPECT_FALSE(pField->IsPendingDestroy());
    pCombo->SetRect(pCombo->GetRect());
    EXPECT_EQ(hNew, pField->GetSafeHwnd());
}

// Laid out again where it is, a field's window is left alone: neither moved nor shown again.
TEST_F(ComboBoxTest, AnUnchangedLayoutLeavesTheFieldsWindowAlone)
{
    CKTControlComboBox* pCombo = AddCombo(TRUE, {"alpha"});
    CKTControlEdit* pEdit = static_cast<CKTControlEdit*>(Bar()->GetControls()->Add(ktControlEdit, ID_TEST_ENABLED));
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    HWND hCombo = pCombo->GetEditCtrl()->GetSafeHwnd(), hEdit = pEdit->GetEditCtrl()->GetSafeHwnd();
    ASSERT_TRUE(::IsWindowVisible(hCombo) && ::IsWindowVisible(hEdit));
    CMessageRecorder recorder({hCombo, hEdit}, {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED});
    pCombo->SetRect(pCombo->GetRect());
    pEdit->SetRect(pEdit->GetRect());
    EXPECT_TRUE(recorder.Messages().empty());
    pCombo->DelayReposition();
    pCombo->SetRect(pCombo->GetRect());
    EXPECT_FALSE(recorder.Messages().empty()) << "a reposition asked for moves it all the same";
}

TEST_F(ComboBoxTest, TheEditIconStandsBeforeTheText)
{
    const UINT nId = 9211;
    BYTE andMask[32] = {}, xorMask[32] = {};  // all black
    HICON hIcon = ::CreateIcon(NULL, 16, 16, 1, 1, andMask, xorMask);
    ASSERT_TRUE(hIcon != NULL);
    ASSERT_TRUE(KTImageManager()->SetIcon(CKTImageManagerIconHandle(hIcon), nId, CSize(16, 16)));
    ::DestroyIcon(hIcon);
    CKTControlComboBox* pList = AddCombo(FALSE, {"alpha"});
    pList->SetEditIconId(nId);
    CTestSurface surface(100, 20, RGB(255, 255, 255));
    pList->DrawEditText(surface.DC(), CRect(0, 0, 100, 20));
    EXPECT_EQ(RGB(0, 0, 0), surface.Pixel(8, 10)) << "the icon, centred in the height";
    pList->SetEnabled(FALSE);
    pList->DrawEditText(surface.DC(), CRect(0, 0, 100, 20));
    EXPECT_NE(RGB(0, 0, 0), surface.Pixel(8, 10)) << "the disabled image";

    CKTControlComboBox* pPlain = AddCombo(TRUE, {});
    CKTControlComboBox* pIconic = AddCombo(TRUE, {});
    pIconic->SetEditIconId(nId);
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    EXPECT_EQ(FieldInset(pPlain) + 16 + 2, FieldInset(pIconic));

    // The room is the combo's to adjust: a derived one keeps more, after the icon's.
    CKTControlComboBox* pIndented = AddCombo(TRUE, {}, KTMakeCounted<CIndentedCombo>());
    EXPECT_EQ(FieldInset(pPlain) + 30, FieldInset(pIndented));
    pIndented->SetEditIconId(nId);
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    EXPECT_EQ(FieldInset(pPlain) + 16 + 2 + 30, FieldInset(pIndented));
    KTImageManager()->RemoveIcon(nId);
}

// Fields follow their command's visibility: hidden through the action, neither text window stays over the
// controls that close the gap; shown again, both come back where the bar puts them.
TEST_F(ComboBoxTest, FieldsHiddenThroughTheirActionHideTheirWindowsAndShowThemAgain)
{
    m_pCommandBars->EnableActions(TRUE);
    CKTControlAction* pAction = m_pCommandBars->CreateAction(ID_TEST_ENABLED);
    CKTControlComboBox* pCombo = AddCombo(TRUE, {"alpha"});
    CKTControlEdit* pEdit = static_cast<CKTControlEdit*>(Bar()->GetControls()->Add(ktControlEdit, ID_TEST_ENABLED));
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    ASSERT_EQ(pAction, pEdit->GetAction());
    HWND hCombo = pCombo->GetEditCtrl()->GetSafeHwnd(), hEdit = pEdit->GetEditCtrl()->GetSafeHwnd();
    ASSERT_TRUE(::IsWindowVisible(hCombo) && ::IsWindowVisible(hEdit));

    pAction->SetVisible(FALSE);
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    EXPECT_FALSE(::IsWindowVisible(hCombo));
    EXPECT_FALSE(::IsWindowVisible(hEdit));

    pAction->SetVisible(TRUE);
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    EXPECT_TRUE(::IsWindowVisible(hCombo));
    EXPECT_TRUE(::IsWindowVisible(hEdit));
    EXPECT_EQ(pEdit->GetRect().left + pEdit->GetLabelWidth() + 4, FieldInBar(hEdit).left);
}

// A combo box matches another only with the same saved keys: a changed one is told from the bar's original.
TEST_F(ComboBoxTest, CombosCompareByTheirKeys)
{
    CKTControlComboBox* pFirst = AddCombo(TRUE, {});
    CKTControlComboBox* pSecond = AddCombo(TRUE, {});
    ASSERT_TRUE(pFirst->Compare(pSecond));
    const std::vector<std::function<void(CKTControlComboBox*)>> changes = {
        [](CKTControlComboBox* p) { p->SetDropDown(FALSE); },
        [](CKTControlComboBox* p) { p->SetComboStyle(1); },
        [](CKTControlComboBox* p) { p->SetEditHint("Find"); },
        [](CKTControlComboBox* p) { p->SetAutoComplete(TRUE); },
        [](CKTControlComboBox* p) { p->SetEditIconId(5); },
        [](CKTControlComboBox* p) { p->SetDropDownItemCount(3); },
        [](CKTControlComboBox* p) { p->GetField()->SetEditStyle(ES_UPPERCASE); },
    };
    for (size_t i = 0; i < changes.size(); i++)
    {
        CKTSmartPtr<CKTControl> pChanged = CKTSmartPtr<CKTControl>::Adopt(pFirst->Clone(FALSE));
        changes[i](static_cast<CKTControlComboBox*>(pChanged.GetInterface()));
        EXPECT_FALSE(pChanged->Compare(pFirst)) << "change " << i;
    }
    EXPECT_TRUE(CKTSmartPtr<CKTControl>::Adopt(pFirst->Clone(FALSE))->Compare(pFirst)) << "a copy matches";
}

TEST_F(ComboBoxTest, AltDownAndF4OpenTheListOfAFocusedField)
{
    CKTControlComboBox* pCombo = AddCombo(TRUE, {"one", "two", "three"});
    ASSERT_TRUE(pCombo->GetEditCtrl() != NULL);
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pCombo)));
    ASSERT_TRUE(PumpUntil([&] { return pCombo->IsFocused(); }));
    EXPECT_FALSE(IsListShown(pCombo));

    ASSERT_TRUE(bar.Key(VK_DOWN, CTestInput::kAlt));
    ASSERT_TRUE(PumpUntil([&] { return IsListShown(pCombo); }));
    ASSERT_TRUE(bar.Key(VK_F4));
    ASSERT_TRUE(PumpUntil([&] { return !IsListShown(pCombo); }));
    EXPECT_TRUE(pCombo->IsFocused()) << "closing the list keeps the field";
    ASSERT_TRUE(bar.Wheel(FieldPoint(pCombo), -WHEEL_DELTA));
    EXPECT_EQ(CString("one"), pCombo->GetEditText()) << "the wheel moves the choice of a closed list";
    ASSERT_TRUE(bar.Key(VK_F4));
    ASSERT_TRUE(PumpUntil([&] { return IsListShown(pCombo); }));

    m_pFrame->m_commands.clear();
    ASSERT_TRUE(bar.Key(VK_DOWN));
    ASSERT_TRUE(bar.Key(VK_DOWN));
    EXPECT_EQ(CString("three"), pCombo->GetEditText()) << "moving in the list fills the field";
    ASSERT_TRUE(bar.Key(VK_RETURN));
    ASSERT_TRUE(PumpUntil([&] { return !m_pFrame->m_commands.empty(); }));
    EXPECT_EQ((UINT)ID_TEST_ENABLED, m_pFrame->m_commands[0]);
    EXPECT_FALSE(IsListShown(pCombo));
}

TEST_F(ComboBoxTest, TypingCompletesFromTheListAndBackspaceDoesNotAgain)
{
    CKTControlComboBox* pCombo = AddCombo(TRUE, {"abc", "xyz"});
    pCombo->SetAutoComplete(TRUE);
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pCombo)));
    ASSERT_TRUE(PumpUntil([&] { return pCombo->IsFocused(); }));
    ASSERT_TRUE(bar.Text("ab"));
    EXPECT_EQ(CString("abc"), pCombo->GetEditText());
    int nStart = 0, nEnd = 0;
    pCombo->GetEditCtrl()->GetSel(nStart, nEnd);
    EXPECT_EQ(2, std::min(nStart, nEnd)) << "the completed part is selected";
    EXPECT_EQ(3, std::max(nStart, nEnd));
    EXPECT_EQ(0, pCombo->GetCurSel()) << "the list follows an exact match";

    ASSERT_TRUE(bar.Key(VK_BACK));
    EXPECT_EQ(CString("ab"), pCombo->GetEditText()) << "deleting never completes";
    ASSERT_TRUE(bar.Text("d"));
    EXPECT_EQ(CString("abd"), pCombo->GetEditText()) << "no item begins so";
    ASSERT_TRUE(bar.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !pCombo->IsFocused(); }));
    EXPECT_EQ(CString(""), pCombo->GetEditText()) << "Esc brings back the text from before";
}

TEST_F(ComboBoxTest, TheListShowsAtMostItsRowCount)
{
    CKTControlComboBox* pEmpty = AddCombo(FALSE, {});
    CKTControlComboBox* pLong = AddCombo(FALSE, {});
    for (int i = 0; i < 30; i++)
        List(pLong)->AddString(CString('a' + (char)(i % 26), 3));
    CTestInput bar(Bar()->GetSafeHwnd());
    for (auto [pCombo, nRows] : {std::make_pair(pEmpty, 1), std::make_pair(pLong, 12)})
    {
        ASSERT_TRUE(bar.Click(ButtonPoint(pCombo)));
        ASSERT_TRUE(PumpUntil([&] { return IsListShown(pCombo); }));
        // The rows are measured in the font the list takes on opening.
        const int nItem = (int)List(pCombo)->SendMessage(LB_GETITEMHEIGHT, 0);
        CRect rc;
        List(pCombo)->GetWindowRect(&rc);
        EXPECT_EQ(nRows * nItem + 4, rc.Height());
        ASSERT_TRUE(bar.Key(VK_ESCAPE));
        ASSERT_TRUE(PumpUntil([&] { return !IsListShown(pCombo); }));
    }
}

TEST_F(ComboBoxTest, EscWithTheListOpenClosesOnlyTheListAndASecondEscCancels)
{
    CKTControlComboBox* pCombo = AddCombo(TRUE, {"one", "two"});
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pCombo)));
    ASSERT_TRUE(PumpUntil([&] { return pCombo->IsFocused(); }));
    ASSERT_TRUE(bar.Text("foo"));
    ASSERT_TRUE(bar.Key(VK_F4));
    ASSERT_TRUE(PumpUntil([&] { return IsListShown(pCombo); }));

    ASSERT_TRUE(bar.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !IsListShown(pCombo); }));
    EXPECT_EQ(CString("foo"), pCombo->GetEditText()) << "the typed text stays";
    EXPECT_TRUE(pCombo->IsFocused());
    EXPECT_EQ(pCombo->GetEditCtrl()->GetSafeHwnd(), ::GetFocus());

    ASSERT_TRUE(bar.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !pCombo->IsFocused(); }));
    EXPECT_EQ(CString(""), pCombo->GetEditText()) << "the second Esc cancels the edit";
}

TEST_F(ComboBoxTest, EscWhileTheSuggestionListShowsHidesOnlyTheList)
{
    CKTControlComboBox* pCombo = AddCombo(TRUE, {"one", "two"});
    pCombo->SetShellAutoComplete(SHACF_FILESYSTEM);
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pCombo)));
    ASSERT_TRUE(PumpUntil([&] { return pCombo->IsFocused(); }));
    ASSERT_TRUE(bar.Text("foo"));
    CStandInSuggestList standIn;
    standIn.Wnd().ShowWindow(SW_SHOWNOACTIVATE);
    ASSERT_TRUE(PumpUntil([&] { return pCombo->GetField()->GetShellHook()->GetSuggestWindow() != NULL; }));

    ASSERT_TRUE(bar.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !standIn.Wnd().IsWindowVisible(); }));
    EXPECT_EQ(CString("foo"), pCombo->GetEditText()) << "the typed text stays";
    EXPECT_TRUE(pCombo->IsFocused());
}

TEST_F(ComboBoxTest, AClickInAnEmptyListLeavesTheTextAndSendsNothing)
{
    CKTControlComboBox* pCombo = AddCombo(TRUE, {});
    pCombo->SetEditText("kept");
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(ButtonPoint(pCombo)));
    ASSERT_TRUE(PumpUntil([&] { return IsListShown(pCombo); }));
    m_pFrame->m_commands.clear();
    CPoint ptInList = CKTClientRect(List(pCombo)).CenterPoint();
    List(pCombo)->MapWindowPoints(Bar(), &ptInList, 1);
    ASSERT_TRUE(bar.Click(ptInList));
    EXPECT_EQ(CString("kept"), pCombo->GetEditText());
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    EXPECT_TRUE(IsListShown(pCombo));
}

TEST_F(ComboBoxTest, CompletionKeepsTheLettersAsTyped)
{
    CKTControlComboBox* pCombo = AddCombo(TRUE, {"hello"});
    pCombo->SetAutoComplete(TRUE);
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pCombo)));
    ASSERT_TRUE(PumpUntil([&] { return pCombo->IsFocused(); }));
    ASSERT_TRUE(bar.Text("He"));
    EXPECT_EQ(CString("Hello"), pCombo->GetEditText());
    int nStart = 0, nEnd = 0;
    pCombo->GetEditCtrl()->GetSel(nStart, nEnd);
    EXPECT_EQ(2, std::min(nStart, nEnd)) << "the completed part is selected";
    EXPECT_EQ(5, std::max(nStart, nEnd));
    ASSERT_TRUE(bar.Text("p"));
    EXPECT_EQ(CString("Hep"), pCombo->GetEditText());
}
