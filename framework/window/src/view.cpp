// CView: a frame's view of a document: painting through OnDraw, activation,
// initial update and command routing to the document.
#include "afxwin.h"
#include "afxpriv.h"
#include "handlemap.h"
#include <ole2.h>

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_MOUSEACTIVATE()
ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMsg)
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CCreateContext* pContext = (CCreateContext*)lpcs->lpCreateParams;
    if (pContext && pContext->m_pCurrentDoc)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    // Removing the view may close and delete an auto-deleted document.
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    delete this;
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    CFrameWnd* pParentFrame = GetParentFrame();
    if (pParentFrame)
    {
        CView* pView = pParentFrame->GetActiveView();
        if (pView != this)
            pParentFrame->SetActiveView(this);
    }
    return nResult;
}

LRESULT CView::OnInitialUpdateMsg(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView*, LPARAM, CObject*) { Invalidate(TRUE); }

void CView::OnActivateView(BOOL bActivate, CView*, CView*)
{
    if (!bActivate)
        return;
    // Take the focus when this view's top-level window is the active one.
    CWnd* pTop = GetTopLevelParent();
    if (pTop && ::GetActiveWindow() == pTop->m_hWnd && ::GetFocus() != m_hWnd)
        SetFocus();
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CScrollBar* CView::GetScrollBarCtrl(int nBar) const
{
    if (GetStyle() & (nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL))
        return nullptr;
    HWND hWndParent = ::GetParent(m_hWnd);
    UINT nPane = (UINT)GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    if (!hWndParent || nPane > 0xFF)
        return nullptr;
    int nID = nBar == SB_HORZ ? AFX_IDW_HSCROLL_FIRST + (int)(nPane % 16) : AFX_IDW_VSCROLL_FIRST + (int)(nPane / 16);
    HWND hWndBar = ::GetDlgItem(hWndParent, nID);
    return hWndBar ? AfxFromHandle<CScrollBar, CWnd>(hWndBar) : nullptr;
}

DWORD CView::OnDragEnter(COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
DWORD CView::OnDragOver(COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
void CView::OnDragLeave() {}
BOOL CView::OnDrop(COleDataObject*, DWORD, CPoint) { return FALSE; }
DWORD CView::OnDropEx(COleDataObject*, DWORD, DWORD, CPoint) { return (DWORD)-1; }
