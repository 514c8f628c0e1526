// KTDockingPanePaintManager.h: the drawing of every docking window (group captions and their buttons,
// splitters), with the metrics the windows lay themselves out by.
//
// Classes: CKTDockingPanePaintManager.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

#include "KTPaintManagerColor.h"
#include "KTSmartPtr.h"
#include "KTWinThemeWrapper.h"

class CKTDockingPane;
class CKTDockingPaneCaptionButton;
class CKTDockingPaneMiniWnd;
class CKTDockingPaneNode;
class CKTDockingPaneSplitterWnd;
class CKTDockingPaneTabbedContainer;
class CKTTabPainter;

class CKTDockingPanePaintManager : public CCmdTarget
{
public:
    using CaptionButtons = std::vector<std::unique_ptr<CKTDockingPaneCaptionButton>>;

    // Splitter style bits.
    enum
    {
        ktSplitterEdges = 0x1,
        ktSplitterBand = 0x2,
        ktSplitterGradientAcross = 0x4,
        ktSplitterGradientAlong = 0x8,
        ktSplitterGrip = 0x100
    };
    static const int ktColorCount = 63;

    CKTDockingPanePaintManager();
    ~CKTDockingPanePaintManager() override;

    // The paint manager of a theme id, its id stored; an unknown id draws as the default theme.
    static CKTSmartPtr<CKTDockingPanePaintManager> CreateTheme(int nTheme);

    virtual void DrawPane(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc);
    virtual void DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc) = 0;
    virtual void DrawCaptionButtons(CDC* pDC, const CaptionButtons& buttons, CRect& rcCaption, COLORREF clr, int nSize,
                                    int nGap, BOOL bVertical);
    virtual void DrawCaptionButton(CDC* pDC, CKTDockingPaneCaptionButton* pButton, COLORREF clr);
    virtual void RefreshMetrics();
    virtual void AdjustClientRect(CKTDockingPaneTabbedContainer* pContainer, CRect& rc, BOOL bApply);
    virtual void SubtractCaption(const CKTDockingPaneTabbedContainer* pContainer, CRect& rc) const;
    virtual CRect GetCaptionInset() const { return CRect(0, 0, 0, 0); }
    // The whole window of a floating frame that draws its own caption and border; rc in window coordinates.
    virtual void DrawFloatingFrame(CDC*, CKTDockingPaneMiniWnd*, CRect) {}
    virtual void DrawSplitter(CDC* pDC, CKTDockingPaneSplitterWnd* pSplitter);
    virtual void DrawButtonGlyph(CDC* pDC, CKTDockingPaneCaptionButton* pButton, CPoint pt, COLORREF clr);
    // pOwner: the group or the floating frame whose caption buttons and pane the caption shows.
    virtual void DrawCaptionBody(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle, BOOL bActive,
                                 BOOL bVertical) = 0;

    void SetCaptionFont(LOGFONTA lf, BOOL bUseTahoma);
    COLORREF LookupColor(int nIndex) const;
    int GetCaptionHeight() const { return m_nCaptionHeight; }
    int GetSplitterSize() const { return m_nSplitterSize; }
    int GetTabRowHeight() const { return m_nTabRowHeight; }
    // The caption strip of a container drawn into rc, below the top margin.
    CRect GetCaptionRect(const CKTDockingPaneTabbedContainer* pContainer, CRect rc) const;
    CFont& GetCaptionFont(BOOL bVertical) { return bVertical ? m_fntCaptionVertical : m_fntCaption; }
    CKTTabPainter* GetContainerTabPainter() const;
    CKTTabPainter* GetPanelTabPainter() const;

    int m_nThemeId = 0;
    BOOL m_bBoldCaption = TRUE;
    BOOL m_bHighlightActiveCaption = TRUE;
    int m_nSplitterSize = 4;
    BOOL m_bShowCaption = TRUE;
    BOOL m_bAlwaysShowTabs = FALSE;
    BOOL m_bDrawCaptionIcon = FALSE;  // the shown pane's icon before its title
    CKTPaintManagerColor m_clrGrip;
    CKTPaintManagerColor m_clrSplitter;
    CKTPaintManagerColorGradient m_clrBackground;
    int m_nCaptionButtonStyle = 0;
    DWORD m_dwSplitterStyle = 0;
    int m_nCaptionGap = 5;
    BOOL m_bUseTahomaFont = FALSE;
    BOOL m_bUseSystemFont = TRUE;
    CRect m_rcCaptionMargin{0, 2, 0, 1};
    int m_nDrawOption = 5;  // 5: the current scheme colours the theme, 4: the system's, else none
    BOOL m_bWarmHighlight = FALSE;

    // The pane a caption of the group or floating frame speaks for; NULL when it shows several.
    static CKTDockingPane* CaptionPaneOf(CKTDockingPaneNode* pOwner);
    static BOOL IsOwnerActive(CKTDockingPaneNode* pOwner);

