// KTDockingPaneTheme6.cpp: the scheme colours of the gradient-caption theme.
#include "KTDockingPaneTheme6.h"

#include "KTColorManager.h"
#include "KTDockingPaneTabColorSet.h"
#include "KTTabAppearanceSetFlat.h"
#include "KTTabPainter.h"

namespace
{
// Flat tabs whose outlines all reach the client, on the docking colours rather than the scheme's own.
void UseFlatDockingLook(CKTTabPainter* pPainter, BOOL bFilledSelectedTab)
{
    pPainter->SetAppearance(2);
    static_cast<CKTTabAppearanceSet2*>(pPainter->GetAppearanceSet())->m_bSelectedReachesClient = FALSE;
    pPainter->SetColorSetObject(
        std::make_unique<CKTDockingPaneTabColorSet>(FALSE, bFilledSelectedTab, FALSE).release());
    pPainter->m_bDisableLunaColors = TRUE;
    pPainter->m_bHotTracking = FALSE;
}
}  // namespace

CKTDockingPaneTheme6::CKTDockingPaneTheme6()
{
    m_nCaptionButtonStyle = 1;
    m_dwSplitterStyle = ktSplitterGradientAcross;
    m_rcCaptionMargin.SetRect(0, 0, 0, 0);
    m_bGradientCaption = TRUE;
    m_bBoldCaption = FALSE;
    m_nDrawOption = 0;
    CKTTabPainter* pContainerPainter = GetContainerTabPainter();
    UseFlatDockingLook(pContainerPainter, TRUE);
    pContainerPainter->m_nClientFrame = ktTabClientFrameNone;
    CKTTabPainter* pPanelPainter = GetPanelTabPainter();
    UseFlatDockingLook(pPanelPainter, FALSE);
    pPanelPainter->SetLayout(ktTabLayoutNormal);
}

int CKTDockingPaneTheme6::CurrentScheme()
{
    CKTColorManager* pColors = KTColorManager();
    return pColors->IsLunaColorsDisabled() ? int(ktSystemThemeNone) : pColors->GetCurrentSystemTheme();
}

void CKTDockingPaneTheme6::RefreshMetrics()
{
    CKTDockingPaneTheme1::RefreshMetrics();
    m_clrNormalCaptionText.SetStandardValue(m_clrTable[COLOR_INACTIVECAPTIONTEXT]);
    switch (CurrentScheme())
    {
    case ktSystemThemeBlue:
    case ktSystemThemeOlive:
        m_clrBackground.SetStandardValue(RGB(229, 229, 215), RGB(244, 241, 231));
        m_clrNormalCaption.SetStandardValue(RGB(216, 215, 198), RGB(238, 239, 229));
        break;
    case ktSystemThemeSilver:
        m_clrBackground.SetStandardValue(RGB(215, 215, 229), RGB(243, 243, 247));
        m_clrNormalCaption.SetStandardValue(RGB(224, 224, 235), RGB(242, 242, 246));
        m_clrActiveCaption.SetStandardValue(RGB(160, 158, 186), RGB(224, 225, 235));
        break;
    default:
        return;
    }
    m_clrNormalCaptionText.SetStandardValue(RGB(0, 0, 0));
}
