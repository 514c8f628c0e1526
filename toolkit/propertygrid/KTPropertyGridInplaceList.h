// KTPropertyGridInplaceList.h: the drop-down list of an item's constraints.
//
// Classes: CKTPropertyGridInplaceList.
#pragma once

#include <afxwin.h>

class CKTPropertyGridItem;
class CKTPropertyGridView;

class CKTPropertyGridInplaceList : public CListBox
{
public:
    CKTPropertyGridInplaceList() = default;
    ~CKTPropertyGridInplaceList() override;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Opens under (or above) the item's row, rectangle in view coordinates.
    virtual void Create(CKTPropertyGridItem* pItem, CRect rect);
    virtual void DestroyItem();
    virtual void Cancel();
    virtual void Apply();

    CKTPropertyGridItem* GetItem() const { return m_pItem; }

protected:
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateListWindow(CKTPropertyGridView* pView);
    CSize Fill(CKTPropertyGridItem* pItem, int nMinWidth);
    CRect PlaceOnScreen(CKTPropertyGridView* pView, CRect rcRow, CSize szList) const;
    void ShowAsPopup(CKTPropertyGridView* pView, const CRect& rcScreen);
    void TakeDown();
    void ReleaseMouseHook();

    CKTPropertyGridItem* m_pItem = nullptr;  // not counted; null when closed
    BOOL m_bTakingDown = FALSE;              // the window is being destroyed
};
