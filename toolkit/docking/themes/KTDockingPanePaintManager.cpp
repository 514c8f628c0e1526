// KTDockingPanePaintManager.cpp: the drawing and metrics every docking theme shares.
#include "KTDockingPanePaintManager.h"

#include <algorithm>

#include "KTColorManager.h"
#include "KTDockingPane.h"
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPaneRes.h"
#include "KTDockingPaneSplitterWnd.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTTabPainter.h"

namespace
{
// The structure size older systems accept, which every later system reads too.
const UINT kNonClientMetricsSize = 340;

// Visual-style parts and states the caption buttons draw with.
const int kExplorerBarClose = 2;
const int kExplorerBarPin = 3;
const int kPushButton = 1;
const int kToolbarButton = 1;
const int kWindowSmallClose = 19;
const int kStateNormal = 1;
const int kStateHot = 2;
const int kStatePressed = 3;
const int kStateInactive = 5;
const int kTextColorProperty = 3803;
}  // namespace

CKTDockingPanePaintManager::CKTDockingPanePaintManager()
    : m_pContainerTabPainter(KTMakeCounted<CKTTabPainter>()), m_pPanelTabPainter(KTMakeCounted<CKTTabPainter>())
{
    m_pContainerTabPainter->SetLayout(ktTabLayoutSizeToFit);
    m_pContainerTabPainter->SetPosition(ktTabPositionBottom);
    m_pContainerTabPainter->m_nClientFrame = ktTabClientFrameLine;
    m_pContainerTabPainter->m_bBoldSelected = FALSE;
    m_pContainerTabPainter->m_nToolTipMode = 1;
    m_pPanelTabPainter->SetLayout(ktTabLayoutSelectedCaption);
    m_pPanelTabPainter->m_nClientFrame = ktTabClientFrameNone;
    m_pPanelTabPainter->m_bBoldSelected = FALSE;
    m_pPanelTabPainter->m_bInvertGradient = TRUE;
    m_pPanelTabPainter->m_bFillBackground = FALSE;
}

CKTDockingPanePaintManager::~CKTDockingPanePaintManager() = default;

COLORREF CKTDockingPanePaintManager::LookupColor(int nIndex) const
{
    return nIndex >= 0 && nIndex < ktColorCount ? m_clrTable[nIndex] : KTReadyColor(nIndex);
}

void CKTDockingPanePaintManager::RefreshMetrics()
{
    for (int i = 0; i < ktColorCount; ++i)
        m_clrTable[i] = KTColorManager()->GetColor(i);
    m_clrSplitter.SetStandardValue(m_clrTable[COLOR_3DFACE]);
    m_clrGrip.SetStandardValue(m_clrTable[COLOR_3DSHADOW]);
    COLORREF clrFace = ::GetSysColor(COLOR_3DFACE);
    m_clrBackground.SetStandardValue(clrFace, CKTColorManager::BlendColors(clrFace, ::GetSysColor(COLOR_WINDOW), 205));
    if (m_bUseSystemFont)
    {
        NONCLIENTMETRICSA ncm = {};
        ncm.cbSize = kNonClientMetricsSize;
        if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0))
        {
            if (!m_bBoldCaption)
                ncm.lfSmCaptionFont.lfWeight = FW_NORMAL;
            SetCaptionFont(ncm.lfSmCaptionFont, TRUE);
        }
    }
    m_pContainerTabPainter->RefreshMetrics();
    m_pPanelTabPainter->RefreshMetrics();
    m_nTabRowHeight = std::max(24, SpaceHeight(*m_pContainerTabPainter->GetFont(FALSE)) + 10);
    m_themeToolbar.OpenThemeData(NULL, "TOOLBAR");
    m_themeExplorerBar.OpenThemeData(NULL, "EXPLORERBAR");
    m_themeButton.OpenThemeData(NULL, "BUTTON");
    m_themeWindow.OpenThemeData(NULL, "WINDOW");
    m_bWarmHighlight = FALSE;
}

CKTTabPainter* CKTDockingPanePaintManager::GetContainerTabPainter() const { return m_pContainerTabPainter; }

CKTTabPainter* CKTDockingPanePaintManager::GetPanelTabPainter() const { return m_pPanelTabPainter; }

int CKTDockingPanePaintManager::SpaceHeight(CFont& font)
{
    CKTScreenDC dc;
    CKTFontDC fontDC(&dc, &font);
    return dc.GetTextExtent(" ", 1).cy;
}

