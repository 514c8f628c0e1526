// KBTabBase.cpp: the tab windows of the themed tab control: adding, deleting, showing the selected one, the keys
// that walk the tabs, the display area and the context menu.
#include "KBTabBase.h"

#include <afxpriv.h>

#include <algorithm>

#include "KBTabBaseTheme.h"
#include "KBTabCtrlArrowWnd.h"
#include "KTGlobalAuxData.h"
#include "KTKeyState.h"
#include "KTSystemInfo.h"

namespace
{
const UINT kFirstViewId = 0xE900;
}  // namespace

CKBTabBase::CKBTabBase(CTabCtrl* pTabCtrl, CRuntimeClass* pThemeFactory)
    : CKBThemeManagerStyleHost(pThemeFactory), m_pTabCtrl(pTabCtrl),
      m_pArrowWnd(std::make_unique<CKBTabCtrlArrowWnd>(this))
{
}

CKBTabBase::~CKBTabBase() = default;

CKBTabBaseTheme* CKBTabBase::GetTheme() { return static_cast<CKBTabBaseTheme*>(GetSafeTheme()); }

const CKBTabCtrlItem* CKBTabBase::GetItem(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? m_items[size_t(nIndex)].get() : nullptr;
}

BOOL CKBTabBase::InsertItem(int nIndex, LPCTSTR lpszLabel, CWnd* pWnd, int nImage)
{
    if (!pWnd || !pWnd->GetSafeHwnd() || !m_pTabCtrl->GetSafeHwnd())
        return FALSE;
    pWnd->SetParent(m_pTabCtrl);
    auto pItem = std::make_unique<CKBTabCtrlItem>(m_pTabCtrl->GetItemCount(), pWnd, lpszLabel);
    if (nIndex < 0 || nIndex > GetItemCount())
        nIndex = GetItemCount();
    TCITEM tci = {};
    tci.mask = TCIF_TEXT | TCIF_IMAGE;
    tci.pszText = const_cast<LPTSTR>(lpszLabel);
    tci.iImage = nImage < 0 ? nIndex : nImage;
    if (m_pTabCtrl->CTabCtrl::InsertItem(nIndex, &tci) < 0)
        return FALSE;
    CKBTabCtrlItem* pAdded = m_items.insert(m_items.begin() + nIndex, std::move(pItem))->get();
    if (m_nActiveIndex >= nIndex)
        ++m_nActiveIndex;
    if (CKBTabBaseTheme* pTheme = GetTheme())
        pTheme->OnItemInserted(*pAdded);
    Renumber();
    return ActivateItem(nIndex);
}

BOOL CKBTabBase::AddView(LPCTSTR lpszLabel, CRuntimeClass* pViewClass, CCreateContext* pContext, int nIndex, int nImage)
{
    CObject* pObject = pViewClass ? pViewClass->CreateObject() : nullptr;
    auto* pView = dynamic_cast<CWnd*>(pObject);
    if (!pView)
    {
        delete pObject;
        return FALSE;
    }
    CKBTabBaseTheme* pTheme = GetTheme();
    // The theme may frame the display area itself.
    DWORD dwStyle = WS_CHILD | WS_VISIBLE;
    if (!(m_bChildFrame && pTheme && pTheme->DrawsChildFrame()))
        dwStyle |= WS_BORDER;
    CCreateContext context;
    if (!pContext)
        pContext = &context;
    // A view whose window fails deletes itself.
    if (!pView->Create(nullptr, nullptr, dwStyle, CRect(0, 0, 0, 0), m_pTabCtrl, kFirstViewId + GetItemCount(),
                       pContext))
        return FALSE;
    if (m_bSendInitialUpdate)
        pView->SendMessage(WM_INITIALUPDATE);
    if (InsertItem(nIndex, lpszLabel, pView, nImage))
        return TRUE;
    pView->DestroyWindow();
    return FALSE;
}

