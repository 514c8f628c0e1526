// KBTabCtrlArrowWnd.h: the small window at the right end of the themed tab control's row with its scroll arrows
// and close button.
//
// Classes: CKBTabCtrlArrowWnd.
#pragma once

#include <afxwin.h>

class CKBTabBase;

class CKBTabCtrlArrowWnd : public CWnd
{
public:
    enum
    {
        kbShowArrows = 0x1,
        kbShowClose = 0x2
    };
    // The command the close button sends to the tab control.
    static const UINT kCloseCommand = 106;

    explicit CKBTabCtrlArrowWnd(CKBTabBase* pTabBase) : m_pTabBase(pTabBase) {}

    // Places the window at the end of the tab row and shows it, or hides it when bShow is FALSE.
    void Update(BOOL bShow);
    CRect GetButtonRect(int nButton) const;
    DWORD GetButtonState(int nButton) const;

    DWORD m_dwOptions = kbShowArrows;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM, LPARAM);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    BOOL EnsureWindow();
    void Hide();
    int ButtonAt(CPoint pt) const;
    BOOL IsButtonShown(int nButton) const;
    void TrackButton(int nButton, CPoint pt);
    // Scrolls the tab row one tab towards the button's side.
    void Scroll(int nButton);
    int FirstVisibleTab() const;

    CKBTabBase* m_pTabBase;  // the control's part this window serves
    int m_nHot = -1;
    int m_nPressed = -1;
    BOOL m_bOwnArrows = FALSE;  // the window is the control's own scroll arrows, subclassed
};
