// KTControlPopup.h: a button that opens a popup bar, alone or beside a command part.
//
// Classes: CKTControlPopup.
#pragma once

#include "KTControlButton.h"
#include "KTSmartPtr.h"

class CKTControlPopup : public CKTControlButton
{
    DECLARE_DYNCREATE(CKTControlPopup)
public:
    CKTControlPopup() { m_nType = ktControlPopup; }
    ~CKTControlPopup() override;

    CKTCommandBar* GetCommandBar() const override { return m_pCommandBar; }
    CKTControlPopup* AsControlPopup() override { return this; }
    void SetCommandBar(CKTCommandBar* pBar);
    BOOL IsPopuped() const override { return m_bPopuped; }

    BOOL OnSetPopup(BOOL bPopup) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnKeyboardTip() override;
    void OnLButtonUp(CPoint pt) override;
    void OnCustomizeDragOver(CKTControl* pDragged, CPoint pt) override;
    BOOL IsCustomizeDropAllowed(CKTCommandBar* pBar) const override;
    void OnMouseMove(CPoint pt) override;
    void OnMouseHover() override;
    // A double click runs the open popup's default item, or shows the commands a collapsed menu hides.
    BOOL OnLButtonDblClk(CPoint pt) override;
    void ExpandCommandBar();
    BOOL OnSetSelected(int nSelected) override;
    void Copy(CKTControl* pFrom, BOOL bRecursive) override;
    BOOL Compare(CKTControl* pOther) override;
    void DoPropExchange(CKTPropExchange* pPX) override;
    void RestoreCommandBarList(CKTCommandBarList* pList) override;
    // The popup's controls are laid out for the theme too, though no frame's bar lists them.
    void OnThemeChanged() override;
    // The bar id read from a saved state, until the bar of that id is linked.
    UINT GetSavedCommandBarId() const { return m_nCommandBarId; }
    // The part of the screen, as the control's rectangle, that its opened popup leaves uncovered.
    virtual void AdjustExcludeRect(CRect& rc, BOOL bVertical);
    // The control's own shadow beside its open popup, on bars that are no popups.
    virtual void UpdateShadow();

protected:
    // A press while customising: the popup opens, or closes when open, and the control is dragged.
    void OnCustomizeClickPopup(CPoint pt);

private:
    BOOL IsOnCommandPart(CPoint pt) const;

    BOOL m_bPopuped = FALSE;
    BOOL m_bCastShadow = TRUE;
    BOOL m_bPassingThemeChange = FALSE;        // a popup that opens itself again, at any depth, hears of it once
    CKTSmartPtr<CKTCommandBar> m_pCommandBar;  // held
    UINT m_nCommandBarId = 0;                  // loaded, not yet linked
};
