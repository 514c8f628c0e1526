// The test MDI application: document, view, child and main frames, two bars
// laid out through WM_SIZEPARENT, and a log of where commands arrived.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "afxwin.h"
#include "afxpriv.h"
#include "afxadv.h"
#include "testapp_res.h"

// Where each command was handled, in order.
extern std::vector<std::string> g_commandLog;

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
public:
    CString m_strText;
    BOOL m_bDocCommands = TRUE;  // the document answers its commands
    BOOL m_bFailStoring = FALSE; // storing breaks off after the first line
    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;
protected:
    afx_msg void OnViewCmd() { g_commandLog.push_back("doc"); }
    afx_msg BOOL OnDocCmd(UINT) { g_commandLog.push_back("doc"); return m_bDocCommands; }
    DECLARE_MESSAGE_MAP()
};

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
public:
    int m_nUpdates = 0;
    LPARAM m_lLastHint = 0;
    void OnDraw(CDC* pDC) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
protected:
    afx_msg void OnViewCmd() { g_commandLog.push_back("view"); }
    DECLARE_MESSAGE_MAP()
};

class CChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)
};

// A bar along one edge of the frame, sized by WM_SIZEPARENT.
class CTestBar : public CWnd {
public:
    BOOL m_bTop = TRUE;
    int m_nHeight = 24;
    int m_nMeasured = 0;   // WM_SIZEPARENT calls without a deferred-position batch
    int m_nPlaced = 0;     // calls that moved the bar
    BOOL Create(CWnd* pParent, UINT nID, BOOL bTop);
protected:
    afx_msg LRESULT OnSizeParent(WPARAM, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    CTestBar m_wndToolBar;
    CTestBar m_wndStatusBar;
    CButton m_btnFrameCmd;
    CButton m_btnNoHandler;
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnFrameCmd() { g_commandLog.push_back("frame"); }
    afx_msg void OnDisabledCmd() { g_commandLog.push_back("disabled"); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

class CTestApp : public CWinApp {
public:
    CMultiDocTemplate* m_pDocTemplate = nullptr;  // kept, not registered
    std::vector<CString> m_messages;              // message boxes shown
    int m_nMessageAnswer = IDOK;
    CTestApp() : CWinApp("Window Tests") {}
    BOOL InitInstance() override;
    int ExitInstance() override;
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;
    CDocument* OpenDocumentFile(LPCTSTR lpszFileName) override;
protected:
    afx_msg void OnAppCmd() { g_commandLog.push_back("app"); }
    afx_msg void OnFileNew() { m_pDocTemplate->OpenDocumentFile(nullptr); }
    DECLARE_MESSAGE_MAP()
};

extern CTestApp theApp;

// The test application's main frame.
CWnd* MainFrameForTests();

// Dispatches what is waiting in the queue as the application's loop would.
void PumpPending();
// Runs work from a timer, inside whatever modal loop runs by then; work
// answers FALSE while what it waits for is not there yet, and is tried again.
void RunFromTimer(std::function<BOOL()> work);
// Pumps messages until the condition holds (TRUE) or two seconds pass (FALSE).
BOOL WaitFor(std::function<BOOL()> condition);
// One idle pass of the loop (the update pass and the freeing pass).
void RunIdle();
