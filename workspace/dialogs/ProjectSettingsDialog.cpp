// ProjectSettingsDialog.cpp: the settings part of the project dialogs.
#include "ProjectSettingsDialog.h"

#include "DialogHelpers.h"
#include "KestovaDialogsRes.h"
#include "model/Vocabulary.h"

namespace
{

// The value's own text first, then the other one.
void ListCurrentFirst(CComboBox& box, const char* pszCurrent, const char* pszOther)
{
    box.AddString(pszCurrent);
    box.AddString(pszOther);
    box.SetCurSel(0);
}

}  // namespace

IMPLEMENT_DYNAMIC(CProjectSettingsDialog, CDialog)

BEGIN_MESSAGE_MAP(CProjectSettingsDialog, CDialog)
ON_BN_CLICKED(IDC_RADIO_TCP, OnTcp)
ON_BN_CLICKED(IDC_RADIO_UDP, OnUdp)
ON_CBN_SELCHANGE(IDC_COMBO_PLATFORM, OnSelchangePlatform)
ON_CBN_SELCHANGE(IDC_COMBO_LIBRARY, OnSelchangeLibrary)
END_MESSAGE_MAP()

CProjectSettingsDialog::CProjectSettingsDialog(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

void CProjectSettingsDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RADIO_TCP, m_btnTcp);
    DDX_Control(pDX, IDC_RADIO_UDP, m_btnUdp);
    DDX_Control(pDX, IDC_COMBO_PLATFORM, m_boxPlatform);
    DDX_Control(pDX, IDC_COMBO_LIBRARY, m_boxLibrary);
}

void CProjectSettingsDialog::ShowSettings()
{
    (m_nProtocolBase == PROTOCOL_TCP ? m_btnTcp : m_btnUdp).SetCheck(BST_CHECKED);
    ListCurrentFirst(m_boxPlatform, TargetPlatformName(m_nTargetPlatform), TargetPlatformName(1 - m_nTargetPlatform));
    ListCurrentFirst(m_boxLibrary, LibraryTypeName(m_nLibraryType), LibraryTypeName(1 - m_nLibraryType));
}

void CProjectSettingsDialog::OnTcp() { m_nProtocolBase = PROTOCOL_TCP; }

void CProjectSettingsDialog::OnUdp() { m_nProtocolBase = PROTOCOL_UDP; }

void CProjectSettingsDialog::OnSelchangePlatform()
{
    m_nTargetPlatform =
        SelectedText(m_boxPlatform) == TargetPlatformName(PLATFORM_WINDOWS) ? PLATFORM_WINDOWS : PLATFORM_UNIX;
}

void CProjectSettingsDialog::OnSelchangeLibrary()
{
    m_nLibraryType = SelectedText(m_boxLibrary) == LibraryTypeName(LIBRARY_DLL) ? LIBRARY_DLL : LIBRARY_STATIC;
}
