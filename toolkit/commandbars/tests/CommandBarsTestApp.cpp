// CommandBarsTestApp.cpp: the tests' application object and the loop's translation step.
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

CLoopTranslation::CLoopTranslation()
    : m_hHook(::SetWindowsHookEx(WH_GETMESSAGE, GetMessageProc, NULL, ::GetCurrentThreadId()))
{
}

CLoopTranslation::~CLoopTranslation()
{
    if (m_hHook)
        ::UnhookWindowsHookEx(m_hHook);
}

LRESULT CALLBACK CLoopTranslation::GetMessageProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    MSG* pMsg = reinterpret_cast<MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && AfxPreTranslateMessage(pMsg))
        pMsg->message = WM_NULL;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}
