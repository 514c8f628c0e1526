// The go-to-line dialog: placed over the editor the first time, then where the user left it.
#include "KTSyntaxEditGoToLineDlg.h"

#include "KTResourceManager.h"
#include "KTSyntaxEditCtrl.h"
#include "KTSyntaxEditRes.h"

#include <algorithm>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CKTSyntaxEditGoToLineDlg, CDialog)
ON_EN_CHANGE(KT_IDC_EDIT_LINE_NUMBER, OnLineChange)
ON_BN_CLICKED(KT_IDC_EDIT_GOTO, OnGoTo)
END_MESSAGE_MAP()

CKTSyntaxEditGoToLineDlg::CKTSyntaxEditGoToLineDlg()
{
    InitModalIndirect(KTResourceManager()->LoadDialogTemplate(KT_IDD_EDIT_GOTOLINE), NULL);
}

BOOL CKTSyntaxEditGoToLineDlg::ShowDialog(CKTSyntaxEditCtrl* pCtrl, BOOL bSelectLine, BOOL bCloseAfterJump)
{
    if (!pCtrl || !pCtrl->GetSafeHwnd())
        return FALSE;
    m_pCtrl = pCtrl;
    m_bSelectLine = bSelectLine;
    m_bCloseAfterJump = bCloseAfterJump;
    if (GetSafeHwnd())
    {
        ShowWindow(SW_RESTORE);
        SetActiveWindow();
        BringWindowToTop();
    }
    else
    {
        LPCDLGTEMPLATE pTemplate = KTResourceManager()->LoadDialogTemplate(KT_IDD_EDIT_GOTOLINE);
        if (!pTemplate || !CreateIndirect(pTemplate, pCtrl))
            return FALSE;
        CalcPosition();
        CRect rc;
        GetWindowRect(&rc);
        MoveWindow(m_nLeft, m_nTop, rc.Width(), rc.Height(), FALSE);
        ShowWindow(SW_SHOW);
    }
    LineEdit()->SetFocus();
    LineEdit()->SetSel(0, -1);
    return TRUE;
}

void CKTSyntaxEditGoToLineDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, KT_IDC_EDIT_LINE_NUMBER, m_nLine);
    DDX_Text(pDX, KT_IDC_EDIT_LINE_LABEL, m_strLabel);
}

BOOL CKTSyntaxEditGoToLineDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nMaxLine = m_pCtrl ? m_pCtrl->GetRowCount() : 0;
    m_nLine = m_pCtrl ? m_pCtrl->GetCurrentRow() : 0;
    CString strFormat;
    KTResourceManager()->LoadString(&strFormat, KT_IDS_EDIT_GOTO_LABEL);
    m_strLabel.Format(strFormat, m_nMaxLine);
    UpdateData(FALSE);
    return TRUE;
}

// Half-typed text ("", "-") is no error while the user types; Go To checks it.
void CKTSyntaxEditGoToLineDlg::OnLineChange()
{
    CString strText;
    LineEdit()->GetWindowText(strText);
    m_nLine = atoi(strText);
}

BOOL CKTSyntaxEditGoToLineDlg::CalcPosition()
{
    if (m_nLeft != -1 && m_nTop != -1)
        return FALSE;
    CRect rcCtrl, rcDialog;
    m_pCtrl->GetWindowRect(&rcCtrl);
    GetWindowRect(&rcDialog);
    m_nLeft = rcCtrl.left + (rcCtrl.Width() - rcDialog.Width()) / 2;
    m_nTop = rcCtrl.top + (rcCtrl.Height() - rcDialog.Height()) / 2;
    return TRUE;
}

void CKTSyntaxEditGoToLineDlg::SavePosition()
{
    CRect rc;
    GetWindowRect(&rc);
    m_nLeft = rc.left;
    m_nTop = rc.top;
}

void CKTSyntaxEditGoToLineDlg::Jump()
{
    if (!m_pCtrl || !UpdateData(TRUE))
        return;
    int nLine = std::clamp(m_nLine, 1, std::max(m_nMaxLine, 1));
    if (nLine != m_nLine)
    {
        m_nLine = nLine;
        UpdateData(FALSE);
    }
    if (m_bSelectLine)
        m_pCtrl->Select(nLine, 1, nLine, m_pCtrl->GetRowEndColumn(m_pCtrl->GetLineText(nLine)));
    else
        m_pCtrl->SetCurrentPosition(nLine, 1, FALSE, TRUE);
    if (m_bCloseAfterJump)
        OnCancel();
    else if (m_bSelectLine)
        LineEdit()->SetSel(0, -1);
    else
        m_pCtrl->SetFocus();
}

BOOL CKTSyntaxEditGoToLineDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
    {
        Jump();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CKTSyntaxEditGoToLineDlg::OnCancel()
{
    SavePosition();
    CDialog::OnCancel();
    if (GetSafeHwnd())
        DestroyWindow();
}
