// The syntax-edit control's tooltip: word-wrapped text over the control that hides itself after a while.
// Classes: CKTSyntaxEditTipWnd.
#pragma once

#include <afxwin.h>

// Shown without activation and transparent to the mouse: the control below keeps the focus and the clicks.
class CKTSyntaxEditTipWnd : public CWnd
{
public:
    enum
    {
        ktTimerHide = 1001,
    };

    CKTSyntaxEditTipWnd();
    ~CKTSyntaxEditTipWnd() override;

    virtual BOOL Create(CWnd* pOwner);
    // The tip's top left corner in screen coordinates, taken by the next layout.
    void SetPosition(CPoint ptScreen) { m_ptTopLeft = ptScreen; }
    void Activate(const CString& strText);
    void Hide();
    const CString& GetText() const { return m_strText; }
    UINT GetShowTime() const { return m_nShowTime; }

protected:
    void Layout();

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    DECLARE_MESSAGE_MAP()

    UINT m_nShowTime = 5000;  // ms the tip stays up after the last Activate
    CWnd* m_pOwner = NULL;    // the control; not owned
    CPoint m_ptTopLeft;       // screen position of the tip
    CString m_strText;
};
