// KTPropertyGridItemConstraints.h: the allowed values of a grid item.
//
// Classes: CKTPropertyGridItemConstraint, CKTPropertyGridItemConstraints.
#pragma once

#include <afxwin.h>

#include <vector>

#include "KTSmartPtr.h"

class CKTPropertyGridItem;

class CKTPropertyGridItemConstraint : public CCmdTarget
{
public:
    CKTPropertyGridItemConstraint(CKTPropertyGridItem* pItem, LPCSTR lpszConstraint, DWORD_PTR dwData, int nImage)
        : m_strConstraint(lpszConstraint), m_dwData(dwData), m_nImage(nImage), m_pItem(pItem)
    {
    }

    CString m_strConstraint;
    DWORD_PTR m_dwData;
    int m_nImage;                  // -1 none
    int m_nIndex = 0;              // position in the list
    CKTPropertyGridItem* m_pItem;  // owner, not counted
};

class CKTPropertyGridItemConstraints : public CCmdTarget
{
public:
    explicit CKTPropertyGridItemConstraints(CKTPropertyGridItem* pItem) : m_pItem(pItem) {}
    ~CKTPropertyGridItemConstraints() override;

    CKTPropertyGridItemConstraint* AddConstraint(LPCSTR lpszConstraint, DWORD_PTR dwData = 0, int nImage = -1);
    int GetCount() const { return static_cast<int>(m_arr.size()); }
    // Empty for an index out of range.
    CString GetAt(int nIndex) const;
    CKTPropertyGridItemConstraint* GetConstraintAt(int nIndex) const;
    // Ignores case; -1 when absent.
    int FindConstraint(LPCSTR lpszConstraint) const;
    // Refuses an index out of range with the invalid-argument exception.
    void RemoveAt(int nIndex);
    void RemoveAll();
    void SetCurrent(int nIndex) { m_nCurrent = nIndex; }
    int GetCurrent() const { return m_nCurrent; }
    // By text, case-sensitive.
    void Sort();
    // Called by the item as it goes: no hook may reach it afterwards.
    void Detach() { m_pItem = nullptr; }

private:
    void Renumber();
    void NotifyChanged();

    std::vector<CKTSmartPtr<CKTPropertyGridItemConstraint>> m_arr;
    int m_nCurrent = -1;
    CKTPropertyGridItem* m_pItem;  // owner, not counted
};
