// KTTreeCtrl.cpp: system keys go past the platform's tree control to the default window procedure.
#include "KTTreeCtrl.h"

IMPLEMENT_DYNAMIC(CKTTreeCtrl, CTreeCtrl)

BEGIN_MESSAGE_MAP(CKTTreeCtrl, CTreeCtrl)
ON_WM_SYSKEYDOWN()
END_MESSAGE_MAP()

// The tree has no use for system keys.
void CKTTreeCtrl::OnSysKeyDown(UINT, UINT, UINT)
{
    const MSG* pMsg = GetCurrentMessage();
    ::DefWindowProc(m_hWnd, WM_SYSKEYDOWN, pMsg->wParam, pMsg->lParam);
}
