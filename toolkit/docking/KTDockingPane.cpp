// KTDockingPane.cpp: a pane's identity, title, window, limits and its part of the archive.
#include "KTDockingPane.h"

#include "KTDockingPaneLayoutData.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTPropExchange.h"

namespace
{
BOOL CALLBACK SendInitialUpdate(HWND hWnd, LPARAM)
{
    ::SendMessage(hWnd, WM_INITIALUPDATE, 0, 0);
    return TRUE;
}
}  // namespace

CKTDockingPane::CKTDockingPane(CKTDockingPaneLayoutData* pLayout) : CKTDockingPaneNode(ktPaneTypePane, pLayout) {}

void CKTDockingPane::SetID(int nID)
{
    m_nID = nID;
    CString strTitle;
    if (nID > 0 && strTitle.LoadString(UINT(nID)))
        m_strTitle = strTitle;
}

void CKTDockingPane::SetWindowRect(const CRect& rc)
{
    m_rcWindow = rc;
    m_nDockedWidth = rc.Width();
    m_nDockedHeight = rc.Height();
}

void CKTDockingPane::Attach(HWND hWnd)
{
    if (!hWnd)
        return;
    m_hwndChild = hWnd;
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (pManager)
        pManager->RedrawPanes();
    if (m_pParentContainer && m_pParentContainer->GetPaneHwnd())
        ::SetParent(hWnd, m_pParentContainer->GetPaneHwnd());
    if (!pManager || !pManager->IsInitialUpdateDone())
        return;
    ::SendMessage(hWnd, WM_INITIALUPDATE, 0, 0);
    ::EnumChildWindows(hWnd, SendInitialUpdate, 0);
}

void CKTDockingPane::ShowWindow(BOOL bShow)
{
    if (bShow)
        if (CKTDockingPaneManager* pManager = GetDockingPaneManager())
            pManager->NotifyOwner(ktDockingPaneShowWindow, LPARAM(this));
    if (m_hwndChild)
        ::ShowWindow(m_hwndChild, bShow ? SW_SHOW : SW_HIDE);
}

void CKTDockingPane::Close()
{
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->ClosePane(this);
}

void CKTDockingPane::Hide()
{
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->HidePane(this);
}

void CKTDockingPane::SetFocus()
{
    if (m_hwndChild && !IsFocus())
        ::SetFocus(m_hwndChild);
}

BOOL CKTDockingPane::IsFocus() const
{
    HWND hWndFocus = ::GetFocus();
    return m_hwndChild && hWndFocus && (hWndFocus == m_hwndChild || ::IsChild(m_hwndChild, hWndFocus));
}

BOOL CKTDockingPane::IsSelected() const
{
    CKTDockingPaneTabbedContainer* pContainer = GetTabbedContainer();
    return pContainer && pContainer->GetSelected() == this;
}

BOOL CKTDockingPane::IsHidden() const { return m_pParentContainer && m_pParentContainer->IsHidden(); }

BOOL CKTDockingPane::IsFloating() const
{
    CWnd* pSite = GetDockingSite();
    return m_pParentContainer && !m_pParentContainer->IsHidden() && m_pParentContainer->GetPaneHwnd() && pSite &&
           pSite->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd));
}

CWnd* CKTDockingPane::GetDockingSite() const
{
    return m_pParentContainer ? m_pParentContainer->GetDockingSite() : nullptr;
}

CKTDockingPaneTabbedContainer* CKTDockingPane::GetTabbedContainer() const
{
    return m_pParentContainer ? m_pParentContainer->AsTabbedContainer() : nullptr;
}

DWORD CKTDockingPane::GetOptions() const
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    return m_dwOptions | (pManager ? pManager->m_dwDefaultPaneOptions : 0);
}

CString CKTDockingPane::GetTitle() const
{
    int nBreak = m_strTitle.Find('\n');
    return nBreak < 0 ? m_strTitle : m_strTitle.Left(nBreak);
}

CKTImageManagerIcon* CKTDockingPane::GetIcon(int nWidth) const
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    return pManager ? pManager->GetIcon(m_nIconID != -1 ? m_nIconID : m_nID, nWidth) : nullptr;
}

BOOL CKTDockingPane::DrawIcon(CDC* pDC, CPoint pt, CSize szIcon, BOOL bDraw) const
{
    CKTImageManagerIcon* pIcon = GetIcon(szIcon.cx);
    if (!pIcon)
        return FALSE;
    if (bDraw)
        pIcon->DrawNormal(pDC, pt, szIcon);
    return TRUE;
}

CString CKTDockingPane::GetShortTitle() const
{
    int nBreak = m_strTitle.Find('\n');
    return nBreak < 0 ? m_strTitle : m_strTitle.Mid(nBreak + 1);
}

COLORREF CKTDockingPane::GetItemColor() const
{
    if (m_nTabColor != -1)
        return COLORREF(m_nTabColor);
    if (m_hwndChild)
        if (LRESULT nColor = ::SendMessage(m_hwndChild, ktMsgGetTabColor, 0, 0))
            return COLORREF(nColor);
    return COLORREF(0x1000000 + m_nID % 8);
}

void CKTDockingPane::GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const
{
    ZeroMemory(pMinMaxInfo, sizeof(MINMAXINFO));
    pMinMaxInfo->ptMinTrackSize = m_ptMinTrackSize;
    pMinMaxInfo->ptMaxTrackSize = m_ptMaxTrackSize;
}

