// KTCommandBarTracking.cpp: hot tracking, selection, open popups and the tracking mode of a bar.
#include "KTCommandBar.h"

#include "KTCommandBarAnimator.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControlAction.h"
#include "KTControls.h"
#include "KTDrawHelpers.h"
#include "KTKeyboardHookManager.h"
#include "KTCustomizeMode.h"
#include "KTKeyboardTips.h"
#include "KTMouseHookManager.h"
#include "KTPopupBar.h"

#include <afxpriv.h>

#include <algorithm>

BOOL CKTCommandBar::IsMouseLocked() const { return CKTMouseHookManager::Instance()->IsLocked() && !m_bIgnoreMouseLock; }

BOOL CKTCommandBar::IsActive() const
{
    return m_nTrackingMode != ktTrackingNone || CKTDrawHelpers::IsTopParentActive(GetSafeHwnd());
}

int CKTCommandBar::HitTestIndex(CPoint pt) const
{
    CKTControl* pControl = m_pControls->HitTest(pt);
    return pControl ? pControl->GetIndex() : -1;
}

BOOL CKTCommandBar::SetSelected(int nSelected, int nKeyboard)
{
    if (nSelected == m_nSelected || !GetSafeHwnd())
        return FALSE;
    if (CKTControl* pOld = GetControl(m_nSelected))
    {
        pOld->OnMouseMove(CPoint(-1, -1));
        m_nSelected = -1;
        pOld->OnSetSelected(ktSelectionNone);
    }
    m_nSelected = GetControl(nSelected) ? nSelected : -1;
    CKTControl* pNew = GetControl(m_nSelected);
    // In view first, so that the control and those told of its selection see where it stands.
    if (pNew && nKeyboard)
        EnsureControlVisible(pNew);
    // Bringing another tab forward may have closed the bar's tracking, and its selection with it.
    if (pNew && GetControl(m_nSelected) == pNew)
        pNew->OnSetSelected(nKeyboard ? std::max(nKeyboard, (int)ktSelectionKeyboard) : ktSelectionHot);
    if (m_nTrackingMode != ktTrackingNone)
        ::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_MENU, m_nSelected + 1);
    CKTMouseHookManager::Instance()->SetLastSelectedBar(this);
    if (m_nSelected == -1)
        KillTimer(KT_TIMER_HOVER);
    else if (!nKeyboard && m_bHoverOpen)
        SetTimer(KT_TIMER_HOVER, KT_HOVER_DELAY, NULL);
    return TRUE;
}

BOOL CKTCommandBar::SetPopuped(int nPopuped, BOOL bKeyboard)
{
    if (nPopuped == m_nPopuped)
        return FALSE;
    if (CKTControl* pOpen = GetControl(m_nPopuped))
    {
        m_nPopuped = -1;
        pOpen->OnSetPopup(FALSE);
    }
    m_nPopuped = -1;
    CKTControl* pControl = GetControl(nPopuped);
    if (!pControl || !pControl->IsEnabled())
        return FALSE;
    m_nPopuped = nPopuped;
    int nTrackingBefore = m_nTrackingMode;
    SetTrackingMode(ktTrackingPopup, FALSE, bKeyboard);
    SetSelected(nPopuped, bKeyboard);
    // A menu dropped afresh animates; moving along the bar from one open menu to the next does not.
    m_bAnimatePopup = nTrackingBefore != ktTrackingPopup;
    if (!pControl->OnSetPopup(TRUE))
    {
        m_nPopuped = -1;
        // A popup that could not open must not leave the bar holding the keyboard.
        if (nTrackingBefore == ktTrackingNone)
            SetTrackingMode(ktTrackingNone, FALSE);
        return FALSE;
    }
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars && pCommandBars->GetCommandBarsOptions()->bShowFullAfterDelay)
        SetTimer(KT_TIMER_EXPAND, 5000, NULL);
    return TRUE;
}

