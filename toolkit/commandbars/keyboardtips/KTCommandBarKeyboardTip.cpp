// KTCommandBarKeyboardTip.cpp: the keyboard tip window; its look is the paint manager's.
#include "KTCommandBarKeyboardTip.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTPaintManager.h"

BEGIN_MESSAGE_MAP(CKTCommandBarKeyboardTip, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

CKTCommandBarKeyboardTip::CKTCommandBarKeyboardTip(CKTCommandBars* pCommandBars, CCmdTarget* pTarget,
                                                   LPCSTR lpszCaption, int x, int y, DWORD dwAlign, BOOL bEnabled)
    : m_strCaption(lpszCaption), m_pTarget(pTarget), m_ptAnchor(x, y), m_bEnabled(bEnabled),
      m_pCommandBars(pCommandBars), m_dwAlign(dwAlign)
{
}

BOOL CKTCommandBarKeyboardTip::IsWindowTarget() const { return dynamic_cast<CWnd*>(m_pTarget) != NULL; }

BOOL CKTCommandBarKeyboardTip::CreateTip(const CRect& rcScreen, BOOL bLayered)
{
    // Saved bits: tips come and go with each key typed over the bars beneath them.
    static LPCSTR s_lpszClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursor(NULL, IDC_ARROW));
    DWORD dwExStyle = WS_EX_TOOLWINDOW | (bLayered ? WS_EX_LAYERED : 0);
    if (!CreateEx(dwExStyle, s_lpszClass, m_strTip, WS_POPUP, rcScreen, NULL, 0))
        return FALSE;
    SetWindowPos(&wndTopMost, rcScreen.left, rcScreen.top, rcScreen.Width(), rcScreen.Height(),
                 SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    m_pCommandBars->GetPaintManager()->DrawKeyboardTip(NULL, this, TRUE);
    if (bLayered)
        ::SetLayeredWindowAttributes(m_hWnd, 0, 150, LWA_ALPHA);
    return TRUE;
}

void CKTCommandBarKeyboardTip::OnPaint()
{
    CPaintDC dc(this);
    m_pCommandBars->GetPaintManager()->DrawKeyboardTip(&dc, this, FALSE);
}
