// KTPropertyGridView.cpp: rows, order, selection, divider and painting of the grid's list view.
#include "KTPropertyGridView.h"

#include <algorithm>
#include <vector>

#include "KTDrawObjects.h"
#include "KTPropertyGrid.h"
#include "KTPropertyGridItem.h"
#include "KTPropertyGridPainter.h"
#include "KTPropertyGridToolTip.h"
#include "KTResourceManager.h"
#include "KTFoundationRes.h"

BEGIN_MESSAGE_MAP(CKTPropertyGridView, CListBox)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_SIZE()
ON_CONTROL_REFLECT(LBN_SELCHANGE, OnSelChange)
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_SYSKEYDOWN()
ON_WM_CHAR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_MOUSEWHEEL()
ON_WM_VSCROLL()
ON_WM_SETCURSOR()
ON_WM_CAPTURECHANGED()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

CKTPropertyGridView::CKTPropertyGridView()
    : m_hDividerCursor(KTResourceManager()->LoadCursor(KT_IDC_DIVIDER)), m_accessible(this)
{
}

CKTPropertyGridView::~CKTPropertyGridView()
{
    m_nLockUpdate++;  // the items go without touching rows
    m_pSelected = nullptr;
    m_categories.Clear();
}

CKTPropertyGridPainter* CKTPropertyGridView::GetPainter() const { return m_pGrid ? m_pGrid->GetPainter() : nullptr; }

CKTPropertyGridItem* CKTPropertyGridView::AddCategory(LPCSTR lpszCaption, CKTPropertyGridItem* pCategory)
{
    return InsertCategory(m_categories.GetCount(), lpszCaption, pCategory);
}

CKTPropertyGridItem* CKTPropertyGridView::InsertCategory(int nIndex, LPCSTR lpszCaption, CKTPropertyGridItem* pCategory)
{
    if (nIndex < 0 || nIndex > m_categories.GetCount())
        nIndex = m_categories.GetCount();
    if (!pCategory)
        pCategory = new CKTPropertyGridItem(lpszCaption, "");
    if (IsUpdateLocked())
        m_nSortOrder = ktGridSortCategorized;
    else if (m_nSortOrder != ktGridSortCategorized)
        Refresh(ktGridSortCategorized, FALSE, TRUE);
    pCategory->SetView(this);
    pCategory->MakeCategory();
    m_categories.InsertAt(nIndex, pCategory);
    if (GetSafeHwnd())
    {
        InsertItem(pCategory, FindRowBefore(nIndex));
        Renumber();
    }
    return pCategory;
}

// The first row of the next shown category, else the end.
int CKTPropertyGridView::FindRowBefore(int nCategoryIndex) const
{
    for (int i = nCategoryIndex + 1; i < m_categories.GetCount(); i++)
    {
        CKTPropertyGridItem* pNext = m_categories.GetAt(i);
        if (pNext->IsVisible())
            return pNext->GetIndex();
    }
    return GetCount();
}

void CKTPropertyGridView::Refresh(int nOrder, BOOL bForce, BOOL bRedrawOff)
{
    if (IsUpdateLocked())
    {
        m_nSortOrder = nOrder;
        return;
    }
    if (nOrder == m_nSortOrder && !bForce)
        return;
    if (bRedrawOff)
        SetRedraw(FALSE);
    CKTPropertyGridItem* pTop = bForce ? GetItem(GetTopIndex()) : nullptr;
    CKTPropertyGridItem* pSelected = m_pSelected;
    ResetContent();
    RebuildRows(nOrder);
    Renumber();
    if (pTop && pTop->IsVisible())
        SetTopIndex(pTop->GetIndex());
    if (pSelected && pSelected->IsVisible())
        SetCurSel(pSelected->GetIndex());
    OnSelectionChanged();
    if (bRedrawOff)
    {
        SetRedraw(TRUE);
        Invalidate(FALSE);
    }
    if (nOrder == m_nSortOrder)
        return;
    m_nSortOrder = nOrder;
    if (m_pGrid)
        m_pGrid->OnSortChanged();
}

void CKTPropertyGridView::RebuildRows(int nOrder)
{
    if (nOrder == ktGridSortCategorized)
    {
        for (int i = 0; i < m_categories.GetCount(); i++)
            InsertItem(m_categories.GetAt(i), GetCount());
        return;
    }
    std::vector<CKTPropertyGridItem*> items;  // borrowed: the categories keep them
    for (int i = 0; i < m_categories.GetCount(); i++)
    {
        CKTPropertyGridItem* pCategory = m_categories.GetAt(i);
        if (pCategory->GetHidden())
            continue;
        for (int j = 0; j < pCategory->GetChilds()->GetCount(); j++)
            items.push_back(pCategory->GetChilds()->GetAt(j));
    }
    if (nOrder == ktGridSortAlphabetical)
    {
        std::stable_sort(items.begin(), items.end(),
                         [](CKTPropertyGridItem* a, CKTPropertyGridItem* b)
                         { return a->GetCaption().Compare(b->GetCaption()) < 0; });
    }
    for (CKTPropertyGridItem* pItem : items)
        InsertItem(pItem, GetCount());
}

