// KTPaintManager.h: the drawer behind every bar and control, and the one global drawer.
//
// Classes: CKTPaintManagerFont, CKTPaintManager. Types: KT_CONTROLSTATE, KT_ICONOPTIONS.
#pragma once

#include <afxwin.h>

#include "KTCommandBarsDefs.h"
#include "KTColorManager.h"
#include "KTPaintManagerColor.h"
#include "KTSmartPtr.h"
#include "KTTabLook.h"
#include "KTWinThemeWrapper.h"

#include <memory>

// The command bars' themes by id; SetTheme takes any other id too and draws it as the classic one.
enum KTCommandBarsTheme : int
{
    ktCommandBarsThemeClassic = 0,         // raised and sunken bevels
    ktCommandBarsThemeFlat = 1,            // flat bars, bordered hot buttons
    ktCommandBarsThemeGradient = 2,        // gradient bars with rounded ends
    ktCommandBarsThemeVisualStyles = 3,    // the system's visual styles
    ktCommandBarsThemeFlatScheme = 4,      // the gradient bars with flat buttons in the scheme's tints
    ktCommandBarsThemeStyleResources = 5,  // colours from the style resources
    ktCommandBarsThemeRibbon = 6,          // the style resources' look with the ribbon
};

class CKTCommandBar;
class CKTCommandBars;
class CKTCommandBarKeyboardTip;
class CKTControl;
class CKTDockBar;
class CKTControlComboBox;
class CKTGalleryPaintManager;
class CKTImageManagerIcon;
class CKTStatusBarPane;
class CKTPaintManager;
class CKTThemeRibbon;
class IKTRibbonPainter;

// Makes the ribbon's painters: the ribbon module knows how the ribbon draws, the paint manager which way.
class IKTRibbonPainterMaker
{
public:
    // The look in system colours, measured by the paint manager's font.
    virtual std::shared_ptr<IKTRibbonPainter> MakePlainPainter(CKTPaintManager* pPaintManager) = 0;
    // The look drawn from the theme's style images.
    virtual std::shared_ptr<IKTRibbonPainter> MakeThemePainter(CKTThemeRibbon* pTheme) = 0;

protected:
    ~IKTRibbonPainterMaker() = default;
};

// A font that follows the system metrics until the application sets its own.
class CKTPaintManagerFont : public CFont
{
public:
    BOOL m_bStandardFont = TRUE;  // replaced on every refresh while set
};

// The state a control is drawn in.
struct KT_CONTROLSTATE
{
    BOOL bSelected = FALSE;  // hot
    int nSelected = 0;       // how: 2 and 3 by the keyboard or the mouse
    int nPressed = 0;        // 1 held down, 2 or 3 its popup is open
    BOOL bEnabled = TRUE;
    int nChecked = 0;  // 2 indeterminate
    BOOL bPopuped = FALSE;
    int nBarType = ktBarTypeNormal;
    int nBarPosition = ktBarTop;

    BOOL IsPopupBar() const { return nBarType == ktBarTypePopup; }
    BOOL IsPressedOpen() const { return nPressed == 2 || nPressed == 3; }
    // Enabled, and neither hot, pressed, checked nor open.
    BOOL IsIdle() const { return bEnabled && !bSelected && !nPressed && !nChecked && !bPopuped; }
};

// A caption below an icon, cut into one or two lines, each with its size as measured unturned: cx along the line.
struct KT_CAPTIONLINES
{
    CString str[2];
    int nCount = 1;
    CSize sz[2] = {CSize(0, 0), CSize(0, 0)};
};

// How icons are drawn; the command-bars options store the first three.
struct KT_ICONOPTIONS
{
    BOOL bFadedIcons = FALSE;
    BOOL bUseDisabledIcons = FALSE;
    BOOL bIconsWithShadow = FALSE;
    BOOL bUseTintedDisabled = FALSE;
};

class CKTPaintManager : public CCmdTarget
{
public:
    CKTPaintManager();
    ~CKTPaintManager() override;

