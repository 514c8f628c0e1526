// KTDockingPaneAutoHidePanel.cpp: a side strip's groups, its place in the frame, its tabs and their input.
#include "KTDockingPaneAutoHidePanel.h"

#include <algorithm>

#include "KTDockingPane.h"
#include "KTDockingPaneAutoHideWnd.h"
#include "KTDockingPaneLayoutData.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTPropExchange.h"
#include "KTTabPainter.h"

namespace
{
const char kPanelClass[] = "KTDockingPaneAutoHidePanel";
const DWORD kPanelStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
const int kGroupGap = 8;  // between two groups
}  // namespace

BEGIN_MESSAGE_MAP(CKTDockingPaneAutoHidePanel, CWnd)
// void OnPaint()
ON_WM_PAINT()
// BOOL OnEraseBkgnd(CDC* pDC)
ON_WM_ERASEBKGND()
// void OnMouseMove(UINT nFlags, CPoint point)
ON_WM_MOUSEMOVE()
// LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam)
ON_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
// LRESULT OnMouseLeave(WPARAM, LPARAM)
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
// void OnLButtonDown(UINT nFlags, CPoint point)
ON_WM_LBUTTONDOWN()
// void OnRButtonDown(UINT nFlags, CPoint point)
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CKTDockingPaneAutoHidePanel::CKTDockingPaneAutoHidePanel(CKTDockingPaneLayoutData* pLayout)
    : CKTDockingPaneContainer(ktPaneTypeAutoHidePanel, pLayout)
{
}

CKTDockingPaneAutoHidePanel::~CKTDockingPaneAutoHidePanel()
{
    // No veto here: the window must not outlive the strip it points back to.
    if (CKTDockingPaneAutoHideWnd* pWnd = std::exchange(m_pActiveWnd, nullptr))
        pWnd->CloseWindow();
}

void CKTDockingPaneAutoHidePanel::OnFinalRelease()
{
    if (GetSafeHwnd())
        DestroyWindow();
    delete this;
}

BOOL CKTDockingPaneAutoHidePanel::Create(CWnd* pParent)
{
    if (!CreateEx(0, kPanelClass, "", kPanelStyle, CRect(0, 0, 0, 0), pParent, 0))
        return FALSE;
    if (!m_dropTarget.Register(this))
        TRACE("Docking: a strip takes no part in drags\n");
    return TRUE;
}

BOOL CKTDockingPaneAutoHidePanel::IsSlidOut(const CKTDockingPane* pPane) const
{
    return m_pActiveWnd && m_pActiveWnd->GetContainer() && m_pActiveWnd->GetContainer()->GetSelected() == pPane;
}

void CKTDockingPaneAutoHidePanel::AddContainer(CKTDockingPaneNode* pContainer)
{
    m_children.push_back(pContainer);
    pContainer->SetParentContainer(this);
    pContainer->SetDockingSite(m_pDockingSite);
    pContainer->OnParentContainerChanged(this);
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (pManager && !m_pLayout->IsDetached())
        pManager->RecalcFrameLayout(this, TRUE);
    HWND hWndContainer = pContainer->GetPaneHwnd();
    HWND hWndFocus = ::GetFocus();
    if (hWndContainer && hWndFocus && (hWndFocus == hWndContainer || ::IsChild(hWndContainer, hWndFocus)) &&
        m_pDockingSite)
        m_pDockingSite->SetFocus();
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CKTDockingPaneAutoHidePanel::RemovePane(CKTDockingPaneNode* pNode)
{
    if (!HasChild(pNode))
        return;
    EraseChild(pNode);
    if (GetSafeHwnd())
        Invalidate(FALSE);
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (pManager && !m_pLayout->IsDetached())
        pManager->RecalcFrameLayout(this, TRUE);
    if (m_children.empty() && GetSafeHwnd())
        DestroyWindow();
    pNode->SetParentContainer(nullptr);
}

void CKTDockingPaneAutoHidePanel::OnChildContainerChanged(CKTDockingPaneNode*)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (CKTDockingPaneAutoHideWnd::m_bCloseOnLeave)
    {
        CloseActiveWindow(pManager && pManager->IsDockingInProgress());
        return;
    }
    if (pManager)
        pManager->RecalcFrameLayout(this, FALSE);
    if (m_pActiveWnd)
        m_pActiveWnd->RecalcLayout();
}

