// CFormView: a view whose window is a child dialog made from a template.
#include "afxext.h"
#include "wnd_internal.h"

IMPLEMENT_DYNAMIC(CFormView, CView)

BEGIN_MESSAGE_MAP(CFormView, CView)
ON_WM_CREATE()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

BOOL CFormView::Create(LPCTSTR, LPCTSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                       CCreateContext* pContext)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCDLGTEMPLATE lpTemplate = AfxLoadDialogTemplate(hInst, m_lpszTemplateName);
    if (!lpTemplate)
    {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParam(hInst, lpTemplate, pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
    if (!AfxEndWindowCreateHook())
    {
        PostNcDestroy();
        return FALSE;
    }
    if (!hWnd)
        return FALSE;
    ::SetWindowLong(m_hWnd, GWL_ID, (LONG)nID);
    // The template's styles become a child's; the size comes from the frame's layout.
    ModifyStyle(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, WS_CHILD | (dwStyle & WS_VISIBLE));
    ::SetParent(m_hWnd, pParentWnd->GetSafeHwnd());
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (pContext && pContext->m_pCurrentDoc)
        pContext->m_pCurrentDoc->AddView(this);
    return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCT lpcs)
{
    // The view joins its document in Create, after the dialog exists.
    return CWnd::OnCreate(lpcs);
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CView::OnInitialUpdate();
}

void CFormView::OnSetFocus(CWnd*)
{
    if (m_hWndFocus && ::IsWindow(m_hWndFocus) && ::IsChild(m_hWnd, m_hWndFocus))
    {
        ::SetFocus(m_hWndFocus);
        return;
    }
    HWND hWndFirst = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (hWndFirst)
        ::SetFocus(hWndFirst);
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CView::PreTranslateMessage(pMsg))
        return TRUE;
    // Tab and arrow keys move between the form's controls.
    HWND hWndFocus = ::GetFocus();
    if (hWndFocus && ::IsChild(m_hWnd, hWndFocus))
        m_hWndFocus = hWndFocus;
    return pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && ::IsDialogMessage(m_hWnd, pMsg);
}
