// KTPopupBar.cpp: opening, placing and closing a popup bar.
#include "KTPopupBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTKeyboardTips.h"
#include "KTPaintManager.h"
#include "KTPopupPlacement.h"
#include "KTShadowWindow.h"
#include "KTSoundPlayer.h"

#include <afxpriv.h>

IMPLEMENT_DYNCREATE(CKTPopupBar, CKTCommandBar)

BEGIN_MESSAGE_MAP(CKTPopupBar, CKTCommandBar)
ON_WM_MOUSEACTIVATE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_TIMER()
ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

namespace
{
const DWORD KT_POPUP_STYLE = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | 0x100;
}

CKTPopupBar::CKTPopupBar()
{
    m_nBarType = ktBarTypePopup;
    m_nBarPosition = ktBarPopup;
}

CKTSmartPtr<CKTPopupBar> CKTPopupBar::CreatePopupBar(CKTCommandBars* pCommandBars)
{
    CKTSmartPtr<CKTPopupBar> pBar = KTMakeCounted<CKTPopupBar>();
    pBar->SetCommandBars(pCommandBars);
    return pBar;
}

CKTCommandBar* CKTPopupBar::GetParentCommandBar() const
{
    return m_pControlPopup ? m_pControlPopup->GetParent() : NULL;
}

int CKTPopupBar::OnMouseActivate(CWnd*, UINT, UINT) { return MA_NOACTIVATE; }

BOOL CKTPopupBar::CreatePopupWindow()
{
    if (GetSafeHwnd())
        return TRUE;
    CKTCommandBars* pCommandBars = GetCommandBars();
    BOOL bSaveBits = !pCommandBars || pCommandBars->GetCommandBarsOptions()->bUseSystemSaveBitsStyle;
    CKTDrawHelpers::RegisterWndClass(NULL, "KTPopupBar", bSaveBits ? CS_DBLCLKS | CS_SAVEBITS : CS_DBLCLKS);
    DWORD dwExStyle = WS_EX_TOOLWINDOW;
    if (pCommandBars && pCommandBars->IsLayoutRTL())
        dwExStyle |= WS_EX_LAYOUTRTL;
    return CreateEx(dwExStyle, "KTPopupBar", m_strTitle, KT_POPUP_STYLE, CRect(0, 0, 0, 0), GetSite(), 0);
}

LRESULT CKTPopupBar::OnFloatStatus(WPARAM wParam, LPARAM)
{
    // The frame keeps its active caption while the popup is open.
    return (wParam & FS_SYNCACTIVE) && (GetStyle() & MFS_SYNCACTIVE) ? TRUE : FALSE;
}

BOOL CKTPopupBar::DestroyWindow()
{
    // Windows hosted in the popup outlive it: they go back to the site, hidden.
    CWnd* pSite = GetSite();
    HWND hSite = pSite ? pSite->GetSafeHwnd() : NULL;
    for (HWND hChild = GetSafeHwnd() && hSite ? ::GetWindow(m_hWnd, GW_CHILD) : NULL; hChild;
         hChild = ::GetWindow(m_hWnd, GW_CHILD))
    {
        ::ShowWindow(hChild, SW_HIDE);
        if (!::SetParent(hChild, hSite))
            break;
    }
    return CKTCommandBar::DestroyWindow();
}

void CKTPopupBar::Copy(CKTCommandBar* pFrom, BOOL bRecursive)
{
    CKTCommandBar::Copy(pFrom, bRecursive);
    CKTPopupBar* pPopup = pFrom->AsPopupBar();
    if (!pPopup)
        return;
    m_bTearOffPopup = pPopup->m_bTearOffPopup;
    m_strTearOffCaption = pPopup->m_strTearOffCaption;
    m_nTearOffId = pPopup->m_nTearOffId;
    m_nTearOffWidth = pPopup->m_nTearOffWidth;
    m_bShowShadow = pPopup->m_bShowShadow;
    m_rcBorders = pPopup->m_rcBorders;
    m_bContextMenu = pPopup->m_bContextMenu;
}

