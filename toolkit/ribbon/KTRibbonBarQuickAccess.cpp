// KTRibbonBarQuickAccess.cpp: the ribbon's quick access toolbar: its place, the context menus that add and remove
// controls, and the commands of those menus.
#include "KTRibbonBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsRes.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTPopupBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonGroupControlPopup.h"
#include "KTRibbonQuickAccess.h"
#include "KTRibbonRes.h"

#include <algorithm>

namespace
{
void ShowEntry(CKTPopupBar* pPopup, int nId, BOOL bVisible)
{
    if (CKTControl* pEntry = pPopup->GetControls()->FindControl(nId))
        pEntry->SetVisible(bVisible);
}

// The place the frame's toolbars are listed at when the menu opens.
void AddToolbarList(CKTPopupBar* pPopup, int nBefore, BOOL bBeginGroup)
{
    pPopup->GetControls()->Add(ktControlButton, KT_ID_TOOLBARS_LIST, NULL, nBefore)->SetBeginGroup(bBeginGroup);
}

// A toolbar list with no bar to offer leaves nothing to show.
BOOL HasVisibleControl(CKTCommandBar* pBar)
{
    for (int i = 0; i < pBar->GetControlCount(); i++)
        if (pBar->GetControl(i)->WouldShow())
            return TRUE;
    return FALSE;
}
}  // namespace

void CKTRibbonBar::SetQuickAccessBelow(BOOL bBelow)
{
    m_bQuickAccessBelow = bBelow;
    OnRecalcLayout();
    if (!m_pFrameRegion)
        return;
    // On glass the caption's height is the glass's; else the frame's edges beside the caption change.
    if (IsDwmEnabled())
    {
        UpdateWindow();
        m_pFrameRegion->UpdateFrameRegion();
    }
    else if (CFrameWnd* pFrame = GetFrameSite())
        pFrame->SendMessage(WM_NCPAINT, 1);
}

void CKTRibbonBar::SetQuickAccessVisible(BOOL bVisible)
{
    m_bQuickAccessVisible = bVisible;
    OnRecalcLayout();
}

void CKTRibbonBar::MeasureQuickAccess()
{
    CKTScreenDC dc;
    CKTFontDC font(&dc, GetPaintManager()->GetRegularFont());
    int nHeight = GetButtonSize().cy + 4;
    for (int i = 0; i < m_pQuickAccess->GetCount(); i++)
    {
        CKTControl* pControl = m_pQuickAccess->GetAt(i);
        if (pControl->IsVisible(KT_HIDE_RIBBONNOROOM))
            nHeight = std::max(nHeight, (int)pControl->GetSize(&dc).cy + 4);
    }
    m_nQuickAccessHeight = nHeight;
}

int CKTRibbonBar::LayoutQuickAccess(int nWidth, int xTabRow)
{
    const BOOL bInTabRow = PlaceQuickAccessRow(nWidth, xTabRow);
    // Room for three caption buttons, or on glass for the system's own.
    const int nCaptionButtons = IsDwmEnabled() ? 115 : 3 * GetCaptionHeight();
    const int nLimit = m_bQuickAccessBelow ? nWidth - 15 : nWidth - nCaptionButtons;
    const int x = PlaceQuickAccessControls(m_rcQuickAccess.left + (m_bQuickAccessBelow ? 2 : 0), nLimit, bInTabRow);
    if (!m_bQuickAccessBelow)
        m_rcQuickAccess.right = x;
    return bInTabRow ? x : xTabRow;
}

BOOL CKTRibbonBar::PlaceQuickAccessRow(int nWidth, int xTabRow)
{
    const BOOL bCaption = IsCaptionVisible();
    const int nQuick = m_nQuickAccessHeight, nTabs = GetTabsHeight();
    if (m_bQuickAccessBelow)
        m_rcQuickAccess.SetRect(0, m_rcGroups.bottom, nWidth, m_rcGroups.bottom + nQuick);
    else
        m_rcQuickAccess.SetRect(GetQuickAccessCaptionLeft(nQuick + nTabs), GetFrameBorder() - 2,
                                bCaption ? m_rcCaption.right : nWidth, nQuick + GetFrameBorder() - 3);
    // Without a caption strip the toolbar takes the tab row's left end.
    const BOOL bInTabRow = m_bQuickAccessVisible && !m_bQuickAccessBelow && !bCaption;
    if (bInTabRow)
        m_rcQuickAccess.SetRect(xTabRow + 5, m_rcTabRow.top, nWidth, m_rcTabRow.bottom);
    return bInTabRow;
}

