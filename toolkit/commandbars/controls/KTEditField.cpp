// KTEditField.cpp: the text, placing, focus and completion of a field.
#include "KTEditField.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControlAction.h"
#include "KTKeyboardTips.h"
#include "KTMouseHookManager.h"
#include "KTPaintManager.h"
#include "KTShellAutoComplete.h"

#include <richedit.h>

void CKTEditField::OnTextChanged()
{
    m_bTextStale = TRUE;
    if (HasFocus())
        m_pOwner->OnEditChanged();
    if (!GetSafeHwnd())
        return;
    m_pWnd->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    ApplyCharFormat();
}

CString IKTEditFieldOwner::GetEditText() { return GetField()->GetEditText(); }
void IKTEditFieldOwner::SetEditText(const CString& strText) { GetField()->SetEditText(strText); }
CString IKTEditFieldOwner::GetEditHint() { return GetField()->GetEditHint(); }
void IKTEditFieldOwner::SetEditHint(LPCSTR lpszHint) { GetField()->SetEditHint(lpszHint); }
CString IKTEditFieldOwner::GetUserText() { return GetField()->GetUserText(); }
void IKTEditFieldOwner::SetEditTextOrHint(const CString& strText) { GetField()->SetEditTextOrHint(strText); }
void IKTEditFieldOwner::SetShellAutoComplete(DWORD dwFlags) { GetField()->SetShellAutoComplete(dwFlags); }
int IKTEditFieldOwner::GetLabelWidth() { return GetField()->GetLabelWidth(); }
void IKTEditFieldOwner::SetLabelWidth(int nWidth) { GetField()->SetLabelWidth(nWidth); }

CKTEditField::~CKTEditField()
{
    m_pShellHook.reset();
    DestroyWindow();
}

void CKTEditField::SetWnd(std::unique_ptr<CKTEdit> pWnd)
{
    DestroyWindow();
    m_pWnd = std::move(pWnd);
}

void CKTEditField::DestroyWindow()
{
    if (m_pWnd && m_pWnd->GetSafeHwnd())
        m_pWnd->DestroyWindow();
}

BOOL CKTEditField::HasFocus() const { return GetSafeHwnd() && ::GetFocus() == GetSafeHwnd(); }

CString CKTEditField::GetEditText()
{
    if (GetSafeHwnd() && m_bTextStale)
    {
        m_pWnd->GetWindowText(m_strText);
        m_bTextStale = FALSE;
    }
    return m_strText;
}

void CKTEditField::SetEditText(const CString& strText)
{
    if (GetSafeHwnd())
    {
        CString strWindow;
        m_pWnd->GetWindowText(strWindow);
        if (strWindow != strText)
        {
            // Emptied first, so that the new text is one undo step of its own.
            m_pWnd->SetWindowText("");
            m_pWnd->SetWindowText(strText);
        }
    }
    m_strText = strText;
    m_bTextStale = FALSE;
}

CString CKTEditField::GetUserText()
{
    CString strText = GetEditText();
    return strText == GetEditHint() ? CString() : strText;
}

CString CKTEditField::GetEditHint() const
{
    CKTControlAction* pAction = m_pOwner->GetFieldControl()->GetAction();
    return m_strHint.IsEmpty() && pAction ? pAction->GetEditHint() : m_strHint;
}

void CKTEditField::SetEditTextOrHint(const CString& strText)
{
    SetEditText(strText.IsEmpty() ? GetEditHint() : strText);
}

void CKTEditField::SaveWindowText()
{
    if (!GetSafeHwnd())
        return;
    m_pWnd->GetWindowText(m_strText);
    m_bTextStale = FALSE;
}

void CKTEditField::SetShellAutoComplete(DWORD dwFlags)
{
    m_dwShellFlags = dwFlags;
    m_pShellHook.reset();
    if (!GetSafeHwnd() || !dwFlags)
        return;
    m_pShellHook.reset(new CKTShellAutoCompleteHook(GetSafeHwnd()));
    if (FAILED(CKTShellAutoCompleteHook::ShellAutoComplete(GetSafeHwnd(), dwFlags)))
        m_pShellHook.reset();
}

