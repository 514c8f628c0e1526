// RibbonInputFrame.cpp: the recording test frame's handlers.
#include "RibbonInputFrame.h"

#include "KTCommandBarsDefs.h"
#include "KTControl.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonTab.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "TestRibbonGroup.h"

namespace
{
const UINT kPopupSystemMenu = 0x313;  // the caption's right click asking for the system menu at a point
}

BEGIN_MESSAGE_MAP(CRibbonInputWnd, CRibbonFrameWnd)
ON_MESSAGE(KTWM_TOOLBARSCONTEXTMENU, OnToolBarsContextMenu)
ON_WM_SYSCOMMAND()
ON_MESSAGE(kPopupSystemMenu, OnPopupSystemMenu)
ON_MESSAGE(KTWM_BARRBUTTONUP, OnBarRButtonUp)
ON_COMMAND_RANGE(200, 399, OnRecordedCommand)
ON_COMMAND_RANGE(0xE110, 0xE11F, OnRecordedCommand)
END_MESSAGE_MAP()

CRibbonInputWnd::CRibbonInputWnd(CRibbonInputFrame* pOwner)
    : CRibbonFrameWnd(pOwner, RUNTIME_CLASS(CKTRibbonBar)), m_pRecorder(pOwner)
{
}

LRESULT CRibbonInputWnd::OnToolBarsContextMenu(WPARAM, LPARAM lParam)
{
    m_pRecorder->m_pMenuHeld = reinterpret_cast<CKTPopupBar*>(lParam);
    m_pRecorder->m_pShownMenu = m_pRecorder->m_pMenuHeld.GetInterface();
    return 0;
}

void CRibbonInputWnd::OnSysCommand(UINT nId, LPARAM lParam)
{
    m_pRecorder->m_sysCommands.push_back(nId & 0xFFF0);
    // A move or size loop would hold the mouse until the next release and eat a double click.
    if ((nId & 0xFFF0) == SC_MOVE || (nId & 0xFFF0) == SC_SIZE)
        return;
    CRibbonFrameWnd::OnSysCommand(nId, lParam);
}

LRESULT CRibbonInputWnd::OnPopupSystemMenu(WPARAM, LPARAM lParam)
{
    m_pRecorder->m_systemMenuPoints.push_back(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
    return 0;
}

LRESULT CRibbonInputWnd::OnBarRButtonUp(WPARAM, LPARAM lParam)
{
    m_pRecorder->m_rightReleases.push_back(reinterpret_cast<CKTControl*>(lParam));
    return 0;
}

void CRibbonInputWnd::OnRecordedCommand(UINT nId) { m_pRecorder->m_commands.push_back(nId); }

CRibbonInputFrame::CRibbonInputFrame(int cx, int cy) : CRibbonTestFrame(DeferCreate())
{
    Create(new CRibbonInputWnd(this), cx, cy);
}

CTestRibbonGroup* CRibbonInputFrame::AddGroup(int nTab, std::vector<const char*> captions, int nFirstId)
{
    CKTRibbonTabGroups* pGroups = GetRibbon()->GetControlTab()->GetTab(nTab)->GetGroups();
    auto* pGroup = static_cast<CTestRibbonGroup*>(
        pGroups->Add(RUNTIME_CLASS(CTestRibbonGroup), "Group", (UINT)pGroups->GetCount() + 1));
    for (const char* pszCaption : captions)
        pGroup->AddControl(ktControlButton, nFirstId++)->SetCaption(pszCaption);
    GetRibbon()->OnRecalcLayout();
    return pGroup;
}

bool CRibbonInputFrame::IsMenuShown() const
{
    CKTPopupBar* pMenu = m_pShownMenu;
    return pMenu && pMenu->GetSafeHwnd() && ::IsWindowVisible(pMenu->GetSafeHwnd());
}

bool CRibbonInputFrame::MenuKeys(CPoint pt, bool bRight, const std::vector<WORD>& keys)
{
    m_pShownMenu = NULL;
    CLoopInput loop(GetRibbon()->GetSafeHwnd());
    loop.Press(pt, bRight).Release(bRight).Await([this] { return IsMenuShown(); });
    for (WORD wKey : keys)
        loop.Key(wKey);
    return loop.Run() && PumpUntil([this] { return !IsMenuShown(); }, kColdWineDeadlineMs);
}
