// KTCommandBarsState.cpp: saving the bars' state into an exchange and restoring it, all or nothing.
#include "KTCommandBarsState.h"

#include "KTCommandBarList.h"
#include "KTCommandBars.h"
#include "KTCommandBarsRes.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTImageManager.h"
#include "KTMenuBar.h"
#include "KTPopupBar.h"
#include "KTPropExchange.h"
#include "KTToolBar.h"

#include <memory>

namespace
{

using CEnumeratorPtr = std::unique_ptr<CKTPropExchangeEnumerator, void (*)(CKTPropExchangeEnumerator*)>;

CEnumeratorPtr GetEnumerator(CKTPropExchange* pPX, LPCSTR lpszName)
{
    return CEnumeratorPtr(pPX->GetEnumerator(lpszName), [](CKTPropExchangeEnumerator* p) { p->Release(); });
}

// Runs a loaded bar's exchange; a damaged control list throws, which fails the bar.
BOOL LoadBar(CKTCommandBar* pBar, CKTPropExchange* pPX)
{
    try
    {
        pBar->DoPropExchange(pPX);
        return !pPX->IsFailed();
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
}

// Custom icon ids of the loaded controls, so that their images move in only after a sound load.
void CollectCustomIcons(CKTControls* pControls, std::set<UINT>& ids)
{
    for (; pControls; pControls = pControls->GetOriginalControls())
        for (int i = 0; i < pControls->GetCount(); i++)
            if (pControls->GetAt(i)->GetCustomIconId() > 0)
                ids.insert((UINT)pControls->GetAt(i)->GetCustomIconId());
}

}  // namespace

BOOL CKTCommandBarsState::SaveCommandBars(CKTPropExchange* pPX, BOOL bSaveOnlyCustomized, BOOL bSaveOriginalControls)
{
    KT_PROPEXCHANGE_PARAMS params = {m_pCommandBars, bSaveOnlyCustomized, bSaveOriginalControls, NULL};
    pPX->m_pParams = &params;
    CKTCommandBarList list;
    GenerateCommandBarList(&list, &params);
    SaveCommandBarList(pPX, &list);
    pPX->m_pParams = NULL;
    return !pPX->IsFailed();
}

BOOL CKTCommandBarsState::LoadCommandBars(CKTPropExchange* pPX, BOOL bSilent)
{
    CKTImageManager loadedIcons;
    KT_PROPEXCHANGE_PARAMS params = {m_pCommandBars, FALSE, FALSE, &loadedIcons};
    pPX->m_pParams = &params;
    CKTCommandBarList list;
    BOOL bSound = LoadCommandBarList(pPX, &list) && KTIsCommandBarListSound(list);
    pPX->m_pParams = NULL;
    if (!bSound)
        return FALSE;
    std::set<UINT> iconIds;
    for (int i = 0; i < list.GetCount(); i++)
        CollectCustomIcons(list.GetAt(i)->GetControls(), iconIds);
    for (UINT nId : iconIds)
        m_pCommandBars->GetImageManager()->TakeIconSet(loadedIcons, nId);
    {
        // The menu bar takes the loaded state into its own menu's controls, whatever document is active.
        CKTMenuBar::COwnMenuScope own(m_pCommandBars->GetMenuBar());
        RestoreCommandBarList(&list, bSilent);
    }
    m_pCommandBars->RecalcFrameLayout();
    return TRUE;
}

void CKTCommandBarsState::GenerateCommandBarList(CKTCommandBarList* pList, KT_PROPEXCHANGE_PARAMS* pParams)
{
    DWORD nId = 0x1000000;
    for (int i = 0; i < m_pCommandBars->GetCount(); i++)
    {
        CKTToolBar* pBar = m_pCommandBars->GetAt(i);
        if (!pParams->bSaveOnlyCustomized || !pBar->IsBuiltIn() || pBar->IsSaveAlways() || pBar->IsCustomized())
            pBar->GenerateCommandBarList(nId, pList, pParams);
    }
    CKTCommandBarList* pContextMenus = m_pCommandBars->GetContextMenus();
    for (int i = 0; i < pContextMenus->GetCount(); i++)
    {
        CKTCommandBar* pMenu = pContextMenus->GetAt(i);
        if (!pParams->bSaveOnlyCustomized || pMenu->GetControls()->IsChanged())
            pMenu->GenerateCommandBarList(nId, pList, pParams);
    }
}

void CKTCommandBarsState::SaveCommandBarList(CKTPropExchange* pPX, CKTCommandBarList* pList)
{
    CKTPropExchangeSection section(pPX->GetSection("CommandBars"));
    CEnumeratorPtr pEnum = GetEnumerator(section, "CommandBar");
    POSITION pos = pEnum->GetPosition((DWORD)pList->GetCount());
    for (int i = 0; i < pList->GetCount(); i++)
    {
        CKTPropExchangeSection barSection(pEnum->GetNext(pos));
        CObject* pObject = pList->GetAt(i);
        if (barSection->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CKTCommandBar)))
            pList->GetAt(i)->DoPropExchange(barSection);
    }
}

