// KTThemeStyle5.cpp: the style resources' colours over theme 2, and the menu bar's idle text.
#include "KTThemeStyle5.h"

#include "KTStyleGalleryPaintManager.h"
#include "KTStyleResourceSet.h"

#include <algorithm>

CKTThemeStyle5::CKTThemeStyle5()
    : m_bFrameStatusBar(FALSE), m_nRibbonCaptionHeight(0), m_nFrameCaptionHeight(0), m_pImages(KTStyleResourceSet())
{
    m_pGalleryPaintManager.reset(new CKTStyleGalleryPaintManager(this));
    m_bThemedStatusBar = TRUE;
    m_bThinDropDownSpace = TRUE;
    m_dwShadowOptions = 1;
    m_nSystemTheme = ktSystemThemeNone;
}

int CKTThemeStyle5::GetRectangleTextColor(const KT_CONTROLSTATE& state)
{
    if (state.nBarType == ktBarTypeMenuBar && state.IsIdle())
        return KTColorArgument(m_clrMenuBarText.GetColor());
    return CKTThemeStyle2::GetRectangleTextColor(state);
}

void CKTThemeStyle5::RefreshMetrics()
{
    CKTThemeStyle2::RefreshMetrics();
    CreateCaptionFont();
    m_nFrameCaptionHeight = std::max(::GetSystemMetrics(SM_CYCAPTION), 17);
    m_nRibbonCaptionHeight = std::max(::GetSystemMetrics(SM_CYCAPTION) + 1, 18);
    SetPlainColors();
    ReadBarColors();
    ReadTableColors();
    ReadFrameColors();
    CreateExpandBallImage();
}

void CKTThemeStyle5::SetPlainColors()
{
    for (int i = 0; i < 4; i++)
    {
        m_clrBorderActive[i].SetStandardValue(GetColor(COLOR_ACTIVEBORDER));
        m_clrBorderInactive[i].SetStandardValue(GetColor(COLOR_INACTIVEBORDER));
    }
    m_clrCaptionTextActive.SetStandardValue(GetColor(COLOR_CAPTIONTEXT));
    m_clrCaptionTitleTextActive.SetStandardValue(GetColor(COLOR_CAPTIONTEXT));
    m_clrCaptionTextInactive.SetStandardValue(GetColor(COLOR_INACTIVECAPTIONTEXT));
    m_clrMenuBarText.SetStandardValue(GetColor(COLOR_MENUTEXT));
    m_clrStatusBarShadow.SetStandardValue(GetColor(COLOR_BTNSHADOW));
    m_grcStatusBarTop.SetStandardValue(GetColor(COLOR_BTNFACE));
    m_grcStatusBarBottom.SetStandardValue(GetColor(COLOR_BTNFACE));
    for (CKTPaintManagerColor& clr : m_clrWorkspace)
        clr.SetStandardValue(GetColor(COLOR_APPWORKSPACE));
}

void CKTThemeStyle5::ReadBarColors()
{
    const CKTStyleResourceSet& style = *m_pImages;
    style.ReadColor("StatusBar", "StatusBarText", m_clrStatusTextColor);
    style.ReadColor("StatusBar", "StatusBarShadow", m_clrStatusBarShadow);
    style.ReadGradient("StatusBar", "StatusBarFaceTopLight", "StatusBarFaceTopDark", 0.5f, m_grcStatusBarTop);
    style.ReadGradient("StatusBar", "StatusBarFaceBottomLight", "StatusBarFaceBottomDark", 0.5f, m_grcStatusBarBottom);
    style.ReadGradient("Toolbar", "DockBarFace", "DockBarFace", 0.5f, m_grcDockBar);
    style.ReadGradient("Toolbar", "ToolbarFaceLight", "ToolbarFaceDark", 0.75f, m_grcToolBar);
    style.ReadColor("Toolbar", "ToolbarFaceShadow", m_clrFaceShadow);
    style.ReadGradient("Toolbar", "ControlToolbarExpandLight", "ControlToolbarExpandDark", 0.75f, m_grcExpandButton);
    style.ReadGradient("Toolbar", "ControlHighlightPopupedLight", "ControlHighlightPopupedDark", 0.5f, m_grcPopuped);
    style.ReadGradient("Toolbar", "MenuPopupExpandedGripperLight", "MenuPopupExpandedGripperDark", 0.5f,
                       m_grcHiddenColumn);
    m_grcBall.SetStandardValue(m_grcPopuped);
    m_clrShadowColor = 0;
    style.ReadColor("Toolbar", "MenuPopupTearOffGripper", m_clrTearOff);
    style.ReadColor("Toolbar", "MenuBarText", m_clrMenuBarText);
}

