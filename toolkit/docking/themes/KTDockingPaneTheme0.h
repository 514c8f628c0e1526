// KTDockingPaneTheme0.h: the plain docking theme: captions in the system caption colours and push buttons.
//
// Classes: CKTDockingPaneTheme0.
#pragma once

#include "KTDockingPanePaintManager.h"

class CKTDockingPaneTheme0 : public CKTDockingPanePaintManager
{
public:
    void DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc) override;
    void DrawFloatingFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, CRect rc) override;
    void DrawCaptionBody(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle, BOOL bActive,
                         BOOL bVertical) override;
};
