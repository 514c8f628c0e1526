// KTPropertyGrid.cpp: creating the grid window, its layout, painter choice, notifications and paint.
#include "KTPropertyGrid.h"

#include <commctrl.h>

#include <algorithm>

#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTFoundationRes.h"
#include "KTImageManager.h"
#include "KTPropertyGridInplaceEdit.h"
#include "KTPropertyGridInplaceList.h"
#include "KTPropertyGridItem.h"
#include "KTPropertyGridPainter.h"
#include "KTPropertyGridPainters.h"
#include "KTPropertyGridRes.h"
#include "KTPropertyGridToolBar.h"
#include "KTPropertyGridView.h"
#include "KTResourceManager.h"

namespace
{

const char kGridClass[] = "KTPropertyGrid";
const DWORD kGridStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_GROUP | WS_TABSTOP;
const DWORD kViewStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY;
const int kSplitterHeight = 3;
const int kToolBarHeight = 23;

std::shared_ptr<CFont> MakeIconTitleFont(LONG nWeight)
{
    LOGFONT lf = {};
    if (!::SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0))
        ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfWeight = nWeight;
    auto pFont = std::make_shared<CFont>();
    pFont->CreateFontIndirect(&lf);
    return pFont;
}

}  // namespace

BEGIN_MESSAGE_MAP(CKTPropertyGrid, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_SYSCOLORCHANGE()
ON_COMMAND(KT_ID_PROPERTYGRID_CATEGORIZED, OnSortCategorized)
ON_COMMAND(KT_ID_PROPERTYGRID_ALPHABETICAL, OnSortAlphabetical)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

CKTPropertyGrid::CKTPropertyGrid()
    : m_hSplitterCursor(KTResourceManager()->LoadCursor(KT_IDC_SPLITTER)), m_hHandCursor(::LoadCursor(NULL, IDC_HAND)),
      m_pPainter(KTMakeCounted<CKTPropertyGridPainter>(this)), m_pImageManager(std::make_unique<CKTImageManager>()),
      m_pInplaceEdit(std::make_unique<CKTPropertyGridInplaceEdit>()),
      m_pInplaceList(std::make_unique<CKTPropertyGridInplaceList>())
{
    CKTDrawHelpers::RegisterWndClass(NULL, kGridClass, 0, NULL);
    if (!m_hHandCursor)
        m_hHandCursor = KTResourceManager()->LoadCursor(KT_IDC_HAND);
    CreateFonts();
    m_pPainter->RefreshMetrics();
    KTSystemChange()->Advise(this);
}

CKTPropertyGrid::~CKTPropertyGrid()
{
    KTSystemChange()->Unadvise(this);
    if (GetSafeHwnd())
        DestroyWindow();
    // The items go first: they still reach the edit, the list and the painter.
    m_pView.reset();
    m_pInplaceList.reset();
    m_pInplaceEdit.reset();
    m_pToolBar.reset();
}

void CKTPropertyGrid::CreateFonts()
{
    m_pPainter->GetMetrics()->SetFonts(MakeIconTitleFont(FW_NORMAL), MakeIconTitleFont(FW_BOLD));
}

BOOL CKTPropertyGrid::Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwListStyle)
{
    m_bCreating = TRUE;
    BOOL bCreated = CreateEx(0, kGridClass, "", kGridStyle, rect, pParentWnd, nID);
    m_bCreating = FALSE;
    if (!bCreated || !CreateGridView(dwListStyle))
        return FALSE;
    CRect rc(rect);
    Reposition(rc.Width(), rc.Height());
    SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    return TRUE;
}

void CKTPropertyGrid::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    if (!m_bCreating && m_bPreSubclassInit)
        CreateGridView(0);
}

CKTPropertyGridView* CKTPropertyGrid::CreateView() { return new CKTPropertyGridView(); }

CKTPropertyGridView* CKTPropertyGrid::GetGridView()
{
    if (!m_pView)
    {
        m_pView.reset(CreateView());
        m_pView->SetGrid(this);
    }
    return m_pView.get();
}

BOOL CKTPropertyGrid::CreateGridView(DWORD dwListStyle)
{
    if (dwListStyle == 0)
        dwListStyle = LBS_NOINTEGRALHEIGHT | (m_bVariableItemsHeight ? LBS_OWNERDRAWVARIABLE : LBS_OWNERDRAWFIXED);
    m_bVariableItemsHeight = (dwListStyle & LBS_OWNERDRAWVARIABLE) != 0;
    CKTPropertyGridView* pView = GetGridView();
    if (!pView->GetSafeHwnd() &&
        !pView->CreateEx(0, "LISTBOX", "", dwListStyle | kViewStyle, CRect(0, 0, 0, 0), this, 0))
        return FALSE;
    pView->Refresh(pView->GetSortOrder(), TRUE, FALSE);
    m_pPainter->RefreshMetrics();
    RedrawAll();
    return TRUE;
}

CKTPropertyGridItem* CKTPropertyGrid::AddCategory(UINT nID)
{
    CString strCaption;
    KTResourceManager()->LoadString(&strCaption, nID);
    CKTPropertyGridItem* pCategory = GetGridView()->AddCategory(strCaption);
    pCategory->SetID(nID);
    return pCategory;
}

