// KTTabClientDragOutline.h: the inverted outline on the desktop that shows where a dragged tab would go.
//
// Classes: CKTTabClientDragOutline.
#pragma once

#include <afxwin.h>

#include <memory>

#include "KTDrawObjects.h"

class CKTTabClientDragOutline
{
public:
    explicit CKTTabClientDragOutline(CWnd* pClient);
    ~CKTTabClientDragOutline();
    CKTTabClientDragOutline(const CKTTabClientDragOutline&) = delete;
    CKTTabClientDragOutline& operator=(const CKTTabClientDragOutline&) = delete;

    // Shows the rectangle (client co-ordinates; empty for none) with the cursor.
    void Show(const CRect& rcOutline, HCURSOR hCursor);
    // Erases the outline and lets the desktop draw again.
    void Hide();

private:
    void Invert(const CRect& rcScreen) const;

    CWnd* m_pClient;                                // not owned
    std::unique_ptr<CKTDesktopOutline> m_pDesktop;  // while an outline shows
    CRect m_rcShown;                                // screen co-ordinates, empty when nothing is inverted
};
