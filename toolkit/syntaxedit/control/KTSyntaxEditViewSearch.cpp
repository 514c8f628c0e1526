// The view's find commands: the proposal for the dialog, Find Next from the caret, and Replace All as one step.
#include "KTSyntaxEditView.h"

#include "KTKeyState.h"
#include "KTResourceManager.h"
#include "KTSyntaxEditRes.h"
#include "KTSyntaxEditUndoText.h"
#include "dialogs/KTSyntaxEditSearchDlg.h"

// Only the first line of the selection is proposed, with tabs as four spaces.
CString CKTSyntaxEditView::ProposeFindText(BOOL bWordAtCaret)
{
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    if (!pCtrl->HasSelection() && bWordAtCaret)
        pCtrl->SelectWordAtPoint(pCtrl->GetCaretPoint() + CSize(1, 1));
    CString strText;
    pCtrl->GetSelectionText(strText);
    int nBreak = strText.FindOneOf("\r\n");
    if (nBreak >= 0)
        strText = strText.Left(nBreak);
    strText.Replace("\t", "    ");
    return strText;
}

void CKTSyntaxEditView::OpenSearch(BOOL bReplace)
{
    CString strProposal = ProposeFindText(!bReplace);
    if (!strProposal.IsEmpty())
        m_pSearchDlg->SetFindText(strProposal);
    m_pSearchDlg->ShowDialog(this, bReplace);
}

void CKTSyntaxEditView::OnEditRepeat()
{
    const CKTSyntaxEditSearchDlg& dlg = *m_pSearchDlg;
    BOOL bDown = !KTIsKeyDown(VK_SHIFT);
    if (GetEditCtrl()->Find(dlg.GetFindText(), dlg.GetMatchWholeWord(), dlg.GetMatchCase(), bDown, TRUE))
    {
        GetEditCtrl()->Invalidate(FALSE);
        return;
    }
    CString strMessage;
    KTResourceManager()->LoadString(&strMessage, KT_IDS_EDIT_FINISHED_SEARCHING);
    AfxMessageBox(strMessage, MB_OK);
}

void CKTSyntaxEditView::OnUpdateEditRepeat(CCmdUI* pCmdUI) { pCmdUI->Enable(!m_pSearchDlg->GetFindText().IsEmpty()); }

int CKTSyntaxEditView::ReplaceAll(LPCSTR pszFind, LPCSTR pszReplace, BOOL bMatchCase, BOOL bMatchWholeWord)
{
    if (!pszFind || !*pszFind)
        return 0;
    CWaitCursor wait;
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    CKTSyntaxEditUndoRedoManager* pUndo = pCtrl->GetBuffer()->GetUndoRedoManager();
    int nTopRow = pCtrl->GetTopRow(), nRow = pCtrl->GetCurrentRow(), nDispCol = pCtrl->GetCurrentDispCol();
    pCtrl->ClearSelection();
    pCtrl->SetCurrentPosition(1, 1, FALSE, FALSE);
    int nCount = 0;
    while (pCtrl->GetCurrentRow() <= pCtrl->GetRowCount() &&
           pCtrl->Find(pszFind, bMatchWholeWord, bMatchCase, TRUE, TRUE))
    {
        if (!pCtrl->ReplaceSelection(pszReplace, FALSE))
            break;
        if (nCount++ > 0)
            pUndo->ChainLastCommand();
    }
    if (nCount > 0)
        pUndo->SetLastCommandText(KT_IDS_EDIT_REPLACE_ALL);
    pCtrl->SetTopRow(nTopRow);
    pCtrl->SetCurrentPosition(nRow, nDispCol, FALSE, TRUE);
    return nCount;
}
