// KTCommandBars.cpp: making, docking and removing a frame's bars, and their shared state.
#include "KTCommandBars.h"

#include "KTAcceleratorManager.h"
#include "KTCommandBarList.h"
#include "KTCommandBarsState.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControlAction.h"
#include "KTControls.h"
#include "KTCustomizeDropSource.h"
#include "KTCustomizeMode.h"
#include "KTDockBar.h"
#include "KTImageManager.h"
#include "KTKeyboardTips.h"
#include "KTMenuBar.h"
#include "KTMouseHookManager.h"
#include "KTPaintManager.h"
#include "KTPopupBar.h"
#include "KTReBar.h"
#include "KTSoundPlayer.h"
#include "KTToolTipController.h"

#include <afxpriv.h>

IMPLEMENT_DYNCREATE(CKTCommandBars, CCmdTarget)

namespace
{
const struct
{
    UINT nId;
    DWORD dwStyle;
} g_dockBars[4] = {{AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM},
                   {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP},
                   {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT},
                   {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT}};

// A new bar of the class, or of the default one; empty when the class makes no T.
template <class T>
CKTSmartPtr<T> CreateBarOfClass(CRuntimeClass* pClass, CRuntimeClass* pDefault)
{
    CObject* pObject = (pClass ? pClass : pDefault)->CreateObject();
    T* pBar = dynamic_cast<T*>(pObject);
    if (!pBar)
        delete pObject;
    return CKTSmartPtr<T>::Adopt(pBar);
}
}  // namespace

CKTCommandBars::CKTCommandBars()
{
    m_pOptions = KTMakeCounted<CKTCommandBarsOptions>(this);
    m_pAccelManager = KTMakeCounted<CKTAcceleratorManager>(this);
    m_pActions = KTMakeCounted<CKTControlActions>(this);
    m_pToolTipContext = KTMakeCounted<CKTToolTipController>();
    m_pToolTipContext->ModifyToolTipStyle(0, 2);
    m_pContextMenus = KTMakeCounted<CKTCommandBarList>();
    m_pCustomize = std::make_unique<CKTCustomizeMode>(this);
    m_pKeyboardTips = std::make_unique<CKTKeyboardTips>(this);
    m_pState = std::make_unique<CKTCommandBarsState>(this);
}

CKTCommandBars::~CKTCommandBars()
{
    KTSystemChange()->Unadvise(this);
    m_pKeyboardTips->Hide();
    m_pCustomize->ReleaseSelection();
    m_pCustomize->GetDropSource()->SetCustomizeDialog(NULL);  // its menu goes before the bars it may hold
    m_pContextMenus->RemoveAll();
    RemoveAll();
    for (auto& pDock : m_pDocks)
        pDock.reset();
    m_pActions->RemoveAll();
    KTSoundPlayer()->StopThread();
}

CFrameWnd* CKTCommandBars::GetFrameSite() const { return dynamic_cast<CFrameWnd*>(m_pSite); }

CMDIFrameWnd* CKTCommandBars::GetMDIFrameSite() const { return dynamic_cast<CMDIFrameWnd*>(m_pSite); }

