// KTDockingPaneTheme6.cpp: the scheme colours of the gradient-caption theme.
#include "KTDockingPaneTheme6.h"

#include "KTColorManager.h"

CKTDockingPaneTheme6::CKTDockingPaneTheme6()
{
    m_nCaptionButtonStyle = 1;
    m_dwSplitterStyle = ktSplitterGradientAcross;
    m_rcCaptionMargin.SetRect(0, 0, 0, 0);
    m_bGradientCaption = TRUE;
    m_bBoldCaption = FALSE;
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
