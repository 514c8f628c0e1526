// A bar along one edge of the test frame, sized by WM_SIZEPARENT; buttons on
// it follow their commands in the idle pass.
// Classes: CTestBar.
#pragma once
#include "afxwin.h"

class CTestBar : public CWnd
{
public:
    BOOL m_bTop = TRUE;
    int m_nHeight = 24;
    int m_nMeasured = 0;  // WM_SIZEPARENT calls without a deferred-position batch
    int m_nPlaced = 0;    // calls that moved the bar
    BOOL Create(CWnd* pParent, UINT nID, BOOL bTop);

protected:
    afx_msg LRESULT OnSizeParent(WPARAM, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
