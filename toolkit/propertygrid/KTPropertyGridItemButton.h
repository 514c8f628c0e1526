// KTPropertyGridItemButton.h: the small buttons at the right end of a value, and an item's set of them.
//
// Classes: CKTPropertyGridItemButton, CKTPropertyGridItemButtons.
#pragma once

#include <afxwin.h>

#include <vector>

#include "KTSmartPtr.h"

class CKTPropertyGridItem;
class CKTPropertyGridView;
class CKTImageManagerIcon;

class CKTPropertyGridItemButton : public CCmdTarget
{
public:
    explicit CKTPropertyGridItemButton(UINT nID);

    int GetIndex() const { return m_nIndex; }
    UINT GetID() const { return m_nID; }
    int GetWidth() const { return m_nWidth; }
    void SetWidth(int nWidth) { m_nWidth = nWidth; }
    CRect GetRect() const { return m_rcButton; }
    CString GetCaption() const { return m_strCaption; }
    void SetCaption(LPCSTR lpszCaption) { m_strCaption = lpszCaption; }
    int GetImageIndex() const { return m_nImage; }
    void SetImageIndex(int nImage) { m_nImage = nImage; }
    CKTPropertyGridItem* GetItem() const { return m_pItem; }
    BOOL IsPressed() const { return m_bPressed; }
    BOOL IsFocused() const;
    BOOL IsHot() const;
    // Null without an item or an image.
    CKTImageManagerIcon* GetImage() const;

    // Remembers where it is drawn and lets the painter draw it.
    void OnDraw(CDC* pDC, CRect rc);
    // Space, Down, Enter and F4 press it.
    BOOL OnKeyDown(UINT nChar);
    // Runs a capture loop; the press counts when released over the button.
    void OnLButtonDown(UINT nFlags, CPoint point);

private:
    friend class CKTPropertyGridItemButtons;
    BOOL TrackPress(CKTPropertyGridView* pView);
    CKTPropertyGridView* GetView() const;

    BOOL m_bPressed = FALSE;                 // the mouse holds it down
    int m_nIndex = -1;                       // position in the item's set
    CKTPropertyGridItem* m_pItem = nullptr;  // owner, not counted
    UINT m_nID;
    CRect m_rcButton;  // where it was last drawn
    int m_nWidth;
    CString m_strCaption;
    int m_nImage = -1;  // in the grid's image manager; -1 none
};

class CKTPropertyGridItemButtons : public CCmdTarget
{
public:
    explicit CKTPropertyGridItemButtons(CKTPropertyGridItem* pItem) : m_pItem(pItem) {}
    ~CKTPropertyGridItemButtons() override;

    // Takes over the caller's reference.
    CKTPropertyGridItemButton* AddButton(CKTPropertyGridItemButton* pButton);
    CKTPropertyGridItemButton* AddExpandButton();
    CKTPropertyGridItemButton* AddComboButton();
    CKTPropertyGridItemButton* Find(UINT nID) const;
    void Remove(CKTPropertyGridItemButton* pButton);
    void Remove(UINT nID);
    void RemoveAll();
    int GetCount() const { return static_cast<int>(m_arr.size()); }
    CKTPropertyGridItemButton* GetAt(int nIndex) const;
    // Only while the item's buttons are visible.
    CKTPropertyGridItemButton* HitTest(CPoint point) const;

private:
    CKTPropertyGridItemButton* AddOnce(UINT nID);
    void Renumber();

    std::vector<CKTSmartPtr<CKTPropertyGridItemButton>> m_arr;
    CKTPropertyGridItem* m_pItem;  // owner, not counted
};
