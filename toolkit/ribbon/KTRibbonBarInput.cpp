// KTRibbonBarInput.cpp: the ribbon's answers to the mouse, the wheel and the keyboard tips: its caption strip, its
// context menus, tab switching, and bringing a control into view.
#include "KTRibbonBar.h"

#include "KTAcceleratorManager.h"
#include "KTCommandBarKeyboardTip.h"
#include "KTCommandBars.h"
#include "KTControlAction.h"
#include "KTControls.h"
#include "KTDrawHelpers.h"
#include "KTKeyboardHookManager.h"
#include "KTKeyboardTips.h"
#include "KTKeyState.h"
#include "KTMouseHookManager.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonGroup.h"
#include "KTRibbonGroupControlPopup.h"
#include "KTRibbonQuickAccess.h"
#include "KTRibbonTab.h"

#include <algorithm>
#include <memory>

namespace
{
const int KT_MAX_QUICKACCESS_TIPS = 18;
const int KT_CAPTION_SIZE_EDGE = 5;        // the top edge of the caption that sizes the frame
const UINT KT_WM_POPUPSYSTEMMENU = 0x313;  // the frame opens its system menu at a screen point

// The frame's system menu leaves the command on.
BOOL IsSysCommandAllowed(CWnd* pFrame, UINT nCommand)
{
    HMENU hMenu = ::GetSystemMenu(pFrame->GetSafeHwnd(), FALSE);
    if (!hMenu)
        return TRUE;
    const UINT nState = ::GetMenuState(hMenu, nCommand, MF_BYCOMMAND);
    return nState == (UINT)-1 || !(nState & (MF_GRAYED | MF_DISABLED));
}
}  // namespace

BOOL CKTRibbonBar::IsOnCaption(CPoint pt) const { return HitTestCaption(pt) == HTCAPTION; }

int CKTRibbonBar::HitTestCaption(CPoint pt) const
{
    // A strip under the frame's own caption is no caption of the frame's.
    if (IsCustomizeMode() || !m_pFrameRegion || !m_rcCaption.PtInRect(pt) || m_pControls->HitTest(pt) ||
        m_contextHeaders.HitTest(pt))
        return 0;
    CFrameWnd* pFrame = GetFrameSite();
    const DWORD dwStyle = pFrame && pFrame->GetSafeHwnd() ? pFrame->GetStyle() : 0;
    if (pt.y >= m_rcCaption.top + KT_CAPTION_SIZE_EDGE || !(dwStyle & WS_THICKFRAME))
        return HTCAPTION;
    return (dwStyle & WS_MAXIMIZE) ? HTCAPTION : HTTOP;
}

// The caption's top edge sizes the frame: the frame shows its own sizing cursor there.
BOOL CKTRibbonBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    const int nHit = HitTestCaption(pt);
    CFrameWnd* pFrame = GetFrameSite();
    if (nHit < HTLEFT || nHit > HTBOTTOMRIGHT || !pFrame)
        return CKTMenuBar::OnSetCursor(pWnd, nHitTest, message);
    pFrame->SendMessage(WM_SETCURSOR, (WPARAM)pFrame->GetSafeHwnd(), MAKELPARAM(nHit, message));
    return TRUE;
}

// On glass the system's own caption buttons lie under the ribbon's caption strip: the frame takes the mouse there.
LRESULT CKTRibbonBar::OnNcHitTest(CPoint point)
{
    if (IsDwmEnabled())
    {
        switch (m_pFrameRegion->HitTestComposition(point))
        {
        case HTMINBUTTON:
        case HTMAXBUTTON:
        case HTCLOSE:
        case HTHELP:
            return HTTRANSPARENT;
        }
    }
    return CKTMenuBar::OnNcHitTest(point);
}

INT_PTR CKTRibbonBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (m_pControlTab && m_pControlTab->IsVisible() && m_pControlTab->GetRect().PtInRect(point))
    {
        const INT_PTR nHit = m_pControlTab->CKTTabManager::OnToolHitTest(m_hWnd, point, pTI);
        if (nHit != -1)
            return nHit;
    }
    const INT_PTR nHit = CKTMenuBar::OnToolHitTest(point, pTI);
    CKTControl* pControl = nHit != -1 ? m_pControls->HitTest(point) : NULL;
    if (pControl && pControl->GetRibbonGroup())
        pTI->rect = m_rcGroups;
    return nHit;
}

void CKTRibbonBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (KT_RIBBONCONTEXTHEADER* pHeader = m_contextHeaders.HitTest(point))
    {
        if (m_pControlTab)
            m_pControlTab->SetSelectedItem(pHeader->pFirstTab);
        return;
    }
    const int nHit = HitTestCaption(point);
    CFrameWnd* pFrame = GetFrameSite();
    if (!nHit || !pFrame)
    {
        CKTMenuBar::OnLButtonDown(nFlags, point);
        return;
    }
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->ClosePopups();
    UpdateWindow();
    if (pFrame->GetStyle() & WS_MAXIMIZE)
        return;
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (nHit == HTCAPTION)
        pFrame->PostMessage(WM_SYSCOMMAND, SC_MOVE | HTCAPTION, MAKELPARAM(ptScreen.x, ptScreen.y));
    else if (nHit >= HTLEFT && nHit <= HTBOTTOMRIGHT && IsSysCommandAllowed(pFrame, SC_SIZE))
        pFrame->PostMessage(WM_SYSCOMMAND, SC_SIZE + nHit - HTLEFT + 1, MAKELPARAM(ptScreen.x, ptScreen.y));
}

void CKTRibbonBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CFrameWnd* pFrame = GetFrameSite();
    const BOOL bOnHeader = m_pFrameRegion && m_contextHeaders.HitTest(point);
    if (!(IsOnCaption(point) || bOnHeader) || !pFrame)
    {
        CKTMenuBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    const DWORD dwStyle = pFrame->GetStyle();
    const LPARAM lPoint = MAKELPARAM(ptScreen.x, ptScreen.y);
    if (dwStyle & (WS_MINIMIZE | WS_MAXIMIZE))
        pFrame->PostMessage(WM_SYSCOMMAND, SC_RESTORE | HTCAPTION, lPoint);
    else if ((dwStyle & WS_MAXIMIZEBOX) && IsSysCommandAllowed(pFrame, SC_MAXIMIZE))
        pFrame->PostMessage(WM_SYSCOMMAND, SC_MAXIMIZE | HTCAPTION, lPoint);
}

void CKTRibbonBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    // Customising, a right press picks the control out as on any bar.
    if (IsCustomizeMode())
    {
        CKTMenuBar::OnRButtonDown(nFlags, point);
        return;
    }
    SetTrackingMode(ktTrackingNone);
    SetSelected(-1);
    if (HitTestCaption(point))
        return;
    const CKTSmartPtr<CKTControl> pControl = m_pControls->HitTest(point);
    if (pControl)
    {
        if (!pControl->OnRButtonDown(point))
            ShowContextMenu(point, pControl);
        return;
    }
    // A bare spot of the caption line stands for the group.
    if (CKTRibbonGroup* pGroup = GroupCaptionAt(point))
        ShowContextMenu(point, pGroup->GetControlPopup());
}

// The group whose caption line holds the point: it stands for the whole group.
CKTRibbonGroup* CKTRibbonBar::GroupCaptionAt(CPoint pt) const
{
    CKTRibbonGroup* pGroup = IsGroupsVisible() ? GetSelectedTab()->GetGroups()->HitTest(pt) : NULL;
    if (!pGroup || pt.y < pGroup->GetRect().bottom - GetRibbonPainter()->GetGroupCaptionHeight())
        return NULL;
    return pGroup;
}

// A second right click on the same spot soon after the first comes as a double click: it opens the menu again.
void CKTRibbonBar::OnRButtonDblClk(UINT nFlags, CPoint point) { OnRButtonDown(nFlags, point); }

void CKTRibbonBar::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (!IsOnCaption(point))
    {
        CKTMenuBar::OnRButtonUp(nFlags, point);
        return;
    }
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->ClosePopups();
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (CFrameWnd* pFrame = GetFrameSite())
        pFrame->SendMessage(KT_WM_POPUPSYSTEMMENU, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
}

void CKTRibbonBar::SelectAdjacentTab(BOOL bNext)
{
    if (m_pControlTab && GetSafeHwnd())
        m_pControlTab->PerformKeyDown(GetSafeHwnd(), bNext ? VK_RIGHT : VK_LEFT);
}

