// Windows and message maps: creation reaches the object, handlers get typed
// arguments, reflection reaches controls, temporary objects go at idle, and
// a window that destroys itself in its own handler is left alone.
#include <gtest/gtest.h>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>
#include "afxwin.h"
#include "afxcmn.h"
#include "afxpriv.h"
#include "TestApp.h"

namespace
{

const UINT WM_TEST_DESTROYSELF = WM_APP + 1;
UINT g_nRegistered = ::RegisterWindowMessage("KfwWindowTestsRegistered");

class CProbeWnd : public CWnd
{
public:
    std::vector<std::string> m_events;
    CSize m_lastSize;
    CPoint m_lastClick;
    LPARAM m_registeredParam = 0;
    BOOL CreateProbe()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "probe", WS_OVERLAPPEDWINDOW, 50, 50, 300, 200, nullptr, nullptr);
    }

protected:
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs)
    {
        m_events.push_back("nccreate");
        return CWnd::OnNcCreate(lpcs);
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_events.push_back("create");
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnSize(UINT, int cx, int cy) { m_lastSize = CSize(cx, cy); }
    afx_msg void OnLButtonDown(UINT, CPoint point) { m_lastClick = point; }
    afx_msg LRESULT OnRegistered(WPARAM, LPARAM lParam)
    {
        m_registeredParam = lParam;
        return 42;
    }
    afx_msg void OnDestroy()
    {
        m_events.push_back("destroy");
        CWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
ON_WM_NCCREATE()
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_DESTROY()
ON_REGISTERED_MESSAGE(g_nRegistered, OnRegistered)
END_MESSAGE_MAP()

// Deletes itself when its window goes; destroys its window from a handler.
class CSelfDestroyingWnd : public CWnd
{
public:
    static int s_nDeleted;
    ~CSelfDestroyingWnd() override { s_nDeleted++; }

protected:
    afx_msg LRESULT OnDestroySelf(WPARAM, LPARAM)
    {
        DestroyWindow();
        return 7;
    }
    void PostNcDestroy() override { delete this; }
    DECLARE_MESSAGE_MAP()
};
int CSelfDestroyingWnd::s_nDeleted = 0;

BEGIN_MESSAGE_MAP(CSelfDestroyingWnd, CWnd)
ON_MESSAGE(WM_TEST_DESTROYSELF, OnDestroySelf)
END_MESSAGE_MAP()

// An owner-draw list box that draws its own items through reflection.
class CColorListBox : public CListBox
{
public:
    int m_nDrawn = 0;
    int m_nSelChanges = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        m_nDrawn++;
        CDC* pDC = CDC::FromHandle(lpDIS->hDC);
        pDC->FillSolidRect(&lpDIS->rcItem, (COLORREF)lpDIS->itemData);
    }
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override { lpMIS->itemHeight = 18; }

protected:
    afx_msg void OnSelChange() { m_nSelChanges++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorListBox, CListBox)
ON_CONTROL_REFLECT(LBN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

// A tree that answers its selection change itself, and lets the parent see it too.
class CReflectingTree : public CTreeCtrl
{
public:
    int m_nSelChanged = 0;

protected:
    afx_msg BOOL OnSelChanged(NMHDR*, LRESULT*)
    {
        m_nSelChanged++;
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingTree, CTreeCtrl)
ON_NOTIFY_REFLECT_EX(TVN_SELCHANGED, OnSelChanged)
END_MESSAGE_MAP()

class CParentWnd : public CWnd
{
public:
    int m_nParentSelChanged = 0;
    int m_nParentListCommands = 0;
    BOOL CreateParent()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 80, 80, 400, 300,
                        nullptr, nullptr);
    }

protected:
    afx_msg void OnTreeSelChanged(NMHDR*, LRESULT*) { m_nParentSelChanged++; }
    afx_msg void OnListSelChange() { m_nParentListCommands++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
ON_NOTIFY(TVN_SELCHANGED, 11, OnTreeSelChanged)
ON_LBN_SELCHANGE(10, OnListSelChange)
END_MESSAGE_MAP()

class WindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&icc);
    }
};

}  // namespace

