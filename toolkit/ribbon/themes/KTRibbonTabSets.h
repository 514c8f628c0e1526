// KTRibbonTabSets.h: the shape and colours of the ribbon's tab strip under theme 6.
//
// Classes: CKTRibbonTabAppearanceSet, CKTRibbonTabColorSet.
#pragma once

#include "KTTabAppearanceSetFlat.h"
#include "KTTabColorSet4.h"

class CKTRibbonThemePainter;

// Each tab is the theme's tab image under the painter's caption; the strip has no client of its own.
class CKTRibbonTabAppearanceSet : public CKTTabAppearanceSet2
{
public:
    explicit CKTRibbonTabAppearanceSet(CKTRibbonThemePainter* pOwner);

    int GetButtonHeight(const CKTTabManager* pManager) const override;
    void DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem) override;

private:
    CKTRibbonThemePainter* m_pOwner;  // not owned: the painter's owner
};

// The theme writes the text colours over set 4's after every refresh.
class CKTRibbonTabColorSet : public CKTTabColorSet4
{
};
