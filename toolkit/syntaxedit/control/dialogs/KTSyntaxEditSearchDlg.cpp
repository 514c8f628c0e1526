// The find and replace dialog: showing, placing, the profile and the history lists.
#include "KTSyntaxEditSearchDlg.h"

#include "KTResourceManager.h"
#include "KTSyntaxEditProfile.h"
#include "KTSyntaxEditRes.h"
#include "KTSyntaxEditView.h"

BEGIN_MESSAGE_MAP(CKTSyntaxEditSearchDlg, CDialog)
ON_CBN_EDITCHANGE(KT_IDC_EDIT_FIND_TEXT, OnEditChange)
ON_CBN_EDITCHANGE(KT_IDC_EDIT_REPLACE_TEXT, OnEditChange)
ON_CBN_SELENDOK(KT_IDC_EDIT_FIND_TEXT, OnSelEndOkFind)
ON_CBN_SELENDOK(KT_IDC_EDIT_REPLACE_TEXT, OnSelEndOkReplace)
ON_BN_CLICKED(KT_IDC_EDIT_FIND_NEXT, OnFindNext)
ON_BN_CLICKED(KT_IDC_EDIT_REPLACE, OnReplace)
ON_BN_CLICKED(KT_IDC_EDIT_REPLACE_ALL, OnReplaceAll)
ON_BN_CLICKED(KT_IDC_EDIT_WHOLE_WORD, OnMatchWholeWord)
ON_BN_CLICKED(KT_IDC_EDIT_MATCH_CASE, OnMatchCase)
ON_BN_CLICKED(KT_IDC_EDIT_SEARCH_UP, OnSearchUp)
ON_BN_CLICKED(KT_IDC_EDIT_SEARCH_DOWN, OnSearchDown)
END_MESSAGE_MAP()

namespace
{
const char kSection[] = "Settings";
// Each entry costs a profile read when the dialog opens: a damaged count must not cost weeks.
const int kMostHistoryEntries = 1000;
}  // namespace

CKTSyntaxEditSearchDlg::CKTSyntaxEditSearchDlg(CWnd* pParent)
{
    InitModalIndirect(KTResourceManager()->LoadDialogTemplate(KT_IDD_EDIT_FINDREPLACE), pParent);
}

BOOL CKTSyntaxEditSearchDlg::ViewExists() const { return m_pView && ::IsWindow(m_pView->GetSafeHwnd()); }

BOOL CKTSyntaxEditSearchDlg::ShowDialog(CKTSyntaxEditView* pView, BOOL bReplace)
{
    m_pView = pView;
    if (!ViewExists())
        return FALSE;
    if (GetSafeHwnd())
    {
        ShowWindow(SW_RESTORE);
        BringWindowToTop();
        SetForegroundWindow();
    }
    else
    {
        m_bReplaceLayout = bReplace;
        LPCDLGTEMPLATE pTemplate =
            KTResourceManager()->LoadDialogTemplate(bReplace ? KT_IDD_EDIT_FINDREPLACE : KT_IDD_EDIT_FIND);
        if (!pTemplate || !CreateIndirect(pTemplate, pView))
            return FALSE;
        LoadSettings();
        UpdateData(FALSE);
        UpdateButtons();
        CheckDlgButton(KT_IDC_EDIT_SEARCH_UP, m_nSearchDirection == 0);
        CheckDlgButton(KT_IDC_EDIT_SEARCH_DOWN, m_nSearchDirection == 1);
        CRect rc;
        GetWindowRect(&rc);
        MoveWindow(m_nLeft, m_nTop, rc.Width(), rc.Height(), FALSE);
        ShowWindow(SW_SHOW);
    }
    GetDlgItem(KT_IDC_EDIT_FIND_TEXT)->SetFocus();
    SendDlgItemMessage(KT_IDC_EDIT_FIND_TEXT, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    return TRUE;
}

void CKTSyntaxEditSearchDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, KT_IDC_EDIT_FIND_TEXT, m_strFindText);
    DDX_Check(pDX, KT_IDC_EDIT_MATCH_CASE, m_bMatchCase);
    DDX_Check(pDX, KT_IDC_EDIT_WHOLE_WORD, m_bMatchWholeWord);
    if (m_bReplaceLayout)
        DDX_Text(pDX, KT_IDC_EDIT_REPLACE_TEXT, m_strReplaceText);
}

void CKTSyntaxEditSearchDlg::UpdateButtons()
{
    GetDlgItem(KT_IDC_EDIT_FIND_NEXT)->EnableWindow(!m_strFindText.IsEmpty());
    if (!m_bReplaceLayout)
        return;
    GetDlgItem(KT_IDC_EDIT_REPLACE)->EnableWindow(!m_strReplaceText.IsEmpty());
    GetDlgItem(KT_IDC_EDIT_REPLACE_ALL)->EnableWindow(!m_strReplaceText.IsEmpty());
}