BOOL CKTCommandBar::SetTrackingMode(int nMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    if (nMode == m_nTrackingMode)
        return FALSE;
    if (nMode != ktTrackingNone && m_nTrackingMode != ktTrackingNone)
    {
        m_nTrackingMode = nMode;
        return FALSE;
    }
    m_nTrackingMode = nMode;
    CKTMouseHookManager* pMouse = CKTMouseHookManager::Instance();
    if (nMode == ktTrackingNone)
    {
        m_nKeyboardSelection = 0;
        pMouse->RemoveTrackedBar(this);
        CKTKeyboardHookManager::Instance()->RemoveHook(&m_hookSink);
        SetPopuped(-1);
        if (bSelectFirst)
            SetSelected(-1);
        if (m_hwndFocus && ::IsWindow(m_hwndFocus))
            ::ShowCaret(m_hwndFocus);
        m_hwndFocus = NULL;
        Redraw(NULL, TRUE);
        // A bar is no place for the focus once it no longer takes the keys.
        if (m_hWnd && ::GetFocus() == m_hWnd)
            MoveFocusToTabStop(FALSE);
        m_nLockRecurse = 0;
        if (!GetParentCommandBar())
            CKTPopupBar::EndMenuLoop();
    }
    else
    {
        if (m_nBarType == ktBarTypeMenuBar)
            if (CWnd* pSite = GetSite())
                pSite->SendMessage(KTWM_MENUBARTRACKING, (WPARAM)this, 0);
        m_nKeyboardSelection = bKeyboard;
        HWND hWndFocus = ::GetFocus();
        // A field of the bar that takes the keys keeps its caret; a bar holding the focus itself has no caret to
        // hide and keeps the window the focus came from.
        const BOOL bFocusInBar = hWndFocus && (hWndFocus == m_hWnd || ::IsChild(m_hWnd, hWndFocus));
        if (m_bHideCaret && !bFocusInBar)
        {
            m_hwndFocus = hWndFocus ? hWndFocus : GetSite()->GetSafeHwnd();
            ::HideCaret(m_hwndFocus);
        }
        pMouse->AddTrackedBar(this);
        CKTKeyboardHookManager::Instance()->SetHook(&m_hookSink);
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
        if (bSelectFirst)
            SetSelected(m_pControls->GetNext(-1, 1), ktSelectionKeyboard);
    }
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->OnTrackingModeChanged(this, nMode);
    return TRUE;
}

int CKTCommandBar::GetControlHelpId(CKTControl* pControl)
{
    if (pControl->GetHelpId() > 0)
        return pControl->GetHelpId();
    CKTControlAction* pAction = pControl->GetAction();
    if (!pAction)
        return pControl->GetID();
    return pAction->GetHelpId() > 0 ? pAction->GetHelpId() : pAction->GetID();
}

void CKTCommandBar::OnControlSelected(BOOL bSelected, CKTControl* pControl)
{
    CWnd* pSite = GetSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(KTWM_CONTROLSELECTED, bSelected ? (WPARAM)pControl : 0, 0);
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars)
        pCommandBars->SetHelpId(bSelected ? GetControlHelpId(pControl) : 0);
    if (bSelected && pControl->GetIndex() == m_nStatusIndex)
        return;
    if (!bSelected && pControl->GetIndex() == m_nStatusIndex)
    {
        m_nStatusIndex = -1;
        return;
    }
    m_nStatusIndex = -1;
    if (!pSite || !pSite->GetSafeHwnd())
        return;
    if (pCommandBars && !pCommandBars->GetCommandBarsOptions()->bShowContextMenuAccelerators)
        return;
    CString strDescription = bSelected ? pControl->GetDescription() : CString();
    if (!strDescription.IsEmpty())
        pSite->SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)(LPCSTR)strDescription);
    else
        pSite->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
}

int CKTCommandBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT&)
{
    if (hWnd || nMessage != WM_KEYDOWN)
        return ktHookContinue;
    const int nAnswer = OnHookKeyDown((UINT)wParam, lParam);  // a bar may stop the chain here
    return nAnswer == ktHookStopHere ? ktHookStopHere : nAnswer ? ktHookHandled : ktHookContinue;
}

void CKTCommandBar::OnMouseMove(UINT, CPoint point)
{
    CKTMouseHookManager* pMouse = CKTMouseHookManager::Instance();
    if (pMouse->IsTrackedLock(this) || (!IsActive() && !IsPopupBar()) || IsMouseLocked() || IsCustomizeMode())
        return;
    if (m_nPopuped != -1 && !m_bHoverOpen)
        return;
    int nHit = HitTestIndex(point);
    // A control pressed by the mouse follows it beyond its rectangle.
    CKTControl* pSelected = GetControl(m_nSelected);
    if (nHit == -1 && pSelected && ::GetKeyState(VK_LBUTTON) < 0)
    {
        pSelected->OnMouseMove(point);
        return;
    }
    if (nHit != -1)
    {
        pMouse->TrackMouseLeave(GetSafeHwnd());
        CKTControl* pControl = GetControl(nHit);
        pControl->OnMouseMove(point);
        SetSelected(nHit, FALSE);
        return;
    }
    BOOL bKeep = m_nTrackingMode != ktTrackingNone && !(IsPopupBar() && m_nPopuped == -1 && !m_nKeyboardSelection);
    if (!bKeep)
        SetSelected(-1);
}

void CKTCommandBar::OnMouseLeave()
{
    if (IsMouseLocked())
        return;
    if (m_nTrackingMode != ktTrackingNone)
    {
        if (IsPopupBar() && m_nPopuped == -1)
            SetSelected(-1);
        return;
    }
    if (m_nLockRecurse == 0)
        SetSelected(-1);
}

void CKTCommandBar::OnNcMouseMove(UINT, CPoint)
{
    OnMouseLeave();
    Default();
}

BOOL CKTCommandBar::IsSiteInHelpMode() const
{
    CFrameWnd* pFrame = GetFrameSite();
    return pFrame && pFrame->m_bHelpMode;
}

