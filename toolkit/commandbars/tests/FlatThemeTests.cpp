// FlatThemeTests.cpp: the flat themes' fields, menu cells, floating icon column and dialog-bar gripper, in pixels.
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTDialogBar.h"
#include "KTDrawObjects.h"
#include "KTImageManager.h"
#include "KTPopupBar.h"
#include "KTThemeStyle1.h"
#include "KTThemeStyle2.h"
#include "MessagePump.h"
#include "PixelImage.h"
#include "StatedControls.h"
#include "TestSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
const COLORREF kPaper = RGB(255, 255, 255);

// A distinct colour for every toolkit index, so each pixel names its index.
COLORREF Distinct(int nIndex) { return RGB(nIndex * 4, 255 - nIndex * 3, (nIndex * 37) % 256); }

template <class T>
CKTSmartPtr<T> MakeTheme()
{
    CKTSmartPtr<T> pTheme = KTMakeCounted<T>();
    pTheme->m_nSystemTheme = ktSystemThemeNone;
    pTheme->RefreshMetrics();
    for (int i = 0; i < KTCOLOR_COUNT; i++)
        pTheme->SetCustomColor(i, Distinct(i));
    return pTheme;
}

// A black icon of the given size under an id of the process-wide image manager, removed again at the end.
class CBlackIcon
{
public:
    CBlackIcon(UINT nId, CSize sz) : m_nId(nId)
    {
        std::vector<BYTE> andMask(sz.cx / 8 * sz.cy), xorMask(sz.cx / 8 * sz.cy);
        HICON hIcon = ::CreateIcon(NULL, sz.cx, sz.cy, 1, 1, andMask.data(), xorMask.data());
        m_bMade = hIcon && KTImageManager()->SetIcon(CKTImageManagerIconHandle(hIcon), nId, sz);
        if (hIcon)
            ::DestroyIcon(hIcon);
    }
    ~CBlackIcon() { KTImageManager()->RemoveIcon(m_nId); }
    BOOL IsMade() const { return m_bMade; }

private:
    UINT m_nId;
    BOOL m_bMade = FALSE;
};

// A popup bar without a window holding one entry along its left border.
class CMenuEntry
{
public:
    CMenuEntry(CKTPaintManager* pTheme, int nType, int nId = 0)
    {
        m_pPopup = KTMakeCounted<CKTPopupBar>();
        m_pPopup->SetPaintManager(pTheme);
        m_nBorder = pTheme->GetCommandBarBorders(m_pPopup).left;
        m_pControl = m_pPopup->GetControls()->Add(nType, nId);
        m_pControl->SetCaption("Entry");
        m_pControl->SetRect(CRect(m_nBorder, 0, 190, 22));
    }
    ~CMenuEntry() { m_pPopup->OnRemoved(); }

    CKTSmartPtr<CKTPopupBar> m_pPopup;
    CKTControl* m_pControl = NULL;
    int m_nBorder = 0;
};

int MenuColumn(CKTPaintManager* pTheme, CKTControl* pControl)
{
    return std::max<int>(pControl->GetIconSize().cx + 4, pTheme->GetTextHeight() + 4);
}
}  // namespace

