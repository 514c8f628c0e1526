// FlatThemeTests.cpp: the flat themes' fields, menu cells, floating icon column and dialog-bar gripper, in pixels.
#include "DistinctColours.h"
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTDialogBar.h"
#include "KTDrawObjects.h"
#include "KTImageManager.h"
#include "KTPopupBar.h"
#include "KTThemeStyle2.h"
#include "MessagePump.h"
#include "PixelImage.h"
#include "StatedControls.h"
#include "TestSurface.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A black icon under an id of the process-wide image manager.
bool SetBlackIcon(UINT nId, CSize sz)
{
    std::vector<BYTE> andMask(sz.cx / 8 * sz.cy), xorMask(sz.cx / 8 * sz.cy);
    HICON hIcon = ::CreateIcon(NULL, sz.cx, sz.cy, 1, 1, andMask.data(), xorMask.data());
    bool bSet = hIcon && KTImageManager()->SetIcon(CKTImageManagerIconHandle(hIcon), nId, sz);
    ::DestroyIcon(hIcon);
    return bSet;
}

// A menu entry of a windowless popup bar, drawn; the column width and the entry's left.
struct CDrawnEntry
{
    CDrawnEntry(CKTPaintManager* pTheme, int nType, int nId, BOOL bChecked, BOOL bTwoColumns, BOOL bIconColumn)
        : surface(200, 22, kPaper), pPopup(KTMakeCounted<CKTPopupBar>())
    {
        pPopup->SetPaintManager(pTheme);
        pPopup->SetDoubleGripper(bTwoColumns);
        pPopup->SetShowGripper(bIconColumn);
        nLeft = pTheme->GetCommandBarBorders(pPopup).left;
        CKTControl* pControl = pPopup->GetControls()->Add(nType, nId);
        pControl->SetChecked(bChecked);
        pControl->SetRect(CRect(nLeft, 0, 190, 22));
        nColumn = std::max<int>(pControl->GetIconSize().cx + 4, pTheme->GetTextHeight() + 4);
        pTheme->DrawControlPopupParent(surface.DC(), pControl, TRUE);
    }
    ~CDrawnEntry() { pPopup->OnRemoved(); }

    CTestSurface surface;
    CKTSmartPtr<CKTPopupBar> pPopup;
    int nLeft = 0, nColumn = 0;
};
}  // namespace

TEST(FlatThemeFields, EditFramesAndSpinHalvesByState)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    CKTSmartPtr<CKTPopupBar> pMenu = KTMakeCounted<CKTPopupBar>();
    const struct
    {
        BOOL bEnabled, bInMenu;
        int nSelected, nPressed, nFrame, nFill, nUpperHalf;  // -1: untouched
    } rows[] = {
        {TRUE, FALSE, 0, 0, -1, COLOR_WINDOW, -1},   {TRUE, FALSE, 1, 4, 32, COLOR_WINDOW, 31},
        {TRUE, FALSE, 3, 3, 32, COLOR_WINDOW, 33},   {TRUE, TRUE, 0, 0, 53, COLOR_WINDOW, -1},
        {FALSE, FALSE, 0, 0, 40, COLOR_BTNFACE, 15}, {FALSE, FALSE, 2, 0, 32, COLOR_BTNFACE, 15},
    };
    for (const auto& row : rows)
    {
        CKTSmartPtr<CStatedEdit> pEdit = KTMakeCounted<CStatedEdit>(CRect(0, 0, 200, 24));
        pEdit->SetParent(row.bInMenu ? static_cast<CKTPopupBar*>(pMenu) : NULL);
        pEdit->SetState(row.bEnabled, row.nSelected, row.nPressed);
        CTestSurface surface(200, 24, kPaper);
        pTheme->DrawControlEdit(surface.DC(), pEdit, TRUE);
        const int x = pEdit->GetLabelWidth() + 10, nSpin = pEdit->GetSpinButtonsRect().left;
        auto colour = [](int n) { return n == -1 ? kPaper : Distinct(n); };
        EXPECT_EQ(colour(row.nFrame), surface.Pixel(x, 0)) << row.nSelected;
        EXPECT_EQ(colour(row.nFill), surface.Pixel(x, 12)) << row.nSelected;
        EXPECT_EQ(colour(row.nUpperHalf), surface.Pixel(nSpin + 3, 3)) << row.nSelected;
        EXPECT_EQ(Distinct(row.bEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT), surface.Pixel(nSpin + 8, 7));
        pEdit->SetParent(NULL);
    }
    pMenu->OnRemoved();
}

