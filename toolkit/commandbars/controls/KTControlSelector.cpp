// KTControlSelector.cpp: the selector's cells, the selection under the pointer and the growing grid.
#include "KTControlSelector.h"

#include "KTCommandBar.h"
#include "KTPaintManager.h"
#include "KTPropExchange.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CKTControlSelector, CKTControl)

namespace
{
// The site hears of each change of the selection.
const int kSelectionChanged = 0x1006;
// The colour-table slots of the cell frames and of the text of a cell left out.
const int kCellFrameColor = 43;
const int kCellTextColor = 46;
}  // namespace

CSize CKTControlSelector::GetSize(CDC*) { return CSize(m_szVisible.cx * m_szItem.cx, m_szVisible.cy * m_szItem.cy); }

CRect CKTControlSelector::GetCellRect(int nColumn, int nRow) const
{
    return CRect(m_rcControl.left + nColumn * m_szItem.cx + 1, m_rcControl.top + nRow * m_szItem.cy + 1,
                 m_rcControl.left + (nColumn + 1) * m_szItem.cx - 1, m_rcControl.top + (nRow + 1) * m_szItem.cy - 1);
}

void CKTControlSelector::Draw(CDC* pDC)
{
    CKTPaintManager* pPaintManager = GetPaintManager();
    COLORREF clrFrame = pPaintManager->GetColor(kCellFrameColor);
    for (int nRow = 0; nRow < m_szVisible.cy; nRow++)
        for (int nColumn = 0; nColumn < m_szVisible.cx; nColumn++)
        {
            CRect rc = GetCellRect(nColumn, nRow);
            BOOL bSelected = nColumn < m_szSelected.cx && nRow < m_szSelected.cy;
            pDC->FillSolidRect(rc, pPaintManager->GetColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
            pDC->Draw3dRect(rc, clrFrame, clrFrame);
            DrawCell(pDC, rc, pPaintManager->GetColor(bSelected ? COLOR_HIGHLIGHTTEXT : kCellTextColor));
        }
}

void CKTControlSelector::SetSelection(CSize sz)
{
    if (sz == m_szSelected)
        return;
    m_szSelected = sz;
    RedrawParent(FALSE);
    NotifySite(kSelectionChanged);
}

BOOL CKTControlSelector::GrowTo(CPoint pt)
{
    CSize szVisible(
        std::min<int>(std::max<int>(m_szVisible.cx, (pt.x - m_rcControl.left) / m_szItem.cx + 1), m_szItemsMax.cx),
        std::min<int>(std::max<int>(m_szVisible.cy, (pt.y - m_rcControl.top) / m_szItem.cy + 1), m_szItemsMax.cy));
    if (szVisible == m_szVisible)
        return FALSE;
    m_szVisible = szVisible;
    RedrawParent(FALSE);
    NotifySite(kSelectionChanged);
    if (m_pParent)
    {
        m_bLayoutLock = TRUE;
        m_pParent->OnRecalcLayout();
        m_bLayoutLock = FALSE;
    }
    return TRUE;
}

void CKTControlSelector::OnMouseMove(CPoint pt)
{
    BOOL bBeyond = pt.x >= m_rcControl.right || pt.y >= m_rcControl.bottom;
    if (bBeyond && ::GetKeyState(VK_LBUTTON) < 0)
    {
        if (GrowTo(pt))
        {
            OnMouseMove(pt);
            return;
        }
    }
    if (!m_rcControl.PtInRect(pt))
    {
        SetSelection(CSize(0, 0));
        return;
    }
    SetSelection(CSize(std::min<int>((pt.x - m_rcControl.left) / m_szItem.cx + 1, m_szVisible.cx),
                       std::min<int>((pt.y - m_rcControl.top) / m_szItem.cy + 1, m_szVisible.cy)));
}

void CKTControlSelector::OnLButtonUp(CPoint) { RunSelection(); }

void CKTControlSelector::RunSelection()
{
    if (m_szSelected == CSize(0, 0))
        return;
    m_szChosen = m_szSelected;
    OnExecute();
}

void CKTControlSelector::OnCalcDynamicSize(DWORD)
{
    if (m_bLayoutLock)
        return;
    m_szSelected = CSize(0, 0);
    m_szVisible = m_szItemsCount;
    RedrawParent(FALSE);
    NotifySite(kSelectionChanged);
}

void CKTControlSelector::Copy(CKTControl* pFrom, BOOL bRecursive)
{
    if (CKTControlSelector* pSelector = dynamic_cast<CKTControlSelector*>(pFrom))
    {
        m_szItemsCount = pSelector->m_szItemsCount;
        m_szItemsMax = pSelector->m_szItemsMax;
        m_szItem = pSelector->m_szItem;
    }
    CKTControl::Copy(pFrom, bRecursive);
}

void CKTControlSelector::DoPropExchange(CKTPropExchange* pPX)
{
    CKTControl::DoPropExchange(pPX);
    PX_Size(pPX, "ItemsCount", m_szItemsCount, CSize(0, 0));
    PX_Size(pPX, "ItemsMax", m_szItemsMax, CSize(0, 0));
    PX_Size(pPX, "ItemSize", m_szItem, CSize(0, 0));
}
