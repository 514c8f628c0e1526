// The editor's view: case, folding and bookmark commands, go to line, and the Edit menu as its context menu.
#include "WrenfoldView.h"

#include "WorkspaceRes.h"

#include "KTCommandBars.h"
#include "KTSyntaxEditPropertiesDlg.h"
#include "WrenfoldApp.h"
#include "KTMDIFrameWnd.h"

IMPLEMENT_DYNCREATE(CwrenfoldView, CKTSyntaxEditView)

BEGIN_MESSAGE_MAP(CwrenfoldView, CKTSyntaxEditView)
ON_COMMAND(ID_EDIT_GOTO_LINE, OnGoToLine)
ON_COMMAND(ID_EDIT_UPPERCASE, OnUppercase)
ON_COMMAND(ID_EDIT_LOWERCASE, OnLowercase)
ON_COMMAND(ID_TOOLS_SYNTAX_OPTION, OnSyntaxOption)
ON_COMMAND(ID_EDIT_COLLAPSE_ALL, OnCollapseAll)
ON_COMMAND(ID_EDIT_EXPAND_ALL, OnExpandAll)
ON_COMMAND(ID_EDIT_TOGGLE_BOOKMARK, OnToggleBookmark)
ON_COMMAND(ID_EDIT_NEXT_BOOKMARK, OnNextBookmark)
ON_COMMAND(ID_EDIT_PREV_BOOKMARK, OnPrevBookmark)
ON_UPDATE_COMMAND_UI(ID_EDIT_NEXT_BOOKMARK, OnUpdateBookmarkMove)
ON_UPDATE_COMMAND_UI(ID_EDIT_PREV_BOOKMARK, OnUpdateBookmarkMove)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

namespace
{

const int kEditMenuPosition = 1;
const int kKeyboardMenuInset = 5;

}  // namespace

CwrenfoldView::CwrenfoldView()
{
    GetEditCtrl()->SetConfigFile(CKTSyntaxEditCtrl::GetModuleFolder() + "\\config\\SyntaxEdit.ini");
}

void CwrenfoldView::OnGoToLine() { m_dlgGoToLine.ShowDialog(GetEditCtrl(), FALSE, TRUE); }

void CwrenfoldView::OnUppercase() { GetEditCtrl()->UppercaseSelection(); }

void CwrenfoldView::OnLowercase() { GetEditCtrl()->LowercaseSelection(); }

void CwrenfoldView::OnSyntaxOption()
{
    CKTSyntaxEditPropertiesDlg sheet(this);
    if (sheet.DoModal() != IDOK)
        return;
    if (CwrenfoldApp* pApp = dynamic_cast<CwrenfoldApp*>(AfxGetApp()))
        pApp->RefreshEditorDocuments(this);
}

void CwrenfoldView::OnCollapseAll() { GetEditCtrl()->CollapseAll(); }

void CwrenfoldView::OnExpandAll() { GetEditCtrl()->ExpandAll(); }

void CwrenfoldView::OnToggleBookmark()
{
    GetEditCtrl()->ToggleBookmark(GetEditCtrl()->GetCurrentRow());
    Refresh();
}

void CwrenfoldView::OnNextBookmark() { GetEditCtrl()->NextBookmark(); }

void CwrenfoldView::OnPrevBookmark() { GetEditCtrl()->PrevBookmark(); }

void CwrenfoldView::OnUpdateBookmarkMove(CCmdUI* pCmdUI) { pCmdUI->Enable(GetEditCtrl()->HasBookmarks()); }

// The menu key gives no point: the menu then opens just inside the view's corner. The frame's
// command bars show it, so it looks like the menu bar's own Edit menu.
void CwrenfoldView::OnContextMenu(CWnd*, CPoint point)
{
    if (point == CPoint(-1, -1))
    {
        point = CPoint(kKeyboardMenuInset, kKeyboardMenuInset);
        ClientToScreen(&point);
    }
    // A right click leaves the focus where it was; the menu's text commands must act on this editor.
    CKTSyntaxEditCtrl* pEdit = GetEditCtrl();
    if (pEdit && ::GetFocus() != pEdit->GetSafeHwnd())
        pEdit->SetFocus();
    CKTMDIFrameWnd* pFrame = dynamic_cast<CKTMDIFrameWnd*>(AfxGetMainWnd());
    CMenu menu;
    if (!pFrame || !pFrame->GetCommandBars() || !menu.LoadMenu(IDR_MAINFRAME))
        return;
    if (CMenu* pEditMenu = menu.GetSubMenu(kEditMenuPosition))
        pFrame->GetCommandBars()->TrackPopupMenuEx(pEditMenu, TPM_RIGHTBUTTON, point.x, point.y, nullptr, nullptr);
}