void CKTDockingPanePaintManager::SetCaptionFont(LOGFONTA lf, BOOL bUseTahoma)
{
    if (m_bUseTahomaFont && bUseTahoma && lf.lfCharSet <= SYMBOL_CHARSET && CKTDrawHelpers::FontExists("Tahoma"))
        lstrcpynA(lf.lfFaceName, "Tahoma", LF_FACESIZE);
    m_fntCaption.DeleteObject();
    m_fntCaption.CreateFontIndirect(&lf);
    lf.lfEscapement = 900;
    lf.lfOrientation = 2700;
    if (lf.lfHeight < 0 && lf.lfHeight > -11)
        lf.lfHeight = -11;
    lstrcpynA(lf.lfFaceName, CKTDrawHelpers::GetDefaultFontName(), LF_FACESIZE);
    m_fntCaptionVertical.DeleteObject();
    m_fntCaptionVertical.CreateFontIndirect(&lf);
    m_nCaptionHeight = m_nCaptionGap + std::max(13, SpaceHeight(m_fntCaption));
}

CRect CKTDockingPanePaintManager::GetCaptionRect(const CKTDockingPaneTabbedContainer* pContainer, CRect rc) const
{
    int nDepth = m_nCaptionHeight + 1;
    if (pContainer->IsCaptionVertical())
        return CRect(rc.left + m_rcCaptionMargin.top, rc.top, rc.left + m_rcCaptionMargin.top + nDepth, rc.bottom);
    return CRect(rc.left, rc.top + m_rcCaptionMargin.top, rc.right, rc.top + m_rcCaptionMargin.top + nDepth);
}

void CKTDockingPanePaintManager::DrawPane(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc)
{
    pDC->FillSolidRect(rc, m_clrTable[COLOR_3DFACE]);
    if (pContainer->IsTabsVisible())
    {
        CRect rcTabs = rc;
        SubtractCaption(pContainer, rcTabs);
        m_pContainerTabPainter->DrawTabControl(&pContainer->GetTabRow(), pDC, rcTabs);
    }
    if (pContainer->IsTitleVisible())
        DrawCaption(pDC, pContainer, rc);
}

void CKTDockingPanePaintManager::SubtractCaption(const CKTDockingPaneTabbedContainer* pContainer, CRect& rc) const
{
    if (!pContainer->IsTitleVisible())
        return;
    int nDepth = m_nCaptionHeight + m_rcCaptionMargin.top + m_rcCaptionMargin.bottom;
    if (pContainer->IsCaptionVertical())
        rc.left += nDepth;
    else
        rc.top += nDepth;
}

void CKTDockingPanePaintManager::AdjustClientRect(CKTDockingPaneTabbedContainer* pContainer, CRect& rc, BOOL bApply)
{
    SubtractCaption(pContainer, rc);
    if (!pContainer->IsTabsVisible())
        return;
    if (bApply)
    {
        CClientDC dc(pContainer);
        m_pContainerTabPainter->RepositionTabControl(&pContainer->GetTabRow(), &dc, rc);
    }
    m_pContainerTabPainter->AdjustClientRect(&pContainer->GetTabRow(), rc);
}

COLORREF CKTDockingPanePaintManager::ButtonColor(const CaptionButtons& buttons, COLORREF clr) const
{
    CKTDockingPane* pPane = buttons.empty() ? nullptr : CaptionPaneOf(buttons.front()->GetOwner());
    return pPane && !(pPane->GetEnabled() & ktPaneEnableActions) ? m_clrTable[COLOR_GRAYTEXT] : clr;
}

void CKTDockingPanePaintManager::DrawCaptionButtons(CDC* pDC, const CaptionButtons& buttons, CRect& rcCaption,
                                                    COLORREF clr, int nSize, int nGap, BOOL bVertical)
{
    clr = ButtonColor(buttons, clr);
    int nFar = bVertical ? rcCaption.bottom : rcCaption.right;
    int nNearestEdge = nFar;
    for (const auto& pButton : buttons)
    {
        if (!pButton->IsVisible())
        {
            pButton->SetRect(CRect(0, 0, 0, 0));
            continue;
        }
        CRect rcButton;
        if (bVertical)
        {
            int nLeft = rcCaption.left + (rcCaption.Width() - nSize) / 2;
            rcButton.SetRect(nLeft, nFar - nSize, nLeft + nSize, nFar);
        }
        else
        {
            int nTop = rcCaption.top + (rcCaption.Height() - nSize) / 2;
            rcButton.SetRect(nFar - nSize, nTop, nFar, nTop + nSize);
        }
        pButton->SetRect(rcButton);
        DrawCaptionButton(pDC, pButton.get(), clr);
        nNearestEdge = nFar - nSize;
        nFar -= nSize + nGap;
    }
    (bVertical ? rcCaption.bottom : rcCaption.right) = nNearestEdge;
}