int CKTDockingPaneAutoHidePanel::Thickness() const
{
    CKTDockingPanePaintManager* pPaintManager = GetPaintManager();
    if (!pPaintManager)
        return 0;
    CKTTabAppearanceSet* pAppearance = pPaintManager->GetPanelTabPainter()->GetAppearanceSet();
    CRect rcMargin = pAppearance->GetHeaderMargin();
    // The row height of a strip without tabs: no tab may stretch it.
    CKTDockingPaneAutoHideTabManager noTabs(const_cast<CKTDockingPaneAutoHidePanel*>(this));
    return pAppearance->GetButtonHeight(&noTabs) + rcMargin.top + rcMargin.bottom;
}

void CKTDockingPaneAutoHidePanel::OnSizeParent(CWnd* pSite, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout)
{
    m_pDockingSite = pSite;
    if (IsEmpty())
    {
        if (GetSafeHwnd())
            DestroyWindow();
        return;
    }
    if (!GetSafeHwnd() && pSite && !Create(pSite))
        return;
    if (rc != m_rcPanel)
    {
        CloseActiveWindow(FALSE);
        m_rcPanel = rc;
    }
    int nThickness = Thickness();
    CRect rcStrip = rc;
    CRect& rcFree = pLayout ? *reinterpret_cast<CRect*>(&pLayout->rect) : rc;
    switch (m_nDirection)
    {
    case ktDockLeft:
        rcStrip.right = rcFree.left += nThickness;
        break;
    case ktDockRight:
        rcStrip.left = rcFree.right -= nThickness;
        break;
    case ktDockTop:
        rcStrip.bottom = rcFree.top += nThickness;
        break;
    default:
        rcStrip.top = rcFree.bottom -= nThickness;
        break;
    }
    m_rcWindow = rcStrip;
    LayoutTabs();
    if (pLayout && pLayout->hDWP && GetSafeHwnd())
    {
        MoveWindow(rcStrip, TRUE);
        Invalidate(FALSE);
    }
}

void CKTDockingPaneAutoHidePanel::LayoutTabs()
{
    m_tabManagers.clear();
    CKTDockingPanePaintManager* pPaintManager = GetPaintManager();
    if (!GetSafeHwnd() || !pPaintManager)
        return;
    CKTTabPainter* pPainter = PanelPainter(pPaintManager);
    CRect rcMargin = pPainter->GetAppearanceSet()->GetHeaderMargin();
    int nPosition = 0;
    CKTDockingPaneAutoHidePanel* pTop = m_pLayout ? m_pLayout->GetPanel(ktDockTop) : nullptr;
    if (IsVerticalStrip() && pTop && !pTop->IsEmpty())
        nPosition += pTop->Thickness();
    CClientDC dc(this);
    for (CKTDockingPaneNode* pGroup : m_children)
    {
        if (pGroup->IsEmpty())
            continue;
        auto pManager = std::make_unique<CKTDockingPaneAutoHideTabManager>(this);
        pManager->Fill(static_cast<CKTDockingPaneTabbedContainer*>(pGroup));
        CRect rcControl(0, 0, m_rcWindow.Width(), m_rcWindow.Height());
        (IsVerticalStrip() ? rcControl.top : rcControl.left) += nPosition;
        pPainter->RepositionTabControl(pManager.get(), &dc, rcControl);
        nPosition += pManager->GetItemsLength() + rcMargin.left + rcMargin.right + kGroupGap;
        m_tabManagers.push_back(std::move(pManager));
    }
}

CKTTabPainter* CKTDockingPaneAutoHidePanel::PanelPainter(CKTDockingPanePaintManager* pPaintManager)
{
    // Every strip shares the one painter, which lays rows out on its own side: turn it to this strip's.
    CKTTabPainter* pPainter = pPaintManager->GetPanelTabPainter();
    pPainter->SetPosition(CKTDockingPaneAutoHideTabManager(this).GetPosition());
    return pPainter;
}

