// KTCommandBarAnimator.cpp: a bar paints through a buffer, or through a cached picture of itself whose changed
// parts may cross-fade on the bar's animation timer.
#include "KTCommandBarAnimator.h"

#include "KTCommandBar.h"
#include "KTCommandBarsDefs.h"
#include "KTPaintManager.h"

#include <algorithm>

CKTAnimatedRect::CKTAnimatedRect(CDC* pDC, const CRect& rc, CDC& dcNew, CDC& dcOld)
    : m_rc(rc), m_pNew(new CKTDibSection(rc.Size())), m_pOld(new CKTDibSection(rc.Size()))
{
    CKTCompatibleDC dcImage(pDC, m_pNew->GetHandle());
    dcImage.BitBlt(0, 0, rc.Width(), rc.Height(), &dcNew, rc.left, rc.top, SRCCOPY);
    dcImage.UseBitmap(m_pOld->GetHandle());
    dcImage.BitBlt(0, 0, rc.Width(), rc.Height(), &dcOld, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
}

void CKTAnimatedRect::DrawStep(CDC* pDC, CDC& dcCache)
{
    for (const CRect& rcClip : m_clips)
        pDC->ExcludeClipRect(rcClip);
    const int nStep = m_nStep++;
    CKTDibSection blend(m_rc.Size());
    if (nStep >= kSteps || !blend.GetBits() || !m_pNew->GetBits() || !m_pOld->GetBits())
        pDC->BitBlt(m_rc.left, m_rc.top, m_rc.Width(), m_rc.Height(), &dcCache, m_rc.left, m_rc.top, SRCCOPY);
    else
    {
        BlendBitmapBits(blend.GetBytes(), m_pNew->GetBytes(), m_rc.Width(), m_rc.Height(), m_pOld->GetBytes(),
                        nStep * 255 / kSteps);
        CKTCompatibleDC dcBlend(pDC, blend.GetHandle());
        pDC->BitBlt(m_rc.left, m_rc.top, m_rc.Width(), m_rc.Height(), &dcBlend, 0, 0, SRCCOPY);
    }
    pDC->SelectClipRgn(NULL);
}

CKTCommandBarAnimator::~CKTCommandBarAnimator() { RemoveAll(); }

BOOL CKTCommandBarAnimator::IsFading() const { return m_bAnimation || m_pBar->GetPaintManager()->m_bEnableAnimation; }

BOOL CKTCommandBarAnimator::IsCached() const { return m_bDoubleBuffer || IsFading(); }

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
        RemoveAll();
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
    DrawClipped(cache, rcDraw);
    dc.BitBlt(rcDraw.left, rcDraw.top, rcDraw.Width(), rcDraw.Height(), &cache, rcDraw.left, rcDraw.top, SRCCOPY);
    RemoveAll();
}

void CKTCommandBarAnimator::DrawClipped(CDC& dc, const CRect& rc)
{
    CRgn rgnClip;
    rgnClip.CreateRectRgnIndirect(rc);
    dc.SelectClipRgn(&rgnClip);
    m_pBar->DrawCommandBar(&dc, rc);
    dc.SelectClipRgn(NULL);
}

void CKTCommandBarAnimator::Redraw(LPCRECT lpRect, BOOL bAnimate)
{
    if (!lpRect)
        m_bmpCache.DeleteObject();
    CRect rc = lpRect ? CRect(*lpRect) & CKTClientRect(m_pBar) : CRect();
    if (!lpRect || !HasCache() || !IsFading() || rc.IsRectEmpty())
    {
        m_bDirty = TRUE;
        m_pBar->InvalidateRect(lpRect, FALSE);
        return;
    }
    RedrawPart(rc, bAnimate);
}

// The part is drawn off-screen, then faded in or copied straight to the cache and the screen.
void CKTCommandBarAnimator::RedrawPart(CRect rc, BOOL bAnimate)
{
    CRect rcClient = CKTClientRect(m_pBar);
    CClientDC dc(m_pBar);
    CBitmap bmpPart;
    if (!bmpPart.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height()))
        return;
    CKTCompatibleDC part(&dc, &bmpPart);
    DrawClipped(part, rc);
    CKTCompatibleDC cache(&dc, &m_bmpCache);
    if (!bAnimate)
    {
        ClipFadesTo(rc);
        cache.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &part, rc.left, rc.top, SRCCOPY);
        dc.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &cache, rc.left, rc.top, SRCCOPY);
        return;
    }
    auto pFade = std::make_unique<CKTAnimatedRect>(&dc, rc, part, cache);
    cache.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &part, rc.left, rc.top, SRCCOPY);
    Add(&dc, cache, std::move(pFade));
}

void CKTCommandBarAnimator::ClipFadesTo(const CRect& rc)
{
    for (auto it = m_fades.begin(); it != m_fades.end();)
    {
        if ((*it)->GetRect() == rc)
        {
            it = m_fades.erase(it);
            continue;
        }
        CRect rcMeet;
        if (rcMeet.IntersectRect((*it)->GetRect(), rc))
            (*it)->AddClip(rc);
        ++it;
    }
}

void CKTCommandBarAnimator::Add(CDC* pDC, CDC& dcCache, std::unique_ptr<CKTAnimatedRect> pFade)
{
    const CRect rc = pFade->GetRect();
    m_fades.erase(std::remove_if(m_fades.begin(), m_fades.end(), [&rc](const auto& p) { return p->GetRect() == rc; }),
                  m_fades.end());
    pFade->DrawStep(pDC, dcCache);
    m_fades.push_back(std::move(pFade));
    if (!m_bTimer)
        m_bTimer = m_pBar->SetTimer(KT_TIMER_ANIMATION, 50, NULL) != 0;
}

void CKTCommandBarAnimator::OnAnimate()
{
    if (m_fades.empty() || !HasCache())
    {
        RemoveAll();
        return;
    }
    CClientDC dc(m_pBar);
    CKTCompatibleDC cache(&dc, &m_bmpCache);
    for (auto& pFade : m_fades)
        pFade->DrawStep(&dc, cache);
    m_fades.erase(std::remove_if(m_fades.begin(), m_fades.end(), [](const auto& p) { return p->IsDone(); }),
                  m_fades.end());
    if (m_fades.empty())
        RemoveAll();
}

void CKTCommandBarAnimator::RemoveAll()
{
    m_fades.clear();
    if (m_bTimer && m_pBar->GetSafeHwnd())
        m_pBar->KillTimer(KT_TIMER_ANIMATION);
    m_bTimer = FALSE;
}

void CKTCommandBarAnimator::OnDestroyWindow()
{
    m_bmpCache.DeleteObject();
    RemoveAll();
}
