// KTDockingPaneContextAlphaWnd.h: the translucent highlight showing where a dragged pane would land.
#pragma once

#include <afxwin.h>

class CKTDockingPaneContextAlphaWnd : public CWnd
{
public:
    enum
    {
        kAlpha = 100
    };

    // A topmost layered popup owned by the site; FALSE when it could not be made.
    BOOL Create(CWnd* pOwner, const CRect& rcScreen);
    // Moves and shows it without activation.
    void Place(const CRect& rcScreen);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
