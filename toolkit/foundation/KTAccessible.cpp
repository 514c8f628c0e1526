// KTAccessible.cpp: binding the accessibility services and forwarding IAccessible to virtual operations.
#include "KTAccessible.h"

#include <afxwin.h>

#include <new>

#include "KTDrawObjects.h"
#include "KTSystemLibrary.h"

namespace
{

// Texts go to a screen reader as BSTRs; their library loads with the first one asked for, not with
// the program.
BSTR AllocateText(UINT cch)
{
    static const CKTSystemLibrary s_oleaut32("oleaut32.dll");
    static decltype(&::SysAllocStringLen) s_pfnAllocate = NULL;
    if (!s_pfnAllocate)
        s_oleaut32.GetProc("SysAllocStringLen", s_pfnAllocate);
    return s_pfnAllocate ? s_pfnAllocate(NULL, cch) : NULL;
}

// Out parameters start cleared, so that a refused call leaves the client
// nothing to free.
template <class... TOut>
bool ClearOut(TOut*... pOut)
{
    if ((... || (pOut == nullptr)))
        return false;
    ((*pOut = TOut()), ...);
    return true;
}

// A client of the interface is outside our code: an exception from an
// overridden operation reaches it as a failure code, never as an unwind.
template <class TCall, class... TOut>
HRESULT Guarded(TCall call, TOut*... pOut)
{
    if (!ClearOut(pOut...))
        return E_POINTER;
    try
    {
        return call();
    }
    catch (CException* e)
    {
        e->Delete();
        return E_FAIL;
    }
    catch (const std::bad_alloc&)
    {
        return E_OUTOFMEMORY;
    }
    catch (...)
    {
        return E_FAIL;
    }
}

}  // namespace

CKTAccessibleSupport::CKTAccessibleSupport()
    : m_user32("user32.dll"), m_pfnAccessibleObjectFromWindow(NULL), m_pfnLresultFromObject(NULL)
{
    m_user32.GetProc("NotifyWinEvent", m_pfnNotifyWinEvent);
}

CKTAccessibleSupport::~CKTAccessibleSupport() = default;

BOOL CKTAccessibleSupport::LoadAccessibility()
{
    if (m_pOleAcc)
        return m_pOleAcc->IsLoaded();
    m_pOleAcc = std::make_unique<CKTSystemLibrary>("oleacc.dll");
    m_pOleAcc->GetProc("AccessibleObjectFromWindow", m_pfnAccessibleObjectFromWindow);
    m_pOleAcc->GetProc("LresultFromObject", m_pfnLresultFromObject);
    return m_pOleAcc->IsLoaded();
}

HRESULT CKTAccessibleSupport::AccessibleObjectFromWindow(HWND hWnd, DWORD dwObjectId, REFIID riid, void** ppvObject)
{
    if (!LoadAccessibility() || !m_pfnAccessibleObjectFromWindow)
        return E_FAIL;
    return m_pfnAccessibleObjectFromWindow(hWnd, dwObjectId, riid, ppvObject);
}

LRESULT CKTAccessibleSupport::LresultFromObject(REFIID riid, WPARAM wParam, LPUNKNOWN pUnknown)
{
    if (!LoadAccessibility() || !m_pfnLresultFromObject)
        return 0;
    return m_pfnLresultFromObject(riid, wParam, pUnknown);
}

void CKTAccessibleSupport::NotifyWinEvent(DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild)
{
    if (m_pfnNotifyWinEvent)
        m_pfnNotifyWinEvent(dwEvent, hWnd, idObject, idChild);
}

long CKTAccessibleSupport::GetChildIndex(const VARIANT* pVariant)
{
    if (!pVariant)
        return -1;
    switch (pVariant->vt)
    {
    case VT_EMPTY:
        return 0;
    case VT_I2:
        return pVariant->iVal;
    case VT_I4:
        return pVariant->lVal;
    case VT_I2 | VT_BYREF:
        return pVariant->piVal ? *pVariant->piVal : -1;
    case VT_I4 | VT_BYREF:
        return pVariant->plVal ? *pVariant->plVal : -1;
    case VT_VARIANT | VT_BYREF:
        // A variant that refers to itself must not loop.
        return pVariant->pvarVal && pVariant->pvarVal != pVariant ? GetChildIndex(pVariant->pvarVal) : -1;
    default:
        return -1;
    }
}

CKTAccessible::CKTAccessible() : m_nRefs(0) {}

// A client elsewhere may still hold the object through the marshalling layer:
// it is cut off, so that its calls fail instead of reaching a dead owner.
CKTAccessible::~CKTAccessible() { ::CoDisconnectObject(static_cast<IAccessible*>(this), 0); }

STDMETHODIMP CKTAccessible::QueryInterface(REFIID riid, void** ppvObject)
{
    if (!ppvObject)
        return E_POINTER;
    *ppvObject = NULL;
    if (riid != IID_IUnknown && riid != IID_IDispatch && riid != __uuidof(IAccessible))
        return E_NOINTERFACE;
    *ppvObject = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CKTAccessible::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs)); }

