// TestFrame.h: an MDI frame with command bars as the designer builds them, recording what reaches it.
//
// Classes: CTestFrame, CCountedToolBar, CCountedButton.
#pragma once

#include "KTMDIFrameWnd.h"
#include "KTToolBar.h"
#include "KTControlButton.h"

#include <vector>

// A tool bar that counts the live objects of its class.
class CCountedToolBar : public CKTToolBar
{
    DECLARE_DYNCREATE(CCountedToolBar)
public:
    CCountedToolBar() { s_nLive++; }
    ~CCountedToolBar() override { s_nLive--; }
    static int s_nLive;
};

// A button that counts the live objects of its class.
class CCountedButton : public CKTControlButton
{
    DECLARE_DYNCREATE(CCountedButton)
public:
    CCountedButton() { s_nLive++; }
    ~CCountedButton() override { s_nLive--; }
    static int s_nLive;
};

class CTestFrame : public CKTMDIFrameWnd
{
public:
    // Made with LoadFrame on the tests' resources, shown at a fixed place; with bLoadStandard
    // "Standard" takes the tool bar resource, as in the designer's start-up.
    // pCommandBarsClass: a class derived from the command bars, or NULL for theirs.
    static CTestFrame* Create(int nTheme = 0, BOOL bLoadStandard = FALSE, CRuntimeClass* pCommandBarsClass = NULL);

    CKTToolBar* m_pStandard = NULL;
    std::vector<UINT> m_commands;           // WM_COMMAND ids in arrival order
    std::vector<WPARAM> m_selections;       // wParam of each selection notice
    std::vector<CString> m_messageStrings;  // status texts asked for
    int m_nTheme = 0;
    BOOL m_bLoadStandard = FALSE;
    CRuntimeClass* m_pCommandBarsClass = NULL;
    LPARAM m_lHelpRequest = 0;            // lParam of the last WM_COMMANDHELP
    std::vector<DWORD_PTR> m_helpTopics;  // the topics context help showed, in order
    std::vector<UINT> m_notifyCodes;      // codes of the control notifications in arrival order
    std::vector<int> m_spinSteps;         // the steps that spin requests asked for
    LRESULT m_lNotifyAnswer = 0;          // the answer to every control notification
    BOOL m_bToggled = FALSE;              // flipped by its command, shown as its check
    BOOL m_bCustomizeCommand = FALSE;     // the frame answers that it runs the customise command
    int m_nCustomizeSelections = 0;       // customise-selection notices received
    int m_nResets = 0;                    // bar-reset notices received
    CString m_strRenamed = "&Renamed";    // the caption the update handler gives its entry

    void WinHelp(DWORD_PTR dwData, UINT) override { m_helpTopics.push_back(dwData); }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    afx_msg LRESULT OnBarReset(WPARAM, LPARAM)
    {
        m_nResets++;
        return 0;
    }
    afx_msg LRESULT OnCustomizeSelection(WPARAM, LPARAM)
    {
        m_nCustomizeSelections++;
        return 0;
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg LRESULT OnControlSelected(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnControlNotify(WPARAM wParam, LPARAM lParam);
    afx_msg void OnEnabledCommand() {}
    afx_msg LRESULT OnCommandHelp(WPARAM, LPARAM lParam)
    {
        m_lHelpRequest = lParam;
        return TRUE;
    }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnToggle() { m_bToggled = !m_bToggled; }
    afx_msg void OnUpdateToggle(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bToggled); }
    afx_msg void OnUpdateEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    afx_msg void OnUpdateRenamed(CCmdUI* pCmdUI) { pCmdUI->SetText(m_strRenamed); }
    DECLARE_MESSAGE_MAP()
};
