// KTThemeFactory.cpp: the drawer of a theme id.
#include "KTPaintManager.h"

#include "KTThemeRibbon.h"
#include "KTThemeStyle0.h"
#include "KTThemeStyle1.h"
#include "KTThemeStyle2.h"
#include "KTThemeStyle4.h"
#include "KTThemeStyle5.h"
#include "KTThemeVisualStyles.h"

CKTSmartPtr<CKTPaintManager> CKTPaintManager::CreateTheme(int nTheme)
{
    CKTSmartPtr<CKTPaintManager> pTheme;
    switch (nTheme)
    {
    case ktCommandBarsThemeFlat:
        pTheme = CKTSmartPtr<CKTPaintManager>::Adopt(new CKTThemeStyle1);
        break;
    case ktCommandBarsThemeGradient:
        pTheme = CKTSmartPtr<CKTPaintManager>::Adopt(new CKTThemeStyle2);
        break;
    case ktCommandBarsThemeVisualStyles:
        pTheme = CKTSmartPtr<CKTPaintManager>::Adopt(new CKTThemeVisualStyles);
        break;
    case ktCommandBarsThemeFlatScheme:
        pTheme = CKTSmartPtr<CKTPaintManager>::Adopt(new CKTThemeStyle4);
        break;
    case ktCommandBarsThemeStyleResources:
        pTheme = CKTSmartPtr<CKTPaintManager>::Adopt(new CKTThemeStyle5);
        break;
    case ktCommandBarsThemeRibbon:
        pTheme = CKTSmartPtr<CKTPaintManager>::Adopt(new CKTThemeRibbon);
        break;
    default:
        // Themes not built here draw as the default theme.
        pTheme = CKTSmartPtr<CKTPaintManager>::Adopt(new CKTThemeStyle0);
        break;
    }
    pTheme->m_nCurrentTheme = nTheme;
    return pTheme;
}
