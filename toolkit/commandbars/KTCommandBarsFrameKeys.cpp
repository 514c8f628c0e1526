// KTCommandBarsFrameKeys.cpp: Alt+letter, Alt and F10 reach the bars before the frame sees them; Ctrl+Tab moves
// the keyboard to the next toolbar.
#include "KTCommandBars.h"

#include "KTCommandBar.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTKeyboardHookManager.h"
#include "KTKeyboardTips.h"
#include "KTKeyState.h"
#include "KTMenuBar.h"
#include "KTMouseHookManager.h"
#include "KTMouseMonitor.h"
#include "KTToolBar.h"

#include <vector>

namespace
{
const LPARAM KT_ALT_CONTEXT = 1 << 29;
const LPARAM KT_KEY_WAS_DOWN = 1 << 30;
}  // namespace

BOOL CKTCommandBars::IsAnyBarTracking() const { return CKTKeyboardHookManager::Instance()->HasSinks(); }

// Alt held over a click (a column selection, say) is no Alt pressed alone: the system still asks for the menu
// when it goes up, and that request is refused, as a key pressed meanwhile would have cancelled it.
void CKTCommandBars::NoteAltClick(const MSG* pMsg)
{
    if (CKTMouseMonitor::IsPress(pMsg->message))
        m_bAltClicked = m_bAltClicked || KTIsKeyDown(VK_MENU);
    else if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) &&
             !(pMsg->wParam == VK_MENU && (pMsg->lParam & KT_KEY_WAS_DOWN)))
        m_bAltClicked = FALSE;
}

