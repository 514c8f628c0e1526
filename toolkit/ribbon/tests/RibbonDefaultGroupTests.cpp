// RibbonDefaultGroupTests.cpp: a group of the ribbon's own class: large buttons with their captions below, turned
// into small ones three to a column as the row narrows, then into icons alone, and drawn where it put them; never
// narrower than its caption.
#include "KTCommandBarsDefs.h"
#include "KTControl.h"
#include "KTDrawObjects.h"
#include "KTImageManager.h"
#include "KTPaintManager.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonGroup.h"
#include "KTRibbonTab.h"
#include "MessagePump.h"
#include "PixelImage.h"
#include "RibbonTestFrame.h"
#include "SolidIcon.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>
#include <vector>

namespace
{
const COLORREF kIconColour = RGB(230, 20, 30);
const int kIconSize = 16;
const int kFirstId = 300;

// Where the icon's colour shows inside the rectangle; empty when it does not.
CRect IconBox(const CPixelImage& image, const CRect& rc)
{
    CRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            if (image.Pixel(x, y) == kIconColour)
                box.SetRect(std::min<int>(box.left, x), std::min<int>(box.top, y), std::max<int>(box.right, x + 1),
                            std::max<int>(box.bottom, y + 1));
    return box.left == INT_MAX ? CRect() : box;
}

// The columns where text of the colour shows inside the rectangle, as (left, right); (0, 0) for none.
std::pair<int, int> InkColumns(const CPixelImage& image, const CRect& rc, COLORREF clrText)
{
    std::pair<int, int> ink(INT_MAX, INT_MIN);
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            if (image.Pixel(x, y) == clrText)
                ink = {std::min(ink.first, x), std::max(ink.second, x + 1)};
    return ink.first == INT_MAX ? std::make_pair(0, 0) : ink;
}

// How wide the text's ink is, drawn whole in the font.
int WholeTextInk(CFont* pFont, LPCSTR lpszText)
{
    const CRect rc(0, 0, 600, 40);
    CKTDibSection dib(rc.Size());
    CKTCompatibleDC dc(NULL, dib.GetHandle());
    dc.FillSolidRect(rc, RGB(255, 255, 255));
    CKTFontDC font(&dc, pFont, ::GetSysColor(COLOR_BTNTEXT));
    CRect rcText = rc;
    dc.DrawText(lpszText, rcText, DT_SINGLELINE | DT_VCENTER);
    const std::pair<int, int> ink =
        InkColumns(CPixelImage::FromDC(dc.GetSafeHdc(), rc), rc, ::GetSysColor(COLOR_BTNTEXT));
    return ink.second - ink.first;
}

class RibbonDefaultGroup : public ::testing::Test
{
protected:
    RibbonDefaultGroup() : m_icons(kFirstId, 3, kIconColour, kIconSize), m_frame(600, 300)
    {
        m_pBar = m_frame.GetRibbon();
        CKTRibbonTabGroups* pGroups = m_pBar->GetControlTab()->GetTab(0)->GetGroups();
        // A group that never narrows fills the row, so that the row's width decides the other group's look.
        auto* pFixed = static_cast<CTestRibbonGroup*>(pGroups->Add(RUNTIME_CLASS(CTestRibbonGroup), "Fixed", 1));
        pFixed->m_nWidth = kFixedWidth;
        m_pGroup = pGroups->Add(NULL, "&Edit", 2);
        for (const char* pszCaption : {"Paste", "Cut", "Copy"})
        {
            CKTControl* pControl = m_pGroup->AddControl(ktControlButton, kFirstId + m_pGroup->GetCount());
            pControl->SetCaption(pszCaption);
        }
        m_pBar->OnRecalcLayout();
        PumpMessages();
    }

    // The ribbon's pixels once the group's icons show at their places.
    CPixelImage Shown()
    {
        CPixelImage image = CPixelImage::FromWindow(m_pBar->GetSafeHwnd());
        PumpUntil(
            [&]
            {
                image = CPixelImage::FromWindow(m_pBar->GetSafeHwnd());
                for (int i = 0; i < m_pGroup->GetCount(); i++)
                    if (IconBox(image, m_pGroup->GetAt(i)->GetRect()).IsRectEmpty())
                        return false;
                return true;
            });
        return image;
    }

    // The group's width as the row placed it.
    int Width() const { return m_pGroup->GetRect().Width() - 5; }
    // The client width at which the row lacks a pixel to show the group as wide as it is.
    int NarrowerThanNow() const { return kFixedWidth + 7 + Width() + 4 + 6 - 1; }

    static const int kFixedWidth = 300;
    CSolidIcons m_icons;
    CRibbonTestFrame m_frame;
    CKTRibbonBar* m_pBar;
    CKTRibbonGroup* m_pGroup;
};
}  // namespace

