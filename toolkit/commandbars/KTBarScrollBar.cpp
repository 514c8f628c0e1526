// KTBarScrollBar.cpp: the scroll bar's arithmetic, hit test and press-and-hold loop with auto-repeat and thumb drag.
#include "KTBarScrollBar.h"

#include "KTCaptureLoop.h"
#include "KTCommandBar.h"
#include "KTGalleryPaintManager.h"
#include "KTMouseHookManager.h"
#include "KTPaintManager.h"
#include "KTPressRepeat.h"

#include <algorithm>
#include <memory>

namespace
{
const UINT_PTR kRepeatTimer = 23345;
const int kThumbDrag = 4;
}  // namespace

struct CKTBarScrollBar::CTracking
{
    BOOL bInside = FALSE;  // the cursor is on the pressed part
    CRect rcPressed;
    int nCommand = -1;                        // the SB_ code a part repeats, kThumbDrag while dragging
    std::unique_ptr<CKTPressRepeat> pRepeat;  // armed while an arrow or a page part is held
    int nGrabOffset = 0;                      // thumb top minus cursor coordinate
    int pxLast = -1;
    int nPos = 0;
    HWND hWnd = NULL;
    BOOL bDrag = FALSE;
    CRect rcSnap;  // outside it the thumb goes back to where the drag began
};

CKTBarScrollBar::~CKTBarScrollBar() = default;

void CKTBarScrollBar::CalcScrollBar()
{
    SCROLLINFO si = {sizeof(si)};
    GetScrollInfo(&si);
    CalcScrollBarPosInfo(GetScrollBarRect(), &m_spi, si);
}

void CKTBarScrollBar::CalcScrollBarPosInfo(CRect rc, KT_SCROLLBARPOSINFO* pInfo, const SCROLLINFO& si)
{
    CKTGalleryPaintManager* pMetrics = GetGalleryPaintManager();
    pInfo->rc = rc;
    pInfo->pxPopup = 0;
    int nArrow = 0;
    if (pInfo->fVert)
    {
        pInfo->pxTop = rc.top, pInfo->pxBottom = rc.bottom, pInfo->pxLeft = rc.left, pInfo->pxRight = rc.right;
        nArrow = pMetrics ? pMetrics->m_cyVScroll : ::GetSystemMetrics(SM_CYVSCROLL);
    }
    else
    {
        pInfo->pxTop = rc.left, pInfo->pxBottom = rc.right, pInfo->pxLeft = rc.top, pInfo->pxRight = rc.bottom;
        nArrow = pMetrics ? pMetrics->m_cxHScroll : ::GetSystemMetrics(SM_CXHSCROLL);
    }
    pInfo->posMin = si.nMin, pInfo->posMax = si.nMax, pInfo->page = si.nPage, pInfo->pos = si.nPos;
    const int nRange = pInfo->posMax - pInfo->posMin + 1;
    const int nArrowLength = std::min((pInfo->pxBottom - pInfo->pxTop) / 2, nArrow);
    pInfo->pxUpArrow = pInfo->pxTop + nArrowLength;
    pInfo->pxDownArrow = pInfo->pxBottom - nArrowLength;
    pInfo->cpxThumb = nArrow;
    if (pInfo->page && nRange)
        pInfo->cpxThumb = std::max(::MulDiv(pInfo->pxDownArrow - pInfo->pxUpArrow, pInfo->page, nRange), nArrow / 2);
    pInfo->pxMin = pInfo->pxUpArrow;
    pInfo->cpx = pInfo->pxDownArrow - pInfo->pxMin - pInfo->cpxThumb;
    const int nPage = std::max(pInfo->page, 1);
    if (nRange == nPage)
        pInfo->pxThumbTop = pInfo->pxMin - 1;
    else
        pInfo->pxThumbTop = pInfo->pxMin + ::MulDiv(pInfo->pos - pInfo->posMin, pInfo->cpx, nRange - nPage);
    pInfo->pxThumbBottom = pInfo->pxThumbTop + pInfo->cpxThumb;
}

int CKTBarScrollBar::HitTestScrollBar(CPoint pt) const
{
    if (!m_spi.rc.PtInRect(pt))
        return ktScrollNowhere;
    const int px = AxisOf(pt);
    if (px < m_spi.pxUpArrow)
        return ktScrollUpArrow;
    if (m_spi.pxPopup > 0 && px >= m_spi.pxPopup)
        return ktScrollPopup;
    if (px >= m_spi.pxDownArrow)
        return ktScrollDownArrow;
    if (px < m_spi.pxThumbTop)
        return ktScrollPageUp;
    if (px < m_spi.pxThumbBottom)
        return ktScrollThumb;
    return ktScrollPageDown;
}