protected:
    // Draws the icon and the title in what the buttons left of the caption.
    void DrawCaptionTitle(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle, COLORREF clrText,
                          BOOL bVertical);
    // The caption strip below the top margin on a band of the splitter colour two pixels deeper.
    void DrawBandedCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc);
    // A three-ring border, the strip filled with table 15 and the caption body inside it; clrOuterFar is the
    // outer ring's bottom and right colour.
    void DrawRingedFloatingFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, CRect rc, COLORREF clrOuterFar);
    // The caption strip of a floating frame drawn into rc (its window rectangle at 0, 0).
    CRect GetFloatingCaptionRect(CRect rc) const;
    BOOL IsFrameActive(CKTDockingPaneMiniWnd* pFrame) const;
    CString FrameTitle(CKTDockingPaneMiniWnd* pFrame) const;
    COLORREF ButtonColor(const CaptionButtons& buttons, COLORREF clr) const;
    // With caption icons on, the pane's icon at the near end; the title's room starts after it.
    void DrawCaptionIcon(CDC* pDC, const CKTDockingPane* pPane, CRect& rc, BOOL bVertical);

    COLORREF m_clrTable[ktColorCount] = {};
    int m_nCaptionHeight = 0;
    int m_nTabRowHeight = 24;
    CFont m_fntCaption;
    CFont m_fntCaptionVertical;
    CKTSmartPtr<CKTTabPainter> m_pContainerTabPainter;
    CKTSmartPtr<CKTTabPainter> m_pPanelTabPainter;
    CKTWinThemeWrapper m_themeToolbar;
    CKTWinThemeWrapper m_themeExplorerBar;
    CKTWinThemeWrapper m_themeButton;
    CKTWinThemeWrapper m_themeWindow;

private:
    // TRUE when a visual style drew the whole button, glyph included.
    BOOL DrawStyledButtonFace(CDC* pDC, CKTDockingPaneCaptionButton* pButton, COLORREF& clrGlyph);
    BOOL DrawExplorerBarButton(CDC* pDC, CKTDockingPaneCaptionButton* pButton);
    BOOL DrawThemedPushButton(CDC* pDC, CKTDockingPaneCaptionButton* pButton, COLORREF& clrGlyph);
    void DrawFlatButtonFace(CDC* pDC, CKTDockingPaneCaptionButton* pButton);
    void DrawHighlightButtonFace(CDC* pDC, CKTDockingPaneCaptionButton* pButton, COLORREF& clrGlyph);
    static int SpaceHeight(CFont& font);
    void DrawSplitterFill(CDC* pDC, const CRect& rc, BOOL bHorizontalBar);
    void DrawSplitterGrip(CDC* pDC, const CRect& rc, BOOL bHorizontalBar);
    void DrawPinGlyph(CDC* pDC, CKTDockingPaneCaptionButton* pButton, CPoint pt);
    void DrawRestoreGlyph(CDC* pDC, CPoint pt, COLORREF clr);
};