STDMETHODIMP_(ULONG) CKTAccessible::Release()
{
    LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    return static_cast<ULONG>(nRefs < 0 ? 0 : nRefs);
}

STDMETHODIMP CKTAccessible::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo)
        *pctinfo = 0;
    return E_NOTIMPL;
}

STDMETHODIMP CKTAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

STDMETHODIMP CKTAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP CKTAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CKTAccessible::get_accParent(IDispatch** ppdispParent)
{
    return Guarded([&] { return GetAccessibleParent(ppdispParent); }, ppdispParent);
}

STDMETHODIMP CKTAccessible::get_accChildCount(long* pcountChildren)
{
    return Guarded([&] { return GetAccessibleChildCount(pcountChildren); }, pcountChildren);
}

STDMETHODIMP CKTAccessible::get_accChild(VARIANT varChild, IDispatch** ppdispChild)
{
    return Guarded([&] { return GetAccessibleChild(varChild, ppdispChild); }, ppdispChild);
}

STDMETHODIMP CKTAccessible::get_accName(VARIANT varChild, BSTR* pszName)
{
    return Guarded([&] { return GetAccessibleName(varChild, pszName); }, pszName);
}

STDMETHODIMP CKTAccessible::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    return Guarded([&] { return GetAccessibleValue(varChild, pszValue); }, pszValue);
}

STDMETHODIMP CKTAccessible::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    return Guarded([&] { return GetAccessibleDescription(varChild, pszDescription); }, pszDescription);
}

STDMETHODIMP CKTAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    return Guarded([&] { return GetAccessibleRole(varChild, pvarRole); }, pvarRole);
}

STDMETHODIMP CKTAccessible::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    return Guarded([&] { return GetAccessibleState(varChild, pvarState); }, pvarState);
}

STDMETHODIMP CKTAccessible::get_accHelp(VARIANT varChild, BSTR* pszHelp)
{
    return Guarded([&] { return GetAccessibleHelp(varChild, pszHelp); }, pszHelp);
}

STDMETHODIMP CKTAccessible::get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic)
{
    return Guarded([&] { return GetAccessibleHelpTopic(pszHelpFile, varChild, pidTopic); }, pszHelpFile, pidTopic);
}

STDMETHODIMP CKTAccessible::get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut)
{
    return Guarded([&] { return GetAccessibleKeyboardShortcut(varChild, pszKeyboardShortcut); }, pszKeyboardShortcut);
}

STDMETHODIMP CKTAccessible::get_accFocus(VARIANT* pvarChild)
{
    return Guarded([&] { return GetAccessibleFocus(pvarChild); }, pvarChild);
}

STDMETHODIMP CKTAccessible::get_accSelection(VARIANT* pvarChildren)
{
    return Guarded([&] { return GetAccessibleSelection(pvarChildren); }, pvarChildren);
}

STDMETHODIMP CKTAccessible::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    return Guarded([&] { return GetAccessibleDefaultAction(varChild, pszDefaultAction); }, pszDefaultAction);
}

STDMETHODIMP CKTAccessible::accSelect(long flagsSelect, VARIANT varChild)
{
    return Guarded([&] { return AccessibleSelect(flagsSelect, varChild); });
}

STDMETHODIMP CKTAccessible::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild)
{
    return Guarded([&] { return AccessibleLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild); }, pxLeft, pyTop,
                   pcxWidth, pcyHeight);
}

STDMETHODIMP CKTAccessible::accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt)
{
    return Guarded([&] { return AccessibleNavigate(navDir, varStart, pvarEndUpAt); }, pvarEndUpAt);
}

STDMETHODIMP CKTAccessible::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    return Guarded([&] { return AccessibleHitTest(xLeft, yTop, pvarChild); }, pvarChild);
}

STDMETHODIMP CKTAccessible::accDoDefaultAction(VARIANT varChild)
{
    return Guarded([&] { return AccessibleDoDefaultAction(varChild); });
}

STDMETHODIMP CKTAccessible::put_accName(VARIANT varChild, BSTR szName)
{
    return Guarded([&] { return PutAccessibleName(varChild, szName); });
}

STDMETHODIMP CKTAccessible::put_accValue(VARIANT varChild, BSTR szValue)
{
    return Guarded([&] { return PutAccessibleValue(varChild, szValue); });
}

HRESULT CKTAccessible::GetAccessibleParent(IDispatch**) { return E_NOTIMPL; }

HRESULT CKTAccessible::GetAccessibleChildCount(long*) { return E_NOTIMPL; }

HRESULT CKTAccessible::GetAccessibleChild(VARIANT, IDispatch**) { return E_NOTIMPL; }

HRESULT CKTAccessible::GetAccessibleName(VARIANT, BSTR*) { return E_NOTIMPL; }

HRESULT CKTAccessible::GetAccessibleValue(VARIANT, BSTR*) { return E_NOTIMPL; }

