// The accessible objects' common ground: the child ids a client may name, the library loaded on first use, the
// operations reached through the interface, what a client is handed when an answer is refused or fails, and the
// object that stands for a window.
#include <atomic>
#include <memory>
#include <new>
#include <thread>

#include "AccessibleClient.h"
#include "KTAccessible.h"
#include "MessagePump.h"
#include "TestWindows.h"

namespace
{
// Answers its name only about itself and counts the operations that ran.
class CProbeAccessible : public CKTAccessible
{
public:
    int m_nCalls = 0;

protected:
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override
    {
        ++m_nCalls;
        return IsSelf(varChild) ? PutText("", pszName) : E_INVALIDARG;
    }
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT) override
    {
        ++m_nCalls;
        return PutLocation(CRect(1, 2, 11, 22), pxLeft, pyTop, pcxWidth, pcyHeight);
    }
};

class CNamedAccessible : public CKTAccessible
{
protected:
    HRESULT GetAccessibleName(VARIANT, BSTR* pszName) override
    {
        *pszName = ::SysAllocString(L"Standard");
        return S_OK;
    }
};

// Fails its operations by throwing, as code under it may.
class CThrowingAccessible : public CKTAccessible
{
protected:
    HRESULT GetAccessibleName(VARIANT, BSTR*) override { throw std::bad_alloc(); }
    HRESULT GetAccessibleValue(VARIANT, BSTR*) override { throw 1; }
    HRESULT AccessibleDoDefaultAction(VARIANT) override
    {
        AfxThrowMemoryException();
        return S_OK;
    }
};

class CTestWindowAccessible : public CKTWindowAccessible
{
public:
    explicit CTestWindowAccessible(CWnd* pWnd)
        : CKTWindowAccessible(pWnd, "Test Window", ROLE_SYSTEM_CLIENT, STATE_SYSTEM_FOCUSABLE)
    {
    }
};

BSTR GarbageText() { return reinterpret_cast<BSTR>(0x1234); }
}  // namespace

TEST(AccessibleSupport, ChildIndexOfEveryVariantForm)
{
    VARIANT var;
    var.vt = VT_EMPTY;
    EXPECT_EQ(0, CKTAccessibleSupport::GetChildIndex(&var));
    var.vt = VT_I4;
    var.lVal = 5;
    EXPECT_EQ(5, CKTAccessibleSupport::GetChildIndex(&var));
    var.vt = VT_I2;
    var.iVal = 3;
    EXPECT_EQ(3, CKTAccessibleSupport::GetChildIndex(&var));
    long nValue = 8;
    var.vt = VT_I4 | VT_BYREF;
    var.plVal = &nValue;
    EXPECT_EQ(8, CKTAccessibleSupport::GetChildIndex(&var));
    VARIANT outer;
    outer.vt = VT_VARIANT | VT_BYREF;
    outer.pvarVal = &var;
    EXPECT_EQ(8, CKTAccessibleSupport::GetChildIndex(&outer));
    outer.pvarVal = &outer;
    EXPECT_EQ(-1, CKTAccessibleSupport::GetChildIndex(&outer)) << "a variant referring to itself";
    var.vt = VT_BSTR;
    EXPECT_EQ(-1, CKTAccessibleSupport::GetChildIndex(&var));
    EXPECT_EQ(-1, CKTAccessibleSupport::GetChildIndex(NULL));
}

TEST(AccessibleSupport, LibraryIsLoadedOnFirstUse)
{
    CKTAccessibleSupport support;
    EXPECT_FALSE(support.IsAccessibilityLoaded());
    support.NotifyWinEvent(EVENT_OBJECT_FOCUS, NULL, OBJID_CLIENT, CHILDID_SELF);
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    CComHolder<IAccessible> accessible;
    support.AccessibleObjectFromWindow(hWnd, OBJID_WINDOW, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&accessible));
    EXPECT_TRUE(support.IsAccessibilityLoaded());
    ::DestroyWindow(hWnd);
}

TEST(Accessible, ForwardsToTheOverriddenOperations)
{
    CNamedAccessible accessible;
    CComHolder<IAccessible> client;
    ASSERT_EQ(S_OK, accessible.QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&client)));
    EXPECT_EQ(CString("Standard"), AccName(client.p));
    long nCount = 0;
    EXPECT_EQ(E_NOTIMPL, client->get_accChildCount(&nCount));
    void* pOther = NULL;
    EXPECT_EQ(E_NOINTERFACE, accessible.QueryInterface(IID_IClassFactory, &pOther));
}

TEST(Accessible, ExceptionsReachTheClientAsFailureCodes)
{
    CThrowingAccessible accessible;
    VARIANT self = AccChild(CHILDID_SELF);
    BSTR text = NULL;
    EXPECT_EQ(E_OUTOFMEMORY, accessible.get_accName(self, &text));
    EXPECT_EQ(E_FAIL, accessible.get_accValue(self, &text));
    EXPECT_EQ(E_FAIL, accessible.accDoDefaultAction(self));
    EXPECT_EQ(nullptr, text);
}

