// KTTabClientWorkspace.h: the one tab strip of the MDI tab client without groups, a window of its own.
//
// Classes: CKTTabClientWorkspace.
#pragma once

#include <afxpriv.h>

#include "KTTabClientGroup.h"

// A child of the frame below the MDI client: it spans the area the frame leaves for the MDI client, keeps the
// strip and its frame for itself and hands the MDI client the rest.
class CKTTabClientWorkspace : public CWnd, public CKTTabClientGroup
{
public:
    explicit CKTTabClientWorkspace(CKTTabClientWnd* pOwner) : CKTTabClientGroup(pOwner) {}
    ~CKTTabClientWorkspace() override;

    BOOL Create(CWnd* pFrame);
    void RedrawControl(LPCRECT lpRect, BOOL bAnimate) override;
    INT_PTR OnToolHitTest(CPoint pt, TOOLINFO* pTI) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnSizeParent(AFX_SIZEPARENTPARAMS* pLayout);
    void OnPaint();
};
