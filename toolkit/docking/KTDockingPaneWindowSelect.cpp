// KTDockingPaneWindowSelect.cpp: the selector's life: creation, its modal run, its items and its input.
#include "KTDockingPaneWindowSelect.h"

#include <algorithm>

#include "KTDockingDragRes.h"
#include "KTDockingPane.h"
#include "KTDockingPaneLayoutData.h"
#include "KTDockingPaneManager.h"
#include "KTDrawObjects.h"
#include "KTFoundationRes.h"
#include "KTKeyState.h"
#include "KTResourceManager.h"
#include "KTSystemInfo.h"

IMPLEMENT_DYNCREATE(CKTDockingPaneWindowSelect, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CKTDockingPaneWindowSelect, CMiniFrameWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_KEYDOWN()
ON_WM_SYSKEYDOWN()
ON_WM_KEYUP()
ON_WM_SYSKEYUP()
ON_WM_KILLFOCUS()
ON_WM_CAPTURECHANGED()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

namespace
{

BOOL IsModifierKey(UINT nChar) { return nChar == VK_SHIFT || nChar == VK_CONTROL || nChar == VK_MENU; }

CDocument* ActiveDocumentOf(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return nullptr;
    return static_cast<CFrameWnd*>(pWnd)->GetActiveDocument();
}
}  // namespace

CKTDockingPaneWindowSelect::CKTDockingPaneWindowSelect()
    : m_layout(0), m_hHandCursor(::LoadCursor(NULL, IDC_HAND)), m_hArrowCursor(::LoadCursor(NULL, IDC_ARROW))
{
    if (!m_hHandCursor)
        m_hHandCursor = KTResourceManager()->LoadCursor(KT_IDC_HAND);
    KTResourceManager()->LoadString(&m_strPanesHeader, KT_IDS_DOCKING_ACTIVE_TOOL_WINDOWS);
    KTResourceManager()->LoadString(&m_strFilesHeader, KT_IDS_DOCKING_ACTIVE_FILES);
    CreateFonts();
}

void CKTDockingPaneWindowSelect::SetManager(CKTDockingPaneManager* pManager)
{
    m_pManager = pManager;
    m_pSite = pManager->GetSite();
}

void CKTDockingPaneWindowSelect::PostNcDestroy()
{
    // The keyboard hook that made the selector deletes it.
}

void CKTDockingPaneWindowSelect::CreateFonts()
{
    LOGFONT lf = {};
    if (!::SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0))
        ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfWeight = FW_NORMAL;
    m_fontNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);
}

BOOL CKTDockingPaneWindowSelect::CreateSelector()
{
    UINT nClassStyle = CS_SAVEBITS | CS_OWNDC;
    if (KTOsVersionInfo()->IsWinXPOrGreater())
        nClassStyle |= CS_DROPSHADOW;
    LPCTSTR lpszClass = AfxRegisterWndClass(nClassStyle, m_hArrowCursor);
    return CreateEx(WS_EX_TOOLWINDOW, lpszClass, _T(""), WS_POPUP | MFS_SYNCACTIVE, CRect(0, 0, 0, 0), m_pSite, 0);
}

BOOL CKTDockingPaneWindowSelect::DoModal()
{
    ASSERT(m_pManager && m_pSite);
    if (!CreateSelector())
        return FALSE;
    const HWND hWndFocus = ::GetFocus();
    if (!Populate())
    {
        DestroyWindow();
        return FALSE;
    }
    // A disabled site disables its floating windows, this one too: it must stay enabled to take the keys.
    const BOOL bDisabledSite = !m_pSite->EnableWindow(FALSE);
    EnableWindow(TRUE);
    SetFocus();
    SetCapture();
    m_bRunning = TRUE;
    const int nResult = RunModalLoop(MLF_SHOWONIDLE);
    m_bRunning = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE | SWP_NOMOVE);
    if (bDisabledSite)
        m_pSite->EnableWindow(TRUE);
    if (::GetActiveWindow() == m_hWnd)
        m_pSite->SetActiveWindow();
    if (nResult == IDOK)
        ActivateSelection();
    else if (::IsWindow(hWndFocus))
        ::SetFocus(hWndFocus);
    DestroyWindow();
    return TRUE;
}

