// KTTabClientWnd.cpp: attaching to a frame's MDI client, and keeping one tab per visible MDI child.
#include "KTTabClientWnd.h"

#include <utility>

#include "KTAlphaBitmap.h"
#include "KTFoundationRes.h"
#include "KTImageManager.h"
#include "KTResourceManager.h"
#include "KTTabManagerRes.h"

namespace
{
// The group commands' icons, for menus and bars that show them.
void LoadGroupIcons()
{
    HBITMAP hBitmap = KTResourceManager()->LoadBitmap(KT_IDB_TABWORKSPACE_ICONS);
    if (!hBitmap)
        return;
    CKTAlphaBitmap strip;
    BOOL bLoaded = strip.LoadBitmap(hBitmap, RGB(0, 255, 0));
    ::DeleteObject(hBitmap);
    static const UINT kCommands[] = {KT_ID_TABWORKSPACE_NEWHORIZONTAL, KT_ID_TABWORKSPACE_NEWVERTICAL};
    if (bLoaded)
        KTImageManager()->SetIcons(strip, kCommands, 2, CSize(16, 16));
}
}  // namespace

CKTTabClientWnd::CKTTabClientWnd()
    : m_pPainter(KTMakeCounted<CKTTabPainter>()), m_curDrag(KT_IDC_TABWORKSPACE_DRAG),
      m_curNoDrop(KT_IDC_TABWORKSPACE_NODROP), m_pToolTip(KTMakeCounted<CKTToolTipController>()),
      m_nMsgUpdateSkinState(::RegisterWindowMessageA("WM_SKINFRAMEWORK_UPDATESTATE"))
{
    m_pPainter->m_bBoldSelected = TRUE;
    m_pPainter->AddObserver(this);
    m_hCursorVert = KTResourceManager()->LoadCursor(KT_IDC_DIVIDER);
    m_hCursorHoriz = KTResourceManager()->LoadCursor(KT_IDC_SPLITTER);
    LoadGroupIcons();
}

CKTTabClientWnd::~CKTTabClientWnd()
{
    KTSystemChange()->Unadvise(this);
    m_pPainter->RemoveObserver(this);
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->SetTabClient(NULL);
    for (auto& pGroup : m_arrGroups)
        pGroup->DeleteAllItems();
    m_arrGroups.clear();
    if (m_pSingleWorkspace)
        m_pSingleWorkspace->SetOwner(NULL);
    if (GetSafeHwnd())
        UnsubclassWindow();
}

BOOL CKTTabClientWnd::Attach(CMDIFrameWnd* pFrame, BOOL bEnableGroups)
{
    // The flag is taken before any refusal.
    m_bEnableGroups = bEnableGroups;
    if (m_pFrame || !pFrame || !pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) || !pFrame->m_hWndMDIClient)
        return FALSE;
    if (!SubclassWindow(pFrame->m_hWndMDIClient))
        return FALSE;
    SendMessage(m_nMsgUpdateSkinState);
    m_pFrame = pFrame;
    KTSystemChange()->Advise(this);
    // The bars refresh the tabs after colour and setting changes.
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->SetTabClient(this);
    RefreshTheme();
    m_pPainter->RefreshMetrics();
    // An empty window makes the layout that follows size it afresh, its frame area included.
    SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOZORDER);
    Reposition();
    if (bEnableGroups)
        ::SetClassLongPtr(m_hWnd, GCL_STYLE, ::GetClassLongPtr(m_hWnd, GCL_STYLE) | CS_DBLCLKS);
    UpdateContents();
    return TRUE;
}

void CKTTabClientWnd::SetFlags(DWORD dwFlags)
{
    m_dwFlags = dwFlags;
    for (auto& pGroup : m_arrGroups)
        ApplyFlags(pGroup.get());
    Reposition();
}

