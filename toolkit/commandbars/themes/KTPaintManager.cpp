// KTPaintManager.cpp: the drawer's members, colour table, fonts, metrics and the global drawer.
#include "KTPaintManager.h"

#include "KTColorManager.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTGalleryPaintManager.h"
#include "KTImageManager.h"
#include "KTSystemInfo.h"
#include "KTCommandBar.h"
#include "KTControl.h"

#include <algorithm>

namespace
{
CKTSmartPtr<CKTPaintManager>& GlobalPaintManager()
{
    static CKTSmartPtr<CKTPaintManager> s_pGlobal;
    return s_pGlobal;
}

const int TMT_TEXTCOLOR_ = 3803;
const BYTE CLEARTYPE_QUALITY_ = 5;
const BYTE CLEARTYPE_NATURAL_QUALITY_ = 6;

BOOL IsClearTypeSystem() { return KTOsVersionInfo()->IsWinXPOrLater(); }
}  // namespace

CKTPaintManager::CKTPaintManager() : m_pGalleryPaintManager(new CKTGalleryPaintManager(this))
{
    KTImageManager()->RefreshAll();
    HMODULE hUser = ::GetModuleHandleA("USER32");
    if (hUser)
        m_pfnSetLayeredWindowAttributes = reinterpret_cast<PFNSETLAYEREDWINDOWATTRIBUTES>(
            reinterpret_cast<void*>(::GetProcAddress(hUser, "SetLayeredWindowAttributes")));
}

CKTPaintManager::~CKTPaintManager() = default;

void CKTPaintManager::SetTheme(KTCommandBarsTheme nTheme)
{
    CKTSmartPtr<CKTPaintManager> pNew = CreateTheme(nTheme);
    // Whoever still holds the old drawer keeps it alive.
    GlobalPaintManager() = pNew;
    pNew->m_nCurrentTheme = 7;
    pNew->RefreshMetrics();
    pNew->m_nCurrentTheme = nTheme;
}

CKTPaintManager* CKTPaintManager::GetGlobal()
{
    if (GlobalPaintManager().IsNull())
        SetTheme(ktCommandBarsThemeClassic);
    return GlobalPaintManager();
}

COLORREF CKTPaintManager::GetColor(int nIndex) const
{
    if (nIndex < 0 || nIndex >= KTCOLOR_COUNT)
        return KTReadyColor(nIndex);
    return m_clr[nIndex].GetColor();
}

void CKTPaintManager::SetColors(int nCount, const int* pIndexes, const COLORREF* pColors)
{
    for (int i = 0; i < nCount; i++)
        if (pIndexes[i] >= 0 && pIndexes[i] < KTCOLOR_COUNT)
            m_clr[pIndexes[i]].SetStandardValue(pColors[i]);
}

void CKTPaintManager::SetCustomColor(int nIndex, COLORREF clr)
{
    if (nIndex >= 0 && nIndex < KTCOLOR_COUNT)
        m_clr[nIndex].SetCustomValue(clr);
}

int CKTPaintManager::GetCurrentSystemTheme() const
{
    CKTColorManager* pColors = KTColorManager();
    if (m_nSystemTheme == ktSystemThemeDefault)
        return pColors->IsLunaColorsDisabled() ? ktSystemThemeNone : pColors->GetCurrentSystemTheme();
    if (m_nSystemTheme == ktSystemThemeAuto)
        return pColors->GetSystemTheme();
    return m_nSystemTheme;
}

int CKTPaintManager::GetControlHeight() const { return std::max(22, m_nTextHeight); }

int CKTPaintManager::GetSplitDropDownSize() const
{
    int nHeight = m_nFixedControlHeight > 0 ? m_nTextHeight : std::max(22, m_nTextHeight + 3);
    return 2 * nHeight - 17;
}

CSize CKTPaintManager::GetAutoIconSize(BOOL bLarge) const
{
    if (!m_bAutoResizeIcons)
        return bLarge ? CSize(32, 32) : CSize(16, 16);
    int n = std::max(22, m_nTextHeight) - 4;
    if (bLarge)
        n *= 2;
    n = std::max(2, n / 8) * 8;
    return CSize(n, n);
}

