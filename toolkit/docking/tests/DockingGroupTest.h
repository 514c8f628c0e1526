// The setting of the tests of one group of panes: the designer's panes in a frame, with 701 and 702 sharing a
// group (two tabs) and 701 shown; 703 stands alone.
#pragma once

#include <gtest/gtest.h>

#include "DockingTestFrame.h"
#include "KTDockingPaneLayoutData.h"
#include "KTDockingPaneTabbedContainer.h"

class DockingGroupTest : public ::testing::Test
{
protected:
    DockingGroupTest() : m_frame(1000, 700)
    {
        m_frame.CreateDesignerPanes();
        CKTDockingPaneManager& manager = m_frame.m_manager;
        manager.AttachPane(Pane(702), Pane(701));
        manager.GetLayout()->Normalize();
        m_frame.Layout();
        m_pGroup = Pane(701)->GetTabbedContainer();
        m_pGroup->SelectPane(Pane(701), FALSE, FALSE);
    }

    CKTDockingPane* Pane(int nID) { return m_frame.m_manager.FindPane(nID); }
    // A tab's rectangle in the group's client coordinates.
    CRect TabRect(int nTab) { return m_pGroup->GetTabRow().GetItem(nTab)->GetRect(); }

    CDockingTestFrame m_frame;
    CKTDockingPaneTabbedContainer* m_pGroup = nullptr;
};
