// KBTabBase.h: what the themed tab control does beyond the common control: one window per tab shown in the
// display area, keys that walk the tabs, captions cut to fit one row, a context menu and the theme it paints with.
//
// Classes: CKBTabBase.
#pragma once

#include <afxcmn.h>

#include <memory>
#include <vector>

#include "KBTabCtrlItem.h"
#include "KBThemeManager.h"

class CKBTabBaseTheme;
class CKBTabCtrlArrowWnd;

class CKBTabBase : public CKBThemeManagerStyleHost
{
public:
    // Notifications to the parent window (wParam the control's id, lParam the control).
    enum
    {
        kbTabNotifyChanged = 0x2740,
        kbTabNotifyChanging = 0x2741
    };

    // The looks come from the factory's themes, by the basic controls' theme id.
    CKBTabBase(CTabCtrl* pTabCtrl, CRuntimeClass* pThemeFactory);
    ~CKBTabBase() override;

    // Adds a tab for an existing window; nIndex -1 appends, nImage -1 uses the tab's position.
    BOOL InsertItem(int nIndex, LPCTSTR lpszLabel, CWnd* pWnd, int nImage = -1);
    // Creates a view of the class as the tab's window and adds it.
    BOOL AddView(LPCTSTR lpszLabel, CRuntimeClass* pViewClass, CCreateContext* pContext = nullptr, int nIndex = -1,
                 int nImage = -1);
    BOOL DeleteItem(int nIndex, BOOL bDestroyWindow = TRUE);
    void DeleteAllItems(BOOL bDestroyWindows = TRUE);
    int FindIndex(const CWnd* pWnd) const;
    int FindIndex(CRuntimeClass* pClass) const;
    // NULL unless the tab's window is alive.
    CWnd* GetItemWnd(int nIndex) const;
    CString GetItemLabel(int nIndex) const;
    CString GetItemLabel(const CWnd* pWnd) const { return GetItemLabel(FindIndex(pWnd)); }
    // A tooltip of NULL follows the label, as on a new tab.
    BOOL SetItemLabel(int nIndex, LPCTSTR lpszLabel, LPCTSTR lpszTooltip = nullptr);
    // The tab at a client point; (0, 0) asks for the tab under the cursor.
    int HitTest(CPoint pt = CPoint(0, 0)) const;
    BOOL ActivateItem(int nIndex);
    BOOL ActivateItem(CWnd* pWnd) { return ActivateItem(FindIndex(pWnd)); }
    void NextItem();
    void PrevItem();
    // The display area the tab windows fill; empty while no tab is selected.
    CRect GetChildRect() const;
    void SetPopupMenu(UINT nMenuId, int nSubMenu = 0);
    void SetTruncateCaptions(BOOL bTruncate);
    BOOL IsTruncateCaptions() const { return m_bTruncateCaptions; }
    void InitialUpdate();
    void RepositionTabs();
    int GetItemCount() const { return int(m_items.size()); }
    const CKBTabCtrlItem* GetItem(int nIndex) const;
    int GetActiveIndex() const { return m_nActiveIndex; }
    CKBTabBaseTheme* GetTheme();
    CKBTabCtrlArrowWnd* GetArrowWnd() const { return m_pArrowWnd.get(); }
    CTabCtrl* GetTabCtrl() const { return m_pTabCtrl; }
    // The width a tab asks for its caption (the cutting rule).
    int MeasureCaption(CDC* pDC, const CString& strText, BOOL bImage) const;

    BOOL m_bBoldCaption = FALSE;        // the selected caption in bold
    BOOL m_bChildFrame = TRUE;          // the theme frames the display area
    BOOL m_bSendInitialUpdate = FALSE;  // new views get WM_INITIALUPDATE

protected:
    // The control's hooks.
    BOOL TranslateTabKey(const MSG* pMsg);
    BOOL RouteCommand(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    void OnSelChanging();
    void OnSelChange();
    void OnPositionChanged();
    void TrackPopupMenu(CPoint ptClient);
    void ApplyFont();
    void CutCaptions();

private:
    void Renumber();
    void NotifyParent(UINT nMessage);
    void ShowActiveItem();
    void HideItemWindow(CWnd* pWnd);
    void RestoreFrameView(CWnd* pLeaving);
    CFrameWnd* FindParentFrame() const;

    CTabCtrl* m_pTabCtrl;  // the control this part belongs to
    std::unique_ptr<CKBTabCtrlArrowWnd> m_pArrowWnd;
    std::vector<std::unique_ptr<CKBTabCtrlItem>> m_items;  // in tab order
    BOOL m_bTruncateCaptions = FALSE;
    UINT m_nPopupMenuId = 0;
    int m_nPopupSubMenu = 0;
    CFrameWnd* m_pParentFrame = nullptr;  // not owned
    CView* m_pLastFrameView = nullptr;    // the frame's active view before one of ours took its place
    int m_nActiveIndex = -1;              // the tab whose window was shown last
};
