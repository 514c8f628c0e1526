// KTControlPopup.cpp: opening and closing the popup bar of a popup control, and split buttons.
#include "KTControlPopup.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTCustomizeMode.h"
#include "KTPaintManager.h"
#include "KTPopupBar.h"
#include "KTShadowWindow.h"

IMPLEMENT_DYNCREATE(CKTControlPopup, CKTControlButton)

CKTControlPopup::~CKTControlPopup() = default;

void CKTControlPopup::SetCommandBar(CKTCommandBar* pBar) { m_pCommandBar = pBar; }

void CKTControlPopup::OnThemeChanged()
{
    if (m_pCommandBar.IsNull() || m_bPassingThemeChange)
        return;
    m_bPassingThemeChange = TRUE;
    m_pCommandBar->OnThemeChanged();
    m_bPassingThemeChange = FALSE;
}

BOOL CKTControlPopup::IsOnCommandPart(CPoint pt) const
{
    return GetPaintManager()->GetSplitButtonCommandRect(const_cast<CKTControlPopup*>(this)).PtInRect(pt);
}

BOOL CKTControlPopup::OnSetPopup(BOOL bPopup)
{
    if (m_pCommandBar.IsNull() || !m_pParent || !m_pParent->GetSafeHwnd())
        return FALSE;
    if (bPopup && m_nType == ktControlSplitButtonPopup && GetEnabled() == 3)
        return FALSE;
    m_bPopuped = bPopup;
    if (!bPopup)
    {
        m_pCommandBar->SetTrackingMode(ktTrackingNone);
        RedrawParent(FALSE);
        return FALSE;
    }
    RedrawParent(FALSE);
    m_pParent->UpdateWindow();
    if (m_pCommandBar->GetTrackingMode() != ktTrackingNone)
        return TRUE;
    if (CKTPopupBar* pPopupBar = m_pCommandBar->AsPopupBar())
        pPopupBar->SetOpeningControl(this);
    if (!m_pCommandBar->Popup(this, m_pParent->GetKeyboardSelection()))
        m_bPopuped = FALSE;
    else
        UpdateShadow();
    return m_bPopuped;
}

void CKTControlPopup::OnKeyboardTip()
{
    if (GetCommandBar() && m_pParent)
        m_pParent->SetPopuped(m_nIndex, TRUE);
    else
        OnExecute();
}

void CKTControlPopup::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (!IsEnabled() || !m_pParent)
        return;
    if (IsCustomizeMode())
    {
        OnCustomizeClickPopup(pt);
        return;
    }
    if (m_bPopuped && m_pParent->GetPosition() != ktBarPopup)
    {
        m_pParent->SetTrackingMode(ktTrackingNone);
        return;
    }
    if (m_nType == ktControlSplitButtonPopup)
    {
        int nEnabled = GetEnabled();
        if (bKeyboard)
        {
            if (nEnabled == 4)
                m_pParent->SetPopuped(m_nIndex, TRUE);
            else
                OnExecute();
            return;
        }
        if (IsOnCommandPart(pt))
        {
            if (m_pParent->GetType() == ktBarTypePopup)
                m_pParent->KillTimer(KT_TIMER_HOVER);
            else if (nEnabled != 4 && ClickToolBarButton(GetPaintManager()->GetSplitButtonCommandRect(this)))
                OnExecute();
            return;
        }
        if (nEnabled == 3)
            return;
    }
    m_pParent->SetPopuped(m_nIndex, bKeyboard);
}

void CKTControlPopup::OnCustomizeClickPopup(CPoint pt)
{
    // The popup opens, so that controls can be dragged into it too, or closes when it was open.
    if (m_bPopuped && m_pParent->GetPosition() != ktBarPopup)
        m_pParent->SetTrackingMode(ktTrackingNone);
    else if (!m_pCommandBar.IsNull() && m_pCommandBar->IsCustomizable())
        m_pParent->SetPopuped(m_nIndex, FALSE);
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->GetCustomize()->DragControl(this, pt);
}

void CKTControlPopup::OnCustomizeDragOver(CKTControl* pDragged, CPoint pt)
{
    if (m_pCommandBar.IsNull() || !m_pCommandBar->IsCustomizable() || !pDragged->IsCustomizeDropAllowed(m_pCommandBar))
    {
        CKTControlButton::OnCustomizeDragOver(pDragged, pt);
        return;
    }
    if (!m_bPopuped)
        m_pParent->SetPopuped(m_nIndex, FALSE);
}

BOOL CKTControlPopup::IsCustomizeDropAllowed(CKTCommandBar* pBar) const
{
    // Into its own popup, or a popup inside it, the control would open itself without end.
    for (CKTCommandBar* pChain = pBar; pChain; pChain = pChain->GetParentCommandBar())
        if (pChain == m_pCommandBar)
            return FALSE;
    return TRUE;
}

void CKTControlPopup::OnLButtonUp(CPoint pt)
{
    if (m_pCommandBar.IsNull())
    {
        CKTControlButton::OnLButtonUp(pt);
        return;
    }
    if (m_nType == ktControlSplitButtonPopup && m_pParent && m_pParent->GetType() == ktBarTypePopup && IsEnabled() &&
        GetEnabled() != 4 && IsOnCommandPart(pt))
        OnExecute();
}

