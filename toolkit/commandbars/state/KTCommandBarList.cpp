// KTCommandBarList.cpp: looking bars up in a bar list.
#include "KTCommandBarList.h"

#include "KTCommandBar.h"

BOOL CKTCommandBarList::Lookup(const CKTCommandBar* pBar) const
{
    for (const auto& pEntry : m_bars)
        if (pEntry == pBar)
            return TRUE;
    return FALSE;
}

CKTCommandBar* CKTCommandBarList::FindBar(UINT nBarId) const
{
    for (const auto& pEntry : m_bars)
        if (pEntry->GetBarID() == nBarId)
            return pEntry;
    return NULL;
}