void CKTPaintManager::RefreshMetrics()
{
    UpdateFonts();
    // A caller that changed the system's colours and refreshes us directly gets them too; after the system-change
    // path this reads the same colours again.
    KTRefreshColors();
    CKTColorManager* pColors = KTColorManager();
    for (int i = 0; i < KTCOLOR_COUNT; i++)
        m_clr[i].SetStandardValue(pColors->GetColor(i));

    m_clrShadowColor = 0;
    m_clrStatusTextColor = GetColor(COLOR_BTNTEXT);
    m_grcDisabledIcons.SetStandardValue(GetColor(COLOR_BTNFACE), GetColor(COLOR_BTNSHADOW), 0.5f);
    m_clrFloatingGripper.SetStandardValue(GetColor(COLOR_BTNSHADOW));
    m_clrFloatingGripperText.SetStandardValue(GetColor(COLOR_BTNHIGHLIGHT));

    m_themeStatusBar.CloseThemeData();
    if (m_bThemedStatusBar)
    {
        m_themeStatusBar.OpenThemeData(NULL, "STATUS");
        if (m_themeStatusBar.IsAppThemed())
            m_themeStatusBar.GetThemeColor(1, 0, TMT_TEXTCOLOR_, m_clrStatusTextColor);
    }
    m_themeButton.CloseThemeData();
    if (m_bThemedCheckBox)
        m_themeButton.OpenThemeData(NULL, "BUTTON");
    m_pGalleryPaintManager->RefreshMetrics();
}

void CKTPaintManager::UpdateFonts()
{
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (!::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        ncm.lfMenuFont = CKTDrawHelpers::GetNonClientFont(&NONCLIENTMETRICSA::lfMenuFont);

    if (m_bUseStandardFont)
    {
        LOGFONT lf = {};
        lf.lfHeight = ncm.lfMenuFont.lfHeight;
        if (lf.lfHeight >= -10 && lf.lfHeight <= -1)
            lf.lfHeight = -11;
        lf.lfWeight = ncm.lfMenuFont.lfWeight;
        lf.lfItalic = ncm.lfMenuFont.lfItalic;
        lf.lfCharSet = ncm.lfMenuFont.lfCharSet;
        CopyFaceName(lf, ncm.lfMenuFont.lfFaceName);
        if (lstrcmpA(lf.lfFaceName, "Segoe UI") == 0 && IsClearTypeSystem() && CKTDrawHelpers::FontExists("Segoe UI"))
            lf.lfQuality = CLEARTYPE_NATURAL_QUALITY_;
        SetCommandBarsFontIndirect(&lf, TRUE);
    }

    LOGFONT lfIcon = {};
    if (!::SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(lfIcon), &lfIcon, 0))
        lfIcon = ncm.lfMenuFont;
    if (m_bClearTypeTextQuality && IsClearTypeSystem())
    {
        lfIcon.lfQuality = ncm.lfSmCaptionFont.lfQuality = ncm.lfStatusFont.lfQuality = CLEARTYPE_NATURAL_QUALITY_;
    }
    RecreateSystemFonts(ncm, lfIcon);
}

void CKTPaintManager::RecreateSystemFonts(const NONCLIENTMETRICS& ncm, const LOGFONT& lfIcon)
{
    LOGFONT lfIconBold = lfIcon;
    lfIconBold.lfWeight = FW_BOLD;
    const struct
    {
        CKTPaintManagerFont* pFont;
        const LOGFONT* pLogFont;
    } fonts[] = {{&m_fontSmCaption, &ncm.lfSmCaptionFont},
                 {&m_fontIcon, &lfIcon},
                 {&m_fontIconBold, &lfIconBold},
                 {&m_fontStatus, &ncm.lfStatusFont}};
    for (const auto& font : fonts)
    {
        if (!font.pFont->m_bStandardFont && font.pFont->GetSafeHandle())
            continue;
        font.pFont->DeleteObject();
        font.pFont->CreateFontIndirect(font.pLogFont);
    }
}

void CKTPaintManager::CopyFaceName(LOGFONT& lf, LPCSTR lpszFace) { lstrcpynA(lf.lfFaceName, lpszFace, LF_FACESIZE); }

void CKTPaintManager::SetCommandBarsFontIndirect(const LOGFONT* pLogFont, BOOL bUseStandardFont)
{
    m_bUseStandardFont = bUseStandardFont;
    if (!pLogFont)
        return;
    LOGFONT lf = *pLogFont;
    if (m_bClearTypeTextQuality && IsClearTypeSystem())
        lf.lfQuality = CLEARTYPE_QUALITY_;

    m_fontRegular.DeleteObject();
    m_fontRegularBold.DeleteObject();
    m_fontVert.DeleteObject();
    m_fontVertBold.DeleteObject();
    m_fontIconBold.DeleteObject();

    if (m_strStandardFontFace == lf.lfFaceName)
        m_bUseStandardFace = TRUE;
    if (bUseStandardFont && m_bUseStandardFace && CKTDrawHelpers::FontExists(m_strStandardFontFace))
        CopyFaceName(lf, m_strStandardFontFace);

    m_fontRegular.CreateFontIndirect(&lf);
    LOGFONT lfBold = lf;
    lfBold.lfWeight = FW_BOLD;
    m_fontRegularBold.CreateFontIndirect(&lfBold);

    LOGFONT lfVert = lf;
    lfVert.lfEscapement = 2700;
    lfVert.lfOrientation = 900;
    CopyFaceName(lfVert, CKTDrawHelpers::GetDefaultFontName(m_bUseStandardFace));
    m_fontVert.CreateFontIndirect(&lfVert);
    lfVert.lfWeight = FW_BOLD;
    m_fontVertBold.CreateFontIndirect(&lfVert);

    CKTScreenDC screen;
    CSize sz(0, 0);
    if (screen.GetSafeHdc())
    {
        CKTFontDC font(&screen, &m_fontRegular);
        sz = screen.GetTextExtent(" ", 1);
    }
    m_nTextHeight = sz.cy + 6;

    // A direct call would otherwise leave the bold icon-title font empty.
    if (!m_fontIconBold.GetSafeHandle())
    {
        LOGFONT lfIcon = {};
        if (::SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(lfIcon), &lfIcon, 0))
        {
            lfIcon.lfWeight = FW_BOLD;
            m_fontIconBold.CreateFontIndirect(&lfIcon);
        }
    }
}

