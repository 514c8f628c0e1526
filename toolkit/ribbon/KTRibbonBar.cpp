// KTRibbonBar.cpp: the ribbon's sizes, its layout in the frame's top dock row, and its drawing.
#include "KTRibbonBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonControls.h"
#include "KTRibbonGroup.h"
#include "KTRibbonQuickAccess.h"
#include "KTRibbonRes.h"
#include "KTRibbonTab.h"
#include "KTRibbonThemePainter.h"

#include <algorithm>

namespace
{
// Holds a bar's redraws back for a scope; the last release draws what was asked meanwhile.
class CKTRedrawLock
{
public:
    explicit CKTRedrawLock(CKTCommandBar* pBar) : m_pBar(pBar) { m_pBar->LockRedraw(); }
    ~CKTRedrawLock() { m_pBar->UnlockRedraw(); }
    CKTRedrawLock(const CKTRedrawLock&) = delete;
    CKTRedrawLock& operator=(const CKTRedrawLock&) = delete;

private:
    CKTCommandBar* m_pBar;
};
}  // namespace

IMPLEMENT_DYNCREATE(CKTRibbonBar, CKTMenuBar)

BEGIN_MESSAGE_MAP(CKTRibbonBar, CKTMenuBar)
ON_MESSAGE(WM_GETOBJECT, OnGetObject)
ON_MESSAGE(KTWM_CONTROLNOTIFY, OnControlNotify)
ON_COMMAND_RANGE(KT_ID_RIBBON_QUICKACCESSBELOW, KT_ID_RIBBON_QUICKACCESSABOVE, OnQuickAccessPosition)
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONDBLCLK()
ON_WM_RBUTTONUP()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_SHOWWINDOW()
ON_WM_WINDOWPOSCHANGED()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETCURSOR()
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CKTRibbonBar::CKTRibbonBar()
    : m_scroller(InstallControls(this), this), m_pQuickAccess(KTMakeCounted<CKTRibbonQuickAccessControls>(this))
{
    m_nBarType = ktBarTypeRibbon;
    // The id the frame's menu bar gets: the saved state keeps no id, and a loaded ribbon stands for that bar.
    m_nBarID = 1;
    m_dwFlags = KT_MENUBAR_IGNORESETMENU | ktBarFlagStretch;
    m_pQuickAccessPopup =
        m_pControls->Add(KTMakeCounted<CKTRibbonBarControlQuickAccessPopup>(), KT_ID_RIBBON_QUICKACCESSPOPUP);
    m_pQuickAccessMore = m_pControls->Add(KTMakeCounted<CKTRibbonQuickAccessMore>(), KT_ID_RIBBON_QUICKACCESSMORE);
    CKTSmartPtr<CKTControl> pTab = KTMakeCounted<CKTRibbonControlTab>();
    m_pControlTab = static_cast<CKTRibbonControlTab*>(m_pControls->Add(pTab, KT_ID_RIBBONCONTROLTAB));
    EnableDoubleBuffer();
    EnableAnimation(TRUE);
}

// The scroller adds its buttons to the bar's controls, so the ribbon's own collection must be there first.
CKTRibbonBar* CKTRibbonBar::InstallControls(CKTRibbonBar* pBar)
{
    pBar->SetControls(KTMakeCounted<CKTRibbonControls>());
    return pBar;
}

// Controls that someone still holds must not reach back into a bar that is gone; without its bar the collection
// keeps none of them.
CKTRibbonBar::~CKTRibbonBar()
{
    m_contextHeaders.RemoveAll();
    if (m_pControlTab)
        m_pControlTab->DeleteAllItems();
    m_pQuickAccess->RemoveAll();
    m_pControls->SetParent(NULL);
    m_pControls->RemoveAll();
}

void CKTRibbonBar::OnRemoved()
{
    // The frame gets its own caption and region back, as when the frame look is switched off.
    EnableFrameTheme(FALSE);
    m_contextHeaders.RemoveAll();
    if (m_pControlTab)
        m_pControlTab->DeleteAllItems();
    m_pQuickAccess->RemoveAll();
    CKTMenuBar::OnRemoved();
}

