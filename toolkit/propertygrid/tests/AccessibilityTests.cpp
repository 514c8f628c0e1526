// AccessibilityTests.cpp: the view and its rows as an accessibility client sees them.
#include <oleacc.h>

#include "FieldPageTest.h"

namespace
{

// Releases a COM interface at the end of the scope.
template <class T>
class CComHolder
{
public:
    ~CComHolder()
    {
        if (p)
            p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
    T* p = nullptr;
};

CString BstrText(BSTR bstr)
{
    char sz[256] = {};
    if (bstr)
        ::WideCharToMultiByte(CP_ACP, 0, bstr, -1, sz, sizeof(sz) - 1, NULL, NULL);
    ::SysFreeString(bstr);
    return CString(sz);
}

VARIANT Child(long nChild)
{
    VARIANT var;
    var.vt = VT_I4;
    var.lVal = nChild;
    return var;
}

class AccessibilityTest : public FieldPageTest
{
protected:
    void SetUp() override
    {
        FieldPageTest::SetUp();
        ASSERT_HRESULT_SUCCEEDED(::AccessibleObjectFromWindow(m_pView->GetSafeHwnd(), static_cast<DWORD>(OBJID_CLIENT),
                                                              IID_IAccessible, reinterpret_cast<void**>(&m_view)));
    }
    // The accessible object of row n (child n + 1).
    void GetRow(int nRow, CComHolder<IAccessible>& row)
    {
        CComHolder<IDispatch> dispatch;
        ASSERT_EQ(S_OK, m_view->get_accChild(Child(nRow + 1), &dispatch));
        ASSERT_HRESULT_SUCCEEDED(dispatch->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&row)));
    }
    long State(IAccessible* pAccessible)
    {
        VARIANT var = {};
        pAccessible->get_accState(Child(CHILDID_SELF), &var);
        return var.lVal;
    }

    CComHolder<IAccessible> m_view;
};

}  // namespace

TEST_F(AccessibilityTest, TheViewIsAPropertiesWindowTable)
{
    BSTR bstr = nullptr;
    ASSERT_EQ(S_OK, m_view->get_accName(Child(CHILDID_SELF), &bstr));
    EXPECT_STREQ("Properties Window", BstrText(bstr));
    VARIANT role = {};
    ASSERT_EQ(S_OK, m_view->get_accRole(Child(CHILDID_SELF), &role));
    EXPECT_EQ(ROLE_SYSTEM_TABLE, role.lVal);
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE, State(m_view.p));
    long nChildren = 0;
    ASSERT_EQ(S_OK, m_view->get_accChildCount(&nChildren));
    EXPECT_EQ(12, nChildren);
    CComHolder<IDispatch> none;
    EXPECT_EQ(E_INVALIDARG, m_view->get_accChild(Child(13), &none));
    long x = 0, y = 0, cx = 0, cy = 0;
    ASSERT_EQ(S_OK, m_view->accLocation(&x, &y, &cx, &cy, Child(CHILDID_SELF)));
    EXPECT_EQ(CKTWindowRect(m_pView), CRect(x, y, x + cx, y + cy));
}

TEST_F(AccessibilityTest, RowsAnswerWithTheirItems)
{
    CComHolder<IAccessible> unit;
    GetRow(Find("Unit")->GetIndex(), unit);
    BSTR bstr = nullptr;
    ASSERT_EQ(S_OK, unit->get_accName(Child(CHILDID_SELF), &bstr));
    EXPECT_STREQ("Unit", BstrText(bstr));
    ASSERT_EQ(S_OK, unit->get_accValue(Child(CHILDID_SELF), &bstr));
    EXPECT_STREQ("byte", BstrText(bstr));
    VARIANT role = {};
    ASSERT_EQ(S_OK, unit->get_accRole(Child(CHILDID_SELF), &role));
    EXPECT_EQ(ROLE_SYSTEM_ROW, role.lVal);
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE, State(unit.p));
    EXPECT_EQ(E_INVALIDARG, unit->get_accName(Child(1), &bstr));

    long x = 0, y = 0, cx = 0, cy = 0;
    ASSERT_EQ(S_OK, unit->accLocation(&x, &y, &cx, &cy, Child(CHILDID_SELF)));
    CRect rcRow = RowRect(Find("Unit"));
    m_pView->ClientToScreen(&rcRow);
    EXPECT_EQ(rcRow, CRect(x, y, x + cx, y + cy));

    ASSERT_EQ(S_OK, unit->accDoDefaultAction(Child(CHILDID_SELF)));
    EXPECT_EQ(Find("Unit"), m_pView->GetSelectedItem());
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSED, State(unit.p));
    Find("Unit")->SetReadOnly(TRUE);
    EXPECT_TRUE(State(unit.p) & STATE_SYSTEM_READONLY);
}

TEST_F(AccessibilityTest, HitTestFindsTheRowUnderThePoint)
{
    CRect rcRow = RowRect(Find("Data Type"));
    m_pView->ClientToScreen(&rcRow);
    VARIANT var = {};
    ASSERT_EQ(S_OK, m_view->accHitTest(rcRow.left + 20, rcRow.CenterPoint().y, &var));
    ASSERT_EQ(VT_DISPATCH, var.vt);
    CComHolder<IAccessible> row;
    ASSERT_HRESULT_SUCCEEDED(var.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&row)));
    var.pdispVal->Release();
    BSTR bstr = nullptr;
    row->get_accName(Child(CHILDID_SELF), &bstr);
    EXPECT_STREQ("Data Type", BstrText(bstr));
}
