// KTDockingPaneAccessible.cpp: what the accessible objects of panes, groups and the manager answer.
#include "KTDockingPaneAccessible.h"

#include "KTDockingPane.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawObjects.h"

namespace
{
// A BSTR copy of the text; NULL for an empty one.
BSTR AllocBstr(LPCSTR lpszText)
{
    int cch = ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, NULL, 0);
    if (cch <= 1)
        return NULL;
    BSTR bstr = ::SysAllocStringLen(NULL, UINT(cch - 1));
    if (bstr)
        ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, bstr, cch);
    return bstr;
}

void SetLong(VARIANT* pVariant, long nValue)
{
    pVariant->vt = VT_I4;
    pVariant->lVal = nValue;
}

HRESULT PutLocation(const CRect& rc, long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight)
{
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT DispatchOf(IAccessible* pAccessible, IDispatch** ppdisp)
{
    return pAccessible->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(ppdisp));
}

HRESULT PutDispatch(IAccessible* pAccessible, VARIANT* pvarChild)
{
    pvarChild->vt = VT_DISPATCH;
    return DispatchOf(pAccessible, &pvarChild->pdispVal);
}
}  // namespace

// ---- a pane

BOOL CKTDockingPaneAccessible::IsValidChild(long nChild) const
{
    return nChild == CHILDID_SELF || (nChild == 1 && m_pPane->GetHandle());
}

HRESULT CKTDockingPaneAccessible::GetAccessibleParent(IDispatch** ppdispParent)
{
    *ppdispParent = NULL;
    CKTDockingPaneTabbedContainer* pContainer = m_pPane->GetTabbedContainer();
    return pContainer ? DispatchOf(pContainer->GetAccessible(), ppdispParent) : E_FAIL;
}

HRESULT CKTDockingPaneAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    *pcountChildren = m_pPane->GetHandle() ? 1 : 0;
    return S_OK;
}

HRESULT CKTDockingPaneAccessible::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild)
{
    *ppdispChild = NULL;
    if (GetChildIndex(&varChild) != 1 || !m_pPane->GetHandle())
        return E_INVALIDARG;
    return AccessibleObjectFromWindow(m_pPane->GetHandle(), DWORD(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(ppdispChild));
}

HRESULT CKTDockingPaneAccessible::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    if (!IsValidChild(GetChildIndex(&varChild)))
        return E_INVALIDARG;
    *pszName = AllocBstr(m_pPane->GetShortTitle());
    return S_OK;
}

HRESULT CKTDockingPaneAccessible::GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription)
{
    if (!IsValidChild(GetChildIndex(&varChild)))
        return E_INVALIDARG;
    *pszDescription = AllocBstr(m_pPane->GetTitle());
    return S_OK;
}

HRESULT CKTDockingPaneAccessible::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (!IsValidChild(GetChildIndex(&varChild)))
        return E_INVALIDARG;
    SetLong(pvarRole, ROLE_SYSTEM_PAGETAB);
    return S_OK;
}

HRESULT CKTDockingPaneAccessible::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    if (!IsValidChild(GetChildIndex(&varChild)))
        return E_INVALIDARG;
    long nState = STATE_SYSTEM_SELECTABLE;
    if (m_pPane->IsClosed())
        nState |= STATE_SYSTEM_INVISIBLE;
    CKTDockingPaneTabbedContainer* pContainer = m_pPane->GetTabbedContainer();
    if (pContainer && pContainer->GetSelected() == m_pPane)
        nState |= STATE_SYSTEM_SELECTED;
    SetLong(pvarState, nState);
    return S_OK;
}

HRESULT CKTDockingPaneAccessible::GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    if (!IsValidChild(GetChildIndex(&varChild)))
        return E_INVALIDARG;
    *pszDefaultAction = AllocBstr("Switch");
    return S_OK;
}

HRESULT CKTDockingPaneAccessible::AccessibleSelect(long, VARIANT varChild)
{
    return AccessibleDoDefaultAction(varChild);
}

HRESULT CKTDockingPaneAccessible::AccessibleDoDefaultAction(VARIANT varChild)
{
    if (!IsValidChild(GetChildIndex(&varChild)))
        return E_INVALIDARG;
    CKTDockingPaneManager* pManager = m_pPane->GetDockingPaneManager();
    if (!pManager)
        return E_FAIL;
    pManager->ShowPane(m_pPane, TRUE);
    return S_OK;
}

CRect CKTDockingPaneAccessible::ScreenRect() const
{
    CKTDockingPaneTabbedContainer* pContainer = m_pPane->GetTabbedContainer();
    if (!pContainer || !pContainer->GetSafeHwnd())
        return CRect();
    CKTDockingPaneTabRow& row = pContainer->GetTabRow();
    int nTab = row.FindPane(m_pPane);
    if (row.GetItemCount() < 2 || nTab < 0)
        return CKTWindowRect(pContainer->GetSafeHwnd());
    CRect rc = row.GetItem(nTab)->GetRect();
    pContainer->ClientToScreen(&rc);
    return rc;
}

HRESULT CKTDockingPaneAccessible::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                                     VARIANT varChild)
{
    long nChild = GetChildIndex(&varChild);
    if (!IsValidChild(nChild))
        return E_INVALIDARG;
    CRect rc = nChild == 1 ? CKTWindowRect(m_pPane->GetHandle()) : ScreenRect();
    return PutLocation(rc, pxLeft, pyTop, pcxWidth, pcyHeight);
}