CRect CKTPopupBar::GetBorders()
{
    return m_nBarType == ktBarTypeNormal ? m_rcBorders : GetPaintManager()->GetCommandBarBorders(this);
}

void CKTPopupBar::NotifySite(UINT nMessage, WPARAM wParam)
{
    CWnd* pSite = GetOwnerSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(nMessage, wParam, (LPARAM)this);
}

void CKTPopupBar::ShowAt(const CRect& rc)
{
    UINT nFlags = SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER | (IsWindowVisible() ? SWP_NOZORDER : 0);
    SetWindowPos(&wndTopMost, rc.left, rc.top, rc.Width(), rc.Height(), nFlags);
}

BOOL CKTPopupBar::Popup(CKTControl* pControlPopup, BOOL bSelectFirst)
{
    CKTSmartPtr<CKTPopupBar> pHold(this);
    m_pControlPopup = pControlPopup;
    CKTCommandBar* pParentBar = GetParentCommandBar();
    if (CKTPopupBar* pParentPopup = pParentBar ? pParentBar->AsPopupBar() : NULL)
        m_pReturnCommand = pParentPopup->m_pReturnCommand;
    if (!CreatePopupWindow())
        return FALSE;
    if (GetToolTipContext())
        GetToolTipContext()->CancelToolTips();
    LockRedraw();
    NotifySite(KTWM_INITCOMMANDSPOPUP);
    m_bGripperHot = FALSE;
    m_bCollapsedPresent = FALSE;
    m_bExpanded = IsCustomizeMode() || IsMenuLoopExpanded();
    UpdateLocation();
    CSize sz = CalcDynamicLayout(0, 0);
    ShowAt(CalcPopupRect(sz.cx, sz.cy));
    CKTCommandBar* pParent = GetParentCommandBar();
    if (!GetSafeHwnd() || (m_pControlPopup && (!pParent || !pParent->GetSafeHwnd())))
    {
        UnlockRedraw();
        if (GetSafeHwnd())
            DestroyWindow();
        return FALSE;
    }
    // Laid out while still hidden, the controls kept their windows hidden; the bar shows now, and so do they.
    for (int i = 0; i < GetControlCount(); i++)
        GetControl(i)->UpdateWindowVisibility();
    SetTrackingMode(ktTrackingOn, bSelectFirst, bSelectFirst);
    // Just laid out: only what the update handlers change asks for another layout.
    m_dwPendingUpdate &= ~ktPendingLayout;
    IdleUpdate();
    // An update handler may have closed the popup: nothing is left to show or to sound.
    if (!GetSafeHwnd())
    {
        UnlockRedraw();
        return FALSE;
    }
    ShowAnimated();
    KTSoundPlayer()->Play(ktSoundMenuPopup);
    CastShadow();
    // The next update lays it out anew, so that its lists show what changed meanwhile.
    m_dwPendingUpdate |= ktPendingLayout;
    UnlockRedraw();
    return GetSafeHwnd() != NULL;
}

BOOL CKTPopupBar::PopupAt(int x, int y, LPCRECT lprcExclude, DWORD dwPlacement)
{
    m_ptPopup = CPoint(x, y);
    m_dwPopupFlags = dwPlacement;
    m_rcExclude = lprcExclude ? CRect(lprcExclude) : CRect(0, 0, 0, 0);
    return Popup(NULL, FALSE);
}

BOOL CKTPopupBar::SetTrackingMode(int nMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    CKTSmartPtr<CKTPopupBar> pHold(this);
    const BOOL bWasTracking = m_nTrackingMode != ktTrackingNone;
    if (!CKTCommandBar::SetTrackingMode(nMode, bSelectFirst, bKeyboard))
        return FALSE;
    if (nMode != ktTrackingNone)
    {
        if (!bWasTracking && GetSafeHwnd())
            ::NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPSTART, m_hWnd, OBJID_MENU, CHILDID_SELF);
        UpdateSite();
        return TRUE;
    }
    if (GetSafeHwnd())
        ::NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPEND, m_hWnd, OBJID_MENU, CHILDID_SELF);
    StopScrollTimers();
    KTShadowManager()->RemoveShadow(this);
    if (GetSafeHwnd())
        DestroyWindow();
    if (CKTCommandBar* pParent = GetParentCommandBar())
        pParent->SetPopuped(-1);
    NotifySite(KTWM_UNINITCOMMANDSPOPUP);
    m_pControlPopup = NULL;
    UpdateSite();
    return TRUE;
}

