// KTControlGallery.cpp: the gallery's layout, scrolling, drawing, hot item, preview and clicks.
#include "KTControlGallery.h"

#include "KTCommandBar.h"
#include "KTControlAction.h"
#include "KTControlGalleryAccessible.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTGalleryPaintManager.h"
#include "KTKeyState.h"
#include "KTPaintManager.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CKTControlGallery, CKTControlPopup)

namespace
{
const int kLabelHeight = 19;
const UINT kHoverDelay = 200;
}  // namespace

CKTControlGallery::CKTControlGallery()
{
    m_nType = ktControlGallery;
    m_nWidth = 120;
    m_nHeight = 60;
    SetFlags(64);
}

CKTControlGallery::~CKTControlGallery() = default;

std::unique_ptr<CKTAccessible> CKTControlGallery::CreateAccessible()
{
    return std::unique_ptr<CKTAccessible>(new CKTControlGalleryAccessible(this));
}

void CKTControlGallery::SetItems(CKTControlGalleryItems* pItems)
{
    if (m_pAction)
        m_pAction->SetGalleryItems(pItems);
    else
        m_pItems = pItems;
    RepositionItems();
}

CKTControlGalleryItems* CKTControlGallery::GetItems() const
{
    CKTControlGalleryItems* pActionItems = m_pAction ? m_pAction->GetGalleryItems() : NULL;
    return pActionItems ? pActionItems : m_pItems.GetInterface();
}

void CKTControlGallery::SetAction(CKTControlAction* pAction)
{
    CKTControlPopup::SetAction(pAction);
    RepositionItems();
}

void CKTControlGallery::OnActionChanged(int nProperty)
{
    if (nProperty != ktActionGalleryItems)
        return;
    RepositionItems();
    RedrawParent(FALSE);
}

void CKTControlGallery::SetMargin(CRect rcMargin)
{
    m_rcMargin = rcMargin;
    RepositionItems();
}

BOOL CKTControlGallery::IsInPlace() const
{
    return m_pParent && m_pParent->GetType() != ktBarTypePopup && GetCommandBar() != NULL;
}

BOOL CKTControlGallery::IsFollowedOnPopup() const
{
    if (!m_pParent || m_pParent->GetType() != ktBarTypePopup || m_bShowBorders)
        return FALSE;
    CKTControls* pControls = m_pParent->GetControls();
    for (int i = m_nIndex + 1; i < pControls->GetCount(); i++)
        if (pControls->GetAt(i)->IsVisible())
            return TRUE;
    return FALSE;
}

CRect CKTControlGallery::GetBorders() const
{
    CRect rc(0, 0, 0, 0);
    if (m_bShowBorders)
        rc = CRect(1, 1, 1, 1);
    if (m_bShowScrollBar)
        rc.right += GetScrollBarWidth();
    if (IsFollowedOnPopup())
        rc.bottom += 2;
    return CRect(rc.left + m_rcMargin.left, rc.top + m_rcMargin.top, rc.right + m_rcMargin.right,
                 rc.bottom + m_rcMargin.bottom);
}

int CKTControlGallery::GetScrollBarWidth() const
{
    return IsInPlace() ? GetGalleryPaintManager()->m_cxPopup : ::GetSystemMetrics(SM_CXVSCROLL);
}

CRect CKTControlGallery::GetItemsRect() const
{
    CRect rcBorders = GetBorders();
    return CRect(m_rcControl.left + rcBorders.left, m_rcControl.top + rcBorders.top,
                 m_rcControl.right - rcBorders.right, m_rcControl.bottom - rcBorders.bottom);
}

BOOL CKTControlGallery::IsSelectable(int nIndex) const
{
    // Items added since the last layout have no record yet: not reachable until laid out.
    if (nIndex < 0 || nIndex >= (int)m_layout.size())
        return FALSE;
    CKTControlGalleryItem* pItem = GetItem(nIndex);
    return pItem && !pItem->IsLabel();
}

BOOL CKTControlGallery::IsLayoutCurrent() const
{
    // A theme changed since may have changed the scroll bar, whether or not the bar holding it heard of it.
    if ((int)m_layout.size() != GetItemCount() || m_nLayoutScrollBarWidth != GetScrollBarWidth())
        return FALSE;
    for (int i = 0; i < (int)m_layout.size(); i++)
        if (m_layout[i].pItem != GetItem(i))
            return FALSE;
    return TRUE;
}

