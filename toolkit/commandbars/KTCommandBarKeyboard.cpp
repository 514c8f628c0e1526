// KTCommandBarKeyboard.cpp: keys that a tracking bar takes: moving the selection, opening and closing popups,
// access keys.
#include "KTCommandBar.h"

#include "KTAcceleratorManager.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTDrawHelpers.h"
#include "KTKeyState.h"
#include "KTKeyboardHookManager.h"
#include "KTKeyboardTips.h"
#include "KTToolBar.h"

namespace
{
// The letter that picks the caption: the one it underlines, else its first character.
TCHAR AccessLetter(const CString& strCaption, BOOL* pExplicit)
{
    const TCHAR chLetter = CKTDrawHelpers::GetAccessLetter(strCaption);
    *pExplicit = chLetter != 0;
    return *pExplicit ? chLetter : strCaption[0];
}
}  // namespace

int CKTCommandBar::KeyToNavigationCode(UINT nChar) const
{
    BOOL bHorizontal = m_nBarPosition == ktBarTop || m_nBarPosition == ktBarBottom || m_nBarPosition == ktBarFloating ||
                       (m_nBarPosition == ktBarPopup && m_nBarType == ktBarTypeNormal);
    BOOL bRTL = IsLayoutRTL();
    switch (nChar)
    {
    case VK_HOME:
        return ktNavHome;
    case VK_END:
        return ktNavEnd;
    case VK_LEFT:
        return bHorizontal ? (bRTL ? ktNavNext : ktNavPrevious) : (bRTL ? ktNavPopup : ktNavBack);
    case VK_RIGHT:
        return bHorizontal ? (bRTL ? ktNavPrevious : ktNavNext) : (bRTL ? ktNavBack : ktNavPopup);
    case VK_UP:
        return bHorizontal ? ktNavBack : ktNavPrevious;
    case VK_DOWN:
        return bHorizontal ? ktNavPopup : ktNavNext;
    }
    return -1;
}

BOOL CKTCommandBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    // Customising and context help leave the keys to the windows.
    if (IsCustomizeMode() || IsSiteInHelpMode())
        return ktHookStopHere;
    if (m_nLockRecurse > 0)
        return TRUE;
    CKTSmartPtr<CKTCommandBar> pHold(this);
    // The site hears of every key first, those typed into a field of the bar included.
    if (!NotifySiteOfKey(nChar, lParam))
        return TRUE;
    // A control holding the focus sees its keys before the bar navigates with them.
    CKTControl* pFocused = GetControl(m_nSelected);
    if (pFocused && pFocused->IsFocused())
    {
        CKTSmartPtr<CKTControl> pHoldControl(pFocused);
        const int nAnswer = pFocused->OnHookKeyDown(nChar, lParam);
        if (nAnswer != ktHookContinue)
            return nAnswer;
    }
    return GetSafeHwnd() ? OnBarKey(nChar) : TRUE;
}

// The bar's own keys, once the site and a focused field have let the key go on.
BOOL CKTCommandBar::OnBarKey(UINT nChar)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    switch (nChar)
    {
    case VK_TAB:
        if (KTIsKeyDown(VK_CONTROL) && pCommandBars && GetRootParent()->AsToolBar())
            return pCommandBars->ActivateNextToolBar(GetRootParent(), KTIsKeyDown(VK_SHIFT) ? -1 : 1) || TRUE;
        HandleNavigationCode(KTIsKeyDown(VK_SHIFT) ? ktNavPrevious : ktNavNext);
        FocusSelectedField();
        return TRUE;
    case VK_RETURN:
        return HandleNavigationCode(ktNavReturn) || TRUE;
    case VK_ESCAPE:
        return HandleNavigationCode(ktNavEscape) || TRUE;
    case VK_SPACE:
        if (m_nBarType == ktBarTypeMenuBar && pCommandBars)
        {
            OpenSystemMenu(pCommandBars);
            return TRUE;
        }
        break;
    }
    HWND hFocus = ::GetFocus();
    if (hFocus && ::IsChild(m_hWnd, hFocus))
        return ktHookStopHere;
    int nCode = KeyToNavigationCode(nChar);
    if (nCode != -1)
        return HandleNavigationCode(nCode);
    if (::MapVirtualKey(nChar, 2) == 0)
        return TRUE;
    return OnCharacterKey(nChar);
}

