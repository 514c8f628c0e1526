// Options.cpp: the Options dialog: the compiler page in its themed tab, saved on OK.
#include "Options.h"

#include "DialogHelpers.h"
#include "GlobalOptions.h"
#include "KBThemeManager.h"
#include "KestovaDialogsRes.h"

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
    if (!AddGlobalPage())
        EndDialog(IDABORT);
    return TRUE;
}

BOOL COptions::AddGlobalPage()
{
    m_tabCtrl.m_bSendInitialUpdate = TRUE;
    m_tabCtrl.SetPadding(CSize(6, 3));
    m_tabCtrl.SetTruncateCaptions(TRUE);
    m_tabCtrl.ModifyStyle(0, WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
    if (!m_tabCtrl.AddView("Global Options", RUNTIME_CLASS(CGlobalOptions)))
        return FALSE;
    KBThemeManager()->SetTheme(kbThemeOffice);
    m_pPage = static_cast<CGlobalOptions*>(m_tabCtrl.GetItemWnd(m_tabCtrl.FindIndex(RUNTIME_CLASS(CGlobalOptions))));
    m_tabCtrl.InitialUpdate();
    return m_pPage != nullptr;
}

void COptions::OnOK()
{
    m_settings.nAutoFlag = m_pPage->IsAutoChecked() ? 0 : 1;
    m_settings.strCompilerPath = m_pPage->PathText();
    // The settings serve this session even when they cannot be kept for the next one; the user is told.
    if (!WriteCompilerSettings(m_settings, m_strIniPath))
        ShowRefusal(this, "the settings could not be written to " + m_strIniPath +
                              ", they apply only until the designer is closed!");
    CDialog::OnOK();
}
