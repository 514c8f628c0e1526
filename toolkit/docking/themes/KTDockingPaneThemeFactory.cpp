// KTDockingPaneThemeFactory.cpp: the docking paint manager of a theme id.
#include "KTDockingPaneManager.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneTheme0.h"
#include "KTDockingPaneTheme1.h"
#include "KTDockingPaneTheme6.h"
#include "KTDockingPaneTheme9.h"

CKTSmartPtr<CKTDockingPanePaintManager> CKTDockingPanePaintManager::CreateTheme(int nTheme)
{
    CKTSmartPtr<CKTDockingPanePaintManager> pTheme;
    switch (nTheme)
    {
    case ktDockingPaneThemeGradient:
        pTheme = KTMakeCounted<CKTDockingPaneTheme1>();
        break;
    case ktDockingPaneThemeFlat:
        pTheme = KTMakeCounted<CKTDockingPaneTheme6>();
        break;
    case ktDockingPaneThemeStickers:
        pTheme = KTMakeCounted<CKTDockingPaneTheme9>();
        break;
    default:
        pTheme = KTMakeCounted<CKTDockingPaneTheme0>();
        break;
    }
    pTheme->m_nThemeId = nTheme;
    return pTheme;
}
