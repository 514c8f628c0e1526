// AboutDlg.h: the About box with its two links.
//
// Classes: CAboutDlg.
#pragma once
#include "afxwin.h"

#include "KBHyperLink.h"
#include "OfficeBorderControl.h"

class CAboutDlg : public CDialog
{
    DECLARE_DYNAMIC(CAboutDlg)
public:
    explicit CAboutDlg(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    COfficeBorderControl<CStatic> m_textTitle;
    COfficeBorderControl<CStatic> m_textCopyright;
    CKBHyperLink m_linkMail;
    CKBHyperLink m_linkWeb;
};
