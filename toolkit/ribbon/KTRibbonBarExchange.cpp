// KTRibbonBarExchange.cpp: the ribbon's saved state: where the quick access toolbar goes, whether the ribbon is
// minimised, and the toolbar's controls.
#include "KTRibbonBar.h"

#include "KTCommandBarList.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTPropExchange.h"
#include "KTRibbonQuickAccess.h"

namespace
{
const UINT KT_SCHEMA_MINIMIZED = 18;  // "Minimized" is kept above this schema
const char KT_SECTION_QUICKACCESS[] = "QuickAccessControls";
}  // namespace

void CKTRibbonBar::DoPropExchange(CKTPropExchange* pPX)
{
    if (pPX->IsLoading())
    {
        LoadQuickAccess(pPX);
        return;
    }
    PX_Bool(pPX, "ShowQuickAccessBelow", m_bQuickAccessBelow, FALSE);
    if (pPX->GetSchema() > KT_SCHEMA_MINIMIZED)
        PX_Bool(pPX, "Minimized", m_bMinimized, FALSE);
    CKTPropExchangeSection section(pPX->GetSection(KT_SECTION_QUICKACCESS));
    m_pQuickAccess->DoPropExchange(section);
}

// Everything is read aside first: a damaged state leaves the ribbon as it was.
BOOL CKTRibbonBar::LoadQuickAccess(CKTPropExchange* pPX)
{
    BOOL bBelow = FALSE, bMinimized = FALSE;
    PX_Bool(pPX, "ShowQuickAccessBelow", bBelow, FALSE);
    if (pPX->GetSchema() > KT_SCHEMA_MINIMIZED)
        PX_Bool(pPX, "Minimized", bMinimized, FALSE);
    CKTSmartPtr<CKTControls> pLoaded = KTMakeCounted<CKTControls>();
    pLoaded->SetCommandBars(GetCommandBars());
    {
        // An unknown control class throws, as for every bar; nothing was changed by then.
        CKTPropExchangeSection section(pPX->GetSection(KT_SECTION_QUICKACCESS));
        if (!section)
            return FALSE;
        pLoaded->DoPropExchange(section);
        if (section->IsFailed())
            return FALSE;
    }
    if (pPX->IsFailed())
        return FALSE;
    TakeQuickAccess(pLoaded, TRUE, bBelow, bMinimized);
    return TRUE;
}

void CKTRibbonBar::TakeQuickAccess(const CKTControls* pControls, BOOL bRecursive, BOOL bBelow, BOOL bMinimized)
{
    LockRedraw();
    m_pQuickAccess->RemoveAll();
    for (int i = 0; i < pControls->GetCount(); i++)
        m_pQuickAccess->InsertAt(CKTSmartPtr<CKTControl>::Adopt(pControls->GetAt(i)->Clone(bRecursive)));
    m_bQuickAccessBelow = bBelow;
    SetMinimized(bMinimized);
    UnlockRedraw();
    OnRecalcLayout();
}

void CKTRibbonBar::Copy(CKTCommandBar* pFrom, BOOL bRecursive)
{
    if (CKTRibbonBar* pSource = pFrom ? pFrom->AsRibbonBar() : NULL)
        TakeQuickAccess(pSource->m_pQuickAccess, bRecursive, pSource->m_bQuickAccessBelow, pSource->m_bMinimized);
}

// The loaded popup bars are shared, not copied: the links the load restored stay.
void CKTRibbonBar::TakeSavedState(CKTToolBar* pLoaded) { Copy(pLoaded, FALSE); }

void CKTRibbonBar::GenerateCommandBarList(DWORD& nId, CKTCommandBarList* pList, KT_PROPEXCHANGE_PARAMS* pParams)
{
    if (pList->Lookup(this))
        return;
    pList->Add(this);
    m_pQuickAccess->GenerateCommandBarList(nId, pList, pParams);
}

void CKTRibbonBar::RestoreCommandBarList(CKTCommandBarList* pList) { m_pQuickAccess->RestoreCommandBarList(pList); }
