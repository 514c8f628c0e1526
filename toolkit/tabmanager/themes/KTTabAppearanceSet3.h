// KTTabAppearanceSet3.h: slanted tabs whose left side falls at 45 degrees over the neighbour before them.
//
// Classes: CKTTabAppearanceSet3, CKTTabAppearanceSet9.
#pragma once

#include "KTTabAppearanceSet.h"

class CKTTabAppearanceSet3 : public CKTTabAppearanceSet
{
public:
    CKTTabAppearanceSet3();
    CRect GetHeaderMargin() const override;
    CRect GetButtonDrawRect(const CKTTabManagerItem* pItem) const override;
    CRect FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager) override;
    void DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem) override { DrawShapedButton(pDC, pItem); }
    int GetSupportedColorSets() const override { return 1 | 4 | 16; }
    int GetDefaultColorSet() const override { return 4; }

    BOOL m_bHotOutline = FALSE;  // the hot tab's lines in the selected button's dark border colour

protected:
    void DrawShape(CDC* pDC, CKTTabManagerItem* pItem, CRect rc) override;
};

// Steep trapezoids that overlap both neighbours, drawn from the left so each covers the one before it.
class CKTTabAppearanceSet9 : public CKTTabAppearanceSet3
{
public:
    CKTTabAppearanceSet9();
    CRect GetHeaderMargin() const override;
    CRect GetButtonDrawRect(const CKTTabManagerItem* pItem) const override;

protected:
    void DrawShape(CDC* pDC, CKTTabManagerItem* pItem, CRect rc) override;
};