HRESULT CKTAccessible::GetAccessibleDescription(VARIANT, BSTR*) { return E_NOTIMPL; }

HRESULT CKTAccessible::GetAccessibleRole(VARIANT, VARIANT*) { return E_NOTIMPL; }

HRESULT CKTAccessible::GetAccessibleState(VARIANT, VARIANT*) { return E_NOTIMPL; }

HRESULT CKTAccessible::GetAccessibleHelp(VARIANT, BSTR*) { return E_NOTIMPL; }

HRESULT CKTAccessible::GetAccessibleHelpTopic(BSTR*, VARIANT, long*) { return E_NOTIMPL; }

HRESULT CKTAccessible::GetAccessibleKeyboardShortcut(VARIANT, BSTR*) { return E_NOTIMPL; }

HRESULT CKTAccessible::GetAccessibleFocus(VARIANT*) { return E_NOTIMPL; }

HRESULT CKTAccessible::GetAccessibleSelection(VARIANT*) { return E_NOTIMPL; }

HRESULT CKTAccessible::GetAccessibleDefaultAction(VARIANT, BSTR*) { return E_NOTIMPL; }

HRESULT CKTAccessible::AccessibleSelect(long, VARIANT) { return E_NOTIMPL; }

HRESULT CKTAccessible::AccessibleLocation(long*, long*, long*, long*, VARIANT) { return E_NOTIMPL; }

HRESULT CKTAccessible::AccessibleNavigate(long, VARIANT, VARIANT*) { return E_NOTIMPL; }

HRESULT CKTAccessible::AccessibleHitTest(long, long, VARIANT*) { return E_NOTIMPL; }

HRESULT CKTAccessible::AccessibleDoDefaultAction(VARIANT) { return E_NOTIMPL; }

HRESULT CKTAccessible::PutAccessibleName(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT CKTAccessible::PutAccessibleValue(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT CKTAccessible::PutText(LPCSTR lpszText, BSTR* pbstr)
{
    *pbstr = NULL;
    int cch = ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, NULL, 0);
    if (cch <= 1)
        return S_OK;
    *pbstr = AllocateText(UINT(cch - 1));
    if (!*pbstr)
        return E_OUTOFMEMORY;
    ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, *pbstr, cch);
    return S_OK;
}

HRESULT CKTAccessible::PutLong(long nValue, VARIANT* pvar)
{
    pvar->vt = VT_I4;
    pvar->lVal = nValue;
    return S_OK;
}

HRESULT CKTAccessible::PutLocation(const RECT& rc, long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight)
{
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.right - rc.left;
    *pcyHeight = rc.bottom - rc.top;
    return S_OK;
}

HRESULT CKTAccessible::PutObject(IAccessible* pAccessible, IDispatch** ppdisp)
{
    return pAccessible->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(ppdisp));
}

namespace
{
// A dispatch answer made into a variant one: empty when there is none.
HRESULT AsVariant(HRESULT hr, VARIANT* pvar)
{
    pvar->vt = SUCCEEDED(hr) && pvar->pdispVal ? VT_DISPATCH : VT_EMPTY;
    return hr;
}
}  // namespace

HRESULT CKTAccessible::PutObject(IAccessible* pAccessible, VARIANT* pvar)
{
    return AsVariant(PutObject(pAccessible, &pvar->pdispVal), pvar);
}

HRESULT CKTAccessible::PutWindowObject(HWND hWnd, IDispatch** ppdisp)
{
    return AccessibleObjectFromWindow(hWnd, DWORD(OBJID_WINDOW), IID_IDispatch, reinterpret_cast<void**>(ppdisp));
}

HRESULT CKTAccessible::PutWindowObject(HWND hWnd, VARIANT* pvar)
{
    return AsVariant(PutWindowObject(hWnd, &pvar->pdispVal), pvar);
}

CKTWindowAccessible::CKTWindowAccessible(CWnd* pWnd, LPCSTR lpszName, long nRole, long nState)
    : m_pWnd(pWnd), m_lpszName(lpszName), m_nRole(nRole), m_nState(nState)
{
}

HRESULT CKTWindowAccessible::GetAccessibleParent(IDispatch** ppdispParent)
{
    return PutWindowObject(m_pWnd->GetSafeHwnd(), ppdispParent);
}

HRESULT CKTWindowAccessible::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    return IsSelf(varChild) ? PutText(m_lpszName, pszName) : E_INVALIDARG;
}

HRESULT CKTWindowAccessible::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    return IsSelf(varChild) ? PutLong(m_nRole, pvarRole) : E_INVALIDARG;
}

HRESULT CKTWindowAccessible::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    return IsSelf(varChild) ? PutLong(m_nState, pvarState) : E_INVALIDARG;
}

HRESULT CKTWindowAccessible::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                                VARIANT varChild)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    return PutLocation(CKTWindowRect(m_pWnd), pxLeft, pyTop, pcxWidth, pcyHeight);
}
