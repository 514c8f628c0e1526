// KTDockingPaneThemeFactory.cpp: the docking paint manager of a theme id.
#include "KTDockingPaneManager.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneTheme10.h"
#include "KTDockingPaneTheme3.h"
#include "KTDockingPaneTheme4.h"
#include "KTDockingPaneTheme5.h"
#include "KTDockingPaneTheme7.h"
#include "KTDockingPaneTheme8.h"
#include "KTDockingPaneTheme9.h"

namespace
{
CKTSmartPtr<CKTDockingPanePaintManager> MakeTheme(int nTheme)
{
    switch (nTheme)
    {
    case ktDockingPaneThemeGradient:
        return KTMakeCounted<CKTDockingPaneTheme1>();
    case ktDockingPaneThemeHotTabs:
        return KTMakeCounted<CKTDockingPaneTheme2>();
    case ktDockingPaneThemeVisualStyles:
        return KTMakeCounted<CKTDockingPaneTheme3>();
    case ktDockingPaneThemeGripBars:
        return KTMakeCounted<CKTDockingPaneTheme4>();
    case ktDockingPaneThemeFramed:
        return KTMakeCounted<CKTDockingPaneTheme5>();
    case ktDockingPaneThemeFlat:
        return KTMakeCounted<CKTDockingPaneTheme6>();
    case ktDockingPaneThemeHotTabsPlain:
        return KTMakeCounted<CKTDockingPaneTheme7>();
    case ktDockingPaneThemeRebar:
        return KTMakeCounted<CKTDockingPaneTheme8>();
    case ktDockingPaneThemeStickers:
        return KTMakeCounted<CKTDockingPaneTheme9>();
    case ktDockingPaneThemeStyleResources:
        return KTMakeCounted<CKTDockingPaneTheme10>();
    default:
        return KTMakeCounted<CKTDockingPaneTheme0>();
    }
}
}  // namespace

CKTSmartPtr<CKTDockingPanePaintManager> CKTDockingPanePaintManager::CreateTheme(int nTheme)
{
    CKTSmartPtr<CKTDockingPanePaintManager> pTheme = MakeTheme(nTheme);
    pTheme->m_nThemeId = nTheme;
    return pTheme;
}