CFont* CKTPaintManager::GetControlFont(CKTControl* pControl, BOOL bBold)
{
    CKTCommandBar* pBar = pControl ? pControl->GetParent() : NULL;
    BOOL bVert = pBar && pBar->IsVerticalPosition();
    if (bVert)
        return bBold ? &m_fontVertBold : &m_fontVert;
    return bBold ? &m_fontRegularBold : &m_fontRegular;
}

void CKTPaintManager::Rectangle(CDC* pDC, CRect rc, int nBorder, int nFill)
{
    if (nFill != -1)
        pDC->FillSolidRect(rc, GetColor(nFill));
    if (nBorder != -1 && nBorder != nFill)
        pDC->Draw3dRect(rc, GetColor(nBorder), GetColor(nBorder));
}

void CKTPaintManager::Draw3dRect(CDC* pDC, CRect rc, int nTopLeft, int nBottomRight)
{
    pDC->Draw3dRect(rc, GetColor(nTopLeft), GetColor(nBottomRight));
}

void CKTPaintManager::HorizontalLine(CDC* pDC, int x0, int y, int x1, COLORREF clr)
{
    pDC->FillSolidRect(x0, y, x1 - x0, 1, clr);
}

void CKTPaintManager::VerticalLine(CDC* pDC, int x, int y0, int y1, COLORREF clr)
{
    pDC->FillSolidRect(x, y0, 1, y1 - y0, clr);
}

void CKTPaintManager::Line(CDC* pDC, int x0, int y0, int x1, int y1, int nColor)
{
    CKTPenDC pen(pDC->GetSafeHdc(), GetColor(nColor));
    pDC->MoveTo(x0, y0);
    pDC->LineTo(x1, y1);
}

void CKTPaintManager::Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr)
{
    CKTPenDC pen(pDC->GetSafeHdc(), clr);
    CKTBrushDC brush(pDC->GetSafeHdc(), clr);
    CKTDrawHelpers::Triangle(pDC, pt0, pt1, pt2);
}

void CKTPaintManager::GradientFill(CDC* pDC, CRect rc, COLORREF clrFrom, COLORREF clrTo, BOOL bHorz, LPCRECT lpClip)
{
    KTDrawHelpers()->GradientFill(pDC, rc, clrFrom, clrTo, bHorz, lpClip);
}

void CKTPaintManager::GradientFill(CDC* pDC, CRect rc, const CKTPaintManagerColorGradient& grc, BOOL bHorz,
                                   LPCRECT lpClip)
{
    KTDrawHelpers()->GradientFill(pDC, rc, grc, bHorz, lpClip);
}

void CKTPaintManager::StrokePolyline(CDC* pDC, const POINT* pPoints, int nCount)
{
    pDC->MoveTo(pPoints[0]);
    for (int i = 1; i < nCount; i++)
        pDC->LineTo(pPoints[i]);
}

IKTRibbonPainter* CKTPaintManager::GetRibbonPainter(IKTRibbonPainterMaker& maker)
{
    if (!m_pRibbonPainter)
        m_pRibbonPainter = MakeRibbonPainter(maker);
    return m_pRibbonPainter.get();
}

std::shared_ptr<IKTRibbonPainter> CKTPaintManager::MakeRibbonPainter(IKTRibbonPainterMaker& maker)
{
    return maker.MakePlainPainter(this);
}

// The system's own caption button: no theme image stands for it.
void CKTPaintManager::DrawFrameCaptionButton(CDC* pDC, CRect rc, UINT nId, BOOL bSelected, BOOL bPressed, BOOL bActive)
{
    UINT nState = nId == SC_CLOSE      ? DFCS_CAPTIONCLOSE
                  : nId == SC_MINIMIZE ? DFCS_CAPTIONMIN
                  : nId == SC_MAXIMIZE ? DFCS_CAPTIONMAX
                                       : DFCS_CAPTIONRESTORE;
    if (bPressed && bSelected)
        nState |= DFCS_PUSHED;
    if (!bActive)
        nState |= DFCS_INACTIVE;
    pDC->DrawFrameControl(rc, DFC_CAPTION, nState);
}
