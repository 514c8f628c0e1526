// WrenfoldView.h: the view of an editor window: the syntax-edit view with the designer's
// editing commands, its context menu and its go-to-line dialog.
//
// Classes: CwrenfoldView.
#pragma once
#include "dialogs/KTSyntaxEditGoToLineDlg.h"
#include "KTSyntaxEditView.h"

class CwrenfoldView : public CKTSyntaxEditView
{
    DECLARE_DYNCREATE(CwrenfoldView)
public:
    CwrenfoldView();
    // The text arrives with the document's own update when the file is opened.
    void OnInitialUpdate() override {}

protected:
    afx_msg void OnGoToLine();
    afx_msg void OnUppercase();
    afx_msg void OnLowercase();
    afx_msg void OnSyntaxOption();
    afx_msg void OnCollapseAll();
    afx_msg void OnExpandAll();
    afx_msg void OnToggleBookmark();
    afx_msg void OnNextBookmark();
    afx_msg void OnPrevBookmark();
    afx_msg void OnUpdateBookmarkMove(CCmdUI* pCmdUI);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CKTSyntaxEditGoToLineDlg m_dlgGoToLine;
};
