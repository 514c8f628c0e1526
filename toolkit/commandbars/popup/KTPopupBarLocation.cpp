// KTPopupBarLocation.cpp: where a popup bar opens relative to its control, on the right monitor.
#include "KTPopupBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControlPopup.h"
#include "KTPopupPlacement.h"

namespace
{
// The popup opens beside a control on these bars, below it on the others.
BOOL IsBesideParent(CKTCommandBar* pParent)
{
    const int nPosition = pParent->GetPosition();
    return nPosition == ktBarLeft || nPosition == ktBarRight || nPosition == ktBarPopup ||
           (nPosition == ktBarFloating && pParent->GetType() == ktBarTypePopup);
}

// Flags for a popup whose control lies on a bar at the given position.
DWORD FlagsForParent(CKTCommandBar* pParent, DWORD dwFlags, DWORD dwParentPopupFlags)
{
    const int nPosition = pParent->GetPosition();
    if ((pParent->GetFlags() & ktBarFlagGroupLayout) && nPosition == ktBarPopup)
        return dwFlags | ktPopupVertical;
    if (nPosition == ktBarRight)
        return ktPopupLeftwards;
    if (!IsBesideParent(pParent))
        return dwFlags | ktPopupVertical;
    // Sub-menus keep the way their menu took; placement turns them back where the screen ends.
    return pParent->IsPopupBar() && (dwParentPopupFlags & ktPopupLeftwards) ? (DWORD)ktPopupLeftwards : dwFlags;
}

// A combo box's list drops over nothing but the box itself.
BOOL IsBarComboBox(CKTControl* pControl)
{
    return pControl->GetTraits().bDropsList && !pControl->GetParent()->IsPopupBar();
}
}  // namespace

void CKTPopupBar::AdjustExcludeRect(CRect& rc, BOOL bVertical)
{
    CKTControlPopup* pPopup = m_pControlPopup ? m_pControlPopup->AsControlPopup() : NULL;
    if (pPopup)
        pPopup->AdjustExcludeRect(rc, bVertical);
}

CRect CKTPopupBar::ExcludeRectOf(CKTControl* pControl, BOOL bVertical)
{
    CRect rc = pControl->GetRect();
    if (!IsBarComboBox(pControl))
        AdjustExcludeRect(rc, bVertical);
    return rc;
}

void CKTPopupBar::UpdateLocation()
{
    CKTCommandBar* pParent = GetParentCommandBar();
    if (!m_pControlPopup || !pParent)
        return;
    BOOL bRTL = GetSafeHwnd() && (GetExStyle() & (WS_EX_LAYOUTRTL | WS_EX_RTLREADING));
    DWORD dwFlags = (m_pControlPopup->GetFlags() & ktFlagPopupLeftwards) || bRTL ? ktPopupLeftwards : 0;
    CKTPopupBar* pParentPopup = pParent ? pParent->AsPopupBar() : NULL;
    DWORD dwParentFlags = pParentPopup ? pParentPopup->m_dwPopupFlags : 0;
    m_dwPopupFlags = FlagsForParent(pParent, dwFlags, dwParentFlags);
    if (IsBarComboBox(m_pControlPopup))
        m_dwPopupFlags |= ktPopupVertical;
    m_rcExclude = ExcludeRectOf(m_pControlPopup, IsBesideParent(pParent));
    pParent->ClientToScreen(m_rcExclude);
    m_ptPopup = (m_dwPopupFlags & ktPopupVertical) ? CPoint(m_rcExclude.left, m_rcExclude.bottom)
                                                   : CPoint(m_rcExclude.right, m_rcExclude.top);
}

CRect CKTPopupBar::CalcPopupRect(int cx, int cy)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    HMONITOR hMonitor = m_rcExclude.IsRectEmpty() ? ::MonitorFromPoint(m_ptPopup, MONITOR_DEFAULTTONEAREST)
                                                  : ::MonitorFromRect(m_rcExclude, MONITOR_DEFAULTTONEAREST);
    if (!::GetMonitorInfo(hMonitor, &info))
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    CKTPopupPlacement placement;
    placement.m_rcWork = info.rcWork;
    // A point on a task bar is inside the monitor but outside its work area.
    if (m_rcExclude.IsRectEmpty() && !placement.m_rcWork.PtInRect(m_ptPopup) && ::PtInRect(&info.rcMonitor, m_ptPopup))
        placement.m_rcWork = info.rcMonitor;
    placement.m_rcExclude = m_rcExclude;
    placement.m_rcExcludeBeside = m_rcExclude;
    if (CKTCommandBar* pParent = m_pControlPopup ? m_pControlPopup->GetParent() : NULL)
    {
        placement.m_rcExcludeBeside = ExcludeRectOf(m_pControlPopup, TRUE);
        pParent->ClientToScreen(placement.m_rcExcludeBeside);
    }
    placement.m_ptPopup = m_ptPopup;
    placement.m_dwFlags = m_dwPopupFlags;
    CKTCommandBars* pCommandBars = GetCommandBars();
    placement.m_bNoScroll =
        (pCommandBars && pCommandBars->GetCommandBarsOptions()->bNoPopupScrolling) || IsNoScrolling();
    // A bar that itself refuses to scroll keeps its layout; one held by the options alone re-flows into columns.
    if (!IsNoScrolling() && m_nBarType == ktBarTypePopup)
        placement.m_reflow = [this](int nHeight) { return CalcDynamicLayout(nHeight, 0); };
    CRect rc = placement.Place(cx, cy);
    m_ptPopup = placement.m_ptPopup;
    m_rcExclude = placement.m_rcExclude;
    m_dwPopupFlags = placement.m_dwFlags;
    m_bScrolling = placement.m_bScroll && m_nBarType == ktBarTypePopup;
    m_scrollDown.rc = m_scrollUp.rc = CRect(0, 0, 0, 0);
    if (m_bScrolling)
    {
        m_nFirstVisible = 0;
        m_nEndVisible = 0;
        m_rcScrollClient = CRect(CPoint(0, 0), rc.Size());
        LayoutScrolled(FALSE);
    }
    return rc;
}
