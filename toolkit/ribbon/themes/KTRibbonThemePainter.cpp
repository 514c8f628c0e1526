// KTRibbonThemePainter.cpp: theme 6's ribbon: face, tabs, groups, their buttons and the caption from the style images.
#include "KTRibbonThemePainter.h"

#include "KTControl.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTRibbonBar.h"
#include "KTRibbonContextHeaders.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonGroup.h"
#include "KTRibbonSystemButton.h"
#include "KTRibbonTab.h"
#include "KTRibbonTabSets.h"
#include "KTStyleResourceSet.h"
#include "KTWinThemeWrapper.h"

#include <algorithm>
#include <cstring>

namespace
{
const COLORREF kMagenta = RGB(255, 0, 255);

// 2 pressed, 1 hot, else 0: the parts of buttons drawn from three-part images.
int ButtonPart(const CKTControl* pControl)
{
    if (pControl->GetPressed())
        return 2;
    return pControl->GetSelected() ? 1 : 0;
}

int ContextColorOf(const CKTRibbonTab* pTab) { return pTab ? static_cast<int>(pTab->GetContextColor()) : 0; }

CString ContextImageName(LPCSTR lpszFormat, int nColor)
{
    CString strName;
    strName.Format(lpszFormat, CKTRibbonThemePainter::ContextColorName(nColor));
    return strName;
}

// The image of a context colour's own part, or the plain part's for a tab of no colour.
CString ColoredImageName(LPCSTR lpszContextFormat, LPCSTR lpszPlain, int nColor)
{
    return nColor ? ContextImageName(lpszContextFormat, nColor) : CString(lpszPlain);
}

}  // namespace

CKTRibbonThemePainter::CKTRibbonThemePainter() : m_pTabPainter(CreateTabPainter()) {}

int CKTRibbonThemePainter::PopupPart(const CKTControl* pControl)
{
    if (pControl->IsPopuped())
        return 2;
    return pControl->GetSelected() ? 1 : 0;
}

LPCSTR CKTRibbonThemePainter::ContextColorName(int nColor)
{
    static const LPCSTR kNames[] = {"", "BLUE", "YELLOW", "GREEN", "RED", "PURPLE", "CYAN", "ORANGE"};
    return nColor >= 1 && nColor <= 7 ? kNames[nColor] : "";
}

void CKTRibbonThemePainter::SetTheme(CKTThemeRibbon* pTheme)
{
    if (m_pTheme == pTheme)
        return;
    m_pTheme = pTheme;
    m_pSyncedTheme = NULL;
    SetPaintManager(pTheme);
}

std::shared_ptr<IKTRibbonPainter> CKTRibbonPainterMaker::MakePlainPainter(CKTPaintManager* pPaintManager)
{
    auto pPainter = std::make_shared<CKTRibbonPlainPainter>();
    pPainter->SetPaintManager(pPaintManager);
    return pPainter;
}

std::shared_ptr<IKTRibbonPainter> CKTRibbonPainterMaker::MakeThemePainter(CKTThemeRibbon* pTheme)
{
    auto pPainter = std::make_shared<CKTRibbonThemePainter>();
    pPainter->SetTheme(pTheme);
    return pPainter;
}

CKTSmartPtr<CKTTabPainter> CKTRibbonThemePainter::CreateTabPainter()
{
    CKTSmartPtr<CKTTabPainter> pPainter = KTMakeCounted<CKTTabPainter>();
    pPainter->SetAppearanceSetObject(new CKTRibbonTabAppearanceSet(this));
    pPainter->SetLayout(ktTabLayoutSizeToFit);
    pPainter->SetColorSetObject(new CKTRibbonTabColorSet);
    pPainter->m_rcButtonMargin.SetRect(0, 2, 0, 2);
    pPainter->m_rcCaptionSpacing.SetRect(4, 0, 4, 0);
    pPainter->m_bHotTracking = TRUE;
    // The ribbon's face is already under the strip, and the groups below are the bar's.
    pPainter->m_bFillBackground = FALSE;
    pPainter->m_bShowIcons = FALSE;
    pPainter->m_nClientFrame = ktTabClientFrameNone;
    pPainter->m_bDrawFocusRect = FALSE;
    pPainter->m_bSelectOnButtonDown = TRUE;
    // Captions carry their access letter after '&', as the keys that reach the tabs need.
    pPainter->m_bNoPrefix = FALSE;
    pPainter->m_nToolTipMode = 1;
    pPainter->RefreshMetrics();
    return pPainter;
}

