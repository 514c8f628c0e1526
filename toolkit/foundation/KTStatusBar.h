// KTStatusBar.h: the frame's status bar with its message pane and indicator panes.
//
// Classes: CKTStatusBarPane, CKTStatusBar.
#pragma once

#include <afxwin.h>
#include <afxres.h>

#include <memory>
#include <vector>

#ifndef SBPS_NORMAL
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x0100
#define SBPS_POPOUT 0x0200
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000
#endif

// Asked of the frame's status bar by a themed frame that draws its border beside it: non-zero for yes.
const UINT KTWM_ISFRAMESTATUSBAR = 0x2854;

// One pane: its id, text, style, width and looks.
class CKTStatusBarPane
{
public:
    explicit CKTStatusBarPane(UINT nID);

    UINT GetID() const { return m_nID; }
    const CString& GetText() const { return m_strText; }
    UINT GetStyle() const { return m_nStyle; }
    int GetWidth() const { return m_cxText; }
    CRect GetPadding() const { return m_rcPadding; }
    // 0 left, 1 centre, 2 right.
    int GetTextAlignment() const { return m_nAlignment; }
    // The background colour, -1 for none.
    DWORD KTGetDwordMember() const { return m_clrBackground; }
    // The image manager's icon shown before the text; 0 for none.
    UINT GetIconId() const { return m_nIconId; }

    void SetText(LPCSTR lpszText) { m_strText = lpszText; }
    void SetStyle(UINT nStyle) { m_nStyle = nStyle; }
    void SetWidth(int cxText) { m_cxText = cxText; }
    void SetPadding(const CRect& rcPadding) { m_rcPadding = rcPadding; }
    void SetTextAlignment(int nAlignment) { m_nAlignment = nAlignment; }
    void SetBackgroundColor(COLORREF clr) { m_clrBackground = clr; }
    void SetIconId(UINT nIconId) { m_nIconId = nIconId; }

private:
    UINT m_nID;                // command id; 0 for the message pane
    CString m_strText;         // shown text
    UINT m_nStyle;             // SBPS_ flags
    int m_cxText;              // text width without padding
    CRect m_rcPadding;         // space around the text
    int m_nAlignment;          // 0 left, 1 centre, 2 right
    COLORREF m_clrBackground;  // -1 for the bar's own
    UINT m_nIconId = 0;        // image manager icon before the text
};

// Panes run left to right; the stretching pane takes what the fixed ones
// leave. The lock-key indicators follow their keys on every idle update.
class CKTStatusBar : public CWnd
{
public:
    CKTStatusBar();
    ~CKTStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);
    // One pane a command id (0 for the message pane); the texts come from
    // the string resources of the ids.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    CKTStatusBarPane* GetPane(int nIndex) const;
    int CommandToIndex(UINT nID) const;
    // A pane's rectangle in client coordinates; empty for a bad index.
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    BOOL SetPaneText(int nIndex, LPCSTR lpszText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    int CalcHeight() const;
    // Shows the lock keys' states; called on every idle update.
    void UpdateIndicators();

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIsFrameStatusBar(WPARAM, LPARAM) { return TRUE; }
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    DECLARE_MESSAGE_MAP()

private:
    void CreateFont();
    void RecalcLayout();
    void InvalidatePane(int nIndex);
    void SetMessagePaneText(LPCSTR lpszText);
    int MeasureText(const CString& strText) const;
    BOOL HasGripper() const;
    CRect GetGripperRect() const;
    void DrawPane(CDC* pDC, const CKTStatusBarPane& pane, const CRect& rc) const;

    std::vector<std::unique_ptr<CKTStatusBarPane>> m_panes;  // left to right
    std::vector<CRect> m_paneRects;                          // laid out by RecalcLayout
    CFont m_font;                                            // the system's status font
    DWORD m_dwBarStyle;                                      // CBRS_ flags
};
