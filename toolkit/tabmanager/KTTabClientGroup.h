// KTTabClientGroup.h: one tab group of the MDI tab client, drawn by the client itself.
//
// Classes: CKTTabClientGroup.
#pragma once

#include <memory>

#include "KTTabManager.h"

class CKTTabClientWnd;

class CKTTabClientGroup : public CKTTabManager
{
public:
    explicit CKTTabClientGroup(CKTTabClientWnd* pOwner) : m_pOwner(pOwner) {}

    // The client that shows its children here; NULL for a workspace no client uses.
    void SetOwner(CKTTabClientWnd* pOwner) { m_pOwner = pOwner; }
    // FALSE for a workspace the client was lent (a control on a command bar): the client never deletes it.
    virtual BOOL IsOwnedByClient() const { return TRUE; }

    void Reposition() override;
    CKTTabPainter* GetPaintManager() const override;
    int GetItemImage(const CKTTabManagerItem* pItem) const override;
    COLORREF GetItemColor(const CKTTabManagerItem* pItem) const override;
    CString GetItemTooltip(const CKTTabManagerItem* pItem) const override;
    void RedrawControl(LPCRECT lpRect, BOOL bAnimate) override;
    BOOL IsAllowReorder() const override;
    void SetAllowReorder(BOOL bAllowReorder) override;
    BOOL IsDrawFrame() const override;
    BOOL DrawIcon(CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const override;
    void OnItemClick(CKTTabManagerItem* pItem) override;
    BOOL OnBeforeItemClick(CKTTabManagerItem* pItem) override;
    void ReOrder(HWND hWnd, CPoint pt, CKTTabManagerItem* pItem) override;
    void OnNavigateButtonClick(CKTTabManagerNavigateButton* pButton) override;
    BOOL IsMouseLocked() const override;
    // FALSE while every tab is hidden: the client then gives the group no room until one shows again.
    BOOL HasShownTab() const;

    double m_dSize = 100.0;  // share of the client along the split direction
    CRect m_rcSplitter;      // the splitter after the group, empty for the last

protected:
    CKTTabClientWnd* GetTabClient() const { return m_pOwner; }

private:
    // The drag between groups: TRUE when the pointer left the header and a drop was chosen.
    void TrackDrag(HWND hWnd, CPoint pt, CKTTabManagerItem* pItem);

    CKTTabClientWnd* m_pOwner;  // not owned
};

// Deletes a group the client made, and leaves a lent one to its owner.
struct CKTTabClientGroupDeleter
{
    void operator()(CKTTabClientGroup* pGroup) const
    {
        if (pGroup->IsOwnedByClient())
            delete pGroup;
    }
};
using CKTTabClientGroupPtr = std::unique_ptr<CKTTabClientGroup, CKTTabClientGroupDeleter>;