LRESULT CKTCommandBar::OnNcHitTest(CPoint point)
{
    if (!IsSiteInHelpMode())
        return CWnd::OnNcHitTest(point);
    ScreenToClient(&point);
    CKTControl* pControl = m_pControls->HitTest(point);
    if (!pControl || pControl->GetID() > 0)
        return HTCLIENT;
    return KTIsPopupType(pControl->GetType()) ? HTMENU : HTCLIENT;
}

void CKTCommandBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!IsSiteInHelpMode())
    {
        CWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    ScreenToClient(&point);
    SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(point.x, point.y));
}

// A control's action may take it off its bar: the bar holds the control it hands input to until the handler returns.
CKTSmartPtr<CKTControl> CKTCommandBar::HeldControlAt(CPoint point) const { return m_pControls->HitTest(point); }

void CKTCommandBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    const CKTSmartPtr<CKTControl> pControl = HeldControlAt(point);
    // In a palette, a click on another control closes the menu opened from it.
    if (m_nBarPosition == ktBarPopup && m_nBarType == ktBarTypeNormal && pControl && m_nPopuped != -1 &&
        pControl != GetControl(m_nPopuped))
        ClosePopupOfSelection();
    if (!pControl)
    {
        Default();
        return;
    }
    if (IsCustomizeMode() ? !pControl->IsCustomizeMovable() : AltDragControl(pControl, point))
        return;
    pControl->OnClick(FALSE, point);
}

// Closes the open popup; the control it opened from, when selected, is selected no more.
void CKTCommandBar::ClosePopupOfSelection()
{
    const BOOL bSelectedOpen = m_nSelected == m_nPopuped;
    SetPopuped(-1);
    if (bSelectedOpen)
        SetSelected(-1);
}

void CKTCommandBar::OnLButtonUp(UINT, CPoint point)
{
    if (IsCustomizeMode())
        return;
    if (const CKTSmartPtr<CKTControl> pControl = HeldControlAt(point))
        pControl->OnLButtonUp(point);
    else
        Default();
}

void CKTCommandBar::OnLButtonDblClk(UINT, CPoint point)
{
    if (IsCustomizeMode())
        return;
    if (const CKTSmartPtr<CKTControl> pControl = HeldControlAt(point))
        pControl->OnLButtonDblClk(point);
}

void CKTCommandBar::OnRButtonDown(UINT, CPoint point)
{
    const CKTSmartPtr<CKTControl> pControl = HeldControlAt(point);
    if (!pControl || pControl->OnRButtonDown(point))
        return;
    if (!IsCustomizeMode() || !m_bCustomizable || !pControl->IsVisible() || !pControl->IsCustomizeMovable())
        return;
    SetPopuped(-1);
    SetSelected(-1);
    GetCommandBars()->GetCustomize()->SetSelection(pControl);
    ClientToScreen(&point);
    GetCommandBars()->GetCustomize()->ShowContextMenu(point);
}

void CKTCommandBar::OnRButtonUp(UINT, CPoint point)
{
    if (IsCustomizeMode())
        return;
    const CKTSmartPtr<CKTControl> pControl = HeldControlAt(point);
    CWnd* pSite = GetSite();
    if (pSite && pSite->GetSafeHwnd() &&
        pSite->SendMessage(KTWM_BARRBUTTONUP, (WPARAM)&point, (LPARAM)pControl.GetInterface()) == 1)
        return;
    if (!pControl)
        return;
    // A menu tracked for the right button runs its entries on that button too.
    if (GetRootParent()->GetTrackPopupFlags() & TPM_RIGHTBUTTON)
        pControl->OnLButtonUp(point);
    else
        pControl->OnRButtonUp(point);
}

void CKTCommandBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == KT_TIMER_HOVER)
    {
        if (m_nLockRecurse > 0)
            return;
        KillTimer(KT_TIMER_HOVER);
        if (CKTControl* pControl = GetControl(m_nSelected))
            pControl->OnMouseHover();
        return;
    }
    if (nIDEvent == KT_TIMER_ANIMATION)
    {
        m_pAnimator->OnAnimate();
        return;
    }
    if (nIDEvent == KT_TIMER_KEYBOARDTIPS)
    {
        if (CKTCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->GetKeyboardTips()->OnRequest(this);
        return;
    }
    if (nIDEvent == KT_TIMER_EXPAND)
    {
        OnExpandTimer();
        return;
    }
    Default();
}

void CKTCommandBar::OnExpandTimer()
{
    if (m_nLockRecurse > 0)
        return;
    KillTimer(KT_TIMER_EXPAND);
    CKTControl* pControl = GetControl(m_nPopuped);
    if (!pControl || m_nPopuped != m_nSelected || !pControl->IsCursorOver())
        return;
    CKTCommandBar* pBar = pControl->GetCommandBar();
    if (CKTPopupBar* pPopup = pBar ? pBar->AsPopupBar() : NULL)
        pPopup->ExpandBar();
}

LRESULT CKTCommandBar::OnHelpHitTest(WPARAM, LPARAM lParam)
{
    CKTControl* pControl = m_pControls->HitTest(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
    if (pControl)
        return GetControlHelpId(pControl) + 0x10000;
    int nId = GetDlgCtrlID();
    return nId ? nId + 0x50000 : 0;
}
