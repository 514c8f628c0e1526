// KTControlGallery.h: a scrollable grid of items on a bar, hot with the mouse or the keys, previewed on the site
// while hot and picked with a click.
//
// Classes: CKTControlGallery.
#pragma once

#include "KTBarScrollBar.h"
#include "KTControlGalleryItems.h"
#include "KTControlPopup.h"

#include <vector>

// The preview notifications to the site.
enum KTGalleryNotify
{
    KTN_GALLERY_PREVIEWBEGIN = 0x1010,
    KTN_GALLERY_PREVIEWCANCEL = 0x1011,
    KTN_GALLERY_PREVIEWAPPLY = 0x1012,
    KTN_GALLERY_PREVIEWCHANGE = 0x1013,
};

class CKTControlGallery : public CKTControlPopup, public CKTBarScrollBar
{
    DECLARE_DYNCREATE(CKTControlGallery)
public:
    CKTControlGallery();
    ~CKTControlGallery() override;

    // Puts the items on the gallery's action, which every gallery of the command shows; a gallery without an
    // action keeps them itself.
    void SetItems(CKTControlGalleryItems* pItems);
    CKTControlGalleryItems* GetItems() const;
    int GetItemCount() const { return GetItems() ? GetItems()->GetItemCount() : 0; }
    CKTControlGalleryItem* GetItem(int nIndex) const { return GetItems() ? GetItems()->GetItem(nIndex) : NULL; }
    void ShowLabels(BOOL bShow) { m_bShowLabels = bShow; }
    BOOL IsShowLabels() const { return m_bShowLabels; }
    void ShowScrollBar(BOOL bShow) { m_bShowScrollBar = bShow; }
    BOOL IsShowScrollBar() const { return m_bShowScrollBar; }
    void ShowBorders(BOOL bShow) { m_bShowBorders = bShow; }
    BOOL IsShowBorders() const { return m_bShowBorders; }
    // Room kept free on each side of the items and the scroll bar.
    void SetMargin(CRect rcMargin);
    CRect GetMargin() const { return m_rcMargin; }
    // Stands on a popup bar, unframed, with another visible control after it.
    BOOL IsFollowedOnPopup() const;
    void SetChosenItem(int nId) { m_nChosen = nId; }
    int GetChosenItem() const { return m_nChosen; }

    CRect GetBorders() const;
    CRect GetItemsRect() const;
    int GetScrollPos() const { return m_nScrollPos; }
    void SetScrollPos(int nPos);
    int GetContentHeight() const { return m_nContentHeight; }
    // Kept while the mouse is away, as the selection of a combo box's drop-down.
    int GetHotItem() const { return m_nHotItem; }
    // From the keys, a combo box or a screen reader: also previews the item.
    void SetHotItem(int nIndex);
    int HitTestItem(CPoint pt) const;
    // The item's rectangle as shown: scrolled, and cut to the items rectangle.
    CRect GetItemDrawRect(int nIndex) const;
    // The item's rectangle as laid out, before scrolling: whole, wherever the view stands.
    CRect GetItemLayoutRect(int nIndex) const;
    void EnsureVisible(int nIndex);

    int GetNextItem(int nIndex, int nStep) const;
    int GetPageItem(int nIndex, int nStep) const;
    int GetRowNeighbour(int nIndex, int nStep) const;
    int GetColumnNeighbour(int nIndex, int nStep) const;

    using CKTControlPopup::GetTooltip;
    CString GetTooltip(CPoint pt, CRect* pRect, INT_PTR* pToolId) const override;
    BOOL IsFocused() const override;
    void SetAction(CKTControlAction* pAction) override;
    void OnActionChanged(int nProperty) override;
    void DoPropExchange(CKTPropExchange* pPX) override;
    void SetRect(CRect rc) override;
    // The scroll buttons' column and the items' sizes are the theme's: the rows are laid out again.
    void OnThemeChanged() override;
    void OnExecute() override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    BOOL IsDrawnByItself() const override { return IsGalleryStyle(); }
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    int OnHookMouseWheel(int nDelta) override;
    void Copy(CKTControl* pFrom, BOOL bRecursive) override;
    BOOL OnSetPopup(BOOL bPopup) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint pt) override;
    void OnMouseMove(CPoint pt) override;
    void OnMouseHover() override;
    BOOL OnSetSelected(int nSelected) override;
    void AdjustExcludeRect(CRect& rc, BOOL bVertical) override;

    BOOL IsScrollBarEnabled() const override { return IsEnabled(); }
    CKTCommandBar* GetParentCommandBar() const override { return m_pParent; }
    CRect GetScrollBarRect() override;
    void GetScrollInfo(SCROLLINFO* pSI) override;
    void DoScroll(int nCode, int nPos) override;
    void RedrawScrollBar() override;
    void CalcScrollBarPosInfo(CRect rc, KT_SCROLLBARPOSINFO* pInfo, const SCROLLINFO& si) override;
    CKTGalleryPaintManager* GetGalleryPaintManager() const override;

protected:
    std::unique_ptr<CKTAccessible> CreateAccessible() override;

private:
    struct CItemLayout
    {
        CRect rc;  // in the control's coordinates, before scrolling
        CKTControlGalleryItem* pItem = NULL;
        BOOL bBeginRow = FALSE;
    };
    int GetShownHotItem() const { return m_bHideHot ? -1 : m_nHotItem; }
    BOOL IsGalleryStyle() const { return GetStyle() == ktButtonAutomatic; }
    // The collection's default item size; its height is a line of scrolling.
    CSize GetDefaultItemSize() const { return GetItems() ? GetItems()->GetItemSize() : CSize(0, 0); }
    // Stands on a bar with its popup: three buttons instead of a scroll bar.
    BOOL IsInPlace() const;
    // The column of the buttons of a gallery on a bar, or a system scroll bar's width.
    int GetScrollBarWidth() const;
    BOOL IsSelectable(int nIndex) const;
    void RepositionItems();
    int ClampScrollPos(int nPos) const;
    // The records match the items shown, one for one, laid out with the theme's scroll bar of now.
    BOOL IsLayoutCurrent() const;
    void RedrawItems(int nOld, int nNew);
    void OnMouseLeave();
    void BeginPreview();
    void EndPreview(int nCode);
    void DrawItems(CDC* pDC);

    CKTSmartPtr<CKTControlGalleryItems> m_pItems;  // shown while the action carries none
    int m_nChosen = -1;                            // id of the item shown as chosen
    int m_nHotItem = -1;
    BOOL m_bHideHot = FALSE;      // the mouse left: the hot item stays, not shown
    BOOL m_bPressed = FALSE;      // the button went down on the hot item
    int m_nScrollPos = 0;         // pixels scrolled from the top of the content
    BOOL m_bKeyboardHot = FALSE;  // the hot item came from the keys or a program
    int m_nContentHeight = 0;
    BOOL m_bShowLabels = TRUE;
    BOOL m_bShowScrollBar = TRUE;
    BOOL m_bShowBorders = FALSE;
    CRect m_rcMargin = CRect(0, 0, 0, 0);
    BOOL m_bPreview = FALSE;  // a preview is open on the site
    std::vector<CItemLayout> m_layout;
    int m_nLayoutScrollBarWidth = -1;  // what the records were laid out with
};
