// KTPropertyGridViewAccessible.cpp: "Properties Window", a table whose children are the rows' items.
#include "KTPropertyGridViewAccessible.h"

#include "KTPropertyGridItem.h"
#include "KTPropertyGridView.h"

CKTPropertyGridViewAccessible::CKTPropertyGridViewAccessible(CKTPropertyGridView* pView)
    : CKTWindowAccessible(pView, "Properties Window", ROLE_SYSTEM_TABLE, STATE_SYSTEM_FOCUSABLE), m_pView(pView)
{
}

HRESULT CKTPropertyGridViewAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    *pcountChildren = m_pView->GetSafeHwnd() ? m_pView->GetCount() : 0;
    return S_OK;
}

HRESULT CKTPropertyGridViewAccessible::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild)
{
    long nChild = GetChildIndex(&varChild);
    CKTPropertyGridItem* pItem = nChild > 0 ? m_pView->GetItem(nChild - 1) : nullptr;
    return pItem ? PutObject(pItem->GetAccessible(), ppdispChild) : E_INVALIDARG;
}

HRESULT CKTPropertyGridViewAccessible::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    CPoint point(xLeft, yTop);
    m_pView->ScreenToClient(&point);
    CKTPropertyGridItem* pItem = m_pView->ItemFromPoint(point);
    return pItem ? PutObject(pItem->GetAccessible(), pvarChild) : S_FALSE;
}
