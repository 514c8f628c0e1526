// TestFrame.cpp: the test frame's start-up and what it records.
#include "TestFrame.h"

#include "CommandBarsTestsRes.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTMenuBar.h"
#include "KTPaintManager.h"

#include <afxpriv.h>

IMPLEMENT_DYNCREATE(CCountedToolBar, CKTToolBar)
IMPLEMENT_DYNCREATE(CCountedButton, CKTControlButton)
int CCountedToolBar::s_nLive = 0;
int CCountedButton::s_nLive = 0;

BEGIN_MESSAGE_MAP(CTestFrame, CKTMDIFrameWnd)
ON_WM_CREATE()
ON_MESSAGE(KTWM_CONTROLSELECTED, OnControlSelected)
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_MESSAGE(KTWM_CONTROLNOTIFY, OnControlNotify)
ON_MESSAGE(KTWM_CUSTOMIZESELECTION, OnCustomizeSelection)
ON_MESSAGE(KTWM_BARRESET, OnBarReset)
ON_COMMAND(ID_TEST_ENABLED, OnEnabledCommand)
ON_COMMAND(ID_HELP, OnEnabledCommand)
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
ON_COMMAND(ID_TEST_DISABLED_BY_HANDLER, OnEnabledCommand)
ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED_BY_HANDLER, OnUpdateDisabled)
ON_UPDATE_COMMAND_UI(ID_TEST_ENABLED, OnUpdateEnabled)
ON_COMMAND(ID_TEST_TOGGLE, OnToggle)
ON_UPDATE_COMMAND_UI(ID_TEST_TOGGLE, OnUpdateToggle)
ON_UPDATE_COMMAND_UI(ID_TEST_RENAMED, OnUpdateRenamed)
END_MESSAGE_MAP()

CTestFrame* CTestFrame::Create(int nTheme, BOOL bLoadStandard, CRuntimeClass* pCommandBarsClass)
{
    CTestFrame* pFrame = new CTestFrame;
    pFrame->m_nTheme = nTheme;
    pFrame->m_bLoadStandard = bLoadStandard;
    pFrame->m_pCommandBarsClass = pCommandBarsClass;
    if (!pFrame->LoadFrame(IDR_TESTFRAME))
        return NULL;
    pFrame->SetWindowPos(NULL, 40, 40, 640, 400, SWP_NOZORDER);
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->UpdateWindow();
    return pFrame;
}

int CTestFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CKTMDIFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!InitCommandBars(m_pCommandBarsClass))
        return -1;
    CKTCommandBars* pCommandBars = GetCommandBars();
    CKTMenuBar* pMenuBar = pCommandBars->SetMenu("Menu Bar", IDR_TESTFRAME);
    if (!pMenuBar)
        return -1;
    pMenuBar->SetFlags(0x2000, 0);
    m_pStandard = pCommandBars->Add("Standard", ktBarTop, RUNTIME_CLASS(CCountedToolBar));
    if (!m_pStandard || (m_bLoadStandard && !m_pStandard->LoadToolBar(IDR_TESTFRAME)))
        return -1;
    CKTPaintManager::SetTheme(static_cast<KTCommandBarsTheme>(m_nTheme));
    pCommandBars->GetCommandBarsOptions()->bAlwaysShowFullMenus = FALSE;
    return 0;
}

BOOL CTestFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    m_commands.push_back(LOWORD(wParam));
    return CKTMDIFrameWnd::OnCommand(wParam, lParam);
}

BOOL CTestFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nID == KT_ID_CUSTOMIZE && nCode == CN_COMMAND && m_bCustomizeCommand)
        return TRUE;
    return CKTMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CTestFrame::OnControlSelected(WPARAM wParam, LPARAM)
{
    m_selections.push_back(wParam);
    return 0;
}

LRESULT CTestFrame::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    if (lParam)
        m_messageStrings.push_back((LPCSTR)lParam);
    return CKTMDIFrameWnd::OnSetMessageString(wParam, lParam);
}

LRESULT CTestFrame::OnControlNotify(WPARAM, LPARAM lParam)
{
    const KT_NMCONTROL* pNotify = reinterpret_cast<const KT_NMCONTROL*>(lParam);
    m_notifyCodes.push_back(pNotify->hdr.code);
    // A spin request carries its step after the header.
    if (pNotify->hdr.code == 0x1010 || pNotify->hdr.code == 0x1011)
        m_spinSteps.push_back(*reinterpret_cast<const int*>(pNotify + 1));
    return m_lNotifyAnswer;
}
