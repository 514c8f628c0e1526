// KTDockingPaneAccessible.cpp: what the accessible objects of panes, groups and the manager answer.
#include "KTDockingPaneAccessible.h"

#include "KTDockingPane.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawObjects.h"

// ---- a pane

BOOL CKTDockingPaneAccessible::IsValidChild(const VARIANT& varChild) const
{
    long nChild = GetChildIndex(&varChild);
    return nChild == CHILDID_SELF || (nChild == 1 && m_pPane->GetHandle());
}

HRESULT CKTDockingPaneAccessible::GetAccessibleParent(IDispatch** ppdispParent)
{
    CKTDockingPaneTabbedContainer* pContainer = m_pPane->GetTabbedContainer();
    return pContainer ? PutObject(pContainer->GetAccessible(), ppdispParent) : E_FAIL;
}

HRESULT CKTDockingPaneAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    *pcountChildren = m_pPane->GetHandle() ? 1 : 0;
    return S_OK;
}

HRESULT CKTDockingPaneAccessible::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild)
{
    if (GetChildIndex(&varChild) != 1 || !m_pPane->GetHandle())
        return E_INVALIDARG;
    return PutWindowObject(m_pPane->GetHandle(), ppdispChild);
}

HRESULT CKTDockingPaneAccessible::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    return IsValidChild(varChild) ? PutText(m_pPane->GetShortTitle(), pszName) : E_INVALIDARG;
}

HRESULT CKTDockingPaneAccessible::GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription)
{
    return IsValidChild(varChild) ? PutText(m_pPane->GetTitle(), pszDescription) : E_INVALIDARG;
}

HRESULT CKTDockingPaneAccessible::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    return IsValidChild(varChild) ? PutLong(ROLE_SYSTEM_PAGETAB, pvarRole) : E_INVALIDARG;
}

long CKTDockingPaneAccessible::GetState() const
{
    long nState = STATE_SYSTEM_SELECTABLE;
    if (m_pPane->IsClosed())
        nState |= STATE_SYSTEM_INVISIBLE;
    CKTDockingPaneTabbedContainer* pContainer = m_pPane->GetTabbedContainer();
    if (pContainer && pContainer->GetSelected() == m_pPane)
        nState |= STATE_SYSTEM_SELECTED;
    return nState;
}

HRESULT CKTDockingPaneAccessible::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    return IsValidChild(varChild) ? PutLong(GetState(), pvarState) : E_INVALIDARG;
}

HRESULT CKTDockingPaneAccessible::GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    return IsValidChild(varChild) ? PutText("Switch", pszDefaultAction) : E_INVALIDARG;
}

HRESULT CKTDockingPaneAccessible::AccessibleSelect(long, VARIANT varChild)
{
    return AccessibleDoDefaultAction(varChild);
}

HRESULT CKTDockingPaneAccessible::AccessibleDoDefaultAction(VARIANT varChild)
{
    if (!IsValidChild(varChild))
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
    if (!IsValidChild(varChild))
        return E_INVALIDARG;
    CRect rc = GetChildIndex(&varChild) == 1 ? CKTWindowRect(m_pPane->GetHandle()) : ScreenRect();
    return PutLocation(rc, pxLeft, pyTop, pcxWidth, pcyHeight);
}

HRESULT CKTDockingPaneAccessible::AccessibleHitTest(long, long, VARIANT* pvarChild)
{
    return PutLong(CHILDID_SELF, pvarChild);
}

// ---- a group of panes

CKTDockingPaneTabbedContainerAccessible::CKTDockingPaneTabbedContainerAccessible(
    CKTDockingPaneTabbedContainer* pContainer)
    : CKTWindowAccessible(pContainer, "KTDockingPaneTabbedContainer", ROLE_SYSTEM_PAGETABLIST, 0),
      m_pContainer(pContainer)
{
}

HRESULT CKTDockingPaneTabbedContainerAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    *pcountChildren = m_pContainer->GetTabRow().GetItemCount() + 1;
    return S_OK;
}

HWND CKTDockingPaneTabbedContainerAccessible::SelectedWindow() const
{
    CKTDockingPane* pSelected = m_pContainer->GetSelected();
    return pSelected ? pSelected->GetHandle() : NULL;
}

CKTDockingPane* CKTDockingPaneTabbedContainerAccessible::PaneOfChild(long nChild) const
{
    if (nChild < 2 || nChild > m_pContainer->GetTabRow().GetItemCount() + 1)
        return nullptr;
    return m_pContainer->GetPaneAt(int(nChild - 2));
}

HRESULT CKTDockingPaneTabbedContainerAccessible::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild)
{
    long nChild = GetChildIndex(&varChild);
    HWND hSelected = nChild == 1 ? SelectedWindow() : NULL;
    if (hSelected)
        return PutWindowObject(hSelected, ppdispChild);
    CKTDockingPane* pPane = PaneOfChild(nChild);
    return pPane ? PutObject(pPane->GetAccessible(), ppdispChild) : E_INVALIDARG;
}

HRESULT CKTDockingPaneTabbedContainerAccessible::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    CPoint pt(xLeft, yTop);
    if (!CKTWindowRect(m_pContainer->GetSafeHwnd()).PtInRect(pt))
        return S_FALSE;
    m_pContainer->ScreenToClient(&pt);
    int nHit = m_pContainer->HitTest(pt);
    if (nHit >= 0)
        return PutObject(m_pContainer->GetPaneAt(nHit)->GetAccessible(), pvarChild);
    HWND hSelected = nHit == -1 ? SelectedWindow() : NULL;
    if (hSelected && SUCCEEDED(PutWindowObject(hSelected, pvarChild)))
        return S_OK;
    return PutLong(CHILDID_SELF, pvarChild);
}

// ---- the manager

CKTDockingPaneManagerAccessible::CKTDockingPaneManagerAccessible(CKTDockingPaneManager* pManager)
    : CKTWindowAccessible(pManager, "KTDockingPaneManager", ROLE_SYSTEM_PROPERTYPAGE, 0), m_pManager(pManager)
{
}

long CKTDockingPaneManagerAccessible::GetPaneCount() const
{
    CKTDockingPaneLayoutData* pLayout = m_pManager->GetLayout();
    return pLayout ? long(pLayout->GetPaneList().size()) : 0;
}

HRESULT CKTDockingPaneManagerAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    *pcountChildren = GetPaneCount();
    return S_OK;
}

HRESULT CKTDockingPaneManagerAccessible::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild)
{
    long nChild = GetChildIndex(&varChild);
    if (nChild < 1 || nChild > GetPaneCount())
        return E_INVALIDARG;
    CKTDockingPane* pPane = m_pManager->GetLayout()->GetPaneList()[size_t(nChild - 1)].pPane;
    return PutObject(pPane->GetAccessible(), ppdispChild);
}

HRESULT CKTDockingPaneManagerAccessible::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                                            VARIANT varChild)
{
    return IsSelf(varChild) ? PutLocation(CRect(0, 0, 10, 10), pxLeft, pyTop, pcxWidth, pcyHeight) : E_INVALIDARG;
}

HRESULT CKTDockingPaneManagerAccessible::AccessibleHitTest(long, long, VARIANT*) { return S_FALSE; }
