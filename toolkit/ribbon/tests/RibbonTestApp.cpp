// RibbonTestApp.cpp: the ribbon test program's application object, which the system menu's recent files read.
#include <afxwin.h>
#include <gtest/gtest.h>

namespace
{
class CRibbonTestApp : public CWinApp
{
public:
    CRibbonTestApp() : CWinApp("Ribbon Tests") {}
};

CRibbonTestApp theApp;

class CRibbonTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { theApp.AfxInitApplicationState(::GetModuleHandle(NULL), const_cast<LPSTR>(""), SW_SHOW); }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new CRibbonTestEnvironment);
}  // namespace
