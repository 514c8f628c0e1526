// A group of panes, its panes and the manager as an accessibility client sees them: names, roles, states,
// places, hit tests and the action that shows a pane.
#include <oleacc.h>

#include <gtest/gtest.h>

#include "DockingTestFrame.h"
#include "KTDockingPaneLayoutData.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawObjects.h"

namespace
{
// Releases a COM interface at the end of the scope.
template <class T>
class CComHolder
{
public:
    CComHolder() = default;
    CComHolder(const CComHolder&) = delete;
    CComHolder& operator=(const CComHolder&) = delete;
    ~CComHolder()
    {
        if (p)
            p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
    T* p = nullptr;
};

VARIANT Child(long nChild)
{
    VARIANT var;
    var.vt = VT_I4;
    var.lVal = nChild;
    return var;
}

CString Name(IAccessible* pAccessible, long nChild = CHILDID_SELF)
{
    BSTR bstr = nullptr;
    if (FAILED(pAccessible->get_accName(Child(nChild), &bstr)))
        return "(failed)";
    char sz[256] = {};
    if (bstr)
        ::WideCharToMultiByte(CP_ACP, 0, bstr, -1, sz, sizeof(sz) - 1, NULL, NULL);
    ::SysFreeString(bstr);
    return sz;
}

long Role(IAccessible* pAccessible)
{
    VARIANT var = {};
    pAccessible->get_accRole(Child(CHILDID_SELF), &var);
    return var.lVal;
}

long State(IAccessible* pAccessible)
{
    VARIANT var = {};
    pAccessible->get_accState(Child(CHILDID_SELF), &var);
    return var.lVal;
}

CRect Location(IAccessible* pAccessible, long nChild = CHILDID_SELF)
{
    long x = 0, y = 0, cx = 0, cy = 0;
    pAccessible->accLocation(&x, &y, &cx, &cy, Child(nChild));
    return CRect(x, y, x + cx, y + cy);
}

// The window a standard window object stands for.
HWND WindowOf(IAccessible* pAccessible)
{
    HWND hWnd = NULL;
    return SUCCEEDED(::WindowFromAccessibleObject(pAccessible, &hWnd)) ? hWnd : NULL;
}

// The object a dispatch answer stands for.
void AsAccessible(IDispatch* pDispatch, CComHolder<IAccessible>& accessible)
{
    ASSERT_TRUE(pDispatch);
    ASSERT_HRESULT_SUCCEEDED(pDispatch->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&accessible)));
}

class DockingAccessibility : public ::testing::Test
{
protected:
    DockingAccessibility() : m_frame(1000, 700)
    {
        m_frame.CreateDesignerPanes();
        CKTDockingPaneManager& manager = m_frame.m_manager;
        manager.AttachPane(manager.FindPane(702), manager.FindPane(701));
        manager.GetLayout()->Normalize();
        m_frame.Layout();
        m_pGroup = manager.FindPane(701)->GetTabbedContainer();
        m_pGroup->SelectPane(manager.FindPane(701), FALSE, FALSE);
    }

    void SetUp() override
    {
        ASSERT_HRESULT_SUCCEEDED(::AccessibleObjectFromWindow(m_pGroup->GetSafeHwnd(), DWORD(OBJID_CLIENT),
                                                              IID_IAccessible, reinterpret_cast<void**>(&m_group)));
    }

    void GetChild(IAccessible* pParent, long nChild, CComHolder<IAccessible>& child)
    {
        CComHolder<IDispatch> dispatch;
        ASSERT_EQ(S_OK, pParent->get_accChild(Child(nChild), &dispatch));
        AsAccessible(dispatch.p, child);
    }

    CPoint OnScreen(CPoint pt)
    {
        m_pGroup->ClientToScreen(&pt);
        return pt;
    }

    CDockingTestFrame m_frame;
    CKTDockingPaneTabbedContainer* m_pGroup = nullptr;
    CComHolder<IAccessible> m_group;
};
}  // namespace

TEST_F(DockingAccessibility, GroupListsItsShownWindowThenItsPanesInTabOrder)
{
    long nChildren = 0;
    ASSERT_EQ(S_OK, m_group->get_accChildCount(&nChildren));
    EXPECT_EQ(3, nChildren);
    CComHolder<IAccessible> shown, first, second;
    GetChild(m_group.p, 1, shown);
    EXPECT_EQ(m_frame.PaneWindow(701)->GetSafeHwnd(), WindowOf(shown.p));
    GetChild(m_group.p, 2, first);
    GetChild(m_group.p, 3, second);
    EXPECT_EQ(CString("Solution Explorer"), Name(first.p));
    EXPECT_EQ(CString("Properties"), Name(second.p));
    CComHolder<IDispatch> none;
    EXPECT_EQ(E_INVALIDARG, m_group->get_accChild(Child(4), &none));

    CComHolder<IDispatch> parentDispatch;
    ASSERT_EQ(S_OK, second->get_accParent(&parentDispatch));
    CComHolder<IAccessible> parent;
    AsAccessible(parentDispatch.p, parent);
    EXPECT_EQ(ROLE_SYSTEM_PAGETABLIST, Role(parent.p)) << "a pane's parent is its group";
}