TEST_F(WindowTest, CreationMessagesReachTheObjectAndHandlersGetTypedArguments)
{
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateProbe());
    ASSERT_GE(wnd.m_events.size(), 2u);
    EXPECT_EQ("nccreate", wnd.m_events[0]);
    EXPECT_EQ("create", wnd.m_events[1]);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    wnd.SetWindowPos(nullptr, 0, 0, 320, 240, SWP_NOMOVE | SWP_NOZORDER);
    CRect client;
    wnd.GetClientRect(&client);
    EXPECT_EQ(client.Size(), wnd.m_lastSize);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 17));
    EXPECT_EQ(CPoint(-5, 17), wnd.m_lastClick) << "coordinates are signed";
    EXPECT_EQ(42, wnd.SendMessage(g_nRegistered, 0, 1234));
    EXPECT_EQ(1234, wnd.m_registeredParam);
    HWND hWnd = wnd.m_hWnd;
    ASSERT_TRUE(wnd.DestroyWindow());
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ("destroy", wnd.m_events.back());
}

TEST_F(WindowTest, WindowOutlivingItsObjectIsDestroyed)
{
    HWND hWnd;
    {
        CProbeWnd wnd;
        ASSERT_TRUE(wnd.CreateProbe());
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST_F(WindowTest, ObjectsAreFoundFromAnyThreadOnlyWhileAttached)
{
    HWND hWnd = ::CreateWindow("STATIC", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(hWnd);
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));
    CWnd* pSeenElsewhere = nullptr;
    std::thread([&] { pSeenElsewhere = CWnd::FromHandlePermanent(hWnd); }).join();
    EXPECT_EQ(&wnd, pSeenElsewhere) << "from any thread, as the window itself is";
    // Attached without our procedure: destroying through the object still
    // clears its entry, though it never saw WM_NCDESTROY.
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST_F(WindowTest, TemporaryObjectsAreFreedAtIdleAndNeverDestroyTheirWindow)
{
    HWND hWnd = ::CreateWindow("STATIC", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(hWnd);
    int nBefore = AfxGetTempObjectCount();
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hWnd)) << "one temporary object per handle";
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(nBefore + 1, AfxGetTempObjectCount());
    RunIdle();
    EXPECT_EQ(0, AfxGetTempObjectCount());
    EXPECT_TRUE(::IsWindow(hWnd));
    ::DestroyWindow(hWnd);
}

TEST_F(WindowTest, WindowDestroyedInItsOwnHandlerIsNotTouchedAfterwards)
{
    CSelfDestroyingWnd::s_nDeleted = 0;
    CSelfDestroyingWnd* pWnd = new CSelfDestroyingWnd;
    ASSERT_TRUE(pWnd->CreateEx(0, AfxRegisterWndClass(0), "self", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_EQ(7, ::SendMessage(hWnd, WM_TEST_DESTROYSELF, 0, 0));
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(1, CSelfDestroyingWnd::s_nDeleted);
    // The same through the posted path of the loop.
    pWnd = new CSelfDestroyingWnd;
    ASSERT_TRUE(pWnd->CreateEx(0, AfxRegisterWndClass(0), "self", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    hWnd = pWnd->m_hWnd;
    ::PostMessage(hWnd, WM_TEST_DESTROYSELF, 0, 0);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(2, CSelfDestroyingWnd::s_nDeleted);
}

TEST_F(WindowTest, OwnerDrawListBoxDrawsThroughReflection)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateParent());
    CColorListBox list;
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NOTIFY, CRect(10, 10, 200, 150), &parent, 10));
    EXPECT_EQ(18, list.GetItemHeight(0)) << "WM_MEASUREITEM reached the list box's own object";
    int nRed = list.AddString((LPCTSTR)(DWORD_PTR)RGB(255, 0, 0));
    list.AddString((LPCTSTR)(DWORD_PTR)RGB(0, 0, 255));
    list.SetItemData(nRed, RGB(255, 0, 0));
    list.SetItemData(1, RGB(0, 0, 255));
    list.Invalidate();
    list.UpdateWindow();
    EXPECT_GE(list.m_nDrawn, 2);
    CClientDC dc(&list);
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(5, 5)) << "the first item shows the colour the object drew";
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(10, LBN_SELCHANGE), (LPARAM)list.m_hWnd);
    EXPECT_EQ(1, list.m_nSelChanges);
    EXPECT_EQ(0, parent.m_nParentListCommands) << "a reflected command stops at the control";
}