CKTDockingPane* CKTDockingPanePaintManager::CaptionPaneOf(CKTDockingPaneNode* pOwner)
{
    return pOwner ? pOwner->GetCaptionPane() : nullptr;
}

BOOL CKTDockingPanePaintManager::IsOwnerActive(CKTDockingPaneNode* pOwner)
{
    return pOwner && pOwner->IsCaptionActive();
}

void CKTDockingPanePaintManager::DrawCaptionButton(CDC* pDC, CKTDockingPaneCaptionButton* pButton, COLORREF clr)
{
    CPoint ptCentre = pButton->GetRect().CenterPoint();
    switch (m_nCaptionButtonStyle)
    {
    case 0:
        pDC->DrawFrameControl(pButton->GetRect(), DFC_BUTTON,
                              DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pButton->IsPressed() ? DFCS_PUSHED : 0));
        if (pButton->IsPressed())
            ptCentre.Offset(1, 1);
        break;
    case 2:
        DrawHighlightButtonFace(pDC, pButton, clr);
        break;
    case 3:
    case 4:
    case 5:
    case 6:
        if (DrawStyledButtonFace(pDC, pButton, clr))
            return;
        break;
    default:
        DrawFlatButtonFace(pDC, pButton);
        break;
    }
    DrawButtonGlyph(pDC, pButton, ptCentre, clr);
}

void CKTDockingPanePaintManager::DrawFlatButtonFace(CDC* pDC, CKTDockingPaneCaptionButton* pButton)
{
    if (pButton->IsPressed())
        pDC->Draw3dRect(pButton->GetRect(), m_clrTable[COLOR_BTNTEXT], m_clrTable[COLOR_BTNHIGHLIGHT]);
    else if (pButton->IsHot())
        pDC->Draw3dRect(pButton->GetRect(), m_clrTable[COLOR_BTNHIGHLIGHT], m_clrTable[COLOR_BTNTEXT]);
}

void CKTDockingPanePaintManager::DrawHighlightButtonFace(CDC* pDC, CKTDockingPaneCaptionButton* pButton,
                                                         COLORREF& clrGlyph)
{
    BOOL bPressed = pButton->IsPressed();
    if (!bPressed && !pButton->IsHot())
        return;
    CRect rc = pButton->GetRect();
    if (m_bWarmHighlight)
    {
        if (bPressed)
            KTDrawHelpers()->GradientFill(pDC, rc, RGB(254, 142, 75), RGB(255, 207, 139), FALSE);
        else
            KTDrawHelpers()->GradientFill(pDC, rc, RGB(255, 242, 200), RGB(255, 212, 151), FALSE);
        clrGlyph = RGB(0, 0, 0);
    }
    else
    {
        pDC->FillSolidRect(rc, m_clrTable[bPressed ? KTCOLOR_HIGHLIGHT_PUSHED : KTCOLOR_HIGHLIGHT]);
        clrGlyph = m_clrTable[bPressed ? KTCOLOR_HIGHLIGHT_PUSHED_TEXT : KTCOLOR_HIGHLIGHT_TEXT];
    }
    pDC->Draw3dRect(rc, m_clrTable[KTCOLOR_HIGHLIGHT_BORDER], m_clrTable[KTCOLOR_HIGHLIGHT_BORDER]);
}

