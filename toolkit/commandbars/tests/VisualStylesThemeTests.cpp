// VisualStylesThemeTests.cpp: theme 3 asks the visual styles for the right parts and states, and draws as
// theme 0 wherever the styles are off.
#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTMenuBar.h"
#include "KTThemeVisualStyles.h"
#include "MessagePump.h"
#include "PixelImage.h"
#include "StatedControls.h"
#include "TestFrame.h"
#include "TestSurface.h"

#include <gtest/gtest.h>
#include <uxtheme.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
struct ThemePart
{
    std::string strClass;
    int nPart;
    int nState;
    bool operator==(const ThemePart& other) const
    {
        return strClass == other.strClass && nPart == other.nPart && nState == other.nState;
    }
};

std::ostream& operator<<(std::ostream& os, const ThemePart& part)
{
    return os << part.strClass << " " << part.nPart << "/" << part.nState;
}

// Records every themed background drawn while it lives.
class CVisualStyleRecorder : public IKTVisualStyleSpy
{
public:
    CVisualStyleRecorder() : m_pPrevious(CKTWinThemeWrapper::SetSpy(this)) {}
    ~CVisualStyleRecorder() { CKTWinThemeWrapper::SetSpy(m_pPrevious); }
    CVisualStyleRecorder(const CVisualStyleRecorder&) = delete;
    CVisualStyleRecorder& operator=(const CVisualStyleRecorder&) = delete;

    void OnDrawThemeBackground(LPCSTR lpszClassList, int nPart, int nState, const RECT& rc) override
    {
        m_parts.push_back({lpszClassList, nPart, nState});
        m_rects.push_back(rc);
    }
    bool Saw(const ThemePart& part) const { return std::find(m_parts.begin(), m_parts.end(), part) != m_parts.end(); }
    bool SawClass(const std::string& strClass) const
    {
        return std::any_of(m_parts.begin(), m_parts.end(), [&](const ThemePart& p) { return p.strClass == strClass; });
    }
    void Clear()
    {
        m_parts.clear();
        m_rects.clear();
    }

    std::vector<ThemePart> m_parts;
    std::vector<CRect> m_rects;

private:
    IKTVisualStyleSpy* m_pPrevious;
};

KT_CONTROLSTATE ButtonState(BOOL bSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopuped)
{
    KT_CONTROLSTATE state;
    state.bSelected = bSelected;
    state.nPressed = nPressed;
    state.bEnabled = bEnabled;
    state.nChecked = nChecked;
    state.bPopuped = bPopuped;
    return state;
}

// What a frame shows of its bars: the menu bar, "Standard" and the open File popup.
struct BarPictures
{
    CPixelImage menuBar = CPixelImage::FromDC(NULL, CRect());
    CPixelImage standard = CPixelImage::FromDC(NULL, CRect());
    CPixelImage popup = CPixelImage::FromDC(NULL, CRect());
};

class VisualStylesFrameTest : public ::testing::Test
{
protected:
    // The frame with a hot menu entry, a checked and a hot button, a separator and the open File popup.
    void Open(int nTheme, BOOL bStylesOff)
    {
        ::SetCursorPos(0, 0);  // away from the bars, whose hot entries must stay as set
        m_pFrame = CTestFrame::Create(0);
        ASSERT_TRUE(m_pFrame != NULL);
        // The theme opens its styles for the main window; an empty class list turns them off for it.
        AfxGetApp()->m_pMainWnd = m_pFrame;
        if (bStylesOff)
        {
            ASSERT_EQ(S_OK, ::SetWindowTheme(m_pFrame->GetSafeHwnd(), L" ", L" "));
        }
        CKTPaintManager::SetTheme(static_cast<KTCommandBarsTheme>(nTheme));
        CKTToolBar* pStandard = m_pFrame->m_pStandard;
        for (int nId : {ID_FILE_NEW, ID_FILE_OPEN, ID_EDIT_CUT})
            pStandard->GetControls()->Add(ktControlButton, nId)->SetCaption(nId == ID_EDIT_CUT ? "Cut" : "File");
        pStandard->GetControl(0)->SetChecked(1);
        pStandard->GetControl(2)->SetBeginGroup(TRUE);
        m_pFrame->GetCommandBars()->RecalcFrameLayout();
        m_pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = NULL;
        if (m_pFrame)
            m_pFrame->DestroyWindow();
        PumpMessages();
        CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
    }
    CKTMenuBar* MenuBar() const { return m_pFrame->GetCommandBars()->GetMenuBar(); }
    CKTToolBar* Standard() const { return m_pFrame->m_pStandard; }