void CKTPropertyGridView::BeginUpdate()
{
    if (m_nLockUpdate++ == 0 && GetSafeHwnd())
        ResetContent();
}

void CKTPropertyGridView::EndUpdate()
{
    if (--m_nLockUpdate > 0 || !GetSafeHwnd())
        return;
    Renumber();
    Refresh(m_nSortOrder, TRUE, FALSE);
    if (m_pGrid)
        m_pGrid->RedrawAll();
}

void CKTPropertyGridView::ResetContent()
{
    if (CKTPropertyGridItem* pSelected = m_pSelected)
    {
        m_pSelected = nullptr;
        pSelected->OnDeselect();
    }
    SetCurSel(-1);
    if (m_pGrid)
        m_pGrid->OnSelectionChanged(nullptr);
    for (int i = 0; i < GetCount(); i++)
    {
        if (CKTPropertyGridItem* pItem = GetItem(i))
            pItem->SetVisible(FALSE);
    }
    CListBox::ResetContent();
    CKTPropertyGridPainter* pPainter = GetPainter();
    if (!pPainter || !pPainter->GetNormalFont())
        return;
    SetFont(pPainter->GetNormalFont(), FALSE);
    CClientDC dc(this);
    CKTFontDC font(&dc, pPainter->GetNormalFont());
    m_nRowHeight = dc.GetTextExtent(" ", 1).cy + 4;
    SetItemHeight(0, m_nRowHeight);
}

int CKTPropertyGridView::InsertItem(CKTPropertyGridItem* pItem, int nRow)
{
    if (IsUpdateLocked() || !GetSafeHwnd() || pItem->GetHidden())
        return 0;
    pItem->SyncBoundString();
    nRow = static_cast<int>(SendMessage(LB_INSERTSTRING, nRow, reinterpret_cast<LPARAM>(pItem)));
    if (nRow < 0)
        return 0;
    SetItemDataPtr(nRow, pItem);
    if (GetStyle() & LBS_OWNERDRAWVARIABLE)
    {
        MEASUREITEMSTRUCT mis = {ODT_LISTBOX,
                                 0,
                                 static_cast<UINT>(nRow),
                                 0,
                                 static_cast<UINT>(m_nRowHeight),
                                 reinterpret_cast<ULONG_PTR>(pItem)};
        MeasureItem(&mis);
        SetItemHeight(nRow, mis.itemHeight);
    }
    pItem->SetVisible(TRUE);
    int nInserted = 1;
    if (!pItem->IsExpanded())
        return nInserted;
    CKTPropertyGridItems* pChilds = pItem->GetChilds();
    for (int i = 0; i < pChilds->GetCount(); i++)
        nInserted += InsertItem(pChilds->GetAt(i), nRow + nInserted);
    return nInserted;
}

void CKTPropertyGridView::RemoveChildRows(CKTPropertyGridItem* pItem)
{
    int nRow = pItem->GetIndex() + 1;
    while (nRow < GetCount())
    {
        CKTPropertyGridItem* pRowItem = GetItem(nRow);
        if (!pRowItem || !pRowItem->IsChildOf(pItem))
            break;
        pRowItem->SetVisible(FALSE);
        pRowItem->SetIndex(-1);
        DeleteString(nRow);
    }
    Renumber();
}

void CKTPropertyGridView::Renumber()
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (CKTPropertyGridItem* pItem = GetItem(i))
            pItem->SetIndex(i);
    }
}

CKTPropertyGridItem* CKTPropertyGridView::GetItem(int nRow) const
{
    if (!GetSafeHwnd() || nRow < 0 || nRow >= GetCount())
        return nullptr;
    return static_cast<CKTPropertyGridItem*>(GetItemDataPtr(nRow));
}

CKTPropertyGridItem* CKTPropertyGridView::ItemFromPoint(CPoint point) const
{
    BOOL bOutside = TRUE;
    UINT nRow = CListBox::ItemFromPoint(point, bOutside);
    return bOutside ? nullptr : GetItem(static_cast<int>(nRow));
}

int CKTPropertyGridView::GetDividerPos() const
{
    if (!m_bProportional)
        return static_cast<int>(m_dDivider);
    return static_cast<int>(CKTClientRect(this).Width() * m_dDivider);
}

