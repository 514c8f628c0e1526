// KTDockingPaneCaptionButton.h: one button of a caption bar (close, maximize, restore, pin, menu).
//
// Classes: CKTDockingPaneCaptionButton.
#pragma once

#include <afxwin.h>

class CKTDockingPaneNode;

class CKTDockingPaneCaptionButton
{
public:
    // Pin states: where the owner lives.
    enum
    {
        ktPinFloating = 0,
        ktPinDocked = 1,
        ktPinHidden = 3
    };

    CKTDockingPaneCaptionButton(int nID, CKTDockingPaneNode* pOwner) : m_nID(nID), m_pOwner(pOwner) {}

    int GetID() const { return m_nID; }
    CKTDockingPaneNode* GetOwner() const { return m_pOwner; }
    CRect GetRect() const { return m_rc; }
    // The owner repaints a button whose place changed.
    void SetRect(const CRect& rc);
    BOOL IsVisible() const;
    BOOL IsEnabled() const;
    BOOL IsPressed() const { return m_bPressed; }
    void SetPressed(BOOL bPressed);
    BOOL IsHot() const { return m_bHot; }
    void ClearHot() { m_bHot = FALSE; }
    DWORD GetState() const { return m_dwState; }
    void SetState(DWORD dwState) { m_dwState = dwState; }
    // TRUE only when the button has just become hot.
    BOOL CheckHover(CPoint pt);

private:
    void TrackLeave() const;

    int m_nID;
    CKTDockingPaneNode* m_pOwner;  // not owned
    CRect m_rc;                    // laid out by the caption drawing
    BOOL m_bPressed = FALSE;
    BOOL m_bHot = FALSE;
    DWORD m_dwState = ktPinDocked;
};
