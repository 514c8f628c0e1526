// KTControlCheckBox.h: buttons drawn as a check box or a radio button with their caption beside.
//
// Classes: CKTControlCheckBox, CKTControlRadioButton.
#pragma once

#include "KTControlButton.h"

class CKTControlCheckBox : public CKTControlButton
{
    DECLARE_DYNCREATE(CKTControlCheckBox)
public:
    CKTControlCheckBox() { m_nType = ktControlCheckBox; }
};

class CKTControlRadioButton : public CKTControlButton
{
    DECLARE_DYNCREATE(CKTControlRadioButton)
public:
    CKTControlRadioButton() { m_nType = ktControlRadioButton; }
};
