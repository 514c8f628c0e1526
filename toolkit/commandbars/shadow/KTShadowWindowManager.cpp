// KTShadowWindowManager.cpp: makes the strips of shown popups, joins neighbouring strips and removes them with their popup.
#include "KTShadowWindow.h"

#include "KTColorManager.h"
#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTPaintManager.h"
#include "KTShadowImage.h"
#include "KTWindowHookManager.h"

#include <memory>

namespace
{
const int KT_PLAIN_SHADOW_WIDTH = 2;
const UINT KT_SHOW_TOPMOST = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER;

CRect StripRect(BOOL bHorizontal, const CRect& rc, int w)
{
    return bHorizontal ? CRect(rc.left + w, rc.bottom, rc.right + w, rc.bottom + w)
                       : CRect(rc.right, rc.top + w, rc.right + w, rc.bottom);
}

PFNUPDATELAYEREDWINDOW SystemUpdateLayeredWindow()
{
    HMODULE hUser = ::GetModuleHandleA("USER32");
    return hUser ? reinterpret_cast<PFNUPDATELAYEREDWINDOW>(
                       reinterpret_cast<void*>(::GetProcAddress(hUser, "UpdateLayeredWindow")))
                 : NULL;
}
}  // namespace

CKTShadowWindowManager* KTShadowManager()
{
    static CKTShadowWindowManager s_manager;
    return &s_manager;
}

CKTShadowWindowManager::CKTShadowWindowManager() : CKTShadowWindowManager(SystemUpdateLayeredWindow()) {}

CKTShadowWindowManager::CKTShadowWindowManager(PFNUPDATELAYEREDWINDOW pfnUpdateLayeredWindow)
    : m_pfnUpdateLayeredWindow(pfnUpdateLayeredWindow),
      m_bLayered(pfnUpdateLayeredWindow && !CKTColorManager::IsLowResolution(NULL))
{
}

// Popups remove their strips as they hide, so only a popup never hidden before exit leaves any here.
CKTShadowWindowManager::~CKTShadowWindowManager()
{
    while (!m_shadows.IsEmpty())
        delete m_shadows.RemoveHead();
}

void CKTShadowWindowManager::SetShadow(CKTCommandBar* pBar, LPCRECT lprcExclude)
{
    if (pBar->IsCustomizeMode() || !pBar->GetSafeHwnd())
        return;
    BOOL bSystemShadows = FALSE;
    ::SystemParametersInfo(SPI_GETDROPSHADOW, 0, &bSystemShadows, 0);
    if (!(pBar->GetPaintManager()->m_dwShadowOptions & 1) && (!m_bLayered || !bSystemShadows))
        return;
    CRect rcOwner, rcExclude = lprcExclude ? CRect(lprcExclude) : CRect(0, 0, 0, 0);
    pBar->GetWindowRect(rcOwner);
    CreateShadow(TRUE, rcOwner, rcExclude, pBar);
    CreateShadow(FALSE, rcOwner, rcExclude, pBar);
}

void CKTShadowWindowManager::SetShadow(CKTControl* pControl)
{
    CKTCommandBar* pBar = pControl->GetParent();
    CKTCommandBar* pPopup = pControl->GetCommandBar();
    if (!pBar || !pPopup || pBar->IsCustomizeMode() || !pPopup->GetSafeHwnd())
        return;
    if (pControl->GetPaintManager()->m_dwShadowOptions != 3)
        return;
    CRect rcControl = pControl->GetRect();
    pBar->ClientToScreen(rcControl);
    CreateShadow(TRUE, rcControl, CRect(0, 0, 0, 0), pPopup);
    CreateShadow(FALSE, rcControl, CRect(0, 0, 0, 0), pPopup);
}

CKTShadowWindow* CKTShadowWindowManager::CreateShadow(BOOL bHorizontal, const CRect& rcOwner, const CRect& rcExclude,
                                                      CKTCommandBar* pOwner)
{
    if (!pOwner->GetPaintManager()->m_bShowShadow)
        return NULL;
    auto pShadow = std::make_unique<CKTShadowWindow>(bHorizontal, pOwner);
    if (!pShadow->Create(m_bLayered ? m_pfnUpdateLayeredWindow : NULL))
        return NULL;
    CRect rc = StripRect(bHorizontal, rcOwner, m_bLayered ? KT_SHADOW_WIDTH : KT_PLAIN_SHADOW_WIDTH);
    pShadow->MoveWindow(rc, FALSE);
    MeetOtherStrips(pShadow.get());
    // From here the list holds the strip and RemoveShadow deletes it.
    CKTShadowWindow* pNew = pShadow.release();
    m_shadows.AddTail(pNew);
    if (pOwner->GetPaintManager()->m_dwShadowOptions & 2)
        pNew->ExcludeRect(rcExclude);
    ExcludeOwners(pNew);
    pNew->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, KT_SHOW_TOPMOST);
    CKTWindowHookManager::Instance()->SetHook(pOwner->GetSafeHwnd(), pNew);
    return pNew;
}

// A strip that starts inside a neighbour's strip of the other direction grows to meet it.
void CKTShadowWindowManager::MeetOtherStrips(CKTShadowWindow* pShadow)
{
    for (POSITION pos = m_shadows.GetHeadPosition(); pos;)
    {
        CKTShadowWindow* pOther = m_shadows.GetNext(pos);
        if (pOther->IsHorizontal() == pShadow->IsHorizontal())
            continue;
        CRect t, o;
        pShadow->GetWindowRect(t);
        pOther->GetWindowRect(o);
        if (pShadow->IsHorizontal() && t.left == o.right - 1 && t.top > o.top && t.bottom < o.bottom)
            pShadow->MoveWindow(t.left - 2 * o.Width() - 1, t.top, t.right - (t.left - 2 * o.Width() - 1), t.Height(),
                                FALSE);
        else if (!pShadow->IsHorizontal() && t.top == o.bottom - 1 && t.right < o.right && t.right > o.left)
            pShadow->MoveWindow(t.left, t.top - 2 * o.Height(), t.Width(), t.bottom - (t.top - 2 * o.Height()), FALSE);
    }
}

// No strip darkens a popup that casts shadows itself, its own owner included.
void CKTShadowWindowManager::ExcludeOwners(CKTShadowWindow* pShadow)
{
    for (POSITION pos = m_shadows.GetHeadPosition(); pos;)
    {
        CKTCommandBar* pOwner = m_shadows.GetNext(pos)->GetOwnerBar();
        if (!pOwner || !pOwner->GetSafeHwnd())
            continue;
        CRect rcOwner;
        pOwner->GetWindowRect(rcOwner);
        pShadow->ExcludeRect(rcOwner);
    }
}

void CKTShadowWindowManager::RemoveShadow(CKTCommandBar* pBar)
{
    for (POSITION pos = m_shadows.GetHeadPosition(); pos;)
    {
        // The next position is taken first: removing the strip frees its node.
        CKTShadowWindow* pShadow = m_shadows.GetNext(pos);
        if (pShadow->GetOwnerBar() == pBar)
            RemoveShadow(pShadow);
    }
}

void CKTShadowWindowManager::RemoveShadow(CKTShadowWindow* pShadow)
{
    if (!m_shadows.Remove(pShadow))
        return;
    std::unique_ptr<CKTShadowWindow> pGone(pShadow);
    CKTWindowHookManager::Instance()->RemoveAll(pShadow);
    if (pShadow->GetSafeHwnd())
    {
        pShadow->ShowWindow(SW_HIDE);
        pShadow->DestroyWindow();
    }
    pShadow->Detach();
}
