// KTDockingPaneTheme1.h: the docking theme with gradient captions and flat caption buttons, on which the
// application's theme builds.
//
// Classes: CKTDockingPaneTheme1.
#pragma once

#include "KTDockingPanePaintManager.h"

class CKTDockingPaneTheme1 : public CKTDockingPanePaintManager
{
public:
    CKTDockingPaneTheme1();

    void RefreshMetrics() override;
    void DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc) override;
    void DrawFloatingFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, CRect rc) override;
    void DrawCaptionBody(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle, BOOL bActive,
                         BOOL bVertical) override;
    // Fills a caption; returns the colour its text takes.
    virtual COLORREF DrawCaptionBackground(CDC* pDC, CRect rc, BOOL bActive, BOOL bVertical);

    BOOL m_bGradientCaption = FALSE;
    CKTPaintManagerColorGradient m_clrActiveCaption;
    CKTPaintManagerColorGradient m_clrNormalCaption;
    CKTPaintManagerColor m_clrActiveCaptionText;
    CKTPaintManagerColor m_clrNormalCaptionText;
};
