// KTTabClientWndMessages.cpp: the MDI client's messages as the tab client handles them.
#include "KTTabClientWnd.h"

#include <afxpriv.h>
#include <windowsx.h>

#include "KTMouseHookManager.h"
#include "KTTabManagerRes.h"

namespace
{
CPoint PointOf(LPARAM lParam) { return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }

BOOL IsButtonPress(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK;
}
}  // namespace

LRESULT CKTTabClientWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CKTToolTipController::FilterToolTipMessage(m_pToolTip, this, message, wParam, lParam);
    if (message == m_nMsgQuerySkinState)
        return m_bEnableGroups && m_pFrame;
    if (m_bEnableGroups && OfferPressToFrame(message, lParam))
        return 0;
    switch (message)
    {
    case WM_MDICREATE:
        return OnMDICreate(wParam, lParam);
    case WM_MDIACTIVATE:
        return OnMDIActivate(wParam, lParam);
    case WM_MDINEXT:
    {
        LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        UpdateContents();
        return lResult;
    }
    case WM_MDIDESTROY:
        return OnMDIDestroy(wParam, lParam);
    case WM_SIZE:
    {
        LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        m_bRepositionPending = TRUE;
        UpdateContents();
        LayoutGroups();
        return lResult;
    }
    case WM_IDLEUPDATECMDUI:
        m_bUpdateSuspended = FALSE;
        UpdateContents();
        return 0;
    case WM_ERASEBKGND:
        if (m_bThemedBackground || m_bEnableGroups)
            return TRUE;
        break;
    case WM_PAINT:
        if (!m_bThemedBackground && !m_bEnableGroups)
            break;
        OnPaintClient();
        return 0;
    case WM_NCPAINT:
        if (!m_bEnableGroups)
            break;
        OnNcPaintClient();
        return 0;
    case WM_NCCALCSIZE:
        if (m_bEnableGroups)
            m_pPainter->GetAppearanceSet()->DrawWorkspacePart(NULL, reinterpret_cast<LPRECT>(lParam), 1);
        break;
    case WM_NCACTIVATE:
        if (m_bEnableGroups)
            return TRUE;
        break;
    case WM_SETCURSOR:
    {
        LRESULT lResult = 0;
        if (OnSetCursorClient(wParam, lParam, lResult))
            return lResult;
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!m_bEnableGroups)
            break;
        OnButtonDown(message, PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMoveClient(PointOf(lParam));
        break;
    case WM_MOUSELEAVE:
        if (!m_bEnableGroups)
            break;
        for (auto& pGroup : m_arrGroups)
            pGroup->PerformMouseMove(m_hWnd, CPoint(-1, -1));
        return 0;
    case WM_DESTROY:
        m_dropTarget.Revoke();
        break;
    case WM_SYSCOLORCHANGE:
    {
        LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        m_pPainter->RefreshMetrics();
        Refresh(TRUE);
        return lResult;
    }
    case WM_COMMAND:
        if (OnGroupCommand(LOWORD(wParam)))
            return 0;
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

// A mouse press the frame answers is its own.
BOOL CKTTabClientWnd::OfferPressToFrame(UINT message, LPARAM lParam)
{
    return IsButtonPress(message) && m_pFrame && m_pFrame->SendMessage(KT_TABCLIENT_MOUSEPRESS, message, lParam) != 0;
}

// With groups a child has neither caption nor frame: its tab stands for them.
LRESULT CKTTabClientWnd::OnMDICreate(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CWnd::WindowProc(WM_MDICREATE, wParam, lParam);
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

LRESULT CKTTabClientWnd::OnMDIActivate(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (m_bEnableGroups)
        lResult = CWnd::WindowProc(WM_MDIACTIVATE, wParam, lParam);
    else
    {
        SendMessage(WM_SETREDRAW, FALSE);
        lResult = CWnd::WindowProc(WM_MDIACTIVATE, wParam, lParam);
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
    LRESULT lResult = CWnd::WindowProc(WM_MDIDESTROY, wParam, lParam);
    UpdateContents();
    return lResult;
}

BOOL CKTTabClientWnd::OnSetCursorClient(WPARAM, LPARAM lParam, LRESULT& lResult)
{
    if (!m_bEnableGroups || LOWORD(lParam) != HTCLIENT)
        return FALSE;
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (SplitterAt(pt) < 0)
        return FALSE;
    HCURSOR hCursor = m_bHorizSplitting ? m_hCursorHoriz : m_hCursorVert;
    ::SetCursor(hCursor ? hCursor : ::LoadCursor(NULL, m_bHorizSplitting ? IDC_SIZENS : IDC_SIZEWE));
    lResult = TRUE;
    return TRUE;
}

// A press on an inactive group first selects that group's selected tab, so its child becomes the active one.
void CKTTabClientWnd::OnButtonDown(UINT, CPoint pt)
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

void CKTTabClientWnd::OnMouseMoveClient(CPoint pt)
{
    if (!m_bEnableGroups)
        return;
    for (auto& pGroup : m_arrGroups)
        pGroup->PerformMouseMove(m_hWnd, pt);
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
    int nGroup = FindGroup(pGroup);
    switch (nID)
    {
    case KT_ID_TABWORKSPACE_MOVEPREVIOUS:
        MoveItem(pItem, m_arrGroups[nGroup - 1].get(), ktTabDropGroup);
        break;
    case KT_ID_TABWORKSPACE_MOVENEXT:
        MoveItem(pItem, m_arrGroups[nGroup + 1].get(), ktTabDropGroup);
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