BOOL CKTDockingPanePaintManager::DrawStyledButtonFace(CDC* pDC, CKTDockingPaneCaptionButton* pButton,
                                                      COLORREF& clrGlyph)
{
    int nState = pButton->IsPressed() ? kStatePressed : pButton->IsHot() ? kStateHot : kStateNormal;
    switch (m_nCaptionButtonStyle)
    {
    case 3:
        if (DrawExplorerBarButton(pDC, pButton))
            return TRUE;
        return DrawThemedPushButton(pDC, pButton, clrGlyph);
    case 4:
        return DrawThemedPushButton(pDC, pButton, clrGlyph);
    case 5:
        if (!m_themeToolbar.IsAppThemed() || !m_themeToolbar.GetThemeHandle())
            break;
        if (nState != kStateNormal)
            m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), kToolbarButton, nState, pButton->GetRect(), NULL);
        return FALSE;
    default:
        if (pButton->GetID() != KT_IDS_DOCKING_CLOSE || !m_themeWindow.IsAppThemed() || !m_themeWindow.GetThemeHandle())
            break;
        if (nState == kStateNormal && !IsOwnerActive(pButton->GetOwner()))
            nState = kStateInactive;
        if (SUCCEEDED(m_themeWindow.DrawThemeBackground(pDC->GetSafeHdc(), kWindowSmallClose, nState,
                                                        pButton->GetRect(), NULL)))
            return TRUE;
        break;
    }
    DrawFlatButtonFace(pDC, pButton);
    return FALSE;
}

BOOL CKTDockingPanePaintManager::DrawExplorerBarButton(CDC* pDC, CKTDockingPaneCaptionButton* pButton)
{
    if (!m_themeExplorerBar.IsAppThemed() || !m_themeExplorerBar.GetThemeHandle())
        return FALSE;
    int nState = pButton->IsPressed() ? kStatePressed : pButton->IsHot() ? kStateHot : kStateNormal;
    int nPart = 0;
    if (pButton->GetID() == KT_IDS_DOCKING_CLOSE)
    {
        nPart = kExplorerBarClose;
        if (nState == kStateNormal && m_bHighlightActiveCaption && IsOwnerActive(pButton->GetOwner()))
            nState = kStateHot;
    }
    else if (pButton->GetID() == KT_IDS_DOCKING_AUTOHIDE)
    {
        nPart = kExplorerBarPin;
        // The lying pin takes the second row of states.
        if (!(pButton->GetState() & 2))
            nState += 3;
    }
    return nPart && SUCCEEDED(m_themeExplorerBar.DrawThemeBackground(pDC->GetSafeHdc(), nPart, nState,
                                                                     pButton->GetRect(), NULL));
}

BOOL CKTDockingPanePaintManager::DrawThemedPushButton(CDC* pDC, CKTDockingPaneCaptionButton* pButton,
                                                      COLORREF& clrGlyph)
{
    if (!m_themeButton.IsAppThemed() || !m_themeButton.GetThemeHandle())
    {
        DrawFlatButtonFace(pDC, pButton);
        return FALSE;
    }
    int nState = pButton->IsPressed() ? kStatePressed : pButton->IsHot() ? kStateHot : kStateNormal;
    if (nState == kStateNormal)
        return FALSE;
    m_themeButton.DrawThemeBackground(pDC->GetSafeHdc(), kPushButton, nState, pButton->GetRect(), NULL);
    COLORREF clrText = 0;
    if (SUCCEEDED(m_themeButton.GetThemeColor(kPushButton, nState, kTextColorProperty, clrText)))
        clrGlyph = clrText;
    return FALSE;
}

void CKTDockingPanePaintManager::DrawButtonGlyph(CDC* pDC, CKTDockingPaneCaptionButton* pButton, CPoint pt,
                                                 COLORREF clr)
{
    CKTPenDC pen(pDC->GetSafeHdc(), clr);
    CKTBrushDC brush(pDC->GetSafeHdc(), clr);
    int x = pt.x, y = pt.y;
    switch (pButton->GetID())
    {
    case KT_IDS_DOCKING_CLOSE:
        for (int d = 0; d < 2; ++d)
        {
            pDC->MoveTo(x - 4 + d, y - 4);
            pDC->LineTo(x + 4 + d, y + 4);
            pDC->MoveTo(x - 4 + d, y + 2);
            pDC->LineTo(x + 4 + d, y - 6);
        }
        break;
    case KT_IDS_DOCKING_AUTOHIDE:
        DrawPinGlyph(pDC, pButton, pt);
        break;
    case KT_IDS_DOCKING_MAXIMIZE:
        pDC->Draw3dRect(x - 5, y - 5, 9, 9, clr, clr);
        pDC->FillSolidRect(x - 5, y - 4, 9, 1, clr);
        break;
    case KT_IDS_DOCKING_RESTORE:
        DrawRestoreGlyph(pDC, pt, clr);
        break;
    case KT_IDS_DOCKING_MENU:
    {
        const POINT arrow[] = {{x - 4, y - 1}, {x, y + 3}, {x + 1, y + 3}, {x + 5, y - 1}};
        pDC->Polygon(arrow, 4);
        break;
    }
    default:
        break;
    }
}