TEST(Accessible, RefusedAnswersLeaveTheClientNothingToFree)
{
    CProbeAccessible probe;
    BSTR bstr = GarbageText();
    EXPECT_EQ(E_INVALIDARG, probe.get_accName(AccChild(3), &bstr));
    EXPECT_EQ(nullptr, bstr);
    bstr = GarbageText();
    EXPECT_EQ(S_OK, probe.get_accName(AccChild(CHILDID_SELF), &bstr));
    EXPECT_EQ(nullptr, bstr) << "an empty text is no string";

    VARIANT var;
    var.vt = VT_BSTR;
    var.bstrVal = GarbageText();
    EXPECT_EQ(E_NOTIMPL, probe.get_accFocus(&var)) << "an operation left alone";
    EXPECT_EQ(VT_EMPTY, var.vt);
    long x = 7, y = 7, cx = 7, cy = 7;
    EXPECT_EQ(E_NOTIMPL, probe.get_accHelpTopic(&bstr, AccChild(CHILDID_SELF), &x));
    EXPECT_EQ(0, x);

    int nCalls = probe.m_nCalls;
    EXPECT_EQ(E_POINTER, probe.get_accName(AccChild(CHILDID_SELF), nullptr));
    EXPECT_EQ(E_POINTER, probe.accLocation(&x, nullptr, &cx, &cy, AccChild(CHILDID_SELF)));
    EXPECT_EQ(nCalls, probe.m_nCalls) << "an operation without somewhere to answer does not run";
    EXPECT_EQ(S_OK, probe.accLocation(&x, &y, &cx, &cy, AccChild(CHILDID_SELF)));
    EXPECT_EQ(CRect(1, 2, 11, 22), CRect(x, y, x + cx, y + cy));
}

TEST(Accessible, WindowObjectStandsWhereItsWindowDoes)
{
    CTestParent window;
    CTestWindowAccessible accessible(&window);
    EXPECT_EQ(CString("Test Window"), AccName(&accessible));
    EXPECT_EQ(ROLE_SYSTEM_CLIENT, AccRole(&accessible));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE, AccState(&accessible));
    CRect rcWindow;
    window.GetWindowRect(&rcWindow);
    EXPECT_EQ(rcWindow, AccLocation(&accessible));
    CComHolder<IAccessible> parent;
    AccParentObject(&accessible, parent);
    EXPECT_EQ(window.GetSafeHwnd(), AccWindow(parent.p)) << "its parent is its window's standard object";

    EXPECT_EQ(CString("(failed)"), AccName(&accessible, 1)) << "it has no children to answer for";
    EXPECT_EQ(-1, AccRole(&accessible, 1));
    EXPECT_EQ(-1, AccState(&accessible, 1));
    long x = 0, y = 0, cx = 0, cy = 0;
    EXPECT_EQ(E_INVALIDARG, accessible.accLocation(&x, &y, &cx, &cy, AccChild(1)));
    long nChildren = 0;
    EXPECT_EQ(E_NOTIMPL, accessible.get_accChildCount(&nChildren)) << "what it holds is its owner's to say";
}

namespace
{
// A window that hands out its accessible object, as the toolkit's windows do, until the object goes.
class CAccessibleWindow : public CTestParent
{
public:
    std::unique_ptr<CTestWindowAccessible> m_pAccessible = std::make_unique<CTestWindowAccessible>(this);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_GETOBJECT && LONG(lParam) == OBJID_CLIENT && m_pAccessible)
            return m_pAccessible->LresultFromObject(__uuidof(IAccessible), wParam,
                                                    static_cast<IAccessible*>(m_pAccessible.get()));
        return CTestParent::WindowProc(message, wParam, lParam);
    }
};

// A client on its own thread, as a screen reader is: it takes the window's object, names it, and names it
// again once told that its owner is gone.
class CRemoteClient
{
public:
    explicit CRemoteClient(HWND hWnd) : m_thread([this, hWnd] { Run(hWnd); }) {}
    ~CRemoteClient()
    {
        m_bGone = true;
        PumpUntilDone();
        m_thread.join();
    }
    bool WaitForFirstAnswer()
    {
        return PumpUntil([this] { return m_nStage.load() >= 1; });
    }
    void OwnerIsGone() { m_bGone = true; }
    // Its questions reach the window through this thread's queue: it is pumped until the client ends.
    void PumpUntilDone()
    {
        while (!PumpUntil([this] { return m_nStage.load() == 2; }))
        {
        }
    }

    CString m_strFirst;
    HRESULT m_hrAfter = S_OK;

private:
    void Run(HWND hWnd)
    {
        if (SUCCEEDED(::CoInitializeEx(NULL, COINIT_MULTITHREADED)))
        {
            Ask(hWnd);
            ::CoUninitialize();
        }
        m_nStage = 2;
    }
    void Ask(HWND hWnd)
    {
        CComHolder<IAccessible> accessible;
        if (FAILED(::AccessibleObjectFromWindow(hWnd, DWORD(OBJID_CLIENT), IID_IAccessible,
                                                reinterpret_cast<void**>(&accessible))))
            return;
        m_strFirst = AccName(accessible.p);
        m_nStage = 1;
        while (!m_bGone)
            ::Sleep(10);
        BSTR bstr = NULL;
        m_hrAfter = accessible->get_accName(AccChild(CHILDID_SELF), &bstr);
        ::SysFreeString(bstr);
    }

    std::atomic<int> m_nStage{0};
    std::atomic<bool> m_bGone{false};
    std::thread m_thread;
};
}  // namespace

TEST(Accessible, ClientElsewhereIsCutOffWhenTheObjectGoes)
{
    CAccessibleWindow window;
    CRemoteClient client(window.GetSafeHwnd());
    ASSERT_TRUE(client.WaitForFirstAnswer());
    EXPECT_EQ(CString("Test Window"), client.m_strFirst);
    window.m_pAccessible.reset();
    client.OwnerIsGone();
    client.PumpUntilDone();
    EXPECT_TRUE(FAILED(client.m_hrAfter));
    EXPECT_NE(HRESULT(STATUS_ACCESS_VIOLATION), client.m_hrAfter) << "the call reached the object after its end";
}
