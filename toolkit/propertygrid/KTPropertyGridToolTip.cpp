// KTPropertyGridToolTip.cpp: placing the grid's text tooltip inside the work area, and its frame.
#include "KTPropertyGridToolTip.h"

#include "KTPropertyGridView.h"
#include "KTSystemInfo.h"

namespace
{

const char kToolTipClass[] = "KTPropertyGridToolTip";
const CPoint kTextInset(4, 0);

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
    CRect rcWork = KTMultiMonitor()->GetWorkAreaAtCursor();
    if (rcScreen.right > rcWork.right)
        rcScreen.OffsetRect(rcWork.right - rcScreen.right, 0);
    if (rcScreen.left < rcWork.left)
        rcScreen.OffsetRect(rcWork.left - rcScreen.left, 0);
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