void CKTDockingPanePaintManager::DrawRestoreGlyph(CDC* pDC, CPoint pt, COLORREF clr)
{
    int x = pt.x, y = pt.y;
    pDC->Draw3dRect(x - 4, y - 2, 6, 6, clr, clr);
    pDC->FillSolidRect(x - 4, y - 1, 6, 1, clr);
    pDC->FillSolidRect(x - 2, y - 5, 6, 2, clr);
    pDC->SetPixel(x - 2, y - 3, clr);
    pDC->SetPixel(x + 2, y, clr);
    pDC->FillSolidRect(x + 3, y - 3, 1, 4, clr);
}

void CKTDockingPanePaintManager::DrawPinGlyph(CDC* pDC, CKTDockingPaneCaptionButton* pButton, CPoint pt)
{
    int x = pt.x, y = pt.y;
    // Lying flat while the group is hidden, upright while it is docked.
    if (pButton->GetState() & 2)
    {
        pDC->MoveTo(x - 4, y);
        pDC->LineTo(x - 1, y);
        pDC->MoveTo(x - 1, y - 3);
        pDC->LineTo(x - 1, y + 4);
        pDC->Rectangle(x - 1, y - 2, x + 4, y + 2);
        pDC->MoveTo(x - 1, y + 1);
        pDC->LineTo(x + 4, y + 1);
        return;
    }
    pDC->MoveTo(x, y + 1);
    pDC->LineTo(x, y + 5);
    pDC->MoveTo(x - 3, y + 1);
    pDC->LineTo(x + 4, y + 1);
    pDC->Rectangle(x - 2, y - 4, x + 2, y + 1);
    pDC->MoveTo(x + 1, y - 4);
    pDC->LineTo(x + 1, y + 1);
}

void CKTDockingPanePaintManager::DrawSplitter(CDC* pDC, CKTDockingPaneSplitterWnd* pSplitter)
{
    CRect rc;
    pSplitter->GetClientRect(&rc);
    BOOL bHorizontalBar = pSplitter->IsHorizontal();
    DrawSplitterFill(pDC, rc, bHorizontalBar);
    if (m_dwSplitterStyle & ktSplitterGrip)
        DrawSplitterGrip(pDC, rc, bHorizontalBar);
}

void CKTDockingPanePaintManager::DrawSplitterFill(CDC* pDC, const CRect& rc, BOOL bHorizontalBar)
{
    COLORREF clrSplitter = m_clrSplitter.GetColor();
    if (m_dwSplitterStyle & ktSplitterEdges)
    {
        pDC->FillSolidRect(rc, clrSplitter);
        COLORREF clrEdge = m_clrTable[COLOR_3DSHADOW];
        if (bHorizontalBar)
        {
            pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, clrEdge);
            pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, clrEdge);
        }
        else
        {
            pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height(), clrEdge);
            pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), clrEdge);
        }
    }
    else if (m_dwSplitterStyle & ktSplitterBand)
    {
        pDC->FillSolidRect(rc, clrSplitter);
        CRect rcBand = rc;
        (bHorizontalBar ? rcBand.bottom : rcBand.right) -= m_nSplitterSize / 2;
        pDC->Draw3dRect(rcBand, clrSplitter, m_clrTable[COLOR_3DDKSHADOW]);
    }
    else if (m_dwSplitterStyle & (ktSplitterGradientAcross | ktSplitterGradientAlong))
    {
        BOOL bAcross = (m_dwSplitterStyle & ktSplitterGradientAcross) != 0;
        KTDrawHelpers()->GradientFill(pDC, rc, m_clrBackground, bAcross ? !bHorizontalBar : bHorizontalBar);
    }
    else
        pDC->FillSolidRect(rc, clrSplitter);
}

void CKTDockingPanePaintManager::DrawSplitterGrip(CDC* pDC, const CRect& rc, BOOL bHorizontalBar)
{
    CPoint ptCentre = rc.CenterPoint();
    COLORREF clrGrip = m_clrGrip.GetColor();
    for (int d : {-2, 2})
    {
        if (bHorizontalBar)
            pDC->FillSolidRect(ptCentre.x - 5, ptCentre.y + d, 11, 1, clrGrip);
        else
            pDC->FillSolidRect(ptCentre.x + d, ptCentre.y - 5, 1, 11, clrGrip);
    }
}

