// KTDockingPaneTheme8.h: captions on the visual style's rebar background with toolbar-style buttons.
//
// Classes: CKTDockingPaneTheme8.
#pragma once

#include "KTDockingPaneBandedTheme.h"

class CKTDockingPaneTheme8 : public CKTDockingPaneBandedTheme
{
public:
    CKTDockingPaneTheme8();

    void RefreshMetrics() override;
    void DrawCaptionBody(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle, BOOL bActive,
                         BOOL bVertical) override;

private:
    void DrawRebarBackground(CDC* pDC, CKTDockingPaneNode* pOwner, const CRect& rc);

    CKTWinThemeWrapper m_themeRebar;
};
