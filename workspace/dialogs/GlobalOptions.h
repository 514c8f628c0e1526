// GlobalOptions.h: the Options dialog's page: the compiler's environment script and the "Auto" box.
//
// Classes: CGlobalOptions.
#pragma once
#include "afxext.h"

#include "CompilerSettings.h"
#include "OfficeBorderControl.h"

class CGlobalOptions : public CFormView
{
    DECLARE_DYNCREATE(CGlobalOptions)
public:
    CGlobalOptions();

    BOOL IsAutoChecked() const;
    CString PathText() const;

    void OnInitialUpdate() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnAuto();
    // The frame's settings, kept by the dialog the page stands in.
    CompilerSettings& Settings();
    afx_msg void OnBrowse();
    DECLARE_MESSAGE_MAP()

private:
    COfficeBorderControl<CButton> m_checkAuto;
};
