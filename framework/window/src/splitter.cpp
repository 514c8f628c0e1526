// CSplitterWnd: the panes of a static splitter, their layout, the shared
// scroll bars and the active pane.
#include "afxwin_splitter.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

namespace
{

const int kMaxPanes = 16;  // a pane's id holds its row and column in 4 bits each

// Every row (column) but the last takes its ideal size while there is room;
// the last takes what is left.
template <class Info>
void Distribute(std::vector<Info>& items, int nTotal, int nGap)
{
    int nLeft = nTotal - nGap * ((int)items.size() - 1);
    for (size_t i = 0; i < items.size(); i++)
    {
        int nSize = i + 1 < items.size() ? items[i].nIdealSize : nLeft;
        items[i].nCurSize = std::max(0, std::min(nSize, nLeft));
        nLeft = std::max(0, nLeft - items[i].nCurSize);
    }
}

}  // namespace

BOOL CSplitterWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    // The gaps between panes show the background: the colour of a bar.
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    cs.style |= WS_CLIPCHILDREN;
    return TRUE;
}

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (nRows < 1 || nRows > kMaxPanes || nCols < 1 || nCols > kMaxPanes || m_hWnd)
        return FALSE;
    m_rows.assign(nRows, CRowColInfo());
    m_cols.assign(nCols, CRowColInfo());
    const DWORD dwScrollStyle = dwStyle & (WS_HSCROLL | WS_VSCROLL);
    if (!CreateEx(0, nullptr, nullptr, (dwStyle & ~dwScrollStyle) | WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SetScrollStyle(dwScrollStyle);
    return TRUE;
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext)
{
    if (row < 0 || row >= GetRowCount() || col < 0 || col >= GetColumnCount() || GetPane(row, col))
        return FALSE;
    CObject* pObject = pViewClass->CreateObject();
    CWnd* pWnd = dynamic_cast<CWnd*>(pObject);
    if (!pWnd)
    {
        delete pObject;
        return FALSE;
    }
    m_rows[row].nIdealSize = sizeInit.cy;
    m_cols[col].nIdealSize = sizeInit.cx;
    // A view that fails deletes itself in PostNcDestroy.
    return pWnd->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(CPoint(0, 0), sizeInit), this,
                        IdFromRowCol(row, col), pContext);
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    m_rows.at(row).nIdealSize = cyIdeal;
    m_rows.at(row).nMinSize = cyMin;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    m_cols.at(col).nIdealSize = cxIdeal;
    m_cols.at(col).nMinSize = cxMin;
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    cyCur = m_rows.at(row).nCurSize;
    cyMin = m_rows.at(row).nMinSize;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    cxCur = m_cols.at(col).nCurSize;
    cxMin = m_cols.at(col).nMinSize;
}

void CSplitterWnd::SetScrollStyle(DWORD dwStyle)
{
    m_dwScrollStyle = dwStyle & (WS_HSCROLL | WS_VSCROLL);
    if (!m_hWnd)
        return;
    MakeBars(m_hBars, (m_dwScrollStyle & WS_HSCROLL) != 0, GetColumnCount(), SBS_HORZ, AFX_IDW_HSCROLL_FIRST);
    MakeBars(m_vBars, (m_dwScrollStyle & WS_VSCROLL) != 0, GetRowCount(), SBS_VERT, AFX_IDW_VSCROLL_FIRST);
}

void CSplitterWnd::MakeBars(std::vector<std::unique_ptr<CScrollBar>>& bars, BOOL bWanted, int nCount, DWORD dwBarStyle,
                            int nFirstID)
{
    if (!bWanted)
    {
        bars.clear();
        return;
    }
    for (int i = (int)bars.size(); i < nCount; i++)
    {
        auto pBar = std::make_unique<CScrollBar>();
        if (!pBar->Create(WS_CHILD | WS_VISIBLE | dwBarStyle, CRect(0, 0, 0, 0), this, (UINT)(nFirstID + i)))
            AfxThrowResourceException();
        bars.push_back(std::move(pBar));
    }
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (row < 0 || row >= GetRowCount() || col < 0 || col >= GetColumnCount())
        return nullptr;
    return GetDlgItem(IdFromRowCol(row, col));
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol) const
{
    if (!pWnd || !pWnd->m_hWnd || ::GetParent(pWnd->m_hWnd) != m_hWnd)
        return FALSE;
    UINT nPane = (UINT)pWnd->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    int row = (int)(nPane / 16), col = (int)(nPane % 16);
    if (nPane > 0xFF || row >= GetRowCount() || col >= GetColumnCount())
        return FALSE;
    if (pRow)
        *pRow = row;
    if (pCol)
        *pCol = col;
    return TRUE;
}

