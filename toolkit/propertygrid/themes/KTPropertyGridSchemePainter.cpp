// KTPropertyGridSchemePainter.cpp: background, border and category tints of each colour scheme.
#include "KTPropertyGridSchemePainter.h"

#include "KTColorManager.h"

namespace
{

struct SchemeTints
{
    COLORREF clrBack;  // grid background and help panel
    COLORREF clrBorder;
    COLORREF clrCategory;  // category rows and grid lines
};

const SchemeTints* FindTints(int nScheme)
{
    static const SchemeTints kBlue = {RGB(221, 236, 254), RGB(123, 164, 224), RGB(169, 199, 240)};
    static const SchemeTints kOlive = {RGB(243, 242, 231), RGB(188, 187, 177), RGB(197, 212, 159)};
    static const SchemeTints kSilver = {RGB(238, 238, 244), RGB(161, 160, 187), RGB(192, 192, 211)};
    switch (nScheme)
    {
    case ktSystemThemeBlue:
        return &kBlue;
    case ktSystemThemeOlive:
        return &kOlive;
    case ktSystemThemeSilver:
        return &kSilver;
    default:
        return nullptr;
    }
}

}  // namespace

CKTPropertyGridSchemePainter::CKTPropertyGridSchemePainter(CKTPropertyGrid* pGrid) : CKTPropertyGridPainter(pGrid)
{
    m_nVisualStyleMode = ktGridVisualStyleWhenThemed;
}

void CKTPropertyGridSchemePainter::RefreshMetrics()
{
    CKTPropertyGridPainter::RefreshMetrics();
    CKTColorManager* pColors = KTColorManager();
    const SchemeTints* pTints = pColors->IsLunaColorsDisabled() ? nullptr : FindTints(pColors->GetCurrentSystemTheme());
    m_bSchemeColors = pTints != nullptr;
    if (!pTints)
        return;
    m_clrFace.SetStandardValue(pTints->clrBack);
    m_pMetrics->Color(ktGridColorHelpBack).SetStandardValue(pTints->clrBack);
    m_clrBorder.SetStandardValue(pTints->clrBorder);
    m_pMetrics->Color(ktGridColorCategoryBack).SetStandardValue(pTints->clrCategory);
    m_pMetrics->Color(ktGridColorCategoryText).SetStandardValue(RGB(0, 0, 0));
}
