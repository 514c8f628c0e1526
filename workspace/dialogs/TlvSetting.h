// TlvSetting.h: the modal dialog that switches a project's TLV support and picks its tag and length types.
//
// Classes: CTlv.
#pragma once
#include "afxwin.h"

#include "OfficeBorderControl.h"
#include "model/ProtocolRecords.h"

class CTlv : public CDialog
{
    DECLARE_DYNAMIC(CTlv)
public:
    CTlv(CWnd* pParent, const ProjectRecord& project);

    // Stores the flag and the two type names in the project.
    void ApplyTo(ProjectRecord& project) const;

    int m_nTlvFlag = 0;
    CString m_strTagType;
    CString m_strLengthType;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    afx_msg void OnTlvCheck();
    DECLARE_MESSAGE_MAP()

private:
    void EnableTypeLists();

    COfficeBorderControl<CButton> m_checkTlv;
    CComboBox m_boxTagType;
    CComboBox m_boxLengthType;
    const ProjectRecord& m_project;
};
