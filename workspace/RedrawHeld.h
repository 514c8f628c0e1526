// RedrawHeld.h: a window that draws nothing while long work changes it, then all of it once.
//
// Classes: CRedrawHeld.
#pragma once
#include "afxwin.h"

#include <new>

// An editor whose whole text is replaced or saved would otherwise repaint at every step (scroll
// bars shown, sizes changed, the caret placed again), even behind the other tabs. A hidden window,
// or none, is left alone: turning redraw on would show it. Held, a window is not visible to the
// framework either, so a view's frames take its document's title again afterwards. A window covered
// whole (a view in a tab behind another) is not painted at all: it shows nothing, and what comes
// forward later is painted as it is uncovered; its scroll bars alone cost milliseconds to draw.
class CRedrawHeld
{
public:
    explicit CRedrawHeld(CWnd* pWnd) : m_pWnd(pWnd && (pWnd->GetStyle() & WS_VISIBLE) ? pWnd : nullptr)
    {
        if (m_pWnd)
            m_pWnd->SetRedraw(FALSE);
    }
    // Memory may run out here as anywhere, and a destructor cannot pass the failure on: the window is
    // then drawn whole, and its frames keep their titles.
    ~CRedrawHeld()
    {
        if (!m_pWnd)
            return;
        m_pWnd->SetRedraw(TRUE);
        try
        {
            Redraw();
        }
        catch (const std::bad_alloc&)
        {
            m_pWnd->RedrawWindow(nullptr, nullptr, kRedrawAll);
        }
        catch (CException* e)
        {
            e->Delete();
            m_pWnd->RedrawWindow(nullptr, nullptr, kRedrawAll);
        }
    }
    CRedrawHeld(const CRedrawHeld&) = delete;
    CRedrawHeld& operator=(const CRedrawHeld&) = delete;

private:
    static const UINT kRedrawAll = RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN;

    void Redraw()
    {
        if (!IsCoveredWhole())
            m_pWnd->RedrawWindow(nullptr, nullptr, kRedrawAll);
        CView* pView = dynamic_cast<CView*>(m_pWnd);
        if (CDocument* pDoc = pView ? pView->GetDocument() : nullptr)
            pDoc->UpdateFrameCounts();
    }
    bool IsCoveredWhole() const
    {
        CWindowDC dc(m_pWnd);
        CRect rcShown;
        return dc.GetSafeHdc() && dc.GetClipBox(&rcShown) == NULLREGION;
    }

    CWnd* m_pWnd;  // not owned; null when nothing is held
};
