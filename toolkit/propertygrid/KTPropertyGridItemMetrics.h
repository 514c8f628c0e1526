// KTPropertyGridItemMetrics.h: fonts, colours, image, text format and text limit of grid rows.
//
// Classes: CKTPropertyGridItemMetrics.
#pragma once

#include <afxwin.h>

#include <memory>

#include "KTPaintManagerColor.h"

class CKTPropertyGridPainter;

enum KTPropertyGridColor
{
    ktGridColorHelpBack = 0,      // help and verbs panel background
    ktGridColorHelpText = 1,      // help panel text
    ktGridColorCategoryBack = 2,  // category rows, indentation bands, grid lines
    ktGridColorItemText = 3,      // item text
    ktGridColorCategoryText = 4,  // category text
    ktGridColorItemBack = 5,      // row background
    ktGridColorReadOnlyText = 6,  // read-only item text
    ktGridColorVerbText = 7,      // verb links
    ktGridColorCount = 8
};

// The grid-wide metrics carry the grid's fonts; an item's own metrics carry
// only what the caller set, the rest staying unset (-1, no font, no limit).
class CKTPropertyGridItemMetrics : public CCmdTarget
{
public:
    explicit CKTPropertyGridItemMetrics(CKTPropertyGridPainter* pPainter);

    CKTPaintManagerColor& Color(int nIndex) { return m_clr[nIndex]; }
    const CKTPaintManagerColor& Color(int nIndex) const { return m_clr[nIndex]; }
    // A colour whose effective value is not -1.
    BOOL HasColor(int nIndex) const { return !m_clr[nIndex].IsDefaultValue(); }

    CFont* GetNormalFont() const { return m_pNormalFont.get(); }
    CFont* GetBoldFont() const { return m_pBoldFont.get(); }
    void SetFonts(std::shared_ptr<CFont> pNormal, std::shared_ptr<CFont> pBold);

    CKTPropertyGridPainter* m_pPainter;  // not owned
    int m_nImage = -1;                   // image in the grid's image manager; -1 none
    UINT m_uDrawTextFormat = DT_SINGLELINE | DT_VCENTER;
    int m_nMaxLength = 0;  // text limit of the in-place edit; 0 none

private:
    CKTPaintManagerColor m_clr[ktGridColorCount];
    std::shared_ptr<CFont> m_pNormalFont;  // shared with the grid
    std::shared_ptr<CFont> m_pBoldFont;
};
