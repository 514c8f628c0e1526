// KTThemeRibbon.cpp: theme 6's colours, fonts and metrics.
#include "KTThemeRibbon.h"

#include "KTDrawHelpers.h"
#include "KTStyleResourceSet.h"
#include "KTSystemInfo.h"

#include <algorithm>
#include <cstdlib>

CKTThemeRibbon::CKTThemeRibbon() : m_bRibbonLayout(TRUE), m_nTabHeight(23), m_nGroupCaptionHeight(17), m_nFontHeight(0)
{
    m_bFrameStatusBar = TRUE;
    m_bClearTypeTextQuality = TRUE;
    m_nSplitButtonDropDownWidth = 12;
    m_nSplitButtonPopupWidth = 26;
    m_bOffsetPopupLabelText = FALSE;
    m_bUseStandardFace = TRUE;
    m_strStandardFontFace = "Segoe UI";
}

void CKTThemeRibbon::RefreshMetrics()
{
    CKTThemeStyle5::RefreshMetrics();
    ReadRibbonColors();
    m_clr[KTCOLOR_POPUP_DISABLED_TEXT].SetStandardValue(0xA7A7A7);
    m_clr[KTCOLOR_POPUP_BORDER].SetStandardValue(0x868686);
    m_clr[KTCOLOR_POPUP_FACE].SetStandardValue(0xFAFAFA);
    KTStyleResourceSet()->ReadColor("Ribbon", "ControlHighlightText", m_clr[KTCOLOR_HIGHLIGHT_TEXT]);
    m_grcBall.SetStandardValue(0xEEEEE9, 0xEEEEE9, 0.5f);
    CreateExpandBallImage();
    m_nMetricsCount++;
}

void CKTThemeRibbon::ReadRibbonColors()
{
    const CKTStyleResourceSet& style = *KTStyleResourceSet();
    style.ReadColor("Ribbon", "RibbonFace", m_clrRibbonFace);
    style.ReadColor("Ribbon", "GroupCaptionText", m_clrGroupCaptionText);
    style.ReadColor("Ribbon", "GroupClientText", m_clr[KTCOLOR_TOOLBAR_TEXT]);
    style.ReadColor("Ribbon", "RibbonText", m_clrRibbonText);
    style.ReadColor("Ribbon", "ControlEditNormal", m_clrEditNormal);
    style.ReadColor("Ribbon", "MinimizedFrameEdgeHighLight", m_clrMinimizedFrameEdgeHighLight);
    style.ReadColor("Ribbon", "MinimizedFrameEdgeShadow", m_clrMinimizedFrameEdgeShadow);
    style.ReadColor("Ribbon", "MenuPopupText", m_clr[KTCOLOR_POPUP_TEXT]);
    // Without the style's keys a tip keeps the system's tooltip look.
    m_clrTooltipLight.SetStandardValue(GetColor(COLOR_INFOBK));
    m_clrTooltipDark.SetStandardValue(GetColor(COLOR_INFOBK));
    m_clrTooltipBorder.SetStandardValue(GetColor(COLOR_BTNSHADOW));
    style.ReadColor("Window", "TooltipLight", m_clrTooltipLight);
    style.ReadColor("Window", "TooltipDark", m_clrTooltipDark);
    style.ReadColor("Window", "TooltipBorder", m_clrTooltipBorder);
}

LOGFONT CKTThemeRibbon::RibbonLogFont(int& nHeight) const
{
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (!::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        ncm.lfMenuFont = CKTDrawHelpers::GetNonClientFont(&NONCLIENTMETRICSA::lfMenuFont);
    nHeight = m_nFontHeight > 11 ? m_nFontHeight : std::abs(ncm.lfMenuFont.lfHeight);
    if (nHeight < 13)
        nHeight = 11;

    LOGFONT lf = {};
    if (!::SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0))
        lf = ncm.lfMenuFont;
    lf.lfCharSet = ncm.lfMenuFont.lfCharSet;
    lf.lfWeight = FW_NORMAL;
    if (m_bClearTypeTextQuality && KTOsVersionInfo()->IsWinXPOrLater())
        lf.lfQuality = CLEARTYPE_QUALITY;
    BOOL bStandardFace = m_bUseStandardFace && CKTDrawHelpers::FontExists(m_strStandardFontFace);
    CopyFaceName(lf, bStandardFace ? static_cast<LPCSTR>(m_strStandardFontFace) : ncm.lfMenuFont.lfFaceName);
    lf.lfHeight = nHeight * 120 / 96;
    return lf;
}

