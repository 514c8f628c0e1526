// KTAccessible.cpp: binding the accessibility services and forwarding IAccessible to virtual operations.
#include "KTAccessible.h"

#include <afx.h>

#include <new>

namespace
{

// A client of the interface is outside our code: an exception from an
// overridden operation reaches it as a failure code, never as an unwind.
template <class TCall>
HRESULT Guarded(TCall call)
{
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

CKTAccessible::~CKTAccessible() = default;

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
    return Guarded([&] { return GetAccessibleParent(ppdispParent); });
}

STDMETHODIMP CKTAccessible::get_accChildCount(long* pcountChildren)
{
    return Guarded([&] { return GetAccessibleChildCount(pcountChildren); });
}

STDMETHODIMP CKTAccessible::get_accChild(VARIANT varChild, IDispatch** ppdispChild)
{
    return Guarded([&] { return GetAccessibleChild(varChild, ppdispChild); });
}

STDMETHODIMP CKTAccessible::get_accName(VARIANT varChild, BSTR* pszName)
{
    return Guarded([&] { return GetAccessibleName(varChild, pszName); });
}

STDMETHODIMP CKTAccessible::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    return Guarded([&] { return GetAccessibleValue(varChild, pszValue); });
}

STDMETHODIMP CKTAccessible::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    return Guarded([&] { return GetAccessibleDescription(varChild, pszDescription); });
}

STDMETHODIMP CKTAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    return Guarded([&] { return GetAccessibleRole(varChild, pvarRole); });
}

STDMETHODIMP CKTAccessible::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    return Guarded([&] { return GetAccessibleState(varChild, pvarState); });
}

STDMETHODIMP CKTAccessible::get_accHelp(VARIANT varChild, BSTR* pszHelp)
{
    return Guarded([&] { return GetAccessibleHelp(varChild, pszHelp); });
}

STDMETHODIMP CKTAccessible::get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic)
{
    return Guarded([&] { return GetAccessibleHelpTopic(pszHelpFile, varChild, pidTopic); });
}

STDMETHODIMP CKTAccessible::get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut)
{
    return Guarded([&] { return GetAccessibleKeyboardShortcut(varChild, pszKeyboardShortcut); });
}

STDMETHODIMP CKTAccessible::get_accFocus(VARIANT* pvarChild)
{
    return Guarded([&] { return GetAccessibleFocus(pvarChild); });
}

STDMETHODIMP CKTAccessible::get_accSelection(VARIANT* pvarChildren)
{
    return Guarded([&] { return GetAccessibleSelection(pvarChildren); });
}

STDMETHODIMP CKTAccessible::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    return Guarded([&] { return GetAccessibleDefaultAction(varChild, pszDefaultAction); });
}

STDMETHODIMP CKTAccessible::accSelect(long flagsSelect, VARIANT varChild)
{
    return Guarded([&] { return AccessibleSelect(flagsSelect, varChild); });
}

STDMETHODIMP CKTAccessible::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild)
{
    return Guarded([&] { return AccessibleLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild); });
}

STDMETHODIMP CKTAccessible::accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt)
{
    return Guarded([&] { return AccessibleNavigate(navDir, varStart, pvarEndUpAt); });
}

STDMETHODIMP CKTAccessible::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    return Guarded([&] { return AccessibleHitTest(xLeft, yTop, pvarChild); });
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
