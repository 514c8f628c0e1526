// KTTabColorSet4.h: the colours that follow the system colour scheme, or plain colours without one.
//
// Classes: CKTTabColorSet4.
#pragma once

#include "KTTabColorSet.h"

class CKTTabColorSet4 : public CKTTabColorSet
{
public:
    void RefreshMetrics() override;
    COLORREF FillItem(CDC* pDC, CRect rc, CKTTabManagerItem* pItem) override;
    void FillNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect& rc) override;

    CKTPaintManagerColor m_clrNavigateBorder;
    BOOL m_bLunaColors = FALSE;  // the scheme's fixed colours are in use

protected:
    // The tab's colour, or the pressed or hot colour while it is pressed or under the mouse.
    COLORREF StateColor(const CKTTabManagerItem* pItem) const;
    void ApplySchemeColors(int nTheme);
};