// While the ribbon holds the keyboard with no popup over it, the wheel moves between its tabs.
BOOL CKTRibbonBar::OnHookMouseWheel(int nDelta, CPoint)
{
    SelectAdjacentTab(nDelta <= 0);
    return TRUE;
}

int CKTRibbonBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult)
{
    if (!hWnd || !GetSafeHwnd() || !IsWindowVisible())
        return CKTMenuBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
    if (nMessage == WM_CONTEXTMENU && m_nTrackingMode != ktTrackingNone)
    {
        CKTControl* pSelected = GetControl(m_nSelected);
        if (lParam == (LPARAM)-1 && pSelected)
            ShowContextMenu(pSelected->GetRect().TopLeft(), pSelected);
        lResult = TRUE;
        return ktHookHandled;
    }
    return CKTMenuBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
}

void CKTRibbonBar::CreateKeyboardTips()
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    if (pCommandBars->GetKeyboardTips()->GetLevel() > 1)
    {
        CreateGroupKeyboardTips(GetSelectedTab());
        return;
    }
    int nQuick = 0;
    for (int i = 0; i < m_pQuickAccess->GetCount() && nQuick < KT_MAX_QUICKACCESS_TIPS; i++)
    {
        CKTControl* pControl = m_pQuickAccess->GetAt(i);
        if (!pControl->IsVisible())
            continue;
        nQuick++;
        CString strTip;
        strTip.Format(nQuick <= 9 ? "%i" : "0%i", nQuick <= 9 ? nQuick : nQuick - 9);
        const CRect rc = pControl->GetRect();
        auto pTip =
            std::make_unique<CKTCommandBarKeyboardTip>(pCommandBars, pControl, strTip, rc.CenterPoint().x,
                                                       rc.bottom - 11, ktTipAlignCenterHorz, pControl->IsEnabled());
        pTip->SetTipText(strTip);
        pCommandBars->GetKeyboardTips()->Add(std::move(pTip));
    }
    for (int i = 0; m_pControlTab && i < m_pControlTab->GetItemCount(); i++)
    {
        CKTRibbonTab* pTab = m_pControlTab->GetTab(i);
        if (!pTab->IsVisible() || !pTab->IsEnabled() || pTab->GetCaption().IsEmpty())
            continue;
        const CRect rc = pTab->GetRect();
        pCommandBars->GetKeyboardTips()->Add(std::make_unique<CKTCommandBarKeyboardTip>(
            pCommandBars, pTab, pTab->GetCaption(), rc.CenterPoint().x, rc.bottom - 9, ktTipAlignCenterHorz, TRUE));
    }
    if (m_pSystemButton && m_pSystemButton->IsVisible())
    {
        const CPoint c = m_pSystemButton->GetRect().CenterPoint();
        pCommandBars->GetKeyboardTips()->Add(std::make_unique<CKTCommandBarKeyboardTip>(
            pCommandBars, m_pSystemButton, m_pSystemButton->GetCaption(), c.x, c.y,
            ktTipAlignCenterHorz | ktTipAlignCenterVert, m_pSystemButton->IsEnabled()));
    }
}

void CKTRibbonBar::CreateGroupKeyboardTips(CKTRibbonTab* pTab) { AddGroupKeyboardTips(pTab, m_rcGroups); }

void CKTRibbonBar::AddGroupKeyboardTips(CKTRibbonTab* pTab, CRect rcGroups) const
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pTab || !pCommandBars)
        return;
    for (int g = 0; g < pTab->GetGroups()->GetCount(); g++)
    {
        CKTRibbonGroup* pGroup = pTab->GetGroups()->GetAt(g);
        if (!pGroup->IsVisible())
            continue;
        for (CKTControl* pControl : pGroup->GetKeyboardControls())
        {
            CRect rc = pControl->GetRect(), rcInside;
            if (!pControl->IsVisible() || !pControl->IsEnabled() || !rcInside.IntersectRect(rc, rcGroups) ||
                rcInside != rc)
                continue;
            DWORD dwAlign = 0;
            const CPoint pt = GroupTipAnchor(pGroup, pControl, dwAlign);
            auto pTip = std::make_unique<CKTCommandBarKeyboardTip>(pCommandBars, pControl, pControl->GetCaption(), pt.x,
                                                                   pt.y, dwAlign, TRUE);
            if (CKTControlAction* pAction = pControl->GetAction())
                if (!pAction->GetKeyboardTip().IsEmpty())
                    pTip->SetTipText(pAction->GetKeyboardTip());
            pCommandBars->GetKeyboardTips()->Add(std::move(pTip));
        }
    }
}

