// KTDockingPaneContextStickerWnd.cpp: a sticker window painting its picture with the hot part lit.
#include "KTDockingPaneContextStickerWnd.h"

#include "KTDockingPaneStickerPicture.h"
#include "KTDrawObjects.h"

BEGIN_MESSAGE_MAP(CKTDockingPaneContextStickerWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CKTDockingPaneContextStickerWnd::CKTDockingPaneContextStickerWnd(const CKTDockingPaneStickerPicture* pPicture,
                                                                 int nParts)
    : m_pPicture(pPicture), m_nParts(nParts)
{
}

BOOL CKTDockingPaneContextStickerWnd::Create(CWnd* pOwner, CPoint ptScreen, HRGN hRegion)
{
    const CSize size = m_pPicture->GetSize(m_nParts);
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW));
    if (!CreateEx(WS_EX_TOOLWINDOW, lpszClass, _T(""), WS_POPUP, CRect(ptScreen, size), pOwner, 0))
    {
        if (hRegion)
            ::DeleteObject(hRegion);
        return FALSE;
    }
    if (hRegion && !::SetWindowRgn(m_hWnd, hRegion, FALSE))
        ::DeleteObject(hRegion);
    return ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0,
                          SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}

int CKTDockingPaneContextStickerWnd::HitTest(CPoint ptScreen) const
{
    CPoint pt = ptScreen;
    ::ScreenToClient(m_hWnd, &pt);
    if (!CKTClientRect(m_hWnd).PtInRect(pt))
        return 0;
    return m_pPicture->HitTest(m_nParts, pt);
}

void CKTDockingPaneContextStickerWnd::SetHotPart(int nPart)
{
    if (m_nHotPart == nPart)
        return;
    m_nHotPart = nPart;
    Invalidate(FALSE);
}

BOOL CKTDockingPaneContextStickerWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void CKTDockingPaneContextStickerWnd::OnPaint()
{
    CPaintDC dcPaint(this);
    CKTBufferDC dc(&dcPaint, CKTClientRect(m_hWnd));
    m_pPicture->Draw(&dc, m_nParts, m_nHotPart);
}