    // Empty pictures mean that a window could not be read.
    // "Standard" with "Cut" hot, then the menu bar and the File popup, open with its first entry selected.
    bool TakePictures(BarPictures& pictures)
    {
        Standard()->SetSelected(2);
        m_pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        pictures.standard = CPixelImage::FromWindow(Standard()->GetSafeHwnd());
        Standard()->SetSelected(-1);
        if (!MenuBar()->SetPopuped(0))
            return false;
        CKTCommandBar* pPopup = MenuBar()->GetControl(0)->GetCommandBar();
        pPopup->SetSelected(0);
        PumpMessages();
        if (pPopup->GetSelected() != 0)
            return false;
        pictures.menuBar = CPixelImage::FromWindow(MenuBar()->GetSafeHwnd());
        pictures.popup = CPixelImage::FromWindow(pPopup->GetSafeHwnd());
        MenuBar()->SetPopuped(-1);
        PumpMessages();
        return pictures.standard.Width() > 0 && pictures.menuBar.Width() > 0 && pictures.popup.Width() > 0;
    }

    CTestFrame* m_pFrame = NULL;
};
}  // namespace

TEST(VisualStylesTheme, ButtonStatesFollowTheToolbarClass)
{
    CKTSmartPtr<CKTThemeVisualStyles> pTheme = KTMakeCounted<CKTThemeVisualStyles>();
    pTheme->RefreshMetrics();
    ASSERT_TRUE(pTheme->IsThemed()) << "this system runs with visual styles on";
    const struct
    {
        KT_CONTROLSTATE state;
        int nExpected;
        const char* pszRow;
    } rows[] = {
        {ButtonState(FALSE, 0, FALSE, 1, FALSE), 3, "disabled checked shows pressed, not disabled"},
        {ButtonState(FALSE, 0, FALSE, 2, FALSE), 3, "disabled indeterminate"},
        {ButtonState(TRUE, 0, FALSE, 0, FALSE), 4, "disabled"},
        {ButtonState(FALSE, 0, TRUE, 0, TRUE), 3, "popped up"},
        {ButtonState(FALSE, 0, TRUE, 1, FALSE), 5, "checked"},
        {ButtonState(TRUE, 0, TRUE, 1, FALSE), 6, "hot checked"},
        {ButtonState(TRUE, 1, TRUE, 1, FALSE), 3, "checked while held down"},
        {ButtonState(TRUE, 1, TRUE, 0, FALSE), 3, "hot and held down"},
        {ButtonState(FALSE, 2, TRUE, 0, FALSE), 3, "its popup is open"},
        {ButtonState(FALSE, 1, TRUE, 0, FALSE), 1, "held down after the cursor left"},
        {ButtonState(TRUE, 0, TRUE, 2, FALSE), 2, "indeterminate counts as unchecked"},
        {ButtonState(FALSE, 0, TRUE, 0, FALSE), 1, "normal"},
    };
    CTestSurface surface(40, 30);
    for (const auto& row : rows)
    {
        CVisualStyleRecorder recorder;
        pTheme->DrawControlEntry(surface.DC(), CRect(2, 2, 30, 24), row.state);
        ASSERT_EQ(1u, recorder.m_parts.size()) << row.pszRow;
        EXPECT_EQ((ThemePart{"TOOLBAR", 1, row.nExpected}), recorder.m_parts[0]) << row.pszRow;
    }
}

TEST(VisualStylesTheme, PopupEntriesAreHighlightedWithoutTheStyles)
{
    CKTSmartPtr<CKTThemeVisualStyles> pTheme = KTMakeCounted<CKTThemeVisualStyles>();
    pTheme->RefreshMetrics();
    pTheme->SetCustomColor(COLOR_HIGHLIGHT, RGB(200, 0, 0));
    pTheme->SetCustomColor(COLOR_MENUHILIGHT, RGB(0, 0, 200));
    CTestSurface surface(40, 30);
    CVisualStyleRecorder recorder;
    KT_CONTROLSTATE hot = ButtonState(TRUE, 0, TRUE, 0, FALSE);
    hot.nBarType = ktBarTypePopup;
    pTheme->DrawControlEntry(surface.DC(), CRect(0, 0, 30, 20), hot);
    EXPECT_EQ(RGB(200, 0, 0), surface.Pixel(0, 0)) << "framed in the highlight";
    EXPECT_EQ(RGB(0, 0, 200), surface.Pixel(10, 10)) << "filled with the menu highlight";
    hot.nChecked = 1;
    pTheme->DrawControlEntry(surface.DC(), CRect(0, 0, 30, 20), hot);
    EXPECT_TRUE(recorder.m_parts.empty()) << "a checked popup entry gets no background";
}

