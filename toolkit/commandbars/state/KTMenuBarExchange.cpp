// KTMenuBarExchange.cpp: the menu bar's saved form: its own menu's controls, then each changed document type's.
#include "KTMenuBar.h"

#include "KTCommandBarList.h"
#include "KTControls.h"
#include "KTPropExchange.h"

namespace
{

CString DocumentMenuSection(int nIndex)
{
    CString strSection;
    strSection.Format("%s%i", "MDIMenu", nIndex);
    return strSection;
}

}  // namespace

void CKTMenuBar::DoPropExchange(CKTPropExchange* pPX)
{
    COwnMenuScope own(this);
    CKTToolBar::DoPropExchange(pPX);
    int nResourceId = (int)m_nResourceId;
    PX_Int(pPX, "ResourceId", nResourceId, 0);
    if (pPX->IsLoading())
        m_nResourceId = m_nCurrentMenuId = (UINT)nResourceId;
    if (pPX->GetSchema() <= 4)
        return;
    if (pPX->IsLoading())
        LoadDocumentMenus(pPX);
    else
        StoreDocumentMenus(pPX);
}

void CKTMenuBar::StoreDocumentMenus(CKTPropExchange* pPX)
{
    MarkChangedDocumentMenus();
    DWORD dwCount = 0;
    for (const auto& entry : m_documentMenus.GetEntries())
        dwCount += entry.second->IsChanged() ? 1 : 0;
    pPX->WriteCount(dwCount);
    int nIndex = 0;
    for (const auto& entry : m_documentMenus.GetEntries())
    {
        if (!entry.second->IsChanged())
            continue;
        CKTPropExchangeSection section(pPX->GetSection(DocumentMenuSection(nIndex++)));
        int nId = (int)entry.first;
        PX_Int(section, "Id", nId, 0);
        entry.second->GetControls()->DoPropExchange(section);
    }
}

void CKTMenuBar::LoadDocumentMenus(CKTPropExchange* pPX)
{
    const DWORD dwCount = pPX->ReadCount();
    for (DWORD i = 0; i < dwCount && !pPX->IsFailed(); i++)
    {
        CKTPropExchangeSection section(pPX->GetSection(DocumentMenuSection((int)i)));
        int nId = 0;
        PX_Int(section, "Id", nId, 0);
        // A type named twice, or the bar's own menu among the types, would leave a set of controls without a place.
        if (nId <= 0 || (UINT)nId == m_nResourceId || m_documentMenus.Lookup((UINT)nId))
            AfxThrowArchiveException(CArchiveException::badIndex);
        CKTSmartPtr<CKTDocumentMenu> pEntry = KTMakeCounted<CKTDocumentMenu>(m_pCommandBars, (UINT)nId);
        pEntry->GetControls()->DoPropExchange(section);
        m_documentMenus.SetAt((UINT)nId, pEntry);
    }
}

void CKTMenuBar::GenerateCommandBarList(DWORD& nId, CKTCommandBarList* pList, KT_PROPEXCHANGE_PARAMS* pParams)
{
    COwnMenuScope own(this);
    CKTToolBar::GenerateCommandBarList(nId, pList, pParams);
    MarkChangedDocumentMenus();
    for (const auto& entry : m_documentMenus.GetEntries())
        if (entry.second->IsChanged())
            entry.second->GetControls()->GenerateCommandBarList(nId, pList, pParams);
}

void CKTMenuBar::RestoreCommandBarList(CKTCommandBarList* pList)
{
    CKTToolBar::RestoreCommandBarList(pList);
    for (const auto& entry : m_documentMenus.GetEntries())
        entry.second->GetControls()->RestoreCommandBarList(pList);
}

void CKTMenuBar::TakeSavedState(CKTToolBar* pLoaded)
{
    COwnMenuScope own(this);
    CKTToolBar::TakeSavedState(pLoaded);
    CKTMenuBar* pLoadedMenuBar = pLoaded ? pLoaded->AsMenuBar() : NULL;
    if (!pLoadedMenuBar)
        return;
    // The loaded bar goes after the restore, but its entries are only released with it: they are taken whole.
    for (const auto& entry : pLoadedMenuBar->m_documentMenus.GetEntries())
    {
        CKTDocumentMenu* pKept = m_documentMenus.Lookup(entry.first);
        CKTControls* pControls = entry.second->GetControls();
        if (pKept && !pControls->GetOriginalControls())
            pControls->SetOriginalControls(pKept->GetControls()->GetOriginalControls());
        m_documentMenus.SetAt(entry.first, entry.second);
    }
}
