// KBTabCtrlItem.h: one tab of the themed tab control: its window, its label and the caption it shows.
//
// Classes: CKBTabCtrlItem.
#pragma once

#include <afxwin.h>

class CKBTabCtrlItem
{
public:
    CKBTabCtrlItem(CWnd* pWnd, const CString& strLabel) : m_pWnd(pWnd), m_strLabel(strLabel), m_strDisplay(strLabel) {}

    int m_nIndex = 0;      // the tab's position in the control
    CWnd* m_pWnd;          // not owned: destroyed only when the tab is deleted with its window
    CString m_strLabel;    // the full caption
    CString m_strDisplay;  // the label, or its cut form ending in "..."
};
