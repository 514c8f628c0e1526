// The test application: start-up, recorded message boxes and the loop
// helpers; it runs for the whole test program.
#include "TestApp.h"
#include <gtest/gtest.h>
#include "MessagePump.h"
#include "TestDoc.h"
#include "TestMainFrame.h"
#include "TestView.h"

std::vector<std::string> g_commandLog;
CTestApp theApp;

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_TEST_VIEWCMD, OnAppCmd)
ON_COMMAND(ID_TEST_DOCCMD, OnAppCmd)
ON_COMMAND(ID_TEST_FRAMECMD, OnAppCmd)
ON_COMMAND(ID_TEST_APPCMD, OnAppCmd)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

BOOL CTestApp::InitInstance()
{
    AfxInitApplicationState(::GetModuleHandle(nullptr), (LPTSTR) "", SW_SHOWNORMAL);
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&icc);
    SetRegistryKey("Kestova Window Tests");
    LoadStdProfileSettings(4);
    m_pDocTemplate = new CMultiDocTemplate(IDR_TESTTYPE, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestChildFrame),
                                           RUNTIME_CLASS(CTestView));
    m_pDocTemplate->LoadTemplate();
    CTestMainFrame* pMainFrame = new CTestMainFrame;
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME))
        return FALSE;
    m_pMainWnd = pMainFrame;
    pMainFrame->MoveWindow(20, 20, 800, 600);
    pMainFrame->ShowWindow(SW_SHOWNORMAL);
    pMainFrame->UpdateWindow();
    return TRUE;
}

int CTestApp::ExitInstance()
{
    delete m_pDocTemplate;
    m_pDocTemplate = nullptr;
    return CWinApp::ExitInstance();
}

int CTestApp::DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT)
{
    m_messages.push_back(lpszPrompt);
    if (m_whileMessage)
        m_whileMessage();
    return m_nMessageAnswer;
}

CDocument* CTestApp::OpenDocumentFile(LPCTSTR lpszFileName) { return m_pDocTemplate->OpenDocumentFile(lpszFileName); }

CWnd* MainFrameForTests() { return theApp.m_pMainWnd; }

void PumpPending()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
            continue;
        if (!AfxPreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
}

namespace
{
std::function<BOOL()> g_timerWork;
const UINT kTimerMs = 100;
DWORD g_dwTimerStart = 0;

void CALLBACK TimerProc(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    if (!g_timerWork || g_timerWork() || ::GetTickCount() - g_dwTimerStart > kColdWineDeadlineMs)
    {
        ::KillTimer(nullptr, idEvent);
        g_timerWork = nullptr;
    }
}
}  // namespace

void RunFromTimer(std::function<BOOL()> work)
{
    g_timerWork = std::move(work);
    g_dwTimerStart = ::GetTickCount();
    ::SetTimer(nullptr, 0, kTimerMs, TimerProc);
}

BOOL WaitFor(std::function<BOOL()> condition)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;)
    {
        PumpPending();
        if (condition())
            return TRUE;
        if (::GetTickCount() - dwStart > kColdWineDeadlineMs)
            return FALSE;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void RunIdle()
{
    PumpPending();
    theApp.OnIdle(0);
    theApp.OnIdle(1);
}

namespace
{

// The application runs for the whole test program, as it would in the
// process it was made for; its registry key starts empty.
class TestAppEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ::RegDeleteTree(HKEY_CURRENT_USER, "Software\\Kestova Window Tests");
        // The first program of a cold, loaded Wine may start before the desktop window is made; its windows
        // would fail to be created.
        ASSERT_TRUE(WaitFor([] { return ::GetDesktopWindow() != nullptr; })) << "no desktop window";
        BOOL bStarted = theApp.InitInstance();
        for (const CString& strMessage : theApp.m_messages)
            ADD_FAILURE() << "message box at start-up: " << (LPCTSTR)strMessage;
        ASSERT_TRUE(bStarted);
        RunIdle();
    }
    void TearDown() override
    {
        theApp.m_nMessageAnswer = IDNO;
        if (theApp.m_pMainWnd)
            theApp.m_pMainWnd->DestroyWindow();
        PumpPending();
        theApp.ExitInstance();
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new TestAppEnvironment);

}  // namespace
