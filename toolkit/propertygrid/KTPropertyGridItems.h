// KTPropertyGridItems.h: an ordered collection of grid items (an item's children, the view's categories).
//
// Classes: CKTPropertyGridItems.
#pragma once

#include <afxwin.h>

#include <vector>

#include "KTSmartPtr.h"

class CKTPropertyGridItem;
class CKTPropertyGridView;

class CKTPropertyGridItems : public CCmdTarget
{
public:
    CKTPropertyGridItems() = default;
    ~CKTPropertyGridItems() override;

    int GetCount() const { return static_cast<int>(m_arr.size()); }
    // Refuses an index out of range with the invalid-argument exception.
    CKTPropertyGridItem* GetAt(int nIndex) const;
    // Takes over the reference the caller made the item with; a negative
    // index or one past the end appends.
    void InsertAt(int nIndex, CKTPropertyGridItem* pItem);
    // Appends the items of another collection, each with a reference of this one's own.
    void AddTail(const CKTPropertyGridItems* pItems);
    // Depth first, an item before its children; null when absent.
    CKTPropertyGridItem* FindItem(UINT nID) const;
    // Exact, case-sensitive; null when absent.
    CKTPropertyGridItem* FindItemByCaption(LPCSTR lpszCaption) const;
    // By caption, case-sensitive.
    void Sort();
    // Cleans up and releases every item; a view holding them stays in one
    // bulk update meanwhile.
    void Clear();

private:
    template <class TMatch>
    CKTPropertyGridItem* FindFirst(TMatch match) const;

    std::vector<CKTSmartPtr<CKTPropertyGridItem>> m_arr;
};
