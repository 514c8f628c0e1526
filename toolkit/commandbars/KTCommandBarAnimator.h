// KTCommandBarAnimator.h: paints a bar, directly or through a cached picture of it, and cross-fades the parts
// that change while animation is on.
//
// Classes: CKTAnimatedRect, CKTCommandBarAnimator.
#pragma once

#include <afxwin.h>

#include "KTDrawObjects.h"

#include <memory>
#include <vector>

class CKTCommandBar;

// One cross-fade of a part of the bar from its old picture to its new one, in six steps.
class CKTAnimatedRect
{
public:
    CKTAnimatedRect(CDC* pDC, const CRect& rc, CDC& dcNew, CDC& dcOld);

    const CRect& GetRect() const { return m_rc; }
    int GetStep() const { return m_nStep; }
    BOOL IsDone() const { return m_nStep > kSteps; }
    // A part redrawn without fading since this fade began: later steps leave it alone.
    void AddClip(const CRect& rc) { m_clips.push_back(rc); }
    // Paints the next step into the DC; the last copies the final picture from the cache.
    void DrawStep(CDC* pDC, CDC& dcCache);

    static const int kSteps = 6;

private:
    CRect m_rc;
    std::unique_ptr<CKTDibSection> m_pNew;
    std::unique_ptr<CKTDibSection> m_pOld;
    int m_nStep = 1;
    std::vector<CRect> m_clips;
};

class CKTCommandBarAnimator
{
public:
    explicit CKTCommandBarAnimator(CKTCommandBar* pBar) : m_pBar(pBar) {}
    ~CKTCommandBarAnimator();
    CKTCommandBarAnimator(const CKTCommandBarAnimator&) = delete;
    CKTCommandBarAnimator& operator=(const CKTCommandBarAnimator&) = delete;

    void OnPaint(CPaintDC& dc);
    // A part (NULL: all) must look new; with bAnimate and animation on it fades in.
    void Redraw(LPCRECT lpRect, BOOL bAnimate);
    // One step of every running fade: the bar's animation timer.
    void OnAnimate();
    void OnDestroyWindow();
    void EnableDoubleBuffer(BOOL bEnable) { m_bDoubleBuffer = bEnable; }
    void EnableAnimation(BOOL bEnable) { m_bAnimation = bEnable; }
    BOOL IsAnimationEnabled() const { return m_bAnimation; }
    BOOL IsCached() const;
    BOOL HasCache() const { return m_bmpCache.GetSafeHandle() != NULL; }
    int GetFadeCount() const { return (int)m_fades.size(); }
    BOOL IsTimerRunning() const { return m_bTimer; }

private:
    BOOL IsFading() const;
    void PaintDirect(CDC& dc, CRect rcPaint);
    void PaintCached(CDC& dc, CRect rcPaint);
    // The bar draws itself into the DC, only within the rectangle.
    void DrawClipped(CDC& dc, const CRect& rc);
    void DropCacheOfOtherSize(CRect rcClient);
    void RedrawPart(CRect rc, BOOL bAnimate);
    void ClipFadesTo(const CRect& rc);
    void Add(CDC* pDC, CDC& dcCache, std::unique_ptr<CKTAnimatedRect> pFade);
    void RemoveAll();

    CKTCommandBar* m_pBar;  // the owner
    CBitmap m_bmpCache;     // the whole client area, in cached mode
    BOOL m_bDirty = FALSE;  // redraw the cache at the next paint
    BOOL m_bDoubleBuffer = FALSE;
    BOOL m_bAnimation = FALSE;
    BOOL m_bTimer = FALSE;
    std::vector<std::unique_ptr<CKTAnimatedRect>> m_fades;
};
