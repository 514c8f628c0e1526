// KTThemeStyle1.h: the flat theme: one-colour faces, flat state rectangles, dotted grippers.
//
// Classes: CKTThemeStyle1.
#pragma once

#include "KTPaintManager.h"

class CKTThemeStyle1 : public CKTPaintManager
{
public:
    CKTThemeStyle1();

    CSize DrawControlPopupParent(CDC* pDC, CKTControl* pControl, BOOL bDraw) override;
    void DrawSplitButtonFrame(CDC* pDC, CKTControl* pControl, CRect rc) override;
    void FillCommandBarEntry(CDC* pDC, CKTCommandBar* pBar) override;
    int GetRectangleTextColor(const KT_CONTROLSTATE& state) override;
    void DrawControlEntry(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state) override;
    CSize DrawCommandBarGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CKTCommandBar* pBar, CKTControl* pControl, BOOL bDraw) override;
    void AdjustExcludeRect(CRect& rc, CKTControl* pControl, BOOL bVertical) override;
    void DrawImage(CDC* pDC, CPoint pt, CSize sz, CKTImageManagerIcon* pIcon, const KT_CONTROLSTATE& state,
                   BOOL bToolBarImage) override;
    void DrawPopupBarGripper(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded) override;
    int GetCurrentTheme() const override { return 1; }

    virtual void DrawSplitPopupGlyph(CDC* pDC, CKTControl* pControl);
    virtual void DrawPopupGlyph(CDC* pDC, CKTControl* pControl);
    virtual void FillPopupLabel(CDC* pDC, CRect rc);

protected:
    BOOL IsFlatBar(CKTCommandBar* pBar) const;
    void FillFloatingFrame(CDC* pDC, CRect rc, int nFill);
};