CKTRibbonTab* CKTRibbonBar::AddTab(LPCSTR lpszCaption, UINT nId)
{
    if (!m_pControlTab)
        return NULL;
    CKTRibbonTab* pTab = m_pControlTab->AddTab(lpszCaption, nId);
    if (!m_bMinimized && !m_pControlTab->GetSelectedItem())
        m_pControlTab->SetSelectedItem(pTab);
    return pTab;
}

CKTRibbonGroup* CKTRibbonBar::FindGroup(UINT nId) const
{
    for (int i = 0; m_pControlTab && i < m_pControlTab->GetItemCount(); i++)
        if (CKTRibbonGroup* pGroup = m_pControlTab->GetTab(i)->FindGroup(nId))
            return pGroup;
    return NULL;
}

CKTRibbonTab* CKTRibbonBar::GetSelectedTab() const { return m_pControlTab ? m_pControlTab->GetSelectedTab() : NULL; }

IKTRibbonPainter* CKTRibbonBar::GetRibbonPainter() const { return GetRibbonPainter(GetPaintManager()); }

IKTRibbonPainter* CKTRibbonBar::GetRibbonPainter(CKTPaintManager* pPaintManager)
{
    CKTRibbonPainterMaker maker;
    return pPaintManager->GetRibbonPainter(maker);
}

LRESULT CKTRibbonBar::NotifyTabChange(int nCode, CKTRibbonTab* pTab)
{
    if (!m_pControlTab)
        return 0;
    KT_NMRIBBONTAB record = {};
    record.pTab = pTab;
    return m_pControlTab->NotifySiteEx(nCode, &record);
}

LRESULT CKTRibbonBar::OnTabChanging(CKTRibbonTab* pTab) { return NotifyTabChange(TCN_SELCHANGING, pTab); }

void CKTRibbonBar::OnTabChanged(CKTRibbonTab* pTab) { NotifyTabChange(TCN_SELCHANGE, pTab); }

// A screen reader asks for the tab row by the control's id, as its focus events name it.
LRESULT CKTRibbonBar::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    if ((LONG)lParam != KT_ID_RIBBONCONTROLTAB || !m_pControlTab)
        return Default();
    IAccessible* pAccessible = m_pControlTab->GetAccessible();
    LRESULT lResult = static_cast<CKTAccessible*>(pAccessible)->LresultFromObject(IID_IAccessible, wParam, pAccessible);
    return lResult ? lResult : Default();
}

int CKTRibbonBar::GetTabsHeight() const { return m_bTabsVisible ? GetRibbonPainter()->GetRibbonTabHeight() : 2; }

BOOL CKTRibbonBar::IsGroupsVisible() const { return m_bRibbonVisible && GetSelectedTab() && !m_bMinimized; }

int CKTRibbonBar::GetGroupsHeight() const { return IsGroupsVisible() ? CalcGroupHeight() : 0; }

int CKTRibbonBar::CalcGroupHeight() const
{
    if (m_nFixedGroupHeight > 0)
        return m_nFixedGroupHeight;
    return 3 * GetPaintManager()->GetControlHeight() + GetRibbonPainter()->GetGroupCaptionHeight() + 10;
}

int CKTRibbonBar::GetCaptionHeight() const
{
    if (!IsCaptionVisible())
        return 0;
    const int nBorder = GetFrameBorder();
    const int nCaption = nBorder + GetRibbonPainter()->GetRibbonCaptionHeight();
    if (!m_bQuickAccessVisible || m_bQuickAccessBelow)
        return nCaption;
    return std::max(nCaption, std::max(m_nQuickAccessHeight, GetTabsHeight() - 2) + nBorder);
}

CSize CKTRibbonBar::GetButtonSize() const
{
    if (m_szButtons != CSize(0, 0))
        return m_szButtons;
    const int nSide = std::max(22, GetPaintManager()->GetControlHeight());
    return CSize(nSide, nSide);
}