void CKTRibbonThemePainter::SyncTabPainter()
{
    // The strip keeps the theme's own font even when the ribbon's font was replaced.
    if (!m_pTheme || !m_pTheme->GetTabLogFont().lfFaceName[0])
        return;
    const LOGFONTA lf = m_pTheme->GetTabLogFont();
    if (m_pSyncedTheme == m_pTheme && m_nSyncedMetrics == m_pTheme->GetMetricsCount() &&
        std::memcmp(&lf, &m_lfSynced, sizeof(lf)) == 0)
        return;
    m_pSyncedTheme = m_pTheme;
    m_nSyncedMetrics = m_pTheme->GetMetricsCount();
    m_lfSynced = lf;
    m_pTabPainter->RefreshMetrics();
    m_pTabPainter->SetFontIndirect(&lf, TRUE);
    CKTTabColorSet* pColors = m_pTabPainter->GetColorSet();
    const CKTStyleResourceSet& style = *KTStyleResourceSet();
    style.ReadColor("Ribbon", "TabNormalText", pColors->m_clrTextNormal);
    style.ReadColor("Ribbon", "TabNormalText", pColors->m_clrTextInactive);
    style.ReadColor("Ribbon", "TabSelectedText", pColors->m_clrTextSelected);
}

int CKTRibbonThemePainter::GetRibbonTabHeight() { return m_pTheme ? m_pTheme->m_nTabHeight : 23; }

int CKTRibbonThemePainter::GetGroupCaptionHeight() { return m_pTheme ? m_pTheme->m_nGroupCaptionHeight : 17; }

int CKTRibbonThemePainter::GetRibbonCaptionHeight()
{
    return m_pTheme ? m_pTheme->m_nRibbonCaptionHeight : ::GetSystemMetrics(SM_CYCAPTION);
}

CKTTabPainter* CKTRibbonThemePainter::GetRibbonTabPainter()
{
    SyncTabPainter();
    return m_pTabPainter;
}

CKTStyleImage* CKTRibbonThemePainter::Image(LPCSTR lpszName) const
{
    return m_pTheme ? m_pTheme->LoadImage(lpszName) : NULL;
}

BOOL CKTRibbonThemePainter::DrawImage(CDC* pDC, LPCSTR lpszName, const CRect& rc, int nPart, int nParts,
                                      const CRect& rcMargins, COLORREF clrTransparent) const
{
    return m_pTheme && m_pTheme->DrawStyleImage(pDC, lpszName, rc, nPart, nParts, rcMargins, clrTransparent);
}

void CKTRibbonThemePainter::DrawQuickAccessFrame(CDC* pDC, CKTRibbonBar* pBar)
{
    if (!m_pTheme)
        return;
    FillRibbonFace(pDC, pBar);
    if (pBar->IsQuickAccessBelowRibbon() && pBar->IsQuickAccessVisible())
    {
        if (!DrawImage(pDC, "RIBBONQUICKACCESSFRAME", pBar->GetQuickAccessRect(), 0, 1, CRect(3, 3, 3, 3)))
            DrawQuickAccessBand(pDC, pBar);
        return;
    }
    if (pBar->IsGroupsVisible() || m_pTheme->m_clrMinimizedFrameEdgeShadow.IsDefaultValue() ||
        m_pTheme->m_clrMinimizedFrameEdgeHighLight.IsDefaultValue())
        return;
    const CRect rc = FaceRect(pBar);
    // A minimised ribbon closes with an edge under its tabs.
    pDC->FillSolidRect(rc.left, rc.bottom - 2, rc.Width(), 1, m_pTheme->m_clrMinimizedFrameEdgeShadow);
    pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, m_pTheme->m_clrMinimizedFrameEdgeHighLight);
}

