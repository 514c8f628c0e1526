// KTPropertyGridFlatButtonsPainter.cpp: category colours of theme 7, whose buttons are drawn flat.
#include "KTPropertyGridFlatButtonsPainter.h"

#include "KTColorManager.h"

CKTPropertyGridFlatButtonsPainter::CKTPropertyGridFlatButtonsPainter(CKTPropertyGrid* pGrid)
    : CKTPropertyGridPainter(pGrid)
{
    m_nVisualStyleMode = ktGridVisualStyleFlat;
}

void CKTPropertyGridFlatButtonsPainter::RefreshMetrics()
{
    CKTPropertyGridPainter::RefreshMetrics();
    m_pMetrics->Color(ktGridColorCategoryText).SetStandardValue(::GetSysColor(COLOR_BTNTEXT));
    m_pMetrics->Color(ktGridColorCategoryBack).SetStandardValue(KTColorManager()->GetColor(KTCOLOR_TOOLBAR_FACE));
}
