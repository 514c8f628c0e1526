// The one pop-up that shows text over a rectangle of the screen for a window below it.
// Classes: CKTTipWnd.
#pragma once

#include <afxwin.h>

// Never activated and transparent to the mouse: the window it describes keeps the focus, the clicks and the moves,
// and hides the tip on its own WM_MOUSELEAVE, which showing asks of TrackMouseEvent. A time-out hides it too.
class CKTTipWnd : public CWnd
{
public:
    enum
    {
        ktTimerHide = 1001,
    };

    CKTTipWnd() = default;
    ~CKTTipWnd() override;

    // pOwner: the window the tip describes, whose top-level window the tip stays above. Each kind of tip has a window
    // class of its own, so that it can be told apart from the others.
    BOOL Create(CWnd* pOwner, LPCSTR pszClassName, BOOL bBorder);
    // Over rcScreen, at the top of the z-order; the time-out starts again.
    void ShowAt(const CRect& rcScreen);
    void Hide();
    BOOL IsShown() const { return GetSafeHwnd() && IsWindowVisible(); }

    void SetText(const CString& strText) { m_strText = strText; }
    const CString& GetText() const { return m_strText; }
    // 0 keeps the tip up until it is hidden.
    void SetShowTime(UINT nMilliseconds) { m_nShowTime = nMilliseconds; }
    UINT GetShowTime() const { return m_nShowTime; }
    // How the default drawing sets the text: the font (not owned; NULL the window's), DrawText's format, and the
    // distance of the text from the client rectangle's left and top.
    void SetTextStyle(CFont* pFont, UINT nFormat, CPoint ptInset);

protected:
    // The whole client area: the default fills it in the tooltip colours and draws the text.
    virtual void Draw(CDC* pDC, const CRect& rcClient);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    CWnd* m_pOwner = NULL;  // the window described; not owned
    CString m_strText;
    UINT m_nShowTime = 0;   // ms the tip stays up after each show; 0 for no limit
    CFont* m_pFont = NULL;  // not owned
    UINT m_nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    CPoint m_ptInset;
};