// A key with a character: keyboard tips, a frame access key on a toolbar, then the bar's own access keys.
BOOL CKTCommandBar::OnCharacterKey(UINT nChar)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars && pCommandBars->GetKeyboardTips()->GetBar() == this && !KTIsKeyDown(VK_CONTROL))
        return pCommandBars->GetKeyboardTips()->OnKey(this, nChar);
    if (pCommandBars && m_nBarType == ktBarTypeNormal && AsToolBar() && pCommandBars->OnFrameAccessKey(nChar))
    {
        CKTKeyboardHookManager::Instance()->DiscardCurrentKey();
        return TRUE;
    }
    BOOL bAmbiguous = FALSE;
    int nIndex = KTIsKeyDown(VK_CONTROL) ? -1 : FindAccessKey(nChar, &bAmbiguous);
    if (nIndex != -1)
    {
        SetSelected(nIndex, ktSelectionKeyboard);
        if (!bAmbiguous)
            TipByKey(GetControl(nIndex));
        return TRUE;
    }
    ::MessageBeep(0);
    return TRUE;
}

// The site may put another key in place of this one, or take it by zeroing it: FALSE then, and when the bar's
// window went away while the site looked at the key.
BOOL CKTCommandBar::NotifySiteOfKey(UINT& nChar, LPARAM lParam)
{
    CWnd* pSite = GetSite();
    if (!pSite || !pSite->GetSafeHwnd())
        return TRUE;
    KT_BARKEYDOWN key = {nChar, lParam};
    pSite->SendMessage(KTWM_BARKEYDOWN, (WPARAM)&key, (LPARAM)this);
    nChar = key.nKey;
    return nChar != 0 && GetSafeHwnd() != NULL && ::IsWindow(GetSafeHwnd());
}

// Tab onto a field hands it the keyboard focus.
void CKTCommandBar::FocusSelectedField()
{
    CKTControl* pSelected = GetControl(m_nSelected);
    if (pSelected && pSelected->IsFocusable() && !pSelected->IsFocused())
        pSelected->SetFocused(TRUE);
}

void CKTCommandBar::MoveFocusToTabStop(BOOL bPrevious)
{
    CWnd* pParent = GetParent();
    CWnd* pNext = pParent ? pParent->GetNextDlgTabItem(this, bPrevious) : NULL;
    if (pNext && pNext != this)
        pNext->SetFocus();
}

// The system menu opens once the bars let the keyboard go.
void CKTCommandBar::OpenSystemMenu(CKTCommandBars* pCommandBars)
{
    CKTKeyboardHookManager::Instance()->DiscardCurrentKey();
    pCommandBars->ClosePopups();
    if (CWnd* pSite = GetSite())
        pSite->PostMessage(WM_SYSCOMMAND, SC_KEYMENU, ' ');
}

// The key is spent on the click: a dialog the command opens must not receive it as well.
void CKTCommandBar::ClickByKey(CKTControl* pControl)
{
    CKTKeyboardHookManager::Instance()->DiscardCurrentKey();
    const CKTSmartPtr<CKTControl> pHold(pControl);
    pControl->OnClick(TRUE);
}

// An access key does what the control's keyboard tip does: a split button opens its menu rather than run.
void CKTCommandBar::TipByKey(CKTControl* pControl)
{
    CKTKeyboardHookManager::Instance()->DiscardCurrentKey();
    const CKTSmartPtr<CKTControl> pHold(pControl);
    pControl->OnKeyboardTip();
}

// An entry the pointer chose shows the keyboard's selection once a key opens it.
void CKTCommandBar::ReselectByKeyboard()
{
    const int nSelected = m_nSelected;
    SetSelected(-1);
    SetSelected(nSelected, ktSelectionKeyboard);
}

int CKTCommandBar::FindAccessKey(UINT nChar, BOOL* pAmbiguous, BOOL bFirstLetter) const
{
    int nCount = GetControlCount(), nExplicit = -1, nFirstLetter = -1;
    int nExplicitMatches = 0, nFirstLetterMatches = 0;
    for (int i = 1; i <= nCount; i++)
    {
        int nIndex = (m_nSelected + i + nCount) % nCount;
        CKTControl* pControl = GetControl(nIndex);
        CString strCaption = pControl->GetCaption();
        if (!pControl->IsVisible() || !pControl->IsEnabled() || strCaption.IsEmpty() || !TakesAccessLetter(pControl))
            continue;
        BOOL bExplicit = FALSE;
        if (!CKTAcceleratorManager::CompareAccelKey(AccessLetter(strCaption, &bExplicit), nChar) ||
            (!bExplicit && !bFirstLetter))
            continue;
        int& nMatch = bExplicit ? nExplicit : nFirstLetter;
        if (nMatch == -1)
            nMatch = nIndex;
        ++(bExplicit ? nExplicitMatches : nFirstLetterMatches);
    }
    // First letters count only where no '&' letter matched.
    *pAmbiguous = nExplicitMatches > 1 || (nExplicitMatches == 0 && nFirstLetterMatches > 1);
    return nExplicit != -1 ? nExplicit : nFirstLetter;
}