TEST_F(VisualStylesFrameTest, BarsAndPopupAskForTheirPartsAndStates)
{
    CVisualStyleRecorder recorder;
    Open(ktCommandBarsThemeVisualStyles, FALSE);
    ASSERT_EQ(3, CKTPaintManager::GetGlobal()->GetCurrentTheme());
    recorder.Clear();
    BarPictures pictures;
    ASSERT_TRUE(TakePictures(pictures));

    EXPECT_TRUE(recorder.Saw({"REBAR", 0, 0})) << "the dock bar's and top bars' shared background";
    EXPECT_TRUE(recorder.Saw({"REBAR", 3, 0})) << "the band under each docked bar";
    EXPECT_TRUE(recorder.Saw({"REBAR", 1, 1})) << "the gripper of a bar docked at the top";
    EXPECT_TRUE(recorder.Saw({"TOOLBAR", 1, 5})) << "the checked button";
    EXPECT_TRUE(recorder.Saw({"TOOLBAR", 1, 2})) << "the hot button";
    EXPECT_TRUE(recorder.Saw({"TOOLBAR", 5, 1})) << "the separator before Cut";

    // Wine draws menus flat: the popup is framed in one line, the open menu entry and the
    // selected popup entry are filled with the highlight.
    CKTPaintManager* pTheme = CKTPaintManager::GetGlobal();
    EXPECT_EQ(pTheme->GetColor(COLOR_BTNSHADOW), pictures.popup.Pixel(0, 0));
    EXPECT_EQ(pTheme->GetColor(COLOR_MENU), pictures.popup.Pixel(1, 1));
    CKTControl* pFirst = MenuBar()->GetControl(0)->GetCommandBar()->GetControl(0);
    CPoint ptEntry = pFirst->GetRect().TopLeft() + CPoint(1, 1);
    EXPECT_EQ(pTheme->GetColor(COLOR_MENUHILIGHT), pictures.popup.Pixel(ptEntry.x + 40, ptEntry.y + 1));
    CRect rcFile = MenuBar()->GetControl(0)->GetRect();
    EXPECT_EQ(pTheme->GetColor(COLOR_HIGHLIGHT), pictures.menuBar.Pixel(rcFile.left + 1, rcFile.top + 1));
}

TEST_F(VisualStylesFrameTest, WithTheStylesOffItDrawsAsTheme0)
{
    Open(ktCommandBarsThemeClassic, TRUE);
    BarPictures classic;
    ASSERT_TRUE(TakePictures(classic));

    CVisualStyleRecorder recorder;
    CKTPaintManager::SetTheme(ktCommandBarsThemeVisualStyles);
    auto* pTheme = dynamic_cast<CKTThemeVisualStyles*>(CKTPaintManager::GetGlobal());
    ASSERT_TRUE(pTheme != NULL);
    EXPECT_FALSE(pTheme->IsThemed());
    BarPictures unthemed;
    ASSERT_TRUE(TakePictures(unthemed));
    EXPECT_FALSE(recorder.SawClass("TOOLBAR") || recorder.SawClass("REBAR") || recorder.SawClass("WINDOW"));
    EXPECT_EQ(0, unthemed.menuBar.CountDiffering(classic.menuBar));
    EXPECT_EQ(0, unthemed.standard.CountDiffering(classic.standard));
    EXPECT_EQ(0, unthemed.popup.CountDiffering(classic.popup));
}