CKTPropertyGridItem* CKTPropertyGrid::GetSelectedItem() { return m_pView ? m_pView->GetSelectedItem() : nullptr; }

void CKTPropertyGrid::SetTheme(KTPropertyGridTheme nTheme)
{
    m_nTheme = nTheme;
    if (CKTSmartPtr<CKTPropertyGridPainter> pPainter = KTCreatePropertyGridPainter(nTheme, this))
        ReplacePainter(std::move(pPainter));
}

void CKTPropertyGrid::SetCustomPainter(CKTPropertyGridPainter* pPainter)
{
    if (pPainter)
        ReplacePainter(CKTSmartPtr<CKTPropertyGridPainter>::Adopt(pPainter));
}

void CKTPropertyGrid::ReplacePainter(CKTSmartPtr<CKTPropertyGridPainter> pPainter)
{
    pPainter->SetMetrics(m_pPainter->GetMetrics());
    m_pPainter = std::move(pPainter);
    m_pPainter->RefreshMetrics();
    RedrawAll();
}

CKTImageManager* CKTPropertyGrid::GetImageManager() const
{
    return m_pImageManager ? m_pImageManager.get() : KTImageManager();
}

void CKTPropertyGrid::RedrawAll()
{
    if (!GetSafeHwnd())
        return;
    if (m_pView && m_pView->GetSafeHwnd())
        m_pView->SetWindowPos(NULL, 0, 0, 0, 0,
                              SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT CKTPropertyGrid::SendNotifyMessage(int nCode, LPARAM lParam)
{
    CWnd* pOwner = GetSafeHwnd() ? GetOwner() : nullptr;
    if (!pOwner || !pOwner->GetSafeHwnd())
        return 0;
    return ::SendMessage(pOwner->GetSafeHwnd(), KTWM_PROPERTYGRID_NOTIFY, static_cast<WPARAM>(nCode), lParam);
}

void CKTPropertyGrid::OnSelectionChanged(CKTPropertyGridItem* pItem)
{
    if (pItem)
        SendNotifyMessage(KTPGN_SELECTIONCHANGED, reinterpret_cast<LPARAM>(pItem));
    if (GetSafeHwnd())
        InvalidateRect(GetHelpRect(), FALSE);
}

void CKTPropertyGrid::OnSortChanged()
{
    if (m_pToolBar && m_bToolBarVisible)
        m_pToolBar->ShowSortOrder(GetGridView()->GetSortOrder());
    if (GetSafeHwnd())
        InvalidateRect(GetHelpRect(), FALSE);
    SendNotifyMessage(KTPGN_SORTORDERCHANGED, GetSafeHwnd() ? GetDlgCtrlID() : 0);
}

void CKTPropertyGrid::OnVerbClick(int nIndex, CPoint point)
{
    CKTPropertyGridVerb* pVerb = m_verbs.GetAt(nIndex);
    ClientToScreen(&point);
    pVerb->m_ptClick = point;
    SendNotifyMessage(KTPGN_VERBCLICK, reinterpret_cast<LPARAM>(pVerb));
}

void CKTPropertyGrid::ShowToolBar(BOOL bShow)
{
    if (bShow && !m_pToolBar && GetSafeHwnd())
    {
        auto pToolBar = std::make_unique<CKTPropertyGridToolBar>();
        if (!pToolBar->Create(this))
            return;
        m_pToolBar = std::move(pToolBar);
    }
    m_bToolBarVisible = bShow && m_pToolBar;
    if (m_pToolBar)
    {
        m_pToolBar->ShowWindow(m_bToolBarVisible ? SW_SHOW : SW_HIDE);
        m_pToolBar->ShowSortOrder(GetGridView()->GetSortOrder());
    }
    RepositionNow();
}

void CKTPropertyGrid::SortBy(int nOrder) { GetGridView()->Refresh(nOrder, FALSE, TRUE); }

void CKTPropertyGrid::OnSortCategorized() { SortBy(ktGridSortCategorized); }

void CKTPropertyGrid::OnSortAlphabetical() { SortBy(ktGridSortAlphabetical); }

// The tip of a toolbar button is the string resource of its command.
BOOL CKTPropertyGrid::OnToolTipText(UINT /*nID*/, NMHDR* pNMHDR, LRESULT* pResult)
{
    if (!m_pToolBar || pNMHDR->hwndFrom != reinterpret_cast<HWND>(m_pToolBar->SendMessage(TB_GETTOOLTIPS)))
        return FALSE;
    CString strTip;
    KTResourceManager()->LoadString(&strTip, static_cast<UINT>(pNMHDR->idFrom));
    if (pNMHDR->code == TTN_NEEDTEXTA)
        lstrcpynA(reinterpret_cast<NMTTDISPINFOA*>(pNMHDR)->szText, strTip, 80);
    else
        ::MultiByteToWideChar(CP_ACP, 0, strTip, -1, reinterpret_cast<NMTTDISPINFOW*>(pNMHDR)->szText, 80);
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    *pResult = 0;
    return TRUE;
}

void CKTPropertyGrid::ShowHelp(BOOL bShow)
{
    m_bHelpVisible = bShow;
    RepositionNow();
}

void CKTPropertyGrid::SetHelpHeight(int nHeight)
{
    m_nHelpHeight = nHeight;
    RepositionNow();
}

void CKTPropertyGrid::RepositionNow()
{
    if (!GetSafeHwnd())
        return;
    CKTClientRect rc(this);
    Reposition(rc.Width(), rc.Height());
}

// A pane shorter than the help panel shows what fits, its splitter still
// inside the client area.
int CKTPropertyGrid::GetShownHelpHeight() const
{
    int nRoom = std::max(0, static_cast<int>(CKTClientRect(this).Height()) - kSplitterHeight);
    return std::clamp(m_nHelpHeight, 0, nRoom);
}

// The area left for the view once the panels below it have their room.
CRect CKTPropertyGrid::GetViewAreaRect() const
{
    CKTClientRect rc(this);
    if (m_bHelpVisible)
        rc.bottom -= GetShownHelpHeight() + kSplitterHeight;
    if (m_bVerbsVisible)
        rc.bottom -= m_nVerbsHeight + kSplitterHeight;
    if (m_bToolBarVisible)
        rc.top += kToolBarHeight + 2;
    rc.bottom = std::max(rc.bottom, rc.top);
    return rc;
}

CRect CKTPropertyGrid::GetHelpRect() const
{
    if (!m_bHelpVisible)
        return CRect(0, 0, 0, 0);
    CKTClientRect rc(this);
    rc.top = rc.bottom - GetShownHelpHeight();
    return rc;
}

CRect CKTPropertyGrid::GetVerbsRect() const
{
    if (!m_bVerbsVisible)
        return CRect(0, 0, 0, 0);
    CKTClientRect rc(this);
    if (m_bHelpVisible)
        rc.bottom -= GetShownHelpHeight() + kSplitterHeight;
    rc.top = rc.bottom - m_nVerbsHeight;
    return rc;
}

void CKTPropertyGrid::Reposition(int /*cx*/, int /*cy*/)
{
    if (!m_pView || !m_pView->GetSafeHwnd() || m_pView->IsUpdateLocked())
        return;
    m_bVerbsVisible = !m_verbs.IsEmpty();
    if (m_pToolBar && m_bToolBarVisible)
        m_pToolBar->MoveWindow(1, 1, CKTClientRect(this).Width() - 2, kToolBarHeight, TRUE);
    m_pView->MoveWindow(GetViewAreaRect(), TRUE);
    Invalidate(FALSE);
    m_pView->Invalidate(FALSE);
}

int CKTPropertyGrid::HitTest(CPoint point)
{
    CKTClientRect rc(this);
    if (m_bHelpVisible)
    {
        rc.bottom -= GetShownHelpHeight() + kSplitterHeight;
        CRect rcBar(rc.left, rc.bottom, rc.right, rc.bottom + kSplitterHeight);
        if (m_bHelpSplitterActive && rcBar.PtInRect(point))
            return ktGridHitHelpSplitter;
    }
    if (!m_bVerbsVisible)
        return ktGridHitNone;
    CRect rcVerbs = GetVerbsRect();
    if (CRect(rc.left, rcVerbs.top - kSplitterHeight, rc.right, rcVerbs.top).PtInRect(point))
        return ktGridHitVerbsSplitter;
    int nVerb = FindVerbAt(point);
    return nVerb >= 0 ? ktGridHitFirstVerb + nVerb : ktGridHitNone;
}

int CKTPropertyGrid::FindVerbAt(CPoint point)
{
    CRect rcVerbs = GetVerbsRect();
    if (!rcVerbs.PtInRect(point))
        return -1;
    CClientDC dc(this);
    return m_pPainter->HitTestVerbs(&dc, rcVerbs, point);
}

void CKTPropertyGrid::OnPaint()
{
    CPaintDC dc(this);
    CKTClientRect rc(this);
    CKTBufferDC memDC(&dc, rc);
    m_pPainter->FillPropertyGrid(&memDC);
}

BOOL CKTPropertyGrid::OnEraseBkgnd(CDC* /*pDC*/) { return TRUE; }

void CKTPropertyGrid::OnSize(UINT /*nType*/, int cx, int cy) { Reposition(cx, cy); }

BOOL CKTPropertyGrid::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        int nHit = HitTest(point);
        HCURSOR hCursor = nHit >= ktGridHitFirstVerb ? m_hHandCursor : nHit > 0 ? m_hSplitterCursor : NULL;
        if (hCursor)
        {
            ::SetCursor(hCursor);
            return TRUE;
        }
    }
    return static_cast<BOOL>(Default());
}

void CKTPropertyGrid::OnSysColorChange() { KTSystemChange()->Apply(ktSystemChangeColors); }

void CKTPropertyGrid::OnSystemChange(KTSystemChangeKind)
{
    m_pPainter->RefreshMetrics();
    RedrawAll();
}

UINT CKTPropertyGrid::OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTTAB; }
