// KTControlComboBoxEditCtrl.h: the window of a drop-down combo box's text field.
//
// Classes: CKTControlComboBoxEditCtrl.
#pragma once

#include "KTEdit.h"

class CKTControlComboBox;

class CKTControlComboBoxEditCtrl : public CKTEdit
{
public:
    explicit CKTControlComboBoxEditCtrl(CKTControlComboBox* pCombo) : m_pCombo(pCombo) {}

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    // The box's own list gives way to the field's menu.
    void OnRButtonDown(WPARAM wParam, LPARAM lParam);

    CKTControlComboBox* m_pCombo;  // owns this window
};
