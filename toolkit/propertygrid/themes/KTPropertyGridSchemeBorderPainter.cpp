// KTPropertyGridSchemeBorderPainter.cpp: the border colour of each colour scheme.
#include "KTPropertyGridSchemeBorderPainter.h"

#include "KTColorManager.h"

CKTPropertyGridSchemeBorderPainter::CKTPropertyGridSchemeBorderPainter(CKTPropertyGrid* pGrid)
    : CKTPropertyGridPainter(pGrid)
{
    m_nVisualStyleMode = ktGridVisualStyleWhenThemed;
}

void CKTPropertyGridSchemeBorderPainter::RefreshMetrics()
{
    CKTPropertyGridPainter::RefreshMetrics();
    switch (KTColorManager()->GetCurrentSystemTheme())
    {
    case ktSystemThemeBlue:
    case ktSystemThemeSilver:
        m_clrBorder.SetStandardValue(RGB(127, 157, 185));
        break;
    case ktSystemThemeOlive:
        m_clrBorder.SetStandardValue(RGB(164, 185, 127));
        break;
    }
}