void CKTDockingPaneWindowSelect::ActivateSelection() const
{
    const CKTDockingPaneWindowSelectItem* pItem = m_layout.GetSelectedItem();
    if (pItem && pItem->nKind == CKTDockingPaneWindowSelectItem::kPane)
        m_pManager->ShowPane(pItem->pPane, TRUE);
    if (!pItem || pItem->nKind != CKTDockingPaneWindowSelectItem::kChildWindow)
        return;
    const HWND hWndClient = ::GetParent(pItem->hWnd);
    ::SendMessage(hWndClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pItem->hWnd), 0);
    const HWND hWndNow = ::GetFocus();
    if (hWndNow != pItem->hWnd && !::IsChild(pItem->hWnd, hWndNow))
        ::SetFocus(pItem->hWnd);
}

int CKTDockingPaneWindowSelect::MeasureItemHeight()
{
    CClientDC dc(this);
    CKTFontDC font(&dc, &m_fontNormal);
    return std::max(static_cast<int>(dc.GetTextExtent(_T(" "), 1).cy) + 4, kIconSize + 4);
}

BOOL CKTDockingPaneWindowSelect::Populate()
{
    m_layout = CKTDockingPaneWindowSelectLayout(MeasureItemHeight());
    AddPanes();
    AddFiles();
    if (m_layout.GetItems().empty())
        return FALSE;
    m_bPanesFirst = m_layout.ChooseInitialSelection(m_bPanesFirst, KTIsKeyDown(VK_SHIFT));
    PlaceWindow();
    return TRUE;
}

void CKTDockingPaneWindowSelect::AddPanes()
{
    CKTDockingPaneLayoutData* pLayout = m_pManager->GetLayout();
    if (!pLayout)
        return;
    for (const DockingPaneInfo& info : pLayout->GetPaneList())
    {
        if (info.pPane->GetEnabled() & ktPaneEnableClient)
            m_layout.AddPane(info.pPane, info.pPane == m_pManager->GetActivePane());
    }
}

void CKTDockingPaneWindowSelect::AddFiles()
{
    CMDIFrameWnd* pMDIFrame =
        m_pSite->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(m_pSite) : nullptr;
    if (!pMDIFrame || !pMDIFrame->m_hWndMDIClient)
    {
        m_layout.AddFile(m_pSite->GetSafeHwnd(), CKTDockingPaneWindowSelectItem::kFrameWindow);
        return;
    }
    HWND hWnd = reinterpret_cast<HWND>(::SendMessage(pMDIFrame->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
    for (; hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd))
            m_layout.AddFile(hWnd, CKTDockingPaneWindowSelectItem::kChildWindow);
    }
}

void CKTDockingPaneWindowSelect::PlaceWindow()
{
    const CSize size = m_layout.GetWindowSize();
    const CRect rcSite = CKTWindowRect(m_pSite);
    const CPoint ptTopLeft(rcSite.left + (rcSite.Width() - size.cx) / 2, rcSite.top + (rcSite.Height() - size.cy) / 2);
    SetWindowPos(&CWnd::wndTopMost, ptTopLeft.x, ptTopLeft.y, size.cx, size.cy,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}

void CKTDockingPaneWindowSelect::End(int nResult)
{
    if (ContinueModal())
        EndModalLoop(nResult);
}

void CKTDockingPaneWindowSelect::SelectNext(BOOL bShift)
{
    m_layout.SelectTab(bShift);
    Invalidate(FALSE);
}

void CKTDockingPaneWindowSelect::OnKeyDown(UINT nChar, UINT, UINT)
{
    // A held modifier repeats its key-down; it must not confirm the choice.
    if (IsModifierKey(nChar))
        return;
    switch (nChar)
    {
    case VK_TAB:
        m_layout.SelectTab(KTIsKeyDown(VK_SHIFT));
        break;
    case VK_DOWN:
    case VK_UP:
        m_layout.SelectVertical(nChar == VK_DOWN);
        break;
    case VK_LEFT:
    case VK_RIGHT:
        m_layout.SelectColumn(nChar == VK_RIGHT);
        break;
    case VK_ESCAPE:
        // The user backs out: nothing is activated and the focus goes back where it was.
        return End(IDCANCEL);
    default:
        return End(IDOK);
    }
    Invalidate(FALSE);
}

void CKTDockingPaneWindowSelect::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    OnKeyDown(nChar, nRepCnt, nFlags);
}

