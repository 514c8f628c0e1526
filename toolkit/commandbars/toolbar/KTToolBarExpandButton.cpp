// KTToolBarExpandButton.cpp: the "Toolbar Options" button and its popup.
#include "KTToolBarExpandButton.h"

#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTPaintManager.h"
#include "KTPopupBar.h"
#include "KTToolBar.h"

IMPLEMENT_DYNCREATE(CKTToolBarExpandButton, CKTControlPopup)

CKTToolBarExpandButton::CKTToolBarExpandButton()
{
    m_nType = ktControlButtonPopup;
    m_dwFlags = ktFlagPopupLeftwards | ktFlagManualUpdate | ktFlagNoMovable;
    m_strCaption = "Toolbar Options";
}

CKTControl* CKTToolBarExpandButton::FindOrCreate(CKTCommandBar* pBar)
{
    CKTControls* pControls = pBar->GetControls();
    if (CKTControl* pFound = pControls->FindControl(KT_ID_TOOLBAR_EXPAND))
        return pFound;
    CKTSmartPtr<CKTToolBarExpandButton> pButton = KTMakeCounted<CKTToolBarExpandButton>();
    pButton->SetCommandBar(CKTPopupBar::CreatePopupBar(pBar->GetCommandBars()));
    return pControls->Add(CKTSmartPtr<CKTControl>(pButton), KT_ID_TOOLBAR_EXPAND, NULL, -1, TRUE);
}

BOOL CKTToolBarExpandButton::OnSetPopup(BOOL bPopup)
{
    CKTToolBar* pBar = m_pParent ? m_pParent->AsToolBar() : NULL;
    CKTCommandBar* pPopup = GetCommandBar();
    CKTCommandBars* pCommandBars = pBar ? pBar->GetCommandBars() : NULL;
    if (bPopup && pPopup && pCommandBars && !IsPopuped())
    {
        pPopup->GetControls()->RemoveAll();
        pCommandBars->AddClippedControls(pBar, pPopup);
        CKTControl* pList = pPopup->GetControls()->Add(ktControlPopup, 0);
        pList->SetCaption("&Add or Remove Buttons");
        pList->SetBeginGroup(pPopup->GetControlCount() > 1);
        pCommandBars->AddToolbarListControls(pBar, pList->GetCommandBar());
    }
    return CKTControlPopup::OnSetPopup(bPopup);
}

void CKTToolBarExpandButton::Draw(CDC* pDC)
{
    const int kDocked = 0, kFloating = 3;  // the paint manager's special button kinds
    CKTCommandBar* pBar = m_pParent;
    BOOL bHiddenExists = FALSE;
    for (int i = 0; pBar && i < pBar->GetControlCount(); i++)
        bHiddenExists |= pBar->GetControl(i)->GetHideFlags() == ktHideWrap;
    const int nKind = pBar && pBar->GetPosition() == ktBarFloating ? kFloating : kDocked;
    GetPaintManager()->DrawExpandButton(pDC, nKind, this, pBar, TRUE, CSize(0, 0), bHiddenExists);
}