void CKTControlGallery::RepositionItems()
{
    if (!IsGalleryStyle() || !m_pParent)
    {
        // Off a bar the items may change freely: keep no record that could outlive them.
        m_layout.clear();
        m_nContentHeight = 0;
        return;
    }
    const CRect rcItems = GetItemsRect();
    m_nLayoutScrollBarWidth = GetScrollBarWidth();
    m_layout.assign(GetItemCount(), CItemLayout());
    int x = rcItems.left, y = rcItems.top, nRowHeight = 0;
    BOOL bFirstInRow = TRUE;
    for (int i = 0; i < GetItemCount(); i++)
    {
        CItemLayout& layout = m_layout[i];
        layout.pItem = GetItem(i);
        if (layout.pItem->IsLabel())
        {
            if (!m_bShowLabels)
                continue;
            int yLabel = bFirstInRow ? y : y + nRowHeight;
            layout.rc = CRect(rcItems.left, yLabel, rcItems.right, yLabel + kLabelHeight);
            layout.bBeginRow = TRUE;
            y = yLabel + kLabelHeight + 1;
            nRowHeight = 0;
            x = rcItems.left;
            bFirstInRow = TRUE;
            continue;
        }
        CSize sz = layout.pItem->GetSize(this);
        if (sz.cx == 0)
            sz.cx = rcItems.Width();
        BOOL bWrap = !bFirstInRow && x + sz.cx > rcItems.right;
        if (bWrap)
        {
            y += nRowHeight;
            x = rcItems.left;
            nRowHeight = 0;
        }
        layout.bBeginRow = bFirstInRow || bWrap;
        layout.rc = CRect(x, y, x + sz.cx, y + sz.cy);
        nRowHeight = std::max<int>(nRowHeight, sz.cy);
        x += sz.cx;
        bFirstInRow = FALSE;
    }
    m_nContentHeight = GetItemCount() ? y + nRowHeight - rcItems.top : 0;
    // Shorter content or a taller view: the view stays on the content.
    m_nScrollPos = ClampScrollPos(m_nScrollPos);
    CalcScrollBar();
}

void CKTControlGallery::SetRect(CRect rc)
{
    if (rc == m_rcControl && IsLayoutCurrent())
        return;
    m_rcControl = rc;
    RepositionItems();
}

void CKTControlGallery::OnThemeChanged()
{
    CKTControlPopup::OnThemeChanged();
    RepositionItems();
}

CSize CKTControlGallery::GetSize(CDC* pDC)
{
    if (IsGalleryStyle())
        return CSize(m_nWidth, m_nHeight);
    // Measured as a popup button: the gallery's own size is no fixed size of the button.
    int nWidth = m_nWidth, nHeight = m_nHeight;
    m_nWidth = m_nHeight = 0;
    CSize sz = CKTControlPopup::GetSize(pDC);
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    return sz;
}

CRect CKTControlGallery::GetItemLayoutRect(int nIndex) const
{
    if (nIndex < 0 || nIndex >= (int)m_layout.size())
        return CRect(0, 0, 0, 0);
    return m_layout[nIndex].rc;
}

CRect CKTControlGallery::GetItemDrawRect(int nIndex) const
{
    if (nIndex < 0 || nIndex >= (int)m_layout.size())
        return CRect(0, 0, 0, 0);
    CRect rc = m_layout[nIndex].rc - CPoint(0, m_nScrollPos);
    CRect rcShown;
    rcShown.IntersectRect(rc, GetItemsRect());
    return rcShown;
}

int CKTControlGallery::HitTestItem(CPoint pt) const
{
    if (!IsEnabled() || !GetItemsRect().PtInRect(pt))
        return -1;
    for (int i = 0; i < (int)m_layout.size(); i++)
        if (IsSelectable(i) && GetItemDrawRect(i).PtInRect(pt))
            return i;
    return -1;
}

int CKTControlGallery::ClampScrollPos(int nPos) const
{
    return std::max(0, std::min(nPos, m_nContentHeight - GetItemsRect().Height()));
}

void CKTControlGallery::SetScrollPos(int nPos)
{
    nPos = ClampScrollPos(nPos);
    if (nPos == m_nScrollPos)
        return;
    m_nScrollPos = nPos;
    RepositionItems();
    RedrawParent(FALSE);
}

