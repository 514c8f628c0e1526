// KTRibbonPainter.h: the drawing and metrics the ribbon asks of its theme, with a plain stand-in for themes that have none.
//
// Classes: IKTRibbonPainter, CKTRibbonPlainPainter.
#pragma once

#include <afxwin.h>

#include "KTSmartPtr.h"

#include "KTTabPainter.h"

class CKTCommandBar;
class CKTPaintManager;
class CKTControl;
class CKTRibbonBar;
class CKTRibbonGroup;
class CKTRibbonTab;
struct KT_RIBBONCONTEXTHEADER;

// The paint manager chooses which one the ribbon gets (CKTPaintManager::GetRibbonPainter); the ribbon module makes it.
class IKTRibbonPainter
{
public:
    virtual ~IKTRibbonPainter() = default;
    virtual int GetRibbonTabHeight() = 0;
    virtual int GetGroupCaptionHeight() = 0;
    virtual int GetRibbonCaptionHeight() = 0;
    // Whether the group under the mouse looks apart; the ribbon tracks it only then.
    virtual BOOL HighlightsGroups() = 0;
    // The bar's face behind its caption, tabs and groups, and the band of a quick access toolbar below it.
    virtual void DrawQuickAccessFrame(CDC* pDC, CKTRibbonBar* pBar) = 0;
    // The strip of tabs; the ribbon's tab control lays out and draws through it.
    virtual CKTTabPainter* GetRibbonTabPainter() = 0;
    // After a change of the system's colours or fonts: what the painter keeps of them is read again.
    virtual void RefreshMetrics() = 0;
    virtual void FillRibbonGroups(CDC* pDC, CKTRibbonTab* pTab, CRect rcGroups) = 0;
    // The whole client of a popup that shows the tab's groups.
    virtual void FillGroupsBackground(CDC* pDC, CKTRibbonTab* pTab, CWnd* pWnd) = 0;
    virtual void DrawRibbonCaption(CDC* pDC, CKTRibbonBar* pBar) = 0;
    // The headers of the context tabs in the caption, each in its tabs' colour.
    virtual void DrawContextHeaders(CDC* pDC, CKTRibbonBar* pBar) = 0;
    // The group's frame and caption; its controls draw themselves over it.
    virtual void DrawGroup(CDC* pDC, CKTRibbonGroup* pGroup) = 0;
    // How wide the group's rectangle must be for DrawGroup to show its whole caption.
    virtual int GetGroupCaptionWidth(CDC* pDC, CKTRibbonGroup* pGroup) = 0;
    virtual void DrawGroupsScrollButton(CDC* pDC, CKTControl* pButton, BOOL bLeft) = 0;
    // The button that stands for a collapsed group (or for a group put on the quick access toolbar);
    // measures only when bDraw is FALSE.
    virtual CSize DrawGroupPopupButton(CDC* pDC, CKTControl* pButton, BOOL bDraw) = 0;
    // The option button in a group's caption; its size either way.
    virtual CSize DrawOptionButton(CDC* pDC, CKTControl* pButton, BOOL bDraw) = 0;
    // The quick access toolbar's drop-down, or its "more" button.
    virtual void DrawQuickAccessButton(CDC* pDC, CKTControl* pButton, BOOL bMore) = 0;
    virtual void DrawSystemButton(CDC* pDC, CKTControl* pButton, CRect rc) = 0;
    // The system button's size from its measure as a tool-bar button: room for all DrawSystemButton draws.
    virtual CSize FitSystemButton(const CKTControl* pButton, CSize szMeasured) = 0;
    // Whether DrawSystemButton draws the button's caption; its letter counts only then.
    virtual BOOL DrawsSystemButtonCaption(const CKTControl* pButton) = 0;
    // The face of the popup of the quick access controls that found no room.
    virtual void FillMorePopupToolBar(CDC* pDC, CKTCommandBar* pBar) = 0;
    // The system menu's face; the face of one of its bottom-row buttons, under its icon and caption.
    virtual void FillSystemMenu(CDC* pDC, CKTCommandBar* pMenu) = 0;
    virtual void DrawSystemMenuButton(CDC* pDC, CKTControl* pButton) = 0;
    // A colour of the style's ribbon section; CLR_NONE where there is none.
    virtual COLORREF GetRibbonStyleColor(LPCSTR lpszKey) = 0;
};