CKTDockingPane* CKTDockingPaneAutoHidePanel::HitTest(CPoint pt) const
{
    for (const auto& pManager : m_tabManagers)
        if (CKTTabManagerItem* pItem = pManager->HitTest(pt))
            return reinterpret_cast<CKTDockingPane*>(pItem->GetData());
    return nullptr;
}

CRect CKTDockingPaneAutoHidePanel::GetTabRect(const CKTDockingPane* pPane) const
{
    for (const auto& pManager : m_tabManagers)
    {
        for (int nTab = 0; nTab < pManager->GetItemCount(); ++nTab)
            if (pManager->GetItem(nTab)->GetData() == DWORD_PTR(pPane))
                return pManager->GetItem(nTab)->GetRect();
    }
    return CRect(0, 0, 0, 0);
}

void CKTDockingPaneAutoHidePanel::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CKTBufferDC buffer(&dc, rcClient);
    CKTDockingPanePaintManager* pPaintManager = GetPaintManager();
    if (!pPaintManager)
        return;
    CKTTabPainter* pPainter = PanelPainter(pPaintManager);
    const CKTPaintManagerColorGradient& face = pPainter->GetColorSet()->m_clrAutoHideFace;
    if (face.clrLight.GetColor() == face.clrDark.GetColor())
        buffer.FillSolidRect(rcClient, face.clrLight.GetColor());
    else
        KTDrawHelpers()->GradientFill(&buffer, FaceGradientRect(rcClient), face, TRUE);
    for (const auto& pManager : m_tabManagers)
        pPainter->DrawItems(pManager.get(), &buffer, rcClient);
}

CRect CKTDockingPaneAutoHidePanel::FaceGradientRect(const CRect& rcClient) const
{
    // The band is wide, and a right strip's starts where the frame's client area does: both sides read as one.
    int nWidth = std::max(int(rcClient.Width()), ::GetSystemMetrics(SM_CXFULLSCREEN) / 2);
    CRect rc(rcClient.left, rcClient.top, rcClient.left + nWidth, rcClient.bottom);
    if (m_nDirection != ktDockRight || !m_pDockingSite)
        return rc;
    CPoint ptSite(0, 0);
    m_pDockingSite->ClientToScreen(&ptSite);
    ScreenToClient(&ptSite);
    rc.left = ptSite.x;
    rc.right = std::max(rcClient.right, rc.left + nWidth);
    return rc;
}

void CKTDockingPaneAutoHidePanel::OnMouseMove(UINT, CPoint point)
{
    for (const auto& pManager : m_tabManagers)
        pManager->PerformMouseMove(m_hWnd, point);
    if (!HitTest(point))
        return;
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_HOVER | TME_LEAVE, m_hWnd, DWORD(CKTDockingPaneAutoHideWnd::m_nHoverTime)};
    ::TrackMouseEvent(&tme);
}

LRESULT CKTDockingPaneAutoHidePanel::OnMouseLeave(WPARAM, LPARAM)
{
    for (const auto& pManager : m_tabManagers)
        pManager->PerformMouseMove(m_hWnd, CPoint(-1, -1));
    return 0;
}

LRESULT CKTDockingPaneAutoHidePanel::OnMouseHover(WPARAM, LPARAM lParam)
{
    CPoint pt(short(LOWORD(lParam)), short(HIWORD(lParam)));
    CKTDockingPane* pPane = HitTest(pt);
    if (!pPane || !CKTDrawHelpers::IsTopParentActive(m_hWnd) || IsSlidOut(pPane))
        return 0;
    ShowPane(pPane, FALSE);
    return 0;
}

void CKTDockingPaneAutoHidePanel::OnLButtonDown(UINT, CPoint point)
{
    CKTDockingPane* pPane = HitTest(point);
    if (!pPane)
        return;
    if (IsSlidOut(pPane))
        pPane->SetFocus();
    else
        ShowPane(pPane, TRUE);
}