TEST(FlatThemeFields, TheComboButtonAndArrowFollowTheBox)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    CKTSmartPtr<CKTPopupBar> pMenu = KTMakeCounted<CKTPopupBar>();
    CKTSmartPtr<CStatedCombo> pCombo = KTMakeCounted<CStatedCombo>(CRect(0, 0, 120, 24));
    pTheme->DrawControlComboBox(CTestSurface(1, 1).DC(), pCombo, FALSE);
    CRect rcArrow(120 - pCombo->GetThumbWidth(), 0, 120, 24);
    rcArrow.DeflateRect(1, 1);
    const struct
    {
        BOOL bEnabled, bInMenu;
        int nSelected;
        BOOL bDropped;
        COLORREF clrBox, clrButtonEdge, clrButton;
        int nArrow;
    } rows[] = {
        {TRUE, FALSE, 0, FALSE, kPaper, Distinct(COLOR_WINDOW), kPaper, 46},
        {TRUE, FALSE, 1, FALSE, Distinct(32), Distinct(31), Distinct(31), 45},
        {TRUE, FALSE, 1, TRUE, Distinct(32), Distinct(33), Distinct(33), 47},
        {TRUE, TRUE, 0, FALSE, Distinct(53), Distinct(COLOR_WINDOW), Distinct(53), 46},
        {FALSE, FALSE, 0, FALSE, Distinct(40), Distinct(COLOR_BTNFACE), Distinct(COLOR_BTNFACE), 40},
    };
    for (const auto& row : rows)
    {
        pCombo->SetParent(row.bInMenu ? static_cast<CKTPopupBar*>(pMenu) : NULL);
        pCombo->SetState(row.bEnabled, row.nSelected, row.bDropped);
        CTestSurface surface(120, 24, kPaper);
        pTheme->DrawControlComboBox(surface.DC(), pCombo, TRUE);
        EXPECT_EQ(row.clrBox, surface.Pixel(pCombo->GetLabelWidth() + 4, 0)) << row.nArrow;
        EXPECT_EQ(row.clrButtonEdge, surface.Pixel(rcArrow.left, 4)) << row.nArrow;
        EXPECT_EQ(row.clrButton, surface.Pixel(rcArrow.right - 2, 4)) << row.nArrow;
        EXPECT_EQ(Distinct(row.nArrow), surface.Pixel(rcArrow.CenterPoint().x, rcArrow.CenterPoint().y));
    }
    pCombo->SetParent(NULL);
    pMenu->OnRemoved();
}

// Two columns keep the mark and the icon apart; without the icon column the checked cell widens by half the
// text gap, inside the entry, and a label fills from the entry's left; an image keeps its proportions.
TEST(FlatThemeMenus, CellsFollowTheColumnsAndImagesKeepTheirShape)
{
    ASSERT_TRUE(SetBlackIcon(9213, CSize(16, 16)));
    ASSERT_TRUE(SetBlackIcon(9214, CSize(32, 16)));
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    {
        CDrawnEntry two(pTheme, ktControlButton, 9213, TRUE, TRUE, TRUE);
        const int x = two.nLeft, w = two.nColumn;
        EXPECT_EQ(RGB(0, 0, 0), two.surface.Pixel(x + w + w / 2, 11)) << "the icon in the second column";
        CPixelImage first = CPixelImage::FromDC(two.surface.DC()->GetSafeHdc(), CRect(x, 0, x + w, 22));
        EXPECT_GT(first.CountNear(Distinct(COLOR_BTNTEXT), 0), 3) << "the mark in the first";
        EXPECT_EQ(Distinct(36), two.surface.Pixel(x + 2 * w - 3, 2)) << "one checked cell over both";
    }
    {
        CDrawnEntry bare(pTheme, ktControlButton, 0, TRUE, FALSE, FALSE);
        const int nRight = bare.nLeft + bare.nColumn + pTheme->m_nPopupBarTextPadding / 2;
        EXPECT_EQ(Distinct(36), bare.surface.Pixel(nRight - 2, 11));
        EXPECT_EQ(Distinct(37), bare.surface.Pixel(nRight - 1, 11));
        EXPECT_EQ(kPaper, bare.surface.Pixel(bare.nLeft - 1, 11)) << "cut at the entry's left";
        CDrawnEntry label(pTheme, ktControlLabel, 0, FALSE, FALSE, FALSE);
        EXPECT_EQ(Distinct(56), label.surface.Pixel(label.nLeft + 1, 2));
    }
    CDrawnEntry wide(pTheme, ktControlButton, 9214, FALSE, FALSE, TRUE);
    const int x = wide.nLeft + wide.nColumn / 2;
    EXPECT_NE(kPaper, wide.surface.Pixel(x, 11)) << "16 x 8, centred";
    EXPECT_EQ(kPaper, wide.surface.Pixel(x, 5)) << "not stretched to 16 x 16";
    KTImageManager()->RemoveIcon(9213);
    KTImageManager()->RemoveIcon(9214);
}