TEST(FlatThemeFields, EditFieldsAreWindowColouredAndFramedWhenHotOrInAMenu)
{
    auto pTheme = MakeTheme<CKTThemeStyle1>();
    CKTSmartPtr<CStatedEdit> pEdit = KTMakeCounted<CStatedEdit>(CRect(0, 0, 120, 24));
    pEdit->ShowSpinButtons(FALSE);
    const struct
    {
        BOOL bEnabled;
        int nSelected;
        COLORREF clrFrame, clrFill;
        const char* pszRow;
    } rows[] = {
        {TRUE, 0, kPaper, Distinct(COLOR_WINDOW), "idle on a tool bar: no frame"},
        {TRUE, 1, Distinct(32), Distinct(COLOR_WINDOW), "hot"},
        {FALSE, 0, Distinct(40), Distinct(COLOR_BTNFACE), "disabled"},
        {FALSE, 2, Distinct(32), Distinct(COLOR_BTNFACE), "disabled, the keyboard on it"},
    };
    for (const auto& row : rows)
    {
        pEdit->SetState(row.bEnabled, row.nSelected, 0);
        CTestSurface surface(120, 24, kPaper);
        pTheme->DrawControlEdit(surface.DC(), pEdit, TRUE);
        const int x = pEdit->GetLabelWidth() + 10;
        EXPECT_EQ(row.clrFrame, surface.Pixel(x, 0)) << row.pszRow;
        EXPECT_EQ(row.clrFrame, surface.Pixel(119, 12)) << row.pszRow;
        EXPECT_EQ(row.clrFill, surface.Pixel(x, 12)) << row.pszRow;
    }

    CMenuEntry menu(pTheme, ktControlButton);
    CKTSmartPtr<CStatedEdit> pMenuEdit = KTMakeCounted<CStatedEdit>(CRect(0, 0, 200, 24));
    pMenuEdit->ShowSpinButtons(FALSE);
    pMenuEdit->SetParent(menu.m_pPopup);
    CTestSurface surface(200, 24, kPaper);
    pTheme->DrawControlEdit(surface.DC(), pMenuEdit, TRUE);
    const int x = pMenuEdit->GetLabelWidth() + 10;
    EXPECT_EQ(Distinct(53), surface.Pixel(x, 0)) << "an idle field in a menu keeps a frame";
    EXPECT_EQ(Distinct(COLOR_WINDOW), surface.Pixel(x, 12));
    pMenuEdit->SetParent(NULL);
}

TEST(FlatThemeFields, SpinHalvesLightUpWhileTheFieldIsHot)
{
    auto pTheme = MakeTheme<CKTThemeStyle1>();
    CKTSmartPtr<CStatedEdit> pEdit = KTMakeCounted<CStatedEdit>(CRect(0, 0, 120, 24));
    const CRect rcSpin = pEdit->GetSpinButtonsRect();
    const int nMid = (rcSpin.top + rcSpin.bottom) / 2;
    const CPoint ptUpper(rcSpin.left + 3, rcSpin.top + 2), ptLower(rcSpin.left + 3, rcSpin.bottom - 2);
    const CPoint ptUpGlyph(rcSpin.left + rcSpin.Width() / 2, (rcSpin.top + nMid) / 2 + 1);

    pEdit->SetState(TRUE, ktSelectionSpinDown, 4);
    CTestSurface held(120, 24, kPaper);
    pTheme->DrawControlEdit(held.DC(), pEdit, TRUE);
    EXPECT_EQ(Distinct(31), held.Pixel(ptUpper.x, ptUpper.y));
    EXPECT_EQ(Distinct(33), held.Pixel(ptLower.x, ptLower.y)) << "the held half";
    EXPECT_EQ(Distinct(32), held.Pixel(rcSpin.left, ptUpper.y)) << "the line down the left edge";
    EXPECT_EQ(Distinct(32), held.Pixel(rcSpin.left + 8, nMid)) << "the line across the middle";
    EXPECT_EQ(Distinct(COLOR_BTNTEXT), held.Pixel(ptUpGlyph.x, ptUpGlyph.y));
    EXPECT_EQ(Distinct(COLOR_WINDOW), held.Pixel(rcSpin.left - 2, 12)) << "the field stops before the buttons";

    pEdit->SetState(TRUE, 0, 0);
    CTestSurface idle(120, 24, kPaper);
    pTheme->DrawControlEdit(idle.DC(), pEdit, TRUE);
    EXPECT_EQ(Distinct(COLOR_WINDOW), idle.Pixel(rcSpin.left, ptUpper.y)) << "framed in the window colour";
    EXPECT_EQ(kPaper, idle.Pixel(ptUpper.x, ptUpper.y));

    pEdit->SetState(FALSE, 0, 0);
    CTestSurface disabled(120, 24, kPaper);
    pTheme->DrawControlEdit(disabled.DC(), pEdit, TRUE);
    EXPECT_EQ(Distinct(COLOR_GRAYTEXT), disabled.Pixel(ptUpGlyph.x, ptUpGlyph.y));
}