CSize CKTRibbonBar::GetIconSize() const
{
    if (m_szIcons.cx > 0)
        return m_szIcons;
    const CKTCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars && pCommandBars->GetCommandBarsOptions()->szIcons.cx > 0)
        return pCommandBars->GetCommandBarsOptions()->szIcons;
    return GetPaintManager()->GetAutoIconSize(FALSE);
}

void CKTRibbonBar::SetCaptionVisible(BOOL bVisible)
{
    m_bCaptionVisible = bVisible;
    OnRecalcLayout();
}

void CKTRibbonBar::SetTabsVisible(BOOL bVisible)
{
    m_bTabsVisible = bVisible;
    OnRecalcLayout();
}

void CKTRibbonBar::SetRibbonVisible(BOOL bVisible)
{
    m_bRibbonVisible = bVisible;
    OnRecalcLayout();
}

void CKTRibbonBar::SetMinimized(BOOL bMinimized)
{
    if (m_bMinimized == bMinimized)
        return;
    m_bMinimized = bMinimized;
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->ClosePopups();
    if (m_pControlTab)
    {
        if (bMinimized)
            m_pControlTab->SetSelectedItem(NULL);
        else if (!m_pControlTab->GetSelectedItem())
            m_pControlTab->SetSelectedItem(m_pControlTab->FindNextFocusable(-1, +1));
        else
            ShowTabGroupsUpdated(GetSelectedTab());
    }
    OnRecalcLayout();
}

CSize CKTRibbonBar::CalcDockingLayout(int nLength, DWORD dwMode, int)
{
    m_bUpdatePending = FALSE;
    CFrameWnd* pFrame = GetFrameSite();
    BOOL bFrameWide = !pFrame || !pFrame->GetSafeHwnd() || CKTWindowRect(pFrame).Width() >= m_nMinWidth;
    const BOOL bShown = nLength >= m_nMinWidth && bFrameWide;
    if (m_pFrameRegion && bShown != m_bShown)
        m_pFrameRegion->PostRefresh();
    m_bShown = bShown;
    if (!m_bShown || !IsWindowShown())
        return CSize(nLength, 0);
    MeasureQuickAccess();
    int nHeight = GetCaptionHeight() + GetTabsHeight() + GetGroupsHeight();
    if (m_bQuickAccessBelow)
        nHeight += m_nQuickAccessHeight + 1;
    else if (!IsGroupsVisible())
        nHeight += 2;
    if (!(dwMode & LM_COMMIT))
        return CSize(nLength, nHeight);
    LayoutAndUpdate(nLength, nHeight);
    if ((m_dwPendingUpdate & ktPendingRedraw) && GetSafeHwnd())
    {
        m_dwPendingUpdate &= ~ktPendingRedraw;
        Redraw();
    }
    return CSize(nLength, nHeight);
}

// Controls that the layout shows again still carry the command state of the moment they were hidden.
void CKTRibbonBar::LayoutAndUpdate(int nWidth, int nHeight)
{
    std::vector<CKTSmartPtr<CKTControl>> hidden;
    for (int i = 0; i < GetControlCount(); i++)
        if (!GetControl(i)->IsVisible())
            hidden.emplace_back(GetControl(i));
    Layout(nWidth, nHeight);
    for (const auto& pControl : hidden)
        if (pControl->IsVisible() && pControl->GetParent() == this)
            m_bUpdatePending = TRUE;
    if (!m_bUpdatePending)
        return;
    m_bUpdatePending = FALSE;
    if (CWnd* pOwner = GetSafeHwnd() ? GetOwnerSite() : NULL)
        UpdateCommandUI(pOwner,
                        !GetCommandBars() || GetCommandBars()->GetCommandBarsOptions()->bDisableCommandIfNoHandler);
}

