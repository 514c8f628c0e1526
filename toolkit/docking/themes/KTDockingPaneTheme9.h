// KTDockingPaneTheme9.h: the application's docking theme: solid or scheme-gradient captions framed on three
// sides, flat caption buttons, gradient splitters.
//
// Classes: CKTDockingPaneTheme9.
#pragma once

#include "KTDockingPaneTheme6.h"

class CKTDockingPaneTheme9 : public CKTDockingPaneTheme6
{
public:
    void RefreshMetrics() override;
    COLORREF DrawCaptionBackground(CDC* pDC, CRect rc, BOOL bActive, BOOL bVertical) override;

    CKTPaintManagerColor m_clrCaptionBorder;

private:
    void ApplyScheme(int nScheme);
};
