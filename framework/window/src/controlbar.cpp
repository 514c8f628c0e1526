// Control bars along the frame's edges, and the rebar that holds bars in bands.
#include "afxext.h"
#include "afxpriv.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)
IMPLEMENT_DYNAMIC(CReBar, CControlBar)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CSize CControlBar::CalcFixedLayout(BOOL, BOOL) { return CSize(0, 0); }

CSize CControlBar::CalcDynamicLayout(int, DWORD dwMode)
{
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    if (!(GetStyle() & WS_VISIBLE) || !(m_dwStyle & CBRS_ALIGN_ANY))
        return 0;
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CSize size = CalcFixedLayout(pLayout->bStretch, bHorz);
    CRect rect = pLayout->rect;
    // The bar takes its size off the side it is aligned to.
    if (m_dwStyle & CBRS_ALIGN_TOP)
    {
        rect.bottom = rect.top + size.cy;
        pLayout->rect.top += size.cy;
    }
    else if (m_dwStyle & CBRS_ALIGN_BOTTOM)
    {
        rect.top = rect.bottom - size.cy;
        pLayout->rect.bottom -= size.cy;
    }
    else if (m_dwStyle & CBRS_ALIGN_LEFT)
    {
        rect.right = rect.left + size.cx;
        pLayout->rect.left += size.cx;
    }
    else
    {
        rect.left = rect.right - size.cx;
        pLayout->rect.right -= size.cx;
    }
    if (bHorz)
        pLayout->sizeTotal.cy += size.cy;
    else
        pLayout->sizeTotal.cx += size.cx;
    AfxRepositionWindow(pLayout, m_hWnd, &rect);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CFrameWnd* pTarget = GetParentFrame();
    if (pTarget)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}

namespace
{

// A band's style and, when given, its text.
REBARBANDINFO BandInfo(DWORD dwStyle, LPCTSTR pszText)
{
    REBARBANDINFO rbbi{};
    rbbi.fMask = RBBIM_STYLE;
    rbbi.fStyle = dwStyle;
    if (pszText)
    {
        rbbi.fMask |= RBBIM_TEXT;
        rbbi.lpText = (LPTSTR)pszText;
    }
    return rbbi;
}

}  // namespace

BEGIN_MESSAGE_MAP(CReBar, CControlBar)
ON_NOTIFY_REFLECT(RBN_HEIGHTCHANGE, OnHeightChange)
END_MESSAGE_MAP()

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | WS_CHILD | CCS_NODIVIDER | CCS_NOPARENTALIGN;
    if (!CWnd::CreateEx(0, REBARCLASSNAME, nullptr, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    REBARINFO rbi{};
    rbi.cbSize = sizeof rbi;
    SendMessage(RB_SETBARINFO, 0, (LPARAM)&rbi);
    return TRUE;
}

BOOL CReBar::AddBand(CWnd* pBar, REBARBANDINFO& rbbi)
{
    // A band's child sits inside the rebar, whatever its parent was.
    pBar->SetParent(this);
    CRect rect;
    pBar->GetWindowRect(&rect);
    rbbi.cbSize = sizeof rbbi;
    rbbi.fMask |= RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
    rbbi.hwndChild = pBar->m_hWnd;
    rbbi.cxMinChild = (UINT)rect.Width();
    rbbi.cyMinChild = (UINT)rect.Height();
    rbbi.cx = (UINT)rect.Width();
    if (!SendMessage(RB_INSERTBAND, (WPARAM)-1, (LPARAM)&rbbi))
        return FALSE;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    return TRUE;
}

BOOL CReBar::AddBar(CWnd* pBar, LPCTSTR pszText, CBitmap* pbmp, DWORD dwStyle)
{
    REBARBANDINFO rbbi = BandInfo(dwStyle, pszText);
    if (pbmp)
    {
        rbbi.fMask |= RBBIM_BACKGROUND;
        rbbi.hbmBack = (HBITMAP)pbmp->GetSafeHandle();
    }
    return AddBand(pBar, rbbi);
}

BOOL CReBar::AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCTSTR pszText, DWORD dwStyle)
{
    REBARBANDINFO rbbi = BandInfo(dwStyle, pszText);
    rbbi.fMask |= RBBIM_COLORS;
    rbbi.clrFore = clrFore;
    rbbi.clrBack = clrBack;
    return AddBand(pBar, rbbi);
}

CSize CReBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    int nHeight = (int)SendMessage(RB_GETBARHEIGHT);
    CRect rect;
    if (CWnd* pParent = GetParent())
        pParent->GetClientRect(&rect);
    return bHorz ? CSize(rect.Width(), nHeight) : CSize(nHeight, rect.Height());
}

void CReBar::OnHeightChange(NMHDR*, LRESULT* pResult)
{
    // A taller or shorter rebar moves everything below it.
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
    *pResult = 0;
}
