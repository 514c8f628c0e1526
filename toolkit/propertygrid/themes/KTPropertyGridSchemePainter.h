// KTPropertyGridSchemePainter.h: the base look tinted by the colour scheme (theme 2).
//
// Classes: CKTPropertyGridSchemePainter.
#pragma once

#include "KTPropertyGridPainter.h"

class CKTPropertyGridSchemePainter : public CKTPropertyGridPainter
{
public:
    explicit CKTPropertyGridSchemePainter(CKTPropertyGrid* pGrid);

    void RefreshMetrics() override;
    BOOL IsSchemeColorsActive() const { return m_bSchemeColors; }

private:
    BOOL m_bSchemeColors = FALSE;  // a scheme's tints are in use
};