void CKTTabClientWnd::ApplyFlags(CKTTabManager* pGroup)
{
    auto setMode = [pGroup](UINT nID, int nMode)
    {
        if (CKTTabManagerNavigateButton* pButton = pGroup->FindNavigateButton(nID))
            pButton->SetMode(nMode);
    };
    setMode(ktNavigateButtonClose, m_dwFlags & ktTabClientNoClose ? ktNavigateButtonNone : ktNavigateButtonAutomatic);
    setMode(ktNavigateButtonActiveFiles,
            m_dwFlags & ktTabClientActiveFiles ? ktNavigateButtonAlways : ktNavigateButtonNone);
    int nScroll = m_dwFlags & ktTabClientScrollAuto ? ktNavigateButtonAutomatic : ktNavigateButtonAlways;
    if ((m_dwFlags & ktTabClientScrollAuto) && (m_dwFlags & ktTabClientNoScroll))
        nScroll = ktNavigateButtonNone;
    setMode(ktNavigateButtonLeft, nScroll);
    setMode(ktNavigateButtonRight, nScroll);
    if (m_dwFlags & ktTabClientTabCloseSelected)
        pGroup->SetPerTabCloseMode(ktNavigateButtonAutomatic);
    else if (m_dwFlags & ktTabClientTabCloseAlways)
        pGroup->SetPerTabCloseMode(ktNavigateButtonAlways);
}

int CKTTabClientWnd::GetItemCount() const
{
    int nCount = 0;
    for (const auto& pGroup : m_arrGroups)
        nCount += pGroup->GetItemCount();
    return nCount;
}

CKTTabManagerItem* CKTTabClientWnd::GetItem(int nIndex) const
{
    for (const auto& pGroup : m_arrGroups)
    {
        if (nIndex >= 0 && nIndex < pGroup->GetItemCount())
            return pGroup->GetItem(nIndex);
        nIndex -= pGroup->GetItemCount();
    }
    return NULL;
}

CKTTabManagerItem* CKTTabClientWnd::FindItem(HWND hWnd) const
{
    for (const auto& pGroup : m_arrGroups)
    {
        for (int i = 0; i < pGroup->GetItemCount(); i++)
        {
            if (pGroup->GetItem(i)->GetHandle() == hWnd)
                return pGroup->GetItem(i);
        }
    }
    return NULL;
}

CKTTabClientGroup* CKTTabClientWnd::GroupOf(const CKTTabManagerItem* pItem) const
{
    return pItem ? static_cast<CKTTabClientGroup*>(pItem->GetTabManager()) : NULL;
}

int CKTTabClientWnd::FindGroup(const CKTTabManager* pGroup) const
{
    for (int i = 0; i < GetGroupCount(); i++)
    {
        if (m_arrGroups[i].get() == pGroup)
            return i;
    }
    return -1;
}

void CKTTabClientWnd::SetActiveGroup(CKTTabClientGroup* pGroup)
{
    if (pGroup == m_pActiveGroup)
        return;
    if (m_pActiveGroup)
        m_pActiveGroup->SetActive(FALSE);
    m_pActiveGroup = pGroup;
    if (pGroup)
        pGroup->SetActive(TRUE);
}

void CKTTabClientWnd::SetActiveGroupLocked(CKTTabClientGroup* pGroup)
{
    const BOOL bLocked = std::exchange(m_bLockRedraw, TRUE);
    SetActiveGroup(pGroup);
    m_bLockRedraw = bLocked;
}

