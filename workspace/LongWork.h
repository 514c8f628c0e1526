// LongWork.h: long work of the designer (reading, checking, generating, writing a big project) run
// aside the window's thread, while the window keeps repainting and the status bar says what is done.
//
// Classes: CLongWork.
#pragma once
#include "afxwin.h"

#include <functional>

class CKTStatusBar;

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
    // thread paints and answers sent messages, and the status bar counts the seconds; input waits
    // until the end, so nothing changes what the work reads. What the work throws is thrown here.
    void Run(const std::function<void()>& work);

private:
    void ShowText(const CString& strText);
    void ShowElapsed(DWORD dwStart);

    CKTStatusBar& m_statusBar;
    CString m_strBefore;           // the message pane's text before the work
    CString m_strStep;             // what the work does
    unsigned m_nShownSeconds = 0;  // the count shown after the step, 0 for none
};
