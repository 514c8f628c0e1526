// ThemedFrameTests.cpp: the menu bar and "Standard" on a real frame drawn by themes 4 and 0.
#include "GuiLeakCheck.h"
#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTMenuBar.h"
#include "KTThemeStyle0.h"
#include "KTThemeStyle4.h"
#include "MessagePump.h"
#include "PixelImage.h"
#include "TestFrame.h"
#include "TestSurface.h"

#include <gtest/gtest.h>

namespace
{
class ThemedFrameTest : public ::testing::Test
{
protected:
    void Open(int nTheme)
    {
        m_pFrame = CTestFrame::Create(nTheme);
        ASSERT_TRUE(m_pFrame != NULL);
        m_pStandard = m_pFrame->m_pStandard;
        for (int nId : {ID_FILE_NEW, ID_FILE_OPEN, ID_EDIT_CUT})
            m_pStandard->GetControls()->Add(ktControlButton, nId)->SetCaption(nId == ID_EDIT_CUT ? "Cut" : "File");
        m_pStandard->GetControl(2)->SetBeginGroup(TRUE);
        m_pFrame->GetCommandBars()->RecalcFrameLayout();
        m_pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
    }
    void TearDown() override
    {
        if (m_pFrame)
            m_pFrame->DestroyWindow();
        PumpMessages();
        CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
    }
    CKTPaintManager* Theme() const { return CKTPaintManager::GetGlobal(); }

    CTestFrame* m_pFrame = NULL;
    CKTToolBar* m_pStandard = NULL;
};
}  // namespace

TEST_F(ThemedFrameTest, Theme4FacesLieWithinTheirGradients)
{
    Open(4);
    auto* pTheme = dynamic_cast<CKTThemeStyle4*>(Theme());
    ASSERT_TRUE(pTheme != NULL);
    CPixelImage standard = CPixelImage::FromWindow(m_pStandard->GetSafeHwnd());
    CRect rcLast = m_pStandard->GetControl(2)->GetRect();
    int x = rcLast.right + 20;
    ASSERT_LT(x, standard.Width() - 10);
    const auto& face = pTheme->m_grcToolBar;
    for (int y = 3; y < standard.Height() - 3; y++)
        EXPECT_TRUE(IsBetween(standard.Pixel(x, y), face.clrLight, face.clrDark, 3))
            << std::hex << standard.Pixel(x, y) << " at y " << std::dec << y;

    CKTMenuBar* pMenuBar = m_pFrame->GetCommandBars()->GetMenuBar();
    CPixelImage menu = CPixelImage::FromWindow(pMenuBar->GetSafeHwnd());
    const auto& dock = pTheme->m_grcDockBar;
    // Up to its options button at the end.
    const int xEnd = pMenuBar->GetControls()->FindControl(KT_ID_TOOLBAR_EXPAND)->GetRect().left - 5;
    for (int xm : {menu.Width() / 2, xEnd})
        EXPECT_TRUE(IsBetween(menu.Pixel(xm, menu.Height() / 2), dock.clrLight, dock.clrDark, 3))
            << "the flat menu bar continues its dock bar";
}

TEST_F(ThemedFrameTest, Theme4HotButtonShowsTheHotColours)
{
    Open(4);
    CKTControl* pCut = m_pStandard->GetControl(2);
    CPoint pt = pCut->GetRect().CenterPoint();
    m_pStandard->ClientToScreen(&pt);
    m_pFrame->SetForegroundWindow();
    ::SetCursorPos(pt.x, pt.y);
    ASSERT_TRUE(PumpUntil([&] { return pCut->GetSelected() != 0; }, 2000));
    CPixelImage image = CPixelImage::FromWindow(m_pStandard->GetSafeHwnd());
    CRect rc = pCut->GetRect();
    EXPECT_EQ(Theme()->GetColor(32), image.Pixel(rc.left, rc.top + 3)) << "hot border";
    EXPECT_EQ(Theme()->GetColor(31), image.Pixel(rc.left + 2, rc.top + 2)) << "hot fill";
    EXPECT_EQ(Theme()->GetColor(39), image.Pixel(rc.left - 4, rc.CenterPoint().y)) << "the separator's dark line";
    ::SetCursorPos(0, 0);
}

TEST_F(ThemedFrameTest, Theme0CheckedButtonShowsItsPattern)
{
    Open(0);
    CKTControl* pNew = m_pStandard->GetControl(0);
    pNew->SetChecked(1);
    CPixelImage image = CPixelImage::FromWindow(m_pStandard->GetSafeHwnd());
    CRect rc = pNew->GetRect();
    COLORREF clrFace = Theme()->GetColor(COLOR_BTNFACE), clrLight = Theme()->GetColor(COLOR_BTNHIGHLIGHT);
    COLORREF a = image.Pixel(rc.left + 2, rc.top + 2), b = image.Pixel(rc.left + 3, rc.top + 2);
    EXPECT_TRUE((a == clrFace && b == clrLight) || (a == clrLight && b == clrFace)) << std::hex << a << " " << b;
    EXPECT_EQ(a, image.Pixel(rc.left + 3, rc.top + 3));
    EXPECT_EQ(Theme()->GetColor(COLOR_BTNSHADOW), image.Pixel(rc.left, rc.top)) << "sunken frame";
}

TEST_F(ThemedFrameTest, RepaintingAThemedFrameLeavesNoGdiObjects)
{
    Open(4);
    auto repaint = [this]
    {
        m_pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        m_pStandard->SetSelected(m_pStandard->GetSelected() == 0 ? 1 : 0);
        PumpMessages();
    };
    repaint();
    CGuiLeakCheck check;
    for (int i = 0; i < 100; i++)
        repaint();
    EXPECT_TRUE(check.NoLeaks());
}
