// KTControlComboBoxEditCtrl.cpp: the messages of a combo box's text field window.
#include "KTControlComboBoxEditCtrl.h"

#include "KTCommandBar.h"
#include "KTControlComboBox.h"

BOOL CKTControlComboBoxEditCtrl::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    ShowToBarTips(m_pCombo, message, wParam, lParam);
    switch (message)
    {
    case WM_SETFOCUS:
        if (m_pCombo->IsCustomizeMode())
            break;
        m_pCombo->OnEditSetFocus((HWND)wParam);
        TakeFocusSelectingAll();
        return TRUE;
    case WM_KILLFOCUS:
        m_bComposing = FALSE;
        Default();
        m_pCombo->OnEditKillFocus();
        return TRUE;
    case WM_DESTROY:
        m_pCombo->GetField()->SaveWindowText();
        break;
    case WM_LBUTTONDOWN:
        if (OnCustomizeLeftPress(m_pCombo, lParam))
            return TRUE;
        break;
    case WM_RBUTTONDOWN:
        OnRButtonDown(wParam, lParam);
        return TRUE;
    case WM_MOUSEMOVE:
        ForwardMouseMoveToBar(m_pCombo, lParam);
        break;
    case WM_CONTEXTMENU:
        // The field's menu came with the press; the bar must not add its own.
        *pResult = 0;
        return TRUE;
    case KTWM_ISBARPART:
        *pResult = 1;
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
    if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE)
        return CKTEdit::OnChildNotify(message, wParam, lParam, pResult);
    m_pCombo->GetField()->OnTextChanged();
    *pResult = 0;
    return TRUE;
}
