// A group of panes, its panes and the manager as an accessibility client sees them: names, roles, states,
// places, hit tests and the action that shows a pane.
#include <atomic>
#include <thread>

#include "AccessibleClient.h"
#include "DockingGroupTest.h"
#include "KTDrawObjects.h"
#include "MessagePump.h"

namespace
{
class DockingAccessibility : public DockingGroupTest
{
protected:
    void SetUp() override { AccClientObject(m_pGroup->GetSafeHwnd(), m_group); }

    CPoint OnScreen(CPoint pt)
    {
        m_pGroup->ClientToScreen(&pt);
        return pt;
    }

    CComHolder<IAccessible> m_group;
};

// What a client outside the window's thread, as a screen reader is, learns of a group.
struct CRemoteView
{
    CString strName;
    long nChildren = 0;
    CString strSecondPane;
};

void AskFromOutside(HWND hGroup, CRemoteView& view)
{
    CComHolder<IAccessible> group, pane;
    CComHolder<IDispatch> dispatch;
    if (FAILED(::AccessibleObjectFromWindow(hGroup, DWORD(OBJID_CLIENT), IID_IAccessible,
                                            reinterpret_cast<void**>(&group))))
        return;
    view.strName = AccName(group.p);
    group->get_accChildCount(&view.nChildren);
    if (group->get_accChild(AccChild(3), &dispatch) == S_OK &&
        SUCCEEDED(dispatch->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&pane))))
        view.strSecondPane = AccName(pane.p);
}
}  // namespace

TEST_F(DockingAccessibility, GroupIsATabListStandingWhereItsWindowDoes)
{
    EXPECT_EQ(CString("KTDockingPaneTabbedContainer"), AccName(m_group.p));
    EXPECT_EQ(ROLE_SYSTEM_PAGETABLIST, AccRole(m_group.p));
    EXPECT_EQ(0, AccState(m_group.p));
    EXPECT_EQ(CRect(CKTWindowRect(m_pGroup)), AccLocation(m_group.p));
    CComHolder<IAccessible> parent;
    AccParentObject(m_group.p, parent);
    EXPECT_EQ(m_pGroup->GetSafeHwnd(), AccWindow(parent.p)) << "its parent is its window's standard object";
    VARIANT role = {};
    EXPECT_EQ(E_INVALIDARG, m_group->get_accRole(AccChild(2), &role)) << "it answers only about itself";
    EXPECT_EQ(VT_EMPTY, role.vt);
}

TEST_F(DockingAccessibility, GroupListsItsShownWindowThenItsPanesInTabOrder)
{
    long nChildren = 0;
    ASSERT_EQ(S_OK, m_group->get_accChildCount(&nChildren));
    EXPECT_EQ(3, nChildren);
    CComHolder<IAccessible> shown, first, second;
    AccChildObject(m_group.p, 1, shown);
    EXPECT_EQ(m_frame.PaneWindow(701)->GetSafeHwnd(), AccWindow(shown.p));
    AccChildObject(m_group.p, 2, first);
    AccChildObject(m_group.p, 3, second);
    EXPECT_EQ(CString("Solution Explorer"), AccName(first.p));
    EXPECT_EQ(CString("Properties"), AccName(second.p));
    CComHolder<IDispatch> none;
    EXPECT_EQ(E_INVALIDARG, m_group->get_accChild(AccChild(4), &none));
    EXPECT_EQ(nullptr, none.p);

    CComHolder<IAccessible> parent;
    AccParentObject(second.p, parent);
    EXPECT_EQ(ROLE_SYSTEM_PAGETABLIST, AccRole(parent.p)) << "a pane's parent is its group";
}

