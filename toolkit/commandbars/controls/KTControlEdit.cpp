// KTControlEdit.cpp: the edit control's field placing, focus, keys and clicks.
#include "KTControlEdit.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTKeyState.h"
#include "KTMouseHookManager.h"

IMPLEMENT_DYNCREATE(CKTControlEdit, CKTControl)

CKTControlEdit::CKTControlEdit() : m_field(this)
{
    m_nType = ktControlEdit;
    m_nWidth = 100;
    m_field.SetWnd(std::unique_ptr<CKTEdit>(new CKTControlEditWnd(this)));
}

CKTControlEdit::~CKTControlEdit() = default;

void CKTControlEdit::SetReadOnly(BOOL bReadOnly)
{
    m_bReadOnly = bReadOnly;
    if (m_field.GetSafeHwnd())
        m_field.GetWnd()->SendMessage(EM_SETREADONLY, bReadOnly);
}

void CKTControlEdit::SetHasLabel(BOOL bHasLabel)
{
    if (m_bHasLabel == bHasLabel)
        return;
    m_bHasLabel = bHasLabel;
    DelayLayoutParent();
}

void CKTControlEdit::ShowSpinButtons(BOOL bShow)
{
    if (m_bShowSpinButtons == bShow)
        return;
    m_bShowSpinButtons = bShow;
    m_field.DelayReposition();
    DelayLayoutParent();
}

CRect CKTControlEdit::GetSpinButtonsRect() const
{
    if (!m_bShowSpinButtons)
        return CRect(0, 0, 0, 0);
    return CRect(m_rcControl.right - 18, m_rcControl.top + 1, m_rcControl.right - 1, m_rcControl.bottom - 1);
}

void CKTControlEdit::SetEnabled(int nEnabled)
{
    CKTControl::SetEnabled(nEnabled);
    m_field.UpdateEnabled();
}

void CKTControlEdit::SetRect(CRect rc)
{
    if (m_field.Layout(rc, m_bShowSpinButtons ? 20 : 3))
        m_field.GetWnd()->SendMessage(EM_SETREADONLY, m_bReadOnly);
    m_rcControl = rc;
}

BOOL CKTControlEdit::IsCaptionVisible() const
{
    return CKTControl::IsCaptionVisible() || (m_bHasLabel && !GetCaption().IsEmpty());
}

BOOL CKTControlEdit::Compare(CKTControl* pOther)
{
    CKTControlEdit* pEdit = dynamic_cast<CKTControlEdit*>(pOther);
    return pEdit && CKTControl::Compare(pOther) && m_bHasLabel == pEdit->m_bHasLabel &&
           m_bShowSpinButtons == pEdit->m_bShowSpinButtons;
}

// Vertical bars have no room for a field.
void CKTControlEdit::OnCalcDynamicSize(DWORD dwMode)
{
    SetHideFlag(ktHideDockingVertical, (dwMode & LM_VERTDOCK) != 0);
}

void CKTControlEdit::SetParent(CKTCommandBar* pParent)
{
    CKTControl::SetParent(pParent);
    if (!pParent)
        m_field.DestroyWindow();
}

void CKTControlEdit::Copy(CKTControl* pFrom, BOOL bRecursive)
{
    if (CKTControlEdit* pEdit = dynamic_cast<CKTControlEdit*>(pFrom))
    {
        m_field.CopyFrom(pEdit->m_field);
        m_bHasLabel = pEdit->m_bHasLabel;
        SetReadOnly(pEdit->m_bReadOnly);
        m_bShowSpinButtons = pEdit->m_bShowSpinButtons;
    }
    CKTControl::Copy(pFrom, bRecursive);
}

void CKTControlEdit::SetFocused(BOOL bFocused)
{
    if (m_bFocused == bFocused || !m_pParent)
        return;
    m_bFocused = bFocused;
    CKTSmartPtr<CKTControl> pHold(this);
    if (bFocused)
        m_field.EnterFocusMode();
    else
        m_field.LeaveFocusMode();
    NotifySite(bFocused ? EN_SETFOCUS : EN_KILLFOCUS);
    RedrawParent(FALSE);
}

void CKTControlEdit::OnEditSetFocus(HWND hWndOld)
{
    m_field.BeginFocus();
    m_field.RememberFocusBefore(hWndOld);
    if (m_pParent)
        m_pParent->SetPopuped(-1);
    SetFocused(TRUE);
    m_field.InstallShellHook();
}

void CKTControlEdit::OnEditKillFocus()
{
    m_field.EndFocus();
    SetFocused(FALSE);
}

void CKTControlEdit::OnEditChanged() { NotifySite(EN_CHANGE); }

BOOL CKTControlEdit::OnSetSelected(int nSelected)
{
    BOOL bChanged = CKTControl::OnSetSelected(nSelected);
    if (nSelected == ktSelectionNone)
    {
        SetFocused(FALSE);
        m_field.ApplyCharFormat();
    }
    return bChanged;
}

void CKTControlEdit::OnMouseHover()
{
    if (!CKTMouseHookManager::Instance()->IsLocked())
        CKTControl::OnMouseHover();
}

int CKTControlEdit::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (!m_bFocused || !m_field.GetSafeHwnd())
        return ktHookContinue;
    if (m_field.GetWnd()->IsComposing())
        return ktHookStopHere;
    // Esc first takes down the shell's suggestions, sparing the typed text.
    if (nChar == VK_ESCAPE && m_field.HideSuggestions())
        return ktHookHandled;
    switch (nChar)
    {
    case VK_TAB:
    case VK_RETURN:
        return ktHookContinue;
    case VK_ESCAPE:
    {
        BOOL bPopup = m_pParent->GetType() == ktBarTypePopup;
        m_field.SetEditTextOrHint(m_field.GetSavedText());
        SetFocused(FALSE);
        return bPopup ? ktHookHandled : ktHookContinue;
    }
    }
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (KTIsKeyDown(VK_MENU) && !KTIsKeyDown(VK_CONTROL) && pCommandBars && pCommandBars->OnFrameAccessKey(nChar))
        return ktHookHandled;
    if (m_bShowSpinButtons && (nChar == VK_UP || nChar == VK_DOWN))
    {
        Spin(1, nChar == VK_UP ? 1 : -1);
        if (m_field.HasFocus())
            m_field.GetWnd()->SetSel(0, -1);
        return ktHookHandled;
    }
    return m_field.PassKey(nChar, lParam);
}

void CKTControlEdit::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (IsCustomizeMode() && m_pParent)
    {
        OnCustomizeClick(pt);
        return;
    }
    if (!IsEnabled() || !m_field.GetSafeHwnd())
        return;
    if (bKeyboard && m_field.HasFocus())
        OnExecute();
    else if (!bKeyboard && GetSpinButtonsRect().PtInRect(pt))
        TrackSpin(pt);
    else
        m_field.GetWnd()->SetFocus();
}
