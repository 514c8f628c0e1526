// KTTabAppearanceSet3.h: slanted tabs whose left side falls at 45 degrees over the neighbour before them.
//
// Classes: CKTTabAppearanceSet3.
#pragma once

#include "KTTabAppearanceSet.h"

class CKTTabAppearanceSet3 : public CKTTabAppearanceSet
{
public:
    CKTTabAppearanceSet3();
    CRect GetHeaderMargin() const override;
    CRect GetButtonDrawRect(const CKTTabManagerItem* pItem) const override;
    CRect FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager) override;
    void DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem) override;
    int GetSupportedColorSets() const override { return 1 | 4 | 16; }
    int GetDefaultColorSet() const override { return 4; }

    BOOL m_bHotOutline = FALSE;  // the hot tab's lines in the selected button's dark border colour

private:
    void DrawSlantedTab(CDC* pDC, CKTTabManagerItem* pItem, CRect rc);
};