TEST_F(DockingAccessibility, PaneSitsOnItsTabAndItsDefaultActionShowsIt)
{
    CComHolder<IAccessible> first, second;
    AccChildObject(m_group.p, 2, first);
    AccChildObject(m_group.p, 3, second);
    EXPECT_EQ(STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED, AccState(first.p));
    EXPECT_EQ(STATE_SYSTEM_SELECTABLE, AccState(second.p));
    CRect rcTab = TabRect(1);
    m_pGroup->ClientToScreen(&rcTab);
    EXPECT_EQ(rcTab, AccLocation(second.p));
    EXPECT_EQ(CRect(CKTWindowRect(m_frame.PaneWindow(702))), AccLocation(second.p, 1)) << "child 1: its window";

    ASSERT_EQ(S_OK, second->accDoDefaultAction(AccChild(CHILDID_SELF)));
    PumpDocking();
    EXPECT_EQ(Pane(702), m_pGroup->GetSelected());
    EXPECT_EQ(STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED, AccState(second.p));
    EXPECT_EQ(E_INVALIDARG, second->accDoDefaultAction(AccChild(2)));

    // A lone pane has no tab: it stands where its whole group does.
    EXPECT_EQ(CRect(CKTWindowRect(Pane(703)->GetTabbedContainer())), AccLocation(Pane(703)->GetAccessible()));
}

TEST_F(DockingAccessibility, HitTestFindsTheCaptionATabOrTheShownWindow)
{
    VARIANT hit = {};
    CPoint ptCaption = OnScreen(CPoint(10, 5));
    ASSERT_EQ(S_OK, m_group->accHitTest(ptCaption.x, ptCaption.y, &hit));
    EXPECT_EQ(VT_I4, hit.vt);
    EXPECT_EQ(CHILDID_SELF, hit.lVal);

    CComHolder<IAccessible> pane, window;
    AccHitObject(m_group.p, OnScreen(TabRect(1).CenterPoint()), pane);
    EXPECT_EQ(CString("Properties"), AccName(pane.p));
    AccHitObject(m_group.p, CKTWindowRect(m_frame.PaneWindow(701)).CenterPoint(), window);
    EXPECT_EQ(m_frame.PaneWindow(701)->GetSafeHwnd(), AccWindow(window.p));

    CPoint ptOutside = CKTWindowRect(m_pGroup).BottomRight() + CPoint(5, 5);
    EXPECT_EQ(S_FALSE, m_group->accHitTest(ptOutside.x, ptOutside.y, &hit));
    EXPECT_EQ(VT_EMPTY, hit.vt);
}

TEST_F(DockingAccessibility, ManagerListsEveryPaneAndAClosedOneIsInvisible)
{
    CComHolder<IAccessible> manager;
    AccClientObject(m_frame.m_manager.GetSafeHwnd(), manager);
    EXPECT_EQ(CString("KTDockingPaneManager"), AccName(manager.p));
    EXPECT_EQ(ROLE_SYSTEM_PROPERTYPAGE, AccRole(manager.p));
    EXPECT_EQ(CRect(0, 0, 10, 10), AccLocation(manager.p)) << "it stands at a fixed place";
    long nChildren = 0;
    ASSERT_EQ(S_OK, manager->get_accChildCount(&nChildren));
    EXPECT_EQ(3, nChildren);
    CComHolder<IAccessible> output;
    AccChildObject(manager.p, 1, output);
    EXPECT_EQ(CString("OutPut"), AccName(output.p));
    CComHolder<IDispatch> none;
    EXPECT_EQ(E_INVALIDARG, manager->get_accChild(AccChild(4), &none));

    m_frame.m_bHideOnClose = FALSE;
    m_frame.m_manager.ClosePane(Pane(703));
    EXPECT_EQ(STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_INVISIBLE, AccState(output.p));
    CComHolder<IDispatch> parent;
    EXPECT_EQ(E_FAIL, output->get_accParent(&parent)) << "a closed pane has no group";
}

TEST_F(DockingAccessibility, ClientOnAnotherThreadIsToldTheSame)
{
    HWND hGroup = m_pGroup->GetSafeHwnd();
    CRemoteView view;
    std::atomic<bool> bDone(false);
    std::thread client(
        [&]
        {
            if (SUCCEEDED(::CoInitializeEx(NULL, COINIT_MULTITHREADED)))
            {
                AskFromOutside(hGroup, view);
                ::CoUninitialize();
            }
            bDone = true;
        });
    // The client's questions reach the group through this thread's queue: it must be pumped until the end.
    while (!PumpUntil([&] { return bDone.load(); }))
    {
    }
    client.join();
    EXPECT_EQ(CString("KTDockingPaneTabbedContainer"), view.strName);
    EXPECT_EQ(3, view.nChildren);
    EXPECT_EQ(CString("Properties"), view.strSecondPane);
}
