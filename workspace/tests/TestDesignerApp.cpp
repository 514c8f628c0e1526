// The designer's application object inside a test program, set up before the first test.
#include "TestDesignerApp.h"

#include <gtest/gtest.h>

CTestDesignerApp theApp;

int CTestDesignerApp::DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT)
{
    m_messages.push_back(lpszPrompt);
    return IDOK;
}

namespace
{

class DesignerAppEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        theApp.AfxInitApplicationState(::GetModuleHandle(nullptr), (LPTSTR) "", SW_HIDE);
        theApp.SetRegistryKey("Kestova Tests");
        // Each test program keeps its settings apart, though all carry the program's title.
        theApp.m_pszProfileName = theApp.m_pszExeName;
        theApp.LoadStdProfileSettings(4);
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new DesignerAppEnvironment);

}  // namespace
