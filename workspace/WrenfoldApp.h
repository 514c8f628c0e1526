// WrenfoldApp.h: the designer's application object.
//
// Classes: CwrenfoldApp.
#pragma once
#include "afxwin.h"

class CwrenfoldApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    // Only project files go into the recent-file list.
    void AddToRecentFileList(LPCTSTR lpszPathName) override;

protected:
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateMainFrame();
    void OpenCommandLineProject();
};
