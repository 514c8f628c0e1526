// KTFrameRegionHelper.h: a frame's shape and non-client metrics, kept in step with the bar that draws its caption.
//
// Classes: IKTFrameCaptionBar, CKTFrameRegionHelper. Struct: KT_FRAMECAPTIONBUTTON.
#pragma once

#include <afxwin.h>

#include "KTHookSink.h"

#include <vector>

class CKTCommandBars;
class CKTThemeStyle5;

struct KT_FRAMECAPTIONBUTTON
{
    CRect rc;
    UINT nId = 0;  // SC_CLOSE, SC_MINIMIZE, SC_MAXIMIZE or SC_RESTORE
    BOOL bSelected = FALSE;
    BOOL bPressed = FALSE;
    int nEnabled = -1;  // -1: as the frame's system menu has it
    BOOL bVisible = TRUE;
};

// The bar (the ribbon) that takes the frame's caption into its own window.
class IKTFrameCaptionBar
{
public:
    virtual ~IKTFrameCaptionBar() = default;
    // Visible, wide enough to show itself and docked at the frame's top.
    virtual BOOL IsDrawingFrameCaption() const = 0;
    virtual int GetCaptionHeight() const = 0;
    virtual void RedrawFrameCaption() = 0;
};

class CKTFrameRegionHelper : public CKTHookSink
{
public:
    // A frame drawn by one theme, for that theme's own drawing.
    CKTFrameRegionHelper(CWnd* pFrame, CKTThemeStyle5* pTheme);
    // A frame whose caption the bar draws: hooks the frame's non-client messages until destroyed.
    CKTFrameRegionHelper(CWnd* pFrame, CKTCommandBars* pCommandBars, IKTFrameCaptionBar* pCaptionBar);
    ~CKTFrameRegionHelper() override;
    CKTFrameRegionHelper(const CKTFrameRegionHelper&) = delete;
    CKTFrameRegionHelper& operator=(const CKTFrameRegionHelper&) = delete;

    CWnd* GetSite() const { return m_pFrame; }
    BOOL IsActive() const { return m_bActive; }
    void SetActive(BOOL bActive) { m_bActive = bActive; }
    void SetStatusBar(CWnd* pStatusBar) { m_pStatusBar = pStatusBar; }
    void SetCaptionBar(IKTFrameCaptionBar* pCaptionBar) { m_pCaptionBar = pCaptionBar; }

    BOOL IsMDIMaximized() const;
    // Whether the frame draws its own caption; FALSE while the caption bar draws it.
    BOOL IsCaptionVisible() const;
    // From the window's left edge to its client area's, as the last region update measured it.
    int GetFrameBorder() const { return m_nFrameBorder; }
    int GetCaptionHeight() const;
    // 0 unless the theme draws the status bar with the frame and a status bar shows: the one set, else the
    // frame's own that says it can be drawn beside.
    int GetFrameStatusBarHeight() const;
    BOOL IsCaptionButtonEnabled(const KT_FRAMECAPTIONBUTTON& button) const;
    // Desktop composition draws the frame: the caption lies on glass.
    BOOL IsCompositionEnabled() const { return m_bComposition; }

    // Asks the frame (message 0x363) to refresh once its current work is done.
    void PostRefresh();
    // Recomputes the non-client area, the frame's layout and the region; redraws the caption bar.
    void RefreshFrame();
    void UpdateFrameRegion();
    void UpdateFrameRegion(int cx, int cy, BOOL bForce);
    // Unhooks: the frame's own caption, shape and layout again.
    void RestoreFrame();

    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

    std::vector<KT_FRAMECAPTIONBUTTON> m_buttons;  // in drawing order

    // The system's hit code on the frame's glass (its own caption buttons) at a screen point; 0 for none.
    virtual LRESULT HitTestComposition(CPoint ptScreen) const;

protected:
    // The system's answer; a seam for frames that know better.
    virtual BOOL QueryComposition() const;

private:
    CKTThemeStyle5* GetTheme() const;
    // The theme that draws the border while the caption bar holds the caption; NULL leaves the frame to the
    // system (its own caption and buttons, or glass).
    CKTThemeStyle5* GetFrameTheme() const;
    int MeasureFrameBorder() const;
    HWND FindStatusBar() const;
    // The window region for the size; NULL for none.
    HRGN CreateRegion(int cx, int cy) const;
    void SetRegion(HRGN hRgn);
    // Glass over the caption; FALSE when the system refuses it.
    BOOL ExtendFrameIntoClientArea();
    void OnCalcSize(BOOL bValidRects, LPARAM lParam);
    void Repaint();

    CWnd* m_pFrame;                            // not owned
    CKTThemeStyle5* m_pTheme = NULL;           // not owned; used without command bars
    CKTCommandBars* m_pCommandBars = NULL;     // not owned; their paint manager draws the frame
    IKTFrameCaptionBar* m_pCaptionBar = NULL;  // not owned; the ribbon, which owns this object
    CWnd* m_pStatusBar = NULL;
    BOOL m_bActive = TRUE;           // as last painted
    CSize m_szRegion = CSize(0, 0);  // the window size the region was set for; 0 for none
    BOOL m_bRefreshPending = FALSE;
    BOOL m_bUpdating = FALSE;  // guards the region update against the sizes it causes
    int m_nFrameBorder = 0;
    BOOL m_bComposition = FALSE;
    BOOL m_bHooked = FALSE;
};
