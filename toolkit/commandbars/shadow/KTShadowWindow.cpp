// KTShadowWindow.cpp: a shadow strip paints its alpha ramps as a layered window and follows its popup.
#include "KTShadowWindow.h"

#include "KTColorManager.h"
#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTShadowImage.h"
#include "KTWindowHookManager.h"

BEGIN_MESSAGE_MAP(CKTShadowWindow, CWnd)
ON_WM_SIZE()
ON_WM_PAINT()
END_MESSAGE_MAP()

CKTShadowWindow::CKTShadowWindow(BOOL bHorizontal, CKTCommandBar* pOwner)
    : m_bHorizontal(bHorizontal), m_dwFlags(pOwner->GetPaintManager()->m_dwShadowOptions), m_pOwner(pOwner)
{
}

BOOL CKTShadowWindow::Create(PFNUPDATELAYEREDWINDOW pfnUpdateLayeredWindow)
{
    m_pfnUpdateLayeredWindow = pfnUpdateLayeredWindow;
    // The options may turn saved bits off for systems that draw them badly.
    CKTCommandBars* pCommandBars = m_pOwner->GetCommandBars();
    const BOOL bSaveBits = !pCommandBars || pCommandBars->GetCommandBarsOptions()->bUseSystemSaveBitsStyle;
    LPCTSTR lpszClass = AfxRegisterWndClass(bSaveBits ? CS_SAVEBITS | CS_OWNDC : 0, ::LoadCursor(NULL, IDC_ARROW));
    DWORD dwExStyle = WS_EX_TOOLWINDOW | (pfnUpdateLayeredWindow ? WS_EX_LAYERED : 0);
    if (!CreateEx(dwExStyle, lpszClass, NULL, WS_POPUP, CRect(0, 0, 0, 0), m_pOwner->GetSite(), 0))
        return FALSE;
    ::SetWindowRgn(m_hWnd, NULL, FALSE);
    return TRUE;
}

void CKTShadowWindow::ExcludeRect(const CRect& rcScreen)
{
    CRect rcWindow, rcCut;
    GetWindowRect(rcWindow);
    if (!rcCut.IntersectRect(rcWindow, rcScreen))
        return;
    rcCut.OffsetRect(-rcWindow.TopLeft());
    HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
    if (!hRegion)
        return;
    if (::GetWindowRgn(m_hWnd, hRegion) == ERROR)
        ::SetRectRgn(hRegion, 0, 0, rcWindow.Width(), rcWindow.Height());
    HRGN hCut = ::CreateRectRgnIndirect(rcCut);
    if (hCut)
    {
        ::CombineRgn(hRegion, hRegion, hCut, RGN_DIFF);
        ::DeleteObject(hCut);
    }
    // The window owns the region from here on.
    if (!::SetWindowRgn(m_hWnd, hRegion, FALSE))
        ::DeleteObject(hRegion);
}

void CKTShadowWindow::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (cx && cy && m_pfnUpdateLayeredWindow && m_pOwner)
        UpdateLayeredImage(cx, cy);
}

void CKTShadowWindow::UpdateLayeredImage(int cx, int cy)
{
    std::vector<DWORD> pixels =
        KTBuildShadowImage(cx, cy, m_bHorizontal, m_pOwner->GetPaintManager()->m_clrShadowColor, (m_dwFlags & 1) != 0);
    CKTDibSection section(CSize(cx, cy));
    if (!section.GetBits())
        return;
    memcpy(section.GetBits(), pixels.data(), pixels.size() * sizeof(DWORD));
    CKTCompatibleDC dc(NULL, section.GetHandle());
    if (!dc.GetSafeHdc())
        return;
    SIZE size = {cx, cy};
    POINT ptSource = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    m_pfnUpdateLayeredWindow(m_hWnd, NULL, NULL, &size, dc.GetSafeHdc(), &ptSource, 0, &blend, ULW_ALPHA);
}

void CKTShadowWindow::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(rc);
    dc.FillSolidRect(rc, m_pfnUpdateLayeredWindow ? RGB(0, 0, 0) : KTColorManager()->GetColor(COLOR_BTNSHADOW));
}

int CKTShadowWindow::OnHookMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM&, LRESULT&)
{
    if (nMessage == WM_SHOWWINDOW && m_hWnd)
        ShowWindow(wParam ? SW_SHOWNOACTIVATE : SW_HIDE);
    else if (nMessage == WM_DESTROY)
        KTShadowManager()->RemoveShadow(this);
    return ktHookContinue;
}
