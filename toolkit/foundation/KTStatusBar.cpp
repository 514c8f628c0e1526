// KTStatusBar.cpp: creating, laying out, updating and painting the status bar and its panes.
#include "KTStatusBar.h"

#include <afxpriv.h>

#include "KTColorManager.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTResourceManager.h"

namespace
{

const int g_cxPaneGap = 2;     // between two panes
const int g_cyBorder = 2;      // above and below the panes
const int g_cxPaneBorder = 1;  // sunken frame of a pane

// A pane's width with its padding and frame.
int OuterWidth(const CKTStatusBarPane& pane)
{
    return pane.GetWidth() + pane.GetPadding().left + pane.GetPadding().right + 2 * g_cxPaneBorder;
}

}  // namespace

CKTStatusBarPane::CKTStatusBarPane(UINT nID)
    : m_nID(nID), m_nStyle(SBPS_NORMAL), m_cxText(0), m_rcPadding(2, 1, 2, 1), m_nAlignment(0),
      m_clrBackground(static_cast<COLORREF>(-1))
{
}

BEGIN_MESSAGE_MAP(CKTStatusBar, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_WM_SETTINGCHANGE()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(KTWM_ISFRAMESTATUSBAR, OnIsFrameStatusBar)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

CKTStatusBar::CKTStatusBar() : m_dwBarStyle(0) {}

CKTStatusBar::~CKTStatusBar()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CKTStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    if (!pParentWnd || !pParentWnd->GetSafeHwnd())
        return FALSE;
    m_dwBarStyle = dwStyle & CBRS_ALL;
    CreateFont();
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW));
    DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS;
    return CreateEx(0, lpszClass, NULL, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

void CKTStatusBar::CreateFont()
{
    m_font.DeleteObject();
    // A font of our own even without a status font: the stock font is not ours to delete.
    LOGFONTA lf = CKTDrawHelpers::GetNonClientFont(&NONCLIENTMETRICSA::lfStatusFont);
    m_font.CreateFontIndirect(&lf);
}

int CKTStatusBar::MeasureText(const CString& strText) const
{
    CClientDC dc(const_cast<CKTStatusBar*>(this));
    CKTFontDC font(&dc, &m_font);
    return dc.GetTextExtent(strText).cx;
}

BOOL CKTStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (nIDCount < 0 || (nIDCount > 0 && !lpIDArray))
        return FALSE;
    m_panes.clear();
    BOOL bOk = TRUE;
    for (int i = 0; i < nIDCount; i++)
    {
        auto pPane = std::make_unique<CKTStatusBarPane>(lpIDArray[i]);
        if (lpIDArray[i] == ID_SEPARATOR)
            pPane->SetStyle(SBPS_NOBORDERS | SBPS_STRETCH);
        else
        {
            CString strText;
            bOk = KTResourceManager()->LoadString(&strText, lpIDArray[i]) && bOk;
            pPane->SetText(strText);
            pPane->SetWidth(GetSafeHwnd() ? MeasureText(strText) : 0);
        }
        m_panes.push_back(std::move(pPane));
    }
    UpdateIndicators();
    RecalcLayout();
    return bOk;
}

CKTStatusBarPane* CKTStatusBar::GetPane(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[nIndex].get() : NULL;
}

int CKTStatusBar::CommandToIndex(UINT nID) const
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_panes[i]->GetID() == nID)
            return i;
    }
    return -1;
}

void CKTStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!lpRect)
        return;
    if (nIndex < 0 || nIndex >= static_cast<int>(m_paneRects.size()))
        ::SetRectEmpty(lpRect);
    else
        *lpRect = m_paneRects[nIndex];
}

BOOL CKTStatusBar::SetPaneText(int nIndex, LPCSTR lpszText, BOOL bUpdate)
{
    CKTStatusBarPane* pPane = GetPane(nIndex);
    if (!pPane)
        return FALSE;
    pPane->SetText(lpszText ? lpszText : "");
    if (bUpdate)
        InvalidatePane(nIndex);
    return TRUE;
}

void CKTStatusBar::InvalidatePane(int nIndex)
{
    if (GetSafeHwnd() && nIndex >= 0 && nIndex < static_cast<int>(m_paneRects.size()))
        InvalidateRect(&m_paneRects[nIndex]);
}

