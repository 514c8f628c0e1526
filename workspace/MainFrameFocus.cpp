// Where the keys go: the focus given back after a dialog, and each text box's edit keys kept to it.
#include "MainFrame.h"
#include "KTAcceleratorManager.h"
#include "KTCommandBars.h"
#include "WorkspaceRes.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace
{

// The commands that change or copy an editor's text; the frame's accelerators send them whatever has the focus.
const UINT kEditorTextCommands[] = {ID_EDIT_UNDO,       ID_EDIT_REDO,      ID_EDIT_CUT,
                                    ID_EDIT_COPY,       ID_EDIT_PASTE,     ID_EDIT_CLEAR,
                                    ID_EDIT_SELECT_ALL, ID_EDIT_UPPERCASE, ID_EDIT_LOWERCASE};

BOOL IsEditorTextCommand(UINT nID)
{
    return std::find(std::begin(kEditorTextCommands), std::end(kEditorTextCommands), nID) !=
           std::end(kEditorTextCommands);
}

bool IsHeld(int nVirtualKey) { return ::GetKeyState(nVirtualKey) < 0; }

// The command the accelerators give the key with the modifiers now held, 0 for none.
UINT AcceleratorCommand(HACCEL hAccel, const MSG& msg)
{
    const int nCount = hAccel ? ::CopyAcceleratorTable(hAccel, nullptr, 0) : 0;
    std::vector<ACCEL> accels(nCount);
    if (nCount == 0 || ::CopyAcceleratorTable(hAccel, accels.data(), nCount) != nCount)
        return 0;
    const BYTE fHeld =
        (IsHeld(VK_CONTROL) ? FCONTROL : 0) | (IsHeld(VK_SHIFT) ? FSHIFT : 0) | (IsHeld(VK_MENU) ? FALT : 0);
    for (const ACCEL& accel : accels)
        if ((accel.fVirt & FVIRTKEY) && accel.key == msg.wParam && (accel.fVirt & (FCONTROL | FSHIFT | FALT)) == fHeld)
            return accel.cmd;
    return 0;
}

}  // namespace

// The framework hands a reactivated frame's focus to the active editor; a user who closed a dialog
// opened from the tree or the settings expects to type on where they were.
void CMainFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    if (nState == WA_INACTIVE)
    {
        const HWND hFocus = ::GetFocus();
        m_hWndFocusWhenInactive = hFocus && ::IsChild(m_hWnd, hFocus) ? hFocus : nullptr;
    }
    CKTMDIFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE || bMinimized)
        return;
    const HWND hFocus = std::exchange(m_hWndFocusWhenInactive, nullptr);
    if (hFocus && ::IsChild(m_hWnd, hFocus) && ::IsWindowVisible(hFocus) && ::IsWindowEnabled(hFocus))
        ::SetFocus(hFocus);
}

// Ctrl+V in the tree must not paste into an editor the user is not in; Ctrl+C in the output copies the output.
BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    const BOOL bRouted = nCode == CN_COMMAND || nCode == CN_UPDATE_COMMAND_UI;
    if (!bRouted || !DropsTextCommand(nID))
        return CKTMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    const BOOL bOutputCopy = nID == ID_EDIT_COPY && m_wndOutput.GetSafeHwnd() && ::GetFocus() == m_wndOutput.m_hWnd;
    if (nCode == CN_UPDATE_COMMAND_UI)
    {
        int nStart = 0, nEnd = 0;
        if (bOutputCopy)
            m_wndOutput.GetSel(nStart, nEnd);
        static_cast<CCmdUI*>(pExtra)->Enable(nEnd > nStart);
        return TRUE;
    }
    if (pHandlerInfo)
        return bOutputCopy;
    if (bOutputCopy)
        m_wndOutput.Copy();
    return TRUE;
}

BOOL CMainFrame::FocusInEditor() const
{
    const HWND hFocus = ::GetFocus();
    return hFocus && m_hWndMDIClient && ::IsChild(m_hWndMDIClient, hFocus);
}

BOOL CMainFrame::DropsTextCommand(UINT nID) const { return IsEditorTextCommand(nID) && !FocusInEditor(); }

// A text box of a pane (a settings value being typed, a tree label) undoes, cuts and pastes by its own keys,
// which the editors' text commands would otherwise take from it.
BOOL CMainFrame::PreTranslateMessage(MSG* pMsg)
{
    return !IsPaneEditKey(*pMsg) && CKTMDIFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CMainFrame::IsPaneEditKey(const MSG& msg) const
{
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return FALSE;
    const HWND hFocus = ::GetFocus();
    // A floating pane is a window of its own that the frame owns, not one of its children.
    if (!hFocus || ::GetAncestor(hFocus, GA_ROOTOWNER) != m_hWnd || FocusInEditor())
        return FALSE;
    if (!(::SendMessage(hFocus, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL))
        return FALSE;
    CKTCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars &&
           IsEditorTextCommand(AcceleratorCommand(pCommandBars->GetAcceleratorManager()->GetDefaultAccelerator(), msg));
}
