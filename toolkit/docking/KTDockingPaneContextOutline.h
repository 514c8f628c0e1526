// KTDockingPaneContextOutline.h: the inverted outline drawn on the screen while a pane is dragged without
// translucent feedback.
#pragma once

#include <afxwin.h>

#include "KTDrawObjects.h"

// Holds the desktop outline for its lifetime; each Show replaces the last outline, and the last one is erased
// at the end.
class CKTDockingPaneContextOutline
{
public:
    CKTDockingPaneContextOutline();
    ~CKTDockingPaneContextOutline();
    CKTDockingPaneContextOutline(const CKTDockingPaneContextOutline&) = delete;
    CKTDockingPaneContextOutline& operator=(const CKTDockingPaneContextOutline&) = delete;

    BOOL IsReady() const { return m_desktop.IsReady(); }
    // An empty rectangle shows nothing; with bTab the outline takes the shape of a group with a tab.
    void Show(const CRect& rc, BOOL bTab);
    void Erase();

private:
    void Invert(const CRect& rc, BOOL bTab) const;

    CKTDesktopOutline m_desktop;
    CRect m_rcLast;
    BOOL m_bLastTab = FALSE;
};
