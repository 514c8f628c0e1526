// StatedControls.h: fields and popups whose hot, pressed and open states a drawing test sets directly.
//
// Classes: CStatedEdit, CStatedOpen (CStatedCombo, CStatedPopup).
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

// A combo box, popup entry or button that is hot or open as the test says.
template <class TControl, int nType>
class CStatedOpen : public TControl
{
public:
    explicit CStatedOpen(CRect rc)
    {
        this->SetType(nType);
        this->m_rcControl = rc;
    }
    void SetState(BOOL bEnabled, int nSelected, BOOL bOpen)
    {
        this->SetEnabled(bEnabled);
        this->m_nSelected = nSelected;
        m_bOpen = bOpen;
    }
    BOOL IsPopuped() const override { return m_bOpen; }

private:
    BOOL m_bOpen = FALSE;
};

using CStatedCombo = CStatedOpen<CKTControlComboBox, ktControlComboBox>;
using CStatedPopup = CStatedOpen<CKTControlPopup, ktControlPopup>;
