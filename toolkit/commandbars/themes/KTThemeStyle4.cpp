// KTThemeStyle4.cpp: the grey-green and mauve colours of the application's theme.
#include "KTThemeStyle4.h"

#include "KTColorManager.h"

CKTThemeStyle4::CKTThemeStyle4()
{
    // Theme 2's scheme colours never apply: this theme picks its own by scheme.
    m_nSystemTheme = ktSystemThemeNone;
    m_bSingleSeparator = TRUE;
}

void CKTThemeStyle4::RefreshMetrics()
{
    CKTThemeStyle2::RefreshMetrics();
    m_grcExpandButton.SetStandardValue(
        CKTColorManager::BlendColors(GetColor(COLOR_WINDOW), GetColor(COLOR_BTNFACE), 550), GetColor(COLOR_BTNSHADOW));
    if (CKTColorManager::IsLowResolution())
        m_grcExpandButton.SetStandardValue(GetColor(COLOR_BTNFACE));
    int nScheme = KTColorManager()->GetCurrentSystemTheme();
    if (nScheme >= ktSystemThemeBlue && nScheme <= ktSystemThemeSilver)
        ApplyThemeColors(nScheme);
    CreateExpandBallImage();
}

void CKTThemeStyle4::ApplyThemeColors(int nScheme)
{
    if (nScheme == ktSystemThemeSilver)
    {
        m_grcToolBar.SetStandardValue(0xFAF4F3, 0xB59799, 0.75f);
        m_grcExpandButton.SetStandardValue(0xC8B2B3, 0x927476, 0.75f);
        m_grcDockBar.SetStandardValue(0xE5D7D7, 0xF7F3F3, 0.5f);
        m_grcHiddenColumn.SetStandardValue(0xE2D7D7, 0xA28385, 0.5f);
        m_grcBall.SetStandardValue(0xF1E8E8, 0xC5AEB0, 0.5f);
        m_grcDisabledIcons.SetStandardValue(0xF9F5F7, 0x99797A, 0.5f);
        m_clrFaceShadow.SetStandardValue(0x947C7C);
        m_clrTearOff.SetStandardValue(0xD3C0C0);
        m_clrFloatingGripper.SetStandardValue(0x99797A);
        const int indexes[] = {KTCOLOR_HIGHLIGHT,
                               KTCOLOR_HIGHLIGHT_BORDER,
                               KTCOLOR_HIGHLIGHT_CHECKED_BORDER,
                               KTCOLOR_HIGHLIGHT_PUSHED_BORDER,
                               KTCOLOR_HIGHLIGHT_PUSHED,
                               KTCOLOR_HIGHLIGHT_CHECKED,
                               KTCOLOR_HIGHLIGHT_PUSHED_TEXT};
        const COLORREF colors[] = {0xC2EEFF, 0x6F4B4B, 0x6F4B4B, 0x6F4B4B, 0x3E80FE, 0x6FC0FF, 0x000000};
        SetColors(7, indexes, colors);
        const int others[] = {KTCOLOR_TOOLBAR_FACE, KTCOLOR_POPUP_DISABLED_TEXT, KTCOLOR_GRIPPER,
                              KTCOLOR_SEPARATOR,    KTCOLOR_DISABLED_TEXT,       KTCOLOR_FLOATING_FRAME};
        const COLORREF otherColors[] = {0xE4DADB, 0x8D8D8D, 0x755454, 0x8F6D6E, 0x8D8D8D, 0x99797A};
        SetColors(6, others, otherColors);
        return;
    }
    m_grcToolBar.SetStandardValue(0xF5F9FA, 0xA8C0C0, 0.75f);
    m_grcExpandButton.SetStandardValue(0xEAEDEE, nScheme == ktSystemThemeBlue ? 0x7E9898 : 0x9EACB0, 0.75f);
    m_grcDockBar.SetStandardValue(0xD7E5E5, 0xE7F1F4, 0.5f);
    m_grcHiddenColumn.SetStandardValue(0xBAC7CC);
    m_grcBall.SetStandardValue(m_grcToolBar);
    m_grcDisabledIcons.SetStandardValue(nScheme == ktSystemThemeBlue ? 0xF9F5F7 : 0xD8E9EC,
                                        nScheme == ktSystemThemeBlue ? 0x99797A : 0x99A8AC, 0.5f);
    m_clrFaceShadow.SetStandardValue(0x7CA3A3);
    if (nScheme == ktSystemThemeOlive)
    {
        const int indexes[] = {KTCOLOR_HIGHLIGHT, KTCOLOR_HIGHLIGHT_PUSHED, KTCOLOR_HIGHLIGHT_CHECKED,
                               KTCOLOR_HIGHLIGHT_PUSHED_TEXT};
        const COLORREF colors[] = {0x8DC6B6, 0x70A093, 0x8DC6B6, 0xFFFFFF};
        SetColors(4, indexes, colors);
    }
}

KT_TAB_LOOK CKTThemeStyle4::GetTabLook() const
{
    KT_TAB_LOOK look;
    look.nAppearance = 3;
    look.nColor = 16;
    look.bStaticFrame = TRUE;
    look.nClientFrame = ktTabClientFrameLine;
    look.nDisableLunaColors = TRUE;
    return look;
}