    // The theme of the id; unknown ids draw as theme 0 but keep their id.
    static CKTSmartPtr<CKTPaintManager> CreateTheme(int nTheme);
    // Replaces the global drawer; the caller redraws.
    static void SetTheme(KTCommandBarsTheme nTheme);
    // The global drawer, made with theme 0 on first use.
    static CKTPaintManager* GetGlobal();

    // Measures (bDraw FALSE) or draws a control; the size is the same either way.
    CSize DrawControl(CDC* pDC, CKTControl* pControl, BOOL bDraw);
    virtual CSize DrawControlPopupParent(CDC* pDC, CKTControl* pControl, BOOL bDraw);
    // A popup entry's text rectangle, just before the caption is drawn in it.
    virtual void AdjustPopupTextRect(CRect& rc) {}
    // The control as an entry of the customise command list: the plain look is its caption.
    virtual CSize DrawListBoxControl(CDC* pDC, CKTControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                                     CKTCommandBars* pCommandBars);
    // The colour indexes of a command-list entry's parts.
    struct KT_LISTBOXLOOK
    {
        int nCaption;      // caption, popup mark and drop-down line
        int nLine;         // the split popup's line
        int nFieldFrame;   // an edit or combo field's frame
        int nButtonFrame;  // a selected combo button's frame; -1: the hot entry look
    };
    // The icon column of a command-list entry: the icon size + 4, at least the text height.
    int GetListBoxIconColumn(CKTCommandBars* pCommandBars) const;
    // The control's icon centred in a command-list entry's icon column.
    void DrawListBoxIcon(CDC* pDC, CKTControl* pControl, CRect rcColumn, BOOL bSelected);
    // The caption, popup mark and field of a command-list entry right of its icon column.
    void DrawListBoxEntryText(CDC* pDC, CKTControl* pControl, CRect rc, BOOL bSelected, const KT_LISTBOXLOOK& look);
    // A menu entry of style 5: what it shows and where.
    struct CKTDescribedEntry
    {
        CString strCaption, strShortcut, strDescription;
        CRect rcText;  // from the end of the icon column to the entry's right
        UINT nFlags;
        BOOL bDraw, bSelected, bEnabled;
    };
    CSize DrawCaptionAndDescription(CDC* pDC, const CKTDescribedEntry& entry);
    // Edit fields: the label is measured and drawn here, the text by the field's window.
    virtual CSize DrawControlEdit(CDC* pDC, CKTControl* pControl, BOOL bDraw);
    virtual CSize DrawControlComboBox(CDC* pDC, CKTControl* pControl, BOOL bDraw);
    // The background of edit and combo-box fields.
    virtual COLORREF GetControlEditBackColor(CKTControl* pControl);
    // The colour slot of the label before a field on a tool bar: always drawn as enabled here.
    virtual int GetFieldLabelTextColor(CKTControl* pControl);
    virtual CSize DrawControlToolBarParent(CDC* pDC, CKTControl* pControl, BOOL bDraw);
    // Where a caption below an icon breaks into two lines: the space ending the first; -1 for one line.
    static int FindCaptionLineBreak(const CString& strCaption);
    virtual void DrawSplitButtonFrame(CDC* pDC, CKTControl* pControl, CRect rc) = 0;
    virtual void FillCommandBarEntry(CDC* pDC, CKTCommandBar* pBar) = 0;
    virtual void DrawControlState(CDC* pDC, CKTControl* pControl);
    // Text colours are colour arguments for GetColor: a table index, or a ready colour made by KTColorArgument.
    virtual int GetControlTextColor(CKTControl* pControl);
    virtual int GetRectangleTextColor(const KT_CONTROLSTATE& state) = 0;
    virtual void DrawControlEntry(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state) = 0;
    virtual CSize DrawCommandBarGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw);
    virtual CSize DrawCommandBarSeparator(CDC* pDC, CKTCommandBar* pBar, CKTControl* pControl, BOOL bDraw) = 0;
    virtual void AdjustExcludeRect(CRect& rc, CKTControl* pControl, BOOL bVertical) = 0;
    virtual void DrawStatusBarPane(CDC* pDC, CRect rc, CKTStatusBarPane* pPane);
    virtual void DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane);
    virtual void DrawStatusBarGripper(CDC* pDC, CRect rc);
    // Paints the tip into the DC; with bSetRegion (and no DC) a theme may shape the tip's window instead.
    virtual void DrawKeyboardTip(CDC* pDC, CKTCommandBarKeyboardTip* pTip, BOOL bSetRegion);
    virtual void FillDockBar(CDC* pDC, CKTDockBar* pBar);
    virtual void FillStatusBar(CDC* pDC, CWnd* pStatusBar);
    virtual void RefreshMetrics();
    // The small special buttons: 0 a tool bar's expand button, 1 a menu's show-all row, 2 and 3
    // the close and expand buttons of a floating caption. Measuring kind 0 places the control in a
    // bar of szBar; drawing it shows that controls are hidden when bHiddenExists.
    virtual CSize DrawExpandButton(CDC* pDC, int nKind, CKTControl* pControl, CKTCommandBar* pBar, BOOL bDraw,
                                   CSize szBar, BOOL bHiddenExists);
    virtual CRect GetCommandBarBorders(CKTCommandBar* pBar);
    virtual CSize DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw) = 0;
    virtual void DrawImage(CDC* pDC, CPoint pt, CSize sz, CKTImageManagerIcon* pIcon, const KT_CONTROLSTATE& state,
                           BOOL bToolBarImage) = 0;
    virtual CSize DrawAltGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw) = 0;
    virtual CRect GetSplitButtonCommandRect(CKTControl* pControl);
    // The state of a control as its drawers take it.
    KT_CONTROLSTATE GetControlState(CKTControl* pControl) const;
    // Marks of check-box and radio controls; checked 2 is indeterminate. Always 13 x 13.
    virtual CSize DrawCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked,
                                   BOOL bEnabled);
    virtual CSize DrawRadioButtonMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked,
                                      BOOL bEnabled);
    virtual void DrawPopupBarGripper(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded) {}
    // A popup bar was shown or moved; themes that decorate popups hook in here.
    virtual void AdjustPopupBar(CKTCommandBar* pPopupBar) {}
    virtual int GetCurrentTheme() const = 0;
    virtual CFont* GetControlFont(CKTControl* pControl, BOOL bBold);
    virtual void UpdateFonts();
    virtual void DrawCheckMark(CDC* pDC, CRect rc, COLORREF clr);
    virtual void DrawRadioDot(CDC* pDC, CRect rc, COLORREF clr);
    virtual void DrawPopupArrow(CDC* pDC, CRect rc, COLORREF clr);
    virtual void DrawDropDownGlyph(CDC* pDC, CKTControl* pControl, CPoint pt, const KT_CONTROLSTATE& state,
                                   BOOL bVertical);
    virtual void Animate(CDC* pDestDC, CDC* pSrcDC, CRect rc, int nAnimationType);
    virtual int GetPopupBarGripperWidth(CKTCommandBar* pBar);
    virtual void FillWorkspace(CDC* pDC, CRect rc, CRect rcClip);
    virtual CSize GetPopupBarImageSize(CKTCommandBar* pBar);
    // Grows the controls being shown by an expansion into place, band by band.
    virtual void AnimateExpanding(CKTCommandBar* pBar, CDC* pDestDC, CDC* pSrcDC, BOOL bDownward);
    virtual CSize DrawControlText(CDC* pDC, const CString& strText, CRect rc, UINT nFlags, BOOL bDraw, BOOL bSelected,
                                  BOOL bEnabled);

    // What the modules that follow the theme ask of it; the answers here are the plain look.
    // The ribbon's painter for this theme, made on the first ask and kept while the theme lives.
    IKTRibbonPainter* GetRibbonPainter(IKTRibbonPainterMaker& maker);
    // How a bar's scroll bar (a gallery's) draws: 2 classic, 3 flat, 5 from the style images.
    virtual int GetScrollBarStyle() const { return 3; }
    // The look of the tab client's strips.
    virtual KT_TAB_LOOK GetTabLook() const { return KT_TAB_LOOK(); }
    // The font of a frame caption drawn by the bars (the ribbon's title), and one of its caption buttons.
    virtual CFont* GetFrameCaptionFont() { return GetRegularFont(); }
    virtual void DrawFrameCaptionButton(CDC* pDC, CRect rc, UINT nId, BOOL bSelected, BOOL bPressed, BOOL bActive);
    // The colour manager's index of a themed control border's top-left or bottom-right colour: sunken here.
    virtual int GetBorderColorIndex(BOOL bTopLeft) const { return bTopLeft ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT; }

    // Colour of a table index; every value outside 0-62 is a ready colour (see KTColorArgument).
    COLORREF GetColor(int nIndex) const;
    void SetColors(int nCount, const int* pIndexes, const COLORREF* pColors);
    // The custom value of one index (-1 removes it); survives refreshes.
    void SetCustomColor(int nIndex, COLORREF clr);
    int GetCurrentSystemTheme() const;
    KT_ICONOPTIONS* GetIconOptions() { return &m_iconOptions; }
    int GetControlHeight() const;
    int GetSplitDropDownSize() const;
    CSize GetAutoIconSize(BOOL bLarge) const;
    int GetTextHeight() const { return m_nTextHeight; }

    void Rectangle(CDC* pDC, CRect rc, int nBorder, int nFill);
    void Draw3dRect(CDC* pDC, CRect rc, int nTopLeft, int nBottomRight);
    void HorizontalLine(CDC* pDC, int x0, int y, int x1, COLORREF clr);
    void VerticalLine(CDC* pDC, int x, int y0, int y1, COLORREF clr);
    void Line(CDC* pDC, int x0, int y0, int x1, int y1, int nColor);
    void Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr);
    void GradientFill(CDC* pDC, CRect rc, COLORREF clrFrom, COLORREF clrTo, BOOL bHorz, LPCRECT lpClip = NULL);
    void GradientFill(CDC* pDC, CRect rc, const CKTPaintManagerColorGradient& grc, BOOL bHorz, LPCRECT lpClip = NULL);

    void SetCommandBarsFontIndirect(const LOGFONT* pLogFont, BOOL bUseStandardFont = FALSE);
    void SetStandardFontFace(LPCSTR lpszFace) { m_strStandardFontFace = lpszFace; }
    // Copies a face name into a face field, cut to what the field holds.
    static void CopyFaceName(LOGFONT& lf, LPCSTR lpszFace);

    CFont* GetRegularFont() { return &m_fontRegular; }
    CFont* GetRegularBoldFont() { return &m_fontRegularBold; }
    CFont* GetSmallCaptionFont() { return &m_fontSmCaption; }
    CFont* GetIconFont() { return &m_fontIcon; }
    CFont* GetIconBoldFont() { return &m_fontIconBold; }
    CFont* GetStatusFont() { return &m_fontStatus; }
    CKTGalleryPaintManager* GetGalleryPaintManager() { return m_pGalleryPaintManager.get(); }

    // Popup animation helpers shared by the themes.
    static void AlphaBlendBuffers(BYTE* pDest, const BYTE* pFirst, int cx, int cy, const BYTE* pSecond, int nAlpha);
    static void FillAlphaOpaque(CDC* pDC, CRect rc);

    COLORREF m_clrShadowColor = 0;                    // popup shadows
    COLORREF m_clrStatusTextColor = 0;                // status-bar panes
    CKTPaintManagerColorGradient m_grcDisabledIcons;  // ends of tinted disabled icons
    CKTPaintManagerColor m_clrFloatingGripper;        // caption strip of a floating bar
    CKTPaintManagerColor m_clrFloatingGripperText;    // its title
    BOOL m_bThickCheckMark = FALSE;
    BOOL m_bShowShadow = TRUE;
    BOOL m_bThemedStatusBar = FALSE;
    BOOL m_bThemedCheckBox = FALSE;
    BOOL m_bClearTypeTextQuality = FALSE;
    BOOL m_bFlatToolBar = FALSE;
    BOOL m_bFlatMenuBar = FALSE;
    int m_nPopupBarTextPadding = 4;         // between icon column and caption
    BOOL m_bSelectImageInPopupBar = FALSE;  // the highlight covers the icon column too
    BOOL m_bEnableAnimation = FALSE;        // bars keep a cached picture
    BOOL m_bThinDropDownSpace = FALSE;      // 8 instead of 10 pixels for a drop-down glyph
    BOOL m_bOffsetPopupLabelText = TRUE;    // labels in popups keep the icon indent
    BOOL m_bWrapCaptionBelowText = TRUE;    // captions below icons may take two lines
    int m_nSplitButtonDropDownWidth = 11;
    int m_nSplitButtonPopupWidth = 20;
    BOOL m_bAutoResizeIcons = FALSE;
    int m_nFixedControlHeight = 0;  // 0: from the font
    BOOL m_bUseStandardFace = FALSE;
    BOOL m_bUseStandardFont = TRUE;
    BOOL m_bEmbossedDisabledText = TRUE;
    DWORD m_dwShadowOptions = 0;
    int m_nCurrentTheme = 0;  // 7 while SetTheme refreshes
    int m_nAnimationSteps = 10;
    int m_nAnimationTime = 100;
    int m_nShowKeyboardCues = -1;  // -1: ask the bar
    int m_nSystemTheme = 5;        // 5: follow the colour manager

    // Whether captions on the bar underline their letters.
    BOOL IsKeyboardCuesVisible(CKTCommandBar* pBar) const;
    // Readies a caption to draw on the bar: while the cues hide, its '&' goes (not every DrawText honours
    // DT_HIDEPREFIX) and the answer is DT_NOPREFIX to draw it as it is; else 0.
    UINT PrepareCaption(CString& strText, CKTCommandBar* pBar) const;

