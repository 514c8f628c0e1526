// KBHyperLink.cpp: link colours, underlined font, hand cursor and opening the address.
#include "KBHyperLink.h"

#include <shellapi.h>

#include "KTResourceManager.h"
#include "KTFoundationRes.h"

BEGIN_MESSAGE_MAP(CKBHyperLink, CStatic)
ON_WM_CTLCOLOR_REFLECT()
ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CKBHyperLink::CKBHyperLink() : m_clrLink(RGB(0, 0, 238)), m_clrVisited(RGB(85, 26, 139)), m_bVisited(FALSE) {}

CKBHyperLink::~CKBHyperLink()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

CString CKBHyperLink::GetURL() const
{
    if (!m_strURL.IsEmpty() || !GetSafeHwnd())
        return m_strURL;
    CString strText;
    GetWindowText(strText);
    return strText;
}

void CKBHyperLink::SetColors(COLORREF clrLink, COLORREF clrVisited)
{
    m_clrLink = clrLink;
    m_clrVisited = clrVisited;
    if (GetSafeHwnd())
        Invalidate();
}

void CKBHyperLink::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    ModifyStyle(0, SS_NOTIFY);  // clicks reach the parent, and come back reflected
    CreateUnderlinedFont();
}

void CKBHyperLink::CreateUnderlinedFont()
{
    LOGFONTA lf = {};
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (!::GetObjectA(hFont ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf))
        return;
    lf.lfUnderline = TRUE;
    m_fontUnderline.DeleteObject();
    if (m_fontUnderline.CreateFontIndirect(&lf))
        SetFont(&m_fontUnderline, FALSE);
}

HBRUSH CKBHyperLink::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    pDC->SetTextColor(GetTextColor());
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CKBHyperLink::OnClicked()
{
    if (!GoToURL(GetURL()))
    {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    m_bVisited = TRUE;
    Invalidate();
}

BOOL CKBHyperLink::GoToURL(LPCSTR lpszURL)
{
    HINSTANCE hResult = ::ShellExecuteA(NULL, "open", lpszURL, NULL, NULL, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(hResult) > 32;
}

BOOL CKBHyperLink::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    HCURSOR hCursor = ::LoadCursor(NULL, IDC_HAND);
    if (!hCursor)
        hCursor = KTResourceManager()->LoadCursor(KT_IDC_HAND);
    if (!hCursor)
        return static_cast<BOOL>(Default());
    ::SetCursor(hCursor);
    return TRUE;
}
