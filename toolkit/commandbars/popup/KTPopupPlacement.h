// KTPopupPlacement.h: where a popup of a given size goes on its monitor.
//
// Classes: CKTPopupPlacement.
#pragma once

#include <afxwin.h>

#include <functional>

enum KTPopupPlacementFlags
{
    ktPopupLeftwards = 1,  // the popup's right edge meets the exclude rectangle's left
    ktPopupVertical = 2,   // below the exclude rectangle, or above it
};

class CKTPopupPlacement
{
public:
    CRect m_rcWork;           // the monitor's work area
    CRect m_rcExclude;        // screen area the popup must not cover; may be empty; rewritten by Place
    CRect m_rcExcludeBeside;  // what it becomes when the popup goes beside its control instead of below it
    CPoint m_ptPopup;         // the wanted top-left, rewritten by Place
    DWORD m_dwFlags = 0;      // KTPopupPlacementFlags, rewritten by Place
    BOOL m_bNoScroll = FALSE;
    BOOL m_bScroll = FALSE;  // set by Place when the height was cut to fit
    // When set, a popup that may not scroll and is too tall re-flows to this layout for the work area's height.
    std::function<CSize(int nHeight)> m_reflow;

    // The popup's screen rectangle; cy may shrink when it scrolls, both may change when it re-flows.
    CRect Place(int cx, int cy);

private:
    void PlaceVertically(int& cx, int& cy);
    void FitTooTall(int& cx, int& cy);
    void PlaceHorizontally(int cx);
};
