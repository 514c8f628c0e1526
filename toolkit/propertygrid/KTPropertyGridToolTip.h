// KTPropertyGridToolTip.h: the popup that shows the whole text of a cut caption or value.
//
// Classes: CKTPropertyGridToolTip.
#pragma once

#include <afxwin.h>

class CKTPropertyGridView;

class CKTPropertyGridToolTip : public CWnd
{
public:
    BOOL Create(CKTPropertyGridView* pView, CFont* pFont);
    // Shows the text over the rectangle (screen coordinates) without activating.
    void Show(const CString& strText, CRect rcScreen);
    void Hide();
    const CString& GetText() const { return m_strText; }
    void SetText(const CString& strText) { m_strText = strText; }
    CRect GetScreenRect() const { return m_rcScreen; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CFont m_font;  // a copy of the grid's normal font
    CString m_strText;
    CRect m_rcScreen = CRect(0, 0, 0, 0);
    CKTPropertyGridView* m_pView = nullptr;  // not owned
};