BOOL CKBTabBase::DeleteItem(int nIndex, BOOL bDestroyWindow)
{
    if (!GetItem(nIndex))
        return FALSE;
    CWnd* pWnd = m_items[size_t(nIndex)]->m_pWnd;
    RestoreFrameView(pWnd);
    m_items.erase(m_items.begin() + nIndex);
    if (::IsWindow(pWnd->GetSafeHwnd()))
    {
        if (bDestroyWindow)
            pWnd->DestroyWindow();
        else
            pWnd->ShowWindow(SW_HIDE);
    }
    m_pTabCtrl->CTabCtrl::DeleteItem(nIndex);
    if (m_nActiveIndex == nIndex)
        m_nActiveIndex = -1;
    else if (m_nActiveIndex > nIndex)
        --m_nActiveIndex;
    if (m_items.empty())
        return TRUE;
    Renumber();
    return ActivateItem(std::min(nIndex, GetItemCount() - 1));
}

void CKBTabBase::DeleteAllItems(BOOL bDestroyWindows)
{
    if (m_pParentFrame && m_nActiveIndex >= 0)
        RestoreFrameView(m_items[size_t(m_nActiveIndex)]->m_pWnd);
    m_pLastFrameView = nullptr;
    m_nActiveIndex = -1;
    std::vector<std::unique_ptr<CKBTabCtrlItem>> items;
    items.swap(m_items);
    for (const auto& pItem : items)
        if (::IsWindow(pItem->m_pWnd->GetSafeHwnd()))
            bDestroyWindows ? void(pItem->m_pWnd->DestroyWindow()) : void(pItem->m_pWnd->ShowWindow(SW_HIDE));
    if (m_pTabCtrl->GetSafeHwnd())
        m_pTabCtrl->CTabCtrl::DeleteAllItems();
}

int CKBTabBase::FindIndex(const CWnd* pWnd) const
{
    for (int i = 0; i < GetItemCount(); ++i)
        if (m_items[size_t(i)]->m_pWnd == pWnd)
            return i;
    return -1;
}

int CKBTabBase::FindIndex(CRuntimeClass* pClass) const
{
    for (int i = 0; i < GetItemCount(); ++i)
        if (CWnd* pWnd = GetItemWnd(i); pWnd && pWnd->IsKindOf(pClass))
            return i;
    return -1;
}

CWnd* CKBTabBase::GetItemWnd(int nIndex) const
{
    const CKBTabCtrlItem* pItem = GetItem(nIndex);
    return pItem && ::IsWindow(pItem->m_pWnd->GetSafeHwnd()) ? pItem->m_pWnd : nullptr;
}

CString CKBTabBase::GetItemLabel(int nIndex) const
{
    const CKBTabCtrlItem* pItem = GetItem(nIndex);
    return pItem ? pItem->m_strLabel : CString();
}

BOOL CKBTabBase::SetItemLabel(int nIndex, LPCTSTR lpszLabel, LPCTSTR lpszTooltip)
{
    if (!GetItem(nIndex))
        return FALSE;
    CKBTabCtrlItem& item = *m_items[size_t(nIndex)];
    item.m_strLabel = item.m_strDisplay = lpszLabel;
    item.m_strTooltip = lpszTooltip ? lpszTooltip : lpszLabel;
    TCITEM tci = {};
    tci.mask = TCIF_TEXT;
    tci.pszText = const_cast<LPTSTR>(lpszLabel);
    m_pTabCtrl->SetItem(nIndex, &tci);
    CutCaptions();
    return TRUE;
}

int CKBTabBase::HitTest(CPoint pt) const
{
    if (pt == CPoint(0, 0))
    {
        ::GetCursorPos(&pt);
        m_pTabCtrl->ScreenToClient(&pt);
    }
    TCHITTESTINFO hti = {pt, 0};
    return m_pTabCtrl->CTabCtrl::HitTest(&hti);
}

void CKBTabBase::Renumber()
{
    for (int i = 0; i < GetItemCount(); ++i)
        m_items[size_t(i)]->m_nIndex = i;
}

BOOL CKBTabBase::ActivateItem(int nIndex)
{
    if (!GetItem(nIndex))
        return FALSE;
    m_pTabCtrl->SetCurSel(nIndex);
    ShowActiveItem();
    return TRUE;
}

void CKBTabBase::NextItem()
{
    if (m_items.empty())
        return;
    int nNext = m_pTabCtrl->GetCurSel() + 1;
    ActivateItem(nNext >= GetItemCount() ? 0 : nNext);
    m_pTabCtrl->SetFocus();
}

