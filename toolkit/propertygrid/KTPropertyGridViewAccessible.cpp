// KTPropertyGridViewAccessible.cpp: "Properties Window", a table whose children are the rows' items.
#include "KTPropertyGridViewAccessible.h"

#include "KTDrawObjects.h"
#include "KTPropertyGridItem.h"
#include "KTPropertyGridView.h"

HRESULT CKTPropertyGridViewAccessible::GetAccessibleParent(IDispatch** ppdispParent)
{
    *ppdispParent = NULL;
    return AccessibleObjectFromWindow(m_pView->GetSafeHwnd(), static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(ppdispParent));
}

HRESULT CKTPropertyGridViewAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    *pcountChildren = m_pView->GetSafeHwnd() ? m_pView->GetCount() : 0;
    return S_OK;
}

HRESULT CKTPropertyGridViewAccessible::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild)
{
    *ppdispChild = NULL;
    long nChild = GetChildIndex(&varChild);
    if (nChild <= 0)
        return E_INVALIDARG;
    CKTPropertyGridItem* pItem = m_pView->GetItem(nChild - 1);
    if (!pItem)
        return E_INVALIDARG;
    return pItem->GetAccessible()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(ppdispChild));
}

HRESULT CKTPropertyGridViewAccessible::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    *pszName = KTAllocBstr("Properties Window");
    return S_OK;
}

HRESULT CKTPropertyGridViewAccessible::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    pvarRole->vt = VT_I4;
    pvarRole->lVal = ROLE_SYSTEM_TABLE;
    return S_OK;
}

HRESULT CKTPropertyGridViewAccessible::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    pvarState->vt = VT_I4;
    pvarState->lVal = STATE_SYSTEM_FOCUSABLE;
    return S_OK;
}

HRESULT CKTPropertyGridViewAccessible::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                                          VARIANT varChild)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    CKTWindowRect rc(m_pView);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CKTPropertyGridViewAccessible::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    pvarChild->vt = VT_EMPTY;
    CPoint point(xLeft, yTop);
    m_pView->ScreenToClient(&point);
    CKTPropertyGridItem* pItem = m_pView->ItemFromPoint(point);
    if (!pItem)
        return S_FALSE;
    pvarChild->vt = VT_DISPATCH;
    return pItem->GetAccessible()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&pvarChild->pdispVal));
}