TEST(FlatThemeFields, TheComboButtonAndArrowFollowTheBoxState)
{
    auto pTheme = MakeTheme<CKTThemeStyle1>();
    CKTSmartPtr<CStatedCombo> pCombo = KTMakeCounted<CStatedCombo>(CRect(0, 0, 120, 24));
    pTheme->DrawControlComboBox(CTestSurface(1, 1).DC(), pCombo, FALSE);
    const int cxButton = pCombo->GetThumbWidth();
    ASSERT_GT(cxButton, 6);
    CRect rcArrow(120 - cxButton, 0, 120, 24);
    rcArrow.DeflateRect(1, 1);
    const CPoint ptArrow = rcArrow.CenterPoint(), ptButton(118, 3);
    const struct
    {
        BOOL bEnabled;
        int nSelected;
        BOOL bDropped;
        COLORREF clrBox, clrButton;
        int nArrow;
        const char* pszRow;
    } rows[] = {
        {TRUE, 0, FALSE, kPaper, kPaper, 46, "idle: only the button is framed"},
        {TRUE, 1, FALSE, Distinct(32), Distinct(31), 45, "hot"},
        {TRUE, 1, TRUE, Distinct(32), Distinct(33), 47, "dropped"},
        {FALSE, 0, FALSE, Distinct(40), Distinct(COLOR_BTNFACE), 40, "disabled"},
    };
    for (const auto& row : rows)
    {
        pCombo->SetState(row.bEnabled, row.nSelected, row.bDropped);
        CTestSurface surface(120, 24, kPaper);
        pTheme->DrawControlComboBox(surface.DC(), pCombo, TRUE);
        EXPECT_EQ(row.clrBox, surface.Pixel(10, 0)) << row.pszRow;
        EXPECT_EQ(row.clrButton, surface.Pixel(ptButton.x - 1, ptButton.y + 1)) << row.pszRow;
        EXPECT_EQ(Distinct(row.nArrow), surface.Pixel(ptArrow.x, ptArrow.y)) << row.pszRow;
        if (row.bEnabled)
            EXPECT_EQ(Distinct(COLOR_WINDOW), surface.Pixel(10, 12)) << row.pszRow;
    }
    pCombo->SetState(TRUE, 0, FALSE);
    CTestSurface idle(120, 24, kPaper);
    pTheme->DrawControlComboBox(idle.DC(), pCombo, TRUE);
    EXPECT_EQ(Distinct(COLOR_WINDOW), idle.Pixel(rcArrow.left, 12)) << "the idle button's frame";

    CMenuEntry menu(pTheme, ktControlButton);
    pCombo->SetParent(menu.m_pPopup);
    CTestSurface inMenu(120, 24, kPaper);
    pTheme->DrawControlComboBox(inMenu.DC(), pCombo, TRUE);
    EXPECT_EQ(Distinct(53), inMenu.Pixel(pCombo->GetLabelWidth() + 4, 0)) << "the box in a menu";
    EXPECT_EQ(Distinct(53), inMenu.Pixel(ptButton.x - 1, ptButton.y + 1)) << "the button filled alike";
    EXPECT_EQ(Distinct(COLOR_WINDOW), inMenu.Pixel(rcArrow.left, 12)) << "and framed in the window colour";
    pCombo->SetParent(NULL);
}