void CKTDockingPaneAutoHidePanel::OnRButtonDown(UINT, CPoint point)
{
    CKTDockingPane* pPane = HitTest(point);
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (pPane && pManager)
        pManager->NotifyOwner(ktDockingPaneRClick, LPARAM(static_cast<CKTDockingPaneNode*>(pPane)));
}

void CKTDockingPaneAutoHidePanel::ShowPane(CKTDockingPane* pPane, BOOL bActivate)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    CKTDockingPaneTabbedContainer* pContainer = pPane->GetTabbedContainer();
    if (!pManager || !pContainer)
        return;
    for (int i = 0; i < 4; ++i)
        if (CKTDockingPaneAutoHidePanel* pPanel = m_pLayout->GetPanel(i))
            pPanel->CloseActiveWindow(FALSE);
    // The owner kept this strip's window out: a strip has one at a time.
    if (m_pActiveWnd || pManager->NotifyAction(ktActionExpanding, pPane))
        return;
    pContainer->SelectPane(pPane, FALSE, TRUE);
    m_pActiveWnd = CKTDockingPaneAutoHideWnd::Open(this, pContainer);
    if (bActivate)
        pContainer->SelectPane(pPane, TRUE, TRUE);
    Invalidate(FALSE);
    pManager->RecalcFrameLayout(this, TRUE);
}

void CKTDockingPaneAutoHidePanel::ClearActiveWnd(const CKTDockingPaneAutoHideWnd* pWnd)
{
    if (m_pActiveWnd == pWnd)
        m_pActiveWnd = nullptr;
}

void CKTDockingPaneAutoHidePanel::CloseActiveWindow(BOOL bDelayed)
{
    if (!CKTDockingPaneAutoHideWnd::m_bCloseOnLeave || !m_pActiveWnd)
        return;
    // A window the owner keeps out stays this strip's, or nothing would ever close it.
    CKTSmartPtr<CKTDockingPaneAutoHideWnd> pWnd(m_pActiveWnd);
    if (pWnd->Close(bDelayed))
        ClearActiveWnd(pWnd);
}

BOOL CKTDockingPaneAutoHidePanel::DoPropExchange(CKTPropExchange* pPX)
{
    CKTDockingPaneNode::DoPropExchange(pPX);
    long nDirection = m_nDirection;
    PX_Long(pPX, "Direction", nDirection);
    if (!pPX->IsLoading())
    {
        long nCount = long(m_children.size());
        PX_Long(pPX, "Panes", nCount);
        SaveChildNumbers(pPX);
        return TRUE;
    }
    // The side indexes the layout's panels: anything else is a damaged archive.
    if (nDirection < ktDockLeft || nDirection > ktDockBottom || m_pLayout->GetPanel(int(nDirection)))
        return FALSE;
    m_nDirection = int(nDirection);
    if (!LoadChildren(pPX))
        return FALSE;
    m_pLayout->SetPanel(m_nDirection, this);
    return TRUE;
}

BOOL CKTDockingPaneAutoHidePanel::LoadChildren(CKTPropExchange* pPX)
{
    int nCount = 0;
    PX_Int(pPX, "Panes", nCount, 0);
    return LoadChildNumbers(pPX, nCount,
                            [this](CKTDockingPaneNode* pNode, int)
                            {
                                if (pNode->GetType() != ktPaneTypeTabbedContainer || pNode->GetParentContainer())
                                    return FALSE;
                                AddContainer(pNode);
                                return TRUE;
                            });
}

CKTDockingPaneNode* CKTDockingPaneAutoHidePanel::Clone(CKTDockingPaneLayoutData* pLayout, CKTDockingPaneCloneMap* pMap,
                                                       DWORD dwFlags)
{
    auto* pClone = static_cast<CKTDockingPaneAutoHidePanel*>(CKTDockingPaneNode::Clone(pLayout, pMap, dwFlags));
    if (!pClone)
        return nullptr;
    pClone->m_nDirection = m_nDirection;
    for (CKTDockingPaneNode* pChild : CKTDockingPaneNodeList(m_children))
        if (pMap || !pChild->IsEmpty())
            if (CKTDockingPaneNode* pChildClone = pChild->Clone(pLayout, pMap, dwFlags))
                pClone->AddContainer(pChildClone);
    return pClone;
}
