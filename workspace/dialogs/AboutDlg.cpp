// AboutDlg.cpp: the About box.
#include "AboutDlg.h"

#include "KestovaDialogsRes.h"

IMPLEMENT_DYNAMIC(CAboutDlg, CDialog)

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD_ABOUTBOX, pParent) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ABOUT_TITLE, m_textTitle);
    DDX_Control(pDX, IDC_ABOUT_COPYRIGHT, m_textCopyright);
    DDX_Control(pDX, IDC_LINK_MAIL, m_linkMail);
    DDX_Control(pDX, IDC_LINK_WEB, m_linkWeb);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_linkMail.SetURL("mailto:support@kestova.example");
    m_linkWeb.SetURL("https://www.kestova.example/");
    return TRUE;
}
