// Options.h: the modal Options dialog, one tab holding the compiler page.
//
// Classes: COptions.
#pragma once
#include "afxcmn.h"

#include "CompilerSettings.h"

class CGlobalOptions;

class COptions : public CDialog
{
    DECLARE_DYNAMIC(COptions)
public:
    // settings are the frame's; OK stores them there and in the file at strIniPath.
    COptions(CWnd* pParent, CompilerSettings& settings, CString strIniPath);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    BOOL AddGlobalPage();

    CTabCtrl m_tabCtrl;
    CGlobalOptions* m_pPage = nullptr;  // deletes itself with its window
    CompilerSettings& m_settings;
    CString m_strIniPath;
};