void CKTTabClientWnd::UpdateContents()
{
    if (!GetSafeHwnd() || !m_bEnabled || m_bUpdateSuspended || !m_pFrame || m_bUpdateGuard)
        return;
    m_bUpdateGuard = TRUE;
    m_bLockRedraw = TRUE;
    RefreshTheme();
    HWND hActive = reinterpret_cast<HWND>(SendMessage(WM_MDIGETACTIVE));
    for (auto& pGroup : m_arrGroups)
        for (int i = 0; i < pGroup->GetItemCount(); i++)
            pGroup->GetItem(i)->m_dwMark = 0;
    CKTTabManagerItem* pNewest = NULL;
    CKTTabManagerItem* pActiveItem = NULL;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CKTTabManagerItem* pItem = FindItem(hChild);
        // The child's own style: while the frame hides the client (print preview) its children stay tabs.
        BOOL bVisible = (::GetWindowLong(hChild, GWL_STYLE) & WS_VISIBLE) != 0;
        if (!pItem && bVisible && (pItem = AddItem(CWnd::FromHandle(hChild))) != NULL)
        {
            pItem->SetHandle(hChild);
            m_pFrame->SendMessage(KT_TABCLIENT_ITEMCREATED, reinterpret_cast<WPARAM>(pItem));
            pItem->GetTabManager()->SetSelectedItem(pItem);
            pNewest = pItem;
        }
        else if (pItem && !bVisible)
        {
            pItem->Remove();
            continue;
        }
        else if (pItem)
            pItem->SetCaption(GetItemText(CWnd::FromHandle(hChild)));
        if (!pItem)
            continue;
        pItem->m_dwMark = 1;
        if (hChild == hActive)
            pActiveItem = pItem;
    }
    RemoveUnseen();
    RemoveEmptyGroups();
    if (pActiveItem && FindItem(hActive) == pActiveItem)
        ActivateGroupOf(pActiveItem);
    m_bLockRedraw = FALSE;
    if (m_bRepositionPending)
    {
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            Reposition();
        if (pNewest && FindItem(pNewest->GetHandle()) == pNewest)
            pNewest->GetTabManager()->EnsureVisible(pNewest);
        m_bRepositionPending = FALSE;
    }
    m_bUpdateGuard = FALSE;
}

void CKTTabClientWnd::RemoveUnseen()
{
    for (auto itGroup = m_arrGroups.rbegin(); itGroup != m_arrGroups.rend(); ++itGroup)
    {
        for (int i = (*itGroup)->GetItemCount() - 1; i >= 0; i--)
        {
            if ((*itGroup)->GetItem(i)->m_dwMark == 0)
                (*itGroup)->DeleteItem(i);
        }
    }
}

// An empty group gives its room and the splitter's to the group before it (the first one to the next).
void CKTTabClientWnd::RemoveEmptyGroups()
{
    for (int i = GetGroupCount() - 1; i >= 0; i--)
    {
        CKTTabClientGroup* pGroup = m_arrGroups[i].get();
        if (pGroup->GetItemCount() > 0)
            continue;
        if (pGroup == m_pActiveGroup)
            m_pActiveGroup = NULL;
        if (GetGroupCount() > 1)
            m_arrGroups[i > 0 ? i - 1 : 1]->m_dSize += pGroup->m_dSize + m_nSplitterSize;
        // Without groups the strip window goes with its group, and its drop registration before it.
        if (!m_bEnableGroups)
            m_dropTarget.Revoke();
        m_arrGroups.erase(m_arrGroups.begin() + i);
        m_bRepositionPending = TRUE;
        if (m_bEnableGroups)
            InvalidateRect(NULL, FALSE);
    }
}

void CKTTabClientWnd::ActivateGroupOf(CKTTabManagerItem* pItem)
{
    CKTTabClientGroup* pGroup = GroupOf(pItem);
    if (pGroup->GetSelectedItem() != pItem)
        pGroup->SetSelectedItem(pItem);
    SetActiveGroup(pGroup);
}

CKTTabManagerItem* CKTTabClientWnd::AddItem(CWnd* pChild)
{
    if (m_arrGroups.empty() && !CreateGroup(-1))
        return NULL;
    if (!(pChild->GetExStyle() & WS_EX_MDICHILD))
        return NULL;
    CKTTabClientGroup* pGroup = m_pActiveGroup ? m_pActiveGroup : m_arrGroups.back().get();
    int nIndex = -1;
    if (m_nNewTabPosition == ktTabNewAtStart)
        nIndex = 0;
    else if (m_nNewTabPosition == ktTabNewAfterSelected && pGroup->GetSelectedItem())
        nIndex = pGroup->GetCurSel() + 1;
    CKTTabManagerItem* pItem = pGroup->InsertItem(nIndex);
    pItem->SetCaption(GetItemText(pChild));
    return pItem;
}

