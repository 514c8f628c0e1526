// KTRibbonQuickAccess.cpp: the quick access controls mirrored into the ribbon, and the toolbar's two end buttons.
#include "KTRibbonQuickAccess.h"

#include "KTCommandBars.h"
#include "KTPaintManager.h"
#include "KTRibbonBar.h"
#include "KTRibbonRes.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CKTRibbonBarControlQuickAccessPopup, CKTControlPopup)
IMPLEMENT_DYNCREATE(CKTRibbonQuickAccessMore, CKTControlPopup)
IMPLEMENT_DYNCREATE(CKTRibbonQuickAccessPopupToolBar, CKTPopupToolBar)
IMPLEMENT_DYNCREATE(CKTRibbonControlQuickAccessCommand, CKTControlButton)

namespace
{
CKTRibbonBar* RibbonOf(const CKTControl* pControl)
{
    return pControl->GetParent() ? pControl->GetParent()->AsRibbonBar() : NULL;
}

}  // namespace

CKTRibbonQuickAccessControls::CKTRibbonQuickAccessControls(CKTRibbonBar* pRibbon) : m_pRibbon(pRibbon)
{
    m_pParent = pRibbon;
}

BOOL CKTRibbonQuickAccessControls::Contains(const CKTControl* pControl) const
{
    return pControl && std::any_of(m_controls.begin(), m_controls.end(),
                                   [pControl](const CKTSmartPtr<CKTControl>& p) { return p == pControl; });
}

void CKTRibbonQuickAccessControls::OnControlAdded(CKTControl* pControl)
{
    m_pRibbon->GetControls()->InsertAt(pControl, RibbonIndexFor(pControl));
    RelayoutRibbon(TRUE);
}

// The ribbon's controls may hold others before the toolbar's (the menu bar puts a maximised child's icon first):
// a control goes after the toolbar's control before it, else before the one after it, else after the system
// button, else first.
int CKTRibbonQuickAccessControls::RibbonIndexFor(const CKTControl* pControl) const
{
    CKTControls* pRibbonControls = m_pRibbon->GetControls();
    auto indexInRibbon = [pRibbonControls](CKTControl* p)
    { return p && pRibbonControls->GetAt(p->GetIndex()) == p ? p->GetIndex() : -1; };
    const auto it = std::find_if(m_controls.begin(), m_controls.end(),
                                 [pControl](const CKTSmartPtr<CKTControl>& p) { return p == pControl; });
    const int nAt = (int)(it - m_controls.begin());
    for (int i = nAt - 1; i >= 0; i--)
        if (indexInRibbon(GetAt(i)) >= 0)
            return indexInRibbon(GetAt(i)) + 1;
    for (int i = nAt + 1; i < GetCount(); i++)
        if (indexInRibbon(GetAt(i)) >= 0)
            return indexInRibbon(GetAt(i));
    return indexInRibbon(m_pRibbon->GetSystemButton()) + 1;
}

void CKTRibbonQuickAccessControls::OnControlRemoved(CKTControl* pControl)
{
    m_pRibbon->GetControls()->Remove(pControl);
    RelayoutRibbon(FALSE);
}

void CKTRibbonQuickAccessControls::RelayoutRibbon(BOOL bUpdate)
{
    if (!m_pRibbon->GetSafeHwnd())
        return;
    if (bUpdate)
        m_pRibbon->IdleUpdate(TRUE, TRUE);
    m_pRibbon->OnRecalcLayout();
}

CKTControl* CKTRibbonQuickAccessControls::FindDuplicate(const CKTControl* pControl) const
{
    for (const auto& p : m_controls)
        if (p->GetID() == pControl->GetID() && p->GetType() == pControl->GetType() &&
            p->IsVisible(KT_HIDE_RIBBONNOROOM))
            return p;
    return NULL;
}

CSize CKTRibbonQuickAccessEndButton::GetSize(CDC*)
{
    const int nRow = GetPaintManager()->GetControlHeight();
    return CSize(nRow * 13 / 22, nRow);
}

void CKTRibbonQuickAccessEndButton::Draw(CDC* pDC)
{
    if (CKTRibbonBar* pRibbon = RibbonOf(this))
        pRibbon->GetRibbonPainter()->DrawQuickAccessButton(pDC, this, IsMoreButton());
}

// Opening takes a fresh popup, then opens as every popup control does.
BOOL CKTRibbonQuickAccessEndButton::OnSetPopup(BOOL bPopup)
{
    if (bPopup && !IsPopuped())
    {
        CKTRibbonBar* pRibbon = RibbonOf(this);
        CKTSmartPtr<CKTCommandBar> pPopup = pRibbon ? CreatePopup(pRibbon) : NULL;
        if (pPopup.IsNull())
            return FALSE;
        SetCommandBar(pPopup);
    }
    return CKTControlPopup::OnSetPopup(bPopup);
}

CKTSmartPtr<CKTCommandBar> CKTRibbonBarControlQuickAccessPopup::CreatePopup(CKTRibbonBar* pRibbon)
{
    return CKTSmartPtr<CKTCommandBar>(pRibbon->CreateControlContextMenu(this).GetInterface());
}

CKTSmartPtr<CKTCommandBar> CKTRibbonQuickAccessMore::CreatePopup(CKTRibbonBar* pRibbon)
{
    return pRibbon->CreateMoreQuickAccessPopup();
}

CKTRibbonQuickAccessPopupToolBar::CKTRibbonQuickAccessPopupToolBar() { m_rcBorders = CRect(3, 3, 3, 3); }

CSize CKTRibbonQuickAccessPopupToolBar::GetIconSize() const
{
    return m_pRibbon ? m_pRibbon->GetIconSize() : CKTPopupToolBar::GetIconSize();
}

void CKTRibbonQuickAccessPopupToolBar::FillCommandBarEntry(CDC* pDC)
{
    if (!m_pRibbon)
    {
        CKTPopupToolBar::FillCommandBarEntry(pDC);
        return;
    }
    m_pRibbon->GetRibbonPainter()->FillMorePopupToolBar(pDC, this);
}

CSize CKTRibbonQuickAccessPopupToolBar::GetButtonSize() const
{
    return m_pRibbon ? m_pRibbon->GetButtonSize() : CKTPopupToolBar::GetButtonSize();
}

CKTRibbonControlQuickAccessCommand::CKTRibbonControlQuickAccessCommand(CKTRibbonBar* pRibbon, CKTControl* pDefault)
    : m_pRibbon(pRibbon), m_pDefault(pDefault)
{
    m_strCaption = pDefault->GetCaption();
}

void CKTRibbonControlQuickAccessCommand::SetExisting(CKTControl* pExisting)
{
    m_pExisting = pExisting;
    SetChecked(pExisting ? 1 : 0);
    RedrawParent();
}

// The entry runs no command of its own: its id is not the command's.
void CKTRibbonControlQuickAccessCommand::OnExecute()
{
    CKTSmartPtr<CKTControl> pHold(this);
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->ClosePopups();
    if (!m_pRibbon || m_pDefault.IsNull())
        return;
    if (m_pExisting.IsNull())
        m_pRibbon->AddToQuickAccess(m_pDefault);
    else
        m_pRibbon->GetQuickAccessControls()->Remove(m_pExisting);
}
