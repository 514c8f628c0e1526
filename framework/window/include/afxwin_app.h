// The thread and the application: thread state, CThreadLocal, CWinThread
// (message loop and idle), CCommandLineInfo, CWinApp (profile, recent files,
// document templates) and the global accessors.
#pragma once
#include <memory>
#include <vector>
#include "afxwin_wnd.h"

class CDocTemplate;
class CDocument;
class CRecentFileList;
class CWinThread;

// Per-thread state of the window layer.
struct _AFX_THREAD_STATE
{
    MSG m_lastSentMsg{};         // the message the framework is dispatching now
    MSG m_msgCur{};              // the message the loop is processing
    CWnd* m_pWndInit = nullptr;  // window being created, hooked at its first message
    HHOOK m_hHookOldCbtFilter = nullptr;
    CWinThread* m_pThread = nullptr;  // the thread object running this thread's loop
    int m_nDisablePumpCount = 0;
    HWND m_hWndToolTipOwner = nullptr;
    CToolTipCtrl* m_pToolTip = nullptr;  // shared tooltip of EnableToolTips windows
    CWnd* m_pLastHit = nullptr;
    INT_PTR m_nLastHit = -1;
    POINT m_ptCursorLast{-1, -1};
    UINT m_nMsgLast = 0;
    // Cleaners of the typed temporary handle maps, run at idle.
    std::vector<void (*)()> m_pfnTempMapCleaners;
    int m_nTempObjects = 0;  // live temporary wrappers
};
_AFX_THREAD_STATE* AFXAPI AfxGetThreadState();

// One object per thread for each CThreadLocal, made on first use and freed
// when the thread's state goes.
template <class TYPE>
class CThreadLocal
{
public:
    TYPE* GetData()
    {
        thread_local Slot slot;
        if (!slot.pData)
            slot.pData.reset(new TYPE);
        return slot.pData.get();
    }
    TYPE* GetDataNA() { return GetData(); }
    operator TYPE*() { return GetData(); }
    TYPE* operator->() { return GetData(); }

private:
    struct Slot
    {
        std::unique_ptr<TYPE> pData;
    };
};
#define THREAD_LOCAL(class_name, ident_name) CThreadLocal<class_name> ident_name;
#define EXTERN_THREAD_LOCAL(class_name, ident_name) extern CThreadLocal<class_name> ident_name;

typedef UINT(__cdecl* AFX_THREADPROC)(LPVOID);

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    // A worker thread running pfnThreadProc(pParam); see AfxBeginThread.
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    DWORD SuspendThread() { return ::SuspendThread(m_hThread); }
    // Deletes the object when m_bAutoDelete is set; called as the thread ends.
    virtual void Delete();

    CWnd* m_pMainWnd = nullptr;
    CWnd* m_pActiveWnd = nullptr;
    BOOL m_bAutoDelete = TRUE;
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    MSG m_msgCur{};

    CWinThread();
    ~CWinThread() override;

    virtual BOOL InitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();
    virtual CWnd* GetMainWnd();
    operator HANDLE() const { return this ? m_hThread : nullptr; }
    int GetThreadPriority() { return ::GetThreadPriority(m_hThread); }
    BOOL SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return ::PostThreadMessage(m_nThreadID, message, wParam, lParam);
    }

    AFX_THREADPROC m_pfnThreadProc = nullptr;
    LPVOID m_pThreadParams = nullptr;

protected:
    // Idle work of every visible frame of the thread, the main window first:
    // WM_IDLEUPDATECMDUI to the frame and every descendant.
    void IdleUpdateFrames();
    BOOL DispatchThreadMessage(MSG* pMsg);
    friend BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);
};

// Walks the parent chain from the message's window to the main window.
BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);
BOOL AFXAPI AfxPumpMessage();
CWinThread* AFXAPI AfxGetThread();
// Starts a worker thread; with m_bAutoDelete (the default) the object is
// deleted when the thread ends, so callers that keep it create it suspended,
// clear m_bAutoDelete and resume it.
CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                                  UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
// Ends the calling thread started by AfxBeginThread.
void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete = TRUE);

class CCommandLineInfo : public CObject
{
public:
    enum
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    } m_nShellCommand = FileNew;
    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    CString m_strFileName;

    CCommandLineInfo() = default;
    ~CCommandLineInfo() override = default;
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);
};

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    HINSTANCE m_hInstance = nullptr;
    LPTSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    LPCTSTR m_pszExeName = nullptr;
    LPCTSTR m_pszHelpFilePath = nullptr;
    CRecentFileList* m_pRecentFileList = nullptr;

    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int ExitInstance() override;
    int Run() override;
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);
    virtual BOOL SaveAllModified();

    // Sets the instance, names and profile from the process; called once by
    // the entry point (and by tests that run an application inside main()).
    BOOL AfxInitApplicationState(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow);

    // Profile: the registry under Software\<key>\<app> once SetRegistryKey is
    // called, else the private INI file.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // ppData receives new[]'d bytes the caller deletes with delete[].
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();

    // Document templates and the shell command line.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    void CloseAllDocuments(BOOL bEndSession);

    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCE(nIDResource)); }
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursor(nullptr, lpszCursorName); }
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCE(nIDResource)); }
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIcon(nullptr, lpszIconName); }

    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    afx_msg void OnAppExit();
    // Print setup: the chosen printer becomes the default of later print jobs.
    afx_msg void OnFilePrintSetup();
    HGLOBAL m_hDevMode = nullptr;  // the printer settings chosen in print setup, owned
    HGLOBAL m_hDevNames = nullptr;
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

protected:
    CString m_strRegistryKey;  // storage behind m_pszRegistryKey
    CString m_strAppName;
    CString m_strProfileName;
    CString m_strExeName;
    CString m_strHelpFilePath;
    std::vector<CDocTemplate*> m_templates;  // registered templates, owned
    int m_nWaitCursorCount = 0;              // nesting of BeginWaitCursor
    HCURSOR m_hcurWaitCursorRestore = nullptr;

public:
    // 1 begins, -1 ends, 0 restores the wait cursor.
    virtual void DoWaitCursor(int nCode);

protected:
    DECLARE_MESSAGE_MAP()
};

CWinApp* AFXAPI AfxGetApp();

// Shows the wait cursor for its lifetime.
class CWaitCursor
{
public:
    CWaitCursor()
    {
        if (CWinApp* pApp = AfxGetApp())
            pApp->DoWaitCursor(1);
    }
    ~CWaitCursor()
    {
        if (CWinApp* pApp = AfxGetApp())
            pApp->DoWaitCursor(-1);
    }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore()
    {
        if (CWinApp* pApp = AfxGetApp())
            pApp->DoWaitCursor(0);
    }
};
CWnd* AFXAPI AfxGetMainWnd();
HINSTANCE AFXAPI AfxGetInstanceHandle();
LPCTSTR AFXAPI AfxGetAppName();
int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// Frees the temporary window, DC, GDI, menu and image-list objects of this thread.
void AFXAPI AfxDeleteTempMaps();
BOOL AFXAPI AfxOleInit();
// Hosting of ActiveX controls; the program hosts none, so there is nothing to prepare.
void AFXAPI AfxEnableControlContainer();
void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1);
void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2);
BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep = '\n');
BOOL AFXAPI AfxComparePath(LPCTSTR lpszPath1, LPCTSTR lpszPath2);
BOOL AFXAPI AfxFullPath(LPTSTR lpszPathOut, LPCTSTR lpszFileIn);
UINT AFXAPI AfxGetFileTitle(LPCTSTR lpszPathName, LPTSTR lpszTitle, UINT nMax);
