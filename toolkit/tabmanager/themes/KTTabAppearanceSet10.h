// KTTabAppearanceSet10.h: the look drawn from the style resources; without them nothing shows.
//
// Classes: CKTTabAppearanceSet10.
#pragma once

#include "KTTabAppearanceSet.h"

class CKTStyleImage;

class CKTTabAppearanceSet10 : public CKTTabAppearanceSet
{
public:
    CKTTabAppearanceSet10();
    CRect FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager) override;
    void DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem) override;
    int GetSupportedColorSets() const override { return 32; }
    int GetDefaultColorSet() const override { return 32; }

private:
    // Magenta is transparent; tabs on the other sides get the image turned to face away from the client.
    static void DrawTabImage(CDC* pDC, CKTStyleImage* pImage, const CRect& rc, int nPart, int nPosition);
};
