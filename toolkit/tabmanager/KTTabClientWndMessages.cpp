// KTTabClientWndMessages.cpp: the MDI client's messages as the tab client handles them.
#include "KTTabClientWnd.h"

#include <afxpriv.h>

#include "KTMouseHookManager.h"
#include "KTTabManagerRes.h"

namespace
{
const UINT g_nMsgQuerySkinState = ::RegisterWindowMessageA("WM_SKINFRAMEWORK_QUERYSTATE");

BOOL IsButtonPress(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK;
}
}  // namespace

BEGIN_MESSAGE_MAP(CKTTabClientWnd, CWnd)
// LRESULT OnQuerySkinState(WPARAM, LPARAM)
ON_REGISTERED_MESSAGE(g_nMsgQuerySkinState, OnQuerySkinState)
// LRESULT OnMDICreate(WPARAM, LPARAM)
ON_MESSAGE(WM_MDICREATE, OnMDICreate)
// LRESULT OnMDIActivate(WPARAM, LPARAM)
ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivate)
// LRESULT OnMDINext(WPARAM, LPARAM)
ON_MESSAGE(WM_MDINEXT, OnMDINext)
// LRESULT OnMDIDestroy(WPARAM, LPARAM)
ON_MESSAGE(WM_MDIDESTROY, OnMDIDestroy)
// LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
// void OnSize(UINT nType, int cx, int cy)
ON_WM_SIZE()
// BOOL OnEraseBkgnd(CDC* pDC)
ON_WM_ERASEBKGND()
// void OnPaint()
ON_WM_PAINT()
// void OnNcPaint()
ON_WM_NCPAINT()
// void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
ON_WM_NCCALCSIZE()
// BOOL OnNcActivate(BOOL bActive)
ON_WM_NCACTIVATE()
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
ON_WM_SETCURSOR()
// void OnLButtonDown(UINT nFlags, CPoint point)
ON_WM_LBUTTONDOWN()
// void OnLButtonDblClk(UINT nFlags, CPoint point)
ON_WM_LBUTTONDBLCLK()
// void OnMouseMove(UINT nFlags, CPoint point)
ON_WM_MOUSEMOVE()
// void OnMouseLeave()
ON_WM_MOUSELEAVE()
// void OnDestroy()
ON_WM_DESTROY()
// void OnSysColorChange()
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

// The tooltip sees every message, and the frame is offered each press, before the map dispatches them.
LRESULT CKTTabClientWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CKTToolTipController::FilterToolTipMessage(m_pToolTip, this, message, wParam, lParam);
    if (m_bEnableGroups && OfferPressToFrame(message, lParam))
        return 0;
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CKTTabClientWnd::OnQuerySkinState(WPARAM, LPARAM) { return m_bEnableGroups && m_pFrame; }

LRESULT CKTTabClientWnd::OnMDINext(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = DefWindowProc(WM_MDINEXT, wParam, lParam);
    UpdateContents();
    return lResult;
}

LRESULT CKTTabClientWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    m_bUpdateSuspended = FALSE;
    UpdateContents();
    return 0;
}

void CKTTabClientWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    m_bRepositionPending = TRUE;
    UpdateContents();
    LayoutGroups();
}

BOOL CKTTabClientWnd::OnEraseBkgnd(CDC* pDC)
{
    if (m_bThemedBackground || m_bEnableGroups)
        return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

void CKTTabClientWnd::OnPaint()
{
    if (!m_bThemedBackground && !m_bEnableGroups)
    {
        Default();
        return;
    }
    OnPaintClient();
}

void CKTTabClientWnd::OnNcPaint()
{
    if (!m_bEnableGroups)
    {
        Default();
        return;
    }
    OnNcPaintClient();
}

// Both forms of the message start with the window rectangle that becomes the client's.
void CKTTabClientWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (m_bEnableGroups)
        m_pPainter->GetAppearanceSet()->DrawWorkspacePart(NULL, &lpncsp->rgrc[0], 1);
    CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
}

BOOL CKTTabClientWnd::OnNcActivate(BOOL bActive) { return m_bEnableGroups ? TRUE : CWnd::OnNcActivate(bActive); }

BOOL CKTTabClientWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    return OnSetCursorClient(nHitTest) || CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CKTTabClientWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bEnableGroups)
    {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    OnButtonDown(point);
}

void CKTTabClientWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (!m_bEnableGroups)
    {
        CWnd::OnLButtonDblClk(nFlags, point);
        return;
    }
    OnButtonDown(point);
}

void CKTTabClientWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bEnableGroups)
        for (auto& pGroup : m_arrGroups)
            pGroup->PerformMouseMove(m_hWnd, point);
    CWnd::OnMouseMove(nFlags, point);
}

void CKTTabClientWnd::OnMouseLeave()
{
    if (!m_bEnableGroups)
    {
        CWnd::OnMouseLeave();
        return;
    }
    for (auto& pGroup : m_arrGroups)
        pGroup->PerformMouseMove(m_hWnd, CPoint(-1, -1));
}

void CKTTabClientWnd::OnDestroy()
{
    m_dropTarget.Revoke();
    CWnd::OnDestroy();
}

void CKTTabClientWnd::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    KTSystemChange()->Apply(ktSystemChangeColors);
}

void CKTTabClientWnd::OnSystemChange(KTSystemChangeKind)
{
    m_pPainter->RefreshMetrics();
    Refresh(TRUE);
}

// A mouse press the frame answers is its own.
BOOL CKTTabClientWnd::OfferPressToFrame(UINT message, LPARAM lParam)
{
    return IsButtonPress(message) && m_pFrame && m_pFrame->SendMessage(KT_TABCLIENT_MOUSEPRESS, message, lParam) != 0;
}