CKTCommandBar* CKTEditField::GetBar() const { return m_pOwner->GetFieldControl()->GetParent(); }

BOOL CKTEditField::IsWindowPlacedOn(CKTCommandBar* pBar) const
{
    return GetSafeHwnd() && pBar && ::GetParent(GetSafeHwnd()) == pBar->GetSafeHwnd();
}

void CKTEditField::CreateFieldWindow(CKTCommandBar* pBar)
{
    CKTControl* pControl = m_pOwner->GetFieldControl();
    if (!m_pWnd->CreateEdit(m_dwEditStyle | WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 0, 0), pBar))
        return;
    if (!pControl->IsEnabled())
        m_pWnd->EnableWindow(FALSE);
    if (m_dwShellFlags)
        SetShellAutoComplete(m_dwShellFlags);
}

void CKTEditField::DropStaleWindow(CKTCommandBar* pBar)
{
    if (!GetSafeHwnd())
        return;
    // A window marked for it, left on another bar, or mirrored, is made again.
    BOOL bStale = m_bPendingDestroy || !IsWindowPlacedOn(pBar) || (m_pWnd->GetExStyle() & WS_EX_LAYOUTRTL);
    m_bPendingDestroy = FALSE;
    if (bStale)
        DestroyWindow();
}

BOOL CKTEditField::Place(CRect rcControl, CRect rcField)
{
    CKTControl* pControl = m_pOwner->GetFieldControl();
    CKTCommandBar* pBar = GetBar();
    CString strText = GetUserText();
    DropStaleWindow(pBar);
    if (!m_pWnd || (rcControl == pControl->GetRect() && !m_bDelayReposition && IsWindowPlacedOn(pBar)))
        return FALSE;
    if (!pBar || !pBar->GetSafeHwnd())
        return FALSE;
    if (!GetSafeHwnd())
        CreateFieldWindow(pBar);
    if (!GetSafeHwnd())
        return FALSE;
    m_pWnd->SendMessage(WM_SETFONT, (WPARAM)pControl->GetPaintManager()->GetRegularFont()->GetSafeHandle(), FALSE);
    m_pWnd->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    ApplyCharFormat();
    if (!HasFocus())
        SetEditTextOrHint(strText);
    m_pWnd->MoveWindow(rcField, TRUE);
    return TRUE;
}

void CKTEditField::SetLabelWidth(int nWidth)
{
    if (m_nLabelWidth == nWidth)
        return;
    m_nLabelWidth = nWidth;
    m_bDelayReposition = TRUE;
}

BOOL CKTEditField::Layout(CRect rcControl, int nRightInset)
{
    CRect rcField(rcControl.left + m_nLabelWidth + 4, rcControl.top + 3, rcControl.right - nRightInset,
                  rcControl.bottom - 3);
    m_pOwner->AdjustEditRect(rcField);
    BOOL bPlaced = Place(rcControl, rcField);
    // Glass comes and goes under a field that stays where it is. Judged on the rectangle being laid out: the
    // control stores it only after.
    CKTCommandBar* pBar = GetBar();
    if (GetSafeHwnd())
        m_pWnd->SetOpaqueFix(pBar && pBar->IsCompositedCaptionRect(rcControl));
    if (!bPlaced)
        return FALSE;
    UpdateVisibility();
    m_bDelayReposition = FALSE;
    return TRUE;
}

void CKTEditField::UpdateEnabled()
{
    if (GetSafeHwnd())
        m_pWnd->EnableWindow(m_pOwner->GetFieldControl()->IsEnabled());
    ApplyCharFormat();
}

void CKTEditField::CopyFrom(CKTEditField& other)
{
    m_dwEditStyle = other.m_dwEditStyle;
    SetEditTextOrHint(other.GetUserText());
    m_strHint = other.m_strHint;
    SetShellAutoComplete(other.m_dwShellFlags);
}