void CKTRibbonBar::Layout(int nWidth, int)
{
    const int nTabs = GetTabsHeight(), nGroups = GetGroupsHeight();
    m_rcTabRow.SetRect(2, 0, nWidth - 2, nTabs);
    m_rcGroups.SetRect(0, nTabs, nWidth, nTabs + nGroups);
    m_rcCaption.SetRectEmpty();
    if (IsCaptionVisible())
    {
        const int nCaption = GetCaptionHeight(), nBorder = GetFrameBorder();
        m_rcCaption.SetRect(-nBorder, 0, nWidth + nBorder, nCaption);
        m_rcTabRow.OffsetRect(0, nCaption);
        m_rcGroups.OffsetRect(0, nCaption);
    }
    int xRight = nWidth;
    const int xTabRow = LayoutQuickAccess(nWidth, LayoutTabRowControls(nWidth, LayoutSystemButton(), xRight));
    if (!m_pControlTab)
        return;
    m_pControlTab->SetHideFlags(m_bTabsVisible ? 0 : ktHideGeneric);
    CRect rcTabs(xTabRow, m_rcTabRow.top, std::min<int>(m_rcTabRow.right, xRight), m_rcTabRow.bottom);
    if (rcTabs.Width() < 6)
        rcTabs.SetRectEmpty();
    m_pControlTab->SetRect(rcTabs);
    CKTScreenDC dc;
    m_pControlTab->GetPaintManager()->RepositionTabControl(m_pControlTab, &dc, rcTabs);
    LayoutGroups(&dc);
    LayoutCaption(nWidth);
}

// A control of no group beside the tabs: the menu's own, a maximised child's icon and buttons.
BOOL CKTRibbonBar::IsTabRowControl(CKTControl* pControl) const
{
    const int nId = pControl->GetID();
    if (pControl->GetRibbonGroup() || !pControl->IsVisible(KT_HIDE_RIBBONTABROW) ||
        (nId >= SC_MINIMIZE && nId <= SC_RESTORE))
        return FALSE;
    return pControl != m_pSystemButton && pControl != m_pControlTab && pControl != m_scroller.GetScrollButton(TRUE) &&
           pControl != m_scroller.GetScrollButton(FALSE) && pControl != m_pQuickAccessPopup &&
           pControl != m_pQuickAccessMore && !m_pQuickAccess->Contains(pControl);
}

int CKTRibbonBar::LayoutTabRowControls(int nWidth, int x, int& xRight)
{
    std::vector<CKTControl*> left, right;
    for (int i = 0; i < GetControlCount(); i++)
        if (IsTabRowControl(GetControl(i)))
            (GetControl(i)->GetFlags() & ktFlagRightAlign ? right : left).push_back(GetControl(i));
    CKTScreenDC dc;
    CKTFontDC font(&dc, GetPaintManager()->GetRegularFont());
    const CRect rcRow(2, m_rcTabRow.top, nWidth - 2, m_rcTabRow.bottom);
    auto place = [&](CKTControl* pControl, BOOL bRight)
    {
        pControl->SetHideFlag(KT_HIDE_RIBBONTABROW, !m_bTabsVisible);
        if (!pControl->IsVisible())
            return;
        const CSize sz = pControl->GetSize(&dc);
        if (bRight)
            xRight -= sz.cx;
        else if (pControl->GetBeginGroup())
            x += 6;
        pControl->SetRect(CRect(CPoint(bRight ? xRight : x, rcRow.top + (rcRow.Height() - sz.cy) / 2), sz));
        pControl->SetRowRect(rcRow);
        pControl->SetWrap(bRight);  // each right-hand control starts a column of its own
        if (!bRight)
            x += sz.cx;
    };
    for (CKTControl* pControl : left)
        place(pControl, FALSE);
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        place(*it, TRUE);
    return x;
}

