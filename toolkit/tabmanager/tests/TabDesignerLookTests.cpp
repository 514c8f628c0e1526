// The designer's own look: command-bar theme 4 gives the MDI tabs the slanted look with the designer's
// colours, read back from the screen.
#include <gtest/gtest.h>

#include "KTPaintManager.h"
#include "KTTabColorSet16.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "TabClientFrame.h"

namespace
{
// A point of the tab's own fill: inside the slanted shape, right of the caption, above the client.
COLORREF FillOf(CTabClientFrame& frame, CKTTabManagerItem* pItem)
{
    frame.m_wndClient.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    CPixelImage image = CPixelImage::FromWindow(frame.m_wndClient.GetSafeHwnd());
    CRect rc = pItem->GetRect();
    return image.Pixel(rc.right - 4, rc.bottom - 3);
}

class DesignerLook : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* pszTitle : {"Child 1", "Child 2", "Child 3"})
            frame.AddChild(pszTitle);
    }
    void TearDown() override { CKTPaintManager::SetTheme(ktCommandBarsThemeClassic); }

    CTabClientFrame frame{4};
};
}  // namespace

TEST_F(DesignerLook, ThemeFourGivesTheSlantedTabsInTheDesignersColours)
{
    CKTTabPainter* pPainter = frame.m_wndClient.GetPaintManager();
    EXPECT_EQ(3, pPainter->GetAppearance());
    EXPECT_EQ(16, pPainter->GetColor());
    EXPECT_TRUE(pPainter->m_bStaticFrame);
    EXPECT_EQ(ktTabClientFrameLine, pPainter->m_nClientFrame);
    EXPECT_TRUE(pPainter->IsLunaColorsDisabled());
    auto* pColors = dynamic_cast<CKTTabColorSet16*>(pPainter->GetColorSet());
    ASSERT_NE(nullptr, pColors);
    CKTTabClientGroup* pGroup = frame.Group(0);
    CKTTabManagerItem* pSelected = pGroup->GetSelectedItem();
    CKTTabManagerItem* pNormal = pGroup->GetItem(pSelected->GetIndex() == 0 ? 1 : 0);
    EXPECT_TRUE(NearColor(FillOf(frame, pSelected), pColors->GetItemColor(pSelected), 12));
    EXPECT_TRUE(NearColor(FillOf(frame, pNormal), pColors->m_clrNormalTab, 12));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), COLORREF(pColors->m_clrSelectedTab));
}

TEST_F(DesignerLook, ATabUnderTheMouseTakesTheHotColourWhenTracked)
{
    CKTTabPainter* pPainter = frame.m_wndClient.GetPaintManager();
    pPainter->m_bHotTracking = TRUE;
    CKTTabClientGroup* pGroup = frame.Group(0);
    CKTTabManagerItem* pNormal = pGroup->GetItem(2);
    ASSERT_NE(pNormal, pGroup->GetSelectedItem());
    CLoopInput input(frame.m_wndClient.GetSafeHwnd());
    ASSERT_TRUE(input.Move(pNormal->GetRect().CenterPoint()).Run());
    ASSERT_TRUE(PumpUntil([pNormal] { return pNormal->IsHighlighted(); }));
    EXPECT_TRUE(NearColor(FillOf(frame, pNormal), pPainter->GetColorSet()->m_clrHotTab, 12));
}

// Each theme hands the whole look over: what one theme turned on does not stay for the next.
TEST_F(DesignerLook, AnotherThemeReplacesTheWholeLook)
{
    CKTTabClientWnd& client = frame.m_wndClient;
    CKTTabPainter* pPainter = client.GetPaintManager();
    client.ApplyTheme(CKTPaintManager::CreateTheme(ktCommandBarsThemeRibbon));
    EXPECT_EQ(10, pPainter->GetAppearance());
    EXPECT_TRUE(pPainter->m_bHotTracking);
    EXPECT_EQ(CRect(3, 2, 3, 1), pPainter->m_rcButtonMargin);
    EXPECT_FALSE(pPainter->m_bDisableLunaColors);

    client.ApplyTheme(CKTPaintManager::CreateTheme(ktCommandBarsThemeFlatScheme));
    EXPECT_EQ(16, pPainter->GetColor());
    EXPECT_FALSE(pPainter->m_bHotTracking);
    EXPECT_EQ(CRect(0, 0, 0, 0), pPainter->m_rcButtonMargin);
    EXPECT_TRUE(pPainter->m_bDisableLunaColors);

    client.ApplyTheme(CKTPaintManager::CreateTheme(ktCommandBarsThemeClassic));
    EXPECT_EQ(0, pPainter->GetAppearance());
    EXPECT_FALSE(pPainter->m_bStaticFrame);
    EXPECT_EQ(ktTabClientFrameFull, pPainter->m_nClientFrame);
    EXPECT_TRUE(pPainter->m_bDisableLunaColors) << "the classic look leaves the scheme colours as they were";
}