void CKTCommandBars::SetSite(CWnd* pSite)
{
    m_pSite = pSite;
    if (!pSite || !pSite->GetSafeHwnd())
        return;
    KTSystemChange()->Advise(this);
    m_bRightToLeft = (pSite->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
}

BOOL CKTCommandBars::IsLayoutRTL() const
{
    return m_bRightToLeft || (m_pSite && m_pSite->GetSafeHwnd() && (m_pSite->GetExStyle() & WS_EX_LAYOUTRTL));
}

void CKTCommandBars::EnableDocking()
{
    for (int i = 0; i < 4; i++)
    {
        std::unique_ptr<CKTDockBar> pDock(new CKTDockBar);
        pDock->SetCommandBars(this);
        if (!pDock->Create(m_pSite, g_dockBars[i].dwStyle | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                           g_dockBars[i].nId))
            AfxThrowResourceException();
        m_pDocks[i] = std::move(pDock);
    }
}

CKTDockBar* CKTCommandBars::GetDockBar(int nPosition) const
{
    return nPosition >= 0 && nPosition < 4 ? m_pDocks[nPosition].get() : NULL;
}

CKTToolBar* CKTCommandBars::AppendBar(CKTSmartPtr<CKTToolBar> pBar)
{
    m_bars.push_back(pBar);
    return pBar;
}

BOOL CKTCommandBars::IsCustomizeMode() const { return m_pCustomize->IsOn(); }

void CKTCommandBars::AddLoadedBar(CKTToolBar* pLoaded)
{
    const int nPosition = pLoaded->GetPosition();
    AppendBar(pLoaded);
    if (!pLoaded->SetPosition(nPosition))
    {
        Remove(pLoaded);
        return;
    }
    OnToolBarAdded(pLoaded);
}

void CKTCommandBars::AddContextMenu(CKTPopupBar* pPopup)
{
    pPopup->SetContextMenu(TRUE);
    pPopup->SetCommandBars(this);
    m_pContextMenus->Add(pPopup);
}

CKTMenuBar* CKTCommandBars::SetMenu(LPCSTR lpszName, UINT nMenuId, CRuntimeClass* pMenuBarClass)
{
    CKTSmartPtr<CKTMenuBar> pMenuBar = CreateBarOfClass<CKTMenuBar>(pMenuBarClass, RUNTIME_CLASS(CKTMenuBar));
    if (pMenuBar.IsNull())
        return NULL;
    pMenuBar->SetCommandBars(this);
    pMenuBar->SetTitle(lpszName);
    pMenuBar->SetBarID(1);
    if (!DockCommandBar(pMenuBar, ktBarTop) || !pMenuBar->LoadMenuBar(nMenuId))
    {
        pMenuBar->OnRemoved();
        return NULL;
    }
    if (nMenuId)
    {
        pMenuBar->GetControls()->CreateOriginalControls();
        m_nDefaultMenuId = nMenuId;
    }
    AppendBar(CKTSmartPtr<CKTToolBar>(pMenuBar.GetInterface()));
    RecalcFrameLayout();
    return pMenuBar;
}

CKTToolBar* CKTCommandBars::Add(LPCSTR lpszName, int nPosition, CRuntimeClass* pToolBarClass)
{
    CKTSmartPtr<CKTToolBar> pBar = CreateBarOfClass<CKTToolBar>(pToolBarClass, RUNTIME_CLASS(CKTToolBar));
    if (pBar.IsNull())
        return NULL;
    pBar->SetCommandBars(this);
    pBar->SetTitle(lpszName);
    if (!pBar->SetPosition(nPosition))
    {
        pBar->OnRemoved();
        return NULL;
    }
    return AppendBar(pBar);
}

BOOL CKTCommandBars::DockCommandBar(CKTToolBar* pBar, int nPosition) { return pBar->SetPosition(nPosition); }

BOOL CKTCommandBars::DockCommandBar(CKTToolBar* pBar, const CRect& rcScreen, CKTDockBar* pDock)
{
    return pBar->DockAt(pDock, rcScreen);
}

BOOL CKTCommandBars::FloatCommandBar(CKTToolBar* pBar) { return pBar->SetPosition(ktBarFloating); }

void CKTCommandBars::DetachBar(CKTToolBar* pBar)
{
    if (pBar->GetSafeHwnd())
        pBar->ShowWindow(SW_HIDE);
    pBar->SetVisible(FALSE);
    if (CKTDockBar* pDock = pBar->GetDockBar())
        pDock->RemoveCommandBar(pBar);
    OnToolBarRemoved(pBar);
    pBar->OnRemoved();
}

CKTReBar* CKTCommandBars::GetSiteReBar() const
{
    if (!m_pSite || !m_pSite->GetSafeHwnd())
        return NULL;
    return dynamic_cast<CKTReBar*>(CWnd::FromHandlePermanent(::GetDlgItem(m_pSite->m_hWnd, AFX_IDW_REBAR)));
}

void CKTCommandBars::OnToolBarAdded(CKTToolBar* pBar)
{
    // Each bar on a row of its own, with a gripper to move it along.
    if (CKTReBar* pReBar = GetSiteReBar())
        pReBar->AddToolBar(pBar, RBBS_BREAK | RBBS_GRIPPERALWAYS);
}

void CKTCommandBars::OnToolBarRemoved(CKTToolBar* pBar)
{
    if (CKTReBar* pReBar = GetSiteReBar())
        pReBar->RemoveToolBar(pBar);
}

void CKTCommandBars::Remove(CKTToolBar* pBar)
{
    int nIndex = FindIndex(pBar);
    if (nIndex < 0)
        return;
    // Out of the list first: hiding a torn-off bar asks for its removal again.
    CKTSmartPtr<CKTToolBar> pHold = m_bars[nIndex];
    m_bars.erase(m_bars.begin() + nIndex);
    DetachBar(pBar);
    RecalcFrameLayout();
}

CKTToolBar* CKTCommandBars::AddCustomBar(LPCSTR lpszName, UINT nId, BOOL bTearOff)
{
    CKTSmartPtr<CKTToolBar> pBar = KTMakeCounted<CKTToolBar>();
    pBar->SetCommandBars(this);
    KT_CREATEBARRECORD record = {pBar, FALSE, FALSE, TRUE, bTearOff, {0}, nId};
    record.lpszName = lpszName;
    if (m_pSite && m_pSite->GetSafeHwnd())
        m_pSite->SendMessage(KTWM_CREATECOMMANDBAR, 0, (LPARAM)&record);
    pBar->SetTitle(lpszName);
    pBar->SetBarID(nId);
    pBar->SetBuiltIn(FALSE);
    pBar->SetTearOff(bTearOff);
    if (!pBar->SetPosition(bTearOff ? ktBarFloating : ktBarTop))
    {
        pBar->OnRemoved();
        return NULL;
    }
    AppendBar(pBar);
    if (!bTearOff)
        RecalcFrameLayout(FALSE);
    OnToolBarAdded(pBar);
    return pBar;
}

void CKTCommandBars::RemoveLater(CKTToolBar* pBar)
{
    m_removedBars.push_back(pBar);
    Remove(pBar);
}

void CKTCommandBars::RemoveAll()
{
    m_bLockLayout = TRUE;
    std::vector<CKTSmartPtr<CKTToolBar>> bars;
    bars.swap(m_bars);
    for (auto& pBar : bars)
        DetachBar(pBar);
    m_bLockLayout = FALSE;
    RecalcFrameLayout();
}

void CKTCommandBars::OnSetPreviewMode(BOOL bPreview)
{
    m_pAccelManager->HideTemporarily(bPreview);
    for (const auto& pBar : m_bars)
        pBar->HideTemporarily(bPreview);
}

CKTToolBar* CKTCommandBars::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_bars[nIndex].GetInterface() : NULL;
}