HRESULT CKTDockingPaneAccessible::AccessibleHitTest(long, long, VARIANT* pvarChild)
{
    SetLong(pvarChild, CHILDID_SELF);
    return S_OK;
}

// ---- a group of panes

HRESULT CKTDockingPaneTabbedContainerAccessible::GetAccessibleParent(IDispatch** ppdispParent)
{
    *ppdispParent = NULL;
    return AccessibleObjectFromWindow(m_pContainer->GetSafeHwnd(), DWORD(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(ppdispParent));
}

HRESULT CKTDockingPaneTabbedContainerAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    *pcountChildren = m_pContainer->GetTabRow().GetItemCount() + 1;
    return S_OK;
}

HRESULT CKTDockingPaneTabbedContainerAccessible::SelectedWindowObject(IDispatch** ppdisp)
{
    CKTDockingPane* pSelected = m_pContainer->GetSelected();
    if (!pSelected || !pSelected->GetHandle())
        return E_INVALIDARG;
    return AccessibleObjectFromWindow(pSelected->GetHandle(), DWORD(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(ppdisp));
}

HRESULT CKTDockingPaneTabbedContainerAccessible::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild)
{
    *ppdispChild = NULL;
    long nChild = GetChildIndex(&varChild);
    if (nChild == 1)
        return SelectedWindowObject(ppdispChild);
    CKTDockingPane* pPane = nChild >= 2 && nChild <= m_pContainer->GetTabRow().GetItemCount() + 1
                                ? m_pContainer->GetPaneAt(int(nChild - 2))
                                : nullptr;
    return pPane ? DispatchOf(pPane->GetAccessible(), ppdispChild) : E_INVALIDARG;
}

HRESULT CKTDockingPaneTabbedContainerAccessible::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    *pszName = AllocBstr("KTDockingPaneTabbedContainer");
    return S_OK;
}

HRESULT CKTDockingPaneTabbedContainerAccessible::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    SetLong(pvarRole, ROLE_SYSTEM_PAGETABLIST);
    return S_OK;
}

HRESULT CKTDockingPaneTabbedContainerAccessible::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    SetLong(pvarState, 0);
    return S_OK;
}

HRESULT CKTDockingPaneTabbedContainerAccessible::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth,
                                                                    long* pcyHeight, VARIANT varChild)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    return PutLocation(CKTWindowRect(m_pContainer->GetSafeHwnd()), pxLeft, pyTop, pcxWidth, pcyHeight);
}

HRESULT CKTDockingPaneTabbedContainerAccessible::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    pvarChild->vt = VT_EMPTY;
    CPoint pt(xLeft, yTop);
    if (!CKTWindowRect(m_pContainer->GetSafeHwnd()).PtInRect(pt))
        return S_FALSE;
    m_pContainer->ScreenToClient(&pt);
    int nHit = m_pContainer->HitTest(pt);
    if (nHit >= 0)
        return PutDispatch(m_pContainer->GetPaneAt(nHit)->GetAccessible(), pvarChild);
    if (nHit == -1 && SUCCEEDED(SelectedWindowObject(&pvarChild->pdispVal)))
    {
        pvarChild->vt = VT_DISPATCH;
        return S_OK;
    }
    SetLong(pvarChild, CHILDID_SELF);
    return S_OK;
}

// ---- the manager

HRESULT CKTDockingPaneManagerAccessible::GetAccessibleParent(IDispatch** ppdispParent)
{
    *ppdispParent = NULL;
    return AccessibleObjectFromWindow(m_pManager->GetSafeHwnd(), DWORD(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(ppdispParent));
}

HRESULT CKTDockingPaneManagerAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    CKTDockingPaneLayoutData* pLayout = m_pManager->GetLayout();
    *pcountChildren = pLayout ? long(pLayout->GetPaneList().size()) : 0;
    return S_OK;
}

HRESULT CKTDockingPaneManagerAccessible::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild)
{
    *ppdispChild = NULL;
    long nChild = GetChildIndex(&varChild), nCount = 0;
    GetAccessibleChildCount(&nCount);
    if (nChild < 1 || nChild > nCount)
        return E_INVALIDARG;
    CKTDockingPane* pPane = m_pManager->GetLayout()->GetPaneList()[size_t(nChild - 1)].pPane;
    return DispatchOf(pPane->GetAccessible(), ppdispChild);
}

HRESULT CKTDockingPaneManagerAccessible::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    *pszName = AllocBstr("KTDockingPaneManager");
    return S_OK;
}

HRESULT CKTDockingPaneManagerAccessible::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    SetLong(pvarRole, ROLE_SYSTEM_PROPERTYPAGE);
    return S_OK;
}

HRESULT CKTDockingPaneManagerAccessible::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    SetLong(pvarState, 0);
    return S_OK;
}

HRESULT CKTDockingPaneManagerAccessible::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                                            VARIANT varChild)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    return PutLocation(CRect(0, 0, 10, 10), pxLeft, pyTop, pcxWidth, pcyHeight);
}

HRESULT CKTDockingPaneManagerAccessible::AccessibleHitTest(long, long, VARIANT* pvarChild)
{
    pvarChild->vt = VT_EMPTY;
    return S_FALSE;
}
