// KTRibbonThemePainter.h: the ribbon drawn by theme 6 from the style images, with its tab strip's painter.
//
// Classes: CKTRibbonThemePainter, CKTRibbonPainterMaker.
#pragma once

#include "KTRibbonPainter.h"
#include "KTThemeRibbon.h"

class CKTImageManagerIcon;
class CKTStyleImage;

class CKTRibbonThemePainter : public CKTRibbonPlainPainter
{
public:
    CKTRibbonThemePainter();

    // The theme that owns this painter (a test may lend one instead).
    void SetTheme(CKTThemeRibbon* pTheme);
    CKTThemeRibbon* GetTheme() const { return m_pTheme; }

    int GetRibbonTabHeight() override;
    int GetGroupCaptionHeight() override;
    int GetRibbonCaptionHeight() override;
    BOOL HighlightsGroups() override { return m_pTheme != NULL; }
    CKTTabPainter* GetRibbonTabPainter() override;
    void DrawQuickAccessFrame(CDC* pDC, CKTRibbonBar* pBar) override;
    void FillRibbonGroups(CDC* pDC, CKTRibbonTab* pTab, CRect rcGroups) override;
    void FillGroupsBackground(CDC* pDC, CKTRibbonTab* pTab, CWnd* pWnd) override;
    void DrawRibbonCaption(CDC* pDC, CKTRibbonBar* pBar) override;
    // Stops at the first header whose colour the style has no image of.
    void DrawContextHeaders(CDC* pDC, CKTRibbonBar* pBar) override;
    void DrawGroup(CDC* pDC, CKTRibbonGroup* pGroup) override;
    int GetGroupCaptionWidth(CDC* pDC, CKTRibbonGroup* pGroup) override;
    void DrawGroupsScrollButton(CDC* pDC, CKTControl* pButton, BOOL bLeft) override;
    // From the style's images by state; the plain look where the style lacks them.
    CSize DrawGroupPopupButton(CDC* pDC, CKTControl* pButton, BOOL bDraw) override;
    CSize DrawOptionButton(CDC* pDC, CKTControl* pButton, BOOL bDraw) override;
    void DrawQuickAccessButton(CDC* pDC, CKTControl* pButton, BOOL bMore) override;
    void DrawSystemButton(CDC* pDC, CKTControl* pButton, CRect rc) override;
    CSize FitSystemButton(const CKTControl* pButton, CSize szMeasured) override;
    BOOL DrawsSystemButtonCaption(const CKTControl* pButton) override;
    void FillMorePopupToolBar(CDC* pDC, CKTCommandBar* pBar) override;
    void FillSystemMenu(CDC* pDC, CKTCommandBar* pMenu) override;
    void DrawSystemMenuButton(CDC* pDC, CKTControl* pButton) override;
    COLORREF GetRibbonStyleColor(LPCSTR lpszKey) override;

    // The selected or hot tab's image and the separator of a squeezed tab; the tab painter draws the caption.
    void DrawTab(CDC* pDC, CKTRibbonTab* pTab);
    // The caption strip when the ribbon draws the frame's caption.
    void DrawFrameCaption(CDC* pDC, CKTRibbonBar* pBar);
    // The caption strip inside a frame that draws its own caption.
    void DrawQuickAccessArea(CDC* pDC, CKTRibbonBar* pBar);
    // The window's whole client in the ribbon's face; in the bars' face where the style has none.
    void FillClientFace(CDC* pDC, CWnd* pWnd);
    // Caption text on glass: white on a maximised frame, else glowing through the visual styles.
    void DrawDwmCaptionText(CDC* pDC, CRect rc, const CString& strText, BOOL bActive, BOOL bMaximized);

    // "BLUE" to "ORANGE" for the context colours 1 to 7; empty for every other value.
    static LPCSTR ContextColorName(int nColor);

private:
    // 2 popped up, 1 hot, else 0: buttons that open a popup.
    static int PopupPart(const CKTControl* pControl);
    CKTSmartPtr<CKTTabPainter> CreateTabPainter();
    // The theme's font and the style's text colours, applied when the theme, its font or its metrics changed.
    void SyncTabPainter();
    // FALSE, drawing nothing, when the style has no image of the header's colour.
    BOOL DrawContextHeader(CDC* pDC, CKTRibbonBar* pBar, KT_RIBBONCONTEXTHEADER* pHeader);
    CKTStyleImage* Image(LPCSTR lpszName) const;
    // One part of a named image over a rectangle; FALSE when the style has no such image.
    BOOL DrawImage(CDC* pDC, LPCSTR lpszName, const CRect& rc, int nPart, int nParts, const CRect& rcMargins,
                   COLORREF clrTransparent = static_cast<COLORREF>(-1)) const;
    void DrawTabSeparator(CDC* pDC, CKTRibbonTab* pTab);
    // The caption as a group shows it: without its access-key marks.
    static CString GroupCaptionText(CKTRibbonGroup* pGroup);
    // 5 selected while the ribbon tracks the keyboard, 4 selected and hot, 3 selected, 2 hot and pressed, 1 hot.
    static int PlainTabPart(CKTRibbonTab* pTab, BOOL bTracking);
    // The edges of a run of context tabs under one header.
    void DrawContextSeparators(CDC* pDC, CKTRibbonTab* pTab);
    // The client less the frame's caption when the ribbon draws it.
    CRect FaceRect(CKTRibbonBar* pBar) const;
    void FillRibbonFace(CDC* pDC, CKTRibbonBar* pBar);
    static CString GroupsImageName(CKTRibbonTab* pTab);
    void DrawGroupIconFrame(CDC* pDC, CKTControl* pButton);
    // Behind the quick access toolbar in the caption strip; FALSE when the toolbar does not show there.
    static BOOL GetQuickAccessBack(CKTRibbonBar* pBar, CRect& rc);
    void DrawFrameQuickAccessArea(CDC* pDC, CKTRibbonBar* pBar);
    // The frame's small icon at the caption's left, where no system button stands.
    static void DrawFrameIcon(CDC* pDC, CKTRibbonBar* pBar, CWnd* pFrame);
    // The application button's face by state, centred at the image's own size; nothing when the style has none.
    void DrawSystemButtonFace(CDC* pDC, CKTControl* pButton, const CRect& rc);
    // The control's largest icon centred, else the frame's large icon at 32 x 32.
    void DrawSystemButtonIcon(CDC* pDC, CKTControl* pButton, CKTImageManagerIcon* pIcon, const CRect& rc);
    // As the bars draw any button, moved from the control's own rectangle to the one given.
    void DrawToolBarButtonAt(CDC* pDC, CKTControl* pButton, const CRect& rc);

    CKTThemeRibbon* m_pTheme = NULL;  // not held: the theme owns this painter
    CKTSmartPtr<CKTTabPainter> m_pTabPainter;
    CKTThemeRibbon* m_pSyncedTheme = NULL;  // only compared: the theme the strip's fonts came from
    LOGFONTA m_lfSynced = {};
    int m_nSyncedMetrics = 0;  // the theme's metrics count when the strip's colours were read
};

// The ribbon's painters as the paint manager asks for them; the paint manager keeps what it gets.
class CKTRibbonPainterMaker : public IKTRibbonPainterMaker
{
public:
    std::shared_ptr<IKTRibbonPainter> MakePlainPainter(CKTPaintManager* pPaintManager) override;
    std::shared_ptr<IKTRibbonPainter> MakeThemePainter(CKTThemeRibbon* pTheme) override;
};
