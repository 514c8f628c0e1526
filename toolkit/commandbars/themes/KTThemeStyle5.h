// KTThemeStyle5.h: theme 2's bars in the colours of the style resources, the frame and workspace in its images.
//
// Classes: CKTThemeStyle5.
#pragma once

#include "KTThemeStyle2.h"

class CKTFrameRegionHelper;
class CKTStyleImage;
class CKTStyleResourceSet;

// Without a style module, or for a key the style lacks, theme 2's colours stand.
class CKTThemeStyle5 : public CKTThemeStyle2
{
public:
    CKTThemeStyle5();

    int GetRectangleTextColor(const KT_CONTROLSTATE& state) override;
    void DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane) override;
    void DrawStatusBarGripper(CDC* pDC, CRect rc) override;
    void FillStatusBar(CDC* pDC, CWnd* pStatusBar) override;
    void RefreshMetrics() override;
    int GetCurrentTheme() const override { return 5; }
    int GetScrollBarStyle() const override { return 5; }
    // Theme 2's look in the style's colour set.
    KT_TAB_LOOK GetTabLook() const override;
    CFont* GetFrameCaptionFont() override { return &m_fontFrameCaption; }
    int GetBorderColorIndex(BOOL) const override { return KTCOLOR_BAR_EDGE; }
    void FillWorkspace(CDC* pDC, CRect rc, CRect rcClip) override;

    // The whole non-client frame into the frame's window DC.
    virtual void DrawFrame(CKTFrameRegionHelper* pHelper);
    // The window region with cut corners; NULL for a maximised window.
    virtual HRGN CreateFrameRegion(CKTFrameRegionHelper* pHelper, int cx, int cy);
    void DrawFrameCaptionButton(CDC* pDC, CRect rc, UINT nId, BOOL bSelected, BOOL bPressed, BOOL bActive) override;
    virtual void DrawFrameCaptionText(CDC* pDC, CRect rc, CWnd* pFrame, BOOL bActive);

    // DrawFrame's picture on any DC laid out as the window, so that it can be read back.
    void DrawFrameOn(CDC* pDC, CKTFrameRegionHelper* pHelper);
    CKTStyleResourceSet* GetImages() const { return m_pImages; }
    CKTStyleImage* LoadImage(LPCSTR lpszName) const;
    static HICON GetFrameSmallIcon(CWnd* pFrame);
    // The frame's own large icon, else its class's.
    static HICON GetFrameLargeIcon(CWnd* pFrame);
    // The glyph a caption button of this command and width shows.
    static CString CaptionGlyphName(UINT nId, int cx);

    BOOL m_bFrameStatusBar;  // the frame draws the status bar's strip with its border
    CKTPaintManagerFont m_fontFrameCaption;
    int m_nRibbonCaptionHeight;
    int m_nFrameCaptionHeight;  // without the frame's border

    CKTPaintManagerColor m_clrBorderActive[4];    // the active frame border, outermost first
    CKTPaintManagerColor m_clrBorderInactive[4];  // the same when inactive
    CKTPaintManagerColor m_clrCaptionTextActive;
    CKTPaintManagerColor m_clrCaptionTextInactive;
    CKTPaintManagerColor m_clrCaptionTitleTextActive;  // the document title within an active caption
    CKTPaintManagerColor m_clrMenuBarText;             // idle controls on the menu bar
    CKTPaintManagerColor m_clrStatusBarShadow;         // the status bar's top line
    CKTPaintManagerColorGradient m_grcStatusBarTop;
    CKTPaintManagerColorGradient m_grcStatusBarBottom;
    CKTPaintManagerColor m_clrWorkspace[3];  // the MDI workspace gradient: top, middle, bottom

private:
    // What stands when the style says nothing.
    void SetPlainColors();
    void ReadBarColors();
    void ReadTableColors();
    void ReadFrameColors();  // the frame's, the workspace's and the highlight gradients
    void SetFixedColors();
    void CreateCaptionFont();
    void DrawFrameBorders(CDC* pDC, CKTFrameRegionHelper* pHelper, const CRect& rcWindow);
    void DrawFrameCaption(CDC* pDC, CKTFrameRegionHelper* pHelper, const CRect& rcWindow);
    void DrawFrameCaptionEdges(CDC* pDC, CKTFrameRegionHelper* pHelper, const CRect& rcWindow);
    void DrawFrameStatusBar(CDC* pDC, CKTFrameRegionHelper* pHelper, const CRect& rcWindow);
    // Part 0 of an active frame's image, part 1 of an inactive one's.
    void DrawFramePart(CDC* pDC, LPCSTR lpszName, const CRect& rcDest, CRect rcSrc, BOOL bActive,
                       const CRect& rcMargins, COLORREF clrTransparent = static_cast<COLORREF>(-1)) const;

    CKTStyleResourceSet* m_pImages;  // the process-wide set; outlives the theme
};
