// The tooltip's layout against the monitor's work area, in the status font.
#include "KTSyntaxEditTipWnd.h"

#include "KTDrawObjects.h"
#include "KTSystemInfo.h"
#include "themes/KTSyntaxEditPaintManager.h"

#include <algorithm>

namespace
{
const char kClassName[] = "ZiduzuduSEToolTip";
const int kMargin = 8;       // added to the text's size on both axes
const int kTextInset = 3;    // from the left and top of the client area
const int kRightGap = 10;    // kept free before the work area's right edge
const int kLineHeight = 20;  // the measuring rectangle's start height; DrawText grows it
const UINT kTextFormat = DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;
}  // namespace

CKTSyntaxEditTipWnd::CKTSyntaxEditTipWnd() { SetShowTime(ktShowTime); }

BOOL CKTSyntaxEditTipWnd::Create(CWnd* pOwner) { return CKTTipWnd::Create(pOwner, kClassName, TRUE); }

// A tip that changed its text under the pointer would jump to a new size: it goes, and the next call brings the new
// text. The same text keeps it up longer.
void CKTSyntaxEditTipWnd::Activate(const CString& strText)
{
    if (!GetSafeHwnd())
        return;
    const BOOL bVisible = IsShown();
    const BOOL bNewText = strText != GetText();
    SetText(strText);
    if (bVisible && bNewText)
    {
        Hide();
        return;
    }
    SetTextStyle(KTSyntaxEditPaintManager()->GetFontStatus(), kTextFormat, CPoint(kTextInset, kTextInset));
    ShowAt(bVisible ? CKTWindowRect(this) : Layout());
}

void CKTSyntaxEditTipWnd::TrackPointer(CPoint ptClient)
{
    if (IsShown() && !m_rcHot.PtInRect(ptClient))
        Hide();
}

CRect CKTSyntaxEditTipWnd::Layout() const
{
    RECT rcWork = KTMultiMonitor()->GetWorkAreaAtCursor();
    CRect rcText(0, 0, std::max(1, int(rcWork.right - m_ptTopLeft.x) - kRightGap), kLineHeight);
    {
        CKTScreenDC dc;
        CKTFontDC font(&dc, KTSyntaxEditPaintManager()->GetFontStatus());
        dc.DrawText(GetText(), rcText, DT_CALCRECT | kTextFormat);
    }
    return CRect(m_ptTopLeft, CSize(rcText.Width() + kMargin, rcText.Height() + kMargin));
}