namespace
{
// The text a window answers to a query that gives a pointer to a text, empty without one.
CString AnsweredText(HWND hWnd, UINT nMessage, WPARAM wParam)
{
    LPCSTR lpszText = reinterpret_cast<LPCSTR>(::SendMessage(hWnd, nMessage, wParam, 0));
    return lpszText ? CString(lpszText) : CString();
}

CString ActiveDocumentTitle(CWnd* pChild, BOOL bPath)
{
    CFrameWnd* pFrame = pChild->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(pChild) : NULL;
    CDocument* pDocument = pFrame ? pFrame->GetActiveDocument() : NULL;
    if (!pDocument)
        return CString();
    return bPath ? pDocument->GetPathName() : pDocument->GetTitle();
}
}  // namespace

CString CKTTabClientWnd::GetItemText(CWnd* pChild) const
{
    CString strText = AnsweredText(pChild->GetSafeHwnd(), KT_TABCLIENT_GETCAPTION, 0);
    if (strText.IsEmpty())
        strText = ActiveDocumentTitle(pChild, FALSE);
    if (strText.IsEmpty())
        pChild->GetWindowText(strText);
    return strText;
}

CString CKTTabClientWnd::GetItemTooltip(const CKTTabManagerItem* pItem) const
{
    CString strTip = pItem->GetTooltip();
    HWND hChild = pItem->GetHandle();
    if (strTip.IsEmpty() && ::IsWindow(hChild) && (::GetWindowLong(hChild, GWL_EXSTYLE) & WS_EX_MDICHILD))
        strTip = AnsweredText(hChild, KT_TABCLIENT_GETTOOLTIP, reinterpret_cast<WPARAM>(pItem));
    if (strTip.IsEmpty() && ::IsWindow(hChild))
        strTip = ActiveDocumentTitle(CWnd::FromHandle(hChild), TRUE);
    return strTip.IsEmpty() ? pItem->GetCaption() : strTip;
}

HICON CKTTabClientWnd::GetItemIcon(const CKTTabManagerItem* pItem) const
{
    HWND hChild = pItem->GetHandle();
    HICON hIcon = reinterpret_cast<HICON>(::SendMessage(hChild, KT_TABCLIENT_GETICON, 0, 0));
    if (!hIcon)
        hIcon = reinterpret_cast<HICON>(::SendMessage(hChild, WM_GETICON, ICON_SMALL, 0));
    if (!hIcon)
        hIcon = reinterpret_cast<HICON>(::SendMessage(hChild, WM_GETICON, ICON_BIG, 0));
    if (!hIcon)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtr(hChild, GCLP_HICONSM));
    if (!hIcon)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtr(hChild, GCLP_HICON));
    return hIcon ? hIcon : ::LoadIcon(NULL, IDI_WINLOGO);
}

// -1 (no answer) leaves the tab's own colour.
COLORREF CKTTabClientWnd::GetItemColor(const CKTTabManagerItem* pItem) const
{
    HWND hChild = pItem->GetHandle();
    COLORREF clr = ::IsWindow(hChild) ? static_cast<COLORREF>(::SendMessage(hChild, KT_TABCLIENT_GETCOLOR, 0, 0)) : 0;
    if (clr == 0 || clr == COLORREF(-1))
        clr = pItem->GetStoredColor();
    if (CKTTabPainter::IsIndexedTabColor(clr))
        return m_pPainter->GetColorSet()->GetIndexedColor(clr);
    return clr;
}

BOOL CKTTabClientWnd::OnBeforeItemClick(CKTTabManagerItem*) { return TRUE; }

void CKTTabClientWnd::Refresh(BOOL bRecalcFrame)
{
    if (m_bRefreshGuard || !m_pFrame)
        return;
    m_bRefreshGuard = TRUE;
    UpdateContents();
    // The strip window of a client without groups follows the mouse in its own messages.
    if (m_bEnableGroups)
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        for (auto& pGroup : m_arrGroups)
            pGroup->PerformMouseMove(m_hWnd, pt);
    }
    Invalidate(FALSE);
    if (bRecalcFrame && m_bEnableGroups)
    {
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOZORDER);
        Reposition();
    }
    m_bRefreshGuard = FALSE;
}

HCURSOR CKTTabClientWnd::GetDragCursor(BOOL bInside) const
{
    HCURSOR hCursor = (bInside ? m_curDrag : m_curNoDrop).GetHandle();
    return hCursor ? hCursor : ::LoadCursor(NULL, bInside ? IDC_ARROW : IDC_NO);
}
