// KBHyperLink.h: a static text that reads as a link and opens its address when clicked.
//
// Classes: CKBHyperLink.
#pragma once

#include <afxwin.h>

// Underlined in the link colour (the visited colour once opened), with the
// hand cursor; the address defaults to the control's text.
class CKBHyperLink : public CStatic
{
public:
    CKBHyperLink();
    ~CKBHyperLink() override;

    void SetURL(LPCSTR lpszURL) { m_strURL = lpszURL; }
    CString GetURL() const;
    void SetColors(COLORREF clrLink, COLORREF clrVisited);
    BOOL IsVisited() const { return m_bVisited; }
    COLORREF GetTextColor() const { return m_bVisited ? m_clrVisited : m_clrLink; }

protected:
    // Opens the address in the user's program for it; FALSE when that failed.
    virtual BOOL GoToURL(LPCSTR lpszURL);

    void PreSubclassWindow() override;
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnClicked();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    void CreateUnderlinedFont();

    CString m_strURL;  // empty: the window text
    COLORREF m_clrLink;
    COLORREF m_clrVisited;
    BOOL m_bVisited;        // opened once
    CFont m_fontUnderline;  // the control's font, underlined
};
