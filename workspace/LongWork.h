// LongWork.h: long work of the designer (reading, checking, generating, writing a big project, filling
// the tree) run while the window keeps repainting and the status bar says what is done.
//
// Classes: CLongWork.
//
// Who owns the project meanwhile: the work alone reads the records it was given, and nothing on the
// window's thread writes them until it ends.
// - Before it starts, the frame commits an open in-place edit of the settings, so the work reads what
//   the user sees.
// - Meanwhile the window's thread handles only paint and sent messages: posted input, commands and
//   closes wait in the queue. A handler of a sent message that would run a command, close the frame,
//   end the session or write a record asks IsRunning() first and posts itself again for after the
//   work, or refuses.
// - A quit taken while waiting is posted again when the work ends.
// - Work that Esc may stop (reading a file that may never end) shares nothing with the window's thread.
#pragma once
#include "afxwin.h"

#include <functional>
#include <memory>

class CKTStatusBar;

// Work put on a thread of its own as soon as it is made, for CLongWork to wait for later. Work that a
// wait may leave behind (Esc) holds what it uses itself; the thread ends on its own.
class CBackgroundWork
{
public:
    explicit CBackgroundWork(const std::function<void()>& work);
    ~CBackgroundWork();
    CBackgroundWork(const CBackgroundWork&) = delete;
    CBackgroundWork& operator=(const CBackgroundWork&) = delete;

    // NULL when no thread could be made: the work then runs in Join.
    HANDLE Thread() const { return m_hThread; }
    BOOL IsDone() const;
    // Waits for the end of the work and throws here what it threw.
    void Join();

    struct Call;

private:
    std::shared_ptr<Call> m_pCall;
    HANDLE m_hThread = NULL;
};

class CLongWork
{
public:
    // The status bar's message pane shows the step from now until the object goes, then what it
    // showed before.
    CLongWork(CKTStatusBar& statusBar, const CString& strStep);
    ~CLongWork();
    CLongWork(const CLongWork&) = delete;
    CLongWork& operator=(const CLongWork&) = delete;

    // Runs the work on a thread of its own and returns when it has ended. Meanwhile the window's
    // thread paints and answers sent messages, and the status bar counts the seconds. What the work
    // throws is thrown here. Given bEscStops, Esc stops waiting and gives FALSE, and so does Alt+F4,
    // which then closes its window: such work holds what it uses itself (no reference to the
    // caller's), as its thread may go on after the call.
    BOOL Run(const std::function<void()>& work, BOOL bEscStops = FALSE);
    // The same for work already under way.
    BOOL Wait(CBackgroundWork& work, BOOL bEscStops);
    // Work that must run on the window's thread (its windows' own changes), a slice at a time until
    // the slice returns FALSE; between slices the thread paints and answers as Run does.
    void RunInSlices(const std::function<BOOL()>& slice);
    // How far work in slices is, 0 to 100, shown after the step from the next answer on.
    void SetProgress(int nPercent) { m_nPercent = nPercent; }

    // Long work of the window's thread is running: see the rule above.
    static BOOL IsRunning();

private:
    class CRunning;
    // Paints and counts the seconds; FALSE once the thread has ended or the wait failed.
    BOOL Answer(HANDLE hThread, DWORD dwStart, DWORD dwWaitMs);
    void ShowText(const CString& strText);
    // The step, how far it is and the seconds it took so far, when one of them changed.
    void ShowProgress(DWORD dwStart);

    CKTStatusBar& m_statusBar;
    CString m_strBefore;           // the message pane's text before the work
    CString m_strStep;             // what the work does
    unsigned m_nShownSeconds = 0;  // the count shown after the step, 0 for none
    int m_nPercent = -1;           // how far work in slices is, -1 when it does not say
    int m_nShownPercent = -1;
    BOOL m_bQuit = FALSE;  // a quit was taken while waiting
    int m_nQuitCode = 0;
};
