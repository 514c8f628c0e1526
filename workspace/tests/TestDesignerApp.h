// The designer's application object inside a test program: its message boxes recorded instead of shown.
#pragma once

#include <vector>

#include "WrenfoldApp.h"

class CTestDesignerApp : public CwrenfoldApp
{
public:
    std::vector<CString> m_messages;
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override;
    using CwrenfoldApp::OnCmdMsg;
};

extern CTestDesignerApp theApp;