CString CKTStatusBar::GetPaneText(int nIndex) const
{
    CKTStatusBarPane* pPane = GetPane(nIndex);
    return pPane ? pPane->GetText() : CString();
}

int CKTStatusBar::CalcHeight() const
{
    TEXTMETRICA tm = {};
    CKTScreenDC screen;
    CKTFontDC font(&screen, &m_font);
    if (screen.GetSafeHdc())
        ::GetTextMetricsA(screen.GetSafeHdc(), &tm);
    return tm.tmHeight + 2 * (g_cyBorder + g_cxPaneBorder + 1);
}

BOOL CKTStatusBar::HasGripper() const
{
    CWnd* pParent = GetParent();
    return pParent && (pParent->GetStyle() & WS_THICKFRAME) && !pParent->IsZoomed();
}

CRect CKTStatusBar::GetGripperRect() const
{
    CKTClientRect rc(m_hWnd);
    int cxGripper = ::GetSystemMetrics(SM_CXVSCROLL);
    rc.left = rc.right - cxGripper;
    return rc;
}

void CKTStatusBar::RecalcLayout()
{
    m_paneRects.assign(m_panes.size(), CRect(0, 0, 0, 0));
    if (!GetSafeHwnd())
        return;
    CKTClientRect rcClient(m_hWnd);
    int nRight = rcClient.right - (HasGripper() ? GetGripperRect().Width() : 0);
    int cxFixed = 0, nStretch = -1;
    for (int i = 0; i < GetCount(); i++)
    {
        const CKTStatusBarPane& pane = *m_panes[i];
        if ((pane.GetStyle() & SBPS_STRETCH) && nStretch < 0)
            nStretch = i;
        else
            cxFixed += OuterWidth(pane);
        cxFixed += i ? g_cxPaneGap : 0;
    }
    int cxStretch = nRight - rcClient.left - cxFixed;
    int x = rcClient.left;
    for (int i = 0; i < GetCount(); i++)
    {
        const CKTStatusBarPane& pane = *m_panes[i];
        int cx = i == nStretch ? (cxStretch > 0 ? cxStretch : 0) : OuterWidth(pane);
        m_paneRects[i] = CRect(x, rcClient.top + g_cyBorder, x + cx, rcClient.bottom - g_cyBorder);
        x += cx + g_cxPaneGap;
    }
}

void CKTStatusBar::UpdateIndicators()
{
    static const struct
    {
        UINT nID;
        int nKey;
    } s_locks[] = {{ID_INDICATOR_CAPS, VK_CAPITAL}, {ID_INDICATOR_NUM, VK_NUMLOCK}, {ID_INDICATOR_SCRL, VK_SCROLL}};
    for (const auto& lock : s_locks)
    {
        int nIndex = CommandToIndex(lock.nID);
        CKTStatusBarPane* pPane = GetPane(nIndex);
        if (!pPane)
            continue;
        BOOL bOn = (::GetKeyState(lock.nKey) & 1) != 0;
        UINT nStyle = bOn ? (pPane->GetStyle() & ~SBPS_DISABLED) : (pPane->GetStyle() | SBPS_DISABLED);
        if (nStyle == pPane->GetStyle())
            continue;
        pPane->SetStyle(nStyle);
        InvalidatePane(nIndex);
    }
}