int CKTCommandBars::FindIndex(CKTToolBar* pBar) const
{
    for (int i = 0; i < GetCount(); i++)
        if (m_bars[i] == pBar)
            return i;
    return -1;
}

CKTToolBar* CKTCommandBars::GetToolBar(UINT nId) const
{
    if (nId == 0)
        return NULL;
    for (const auto& pBar : m_bars)
        if (pBar->GetBarID() == nId)
            return pBar;
    return NULL;
}

CKTMenuBar* CKTCommandBars::GetMenuBar() const
{
    CKTToolBar* pBar = GetToolBar(1);
    return pBar ? pBar->AsMenuBar() : NULL;
}

void CKTCommandBars::RecalcFrameLayout(BOOL bDelay)
{
    if (m_bLockLayout || !m_pSite || !m_pSite->GetSafeHwnd())
        return;
    if (CFrameWnd* pFrame = GetFrameSite())
    {
        if (bDelay)
            pFrame->m_nIdleFlags |= CFrameWnd::idleLayout;
        else
            pFrame->RecalcLayout(FALSE);
        return;
    }
    CRect rc;
    m_pSite->GetClientRect(&rc);
    m_pSite->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.Width(), rc.Height()));
}

void CKTCommandBars::RedrawCommandBars()
{
    m_bLockLayout = TRUE;
    for (auto& pBar : m_bars)
    {
        pBar->OnThemeChanged();
        if (pBar->IsVisible())
            pBar->OnRecalcLayout();
        pBar->Redraw(NULL, FALSE);
    }
    // A context menu is no bar of the frame's and may be no control's popup; it lays out when it next opens.
    for (int i = 0; i < m_pContextMenus->GetCount(); i++)
        m_pContextMenus->GetAt(i)->OnThemeChanged();
    if (m_pTabClient)
        m_pTabClient->Refresh(TRUE);
    if (CWnd* pStatusBar = m_pSite ? m_pSite->GetDlgItem(AFX_IDW_STATUS_BAR) : NULL)
        pStatusBar->Invalidate();
    m_bLockLayout = FALSE;
    RecalcFrameLayout();
}

