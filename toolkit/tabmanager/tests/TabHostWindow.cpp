// A window that hosts one tab strip as the toolkit's windows do.
#include "TabHostWindow.h"

#include "KTDrawObjects.h"

BEGIN_MESSAGE_MAP(CTabHostWindow, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CTabHostWindow::CTabHostWindow(int nTabs, CSize szClient, DWORD dwExStyle) : m_pPainter(KTMakeCounted<CKTTabPainter>())
{
    m_pPainter->AddObserver(this);
    LPCSTR pszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), NULL);
    CRect rc(0, 0, szClient.cx, szClient.cy);
    ::AdjustWindowRectEx(&rc, WS_POPUP | WS_BORDER, FALSE, dwExStyle);
    CreateEx(dwExStyle, pszClass, "Kestova tab test", WS_POPUP | WS_BORDER | WS_VISIBLE,
             CRect(20, 20, 20 + rc.Width(), 20 + rc.Height()), NULL, 0);
    for (int i = 0; i < nTabs; i++)
    {
        CString strCaption;
        strCaption.Format("Tab %d", i + 1);
        InsertItem(i)->SetCaption(strCaption);
    }
    SetCurSel(0);
}

CTabHostWindow::~CTabHostWindow()
{
    m_pPainter->RemoveObserver(this);
    if (GetSafeHwnd())
        DestroyWindow();
}

void CTabHostWindow::Reposition()
{
    if (!GetSafeHwnd())
        return;
    CKTScreenDC dc;
    CRect rc;
    GetClientRect(rc);
    m_pPainter->RepositionTabControl(this, &dc, rc);
    if (m_arrOffsets.empty() || m_arrOffsets.back() != GetScrollOffset())
        m_arrOffsets.push_back(GetScrollOffset());
    Invalidate(FALSE);
}

void CTabHostWindow::RedrawControl(LPCRECT lpRect, BOOL) { InvalidateRect(lpRect, FALSE); }

BOOL CTabHostWindow::DrawIcon(CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const
{
    if (!pItem)
    {
        if (m_szOwnIcon.cx > 0)
            szIcon = m_szOwnIcon;
        return m_bIcons;
    }
    size_t nIndex = static_cast<size_t>(pItem->GetIndex());
    if (nIndex < m_arrIconWidths.size())
    {
        szIcon.cx = m_arrIconWidths[nIndex];
        return TRUE;
    }
    if (!m_bIcons || !bDraw)
        return m_bIcons;
    return ::DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, ::LoadIcon(NULL, IDI_APPLICATION), szIcon.cx, szIcon.cy, 0, NULL,
                        DI_NORMAL);
}

void CTabHostWindow::OnItemClick(CKTTabManagerItem* pItem)
{
    m_arrClicked.push_back(pItem->GetIndex());
    CKTTabManager::OnItemClick(pItem);
}

CString CTabHostWindow::Order() const
{
    CString strOrder;
    for (int i = 0; i < GetItemCount(); i++)
        strOrder += GetItem(i)->GetCaption().Right(1);
    return strOrder;
}

void CTabHostWindow::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(rc);
    CKTBufferDC buffer(&dc, rc);
    m_pPainter->DrawTabControl(this, &buffer, rc);
}

// A quit that a loop handed on is taken here, so that it ends the test program no sooner.
void CTabHostWindow::OnLButtonDown(UINT, CPoint pt)
{
    PerformClick(m_hWnd, pt);
    MSG msg;
    if (::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE))
        m_nQuitCode = static_cast<int>(msg.wParam);
}

void CTabHostWindow::OnMouseMove(UINT, CPoint pt) { PerformMouseMove(m_hWnd, pt); }

LRESULT CTabHostWindow::OnMouseLeave(WPARAM, LPARAM)
{
    PerformMouseMove(m_hWnd, CPoint(-1, -1));
    return 0;
}

void CTabHostWindow::OnKeyDown(UINT nChar, UINT, UINT) { PerformKeyDown(m_hWnd, nChar); }

CTabHostWindow::CEdgeColours CTabHostWindow::UseDistinctEdges(int nAppearance)
{
    const CEdgeColours edges{RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)};
    m_pPainter->SetAppearance(nAppearance);
    CKTTabColorSet* pColors = m_pPainter->GetColorSet();
    pColors->m_clrEdgeOuter.SetCustomValue(edges.clrOuter);
    pColors->m_clrEdgeInner.SetCustomValue(edges.clrInner);
    pColors->m_clrEdgeFace.SetCustomValue(edges.clrFace);
    SetCurSel(0);
    return edges;
}
