// GroupLayoutTests.cpp: bars that lay their controls out as groups: large and stacked buttons, reduced as they shorten.
#include "FrameFixture.h"
#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTImageManager.h"
#include "KTToolBar.h"
#include "MessagePump.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "SolidIcon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
const COLORREF kIconColour = RGB(230, 20, 30);
const UINT kFirstId = 9260;  // ids that take no shared action
const int kIconSize = 16;

// Buttons with the ids from kFirstId on, small and large icons for the first nWithIcons; a group begins at nGroupStart.
void AddButtons(CKTCommandBar* pBar, int nCount, int nWithIcons, int nGroupStart)
{
    static const char* const captions[] = {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta"};
    for (int i = 0; i < nCount; i++)
    {
        if (i < nWithIcons)
            ASSERT_TRUE(SetSolidIcon(kFirstId + i, kIconSize, kIconColour) &&
                        SetSolidIcon(kFirstId + i, 2 * kIconSize, kIconColour));
        CKTControl* pButton = pBar->GetControls()->Add(ktControlButton, kFirstId + i);
        pButton->SetCaption(captions[i]);
        pButton->SetFlags(ktFlagManualUpdate);
        pButton->SetEnabled(TRUE);
    }
    pBar->GetControls()->FindControl(kFirstId + nGroupStart)->SetBeginGroup(TRUE);
}

void RemoveIcons(int nCount)
{
    for (int i = 0; i < nCount; i++)
        KTImageManager()->RemoveIcon(kFirstId + i);
}

// The styles of the test's buttons, leaving out any the bar adds itself.
std::vector<int> Styles(CKTCommandBar* pBar)
{
    std::vector<int> styles;
    for (int i = 0; i < pBar->GetControlCount(); i++)
        if (pBar->GetControl(i)->GetID() >= (int)kFirstId)
            styles.push_back(pBar->GetControl(i)->GetStyle());
    return styles;
}

// The styles by their looks: large (caption below), small (caption beside), icon only.
const int L = ktButtonIconAndCaptionBelow, S = ktButtonIconAndCaption, I = ktButtonIcon;

// How far right the shown controls reach.
int Extent(CKTCommandBar* pBar)
{
    int nRight = 0;
    for (int i = 0; i < pBar->GetControlCount(); i++)
        if (pBar->GetControl(i)->IsVisible())
            nRight = std::max<int>(nRight, pBar->GetControl(i)->GetRect().right);
    return nRight;
}

// A group of three and a group of two, all with icons.
class GroupReduction : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pBar->SetFlags(ktBarFlagGroupLayout);
        AddButtons(m_pBar, 5, 5, 3);
    }
    void TearDown() override { RemoveIcons(5); }
    CSize Lay(int nLength)
    {
        return m_pBar->GetControls()->CalcDynamicSize(nLength, LM_HORZDOCK | LM_COMMIT, CRect(0, 0, 0, 0));
    }

    CKTSmartPtr<CKTCommandBar> m_pBar = KTMakeCounted<CKTCommandBar>();
};
}  // namespace

TEST_F(GroupReduction, RunsOfThreeInOneGroupGoSmallFirstThenWholeGroupsThenCaptions)
{
    const CSize szFull = Lay(32767);
    EXPECT_EQ(std::vector<int>({L, L, L, L, L}), Styles(m_pBar));

    // The last three large controls in a row cross into the second group, so the first group's three go.
    const CSize szRun = Lay(szFull.cx - 1);
    EXPECT_EQ(std::vector<int>({S, S, S, L, L}), Styles(m_pBar));
    EXPECT_EQ(szFull.cx - 1, szRun.cx) << "a reduced row takes the whole length";
    const CRect rcFirst = m_pBar->GetControl(0)->GetRect(), rcThird = m_pBar->GetControl(2)->GetRect();
    EXPECT_EQ(rcFirst.left, rcThird.left) << "three small controls share a column";
    EXPECT_EQ(rcFirst.bottom, m_pBar->GetControl(1)->GetRect().top);

    // No run of three is left: the last group with large controls goes small, then captions go from the end.
    Lay(Extent(m_pBar) - 1);
    EXPECT_EQ(std::vector<int>({S, S, S, S, S}), Styles(m_pBar));
    Lay(Extent(m_pBar) - 1);
    EXPECT_EQ(std::vector<int>({S, S, S, I, I}), Styles(m_pBar));

    Lay(0);
    EXPECT_EQ(std::vector<int>({I, I, I, I, I}), Styles(m_pBar)) << "as far as it goes";
    Lay(32767);
    EXPECT_EQ(std::vector<int>({L, L, L, L, L}), Styles(m_pBar)) << "a longer row grows back";
}

