// KTRibbonControlTabAccessible.cpp: the tab row's names, roles, states and places for a screen reader.
#include "KTRibbonControlTabAccessible.h"

#include "KTDrawHelpers.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonTab.h"

long CKTRibbonControlTabAccessible::ChildOf(const VARIANT& varChild) const
{
    long nChild = GetChildIndex(&varChild);
    return nChild >= 0 && nChild <= m_pControl->GetItemCount() ? nChild : -1;
}

CRect CKTRibbonControlTabAccessible::ScreenRect(long nChild) const
{
    CRect rc = nChild == CHILDID_SELF ? m_pControl->GetRect() : m_pControl->GetItem(nChild - 1)->GetRect();
    if (CKTRibbonBar* pBar = m_pControl->GetRibbonBar())
        if (pBar->GetSafeHwnd())
            pBar->ClientToScreen(&rc);
    return rc;
}

HRESULT CKTRibbonControlTabAccessible::GetAccessibleParent(IDispatch** ppdispParent)
{
    CKTRibbonBar* pBar = m_pControl->GetRibbonBar();
    return pBar && pBar->GetSafeHwnd() ? PutWindowObject(pBar->GetSafeHwnd(), ppdispParent) : E_FAIL;
}

HRESULT CKTRibbonControlTabAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    *pcountChildren = m_pControl->GetItemCount();
    return S_OK;
}

HRESULT CKTRibbonControlTabAccessible::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    long nChild = ChildOf(varChild);
    if (nChild < 0)
        return E_INVALIDARG;
    CString strName = nChild == CHILDID_SELF ? m_pControl->GetCaption() : m_pControl->GetItem(nChild - 1)->GetCaption();
    CKTDrawHelpers::StripMnemonics(strName);
    return PutText(strName, pszName);
}

HRESULT CKTRibbonControlTabAccessible::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    long nChild = ChildOf(varChild);
    if (nChild < 0)
        return E_INVALIDARG;
    return PutLong(nChild == CHILDID_SELF ? ROLE_SYSTEM_PAGETABLIST : ROLE_SYSTEM_PAGETAB, pvarRole);
}

HRESULT CKTRibbonControlTabAccessible::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    long nChild = ChildOf(varChild);
    if (nChild < 0)
        return E_INVALIDARG;
    if (nChild == CHILDID_SELF)
    {
        CKTRibbonBar* pBar = m_pControl->GetRibbonBar();
        BOOL bShown = m_pControl->IsVisible() && pBar && pBar->IsVisible() && pBar->IsRibbonShown();
        return PutLong(STATE_SYSTEM_FOCUSABLE | (bShown ? 0 : STATE_SYSTEM_INVISIBLE), pvarState);
    }
    CKTTabManagerItem* pTab = m_pControl->GetItem(nChild - 1);
    long nState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (pTab->IsSelected())
        nState |= STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED;
    if (!pTab->IsVisible())
        nState |= STATE_SYSTEM_INVISIBLE;
    return PutLong(nState, pvarState);
}

HRESULT CKTRibbonControlTabAccessible::GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    long nChild = ChildOf(varChild);
    if (nChild < 0)
        return E_INVALIDARG;
    return nChild == CHILDID_SELF ? S_FALSE : PutText("Switch", pszDefaultAction);
}

HRESULT CKTRibbonControlTabAccessible::AccessibleSelect(long, VARIANT varChild)
{
    return AccessibleDoDefaultAction(varChild);
}

HRESULT CKTRibbonControlTabAccessible::AccessibleDoDefaultAction(VARIANT varChild)
{
    long nChild = ChildOf(varChild);
    if (nChild < 0)
        return E_INVALIDARG;
    if (nChild == CHILDID_SELF)
        return S_FALSE;
    m_pControl->SetCurSel(nChild - 1);
    return S_OK;
}

HRESULT CKTRibbonControlTabAccessible::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                                          VARIANT varChild)
{
    long nChild = ChildOf(varChild);
    if (nChild < 0)
        return E_INVALIDARG;
    return PutLocation(ScreenRect(nChild), pxLeft, pyTop, pcxWidth, pcyHeight);
}

HRESULT CKTRibbonControlTabAccessible::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    CPoint pt(xLeft, yTop);
    if (!ScreenRect(CHILDID_SELF).PtInRect(pt))
        return S_FALSE;
    long nChild = CHILDID_SELF;
    for (int i = 0; i < m_pControl->GetItemCount(); i++)
        if (m_pControl->GetItem(i)->IsVisible() && ScreenRect(i + 1).PtInRect(pt))
            nChild = i + 1;
    return PutLong(nChild, pvarChild);
}
