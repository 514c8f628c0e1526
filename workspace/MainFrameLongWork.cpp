// MainFrameLongWork.cpp: the frame during long work, which commands and closes wait for, and at the
// session's end, which it answers as Exit does.
#include "MainFrame.h"

#include "LongWork.h"

BOOL CMainFrame::RunLongWork(const CString& strStep, const std::function<void()>& work, BOOL bEscStops)
{
    CommitSettingsEdit();
    return CLongWork(m_wndStatusBar, strStep).Run(work, bEscStops);
}

void CMainFrame::CommitSettingsEdit()
{
    if (m_wndSettings.GetSafeHwnd())
        m_wndSettings.CommitEdit();
}

// Sent by another program, or by a menu's modal loop, while the work waits: it runs after it.
BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CLongWork::IsRunning())
        return PostMessage(WM_COMMAND, wParam, lParam);
    // A command from a menu, a bar or a key acts on the design as the settings page shows it, open edit included.
    // One that is dropped changes nothing, the half-typed edit included.
    if (lParam == 0 && m_wndSettings.GetSafeHwnd() && !DropsTextCommand(LOWORD(wParam)))
        m_wndSettings.CommitEdit();
    return CKTMDIFrameWnd::OnCommand(wParam, lParam);
}

// The records are the work's until it ends; the page shows them as they stay.
LRESULT CMainFrame::OnReloadSettings(WPARAM, LPARAM)
{
    ReloadSelectedPage();
    return 0;
}

// A prompt or a second save inside the work's wait cannot be: the session waits for the user.
BOOL CMainFrame::OnQueryEndSession()
{
    if (CLongWork::IsRunning() || !SaveForExit() || !CKTMDIFrameWnd::OnQueryEndSession())
        return FALSE;
    m_bSavedForExit = TRUE;
    return TRUE;
}

// What the user chose was saved at the query; a session that goes on is saved again at its Exit.
void CMainFrame::OnEndSession(BOOL bEnding)
{
    if (!bEnding)
    {
        m_bSavedForExit = FALSE;
        return;
    }
    CKTMDIFrameWnd::OnEndSession(bEnding);
}
