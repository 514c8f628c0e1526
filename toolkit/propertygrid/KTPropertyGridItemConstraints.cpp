// KTPropertyGridItemConstraints.cpp: adding, finding, removing and sorting allowed values.
#include "KTPropertyGridItemConstraints.h"

#include <algorithm>

#include "KTPropertyGridItem.h"

CKTPropertyGridItemConstraints::~CKTPropertyGridItemConstraints()
{
    for (auto& p : m_arr)
        p->m_pItem = nullptr;
}

CKTPropertyGridItemConstraint* CKTPropertyGridItemConstraints::AddConstraint(LPCSTR lpszConstraint, DWORD_PTR dwData,
                                                                             int nImage)
{
    auto p = KTMakeCounted<CKTPropertyGridItemConstraint>(m_pItem, lpszConstraint, dwData, nImage);
    p->m_nIndex = GetCount();
    m_arr.push_back(p);
    NotifyChanged();
    return p;
}

CString CKTPropertyGridItemConstraints::GetAt(int nIndex) const
{
    CKTPropertyGridItemConstraint* p = GetConstraintAt(nIndex);
    return p ? p->m_strConstraint : CString();
}

CKTPropertyGridItemConstraint* CKTPropertyGridItemConstraints::GetConstraintAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arr[nIndex].GetInterface() : nullptr;
}

int CKTPropertyGridItemConstraints::FindConstraint(LPCSTR lpszConstraint) const
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arr[i]->m_strConstraint.CompareNoCase(lpszConstraint) == 0)
            return i;
    }
    return -1;
}

void CKTPropertyGridItemConstraints::RemoveAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        AfxThrowInvalidArgException();
    m_arr[nIndex]->m_pItem = nullptr;
    m_arr.erase(m_arr.begin() + nIndex);
    Renumber();
    NotifyChanged();
}

void CKTPropertyGridItemConstraints::RemoveAll()
{
    for (auto& p : m_arr)
        p->m_pItem = nullptr;
    m_arr.clear();
    m_arr.shrink_to_fit();
    NotifyChanged();
}

void CKTPropertyGridItemConstraints::Sort()
{
    std::stable_sort(m_arr.begin(), m_arr.end(),
                     [](const auto& a, const auto& b) { return a->m_strConstraint.Compare(b->m_strConstraint) < 0; });
    Renumber();
}

void CKTPropertyGridItemConstraints::Renumber()
{
    for (int i = 0; i < GetCount(); i++)
        m_arr[i]->m_nIndex = i;
}

void CKTPropertyGridItemConstraints::NotifyChanged()
{
    if (m_pItem)
        m_pItem->OnConstraintsChanged();
}
