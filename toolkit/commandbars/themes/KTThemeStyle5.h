// KTThemeStyle5.h: theme 2's bars in the colours of the style resources.
//
// Classes: CKTThemeStyle5.
#pragma once

#include "KTThemeStyle2.h"

class CKTStyleResourceSet;

// Without a style module, or for a key the style lacks, theme 2's colours stand.
class CKTThemeStyle5 : public CKTThemeStyle2
{
public:
    CKTThemeStyle5();

    int GetRectangleTextColor(const KT_CONTROLSTATE& state) override;
    void RefreshMetrics() override;
    int GetCurrentTheme() const override { return 5; }

    CKTStyleResourceSet* GetImages() const { return m_pImages; }

    CKTPaintManagerColor m_clrBorderActive[4];    // the active frame border, outermost first
    CKTPaintManagerColor m_clrBorderInactive[4];  // the same when inactive
    CKTPaintManagerColor m_clrCaptionTextActive;
    CKTPaintManagerColor m_clrCaptionTextInactive;
    CKTPaintManagerColor m_clrCaptionTitleTextActive;  // the document title within an active caption
    CKTPaintManagerColor m_clrMenuBarText;             // idle controls on the menu bar
    CKTPaintManagerColor m_clrStatusBarShadow;         // the status bar's top line
    CKTPaintManagerColorGradient m_grcStatusBarTop;
    CKTPaintManagerColorGradient m_grcStatusBarBottom;
    CKTPaintManagerColor m_clrWorkspace[3];  // the MDI workspace gradient: top, middle, bottom

private:
    // What stands when the style says nothing.
    void SetPlainColors();
    void ReadBarColors();
    void ReadTableColors();
    void ReadFrameColors();  // the frame's, the workspace's and the highlight gradients
    void SetFixedColors();

    CKTStyleResourceSet* m_pImages;  // the process-wide set; outlives the theme
};
