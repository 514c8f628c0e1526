// GlobalOptions.h: the Options dialog's page: the compiler's environment script and the "Auto" box.
//
// Classes: CGlobalOptions.
#pragma once
#include "afxext.h"

#include "CompilerSettings.h"

class CGlobalOptions : public CFormView
{
    DECLARE_DYNCREATE(CGlobalOptions)
public:
    CGlobalOptions();

    // The frame's settings the page starts from and marks as used; set before the initial update.
    CompilerSettings* m_pSettings = nullptr;

    BOOL IsAutoChecked() const;
    CString PathText() const;

    void OnInitialUpdate() override;

protected:
    afx_msg void OnAuto();
    afx_msg void OnBrowse();
    DECLARE_MESSAGE_MAP()
};
