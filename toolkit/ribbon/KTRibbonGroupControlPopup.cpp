// KTRibbonGroupControlPopup.cpp: the collapsed group's button: its look through the ribbon painter and its popup.
#include "KTRibbonGroupControlPopup.h"

#include "KTPopupBar.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonGroup.h"
#include "KTRibbonGroupPopupBar.h"
#include "KTRibbonTab.h"

IMPLEMENT_DYNCREATE(CKTRibbonGroupControlPopup, CKTControlPopup)

CKTRibbonGroupControlPopup::CKTRibbonGroupControlPopup()
{
    m_nType = ktControlButtonPopup;
    // Its id names the group, not a command: no command state applies to it.
    m_dwFlags |= ktFlagManualUpdate;
    // A bar from the start marks it as a control that opens one; each opening puts the group's in its place.
    SetCommandBar(KTMakeCounted<CKTPopupBar>());
}

CKTRibbonGroup* CKTRibbonGroupControlPopup::GetGroup() const
{
    return GetRibbonGroup() ? GetRibbonGroup() : m_pGroup.GetInterface();
}

CKTRibbonBar* CKTRibbonGroupControlPopup::GetGroupRibbonBar() const
{
    if (GetRibbonGroup())
        return GetRibbonGroup()->GetRibbonBar();
    // A copy on the quick access toolbar belongs to no group, but its look is still the ribbon's.
    return m_pGroup && GetParent() ? GetParent()->AsRibbonBar() : NULL;
}

BOOL CKTRibbonGroupControlPopup::IsVisible(DWORD dwSkipFlags) const
{
    if (!CKTControlPopup::IsVisible(dwSkipFlags))
        return FALSE;
    return !GetGroup() || GetGroup()->GetVisible();
}

CSize CKTRibbonGroupControlPopup::GetSize(CDC* pDC)
{
    CKTRibbonBar* pRibbon = GetGroupRibbonBar();
    return pRibbon ? pRibbon->GetRibbonPainter()->DrawGroupPopupButton(pDC, this, FALSE)
                   : CKTControlPopup::GetSize(pDC);
}

void CKTRibbonGroupControlPopup::Draw(CDC* pDC)
{
    if (CKTRibbonBar* pRibbon = GetGroupRibbonBar())
        pRibbon->GetRibbonPainter()->DrawGroupPopupButton(pDC, this, TRUE);
    else
        CKTControlPopup::Draw(pDC);
}

KTToolBarLayout CKTRibbonGroupControlPopup::GetToolBarLayout() const
{
    // A copy on the quick access toolbar is one of its buttons.
    return GetRibbonGroup() ? ktToolBarLayoutCaptionBelow : CKTControlPopup::GetToolBarLayout();
}

BOOL CKTRibbonGroupControlPopup::OnSetPopup(BOOL bPopup)
{
    if (bPopup && !IsPopuped())
    {
        CKTRibbonGroup* pGroup = GetGroup();
        CKTSmartPtr<CKTPopupToolBar> pPopup =
            pGroup ? KTMakeCounted<CKTRibbonGroupPopupBar>(pGroup) : KTMakeCounted<CKTPopupToolBar>();
        pPopup->SetCommandBars(GetCommandBars());
        SetCommandBar(pPopup);
    }
    return CKTControlPopup::OnSetPopup(bPopup);
}

void CKTRibbonGroupControlPopup::Copy(CKTControl* pFrom, BOOL bRecursive)
{
    CKTControlPopup::Copy(pFrom, bRecursive);
    SetRibbonGroup(pFrom->GetRibbonGroup());
    auto* pSource = dynamic_cast<CKTRibbonGroupControlPopup*>(pFrom);
    m_pGroup = pSource ? pSource->GetGroup() : NULL;
}

void CKTRibbonGroupControlPopup::RestoreCommandBarList(CKTCommandBarList* pList)
{
    CKTControlPopup::RestoreCommandBarList(pList);
    CKTRibbonBar* pRibbon = GetParent() ? GetParent()->AsRibbonBar() : NULL;
    if (!GetRibbonGroup() && pRibbon)
        m_pGroup = pRibbon->FindGroup(GetID());
}
