// KTPropertyGridItemAccessible.cpp: name, value, state, place and action of one grid row.
#include "KTPropertyGridItemAccessible.h"

#include "KTPropertyGridItem.h"
#include "KTPropertyGridView.h"

BSTR KTAllocBstr(LPCSTR lpszText)
{
    int cch = ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, NULL, 0);
    if (cch <= 1)
        return NULL;
    BSTR bstr = ::SysAllocStringLen(NULL, cch - 1);
    if (bstr)
        ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, bstr, cch);
    return bstr;
}

HRESULT CKTPropertyGridItemAccessible::GetAccessibleParent(IDispatch** ppdispParent)
{
    *ppdispParent = NULL;
    CKTPropertyGridView* pView = m_pItem->GetGridView();
    if (!pView)
        return S_FALSE;
    return pView->GetAccessible()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(ppdispParent));
}

HRESULT CKTPropertyGridItemAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    *pcountChildren = 0;
    return S_OK;
}

HRESULT CKTPropertyGridItemAccessible::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    *pszName = KTAllocBstr(m_pItem->GetCaption());
    return S_OK;
}

HRESULT CKTPropertyGridItemAccessible::GetAccessibleValue(VARIANT varChild, BSTR* pszValue)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    *pszValue = KTAllocBstr(m_pItem->GetValue());
    return S_OK;
}

HRESULT CKTPropertyGridItemAccessible::GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    *pszDescription = KTAllocBstr(m_pItem->GetDescription());
    return S_OK;
}

HRESULT CKTPropertyGridItemAccessible::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    pvarRole->vt = VT_I4;
    pvarRole->lVal = ROLE_SYSTEM_ROW;
    return S_OK;
}

HRESULT CKTPropertyGridItemAccessible::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    long nState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (m_pItem->IsSelected())
        nState |= STATE_SYSTEM_FOCUSED;
    if (!m_pItem->IsVisible())
        nState |= STATE_SYSTEM_INVISIBLE;
    if (m_pItem->GetReadOnly())
        nState |= STATE_SYSTEM_READONLY;
    pvarState->vt = VT_I4;
    pvarState->lVal = nState;
    return S_OK;
}

CRect CKTPropertyGridItemAccessible::ScreenRect() const
{
    CRect rc = m_pItem->GetItemRect();
    if (CKTPropertyGridView* pView = m_pItem->GetGridView())
        pView->ClientToScreen(&rc);
    return rc;
}

HRESULT CKTPropertyGridItemAccessible::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                                          VARIANT varChild)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    CRect rc = ScreenRect();
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CKTPropertyGridItemAccessible::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    pvarChild->vt = VT_EMPTY;
    if (!ScreenRect().PtInRect(CPoint(xLeft, yTop)))
        return S_FALSE;
    pvarChild->vt = VT_I4;
    pvarChild->lVal = CHILDID_SELF;
    return S_OK;
}

HRESULT CKTPropertyGridItemAccessible::AccessibleDoDefaultAction(VARIANT varChild)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    CKTPropertyGridView* pView = m_pItem->GetGridView();
    if (!pView || !m_pItem->IsVisible())
        return S_FALSE;
    pView->SetCurSel(m_pItem->GetIndex());
    pView->OnSelectionChanged();
    return S_OK;
}
