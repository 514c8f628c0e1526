// StatedControls.h: fields and popups whose hot, pressed and open states a drawing test sets directly.
//
// Classes: CStatedEdit, CStatedCombo, CStatedPopup.
#pragma once

#include "KTCommandBar.h"
#include "KTControlComboBox.h"
#include "KTControlEdit.h"

// An edit field with spin buttons over the given rectangle.
class CStatedEdit : public CKTControlEdit
{
public:
    explicit CStatedEdit(CRect rc)
    {
        SetType(ktControlEdit);
        ShowSpinButtons(TRUE);
        m_rcControl = rc;
    }
    // Selected 3 and 4 are the spin halves hot, pressed 3 and 4 held.
    void SetState(BOOL bEnabled, int nSelected, int nPressed)
    {
        SetEnabled(bEnabled);
        m_nSelected = nSelected;
        m_nPressed = nPressed;
    }
};

class CStatedCombo : public CKTControlComboBox
{
public:
    explicit CStatedCombo(CRect rc)
    {
        SetType(ktControlComboBox);
        m_rcControl = rc;
    }
    void SetState(BOOL bEnabled, int nSelected, BOOL bDropped)
    {
        SetEnabled(bEnabled);
        m_nSelected = nSelected;
        m_bDropped = bDropped;
    }
    BOOL IsPopuped() const override { return m_bDropped; }

private:
    BOOL m_bDropped = FALSE;
};

// A popup entry or button that is hot or open as the test says.
class CStatedPopup : public CKTControlPopup
{
public:
    explicit CStatedPopup(CRect rc)
    {
        SetType(ktControlPopup);
        m_rcControl = rc;
    }
    void SetState(BOOL bEnabled, int nSelected, BOOL bOpen)
    {
        SetEnabled(bEnabled);
        m_nSelected = nSelected;
        m_bOpen = bOpen;
    }
    BOOL IsPopuped() const override { return m_bOpen; }

private:
    BOOL m_bOpen = FALSE;
};