// Off a popup a control drawing itself already shows no caption; on a menu or a menu bar every caption is drawn
// but where the control draws itself instead.
BOOL CKTCommandBar::TakesAccessLetter(const CKTControl* pControl) const
{
    return IsAccessByShownCaptionOnly() ? pControl->IsCaptionVisible() : !pControl->IsDrawnByItself();
}

BOOL CKTCommandBar::HandleNavigationCode(int nCode)
{
    CKTControl* pSelected = GetControl(m_nSelected);
    BOOL bPopupToolBar = m_nBarPosition == ktBarPopup && m_nBarType == ktBarTypeNormal;
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (nCode == ktNavNext || nCode == ktNavPrevious)
        HideKeyboardTips();
    if (bPopupToolBar && pSelected && m_nSelected == m_nPopuped)
    {
        if (nCode == ktNavNext)
            return FALSE;
        if (nCode == ktNavPrevious)
            nCode = ktNavBack;
    }
    BOOL bOpensPopup = pSelected && pSelected->IsEnabled() && pSelected->AsControlPopup();
    if (nCode == ktNavBack && m_nPopuped == -1 && bOpensPopup && (bPopupToolBar || GetParentCommandBar() == NULL))
        nCode = ktNavPopup;
    BOOL bRows = bPopupToolBar || m_nBarPosition == ktBarFloating;
    if ((nCode == ktNavBack || nCode == ktNavPopup) && m_nPopuped == -1 && bRows && !bOpensPopup)
        return MoveToRow(nCode == ktNavPopup ? 1 : -1) || TRUE;
    switch (nCode)
    {
    case ktNavNext:
        return SetSelected(m_pControls->GetNext(m_nSelected, 1), ktSelectionKeyboard) || TRUE;
    case ktNavPrevious:
        return SetSelected(m_pControls->GetNext(m_nSelected, -1), ktSelectionKeyboardBack) || TRUE;
    case ktNavHome:
        return SetSelected(m_pControls->GetNext(-1, 1), ktSelectionKeyboard) || TRUE;
    case ktNavEnd:
        return SetSelected(m_pControls->GetNext(-1, -1), ktSelectionKeyboardBack) || TRUE;
    case ktNavBack:
        if (m_nPopuped == -1)
            return FALSE;
        SetPopuped(-1);
        SetTrackingMode(ktTrackingOn);
        return TRUE;
    case ktNavPopup:
        if (!pSelected || m_nPopuped == m_nSelected)
            return FALSE;
        ReselectByKeyboard();
        return SetPopuped(m_nSelected, TRUE);
    case ktNavEscape:
        if (pCommandBars && pCommandBars->GetKeyboardTips()->GetLevel() > 1)
        {
            pCommandBars->GetKeyboardTips()->Show(this, pCommandBars->GetKeyboardTips()->GetLevel() - 1);
            return TRUE;
        }
        if (CKTCommandBar* pParent = GetParentCommandBar())
            pParent->SetTrackingMode(ktTrackingOn);
        SetTrackingMode(ktTrackingNone);
        return TRUE;
    case ktNavReturn:
        if (pSelected)
            ClickByKey(pSelected);
        return TRUE;
    }
    return FALSE;
}

// Up and Down across the rows of a multi-row bar: the control of the next row in the direction that starts
// nearest at or before the selection's left edge, else that row's leftmost one.
BOOL CKTCommandBar::MoveToRow(int nDirection)
{
    int nKeyboard = nDirection > 0 ? ktSelectionKeyboard : ktSelectionKeyboardBack;
    CKTControl* pSelected = GetControl(m_nSelected);
    if (!pSelected)
        return SetSelected(m_pControls->GetNext(-1, nDirection), nKeyboard);
    const int nTop = pSelected->GetRowRect().top, nLeft = pSelected->GetRect().left;
    int nRowTop = nTop;
    for (int i = m_pControls->GetNext(m_nSelected, nDirection); i != -1 && i != m_nSelected && nRowTop == nTop;
         i = m_pControls->GetNext(i, nDirection))
        if (!GetControl(i)->GetRect().IsRectEmpty())
            nRowTop = GetControl(i)->GetRowRect().top;
    if (nRowTop == nTop)
        return FALSE;
    int nBefore = -1, nLeftmost = -1;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CKTControl* pControl = GetControl(i);
        CRect rc = pControl->GetRect();
        if (!pControl->IsVisible() || rc.IsRectEmpty() || pControl->GetRowRect().top != nRowTop)
            continue;
        if (rc.left <= nLeft && (nBefore == -1 || GetControl(nBefore)->GetRect().left < rc.left))
            nBefore = i;
        if (nLeftmost == -1 || rc.left < GetControl(nLeftmost)->GetRect().left)
            nLeftmost = i;
    }
    return SetSelected(nBefore != -1 ? nBefore : nLeftmost, nKeyboard);
}
