// KTDockingPaneTheme3.h: captions, caption buttons and floating frames drawn by the visual style's window and
// explorer-bar parts, with gradient captions where styles are off.
//
// Classes: CKTDockingPaneTheme3.
#pragma once

#include "KTDockingPaneTheme1.h"

class CKTDockingPaneTheme3 : public CKTDockingPaneTheme1
{
public:
    CKTDockingPaneTheme3();

    void DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc) override;
    void DrawCaptionBody(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle, BOOL bActive,
                         BOOL bVertical) override;
    void DrawFloatingFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, CRect rc) override;

private:
    BOOL IsWindowStyled() const;
    BOOL DrawStyledFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, const CRect& rc);
};
