// KBTabBaseThemeFactory.h: the look of the themed tab control by the basic controls' theme id.
//
// Classes: CKBTabBaseThemeFactory.
#pragma once

#include "KBThemeManager.h"

class CKBTabBaseThemeFactory : public CKBThemeManagerStyleFactory
{
    DECLARE_DYNCREATE(CKBTabBaseThemeFactory)
public:
    // 1 the flat look, 2 the gradient look, any other id the default one.
    CKBThemeManagerStyle* CreateTheme(int nTheme) override;
};