void CKBTabBase::PrevItem()
{
    if (m_items.empty())
        return;
    int nPrev = m_pTabCtrl->GetCurSel() - 1;
    ActivateItem(nPrev < 0 ? GetItemCount() - 1 : nPrev);
    m_pTabCtrl->SetFocus();
}

void CKBTabBase::HideItemWindow(CWnd* pWnd)
{
    if (!::IsWindow(pWnd->GetSafeHwnd()))
        return;
    pWnd->ShowWindow(SW_HIDE);
    pWnd->EnableWindow(FALSE);
}

void CKBTabBase::RestoreFrameView(CWnd* pLeaving)
{
    if (!m_pParentFrame || !::IsWindow(m_pParentFrame->GetSafeHwnd()) || !pLeaving ||
        m_pParentFrame->GetActiveView() != pLeaving)
        return;
    CView* pRestored = m_pLastFrameView && ::IsWindow(m_pLastFrameView->GetSafeHwnd()) ? m_pLastFrameView : nullptr;
    m_pParentFrame->SetActiveView(pRestored);
}

void CKBTabBase::ShowActiveItem()
{
    int nSel = m_pTabCtrl->GetCurSel();
    if (nSel < 0)
        return;
    if (m_nActiveIndex != nSel && GetItem(m_nActiveIndex))
    {
        CWnd* pLeaving = m_items[size_t(m_nActiveIndex)]->m_pWnd;
        HideItemWindow(pLeaving);
        RestoreFrameView(pLeaving);
    }
    CWnd* pShown = GetItemWnd(nSel);
    auto* pView = dynamic_cast<CView*>(pShown);
    if (pView && m_pParentFrame && ::IsChild(m_pParentFrame->GetSafeHwnd(), pView->GetSafeHwnd()))
    {
        CView* pActive = m_pParentFrame->GetActiveView();
        if (pActive && FindIndex(pActive) < 0)
            m_pLastFrameView = pActive;
        m_pParentFrame->SetActiveView(pView);
    }
    for (int i = 0; i < GetItemCount(); ++i)
        if (i != nSel)
            HideItemWindow(m_items[size_t(i)]->m_pWnd);
    m_nActiveIndex = nSel;
    if (pShown)
    {
        pShown->ShowWindow(SW_SHOW);
        pShown->EnableWindow(TRUE);
        pShown->SetFocus();
    }
    RepositionTabs();
    NotifyParent(kbTabNotifyChanged);
}

void CKBTabBase::NotifyParent(UINT nMessage)
{
    if (CWnd* pParent = m_pTabCtrl->GetParent())
        pParent->SendMessage(nMessage, WPARAM(m_pTabCtrl->GetDlgCtrlID()), LPARAM(m_pTabCtrl));
}

void CKBTabBase::OnSelChanging()
{
    m_pTabCtrl->SetRedraw(FALSE);
    m_nActiveIndex = m_pTabCtrl->GetCurSel();
    NotifyParent(kbTabNotifyChanging);
}

void CKBTabBase::OnSelChange()
{
    ShowActiveItem();
    m_pTabCtrl->SetRedraw(TRUE);
    m_pTabCtrl->Invalidate(TRUE);
    m_pTabCtrl->UpdateWindow();
}

BOOL CKBTabBase::TranslateTabKey(const MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN)
        return FALSE;
    BOOL bControl = KTIsKeyDown(VK_CONTROL);
    if (!(pMsg->wParam == VK_TAB && bControl) && pMsg->wParam != VK_F6)
        return FALSE;
    if (KTIsKeyDown(VK_SHIFT))
        PrevItem();
    else
        NextItem();
    m_pTabCtrl->SetFocus();
    return TRUE;
}

