// KTCommandBarAnimator.h: paints a bar, directly or through a cached picture of it.
//
// Classes: CKTCommandBarAnimator.
#pragma once

#include <afxwin.h>

class CKTCommandBar;

class CKTCommandBarAnimator
{
public:
    explicit CKTCommandBarAnimator(CKTCommandBar* pBar) : m_pBar(pBar) {}
    CKTCommandBarAnimator(const CKTCommandBarAnimator&) = delete;
    CKTCommandBarAnimator& operator=(const CKTCommandBarAnimator&) = delete;

    void OnPaint(CPaintDC& dc);
    void Redraw(LPCRECT lpRect);
    void OnDestroyWindow() { m_bmpCache.DeleteObject(); }
    void EnableDoubleBuffer(BOOL bEnable) { m_bDoubleBuffer = bEnable; }
    BOOL IsCached() const;
    BOOL HasCache() const { return m_bmpCache.GetSafeHandle() != NULL; }

private:
    void PaintDirect(CDC& dc, CRect rcPaint);
    void PaintCached(CDC& dc, CRect rcPaint);
    void DropCacheOfOtherSize(CRect rcClient);

    CKTCommandBar* m_pBar;  // the owner
    CBitmap m_bmpCache;     // the whole client area, in cached mode
    BOOL m_bDirty = FALSE;  // redraw the cache at the next paint
    BOOL m_bDoubleBuffer = FALSE;
};
