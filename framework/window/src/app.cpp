// The application object: start-up state, global accessors, message boxes,
// the shell command line, document templates and the File commands.
#include "afxwin.h"
#include "afxadv.h"
#include "afxdlgs.h"
#include "afxpriv.h"
#include <ole2.h>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace
{
CWinApp* g_pApp = nullptr;  // the one application object of the process
HINSTANCE g_hInstance = nullptr;

int ReportThroughApp(LPCSTR lpszText, UINT nType) { return AfxMessageBox(lpszText, nType, 0); }
}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    if (lpszAppName)
    {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    g_pApp = this;
    AfxSetReportErrorProc(ReportThroughApp);
}

CWinApp::~CWinApp()
{
    for (CDocTemplate* pTemplate : m_templates)
        delete pTemplate;
    delete m_pRecentFileList;
    if (m_hDevMode)
        ::GlobalFree(m_hDevMode);
    if (m_hDevNames)
        ::GlobalFree(m_hDevNames);
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AFXAPI AfxGetApp() { return g_pApp; }

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->GetMainWnd() : nullptr;
}

HINSTANCE AFXAPI AfxGetInstanceHandle() { return g_hInstance ? g_hInstance : ::GetModuleHandle(nullptr); }

LPCTSTR AFXAPI AfxGetAppName() { return g_pApp && g_pApp->m_pszAppName ? g_pApp->m_pszAppName : ""; }

BOOL CWinApp::AfxInitApplicationState(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    g_hInstance = hInstance;
    m_hInstance = hInstance;
    m_lpCmdLine = lpCmdLine;
    m_nCmdShow = nCmdShow;
    char szPath[_MAX_PATH];
    ::GetModuleFileName(hInstance, szPath, _MAX_PATH);
    char* pszName = strrchr(szPath, '\\');
    pszName = pszName ? pszName + 1 : szPath;
    if (char* pszExt = strrchr(pszName, '.'))
        *pszExt = '\0';
    m_strExeName = pszName;
    m_pszExeName = m_strExeName;
    if (!m_pszAppName)
    {
        CString strTitle;
        m_strAppName = strTitle.LoadString(AFX_IDS_APP_TITLE) ? strTitle : m_strExeName;
        m_pszAppName = m_strAppName;
    }
    if (!m_pszProfileName)
    {
        m_strProfileName = m_strExeName + ".INI";
        m_pszProfileName = m_strProfileName;
    }
    return TRUE;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->AfxInitApplicationState(hInstance, lpCmdLine, nCmdShow);
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) || !pApp->InitApplication())
        return -1;
    int nReturnCode;
    if (!pApp->InitInstance())
    {
        if (pApp->m_pMainWnd && pApp->m_pMainWnd->m_hWnd)
            pApp->m_pMainWnd->DestroyWindow();
        nReturnCode = pApp->ExitInstance();
    }
    else
    {
        nReturnCode = pApp->Run();
    }
    AfxDeleteTempMaps();
    return nReturnCode;
}

BOOL CWinApp::InitApplication() { return TRUE; }
BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
    return CWinThread::ExitInstance();
}

int CWinApp::Run()
{
    if (!m_pMainWnd)
        ::PostQuitMessage(0);
    return CWinThread::Run();
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0)
    {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = hcurPrev;
        return;
    }
    m_nWaitCursorCount = 0;
    ::SetCursor(m_hcurWaitCursorRestore ? m_hcurWaitCursorRestore : ::LoadCursor(nullptr, IDC_ARROW));
}

