// KTToolBarReset.cpp: a toolbar's first controls: the "Add or Remove Buttons" list and Reset Toolbar.
#include "KTToolBar.h"

#include "KTAcceleratorManager.h"
#include "KTCommandBars.h"
#include "KTCommandBarsRes.h"
#include "KTControlAction.h"
#include "KTControls.h"
#include "KTToolBarAddRemoveButton.h"

namespace
{

// Hidden for a reason of the program's, not the user's: such controls are not offered in the list.
const DWORD kHideNotOffered = ktHideGeneric | ktHideDocTemplate | 0x80;

// Whether the bar holds a control of the saved one's id and type at the index or after it.
BOOL HoldsFrom(const CKTControls* pControls, int nIndex, const CKTControl* pSaved)
{
    for (int i = nIndex; i < pControls->GetCount(); i++)
        if (pControls->GetAt(i)->GetID() == pSaved->GetID() && pControls->GetAt(i)->GetType() == pSaved->GetType())
            return TRUE;
    return FALSE;
}

// A control of the program's own set; one the user hid still is, so its item stays enabled.
BOOL IsOriginal(const CKTControls* pOriginal, const CKTControl* pControl)
{
    for (int i = 0; pOriginal && i < pOriginal->GetCount(); i++)
        if (pOriginal->GetAt(i)->GetID() == pControl->GetID() && pOriginal->GetAt(i)->GetType() == pControl->GetType())
            return TRUE;
    return FALSE;
}

BOOL IsOffered(const CKTControl* pControl)
{
    const int nId = pControl->GetID();
    if (nId == KT_ID_TOOLBAR_EXPAND || nId == KT_ID_TOOLBAR_CLOSE || (pControl->GetHideFlags() & kHideNotOffered))
        return FALSE;
    if (pControl->GetAction() && !pControl->GetAction()->IsVisible())
        return FALSE;
    return pControl->IsCustomizeMovable();
}

}  // namespace

BOOL CKTToolBar::LoadToolBar(UINT nId, BOOL bLoadImages)
{
    m_nBarID = nId;
    const BOOL bLoaded = CKTCommandBar::LoadToolBar(nId, bLoadImages);
    if (bLoaded)
        m_pControls->CreateOriginalControls();
    return bLoaded;
}

BOOL CKTToolBar::IsResetEnabled()
{
    if (!IsCustomizable() || m_pControls.IsNull())
        return FALSE;
    return !m_pControls->GetOriginalControls() || m_pControls->IsChanged();
}

BOOL CKTToolBar::ConfirmReset(BOOL bAsk) const
{
    if (!bAsk)
        return TRUE;
    CString strFormat, strQuestion;
    strFormat.LoadString(KT_IDS_RESET_TOOLBAR_QUESTION);
    strQuestion.Format(strFormat, (LPCSTR)m_strTitle);
    return AfxMessageBox(strQuestion, MB_OKCANCEL | MB_ICONWARNING) == IDOK;
}

BOOL CKTToolBar::Reset(BOOL bAsk)
{
    if (!m_bBuiltIn || m_nBarID == 0 || !IsCustomizable() || !ConfirmReset(bAsk))
        return FALSE;
    CKTSmartPtr<CKTControls> pOriginal = m_pControls->GetOriginalControls();
    m_pControls->RemoveAll();
    if (pOriginal.IsNull())
        LoadToolBar(m_nBarID, FALSE);
    else
        for (int i = 0; i < pOriginal->GetCount(); i++)
            m_pControls->InsertAt(CKTSmartPtr<CKTControl>::Adopt(pOriginal->GetAt(i)->Clone(TRUE)));
    FinishReset();
    return TRUE;
}

void CKTToolBar::FinishReset()
{
    CWnd* pSite = GetSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(KTWM_BARRESET, 0, (LPARAM)this);
    IdleUpdate(TRUE, FALSE);
    OnRecalcLayout();
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->RecalcFrameLayout();
}

void CKTToolBar::RestoreRemovedControls()
{
    CKTControls* pOriginal = m_pControls->GetOriginalControls();
    // The list is filled while the expand button's popup opens: its index must follow the inserts.
    int nSelected = m_nSelected, nPopuped = m_nPopuped;
    for (int i = 0; pOriginal && i < pOriginal->GetCount(); i++)
    {
        CKTControl* pSaved = pOriginal->GetAt(i);
        if (HoldsFrom(m_pControls, i, pSaved))
            continue;
        CKTControl* pBack = m_pControls->InsertAt(CKTSmartPtr<CKTControl>::Adopt(pSaved->Clone(FALSE)), i);
        pBack->SetHideFlags(ktHideCustomize);
        nSelected += nSelected >= pBack->GetIndex() ? 1 : 0;
        nPopuped += nPopuped >= pBack->GetIndex() ? 1 : 0;
    }
    m_nSelected = nSelected;
    m_nPopuped = nPopuped;
}

void CKTToolBar::FillAddRemoveList(CKTCommandBar* pPopup)
{
    RestoreRemovedControls();
    CKTControls* pOriginal = m_pControls->GetOriginalControls();
    CKTCommandBars* pCommandBars = GetCommandBars();
    for (int i = 0; i < GetControlCount(); i++)
    {
        CKTControl* pControl = GetControl(i);
        if (!IsOffered(pControl))
            continue;
        CKTSmartPtr<CKTToolBarAddRemoveButton> pItem = KTMakeCounted<CKTToolBarAddRemoveButton>();
        pPopup->GetControls()->Add(CKTSmartPtr<CKTControl>(pItem), pControl->GetID(), NULL, -1, TRUE);
        pItem->SetCaption(pControl->GetCaption());
        if (pControl->GetType() >= ktControlButton && pControl->GetType() <= ktControlSplitButtonPopup)
            pItem->SetIconId(pControl->GetIconId());
        CString strShortcut = pControl->GetShortcutText();
        if (strShortcut.IsEmpty() && pCommandBars && pCommandBars->GetAcceleratorManager())
            pCommandBars->GetAcceleratorManager()->GetShortcutText(pControl->GetID(), strShortcut);
        pItem->SetShortcutText(strShortcut);
        pItem->SetEnabled(IsOriginal(pOriginal, pControl));
        pItem->SetTarget(pControl);
    }
    if (!pOriginal || !m_bBuiltIn || m_bTearOff)
        return;
    CKTSmartPtr<CKTToolBarAddRemoveButton> pReset = KTMakeCounted<CKTToolBarAddRemoveButton>();
    pPopup->GetControls()->Add(CKTSmartPtr<CKTControl>(pReset), KT_ID_RESET_TOOLBAR, NULL, -1, TRUE);
    pReset->SetCaptionFromResource(KT_IDS_RESET_TOOLBAR);
    pReset->SetBeginGroup(TRUE);
    pReset->SetTarget(this);
}
