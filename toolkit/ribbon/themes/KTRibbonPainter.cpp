// KTRibbonPainter.cpp: the plain ribbon look: system colours and sizes taken from the paint manager's font.
#include "KTRibbonPainter.h"

#include "KTPaintManager.h"
#include "KTRibbonBar.h"

#include <algorithm>

CKTRibbonPlainPainter::CKTRibbonPlainPainter() : m_pTabPainter(KTMakeCounted<CKTTabPainter>())
{
    // The groups below are the tabs' client: only the header row is the strip's.
    m_pTabPainter->m_nClientFrame = ktTabClientFrameNone;
}

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

CKTTabPainter* CKTRibbonPlainPainter::GetRibbonTabPainter() { return m_pTabPainter; }

void CKTRibbonPlainPainter::FillRibbonGroups(CDC* pDC, CKTRibbonTab*, CRect rcGroups)
{
    pDC->FillSolidRect(rcGroups, ::GetSysColor(COLOR_WINDOW));
    pDC->Draw3dRect(rcGroups, ::GetSysColor(COLOR_3DSHADOW), ::GetSysColor(COLOR_3DSHADOW));
}

void CKTRibbonPlainPainter::DrawRibbonCaption(CDC* pDC, CKTRibbonBar* pBar)
{
    pDC->FillSolidRect(pBar->GetCaptionRect(), ::GetSysColor(COLOR_3DFACE));
}
