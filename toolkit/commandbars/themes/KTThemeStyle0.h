// KTThemeStyle0.h: the default theme: raised and sunken bevels on button face.
//
// Classes: CKTThemeStyle0.
#pragma once

#include "KTPaintManager.h"

class CKTThemeStyle0 : public CKTPaintManager
{
public:
    CKTThemeStyle0();

    CSize DrawControlPopupParent(CDC* pDC, CKTControl* pControl, BOOL bDraw) override;
    CSize DrawListBoxControl(CDC* pDC, CKTControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                             CKTCommandBars* pCommandBars) override;
    void DrawSplitButtonFrame(CDC* pDC, CKTControl* pControl, CRect rc) override;
    void FillCommandBarEntry(CDC* pDC, CKTCommandBar* pBar) override;
    int GetRectangleTextColor(const KT_CONTROLSTATE& state) override;
    void DrawControlEntry(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state) override;
    CSize DrawCommandBarGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CKTCommandBar* pBar, CKTControl* pControl, BOOL bDraw) override;
    void AdjustExcludeRect(CRect& rc, CKTControl* pControl, BOOL bVertical) override;
    void RefreshMetrics() override;
    CRect GetCommandBarBorders(CKTCommandBar* pBar) override;
    CSize DrawExpandButton(CDC* pDC, int nKind, CKTControl* pControl, CKTCommandBar* pBar, BOOL bDraw, CSize szBar,
                           BOOL bHiddenExists) override;
    CSize DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw) override;
    CSize DrawAltGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw) override;
    void DrawImage(CDC* pDC, CPoint pt, CSize sz, CKTImageManagerIcon* pIcon, const KT_CONTROLSTATE& state,
                   BOOL bToolBarImage) override;
    int GetCurrentTheme() const override { return 0; }
    // Fields: flat until hot, then sunken, with a ring of button face inside.
    void DrawEditFrame(CDC* pDC, CKTControl* pControl, CRect rcField) override;
    void DrawComboDropButton(CDC* pDC, CKTControlComboBox* pCombo, CRect rcButton) override;
    void DrawEditSpinButtons(CDC* pDC, CKTControl* pControl, CRect rcSpin) override;
    int GetScrollBarStyle() const override { return 2; }
    CSize GetPopupBarImageSize(CKTCommandBar* pBar) override;

    // The checkerboard of button face and highlight that checked buttons show.
    void FillCheckedPattern(CDC* pDC, CRect rc);

    int m_nPopupTextColor = COLOR_BTNTEXT;  // normal text on popup bars

private:
    void DrawRaised(CDC* pDC, CRect rc) { Draw3dRect(pDC, rc, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW); }
    void DrawSunken(CDC* pDC, CRect rc) { Draw3dRect(pDC, rc, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT); }
    // The drop-down part of a split popup's menu entry: framed while it can be chosen, else set off by a line.
    void DrawSplitPopupSeparator(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state, COLORREF clrText);
};