// What the popup covered or uncovered is painted at once, not after the menu loop's next wait.
void CKTPopupBar::UpdateSite()
{
    CWnd* pSite = GetSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->UpdateWindow();
}

BOOL CKTPopupBar::TakeReturnCommand(UINT nId)
{
    if (!m_pReturnCommand)
        return FALSE;
    *m_pReturnCommand = nId;
    return TRUE;
}

CSize CKTPopupBar::CalcDynamicLayout(int nLength, DWORD)
{
    // Place holders take their items away and make them anew, which forgets the selection: the entry the keyboard
    // lit stays lit.
    CKTControl* pSelected = GetControl(m_nSelected);
    const int nKeyboard = pSelected ? pSelected->GetSelected() : ktSelectionNone;
    const int nKept = KTIsKeyboardSelection(nKeyboard) ? m_nSelected : -1;
    m_bLayoutLock = TRUE;
    if (nLength == 0)
    {
        // Place holders add items after themselves, so the count is read again each time.
        for (int i = 0; i < GetControlCount(); i++)
            GetControl(i)->OnCalcDynamicSize(0);
        UpdateExpandingState();
        UpdateShortcuts();
    }
    CRect rcBorders = GetBorders();
    int nExpandHeight = 0;
    ReserveSpecialRows(rcBorders, nExpandHeight);
    CSize sz = m_pControls->CalcPopupSize(rcBorders, nLength);
    PlaceSpecialRows(sz, rcBorders, nExpandHeight);
    m_bLayoutLock = FALSE;
    CKTControl* pKept = GetControl(nKept);
    if (m_nSelected == -1 && pKept && pKept->IsVisible())
        SetSelected(nKept, nKeyboard);
    return sz;
}

void CKTPopupBar::OnRecalcLayout()
{
    if (m_bLayoutLock || !GetSafeHwnd() || m_nTrackingMode == ktTrackingNone)
        return;
    UpdateLocation();
    CSize sz = CalcDynamicLayout(0, 0);
    const CRect rcNew = CalcPopupRect(sz.cx, sz.cy);
    if (rcNew == CKTWindowRect(this) && !m_bExpanding)
    {
        Redraw(NULL, TRUE);
        return;
    }
    // Tips would stand over the old places of the controls: they come back once the bar is laid out.
    CKTKeyboardTips* pTips = GetCommandBars() ? GetCommandBars()->GetKeyboardTips() : NULL;
    const BOOL bTips = pTips && pTips->GetBar() != NULL;
    if (bTips)
        pTips->Hide();
    KTShadowManager()->RemoveShadow(this);
    if (!m_bExpanding || !PlayExpanding(rcNew))
    {
        SetWindowPos(NULL, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
        GetPaintManager()->AdjustPopupBar(this);
    }
    CastShadow();
    if (CKTControlPopup* pOpening = m_pControlPopup ? m_pControlPopup->AsControlPopup() : NULL)
        pOpening->UpdateShadow();
    Redraw(NULL, TRUE);
    if (bTips)
        PostMessage(WM_TIMER, KT_TIMER_KEYBOARDTIPS, 0);
}

void CKTPopupBar::DelayLayout()
{
    CKTCommandBar::DelayLayout();
    Redraw(NULL, TRUE);
}

void CKTPopupBar::OnControlsChanged()
{
    ForgetSelection();
    OnRecalcLayout();
}

void CKTPopupBar::CastShadow()
{
    if (m_nBarPosition != ktBarPopup || !m_bShowShadow)
        return;
    KTShadowManager()->RemoveShadow(this);
    KTShadowManager()->SetShadow(this, m_rcExclude);
}