// Lays the ribbon out by the current paint manager's font and draws it in system colours; a themed painter
// derives from it to keep this look for what its theme has no image of.
class CKTRibbonPlainPainter : public IKTRibbonPainter
{
public:
    void SetPaintManager(CKTPaintManager* pPaintManager) { m_pPaintManager = pPaintManager; }
    int GetRibbonTabHeight() override;
    int GetGroupCaptionHeight() override;
    int GetRibbonCaptionHeight() override;
    BOOL HighlightsGroups() override { return FALSE; }
    CKTTabPainter* GetRibbonTabPainter() override;
    void RefreshMetrics() override;
    void DrawQuickAccessFrame(CDC* pDC, CKTRibbonBar* pBar) override;
    void FillRibbonGroups(CDC* pDC, CKTRibbonTab* pTab, CRect rcGroups) override;
    void FillGroupsBackground(CDC* pDC, CKTRibbonTab* pTab, CWnd* pWnd) override;
    void DrawRibbonCaption(CDC* pDC, CKTRibbonBar* pBar) override;
    void DrawContextHeaders(CDC* pDC, CKTRibbonBar* pBar) override;
    void DrawGroup(CDC* pDC, CKTRibbonGroup* pGroup) override;
    int GetGroupCaptionWidth(CDC* pDC, CKTRibbonGroup* pGroup) override;
    void DrawGroupsScrollButton(CDC* pDC, CKTControl* pButton, BOOL bLeft) override;
    CSize DrawGroupPopupButton(CDC* pDC, CKTControl* pButton, BOOL bDraw) override;
    CSize DrawOptionButton(CDC* pDC, CKTControl* pButton, BOOL bDraw) override;
    void DrawQuickAccessButton(CDC* pDC, CKTControl* pButton, BOOL bMore) override;
    void DrawSystemButton(CDC* pDC, CKTControl* pButton, CRect rc) override;
    CSize FitSystemButton(const CKTControl*, CSize szMeasured) override { return szMeasured; }
    BOOL DrawsSystemButtonCaption(const CKTControl*) override { return TRUE; }
    // The bars' own faces; the bottom-row buttons draw only their icon and caption.
    void FillMorePopupToolBar(CDC* pDC, CKTCommandBar* pBar) override;
    void FillSystemMenu(CDC* pDC, CKTCommandBar* pMenu) override;
    void DrawSystemMenuButton(CDC*, CKTControl*) override {}
    COLORREF GetRibbonStyleColor(LPCSTR) override { return CLR_NONE; }

protected:
    // The caption band's width for the text as DrawText shows it in the DC's font with those flags: some room on
    // either side, and the option button's at the right.
    int GroupCaptionBandWidth(CDC* pDC, CKTRibbonGroup* pGroup, const CString& strText, UINT nFormat);
    // The band of a quick access toolbar shown below the ribbon, when it shows.
    void DrawQuickAccessBand(CDC* pDC, CKTRibbonBar* pBar);
    // A collapsed group's button: wide enough for its caption, as high as the group less its inset.
    CSize GroupButtonSize(CDC* pDC, CKTControl* pButton);
    // A collapsed group's icon and caption over its button's face.
    void DrawGroupButtonContent(CDC* pDC, CKTControl* pButton);
    // Whether any control of the quick access toolbar shows.
    static BOOL IsQuickAccessShown(CKTRibbonBar* pBar);

private:
    int GetFontHeight() const;

    CKTPaintManager* m_pPaintManager = NULL;   // not held: the bar's
    CKTSmartPtr<CKTTabPainter> m_pTabPainter;  // made on first use: a themed painter has its own
};