CKTControlAction* CKTCommandBars::CreateAction(int nId) { return m_pActions->Add(nId); }

CKTControlAction* CKTCommandBars::FindAction(int nId) const { return m_pActions->FindAction(nId); }

CKTPaintManager* CKTCommandBars::GetPaintManager() const
{
    return m_pPaintManager.IsNull() ? CKTPaintManager::GetGlobal() : m_pPaintManager.GetInterface();
}

void CKTCommandBars::SetPaintManager(CKTPaintManager* pPaintManager) { m_pPaintManager = pPaintManager; }

CKTImageManager* CKTCommandBars::GetImageManager() const
{
    return m_pImageManager ? m_pImageManager.get() : KTImageManager();
}

void CKTCommandBars::SetImageManager(std::unique_ptr<CKTImageManager> pImageManager)
{
    m_pImageManager = std::move(pImageManager);
}

CKTMouseHookManager* CKTCommandBars::GetMouseManager()
{
    if (!m_pMouseManager)
        m_pMouseManager = CKTMouseHookManager::Instance();
    return m_pMouseManager;
}

void CKTCommandBars::ClosePopups() { GetMouseManager()->CloseAllTracked(); }

void CKTCommandBars::ShowKeyboardCues(BOOL bShow)
{
    if (IsCustomizeMode())
        bShow = TRUE;
    if (m_bKeyboardCuesUse)
        SetKeyboardCuesVisible(bShow);
}

void CKTCommandBars::SetKeyboardCuesVisible(BOOL bVisible)
{
    if (m_bKeyboardCuesVisible == bVisible)
        return;
    m_bKeyboardCuesVisible = bVisible;
    for (auto& pBar : m_bars)
        if (pBar->IsVisible())
            pBar->Redraw(NULL, FALSE);
}

void CKTCommandBars::OnTrackingModeChanged(CKTCommandBar*, int nMode)
{
    if (nMode == ktTrackingNone && !GetMouseManager()->HasTrackedBars() && m_bKeyboardCuesUse)
        ShowKeyboardCues(FALSE);
    m_pKeyboardTips->OnTrackingModeChanged();
}

BOOL CKTCommandBars::IsCommandHidden(UINT nId) const { return m_pOptions->IsCommandHidden(nId); }

BOOL CKTCommandBars::IsControlHidden(CKTControl* pControl) const { return m_pOptions->IsControlHidden(pControl); }

void CKTCommandBars::SetCommandUsed(UINT nId) { m_pOptions->SetCommandUsed(nId); }