void CKTControlPopup::OnMouseMove(CPoint pt)
{
    if (m_nType != ktControlSplitButtonPopup || !IsEnabled() || !m_pParent || m_pParent->GetType() == ktBarTypePopup ||
        m_nSelected == ktSelectionNone)
        return;
    int nSelected = IsOnCommandPart(pt) ? ktSelectionCommandPart : ktSelectionArrowPart;
    if (nSelected != m_nSelected)
    {
        m_nSelected = nSelected;
        RedrawParent(FALSE);
    }
}

BOOL CKTControlPopup::OnLButtonDblClk(CPoint pt)
{
    if ((m_nType != ktControlPopup && m_nType != ktControlButtonPopup) || !m_pCommandBar)
        return CKTControlButton::OnLButtonDblClk(pt);
    if (!m_bPopuped)
        OnClick(FALSE, pt);
    CKTPopupBar* pPopup = m_bPopuped ? m_pCommandBar->AsPopupBar() : NULL;
    if (!pPopup)
        return FALSE;
    if (CKTControl* pDefault = pPopup->GetControl(pPopup->GetDefaultItem(0, TRUE)))
    {
        pDefault->OnExecute();
        return TRUE;
    }
    if (!pPopup->IsCollapsedPresent() || pPopup->IsExpanded())
        return FALSE;
    // A button popup's menu expands too, where ExpandCommandBar keeps to a plain popup's.
    if (m_nType == ktControlPopup)
        ExpandCommandBar();
    else
        pPopup->ExpandBar();
    return pPopup->IsExpanded();
}

void CKTControlPopup::ExpandCommandBar()
{
    CKTPopupBar* pPopup = m_pCommandBar ? m_pCommandBar->AsPopupBar() : NULL;
    if (m_nType == ktControlPopup && m_bPopuped && pPopup)
        pPopup->ExpandBar();
}

void CKTControlPopup::OnMouseHover()
{
    if (IsEnabled() && m_pParent &&
        (m_pParent->GetTrackingMode() == ktTrackingPopup || m_pParent->GetPosition() == ktBarPopup))
    {
        m_pParent->SetPopuped(m_nIndex, FALSE);
        return;
    }
    CKTControl::OnMouseHover();
}

BOOL CKTControlPopup::OnSetSelected(int nSelected)
{
    if (!CKTControl::OnSetSelected(nSelected))
        return FALSE;
    if (m_pCommandBar.IsNull() || !m_pParent)
        return TRUE;
    BOOL bPopupBar = m_pParent->GetType() == ktBarTypePopup;
    if (m_nType != ktControlPopup && !bPopupBar)
    {
        if (IsEnabled() && KTIsKeyboardSelection(nSelected) && m_pParent->GetTrackingMode() == ktTrackingPopup)
            m_pParent->SetPopuped(m_nIndex, nSelected == ktSelectionKeyboard);
        return TRUE;
    }
    if (m_pParent->GetPosition() == ktBarPopup)
        return TRUE;
    if (nSelected != ktSelectionNone && IsEnabled() && m_pParent->GetTrackingMode() == ktTrackingPopup)
        m_pParent->SetPopuped(m_nIndex, nSelected == ktSelectionKeyboard);
    else if (nSelected == ktSelectionNone && m_bPopuped)
        m_pParent->SetPopuped(-1);
    return TRUE;
}

void CKTControlPopup::Copy(CKTControl* pFrom, BOOL bRecursive)
{
    CKTControlButton::Copy(pFrom, bRecursive);
    CKTControlPopup* pPopup = dynamic_cast<CKTControlPopup*>(pFrom);
    if (!pPopup)
        return;
    // A loaded control copied before the load links its bar still waits for that bar.
    m_nCommandBarId = pPopup->m_nCommandBarId;
    if (pPopup->m_pCommandBar.IsNull())
        return;
    if (bRecursive)
        m_pCommandBar = CKTSmartPtr<CKTCommandBar>::Adopt(pPopup->m_pCommandBar->Clone(TRUE));
    else
        m_pCommandBar = pPopup->m_pCommandBar;
}

BOOL CKTControlPopup::Compare(CKTControl* pOther)
{
    CKTControlPopup* pPopup = dynamic_cast<CKTControlPopup*>(pOther);
    if (!pPopup || !CKTControlButton::Compare(pOther))
        return FALSE;
    if (m_pCommandBar.IsNull() || pPopup->m_pCommandBar.IsNull())
        return TRUE;
    return m_pCommandBar->GetControls()->Compare(pPopup->m_pCommandBar->GetControls());
}

void CKTControlPopup::AdjustExcludeRect(CRect& rc, BOOL bVertical)
{
    GetPaintManager()->AdjustExcludeRect(rc, this, bVertical);
}

void CKTControlPopup::UpdateShadow()
{
    CKTPopupBar* pPopupBar = m_pCommandBar.IsNull() ? NULL : m_pCommandBar->AsPopupBar();
    if (!pPopupBar || !m_pParent || !KTIsPopupType(m_nType) || !m_bCastShadow || !pPopupBar->IsShowShadow())
        return;
    const int nPosition = m_pParent->GetPosition();
    if (nPosition == ktBarPopup || (nPosition == ktBarFloating && m_pParent->GetType() == ktBarTypePopup))
        return;
    KTShadowManager()->SetShadow(this);
}