TEST_F(GroupReduction, AControlWithoutAnIconStaysSmallAndKeepsItsCaption)
{
    KTImageManager()->RemoveIcon(kFirstId + 4);
    Lay(32767);
    EXPECT_EQ(std::vector<int>({L, L, L, L, S}), Styles(m_pBar));
    Lay(0);
    EXPECT_EQ(std::vector<int>({I, I, I, I, S}), Styles(m_pBar));
}

TEST_F(GroupReduction, WhenAskedWhatStillDoesNotFitIsHiddenAfterEveryReduction)
{
    Lay(0);
    const int nSmallest = Extent(m_pBar);
    const CSize sz = m_pBar->GetControls()->CalcDynamicSize(nSmallest - 1, LM_HORZDOCK | LM_COMMIT | KT_LM_HIDEWRAP,
                                                            CRect(0, 0, 0, 0));
    EXPECT_EQ(std::vector<int>({I, I, I, I, I}), Styles(m_pBar)) << "reduced as far as it goes first";
    std::vector<DWORD> hidden;
    for (int i = 0; i < 5; i++)
        hidden.push_back(m_pBar->GetControl(i)->GetHideFlags());
    EXPECT_EQ(std::vector<DWORD>({0, 0, 0, ktHideWrap, ktHideWrap}), hidden) << "the whole column past the end";
    EXPECT_LE(Extent(m_pBar), nSmallest - 1);
    EXPECT_EQ(nSmallest - 1, sz.cx) << "a row that lost controls takes the whole length";

    m_pBar->GetControls()->CalcDynamicSize(1, LM_HORZDOCK | LM_COMMIT | KT_LM_HIDEWRAP, CRect(0, 0, 0, 0));
    EXPECT_TRUE(m_pBar->GetControl(0)->IsVisible()) << "the first control always stays";
    for (int i = 1; i < 5; i++)
        EXPECT_EQ((DWORD)ktHideWrap, m_pBar->GetControl(i)->GetHideFlags());
}

namespace
{
// The frame's tool bar in group layout: a group of three buttons with icons, then three without.
class GroupLayoutFrameTest : public CFrameFixture
{
protected:
    void SetUp() override
    {
        CFrameFixture::SetUp();
        m_pBar = m_pFrame->m_pStandard;
        m_pBar->SetFlags(ktBarFlagGroupLayout);
        AddButtons(m_pBar, 6, 3, 3);
        Relayout();
    }
    void TearDown() override
    {
        RemoveIcons(3);
        CFrameFixture::TearDown();
    }
    void Relayout()
    {
        m_pCommandBars->RecalcFrameLayout();
        m_pBar->RedrawWindow();
        PumpMessages();
    }
    // Narrows the frame until the bar's dock row is the length.
    void SetRowLength(int nLength)
    {
        CRect rcDock, rcFrame;
        m_pBar->GetParent()->GetClientRect(rcDock);
        m_pFrame->GetWindowRect(rcFrame);
        m_pFrame->SetWindowPos(NULL, 0, 0, rcFrame.Width() - (rcDock.Width() - nLength), rcFrame.Height(),
                               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Relayout();
        m_pBar->GetParent()->GetClientRect(rcDock);
        ASSERT_EQ(nLength, rcDock.Width());
    }
    // The test's buttons by their order; the bar keeps buttons of its own too.
    CKTControl* Button(int i) { return m_pBar->GetControls()->FindControl(kFirstId + i); }
    CRect Rect(int i) { return Button(i)->GetRect(); }
    // Pixels of the bar's face that are neither its background nor the icon colour, within a rectangle.
    static int CountInk(const CPixelImage& image, const CRect& rc, COLORREF clrBack)
    {
        int nInk = 0;
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++)
                nInk += !NearColor(image.Pixel(x, y), clrBack, 8) && !NearColor(image.Pixel(x, y), kIconColour, 8);
        return nInk;
    }

