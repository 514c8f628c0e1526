// KBTabCtrlItem.h: one tab of the themed tab control: its window, its label, tooltip and the caption it shows.
//
// Classes: CKBTabCtrlItem.
#pragma once

#include <afxwin.h>

class CKBTabCtrlItem
{
public:
    CKBTabCtrlItem(int nIndex, CWnd* pWnd, const CString& strLabel)
        : m_nIndex(nIndex), m_pWnd(pWnd), m_strLabel(strLabel), m_strTooltip(strLabel), m_strDisplay(strLabel),
          m_dwStyle(pWnd->GetStyle()), m_dwExStyle(pWnd->GetExStyle())
    {
    }

    int m_nIndex;          // the tab's position in the control
    CWnd* m_pWnd;          // not owned: destroyed only when the tab is deleted with its window
    CString m_strLabel;    // the full caption
    CString m_strTooltip;  // starts as the label
    CString m_strDisplay;  // the label, or its cut form ending in "..."
    DWORD m_dwStyle;       // the window's style when the tab was added
    DWORD m_dwExStyle;     // and its extended style
    COLORREF m_arrColors[4] = {CLR_NONE, CLR_NONE, CLR_NONE, CLR_NONE};  // for the theme; -1 draws nothing
};
