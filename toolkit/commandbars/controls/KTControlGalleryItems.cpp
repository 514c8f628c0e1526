// KTControlGalleryItems.cpp: gallery items, their size and their default look.
#include "KTControlGalleryItems.h"

#include "KTCommandBar.h"
#include "KTControlGallery.h"
#include "KTPaintManager.h"

CSize CKTControlGalleryItem::GetSize(CKTControlGallery*) const
{
    if (m_szItem != CSize(0, 0) || !m_pItems)
        return m_szItem;
    return m_pItems->GetItemSize();
}

void CKTControlGalleryItem::Draw(CDC* pDC, CKTControlGallery* pGallery, CRect rc, BOOL bEnabled, BOOL bHot,
                                 BOOL bPressed, BOOL bChosen)
{
    CKTPaintManager* pPaintManager = pGallery->GetPaintManager();
    KT_CONTROLSTATE state;
    state.bSelected = bHot;
    state.nPressed = bPressed;
    state.bEnabled = bEnabled;
    state.nChecked = bChosen;
    pPaintManager->DrawControlEntry(pDC, rc, state);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(pPaintManager->GetColor(pPaintManager->GetRectangleTextColor(state)));
    pDC->DrawText(m_strCaption, rc, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

CKTControlGalleryItem* CKTControlGalleryItems::Append(CKTSmartPtr<CKTControlGalleryItem> pItem)
{
    pItem->m_nIndex = (int)m_items.size();
    pItem->m_pItems = this;
    m_items.push_back(pItem);
    return pItem;
}

CKTControlGalleryItem* CKTControlGalleryItems::AddItem(LPCSTR lpszCaption, int nId)
{
    CKTSmartPtr<CKTControlGalleryItem> pItem = KTMakeCounted<CKTControlGalleryItem>();
    pItem->m_nId = nId;
    pItem->m_strCaption = lpszCaption;
    return Append(pItem);
}

CKTControlGalleryItem* CKTControlGalleryItems::AddLabel(LPCSTR lpszCaption)
{
    CKTSmartPtr<CKTControlGalleryItem> pItem = KTMakeCounted<CKTControlGalleryItem>();
    pItem->m_bLabel = TRUE;
    pItem->m_strCaption = lpszCaption;
    return Append(pItem);
}

CKTControlGalleryItem* CKTControlGalleryItems::GetItem(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_items.size() ? m_items[nIndex].GetInterface() : NULL;
}
