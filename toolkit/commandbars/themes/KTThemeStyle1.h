// KTThemeStyle1.h: the flat theme: one-colour faces, flat state rectangles, dotted grippers.
//
// Classes: CKTThemeStyle1.
#pragma once

#include "KTPaintManager.h"

class CKTThemeStyle1 : public CKTPaintManager
{
public:
    CKTThemeStyle1();

    void RefreshMetrics() override;

    CSize DrawControlPopupParent(CDC* pDC, CKTControl* pControl, BOOL bDraw) override;
    CSize DrawControlEdit(CDC* pDC, CKTControl* pControl, BOOL bDraw) override;
    CSize DrawControlComboBox(CDC* pDC, CKTControl* pControl, BOOL bDraw) override;
    CSize DrawListBoxControl(CDC* pDC, CKTControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                             CKTCommandBars* pCommandBars) override;
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
    void DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane) override;
    CSize DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw) override;
    CSize DrawAltGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw) override;
    CSize DrawCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked,
                           BOOL bEnabled) override;
    CSize DrawRadioButtonMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked,
                              BOOL bEnabled) override;
    int GetCurrentTheme() const override { return 1; }
    KT_TAB_LOOK GetTabLook() const override;

    virtual void DrawSplitPopupGlyph(CDC* pDC, CKTControl* pControl);
    virtual void DrawPopupGlyph(CDC* pDC, CKTControl* pControl);
    virtual void FillPopupLabel(CDC* pDC, CRect rc);

protected:
    // A disabled field: the face colour from one pixel in, framed.
    void DrawDisabledField(CDC* pDC, CKTControl* pControl, CRect rcField);
    // A menu entry's background: a label's fill from the given left, any other entry's state rectangle.
    void FillPopupEntry(CDC* pDC, CKTControl* pControl, const KT_CONTROLSTATE& state, int nLabelLeft);
    // The checked background of an entry's cell, with the mark unless rcMark is empty.
    void DrawPopupEntryMark(CDC* pDC, CKTControl* pControl, const KT_CONTROLSTATE& state, CRect rcCell, CRect rcMark);
    void DrawFlatSpinButtons(CDC* pDC, CKTControl* pControl, CRect rcSpin);
    void DrawFlatComboButton(CDC* pDC, CKTControl* pControl, CRect rcBox, CRect rcButton);
    // The icon column of a popup bar that floats, below its caption.
    void DrawFloatingIconColumn(CDC* pDC, CKTCommandBar* pBar, int nCaptionBottom);
    // The strip of a tear-off gripper, filled and inset; the grip's centre and half length.
    CRect FillTearOffStrip(CDC* pDC, CRect rc);
    void DrawMarkBox(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bRadio);
    BOOL IsFlatBar(CKTCommandBar* pBar) const;
    // Where a popup touches the control that opened it from a bar that is no popup, in popup
    // coordinates; empty otherwise. Its border stays open there.
    CRect GetOpeningGap(CKTCommandBar* pBar) const;
    void FillFloatingFrame(CDC* pDC, CRect rc, int nFill);
};
