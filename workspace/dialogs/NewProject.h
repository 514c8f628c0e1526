// NewProject.h: the modal dialog that collects a new project's name, folder and build settings.
//
// Classes: CNewProject.
#pragma once
#include "ProjectSettingsDialog.h"

#include "KBMaskEdit.h"

#include <vector>

class CNewProject : public CProjectSettingsDialog
{
    DECLARE_DYNAMIC(CNewProject)
public:
    // loadedNames: the projects already open, whose names the new one must not take.
    CNewProject(CWnd* pParent, std::vector<CString> loadedNames);

    CString m_strName;
    CString m_strLocation;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    afx_msg void OnExplore();
    DECLARE_MESSAGE_MAP()

private:
    BOOL ReadName();
    BOOL CheckPaths();
    BOOL Refuse(const CString& strText);

    CKBMaskEdit m_editName;
    COfficeBorderControl<CEdit> m_editLocation;
    COfficeBorderControl<CButton> m_btnExplore;
    std::vector<CString> m_loadedNames;
};
