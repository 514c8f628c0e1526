// FieldPageTest.h: a window holding the designer's field page, for the grid's window tests.
#pragma once

#include <gtest/gtest.h>

#include "GridTestWindow.h"
#include "KTDrawObjects.h"
#include "TestInput.h"

#include <memory>

class FieldPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_owner.Reset();
        ASSERT_TRUE(m_grid.Create(CRect(0, 0, 360, 380), &m_owner, 0));
        m_grid.SetOwner(&m_owner);
        m_pCategory = BuildFieldPage(m_grid);
        m_pView = m_grid.GetGridView();
        m_pInput = std::make_unique<CTestInput>(m_pView->GetSafeHwnd());
        Settle();
    }
    CKTPropertyGridItem* Find(LPCSTR lpszCaption) { return m_pView->GetCategories()->FindItemByCaption(lpszCaption); }
    CRect RowRect(CKTPropertyGridItem* pItem)
    {
        CRect rc;
        m_pView->GetItemRect(pItem->GetIndex(), rc);
        return rc;
    }
    // The help splitter bar's middle, in screen coordinates.
    CPoint HelpSplitterPoint()
    {
        CRect rcHelp = m_grid.GetHelpRect();
        return ClientToScreenPoint(&m_grid, CPoint(100, rcHelp.top - 2));
    }
    void DragHelpSplitterTo(int yClient, WORD vkBeforeRelease = 0)
    {
        MoveCursor(HelpSplitterPoint());
        LeftDown();
        QueueMove(ClientToScreenPoint(&m_grid, CPoint(100, yClient)));
        if (vkBeforeRelease)
            QueueKey(vkBeforeRelease);
        LeftUp();
        Settle();
    }

    CTestInput& Input() { return *m_pInput; }

    CGridOwner& m_owner = CGridOwner::Shared();
    CKTPropertyGrid m_grid;
    CKTPropertyGridItem* m_pCategory = nullptr;
    CKTPropertyGridView* m_pView = nullptr;
    std::unique_ptr<CTestInput> m_pInput;  // real input to the view
};