int CKTRibbonBar::PlaceQuickAccessControls(int x, int nLimit, BOOL bInTabRow)
{
    const BOOL bNowhere = !IsCaptionVisible() && !m_bTabsVisible;
    std::vector<CKTControl*> controls;
    for (int i = 0; i < m_pQuickAccess->GetCount(); i++)
        controls.push_back(m_pQuickAccess->GetAt(i));
    controls.push_back(m_pQuickAccessPopup);
    controls.push_back(m_pQuickAccessMore);
    m_pQuickAccessMore->SetHideFlag(ktHideGeneric, TRUE);
    CKTScreenDC dc;
    CKTFontDC font(&dc, GetPaintManager()->GetRegularFont());
    BOOL bFull = FALSE;
    int nPlaced = 0;
    for (CKTControl* pControl : controls)
    {
        const BOOL bEnd = pControl == m_pQuickAccessPopup || pControl == m_pQuickAccessMore;
        pControl->SetHideFlag(KT_HIDE_RIBBONNOROOM,
                              !m_bQuickAccessVisible || (bFull && pControl != m_pQuickAccessMore) || bNowhere);
        if (!pControl->IsVisible())
            continue;
        const CSize sz = pControl->GetSize(&dc);
        if (pControl == m_pQuickAccessPopup && nPlaced > 0 && !bInTabRow && !m_bQuickAccessBelow)
            x += 12;
        const int y = m_rcQuickAccess.top + (m_rcQuickAccess.Height() - sz.cy + 1) / 2 +
                      (!bEnd && !bInTabRow && !m_bQuickAccessBelow ? 2 : 0);
        if (!bEnd && x + sz.cx > nLimit)
        {
            pControl->SetHideFlag(KT_HIDE_RIBBONNOROOM, TRUE);
            m_pQuickAccessMore->SetHideFlag(ktHideGeneric, FALSE);
            bFull = TRUE;
            continue;
        }
        pControl->SetRect(CRect(CPoint(x, y), sz));
        pControl->SetRowRect(m_rcQuickAccess);
        if (!bEnd || bInTabRow)
            x += sz.cx;
        nPlaced += bEnd ? 0 : 1;
    }
    return x;
}

BOOL CKTRibbonBar::IsAllowQuickAccessControl(CKTControl* pControl) const
{
    if (!pControl)
        return FALSE;
    if (!m_bAllowQuickAccessDuplicates && m_pQuickAccess->FindDuplicate(pControl))
        return FALSE;
    // A group's button stands for its group: it goes on the toolbar when the group has a command id.
    if (pControl->IsKindOf(RUNTIME_CLASS(CKTRibbonGroupControlPopup)))
        return pControl->GetID() > 0;
    return !(pControl->GetFlags() & ktFlagNoMovable);
}

CKTControl* CKTRibbonBar::AddToQuickAccess(CKTControl* pControl)
{
    CKTSmartPtr<CKTControl> pClone = CKTSmartPtr<CKTControl>::Adopt(pControl->Clone(TRUE));
    pClone->SetRibbonGroup(NULL);
    pClone->SetBeginGroup(FALSE);
    pClone->SetHideFlags(0);
    pClone->SetStyle(pControl->GetType() == ktControlGallery ? ktButtonIcon : ktButtonAutomatic);
    return m_pQuickAccess->InsertAt(pClone);
}

