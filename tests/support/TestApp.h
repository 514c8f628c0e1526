// The test MDI application every window test runs in: its message boxes are
// recorded, not shown; its loop is driven step by step by the tests.
// Classes: CTestApp.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "afxwin.h"
#include "TestAppRes.h"

// Where each command was handled, in order.
extern std::vector<std::string> g_commandLog;

class CTestApp : public CWinApp
{
public:
    CMultiDocTemplate* m_pDocTemplate = nullptr;  // kept, not registered
    std::vector<CString> m_messages;              // message boxes shown
    int m_nMessageAnswer = IDOK;
    std::function<void()> m_whileMessage;  // runs inside each box, as handlers would under its loop
    CTestApp() : CWinApp("Window Tests") {}
    BOOL InitInstance() override;
    int ExitInstance() override;
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;
    CDocument* OpenDocumentFile(LPCTSTR lpszFileName) override;
    // The kept template's documents are the application's to ask about.
    BOOL SaveAllModified() override { return m_pDocTemplate->SaveAllModified(); }

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
// Pumps messages as the application's loop would until the condition holds (TRUE) or a cold-Wine deadline
// passes (FALSE).
BOOL WaitFor(std::function<BOOL()> condition);
// One idle pass of the loop (the update pass and the freeing pass).
void RunIdle();
