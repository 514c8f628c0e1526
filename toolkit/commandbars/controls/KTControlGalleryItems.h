// KTControlGalleryItems.h: the items a gallery shows: pictures, colours or styles, and the labels that group them.
//
// Classes: CKTControlGalleryItem, CKTControlGalleryItems.
#pragma once

#include <afxwin.h>

#include "KTSmartPtr.h"

#include <vector>

class CKTControlGallery;
class CKTControlGalleryItems;

class CKTControlGalleryItem : public CCmdTarget
{
public:
    int GetID() const { return m_nId; }
    void SetID(int nId) { m_nId = nId; }
    int GetIndex() const { return m_nIndex; }
    // Labels are group captions: never hot, hit or chosen.
    BOOL IsLabel() const { return m_bLabel; }
    CString GetCaption() const { return m_strCaption; }
    void SetCaption(LPCSTR lpszCaption) { m_strCaption = lpszCaption; }
    CString GetTooltip() const { return m_strTooltip; }
    void SetTooltip(LPCSTR lpszTooltip) { m_strTooltip = lpszTooltip; }
    // Its own size; (0, 0) takes the collection's, a width of 0 fills the row.
    void SetSize(CSize sz) { m_szItem = sz; }

    virtual CSize GetSize(CKTControlGallery* pGallery) const;
    virtual void Draw(CDC* pDC, CKTControlGallery* pGallery, CRect rc, BOOL bEnabled, BOOL bHot, BOOL bPressed,
                      BOOL bChosen);

private:
    friend class CKTControlGalleryItems;
    int m_nId = 0;
    int m_nIndex = 0;
    BOOL m_bLabel = FALSE;
    CString m_strCaption;
    CString m_strTooltip;
    CSize m_szItem = CSize(0, 0);
    CKTControlGalleryItems* m_pItems = NULL;  // the collection that holds it
};

class CKTControlGalleryItems : public CCmdTarget
{
public:
    CKTControlGalleryItem* AddItem(LPCSTR lpszCaption, int nId);
    CKTControlGalleryItem* AddLabel(LPCSTR lpszCaption);
    int GetItemCount() const { return (int)m_items.size(); }
    CKTControlGalleryItem* GetItem(int nIndex) const;
    CSize GetItemSize() const { return m_szItem; }
    void SetItemSize(CSize sz) { m_szItem = sz; }
    // Hot changes redraw only the two items instead of the whole gallery.
    BOOL IsClipItems() const { return m_bClipItems; }
    void SetClipItems(BOOL bClip) { m_bClipItems = bClip; }
    // Draws an item in place of the item's own drawing; TRUE when it did.
    virtual BOOL PreDrawItem(CDC* pDC, CKTControlGallery* pGallery, CKTControlGalleryItem* pItem, CRect rc,
                             BOOL bEnabled, BOOL bHot, BOOL bPressed, BOOL bChosen)
    {
        return FALSE;
    }

private:
    CKTControlGalleryItem* Append(CKTSmartPtr<CKTControlGalleryItem> pItem);

    std::vector<CKTSmartPtr<CKTControlGalleryItem>> m_items;
    CSize m_szItem = CSize(20, 20);
    BOOL m_bClipItems = TRUE;
};