TEST(FlatThemeGrippers, AFloatingPopupKeepsItsIconColumnBelowItsCaption)
{
    CTestParent parent(300, 200);
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    CKTSmartPtr<CKTPopupBar> pPopup = KTMakeCounted<CKTPopupBar>();
    pPopup->CreateBarWindow("KTTestBar", &parent, 2);
    pPopup->MoveWindow(10, 20, 120, 90);
    pPopup->SetPosition(ktBarFloating);
    const int x = pTheme->GetCommandBarBorders(pPopup).left + 2;
    for (BOOL bColumn : {TRUE, FALSE})
    {
        pPopup->SetShowGripper(bColumn);
        CTestSurface surface(120, 90, kPaper);
        const int nCaption = pTheme->DrawCommandBarGripper(surface.DC(), pPopup, TRUE).cy;
        EXPECT_EQ(bColumn ? Distinct(30) : kPaper, surface.Pixel(x, 3 + nCaption + 4));
        EXPECT_EQ(bColumn ? Distinct(30) : kPaper, surface.Pixel(x, 87));
        EXPECT_EQ(kPaper, surface.Pixel(x, 88)) << "inside the frame";
    }
    pPopup->OnRemoved();
}

TEST(FlatThemeColours, ThePaleFaceIsTheDockBarsPaleEnd)
{
    CKTSmartPtr<CKTThemeStyle2> pTheme = KTMakeCounted<CKTThemeStyle2>();
    pTheme->m_grcDockBar.SetCustomValue(RGB(1, 2, 3), RGB(4, 5, 6));
    pTheme->RefreshMetrics();
    EXPECT_EQ(RGB(4, 5, 6), pTheme->GetColor(KTCOLOR_FACE_PALE));
}

namespace
{
class FlatThemeDialogBarTest : public CFrameFixture
{
protected:
    void SetUp() override
    {
        CFrameFixture::SetUp();
        CKTCommandBar* pBar = m_pCommandBars->Add("Find", ktBarLeft, RUNTIME_CLASS(CKTDialogBar));
        ASSERT_TRUE(pBar && pBar->IsKindOf(RUNTIME_CLASS(CKTDialogBar)));
        m_pBar = static_cast<CKTDialogBar*>(pBar);
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 10, 10), m_pBar, 100));
        m_pBar->SetChild(&m_edit);
        m_pCommandBars->RecalcFrameLayout();
        PumpMessages();
    }
    void TearDown() override
    {
        m_edit.DestroyWindow();
        CFrameFixture::TearDown();
    }
    // The gripper's fill with the focus in the bar's child or on the frame, as the bar's idle update saw it.
    COLORREF GripperFill(CKTThemeStyle2* pTheme, BOOL bFocusInside)
    {
        ::SetFocus(bFocusInside ? m_edit.GetSafeHwnd() : m_pFrame->GetSafeHwnd());
        m_pBar->IdleUpdate();
        EXPECT_EQ(bFocusInside, m_pBar->IsActive());
        CTestSurface surface(CKTClientRect(m_pBar).Width(), 40, kPaper);
        pTheme->DrawAltGripper(surface.DC(), m_pBar, TRUE);
        return surface.Pixel(CKTClientRect(m_pBar).Width() / 2, 6);
    }

    CKTDialogBar* m_pBar = NULL;
    CEdit m_edit;
};
}  // namespace

TEST_F(FlatThemeDialogBarTest, TheGripperLightsUpWhileTheFocusIsInTheBar)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle2>();
    const auto& face = pTheme->m_grcToolBar;
    EXPECT_TRUE(IsBetween(GripperFill(pTheme, FALSE), face.clrLight, face.clrDark));
    EXPECT_EQ(Distinct(36), GripperFill(pTheme, TRUE)) << "no scheme: the checked colour";

    CKTSmartPtr<CKTThemeStyle2> pScheme = KTMakeCounted<CKTThemeStyle2>();
    pScheme->m_nSystemTheme = ktSystemThemeBlue;
    pScheme->RefreshMetrics();
    const auto& checked = pScheme->m_grcChecked;
    EXPECT_TRUE(IsBetween(GripperFill(pScheme, TRUE), checked.clrLight, checked.clrDark)) << "a scheme: its gradient";
}
