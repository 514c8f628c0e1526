// KTAccessible.h: the accessible interface of toolkit objects and the lazily loaded accessibility services.
//
// Classes: CKTAccessibleSupport, CKTAccessible, CKTWindowAccessible.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <memory>

#include "KTSystemLibrary.h"

class CWnd;

// Binds the accessibility library on first use and the event notification
// of user32 at once; frees both.
class CKTAccessibleSupport
{
public:
    CKTAccessibleSupport();
    virtual ~CKTAccessibleSupport();
    CKTAccessibleSupport(const CKTAccessibleSupport&) = delete;
    CKTAccessibleSupport& operator=(const CKTAccessibleSupport&) = delete;

    // The window's standard accessible object; E_FAIL without the library.
    HRESULT AccessibleObjectFromWindow(HWND hWnd, DWORD dwObjectId, REFIID riid, void** ppvObject);
    // The WM_GETOBJECT answer for an object; 0 without the library.
    LRESULT LresultFromObject(REFIID riid, WPARAM wParam, LPUNKNOWN pUnknown);
    // Raises an event; nothing when the entry point is missing.
    void NotifyWinEvent(DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild);
    // VT_EMPTY 0; VT_I2, VT_I4 and their by-reference forms their value;
    // a by-reference variant is followed; -1 for anything else.
    static long GetChildIndex(const VARIANT* pVariant);
    BOOL IsAccessibilityLoaded() const { return m_pOleAcc != NULL; }

private:
    typedef HRESULT(WINAPI* PFNACCESSIBLEOBJECTFROMWINDOW)(HWND, DWORD, REFIID, void**);
    typedef LRESULT(WINAPI* PFNLRESULTFROMOBJECT)(REFIID, WPARAM, LPUNKNOWN);
    typedef void(WINAPI* PFNNOTIFYWINEVENT)(DWORD, HWND, LONG, LONG);

    BOOL LoadAccessibility();

    std::unique_ptr<CKTSystemLibrary> m_pOleAcc;  // loaded on first use
    CKTSystemLibrary m_user32;
    PFNACCESSIBLEOBJECTFROMWINDOW m_pfnAccessibleObjectFromWindow;
    PFNLRESULTFROMOBJECT m_pfnLresultFromObject;
    PFNNOTIFYWINEVENT m_pfnNotifyWinEvent;
};

// IAccessible over virtual operations that derived objects override; the
// ones left alone answer E_NOTIMPL. Out parameters are cleared before an
// operation runs and a missing one is refused, so an operation only fills
// what it answers. Its reference count keeps nothing alive: the toolkit
// object owns it.
class CKTAccessible : public IAccessible, public CKTAccessibleSupport
{
public:
    CKTAccessible();
    ~CKTAccessible() override;

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppvObject) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    // IDispatch: not offered
    STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override;
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
    // IAccessible, each forwarded to the operation below it
    STDMETHOD(get_accParent)(IDispatch** ppdispParent) override;
    STDMETHOD(get_accChildCount)(long* pcountChildren) override;
    STDMETHOD(get_accChild)(VARIANT varChild, IDispatch** ppdispChild) override;
    STDMETHOD(get_accName)(VARIANT varChild, BSTR* pszName) override;
    STDMETHOD(get_accValue)(VARIANT varChild, BSTR* pszValue) override;
    STDMETHOD(get_accDescription)(VARIANT varChild, BSTR* pszDescription) override;
    STDMETHOD(get_accRole)(VARIANT varChild, VARIANT* pvarRole) override;
    STDMETHOD(get_accState)(VARIANT varChild, VARIANT* pvarState) override;
    STDMETHOD(get_accHelp)(VARIANT varChild, BSTR* pszHelp) override;
    STDMETHOD(get_accHelpTopic)(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
    STDMETHOD(get_accKeyboardShortcut)(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    STDMETHOD(get_accFocus)(VARIANT* pvarChild) override;
    STDMETHOD(get_accSelection)(VARIANT* pvarChildren) override;
    STDMETHOD(get_accDefaultAction)(VARIANT varChild, BSTR* pszDefaultAction) override;
    STDMETHOD(accSelect)(long flagsSelect, VARIANT varChild) override;
    STDMETHOD(accLocation)(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    STDMETHOD(accNavigate)(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
    STDMETHOD(accHitTest)(long xLeft, long yTop, VARIANT* pvarChild) override;
    STDMETHOD(accDoDefaultAction)(VARIANT varChild) override;
    STDMETHOD(put_accName)(VARIANT varChild, BSTR szName) override;
    STDMETHOD(put_accValue)(VARIANT varChild, BSTR szValue) override;

protected:
    virtual HRESULT GetAccessibleParent(IDispatch** ppdispParent);
    virtual HRESULT GetAccessibleChildCount(long* pcountChildren);
    virtual HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild);
    virtual HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName);
    virtual HRESULT GetAccessibleValue(VARIANT varChild, BSTR* pszValue);
    virtual HRESULT GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription);
    virtual HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole);
    virtual HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState);
    virtual HRESULT GetAccessibleHelp(VARIANT varChild, BSTR* pszHelp);
    virtual HRESULT GetAccessibleHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic);
    virtual HRESULT GetAccessibleKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut);
    virtual HRESULT GetAccessibleFocus(VARIANT* pvarChild);
    virtual HRESULT GetAccessibleSelection(VARIANT* pvarChildren);
    virtual HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction);
    virtual HRESULT AccessibleSelect(long flagsSelect, VARIANT varChild);
    virtual HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild);
    virtual HRESULT AccessibleNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt);
    virtual HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild);
    virtual HRESULT AccessibleDoDefaultAction(VARIANT varChild);
    virtual HRESULT PutAccessibleName(VARIANT varChild, BSTR szName);
    virtual HRESULT PutAccessibleValue(VARIANT varChild, BSTR szValue);

    // Writing an answer into the client's out parameter.
    static BOOL IsSelf(const VARIANT& varChild) { return GetChildIndex(&varChild) == CHILDID_SELF; }
    // NULL for an empty text; E_OUTOFMEMORY when no string can be had.
    static HRESULT PutText(LPCSTR lpszText, BSTR* pbstr);
    static HRESULT PutLong(long nValue, VARIANT* pvar);
    static HRESULT PutLocation(const RECT& rc, long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight);
    // Another object of ours; the variant is left empty when it cannot be had.
    static HRESULT PutObject(IAccessible* pAccessible, IDispatch** ppdisp);
    static HRESULT PutObject(IAccessible* pAccessible, VARIANT* pvar);
    // The window's standard object; the variant is left empty when it cannot be had.
    HRESULT PutWindowObject(HWND hWnd, IDispatch** ppdisp);
    HRESULT PutWindowObject(HWND hWnd, VARIANT* pvar);

private:
    volatile LONG m_nRefs;  // outside references, for the protocol's sake
};

// An object that stands for a window: the window's standard object is its
// parent, it stands where the window does, and its name, role and state are
// its own, fixed ones. What it holds is left to the derived object.
class CKTWindowAccessible : public CKTAccessible
{
protected:
    // The name is kept, not copied: a literal.
    CKTWindowAccessible(CWnd* pWnd, LPCSTR lpszName, long nRole, long nState);

    HRESULT GetAccessibleParent(IDispatch** ppdispParent) override;
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;

private:
    CWnd* m_pWnd;  // owner
    LPCSTR m_lpszName;
    long m_nRole;
    long m_nState;
};
