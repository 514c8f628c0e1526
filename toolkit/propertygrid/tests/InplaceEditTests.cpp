// InplaceEditTests.cpp: editing values in place with real input: edit placement, notifications, the drop-down list and keys.
#include "FieldPageTest.h"
#include "KTPropertyGridInplaceEdit.h"
#include "KTPropertyGridInplaceList.h"
#include "MessagePump.h"

namespace
{

class InplaceEditTest : public FieldPageTest
{
protected:
    void SetUp() override
    {
        FieldPageTest::SetUp();
        CKTPropertyGridItem* pExtra = m_grid.GetGridView()->AddCategory("Extra");
        m_pMany = pExtra->AddChildItem(new CKTPropertyGridItem("Many", "c7"));
        for (int i = 0; i < 25; i++)
            m_pMany->GetConstraints()->AddConstraint(CString("c") + CString(std::to_string(i).c_str()));
        m_pMany->SetFlags(KTPGF_HASEDIT | KTPGF_HASCOMBOBUTTON);
        m_pMode = pExtra->AddChildItem(new CKTPropertyGridItem("Mode", "bit"));
        for (const char* psz : {"bit", "byte", "TLV"})
            m_pMode->GetConstraints()->AddConstraint(psz);
        m_pMode->SetConstraintEdit(TRUE);
        m_pShort = pExtra->AddChildItem(new CKTPropertyGridItem("Short", ""));
        m_pShort->SetMaxLength(4);
        pExtra->Expand();
        m_owner.m_notices.clear();
        Settle();
    }
    CKTPropertyGridInplaceEdit& Edit() { return m_grid.GetInplaceEdit(); }
    CKTPropertyGridInplaceList& List() { return m_grid.GetInplaceList(); }
    CString EditText()
    {
        CString str;
        Edit().GetWindowText(str);
        return str;
    }
    CPoint ValuePoint(CKTPropertyGridItem* pItem)
    {
        CRect rc = RowRect(pItem);
        return CPoint(m_pView->GetDividerPos() + 30, rc.CenterPoint().y);
    }
    CPoint CaptionPoint(CKTPropertyGridItem* pItem) { return CPoint(40, RowRect(pItem).CenterPoint().y); }
    // Clicks the value and waits until the edit has the focus for the item.
    void StartEditing(CKTPropertyGridItem* pItem)
    {
        Input().Click(ValuePoint(pItem));
        ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == Edit().GetSafeHwnd() && Edit().GetItem() == pItem; }));
    }
    BOOL ListOpen() { return List().GetSafeHwnd() && List().IsWindowVisible(); }
    // Keys for the open list: holding the focus as a top-level popup, the
    // display makes it the foreground window.
    CTestInput& ListInput()
    {
        m_pListInput = std::make_unique<CTestInput>(List().GetSafeHwnd());
        return *m_pListInput;
    }

    CKTPropertyGridItem* m_pMany = nullptr;   // 25 allowed values
    CKTPropertyGridItem* m_pMode = nullptr;   // picked by typing a letter
    CKTPropertyGridItem* m_pShort = nullptr;  // at most 4 characters
    std::unique_ptr<CTestInput> m_pListInput;
};

}  // namespace

TEST_F(InplaceEditTest, ClickOpensTheEditOverTheValueWithItsMargins)
{
    CKTPropertyGridItem* pMaxLength = Find("Max Length");
    StartEditing(pMaxLength);
    HWND hEdit = Edit().GetSafeHwnd();
    char szClass[16] = {};
    ::GetClassNameA(hEdit, szClass, sizeof(szClass));
    EXPECT_STRCASEEQ("Edit", szClass);
    EXPECT_EQ(m_pView->GetSafeHwnd(), ::GetParent(hEdit));
    EXPECT_TRUE(::IsWindowVisible(hEdit));

    CRect rcEdit = CKTWindowRect(hEdit);
    m_pView->ScreenToClient(&rcEdit);
    CRect rcRow = RowRect(pMaxLength);
    EXPECT_EQ(CRect(m_pView->GetDividerPos() + 1, rcRow.top, rcRow.right, rcRow.bottom - 1), rcEdit);
    EXPECT_EQ(pMaxLength->GetValueRect(), rcEdit);
    DWORD dwMargins = static_cast<DWORD>(::SendMessage(hEdit, EM_GETMARGINS, 0, 0));
    EXPECT_EQ(3, LOWORD(dwMargins));
    EXPECT_EQ(3, HIWORD(dwMargins));
    EXPECT_EQ(1, m_owner.Count(KTPGN_REQUESTEDIT));

    Input().Click(ValuePoint(Find("Unit")));
    EXPECT_EQ(Find("Unit"), Edit().GetItem());
    rcEdit = CKTWindowRect(hEdit);
    m_pView->ScreenToClient(&rcEdit);
    EXPECT_EQ(RowRect(Find("Unit")).right - ::GetSystemMetrics(SM_CXHTHUMB), rcEdit.right)
        << "the drop-down button keeps its room";
}

