// KTCommandBarKeyboard.cpp: keys that a tracking bar takes: moving the selection, opening and closing popups,
// access keys.
#include "KTCommandBar.h"

#include "KTAcceleratorManager.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTKeyboardHookManager.h"
#include "KTKeyboardTips.h"
#include "KTToolBar.h"

namespace
{
BOOL IsKeyDown(int nKey) { return (::GetKeyState(nKey) & 0x8000) != 0; }

// The letter that picks the caption: after its '&', else its first character.
TCHAR AccessLetter(const CString& strCaption, BOOL* pExplicit)
{
    int nAmp = strCaption.Find('&');
    *pExplicit = nAmp >= 0 && nAmp < strCaption.GetLength() - 1;
    return *pExplicit ? strCaption[nAmp + 1] : strCaption[0];
}
}  // namespace

int CKTCommandBar::KeyToNavigationCode(UINT nChar) const
{
    BOOL bHorizontal = m_nBarPosition == ktBarTop || m_nBarPosition == ktBarBottom || m_nBarPosition == ktBarFloating ||
                       (m_nBarPosition == ktBarPopup && m_nBarType == ktBarTypeNormal);
    BOOL bRTL = GetSafeHwnd() && (GetExStyle() & WS_EX_LAYOUTRTL);
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

BOOL CKTCommandBar::OnHookKeyDown(UINT nChar, LPARAM)
{
    if (IsCustomizeMode())
        return FALSE;
    if (m_nLockRecurse > 0 || !GetSafeHwnd())
        return TRUE;
    CKTSmartPtr<CKTCommandBar> pHold(this);
    CKTCommandBars* pCommandBars = GetCommandBars();
    switch (nChar)
    {
    case VK_TAB:
        if (IsKeyDown(VK_CONTROL) && pCommandBars && GetRootParent()->AsToolBar())
            return pCommandBars->ActivateNextToolBar(this, IsKeyDown(VK_SHIFT) ? -1 : 1) || TRUE;
        return HandleNavigationCode(IsKeyDown(VK_SHIFT) ? ktNavPrevious : ktNavNext) || TRUE;
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
    int nCode = KeyToNavigationCode(nChar);
    if (nCode != -1)
        return HandleNavigationCode(nCode);
    if (::MapVirtualKey(nChar, 2) == 0)
        return TRUE;
    if (pCommandBars && pCommandBars->GetKeyboardTips()->GetBar() == this && !IsKeyDown(VK_CONTROL))
        return pCommandBars->GetKeyboardTips()->OnKey(this, nChar);
    BOOL bAmbiguous = FALSE;
    int nIndex = IsKeyDown(VK_CONTROL) ? -1 : FindAccessKey(nChar, &bAmbiguous);
    if (nIndex != -1)
    {
        SetSelected(nIndex, ktSelectionKeyboard);
        if (!bAmbiguous)
            ClickByKey(GetControl(nIndex));
        return TRUE;
    }
    if (nChar != VK_SHIFT && nChar != VK_CONTROL)
        ::MessageBeep(0);
    return TRUE;
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
    pControl->OnClick(TRUE);
}

int CKTCommandBar::FindAccessKey(UINT nChar, BOOL* pAmbiguous) const
{
    int nCount = GetControlCount(), nExplicit = -1, nFirstLetter = -1;
    *pAmbiguous = FALSE;
    for (int i = 1; i <= nCount; i++)
    {
        int nIndex = (m_nSelected + i + nCount) % nCount;
        CKTControl* pControl = GetControl(nIndex);
        CString strCaption = pControl->GetCaption();
        if (!pControl->IsVisible() || !pControl->IsEnabled() || strCaption.IsEmpty())
            continue;
        BOOL bExplicit = FALSE;
        if (!CKTAcceleratorManager::CompareAccelKey(AccessLetter(strCaption, &bExplicit), nChar))
            continue;
        int& nMatch = bExplicit ? nExplicit : nFirstLetter;
        if (nMatch == -1)
            nMatch = nIndex;
        else if (bExplicit || nExplicit == -1)
            *pAmbiguous = TRUE;
    }
    return nExplicit != -1 ? nExplicit : nFirstLetter;
}

BOOL CKTCommandBar::HandleNavigationCode(int nCode)
{
    CKTControl* pSelected = GetControl(m_nSelected);
    BOOL bTopLevel = GetParentCommandBar() == NULL;
    if (nCode == ktNavBack && m_nPopuped == -1 && pSelected && bTopLevel && pSelected->IsEnabled() &&
        pSelected->AsControlPopup())
        nCode = ktNavPopup;
    CKTCommandBars* pCommandBars = GetCommandBars();
    if ((nCode == ktNavNext || nCode == ktNavPrevious) && pCommandBars)
        pCommandBars->GetKeyboardTips()->Hide();
    switch (nCode)
    {
    case ktNavNext:
        return SetSelected(m_pControls->GetNext(m_nSelected, 1), 2) || TRUE;
    case ktNavPrevious:
        return SetSelected(m_pControls->GetNext(m_nSelected, -1), 3) || TRUE;
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