protected:
    // The caption of a tool-bar control as measured: mnemonics removed, turned on vertical bars.
    CSize MeasureToolBarCaption(CDC* pDC, CKTControl* pControl, const CString& strCaption, BOOL bVertical,
                                BOOL bDropDown);
    void DrawToolBarCaption(CDC* pDC, CKTControl* pControl, const CString& strCaption, CRect rc, BOOL bCenter);
    void StrokePolyline(CDC* pDC, const POINT* pPoints, int nCount);
    // An anti-aliased disc filling the square: solid inside, blended over its edge band.
    void FillDisc(CDC* pDC, CRect rcSquare, COLORREF clr);

    BOOL m_bBoldFontInUse = FALSE;
    CKTPaintManagerFont m_fontSmCaption;
    CKTPaintManagerFont m_fontIcon;
    CKTPaintManagerFont m_fontIconBold;
    CKTPaintManagerFont m_fontStatus;
    CFont m_fontRegular;
    CFont m_fontRegularBold;
    CFont m_fontVert;
    CFont m_fontVertBold;
    int m_nTextHeight = 0;  // a space in the regular font plus 6
    CString m_strStandardFontFace = "Tahoma";
    CKTWinThemeWrapper m_themeStatusBar;
    CKTWinThemeWrapper m_themeButton;
    KT_ICONOPTIONS m_iconOptions;
    CKTPaintManagerColor m_clr[KTCOLOR_COUNT];
    std::unique_ptr<CKTGalleryPaintManager> m_pGalleryPaintManager;
    typedef BOOL(WINAPI* PFNSETLAYEREDWINDOWATTRIBUTES)(HWND, COLORREF, BYTE, DWORD);
    PFNSETLAYEREDWINDOWATTRIBUTES m_pfnSetLayeredWindowAttributes = NULL;

    // The two kinds of mark through the visual style or the classic frame control.
    CSize DrawButtonMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed, int nChecked, BOOL bEnabled,
                         BOOL bRadio);

    // The label before an edit or combo-box field: measured into the control, drawn when asked; the size.
    CSize DrawFieldLabel(CDC* pDC, CKTControl* pControl, BOOL bDraw);
    // A keyboard tip's keys, centred in the tip's font and colour.
    void DrawKeyboardTipText(CDC* pDC, CKTCommandBarKeyboardTip* pTip, CRect rc);
    // The field after the label: filled with the field colour, then framed.
    void DrawEditField(CDC* pDC, CKTControl* pControl, CRect rcField);
    // A sunken frame round the field.
    virtual void DrawEditFrame(CDC* pDC, CKTControl* pControl, CRect rcField);
    // The combo box's button that drops its list down.
    virtual void DrawComboDropButton(CDC* pDC, CKTControlComboBox* pCombo, CRect rcButton);
    // Up over the upper half, down over the lower; the control's selected and pressed 3 and 4 name the halves.
    virtual void DrawEditSpinButtons(CDC* pDC, CKTControl* pControl, CRect rcSpin);
    // The upper and the lower half of a spin rectangle, split at its vertical middle.
    static void SplitSpinHalves(const CRect& rcSpin, CRect (&rcHalves)[2]);
    // The small filled arrow of one spin half, moved one pixel while its half is held.
    void DrawSpinArrow(CDC* pDC, CRect rcHalf, BOOL bUp, BOOL bPressed, COLORREF clr);

    // The small caption, icon-title (and its bold) and status fonts, where they follow the system.
    void RecreateSystemFonts(const NONCLIENTMETRICS& ncm, const LOGFONT& lfIcon);
    // Which of the maker's painters the ribbon draws with under this theme.
    virtual std::shared_ptr<IKTRibbonPainter> MakeRibbonPainter(IKTRibbonPainterMaker& maker);