CKTSmartPtr<CKTPopupBar> CKTRibbonBar::CreateControlContextMenu(CKTControl* pControl)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pControl || !pCommandBars)
        return NULL;
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(pCommandBars);
    CWnd* pSite = GetSite();
    if (!m_bQuickAccessVisible)
    {
        // The toolbar is away: the bars' ordinary menu.
        AddToolbarList(pPopup, -1, FALSE);
        if (pSite && pSite->GetSafeHwnd())
            pSite->SendMessage(KTWM_TOOLBARSCONTEXTMENU, (WPARAM)this, (LPARAM)pPopup.GetInterface());
        return pPopup;
    }
    const UINT nMenu =
        pControl->GetID() == KT_ID_RIBBON_QUICKACCESSPOPUP ? KT_IDR_RIBBON_QUICKACCESS : KT_IDR_RIBBON_CONTROLCONTEXT;
    CMenu menu;
    if (!menu.LoadMenu(nMenu) || !pPopup->LoadMenu(menu.GetSubMenu(0)))
        return NULL;
    pPopup->SetCommandOwner(this);
    for (int i = 0; i < pPopup->GetControlCount(); i++)
        pPopup->GetControl(i)->SetFlags(pPopup->GetControl(i)->GetFlags() | ktFlagManualUpdate);
    AddToolbarList(pPopup, nMenu == KT_IDR_RIBBON_QUICKACCESS ? 0 : 2, TRUE);
    const BOOL bQuick = m_pQuickAccess->Contains(pControl);
    const BOOL bFixed = (pControl->GetFlags() & ktFlagNoMovable) != 0;
    const BOOL bCustom = m_bQuickAccessCustomizable;
    ShowEntry(pPopup, KT_ID_RIBBON_REMOVEQUICKACCESS, bQuick && !bFixed && bCustom);
    ShowEntry(pPopup, KT_ID_RIBBON_ADDQUICKACCESS, !bQuick && !bFixed && bCustom);
    if (CKTControl* pCustomize = pPopup->GetControls()->FindControl(KT_ID_RIBBON_CUSTOMIZEQUICKACCESS))
        if (!bCustom)
            pCustomize->SetCaptionFromResource(KT_IDS_CUSTOMIZE);
    if (CKTControl* pAdd = pPopup->GetControls()->FindControl(KT_ID_RIBBON_ADDQUICKACCESS))
        pAdd->SetEnabled(IsAllowQuickAccessControl(pControl));
    ShowEntry(pPopup, KT_ID_RIBBON_QUICKACCESSBELOW, (bQuick || bFixed) && !m_bQuickAccessBelow);
    ShowEntry(pPopup, KT_ID_RIBBON_QUICKACCESSABOVE, (bQuick || bFixed) && m_bQuickAccessBelow);
    ShowEntry(pPopup, KT_ID_RIBBON_MINIMIZE, m_bMinimizeAllowed);
    if (CKTControl* pMinimize = pPopup->GetControls()->FindControl(KT_ID_RIBBON_MINIMIZE))
        pMinimize->SetChecked(m_bMinimized);
    AddDefaultCommands(pPopup);
    m_pContextControl = pControl;
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(KTWM_TOOLBARSCONTEXTMENU, (WPARAM)this, (LPARAM)pPopup.GetInterface());
    return pPopup;
}

void CKTRibbonBar::AddDefaultCommands(CKTPopupBar* pPopup)
{
    CKTControls* pDefaults = m_pQuickAccess->GetOriginalControls();
    const BOOL bList = m_bQuickAccessCustomizable && pDefaults && pDefaults->GetCount() > 0;
    ShowEntry(pPopup, KT_ID_RIBBON_QUICKACCESSCOMMANDS, FALSE);
    CKTControls* pEntries = pPopup->GetControls();
    if (CKTControl* pTitle = pEntries->FindControl(KT_ID_RIBBON_QUICKACCESSTITLE))
    {
        pTitle = pEntries->SetControlType(pTitle, ktControlLabel);
        pTitle->SetItemDefault(TRUE);
        pTitle->SetVisible(bList);
    }
    CKTControl* pPlace = pEntries->FindControl(KT_ID_RIBBON_QUICKACCESSCOMMANDS);
    if (!bList || !pPlace)
        return;
    int nBefore = pPlace->GetIndex() + 1;
    for (int i = 0; i < pDefaults->GetCount(); i++)
    {
        CKTControl* pDefault = pDefaults->GetAt(i);
        auto* pEntry = static_cast<CKTRibbonControlQuickAccessCommand*>(
            pEntries->InsertAt(KTMakeCounted<CKTRibbonControlQuickAccessCommand>(this, pDefault), nBefore++));
        pEntry->SetFlags(pEntry->GetFlags() | ktFlagManualUpdate);
        pEntry->SetExisting(m_pQuickAccess->FindDuplicate(pDefault));
    }
}

