// KTDockingPaneWindowSelectLayout.cpp: the selector's item grid and its keyboard moves.
#include "KTDockingPaneWindowSelectLayout.h"

#include <algorithm>

namespace
{
const int kItemWidth = 163;
const int kPaneLeft = 9;
const int kFileLeftAfterPanes = 184;
const int kFirstRowOffset = 13;
const int kWindowExtraHeight = 123;
const int kWindowExtraWidth = 4;
}  // namespace

CKTDockingPaneWindowSelectLayout::CKTDockingPaneWindowSelectLayout(int nItemHeight) : m_nItemHeight(nItemHeight) {}

void CKTDockingPaneWindowSelectLayout::AddPane(CKTDockingPane* pPane, BOOL bActive)
{
    ASSERT(GetFileCount() == 0);
    CKTDockingPaneWindowSelectItem item;
    item.pPane = pPane;
    item.nKind = CKTDockingPaneWindowSelectItem::kPane;
    if (bActive)
        m_nSelected = static_cast<int>(m_items.size());
    Place(item, kPaneLeft, m_nPaneCount == 0);
    ++m_nPaneCount;
}

void CKTDockingPaneWindowSelectLayout::AddFile(HWND hWnd, int nKind)
{
    CKTDockingPaneWindowSelectItem item;
    item.hWnd = hWnd;
    item.nKind = nKind;
    const int nFiles = GetFileCount();
    const int nLeft = (m_nPaneCount ? kFileLeftAfterPanes : kPaneLeft) + nFiles / kMaxRows * kColumnWidth;
    Place(item, nLeft, nFiles % kMaxRows == 0);
}

void CKTDockingPaneWindowSelectLayout::Place(CKTDockingPaneWindowSelectItem item, int nLeft, BOOL bNewColumn)
{
    const int nIndex = static_cast<int>(m_items.size());
    if (bNewColumn)
        m_columns.emplace_back(nIndex, nIndex);
    else
        m_columns.back().second = nIndex;
    item.nIndex = nIndex;
    item.nColumn = static_cast<int>(m_columns.size()) - 1;
    item.nRow = nIndex - m_columns.back().first;
    const int nTop = m_nItemHeight + kFirstRowOffset + item.nRow * (m_nItemHeight + 1);
    item.rc.SetRect(nLeft, nTop, nLeft + kItemWidth, nTop + m_nItemHeight);
    m_items.push_back(item);
}

BOOL CKTDockingPaneWindowSelectLayout::ChooseInitialSelection(BOOL bPanesFirst, BOOL bShift)
{
    if (bPanesFirst && m_nPaneCount > 0)
    {
        if (m_nSelected < 0)
            m_nSelected = bShift ? m_nPaneCount - 1 : 0;
        else
            m_nSelected = Wrap(m_nSelected + (bShift ? -1 : 1), 0, m_nPaneCount);
        return TRUE;
    }
    const int nFiles = GetFileCount();
    if (nFiles == 0)
        return FALSE;
    m_nSelected = m_nPaneCount;  // the active child comes first
    if (nFiles >= 2)
        m_nSelected = bShift ? m_nPaneCount + nFiles - 1 : m_nPaneCount + 1;
    return FALSE;
}

void CKTDockingPaneWindowSelectLayout::SelectEnd(BOOL bLast)
{
    if (!m_items.empty())
        m_nSelected = bLast ? static_cast<int>(m_items.size()) - 1 : 0;
}

void CKTDockingPaneWindowSelectLayout::SelectTab(BOOL bShift)
{
    if (m_nSelected < 0)
        return SelectEnd(bShift);
    const BOOL bPane = m_nSelected < m_nPaneCount;
    const int nFirst = bPane ? 0 : m_nPaneCount;
    const int nCount = bPane ? m_nPaneCount : GetFileCount();
    m_nSelected = Wrap(m_nSelected + (bShift ? -1 : 1), nFirst, nCount);
}

void CKTDockingPaneWindowSelectLayout::SelectVertical(BOOL bDown)
{
    if (m_nSelected < 0)
        return SelectEnd(!bDown);
    m_nSelected = Wrap(m_nSelected + (bDown ? 1 : -1), 0, static_cast<int>(m_items.size()));
}

BOOL CKTDockingPaneWindowSelectLayout::SelectColumn(BOOL bRight)
{
    if (m_columns.size() < 2 || m_nSelected < 0)
        return FALSE;
    const CKTDockingPaneWindowSelectItem& item = m_items[m_nSelected];
    const int nColumn = Wrap(item.nColumn + (bRight ? 1 : -1), 0, GetColumnCount());
    const std::pair<int, int>& column = m_columns[nColumn];
    m_nSelected = std::min(column.first + item.nRow, column.second);
    return TRUE;
}

int CKTDockingPaneWindowSelectLayout::HitTest(CPoint pt) const
{
    for (const CKTDockingPaneWindowSelectItem& item : m_items)
    {
        if (item.rc.PtInRect(pt))
            return item.nIndex;
    }
    return -1;
}

CSize CKTDockingPaneWindowSelectLayout::GetWindowSize() const
{
    int nRows = 0;
    for (const std::pair<int, int>& column : m_columns)
        nRows = std::max(nRows, column.second - column.first + 1);
    const int nColumns = std::max(2, GetColumnCount());
    return CSize(nColumns * kColumnWidth + kWindowExtraWidth,
                 (m_nItemHeight + 1) * nRows + kWindowExtraHeight + m_nItemHeight);
}

const CKTDockingPaneWindowSelectItem* CKTDockingPaneWindowSelectLayout::GetSelectedItem() const
{
    return m_nSelected < 0 ? nullptr : &m_items[m_nSelected];
}

int CKTDockingPaneWindowSelectLayout::Wrap(int nIndex, int nFirst, int nCount)
{
    return nFirst + ((nIndex - nFirst) % nCount + nCount) % nCount;
}
