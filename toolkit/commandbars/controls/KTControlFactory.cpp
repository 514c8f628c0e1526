// KTControlFactory.cpp: controls made by type and id, and menus turned into controls.
#include "KTControls.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControlOleItems.h"
#include "KTControlPopup.h"
#include "KTPopupBar.h"

namespace
{
CString GetMenuText(CMenu* pMenu, int nIndex)
{
    CString strText;
    pMenu->GetMenuString(nIndex, strText, MF_BYPOSITION);
    return strText;
}
}  // namespace

CKTSmartPtr<CKTControl> CKTControls::CreateControl(int nType, int nId)
{
    const KT_CONTROL_TRAITS& traits = KTControlTraits(nType);
    CKTSmartPtr<CKTControl> pControl;
    if (!traits.pfnCreate)
        return pControl;
    pControl = CKTSmartPtr<CKTControl>::Adopt(traits.pfnCreate(nId));
    pControl->SetType(KTStoredControlType(nType));
    return pControl;
}

CWnd* CKTControls::GetSite() const
{
    if (m_pParent)
        return m_pParent->GetOwnerSite();
    CKTCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->GetSite() : NULL;
}

// Controls that carry their own command bars (a loaded bar's, a document type's menu) ask those bars' site, whoever
// their bar reports to.
CWnd* CKTControls::GetPopupBarSite() const
{
    if (m_pCommandBars)
        return m_pCommandBars->GetSite();
    return m_pParent ? m_pParent->GetOwnerSite() : NULL;
}

CKTSmartPtr<CKTCommandBar> CKTControls::CreatePopupBarFor(int nType, int nId)
{
    KT_CREATEBARRECORD record = {NULL, 1, 0, 0, 0, nType, (UINT)nId};
    CWnd* pSite = GetPopupBarSite();
    // A bar the site supplies comes with the reference it was made with.
    if (pSite && pSite->GetSafeHwnd() && pSite->SendMessage(KTWM_CREATECOMMANDBAR, 0, (LPARAM)&record) &&
        record.pCommandBar && record.pCommandBar->AsPopupBar())
        return CKTSmartPtr<CKTCommandBar>::Adopt(record.pCommandBar);
    return CKTSmartPtr<CKTCommandBar>(CKTPopupBar::CreatePopupBar(GetCommandBars()).GetInterface());
}

CKTControl* CKTControls::Add(int nType, int nId, LPCSTR lpszParameter, int nBefore, BOOL bTemporary)
{
    CKTSmartPtr<CKTControl> pControl = CreateControl(nType, nId);
    if (pControl.IsNull())
        return NULL;
    if (KTIsPopupType(nType))
    {
        CKTControlPopup* pPopup = static_cast<CKTControlPopup*>(pControl.GetInterface());
        CMenu menu;
        CMenu* pSubMenu = nId >= 1 && menu.LoadMenu(nId) ? menu.GetSubMenu(0) : NULL;
        CKTSmartPtr<CKTCommandBar> pBar = CreatePopupBarFor(nType, nId);
        if (pSubMenu)
        {
            pBar->LoadMenu(pSubMenu, TRUE);
            pPopup->SetCaption(GetMenuText(&menu, 0));
        }
        pPopup->SetCommandBar(pBar);
    }
    return Add(pControl, nId, lpszParameter, nBefore, bTemporary);
}

CKTSmartPtr<CKTControl> CKTControls::CreateMenuControl(const KT_CONTROLCREATION& cs, CMenu* pSubMenu)
{
    // The menu marks where the selected object's verbs go by this entry.
    if (cs.nId == (int)KT_ID_OLE_VERB_FIRST && cs.strCaption == "<<OLE VERBS GO HERE>>")
    {
        CKTSmartPtr<CKTControl> pOleItems = KTMakeCounted<CKTControlOleItems>();
        pOleItems->SetType(ktControlButton);
        return pOleItems;
    }
    CKTSmartPtr<CKTControl> pControl = CreateControl(cs.nType, cs.nId);
    if (pControl.IsNull() || !KTIsPopupType(cs.nType))
        return pControl;
    CKTSmartPtr<CKTCommandBar> pBar = CreatePopupBarFor(cs.nType, cs.nId);
    CMenu menu;
    if (!pSubMenu && cs.nId >= 1 && menu.LoadMenu(cs.nId))
        pSubMenu = menu.GetSubMenu(0);
    if (pSubMenu)
        pBar->LoadMenu(pSubMenu, TRUE);
    static_cast<CKTControlPopup*>(pControl.GetInterface())->SetCommandBar(pBar);
    return pControl;
}

CKTControl* CKTControls::AddMenuItem(CMenu* pMenu, int nIndex)
{
    CMenu* pSubMenu = pMenu->GetSubMenu(nIndex);
    KT_CONTROLCREATION cs;
    cs.hMenu = pMenu->GetSafeHmenu();
    cs.nIndex = nIndex;
    cs.nId = pSubMenu ? 0 : pMenu->GetMenuItemID(nIndex);
    if (cs.nId == KT_ID_FIRST_MDICHILD)
        return NULL;
    cs.strCaption = GetMenuText(pMenu, nIndex);
    cs.nType = pSubMenu ? ktControlPopup : ktControlButton;
    int nDefault = (int)::GetMenuDefaultItem(pMenu->GetSafeHmenu(), TRUE, GMDI_USEDISABLED);

    CKTSmartPtr<CKTControl> pControl;
    CWnd* pSite = GetSite();
    if (pSite && pSite->GetSafeHwnd() && pSite->SendMessage(KTWM_CREATECONTROL, 0, (LPARAM)&cs) && cs.pControl)
        pControl = CKTSmartPtr<CKTControl>::Adopt(cs.pControl);
    else
        pControl = CreateMenuControl(cs, pSubMenu);
    if (pControl.IsNull())
        return NULL;
    pControl->SetStyle(ktButtonAutomatic);
    pControl->DelayLayoutParent();
    if (pSubMenu)
        pControl->SetCaption(cs.strCaption);
    else
        AttachAction(pControl, cs.nId, cs.strCaption);
    if (nDefault == nIndex)
        pControl->SetItemDefault(TRUE);
    CKTControl* pAdded = InsertAt(pControl);
    if (cs.pWnd && cs.pWnd->GetSafeHwnd())
        cs.pWnd->SendMessage(KTWM_CONTROLCREATED, 0, (LPARAM)&cs);
    return pAdded;
}
