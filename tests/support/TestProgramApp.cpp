// TestProgramApp.cpp: the test program's application object, started by a test environment.
#include "TestProgramApp.h"

#include <gtest/gtest.h>

namespace
{
class CAppStart : public ::testing::Environment
{
public:
    explicit CAppStart(CWinApp* pApp) : m_pApp(pApp) {}
    void SetUp() override { m_pApp->AfxInitApplicationState(::GetModuleHandle(NULL), const_cast<LPSTR>(""), SW_SHOW); }

private:
    CWinApp* m_pApp;  // the program's one application object, which outlives the tests
};
}  // namespace

CTestProgramApp::CTestProgramApp(LPCTSTR lpszAppName) : CWinApp(lpszAppName)
{
    ::testing::AddGlobalTestEnvironment(new CAppStart(this));
}
