// KTPropertyGridToolTip.cpp: placing the grid's text tooltip inside the work area, and its frame.
#include "KTPropertyGridToolTip.h"

#include "KTPropertyGridView.h"
#include "KTSystemInfo.h"

namespace
{

const char kToolTipClass[] = "KTPropertyGridToolTip";
const CPoint kTextInset(4, 0);

// Moved by the least that brings it inside the area on each axis; the left and top edges win for a tip
// larger than the area.
void KeepInside(CRect& rc, const CRect& rcArea)
{
    if (rc.right > rcArea.right)
        rc.OffsetRect(rcArea.right - rc.right, 0);
    if (rc.left < rcArea.left)
        rc.OffsetRect(rcArea.left - rc.left, 0);
    if (rc.bottom > rcArea.bottom)
        rc.OffsetRect(0, rcArea.bottom - rc.bottom);
    if (rc.top < rcArea.top)
        rc.OffsetRect(0, rcArea.top - rc.top);
}

}  // namespace

BOOL CKTPropertyGridToolTip::Create(CKTPropertyGridView* pView, CFont* pFont)
{
    LOGFONT lf;
    if (pFont && pFont->GetLogFont(&lf))
        m_font.CreateFontIndirect(&lf);
    SetTextStyle(m_font.GetSafeHandle() ? &m_font : nullptr, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, kTextInset);
    return CKTTipWnd::Create(pView, kToolTipClass, FALSE);
}

void CKTPropertyGridToolTip::Show(const CString& strText, CRect rcScreen)
{
    SetText(strText);
    KeepInside(rcScreen, KTMultiMonitor()->GetWorkAreaAtCursor());
    m_rcScreen = rcScreen;
    ShowAt(rcScreen);
}

void CKTPropertyGridToolTip::Hide()
{
    m_rcScreen.SetRectEmpty();
    CKTTipWnd::Hide();
}

void CKTPropertyGridToolTip::Draw(CDC* pDC, const CRect& rcClient)
{
    CKTTipWnd::Draw(pDC, rcClient);
    COLORREF clrText = ::GetSysColor(COLOR_INFOTEXT);
    pDC->Draw3dRect(rcClient, clrText, clrText);
}