// On the caption line, over a large button, at a gallery's edge, or at the left in the control's third of the group.
CPoint CKTRibbonBar::GroupTipAnchor(CKTRibbonGroup* pGroup, CKTControl* pControl, DWORD& dwAlign) const
{
    const CRect rcGroup = pGroup->GetRect(), rc = pControl->GetRect();
    const int nClientTop = rcGroup.top, nClientBottom = rcGroup.bottom - GetRibbonPainter()->GetGroupCaptionHeight();
    const int nThird = std::max(1, (nClientBottom - nClientTop) / 3);
    dwAlign = ktTipAlignCenterHorz | ktTipAlignCenterVert;
    if (rc.top >= nClientBottom)
    {
        dwAlign = ktTipAlignCenterHorz;
        return CPoint(rc.CenterPoint().x, rcGroup.bottom - 6);
    }
    if (pControl->GetStyle() == ktButtonIconAndCaptionBelow && rc.Height() > rcGroup.Height() / 2)
        return rc.CenterPoint();
    if (pControl->GetType() == ktControlGallery)
        return CPoint(rc.right, rc.CenterPoint().y);
    dwAlign = ktTipAlignCenterVert;
    CPoint pt(rc.left + 11, nClientTop + 2);
    if (rc.CenterPoint().y - nClientTop >= 2 * nThird)
        pt.y = nClientBottom;
    else if (rc.CenterPoint().y - nClientTop >= nThird)
        pt.y = nClientTop + (nClientBottom - nClientTop) / 2;
    return pt;
}

void CKTRibbonBar::OnKeyboardTip(CKTCommandBarKeyboardTip* pTip)
{
    CKTRibbonTab* pTab = dynamic_cast<CKTRibbonTab*>(pTip->GetTarget());
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pTab || !pCommandBars || !m_pControlTab)
    {
        CKTMenuBar::OnKeyboardTip(pTip);
        return;
    }
    CKTKeyboardHookManager::Instance()->DiscardCurrentKey();
    OpenTabByKeyboard(pTab);
}

void CKTRibbonBar::OpenTabByKeyboard(CKTRibbonTab* pTab)
{
    if (m_bMinimized)
    {
        DropTabDownByKeyboard(pTab);
        return;
    }
    m_pControlTab->SetSelectedItem(pTab);
    SetTrackingMode(ktTrackingOn, FALSE, TRUE);
    SetSelected(m_pControlTab->GetIndex(), ktSelectionKeyboard);
    GetCommandBars()->GetKeyboardTips()->Show(this, 2);
}

// Tracking by keyboard with the tips at their first level before the tab drops down: its popup takes the keys
// and brings the tips of its controls.
void CKTRibbonBar::DropTabDownByKeyboard(CKTRibbonTab* pTab)
{
    SetTrackingMode(ktTrackingOn, FALSE, TRUE);
    GetCommandBars()->GetKeyboardTips()->Arm();
    m_pControlTab->SetSelectedItem(pTab);
    SetSelected(m_pControlTab->GetIndex(), ktSelectionKeyboard);
}

CKTRibbonTab* CKTRibbonBar::FindTabByAccessKey(UINT nKey) const
{
    for (int i = 0; m_pControlTab && i < m_pControlTab->GetItemCount(); i++)
    {
        CKTRibbonTab* pTab = m_pControlTab->GetTab(i);
        const TCHAR chLetter = CKTDrawHelpers::GetAccessLetter(pTab->GetCaption());
        if (pTab->IsVisible() && pTab->IsEnabled() && chLetter &&
            CKTAcceleratorManager::CompareAccelKey(chLetter, nKey))
            return pTab;
    }
    return NULL;
}

BOOL CKTRibbonBar::ProcessAccessKey(UINT nKey)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || KTIsKeyDown(VK_CONTROL))
        return FALSE;
    if (nKey == VK_MENU)
        return FocusTabRow();
    CKTRibbonTab* pTab = FindTabByAccessKey(nKey);
    if (!pTab)
        return FALSE;
    if (m_nTrackingMode == ktTrackingNone)
        pCommandBars->ClosePopups();
    pCommandBars->ShowKeyboardCues(TRUE);
    OpenTabByKeyboard(pTab);
    return TRUE;
}

