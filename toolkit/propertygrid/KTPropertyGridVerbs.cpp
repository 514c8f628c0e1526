// KTPropertyGridVerbs.cpp: adding verbs to the grid's verbs panel.
#include "KTPropertyGridVerbs.h"

CKTPropertyGridVerb* CKTPropertyGridVerbs::Add(LPCSTR lpszCaption, UINT nID)
{
    m_arr.push_back(KTMakeCounted<CKTPropertyGridVerb>(lpszCaption, nID));
    return m_arr.back();
}

CKTPropertyGridVerb* CKTPropertyGridVerbs::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        AfxThrowInvalidArgException();
    return m_arr[nIndex];
}
