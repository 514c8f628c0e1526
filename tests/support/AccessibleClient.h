// What an accessibility client does with a program's objects, for window tests: it asks a window for its object
// as a screen reader does (WM_GETOBJECT through the accessibility library), holds the interfaces it is given and
// reads the answers as values. The test program links oleacc.
#pragma once

#include <afxwin.h>
#include <oleacc.h>

#include <gtest/gtest.h>

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

inline VARIANT AccChild(long nChild)
{
    VARIANT var;
    var.vt = VT_I4;
    var.lVal = nChild;
    return var;
}

// The text of an answer, which it frees.
inline CString AccText(BSTR bstr)
{
    char sz[256] = {};
    if (bstr)
        ::WideCharToMultiByte(CP_ACP, 0, bstr, -1, sz, sizeof(sz) - 1, NULL, NULL);
    ::SysFreeString(bstr);
    return sz;
}

inline CString AccName(IAccessible* pAccessible, long nChild = CHILDID_SELF)
{
    BSTR bstr = nullptr;
    return SUCCEEDED(pAccessible->get_accName(AccChild(nChild), &bstr)) ? AccText(bstr) : CString("(failed)");
}

// -1 when the object does not answer with a number.
inline long AccRole(IAccessible* pAccessible, long nChild = CHILDID_SELF)
{
    VARIANT var = {};
    HRESULT hr = pAccessible->get_accRole(AccChild(nChild), &var);
    return hr == S_OK && var.vt == VT_I4 ? var.lVal : -1;
}

inline long AccState(IAccessible* pAccessible, long nChild = CHILDID_SELF)
{
    VARIANT var = {};
    HRESULT hr = pAccessible->get_accState(AccChild(nChild), &var);
    return hr == S_OK && var.vt == VT_I4 ? var.lVal : -1;
}

inline CRect AccLocation(IAccessible* pAccessible, long nChild = CHILDID_SELF)
{
    long x = 0, y = 0, cx = 0, cy = 0;
    pAccessible->accLocation(&x, &y, &cx, &cy, AccChild(nChild));
    return CRect(x, y, x + cx, y + cy);
}

// The window a standard window object stands for.
inline HWND AccWindow(IAccessible* pAccessible)
{
    HWND hWnd = NULL;
    return SUCCEEDED(::WindowFromAccessibleObject(pAccessible, &hWnd)) ? hWnd : NULL;
}

// The object a dispatch answer stands for.
inline void AccObject(IDispatch* pDispatch, CComHolder<IAccessible>& accessible)
{
    ASSERT_TRUE(pDispatch);
    ASSERT_HRESULT_SUCCEEDED(pDispatch->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&accessible)));
}

inline void AccChildObject(IAccessible* pParent, long nChild, CComHolder<IAccessible>& child)
{
    CComHolder<IDispatch> dispatch;
    ASSERT_EQ(S_OK, pParent->get_accChild(AccChild(nChild), &dispatch));
    AccObject(dispatch.p, child);
}

inline void AccParentObject(IAccessible* pChild, CComHolder<IAccessible>& parent)
{
    CComHolder<IDispatch> dispatch;
    ASSERT_EQ(S_OK, pChild->get_accParent(&dispatch));
    AccObject(dispatch.p, parent);
}

// The object the hit test finds there; nothing when it answers a child id.
inline void AccHitObject(IAccessible* pAccessible, CPoint ptScreen, CComHolder<IAccessible>& hit)
{
    VARIANT var = {};
    ASSERT_EQ(S_OK, pAccessible->accHitTest(ptScreen.x, ptScreen.y, &var));
    ASSERT_EQ(VT_DISPATCH, var.vt);
    AccObject(var.pdispVal, hit);
    var.pdispVal->Release();
}

// The object of a window's client area as a client is given it.
inline void AccClientObject(HWND hWnd, CComHolder<IAccessible>& accessible)
{
    ASSERT_HRESULT_SUCCEEDED(::AccessibleObjectFromWindow(hWnd, DWORD(OBJID_CLIENT), IID_IAccessible,
                                                          reinterpret_cast<void**>(&accessible)));
}
