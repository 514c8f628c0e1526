// KTRibbonPainter.cpp: the plain ribbon look: system colours and sizes taken from the paint manager's font.
#include "KTRibbonPainter.h"

#include "KTPaintManager.h"
#include "KTControl.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTRibbonBar.h"
#include "KTRibbonContextHeaders.h"
#include "KTRibbonGroup.h"
#include "KTRibbonQuickAccess.h"

#include <algorithm>

namespace
{
const int KT_PLAIN_GROUP_GAP = 3;        // the plain frame stops short of the group's right edge
const int KT_GROUP_CAPTION_PADDING = 5;  // on either side of a caption, clear of the band's edges
}  // namespace

int CKTRibbonPlainPainter::GetFontHeight() const
{
    LOGFONTA lf = {};
    if (!m_pPaintManager || !m_pPaintManager->GetRegularFont()->GetSafeHandle() ||
        !m_pPaintManager->GetRegularFont()->GetLogFont(&lf))
        return 16;
    return std::abs((int)lf.lfHeight);
}

int CKTRibbonPlainPainter::GetRibbonTabHeight() { return std::max(23, GetFontHeight() + 2); }

int CKTRibbonPlainPainter::GetGroupCaptionHeight() { return std::max(17, GetFontHeight() * 3 / 2); }

int CKTRibbonPlainPainter::GetRibbonCaptionHeight() { return ::GetSystemMetrics(SM_CYCAPTION); }

CKTTabPainter* CKTRibbonPlainPainter::GetRibbonTabPainter()
{
    if (!m_pTabPainter.IsNull())
        return m_pTabPainter;
    m_pTabPainter = KTMakeCounted<CKTTabPainter>();
    // The groups below are the tabs' client: only the header row is the strip's.
    m_pTabPainter->m_nClientFrame = ktTabClientFrameNone;
    m_pTabPainter->m_bSelectOnButtonDown = TRUE;
    // Captions carry their access letter after '&', as the keys that reach the tabs need.
    m_pTabPainter->m_bNoPrefix = FALSE;
    // Every tab tells what it holds, cut or not.
    m_pTabPainter->m_nToolTipMode = 1;
    return m_pTabPainter;
}

void CKTRibbonPlainPainter::RefreshMetrics()
{
    if (!m_pTabPainter.IsNull())
        m_pTabPainter->RefreshMetrics();
}

void CKTRibbonPlainPainter::DrawQuickAccessFrame(CDC* pDC, CKTRibbonBar* pBar)
{
    if (m_pPaintManager)
        m_pPaintManager->FillCommandBarEntry(pDC, pBar);
    DrawQuickAccessBand(pDC, pBar);
}

void CKTRibbonPlainPainter::DrawQuickAccessBand(CDC* pDC, CKTRibbonBar* pBar)
{
    if (!pBar->IsQuickAccessBelowRibbon() || !pBar->IsQuickAccessVisible())
        return;
    pDC->Draw3dRect(pBar->GetQuickAccessRect(), ::GetSysColor(COLOR_3DHIGHLIGHT), ::GetSysColor(COLOR_3DSHADOW));
}

BOOL CKTRibbonPlainPainter::IsQuickAccessShown(CKTRibbonBar* pBar)
{
    CKTRibbonQuickAccessControls* pControls = pBar->GetQuickAccessControls();
    if (!pBar->IsQuickAccessVisible() || !pControls)
        return FALSE;
    for (int i = 0; i < pControls->GetCount(); i++)
        if (pControls->GetAt(i)->IsVisible())
            return TRUE;
    return FALSE;
}

void CKTRibbonPlainPainter::FillRibbonGroups(CDC* pDC, CKTRibbonTab*, CRect rcGroups)
{
    pDC->FillSolidRect(rcGroups, ::GetSysColor(COLOR_WINDOW));
    pDC->Draw3dRect(rcGroups, ::GetSysColor(COLOR_3DSHADOW), ::GetSysColor(COLOR_3DSHADOW));
}

void CKTRibbonPlainPainter::FillGroupsBackground(CDC* pDC, CKTRibbonTab* pTab, CWnd* pWnd)
{
    CKTRibbonPlainPainter::FillRibbonGroups(pDC, pTab, CKTClientRect(pWnd));
}

