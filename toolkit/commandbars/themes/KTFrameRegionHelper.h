// KTFrameRegionHelper.h: what a themed frame's non-client drawing needs to know of its frame.
//
// Classes: CKTFrameRegionHelper. Struct: KT_FRAMECAPTIONBUTTON.
#pragma once

#include <afxwin.h>

#include <vector>

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

class CKTFrameRegionHelper
{
public:
    CKTFrameRegionHelper(CWnd* pFrame, CKTThemeStyle5* pTheme);

    CWnd* GetSite() const { return m_pFrame; }
    BOOL IsActive() const { return m_bActive; }
    void SetActive(BOOL bActive) { m_bActive = bActive; }
    // FALSE where another window (the ribbon) draws the caption band.
    BOOL IsCaptionVisible() const { return m_bCaptionVisible; }
    void SetCaptionVisible(BOOL bVisible) { m_bCaptionVisible = bVisible; }
    void SetStatusBar(CWnd* pStatusBar) { m_pStatusBar = pStatusBar; }

    // From the window's left edge to its client area's.
    int GetFrameBorder() const;
    int GetCaptionHeight() const;
    // 0 unless the theme draws the status bar with the frame and a status bar shows.
    int GetFrameStatusBarHeight() const;
    BOOL IsCaptionButtonEnabled(const KT_FRAMECAPTIONBUTTON& button) const;

    std::vector<KT_FRAMECAPTIONBUTTON> m_buttons;  // in drawing order

private:
    CWnd* m_pFrame;            // not owned
    CKTThemeStyle5* m_pTheme;  // not owned
    CWnd* m_pStatusBar = NULL;
    BOOL m_bActive = TRUE;
    BOOL m_bCaptionVisible = TRUE;
};
