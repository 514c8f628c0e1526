// RedrawHeld.h: a window that draws nothing while long work changes it, then all of it once.
//
// Classes: CRedrawHeld.
#pragma once
#include "afxwin.h"

// An editor whose whole text is replaced or saved would otherwise repaint at every step (scroll
// bars shown, sizes changed, the caret placed again), even behind the other tabs. A hidden window,
// or none, is left alone: turning redraw on would show it. Held, a window is not visible to the
// framework either, so a view's frames take its document's title again afterwards.
class CRedrawHeld
{
public:
    explicit CRedrawHeld(CWnd* pWnd) : m_pWnd(pWnd && (pWnd->GetStyle() & WS_VISIBLE) ? pWnd : nullptr)
    {
        if (m_pWnd)
            m_pWnd->SetRedraw(FALSE);
    }
    ~CRedrawHeld()
    {
        if (!m_pWnd)
            return;
        m_pWnd->SetRedraw(TRUE);
        m_pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
        CView* pView = dynamic_cast<CView*>(m_pWnd);
        if (CDocument* pDoc = pView ? pView->GetDocument() : nullptr)
            pDoc->UpdateFrameCounts();
    }
    CRedrawHeld(const CRedrawHeld&) = delete;
    CRedrawHeld& operator=(const CRedrawHeld&) = delete;

private:
    CWnd* m_pWnd;  // not owned; null when nothing is held
};