TEST_F(WindowTest, ReflectedNotificationCanLetTheParentSeeItToo)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateParent());
    CReflectingTree tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES, CRect(0, 0, 200, 200), &parent, 11));
    HTREEITEM hRoot = tree.InsertItem("root");
    HTREEITEM hChild = tree.InsertItem("child", hRoot);
    tree.SetItemData(hChild, 99);
    EXPECT_EQ("child", std::string(tree.GetItemText(hChild)));
    EXPECT_EQ(99u, tree.GetItemData(hChild));
    EXPECT_EQ(hRoot, tree.GetParentItem(hChild));
    tree.SelectItem(hChild);
    EXPECT_EQ(hChild, tree.GetSelectedItem());
    EXPECT_EQ(1, tree.m_nSelChanged);
    EXPECT_EQ(1, parent.m_nParentSelChanged);
}

TEST_F(WindowTest, SubclassedEditKeepsItsOwnBehaviour)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateParent());
    HWND hEdit =
        ::CreateWindow("EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent.m_hWnd, (HMENU)12, nullptr, nullptr);
    CEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    edit.SetWindowText("hello");
    edit.SetSel(0, -1);
    edit.ReplaceSel("bye");
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_EQ("bye", std::string(strText));
    EXPECT_EQ(hEdit, edit.UnsubclassWindow());
    EXPECT_TRUE(::IsWindow(hEdit));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
}

namespace
{

// A static control that paints itself green through the reflected colour message.
class CGreenStatic : public CStatic
{
public:
    CBrush m_brush{RGB(0, 160, 0)};

protected:
    HBRUSH CtlColor(CDC* pDC, UINT)
    {
        pDC->SetBkColor(RGB(0, 160, 0));
        return m_brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CGreenStatic, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// A window whose tools are its two halves.
class CToolWnd : public CWnd
{
public:
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override
    {
        CRect rect;
        GetClientRect(&rect);
        INT_PTR nHit = point.x < rect.Width() / 2 ? 1 : 2;
        if (pTI)
        {
            pTI->hwnd = m_hWnd;
            pTI->uId = (UINT_PTR)nHit;
            pTI->rect = rect;
            pTI->lpszText = _strdup(nHit == 1 ? "left" : "right");
        }
        return nHit;
    }
};

}  // namespace

TEST_F(WindowTest, ControlColourComesFromTheControlsOwnObject)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateParent());
    CGreenStatic label;
    ASSERT_TRUE(label.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), &parent, 13));
    label.Invalidate();
    label.UpdateWindow();
    CClientDC dc(&label);
    EXPECT_EQ(RGB(0, 160, 0), dc.GetPixel(50, 15));
}

TEST_F(WindowTest, ToolTipsFollowTheToolUnderTheMouse)
{
    CToolWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, AfxRegisterWndClass(0), "tools", WS_POPUP | WS_VISIBLE, 300, 300, 200, 100, nullptr, nullptr));
    ASSERT_TRUE(wnd.EnableToolTips(TRUE));
    CToolTipCtrl* pTip = AfxGetThreadState()->m_pToolTip;
    ASSERT_NE(nullptr, pTip);
    MSG msg = {wnd.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20), 0, {320, 320}};
    wnd.PreTranslateMessage(&msg);
    ASSERT_EQ(1, pTip->GetToolCount());
    CString strText;
    pTip->GetText(strText, &wnd, 1);
    EXPECT_EQ("left", std::string(strText));
    msg.pt = {450, 320};
    wnd.PreTranslateMessage(&msg);
    ASSERT_EQ(1, pTip->GetToolCount()) << "the old tool went, the new one came";
    pTip->GetText(strText, &wnd, 2);
    EXPECT_EQ("right", std::string(strText));
    wnd.EnableToolTips(FALSE);
    EXPECT_EQ(0, pTip->GetToolCount());
    wnd.DestroyWindow();
}