BOOL CKTCommandBarsState::LoadCommandBarList(CKTPropExchange* pPX, CKTCommandBarList* pList)
{
    CKTPropExchangeSection section(pPX->GetSection("CommandBars"));
    CEnumeratorPtr pEnum = GetEnumerator(section, "CommandBar");
    POSITION pos = pEnum->GetPosition();
    while (pos)
    {
        CKTPropExchangeSection barSection(pEnum->GetNext(pos));
        CObject* pObject = NULL;
        if (!barSection || !barSection->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CKTCommandBar)))
            return FALSE;
        CKTSmartPtr<CKTCommandBar> pBar = CKTSmartPtr<CKTCommandBar>::Adopt(static_cast<CKTCommandBar*>(pObject));
        if (!LoadBar(pBar, barSection))
            return FALSE;
        pList->Add(pBar);
    }
    return !pPX->IsFailed();
}

void CKTCommandBarsState::RestoreCommandBarList(CKTCommandBarList* pList, BOOL bSilent)
{
    for (int i = 0; i < pList->GetCount(); i++)
    {
        CKTCommandBar* pBar = pList->GetAt(i);
        if (CKTToolBar* pToolBar = pBar->AsToolBar())
            RestoreToolBar(pToolBar, pList, bSilent);
        else if (CKTPopupBar* pPopup = pBar->AsPopupBar())
            if (pPopup->IsContextMenu())
                RestoreContextMenu(pPopup, pList);
    }
}

void CKTCommandBarsState::RestoreToolBar(CKTToolBar* pLoaded, CKTCommandBarList* pList, BOOL bSilent)
{
    CKTToolBar* pExisting = m_pCommandBars->GetToolBar(pLoaded->GetBarID());
    pLoaded->RestoreCommandBarList(pList);
    if (pExisting)
    {
        if (AcceptsLoadedToolBar(pExisting, pLoaded, bSilent))
            pExisting->TakeSavedState(pLoaded);
        return;
    }
    m_pCommandBars->AddLoadedBar(pLoaded);
}

BOOL CKTCommandBarsState::AcceptsLoadedToolBar(CKTToolBar* pExisting, CKTToolBar* pLoaded, BOOL bSilent) const
{
    CKTControls* pOldOriginal = pLoaded->GetControls()->GetOriginalControls();
    CKTControls* pNewOriginal = pExisting->GetControls() ? pExisting->GetControls()->GetOriginalControls() : NULL;
    if (!pOldOriginal || !pNewOriginal || pOldOriginal->Compare(pNewOriginal))
        return TRUE;
    // The program's own layout changed since the save: an untouched bar simply takes the new one.
    if (bSilent || !pLoaded->GetControls()->IsChanged())
        return FALSE;
    CString strFormat, strQuestion;
    strFormat.LoadString(KT_IDS_TOOLBAR_CHANGED);
    strQuestion.Format(strFormat, (LPCSTR)pExisting->GetTitle());
    if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES)
        return FALSE;
    pLoaded->GetControls()->SetOriginalControls(pNewOriginal);
    return TRUE;
}

void CKTCommandBarsState::RestoreContextMenu(CKTPopupBar* pLoaded, CKTCommandBarList* pList)
{
    CKTCommandBarList* pContextMenus = m_pCommandBars->GetContextMenus();
    CKTCommandBar* pExisting = pContextMenus->FindBar(pLoaded->GetBarID());
    pLoaded->RestoreCommandBarList(pList);
    if (!pExisting)
    {
        pContextMenus->Add(pLoaded);
        if (!pLoaded->GetControls()->GetOriginalControls())
            pLoaded->GetControls()->CreateOriginalControls();
        return;
    }
    CKTSmartPtr<CKTControls> pControls = CKTSmartPtr<CKTControls>::Adopt(pLoaded->GetControls()->Duplicate(FALSE));
    pControls->SetOriginalControls(pExisting->GetControls()->GetOriginalControls());
    pExisting->SetControls(pControls);
}
