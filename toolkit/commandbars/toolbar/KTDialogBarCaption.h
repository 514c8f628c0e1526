// KTDialogBarCaption.h: the controls of a dialog bar's caption strip and the popup its caption opens.
//
// Classes: CKTDialogBarCloseButton, CKTDialogBarCaptionControl, CKTDialogBarCaptionPopup.
#pragma once

#include "KTControlPopup.h"
#include "KTPopupBar.h"
#include "KTPopupPlacement.h"
#include "KTToolBarCloseButton.h"

// Hides the bar; drawn as the window glyph the system uses for closing.
class CKTDialogBarCloseButton : public CKTToolBarCloseButton
{
    DECLARE_DYNCREATE(CKTDialogBarCloseButton)
public:
    void Draw(CDC* pDC) override;
};

// The caption text; opens the bar's caption popup while that has something to offer.
class CKTDialogBarCaptionControl : public CKTControlPopup
{
    DECLARE_DYNCREATE(CKTDialogBarCaptionControl)
public:
    CKTDialogBarCaptionControl();
    void SetCaptionEnabled(BOOL bEnabled) { m_bCaptionEnabled = bEnabled; }
    BOOL IsCaptionEnabled() const { return m_bCaptionEnabled; }
    void Draw(CDC* pDC) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    BOOL OnSetPopup(BOOL bPopup) override;

private:
    BOOL m_bCaptionEnabled = TRUE;
};

// Opens under the caption's left edge.
class CKTDialogBarCaptionPopup : public CKTPopupBar
{
    DECLARE_DYNCREATE(CKTDialogBarCaptionPopup)
public:
    CKTDialogBarCaptionPopup() { m_dwPopupFlags = ktPopupVertical; }
    void UpdateLocation() override;
};
