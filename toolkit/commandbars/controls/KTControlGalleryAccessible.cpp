// KTControlGalleryAccessible.cpp: a gallery's items answer as list items: caption, state, place and a click.
#include "KTControlGalleryAccessible.h"

#include "KTCommandBar.h"
#include "KTControlGallery.h"
#include "KTDrawHelpers.h"

namespace
{
const int kSelf = -1, kBad = -2;
}  // namespace

CKTControlGalleryAccessible::CKTControlGalleryAccessible(CKTControlGallery* pGallery)
    : CKTControlAccessible(pGallery), m_pGallery(pGallery)
{
}

int CKTControlGalleryAccessible::ItemOf(const VARIANT& varChild) const
{
    long nChild = GetChildIndex(&varChild);
    if (nChild == CHILDID_SELF)
        return kSelf;
    return nChild >= 1 && nChild <= m_pGallery->GetItemCount() ? (int)nChild - 1 : kBad;
}

HRESULT CKTControlGalleryAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    *pcountChildren = m_pGallery->GetItemCount();
    return S_OK;
}

// Items are simple children, told by id: they have no object of their own.
HRESULT CKTControlGalleryAccessible::GetAccessibleChild(VARIANT varChild, IDispatch**)
{
    return ItemOf(varChild) >= 0 ? S_FALSE : E_INVALIDARG;
}

HRESULT CKTControlGalleryAccessible::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    int nItem = ItemOf(varChild);
    if (nItem == kSelf)
        return CKTControlAccessible::GetAccessibleName(varChild, pszName);
    if (nItem == kBad)
        return E_INVALIDARG;
    CKTControlGalleryItem* pItem = m_pGallery->GetItem(nItem);
    CString strName = pItem->GetCaption().IsEmpty() ? pItem->GetTooltip() : pItem->GetCaption();
    CKTDrawHelpers::StripMnemonics(strName);
    return PutText(strName, pszName);
}

HRESULT CKTControlGalleryAccessible::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    int nItem = ItemOf(varChild);
    if (nItem == kBad)
        return E_INVALIDARG;
    return PutLong(nItem == kSelf ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM, pvarRole);
}

HRESULT CKTControlGalleryAccessible::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    int nItem = ItemOf(varChild);
    if (nItem == kSelf)
        return CKTControlAccessible::GetAccessibleState(varChild, pvarState);
    if (nItem == kBad)
        return E_INVALIDARG;
    long nState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (nItem == m_pGallery->GetHotItem())
        nState |= STATE_SYSTEM_FOCUSED;
    if (m_pGallery->GetItem(nItem)->GetID() == m_pGallery->GetChosenItem())
        nState |= STATE_SYSTEM_SELECTED;
    return PutLong(nState, pvarState);
}

HRESULT CKTControlGalleryAccessible::GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    return ItemOf(varChild) == kBad ? E_INVALIDARG : PutText("Click", pszDefaultAction);
}

// An item's action only makes it hot, as selecting it does.
HRESULT CKTControlGalleryAccessible::AccessibleDoDefaultAction(VARIANT varChild)
{
    if (ItemOf(varChild) == kSelf)
        return CKTControlAccessible::AccessibleDoDefaultAction(varChild);
    return AccessibleSelect(0, varChild);
}

HRESULT CKTControlGalleryAccessible::AccessibleSelect(long flagsSelect, VARIANT varChild)
{
    int nItem = ItemOf(varChild);
    if (nItem < 0)
        return nItem == kSelf ? CKTControlAccessible::AccessibleSelect(flagsSelect, varChild) : E_INVALIDARG;
    m_pGallery->SetHotItem(nItem);
    return S_OK;
}

HRESULT CKTControlGalleryAccessible::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                                        VARIANT varChild)
{
    int nItem = ItemOf(varChild);
    if (nItem < 0)
        return nItem == kSelf ? CKTControlAccessible::AccessibleLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild)
                              : E_INVALIDARG;
    return PutBarLocation(m_pGallery->GetItemDrawRect(nItem), pxLeft, pyTop, pcxWidth, pcyHeight);
}

HRESULT CKTControlGalleryAccessible::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    CKTCommandBar* pBar = m_pGallery->GetParent();
    if (!pBar || !pBar->GetSafeHwnd())
        return S_FALSE;
    CPoint pt(xLeft, yTop);
    pBar->ScreenToClient(&pt);
    if (!m_pGallery->GetRect().PtInRect(pt))
        return S_FALSE;
    return PutLong(m_pGallery->HitTestItem(pt) + 1, pvarChild);
}