namespace
{

class CThrowingWnd : public CWnd
{
public:
    BOOL m_bThrowOnCreate = FALSE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (m_bThrowOnCreate)
            AfxThrowNotSupportedException();
        return CWnd::OnCreate(lpcs);
    }
    afx_msg LRESULT OnThrowFramework(WPARAM, LPARAM) { AfxThrowMemoryException(); }
    afx_msg LRESULT OnThrowStandard(WPARAM, LPARAM) { throw std::runtime_error("standard"); }
    afx_msg LRESULT OnThrowOther(WPARAM, LPARAM) { throw 7; }
    afx_msg void OnThrowOutOfMemory() { throw std::bad_alloc(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_APP + 10, OnThrowFramework)
ON_MESSAGE(WM_APP + 11, OnThrowStandard)
ON_MESSAGE(WM_APP + 12, OnThrowOther)
ON_COMMAND(4321, OnThrowOutOfMemory)
END_MESSAGE_MAP()

}  // namespace

TEST_F(WindowTest, ExceptionsStopAtTheWindowProcedure)
{
    theApp.m_messages.clear();
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "throwing", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(0, wnd.SendMessage(WM_APP + 10));
    ASSERT_EQ(1u, theApp.m_messages.size());
    EXPECT_EQ("Out of memory.", std::string(theApp.m_messages[0]));
    EXPECT_EQ(0, wnd.SendMessage(WM_APP + 11));
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
    wnd.DestroyWindow();

    CThrowingWnd failing;
    failing.m_bThrowOnCreate = TRUE;
    EXPECT_FALSE(failing.CreateEx(0, AfxRegisterWndClass(0), "failing", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(nullptr, failing.m_hWnd) << "a throwing OnCreate fails the creation";
    EXPECT_EQ(3u, theApp.m_messages.size());
}

// Before, an exception of the standard library ended its handler in silence: out of memory in a
// command left the user with nothing done and nothing said.
TEST_F(WindowTest, AStandardExceptionIsToldWithWhatTheHandlerWasDoing)
{
    theApp.m_messages.clear();
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "throwing", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(0, wnd.SendMessage(WM_APP + 11));
    EXPECT_EQ(0, wnd.SendMessage(WM_COMMAND, 4321));
    EXPECT_EQ(0, wnd.SendMessage(WM_APP + 12));
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd)) << "the window stays usable";
    wnd.DestroyWindow();
    const std::vector<std::string> expected = {"Handling the window message 0x800B failed: standard",
                                               "The command 4321 failed: not enough memory",
                                               "Handling the window message 0x800C failed: an unknown error"};
    ASSERT_EQ(expected.size(), theApp.m_messages.size());
    for (size_t i = 0; i < expected.size(); i++)
        EXPECT_EQ(expected[i], std::string(theApp.m_messages[i]));
}

// A handler that fails again under the box, as a paint would, gets no second box: boxes without end
// would each paint, fail and open the next.
TEST_F(WindowTest, AHandlerFailingUnderItsOwnReportOpensNoSecondBox)
{
    theApp.m_messages.clear();
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "throwing", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    int nNested = 0;
    theApp.m_whileMessage = [&]
    {
        if (nNested++ < 3)
            wnd.SendMessage(WM_APP + 11);
    };
    EXPECT_EQ(0, wnd.SendMessage(WM_APP + 11));
    theApp.m_whileMessage = nullptr;
    wnd.DestroyWindow();
    EXPECT_EQ(1, nNested) << "the failure under the box was not told in a box";
    EXPECT_EQ(1u, theApp.m_messages.size());
}