TEST_F(DockingAccessibility, PaneSitsOnItsTabAndItsDefaultActionShowsIt)
{
    CComHolder<IAccessible> first, second;
    GetChild(m_group.p, 2, first);
    GetChild(m_group.p, 3, second);
    EXPECT_EQ(STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED, State(first.p));
    EXPECT_EQ(STATE_SYSTEM_SELECTABLE, State(second.p));
    CRect rcTab = m_pGroup->GetTabRow().GetItem(1)->GetRect();
    m_pGroup->ClientToScreen(&rcTab);
    EXPECT_EQ(rcTab, Location(second.p));
    EXPECT_EQ(CRect(CKTWindowRect(m_frame.PaneWindow(702))), Location(second.p, 1)) << "child 1: its window";

    ASSERT_EQ(S_OK, second->accDoDefaultAction(Child(CHILDID_SELF)));
    PumpDocking();
    EXPECT_EQ(m_frame.m_manager.FindPane(702), m_pGroup->GetSelected());
    EXPECT_EQ(STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED, State(second.p));
    EXPECT_EQ(E_INVALIDARG, second->accDoDefaultAction(Child(2)));

    // A lone pane has no tab: it stands where its whole group does.
    CKTDockingPane* p703 = m_frame.m_manager.FindPane(703);
    EXPECT_EQ(CRect(CKTWindowRect(p703->GetTabbedContainer()->GetSafeHwnd())), Location(p703->GetAccessible()));
}

TEST_F(DockingAccessibility, HitTestFindsTheCaptionATabOrTheShownWindow)
{
    VARIANT hit = {};
    CPoint ptCaption = OnScreen(CPoint(10, 5));
    ASSERT_EQ(S_OK, m_group->accHitTest(ptCaption.x, ptCaption.y, &hit));
    EXPECT_EQ(VT_I4, hit.vt);
    EXPECT_EQ(CHILDID_SELF, hit.lVal);

    CPoint ptTab = OnScreen(m_pGroup->GetTabRow().GetItem(1)->GetRect().CenterPoint());
    ASSERT_EQ(S_OK, m_group->accHitTest(ptTab.x, ptTab.y, &hit));
    ASSERT_EQ(VT_DISPATCH, hit.vt);
    CComHolder<IAccessible> pane;
    AsAccessible(hit.pdispVal, pane);
    hit.pdispVal->Release();
    EXPECT_EQ(CString("Properties"), Name(pane.p));

    CPoint ptWindow = CKTWindowRect(m_frame.PaneWindow(701)).CenterPoint();
    ASSERT_EQ(S_OK, m_group->accHitTest(ptWindow.x, ptWindow.y, &hit));
    ASSERT_EQ(VT_DISPATCH, hit.vt);
    CComHolder<IAccessible> window;
    AsAccessible(hit.pdispVal, window);
    hit.pdispVal->Release();
    EXPECT_EQ(m_frame.PaneWindow(701)->GetSafeHwnd(), WindowOf(window.p));
}

TEST_F(DockingAccessibility, ManagerListsEveryPaneAndAClosedOneIsInvisible)
{
    CComHolder<IAccessible> manager;
    ASSERT_HRESULT_SUCCEEDED(::AccessibleObjectFromWindow(m_frame.m_manager.GetSafeHwnd(), DWORD(OBJID_CLIENT),
                                                          IID_IAccessible, reinterpret_cast<void**>(&manager)));
    long nChildren = 0;
    ASSERT_EQ(S_OK, manager->get_accChildCount(&nChildren));
    EXPECT_EQ(3, nChildren);
    CComHolder<IAccessible> output;
    GetChild(manager.p, 1, output);
    EXPECT_EQ(CString("OutPut"), Name(output.p));
    CComHolder<IDispatch> none;
    EXPECT_EQ(E_INVALIDARG, manager->get_accChild(Child(4), &none));

    m_frame.m_bHideOnClose = FALSE;
    m_frame.m_manager.ClosePane(m_frame.m_manager.FindPane(703));
    EXPECT_EQ(STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_INVISIBLE, State(output.p));
    CComHolder<IDispatch> parent;
    EXPECT_EQ(E_FAIL, output->get_accParent(&parent)) << "a closed pane has no group";
}