CRect CKTRibbonThemePainter::FaceRect(CKTRibbonBar* pBar) const
{
    CRect rc = CKTClientRect(pBar);
    if (pBar->IsFrameThemeEnabled())
        rc.top += m_pTheme->m_nRibbonCaptionHeight;
    return rc;
}

void CKTRibbonThemePainter::FillRibbonFace(CDC* pDC, CKTRibbonBar* pBar)
{
    // Without the style's face the bar keeps the bars' own face rather than an unset colour.
    if (m_pTheme->m_clrRibbonFace.IsDefaultValue())
        m_pTheme->FillCommandBarEntry(pDC, pBar);
    else
        pDC->FillSolidRect(FaceRect(pBar), m_pTheme->m_clrRibbonFace);
}

void CKTRibbonThemePainter::FillClientFace(CDC* pDC, CWnd* pWnd)
{
    if (!m_pTheme)
        return;
    const CKTPaintManagerColor& face = m_pTheme->m_clrRibbonFace;
    pDC->FillSolidRect(CKTClientRect(pWnd),
                       face.IsDefaultValue() ? m_pTheme->GetColor(COLOR_BTNFACE) : face.GetColor());
}

void CKTRibbonThemePainter::FillRibbonGroups(CDC* pDC, CKTRibbonTab* pTab, CRect rcGroups)
{
    DrawImage(pDC, GroupsImageName(pTab), rcGroups, 0, 1, CRect(8, 8, 8, 8));
}

CString CKTRibbonThemePainter::GroupsImageName(CKTRibbonTab* pTab)
{
    return ColoredImageName("CONTEXTTAB%sCLIENT", "RIBBONGROUPS", ContextColorOf(pTab));
}

void CKTRibbonThemePainter::FillGroupsBackground(CDC* pDC, CKTRibbonTab* pTab, CWnd* pWnd)
{
    const CString strName = GroupsImageName(pTab);
    if (!Image(strName))
    {
        CKTRibbonPlainPainter::FillGroupsBackground(pDC, pTab, pWnd);
        return;
    }
    // The fill shows through an image with alpha; the image's edges lie outside the popup.
    const CRect rc = CKTClientRect(pWnd);
    pDC->FillSolidRect(rc, RGB(0xBF, 0xDB, 0xFF));
    CRect rcImage = rc;
    rcImage.InflateRect(3, 3);
    DrawImage(pDC, strName, rcImage, 0, 1, CRect(8, 8, 8, 8));
}

void CKTRibbonThemePainter::DrawTab(CDC* pDC, CKTRibbonTab* pTab)
{
    const BOOL bSelected = pTab->IsSelected(), bHot = pTab->IsHighlighted();
    const int nColor = ContextColorOf(pTab);
    const CRect rc = pTab->GetRect();
    const CRect rcMargins(5, 5, 5, 5);
    const BOOL bTracking = bSelected && pTab->GetTabManager() && pTab->GetTabManager()->HasFocus();
    if (nColor && (bSelected || bHot))
        DrawImage(pDC, ContextImageName("CONTEXTTAB%s", nColor), rc, bSelected ? (bHot || bTracking ? 4 : 3) : 1, 5,
                  rcMargins, kMagenta);
    else if (bSelected || bHot)
        DrawImage(pDC, "RIBBONTAB", rc, PlainTabPart(pTab, bTracking), 6, rcMargins, kMagenta);
    DrawTabSeparator(pDC, pTab);
    DrawContextSeparators(pDC, pTab);
}

int CKTRibbonThemePainter::PlainTabPart(CKTRibbonTab* pTab, BOOL bTracking)
{
    if (pTab->IsSelected())
        return bTracking ? 5 : (pTab->IsHighlighted() ? 4 : 3);
    return pTab->IsPressed() ? 2 : 1;
}

void CKTRibbonThemePainter::DrawContextSeparators(CDC* pDC, CKTRibbonTab* pTab)
{
    const KT_RIBBONCONTEXTHEADER* pHeader = pTab->GetContextHeader();
    if (!pHeader)
        return;
    const CRect rc = pTab->GetRect();
    if (pHeader->pFirstTab == pTab)
        DrawImage(pDC, "CONTEXTTABSEPARATOR", CRect(rc.left, rc.top, rc.left + 1, rc.bottom - 1), 0, 1, CRect());
    if (pHeader->pLastTab == pTab)
        DrawImage(pDC, "CONTEXTTABSEPARATOR", CRect(rc.right, rc.top, rc.right + 1, rc.bottom - 1), 0, 1, CRect());
}