void CKTControlGallery::EnsureVisible(int nIndex)
{
    if (nIndex < 0 || nIndex >= (int)m_layout.size())
        return;
    const CRect rcItems = GetItemsRect();
    CRect rc = m_layout[nIndex].rc - CPoint(0, m_nScrollPos);
    if (rc.top >= rcItems.top && rc.bottom <= rcItems.bottom)
        return;
    if (rc.bottom > rcItems.bottom)
    {
        SetScrollPos(m_nScrollPos + rc.bottom - rcItems.bottom);
        return;
    }
    int nTop = m_layout[nIndex].rc.top;
    // The group's label comes into view with the item when both fit.
    for (int i = nIndex - 1; m_bShowLabels && i >= 0; i--)
    {
        if (!m_layout[i].pItem->IsLabel())
            continue;
        if (nTop - m_layout[i].rc.top <= rcItems.Height() - m_layout[nIndex].rc.Height())
            nTop = m_layout[i].rc.top;
        break;
    }
    SetScrollPos(nTop - rcItems.top);
}

CRect CKTControlGallery::GetScrollBarRect()
{
    if (!m_bShowScrollBar)
        return CRect(0, 0, 0, 0);
    int nBorder = m_bShowBorders ? 1 : 0;
    int nWidth = GetScrollBarWidth();
    return CRect(m_rcControl.right - nBorder - nWidth, m_rcControl.top + nBorder, m_rcControl.right - nBorder,
                 m_rcControl.bottom - nBorder);
}

void CKTControlGallery::GetScrollInfo(SCROLLINFO* pSI)
{
    pSI->nMin = 0;
    pSI->nMax = std::max(0, m_nContentHeight - 1);
    pSI->nPage = GetItemsRect().Height();
    pSI->nPos = m_nScrollPos;
}

void CKTControlGallery::DoScroll(int nCode, int nPos)
{
    const int nItem = GetDefaultItemSize().cy, nPage = GetItemsRect().Height();
    int nNew = m_nScrollPos;
    switch (nCode)
    {
    case SB_LINEUP:
        nNew -= nItem;
        break;
    case SB_LINEDOWN:
        nNew += nItem;
        break;
    case SB_PAGEUP:
        nNew -= nPage;
        break;
    case SB_PAGEDOWN:
        nNew += nPage;
        break;
    case SB_THUMBTRACK:
        nNew = nPos;
        break;
    case SB_TOP:
        nNew = 0;
        break;
    case SB_BOTTOM:
        nNew = m_nContentHeight;
        break;
    }
    SetScrollPos(nNew);
}

void CKTControlGallery::RedrawScrollBar() { RedrawParent(FALSE); }

void CKTControlGallery::CalcScrollBarPosInfo(CRect rc, KT_SCROLLBARPOSINFO* pInfo, const SCROLLINFO& si)
{
    CKTBarScrollBar::CalcScrollBarPosInfo(rc, pInfo, si);
    if (IsInPlace())
        GetGalleryPaintManager()->LayOutScrollButtons(pInfo);
}

CKTGalleryPaintManager* CKTControlGallery::GetGalleryPaintManager() const
{
    return GetPaintManager()->GetGalleryPaintManager();
}

void CKTControlGallery::Draw(CDC* pDC)
{
    if (!IsGalleryStyle())
    {
        CKTControlPopup::Draw(pDC);
        return;
    }
    CKTGalleryPaintManager* pGalleryPaint = GetGalleryPaintManager();
    pGalleryPaint->FillControl(pDC, this, m_rcControl);
    DrawItems(pDC);
    if (!m_bShowScrollBar)
        return;
    if (IsInPlace())
        pGalleryPaint->DrawScrollButtons(pDC, this);
    else
        pGalleryPaint->DrawScrollBar(pDC, this);
}