TEST(VisualStylesTheme, SpinHalvesAndTheDropButtonTakeTheirStates)
{
    CKTSmartPtr<CKTThemeVisualStyles> pTheme = KTMakeCounted<CKTThemeVisualStyles>();
    pTheme->RefreshMetrics();
    ASSERT_TRUE(pTheme->IsThemed());
    CTestSurface surface(120, 24);
    CKTSmartPtr<CStatedEdit> pEdit = KTMakeCounted<CStatedEdit>(CRect(0, 0, 120, 24));
    const struct
    {
        BOOL bEnabled;
        int nSelected, nPressed, nUp, nDown;
    } spins[] = {
        {TRUE, 0, 0, 1, 1}, {TRUE, 1, 0, 1, 1}, {TRUE, 3, 0, 2, 1},  {TRUE, 4, 0, 1, 2},
        {TRUE, 3, 3, 3, 1}, {TRUE, 4, 4, 1, 3}, {FALSE, 3, 3, 4, 4},
    };
    for (const auto& row : spins)
    {
        pEdit->SetState(row.bEnabled, row.nSelected, row.nPressed);
        CVisualStyleRecorder recorder;
        pTheme->DrawControlEdit(surface.DC(), pEdit, TRUE);
        EXPECT_TRUE(recorder.Saw({"SPIN", 1, row.nUp})) << row.nSelected << "/" << row.nPressed;
        EXPECT_TRUE(recorder.Saw({"SPIN", 2, row.nDown})) << row.nSelected << "/" << row.nPressed;
    }

    CKTSmartPtr<CStatedCombo> pCombo = KTMakeCounted<CStatedCombo>(CRect(0, 0, 120, 24));
    pTheme->DrawControlComboBox(surface.DC(), pCombo, FALSE);
    const struct
    {
        BOOL bEnabled;
        int nSelected;
        BOOL bDropped;
        int nState;
    } combos[] = {{TRUE, 0, FALSE, 1}, {TRUE, 3, FALSE, 2}, {TRUE, 3, TRUE, 3}, {FALSE, 3, TRUE, 4}};
    for (const auto& row : combos)
    {
        pCombo->SetState(row.bEnabled, row.nSelected, row.bDropped);
        CVisualStyleRecorder recorder;
        pTheme->DrawControlComboBox(surface.DC(), pCombo, TRUE);
        ASSERT_EQ(1u, recorder.m_parts.size());
        EXPECT_EQ((ThemePart{"COMBOBOX", 1, row.nState}), recorder.m_parts[0]);
        const int cxThumb = pCombo->GetThumbWidth();
        EXPECT_EQ(CRect(120 - cxThumb - 2, 1, 119, 23), recorder.m_rects[0]) << "the button reaches over the frame";
    }
}

TEST(VisualStylesTheme, FieldFramesTakeTheComboBoxBorderColour)
{
    CKTSmartPtr<CKTThemeVisualStyles> pTheme = KTMakeCounted<CKTThemeVisualStyles>();
    pTheme->RefreshMetrics();
    CKTWinThemeWrapper comboBox;
    ASSERT_TRUE(comboBox.OpenThemeData(NULL, "COMBOBOX"));
    CKTSmartPtr<CStatedEdit> pEdit = KTMakeCounted<CStatedEdit>(CRect(0, 0, 120, 24));
    pEdit->ShowSpinButtons(FALSE);
    for (BOOL bEnabled : {TRUE, FALSE})
    {
        COLORREF clrBorder = pTheme->GetColor(COLOR_BTNSHADOW);
        comboBox.GetThemeColor(1, bEnabled ? 1 : 4, 3801, clrBorder);
        pEdit->SetState(bEnabled, 0, 0);
        CTestSurface surface(120, 24);
        pTheme->DrawControlEdit(surface.DC(), pEdit, TRUE);
        const int x = pEdit->GetLabelWidth() + 10;
        EXPECT_EQ(clrBorder, surface.Pixel(x, 0));
        EXPECT_EQ(clrBorder, surface.Pixel(x, 23)) << "one colour all round, no sunken edge";
        EXPECT_EQ(pTheme->GetControlEditBackColor(pEdit), surface.Pixel(x, 12));
    }
}

TEST_F(VisualStylesFrameTest, WithTheStylesOffFieldsDrawAsTheme0)
{
    auto picture = [this](CKTPaintManager* pTheme)
    {
        CKTSmartPtr<CStatedEdit> pEdit = KTMakeCounted<CStatedEdit>(CRect(0, 0, 120, 24));
        pEdit->SetState(TRUE, 3, 3);
        CKTSmartPtr<CStatedCombo> pCombo = KTMakeCounted<CStatedCombo>(CRect(0, 24, 120, 48));
        pCombo->SetState(TRUE, 3, TRUE);
        CTestSurface surface(120, 48);
        pTheme->DrawControlEdit(surface.DC(), pEdit, TRUE);
        pTheme->DrawControlComboBox(surface.DC(), pCombo, FALSE);
        pTheme->DrawControlComboBox(surface.DC(), pCombo, TRUE);
        return CPixelImage::FromDC(surface.DC()->GetSafeHdc(), CRect(0, 0, 120, 48));
    };
    Open(0, TRUE);
    CKTSmartPtr<CKTPaintManager> pClassic = CKTPaintManager::CreateTheme(ktCommandBarsThemeClassic);
    pClassic->RefreshMetrics();
    CKTSmartPtr<CKTPaintManager> pUnthemed = CKTPaintManager::CreateTheme(ktCommandBarsThemeVisualStyles);
    pUnthemed->RefreshMetrics();
    CVisualStyleRecorder recorder;
    CPixelImage unthemed = picture(pUnthemed);
    EXPECT_FALSE(recorder.SawClass("SPIN") || recorder.SawClass("COMBOBOX"));
    EXPECT_EQ(0, unthemed.CountDiffering(picture(pClassic)));
}
