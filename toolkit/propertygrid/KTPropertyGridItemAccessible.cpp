// KTPropertyGridItemAccessible.cpp: name, value, state, place and action of one grid row.
#include "KTPropertyGridItemAccessible.h"

#include "KTPropertyGridItem.h"
#include "KTPropertyGridView.h"

HRESULT CKTPropertyGridItemAccessible::GetAccessibleParent(IDispatch** ppdispParent)
{
    CKTPropertyGridView* pView = m_pItem->GetGridView();
    return pView ? PutObject(pView->GetAccessible(), ppdispParent) : S_FALSE;
}

HRESULT CKTPropertyGridItemAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    *pcountChildren = 0;
    return S_OK;
}

HRESULT CKTPropertyGridItemAccessible::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    return IsSelf(varChild) ? PutText(m_pItem->GetCaption(), pszName) : E_INVALIDARG;
}

HRESULT CKTPropertyGridItemAccessible::GetAccessibleValue(VARIANT varChild, BSTR* pszValue)
{
    return IsSelf(varChild) ? PutText(m_pItem->GetValue(), pszValue) : E_INVALIDARG;
}

HRESULT CKTPropertyGridItemAccessible::GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription)
{
    return IsSelf(varChild) ? PutText(m_pItem->GetDescription(), pszDescription) : E_INVALIDARG;
}

HRESULT CKTPropertyGridItemAccessible::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    return IsSelf(varChild) ? PutLong(ROLE_SYSTEM_ROW, pvarRole) : E_INVALIDARG;
}

long CKTPropertyGridItemAccessible::GetState() const
{
    long nState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (m_pItem->IsSelected())
        nState |= STATE_SYSTEM_FOCUSED;
    if (!m_pItem->IsVisible())
        nState |= STATE_SYSTEM_INVISIBLE;
    if (m_pItem->GetReadOnly())
        nState |= STATE_SYSTEM_READONLY;
    return nState;
}

HRESULT CKTPropertyGridItemAccessible::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    return IsSelf(varChild) ? PutLong(GetState(), pvarState) : E_INVALIDARG;
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
    return IsSelf(varChild) ? PutLocation(ScreenRect(), pxLeft, pyTop, pcxWidth, pcyHeight) : E_INVALIDARG;
}

HRESULT CKTPropertyGridItemAccessible::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    return ScreenRect().PtInRect(CPoint(xLeft, yTop)) ? PutLong(CHILDID_SELF, pvarChild) : S_FALSE;
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