// With a check column the mark stands in the first column and the icon in the second, on one checked cell.
TEST(FlatThemeMenus, ACheckColumnKeepsTheMarkBesideTheIcon)
{
    const UINT nId = 9213;
    CBlackIcon icon(nId, CSize(16, 16));
    ASSERT_TRUE(icon.IsMade());
    auto pTheme = MakeTheme<CKTThemeStyle1>();
    CMenuEntry entry(pTheme, ktControlButton, nId);
    entry.m_pPopup->SetDoubleGripper(TRUE);
    entry.m_pControl->SetChecked(TRUE);
    const int nColumn = MenuColumn(pTheme, entry.m_pControl), nLeft = entry.m_nBorder;
    CTestSurface surface(200, 22, kPaper);
    pTheme->DrawControlPopupParent(surface.DC(), entry.m_pControl, TRUE);

    EXPECT_EQ(RGB(0, 0, 0), surface.Pixel(nLeft + nColumn + nColumn / 2, 11)) << "the icon in the second column";
    CPixelImage first = CPixelImage::FromDC(surface.DC()->GetSafeHdc(), CRect(nLeft, 0, nLeft + nColumn, 22));
    EXPECT_GT(first.CountNear(Distinct(COLOR_BTNTEXT), 0), 3) << "the mark in the first";
    EXPECT_EQ(0, first.CountNear(RGB(0, 0, 0), 0));
    EXPECT_EQ(Distinct(36), surface.Pixel(nLeft + 2 * nColumn - 3, 2)) << "one checked cell over both";
    EXPECT_EQ(Distinct(37), surface.Pixel(nLeft, 11));
}

// A popup without its icon column widens the checked cell by half the text gap on each side, inside the entry,
// and fills a label from the entry's own left.
TEST(FlatThemeMenus, WithoutTheIconColumnTheCellWidensAndLabelsFillFromTheLeft)
{
    auto pTheme = MakeTheme<CKTThemeStyle1>();
    CMenuEntry entry(pTheme, ktControlButton);
    entry.m_pPopup->SetShowGripper(FALSE);
    entry.m_pControl->SetChecked(TRUE);
    const int nColumn = MenuColumn(pTheme, entry.m_pControl), nLeft = entry.m_nBorder;
    const int nHalfGap = pTheme->m_nPopupBarTextPadding / 2;
    ASSERT_GT(nHalfGap, 1);
    CTestSurface surface(200, 22, kPaper);
    pTheme->DrawControlPopupParent(surface.DC(), entry.m_pControl, TRUE);
    EXPECT_EQ(Distinct(36), surface.Pixel(nLeft + nColumn + nHalfGap - 2, 11));
    EXPECT_EQ(Distinct(37), surface.Pixel(nLeft + nColumn + nHalfGap - 1, 11));
    EXPECT_EQ(Distinct(37), surface.Pixel(nLeft, 11)) << "cut at the entry's left";
    EXPECT_EQ(kPaper, surface.Pixel(nLeft - 1, 11));

    CMenuEntry label(pTheme, ktControlLabel);
    label.m_pPopup->SetShowGripper(FALSE);
    CTestSurface labelled(200, 22, kPaper);
    pTheme->DrawControlPopupParent(labelled.DC(), label.m_pControl, TRUE);
    EXPECT_EQ(Distinct(56), labelled.Pixel(label.m_nBorder + 1, 2));
}

TEST(FlatThemeMenus, AnImageOfAnotherShapeKeepsItsProportions)
{
    const UINT nId = 9214;
    CBlackIcon icon(nId, CSize(32, 16));
    ASSERT_TRUE(icon.IsMade());
    auto pTheme = MakeTheme<CKTThemeStyle1>();
    CMenuEntry entry(pTheme, ktControlButton, nId);
    ASSERT_EQ(16, entry.m_pControl->GetIconSize().cx);
    const int x = entry.m_nBorder + MenuColumn(pTheme, entry.m_pControl) / 2;
    CTestSurface surface(200, 22, kPaper);
    pTheme->DrawControlPopupParent(surface.DC(), entry.m_pControl, TRUE);
    const COLORREF clrBack = surface.Pixel(x, 1);
    EXPECT_NE(clrBack, surface.Pixel(x, 11)) << "16 x 8, centred";
    EXPECT_EQ(clrBack, surface.Pixel(x, 5)) << "not stretched to 16 x 16";
    EXPECT_EQ(clrBack, surface.Pixel(x, 16));
}

