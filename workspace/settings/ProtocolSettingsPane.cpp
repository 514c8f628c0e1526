// ProtocolSettingsPane.cpp: the pane's window: its pages, their layout, focus and the grid notifications.
#include "ProtocolSettingsPane.h"

#include "KTDrawObjects.h"
#include "KTPropertyGridDefs.h"
#include "KTPropertyGridInplaceEdit.h"
#include "KTPropertyGridView.h"
#include "KestovaDialogsRes.h"
#include "SettingsPageItems.h"
#include "WorkspaceRes.h"

BEGIN_MESSAGE_MAP(CProtocolSettingsPane, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_MESSAGE(KTWM_PROPERTYGRID_NOTIFY, OnGridNotify)
END_MESSAGE_MAP()

int CProtocolSettingsPane::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CreateToolBar();
    return MakePage(kBlankPage) ? 0 : -1;
}

// Its buttons have no command behind them yet; a bar without them still takes its row.
BOOL CProtocolSettingsPane::CreateToolBar()
{
    if (m_wndToolBar.GetSafeHwnd())
        return TRUE;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBRS_TOOLTIPS;
    return m_wndToolBar.CreateToolBar(dwStyle, this, AFX_IDW_TOOLBAR) && m_wndToolBar.LoadToolBar(IDR_SETTINGS_TOOLBAR);
}

// A page is made when it is first wanted: the program starts sooner with the blank page alone.
BOOL CProtocolSettingsPane::MakePage(EPage page)
{
    return m_pages[page].GetSafeHwnd() || (GetSafeHwnd() && CreatePage(page));
}

CKTPropertyGrid& CProtocolSettingsPane::Page(EPage page)
{
    MakePage(page);
    return m_pages[page];
}

BOOL CProtocolSettingsPane::CreatePage(EPage page)
{
    CKTPropertyGrid& grid = m_pages[page];
    if (!grid.Create(PageRect(), this, 0))
        return FALSE;
    grid.SetOwner(this);
    grid.SetTheme(ktPropertyGridThemeFlatBox);
    BuildSettingsPage(grid, page);
    grid.ShowWindow(page == kBlankPage ? SW_SHOW : SW_HIDE);
    return TRUE;
}

// Below the tool bar's row.
CRect CProtocolSettingsPane::PageRect() const
{
    CRect rcPage;
    GetClientRect(&rcPage);
    if (m_wndToolBar.GetSafeHwnd())
        rcPage.top = CKTWindowRect(&m_wndToolBar).Height();
    return rcPage;
}

void CProtocolSettingsPane::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_wndToolBar.GetSafeHwnd())
    {
        const int nHeight = m_wndToolBar.CalcDynamicLayout(cx, LM_HORZ | LM_HORZDOCK | LM_COMMIT).cy;
        m_wndToolBar.MoveWindow(0, 0, cx, nHeight);
        m_wndToolBar.InvalidateRect(nullptr, FALSE);
    }
    const CRect rcPage = PageRect();
    for (CKTPropertyGrid& grid : m_pages)
    {
        if (!grid.GetSafeHwnd())
            continue;
        grid.MoveWindow(&rcPage);
        grid.InvalidateRect(nullptr, FALSE);
    }
}

// Only the page on show may take the focus; a hidden grid would swallow the keys.
void CProtocolSettingsPane::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    for (CKTPropertyGrid& grid : m_pages)
        if (grid.GetSafeHwnd() && grid.IsWindowVisible())
            grid.SetFocus();
}

void CProtocolSettingsPane::ShowPage(EPage page)
{
    if (!MakePage(page))
        return;
    for (int other = kProjectPage; other < kPageCount; other++)
        if (other != page && m_pages[other].GetSafeHwnd())
            m_pages[other].ShowWindow(SW_HIDE);
    m_pages[page].ShowWindow(SW_SHOW);
}

LRESULT CProtocolSettingsPane::OnGridNotify(WPARAM wParam, LPARAM lParam)
{
    if (wParam == 10)
        return 1;
    if (wParam == 3 && lParam)
        WriteBack(reinterpret_cast<CKTPropertyGridItem*>(lParam));
    return 0;
}

void CProtocolSettingsPane::CommitEdit()
{
    for (CKTPropertyGrid& page : m_pages)
    {
        if (!page.GetSafeHwnd())
            continue;
        CKTPropertyGridInplaceEdit& edit = page.GetInplaceEdit();
        CKTPropertyGridItem* pItem = edit.GetItem();
        if (!pItem || !edit.IsTextChanged())
            continue;
        // The hidden edit must not keep the keys.
        const BOOL bFocused = ::GetFocus() == edit.GetSafeHwnd();
        pItem->OnValidateEdit();
        if (bFocused && page.GetGridView())
            page.GetGridView()->SetFocus();
    }
}

CKTPropertyGridItem* CProtocolSettingsPane::FieldItem(LPCSTR pszCaption)
{
    return m_pages[kFieldPage].GetGridView()->GetCategories()->FindItemByCaption(pszCaption);
}
