// CommandBarsTestApp.cpp: the tests' application object.
#include "CommandBarsTestApp.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace
{
CCommandBarsTestApp g_app;

// The application starts once for the whole test program.
class CAppEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        g_app.AfxInitApplicationState(::GetModuleHandle(NULL), (LPTSTR) "", SW_SHOWNORMAL);
        ASSERT_TRUE(g_app.InitInstance());
    }
};

const auto* const g_pEnvironment = ::testing::AddGlobalTestEnvironment(new CAppEnvironment);
}  // namespace

BOOL CCommandBarsTestApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    return TRUE;
}