TEST(FlatThemeGrippers, AFloatingPopupKeepsItsIconColumnBelowItsCaption)
{
    CTestParent parent(300, 200);
    auto pTheme = MakeTheme<CKTThemeStyle1>();
    CKTSmartPtr<CKTPopupBar> pPopup = KTMakeCounted<CKTPopupBar>();
    pPopup->SetPaintManager(pTheme);
    pPopup->CreateBarWindow("KTTestBar", &parent, 2);
    pPopup->MoveWindow(10, 20, 120, 90);
    pPopup->SetPosition(ktBarFloating);
    const int x = pTheme->GetCommandBarBorders(pPopup).left + 2;
    for (BOOL bColumn : {TRUE, FALSE})
    {
        pPopup->SetShowGripper(bColumn);
        CTestSurface surface(120, 90, kPaper);
        const CSize szCaption = pTheme->DrawCommandBarGripper(surface.DC(), pPopup, TRUE);
        ASSERT_GT(szCaption.cy, 0);
        EXPECT_EQ(bColumn ? Distinct(30) : kPaper, surface.Pixel(x, 3 + szCaption.cy + 4)) << bColumn;
        EXPECT_EQ(bColumn ? Distinct(30) : kPaper, surface.Pixel(x, 86)) << bColumn;
        EXPECT_EQ(kPaper, surface.Pixel(x, 88)) << "inside the frame";
    }
    pPopup->OnRemoved();
}

// The gradient theme sets the pale face from its dock bars' pale end.
TEST(FlatThemeColours, ThePaleFaceIsTheDockBarsPaleEnd)
{
    CKTSmartPtr<CKTThemeStyle2> pTheme = KTMakeCounted<CKTThemeStyle2>();
    pTheme->m_nSystemTheme = ktSystemThemeNone;
    pTheme->RefreshMetrics();
    EXPECT_EQ(pTheme->m_grcDockBar.clrDark.GetColor(), pTheme->GetColor(KTCOLOR_FACE_PALE));
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
    // Focus into the bar's child or onto the frame; the bar notices at its idle update.
    void SetActive(BOOL bActive)
    {
        ::SetFocus(bActive ? m_edit.GetSafeHwnd() : m_pFrame->GetSafeHwnd());
        m_pBar->IdleUpdate();
        ASSERT_EQ(bActive, m_pBar->IsActive());
    }
    COLORREF GripperPixel(CKTThemeStyle2* pTheme)
    {
        CRect rc = CKTClientRect(m_pBar);
        CTestSurface surface(rc.Width(), rc.Height(), kPaper);
        pTheme->DrawAltGripper(surface.DC(), m_pBar, TRUE);
        return surface.Pixel(rc.Width() / 2, 6);
    }

    CKTDialogBar* m_pBar = NULL;
    CEdit m_edit;
};
}  // namespace

TEST_F(FlatThemeDialogBarTest, TheGripperLightsUpWhileTheFocusIsInTheBar)
{
    auto pTheme = MakeTheme<CKTThemeStyle2>();
    SetActive(FALSE);
    const COLORREF clrIdle = GripperPixel(pTheme);
    EXPECT_TRUE(IsBetween(clrIdle, pTheme->m_grcToolBar.clrLight, pTheme->m_grcToolBar.clrDark));
    SetActive(TRUE);
    EXPECT_EQ(Distinct(36), GripperPixel(pTheme)) << "no scheme: the checked colour";

    CKTSmartPtr<CKTThemeStyle2> pScheme = KTMakeCounted<CKTThemeStyle2>();
    pScheme->m_nSystemTheme = ktSystemThemeBlue;
    pScheme->RefreshMetrics();
    ASSERT_TRUE(pScheme->m_bLunaColors);
    const COLORREF clrActive = GripperPixel(pScheme);
    EXPECT_TRUE(IsBetween(clrActive, pScheme->m_grcChecked.clrLight, pScheme->m_grcChecked.clrDark));
    EXPECT_FALSE(IsBetween(clrActive, pScheme->m_grcToolBar.clrLight, pScheme->m_grcToolBar.clrDark));
    SetActive(FALSE);
    EXPECT_TRUE(IsBetween(GripperPixel(pScheme), pScheme->m_grcToolBar.clrLight, pScheme->m_grcToolBar.clrDark));
}
