// ProtocolSettingsPane.cpp: the pane's window: its pages, their layout, focus and the grid notifications.
#include "ProtocolSettingsPane.h"

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
    for (int page = kProjectPage; page < kPageCount; page++)
        if (!m_pages[page].GetSafeHwnd() && !CreatePage((EPage)page))
            return -1;
    return 0;
}

// Its buttons have no command behind them yet; a bar without them still takes its row.
BOOL CProtocolSettingsPane::CreateToolBar()
{
    if (m_wndToolBar.GetSafeHwnd())
        return TRUE;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBRS_TOOLTIPS;
    return m_wndToolBar.CreateToolBar(dwStyle, this, AFX_IDW_TOOLBAR) && m_wndToolBar.LoadToolBar(IDR_SETTINGS_TOOLBAR);
}

BOOL CProtocolSettingsPane::CreatePage(EPage page)
{
    CKTPropertyGrid& grid = m_pages[page];
    if (!grid.Create(CRect(0, 0, 0, 0), this, 0))
        return FALSE;
    grid.SetOwner(this);
    grid.SetTheme(ktPropertyGridThemeFlatBox);
    BuildSettingsPage(grid, page);
    grid.ShowWindow(page == kBlankPage ? SW_SHOW : SW_HIDE);
    return TRUE;
}

void CProtocolSettingsPane::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    int nTop = 0;
    if (m_wndToolBar.GetSafeHwnd())
    {
        nTop = m_wndToolBar.CalcDynamicLayout(cx, LM_HORZ | LM_HORZDOCK | LM_COMMIT).cy;
        m_wndToolBar.MoveWindow(0, 0, cx, nTop);
        m_wndToolBar.InvalidateRect(nullptr, FALSE);
    }
    for (CKTPropertyGrid& grid : m_pages)
    {
        if (!grid.GetSafeHwnd())
            continue;
        grid.MoveWindow(0, nTop, cx, cy - nTop);
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
    for (int other = kProjectPage; other < kPageCount; other++)
        if (other != page)
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