// Alt alone: the keyboard on the tab row, or on the first control of a minimised ribbon.
BOOL CKTRibbonBar::FocusTabRow()
{
    if (!m_pControlTab || m_pControlTab->GetItemCount() == 0)
        return FALSE;
    // The bars' own focus takes the first control; a full ribbon moves on to its tabs.
    GetCommandBars()->SetToolBarFocus(this);
    if (!m_bMinimized)
    {
        SetSelected(m_pControlTab->GetIndex(), ktSelectionKeyboard);
        m_pControlTab->SetKeyboardFocus(TRUE);
    }
    return TRUE;
}

void CKTRibbonBar::EnsureControlVisible(CKTControl* pControl)
{
    CKTRibbonGroup* pGroup = pControl ? pControl->GetRibbonGroup() : NULL;
    if (!pGroup || !m_pControlTab)
        return;
    if (pGroup->GetRibbonTab() != GetSelectedTab())
    {
        m_pControlTab->SetSelectedItem(pGroup->GetRibbonTab());
        OnRecalcLayout();
    }
    if (m_scroller.ScrollIntoView(pControl->GetRect(), m_rcGroups))
        OnRecalcLayout();
}

BOOL CKTRibbonBar::CanHighlightGroup() const
{
    CKTMouseHookManager* pMouse = CKTMouseHookManager::Instance();
    CKTCommandBar* pTracked = pMouse->GetTopTrackedBar();
    if ((pTracked && pTracked != this) || !IsActive() || pMouse->IsTrackedLock(this) || IsMouseLocked())
        return FALSE;
    return m_nSelected == -1 && GetRibbonPainter()->HighlightsGroups();
}

void CKTRibbonBar::SetHighlightedGroup(CKTRibbonGroup* pGroup)
{
    if (m_pHighlightedGroup == pGroup)
        return;
    const CKTSmartPtr<CKTRibbonGroup> pOld = m_pHighlightedGroup;
    m_pHighlightedGroup = pGroup;
    if (!GetSafeHwnd())
        return;
    if (pOld)
        Redraw(pOld->GetRect(), FALSE);
    if (pGroup)
        Redraw(pGroup->GetRect(), FALSE);
}

void CKTRibbonBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CKTRibbonGroup* pGroup =
        IsGroupsVisible() && m_rcGroups.PtInRect(point) ? GetSelectedTab()->GetGroups()->HitTest(point) : NULL;
    if (CanHighlightGroup())
    {
        SetHighlightedGroup(pGroup);
        // Between controls the bar sees no leave of its own.
        if (pGroup)
            CKTMouseHookManager::Instance()->TrackMouseLeave(GetSafeHwnd());
    }
    else if (pGroup != m_pHighlightedGroup)
    {
        // A control that holds the bar keeps its group lit, but not once the mouse has left that group.
        SetHighlightedGroup(NULL);
    }
    // The strip hears every move, not only those the bar passes to its hot control: a tab lit before the controls
    // were renumbered is no longer the bar's selection, and nothing else would put it out.
    if (m_pControlTab && !IsCustomizeMode() && !CKTMouseHookManager::Instance()->IsTrackedLock(this))
        m_pControlTab->PerformMouseMove(GetSafeHwnd(), point);
    CKTMenuBar::OnMouseMove(nFlags, point);
}

void CKTRibbonBar::OnMouseLeave()
{
    if (m_pControlTab)
        m_pControlTab->PerformMouseMove(GetSafeHwnd(), CPoint(-1, -1));
    SetHighlightedGroup(NULL);
    CKTMenuBar::OnMouseLeave();
}

BOOL CKTRibbonBar::SetTrackingMode(int nMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    if (m_pControlTab && GetSafeHwnd())
        m_pControlTab->PerformMouseMove(GetSafeHwnd(), CPoint(-1, -1));
    SetHighlightedGroup(NULL);
    const BOOL bWasTracking = GetTrackingMode() != ktTrackingNone;
    const BOOL bResult = CKTMenuBar::SetTrackingMode(nMode, bSelectFirst, bKeyboard);
    if (bWasTracking != (GetTrackingMode() != ktTrackingNone))
        Redraw(m_rcTabRow, FALSE);
    return bResult;
}