// A squeezed strip parts its tabs, which no longer show their frames' gaps.
void CKTRibbonThemePainter::DrawTabSeparator(CDC* pDC, CKTRibbonTab* pTab)
{
    CKTTabManager* pManager = pTab->GetTabManager();
    if (!pManager)
        return;
    const CRect rc = pTab->GetRect();
    if (rc.Width() >= m_pTabPainter->DrawItemContent(pDC, pTab, CRect(0, 0, 0, 0), 0))
        return;
    DrawImage(pDC, "RIBBONTABSEPARATOR", CRect(rc.right, rc.top, rc.right + 1, rc.bottom), 0, 1, CRect());
}

void CKTRibbonThemePainter::DrawGroup(CDC* pDC, CKTRibbonGroup* pGroup)
{
    if (!m_pTheme)
        return;
    const BOOL bContext = ContextColorOf(pGroup->GetRibbonTab()) != 0;
    const CRect rc = pGroup->GetRect();
    const CRect rcCaption(rc.left, rc.bottom - m_pTheme->m_nGroupCaptionHeight, rc.right, rc.bottom);
    const CRect rcMargins(5, 5, 5, 5);
    const int nPart = pGroup->IsHighlighted() ? 1 : 0;
    DrawImage(pDC, bContext ? "CONTEXTTABGROUPCLIENT" : "RIBBONGROUPCLIENT",
              CRect(rc.left, rc.top, rc.right, rcCaption.top), nPart, 2, rcMargins);
    DrawImage(pDC, bContext ? "CONTEXTTABGROUPCAPTION" : "RIBBONGROUPCAPTION", rcCaption, nPart, 2, rcMargins);

    const CKTPaintManagerColor& clrText = m_pTheme->m_clrGroupCaptionText;
    CKTFontDC font(pDC, &m_pTheme->m_fontRibbon,
                   clrText.IsDefaultValue() ? m_pTheme->GetColor(KTCOLOR_TOOLBAR_TEXT) : COLORREF(clrText));
    CRect rcText = rcCaption;
    rcText.OffsetRect(0, -1);
    if (pGroup->IsOptionButtonVisible())
        rcText.right -= m_pTheme->m_nGroupCaptionHeight + 1;
    pDC->DrawText(GroupCaptionText(pGroup), rcText,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

int CKTRibbonThemePainter::GetGroupCaptionWidth(CDC* pDC, CKTRibbonGroup* pGroup)
{
    if (!m_pTheme)
        return CKTRibbonPlainPainter::GetGroupCaptionWidth(pDC, pGroup);
    CKTFontDC font(pDC, &m_pTheme->m_fontRibbon);
    return GroupCaptionBandWidth(pDC, pGroup, GroupCaptionText(pGroup), DT_SINGLELINE | DT_NOPREFIX);
}

CString CKTRibbonThemePainter::GroupCaptionText(CKTRibbonGroup* pGroup)
{
    CString strCaption = pGroup->GetCaption();
    CKTDrawHelpers::StripMnemonics(strCaption);
    return strCaption;
}

void CKTRibbonThemePainter::DrawGroupsScrollButton(CDC* pDC, CKTControl* pButton, BOOL bLeft)
{
    const int nPart = ButtonPart(pButton);
    const CRect rc = pButton->GetRect();
    DrawImage(pDC, bLeft ? "RIBBONGROUPSSCROLLLEFT" : "RIBBONGROUPSSCROLLRIGHT", rc, nPart, 3, CRect(), kMagenta);
    CKTStyleImage* pGlyph = Image(bLeft ? "RIBBONGROUPSSCROLLLEFTGLYPH" : "RIBBONGROUPSSCROLLRIGHTGLYPH");
    if (!pGlyph)
        return;
    const CRect rcSource = pGlyph->GetSource(nPart, 3);
    CRect rcGlyph(CPoint(rc.CenterPoint().x - rcSource.Width() / 2, rc.CenterPoint().y - rcSource.Height() / 2),
                  rcSource.Size());
    pGlyph->DrawImage(pDC, rcGlyph, rcSource, CRect(), kMagenta);
}

CSize CKTRibbonThemePainter::DrawGroupPopupButton(CDC* pDC, CKTControl* pButton, BOOL bDraw)
{
    CKTRibbonGroup* pGroup = pButton->GetRibbonGroup();
    if (!m_pTheme)
        return CKTRibbonPlainPainter::DrawGroupPopupButton(pDC, pButton, bDraw);
    // A group put on the quick access toolbar is one of its buttons, over a face of its own.
    if (!pGroup)
    {
        if (bDraw)
            DrawImage(pDC, "RIBBONGROUPQUICKACCESS", pButton->GetRect(), PopupPart(pButton), 3, CRect(), kMagenta);
        return m_pTheme->DrawControlToolBarParent(pDC, pButton, bDraw);
    }
    if (!bDraw)
        return CSize(std::max(2 * m_pTheme->GetTextHeight() - 3, 42), 3 * m_pTheme->m_nFixedControlHeight);
    const CRect rc = pButton->GetRect();
    const CString strName =
        ColoredImageName("CONTEXTTAB%sGROUPBUTTON", "RIBBONGROUPBUTTON", ContextColorOf(pGroup->GetRibbonTab()));
    if (!DrawImage(pDC, strName, rc, PopupPart(pButton), 3, CRect()))
        return CKTRibbonPlainPainter::DrawGroupPopupButton(pDC, pButton, TRUE);
    DrawGroupIconFrame(pDC, pButton);
    DrawGroupButtonContent(pDC, pButton);
    return rc.Size();
}

// A small icon sits in a frame of the style's.
void CKTRibbonThemePainter::DrawGroupIconFrame(CDC* pDC, CKTControl* pButton)
{
    CKTStyleImage* pFrame = Image("RIBBONGROUPBUTTONICON");
    if (!pFrame || pButton->GetIconSize().cx >= 20)
        return;
    const CRect rc = pButton->GetRect();
    const CSize sz(pFrame->GetWidth(), pFrame->GetHeight());
    const CRect rcFrame(CPoint(rc.CenterPoint().x - sz.cx / 2, rc.top + 2), sz);
    pFrame->DrawImage(pDC, rcFrame, pFrame->GetSource(0, 1), CRect(), kMagenta);
}

CSize CKTRibbonThemePainter::DrawOptionButton(CDC* pDC, CKTControl* pButton, BOOL bDraw)
{
    if (bDraw &&
        !DrawImage(pDC, "RIBBONOPTIONBUTTON", pButton->GetRect(), ButtonPart(pButton), 4, CRect(3, 2, 2, 2), kMagenta))
        return CKTRibbonPlainPainter::DrawOptionButton(pDC, pButton, bDraw);
    return CSize(15, 14);
}

void CKTRibbonThemePainter::DrawQuickAccessButton(CDC* pDC, CKTControl* pButton, BOOL bMore)
{
    if (!DrawImage(pDC, bMore ? "RIBBONQUICKACCESSMORE" : "RIBBONQUICKACCESSBUTTON", pButton->GetRect(),
                   PopupPart(pButton), 4, CRect(2, 2, 2, 2), kMagenta))
        CKTRibbonPlainPainter::DrawQuickAccessButton(pDC, pButton, bMore);
}

void CKTRibbonThemePainter::FillMorePopupToolBar(CDC* pDC, CKTCommandBar* pBar)
{
    if (!DrawImage(pDC, "MOREPOPUPBARFRAME", CKTClientRect(pBar), 0, 1, CRect(4, 4, 4, 4)))
        CKTRibbonPlainPainter::FillMorePopupToolBar(pDC, pBar);
}

void CKTRibbonThemePainter::FillSystemMenu(CDC* pDC, CKTCommandBar* pMenu)
{
    if (!DrawImage(pDC, "RIBBONSYSTEMMENU", CKTClientRect(pMenu), 0, 1, CKTRibbonSystemPopupBar::s_rcBorders))
        CKTRibbonPlainPainter::FillSystemMenu(pDC, pMenu);
}

void CKTRibbonThemePainter::DrawSystemMenuButton(CDC* pDC, CKTControl* pButton)
{
    DrawImage(pDC, "RIBBONSYSTEMMENUBUTTON", pButton->GetRect(), pButton->GetSelected() ? 1 : 0, 2, CRect(2, 2, 2, 2),
              kMagenta);
}

COLORREF CKTRibbonThemePainter::GetRibbonStyleColor(LPCSTR lpszKey)
{
    return m_pTheme ? m_pTheme->GetImages()->GetColor("Ribbon", lpszKey) : CLR_NONE;
}

void CKTRibbonThemePainter::DrawRibbonCaption(CDC* pDC, CKTRibbonBar* pBar)
{
    if (!m_pTheme)
        return;
    if (pBar->IsFrameThemeEnabled())
        DrawFrameCaption(pDC, pBar);
    else
        DrawQuickAccessArea(pDC, pBar);
}

void CKTRibbonThemePainter::DrawQuickAccessArea(CDC* pDC, CKTRibbonBar* pBar)
{
    DrawImage(pDC, "FRAMETOPCENTER", pBar->GetCaptionRect(), 0, 2, CRect());
    CRect rc;
    if (GetQuickAccessBack(pBar, rc))
        DrawImage(pDC, "RIBBONQUICKACCESSAREA", rc, 0, 1, CRect(16, 3, 16, 3));
}

BOOL CKTRibbonThemePainter::GetQuickAccessBack(CKTRibbonBar* pBar, CRect& rc)
{
    if (pBar->IsQuickAccessBelowRibbon() || !IsQuickAccessShown(pBar))
        return FALSE;
    rc = pBar->GetQuickAccessRect();
    rc.left -= 15;
    return TRUE;
}

// On the frame's caption the area reaches from the caption's top down to the tab row's height.
void CKTRibbonThemePainter::DrawFrameQuickAccessArea(CDC* pDC, CKTRibbonBar* pBar)
{
    CRect rc;
    if (!GetQuickAccessBack(pBar, rc))
        return;
    const CRect rcCaption = pBar->GetCaptionRect();
    rc.top = rcCaption.top;
    rc.bottom = rcCaption.top + GetRibbonTabHeight();
    DrawImage(pDC, pBar->IsCompositedCaptionRect(rc) ? "RIBBONQUICKACCESSAREADWM" : "RIBBONQUICKACCESSAREA", rc, 0, 1,
              CRect(16, 3, 0, 3));
}

void CKTRibbonThemePainter::DrawFrameIcon(CDC* pDC, CKTRibbonBar* pBar, CWnd* pFrame)
{
    CKTControl* pSystemButton = pBar->GetSystemButton();
    if (pSystemButton && pSystemButton->IsVisible())
        return;
    HICON hIcon = CKTThemeStyle5::GetFrameSmallIcon(pFrame);
    if (!hIcon)
        return;
    const CRect rc = pBar->GetCaptionRect();
    const int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
    ::DrawIconEx(pDC->GetSafeHdc(), rc.left + 10, rc.top + (rc.Height() - cy) / 2, hIcon, cx, cy, 0, NULL, DI_NORMAL);
}

void CKTRibbonThemePainter::DrawContextHeaders(CDC* pDC, CKTRibbonBar* pBar)
{
    const CKTRibbonContextHeaders& headers = pBar->GetContextHeaders();
    for (int i = 0; i < headers.GetCount(); i++)
        if (!DrawContextHeader(pDC, pBar, headers.GetAt(i)))
            return;
}

BOOL CKTRibbonThemePainter::DrawContextHeader(CDC* pDC, CKTRibbonBar* pBar, KT_RIBBONCONTEXTHEADER* pHeader)
{
    if (!m_pTheme || !DrawImage(pDC, ContextImageName("CONTEXTTAB%sHEADER", static_cast<int>(pHeader->clr)),
                                pHeader->rc, 0, 1, CRect(1, 1, 1, 1)))
        return FALSE;
    const int nBorder = pBar->GetFrameRegion() ? pBar->GetFrameRegion()->GetFrameBorder() : 0;
    CRect rcText(pHeader->rc.left + 6, pHeader->rc.top, pHeader->rc.right, pHeader->rc.bottom - 2 + nBorder);
    if (pBar->IsDwmEnabled())
    {
        DrawDwmCaptionText(pDC, rcText, pHeader->strCaption, TRUE, FALSE);
        return TRUE;
    }
    CKTFontDC font(pDC, &m_pTheme->m_fontRibbon, m_pTheme->GetColor(KTCOLOR_TOOLBAR_TEXT));
    pDC->DrawText(pHeader->strCaption, rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    return TRUE;
}

void CKTRibbonThemePainter::DrawFrameCaption(CDC* pDC, CKTRibbonBar* pBar)
{
    CWnd* pFrame = pBar->GetFrameSite();
    if (!pFrame)
        return;
    const CRect rc = pBar->GetCaptionRect();
    const BOOL bActive = pBar->GetFrameRegion()->IsActive();
    const BOOL bDwm = pBar->IsDwmEnabled();
    if (bDwm)
        pDC->FillSolidRect(rc, 0);
    else
    {
        const int nPart = bActive ? 0 : 1;
        CKTStyleImage* pLeft = Image("FRAMETOPLEFT");
        CKTStyleImage* pRight = Image("FRAMETOPRIGHT");
        const int cxLeft = pLeft ? pLeft->GetWidth() : 0, cxRight = pRight ? pRight->GetWidth() : 0;
        const CRect rcEdges(0, 5, 0, 3);
        DrawImage(pDC, "FRAMETOPLEFT", CRect(rc.left, rc.top, rc.left + cxLeft, rc.bottom), nPart, 2, CRect(),
                  kMagenta);
        DrawImage(pDC, "FRAMETOPRIGHT", CRect(rc.right - cxRight, rc.top, rc.right, rc.bottom), nPart, 2, rcEdges);
        DrawImage(pDC, "FRAMETOPCENTER", CRect(rc.left + cxLeft, rc.top, rc.right - cxRight, rc.bottom), nPart, 2,
                  rcEdges);
    }
    DrawFrameQuickAccessArea(pDC, pBar);
    DrawFrameIcon(pDC, pBar, pFrame);

    CString strText;
    pFrame->GetWindowText(strText);
    CRect rcText = pBar->GetCaptionTextRect();
    {
        CKTFontDC font(pDC, &m_pTheme->m_fontFrameCaption);
        const int cxText = pDC->GetTextExtent(strText).cx;
        if (cxText < rcText.Width())
            rcText.left += (rcText.Width() - cxText) / 2;
    }
    const BOOL bMaximized = pFrame->IsZoomed();
    if (bMaximized)
        rcText.OffsetRect(0, pBar->GetFrameRegion()->GetFrameBorder() / 2);
    if (bDwm)
        DrawDwmCaptionText(pDC, rcText, strText, bActive, bMaximized);
    else
        m_pTheme->DrawFrameCaptionText(pDC, rcText, pFrame, bActive);
}

void CKTRibbonThemePainter::DrawDwmCaptionText(CDC* pDC, CRect rc, const CString& strText, BOOL bActive,
                                               BOOL bMaximized)
{
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    CKTFontDC font(pDC, &m_pTheme->m_fontFrameCaption);
    pDC->SetBkMode(TRANSPARENT);
    if (bMaximized)
    {
        pDC->SetTextColor(RGB(255, 255, 255));
        pDC->DrawText(strText, rc, nFormat);
        return;
    }
    CKTWinThemeWrapper theme;
    const int nState = bActive ? 1 : 2;  // the caption part's active and inactive states
    if (theme.OpenThemeData(NULL, "WINDOW") &&
        theme.DrawGlowingText(pDC->GetSafeHdc(), static_cast<HFONT>(m_pTheme->m_fontFrameCaption.GetSafeHandle()), rc,
                              strText, 1, nState, nFormat, 8))
        return;
    pDC->SetTextColor(bActive ? m_pTheme->m_clrCaptionTextActive : m_pTheme->m_clrCaptionTextInactive);
    pDC->DrawText(strText, rc, nFormat);
}
