// GlobalOptions.cpp: the compiler page of the Options dialog.
#include "GlobalOptions.h"

#include "KestovaDialogsRes.h"
#include "Options.h"

#include "afxdlgs.h"

IMPLEMENT_DYNCREATE(CGlobalOptions, CFormView)

BEGIN_MESSAGE_MAP(CGlobalOptions, CFormView)
ON_BN_CLICKED(IDC_CHECK_BOX, OnAuto)
ON_BN_CLICKED(IDC_BUTTON_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CGlobalOptions::CGlobalOptions() : CFormView(IDD_GLOBAL_OPTIONS) {}

void CGlobalOptions::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHECK_BOX, m_checkAuto);
}

CompilerSettings& CGlobalOptions::Settings()
{
    // The page lies in the dialog's tab control.
    CWnd* pTabCtrl = GetParent();
    auto* pOptions = dynamic_cast<COptions*>(pTabCtrl ? pTabCtrl->GetParent() : nullptr);
    ASSERT(pOptions);
    return pOptions->Settings();
}

void CGlobalOptions::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    Settings().nAutoFlag = 1;
    CheckDlgButton(IDC_CHECK_BOX, BST_UNCHECKED);
    GetDlgItem(IDC_BUTTON_BROWSE)->EnableWindow(TRUE);
    SetDlgItemText(IDC_EDIT_COMPILER_PATH, Settings().strCompilerPath);
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
    SetDlgItemText(IDC_EDIT_COMPILER_PATH, bAuto ? CString() : Settings().strCompilerPath);
}

void CGlobalOptions::OnBrowse()
{
    CFileDialog dlg(TRUE, "bat", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                    "vc++ vcvars32.bat path(vcvars32.bat)|vcvars32.bat||", this);
    if (dlg.DoModal() == IDOK && !dlg.GetPathName().IsEmpty())
        SetDlgItemText(IDC_EDIT_COMPILER_PATH, dlg.GetPathName());
}
