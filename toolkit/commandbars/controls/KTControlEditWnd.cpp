// KTControlEditWnd.cpp: the messages of an edit control's field window.
#include "KTControlEditWnd.h"

#include "KTCommandBar.h"
#include "KTControlEdit.h"

BOOL CKTControlEditWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    ShowToBarTips(m_pControl, message, wParam, lParam);
    switch (message)
    {
    case WM_SETFOCUS:
        if (m_pControl->IsCustomizeMode())
            break;
        m_pControl->OnEditSetFocus((HWND)wParam);
        TakeFocusSelectingAll();
        return TRUE;
    case WM_KILLFOCUS:
        m_bComposing = FALSE;
        Default();
        m_pControl->OnEditKillFocus();
        return TRUE;
    case WM_DESTROY:
        m_pControl->GetField()->SaveWindowText();
        break;
    case WM_LBUTTONDOWN:
        if (OnCustomizeLeftPress(m_pControl, lParam))
            return TRUE;
        break;
    case WM_RBUTTONDOWN:
        if (!OnCustomizeRightPress(m_pControl, wParam, lParam))
            ShowFieldMenu(m_pControl, lParam);
        return TRUE;
    case WM_MOUSEMOVE:
        ForwardMouseMoveToBar(m_pControl, lParam);
        break;
    case WM_CONTEXTMENU:
        *pResult = 0;
        return TRUE;
    case KTWM_ISBARPART:
        *pResult = 1;
        return TRUE;
    }
    return CKTEdit::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CKTControlEditWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE)
        return CKTEdit::OnChildNotify(message, wParam, lParam, pResult);
    m_pControl->GetField()->OnTextChanged();
    *pResult = 0;
    return TRUE;
}
