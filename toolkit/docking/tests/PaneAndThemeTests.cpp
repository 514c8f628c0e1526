// Theme choice and caption fonts, attaching windows around the initial update, and searches through groups.
#include <gtest/gtest.h>

#include <afxpriv.h>

#include "DockingTestFrame.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDockingPaneTheme0.h"
#include "KTDockingPaneTheme9.h"

namespace
{
// Counts the initial updates a window receives.
class CUpdateCounter : public CWnd
{
public:
    int m_nUpdates = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_nUpdates += message == WM_INITIALUPDATE;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
}  // namespace

TEST(DockingThemes, UnknownIdsGiveThePlainThemeAndTheStickerStyleStays)
{
    CKTDockingPaneManager manager;
    manager.SetTheme(ktDockingPaneThemeStickers);
    EXPECT_TRUE(dynamic_cast<CKTDockingPaneTheme9*>(manager.GetPaintManager()));
    manager.SetTheme(static_cast<KTDockingPaneTheme>(11));
    EXPECT_TRUE(dynamic_cast<CKTDockingPaneTheme0*>(manager.GetPaintManager()));
    EXPECT_EQ(11, manager.GetPaintManager()->m_nThemeId);
    EXPECT_EQ(1, manager.m_nStickerStyle);
    manager.SetTheme(static_cast<KTDockingPaneTheme>(-1));
    EXPECT_TRUE(dynamic_cast<CKTDockingPaneTheme0*>(manager.GetPaintManager()));
}

TEST(DockingThemes, TinyCaptionFontsAreRaisedForVerticalCaptions)
{
    CKTDockingPaneTheme9 theme;
    LOGFONTA lf = {};
    lf.lfHeight = -5;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    theme.SetCaptionFont(lf, FALSE);
    LOGFONTA vertical = {};
    ASSERT_TRUE(theme.GetCaptionFont(TRUE).GetLogFont(&vertical));
    EXPECT_EQ(-11, vertical.lfHeight);
    EXPECT_EQ(900, vertical.lfEscapement);
    EXPECT_EQ(5 + 13, theme.GetCaptionHeight()) << "a caption is never shorter than 13 pixels of text";
}

TEST(DockingPaneWindows, WindowsAttachedAfterTheInitialUpdateGetItAtOnce)
{
    CDockingTestFrame frame(400, 300);
    CKTDockingPane* pEarly = frame.m_manager.CreatePane(1, CRect(0, 0, 100, 100), ktDockLeft);
    CKTDockingPane* pLate = frame.m_manager.CreatePane(2, CRect(0, 0, 100, 100), ktDockRight);
    CUpdateCounter early, late;
    early.Create("STATIC", NULL, WS_CHILD, CRect(0, 0, 10, 10), &frame, 0);
    late.Create("STATIC", NULL, WS_CHILD, CRect(0, 0, 10, 10), &frame, 0);
    pEarly->Attach(early.GetSafeHwnd());
    EXPECT_EQ(0, early.m_nUpdates);
    frame.m_manager.SendMessage(WM_INITIALUPDATE);
    pLate->Attach(late.GetSafeHwnd());
    EXPECT_EQ(1, late.m_nUpdates);
    EXPECT_EQ(pLate->GetTabbedContainer()->GetSafeHwnd(), ::GetParent(late.GetSafeHwnd()));
}

TEST(DockingPaneWindows, DisabledPaneIsLaidOutWithItsWindowDisabled)
{
    CDockingTestFrame frame(400, 300);
    CKTDockingPane* pPane = frame.m_manager.CreatePane(1, CRect(0, 0, 100, 100), ktDockLeft);
    pPane->SetEnabled(ktPaneEnableActions);
    frame.Layout();
    ASSERT_TRUE(pPane->IsValid());
    EXPECT_FALSE(::IsWindowEnabled(pPane->GetHandle()));
}

TEST(DockingPaneWindows, SearchesSkipEmptyGroups)
{
    CDockingTestFrame frame(400, 300);
    CKTDockingPane* pPane = frame.m_manager.CreatePane(1, CRect(0, 0, 100, 100), ktDockLeft);
    frame.m_manager.CreatePane(2, CRect(0, 0, 100, 100), ktDockRight);
    frame.m_bHideOnClose = FALSE;
    frame.m_manager.ClosePane(pPane);
    CKTDockingPaneNodeList groups;
    frame.m_manager.GetTopPane()->FindPane(ktPaneTypeTabbedContainer, groups);
    ASSERT_EQ(1u, groups.size());
    EXPECT_EQ(frame.m_manager.FindPane(2)->GetTabbedContainer(), groups.front());
}
