// KTControlToolbars.cpp: the toolbar list expands into one entry per toolbar; an entry toggles its bar.
#include "KTControlToolbars.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControlWindowList.h"
#include "KTControls.h"
#include "KTCustomizeMode.h"
#include "KTToolBar.h"

IMPLEMENT_DYNCREATE(CKTControlToolbars, CKTControlListPlaceholder)

namespace
{
const char KT_TOOLBAR_ITEM[] = "CKTControlToolbar";

// A bar that cannot be closed (the menu bar, the ribbon) must not be hidden from the list either.
BOOL IsListed(const CKTToolBar* pToolBar) { return pToolBar->IsCloseable() && pToolBar->IsContextMenuPresent(); }
}  // namespace

void CKTControlToolbars::OnCalcDynamicSize(DWORD)
{
    if (!m_pParent)
        return;
    if (!ClearListForItems([](CKTControl* pItem) { return pItem->GetParameter() == KT_TOOLBAR_ITEM; }))
        return;
    AddToolbarItems(m_pParent, m_nIndex + 1, m_nId, FALSE, GetBeginGroup());
}

BOOL CKTControlToolbars::WouldShow() const
{
    if (!m_pParent)
        return IsVisible();
    if (IsCustomizeMode())
        return TRUE;
    CKTCommandBars* pCommandBars = m_pParent->GetCommandBars();
    if (!pCommandBars)
        return FALSE;
    for (int i = 0; i < pCommandBars->GetCount(); i++)
        if (IsListed(pCommandBars->GetAt(i)))
            return TRUE;
    return FALSE;
}

void CKTControlToolbars::AddToolbarItems(CKTCommandBar* pBar, int nIndex, int nId, BOOL bAddCustomize, BOOL bBeginGroup)
{
    CKTCommandBars* pCommandBars = pBar->GetCommandBars();
    if (!pCommandBars)
        return;
    const int nFirst = nIndex;
    for (int i = 0; i < pCommandBars->GetCount(); i++)
    {
        CKTToolBar* pToolBar = pCommandBars->GetAt(i);
        if (!IsListed(pToolBar))
            continue;
        CKTSmartPtr<CKTControlToolbar> pItem = KTMakeCounted<CKTControlToolbar>();
        pItem->SetBarIndex(i);
        CKTControl* pAdded =
            pBar->GetControls()->Add(CKTSmartPtr<CKTControl>(pItem), nId, KT_TOOLBAR_ITEM, nIndex++, TRUE);
        pAdded->SetBeginGroup(bBeginGroup && nIndex == nFirst + 1);
        pAdded->SetCaption(CKTControlWindowList::ConstructCaption(pToolBar->GetTitle(), 0));
        pAdded->SetFlags(pAdded->GetFlags() | 8);
        pAdded->SetChecked(pToolBar->IsVisible());
    }
    if (bAddCustomize && pCommandBars->GetCustomize()->IsCommandAvailable())
        pBar->GetControls()->Add(ktControlButton, KT_ID_CUSTOMIZE, NULL, nIndex, TRUE)->SetBeginGroup(TRUE);
}

void CKTControlToolbar::OnExecute()
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    pCommandBars->ClosePopups();
    pCommandBars->ToggleVisible(m_nTag);
}