BOOL CKBTabBase::RouteCommand(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CWnd* pActive = GetItemWnd(m_nActiveIndex);
    return pActive && pActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CRect CKBTabBase::GetChildRect() const
{
    int nSel = m_pTabCtrl->GetCurSel();
    if (nSel < 0)
        return CRect(0, 0, 0, 0);
    CRect rc, rcItem;
    m_pTabCtrl->GetClientRect(&rc);
    m_pTabCtrl->GetItemRect(nSel, &rcItem);
    rcItem.InflateRect(1, 1);
    const DWORD dwStyle = m_pTabCtrl->GetStyle();
    const int nRows = m_pTabCtrl->GetRowCount();
    if (dwStyle & TCS_VERTICAL)
        ((dwStyle & TCS_RIGHT) ? rc.right : rc.left) += ((dwStyle & TCS_RIGHT) ? -1 : 1) * rcItem.Width() * nRows;
    else
        ((dwStyle & TCS_BOTTOM) ? rc.bottom : rc.top) += ((dwStyle & TCS_BOTTOM) ? -1 : 1) * rcItem.Height() * nRows;
    rc.DeflateRect(4, 4);
    return rc;
}

void CKBTabBase::RepositionTabs()
{
    CRect rcChild = GetChildRect();
    if (rcChild.IsRectEmpty() || m_items.empty())
        return;
    HDWP hDWP = ::BeginDeferWindowPos(GetItemCount());
    for (int i = 0; i < GetItemCount() && hDWP; ++i)
    {
        CWnd* pWnd = GetItemWnd(i);
        if (!pWnd)
            continue;
        CRect rcWnd;
        pWnd->GetWindowRect(&rcWnd);
        m_pTabCtrl->ScreenToClient(&rcWnd);
        if (rcWnd == rcChild)
            continue;
        UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
        if (rcWnd.TopLeft() == rcChild.TopLeft())
            nFlags |= SWP_NOMOVE;
        nFlags |= rcWnd.Size() == rcChild.Size() ? SWP_NOSIZE : SWP_NOCOPYBITS;
        hDWP = ::DeferWindowPos(hDWP, pWnd->GetSafeHwnd(), nullptr, rcChild.left, rcChild.top, rcChild.Width(),
                                rcChild.Height(), nFlags);
    }
    if (hDWP && !::EndDeferWindowPos(hDWP))
        TRACE("Tab control: the tab windows were not moved (%lu)\n", ::GetLastError());
}

void CKBTabBase::OnPositionChanged()
{
    if (!m_pTabCtrl->IsWindowVisible())
    {
        // A hidden control's view must not stay the frame's active one.
        if (GetItem(m_nActiveIndex))
            RestoreFrameView(m_items[size_t(m_nActiveIndex)]->m_pWnd);
        return;
    }
    RepositionTabs();
}

void CKBTabBase::SetPopupMenu(UINT nMenuId, int nSubMenu)
{
    m_nPopupMenuId = nMenuId;
    m_nPopupSubMenu = nSubMenu;
}

void CKBTabBase::TrackPopupMenu(CPoint ptClient)
{
    if (!m_nPopupMenuId)
        return;
    m_pTabCtrl->ClientToScreen(&ptClient);
    CMenu menu;
    if (!menu.LoadMenu(m_nPopupMenuId))
        return;
    CMenu* pPopup = menu.GetSubMenu(m_nPopupSubMenu);
    CWnd* pTarget = m_pParentFrame ? static_cast<CWnd*>(m_pParentFrame) : AfxGetMainWnd();
    if (pPopup && pTarget)
        pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, ptClient.x, ptClient.y, pTarget);
}

void CKBTabBase::ApplyFont()
{
    CKTGlobalAuxData* pData = KTGlobalAuxData();
    CFont& font = (m_pTabCtrl->GetStyle() & TCS_VERTICAL) ? pData->fntVert : pData->fntNormal;
    const WPARAM wFont = WPARAM(font.GetSafeHandle());
    // Windows 95 gets the font only once the message at hand is done.
    if (KTOsVersionInfo()->IsWin95())
        m_pTabCtrl->PostMessage(WM_SETFONT, wFont, TRUE);
    else
        m_pTabCtrl->SendMessage(WM_SETFONT, wFont, TRUE);
}

CFrameWnd* CKBTabBase::FindParentFrame() const
{
    CFrameWnd* pFrame = m_pTabCtrl->GetParentFrame();
    // A floating bar's frame stands for the frame it floats for.
    if (pFrame && pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
        pFrame = pFrame->GetParentFrame();
    return pFrame;
}

void CKBTabBase::InitialUpdate()
{
    if (m_bSendInitialUpdate)
        m_pTabCtrl->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    m_pParentFrame = FindParentFrame();
    RepositionTabs();
    if (m_bTruncateCaptions)
        CutCaptions();
    m_pTabCtrl->ModifyStyle(0, WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
}
