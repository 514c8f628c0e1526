// KTThemeRibbon.h: theme 5 with bars, menus, marks and the status bar drawn from the style images.
//
// Classes: CKTThemeRibbon.
#pragma once

#include "KTThemeStyle5.h"

#include <utility>

class CKTThemeRibbon : public CKTThemeStyle5
{
public:
    CKTThemeRibbon();

    void DrawSplitButtonFrame(CDC* pDC, CKTControl* pControl, CRect rc) override;
    void FillCommandBarEntry(CDC* pDC, CKTCommandBar* pBar) override;
    int GetRectangleTextColor(const KT_CONTROLSTATE& state) override;
    void DrawControlEntry(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CKTCommandBar* pBar, CKTControl* pControl, BOOL bDraw) override;
    void AdjustExcludeRect(CRect& rc, CKTControl* pControl, BOOL bVertical) override {}
    void DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane) override {}
    void DrawStatusBarGripper(CDC* pDC, CRect rc) override;
    void FillStatusBar(CDC* pDC, CWnd* pStatusBar) override;
    void RefreshMetrics() override;
    void AdjustPopupBar(CKTCommandBar* pPopupBar) override;
    CSize DrawCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked,
                           BOOL bEnabled) override;
    CSize DrawRadioButtonMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked,
                              BOOL bEnabled) override;
    void DrawPopupBarGripper(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded) override;
    int GetCurrentTheme() const override { return 6; }
    KT_TAB_LOOK GetTabLook() const override;
    CSize DrawExpandButton(CDC* pDC, int nKind, CKTControl* pControl, CKTCommandBar* pBar, BOOL bDraw, CSize szBar,
                           BOOL bHiddenExists) override;
    void DrawDropDownGlyph(CDC* pDC, CKTControl* pControl, CPoint pt, const KT_CONTROLSTATE& state,
                           BOOL bVertical) override;
    void DrawKeyboardTip(CDC* pDC, CKTCommandBarKeyboardTip* pTip, BOOL bSetRegion) override;
    void DrawSplitPopupGlyph(CDC* pDC, CKTControl* pControl) override;
    void DrawPopupGlyph(CDC* pDC, CKTControl* pControl) override;
    void FillPopupLabel(CDC* pDC, CRect rc) override;
    CSize DrawControlEdit(CDC* pDC, CKTControl* pControl, BOOL bDraw) override;
    CSize DrawControlComboBox(CDC* pDC, CKTControl* pControl, BOOL bDraw) override;
    COLORREF GetControlEditBackColor(CKTControl* pControl) override;
    int GetFieldLabelTextColor(CKTControl* pControl) override;
    int GetControlTextColor(CKTControl* pControl) override;
    void UpdateFonts() override;
    void DrawControlState(CDC* pDC, CKTControl* pControl) override;

    // One part of a named image over a rectangle; FALSE when the style has no such image.
    BOOL DrawStyleImage(CDC* pDC, LPCSTR lpszName, const CRect& rc, int nPart, int nParts, const CRect& rcMargins,
                        COLORREF clrTransparent = static_cast<COLORREF>(-1)) const;

    // The font of the ribbon's tab strip: the theme's own, even when the ribbon font was replaced; empty until
    // the fonts are first made.
    const LOGFONT& GetTabLogFont() const { return m_lfTabs; }
    // Moves on with every RefreshMetrics: what the ribbon's painters took from the theme and the style is read again.
    int GetMetricsCount() const { return m_nMetricsCount; }

    // Cuts the window's four corner pixels.
    static void SetCornerRegion(CWnd* pWnd);
    // The command and drop-down image rows of a split button; -1 draws that half not at all.
    // Selected 3 and 4 are the command and drop-down halves hot; enabled 3 and 4 only that half enabled.
    static std::pair<int, int> SplitButtonParts(int nSelected, int nPressed, BOOL bChecked, BOOL bPopuped,
                                                int nEnabled);
    // The row of a joined button's image: 0 idle, 1 hot or held, 2 pushed, 3 popped up or checked, 4 checked and hot;
    // a disabled button shows 1 only while the keyboard or mouse selects it.
    static int JoinedButtonState(int nSelected, int nPressed, BOOL bChecked, BOOL bPopuped, BOOL bEnabled);
    static BOOL IsInJoinedRow(CKTControl* pControl);
    // Whether the control starts and whether it ends its run of a joined row.
    static std::pair<BOOL, BOOL> JoinedRunPlace(CKTControl* pControl);
    // The strip height for a fixed control height g.
    static int TabHeightFor(int nControlHeight) { return nControlHeight < 23 ? 23 : nControlHeight + 2; }

    BOOL m_bRibbonLayout;
    int m_nTabHeight;
    CKTPaintManagerFont m_fontRibbon;  // tab and group captions
    int m_nGroupCaptionHeight;
    int m_nFontHeight;  // 0 follows the menu font; above 11 replaces its height
    CKTPaintManagerColor m_clrRibbonFace;
    CKTPaintManagerColor m_clrRibbonText;
    CKTPaintManagerColor m_clrGroupCaptionText;
    CKTPaintManagerColor m_clrEditNormal;
    CKTPaintManagerColor m_clrMinimizedFrameEdgeHighLight;
    CKTPaintManagerColor m_clrMinimizedFrameEdgeShadow;
    CKTPaintManagerColor m_clrTooltipLight;  // keyboard tips: the gradient's top, bottom and the frame
    CKTPaintManagerColor m_clrTooltipDark;
    CKTPaintManagerColor m_clrTooltipBorder;

protected:
    // The ribbon drawn from this theme's images.
    std::shared_ptr<IKTRibbonPainter> MakeRibbonPainter(IKTRibbonPainterMaker& maker) override
    {
        return maker.MakeThemePainter(this);
    }

private:
    void DrawPopupEntry(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state);
    void DrawEditSpin(CDC* pDC, CKTControl* pControl, CRect rc);
    void ReadRibbonColors();
    LOGFONT RibbonLogFont(int& nHeight) const;
    // The icon-title fonts from the ribbon's font in the menu face; the small caption and status fonts smoothed.
    void RecreateRibbonSystemFonts(const LOGFONT& lfRibbon);
    void SetRibbonMetrics(int nHeight);
    struct SplitImages;
    SplitImages SplitImagesOf(CKTControl* pControl) const;
    // A button of a joined row from the style's image for its place in the run; FALSE without the image.
    BOOL DrawJoinedButton(CDC* pDC, CKTControl* pControl);

    LOGFONT m_lfTabs = {};
    int m_nMetricsCount = 0;
};