void CKTControlGallery::DrawItems(CDC* pDC)
{
    CKTControlGalleryItems* pItems = GetItems();
    if (!pItems)
        return;
    const CRect rcItems = GetItemsRect();
    CKTClipDC clip(pDC, rcItems);
    for (int i = 0; i < (int)m_layout.size(); i++)
    {
        const CItemLayout& layout = m_layout[i];
        CRect rc = layout.rc - CPoint(0, m_nScrollPos);
        if (layout.rc.IsRectEmpty() || rc.bottom <= rcItems.top)
            continue;
        if (rc.top >= rcItems.bottom)
            break;
        if (layout.pItem->IsLabel())
        {
            GetGalleryPaintManager()->DrawLabel(pDC, layout.pItem, rc);
            continue;
        }
        BOOL bHot = i == GetShownHotItem(), bPressed = bHot && m_bPressed;
        BOOL bChosen = layout.pItem->GetID() == m_nChosen, bEnabled = IsEnabled();
        if (!pItems->PreDrawItem(pDC, this, layout.pItem, rc, bEnabled, bHot, bPressed, bChosen))
            layout.pItem->Draw(pDC, this, rc, bEnabled, bHot, bPressed, bChosen);
    }
}

void CKTControlGallery::RedrawItems(int nOld, int nNew)
{
    CKTControlGalleryItems* pItems = GetItems();
    if (!pItems || !pItems->IsClipItems() || !m_pParent || !m_pParent->GetSafeHwnd())
    {
        RedrawParent(FALSE);
        return;
    }
    for (int nIndex : {nOld, nNew})
    {
        CRect rc = GetItemDrawRect(nIndex);
        if (!rc.IsRectEmpty())
            m_pParent->Redraw(rc, nIndex == nOld);
    }
}

void CKTControlGallery::BeginPreview()
{
    m_bPreview = TRUE;
    NotifySite(KTN_GALLERY_PREVIEWBEGIN);
    NotifySite(KTN_GALLERY_PREVIEWCHANGE);
}

void CKTControlGallery::EndPreview(int nCode)
{
    if (!m_bPreview)
        return;
    m_bPreview = FALSE;
    NotifySite(nCode);
}

void CKTControlGallery::SetHotItem(int nIndex)
{
    int nOld = m_nHotItem;
    m_nHotItem = nIndex;
    m_bHideHot = FALSE;
    m_bPressed = FALSE;
    m_bKeyboardHot = TRUE;
    RedrawItems(nOld, nIndex);
    EnsureVisible(nIndex);
    BOOL bValid = IsSelectable(nIndex);
    if (bValid && m_pParent && m_pParent->GetSafeHwnd())
        ::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_pParent->GetSafeHwnd(), m_nId, nIndex + 1);
    if (bValid && !m_bPreview)
        BeginPreview();
    else if (m_bPreview && nIndex != nOld)
        NotifySite(KTN_GALLERY_PREVIEWCHANGE);
    if (!bValid)
        EndPreview(KTN_GALLERY_PREVIEWCANCEL);
}

void CKTControlGallery::OnMouseMove(CPoint pt)
{
    if (!IsGalleryStyle())
    {
        CKTControlPopup::OnMouseMove(pt);
        return;
    }
    int nPart = HitTestScrollBar(pt);
    if (!m_pTracking && nPart != m_spi.ht)
    {
        m_spi.ht = nPart;
        RedrawScrollBar();
    }
    if (pt == CPoint(-1, -1))
    {
        OnMouseLeave();
        return;
    }
    int nHit = HitTestItem(pt);
    if (nHit == -1 && m_bKeyboardHot)
        return;
    if (nHit == m_nHotItem && !m_bHideHot && !m_bKeyboardHot)
        return;
    int nOld = m_nHotItem;
    m_nHotItem = nHit;
    m_bHideHot = m_bKeyboardHot = m_bPressed = FALSE;
    RedrawItems(nOld, nHit);
    if (nHit == -1)
        EndPreview(KTN_GALLERY_PREVIEWCANCEL);
    else if (m_bPreview)
        NotifySite(KTN_GALLERY_PREVIEWCHANGE);
    else if (m_pParent && m_pParent->GetSafeHwnd())
        m_pParent->SetTimer(KT_TIMER_HOVER, kHoverDelay, NULL);
}

void CKTControlGallery::OnMouseHover()
{
    if (!IsGalleryStyle())
    {
        CKTControlPopup::OnMouseHover();
        return;
    }
    if (GetShownHotItem() != -1 && !m_bPreview && m_nSelected != ktSelectionNone)
        BeginPreview();
}

void CKTControlGallery::OnMouseLeave()
{
    m_bHideHot = TRUE;
    m_bKeyboardHot = FALSE;
    RedrawItems(m_nHotItem, -1);
    if (m_bPreview && m_nHotItem != -1)
        NotifySite(KTN_GALLERY_PREVIEWCHANGE);
    EndPreview(KTN_GALLERY_PREVIEWCANCEL);
}

