// KTPropertyGridItemMetrics.cpp: fonts and colours of grid rows.
#include "KTPropertyGridItemMetrics.h"

CKTPropertyGridItemMetrics::CKTPropertyGridItemMetrics(CKTPropertyGridPainter* pPainter) : m_pPainter(pPainter) {}

void CKTPropertyGridItemMetrics::SetFonts(std::shared_ptr<CFont> pNormal, std::shared_ptr<CFont> pBold)
{
    m_pNormalFont = std::move(pNormal);
    m_pBoldFont = std::move(pBold);
}
