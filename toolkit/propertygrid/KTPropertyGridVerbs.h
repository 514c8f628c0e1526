// KTPropertyGridVerbs.h: the link commands shown in the grid's verbs panel.
//
// Classes: CKTPropertyGridVerb, CKTPropertyGridVerbs.
#pragma once

#include <afxwin.h>

#include <vector>

#include "KTSmartPtr.h"

class CKTPropertyGridVerb : public CCmdTarget
{
public:
    CKTPropertyGridVerb(LPCSTR lpszCaption, UINT nID) : m_strCaption(lpszCaption), m_nID(nID) {}

    CString m_strCaption;
    UINT m_nID;
    CRect m_rcVerb = CRect(0, 0, 0, 0);  // set as the panel is drawn
    CPoint m_ptClick = CPoint(0, 0);     // last click, screen coordinates
};

class CKTPropertyGridVerbs : public CCmdTarget
{
public:
    CKTPropertyGridVerbs() = default;

    CKTPropertyGridVerb* Add(LPCSTR lpszCaption, UINT nID);
    int GetCount() const { return static_cast<int>(m_arr.size()); }
    BOOL IsEmpty() const { return m_arr.empty(); }
    // Refuses an index out of range with the invalid-argument exception.
    CKTPropertyGridVerb* GetAt(int nIndex) const;

private:
    std::vector<CKTSmartPtr<CKTPropertyGridVerb>> m_arr;
};
