// Options.h: the modal Options dialog, one themed tab holding the compiler page.
//
// Classes: COptions.
#pragma once
#include "CompilerSettings.h"
#include "KBTabCtrl.h"

class CGlobalOptions;

class COptions : public CDialog
{
    DECLARE_DYNAMIC(COptions)
public:
    // settings are the frame's; OK stores them there and in the file at strIniPath.
    COptions(CWnd* pParent, CompilerSettings& settings, CString strIniPath);

    // The frame's settings the page starts from.
    CompilerSettings& Settings() { return m_settings; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    BOOL AddGlobalPage();

    CKBTabCtrl m_tabCtrl;
    CGlobalOptions* m_pPage = nullptr;  // deletes itself with its window
    CompilerSettings& m_settings;
    CString m_strIniPath;
};
