// KTControlEditWnd.cpp: the messages of an edit control's field window.
#include "KTControlEditWnd.h"

#include "KTControlEdit.h"

BOOL CKTControlEditWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (OnFieldMessage(m_pControl, message, wParam, lParam, pResult))
        return TRUE;
    if (message != WM_RBUTTONDOWN)
        return CKTEdit::OnWndMsg(message, wParam, lParam, pResult);
    if (!OnCustomizeRightPress(m_pControl, wParam, lParam))
        ShowFieldMenu(m_pControl, lParam);
    return TRUE;
}

BOOL CKTControlEditWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return OnFieldChildNotify(m_pControl, message, wParam, pResult) ||
           CKTEdit::OnChildNotify(message, wParam, lParam, pResult);
}
