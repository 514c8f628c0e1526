// The frame the docking tests run in: an editor area, the docking-pane manager, and an owner that answers the
// manager's notifications as the designer does and records them.
#pragma once

#include <afxwin.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "KTDockingPane.h"
#include "KTDockingPaneManager.h"

struct CRecordedNotify
{
    int nCode;
    int nPaneID;  // the pane concerned, or its action's pane; 0 when none
    int nAction;  // for action notifications
};

class CDockingTestFrame : public CFrameWnd
{
public:
    // cx, cy: the client size.
    CDockingTestFrame(int cx, int cy);
    ~CDockingTestFrame() override;

    // Creates 703, 701 and 702 as the designer does.
    void CreateDesignerPanes();
    void Layout();
    HWND EditorArea() const { return m_wndEditor.GetSafeHwnd(); }
    CWnd* PaneWindow(int nID) const;
    int CountNotifies(int nCode, int nPaneID) const;
    int CountActions(int nAction, int nPaneID) const;

    CKTDockingPaneManager m_manager;
    std::vector<CRecordedNotify> m_notifies;
    BOOL m_bHideOnClose = TRUE;      // the designer hides a pane instead of closing it
    std::set<int> m_refusedActions;  // actions the owner cancels

protected:
    // The test owns the object; the window's end must not delete it.
    void PostNcDestroy() override {}
    afx_msg LRESULT OnDockingPaneNotify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void AttachWindow(CKTDockingPane* pPane);

    CWnd m_wndEditor;
    std::map<int, std::unique_ptr<CWnd>> m_paneWindows;
};

// Dispatches what is queued, idle work included, until nothing is left.
void PumpDocking();
// A drag sent as one piece of input, for modal loops that wait for the release while the input is handled
// (points in the window's client coordinates); pumps until bDone holds.
bool DragAtOnce(HWND hWnd, POINT ptFrom, POINT ptTo, const std::function<bool()>& bDone);
// Moves the cursor to a client point of the window with real input, pumping until bDone holds.
bool MoveTo(HWND hWnd, POINT pt, const std::function<bool()>& bDone);

// Another program's topmost window over a screen rectangle, for as long as the object lives.
class COtherProgramWindow
{
public:
    explicit COtherProgramWindow(const CRect& rc);
    ~COtherProgramWindow();
    COtherProgramWindow(const COtherProgramWindow&) = delete;
    COtherProgramWindow& operator=(const COtherProgramWindow&) = delete;

    // The window once it shows, else NULL.
    HWND GetHwnd() const { return m_hWnd && ::IsWindowVisible(m_hWnd) ? m_hWnd : NULL; }
    // The pointer jumps onto the window's centre in one move.
    bool MovePointerOnto() const;

private:
    bool IsShown();

    PROCESS_INFORMATION m_process = {};
    HWND m_hWnd = NULL;
    CRect m_rc;
};
