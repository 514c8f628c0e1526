// ProjectSettingsDialog.h: what the New Project and Project Properties dialogs share:
// the based protocol, target platform and library type a project is built with.
//
// Classes: CProjectSettingsDialog.
#pragma once
#include "afxwin.h"

#include "OfficeBorderControl.h"

class CProjectSettingsDialog : public CDialog
{
    DECLARE_DYNAMIC(CProjectSettingsDialog)
public:
    int m_nProtocolBase = 0;
    int m_nTargetPlatform = 0;
    int m_nLibraryType = 0;

protected:
    CProjectSettingsDialog(UINT nIDTemplate, CWnd* pParent);
    void DoDataExchange(CDataExchange* pDX) override;
    // Checks the protocol's radio button and lists each setting's current text first.
    void ShowSettings();

    afx_msg void OnTcp();
    afx_msg void OnUdp();
    afx_msg void OnSelchangePlatform();
    afx_msg void OnSelchangeLibrary();
    DECLARE_MESSAGE_MAP()

    COfficeBorderControl<CButton> m_btnTcp;
    COfficeBorderControl<CButton> m_btnUdp;
    COfficeBorderControl<CComboBox> m_boxPlatform;
    COfficeBorderControl<CComboBox> m_boxLibrary;
};
