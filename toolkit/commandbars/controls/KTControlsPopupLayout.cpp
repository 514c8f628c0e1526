// KTControlsPopupLayout.cpp: the controls of a popup bar laid out in columns.
#include "KTControls.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"

#include <algorithm>

double CKTControls::s_dMaxPopupWidthRatio = 1.0 / 3;

namespace
{
// Widens a finished column's controls to its widest and gives them the column as their row.
void CloseColumn(const std::vector<CKTControl*>& column, int nLeft, int nWidth, int nTop, int nBottom)
{
    for (CKTControl* pControl : column)
    {
        CRect rc = pControl->GetRect();
        pControl->SetRect(CRect(nLeft, rc.top, nLeft + nWidth, rc.bottom));
        pControl->SetRowRect(CRect(nLeft, nTop, nLeft + nWidth, nBottom));
    }
}
}  // namespace

CSize CKTControls::CalcPopupSize(CRect rcBorder, int nHeight)
{
    CKTPaintManager* pPaintManager = m_pParent ? m_pParent->GetPaintManager() : CKTPaintManager::GetGlobal();
    CRect rcWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0);
    int nMaxWidth = s_dMaxPopupWidthRatio > 0 ? (int)(rcWork.right * s_dMaxPopupWidthRatio) : INT_MAX;
    int nSeparator =
        m_controls.empty() ? 0 : pPaintManager->DrawCommandBarSeparator(NULL, m_pParent, m_controls.front(), FALSE).cy;
    const int nColumnBottom = nHeight > 0 ? nHeight - rcBorder.bottom : rcWork.Height();
    CKTScreenDC screen;
    int x = rcBorder.left, y = rcBorder.top, nColumnWidth = 0, nBottom = rcBorder.top;
    std::vector<CKTControl*> column;
    for (const auto& pControl : m_controls)
    {
        pControl->SetHideFlag(ktHideScroll, FALSE);
        if (!pControl->IsVisible())
            continue;
        CKTFontDC font(&screen, pPaintManager->GetControlFont(pControl, pControl->IsItemDefault()));
        CSize sz = pControl->GetSize(&screen);
        sz.cx = std::min<int>(sz.cx, nMaxWidth);
        pControl->SetWrap(FALSE);
        BOOL bBreak = !column.empty() && ((pControl->GetFlags() & ktFlagWrapRow) || y + sz.cy > nColumnBottom);
        if (bBreak)
        {
            CloseColumn(column, x, nColumnWidth, rcBorder.top, nBottom);
            column.clear();
            x += nColumnWidth;
            y = rcBorder.top;
            nColumnWidth = 0;
            pControl->SetWrap(TRUE);
        }
        else if (pControl->GetBeginGroup() && !column.empty())
            y += nSeparator;
        pControl->SetRect(CRect(CPoint(x, y), sz));
        y += sz.cy;
        nBottom = std::max(nBottom, y);
        nColumnWidth = std::max<int>(nColumnWidth, sz.cx);
        column.push_back(pControl);
    }
    CloseColumn(column, x, nColumnWidth, rcBorder.top, nBottom);
    CSize sz(x + nColumnWidth + rcBorder.right, nBottom + rcBorder.bottom);
    sz.cx = std::max<int>(sz.cx, 24);
    if (column.empty())
        sz.cy = std::max<int>(sz.cy, 22);
    return sz;
}
