// ProjectProperties.cpp: the Project Properties dialog, started from the project's values.
#include "ProjectProperties.h"

#include "DialogHelpers.h"
#include "KestovaDialogsRes.h"
#include "model/Vocabulary.h"

IMPLEMENT_DYNAMIC(CProjectProperties, CProjectSettingsDialog)

CProjectProperties::CProjectProperties(CWnd* pParent, const ProjectRecord& project)
    : CProjectSettingsDialog(IDD_PROJECT_PROPERTIES, pParent), m_project(project)
{
}

BOOL CProjectProperties::OnInitDialog()
{
    CProjectSettingsDialog::OnInitDialog();
    m_nProtocolBase = m_project.basedProtocol != PROTOCOL_TCP ? PROTOCOL_UDP : PROTOCOL_TCP;
    m_nTargetPlatform = m_project.targetPlatform != PLATFORM_WINDOWS ? PLATFORM_UNIX : PLATFORM_WINDOWS;
    m_nLibraryType = m_project.libraryType != LIBRARY_DLL ? LIBRARY_STATIC : LIBRARY_DLL;
    ShowSettings();
    SetDlgItemText(IDC_EDIT_NAME, m_project.name);
    SetDlgItemText(IDC_EDIT_LOCATION, m_project.folder);
    return TRUE;
}

void CProjectProperties::OnOK()
{
    GetDlgItemText(IDC_EDIT_NAME, m_strName);
    if (m_strName.IsEmpty())
    {
        ShowRefusal(this, "please input a protocol name!");
        return;
    }
    CProjectSettingsDialog::OnOK();
}

void CProjectProperties::ApplyTo(ProjectRecord& project) const
{
    project.libraryType = m_nLibraryType;
    project.basedProtocol = m_nProtocolBase;
    project.targetPlatform = m_nTargetPlatform;
}
