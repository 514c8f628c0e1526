// The control's notifications as the view answers them, and the undo commands that repaint the other views.
#include "KTSyntaxEditView.h"

#include "KTSyntaxEditDoc.h"
#include "KTSyntaxEditNotify.h"

BOOL CKTSyntaxEditView::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHeader = reinterpret_cast<NMHDR*>(lParam);
    int nCode = pHeader ? int(pHeader->code) : 0;
    if (!pHeader || pHeader->hwndFrom != GetEditCtrl()->GetSafeHwnd() || nCode < KT_EDIT_NM_CANEDIT ||
        nCode > KT_EDIT_NM_PARSEREVENT || (nCode >= -946 && nCode <= -944))
        return CView::OnNotify(wParam, lParam, pResult);
    using Handler = LRESULT (CKTSyntaxEditView::*)(NMHDR*);
    static const struct
    {
        int nCode;
        Handler pfn;
    } kHandlers[] = {
        {KT_EDIT_NM_CANEDIT, &CKTSyntaxEditView::OnEditChanging},
        {KT_EDIT_NM_TEXTCHANGED, &CKTSyntaxEditView::OnEditChanged},
        {KT_EDIT_NM_MODIFIED, &CKTSyntaxEditView::OnModifiedChanged},
        {KT_EDIT_NM_DRAWLINE, &CKTSyntaxEditView::OnDrawLineMarks},
        {KT_EDIT_NM_CARETMOVED, &CKTSyntaxEditView::OnCurrentPosChanged},
        {KT_EDIT_NM_VIEWCHANGED, &CKTSyntaxEditView::OnUpdateSiblings},
        {KT_EDIT_NM_INSERTKEY, &CKTSyntaxEditView::OnInsertKey},
        {KT_EDIT_NM_BEFOREINPUT, &CKTSyntaxEditView::OnTextChanged},
        {KT_EDIT_NM_DRAGSTART, &CKTSyntaxEditView::OnDragStart},
        {KT_EDIT_NM_MARGINCLICK, &CKTSyntaxEditView::OnMarginClick},
        {KT_EDIT_NM_PARSEREVENT, &CKTSyntaxEditView::OnParserEvent},
    };
    *pResult = 0;
    for (const auto& handler : kHandlers)
    {
        if (handler.nCode == nCode)
            *pResult = (this->*handler.pfn)(pHeader);
    }
    return TRUE;
}

LRESULT CKTSyntaxEditView::OnEditChanging(NMHDR*) { return CanEditDocument() ? 0 : 1; }

LRESULT CKTSyntaxEditView::OnEditChanged(NMHDR* pHeader)
{
    SyncSplitterPanes(reinterpret_cast<KT_EDIT_NMHDR_ROWS*>(pHeader));
    return 1;
}

LRESULT CKTSyntaxEditView::OnModifiedChanged(NMHDR* pHeader)
{
    BOOL bModified = reinterpret_cast<KT_EDIT_NMHDR_VALUE*>(pHeader)->nValue;
    if (CDocument* pDoc = CView::GetDocument())
    {
        pDoc->SetModifiedFlag(bModified);
        UpdateTitle(bModified);
    }
    return 1;
}

// " *" goes on once and comes off with the space before it.
void CKTSyntaxEditView::UpdateTitle(BOOL bModified)
{
    CDocument* pDoc = CView::GetDocument();
    CString strTitle = pDoc->GetTitle();
    int nStar = strTitle.Find('*');
    if (bModified && nStar < 0)
        pDoc->SetTitle(strTitle + " *");
    else if (!bModified && nStar > 0)
        pDoc->SetTitle(strTitle.Left(nStar - 1));
}

LRESULT CKTSyntaxEditView::OnUpdateSiblings(NMHDR* pHeader)
{
    if (CDocument* pDoc = CView::GetDocument())
        pDoc->UpdateAllViews(NULL, CKTSyntaxEditDoc::ktHintSiblings, reinterpret_cast<CObject*>(pHeader));
    return 1;
}

void CKTSyntaxEditView::OnEditUndo()
{
    GetEditCtrl()->Undo();
    SyncSplitterPanes(NULL);
    Invalidate(FALSE);
}

void CKTSyntaxEditView::OnEditRedo()
{
    GetEditCtrl()->Redo();
    SyncSplitterPanes(NULL);
    Invalidate(FALSE);
}

void CKTSyntaxEditView::OnUpdateEditUndo(CCmdUI* pCmdUI) { pCmdUI->Enable(GetEditCtrl()->CanUndo()); }

void CKTSyntaxEditView::OnUpdateEditRedo(CCmdUI* pCmdUI) { pCmdUI->Enable(GetEditCtrl()->CanRedo()); }

void CKTSyntaxEditView::OnUpdateNeedSelection(CCmdUI* pCmdUI) { pCmdUI->Enable(GetEditCtrl()->HasSelection()); }

void CKTSyntaxEditView::OnUpdateEditPaste(CCmdUI* pCmdUI) { pCmdUI->Enable(::IsClipboardFormatAvailable(CF_TEXT)); }
