// KTTabAppearanceSet8.h: tabs as stacked bars, the selected one's page between the bars above and below.
//
// Classes: CKTTabAppearanceSet8.
#pragma once

#include "KTTabAppearanceSet.h"

class CKTTabAppearanceSet8 : public CKTTabAppearanceSet
{
public:
    CRect GetHeaderRect(CRect rcControl, CKTTabManager* pManager) override;
    CRect GetClientRect(CRect rcControl, CKTTabManager* pManager) override;
    void RepositionTabControl(CKTTabManager* pManager, CDC* pDC, CRect rcControl, KT_TAB_LAYOUT& layout) override;
    void DrawTabControl(CKTTabManager* pManager, CDC* pDC, CRect rcControl) override;
    void DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem) override;
    int GetSupportedColorSets() const override { return 1 | 4; }

private:
    int SelectedIndex(CKTTabManager* pManager) const;
    int Inset() const;
};
