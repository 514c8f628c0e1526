// ReBarTests.cpp: toolbars held as bands of a frame's rebar.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTReBar.h"
#include "KTToolBar.h"
#include "MessagePump.h"

#include <afxres.h>
#include <gtest/gtest.h>

namespace
{
class ReBarTest : public CFrameFixture
{
protected:
    void SetUp() override
    {
        CFrameFixture::SetUp();
        ASSERT_TRUE(m_reBar.Create(m_pFrame));
    }

    CKTToolBar* AddBar(UINT nBarId)
    {
        CKTToolBar* pBar = m_pCommandBars->Add("Banded", ktBarTop);
        pBar->SetBarID(nBarId);
        for (UINT nId : {ID_FILE_NEW, ID_FILE_OPEN, ID_EDIT_CUT})
            pBar->GetControls()->Add(ktControlButton, nId);
        m_pFrame->RecalcLayout();
        PumpMessages();
        return pBar;
    }

    UINT BandId(int nBand) const
    {
        REBARBANDINFOA info = {};
        info.cbSize = REBARBANDINFOA_V6_SIZE;
        info.fMask = RBBIM_ID;
        m_reBar.SendMessage(RB_GETBANDINFOA, nBand, (LPARAM)&info);
        return info.wID;
    }

    CKTReBar m_reBar;
};
}  // namespace

TEST_F(ReBarTest, AnAddedBarLeavesItsDockBarForABandOfItsOwnThatHoldsItWhole)
{
    CKTToolBar* pBar = AddBar(300);
    ASSERT_TRUE(pBar->GetDockBar() != NULL);
    ASSERT_TRUE(pBar->GetShowGripper());
    m_pCommandBars->OnToolBarAdded(pBar);
    EXPECT_EQ(NULL, pBar->GetDockBar());
    EXPECT_FALSE(pBar->GetShowGripper()) << "the band has a gripper of its own";
    EXPECT_EQ(0u, pBar->GetFlags() & ktBarFlagMovable) << "it no longer docks or floats";
    ASSERT_EQ(0, m_reBar.FindBand(pBar));
    EXPECT_EQ(300u, BandId(0));
    EXPECT_EQ(m_reBar.GetSafeHwnd(), ::GetParent(pBar->GetSafeHwnd()));

    CRect rcBand, rcBar;
    m_reBar.SendMessage(RB_GETRECT, 0, (LPARAM)&rcBand);
    pBar->GetWindowRect(rcBar);
    m_reBar.ScreenToClient(rcBar);
    EXPECT_EQ(rcBar, rcBar & rcBand) << "the band lays the bar out inside it";
    CSize szLayout = pBar->CalcDockingLayout(32000, LM_HORZ | LM_HORZDOCK);
    EXPECT_EQ(szLayout.cy, rcBar.Height());
    EXPECT_GE(rcBar.Width(), szLayout.cx) << "the band gives the bar at least the row it needs";

    CKTToolBar* pOther = AddBar(301);
    m_reBar.RemoveToolBar(pOther);
    EXPECT_EQ(1u, m_reBar.GetBandCount()) << "a bar without a band removes nothing";
    m_pCommandBars->Remove(pBar);
    EXPECT_EQ(0u, m_reBar.GetBandCount()) << "removing the bar takes its band away";
}

// A bar the user made is empty at first: its band is sized to the bar's block, not to the length it is measured at,
// since the band keeps that minimum when the bar is filled.
TEST_F(ReBarTest, AnEmptyBarGetsABandOfItsOwnBlock)
{
    CKTToolBar* pBar = m_pCommandBars->Add("Custom", ktBarTop);
    ASSERT_TRUE(pBar != NULL);
    m_pCommandBars->OnToolBarAdded(pBar);
    ASSERT_EQ(0, m_reBar.FindBand(pBar));
    EXPECT_LT(pBar->CalcDockingLayout(32000, LM_HORZ | LM_HORZDOCK).cx, 60);
    REBARBANDINFOA info = {};
    info.cbSize = REBARBANDINFOA_V6_SIZE;
    info.fMask = RBBIM_CHILDSIZE;
    ASSERT_TRUE(m_reBar.SendMessage(RB_GETBANDINFOA, 0, (LPARAM)&info));
    EXPECT_LT(info.cxMinChild, 60u);
}