void CKTEditField::UpdateVisibility()
{
    if (!GetSafeHwnd())
        return;
    CKTControl* pControl = m_pOwner->GetFieldControl();
    CKTCommandBar* pBar = GetBar();
    BOOL bShow = pControl->IsVisible() && pBar && pBar->GetSafeHwnd() && pBar->IsVisible();
    m_pWnd->SetWindowPos(NULL, 0, 0, 0, 0,
                         (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER |
                             SWP_NOACTIVATE);
}

void CKTEditField::ApplyCharFormat()
{
    if (!GetSafeHwnd())
        return;
    CKTControl* pControl = m_pOwner->GetFieldControl();
    CKTPaintManager* pPaintManager = pControl->GetPaintManager();
    BOOL bGrey = !pControl->IsEnabled() || IsShowingHint();
    CHARFORMAT2A cf = {};
    cf.cbSize = CKTEdit::GetCharFormatSize();
    cf.dwMask = CFM_COLOR | CFM_BACKCOLOR;
    cf.crTextColor = pPaintManager->GetColor(bGrey ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
    cf.crBackColor = pPaintManager->GetControlEditBackColor(pControl);
    m_pWnd->SendMessage(EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&cf);
    m_pWnd->SendMessage(EM_SETBKGNDCOLOR, 0, cf.crBackColor);
}

void CKTEditField::TakeKeyboardTip()
{
    CKTControl* pControl = m_pOwner->GetFieldControl();
    if (CKTCommandBars* pCommandBars = pControl->GetCommandBars())
        pCommandBars->GetKeyboardTips()->Hide();
    pControl->SetFocused(TRUE);
}

void CKTEditField::EnterFocusMode()
{
    CKTControl* pControl = m_pOwner->GetFieldControl();
    CKTCommandBar* pBar = GetBar();
    if (GetSafeHwnd() && !HasFocus())
        m_pWnd->SetFocus();
    pBar->SetTrackingMode(ktTrackingOn, FALSE, FALSE);
    pBar->SetSelected(pControl->GetIndex());
    CKTMouseHookManager::Instance()->Lock();
}

void CKTEditField::LeaveFocusMode()
{
    CKTCommandBar* pBar = GetBar();
    if (HasFocus())
    {
        HWND hWndBefore = pBar->GetFocusBefore();
        CWnd* pSite = pBar->GetOwnerSite();
        ::SetFocus(::IsWindow(hWndBefore) ? hWndBefore : pSite ? pSite->GetSafeHwnd() : NULL);
    }
    CKTMouseHookManager::Instance()->Unlock();
}

void CKTEditField::RememberFocusBefore(HWND hWndOld)
{
    CKTCommandBar* pBar = GetBar();
    if (!pBar || pBar->GetFocusBefore())
        return;
    CWnd* pSite = pBar->GetOwnerSite();
    pBar->SetFocusBefore(hWndOld ? hWndOld : pSite ? pSite->GetSafeHwnd() : NULL);
}

void CKTEditField::InstallShellHook()
{
    if (m_pShellHook)
        m_pShellHook->Install();
}

void CKTEditField::BeginFocus()
{
    if (IsShowingHint())
        SetEditText("");
    SaveText();
}

void CKTEditField::EndFocus()
{
    if (!GetEditHint().IsEmpty() && GetEditText().IsEmpty())
        SetEditText(GetEditHint());
    if (m_pShellHook)
        m_pShellHook->Uninstall();
}

BOOL CKTEditField::HideSuggestions() { return m_pShellHook && m_pShellHook->HideSuggestWindow(); }

int CKTEditField::PassKey(UINT nChar, LPARAM lParam)
{
    if (m_pShellHook && m_pShellHook->ProcessKey(nChar, lParam))
        return ktHookHandled;
    return m_pWnd && m_pWnd->ProcessKey(nChar, lParam) ? ktHookHandled : ktHookStopHere;
}