void CKTThemeStyle5::ReadTableColors()
{
    static const struct
    {
        LPCSTR lpszSection;
        LPCSTR lpszKey;
        int nIndex;
    } keys[] = {
        {"Toolbar", "MenuPopupBorder", KTCOLOR_POPUP_BORDER},
        {"Toolbar", "ToolbarGripper", KTCOLOR_GRIPPER},
        {"Window", "WindowFrame", KTCOLOR_WINDOW_FRAME},
        {"Toolbar", "FloatingBarBorder", KTCOLOR_FLOATING_FRAME},
        {"Workspace", "AppWorkspace", COLOR_APPWORKSPACE},
        {"Window", "ButtonFace", KTCOLOR_CONTROL_FACE},
        {"Toolbar", "ToolbarFace", KTCOLOR_TOOLBAR_FACE},
        {"Toolbar", "ToolbarSeparator", KTCOLOR_SEPARATOR},
        {"Toolbar", "ControlDisabledIcon", KTCOLOR_DISABLED_ICON},
        {"Window", "HighlightSelected", KTCOLOR_HIGHLIGHT},
        {"Window", "HighlightSelectedBorder", KTCOLOR_HIGHLIGHT_BORDER},
        {"Window", "HighlightPressed", KTCOLOR_HIGHLIGHT_PUSHED},
        {"Window", "HighlightPressedBorder", KTCOLOR_HIGHLIGHT_PUSHED_BORDER},
        {"Window", "HighlightChecked", KTCOLOR_HIGHLIGHT_CHECKED},
        {"Window", "HighlightCheckedBorder", KTCOLOR_HIGHLIGHT_CHECKED_BORDER},
        {"Toolbar", "ControlLabel", KTCOLOR_POPUP_LABEL},
        {"Toolbar", "ControlEditBorder", KTCOLOR_POPUP_EDIT},
    };
    SetFixedColors();
    m_clr[KTCOLOR_BAR_EDGE].SetStandardValue(m_clrFaceShadow.GetColor());
    for (const auto& key : keys)
        m_pImages->ReadColor(key.lpszSection, key.lpszKey, m_clr[key.nIndex]);
}

void CKTThemeStyle5::SetFixedColors()
{
    m_clr[KTCOLOR_POPUP_FACE].SetStandardValue(0xF6F6F6);
    m_clr[KTCOLOR_HIGHLIGHT_PUSHED_TEXT].SetStandardValue(0);
    for (int nIndex : {KTCOLOR_POPUP_TEXT, KTCOLOR_HIGHLIGHT_TEXT, KTCOLOR_TOOLBAR_TEXT})
        m_clr[nIndex].SetStandardValue(0);
    for (int nIndex : {KTCOLOR_DISABLED_TEXT, KTCOLOR_DISABLED_CHECKED_BORDER, KTCOLOR_POPUP_DISABLED_TEXT})
        m_clr[nIndex].SetStandardValue(0x8D8D8D);
}

void CKTThemeStyle5::ReadFrameColors()
{
    const CKTStyleResourceSet& style = *m_pImages;
    CString strKey;
    for (int i = 0; i < 4; i++)
    {
        strKey.Format("BorderActive%d", i);
        style.ReadColor("Window", strKey, m_clrBorderActive[i]);
        strKey.Format("BorderInactive%d", i);
        style.ReadColor("Window", strKey, m_clrBorderInactive[i]);
    }
    style.ReadColor("Window", "CaptionTextActiveTitle", m_clrCaptionTitleTextActive);
    style.ReadColor("Window", "CaptionTextInActive", m_clrCaptionTextInactive);
    style.ReadColor("Window", "CaptionTextActive", m_clrCaptionTextActive);
    style.ReadColor("Toolbar", "FloatingBarGripper", m_clrFloatingGripper);
    style.ReadColor("Toolbar", "FloatingBarGripperText", m_clrFloatingGripperText);
    style.ReadColor("Workspace", "WorkspaceClientTop", m_clrWorkspace[0]);
    style.ReadColor("Workspace", "WorkspaceClientMiddle", m_clrWorkspace[1]);
    style.ReadColor("Workspace", "WorkspaceClientBottom", m_clrWorkspace[2]);
    style.ReadGradient("Window", "HighlightSelectedLight", "HighlightSelectedDark", 0.5f, m_grcHot);
    style.ReadGradient("Window", "HighlightCheckedLight", "HighlightCheckedDark", 0.5f, m_grcChecked);
    style.ReadGradient("Window", "HighlightPressedLight", "HighlightPressedDark", 0.5f, m_grcPressed);
    style.ReadGradient("Toolbar", "ControlDisabledIconLight", "ControlDisabledIconDark", 0.5f, m_grcDisabledIcons);
}

KT_TAB_LOOK CKTThemeStyle5::GetTabLook() const
{
    KT_TAB_LOOK look = CKTThemeStyle2::GetTabLook();
    look.nColor = 32;
    return look;
}
