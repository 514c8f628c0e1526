// KTMenuBarDocuments.cpp: the menu bar follows the active document type, keeping each type's controls apart.
#include "KTMenuBar.h"

#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTCustomizeMode.h"

CKTMenuBar::COwnMenuScope::COwnMenuScope(CKTMenuBar* pBar) : m_pBar(pBar), m_nShown(pBar ? pBar->m_nCurrentMenuId : 0)
{
    if (pBar && !pBar->m_documentMenus.IsEmpty())
        pBar->SwitchMDIMenu(pBar->m_nResourceId);
}

CKTMenuBar::COwnMenuScope::~COwnMenuScope()
{
    if (m_pBar)
        m_pBar->SwitchMDIMenu(m_nShown);
}

void CKTMenuBar::SwitchMDIMenu(UINT nId, CMenu* pMenu)
{
    if (nId == 0 || m_nCurrentMenuId == 0 || nId == m_nCurrentMenuId)
        return;
    CKTDocumentMenu* pEntry = m_documentMenus.Lookup(nId);
    // Without a menu to build from, the controls shown stay what they are, and so does the id they stand for.
    if (!pEntry && !pMenu)
        return;
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pEntry && !(pCommandBars && pCommandBars->GetCustomize()->IsCommandAvailable()))
    {
        // Nobody can customise the menus: one set of controls, rebuilt for each type, compared with its own menu.
        LoadMenu(pMenu, TRUE);
        m_pControls->CreateOriginalControls();
    }
    else
    {
        KeepCurrentMenu();
        ShowDocumentMenu(nId, pEntry, pMenu);
    }
    OnRecalcLayout();
    m_nCurrentMenuId = nId;
}

void CKTMenuBar::KeepCurrentMenu()
{
    if (!m_documentMenus.Lookup(m_nCurrentMenuId))
    {
        CKTSmartPtr<CKTDocumentMenu> pKept = KTMakeCounted<CKTDocumentMenu>(GetCommandBars(), m_nCurrentMenuId);
        pKept->SetControls(m_pControls);
        m_documentMenus.SetAt(m_nCurrentMenuId, pKept);
    }
    if (m_nTrackingMode != ktTrackingNone)
        SetTrackingMode(ktTrackingNone);
    SetSelected(-1);
    // Detached, not emptied: the entry holds these controls for when the type comes back.
    m_pControls->SetParent(NULL);
    m_pControls = NULL;
}

void CKTMenuBar::AttachControls(CKTControls* pControls)
{
    m_pControls = pControls;
    m_pControls->SetParent(this);
}

void CKTMenuBar::ShowDocumentMenu(UINT nId, CKTDocumentMenu* pEntry, CMenu* pMenu)
{
    if (!pEntry)
    {
        CKTSmartPtr<CKTDocumentMenu> pNew = KTMakeCounted<CKTDocumentMenu>(GetCommandBars(), nId);
        AttachControls(pNew->GetControls());
        LoadMenu(pMenu, TRUE);
        m_pControls->CreateOriginalControls();
        m_documentMenus.SetAt(nId, pNew);
        return;
    }
    CKTSmartPtr<CKTDocumentMenu> pHold(pEntry);
    AttachControls(pEntry->GetControls());
    if (!m_pControls->GetOriginalControls() && pMenu)
    {
        CKTSmartPtr<CKTControls> pOriginal = KTMakeCounted<CKTControls>();
        pOriginal->SetCommandBars(GetCommandBars());
        CKTSmartPtr<CKTControls> pShown = m_pControls;
        // LoadMenu fills the bar's controls: the original copy is filled in their place for the moment.
        m_pControls = pOriginal;
        LoadMenu(pMenu, TRUE);
        m_pControls = pShown;
        m_pControls->SetOriginalControls(pOriginal);
    }
    // The bar's own menu lives in the bar while it is shown, never in the map.
    if (nId == m_nResourceId)
        m_documentMenus.Remove(nId);
}

void CKTMenuBar::Copy(CKTCommandBar* pFrom, BOOL bRecursive)
{
    CKTToolBar::Copy(pFrom, bRecursive);
    CKTMenuBar* pMenuBar = dynamic_cast<CKTMenuBar*>(pFrom);
    if (!pMenuBar)
        return;
    m_nResourceId = m_nCurrentMenuId = pMenuBar->m_nResourceId;
    for (const auto& entry : pMenuBar->m_documentMenus.GetEntries())
        if (CKTDocumentMenu* pKept = m_documentMenus.Lookup(entry.first))
            pKept->SetControls(entry.second->GetControls());
        else
            m_documentMenus.SetAt(entry.first, entry.second);
}

void CKTMenuBar::OnMDISetMenu(HMENU hMenu)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    const UINT nId = hMenu == m_hFrameMenu ? m_nResourceId : pCommandBars ? pCommandBars->GetActiveDocTemplate() : 0;
    if (nId == 0 || m_nCurrentMenuId == 0 || nId == m_nCurrentMenuId || !::IsMenu(hMenu) ||
        ::GetMenuItemCount(hMenu) <= 0)
        return;
    SwitchMDIMenu(nId, CMenu::FromHandle(hMenu));
}

BOOL CKTMenuBar::MarkChangedDocumentMenus()
{
    BOOL bChanged = FALSE;
    for (const auto& entry : m_documentMenus.GetEntries())
    {
        entry.second->SetChanged(entry.second->GetControls()->IsChanged());
        bChanged |= entry.second->IsChanged();
    }
    return bChanged;
}

BOOL CKTMenuBar::UpdateDocumentMenusChanged()
{
    // Each set of controls compares with its own original wherever it is, so the menu shown stays shown.
    const BOOL bShownChanged = m_nCurrentMenuId != m_nResourceId && m_pControls->IsChanged();
    return MarkChangedDocumentMenus() || bShownChanged;
}

BOOL CKTMenuBar::IsCustomized() const
{
    if (CKTToolBar::IsCustomized())
        return TRUE;
    for (const auto& entry : m_documentMenus.GetEntries())
        if (entry.second->GetControls()->IsChanged())
            return TRUE;
    return FALSE;
}

BOOL CKTMenuBar::IsResetEnabled()
{
    if (!IsCustomizable())
        return FALSE;
    if (UpdateDocumentMenusChanged())
        return TRUE;
    return !m_pControls->GetOriginalControls() || m_pControls->IsChanged();
}

BOOL CKTMenuBar::Reset(BOOL bAsk)
{
    if (m_pControls->GetOriginalControls())
    {
        if (!CKTToolBar::Reset(bAsk))
            return FALSE;
    }
    else
    {
        CMenu menu;
        if (m_nCurrentMenuId == 0 || !ConfirmReset(bAsk) || !menu.LoadMenu(m_nCurrentMenuId) || !LoadMenu(&menu, TRUE))
            return FALSE;
        CWnd* pSite = GetSite();
        if (pSite && pSite->GetSafeHwnd())
            pSite->SendMessage(KTWM_BARRESET, 0, 0);
    }
    RefreshHookedChild();
    if (IsVisible())
        RefreshMDIButtons();
    IdleUpdate(TRUE, FALSE);
    OnRecalcLayout();
    return TRUE;
}
