// The test MDI application's classes.
#include "testapp.h"
#include <gtest/gtest.h>

std::vector<std::string> g_commandLog;
CTestApp theApp;

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
IMPLEMENT_DYNCREATE(CTestView, CView)
IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)
IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND(ID_TEST_VIEWCMD, OnViewCmd)
    ON_COMMAND_EX(ID_TEST_DOCCMD, OnDocCmd)
END_MESSAGE_MAP()

BOOL CTestDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    m_strText = "new document";
    return TRUE;
}

void CTestDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(m_strText);
        ar.WriteString("\r\n");
        if (m_bFailStoring)
            AfxThrowArchiveException(CArchiveException::genericException);
        return;
    }
    CString strLine;
    m_strText.Empty();
    if (ar.ReadString(strLine))
        m_strText = strLine;
}

BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND(ID_TEST_VIEWCMD, OnViewCmd)
END_MESSAGE_MAP()

void CTestView::OnDraw(CDC* pDC)
{
    CTestDoc* pDoc = static_cast<CTestDoc*>(GetDocument());
    if (pDoc)
        pDC->TextOut(10, 10, pDoc->m_strText);
}

void CTestView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    m_nUpdates++;
    m_lLastHint = lHint;
    CView::OnUpdate(pSender, lHint, pHint);
}

BEGIN_MESSAGE_MAP(CTestBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CTestBar::Create(CWnd* pParent, UINT nID, BOOL bTop)
{
    m_bTop = bTop;
    return CWnd::Create(AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)),
                        bTop ? "toolbar" : "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParent,
                        nID);
}

LRESULT CTestBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    CRect rect = pLayout->rect;
    if (m_bTop) {
        rect.bottom = rect.top + m_nHeight;
        pLayout->rect.top += m_nHeight;
    } else {
        rect.top = rect.bottom - m_nHeight;
        pLayout->rect.bottom -= m_nHeight;
    }
    pLayout->sizeTotal.cy += m_nHeight;
    if (!pLayout->hDWP)
        m_nMeasured++;
    else
        m_nPlaced++;
    AfxRepositionWindow(pLayout, m_hWnd, &rect);
    return 0;
}

LRESULT CTestBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // Buttons on the bar follow their commands: no handler, no button.
    UpdateDialogControls(GetParentFrame(), (BOOL)wParam);
    return 0;
}

void CTestBar::OnPaint()
{
    CPaintDC dc(this);
    CString strText;
    GetWindowText(strText);
    CRect rect;
    GetClientRect(&rect);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(strText, &rect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_TEST_VIEWCMD, OnFrameCmd)
    ON_COMMAND(ID_TEST_DOCCMD, OnFrameCmd)
    ON_COMMAND(ID_TEST_FRAMECMD, OnFrameCmd)
    ON_COMMAND(ID_TEST_DISABLED, OnDisabledCmd)
    ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateDisabled)
END_MESSAGE_MAP()

int CMainFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CMDIFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!m_wndToolBar.Create(this, AFX_IDW_TOOLBAR, TRUE) || !m_wndStatusBar.Create(this, AFX_IDW_STATUS_BAR, FALSE))
        return -1;
    m_btnFrameCmd.Create("Frame", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(2, 2, 62, 22), &m_wndToolBar,
                         ID_TEST_FRAMECMD);
    m_btnNoHandler.Create("None", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(64, 2, 124, 22), &m_wndToolBar,
                          ID_TEST_NOHANDLER);
    RecalcLayout();
    return 0;
}

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_TEST_VIEWCMD, OnAppCmd)
    ON_COMMAND(ID_TEST_DOCCMD, OnAppCmd)
    ON_COMMAND(ID_TEST_FRAMECMD, OnAppCmd)
    ON_COMMAND(ID_TEST_APPCMD, OnAppCmd)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

BOOL CTestApp::InitInstance()
{
    AfxInitApplicationState(::GetModuleHandle(nullptr), (LPTSTR)"", SW_SHOWNORMAL);
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&icc);
    SetRegistryKey("Kestova Window Tests");
    LoadStdProfileSettings(4);
    m_pDocTemplate = new CMultiDocTemplate(IDR_TESTTYPE, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CChildFrame),
                                           RUNTIME_CLASS(CTestView));
    m_pDocTemplate->LoadTemplate();
    CMainFrame* pMainFrame = new CMainFrame;
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
    return m_nMessageAnswer;
}

CDocument* CTestApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    return m_pDocTemplate->OpenDocumentFile(lpszFileName);
}

CWnd* MainFrameForTests() { return theApp.m_pMainWnd; }

void PumpPending()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
}

namespace {
std::function<BOOL()> g_timerWork;
int g_nTimerTries = 0;

void CALLBACK TimerProc(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    if (!g_timerWork || g_timerWork() || ++g_nTimerTries > 100) {
        ::KillTimer(nullptr, idEvent);
        g_timerWork = nullptr;
    }
}
}  // namespace

void RunFromTimer(std::function<BOOL()> work)
{
    g_timerWork = std::move(work);
    g_nTimerTries = 0;
    ::SetTimer(nullptr, 0, 100, TimerProc);
}

BOOL WaitFor(std::function<BOOL()> condition)
{
    for (int i = 0; i < 100; i++) {
        PumpPending();
        if (condition())
            return TRUE;
        ::Sleep(20);
    }
    return FALSE;
}

void RunIdle()
{
    PumpPending();
    theApp.OnIdle(0);
    theApp.OnIdle(1);
}

namespace {

// The application runs for the whole test program, as it would in the
// process it was made for; its registry key starts empty.
class TestAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ::RegDeleteTree(HKEY_CURRENT_USER, "Software\\Kestova Window Tests");
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
