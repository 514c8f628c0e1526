// AccessibilityTests.cpp: the view and its rows as an accessibility client sees them.
#include "AccessibleClient.h"
#include "FieldPageTest.h"

namespace
{

class AccessibilityTest : public FieldPageTest
{
protected:
    void SetUp() override
    {
        FieldPageTest::SetUp();
        AccClientObject(m_pView->GetSafeHwnd(), m_view);
    }
    // The accessible object of row n (child n + 1).
    void GetRow(int nRow, CComHolder<IAccessible>& row) { AccChildObject(m_view.p, nRow + 1, row); }

    CComHolder<IAccessible> m_view;
};

}  // namespace

TEST_F(AccessibilityTest, TheViewIsAPropertiesWindowTable)
{
    EXPECT_EQ(CString("Properties Window"), AccName(m_view.p));
    EXPECT_EQ(ROLE_SYSTEM_TABLE, AccRole(m_view.p));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE, AccState(m_view.p));
    long nChildren = 0;
    ASSERT_EQ(S_OK, m_view->get_accChildCount(&nChildren));
    EXPECT_EQ(12, nChildren);
    CComHolder<IDispatch> none;
    EXPECT_EQ(E_INVALIDARG, m_view->get_accChild(AccChild(13), &none));
    EXPECT_EQ(CRect(CKTWindowRect(m_pView)), AccLocation(m_view.p));
    CComHolder<IAccessible> parent;
    AccParentObject(m_view.p, parent);
    EXPECT_EQ(m_pView->GetSafeHwnd(), AccWindow(parent.p)) << "its parent is its window's standard object";
}

TEST_F(AccessibilityTest, RowsAnswerWithTheirItems)
{
    CComHolder<IAccessible> unit;
    GetRow(Find("Unit")->GetIndex(), unit);
    EXPECT_EQ(CString("Unit"), AccName(unit.p));
    BSTR bstr = nullptr;
    ASSERT_EQ(S_OK, unit->get_accValue(AccChild(CHILDID_SELF), &bstr));
    EXPECT_EQ(CString("byte"), AccText(bstr));
    EXPECT_EQ(ROLE_SYSTEM_ROW, AccRole(unit.p));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE, AccState(unit.p));
    EXPECT_EQ(E_INVALIDARG, unit->get_accName(AccChild(1), &bstr));

    CRect rcRow = RowRect(Find("Unit"));
    m_pView->ClientToScreen(&rcRow);
    EXPECT_EQ(rcRow, AccLocation(unit.p));

    ASSERT_EQ(S_OK, unit->accDoDefaultAction(AccChild(CHILDID_SELF)));
    EXPECT_EQ(Find("Unit"), m_pView->GetSelectedItem());
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSED, AccState(unit.p));
    Find("Unit")->SetReadOnly(TRUE);
    EXPECT_TRUE(AccState(unit.p) & STATE_SYSTEM_READONLY);
}

TEST_F(AccessibilityTest, HitTestFindsTheRowUnderThePoint)
{
    CRect rcRow = RowRect(Find("Data Type"));
    m_pView->ClientToScreen(&rcRow);
    CComHolder<IAccessible> row;
    AccHitObject(m_view.p, CPoint(rcRow.left + 20, rcRow.CenterPoint().y), row);
    EXPECT_EQ(CString("Data Type"), AccName(row.p));
}