void CKTStatusBar::DrawPane(CDC* pDC, const CKTStatusBarPane& pane, const CRect& rc) const
{
    if (pane.KTGetDwordMember() != static_cast<DWORD>(-1))
        pDC->FillSolidRect(rc, pane.KTGetDwordMember());
    if (!(pane.GetStyle() & SBPS_NOBORDERS))
        pDC->Draw3dRect(rc, KTColorManager()->GetColor(COLOR_BTNSHADOW),
                        KTColorManager()->GetColor(COLOR_BTNHIGHLIGHT));
    if (pane.GetStyle() & SBPS_DISABLED)
        return;  // a lock key that is off shows nothing
    CRect rcText(rc);
    CRect rcPadding = pane.GetPadding();
    rcText.DeflateRect(rcPadding.left + g_cxPaneBorder, rcPadding.top, rcPadding.right + g_cxPaneBorder,
                       rcPadding.bottom);
    static const UINT s_align[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    int nAlign = pane.GetTextAlignment();
    UINT nFormat =
        s_align[nAlign >= 0 && nAlign <= 2 ? nAlign : 0] | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    pDC->DrawText(pane.GetText(), rcText, nFormat);
}

void CKTStatusBar::OnPaint()
{
    CPaintDC dcPaint(this);
    CKTClientRect rcClient(m_hWnd);
    CKTBufferDC dc(&dcPaint, rcClient);
    dc.FillSolidRect(rcClient, KTColorManager()->GetColor(COLOR_BTNFACE));
    CKTFontDC font(&dc, &m_font, KTColorManager()->GetColor(COLOR_BTNTEXT));
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < GetCount() && i < static_cast<int>(m_paneRects.size()); i++)
        DrawPane(&dc, *m_panes[i], m_paneRects[i]);
    if (HasGripper())
    {
        CRect rcGripper = GetGripperRect();
        dc.DrawFrameControl(rcGripper, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
}

BOOL CKTStatusBar::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;  // painted whole in OnPaint
}

void CKTStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
    Invalidate(FALSE);
}

LRESULT CKTStatusBar::OnNcHitTest(CPoint point)
{
    CPoint ptClient(point);
    ScreenToClient(&ptClient);
    if (HasGripper() && GetGripperRect().PtInRect(ptClient))
        return HTBOTTOMRIGHT;  // the parent's frame resizes from here
    return HTCLIENT;
}

void CKTStatusBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (nHitTest != HTBOTTOMRIGHT)
    {
        Default();
        return;
    }
    // The grip sizes the frame, not the bar: the frame runs its own size loop.
    HWND hFrame = ::GetAncestor(m_hWnd, GA_ROOT);
    ::SendMessageA(hFrame, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, MAKELPARAM(point.x, point.y));
}

LRESULT CKTStatusBar::OnSizeParent(WPARAM /*wParam*/, LPARAM lParam)
{
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!pLayout || !(GetStyle() & WS_VISIBLE))
        return 0;
    int cy = CalcHeight();
    CRect rc(pLayout->rect);
    BOOL bTop = (m_dwBarStyle & CBRS_ALIGN_TOP) != 0;
    if (bTop)
    {
        rc.bottom = rc.top + cy;
        pLayout->rect.top += cy;
    }
    else
    {
        rc.top = rc.bottom - cy;
        pLayout->rect.bottom -= cy;
    }
    pLayout->sizeTotal.cy += cy;
    if (pLayout->hDWP)
    {
        pLayout->hDWP = ::DeferWindowPos(pLayout->hDWP, m_hWnd, NULL, rc.left, rc.top, rc.Width(), rc.Height(),
                                         SWP_NOACTIVATE | SWP_NOZORDER);
    }
    return 0;
}

LRESULT CKTStatusBar::OnIdleUpdateCmdUI(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    UpdateIndicators();
    return 0;
}

LRESULT CKTStatusBar::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    CString strText;
    if (lParam)
        strText = reinterpret_cast<LPCSTR>(lParam);
    else if (wParam)
        KTResourceManager()->LoadString(&strText, static_cast<UINT>(wParam));
    SetMessagePaneText(strText);
    return 0;
}

// A frame shows its idle text and menu prompts through the message bar's window text.
LRESULT CKTStatusBar::OnSetText(WPARAM /*wParam*/, LPARAM lParam)
{
    SetMessagePaneText(lParam ? reinterpret_cast<LPCSTR>(lParam) : "");
    return TRUE;
}

void CKTStatusBar::SetMessagePaneText(LPCSTR lpszText)
{
    const int nIndex = CommandToIndex(ID_SEPARATOR);
    SetPaneText(nIndex < 0 ? 0 : nIndex, lpszText);
}

void CKTStatusBar::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    Default();
    CreateFont();
    for (auto& pPane : m_panes)
    {
        if (pPane->GetID() != ID_SEPARATOR)
            pPane->SetWidth(MeasureText(pPane->GetText()));
    }
    RecalcLayout();
    Invalidate();
}