void CKTDockingPane::OnSizeParent(CWnd* pSite, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout)
{
    m_pDockingSite = pSite;
    if (pLayout && !pLayout->hDWP)
        return;
    m_rcWindow = rc;
    if (!pSite || !m_pParentContainer || !m_hwndChild)
        return;
    HWND hWndContainer = m_pParentContainer->GetPaneHwnd();
    if (!hWndContainer)
        return;
    ::MapWindowPoints(pSite->GetSafeHwnd(), hWndContainer, reinterpret_cast<LPPOINT>(&rc), 2);
    ::MoveWindow(m_hwndChild, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
    ::EnableWindow(m_hwndChild, (m_nEnabled & ktPaneEnableClient) != 0);
}

void CKTDockingPane::SetParentContainer(CKTDockingPaneContainer* pContainer)
{
    m_pParentContainer = pContainer;
    if (!m_hwndChild)
        return;
    if (pContainer)
    {
        if (HWND hWndContainer = pContainer->GetPaneHwnd())
            ::SetParent(m_hwndChild, hWndContainer);
        return;
    }
    ::ShowWindow(m_hwndChild, SW_HIDE);
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager(); pManager && pManager->GetSafeHwnd())
        ::SetParent(m_hwndChild, pManager->GetSafeHwnd());
    m_pDockingSite = nullptr;
}

void CKTDockingPane::Copy(const CKTDockingPane* pPane)
{
    m_nDockedWidth = pPane->m_nDockedWidth;
    m_nDockedHeight = pPane->m_nDockedHeight;
    m_strTitle = pPane->m_strTitle;
    m_nIconID = pPane->m_nIconID;
    m_dwOptions = pPane->m_dwOptions;
    m_dwTag = pPane->m_dwTag;
    m_nID = pPane->m_nID;
    m_nEnabled = pPane->m_nEnabled;
    m_ptMinTrackSize = pPane->m_ptMinTrackSize;
    m_ptMaxTrackSize = pPane->m_ptMaxTrackSize;
}

CKTDockingPaneNode* CKTDockingPane::Clone(CKTDockingPaneLayoutData* pLayout, CKTDockingPaneCloneMap* pMap, DWORD)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    auto* pClone = static_cast<CKTDockingPane*>(pManager ? pManager->OnCreatePane(ktPaneTypePane, pLayout) : nullptr);
    if (!pClone)
        return nullptr;
    pClone->Copy(this);
    if (pMap)
        (*pMap)[this] = pClone;
    return pClone;
}

BOOL CKTDockingPane::DoPropExchange(CKTPropExchange* pPX)
{
    CKTDockingPaneNode::DoPropExchange(pPX);
    PX_String(pPX, "Title", m_strTitle, "");
    PX_Int(pPX, "ID", m_nID, 0);
    PX_Int(pPX, "IconID", m_nIconID, -1);
    PX_DWord(pPX, "Options", m_dwOptions, 0);
    ExchangeHolders(pPX);
    PX_Int(pPX, "MinTrackX", reinterpret_cast<int&>(m_ptMinTrackSize.x), 0);
    PX_Int(pPX, "MinTrackY", reinterpret_cast<int&>(m_ptMinTrackSize.y), 0);
    PX_Int(pPX, "MaxTrackX", reinterpret_cast<int&>(m_ptMaxTrackSize.x), 32000);
    PX_Int(pPX, "MaxTrackY", reinterpret_cast<int&>(m_ptMaxTrackSize.y), 32000);
    if (pPX->GetSchema() > 9)
    {
        PX_Int(pPX, "TabColor", m_nTabColor, -1);
        PX_Int(pPX, "HelpId", m_nHelpID, 0);
        PX_DWord(pPX, "Tag", m_dwTag, 0);
    }
    return m_nID > 0;
}

namespace
{
// A holder must be a group of the archive; anything else counts as none.
CKTDockingPaneTabbedContainer* ResolveHolder(const CKTDockingPaneLoadMap* pMap, int nNumber)
{
    if (!pMap)
        return nullptr;
    auto it = pMap->find(nNumber);
    if (it == pMap->end() || it->second->GetType() != ktPaneTypeTabbedContainer)
        return nullptr;
    return static_cast<CKTDockingPaneTabbedContainer*>(it->second);
}

int NumberOf(const CKTDockingPaneNode* pNode) { return pNode ? pNode->m_nNumber : 0; }
}  // namespace

void CKTDockingPane::ExchangeHolders(CKTPropExchange* pPX)
{
    int nDocking = 0, nFloating = 0, nLast = 0;
    if (!pPX->IsLoading())
    {
        DockingPaneInfo* pInfo = m_pLayout ? m_pLayout->FindPaneInfo(this) : nullptr;
        if (!pInfo)
            return;
        nDocking = NumberOf(pInfo->pDockingHolder);
        nFloating = NumberOf(pInfo->pFloatingHolder);
        nLast = NumberOf(pInfo->pLastHolder);
    }
    PX_Int(pPX, "DockingHolder", nDocking, 0);
    PX_Int(pPX, "FloatingHolder", nFloating, 0);
    PX_Int(pPX, "LastHolder", nLast, 0);
    if (!pPX->IsLoading() || !m_pLayout)
        return;
    const auto* pMap = static_cast<const CKTDockingPaneLoadMap*>(pPX->m_pCallerData);
    m_pLayout->AddPaneInfo(
        {this, ResolveHolder(pMap, nFloating), ResolveHolder(pMap, nDocking), ResolveHolder(pMap, nLast)});
}