int CKTBarScrollBar::PosFromPx(int px) const
{
    if (px < m_spi.pxMin)
        return m_spi.posMin;
    if (px >= m_spi.pxMin + m_spi.cpx)
        return m_spi.page ? m_spi.posMax - m_spi.page + 1 : m_spi.posMax;
    if (m_spi.cpx == 0)
        return m_spi.posMin - 1;
    return m_spi.posMin +
           ::MulDiv(m_spi.posMax - m_spi.posMin - std::max(m_spi.page - 1, 0), px - m_spi.pxMin, m_spi.cpx);
}

int CKTBarScrollBar::GetScrollBarStyle() const
{
    if (m_nStyle != 0)
        return m_nStyle;
    CKTCommandBar* pBar = GetParentCommandBar();
    CKTPaintManager* pPaintManager = pBar ? pBar->GetPaintManager() : CKTPaintManager::GetGlobal();
    return pPaintManager->GetScrollBarStyle();
}

int CKTBarScrollBar::GetPressedPart() const
{
    return m_pTracking && (m_pTracking->bInside || m_pTracking->bDrag) ? m_spi.ht : 0;
}

void CKTBarScrollBar::UpdatePressedRect()
{
    CRect& rc = m_pTracking->rcPressed;
    LONG& nFrom = m_spi.fVert ? rc.top : rc.left;
    LONG& nTo = m_spi.fVert ? rc.bottom : rc.right;
    if (m_pTracking->nCommand == SB_PAGEUP)
        nTo = m_spi.pxThumbTop;
    else if (m_pTracking->nCommand == SB_PAGEDOWN)
        nFrom = m_spi.pxThumbBottom;
}

BOOL CKTBarScrollBar::TrackInside(CPoint pt)
{
    UpdatePressedRect();
    BOOL bInside = m_pTracking->rcPressed.PtInRect(pt);
    if (bInside != m_pTracking->bInside)
    {
        m_pTracking->bInside = bInside;
        RedrawScrollBar();
    }
    return bInside;
}

void CKTBarScrollBar::OnPartMessage(const MSG& msg)
{
    const BOOL bWasInside = m_pTracking->bInside;
    if (!TrackInside(CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam))) || bWasInside)
        return;
    if (msg.message == WM_LBUTTONDOWN)
        m_pTracking->pRepeat->Press();
    else
        m_pTracking->pRepeat->Resume();
}

void CKTBarScrollBar::MoveThumbTo(int px)
{
    if (px == m_pTracking->pxLast)
        return;
    const int pxEnd = m_spi.pxMin + m_spi.cpx;
    for (;;)
    {
        int nPos = PosFromPx(px);
        if (nPos == m_pTracking->nPos)
            break;
        DoScroll(SB_THUMBTRACK, nPos);
        m_pTracking->nPos = nPos;
        // At the end of the travel, the owner may have grown: follow it until it stops moving.
        if (px != pxEnd)
            break;
        CalcScrollBar();
    }
    m_spi.pxThumbTop = px;
    m_spi.pxThumbBottom = px + m_spi.cpxThumb;
    m_pTracking->pxLast = px;
    RedrawScrollBar();
}

void CKTBarScrollBar::OnDragMessage(const MSG& msg)
{
    CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
    int px = m_spi.pxStart;
    if (m_pTracking->rcSnap.PtInRect(pt))
        px = std::clamp(AxisOf(pt) + m_pTracking->nGrabOffset, m_spi.pxMin, m_spi.pxMin + m_spi.cpx);
    MoveThumbTo(px);
}

void CKTBarScrollBar::PerformTrackInit(HWND hWnd, CPoint pt, BOOL bDirect)
{
    std::unique_ptr<CTracking> pTracking(new CTracking);
    m_pTracking = pTracking.get();
    m_pTracking->hWnd = hWnd;
    m_pTracking->nPos = m_spi.pos;
    const int px = AxisOf(pt);
    PickPressedPart(px);
    const BOOL bPage = m_pTracking->nCommand == SB_PAGEUP || m_pTracking->nCommand == SB_PAGEDOWN;
    if ((m_pTracking->nCommand == kThumbDrag || (bDirect && bPage)) && !BeginThumbDrag(px, bPage))
    {
        m_pTracking = NULL;
        return;
    }
    RunTrackLoop(hWnd, pt);
    BOOL bDrag = m_pTracking->bDrag;
    int nPos = m_pTracking->nPos;
    m_pTracking = NULL;
    if (::IsWindow(hWnd))
        EndTracking(hWnd, bDrag, nPos);
}