// With groups a child has neither caption nor frame: its tab stands for them.
LRESULT CKTTabClientWnd::OnMDICreate(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = DefWindowProc(WM_MDICREATE, wParam, lParam);
    HWND hChild = reinterpret_cast<HWND>(lResult);
    if (m_bEnableGroups && hChild)
    {
        ::SetWindowLong(hChild, GWL_STYLE,
                        ::GetWindowLong(hChild, GWL_STYLE) &
                            ~(WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        ::SetWindowLong(hChild, GWL_EXSTYLE, ::GetWindowLong(hChild, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE);
        ::SetWindowPos(hChild, NULL, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    UpdateContents();
    return lResult;
}

// The MDI client's own handling runs with the message's parameters: redraw messages come between.
LRESULT CKTTabClientWnd::OnMDIActivate(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (m_bEnableGroups)
        lResult = DefWindowProc(WM_MDIACTIVATE, wParam, lParam);
    else
    {
        SendMessage(WM_SETREDRAW, FALSE);
        lResult = DefWindowProc(WM_MDIACTIVATE, wParam, lParam);
        SendMessage(WM_SETREDRAW, TRUE);
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    UpdateContents();
    return lResult;
}

LRESULT CKTTabClientWnd::OnMDIDestroy(WPARAM wParam, LPARAM lParam)
{
    CKTTabManagerItem* pItem = FindItem(reinterpret_cast<HWND>(wParam));
    if (!m_bUseSystemActivation && pItem)
    {
        CKTTabManager* pGroup = pItem->GetTabManager();
        CKTTabManagerItem* pNext = pGroup->GetItem(pItem->GetIndex() + 1);
        if (!pNext)
            pNext = pGroup->GetItem(pItem->GetIndex() - 1);
        if (pNext)
            ::BringWindowToTop(pNext->GetHandle());
    }
    LRESULT lResult = DefWindowProc(WM_MDIDESTROY, wParam, lParam);
    UpdateContents();
    return lResult;
}

BOOL CKTTabClientWnd::OnSetCursorClient(UINT nHitTest)
{
    if (!m_bEnableGroups || nHitTest != HTCLIENT)
        return FALSE;
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (SplitterAt(pt) < 0)
        return FALSE;
    HCURSOR hCursor = m_bHorizSplitting ? m_hCursorHoriz : m_hCursorVert;
    ::SetCursor(hCursor ? hCursor : ::LoadCursor(NULL, m_bHorizSplitting ? IDC_SIZENS : IDC_SIZEWE));
    return TRUE;
}

// A press on an inactive group first selects that group's selected tab, so its child becomes the active one.
void CKTTabClientWnd::OnButtonDown(CPoint pt)
{
    m_bUpdateSuspended = TRUE;
    int nSplitter = SplitterAt(pt);
    if (nSplitter >= 0)
    {
        TrackSplitter(nSplitter, pt);
        return;
    }
    for (auto& pGroup : m_arrGroups)
    {
        if (!pGroup->m_rcControl.PtInRect(pt))
            continue;
        if (pGroup.get() != m_pActiveGroup && pGroup->GetSelectedItem())
            pGroup->OnItemClick(pGroup->GetSelectedItem());
        pGroup->PerformClick(m_hWnd, pt);
        return;
    }
}

// The group commands, and the drop popup's Cancel, which only closes the popup.
BOOL CKTTabClientWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nID < KT_ID_TABWORKSPACE_MOVEPREVIOUS || nID > KT_ID_TABWORKSPACE_CANCEL || pHandlerInfo)
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI))
    {
        static_cast<CCmdUI*>(pExtra)->Enable(nID == KT_ID_TABWORKSPACE_CANCEL || IsGroupCommandEnabled(nID));
        return TRUE;
    }
    return nCode == CN_COMMAND && OnGroupCommand(nID);
}

BOOL CKTTabClientWnd::OnGroupCommand(UINT nID)
{
    if (nID < KT_ID_TABWORKSPACE_MOVEPREVIOUS || nID > KT_ID_TABWORKSPACE_CANCEL)
        return FALSE;
    if (nID == KT_ID_TABWORKSPACE_CANCEL)
        return TRUE;
    CKTTabManagerItem* pItem = NULL;
    if (!IsGroupCommandEnabled(nID, &pItem))
        return TRUE;
    CKTTabClientGroup* pGroup = GroupOf(pItem);
    switch (nID)
    {
    case KT_ID_TABWORKSPACE_MOVEPREVIOUS:
        MoveItem(pItem, ShownNeighbour(pGroup, -1), ktTabDropGroup);
        break;
    case KT_ID_TABWORKSPACE_MOVENEXT:
        MoveItem(pItem, ShownNeighbour(pGroup, 1), ktTabDropGroup);
        break;
    case KT_ID_TABWORKSPACE_NEWHORIZONTAL:
        MoveItem(pItem, pGroup, ktTabDropNewHorizontal);
        break;
    default:
        MoveItem(pItem, pGroup, ktTabDropNewVertical);
        break;
    }
    return TRUE;
}

INT_PTR CKTTabClientWnd::OnToolHitTest(CPoint pt, TOOLINFO* pTI) const
{
    // Without groups the strip has a window, and tooltips, of its own.
    if (!m_bEnabled || !m_bEnableGroups || CKTMouseHookManager::Instance()->IsTrackedLock(NULL))
        return -1;
    for (const auto& pGroup : m_arrGroups)
    {
        if (pGroup->m_rcControl.PtInRect(pt))
            return pGroup->OnToolHitTest(m_hWnd, pt, pTI);
    }
    return -1;
}
