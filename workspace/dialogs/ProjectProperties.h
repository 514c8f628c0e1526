// ProjectProperties.h: the modal dialog that changes a project's build settings.
//
// Classes: CProjectProperties.
#pragma once
#include "ProjectSettingsDialog.h"

#include "model/ProtocolRecords.h"

class CProjectProperties : public CProjectSettingsDialog
{
    DECLARE_DYNAMIC(CProjectProperties)
public:
    CProjectProperties(CWnd* pParent, const ProjectRecord& project);

    // Copies the chosen settings into the project; its name and folder stay.
    void ApplyTo(ProjectRecord& project) const;

    CString m_strName;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    const ProjectRecord& m_project;
};
