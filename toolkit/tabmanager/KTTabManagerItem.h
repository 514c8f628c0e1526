// KTTabManagerItem.h: one tab of a strip, counted by its manager's list.
//
// Classes: CKTTabManagerItem.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

class CKTImageManagerIcon;
class CKTTabManager;
class CKTTabManagerNavigateButton;

class CKTTabManagerItem : public CCmdTarget
{
public:
    CKTTabManagerItem();
    ~CKTTabManagerItem() override;

    CString GetCaption() const;
    void SetCaption(LPCSTR lpszCaption);
    CString GetTooltip() const { return m_strToolTip; }
    void SetTooltip(LPCSTR lpszTooltip) { m_strToolTip = lpszTooltip; }
    // The stored colour: a COLORREF, an index 0x1000000-0x1000007 or 0 for none.
    COLORREF GetStoredColor() const { return m_clrItem; }
    void SetColor(COLORREF clr);
    // The colour as the manager resolves it.
    COLORREF GetColor() const;

    BOOL IsVisible() const { return m_bVisible; }
    virtual void SetVisible(BOOL bVisible);
    BOOL IsEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled);
    BOOL IsClosable() const { return m_bClosable; }
    void SetClosable(BOOL bClosable) { m_bClosable = bClosable; }

    HWND GetHandle() const { return m_hWnd; }
    void SetHandle(HWND hWnd) { m_hWnd = hWnd; }
    int GetImage() const { return m_nImage; }
    void SetImage(int nImage) { m_nImage = nImage; }
    DWORD_PTR GetData() const { return m_dwData; }
    void SetData(DWORD_PTR dwData) { m_dwData = dwData; }
    int GetIndex() const { return m_nIndex; }
    CKTTabManager* GetTabManager() const { return m_pTabManager; }
    BOOL IsSelected() const;
    BOOL IsHighlighted() const;
    BOOL IsPressed() const;

    CRect GetRect() const { return m_rcItem; }
    // Also empties the rectangles of the tab's own buttons: the layout places them anew.
    void SetRect(const CRect& rcItem);
    int GetLength() const { return m_nLength; }
    int GetFullLength() const { return m_nFullLength; }
    int GetRow() const { return m_nRow; }
    void SetRow(int nRow) { m_nRow = nRow; }

    void Select();
    void Remove();
    // The icon's image for the tab's state (disabled, hot, selected, normal) at the point and size; a square one
    // is turned on a side strip when the paint manager asks for it, to read along the strip as the caption does.
    void DrawImage(CDC* pDC, CPoint pt, CSize sz, CKTImageManagerIcon* pIcon) const;

    // The tab's own buttons (a per-tab close button), owned.
    std::vector<std::unique_ptr<CKTTabManagerNavigateButton>>& GetNavigateButtons() { return m_arrNavigateButtons; }
    // Deletes the tab's own buttons; the manager calls it just before it lets the tab go.
    virtual void OnRemoved();

    DWORD m_dwMark = 0;  // scratch mark of the owner

private:
    friend class CKTTabManager;
    friend class CKTTabPainter;

    int m_nLength = 0;      // along the strip, as the last layout gave it
    int m_nFullLength = 0;  // what caption and icon would need
    int m_nRow = -1;        // row of a multi-row layout
    int m_nIndex = -1;      // position in the manager's list
    BOOL m_bEnabled = TRUE;
    BOOL m_bVisible = TRUE;
    HWND m_hWnd = NULL;  // the window the tab stands for, not owned
    int m_nImage = 0;
    DWORD_PTR m_dwData = 0;
    CRect m_rcItem;
    CString m_strCaption;
    CString m_strToolTip;
    COLORREF m_clrItem = 0;
    CKTTabManager* m_pTabManager = NULL;  // not owned
    BOOL m_bClosable = TRUE;
    std::vector<std::unique_ptr<CKTTabManagerNavigateButton>> m_arrNavigateButtons;
};