void CKTBarScrollBar::PickPressedPart(int px)
{
    struct
    {
        int nFrom, nTo, nCommand, nPart;
    } part = {m_spi.pxThumbTop, m_spi.pxThumbBottom, kThumbDrag, ktScrollThumb};
    if (px < m_spi.pxUpArrow)
        part = {m_spi.pxTop, m_spi.pxUpArrow, SB_LINEUP, ktScrollUpArrow};
    else if (px >= m_spi.pxDownArrow)
        part = {m_spi.pxDownArrow, m_spi.pxBottom, SB_LINEDOWN, ktScrollDownArrow};
    else if (px < m_spi.pxThumbTop)
        part = {m_spi.pxUpArrow, m_spi.pxThumbTop, SB_PAGEUP, ktScrollPageUp};
    else if (px >= m_spi.pxThumbBottom)
        part = {m_spi.pxThumbBottom, m_spi.pxDownArrow, SB_PAGEDOWN, ktScrollPageDown};
    m_spi.ht = part.nPart;
    m_pTracking->nCommand = part.nCommand;
    m_pTracking->rcPressed = m_spi.fVert ? CRect(m_spi.pxLeft, part.nFrom, m_spi.pxRight, part.nTo)
                                         : CRect(part.nFrom, m_spi.pxLeft, part.nTo, m_spi.pxRight);
}

BOOL CKTBarScrollBar::BeginThumbDrag(int px, BOOL bPage)
{
    // No room for the thumb to move: the press does nothing.
    if (m_spi.pxDownArrow - m_spi.pxUpArrow <= m_spi.cpxThumb)
        return FALSE;
    m_pTracking->nCommand = kThumbDrag;
    m_pTracking->bDrag = TRUE;
    m_spi.ht = ktScrollThumb;
    const int nAcross = m_spi.pxRight - m_spi.pxLeft,
              nAlong = 2 * ::GetSystemMetrics(m_spi.fVert ? SM_CYVTHUMB : SM_CXHTHUMB);
    m_pTracking->rcSnap = m_spi.rc;
    m_pTracking->rcSnap.InflateRect(m_spi.fVert ? 8 * nAcross : nAlong, m_spi.fVert ? nAlong : 8 * nAcross);
    m_spi.pxStart = m_spi.pxThumbTop;
    // A direct page press centres the thumb on the pointer; a thumb press keeps the grab point.
    m_pTracking->nGrabOffset = bPage ? -(m_spi.cpxThumb / 2) : m_spi.pxThumbTop - px;
    DoScroll(SB_THUMBTRACK, m_pTracking->nPos);
    return TRUE;
}

void CKTBarScrollBar::RunTrackLoop(HWND hWnd, CPoint pt)
{
    const UINT nDoubleClick = ::GetDoubleClickTime();
    m_pTracking->pRepeat = std::make_unique<CKTPressRepeat>(
        hWnd, kRepeatTimer, nDoubleClick * 4 / 5, nDoubleClick / 10, [this] { DoScroll(m_pTracking->nCommand, 0); },
        [this]
        {
            CPoint ptCursor;
            ::GetCursorPos(&ptCursor);
            ::ScreenToClient(m_pTracking->hWnd, &ptCursor);
            return TrackInside(ptCursor);
        });
    CKTMouseHookManager::Instance()->Lock();
    {
        CKTCaptureLoop loop(hWnd);
        MSG msg = {hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y)};
        m_pTracking->bDrag ? OnDragMessage(msg) : OnPartMessage(msg);
        while (loop.Next(msg))
        {
            if (m_pTracking->pRepeat->OnMessage(msg))
                continue;
            if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSEWHEEL && msg.hwnd == hWnd)
                m_pTracking->bDrag ? OnDragMessage(msg) : OnPartMessage(msg);
            else
                CKTCaptureLoop::Dispatch(msg);
        }
    }
    CKTMouseHookManager::Instance()->Unlock();
    m_pTracking->bInside = FALSE;
    m_pTracking->pRepeat.reset();
}

void CKTBarScrollBar::EndTracking(HWND hWnd, BOOL bDrag, int nPos)
{
    if (bDrag)
    {
        DoScroll(SB_THUMBPOSITION, nPos);
        RedrawScrollBar();
    }
    DoScroll(SB_ENDSCROLL, 0);
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ::ScreenToClient(hWnd, &ptCursor);
    CalcScrollBar();
    m_spi.ht = HitTestScrollBar(ptCursor);
    RedrawScrollBar();
}