void CKTRibbonBar::LayoutGroups(CDC* pDC)
{
    CKTRibbonTab* pTab = GetSelectedTab();
    if (!pTab || !IsGroupsVisible())
    {
        m_scroller.ShowScrollButtons(FALSE, FALSE, m_rcGroups);
        return;
    }
    CKTFontDC font(pDC, GetPaintManager()->GetRegularFont());
    const CRect rcMargins(m_rcGroups.left + 4, m_rcGroups.top + 3, 6, 3);
    pTab->GetGroups()->Layout(pDC, m_rcGroups.Width(), rcMargins, &m_scroller, m_rcGroups);
}

void CKTRibbonBar::ShowTabGroups(CKTRibbonTab* pTab)
{
    m_scroller.SetOffset(0);
    m_pHighlightedGroup = NULL;
    // A minimised ribbon's groups show only in the tab's popup, on copies of their controls.
    const CKTRibbonTab* pShown = m_bMinimized ? NULL : pTab;
    for (int i = GetControlCount() - 1; i >= 0; i--)
    {
        CKTControl* pControl = GetControl(i);
        CKTRibbonGroup* pGroup = pControl->GetRibbonGroup();
        pControl->SetHideFlag(KT_HIDE_RIBBONTAB,
                              pGroup && (!pShown || pGroup->GetRibbonTab() != pShown || !pGroup->GetVisible()));
    }
}

void CKTRibbonBar::ShowTabGroupsUpdated(CKTRibbonTab* pTab, const std::function<void()>& fnStep)
{
    CKTRedrawLock lock(this);
    ShowTabGroups(pTab);
    if (fnStep)
        fnStep();
    // Controls hidden while their commands changed draw with their state at once, not after the next idle pass.
    IdleUpdate();
}

void CKTRibbonBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    pDC->SetBkMode(TRANSPARENT);
    IKTRibbonPainter* pPainter = GetRibbonPainter();
    pPainter->DrawQuickAccessFrame(pDC, this);
    CRect rcPart;
    if (rcPart.IntersectRect(rcClipBox, m_rcCaption))
    {
        pPainter->DrawRibbonCaption(pDC, this);
        pPainter->DrawContextHeaders(pDC, this);
    }
    if (IsGroupsVisible())
        pPainter->FillRibbonGroups(pDC, GetSelectedTab(), m_rcGroups);
    if (m_pControlTab && m_bTabsVisible && rcPart.IntersectRect(rcClipBox, m_rcTabRow))
    {
        CKTTabPainter* pTabPainter = pPainter->GetRibbonTabPainter();
        // The tabs' access letters are underlined only while the cues show; hidden, their '&' goes unseen.
        pTabPainter->m_bStripMnemonics = !GetPaintManager()->IsKeyboardCuesVisible(this);
        pTabPainter->DrawTabControl(m_pControlTab, pDC, m_pControlTab->GetRect());
    }
    DrawGroups(pDC, rcClipBox);
}

// The groups draw their own controls; the bar draws the rest.
void CKTRibbonBar::DrawGroups(CDC* pDC, CRect rcClipBox)
{
    CRect rcPart;
    if (CKTRibbonTab* pTab = IsGroupsVisible() ? GetSelectedTab() : NULL)
    {
        for (int i = 0; i < pTab->GetGroups()->GetCount(); i++)
        {
            CKTRibbonGroup* pGroup = pTab->GetGroups()->GetAt(i);
            if (pGroup->IsVisible() && rcPart.IntersectRect(rcClipBox, pGroup->GetRect()))
                pGroup->Draw(pDC, rcClipBox);
        }
    }
    CKTPaintManager* pPaintManager = GetPaintManager();
    BOOL bFirst = TRUE;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CKTControl* pControl = GetControl(i);
        if (pControl->GetRibbonGroup() || !pControl->IsVisible())
            continue;
        if (pControl->GetBeginGroup() && !bFirst)
            pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, TRUE);
        bFirst = FALSE;
        if (!rcPart.IntersectRect(rcClipBox, pControl->GetRect()))
            continue;
        CKTFontDC font(pDC, pPaintManager->GetControlFont(pControl, pControl->IsItemDefault()));
        pControl->Draw(pDC);
    }
    DrawCustomizeMarks(pDC);
}