void CKTDockingPaneWindowSelect::OnKeyUp(UINT, UINT, UINT) { EndWhenModifierReleased(); }

void CKTDockingPaneWindowSelect::OnSysKeyUp(UINT, UINT, UINT) { EndWhenModifierReleased(); }

void CKTDockingPaneWindowSelect::EndWhenModifierReleased()
{
    // Releasing the modifier that opened the selector confirms; other keys come up with it still held.
    if (!KTIsKeyDown(m_nHeldModifier))
        End(IDOK);
}

void CKTDockingPaneWindowSelect::SetOpeningKey(UINT nKey)
{
    m_bPanesFirst = nKey == VK_F7;
    m_nHeldModifier = m_bPanesFirst ? VK_MENU : VK_CONTROL;
}

void CKTDockingPaneWindowSelect::OnKillFocus(CWnd* pNewWnd)
{
    CMiniFrameWnd::OnKillFocus(pNewWnd);
    End(IDCANCEL);
}

void CKTDockingPaneWindowSelect::OnCaptureChanged(CWnd*) { End(IDCANCEL); }

void CKTDockingPaneWindowSelect::PressAt(CPoint point)
{
    if (!CKTClientRect(m_hWnd).PtInRect(point))
        return End(IDCANCEL);
    const int nItem = m_layout.HitTest(point);
    if (nItem < 0)
        return;
    m_layout.Select(nItem);
    Invalidate(FALSE);
}

void CKTDockingPaneWindowSelect::OnLButtonDown(UINT, CPoint point) { PressAt(point); }

void CKTDockingPaneWindowSelect::OnRButtonDown(UINT, CPoint point) { PressAt(point); }

void CKTDockingPaneWindowSelect::OnLButtonUp(UINT, CPoint point)
{
    const int nItem = m_layout.HitTest(point);
    if (nItem < 0)
        return;
    m_layout.Select(nItem);
    End(IDOK);
}

void CKTDockingPaneWindowSelect::OnMouseMove(UINT, CPoint point)
{
    ::SetCursor(m_layout.HitTest(point) < 0 ? m_hArrowCursor : m_hHandCursor);
}

CString CKTDockingPaneWindowSelect::GetItemText(const CKTDockingPaneWindowSelectItem& item) const
{
    if (item.pPane)
        return item.pPane->GetTitle();
    if (CDocument* pDocument = ActiveDocumentOf(item.hWnd))
        return pDocument->GetTitle();
    CString strText;
    CWnd::FromHandle(item.hWnd)->GetWindowText(strText);
    return strText;
}

CString CKTDockingPaneWindowSelect::GetItemDescription(const CKTDockingPaneWindowSelectItem& item) const
{
    CString strType;
    CDocument* pDocument = ActiveDocumentOf(item.hWnd);
    if (pDocument && pDocument->GetDocTemplate())
        pDocument->GetDocTemplate()->GetDocString(strType, CDocTemplate::regFileTypeName);
    return strType;
}

CString CKTDockingPaneWindowSelect::GetItemPath(const CKTDockingPaneWindowSelectItem& item) const
{
    CDocument* pDocument = ActiveDocumentOf(item.hWnd);
    return pDocument ? pDocument->GetPathName() : CString();
}
