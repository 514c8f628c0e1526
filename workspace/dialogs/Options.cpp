// Options.cpp: the Options dialog: the compiler page in its tab, saved on OK.
#include "Options.h"

#include "DialogHelpers.h"
#include "GlobalOptions.h"
#include "KestovaDialogsRes.h"
#include "afxpriv.h"

IMPLEMENT_DYNAMIC(COptions, CDialog)

COptions::COptions(CWnd* pParent, CompilerSettings& settings, CString strIniPath)
    : CDialog(IDD_OPTIONS, pParent), m_settings(settings), m_strIniPath(std::move(strIniPath))
{
}

void COptions::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAB_OPTIONS, m_tabCtrl);
}

BOOL COptions::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tabCtrl.SetPadding(CSize(6, 3));
    m_tabCtrl.ModifyStyle(0, WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
    if (!AddGlobalPage())
        EndDialog(IDABORT);
    return TRUE;
}

BOOL COptions::AddGlobalPage()
{
    if (m_tabCtrl.InsertItem(0, "Global Options") < 0)
        return FALSE;
    CRect rcPage;
    m_tabCtrl.GetClientRect(rcPage);
    m_tabCtrl.AdjustRect(FALSE, rcPage);
    auto* pPage = static_cast<CGlobalOptions*>(RUNTIME_CLASS(CGlobalOptions)->CreateObject());
    pPage->m_pSettings = &m_settings;
    if (!pPage->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rcPage, &m_tabCtrl, AFX_IDW_PANE_FIRST))
        return FALSE;  // a view whose window failed deletes itself
    m_pPage = pPage;
    m_pPage->SendMessage(WM_INITIALUPDATE);
    return TRUE;
}

void COptions::OnOK()
{
    CompilerSettings chosen;
    chosen.nAutoFlag = m_pPage->IsAutoChecked() ? 0 : 1;
    chosen.strCompilerPath = m_pPage->PathText();
    // The frame takes the settings only once they are kept, so the two never differ.
    if (!WriteCompilerSettings(chosen, m_strIniPath))
    {
        ShowRefusal(this, "the settings could not be written to " + m_strIniPath + "!");
        return;
    }
    m_settings = chosen;
    CDialog::OnOK();
}