TEST_F(InplaceEditTest, TypingAndEnterStoreTheTextAndTellTheOwner)
{
    CKTPropertyGridItem* pMaxLength = Find("Max Length");
    StartEditing(pMaxLength);
    Input().Text("12");
    Input().Key(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return m_owner.Count(KTPGN_VALUECHANGED) == 1; }));
    EXPECT_EQ((std::vector<int>{KTPGN_AFTEREDIT, KTPGN_VALUECHANGED}), m_owner.EditCodes());
    EXPECT_STREQ("12", m_owner.Last(KTPGN_AFTEREDIT)->strText);
    EXPECT_EQ(pMaxLength, m_owner.Last(KTPGN_VALUECHANGED)->pItem);
    EXPECT_STREQ("12", m_owner.Last(KTPGN_VALUECHANGED)->strText);
    EXPECT_STREQ("12", pMaxLength->GetValue());
    EXPECT_EQ(m_pView->GetSafeHwnd(), ::GetFocus()) << "Enter gives the focus back to the rows";
}

TEST_F(InplaceEditTest, EscapeAndLeavingCancelAndKeepTheValue)
{
    CKTPropertyGridItem* pMaxCount = Find("Max Count");
    pMaxCount->SetValue("3");
    StartEditing(pMaxCount);
    Input().Text("99");
    Input().Key(VK_ESCAPE);
    Input().Click(CaptionPoint(Find("Unit")));
    ASSERT_TRUE(PumpUntil([&] { return m_owner.Count(KTPGN_CANCELEDIT) == 1; }));
    EXPECT_EQ(0, m_owner.Count(KTPGN_VALUECHANGED));
    EXPECT_EQ(0, m_owner.Count(KTPGN_AFTEREDIT));
    EXPECT_STREQ("3", pMaxCount->GetValue());
}

TEST_F(InplaceEditTest, MakingTheEditedItemReadOnlyEndsTheEditAndLocksIt)
{
    CKTPropertyGridItem* pMaxLength = Find("Max Length");
    StartEditing(pMaxLength);
    Input().Text("7");
    pMaxLength->SetReadOnly(TRUE);
    EXPECT_STREQ("7", pMaxLength->GetValue()) << "what was typed is kept";
    EXPECT_EQ(pMaxLength, Edit().GetItem());
    EXPECT_TRUE(Edit().GetStyle() & ES_READONLY);
    Input().Text("8");
    EXPECT_STREQ("7", EditText());
}

TEST_F(InplaceEditTest, AnOwnerCanRefuseTheEdit)
{
    m_owner.m_bRefuseEdit = TRUE;
    Input().Click(ValuePoint(Find("Max Length")));
    EXPECT_NE(Edit().GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(m_pView->GetSafeHwnd(), ::GetFocus());
}

TEST_F(InplaceEditTest, F4OpensTheToolWindowListShowingTenOfTwentyFive)
{
    Input().Click(CaptionPoint(m_pMany));
    Input().Key(VK_F4);
    ASSERT_TRUE(PumpUntil([&] { return ListOpen(); }));
    EXPECT_EQ(25, List().GetCount());
    EXPECT_EQ(7, List().GetCurSel()) << "the row of the current value";
    EXPECT_TRUE(List().GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(List().GetStyle() & WS_POPUP);
    EXPECT_FALSE(List().GetStyle() & WS_CHILD);
    EXPECT_EQ(m_pView->GetSafeHwnd(), ::GetWindow(List().GetSafeHwnd(), GW_OWNER));
    EXPECT_EQ(10, CKTClientRect(&List()).Height() / List().GetItemHeight(0));

    CRect rcRow = RowRect(m_pMany);
    m_pView->ClientToScreen(&rcRow);
    CRect rcList = CKTWindowRect(&List());
    EXPECT_EQ(rcRow.bottom, rcList.top) << "opens below the row";
    EXPECT_EQ(rcRow.right, rcList.right);

    CTestInput& list = ListInput();
    EXPECT_TRUE(list.Key(VK_DOWN));
    EXPECT_TRUE(list.Key(VK_RETURN));
    ASSERT_TRUE(PumpUntil([&] { return !ListOpen(); }));
    EXPECT_STREQ("c8", m_pMany->GetValue());
    EXPECT_EQ((std::vector<int>{KTPGN_AFTEREDIT, KTPGN_VALUECHANGED}), m_owner.EditCodes());
    EXPECT_EQ(8, m_pMany->GetConstraints()->GetCurrent());
}

TEST_F(InplaceEditTest, EscapeClosesTheListAndCancels)
{
    Input().Click(CaptionPoint(m_pMany));
    Input().Key(VK_F4);
    ASSERT_TRUE(PumpUntil([&] { return ListOpen(); }));
    EXPECT_TRUE(ListInput().Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !ListOpen(); }));
    EXPECT_EQ(1, m_owner.Count(KTPGN_CANCELEDIT));
    EXPECT_STREQ("c7", m_pMany->GetValue());
}