TEST_F(RibbonDefaultGroup, ItsButtonsStandLargeSideBySideWithTheirIconsAboveTheirCaptions)
{
    const CPixelImage image = Shown();
    const CRect rcGroup = m_pGroup->GetRect();
    int nRight = rcGroup.left;
    for (int i = 0; i < m_pGroup->GetCount(); i++)
    {
        SCOPED_TRACE(i);
        CKTControl* pControl = m_pGroup->GetAt(i);
        const CRect rc = pControl->GetRect();
        EXPECT_EQ(ktButtonIconAndCaptionBelow, pControl->GetStyle());
        EXPECT_GE(rc.left, nRight) << "side by side";
        EXPECT_GT(rc.Height(), rcGroup.Height() / 2) << "as tall as the group's client";
        // The bar's large icon, made from the small one.
        const CRect box = IconBox(image, rc);
        EXPECT_GE(box.Width(), kIconSize);
        EXPECT_EQ(box.Width(), box.Height());
        EXPECT_LE(std::abs(box.CenterPoint().x - rc.CenterPoint().x), 1) << "centred";
        EXPECT_LT(box.CenterPoint().y, rc.CenterPoint().y) << "in the upper half";
        EXPECT_LT(box.bottom + 8, rc.bottom) << "the caption below it";
        nRight = rc.right;
    }
    EXPECT_LE(nRight, rcGroup.right);
}

TEST_F(RibbonDefaultGroup, ANarrowRowStacksThemSmallInOneColumnThenLeavesTheirIconsAlone)
{
    const int nWhole = Width();
    m_frame.SetClientWidth(NarrowerThanNow());
    const CPixelImage image = Shown();
    const CRect rcFirst = m_pGroup->GetAt(0)->GetRect();
    EXPECT_LT(Width(), nWhole);
    int nBottom = rcFirst.top;
    for (int i = 0; i < m_pGroup->GetCount(); i++)
    {
        SCOPED_TRACE(i);
        CKTControl* pControl = m_pGroup->GetAt(i);
        const CRect rc = pControl->GetRect();
        EXPECT_EQ(ktButtonIconAndCaption, pControl->GetStyle());
        EXPECT_EQ(rcFirst.left, rc.left) << "one column";
        EXPECT_GE(rc.top, nBottom) << "stacked";
        const CRect box = IconBox(image, rc);
        EXPECT_EQ(CSize(kIconSize, kIconSize), box.Size());
        EXPECT_LT(box.left, rc.left + 6) << "at the left, the caption beside it";
        EXPECT_LT(box.right + 10, rc.right);
        nBottom = rc.bottom;
    }
    EXPECT_LE(nBottom, m_pGroup->GetRect().bottom - m_pBar->GetRibbonPainter()->GetGroupCaptionHeight());

    // Narrower still: the icons alone, in the same column.
    const int nSmall = Width();
    m_frame.SetClientWidth(NarrowerThanNow());
    const CPixelImage icons = Shown();
    for (int i = 0; i < m_pGroup->GetCount(); i++)
    {
        SCOPED_TRACE(i);
        CKTControl* pControl = m_pGroup->GetAt(i);
        EXPECT_EQ(ktButtonIcon, pControl->GetStyle());
        EXPECT_EQ(m_pGroup->GetAt(0)->GetRect().left, pControl->GetRect().left);
        EXPECT_LT(pControl->GetRect().Width(), kIconSize + 12);
        EXPECT_EQ(CSize(kIconSize, kIconSize), IconBox(icons, pControl->GetRect()).Size());
    }
    EXPECT_LT(Width(), nSmall);

    // Wide again, whole again.
    m_frame.SetClientWidth(600);
    EXPECT_EQ(ktButtonIconAndCaptionBelow, m_pGroup->GetAt(0)->GetStyle());
    EXPECT_EQ(nWhole, Width());
}

// A caption longer than the group's buttons widens the group at a common width: the whole caption shows, clear of
// the option button beside it.
TEST_F(RibbonDefaultGroup, ALongCaptionShowsWholeBesideTheOptionButton)
{
    const char* const kCaption = "Clipboard and Paste Special Options";
    const int nWhole = WholeTextInk(m_pBar->GetPaintManager()->GetRegularFont(), kCaption);
    const int nButtons = Width();
    ASSERT_GT(nWhole, nButtons + 20) << "the test wants a caption wider than the buttons";
    m_pGroup->SetCaption(kCaption);
    m_pGroup->ShowOptionButton(TRUE);
    m_pBar->OnRecalcLayout();

    // The option button draws its glyph in the text's colour too: the caption's ink is looked for left of it.
    const COLORREF clrText = ::GetSysColor(COLOR_BTNTEXT);
    CKTControl* pOption = m_pGroup->GetControlOptionButton();
    ASSERT_TRUE(pOption);
    std::pair<int, int> ink;
    CRect rcBand;
    PumpUntil(
        [&]
        {
            const CRect rcGroup = m_pGroup->GetRect();
            rcBand.SetRect(rcGroup.left, rcGroup.bottom - m_pBar->GetRibbonPainter()->GetGroupCaptionHeight(),
                           pOption->GetRect().left, rcGroup.bottom);
            ink = InkColumns(CPixelImage::FromWindow(m_pBar->GetSafeHwnd()), rcBand, clrText);
            return ink.second - ink.first >= nWhole;
        });
    EXPECT_TRUE(pOption->IsVisible());
    EXPECT_GE(ink.second - ink.first, nWhole) << "not cut short";
    EXPECT_GT(ink.first, rcBand.left);
    EXPECT_LT(ink.second, rcBand.right);
    // The buttons keep their own size; only the group grew.
    EXPECT_EQ(ktButtonIconAndCaptionBelow, m_pGroup->GetAt(0)->GetStyle());
    EXPECT_GT(Width(), nButtons);
}