void CKTPropertyGridView::SetDividerPos(int x)
{
    int nWidth = CKTClientRect(this).Width();
    if (m_bProportional)
    {
        m_dDivider = nWidth == 0 ? 0.5 : std::clamp(static_cast<double>(x) / nWidth, 0.1, 0.85);
        return;
    }
    x = std::max(x, 1);
    if (nWidth != 0)
        x = std::min(x, nWidth);
    m_dDivider = x;
}

void CKTPropertyGridView::SetFocusedButton(CKTPropertyGridItemButton* pButton)
{
    if (pButton)
        SetFocus();
    if (pButton == m_pFocusedButton)
        return;
    m_pFocusedButton = pButton;
    Invalidate(FALSE);
}

void CKTPropertyGridView::SetHotButton(CKTPropertyGridItemButton* pButton)
{
    if (pButton == m_pHotButton)
        return;
    m_pHotButton = pButton;
    Invalidate(FALSE);
}

void CKTPropertyGridView::ForgetButton(CKTPropertyGridItemButton* pButton)
{
    if (m_pFocusedButton == pButton)
        m_pFocusedButton = nullptr;
    if (m_pHotButton == pButton)
        m_pHotButton = nullptr;
}

void CKTPropertyGridView::ForgetItem(CKTPropertyGridItem* pItem)
{
    if (m_pSelected == pItem)
        m_pSelected = nullptr;
}

void CKTPropertyGridView::OnSelectionChanged()
{
    CKTPropertyGridItem* pNew = GetItem(GetCurSel());
    if (CKTPropertyGridItem* pOld = m_pSelected)
        pOld->OnDeselect();
    m_pSelected = pNew;
    if (!pNew)
        return;
    pNew->OnSelect();
    if (m_pGrid)
        m_pGrid->OnSelectionChanged(pNew);
}

// The list box also reports the row it already had when a press ends; the
// item being edited keeps its edit then.
void CKTPropertyGridView::OnSelChange()
{
    if (GetItem(GetCurSel()) != m_pSelected)
        OnSelectionChanged();
}

void CKTPropertyGridView::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    auto* pItem = reinterpret_cast<CKTPropertyGridItem*>(lpDrawItemStruct->itemData);
    CKTPropertyGridPainter* pPainter = GetPainter();
    if (!pItem || !pPainter || static_cast<int>(lpDrawItemStruct->itemID) < 0)
        return;
    if (static_cast<int>(lpDrawItemStruct->itemID) == GetCount() - 1)
    {
        CRect rcBelow = CKTClientRect(this);
        rcBelow.top = lpDrawItemStruct->rcItem.bottom;
        if (rcBelow.Height() > 0)
            ::FillRect(lpDrawItemStruct->hDC, &rcBelow, CBrush(pPainter->GetItemBackColor(nullptr, FALSE)));
    }
    if ((m_pGrid->GetStyle() & 0x10) &&
        m_pGrid->SendNotifyMessage(KTPGN_DRAWITEM, reinterpret_cast<LPARAM>(lpDrawItemStruct)) == 1)
        return;
    pPainter->DrawItem(lpDrawItemStruct);
}

void CKTPropertyGridView::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = m_nRowHeight;
    if (CKTPropertyGridPainter* pPainter = GetPainter())
        pPainter->MeasureItem(lpMeasureItemStruct);
}

void CKTPropertyGridView::OnPaint()
{
    CPaintDC dc(this);
    CKTClientRect rc(this);
    CKTBufferDC memDC(&dc, rc);
    if (CKTPropertyGridPainter* pPainter = GetPainter())
        pPainter->FillBackground(&memDC);
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}

BOOL CKTPropertyGridView::OnEraseBkgnd(CDC* /*pDC*/) { return TRUE; }

void CKTPropertyGridView::OnNcCalcSize(BOOL /*bCalcValidRects*/, NCCALCSIZE_PARAMS* lpncsp)
{
    if (CKTPropertyGridPainter* pPainter = GetPainter())
    {
        CRect rc(lpncsp->rgrc[0]);
        pPainter->DrawBorder(nullptr, rc, TRUE);
        lpncsp->rgrc[0] = rc;
    }
    Default();
}

void CKTPropertyGridView::OnNcPaint()
{
    Default();
    CKTPropertyGridPainter* pPainter = GetPainter();
    if (!pPainter)
        return;
    CWindowDC dc(this);
    CRect rc = CKTWindowRect(this);
    rc.OffsetRect(-rc.left, -rc.top);
    pPainter->DrawBorder(&dc, rc, FALSE);
}

void CKTPropertyGridView::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
    OnSelectionChanged();
}

LRESULT CKTPropertyGridView::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return Default();
    return m_accessible.LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(&m_accessible));
}
