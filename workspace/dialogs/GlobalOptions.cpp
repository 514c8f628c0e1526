// GlobalOptions.cpp: the compiler page of the Options dialog.
#include "GlobalOptions.h"

#include "KestovaDialogsRes.h"

#include "afxdlgs.h"

IMPLEMENT_DYNCREATE(CGlobalOptions, CFormView)

BEGIN_MESSAGE_MAP(CGlobalOptions, CFormView)
ON_BN_CLICKED(IDC_CHECK_BOX, OnAuto)
ON_BN_CLICKED(IDC_BUTTON_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CGlobalOptions::CGlobalOptions() : CFormView(IDD_GLOBAL_OPTIONS) {}

void CGlobalOptions::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    m_pSettings->nAutoFlag = 1;
    CheckDlgButton(IDC_CHECK_BOX, BST_UNCHECKED);
    GetDlgItem(IDC_BUTTON_BROWSE)->EnableWindow(TRUE);
    SetDlgItemText(IDC_EDIT_COMPILER_PATH, m_pSettings->strCompilerPath);
}

BOOL CGlobalOptions::IsAutoChecked() const { return IsDlgButtonChecked(IDC_CHECK_BOX) == BST_CHECKED; }

CString CGlobalOptions::PathText() const
{
    CString strPath;
    GetDlgItemText(IDC_EDIT_COMPILER_PATH, strPath);
    return strPath;
}

void CGlobalOptions::OnAuto()
{
    const BOOL bAuto = IsAutoChecked();
    GetDlgItem(IDC_BUTTON_BROWSE)->EnableWindow(!bAuto);
    SetDlgItemText(IDC_EDIT_COMPILER_PATH, bAuto ? CString() : m_pSettings->strCompilerPath);
}

void CGlobalOptions::OnBrowse()
{
    CFileDialog dlg(TRUE, "bat", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                    "vc++ vcvars32.bat path(vcvars32.bat)|vcvars32.bat||", this);
    if (dlg.DoModal() == IDOK && !dlg.GetPathName().IsEmpty())
        SetDlgItemText(IDC_EDIT_COMPILER_PATH, dlg.GetPathName());
}
