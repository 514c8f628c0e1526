// KTCommandBarAnimator.cpp: a bar paints through a buffer, or through a cached picture of itself.
#include "KTCommandBarAnimator.h"

#include "KTCommandBar.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"

BOOL CKTCommandBarAnimator::IsCached() const
{
    return m_bDoubleBuffer || m_pBar->GetPaintManager()->m_bEnableAnimation;
}

void CKTCommandBarAnimator::DropCacheOfOtherSize(CRect rcClient)
{
    BITMAP bm = {};
    if (HasCache() && m_bmpCache.GetObject(sizeof(bm), &bm) &&
        (bm.bmWidth != rcClient.Width() || bm.bmHeight != rcClient.Height()))
        m_bmpCache.DeleteObject();
}

void CKTCommandBarAnimator::OnPaint(CPaintDC& dc)
{
    CRect rcClient = CKTClientRect(m_pBar);
    CRect rcPaint = dc.m_ps.rcPaint;
    DropCacheOfOtherSize(rcClient);
    if (!IsCached())
    {
        m_bmpCache.DeleteObject();
        PaintDirect(dc, rcPaint);
    }
    else
        PaintCached(dc, rcPaint);
    m_bDirty = FALSE;
}

void CKTCommandBarAnimator::PaintDirect(CDC& dc, CRect rcPaint)
{
    CKTBufferDC buffer(&dc, rcPaint);
    m_pBar->DrawCommandBar(&buffer, rcPaint);
}

void CKTCommandBarAnimator::PaintCached(CDC& dc, CRect rcPaint)
{
    CRect rcClient = CKTClientRect(m_pBar);
    CRect rcDraw = rcPaint;
    if (!HasCache())
    {
        if (!m_bmpCache.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height()))
        {
            PaintDirect(dc, rcPaint);
            return;
        }
        rcDraw = rcClient;
    }
    else if (!m_bDirty)
    {
        CKTCompatibleDC cache(&dc, &m_bmpCache);
        dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &cache, 0, 0, SRCCOPY);
        return;
    }
    CKTCompatibleDC cache(&dc, &m_bmpCache);
    CRgn rgnClip;
    rgnClip.CreateRectRgnIndirect(rcDraw);
    cache.SelectClipRgn(&rgnClip);
    m_pBar->DrawCommandBar(&cache, rcDraw);
    cache.SelectClipRgn(NULL);
    dc.BitBlt(rcDraw.left, rcDraw.top, rcDraw.Width(), rcDraw.Height(), &cache, rcDraw.left, rcDraw.top, SRCCOPY);
}

void CKTCommandBarAnimator::Redraw(LPCRECT lpRect)
{
    if (!lpRect)
        m_bmpCache.DeleteObject();
    m_bDirty = TRUE;
    m_pBar->InvalidateRect(lpRect, FALSE);
}
