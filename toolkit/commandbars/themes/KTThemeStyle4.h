// KTThemeStyle4.h: the application's theme: theme 2's drawing with its own scheme colours.
//
// Classes: CKTThemeStyle4.
#pragma once

#include "KTThemeStyle2.h"

class CKTThemeStyle4 : public CKTThemeStyle2
{
public:
    CKTThemeStyle4();

    void RefreshMetrics() override;
    int GetCurrentTheme() const override { return 4; }
    KT_TAB_LOOK GetTabLook() const override;
    int GetBorderColorIndex(BOOL) const override { return KTCOLOR_BAR_EDGE; }

private:
    void ApplyThemeColors(int nScheme);
};