    CKTToolBar* m_pBar = NULL;
};
}  // namespace

TEST_F(GroupLayoutFrameTest, LargeButtonsShowTheirCaptionBelowAndSmallOnesStackThreeToAColumn)
{
    EXPECT_EQ(std::vector<int>({L, L, L, S, S, S}), Styles(m_pBar));
    const CRect rcA = Rect(0), rcD = Rect(3);
    for (int i = 1; i < 3; i++)
    {
        EXPECT_EQ(Rect(i - 1).right, Rect(i).left) << "large buttons side by side";
        EXPECT_EQ(rcA.top, Rect(i).top);
        EXPECT_EQ(rcA.bottom, Rect(i).bottom);
    }
    for (int i = 4; i < 6; i++)
    {
        EXPECT_EQ(rcD.left, Rect(i).left) << "small buttons in one column";
        EXPECT_EQ(Rect(i - 1).bottom, Rect(i).top);
    }
    EXPECT_EQ(rcA.top, rcD.top);
    EXPECT_EQ(rcA.bottom, Rect(5).bottom) << "a large button is as high as the column of three";
    EXPECT_GT(rcD.left, Rect(2).right) << "the gap between groups";

    const CPixelImage image = CPixelImage::FromWindow(m_pBar->GetSafeHwnd());
    const COLORREF clrBack = image.Pixel(rcA.left + 1, rcA.top + 1);
    const CSize szLarge = m_pBar->GetLargeIconSize(TRUE);
    const CRect rcIcon(CPoint(rcA.left + (rcA.Width() - szLarge.cx) / 2, rcA.top + 3), szLarge);
    EXPECT_TRUE(NearColor(kIconColour, image.Pixel(rcIcon.left, rcIcon.top), 8)) << "the large icon centred at the top";
    EXPECT_TRUE(NearColor(kIconColour, image.Pixel(rcIcon.right - 1, rcIcon.bottom - 1), 8));
    EXPECT_TRUE(NearColor(clrBack, image.Pixel(rcIcon.left - 1, rcIcon.CenterPoint().y), 8));
    EXPECT_TRUE(NearColor(clrBack, image.Pixel(rcIcon.CenterPoint().x, rcIcon.bottom), 8));
    EXPECT_GT(CountInk(image, CRect(rcA.left, rcIcon.bottom, rcA.right, rcA.bottom), clrBack), 0)
        << "the caption under the icon";
}

TEST_F(GroupLayoutFrameTest, AShorterRowTurnsTheLargeButtonsIntoAColumnOfSmallOnes)
{
    CRect rcBar;
    m_pBar->GetWindowRect(rcBar);
    const int nFull = rcBar.Width();
    SetRowLength(nFull - 1);
    ASSERT_TRUE(PumpUntil([&] { return Button(0)->GetStyle() == S; }, 2000));
    EXPECT_EQ(std::vector<int>({S, S, S, S, S, S}), Styles(m_pBar));
    m_pBar->GetWindowRect(rcBar);
    EXPECT_LE(rcBar.Width(), nFull - 1);
    const CRect rcA = Rect(0);
    EXPECT_EQ(rcA.left, Rect(1).left);
    EXPECT_EQ(rcA.bottom, Rect(1).top);
    EXPECT_EQ(rcA.left, Rect(2).left);
    EXPECT_GT(Rect(3).left, rcA.right) << "the second group's column follows";

    m_pBar->RedrawWindow();
    const CPixelImage image = CPixelImage::FromWindow(m_pBar->GetSafeHwnd());
    EXPECT_TRUE(NearColor(kIconColour, image.Pixel(rcA.left + 3 + kIconSize / 2, rcA.CenterPoint().y), 8))
        << "the icon beside its caption";
}