BOOL CKTControlGallery::OnSetSelected(int nSelected)
{
    BOOL bChanged = CKTControlPopup::OnSetSelected(nSelected);
    if (!IsGalleryStyle())
        return bChanged;
    if (nSelected == ktSelectionNone)
        OnMouseLeave();
    else if (KTIsKeyboardSelection(nSelected) && GetShownHotItem() == -1)
        SetHotItem(GetNextItem(-1, nSelected == ktSelectionKeyboard ? 1 : -1));
    return bChanged;
}

BOOL CKTControlGallery::IsFocused() const { return IsGalleryStyle() && m_nSelected != ktSelectionNone; }

CString CKTControlGallery::GetTooltip(CPoint pt, CRect* pRect, INT_PTR* pToolId) const
{
    if (!IsGalleryStyle())
        return CKTControlPopup::GetTooltip(pt, pRect, pToolId);
    const int nIndex = HitTestItem(pt);
    if (nIndex == -1)
        return CString();
    *pRect = GetItemDrawRect(nIndex);
    *pToolId = GetItem(nIndex)->GetID() + 1;
    return GetItem(nIndex)->GetTooltip();
}

void CKTControlGallery::OnExecute()
{
    EndPreview(KTN_GALLERY_PREVIEWAPPLY);
    CKTControlPopup::OnExecute();
}

BOOL CKTControlGallery::OnSetPopup(BOOL bPopup)
{
    EndPreview(KTN_GALLERY_PREVIEWCANCEL);
    return CKTControlPopup::OnSetPopup(bPopup);
}

void CKTControlGallery::AdjustExcludeRect(CRect& rc, BOOL bVertical)
{
    if (!IsGalleryStyle())
    {
        CKTControlPopup::AdjustExcludeRect(rc, bVertical);
        return;
    }
    // The gallery's own popup opens over the gallery.
    rc = CRect(rc.left - 1, rc.top, rc.left - 1, rc.top);
}

void CKTControlGallery::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (!IsGalleryStyle() || bKeyboard)
    {
        CKTControlPopup::OnClick(bKeyboard, pt);
        return;
    }
    if (!m_pParent)
        return;
    if (IsCustomizeMode())
    {
        OnCustomizeClick(pt);
        return;
    }
    if (!IsEnabled())
        return;
    OnMouseMove(pt);
    int nPart = HitTestScrollBar(pt);
    if (nPart == ktScrollPopup)
    {
        m_pParent->SetPopuped(m_nIndex);
        return;
    }
    if (nPart != ktScrollNowhere)
    {
        PerformTrackInit(m_pParent->GetSafeHwnd(), pt, KTIsKeyDown(VK_SHIFT));
        return;
    }
    m_pParent->SetPopuped(-1);
    if (GetShownHotItem() != -1 && !m_bKeyboardHot)
    {
        m_bPressed = TRUE;
        RedrawItems(-1, m_nHotItem);
    }
}

void CKTControlGallery::OnLButtonUp(CPoint pt)
{
    if (!IsGalleryStyle())
    {
        CKTControlPopup::OnLButtonUp(pt);
        return;
    }
    if (!m_bPressed)
        return;
    m_bPressed = FALSE;
    RedrawItems(-1, m_nHotItem);
    OnExecute();
}

int CKTControlGallery::OnHookMouseWheel(int nDelta)
{
    SetScrollPos(m_nScrollPos + (nDelta > 0 ? -3 : 3) * GetDefaultItemSize().cy);
    return ktHookHandled;
}

void CKTControlGallery::Copy(CKTControl* pFrom, BOOL bRecursive)
{
    CKTControlPopup::Copy(pFrom, bRecursive);
    CKTControlGallery* pGallery = dynamic_cast<CKTControlGallery*>(pFrom);
    if (!pGallery)
        return;
    m_bShowLabels = pGallery->m_bShowLabels;
    m_bShowBorders = pGallery->m_bShowBorders;
    m_bShowScrollBar = pGallery->m_bShowScrollBar;
    m_rcMargin = pGallery->m_rcMargin;
    m_nChosen = pGallery->m_nChosen;
    m_nHotItem = pGallery->m_nHotItem;
    m_pItems = pGallery->m_pItems;
}