TEST_F(InplaceEditTest, AClickOutsideClosesTheListAndCancels)
{
    Input().Click(CaptionPoint(m_pMany));
    Input().Key(VK_F4);
    ASSERT_TRUE(PumpUntil([&] { return ListOpen(); }));
    CTestInput outside(m_owner.GetSafeHwnd());
    CRect rcOwner = CKTClientRect(&m_owner);
    EXPECT_TRUE(outside.Click(CPoint(rcOwner.right - 5, rcOwner.bottom - 5)));
    ASSERT_TRUE(PumpUntil([&] { return !ListOpen(); }));
    EXPECT_EQ(1, m_owner.Count(KTPGN_CANCELEDIT));
    EXPECT_STREQ("c7", m_pMany->GetValue());
}

TEST_F(InplaceEditTest, NearTheScreenBottomTheListOpensAboveTheRow)
{
    CRect rcWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0);
    CRect rcRow = RowRect(m_pMany);
    m_pView->ClientToScreen(&rcRow);
    CRect rcOwner = CKTWindowRect(&m_owner);
    int dy = rcWork.bottom - 40 - rcRow.bottom;
    m_owner.SetWindowPos(NULL, rcOwner.left, rcOwner.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Settle();

    Input().Click(CaptionPoint(m_pMany));
    Input().Key(VK_F4);
    ASSERT_TRUE(PumpUntil([&] { return ListOpen(); }));
    rcRow = RowRect(m_pMany);
    m_pView->ClientToScreen(&rcRow);
    EXPECT_EQ(rcRow.top, CKTWindowRect(&List()).bottom);
    ListInput().Key(VK_ESCAPE);
}

TEST_F(InplaceEditTest, ArrowsStopAtTheEndsAndDoubleClickWraps)
{
    CKTPropertyGridItem* pUnit = Find("Unit");
    StartEditing(pUnit);
    Input().Key(VK_UP);
    EXPECT_STREQ("byte", EditText()) << "Up on the first stays";
    Input().Key(VK_DOWN);
    Input().Key(VK_DOWN);
    Input().Key(VK_DOWN);
    EXPECT_STREQ("TLV", EditText()) << "Down on the last stays";
    EXPECT_EQ(2, pUnit->GetConstraints()->GetCurrent());
    Input().Key(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return pUnit->GetValue() == "TLV"; }));

    StartEditing(pUnit);
    ::Sleep(::GetDoubleClickTime() + 50);  // the press that opened the edit is not half of a double click
    Input().DoubleClick(ValuePoint(pUnit));
    ASSERT_TRUE(PumpUntil([&] { return pUnit->GetValue() == "byte"; })) << "past the last comes the first";
    EXPECT_NE(Edit().GetSafeHwnd(), ::GetFocus()) << "the double click ended the edit";
    EXPECT_EQ(2, m_owner.Count(KTPGN_VALUECHANGED));
}

TEST_F(InplaceEditTest, TypingALetterPicksTheNextConstraint)
{
    StartEditing(m_pMode);
    EXPECT_TRUE(Edit().GetStyle() & ES_READONLY);
    Input().Text("b");
    EXPECT_STREQ("byte", EditText());
    Input().Text("x");
    EXPECT_STREQ("byte", EditText());
    Input().Text("B");
    EXPECT_STREQ("bit", EditText()) << "wraps round to the first";
    Input().Text("t");
    EXPECT_STREQ("TLV", EditText());
    Input().Key(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return m_pMode->GetValue() == "TLV"; }));
}

// Typing on a selected row goes into its edit, here through the item's mask.
TEST_F(InplaceEditTest, TypingOnAMaskedRowFillsTheMask)
{
    CKTPropertyGridItem* pTag = Find("Tag");
    Input().Click(CaptionPoint(pTag));
    EXPECT_STREQ("0x________", EditText());
    Input().Text("1f");
    EXPECT_EQ(Edit().GetSafeHwnd(), ::GetFocus());
    EXPECT_STREQ("0x1f______", EditText());
    Input().Key(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return m_owner.Count(KTPGN_VALUECHANGED) == 1; }));
    EXPECT_STREQ("0x1f______", pTag->GetValue()) << "the owner cuts the prompt characters";
}

TEST_F(InplaceEditTest, TypingStopsAtTheItemsTextLimit)
{
    StartEditing(m_pShort);
    EXPECT_EQ(4u, static_cast<UINT>(Edit().SendMessage(EM_GETLIMITTEXT)));
    Input().Text("abcdefgh");
    EXPECT_STREQ("abcd", EditText());
    Input().Key(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return m_pShort->GetValue() == "abcd"; }));

    StartEditing(Find("Max Length"));
    EXPECT_LT(4u, static_cast<UINT>(Edit().SendMessage(EM_GETLIMITTEXT))) << "an item without a limit";
}