void CKTDockingPanePaintManager::DrawCaptionIcon(CDC* pDC, const CKTDockingPane* pPane, CRect& rc, BOOL bVertical)
{
    const CSize szIcon(16, 16);
    if (!m_bDrawCaptionIcon || !pPane || !pPane->DrawIcon(pDC, CPoint(), szIcon, FALSE))
        return;
    CPoint pt = bVertical ? CPoint(rc.left + (rc.Width() - szIcon.cx) / 2, rc.top)
                          : CPoint(rc.left, rc.top + (rc.Height() - szIcon.cy) / 2);
    pPane->DrawIcon(pDC, pt, szIcon, TRUE);
    (bVertical ? rc.top : rc.left) += szIcon.cx + 2;
}

void CKTDockingPanePaintManager::DrawCaptionTitle(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc,
                                                  const CString& strTitle, COLORREF clrText, BOOL bVertical)
{
    CKTDockingPane* pPane = CaptionPaneOf(pOwner);
    if (pPane && !(pPane->GetEnabled() & ktPaneEnableClient))
        clrText = m_clrTable[COLOR_GRAYTEXT];
    if (bVertical)
    {
        rc.top += 4;
        rc.left += 1;
    }
    else
    {
        rc.left += 4;
        rc.top += 1;
    }
    if (rc.IsRectEmpty())
        return;
    DrawCaptionIcon(pDC, pPane, rc, bVertical);
    CKTFontDC font(pDC, &GetCaptionFont(bVertical), clrText);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    if (bVertical)
    {
        // Text turned by 270 degrees runs downwards from its origin.
        CSize szText = pDC->GetTextExtent(strTitle);
        pDC->SaveDC();
        pDC->IntersectClipRect(rc);
        pDC->TextOut(rc.left + (rc.Width() + szText.cy) / 2, rc.top, strTitle);
        pDC->RestoreDC(-1);
    }
    else
        pDC->DrawText(strTitle, rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT);
    pDC->SetBkMode(nOldMode);
}

void CKTDockingPanePaintManager::DrawBandedCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc)
{
    BOOL bVertical = pContainer->IsCaptionVertical();
    CRect rcCaption = GetCaptionRect(pContainer, rc);
    // The splitter colour runs two pixels past the strip so that it meets the next group's band.
    CRect rcBand = rcCaption;
    (bVertical ? rcBand.right : rcBand.bottom) += 2;
    pDC->FillSolidRect(rcBand, m_clrSplitter.GetColor());
    BOOL bActive = m_bHighlightActiveCaption && pContainer->IsActive();
    DrawCaptionBody(pDC, pContainer, rcCaption, pContainer->GetTitle(), bActive, bVertical);
}

CRect CKTDockingPanePaintManager::GetFloatingCaptionRect(CRect rc) const
{
    rc.DeflateRect(3, 3, 3, 0);
    rc.bottom = rc.top + m_nCaptionHeight + 3;
    return rc;
}

BOOL CKTDockingPanePaintManager::IsFrameActive(CKTDockingPaneMiniWnd* pFrame) const
{
    return m_bHighlightActiveCaption && pFrame->IsActive();
}

CString CKTDockingPanePaintManager::FrameTitle(CKTDockingPaneMiniWnd* pFrame) const
{
    CString strTitle;
    if (pFrame->GetSafeHwnd())
        pFrame->GetWindowText(strTitle);
    return strTitle;
}

void CKTDockingPanePaintManager::DrawRingedFloatingFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, CRect rc,
                                                         COLORREF clrOuterFar)
{
    CRect rcRing = rc;
    pDC->Draw3dRect(rcRing, m_clrTable[COLOR_3DFACE], clrOuterFar);
    rcRing.DeflateRect(1, 1);
    pDC->Draw3dRect(rcRing, m_clrTable[COLOR_3DHIGHLIGHT], m_clrTable[COLOR_3DSHADOW]);
    rcRing.DeflateRect(1, 1);
    pDC->Draw3dRect(rcRing, m_clrTable[COLOR_3DFACE], m_clrTable[COLOR_3DFACE]);
    CRect rcStrip = GetFloatingCaptionRect(rc);
    CKTBufferDC buffer(pDC, rcStrip);
    buffer.FillSolidRect(rcStrip, m_clrTable[COLOR_3DFACE]);
    CRect rcBody = rcStrip;
    rcBody.DeflateRect(1, 2, 1, 2);
    DrawCaptionBody(&buffer, pFrame, rcBody, FrameTitle(pFrame), IsFrameActive(pFrame), FALSE);
}
