// KTTabAppearanceSet0.h: raised three-dimensional tabs over a raised client, and the variant that raises
// only the selected and the hot tab.
//
// Classes: CKTTabAppearanceSet0, CKTTabAppearanceSet1.
#pragma once

#include "KTTabAppearanceSet.h"

class CKTTabAppearanceSet0 : public CKTTabAppearanceSet
{
public:
    CKTTabAppearanceSet0();
    CRect GetClientMargin(const CKTTabManager* pManager) const override;
    CRect FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager) override;
    void DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem) override;
    int GetSupportedColorSets() const override { return 1 | 4 | 8; }

protected:
    // The raised outline in top co-ordinates.
    void DrawRaisedTab(CDC* pDC, CKTTabManagerItem* pItem, CRect rc);
};

class CKTTabAppearanceSet1 : public CKTTabAppearanceSet0
{
public:
    void DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem) override;
};