void CKTRibbonPlainPainter::DrawRibbonCaption(CDC* pDC, CKTRibbonBar* pBar)
{
    pDC->FillSolidRect(pBar->GetCaptionRect(), ::GetSysColor(COLOR_3DFACE));
    CWnd* pFrame = pBar->IsFrameThemeEnabled() ? pBar->GetFrameSite() : NULL;
    if (!pFrame)
        return;
    CString strTitle;
    pFrame->GetWindowText(strTitle);
    CKTFontDC font(pDC, m_pPaintManager ? m_pPaintManager->GetRegularFont() : NULL, ::GetSysColor(COLOR_BTNTEXT));
    CRect rcText = pBar->GetCaptionTextRect();
    pDC->DrawText(strTitle, rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void CKTRibbonPlainPainter::DrawContextHeaders(CDC* pDC, CKTRibbonBar* pBar)
{
    const CKTRibbonContextHeaders& headers = pBar->GetContextHeaders();
    CKTFontDC font(pDC, m_pPaintManager ? m_pPaintManager->GetRegularFont() : NULL);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    for (int i = 0; i < headers.GetCount(); i++)
    {
        KT_RIBBONCONTEXTHEADER* pHeader = headers.GetAt(i);
        pDC->FillSolidRect(pHeader->rc, pHeader->clr);
        CRect rcText = pHeader->rc;
        pDC->DrawText(pHeader->strCaption, rcText,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
}

void CKTRibbonPlainPainter::DrawGroup(CDC* pDC, CKTRibbonGroup* pGroup)
{
    CRect rc = pGroup->GetRect();
    rc.right -= KT_PLAIN_GROUP_GAP;
    pDC->Draw3dRect(rc, ::GetSysColor(COLOR_3DLIGHT), ::GetSysColor(COLOR_3DSHADOW));
    CRect rcCaption(rc.left, rc.bottom - GetGroupCaptionHeight(), rc.right, rc.bottom);
    pDC->FillSolidRect(rcCaption.left + 1, rcCaption.top, rcCaption.Width() - 2, rcCaption.Height() - 1,
                       ::GetSysColor(COLOR_3DFACE));
    CKTFontDC font(pDC, m_pPaintManager ? m_pPaintManager->GetRegularFont() : NULL);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    // The option button takes the band's right end.
    if (pGroup->IsOptionButtonVisible())
        rcCaption.right -= rcCaption.Height() + 1;
    // Nothing takes the caption's letter, the option button least of all: no letter shows.
    CString strCaption = pGroup->GetCaption();
    CKTDrawHelpers::StripMnemonics(strCaption);
    pDC->DrawText(strCaption, rcCaption, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

int CKTRibbonPlainPainter::GetGroupCaptionWidth(CDC* pDC, CKTRibbonGroup* pGroup)
{
    CKTFontDC font(pDC, m_pPaintManager ? m_pPaintManager->GetRegularFont() : NULL);
    return GroupCaptionBandWidth(pDC, pGroup, pGroup->GetCaption(), DT_SINGLELINE) + KT_PLAIN_GROUP_GAP;
}

int CKTRibbonPlainPainter::GroupCaptionBandWidth(CDC* pDC, CKTRibbonGroup* pGroup, const CString& strText, UINT nFormat)
{
    CRect rcText(0, 0, 0, 0);
    pDC->DrawText(strText, rcText, nFormat | DT_CALCRECT);
    int nWidth = rcText.Width() + 2 * KT_GROUP_CAPTION_PADDING;
    if (pGroup->IsOptionButtonVisible())
        nWidth += GetGroupCaptionHeight() + 1;
    return nWidth;
}

void CKTRibbonPlainPainter::DrawGroupsScrollButton(CDC* pDC, CKTControl* pButton, BOOL bLeft)
{
    CRect rc = pButton->GetRect();
    pDC->FillSolidRect(rc, ::GetSysColor(pButton->GetSelected() ? COLOR_3DLIGHT : COLOR_3DFACE));
    pDC->Draw3dRect(rc, ::GetSysColor(COLOR_3DSHADOW), ::GetSysColor(COLOR_3DSHADOW));
    // A small filled arrow towards the hidden groups.
    const CPoint c = rc.CenterPoint();
    const int d = bLeft ? -1 : 1;
    POINT pts[3] = {{c.x + 2 * d, c.y}, {c.x - 2 * d, c.y - 4}, {c.x - 2 * d, c.y + 4}};
    CKTBrushDC brush(pDC->GetSafeHdc(), ::GetSysColor(COLOR_BTNTEXT));
    pDC->Polygon(pts, 3);
}

void CKTRibbonPlainPainter::FillMorePopupToolBar(CDC* pDC, CKTCommandBar* pBar)
{
    m_pPaintManager->FillCommandBarEntry(pDC, pBar);
}

void CKTRibbonPlainPainter::FillSystemMenu(CDC* pDC, CKTCommandBar* pMenu)
{
    m_pPaintManager->FillCommandBarEntry(pDC, pMenu);
}
