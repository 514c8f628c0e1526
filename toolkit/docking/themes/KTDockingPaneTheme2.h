// KTDockingPaneTheme2.h: bold captions on gradient strips with a dotted gripper, hot-tracked tabs and the
// scheme's highlight colours; the base of themes 7 and 10.
//
// Classes: CKTDockingPaneTheme2.
#pragma once

#include "KTDockingPaneTheme1.h"

class CKTDockingPaneTheme2 : public CKTDockingPaneTheme1
{
public:
    CKTDockingPaneTheme2();

    void RefreshMetrics() override;
    CRect GetCaptionInset() const override { return CRect(0, 0, 10, m_nCaptionHeight); }
    void DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc) override;
    void DrawCaptionBody(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle, BOOL bActive,
                         BOOL bVertical) override;
    void DrawFloatingFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, CRect rc) override;

    BOOL m_bDrawGripper = TRUE;     // dots at the caption's near end
    BOOL m_bRoundedCaption = TRUE;  // corners cut on a splitter-coloured ground, else framed by lines

protected:
    // The scheme whose colours the theme takes, by the drawing option.
    int ChosenScheme() const;

private:
    void ApplyScheme(int nScheme);
    void DrawGripper(CDC* pDC, CRect& rc, BOOL bVertical);
    void DrawCaptionLines(CDC* pDC, const CRect& rc, COLORREF clr, BOOL bVertical);
};