namespace
{
// The box disables only its owner; when that is a popup of the main window (a modeless dialog), the main
// window is disabled too while the box runs, or a click there would hide the box behind it.
class CMainWindowDisabled
{
public:
    CMainWindowDisabled(HWND hWndMain, HWND hWndOwner)
        : m_hWnd(hWndMain && hWndMain != hWndOwner && ::IsWindowEnabled(hWndMain) ? hWndMain : nullptr)
    {
        if (m_hWnd)
            ::EnableWindow(m_hWnd, FALSE);
    }
    ~CMainWindowDisabled()
    {
        if (m_hWnd)
            ::EnableWindow(m_hWnd, TRUE);
    }
    CMainWindowDisabled(const CMainWindowDisabled&) = delete;
    CMainWindowDisabled& operator=(const CMainWindowDisabled&) = delete;

private:
    HWND m_hWnd;
};
}  // namespace

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWndMain = pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr;
    HWND hWndOwner = hWndMain ? ::GetLastActivePopup(hWndMain) : nullptr;
    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK:
        case MB_OKCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        }
    }
    CMainWindowDisabled disabled(hWndMain, hWndOwner);
    return ::MessageBox(hWndOwner, lpszPrompt, AfxGetAppName(), nType);
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp)
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBox(nullptr, lpszText, "", nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString string;
    string.LoadString(nIDPrompt);
    return AfxMessageBox(string, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

BOOL AFXAPI AfxOleInit() { return SUCCEEDED(::OleInitialize(nullptr)); }

void AFXAPI AfxEnableControlContainer() {}

void CCommandLineInfo::ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL)
{
    if (bFlag)
    {
        if (lstrcmpi(pszParam, "Embedding") == 0)
            m_bRunEmbedded = TRUE;
        else if (lstrcmpi(pszParam, "Automation") == 0)
            m_bRunAutomated = TRUE;
        return;
    }
    if (m_strFileName.IsEmpty())
    {
        m_strFileName = pszParam;
        m_nShellCommand = FileOpen;
    }
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < __argc; i++)
    {
        LPCTSTR pszParam = __argv[i];
        BOOL bFlag = pszParam[0] == '-' || pszParam[0] == '/';
        if (bFlag)
            ++pszParam;
        rCmdInfo.ParseParam(pszParam, bFlag, i == __argc - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        if (!AfxGetApp()->OnCmdMsg(ID_FILE_NEW, 0, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr || m_templates.empty();
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    default:
        return TRUE;
    }
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    pTemplate->LoadTemplate();
    m_templates.push_back(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const { return m_templates.empty() ? nullptr : (POSITION)(UINT_PTR)1; }

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    size_t nIndex = (size_t)(UINT_PTR)pos - 1;
    CDocTemplate* pTemplate = m_templates[nIndex];
    pos = nIndex + 1 < m_templates.size() ? (POSITION)(UINT_PTR)(nIndex + 2) : nullptr;
    return pTemplate;
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    CDocTemplate* pBest = nullptr;
    CDocument* pOpen = nullptr;
    CDocTemplate::Confidence best = CDocTemplate::noAttempt;
    for (CDocTemplate* pTemplate : m_templates)
    {
        CDocument* pMatch = nullptr;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(lpszFileName, pMatch);
        if (match > best)
        {
            best = match;
            pBest = pTemplate;
            pOpen = pMatch;
        }
    }
    if (pOpen)
    {
        // Already open: its first view's frame comes forward.
        POSITION pos = pOpen->GetFirstViewPosition();
        if (CView* pView = pos ? pOpen->GetNextView(pos) : nullptr)
            if (CFrameWnd* pFrame = pView->GetParentFrame())
                pFrame->ActivateFrame();
        return pOpen;
    }
    return pBest ? pBest->OpenDocumentFile(lpszFileName) : nullptr;
}

BOOL CWinApp::SaveAllModified()
{
    for (CDocTemplate* pTemplate : m_templates)
        if (!pTemplate->SaveAllModified())
            return FALSE;
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (CDocTemplate* pTemplate : m_templates)
        pTemplate->CloseAllDocuments(bEndSession);
}

void CWinApp::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, "All Files (*.*)|*.*||");
    if (dlg.DoModal() == IDOK)
        OpenDocumentFile(dlg.GetPathName());
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursor(AfxGetResourceHandle(), lpszResourceName);
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const { return ::LoadIcon(AfxGetResourceHandle(), lpszResourceName); }
