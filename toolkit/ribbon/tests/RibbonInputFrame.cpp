// RibbonInputFrame.cpp: the recording test frame's handlers.
#include "RibbonInputFrame.h"

#include "KTCommandBarsDefs.h"
#include "KTControl.h"
#include "KTRibbonTab.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "TestRibbonGroup.h"

BEGIN_MESSAGE_MAP(CRibbonInputFrame, CRibbonTestFrame)
ON_MESSAGE(KTWM_TOOLBARSCONTEXTMENU, OnToolBarsContextMenu)
ON_WM_SYSCOMMAND()
ON_MESSAGE(0x313, OnPopupSystemMenu)
ON_COMMAND_RANGE(200, 399, OnRecordedCommand)
ON_COMMAND_RANGE(0xE110, 0xE11F, OnRecordedCommand)
END_MESSAGE_MAP()

CRibbonInputFrame::CRibbonInputFrame(int cx, int cy) : CRibbonTestFrame(cx, cy) {}

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

LRESULT CRibbonInputFrame::OnToolBarsContextMenu(WPARAM, LPARAM lParam)
{
    m_pMenuHeld = reinterpret_cast<CKTPopupBar*>(lParam);
    m_pShownMenu = m_pMenuHeld.GetInterface();
    return 0;
}

void CRibbonInputFrame::OnSysCommand(UINT nId, LPARAM lParam)
{
    m_sysCommands.push_back(nId & 0xFFF0);
    // A move or size loop would hold the mouse until the next release and eat a double click.
    if ((nId & 0xFFF0) == SC_MOVE || (nId & 0xFFF0) == SC_SIZE)
        return;
    CRibbonTestFrame::OnSysCommand(nId, lParam);
}

LRESULT CRibbonInputFrame::OnPopupSystemMenu(WPARAM, LPARAM lParam)
{
    m_systemMenuPoints.push_back(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
    return 0;
}

void CRibbonInputFrame::OnRecordedCommand(UINT nId) { m_commands.push_back(nId); }
