// Extensions: CFormView (a view from a dialog template) and the mini frame.
#pragma once
#include "afxwin.h"

class CFormView : public CView {
    DECLARE_DYNAMIC(CFormView)
public:
    LPCTSTR m_lpszTemplateName;

    ~CFormView() override = default;
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override {}
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    explicit CFormView(LPCTSTR lpszTemplateName) : m_lpszTemplateName(lpszTemplateName) {}
    explicit CFormView(UINT nIDTemplate) : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)) {}
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    HWND m_hWndFocus = nullptr;  // the control that had the focus last
    DECLARE_MESSAGE_MAP()
};
