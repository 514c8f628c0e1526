// KTTabManagerNavigateButton.h: the small buttons inside a tab strip: scroll left, scroll right and close.
//
// Classes: CKTTabManagerNavigateButton, CKTTabManagerNavigateButtonScrollLeft,
// CKTTabManagerNavigateButtonScrollRight, CKTTabManagerNavigateButtonClose.
#pragma once

#include <afxwin.h>

class CKTTabManager;
class CKTTabManagerItem;

enum KTNavigateButton
{
    ktNavigateButtonLeft = 0,
    ktNavigateButtonRight = 1,
    ktNavigateButtonClose = 2,
    ktNavigateButtonActiveFiles = 4
};

enum KTNavigateButtonMode
{
    ktNavigateButtonNone = 0,       // never shown
    ktNavigateButtonAutomatic = 1,  // shown when needed
    ktNavigateButtonAlways = 2
};

class CKTTabManagerNavigateButton
{
public:
    CKTTabManagerNavigateButton(CKTTabManager* pManager, UINT nID, int nMode, UINT nTooltipID);
    virtual ~CKTTabManagerNavigateButton();
    CKTTabManagerNavigateButton(const CKTTabManagerNavigateButton&) = delete;
    CKTTabManagerNavigateButton& operator=(const CKTTabManagerNavigateButton&) = delete;

    UINT GetID() const { return m_nID; }
    int GetMode() const { return m_nMode; }
    void SetMode(int nMode) { m_nMode = nMode; }
    CRect GetRect() const { return m_rcButton; }
    void SetRect(const CRect& rc) { m_rcButton = rc; }
    BOOL IsEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }
    BOOL IsPressed() const { return m_bPressed; }
    void SetPressed(BOOL bPressed) { m_bPressed = bPressed; }
    CString GetTooltip() const { return m_strToolTip; }
    CKTTabManagerItem* GetItem() const { return m_pItem; }
    void SetItem(CKTTabManagerItem* pItem) { m_pItem = pItem; }
    CKTTabManager* GetTabManager() const { return m_pManager; }

    // Takes the button's extent off a length the paint manager shares out.
    virtual void AdjustWidth(int& nLength);
    virtual CSize GetSize() const;
    virtual void PerformClick(HWND hWnd, CPoint pt);
    // Places the button at the far end of the strip and takes its room off it.
    virtual void Reposition(CRect& rcStrip);
    // The glyph, centred on rc: the face as the colour set left it, moved while pressed.
    virtual void DrawEntry(CDC* pDC, CRect rc) = 0;
    // bTick: an auto-repeat tick while held; FALSE for the final release inside the button.
    virtual void OnExecute(BOOL bTick) = 0;

protected:
    void Place(CRect& rcStrip);
    int Extent() const;
    BOOL IsVerticalStrip() const;

    UINT m_nID;
    int m_nMode;
    CKTTabManager* m_pManager;  // not owned
    CRect m_rcButton;           // empty while hidden
    BOOL m_bEnabled = TRUE;
    BOOL m_bPressed = FALSE;
    CString m_strToolTip;
    CKTTabManagerItem* m_pItem = NULL;  // the tab that owns the button, if any
};

// The scroll buttons share the rule of when they show.
class CKTTabManagerNavigateButtonScroll : public CKTTabManagerNavigateButton
{
public:
    using CKTTabManagerNavigateButton::CKTTabManagerNavigateButton;

protected:
    void PlaceScroll(CRect& rcStrip);
};

class CKTTabManagerNavigateButtonScrollLeft : public CKTTabManagerNavigateButtonScroll
{
public:
    CKTTabManagerNavigateButtonScrollLeft(CKTTabManager* pManager, int nMode);
    void Reposition(CRect& rcStrip) override;
    void DrawEntry(CDC* pDC, CRect rc) override;
    void OnExecute(BOOL bTick) override;
};

class CKTTabManagerNavigateButtonScrollRight : public CKTTabManagerNavigateButtonScroll
{
public:
    CKTTabManagerNavigateButtonScrollRight(CKTTabManager* pManager, int nMode);
    void Reposition(CRect& rcStrip) override;
    void DrawEntry(CDC* pDC, CRect rc) override;
    void OnExecute(BOOL bTick) override;
};

class CKTTabManagerNavigateButtonClose : public CKTTabManagerNavigateButton
{
public:
    CKTTabManagerNavigateButtonClose(CKTTabManager* pManager, int nMode);
    void AdjustWidth(int& nLength) override;
    void DrawEntry(CDC* pDC, CRect rc) override;
    void OnExecute(BOOL bTick) override;
};