BOOL CKTCommandBars::PreTranslateFrameKeys(MSG* pMsg)
{
    NoteAltClick(pMsg);
    BOOL bTracking = IsAnyBarTracking();
    if (pMsg->message == WM_SYSKEYDOWN && (pMsg->lParam & KT_ALT_CONTEXT) && !bTracking &&
        !GetMouseManager()->IsLocked() && IsSiteActive())
    {
        if (pMsg->wParam == VK_MENU)
        {
            ShowKeyboardCues(TRUE);
            return FALSE;
        }
        if (m_bShiftIgnoresAccessKeys && KTIsKeyDown(VK_SHIFT))
            return FALSE;
        return pMsg->wParam && OnFrameAccessKey((UINT)pMsg->wParam);
    }
    if ((pMsg->message == WM_SYSKEYUP || pMsg->message == WM_KEYUP) && !bTracking && m_bKeyboardCuesUse &&
        m_bKeyboardCuesVisible)
        ShowKeyboardCues(FALSE);
    if ((pMsg->message == WM_CONTEXTMENU || pMsg->message == WM_SYSKEYUP) && bTracking)
    {
        CKTKeyboardHookManager::Instance()->DispatchKey(WM_CONTEXTMENU, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }
    return FALSE;
}

CKTCommandBar* CKTCommandBars::GetAccessKeyBar() const
{
    if (CKTCommandBar* pTracked = CKTMouseHookManager::Instance()->GetTopTrackedBar())
        return pTracked;
    CKTMenuBar* pMenuBar = GetMenuBar();
    if (pMenuBar && pMenuBar->GetSafeHwnd() && pMenuBar->IsVisible())
        return pMenuBar;
    if (m_pOptions->nKeyboardCuesUse & ktCuesToolBarAccessKeys)
        return GetAt(GetNextVisibleBar(-1, 1));
    return NULL;
}

std::vector<CKTCommandBar*> CKTCommandBars::GetAccessKeyBars(CKTCommandBar* pFirst) const
{
    std::vector<CKTCommandBar*> bars{pFirst};
    int nFirst = FindIndex(pFirst->AsToolBar());
    if (nFirst == -1 || !(m_pOptions->nKeyboardCuesUse & ktCuesToolBarAccessKeys))
        return bars;
    for (int i = GetNextVisibleBar(nFirst, 1); i != -1 && i != nFirst; i = GetNextVisibleBar(i, 1))
        bars.push_back(GetAt(i));
    return bars;
}

namespace
{
struct CAccessKeyMatch
{
    CKTCommandBar* pBar = NULL;
    int nIndex = -1;
    BOOL bAmbiguous = FALSE;
};

// Over the bars in order: the first '&' letter wins, a second one makes it ambiguous; with none, the first
// letter of a caption, where the bar allows it. A letter shared with a toolbar never takes the first bar's (the
// menu bar's) letter away: a match there wins, ambiguous only among its own controls. A toolbar's letter counts
// only where its caption, and so its underline, shows: an icon-only button is run by no unseen letter.
CAccessKeyMatch FindFrameAccessKey(const std::vector<CKTCommandBar*>& bars, UINT nKey, BOOL bFirstLetters)
{
    for (BOOL bFirstLetter : {FALSE, TRUE})
    {
        CAccessKeyMatch match;
        for (CKTCommandBar* pBar : bars)
        {
            BOOL bAllowed = !bFirstLetter || (bFirstLetters && (pBar->AsMenuBar() || pBar->GetTrackingMode()));
            BOOL bAmbiguous = FALSE;
            int nIndex = bAllowed ? pBar->FindAccessKey(nKey, &bAmbiguous, bFirstLetter) : -1;
            if (nIndex == -1)
                continue;
            if (match.pBar)
            {
                match.bAmbiguous = TRUE;
                return match;
            }
            match = {pBar, nIndex, bAmbiguous};
            if (pBar == bars.front())
                return match;
        }
        if (match.pBar)
            return match;
    }
    return CAccessKeyMatch();
}

BOOL IsNumPadKey(UINT nKey) { return nKey >= VK_NUMPAD0 && nKey <= VK_NUMPAD9; }
}  // namespace

BOOL CKTCommandBars::IsSiteActive() const
{
    if (!m_pSite || !m_pSite->GetSafeHwnd())
        return TRUE;
    HWND hTop = ::GetAncestor(m_pSite->GetSafeHwnd(), GA_ROOT);
    return ::GetActiveWindow() == hTop;
}

BOOL CKTCommandBars::OnFrameAccessKey(UINT nKey)
{
    const int nCuesUse = m_pOptions->nKeyboardCuesUse;
    if (nCuesUse == ktCuesNoAccessKeys || (IsNumPadKey(nKey) && !m_pOptions->bUseNumPadKeys) ||
        ::MapVirtualKey(nKey, 2) == 0)
        return FALSE;
    CKTCommandBar* pBar = GetAccessKeyBar();
    if (!pBar)
        return FALSE;
    if (pBar->ProcessAccessKey(nKey))
        return TRUE;
    CAccessKeyMatch match = FindFrameAccessKey(GetAccessKeyBars(pBar), nKey, !(nCuesUse & ktCuesNoFirstLetter));
    if (!match.pBar)
        return FALSE;
    if (!match.pBar->GetTrackingMode())
        ClosePopups();
    ShowKeyboardCues(TRUE);
    m_pKeyboardTips->Arm();
    match.pBar->SetTrackingMode(ktTrackingOn, FALSE, TRUE);
    match.pBar->SetSelected(match.nIndex, ktSelectionKeyboard);
    if (!match.bAmbiguous)
        match.pBar->GetControl(match.nIndex)->OnKeyboardTip();
    return TRUE;
}

BOOL CKTCommandBars::OnKeyMenu(WPARAM wParam, LPARAM lParam)
{
    if ((wParam & 0xFFF0) != SC_KEYMENU || lParam != 0)
        return FALSE;
    // The system judges "Alt alone" by the key messages a window saw: the letter of an Alt+letter we
    // took never reached it, so releasing Alt asks for a menu loop that would close the popup just
    // opened. While a bar tracks, that request is ours and already answered.
    if (IsAnyBarTracking())
        return TRUE;
    if (m_bAltClicked)
    {
        m_bAltClicked = FALSE;
        return TRUE;
    }
    CKTCommandBar* pBar = GetAccessKeyBar();
    if (!pBar || IsCustomizeMode() || KTIsKeyDown(VK_SHIFT))
        return FALSE;
    // A bar may take Alt alone its own way (the ribbon puts the focus on its tabs).
    if (!pBar->ProcessAccessKey(VK_MENU))
        SetToolBarFocus(pBar);
    return TRUE;
}

BOOL CKTCommandBars::ActivateNextToolBar(CKTCommandBar* pBar, int nDirection)
{
    if (!nDirection || GetCount() < 2)
        return FALSE;
    CKTToolBar* pNext = GetAt(GetNextVisibleBar(FindIndex(pBar ? pBar->AsToolBar() : NULL), nDirection));
    if (!pNext || pNext == pBar)
        return FALSE;
    SetToolBarFocus(pNext);
    return TRUE;
}

void CKTCommandBars::SetToolBarFocus(CKTCommandBar* pBar)
{
    ClosePopups();
    ShowKeyboardCues(TRUE);
    m_pKeyboardTips->Arm();
    pBar->SetTrackingMode(ktTrackingOn, FALSE, TRUE);
    pBar->SetSelected(pBar->GetControls()->GetNext(-1, 1), ktSelectionKeyboard);
}
