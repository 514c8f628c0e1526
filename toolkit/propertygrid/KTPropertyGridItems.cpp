// KTPropertyGridItems.cpp: inserting, finding, sorting and clearing grid items.
#include "KTPropertyGridItems.h"

#include <algorithm>

#include "KTPropertyGridItem.h"
#include "KTPropertyGridView.h"

CKTPropertyGridItems::~CKTPropertyGridItems() { Clear(); }

CKTPropertyGridItem* CKTPropertyGridItems::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        AfxThrowInvalidArgException();
    return m_arr[nIndex];
}

void CKTPropertyGridItems::InsertAt(int nIndex, CKTPropertyGridItem* pItem)
{
    if (nIndex < 0 || nIndex > GetCount())
        nIndex = GetCount();
    m_arr.insert(m_arr.begin() + nIndex, CKTSmartPtr<CKTPropertyGridItem>::Adopt(pItem));
}

void CKTPropertyGridItems::AddTail(const CKTPropertyGridItems* pItems)
{
    if (!pItems)
        return;
    // Copied first: the collection may be this one.
    const std::vector<CKTSmartPtr<CKTPropertyGridItem>> arr = pItems->m_arr;
    m_arr.insert(m_arr.end(), arr.begin(), arr.end());
}

template <class TMatch>
CKTPropertyGridItem* CKTPropertyGridItems::FindFirst(TMatch match) const
{
    for (const auto& p : m_arr)
    {
        if (match(p))
            return p;
        if (CKTPropertyGridItem* pFound = p->GetChilds()->FindFirst(match))
            return pFound;
    }
    return nullptr;
}

CKTPropertyGridItem* CKTPropertyGridItems::FindItem(UINT nID) const
{
    return FindFirst([nID](CKTPropertyGridItem* p) { return p->GetID() == nID; });
}

CKTPropertyGridItem* CKTPropertyGridItems::FindItemByCaption(LPCSTR lpszCaption) const
{
    return FindFirst([lpszCaption](CKTPropertyGridItem* p) { return p->GetCaption().Compare(lpszCaption) == 0; });
}

void CKTPropertyGridItems::Sort()
{
    std::stable_sort(m_arr.begin(), m_arr.end(),
                     [](const auto& a, const auto& b) { return a->GetCaption().Compare(b->GetCaption()) < 0; });
}

void CKTPropertyGridItems::Clear()
{
    if (m_arr.empty())
        return;
    CKTPropertyGridView* pView = m_arr.front()->GetGridView();
    if (pView)
        pView->BeginUpdate();
    std::vector<CKTSmartPtr<CKTPropertyGridItem>> arr;
    arr.swap(m_arr);
    for (auto& p : arr)
        p->Cleanup();
    arr.clear();
    if (pView)
        pView->EndUpdate();
}
