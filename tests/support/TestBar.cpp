// A bar of the test frame.
#include "TestBar.h"
#include "afxpriv.h"

BEGIN_MESSAGE_MAP(CTestBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CTestBar::Create(CWnd* pParent, UINT nID, BOOL bTop)
{
    m_bTop = bTop;
    return CWnd::Create(AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)),
                        bTop ? "toolbar" : "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParent,
                        nID);
}

LRESULT CTestBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    CRect rect = pLayout->rect;
    if (m_bTop)
    {
        rect.bottom = rect.top + m_nHeight;
        pLayout->rect.top += m_nHeight;
    }
    else
    {
        rect.top = rect.bottom - m_nHeight;
        pLayout->rect.bottom -= m_nHeight;
    }
    pLayout->sizeTotal.cy += m_nHeight;
    if (!pLayout->hDWP)
        m_nMeasured++;
    else
        m_nPlaced++;
    AfxRepositionWindow(pLayout, m_hWnd, &rect);
    return 0;
}

LRESULT CTestBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // Buttons on the bar follow their commands: no handler, no button.
    UpdateDialogControls(GetParentFrame(), (BOOL)wParam);
    return 0;
}

void CTestBar::OnPaint()
{
    CPaintDC dc(this);
    CString strText;
    GetWindowText(strText);
    CRect rect;
    GetClientRect(&rect);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(strText, &rect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}
