// KTDockingPaneKeyboardHook.cpp: Ctrl+Tab and Alt+F7 open the selector for the site that holds the focus.
#include "KTDockingPaneKeyboardHook.h"

#include <memory>

#include "KTDockingPane.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneWindowSelect.h"
#include "KTKeyState.h"

namespace
{
// Bit 31 of the key data is set for a key release, bit 30 when the key was down before.
BOOL IsKeyPress(LPARAM lParam) { return (lParam & 0x80000000) == 0; }

BOOL IsRepeat(LPARAM lParam) { return (lParam & 0x40000000) != 0; }
}  // namespace

CKTDockingPaneKeyboardHook* KTDockingPaneKeyboardHook()
{
    static CKTDockingPaneKeyboardHook hook;
    return &hook;
}

BOOL CKTDockingPaneKeyboardHook::Enable(CKTDockingPaneManager* pManager, int nFlags)
{
    const HWND hWndSite = pManager->GetSite()->GetSafeHwnd();
    if (!nFlags)
    {
        m_sites.erase(hWndSite);
        if (m_sites.empty())
            CKTKeyboardHook::Instance()->RemoveSink(this);
        return TRUE;
    }
    if (!CKTKeyboardHook::Instance()->AddSink(this))
        return FALSE;
    m_sites[hWndSite] = SSite{pManager, nFlags};
    return TRUE;
}

const CKTDockingPaneKeyboardHook::SSite* CKTDockingPaneKeyboardHook::FindSite() const
{
    for (HWND hWnd = ::GetFocus(); hWnd; hWnd = ::GetParent(hWnd))
    {
        const auto it = m_sites.find(hWnd);
        if (it != m_sites.end())
            return ::IsWindowEnabled(hWnd) ? &it->second : nullptr;
    }
    return nullptr;
}

BOOL CKTDockingPaneKeyboardHook::OnHookKey(UINT nKey, LPARAM lParam)
{
    if (!IsKeyPress(lParam))
    {
        if (nKey == m_nOpeningKey)
            m_nOpeningKey = 0;
        return FALSE;
    }
    const BOOL bAlt = KTIsKeyDown(VK_MENU);
    const BOOL bCtrl = KTIsKeyDown(VK_CONTROL);
    const BOOL bCtrlTab = nKey == VK_TAB && bCtrl && !bAlt;
    const BOOL bAltF7 = nKey == VK_F7 && bAlt && !bCtrl;
    const BOOL bAltF6 = nKey == VK_F6 && bAlt && !bCtrl;
    const BOOL bAltMinus = (nKey == VK_OEM_MINUS || nKey == VK_SUBTRACT) && bAlt && !bCtrl && !KTIsKeyDown(VK_SHIFT);
    if (bAltMinus && !m_pRunning)
        return OnPaneMenuKey();
    if (!bCtrlTab && !bAltF7 && !bAltF6)
        return FALSE;
    if (m_pRunning)
    {
        // The selector's own loop may meet the press that opened it once more: not a new Tab.
        if (nKey != m_nOpeningKey || IsRepeat(lParam))
            m_pRunning->SelectNext(KTIsKeyDown(VK_SHIFT));
        return TRUE;
    }
    const SSite* pSite = FindSite();
    const int nNeeded =
        bCtrlTab ? ktKeyboardNavigateCtrlTab : (bAltF7 ? ktKeyboardNavigateSelect : ktKeyboardNavigatePanes);
    if (!pSite || !(pSite->nFlags & nNeeded))
        return FALSE;
    if (bAltF6)
    {
        const WPARAM nCommand = KTIsKeyDown(VK_SHIFT) ? SC_PREVWINDOW : SC_NEXTWINDOW;
        pSite->pManager->PostMessage(WM_SYSCOMMAND, nCommand, 0);
        return TRUE;
    }
    return RunSelector(pSite->pManager, nKey);
}

BOOL CKTDockingPaneKeyboardHook::OnPaneMenuKey()
{
    const SSite* pSite = FindSite();
    CKTDockingPane* pActive =
        pSite && (pSite->nFlags & ktKeyboardNavigateMenu) ? pSite->pManager->GetActivePane() : nullptr;
    if (!pActive)
        return FALSE;
    if (pActive->GetParentContainer() && !pActive->IsHidden())
        pSite->pManager->PostMessage(WM_SYSCOMMAND, SC_KEYMENU, '-');
    return TRUE;
}

BOOL CKTDockingPaneKeyboardHook::RunSelector(CKTDockingPaneManager* pManager, UINT nKey)
{
    struct CRunning
    {
        CKTDockingPaneWindowSelect*& pRunning;
        ~CRunning() { pRunning = nullptr; }
    };
    CRuntimeClass* pClass = pManager->m_pWindowSelectClass;
    if (!pClass || !pClass->IsDerivedFrom(RUNTIME_CLASS(CKTDockingPaneWindowSelect)))
        return FALSE;
    std::unique_ptr<CKTDockingPaneWindowSelect> pSelector(
        static_cast<CKTDockingPaneWindowSelect*>(pClass->CreateObject()));
    if (!pSelector)
        return FALSE;
    pSelector->SetManager(pManager);
    pSelector->SetOpeningKey(nKey);
    CRunning running{m_pRunning};
    m_pRunning = pSelector.get();
    m_nOpeningKey = nKey;
    return pSelector->DoModal();
}
