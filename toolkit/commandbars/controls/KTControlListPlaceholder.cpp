// KTControlListPlaceholder.cpp: a place holder's old items go before the new ones come.
#include "KTControlListPlaceholder.h"

#include "KTCommandBar.h"
#include "KTControls.h"

IMPLEMENT_DYNAMIC(CKTControlListPlaceholder, CKTControlButton)

BOOL CKTControlListPlaceholder::IsCustomizeDropAllowed(CKTCommandBar* pBar) const
{
    return pBar->GetType() == ktBarTypePopup;
}

void CKTControlListPlaceholder::RemoveListItems(const std::function<BOOL(CKTControl*)>& isItem)
{
    CKTControls* pControls = m_pParent->GetControls();
    while (CKTControl* pNext = pControls->GetAt(m_nIndex + 1))
    {
        if (!pNext->IsTemporary() || !isItem(pNext))
            return;
        pControls->Remove(pNext);
    }
}

BOOL CKTControlListPlaceholder::ClearListForItems(const std::function<BOOL(CKTControl*)>& isItem)
{
    RemoveListItems(isItem);
    if (IsCustomizeMode())
    {
        SetHideFlags(0);
        return FALSE;
    }
    SetHideFlag(ktHideGeneric, TRUE);
    return TRUE;
}
