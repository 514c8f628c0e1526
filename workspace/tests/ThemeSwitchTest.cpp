// Switching the command-bars theme at run time repaints the designer's frame, its bars, editor tabs
// and panes, with nothing left of the previous theme and no GDI objects left behind.
#include <gtest/gtest.h>

#include <vector>

#include "GuiLeakCheck.h"
#include "KTCommandBars.h"
#include "KTPaintManager.h"
#include "LoadedFrame.h"
#include "LoadedStyle.h"
#include "PixelImage.h"

namespace
{
const int kThemes = 7;

void SwitchTo(CMainFrame& frame, int nTheme)
{
    CKTPaintManager::SetTheme(static_cast<KTCommandBarsTheme>(nTheme));
    frame.GetCommandBars()->RedrawCommandBars();
    frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpIdle();
}

CPixelImage Shown(CMainFrame& frame)
{
    CRect rc;
    frame.GetWindowRect(&rc);
    return CPixelImage::FromScreen(rc);
}

class ThemeSwitch : public ::testing::Test
{
protected:
    void TearDown() override { CKTPaintManager::SetTheme(ktCommandBarsThemeFlatScheme); }
};
}  // namespace

// Each theme reached forwards must look as it does when reached backwards: what one theme cached or
// failed to repaint would show under the next.
TEST_F(ThemeSwitch, EachThemeLooksTheSameWhicheverThemeCameBefore)
{
    CLoadedStyle style("STYLE_INI");  // so that themes 5 and 6 look their own
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    std::vector<CPixelImage> forwards;
    for (int nTheme = 0; nTheme < kThemes; nTheme++)
    {
        SwitchTo(*frame.pFrame, nTheme);
        forwards.push_back(Shown(*frame.pFrame));
        if (nTheme > 0)
            EXPECT_GT(forwards[nTheme].CountDiffering(forwards[nTheme - 1]), 0) << "theme " << nTheme << " repainted";
    }
    for (int nTheme = kThemes - 1; nTheme >= 0; nTheme--)
    {
        SwitchTo(*frame.pFrame, (nTheme + 3) % kThemes);
        SwitchTo(*frame.pFrame, nTheme);
        EXPECT_EQ(0, Shown(*frame.pFrame).CountDiffering(forwards[nTheme])) << "theme " << nTheme;
    }
}

TEST_F(ThemeSwitch, FiftySwitchesLeaveNoGdiObjects)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    // A first round fills the caches each theme keeps for the process.
    for (int nTheme = 0; nTheme < kThemes; nTheme++)
        SwitchTo(*frame.pFrame, nTheme);
    CGuiLeakCheck check;
    for (int i = 0; i < 50; i++)
        SwitchTo(*frame.pFrame, i % kThemes);
    SwitchTo(*frame.pFrame, kThemes - 1);
    EXPECT_TRUE(check.NoLeaks());
}
