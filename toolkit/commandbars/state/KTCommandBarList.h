// KTCommandBarList.h: an ordered list of bars that holds a reference to each, for saving, loading and context menus.
//
// Classes: CKTCommandBarList.
#pragma once

#include <afxwin.h>

#include "KTSmartPtr.h"

#include <vector>

class CKTCommandBar;

class CKTCommandBarList : public CCmdTarget
{
public:
    CKTCommandBarList() = default;
    ~CKTCommandBarList() override { RemoveAll(); }

    // Appends the bar, taking a reference of its own.
    void Add(CKTCommandBar* pBar) { m_bars.push_back(pBar); }
    BOOL Lookup(const CKTCommandBar* pBar) const;
    // The first bar of the id, NULL for none.
    CKTCommandBar* FindBar(UINT nBarId) const;
    int GetCount() const { return (int)m_bars.size(); }
    CKTCommandBar* GetAt(int nIndex) const { return m_bars[nIndex]; }
    void RemoveAll() { m_bars.clear(); }

private:
    std::vector<CKTSmartPtr<CKTCommandBar>> m_bars;
};

// Whether a loaded list is whole and consistent: each bar's kind, type and position agree, every control's
// type fits its class, every popup link names a loaded popup bar, and the links nest without a cycle.
BOOL KTIsCommandBarListSound(const CKTCommandBarList& list);