CKTSmartPtr<CKTCommandBar> CKTRibbonBar::CreateMoreQuickAccessPopup()
{
    CKTSmartPtr<CKTRibbonQuickAccessPopupToolBar> pPopup = KTMakeCounted<CKTRibbonQuickAccessPopupToolBar>();
    pPopup->SetCommandBars(GetCommandBars());
    pPopup->SetRibbonBar(this);
    auto addClone = [&](CKTControl* pControl)
    {
        CKTSmartPtr<CKTControl> pClone = CKTSmartPtr<CKTControl>::Adopt(pControl->Clone(TRUE));
        pClone->SetHideFlag(KT_HIDE_RIBBONNOROOM, FALSE);
        pPopup->GetControls()->InsertAt(pClone);
    };
    for (int i = 0; i < m_pQuickAccess->GetCount(); i++)
        if (m_pQuickAccess->GetAt(i)->GetHideFlags() & KT_HIDE_RIBBONNOROOM)
            addClone(m_pQuickAccess->GetAt(i));
    addClone(m_pQuickAccessPopup);
    pPopup->SetMRUWidth(300);
    return CKTSmartPtr<CKTCommandBar>(pPopup.GetInterface());
}

void CKTRibbonBar::ShowContextMenu(CPoint pt, CKTControl* pControl)
{
    CKTSmartPtr<CKTPopupBar> pPopup = CreateControlContextMenu(pControl);
    if (pPopup.IsNull() || !HasVisibleControl(pPopup))
    {
        m_pContextControl = NULL;
        return;
    }
    ClientToScreen(&pt);
    CWnd* pOwner = m_bQuickAccessVisible ? this : GetOwnerSite();
    CKTCommandBars::TrackPopupMenu(pPopup, TPM_RIGHTBUTTON, pt.x, pt.y, this, NULL, pOwner);
    m_pContextControl = NULL;
}

LRESULT CKTRibbonBar::OnControlNotify(WPARAM wParam, LPARAM lParam)
{
    auto* pNotify = reinterpret_cast<KT_NMCONTROL*>(lParam);
    if (!pNotify || pNotify->hdr.code != (UINT)KTN_EXECUTE)
        return 0;
    CKTSmartPtr<CKTControl> pControl = m_pContextControl;
    switch ((UINT)wParam)
    {
    case KT_ID_RIBBON_ADDQUICKACCESS:
        if (IsAllowQuickAccessControl(pControl))
            AddToQuickAccess(pControl);
        return TRUE;
    case KT_ID_RIBBON_REMOVEQUICKACCESS:
        m_pQuickAccess->Remove(pControl);
        return TRUE;
    case KT_ID_RIBBON_MINIMIZE:
        SetMinimized(!m_bMinimized);
        return TRUE;
    case KT_ID_RIBBON_CUSTOMIZEQUICKACCESS:
        if (CWnd* pSite = GetOwnerSite())
            if (!pSite->SendMessage(KTWM_CONTROLNOTIFY, wParam, lParam))
                pSite->SendMessage(WM_COMMAND, KT_ID_RIBBON_CUSTOMIZEQUICKACCESS, 0);
        return TRUE;
    }
    return 0;
}

void CKTRibbonBar::OnQuickAccessPosition(UINT nId) { SetQuickAccessBelow(nId == KT_ID_RIBBON_QUICKACCESSBELOW); }