private:
    std::shared_ptr<IKTRibbonPainter> m_pRibbonPainter;  // made by the ribbon module, which knows its type

    // A button's icon size on a tool bar: the bar's large one below a caption.
    static CSize GetToolBarIconSize(CKTControl* pControl);
    // The caption cut where the two-line option breaks it, each line measured unturned.
    KT_CAPTIONLINES CutCaptionBelow(CDC* pDC, CKTControl* pControl);
    CSize DrawToolBarCaptionBelow(CDC* pDC, CKTControl* pControl, CRect rc, CSize szIcon, BOOL bDraw);
    void DrawCaptionLines(CDC* pDC, CKTControl* pControl, const KT_CAPTIONLINES& lines, CRect rc);
    void DrawTurnedCaptionLines(CDC* pDC, CKTControl* pControl, const KT_CAPTIONLINES& lines, CRect rc);
    // A caption written turned from the point, its letter underlined when asked.
    static void DrawTurnedText(CDC* pDC, const CString& strCaption, CPoint pt, BOOL bUnderline);
    // One caption line, turned as a side bar's font turns it, centred in the rectangle.
    void DrawTurnedToolBarCaption(CDC* pDC, CKTControl* pControl, const CString& strCaption, CRect rc);
    // A disabled caption that is not hot is first written one pixel down and right in the highlight, when wanted.
    BOOL IsEmbossedText(BOOL bSelected, BOOL bEnabled) const
    {
        return !bEnabled && !bSelected && m_bEmbossedDisabledText;
    }
    // The control's font unturned, whatever side its bar is docked at.
    CFont* GetLevelFont(CKTControl* pControl);
    // A check-box or radio control: its mark with the caption beside it.
    CSize LayoutToolBarMark(CDC* pDC, CKTControl* pControl, CRect rc, BOOL bDraw);
    CSize LayoutTextBelowIcon(CDC* pDC, CKTControl* pControl, CRect rc, CSize szIcon, CKTImageManagerIcon* pIcon,
                              BOOL bDraw);
    CSize LayoutToolBarDefault(CDC* pDC, CKTControl* pControl, CRect rc, CSize szIcon, CKTImageManagerIcon* pIcon,
                               BOOL bDraw);
};
