// The main frame's docking panes and editor tabs: their set-up, the panes' windows made on first show,
// and closing refused for good.
#include "MainFrame.h"

#include "WorkspaceRes.h"

#include "KTDockingPane.h"
#include "KTDockingPaneDefines.h"
#include "KTDockingPaneKeyboardHook.h"  // the navigation keys

namespace
{

const int kAllNavigateKeys =
    ktKeyboardNavigateMenu | ktKeyboardNavigatePanes | ktKeyboardNavigateSelect | ktKeyboardNavigateCtrlTab;
// The editors' tab rows show no navigate buttons.
const DWORD kTabClientFlags = ktTabClientScrollAuto | ktTabClientNoClose | ktTabClientNoScroll;
const DWORD kPaneWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
const DWORD kOutputStyle = WS_CHILD | WS_VISIBLE | WS_HSCROLL | ES_AUTOHSCROLL | ES_MULTILINE;

}  // namespace

BOOL CMainFrame::InstallDockingPanes()
{
    if (!m_paneManager.InstallDockingPanes(this, TRUE))
        return FALSE;
    m_paneManager.SetTheme(ktDockingPaneThemeStickers);
    return TRUE;
}

// The output along the bottom and the tree on the left; the tree's pane is given back so that
// the settings pane can stand beside it.
CKTDockingPane* CMainFrame::CreateWorkspacePanes()
{
    m_paneManager.CreatePane(ID_PANE_OUTPUT, CRect(0, 0, 150, 120), ktDockBottom);
    CKTDockingPane* pTreePane = m_paneManager.CreatePane(ID_PANE_PROJECT_TREE, CRect(0, 0, 230, 140), ktDockLeft);
    m_paneManager.EnableKeyboardNavigate(kAllNavigateKeys);  // the manager lets go when its window goes
    m_paneManager.m_dwDefaultPaneOptions = ktPaneHasMenuButton;
    m_paneManager.m_bAlphaDragging = TRUE;
    m_paneManager.m_bShowStickers = TRUE;
    m_paneManager.m_bLiveFloating = TRUE;
    return pTreePane;
}

// Without the tree's pane the settings pane docks at the frame's right side.
void CMainFrame::CreateSettingsPane(CKTDockingPane* pTreePane)
{
    m_paneManager.CreatePane(ID_PANE_SETTINGS, CRect(0, 0, 180, 140), ktDockRight, pTreePane);
}

void CMainFrame::AttachTabClient()
{
    m_wndTabClient.Attach(this, TRUE);
    m_wndTabClient.EnableToolTips(1);
    m_wndTabClient.GetPaintManager()->m_bShowIcons = FALSE;
    m_wndTabClient.m_nNewTabPosition = ktTabNewAtStart;
    m_wndTabClient.SetFlags(kTabClientFlags);
}

// A pane's window is made the first time the pane shows; a close request hides the pane in its
// auto-hide panel instead, so that every pane stays at hand.
LRESULT CMainFrame::OnDockingPaneNotify(WPARAM wParam, LPARAM lParam)
{
    switch (wParam)
    {
    case ktDockingPaneShowWindow:
        CreatePaneWindow(reinterpret_cast<CKTDockingPane*>(lParam));
        return TRUE;
    case ktDockingPaneClosed:
        reinterpret_cast<CKTDockingPane*>(lParam)->Hide();
        return KT_DOCKINGPANE_REFUSE;
    default:
        return 0;
    }
}

// Only a window that exists is attached; a failed one is tried again at the pane's next showing.
void CMainFrame::CreatePaneWindow(CKTDockingPane* pPane)
{
    if (pPane->IsValid())
        return;
    CWnd* pWindow = nullptr;
    switch (pPane->GetID())
    {
    case ID_PANE_PROJECT_TREE:
        pWindow = CreateTreeWindow() ? &m_wndProjectTree : nullptr;
        break;
    case ID_PANE_SETTINGS:
        pWindow = CreateSettingsWindow() ? &m_wndSettings : nullptr;
        break;
    case ID_PANE_OUTPUT:
        pWindow = CreateOutputWindow() ? &m_wndOutput : nullptr;
        break;
    default:
        return;
    }
    if (pWindow)
        pPane->Attach(pWindow->GetSafeHwnd());
}

// The tree shows the frame's images in place of the pane's own.
BOOL CMainFrame::CreateTreeWindow()
{
    if (!m_wndProjectTree.GetSafeHwnd() &&
        !m_wndProjectTree.Create("STATIC", nullptr, kPaneWindowStyle, CRect(0, 0, 0, 0), this, 0))
        return FALSE;
    if (m_wndProjectTree.m_wndTree.GetSafeHwnd())
        m_wndProjectTree.m_wndTree.SetImageList(&m_treeImages, TVSIL_NORMAL);
    return TRUE;
}

BOOL CMainFrame::CreateSettingsWindow()
{
    return m_wndSettings.GetSafeHwnd() ||
           m_wndSettings.Create("STATIC", nullptr, kPaneWindowStyle, CRect(0, 0, 0, 0), this, 0);
}

BOOL CMainFrame::CreateOutputWindow()
{
    return m_wndOutput.GetSafeHwnd() || m_wndOutput.Create(kOutputStyle, CRect(0, 0, 0, 0), this, 0);
}