void CKTSyntaxEditSearchDlg::OnEditChange()
{
    UpdateData(TRUE);
    UpdateButtons();
}

void CKTSyntaxEditSearchDlg::TakeListText(int nComboID, CString& strText)
{
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nComboID));
    int nSel = pCombo->GetCurSel();
    if (nSel >= 0)
        pCombo->GetLBText(nSel, strText);
    UpdateButtons();
}

void CKTSyntaxEditSearchDlg::LoadHistory(int nComboID, LPCSTR pszCountKey, LPCSTR pszEntryKey)
{
    CWinApp* pApp = AfxGetApp();
    if (!GetDlgItem(nComboID))
        return;
    const int nCount = KTReadProfileInt(kSection, pszCountKey, 0, 0, kMostHistoryEntries);
    for (int i = 0; i < nCount; ++i)
    {
        CString strKey;
        strKey.Format(pszEntryKey, i);
        AddToHistory(nComboID, pApp->GetProfileString(kSection, strKey, ""));
    }
}

void CKTSyntaxEditSearchDlg::SaveHistory(int nComboID, LPCSTR pszCountKey, LPCSTR pszEntryKey)
{
    CWinApp* pApp = AfxGetApp();
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nComboID));
    if (!pCombo)
        return;
    int nCount = pCombo->GetCount();
    pApp->WriteProfileInt(kSection, pszCountKey, nCount);
    for (int i = 0; i < nCount; ++i)
    {
        CString strKey, strText;
        strKey.Format(pszEntryKey, i);
        pCombo->GetLBText(i, strText);
        pApp->WriteProfileString(kSection, strKey, strText);
    }
}

void CKTSyntaxEditSearchDlg::AddToHistory(int nComboID, const CString& strText)
{
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nComboID));
    if (pCombo && !strText.IsEmpty() && pCombo->FindStringExact(-1, strText) == CB_ERR)
        pCombo->AddString(strText);
}

void CKTSyntaxEditSearchDlg::CentreOnView()
{
    CRect rcView, rcDialog;
    m_pView->GetWindowRect(&rcView);
    GetWindowRect(&rcDialog);
    m_nLeft = rcView.left + (rcView.Width() - rcDialog.Width()) / 2;
    m_nTop = rcView.top + (rcView.Height() - rcDialog.Height()) / 2;
}

void CKTSyntaxEditSearchDlg::LoadSettings()
{
    if (m_nLeft == -1 || m_nTop == -1)
        CentreOnView();
    if (!AfxGetApp())
        return;
    m_bMatchWholeWord = KTReadProfileFlag(kSection, "MatchWholeWord", m_bMatchWholeWord);
    m_bMatchCase = KTReadProfileFlag(kSection, "MatchCase", m_bMatchCase);
    m_nSearchDirection = KTReadProfileInt(kSection, "SearchDirection", m_nSearchDirection, 0, 1);
    LoadHistory(KT_IDC_EDIT_FIND_TEXT, "FindHistoryCount", "FindHistory_%d");
    LoadHistory(KT_IDC_EDIT_REPLACE_TEXT, "ReplaceHistoryCount", "ReplaceHistory_%d");
}

void CKTSyntaxEditSearchDlg::SaveSettings()
{
    CRect rc;
    GetWindowRect(&rc);
    m_nLeft = rc.left;
    m_nTop = rc.top;
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    pApp->WriteProfileInt(kSection, "MatchWholeWord", m_bMatchWholeWord);
    pApp->WriteProfileInt(kSection, "MatchCase", m_bMatchCase);
    pApp->WriteProfileInt(kSection, "SearchDirection", m_nSearchDirection);
    SaveHistory(KT_IDC_EDIT_FIND_TEXT, "FindHistoryCount", "FindHistory_%d");
    SaveHistory(KT_IDC_EDIT_REPLACE_TEXT, "ReplaceHistoryCount", "ReplaceHistory_%d");
}

void CKTSyntaxEditSearchDlg::OnCancel()
{
    SaveSettings();
    CDialog::OnCancel();
    if (GetSafeHwnd())
        DestroyWindow();
}

// Enter never reaches the buttons: it replaces when there is a replacement, else searches on.
BOOL CKTSyntaxEditSearchDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_RETURN)
        return CDialog::PreTranslateMessage(pMsg);
    if (m_bReplaceLayout && !m_strReplaceText.IsEmpty())
        OnReplace();
    else if (!m_strFindText.IsEmpty())
        OnFindNext();
    return TRUE;
}
