// KTTabManager.h: the model and the mouse and keyboard behaviour of one strip of tabs.
//
// Classes: CKTTabManager.
#pragma once

#include <afxwin.h>

#include <memory>
#include <utility>
#include <vector>

#include "KTSmartPtr.h"
#include "KTTabManagerItem.h"
#include "KTTabLayout.h"
#include "KTTabManagerNavigateButton.h"
#include "KTWinThemeWrapper.h"

class CKTTabPainter;

// A mix-in without a window: the deriving class supplies the window, the paint manager and the redraw.
class CKTTabManager
{
public:
    typedef CKTSmartPtr<CKTTabManagerItem> CItemPtr;

    CKTTabManager();
    CKTTabManager(const CKTTabManager&) = delete;
    CKTTabManager& operator=(const CKTTabManager&) = delete;

    virtual void OnPropertyChanged();
    virtual ~CKTTabManager();
    virtual void Reposition() = 0;
    virtual CString GetItemCaption(const CKTTabManagerItem* pItem) const;
    virtual int GetItemImage(const CKTTabManagerItem* pItem) const;
    virtual COLORREF GetItemColor(const CKTTabManagerItem* pItem) const;
    virtual CString GetItemTooltip(const CKTTabManagerItem* pItem) const;
    virtual void OnItemsChanged();
    virtual void SetSelectedItem(CKTTabManagerItem* pItem);
    virtual void ClickItem(CKTTabManagerItem* pItem);
    virtual void GetItemMetrics(CSize* pszNormal, CSize* pszMin, CSize* pszMax) const;
    virtual CKTTabPainter* GetPaintManager() const = 0;
    virtual void OnHook(DWORD_PTR dwValue);
    virtual void RedrawControl(LPCRECT lpRect, BOOL bAnimate) = 0;
    virtual BOOL IsAllowReorder() const;
    virtual void SetAllowReorder(BOOL bAllowReorder);
    virtual BOOL IsDrawFrame() const;
    virtual BOOL DrawIcon(CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const = 0;
    virtual int GetPosition() const;
    virtual void Scroll(BOOL bForward);
    virtual INT_PTR OnToolHitTest(HWND hWnd, CPoint pt, TOOLINFOA* pTI) const;
    virtual BOOL PerformKeyDown(HWND hWnd, UINT nChar);
    // Offered the header's background first; TRUE when it filled it.
    virtual BOOL OnDrawHook(CDC* pDC, LPCRECT lpRect, int nPart, int nState, DWORD_PTR dwValue);
    virtual BOOL IsNavigateButtonAutoVisible(CKTTabManagerNavigateButton* pButton) const;
    virtual void OnItemClick(CKTTabManagerItem* pItem);
    virtual BOOL OnBeforeItemClick(CKTTabManagerItem* pItem);
    virtual void ReOrder(HWND hWnd, CPoint pt, CKTTabManagerItem* pItem);
    virtual void OnNavigateButtonClick(UINT nID);
    virtual void OnNavigateButtonClick(CKTTabManagerNavigateButton* pButton);
    virtual BOOL IsMouseLocked() const;
    virtual BOOL HasFocus() const;

    CKTTabManagerItem* InsertItem(int nIndex, CKTTabManagerItem* pItem = NULL);
    int GetItemCount() const { return static_cast<int>(m_arrItems.size()); }
    CKTTabManagerItem* GetItem(int nIndex) const;
    int GetCurSel() const;
    void SetCurSel(int nIndex);
    BOOL DeleteItem(int nIndex);
    void DeleteAllItems();
    CKTTabManagerItem* HitTest(CPoint pt) const;
    CKTTabManagerItem* FindNextFocusable(int nIndex, int nDirection) const;
    CKTTabManagerNavigateButton* FindNavigateButton(UINT nID) const;
    CKTTabManagerNavigateButton* FindNavigateButtonAt(CPoint pt, BOOL bManagerOnly, int* pIndex = NULL) const;
    // TRUE when the press was taken by a button or a tab.
    BOOL PerformClick(HWND hWnd, CPoint pt, BOOL bNoItemClick = FALSE);
    void PerformMouseMove(HWND hWnd, CPoint pt);
    void EnsureVisible(CKTTabManagerItem* pItem);
    BOOL IsHorizontalPosition() const;
    int GetLayout() const;
    int GetItemsLength() const;
    int GetScrollOffset() const { return m_nScrollOffset; }
    void SetScrollOffset(int nOffset);
    int GetScrollStep() const { return m_nScrollStep; }
    void SetItemMetrics(CSize szNormal, CSize szMin, CSize szMax);
    void SetRowCount(int nRows);
    int GetRowCount() const { return static_cast<int>(m_arrRows.size()); }
    std::pair<int, int> GetRowItems(int nRow) const { return m_arrRows[nRow]; }
    void SetRowItems(int nRow, int nFirst, int nLast) { m_arrRows[nRow] = {nFirst, nLast}; }
    BOOL IsActive() const { return m_bActive; }
    void SetActive(BOOL bActive);
    void SetPerTabCloseMode(int nMode) { m_nPerTabCloseMode = nMode; }
    // Puts a button among the manager's own, at the position (the end when out of range).
    void InsertNavigateButton(int nIndex, std::unique_ptr<CKTTabManagerNavigateButton> pButton);
    // Whether the button is still one of the manager's or of a tab's (a loop may have deleted it).
    BOOL HasNavigateButton(const CKTTabManagerNavigateButton* pButton) const;
    // Index of the tab in the list, -1 when it left it.
    int FindIndex(const CKTTabManagerItem* pItem) const;
    // Runs the modal loop of a press on one of the strip's buttons.
    void TrackNavigateButton(CKTTabManagerNavigateButton* pButton, HWND hWnd, CPoint pt);

    CKTTabManagerItem* GetSelectedItem() const { return m_pSelected; }
    CKTTabManagerItem* GetHighlightedItem() const { return m_pHighlighted; }
    CKTTabManagerItem* GetPressedItem() const { return m_pPressed; }
    CKTTabManagerNavigateButton* GetHighlightedButton() const { return m_pHighlightedButton; }
    const std::vector<std::unique_ptr<CKTTabManagerNavigateButton>>& GetNavigateButtons() const
    {
        return m_arrNavigateButtons;
    }

    // Keeps what the painter's layout returned; the scroll offset changes without a new layout.
    void SetLayout(const KT_TAB_LAYOUT& layout);

    CRect m_rcHeaderRect;  // where tabs may be hit; empty for no limit
    CRect m_rcControl;     // the whole control
    CRect m_rcClient;      // the area below or beside the tabs

protected:
    friend class CKTTabManagerNavigateButton;

    // The click on a tab that selects on release.
    void TrackClick(HWND hWnd, CKTTabManagerItem* pItem);
    void SwapForDrag(CKTTabManagerItem* pItem, const std::vector<CRect>& arrRects, CPoint pt);
    void SetHighlighted(HWND hWnd, CKTTabManagerItem* pItem);
    void SetHighlightedButton(HWND hWnd, CKTTabManagerNavigateButton* pButton);
    void RedrawItem(CKTTabManagerItem* pItem, BOOL bAnimate);
    void ResetRows();
    std::vector<CRect> CopyItemRects() const;
    // The tab under the point whose tip shows there: a tab with a tip has it always (tooltip mode 1) or only while
    // it is cut (mode 2); NULL for none.
    CKTTabManagerItem* FindTooltipItem(CPoint pt) const;

    CKTTabManagerItem* m_pSelected = NULL;
    CKTTabManagerItem* m_pHighlighted = NULL;
    CKTTabManagerItem* m_pPressed = NULL;
    CKTTabManagerNavigateButton* m_pHighlightedButton = NULL;
    int m_nScrollOffset = 0;  // 0 or negative
    BOOL m_bAllowReorder = TRUE;
    BOOL m_bActive = TRUE;
    int m_nPerTabCloseMode = ktNavigateButtonNone;  // close button given to every new tab
    std::vector<CItemPtr> m_arrItems;
    std::vector<std::unique_ptr<CKTTabManagerNavigateButton>> m_arrNavigateButtons;
    CKTWinThemeWrapper m_themeToolbar;
    std::vector<std::pair<int, int>> m_arrRows;  // first and last tab of each row
    int m_nScrollStep = 20;
};
