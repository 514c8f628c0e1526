// What the find and replace dialog's buttons do to the view's editor.
#include "KTSyntaxEditSearchDlg.h"

#include "KTResourceManager.h"
#include "KTSyntaxEditRes.h"
#include "KTSyntaxEditView.h"

#include <mbstring.h>

namespace
{
CString LoadMessage(UINT nID)
{
    CString strText;
    KTResourceManager()->LoadString(&strText, nID);
    return strText;
}

// A selection holding a line break never equals a find text, which holds none.
BOOL SelectionMatches(const CString& strSelected, const CString& strFind, BOOL bMatchCase)
{
    if (strSelected.FindOneOf("\r\n") >= 0)
        return FALSE;
    CString strCompared = strSelected;
    strCompared.Replace("\t", "    ");
    const unsigned char* a = reinterpret_cast<const unsigned char*>(LPCSTR(strCompared));
    const unsigned char* b = reinterpret_cast<const unsigned char*>(LPCSTR(strFind));
    return (bMatchCase ? _mbscmp(a, b) : _mbsicmp(a, b)) == 0;
}
}  // namespace

BOOL CKTSyntaxEditSearchDlg::FindAgain()
{
    BOOL bFound =
        m_pView->GetEditCtrl()->Find(m_strFindText, m_bMatchWholeWord, m_bMatchCase, m_nSearchDirection == 1, TRUE);
    if (!bFound)
        AfxMessageBox(LoadMessage(KT_IDS_EDIT_FINISHED_SEARCHING), MB_OK);
    return bFound;
}

void CKTSyntaxEditSearchDlg::RefreshEditor()
{
    CKTSyntaxEditCtrl* pCtrl = m_pView->GetEditCtrl();
    pCtrl->SetRedrawRow(-1);
    pCtrl->Invalidate(FALSE);
}

void CKTSyntaxEditSearchDlg::OnFindNext()
{
    if (!ViewExists())
        return;
    if (FindAgain())
        RefreshEditor();
    AddToHistory(KT_IDC_EDIT_FIND_TEXT, m_strFindText);
}

void CKTSyntaxEditSearchDlg::OnReplace()
{
    if (!ViewExists())
        return;
    CWaitCursor wait;
    CKTSyntaxEditCtrl* pCtrl = m_pView->GetEditCtrl();
    CString strSelected;
    pCtrl->GetSelectionText(strSelected);
    if (SelectionMatches(strSelected, m_strFindText, m_bMatchCase))
    {
        pCtrl->ReplaceSelection(m_strReplaceText, TRUE);
        FindAgain();
        RefreshEditor();
    }
    else if (FindAgain())
    {
        RefreshEditor();
    }
    AddToHistory(KT_IDC_EDIT_REPLACE_TEXT, m_strReplaceText);
}

void CKTSyntaxEditSearchDlg::OnReplaceAll()
{
    if (!ViewExists())
        return;
    CWaitCursor wait;
    int nCount = m_pView->ReplaceAll(m_strFindText, m_strReplaceText, m_bMatchCase, m_bMatchWholeWord);
    RefreshEditor();
    CString strMessage;
    strMessage.Format(LoadMessage(KT_IDS_EDIT_REPLACED_COUNT), nCount);
    AfxMessageBox(strMessage, MB_OK);
    AddToHistory(KT_IDC_EDIT_REPLACE_TEXT, m_strReplaceText);
}
