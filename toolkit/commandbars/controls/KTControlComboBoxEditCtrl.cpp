// KTControlComboBoxEditCtrl.cpp: the messages of a combo box's text field window.
#include "KTControlComboBoxEditCtrl.h"

#include "KTCommandBar.h"
#include "KTControlComboBox.h"

BOOL CKTControlComboBoxEditCtrl::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (OnFieldMessage(m_pCombo, message, wParam, lParam, pResult))
        return TRUE;
    switch (message)
    {
    case WM_RBUTTONDOWN:
        OnRButtonDown(wParam, lParam);
        return TRUE;
    case KTWM_SUGGESTSHOWN:
        // The shell's list and the box's never show together.
        m_pCombo->CloseList();
        return TRUE;
    }
    return CKTEdit::OnWndMsg(message, wParam, lParam, pResult);
}

void CKTControlComboBoxEditCtrl::OnRButtonDown(WPARAM wParam, LPARAM lParam)
{
    if (OnCustomizeRightPress(m_pCombo, wParam, lParam))
        return;
    m_pCombo->CloseList();
    ShowFieldMenu(m_pCombo, lParam);
}

BOOL CKTControlComboBoxEditCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return OnFieldChildNotify(m_pCombo, message, wParam, pResult) ||
           CKTEdit::OnChildNotify(message, wParam, lParam, pResult);
}