void CSplitterWnd::RecalcLayout()
{
    CRect rect;
    GetClientRect(&rect);
    const int cxBar = m_vBars.empty() ? 0 : ::GetSystemMetrics(SM_CXVSCROLL);
    const int cyBar = m_hBars.empty() ? 0 : ::GetSystemMetrics(SM_CYHSCROLL);
    Distribute(m_cols, rect.Width() - cxBar, kSplitterGap);
    Distribute(m_rows, rect.Height() - cyBar, kSplitterGap);
    int y = 0;
    for (int row = 0; row < GetRowCount(); y += m_rows[row++].nCurSize + kSplitterGap)
    {
        int x = 0;
        for (int col = 0; col < GetColumnCount(); x += m_cols[col++].nCurSize + kSplitterGap)
        {
            if (CWnd* pPane = GetPane(row, col))
                pPane->MoveWindow(x, y, m_cols[col].nCurSize, m_rows[row].nCurSize);
        }
        if (!m_vBars.empty())
            m_vBars[row]->MoveWindow(rect.right - cxBar, y, cxBar, m_rows[row].nCurSize);
    }
    int x = 0;
    for (size_t col = 0; col < m_hBars.size(); x += m_cols[col++].nCurSize + kSplitterGap)
        m_hBars[col]->MoveWindow(x, rect.bottom - cyBar, m_cols[col].nCurSize, cyBar);
}

CWnd* CSplitterWnd::GetActivePane(int* pRow, int* pCol)
{
    CFrameWnd* pFrame = GetParentFrame();
    CWnd* pView = pFrame ? pFrame->GetActiveView() : nullptr;
    if (IsChildPane(pView, pRow, pCol))
        return pView;
    CWnd* pFocus = GetFocus();
    return IsChildPane(pFocus, pRow, pCol) ? pFocus : nullptr;
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* pWnd)
{
    CWnd* pPane = pWnd ? pWnd : GetPane(row, col);
    if (!pPane)
        return;
    CView* pView = dynamic_cast<CView*>(pPane);
    CFrameWnd* pFrame = GetParentFrame();
    if (pView && pFrame)
        pFrame->SetActiveView(pView);
    else
        pPane->SetFocus();
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

// A shared bar scrolls every pane of its column (row) together.
void CSplitterWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    SendToPanes(WM_HSCROLL, nSBCode, nPos, pScrollBar);
}

void CSplitterWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    SendToPanes(WM_VSCROLL, nSBCode, nPos, pScrollBar);
}

void CSplitterWnd::SendToPanes(UINT message, UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    HWND hWndBar = pScrollBar ? pScrollBar->GetSafeHwnd() : nullptr;
    int nIndex = ::GetDlgCtrlID(hWndBar) - (message == WM_HSCROLL ? AFX_IDW_HSCROLL_FIRST : AFX_IDW_VSCROLL_FIRST);
    if (!hWndBar || nIndex < 0 || nIndex >= kMaxPanes)
    {
        Default();
        return;
    }
    const int nPanes = message == WM_HSCROLL ? GetRowCount() : GetColumnCount();
    for (int i = 0; i < nPanes; i++)
    {
        CWnd* pPane = message == WM_HSCROLL ? GetPane(i, nIndex) : GetPane(nIndex, i);
        if (pPane)
            pPane->SendMessage(message, MAKEWPARAM(nSBCode, nPos), (LPARAM)hWndBar);
    }
}