void CKTThemeRibbon::UpdateFonts()
{
    CKTThemeStyle5::UpdateFonts();
    int nHeight = 0;
    LOGFONT lf = RibbonLogFont(nHeight);
    m_lfTabs = lf;
    if (m_bUseStandardFont)
        SetCommandBarsFontIndirect(&lf, TRUE);
    SetRibbonMetrics(nHeight);
    if (m_fontRibbon.m_bStandardFont || !m_fontRibbon.GetSafeHandle())
    {
        m_fontRibbon.DeleteObject();
        m_fontRibbon.CreateFontIndirect(&lf);
    }
    RecreateRibbonSystemFonts(lf);
}

void CKTThemeRibbon::RecreateRibbonSystemFonts(const LOGFONT& lfRibbon)
{
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (!::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
    {
        ncm.lfMenuFont = CKTDrawHelpers::GetNonClientFont(&NONCLIENTMETRICSA::lfMenuFont);
        ncm.lfSmCaptionFont = CKTDrawHelpers::GetNonClientFont(&NONCLIENTMETRICSA::lfSmCaptionFont);
        ncm.lfStatusFont = CKTDrawHelpers::GetNonClientFont(&NONCLIENTMETRICSA::lfStatusFont);
    }
    if (m_bClearTypeTextQuality && KTOsVersionInfo()->IsWinXPOrLater())
    {
        ncm.lfSmCaptionFont.lfQuality = CLEARTYPE_QUALITY;
        ncm.lfStatusFont.lfQuality = CLEARTYPE_NATURAL_QUALITY;
    }
    if (m_bUseStandardFace && CKTDrawHelpers::FontExists(m_strStandardFontFace))
        CopyFaceName(ncm.lfStatusFont, m_strStandardFontFace);
    LOGFONT lfIcon = lfRibbon;
    CopyFaceName(lfIcon, ncm.lfMenuFont.lfFaceName);
    RecreateSystemFonts(ncm, lfIcon);
}

void CKTThemeRibbon::SetRibbonMetrics(int nHeight)
{
    int nText = nHeight * 144 / 96;
    m_nTextHeight = std::max(22, nText + 6);
    m_nFixedControlHeight = std::max(22, nHeight * 195 / 96);
    m_nTabHeight = TabHeightFor(m_nFixedControlHeight);
    m_nGroupCaptionHeight = std::max(17, nText);
    m_nSplitButtonDropDownWidth = std::max(12, m_nTextHeight / 2);
}

void CKTThemeRibbon::SetCornerRegion(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    int cx = rc.Width(), cy = rc.Height();
    HRGN hRgn = ::CreateRectRgn(1, 0, cx - 1, cy);
    HRGN hMiddle = ::CreateRectRgn(0, 1, cx, cy - 1);
    ::CombineRgn(hRgn, hRgn, hMiddle, RGN_OR);
    ::DeleteObject(hMiddle);
    // The window owns the region from here on.
    if (!::SetWindowRgn(pWnd->GetSafeHwnd(), hRgn, FALSE))
        ::DeleteObject(hRgn);
}

KT_TAB_LOOK CKTThemeRibbon::GetTabLook() const
{
    KT_TAB_LOOK look;
    look.nAppearance = 10;
    look.nDisableLunaColors = FALSE;
    look.bHotTracking = TRUE;
    look.rcButtonMargin.SetRect(3, 2, 3, 1);
    return look;
}
