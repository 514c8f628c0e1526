// KTControlOleItems.cpp: the OLE-verb place holder turns into the selected object's verb menu.
#include "KTControlOleItems.h"

#include <afxole.h>
#include <afxres.h>

#include "KTCommandBar.h"
#include "KTCommandBarsDefs.h"
#include "KTControlPopup.h"
#include "KTControls.h"

IMPLEMENT_DYNCREATE(CKTControlOleItems, CKTControlListPlaceholder)

namespace
{
const char KT_OLE_ITEM[] = "OLEMENUPOPUP";
}  // namespace

COleClientItem* CKTControlOleItems::FindSelectedItem() const
{
    CWnd* pSite = m_pParent->GetSite();
    if (!pSite || !pSite->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return NULL;
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(pSite)->GetActiveFrame();
    CView* pView = pFrame ? pFrame->GetActiveView() : NULL;
    CDocument* pDoc = pView ? pView->GetDocument() : NULL;
    if (!pDoc || !pDoc->IsKindOf(RUNTIME_CLASS(COleDocument)))
        return NULL;
    COleClientItem* pItem = static_cast<COleDocument*>(pDoc)->GetPrimarySelectedItem(pView);
    // A picture-only object has no verbs to offer.
    return pItem && pItem->GetType() != OT_STATIC ? pItem : NULL;
}

void CKTControlOleItems::OnCalcDynamicSize(DWORD)
{
    if (!m_pParent || !ClearListForItems([](CKTControl* pItem) { return pItem->GetParameter() == KT_OLE_ITEM; }))
        return;
    COleClientItem* pItem = FindSelectedItem();
    if (!pItem)
        return;
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    AfxOleSetEditMenu(pItem, &menu, 0, ID_OLE_VERB_FIRST, ID_OLE_VERB_LAST, 0);
    if (menu.GetMenuItemCount() == 1)
        AddVerbEntry(&menu);
}

void CKTControlOleItems::AddVerbEntry(CMenu* pMenu)
{
    CString strCaption;
    pMenu->GetMenuString(0, strCaption, MF_BYPOSITION);
    CKTControls* pControls = m_pParent->GetControls();
    CMenu* pSubMenu = pMenu->GetSubMenu(0);
    if (!pSubMenu)
    {
        // A single verb: one entry that runs it. A greyed one says the object's verbs could not be read: a greyed
        // stand-in would offer nothing to run.
        if (pMenu->GetMenuState(0, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED))
            return;
        const UINT nId = pMenu->GetMenuItemID(0);
        CKTControl* pEntry = pControls->Add(ktControlButton, (int)nId, KT_OLE_ITEM, m_nIndex + 1, TRUE);
        pEntry->SetCaption(strCaption);
        pEntry->SetBeginGroup(GetBeginGroup());
        return;
    }
    CKTControl* pEntry = pControls->Add(ktControlPopup, 0, KT_OLE_ITEM, m_nIndex + 1, TRUE);
    CKTCommandBar* pVerbs = pEntry->GetCommandBar();
    pVerbs->LoadMenu(pSubMenu, TRUE);
    // Verb ids mean another verb for each kind of object: a shared action's caption would name another's.
    for (int i = 0; i < pVerbs->GetControlCount(); i++)
    {
        CString strVerb;
        pSubMenu->GetMenuString((UINT)i, strVerb, MF_BYPOSITION);
        pVerbs->GetControl(i)->SetCaption(strVerb);
    }
    pEntry->SetCaption(strCaption);
    pEntry->SetBeginGroup(GetBeginGroup());
}
