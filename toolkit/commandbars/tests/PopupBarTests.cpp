// PopupBarTests.cpp: popup bars on a real frame, driven by real keys.
#include "CommandBarsTestApp.h"
#include "CommandBarsTestsRes.h"
#include "AnimationFrames.h"
#include "FrameFixture.h"
#include "InputBuilder.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControlPopup.h"
#include "KTControlRecentFileList.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTMenuBar.h"
#include "KTMouseHookManager.h"
#include "KTPaintManager.h"
#include "KTPopupBar.h"
#include "KTSoundPlayer.h"
#include "KTToolBar.h"
#include "KTToolTipController.h"
#include "KTWindowHookManager.h"
#include "KTHookSink.h"
#include "SystemMenuGuard.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "PixelImage.h"
#include "TestFrame.h"
#include "TestInput.h"

#include <afxadv.h>
#include <afxpriv.h>
#include <afxres.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <set>
#include <thread>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace
{
std::function<BOOL()> s_timerWork;

void CALLBACK RunTimerWork(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(NULL, nId);
    std::function<BOOL()> work = std::move(s_timerWork);
    s_timerWork = nullptr;
    if (work && !work())
    {
        s_timerWork = std::move(work);
        ::SetTimer(NULL, 0, 50, RunTimerWork);
    }
}

// Runs work from a thread timer inside whatever loop runs then, until it answers TRUE.
void RunFromTimer(std::function<BOOL()> work)
{
    s_timerWork = std::move(work);
    ::SetTimer(NULL, 0, 50, RunTimerWork);
}

// Runs work with the first popup once it shows, from a timer inside whatever loop runs then.
void WhenPopupShows(std::function<void(HWND hPopup)> work)
{
    RunFromTimer(
        [work]
        {
            HWND hPopup = ::FindWindow("KTPopupBar", NULL);
            if (!hPopup || !::IsWindowVisible(hPopup))
                return FALSE;
            work(hPopup);
            return TRUE;
        });
}

// The application's recent-file list for one test, holding these paths, the last one newest.
class CRecentFilesOfTest
{
public:
    explicit CRecentFilesOfTest(std::vector<LPCSTR> paths)
    {
        CWinApp* pApp = AfxGetApp();
        EXPECT_TRUE(pApp->m_pRecentFileList == NULL);
        delete pApp->m_pRecentFileList;
        pApp->m_pRecentFileList = new CRecentFileList(0, "Recent Files Test", "File%d", 4);
        for (LPCSTR lpszPath : paths)
            pApp->AddToRecentFileList(lpszPath);
    }
    ~CRecentFilesOfTest()
    {
        delete AfxGetApp()->m_pRecentFileList;
        AfxGetApp()->m_pRecentFileList = NULL;
    }
    CRecentFilesOfTest(const CRecentFilesOfTest&) = delete;
    CRecentFilesOfTest& operator=(const CRecentFilesOfTest&) = delete;
};

class PopupBarTest : public CFrameFixture
{
protected:
    explicit PopupBarTest(int nTheme = 0, BOOL bLoadStandard = FALSE) : CFrameFixture(nTheme, bLoadStandard) {}

    // Runs a context menu (an entry without a handler, then an enabled one) at the point while the keys arrive.
    UINT TrackMenu(CPoint pt, std::vector<WORD> keys, UINT nFlags = 0)
    {
        return TrackEntries({{ID_TEST_NO_HANDLER, "&No handler"}, {ID_TEST_ENABLED, "&Enabled"}}, pt, keys, nFlags);
    }

    UINT TrackEntries(std::vector<std::pair<UINT, LPCSTR>> entries, CPoint pt, std::vector<WORD> keys, UINT nFlags = 0)
    {
        return TrackEntriesWhile(
            entries, pt,
            [keys](CTestInput& input)
            {
                for (WORD wKey : keys)
                    input.Key(wKey);
            },
            nFlags);
    }

    // Runs the menu while the user acts on the frame, once the menu shows.
    UINT TrackEntriesWhile(std::vector<std::pair<UINT, LPCSTR>> entries, CPoint pt,
                           std::function<void(CTestInput&)> act, UINT nFlags = 0)
    {
        CMenu menu;
        menu.CreatePopupMenu();
        for (const auto& entry : entries)
            menu.AppendMenu(MF_STRING, entry.first, entry.second);
        WhenPopupShows(
            [this, act](HWND hPopup)
            {
                ::GetWindowRect(hPopup, m_rcPopup);
                CTestInput input(m_pFrame->GetSafeHwnd());
                act(input);
            });
        return m_pCommandBars->TrackPopupMenuEx(&menu, nFlags | TPM_RETURNCMD, pt.x, pt.y);
    }

    // The menu bar's third menu, its entries replaced by that many lettered ones.
    CKTPopupBar* ThirdMenuWithItems(int nItems)
    {
        auto* pPopup = dynamic_cast<CKTPopupBar*>(m_pCommandBars->GetMenuBar()->GetControl(2)->GetCommandBar());
        if (!pPopup)
            return NULL;
        pPopup->GetControls()->RemoveAll();
        for (int i = 0; i < nItems; i++)
            pPopup->GetControls()
                ->Add(ktControlButton, ID_TEST_ENABLED)
                ->SetCaption(CString("Item ") + char('A' + i % 26));
        return pPopup;
    }

    CRect m_rcPopup;
};

CRect WorkArea()
{
    CRect rc;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}
}  // namespace

TEST_F(PopupBarTest, KeysChooseFromATrackedMenuAndEscapeCancels)
{
    CMessageRecorder recorder({m_pFrame->GetSafeHwnd()}, {KTWM_INITCOMMANDSPOPUP, KTWM_UNINITCOMMANDSPOPUP});
    EXPECT_EQ((UINT)ID_TEST_ENABLED, TrackMenu(CPoint(200, 200), {VK_DOWN, VK_DOWN, VK_RETURN}));
    EXPECT_TRUE(WorkArea().PtInRect(m_rcPopup.TopLeft()));
    EXPECT_EQ(CPoint(200, 200), m_rcPopup.TopLeft());
    EXPECT_TRUE(
        recorder.Matches({{KTWM_INITCOMMANDSPOPUP, kSent, 0, 0, 0}, {KTWM_UNINITCOMMANDSPOPUP, kSent, 0, 0, 0}}));
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "a returned command is not also sent";

    EXPECT_EQ(0u, TrackMenu(CPoint(200, 200), {VK_DOWN, VK_ESCAPE}));
    EXPECT_EQ(NULL, ::FindWindow("KTPopupBar", NULL)) << "the popup's window goes with its tracking";
}

// The window a menu was asked for hears it and its sub-menu open and close; the frame, which did not ask, does not.
TEST_F(PopupBarTest, TheWindowAMenuWasAskedForHearsItAndItsSubMenuOpenAndClose)
{
    CWnd owner;
    ASSERT_TRUE(owner.Create(NULL, "asked for", WS_CHILD, CRect(0, 0, 10, 10), m_pFrame, 1));
    CMenu sub, menu;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, ID_TEST_ENABLED, "&Enabled");
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_POPUP, (UINT_PTR)sub.Detach(), "&More");
    CMessageRecorder recorder({}, {KTWM_INITCOMMANDSPOPUP, KTWM_UNINITCOMMANDSPOPUP});
    WhenPopupShows(
        [this](HWND)
        {
            CTestInput input(m_pFrame->GetSafeHwnd());
            for (WORD wKey : {VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE})
                input.Key(wKey);
        });
    EXPECT_EQ(0u, m_pCommandBars->TrackPopupMenuEx(&menu, TPM_RETURNCMD, 200, 200, &owner));
    EXPECT_TRUE(recorder.Matches({{KTWM_INITCOMMANDSPOPUP, kSent, 0, 0, 0},
                                  {KTWM_INITCOMMANDSPOPUP, kSent, 0, 0, 0},
                                  {KTWM_UNINITCOMMANDSPOPUP, kSent, 0, 0, 0},
                                  {KTWM_UNINITCOMMANDSPOPUP, kSent, 0, 0, 0}}));
    for (const CRecordedMessage& message : recorder.Messages())
        EXPECT_EQ(owner.GetSafeHwnd(), message.hWnd) << std::hex << message.message;
    owner.DestroyWindow();
}

// A menu run from inside an open menu (or a capture loop) keeps both: the menus beneath it neither move on keys nor
// open a sub-menu on hover until it ends.
TEST_F(PopupBarTest, ARecursiveMenuKeepsTheCaptureAndLocksTheBarsBeneathIt)
{
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CKTCommandBar* pFile = pMenuBar->GetControl(0)->GetCommandBar();
    CKTControl* pMore = pFile->GetControls()->Add(ktControlPopup, 0);
    pMore->SetCaption("More");
    pMore->GetCommandBar()->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("Enabled");
    ASSERT_TRUE(pMenuBar->SetPopuped(0, TRUE));
    ASSERT_EQ(0, pFile->GetSelected());
    m_pFrame->SetCapture();
    HWND hCapture = NULL;
    int nLock = 0, nKeyAnswer = 0, nSelectedAfterKey = -1, nPopupedAfterHover = -1;
    UINT nCommand = TrackEntriesWhile(
        {{ID_TEST_ENABLED, "&Enabled"}}, CPoint(300, 300),
        [&](CTestInput& input)
        {
            hCapture = ::GetCapture();
            nLock = pFile->GetRecursionLock();
            nKeyAnswer = pFile->OnHookKeyDown(VK_DOWN, 0);
            nSelectedAfterKey = pFile->GetSelected();
            pFile->SetSelected(pMore->GetIndex(), 0);
            pFile->SendMessage(WM_TIMER, KT_TIMER_HOVER);
            nPopupedAfterHover = pFile->GetPopuped();
            input.Key(VK_ESCAPE);
        },
        TPM_RECURSE);
    EXPECT_EQ(0u, nCommand);
    EXPECT_EQ(m_pFrame->GetSafeHwnd(), hCapture);
    EXPECT_EQ(1, nLock);
    EXPECT_EQ(TRUE, nKeyAnswer) << "the key is taken and does nothing";
    EXPECT_EQ(0, nSelectedAfterKey);
    EXPECT_EQ(-1, nPopupedAfterHover) << "the hover timer opened nothing";
    EXPECT_EQ(0, pFile->GetRecursionLock());
    EXPECT_EQ(0, pMenuBar->GetPopuped()) << "the menu beneath stays open";
    ::ReleaseCapture();
    pMenuBar->SetTrackingMode(ktTrackingNone, TRUE, FALSE);
}

// A bar that begins tracking while a recursive menu runs was not locked by it, and is not unlocked by it either:
// the next recursive menu still locks it.
TEST_F(PopupBarTest, ABarThatBeginsTrackingUnderARecursiveMenuStaysLockableByTheNext)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    auto beginTrackingAndClose = [pStandard](CTestInput&)
    {
        pStandard->SetTrackingMode(ktTrackingOn, FALSE, FALSE);
        auto* pPopup = dynamic_cast<CKTCommandBar*>(CWnd::FromHandlePermanent(::FindWindow("KTPopupBar", NULL)));
        pPopup->SetTrackingMode(ktTrackingNone);
    };
    EXPECT_EQ(0u,
              TrackEntriesWhile({{ID_TEST_ENABLED, "&Enabled"}}, CPoint(300, 300), beginTrackingAndClose, TPM_RECURSE));
    ASSERT_NE(0, pStandard->GetTrackingMode());
    EXPECT_EQ(0, pStandard->GetRecursionLock());
    int nLockBeneath = 0;
    EXPECT_EQ(0u, TrackEntriesWhile(
                      {{ID_TEST_ENABLED, "&Enabled"}}, CPoint(300, 300),
                      [&](CTestInput& input)
                      {
                          nLockBeneath = pStandard->GetRecursionLock();
                          input.Key(VK_ESCAPE);
                      },
                      TPM_RECURSE));
    EXPECT_EQ(1, nLockBeneath);
    pStandard->SetTrackingMode(ktTrackingNone);
}

// A letter picks the entry that has it after '&' over those that only begin with it; two entries with the same
// '&' letter are picked in turn and neither runs until Enter.
TEST_F(PopupBarTest, AnAmpersandLetterRunsItsEntryAndALetterSharedByTwoEntriesOnlyMovesBetweenThem)
{
    const CPoint pt(200, 200);
    EXPECT_EQ(
        (UINT)ID_TEST_ENABLED,
        TrackEntries({{ID_HELP, "Bold"}, {ID_TEST_TOGGLE, "Black"}, {ID_TEST_ENABLED, "&Blue"}}, pt, {'B', VK_ESCAPE}))
        << "entries that only begin with the letter make no choice ambiguous";
    EXPECT_EQ((UINT)ID_HELP, TrackEntries({{ID_HELP, "Bold"}, {ID_TEST_ENABLED, "Black"}}, pt, {'B', VK_RETURN}))
        << "without an '&' letter the first entry that begins with it is picked and waits";
    EXPECT_EQ((UINT)ID_TEST_TOGGLE,
              TrackEntries({{ID_HELP, "&Save"}, {ID_TEST_TOGGLE, "&Send"}, {ID_TEST_ENABLED, "&Enabled"}}, pt,
                           {'S', 'S', VK_RETURN}));
    EXPECT_EQ(0u, TrackEntries({{ID_HELP, "&Save"}, {ID_TEST_TOGGLE, "&Send"}}, pt, {'S', VK_ESCAPE}))
        << "a shared letter runs nothing";
}

// As with the system's menus, a wheel turned while a menu is open scrolls nothing beneath it.
TEST_F(PopupBarTest, WhileAMenuIsOpenTheWheelReachesNothingBeneathIt)
{
    HWND hFrame = m_pFrame->GetSafeHwnd();
    CRect rcClient;
    m_pFrame->GetClientRect(rcClient);
    const CPoint ptBeneath(rcClient.right - 20, rcClient.bottom - 20);
    CMessageRecorder recorder({hFrame, m_pFrame->m_hWndMDIClient}, {WM_MOUSEWHEEL});
    EXPECT_EQ(0u, TrackEntriesWhile({{ID_TEST_ENABLED, "&Enabled"}}, CPoint(200, 200),
                                    [&](CTestInput& input)
                                    {
                                        input.Wheel(ptBeneath, -WHEEL_DELTA);
                                        input.Key(VK_ESCAPE);
                                    }));
    EXPECT_TRUE(recorder.Messages().empty());

    CTestInput input(hFrame);
    ASSERT_TRUE(input.Wheel(ptBeneath, -WHEEL_DELTA));
    EXPECT_TRUE(PumpUntil([&] { return !recorder.Messages().empty(); })) << "with no menu open the wheel goes on";
}

// Right-clicks the second entry of a tracked menu, then presses the keys (to end a menu the click left open).
UINT RightClickSecondEntry(CKTCommandBars* pCommandBars, UINT nFlags, std::vector<WORD> keys)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_TEST_NO_HANDLER, "&No handler");
    menu.AppendMenu(MF_STRING, ID_TEST_ENABLED, "&Enabled");
    WhenPopupShows(
        [keys](HWND hPopup)
        {
            CRect rc;
            ::GetClientRect(hPopup, rc);
            CTestInput input(hPopup);
            input.Click(CPoint(rc.Width() / 2, rc.Height() * 3 / 4), true);
            for (WORD wKey : keys)
                input.Key(wKey);
        });
    return pCommandBars->TrackPopupMenuEx(&menu, nFlags | TPM_RETURNCMD, 200, 200);
}

TEST_F(PopupBarTest, ARightClickRunsAnEntryOnlyInAMenuTrackedForTheRightButton)
{
    EXPECT_EQ((UINT)ID_TEST_ENABLED, RightClickSecondEntry(m_pCommandBars, TPM_RIGHTBUTTON, {VK_ESCAPE}));
    EXPECT_EQ(0u, RightClickSecondEntry(m_pCommandBars, 0, {VK_ESCAPE}));
}

TEST_F(PopupBarTest, AnEntryThatKeepsItsMenuOpenStillEndsAMenuTrackedToReturnACommand)
{
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Enabled");
    pPopup->GetControl(0)->SetCloseSubMenuOnClick(FALSE);
    bool bClosedByChoice = false;
    WhenPopupShows(
        [this, &bClosedByChoice](HWND)
        {
            CTestInput input(m_pFrame->GetSafeHwnd());
            input.Key(VK_DOWN);
            input.Key(VK_RETURN);
            bClosedByChoice = PumpUntil([] { return ::FindWindow("KTPopupBar", NULL) == NULL; }, 3000);
            if (!bClosedByChoice)
                input.Key(VK_ESCAPE);
        });
    EXPECT_EQ((UINT)ID_TEST_ENABLED,
              CKTCommandBars::TrackPopupMenu(pPopup, TPM_RETURNCMD, 200, 200, m_pFrame, NULL, NULL));
    EXPECT_TRUE(bClosedByChoice);
}

// A menu shown for a window but given no command owner is updated by, and runs its entry in, the frame.
TEST_F(PopupBarTest, AMenuShownForAWindowWithoutACommandOwnerRunsItsEntryInTheFrame)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.Create(NULL, "shown for", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), m_pFrame, 1));
    CMessageRecorder recorder({wnd.GetSafeHwnd()}, {WM_COMMAND});
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Enabled");
    m_pFrame->m_commands.clear();
    WhenPopupShows(
        [this](HWND)
        {
            CTestInput input(m_pFrame->GetSafeHwnd());
            input.Key(VK_DOWN);
            input.Key(VK_RETURN);
            if (!PumpUntil([] { return ::FindWindow("KTPopupBar", NULL) == NULL; }, 3000))
                input.Key(VK_ESCAPE);
        });
    EXPECT_TRUE(CKTCommandBars::TrackPopupMenu(pPopup, 0, 200, 200, &wnd, NULL, NULL));
    EXPECT_TRUE(PumpUntil([this] { return !m_pFrame->m_commands.empty(); }));
    EXPECT_EQ((std::vector<UINT>{ID_TEST_ENABLED}), m_pFrame->m_commands);
    EXPECT_TRUE(recorder.Messages().empty());
    wnd.DestroyWindow();
}

TEST_F(PopupBarTest, ARightAlignedMenuEndsAtThePointAndARightToLeftOwnerAlignsItSo)
{
    EXPECT_EQ(0u, TrackMenu(CPoint(400, 200), {VK_ESCAPE}, TPM_RIGHTALIGN));
    EXPECT_EQ(CPoint(400, 200), CPoint(m_rcPopup.right, m_rcPopup.top));
    EXPECT_EQ(0u, TrackMenu(CPoint(400, 200), {VK_ESCAPE}));
    EXPECT_EQ(CPoint(400, 200), m_rcPopup.TopLeft());
    m_pFrame->ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    EXPECT_EQ(0u, TrackMenu(CPoint(400, 200), {VK_ESCAPE}));
    m_pFrame->ModifyStyleEx(WS_EX_LAYOUTRTL, 0);
    EXPECT_EQ(400, m_rcPopup.right) << "a right-to-left owner's menu opens leftwards";
}

TEST_F(PopupBarTest, AMenuTrackedWithoutNotifyingRunsNoCommandUpdate)
{
    for (UINT nFlags : {0u, (UINT)TPM_NONOTIFY})
    {
        int nEnabled = -2;
        RunFromTimer(
            [this, &nEnabled]
            {
                auto* pPopup = dynamic_cast<CKTPopupBar*>(CWnd::FromHandlePermanent(::FindWindow("KTPopupBar", NULL)));
                if (!pPopup || !::IsWindowVisible(pPopup->GetSafeHwnd()))
                    return FALSE;
                nEnabled = pPopup->GetControl(0)->GetEnabled();
                CTestInput(m_pFrame->GetSafeHwnd()).Key(VK_ESCAPE);
                return TRUE;
            });
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, ID_TEST_NO_HANDLER, "&No handler");
        m_pCommandBars->TrackPopupMenuEx(&menu, nFlags | TPM_RETURNCMD, 200, 200);
        EXPECT_EQ(nFlags ? TRUE : FALSE, nEnabled) << "an entry without a handler is greyed only by the update";
    }
}

TEST_F(PopupBarTest, AMenuNearTheBottomOpensAboveThePoint)
{
    CRect rcWork = WorkArea();
    CPoint pt(300, rcWork.bottom - 10);
    EXPECT_EQ(0u, TrackMenu(pt, {VK_ESCAPE}));
    EXPECT_EQ(pt.y, m_rcPopup.bottom);
    EXPECT_GE(m_rcPopup.top, rcWork.top);
}

TEST_F(PopupBarTest, MenuBarEntriesOpenBelowWithKeysAndArrowsMoveBetweenThem)
{
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CTestInput input(m_pFrame->GetSafeHwnd());
    pMenuBar->SetTrackingMode(ktTrackingOn, TRUE, TRUE);
    ASSERT_EQ(0, pMenuBar->GetSelected());
    input.Key(VK_DOWN);
    HWND hPopup = ::FindWindow("KTPopupBar", NULL);
    ASSERT_TRUE(hPopup != NULL);
    CRect rcPopup, rcEntry = pMenuBar->GetControl(0)->GetRect();
    ::GetWindowRect(hPopup, rcPopup);
    pMenuBar->ClientToScreen(rcEntry);
    EXPECT_EQ(rcEntry.bottom, rcPopup.top);
    EXPECT_EQ(rcEntry.left - 1, rcPopup.left) << "the raised entry's edge stays in sight";
    EXPECT_EQ(0, pMenuBar->GetControl(0)->GetCommandBar()->GetSelected()) << "opened by key: first item selected";

    input.Key(VK_RIGHT);
    EXPECT_EQ(1, pMenuBar->GetPopuped()) << "Right in a popup without a sub-menu moves to the next entry";
    input.Key(VK_ESCAPE);
    EXPECT_EQ(-1, pMenuBar->GetPopuped());
    EXPECT_EQ(1, pMenuBar->GetTrackingMode()) << "Esc closes the popup and leaves the bar tracking";
    input.Key(VK_ESCAPE);
    EXPECT_EQ(0, pMenuBar->GetTrackingMode());
}

// Down on an entry the pointer moved to opens it as the keyboard does: the entry itself and its menu's first item
// show the keyboard's selection.
TEST_F(PopupBarTest, DownOnAMenuBarEntryThePointerChoseOpensItAsTheKeyboardWould)
{
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    pMenuBar->SetTrackingMode(ktTrackingOn, TRUE, TRUE);
    CKTControl* pEdit = pMenuBar->GetControl(1);
    CPoint pt = pEdit->GetRect().CenterPoint();
    pMenuBar->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    ASSERT_TRUE(PumpUntil([&] { return pMenuBar->GetSelected() == 1; }));
    ASSERT_FALSE(KTIsKeyboardSelection(pEdit->GetSelected()));
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_DOWN));
    EXPECT_EQ(1, pMenuBar->GetPopuped());
    EXPECT_EQ(ktSelectionKeyboard, pEdit->GetSelected());
    EXPECT_EQ(0, pEdit->GetCommandBar()->GetSelected()) << "the menu's first item";
    input.Key(VK_ESCAPE);
    input.Key(VK_ESCAPE);
    EXPECT_EQ(0, pMenuBar->GetTrackingMode());
}

TEST_F(PopupBarTest, TheSoundThreadStartsWithAPopupAndEndsWithTheFrame)
{
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    ASSERT_TRUE(pMenuBar->SetPopuped(0));
    ASSERT_TRUE(KTSoundPlayer()->IsThreadRunning());
    HANDLE hThread = NULL;
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), KTSoundPlayer()->GetThreadHandle(), ::GetCurrentProcess(),
                                  &hThread, SYNCHRONIZE, FALSE, 0));
    m_pFrame->DestroyWindow();
    PumpMessages();
    EXPECT_FALSE(KTSoundPlayer()->IsThreadRunning());
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hThread, 0)) << "the thread itself has ended";
    ::CloseHandle(hThread);
}

TEST_F(PopupBarTest, AltLetterOpensItsMenuAndF10SelectsTheFirst)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key('F', CTestInput::kAlt));
    EXPECT_EQ(0, guard.Refused()) << "releasing Alt asked for no system menu loop";
    ASSERT_EQ(0, pMenuBar->GetPopuped()) << "Alt+F opens File";
    EXPECT_EQ(0, pMenuBar->GetControl(0)->GetCommandBar()->GetSelected());
    input.Key(VK_ESCAPE);
    input.Key(VK_ESCAPE);
    ASSERT_EQ(0, pMenuBar->GetTrackingMode());

    ASSERT_TRUE(input.Key(VK_F10));
    EXPECT_EQ(1, pMenuBar->GetTrackingMode());
    EXPECT_EQ(0, pMenuBar->GetSelected());
    EXPECT_EQ(-1, pMenuBar->GetPopuped()) << "F10 selects without opening";
    input.Key(VK_RIGHT);
    EXPECT_EQ(1, pMenuBar->GetSelected());
    input.Key(VK_ESCAPE);
    EXPECT_EQ(0, guard.Refused());
}

TEST_F(PopupBarTest, ALetterATrackingToolbarLacksOpensTheMenuBarsEntryAndTheSiteHearsOfEachKey)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    CKTToolBar* pBar = m_pCommandBars->Add("Keys", ktBarTop);
    pBar->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Query");
    m_pFrame->RecalcLayout();
    PumpMessages();
    CMessageRecorder recorder({m_pFrame->GetSafeHwnd()}, {KTWM_BARKEYDOWN});
    m_pCommandBars->SetToolBarFocus(pBar);
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key('F'));
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    EXPECT_EQ(0, pMenuBar->GetPopuped()) << "File opens";
    EXPECT_EQ(0, pBar->GetTrackingMode());
    ASSERT_FALSE(recorder.Messages().empty());
    EXPECT_NE((WPARAM)0, recorder.Messages()[0].wParam) << "the key's record";
    EXPECT_EQ((LPARAM)pBar, recorder.Messages()[0].lParam);
    input.Key(VK_ESCAPE);
    input.Key(VK_ESCAPE);
    EXPECT_EQ(0, pMenuBar->GetTrackingMode());
}

namespace
{
// The frame's window procedure while a test answers the key notices itself: 'X' becomes 'Q', 'F' is taken.
WNDPROC s_pKeySiteProc = NULL;

LRESULT CALLBACK KeyChangingSiteProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == KTWM_BARKEYDOWN)
    {
        auto* pKey = reinterpret_cast<KT_BARKEYDOWN*>(wParam);
        if (pKey->nKey == 'X')
            pKey->nKey = 'Q';
        else if (pKey->nKey == 'F')
            pKey->nKey = 0;
        return 0;
    }
    return ::CallWindowProc(s_pKeySiteProc, hWnd, message, wParam, lParam);
}
}  // namespace

TEST_F(PopupBarTest, TheSiteChangesTheKeyATrackingBarActsOnOrTakesItAway)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    CKTToolBar* pBar = m_pCommandBars->Add("Keys", ktBarTop);
    pBar->GetControls()->Add(ktControlButton, ID_TEST_NO_HANDLER)->SetCaption("&Anything");
    pBar->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Query");
    m_pFrame->RecalcLayout();
    PumpMessages();
    HWND hFrame = m_pFrame->GetSafeHwnd();
    s_pKeySiteProc = (WNDPROC)::SetWindowLongPtr(hFrame, GWLP_WNDPROC, (LONG_PTR)KeyChangingSiteProc);
    m_pCommandBars->SetToolBarFocus(pBar);
    m_pFrame->m_commands.clear();
    CTestInput input(hFrame);
    input.Key('F');
    const int nMenuTracking = m_pCommandBars->GetMenuBar()->GetTrackingMode();
    const int nBarTracking = pBar->GetTrackingMode();
    input.Key('X');
    PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, 2000);
    ::SetWindowLongPtr(hFrame, GWLP_WNDPROC, (LONG_PTR)s_pKeySiteProc);
    EXPECT_EQ(0, nMenuTracking) << "a taken key opens no menu";
    EXPECT_NE(0, nBarTracking);
    EXPECT_EQ(std::vector<UINT>({ID_TEST_ENABLED}), m_pFrame->m_commands) << "the changed key ran its entry";
    pBar->SetTrackingMode(ktTrackingNone);
}

TEST_F(PopupBarTest, KeysTypedIntoAWindowInsideATrackingBarReachTheWindow)
{
    CLoopTranslation translation;
    CKTToolBar* pBar = m_pCommandBars->Add("Host", ktBarTop);
    pBar->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Query");
    pBar->GetControls()->Add(ktControlButton, ID_TEST_NO_HANDLER)->SetCaption("&Anything");
    m_pFrame->RecalcLayout();
    PumpMessages();
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(200, 2, 280, 20), pBar, 1234));
    m_pCommandBars->SetToolBarFocus(pBar);
    const int nSelected = pBar->GetSelected();
    m_pFrame->m_commands.clear();
    CTestInput input(edit.GetSafeHwnd());
    ASSERT_TRUE(input.Key('Q'));
    ASSERT_TRUE(input.Key(VK_RIGHT));
    ASSERT_TRUE(input.Key('A'));
    PumpMessages();
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_EQ(CString("qa"), strText) << "letters and arrows went to the window";
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "no access key ran";
    EXPECT_EQ(nSelected, pBar->GetSelected());
    EXPECT_NE(ktTrackingNone, pBar->GetTrackingMode());
    pBar->SetTrackingMode(ktTrackingNone);
}

namespace
{
// A site that adds its own entry to the toolbars menu and notes the caller's argument.
class CToolbarsMenuSite : public CKTHookSink
{
public:
    int OnHookMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT&) override
    {
        if (nMessage != KTWM_TOOLBARSCONTEXTMENU)
            return ktHookContinue;
        m_wParam = wParam;
        reinterpret_cast<CKTPopupBar*>(lParam)->GetControls()->Add(ktControlButton, ID_TEST_ENABLED);
        return ktHookStopHere;
    }
    WPARAM m_wParam = 0;
};
}  // namespace

TEST_F(PopupBarTest, TheSiteMayAddEntriesToTheToolbarsMenu)
{
    CToolbarsMenuSite site;
    CKTWindowHookManager::Instance()->SetHook(m_pFrame->GetSafeHwnd(), &site);
    BOOL bOwnEntry = FALSE;
    WhenPopupShows(
        [this, &bOwnEntry](HWND hPopup)
        {
            auto* pPopup = dynamic_cast<CKTCommandBar*>(CWnd::FromHandlePermanent(hPopup));
            bOwnEntry = pPopup && pPopup->GetControls()->FindControl(ID_TEST_ENABLED) != NULL;
            CTestInput(m_pFrame->GetSafeHwnd()).Key(VK_ESCAPE);
        });
    const CRect rcFrame = CKTWindowRect(m_pFrame);
    m_pCommandBars->ContextMenu(77, rcFrame.left + 200, rcFrame.top + 120);
    CKTWindowHookManager::Instance()->RemoveAll(&site);
    EXPECT_EQ(77u, site.m_wParam);
    EXPECT_TRUE(bOwnEntry);
}

TEST_F(PopupBarTest, TheToolbarsMenuOfARightToLeftFrameIsRightToLeft)
{
    // Turned right-to-left after its bars were made: the menu follows the frame as it is now.
    m_pFrame->ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    DWORD dwExStyle = 0;
    WhenPopupShows(
        [this, &dwExStyle](HWND hPopup)
        {
            dwExStyle = (DWORD)::GetWindowLong(hPopup, GWL_EXSTYLE);
            CTestInput(m_pFrame->GetSafeHwnd()).Key(VK_ESCAPE);
        });
    const CRect rcFrame = CKTWindowRect(m_pFrame);
    m_pCommandBars->ContextMenu(0, rcFrame.left + 200, rcFrame.top + 120);
    m_pFrame->ModifyStyleEx(WS_EX_LAYOUTRTL, 0);
    EXPECT_EQ((DWORD)WS_EX_LAYOUTRTL, dwExStyle & WS_EX_LAYOUTRTL);
}

TEST_F(PopupBarTest, AMenuOfAFrameTurnedRightToLeftAfterItsBarsWereMadeReadsRightToLeft)
{
    m_pFrame->ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    ASSERT_TRUE(pMenuBar->SetPopuped(1, TRUE));
    CKTCommandBar* pPopup = pMenuBar->GetControl(1)->GetCommandBar();
    ASSERT_TRUE(PumpUntil([&] { return pPopup->GetSafeHwnd() && pPopup->IsWindowVisible(); }));
    const DWORD dwExStyle = pPopup->GetExStyle();
    pMenuBar->SetTrackingMode(ktTrackingNone);
    m_pFrame->ModifyStyleEx(WS_EX_LAYOUTRTL, 0);
    EXPECT_EQ((DWORD)WS_EX_LAYOUTRTL, dwExStyle & WS_EX_LAYOUTRTL);
}

// No idle time passes while a menu is open: what changes in it shows without the mouse passing over it.
TEST_F(PopupBarTest, AnOpenMenuShowsARenamedOrHiddenEntryAtOnce)
{
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    CKTControl* pFirst = pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED);
    pFirst->SetCaption("&Enabled");
    CKTControl* pSecond = pPopup->GetControls()->Add(ktControlButton, ID_TEST_NO_HANDLER);
    pSecond->SetCaption("&No handler");
    const CRect rcFrame = CKTWindowRect(m_pFrame);
    ::SetCursorPos(rcFrame.right - 2, rcFrame.bottom - 2);
    ASSERT_TRUE(pPopup->PopupAt(rcFrame.left + 60, rcFrame.top + 120));
    HWND hPopup = pPopup->GetSafeHwnd();
    PumpMessages();
    const CPixelImage before = CPixelImage::FromWindow(hPopup);

    pFirst->SetCaption("&Wrapped");
    EXPECT_TRUE(PumpUntil([&] { return CPixelImage::FromWindow(hPopup).CountDiffering(before) > 0; }, 2000))
        << "the new caption shows";
    const CPixelImage renamed = CPixelImage::FromWindow(hPopup);
    pSecond->SetVisible(FALSE);
    EXPECT_TRUE(PumpUntil([&] { return CPixelImage::FromWindow(hPopup).CountDiffering(renamed) > 0; }, 2000))
        << "the hidden entry goes";
    pPopup->SetTrackingMode(ktTrackingNone);
}

TEST_F(PopupBarTest, AnEntryRenamedByItsUpdateHandlerAsTheMenuOpensHasRoomForItsNewCaption)
{
    const CString strLong = "An entry named at length as the menu opens";
    auto openWidth = [this](LPCSTR lpszCaption)
    {
        CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
        pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Enabled");
        pPopup->GetControls()->Add(ktControlButton, ID_TEST_RENAMED)->SetCaption(lpszCaption);
        const CRect rcFrame = CKTWindowRect(m_pFrame);
        EXPECT_TRUE(pPopup->PopupAt(rcFrame.left + 60, rcFrame.top + 120));
        const int nWidth = CKTWindowRect(pPopup).Width();
        pPopup->SetTrackingMode(ktTrackingNone);
        return nWidth;
    };
    m_pFrame->m_strRenamed = strLong;
    const int nNamedFirst = openWidth(strLong);
    EXPECT_EQ(nNamedFirst, openWidth("&Short")) << "as wide as when it had that caption from the start";
}

TEST_F(PopupBarTest, LeftInAMenuThatReadsRightToLeftOpensTheSubMenu)
{
    CMenu sub, menu;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, ID_TEST_ENABLED, "&Enabled");
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_POPUP, (UINT_PTR)sub.Detach(), "&More");
    menu.AppendMenu(MF_STRING, ID_TEST_NO_HANDLER, "&No handler");
    int nPopups = 0;
    WhenPopupShows(
        [this, &nPopups](HWND hPopup)
        {
            ::SetWindowLong(hPopup, GWL_EXSTYLE, ::GetWindowLong(hPopup, GWL_EXSTYLE) | WS_EX_RTLREADING);
            CTestInput input(m_pFrame->GetSafeHwnd());
            input.Key(VK_DOWN);
            input.Key(VK_LEFT);
            for (HWND h = ::FindWindow("KTPopupBar", NULL); h; h = ::FindWindowEx(NULL, h, "KTPopupBar", NULL))
                nPopups++;
            input.Key(VK_ESCAPE);
            input.Key(VK_ESCAPE);
        });
    EXPECT_EQ(0u, m_pCommandBars->TrackPopupMenuEx(&menu, TPM_RETURNCMD, 200, 200));
    EXPECT_EQ(2, nPopups) << "Left goes towards the sub-menu";
}

TEST_F(PopupBarTest, TheAccessKeyOfASplitEntryInAMenuOpensItsSubMenuAsItsKeyboardTipWould)
{
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->GetControls()->Add(ktControlButton, ID_TEST_NO_HANDLER)->SetCaption("&Other");
    auto* pSplit =
        static_cast<CKTControlPopup*>(pPopup->GetControls()->Add(ktControlSplitButtonPopup, ID_TEST_ENABLED));
    pSplit->SetCaption("&Split");
    CKTSmartPtr<CKTPopupBar> pSub = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pSub->GetControls()->Add(ktControlButton, ID_TEST_NO_HANDLER)->SetCaption("&Inside");
    pSplit->SetCommandBar(pSub);
    BOOL bOpened = FALSE;
    WhenPopupShows(
        [this, pSplit, &bOpened](HWND)
        {
            CTestInput input(m_pFrame->GetSafeHwnd());
            input.Key('S');
            bOpened = pSplit->IsPopuped();
            input.Key(VK_ESCAPE);
            input.Key(VK_ESCAPE);
        });
    EXPECT_EQ(0u, CKTCommandBars::TrackPopupMenu(pPopup, TPM_RETURNCMD, 200, 200, m_pFrame));
    EXPECT_TRUE(bOpened) << "the sub-menu opened, the command did not run";
}

TEST_F(PopupBarTest, ADisabledSplitEntryInAMenuRunsNothingWhenItsButtonPartIsClicked)
{
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Enabled");
    auto* pSplit = static_cast<CKTControlPopup*>(
        pPopup->GetControls()->Add(ktControlSplitButtonPopup, ID_TEST_DISABLED_BY_HANDLER));
    pSplit->SetCaption("&Split");
    pSplit->SetEnabled(FALSE);
    CKTSmartPtr<CKTPopupBar> pSub = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pSub->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Inside");
    pSplit->SetCommandBar(pSub);
    BOOL bStillOpen = FALSE;
    WhenPopupShows(
        [pPopup, pSplit, &bStillOpen](HWND hPopup)
        {
            const CRect rcCommand = pPopup->GetPaintManager()->GetSplitButtonCommandRect(pSplit);
            CTestInput input(hPopup);
            input.Click(rcCommand.CenterPoint());
            bStillOpen = pPopup->GetTrackingMode() != ktTrackingNone;
            input.Key(VK_ESCAPE);
        });
    EXPECT_EQ(0u, CKTCommandBars::TrackPopupMenu(pPopup, TPM_RETURNCMD, 200, 200, m_pFrame));
    EXPECT_TRUE(bStillOpen);
}

TEST_F(PopupBarTest, OpeningOrClosingAPopupPaintsWhatWaitsInTheFrameAtOnce)
{
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Enabled");
    const CRect rcFrame = CKTWindowRect(m_pFrame);
    HWND hFrame = m_pFrame->GetSafeHwnd();
    PumpMessages();
    ::RedrawWindow(hFrame, NULL, NULL, RDW_INVALIDATE | RDW_FRAME);
    ASSERT_TRUE(::GetUpdateRect(hFrame, NULL, FALSE));
    ASSERT_TRUE(pPopup->PopupAt(rcFrame.left + 60, rcFrame.top + 120));
    EXPECT_FALSE(::GetUpdateRect(hFrame, NULL, FALSE)) << "painted before the popup returned";
    ::RedrawWindow(hFrame, NULL, NULL, RDW_INVALIDATE | RDW_FRAME);
    ASSERT_TRUE(::GetUpdateRect(hFrame, NULL, FALSE));
    pPopup->SetTrackingMode(ktTrackingNone);
    EXPECT_FALSE(::GetUpdateRect(hFrame, NULL, FALSE)) << "painted as the popup closed";
}

TEST_F(PopupBarTest, HoveringASubMenuEntryOpensItOnTheHoverTimer)
{
    CMenu sub, menu;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, ID_TEST_ENABLED, "&Enabled");
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_TEST_NO_HANDLER, "&No handler");
    menu.AppendMenu(MF_POPUP, (UINT_PTR)sub.Detach(), "&More");
    CMessageRecorder recorder({}, {WM_TIMER});
    int nPopups = 0;
    WhenPopupShows(
        [this, &nPopups](HWND hPopup)
        {
            CRect rc;
            ::GetWindowRect(hPopup, rc);
            // The second entry's row, a little below the middle.
            ::SetCursorPos(rc.left + 20, rc.top + rc.Height() * 3 / 4);
            PumpUntil([] { return false; }, 50);
            ::SetCursorPos(rc.left + 22, rc.top + rc.Height() * 3 / 4);
            auto count = []
            {
                int n = 0;
                for (HWND h = ::FindWindow("KTPopupBar", NULL); h; h = ::FindWindowEx(NULL, h, "KTPopupBar", NULL))
                    n++;
                return n;
            };
            PumpUntil([&] { return count() == 2; }, 3000);
            nPopups = count();
            CTestInput input(m_pFrame->GetSafeHwnd());
            input.Key(VK_ESCAPE);
            input.Key(VK_ESCAPE);
        });
    EXPECT_EQ(0u, m_pCommandBars->TrackPopupMenuEx(&menu, TPM_RETURNCMD, 200, 200));
    EXPECT_EQ(2, nPopups) << "the sub-menu opened beside its entry";
    bool bHoverTimer = false;
    for (const CRecordedMessage& m : recorder.Messages())
        bHoverTimer |= m.wParam == 112223;
    EXPECT_TRUE(bHoverTimer);
}

TEST_F(PopupBarTest, ADiagonalMoveAcrossASiblingIntoTheSubMenuKeepsTheSubMenuOpen)
{
    CMenu sub, menu;
    sub.CreatePopupMenu();
    for (int i = 0; i < 4; i++)
        sub.AppendMenu(MF_STRING, ID_TEST_ENABLED, "Sub-menu entry");
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_POPUP, (UINT_PTR)sub.Detach(), "&More");
    menu.AppendMenu(MF_STRING, ID_TEST_NO_HANDLER, "&Sibling");
    menu.AppendMenu(MF_STRING, ID_TEST_ENABLED, "&Last");
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->LoadMenu(&menu, TRUE);
    ASSERT_TRUE(pPopup->PopupAt(200, 200));
    PumpMessages();
    CTestInput input(m_pFrame->GetSafeHwnd());
    auto moveTo = [&](CRect rc, CKTCommandBar* pBar)
    {
        pBar->ClientToScreen(rc);
        std::vector<INPUT> inputs;
        InputBuilder::AddMove(inputs, rc.CenterPoint());
        return input.Send(inputs);
    };
    CKTCommandBar* pSub = pPopup->GetControl(0)->GetCommandBar();
    ASSERT_TRUE(moveTo(pPopup->GetControl(0)->GetRect(), pPopup));
    ASSERT_TRUE(PumpUntil([pSub] { return pSub->IsVisible(); }, 3000)) << "the sub-menu opened on hover";
    ASSERT_TRUE(moveTo(pPopup->GetControl(1)->GetRect(), pPopup));
    ASSERT_TRUE(PumpUntil([&] { return pPopup->GetSelected() == 1; }, 2000));

    CMessageRecorder recorder({pPopup->GetSafeHwnd()}, {WM_TIMER});
    ASSERT_TRUE(moveTo(pSub->GetControl(1)->GetRect(), pSub));
    EXPECT_TRUE(PumpUntil([&] { return pPopup->GetSelected() == 0; }, 2000)) << "the sub-menu's entry again";
    auto hovered = [&]
    {
        for (const CRecordedMessage& m : recorder.Messages())
            if (m.wParam == 112223)
                return true;
        return false;
    };
    ASSERT_TRUE(PumpUntil(hovered, 3000));
    PumpMessages();
    EXPECT_TRUE(pSub->IsVisible()) << "the hover timer kept the sub-menu open";
    pPopup->SetTrackingMode(ktTrackingNone);
}

TEST_F(PopupBarTest, RecentFilesExpandTheirPlaceHolderIntoNumberedItems)
{
    CRecentFilesOfTest recent({"C:\\kt\\one.kpd", "C:\\kt\\b&c.kpd"});
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    ASSERT_TRUE(pMenuBar->SetPopuped(0));
    CKTControls* pFile = pMenuBar->GetControl(0)->GetCommandBar()->GetControls();
    CKTControl* pHolder = pFile->FindControl(ID_FILE_MRU_FILE1);
    ASSERT_TRUE(pHolder != NULL);
    EXPECT_TRUE(pHolder->GetHideFlags() & ktHideGeneric) << "the place holder hides behind its items";
    CKTControl* pFirst = pFile->GetAt(pHolder->GetIndex() + 1);
    CKTControl* pSecond = pFile->GetAt(pHolder->GetIndex() + 2);
    ASSERT_TRUE(pFirst && pSecond);
    EXPECT_EQ(ID_FILE_MRU_FILE1, pFirst->GetID());
    EXPECT_EQ(ID_FILE_MRU_FILE1 + 1, pSecond->GetID());
    EXPECT_EQ(0, pFirst->GetCaption().Find("&1 ")) << (LPCSTR)pFirst->GetCaption();
    EXPECT_NE(-1, pFirst->GetCaption().Find("b&&c.kpd")) << "the newest first, its ampersand kept";
    EXPECT_EQ(0, pSecond->GetCaption().Find("&2 "));
    EXPECT_NE(-1, pSecond->GetCaption().Find("one.kpd"));
    EXPECT_TRUE(pFirst->IsTemporary());
    pMenuBar->SetPopuped(-1);
}

// The list is made anew each time its menu is laid out, as the first update after the opening does: the entry the
// keyboard lit stays lit, and Down moves on from it.
TEST_F(PopupBarTest, AMenuOpenedByKeyKeepsItsFirstEntryLitAsItsRecentFilesAreMadeAnew)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    CRecentFilesOfTest recent({"C:\\kt\\one.kpd", "C:\\kt\\two.kpd"});
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key('F', CTestInput::kAlt));
    ASSERT_EQ(0, pMenuBar->GetPopuped());
    CKTCommandBar* pFile = pMenuBar->GetControl(0)->GetCommandBar();
    ASSERT_NE(nullptr, pFile->GetControls()->FindControl(ID_FILE_MRU_FILE1 + 1)) << "both files are listed";
    EXPECT_EQ(0, pFile->GetSelected()) << "lit as it opens";
    pFile->IdleUpdate();
    ASSERT_EQ(0, pFile->GetSelected()) << "and after the next update";
    EXPECT_TRUE(KTIsKeyboardSelection(pFile->GetControl(0)->GetSelected()));
    ASSERT_TRUE(input.Key(VK_DOWN));
    EXPECT_EQ(1, pFile->GetSelected()) << "Down moves to the second entry";
    m_pCommandBars->ClosePopups();
    EXPECT_EQ(0, guard.Refused());
}

// A menu shown under a resting cursor is told of a move there, as a program started with the cursor over the place
// its menu opens hears of it first then: the entry the keyboard lit stays lit, and Down moves on from it.
TEST_F(PopupBarTest, AMenuOpenedByKeyUnderARestingCursorKeepsItsFirstEntryLit)
{
    CKTMouseHookManager* pHook = CKTMouseHookManager::Instance();
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key('F', CTestInput::kAlt));
    CKTCommandBar* pFile = pMenuBar->GetControl(0)->GetCommandBar();
    CPoint pt = pFile->GetControl(1)->GetRect().CenterPoint();
    pFile->ClientToScreen(&pt);
    m_pCommandBars->ClosePopups();
    CMessageRecorder recorder({}, {WM_MOUSEMOVE});
    ASSERT_TRUE(::SetCursorPos(pt.x, pt.y));
    ASSERT_TRUE(PumpUntil([&] { return !recorder.Messages().empty(); }));
    MOUSEHOOKSTRUCT move = {};
    move.pt = {0, 0};
    pHook->OnHookMouse(WM_MOUSEMOVE, move);  // the last the program heard of the cursor was elsewhere

    ASSERT_TRUE(input.Key('F', CTestInput::kAlt));
    ASSERT_EQ(0, pMenuBar->GetPopuped());
    move.pt = pt;
    move.hwnd = pFile->GetSafeHwnd();
    if (!pHook->OnHookMouse(WM_MOUSEMOVE, move))
    {
        CPoint ptClient = pt;
        pFile->ScreenToClient(&ptClient);
        pFile->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
    }
    EXPECT_EQ(0, pFile->GetSelected()) << "the cursor has not moved";
    ASSERT_TRUE(input.Key(VK_DOWN));
    EXPECT_EQ(1, pFile->GetSelected());
    m_pCommandBars->ClosePopups();
    EXPECT_EQ(0, guard.Refused());
}

TEST_F(PopupBarTest, RightClickOnAToolBarListsTheBarsAndHidesTheChosenOne)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    pStandard->LoadToolBar(IDR_TESTFRAME, FALSE);
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    int nChecked = -1;
    CString strListed;
    RunFromTimer(
        [this, &nChecked, &strListed]
        {
            HWND hPopup = ::FindWindow("KTPopupBar", NULL);
            CKTCommandBar* pPopup = dynamic_cast<CKTCommandBar*>(CWnd::FromHandlePermanent(hPopup));
            if (!pPopup)
                return FALSE;
            for (int i = 0; i < pPopup->GetControlCount(); i++)
                if (pPopup->GetControl(i)->IsVisible())
                {
                    strListed += pPopup->GetControl(i)->GetCaption() + ";";
                    nChecked = pPopup->GetControl(i)->GetChecked();
                }
            CTestInput input(m_pFrame->GetSafeHwnd());
            input.Key(VK_DOWN);
            input.Key(VK_RETURN);
            return TRUE;
        });
    CTestInput input(m_pFrame->GetSafeHwnd());
    CPoint pt(pStandard->GetControl(0)->GetRect().right + 60, 5);
    pStandard->ClientToScreen(&pt);
    m_pFrame->ScreenToClient(&pt);
    input.Click(pt, true);
    PumpUntil([pStandard] { return !pStandard->IsVisible(); }, 2000);
    EXPECT_EQ(CString("Standard;"), strListed) << "the menu bar cannot be closed, so only Standard is listed";
    EXPECT_EQ(1, nChecked) << "a visible bar is checked";
    EXPECT_FALSE(pStandard->IsVisible());
}

namespace
{
// Command bars whose toolbars menu offers one entry more.
class CExtendedToolbarsMenuBars : public CKTCommandBars
{
    DECLARE_DYNCREATE(CExtendedToolbarsMenuBars)

public:
    CKTSmartPtr<CKTPopupBar> GetToolbarsPopup() override
    {
        CKTSmartPtr<CKTPopupBar> pPopup = CKTCommandBars::GetToolbarsPopup();
        pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Extra");
        return pPopup;
    }
};
IMPLEMENT_DYNCREATE(CExtendedToolbarsMenuBars, CKTCommandBars)

class ExtendedToolbarsMenuTest : public PopupBarTest
{
protected:
    ExtendedToolbarsMenuTest() { m_pCommandBarsClass = RUNTIME_CLASS(CExtendedToolbarsMenuBars); }
};
}  // namespace

TEST_F(ExtendedToolbarsMenuTest, ARightClickOnAToolBarShowsTheMenuTheBarsClassMakes)
{
    CString strListed;
    WhenPopupShows(
        [this, &strListed](HWND hPopup)
        {
            auto* pPopup = dynamic_cast<CKTCommandBar*>(CWnd::FromHandlePermanent(hPopup));
            for (int i = 0; pPopup && i < pPopup->GetControlCount(); i++)
                if (pPopup->GetControl(i)->IsVisible())
                    strListed += pPopup->GetControl(i)->GetCaption() + ";";
            CTestInput(m_pFrame->GetSafeHwnd()).Key(VK_ESCAPE);
        });
    CTestInput input(m_pFrame->m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Click(CPoint(10, 5), true));
    EXPECT_EQ(CString("Standard;&Extra;"), strListed);
}

namespace
{
// The designer's frame: its MDI client, "Standard" loaded from the tool bar resource, theme 4.
class DesignerFrameTest : public PopupBarTest
{
protected:
    DesignerFrameTest() : PopupBarTest(4, TRUE) {}
};
}  // namespace

TEST_F(DesignerFrameTest, AClickOnAMenuEntryOpensItsPopupBelowIt)
{
    ASSERT_TRUE(::IsWindow(m_pFrame->m_hWndMDIClient));
    ASSERT_EQ(NULL, ::GetMenu(m_pFrame->GetSafeHwnd()));
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CRect rcEntry = pMenuBar->GetControl(1)->GetRect();
    const CPoint ptEntry = rcEntry.CenterPoint();
    CTestInput input(pMenuBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(ptEntry));
    ASSERT_TRUE(PumpUntil([pMenuBar] { return pMenuBar->GetPopuped() == 1; }, 2000)) << "Edit opened";
    HWND hPopup = ::FindWindow("KTPopupBar", NULL);
    ASSERT_TRUE(hPopup && ::IsWindowVisible(hPopup));
    CRect rcPopup;
    ::GetWindowRect(hPopup, rcPopup);
    pMenuBar->ClientToScreen(rcEntry);
    EXPECT_EQ(rcEntry.bottom - 1, rcPopup.top) << "over the entry's lower edge";
    EXPECT_EQ(rcEntry.left, rcPopup.left);
    // Where it lies over the entry the border is open, so entry and menu read as one shape.
    CPixelImage popup = CPixelImage::FromWindow(hPopup);
    CKTPaintManager* pTheme = CKTPaintManager::GetGlobal();
    EXPECT_EQ(pTheme->GetColor(41), popup.Pixel(rcEntry.Width() / 2, 0));
    ASSERT_GT(popup.Width(), rcEntry.Width() + 2);
    EXPECT_EQ(pTheme->GetColor(43), popup.Pixel(rcEntry.Width() + 1, 0));

    ASSERT_TRUE(input.Click(ptEntry));
    EXPECT_TRUE(PumpUntil([pMenuBar] { return pMenuBar->GetPopuped() == -1; }, 2000)) << "a second click closes it";
    EXPECT_FALSE(::IsWindowVisible(hPopup));
}

TEST_F(PopupBarTest, AMenuThatMayNotScrollShowsAllItsItemsEvenTooTallForTheScreen)
{
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    const int nItems = 60;
    CKTPopupBar* pPopup = ThirdMenuWithItems(nItems);
    ASSERT_TRUE(pPopup != NULL);
    pPopup->SetNoScrolling(TRUE);
    ASSERT_TRUE(pMenuBar->SetPopuped(2, TRUE));
    EXPECT_FALSE(pPopup->IsScrolling());
    EXPECT_TRUE(pPopup->GetControl(nItems - 1)->IsVisible());
    CRect rcPopup;
    pPopup->GetWindowRect(rcPopup);
    EXPECT_GT(rcPopup.Height(), WorkArea().Height());
    pMenuBar->SetTrackingMode(ktTrackingNone, TRUE, FALSE);
}

// Kept from scrolling by the options only, a menu too tall for the work area re-flows into columns that fit it,
// every entry in reach.
TEST_F(PopupBarTest, AMenuTheOptionsKeepFromScrollingReflowsIntoColumnsWithinTheWorkArea)
{
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    const int nItems = 60;
    CKTPopupBar* pPopup = ThirdMenuWithItems(nItems);
    ASSERT_TRUE(pPopup != NULL);
    m_pCommandBars->GetCommandBarsOptions()->bNoPopupScrolling = TRUE;
    const BOOL bOpened = pMenuBar->SetPopuped(2, TRUE);
    m_pCommandBars->GetCommandBarsOptions()->bNoPopupScrolling = FALSE;
    ASSERT_TRUE(bOpened);
    EXPECT_FALSE(pPopup->IsScrolling());
    const CRect rcWork = WorkArea();
    const CRect rcPopup = CKTWindowRect(pPopup);
    EXPECT_GE(rcPopup.top, rcWork.top);
    EXPECT_LE(rcPopup.bottom, rcWork.bottom);
    int nOutside = 0;
    for (int i = 0; i < nItems; i++)
    {
        CRect rcItem = pPopup->GetControl(i)->GetRect();
        pPopup->ClientToScreen(&rcItem);
        nOutside += !pPopup->GetControl(i)->IsVisible() || rcItem.top < rcWork.top || rcItem.bottom > rcWork.bottom;
    }
    EXPECT_EQ(0, nOutside);
    pMenuBar->SetTrackingMode(ktTrackingNone, TRUE, FALSE);
}

// Too tall for either side of its entry and kept from scrolling, a drop-down goes beside its entry; at the screen's
// right edge it turns leftwards and meets the entry as each theme keeps a popup opening sideways clear of it:
// theme 0 leaves the entry whole, theme 1 takes its first pixel.
TEST_F(PopupBarTest, ADropDownTurnedBesideItsEntryMeetsItAsEachThemeKeepsASidewaysPopupClear)
{
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    ASSERT_TRUE(ThirdMenuWithItems(60) != NULL);
    auto entryOnScreen = [pMenuBar]
    {
        CRect rc = pMenuBar->GetControl(2)->GetRect();
        pMenuBar->ClientToScreen(rc);
        return rc;
    };
    const CRect rcFrame = CKTWindowRect(m_pFrame);
    const int nShift = WorkArea().right - 4 - entryOnScreen().right;
    m_pFrame->SetWindowPos(NULL, rcFrame.left + nShift, rcFrame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_pCommandBars->GetCommandBarsOptions()->bNoPopupScrolling = TRUE;
    for (const auto& theme : {std::make_pair(ktCommandBarsThemeClassic, 0), std::make_pair(ktCommandBarsThemeFlat, 1)})
    {
        SCOPED_TRACE(theme.first);
        CKTPaintManager::SetTheme(theme.first);
        m_pCommandBars->RedrawCommandBars();
        PumpMessages();
        const CRect rcEntry = entryOnScreen();
        EXPECT_TRUE(pMenuBar->SetPopuped(2, TRUE));
        auto* pPopup = static_cast<CKTPopupBar*>(pMenuBar->GetControl(2)->GetCommandBar());
        const CRect rcPopup = CKTWindowRect(pPopup);
        pMenuBar->SetTrackingMode(ktTrackingNone, TRUE, FALSE);
        EXPECT_EQ(rcEntry.left + theme.second, rcPopup.right);
    }
    m_pCommandBars->GetCommandBarsOptions()->bNoPopupScrolling = FALSE;
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
}

TEST_F(PopupBarTest, ASixtyItemMenuScrollsWhileTheMouseRestsOnItsBandsAndKeysBringItemsIntoView)
{
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    const int nItems = 60;
    CKTPopupBar* pPopup = ThirdMenuWithItems(nItems);
    ASSERT_TRUE(pPopup != NULL);
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(pMenuBar->SetPopuped(2, TRUE));
    ASSERT_TRUE(pPopup->IsScrolling());
    CRect rcPopup;
    pPopup->GetWindowRect(rcPopup);
    EXPECT_LE(rcPopup.bottom, WorkArea().bottom);
    const int nFirstEnd = pPopup->GetEndVisible();
    ASSERT_GT(nFirstEnd, 10);
    ASSERT_LT(nFirstEnd, nItems);
    EXPECT_FALSE(pPopup->GetControl(nFirstEnd)->IsVisible()) << "scrolled out";
    EXPECT_TRUE(pPopup->GetControl(nFirstEnd - 1)->IsVisible());
    const CRect rcLastShown = pPopup->GetControl(nFirstEnd - 1)->GetRect();
    EXPECT_LE(rcLastShown.bottom, pPopup->GetScrollDownArea().top) << "the band stays clear";

    CPoint ptBand = pPopup->GetScrollDownArea().CenterPoint();
    pPopup->ClientToScreen(&ptBand);
    ::SetCursorPos(ptBand.x, ptBand.y - 1);
    ::SetCursorPos(ptBand.x, ptBand.y);
    EXPECT_TRUE(PumpUntil([pPopup] { return pPopup->GetEndVisible() == nItems; }, 10000)) << "scrolled to the end";
    EXPECT_TRUE(pPopup->GetControl(nItems - 1)->IsVisible());
    EXPECT_GT(pPopup->GetFirstVisible(), 0);
    EXPECT_FALSE(pPopup->GetControl(0)->IsVisible());

    ::SetCursorPos(rcPopup.CenterPoint().x, rcPopup.CenterPoint().y);
    input.Key(VK_HOME);
    EXPECT_EQ(0, pPopup->GetSelected());
    EXPECT_EQ(0, pPopup->GetFirstVisible()) << "the first item came back into view";
    EXPECT_TRUE(pPopup->GetControl(0)->IsVisible());
    input.Key(VK_ESCAPE);
    input.Key(VK_ESCAPE);
}

namespace
{
int Brightness(COLORREF clr) { return GetRValue(clr) + GetGValue(clr) + GetBValue(clr); }

COLORREF DarkestIn(const CPixelImage& image, const CRect& rc)
{
    COLORREF clrDarkest = RGB(255, 255, 255);
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            if (Brightness(image.Pixel(x, y)) < Brightness(clrDarkest))
                clrDarkest = image.Pixel(x, y);
    return clrDarkest;
}
}  // namespace

TEST_F(DesignerFrameTest, AMenuReadsAsAMenuWithItsTextInTheSystemsMenuAndGreyedColours)
{
    CRect rcItems[2];
    BOOL bEnabled[2] = {TRUE, TRUE};
    std::unique_ptr<CPixelImage> pImage;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_TEST_NO_HANDLER, "&No handler");
    menu.AppendMenu(MF_STRING, ID_TEST_ENABLED, "&Enabled");
    RunFromTimer(
        [&]
        {
            HWND hPopup = ::FindWindow("KTPopupBar", NULL);
            auto* pPopup = dynamic_cast<CKTPopupBar*>(CWnd::FromHandlePermanent(hPopup));
            if (!pPopup || !::IsWindowVisible(hPopup))
                return FALSE;
            pImage.reset(new CPixelImage(CPixelImage::FromWindow(hPopup)));
            for (int i = 0; i < 2; i++)
            {
                rcItems[i] = pPopup->GetControl(i)->GetRect();
                bEnabled[i] = pPopup->GetControl(i)->GetEnabled();
            }
            CTestInput(m_pFrame->GetSafeHwnd()).Key(VK_ESCAPE);
            return TRUE;
        });
    m_pCommandBars->TrackPopupMenuEx(&menu, TPM_RETURNCMD, 200, 200);
    ASSERT_TRUE(pImage != NULL);
    ASSERT_FALSE(bEnabled[0]) << "no handler: greyed";
    ASSERT_TRUE(bEnabled[1]);

    const COLORREF clrFace = pImage->Pixel(rcItems[1].right - 3, rcItems[1].CenterPoint().y);
    EXPECT_EQ(CKTPaintManager::GetGlobal()->GetColor(41), clrFace);
    EXPECT_GE(Brightness(clrFace), Brightness(::GetSysColor(COLOR_BTNFACE))) << std::hex << clrFace;
    EXPECT_EQ(::GetSysColor(COLOR_MENUTEXT), DarkestIn(*pImage, rcItems[1]));
    EXPECT_EQ(::GetSysColor(COLOR_GRAYTEXT), DarkestIn(*pImage, rcItems[0]));
}

namespace
{
class PopupAnimationTest : public PopupBarTest, public ::testing::WithParamInterface<int>
{
protected:
    // A popup of a few entries at a fixed point, shown with the animation of the options.
    CKTSmartPtr<CKTPopupBar> OpenAt(int nAnimation)
    {
        m_pCommandBars->GetCommandBarsOptions()->nAnimationType = nAnimation;
        CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
        for (LPCSTR lpszCaption : {"&First entry", "&Second entry", "&Third entry", "&Fourth entry"})
            pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption(lpszCaption);
        // Over the frame, which paints the screen again once the popup goes.
        const CRect rcFrame = CKTWindowRect(m_pFrame);
        EXPECT_TRUE(pPopup->PopupAt(rcFrame.left + 60, rcFrame.top + 120));
        PumpMessages();
        return pPopup;
    }
};
}  // namespace

TEST_P(PopupAnimationTest, EachKindShowsFramesBetweenTheScreenAndThePopupAndEndsAsWithoutAnimation)
{
    CKTSmartPtr<CKTPopupBar> pStill = OpenAt(ktAnimationNone);
    const CRect rc = CKTWindowRect(pStill);
    const CPixelImage still = CPixelImage::FromScreen(rc);
    pStill->SetTrackingMode(ktTrackingNone);
    m_pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    const CPixelImage before = CPixelImage::FromScreen(rc);
    ASSERT_GT(still.CountDiffering(before), 0);

    CAnimationFrames reading(m_pCommandBars->GetPaintManager(), rc);
    CKTSmartPtr<CKTPopupBar> pAnimated = OpenAt(GetParam());
    const std::vector<CPixelImage>& frames = reading.Stop();
    EXPECT_EQ(rc, CKTWindowRect(pAnimated));
    EXPECT_EQ(0, CPixelImage::FromScreen(rc).CountDiffering(still)) << "the last picture is the still one";
    const size_t nBetween = std::count_if(
        frames.begin(), frames.end(),
        [&](const CPixelImage& frame) { return frame.CountDiffering(still) > 0 && frame.CountDiffering(before) > 0; });
    EXPECT_GT(nBetween, 0u) << "of " << frames.size() << " frames read during the animation";
    pAnimated->SetTrackingMode(ktTrackingNone);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PopupAnimationTest,
                         ::testing::Values(ktAnimationUnfold, ktAnimationSlide, ktAnimationFade));

TEST_F(PopupBarTest, TheAnimationOptionFollowsTheSystemOrPicksAtRandom)
{
    CKTCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    BOOL bAnimation = FALSE, bFade = FALSE;
    ::SystemParametersInfo(SPI_GETMENUANIMATION, 0, &bAnimation, 0);
    ::SystemParametersInfo(SPI_GETMENUFADE, 0, &bFade, 0);
    pOptions->nAnimationType = ktAnimationSystem;
    EXPECT_EQ(!bAnimation ? ktAnimationNone
              : bFade     ? ktAnimationFade
                          : ktAnimationSlide,
              pPopup->ResolveAnimationType());
    pOptions->nAnimationType = ktAnimationRandom;
    std::set<int> kinds;
    for (int i = 0; i < 60; i++)
        kinds.insert(pPopup->ResolveAnimationType());
    EXPECT_EQ(std::set<int>({ktAnimationUnfold, ktAnimationSlide, ktAnimationFade}), kinds);
    pOptions->nAnimationType = ktAnimationFade;
    EXPECT_EQ(ktAnimationFade, pPopup->ResolveAnimationType());
    EXPECT_EQ(ktAnimationNone, CKTPopupBar::CreatePopupBar(NULL)->ResolveAnimationType()) << "no command bars";
    pOptions->nAnimationType = ktAnimationSystem;
}

namespace
{
std::vector<DWORD> s_menuEvents;

void CALLBACK RecordMenuEvent(HWINEVENTHOOK, DWORD dwEvent, HWND, LONG lObject, LONG, DWORD, DWORD)
{
    if (lObject == OBJID_MENU)
        s_menuEvents.push_back(dwEvent);
}
}  // namespace

TEST_F(PopupBarTest, APopupKeepsTheFrameActiveTellsOfOpeningAndClosingAndHandsHostedWindowsToTheSite)
{
    s_menuEvents.clear();
    HWINEVENTHOOK hHook =
        ::SetWinEventHook(EVENT_SYSTEM_MENUPOPUPSTART, EVENT_SYSTEM_MENUPOPUPEND, NULL, RecordMenuEvent,
                          ::GetCurrentProcessId(), ::GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    ASSERT_TRUE(hHook != NULL);
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Entry");
    ASSERT_TRUE(pPopup->PopupAt(200, 200));
    PumpMessages();
    EXPECT_EQ(TRUE, pPopup->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE, 0));
    EXPECT_EQ(FALSE, pPopup->SendMessage(WM_FLOATSTATUS, FS_SHOW, 0));

    CWnd hosted;
    ASSERT_TRUE(hosted.Create("STATIC", "hosted", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pPopup, 1));
    // The closing event names a window that is gone by the time an out-of-context hook would hear of it.
    EXPECT_TRUE(PumpUntil([] { return !s_menuEvents.empty(); }, 2000));
    pPopup->SetTrackingMode(ktTrackingNone);
    ::UnhookWinEvent(hHook);
    ASSERT_FALSE(s_menuEvents.empty());
    EXPECT_EQ((DWORD)EVENT_SYSTEM_MENUPOPUPSTART, s_menuEvents.front());
    ASSERT_TRUE(::IsWindow(hosted.GetSafeHwnd())) << "the hosted window outlived the popup";
    EXPECT_EQ(m_pFrame->GetSafeHwnd(), ::GetParent(hosted.GetSafeHwnd()));
    EXPECT_FALSE(hosted.IsWindowVisible());
    hosted.DestroyWindow();
}

namespace
{
struct CMenuEvent
{
    DWORD dwEvent;
    HWND hWnd;
    BOOL bWindowStands;  // the window still stood when the event was told
};
std::vector<CMenuEvent> s_toldMenuEvents;

void CALLBACK RecordMenuEventInContext(HWINEVENTHOOK, DWORD dwEvent, HWND hWnd, LONG lObject, LONG, DWORD, DWORD)
{
    if (lObject == OBJID_MENU)
        s_toldMenuEvents.push_back({dwEvent, hWnd, ::IsWindow(hWnd)});
}
}  // namespace

// Told in the process, as a screen reader's hook hears it: the closing event comes while the popup can still be
// asked about.
TEST_F(PopupBarTest, EscapeClosesAPopupWithAClosingEventThatNamesItsStandingWindow)
{
    s_toldMenuEvents.clear();
    HWINEVENTHOOK hHook = ::SetWinEventHook(EVENT_SYSTEM_MENUPOPUPSTART, EVENT_SYSTEM_MENUPOPUPEND,
                                            ::GetModuleHandle(NULL), RecordMenuEventInContext, ::GetCurrentProcessId(),
                                            ::GetCurrentThreadId(), WINEVENT_INCONTEXT);
    ASSERT_TRUE(hHook != NULL);
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Entry");
    ASSERT_TRUE(pPopup->PopupAt(200, 200));
    const HWND hPopup = pPopup->GetSafeHwnd();
    CTestInput(hPopup).Key(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([hPopup] { return !::IsWindow(hPopup); }, 2000));
    ::UnhookWinEvent(hHook);
    ASSERT_EQ(2u, s_toldMenuEvents.size());
    EXPECT_EQ((DWORD)EVENT_SYSTEM_MENUPOPUPSTART, s_toldMenuEvents[0].dwEvent);
    EXPECT_EQ((DWORD)EVENT_SYSTEM_MENUPOPUPEND, s_toldMenuEvents[1].dwEvent);
    EXPECT_EQ(hPopup, s_toldMenuEvents[1].hWnd);
    EXPECT_TRUE(s_toldMenuEvents[1].bWindowStands);
}

namespace
{
struct CFocusEvent
{
    HWND hWnd;
    LONG lObject;
    LONG lChild;
};
std::vector<CFocusEvent> s_focusEvents;

void CALLBACK RecordFocusEvent(HWINEVENTHOOK, DWORD, HWND hWnd, LONG lObject, LONG lChild, DWORD, DWORD)
{
    s_focusEvents.push_back({hWnd, lObject, lChild});
}

// Counts the focus events of the window, each as its child number.
std::vector<LONG> FocusChildrenOf(HWND hWnd)
{
    std::vector<LONG> children;
    for (const CFocusEvent& event : s_focusEvents)
        if (event.hWnd == hWnd && event.lObject == OBJID_MENU)
            children.push_back(event.lChild);
    return children;
}
}  // namespace

TEST_F(PopupBarTest, ATrackedBarTellsAccessibilityOfEachNewSelectionAndAnIdleBarDoesNot)
{
    s_focusEvents.clear();
    HWINEVENTHOOK hHook =
        ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, ::GetModuleHandle(NULL), RecordFocusEvent,
                          ::GetCurrentProcessId(), ::GetCurrentThreadId(), WINEVENT_INCONTEXT);
    ASSERT_TRUE(hHook != NULL);
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->GetControls()->Add(ktControlButton, ID_TEST_NO_HANDLER)->SetCaption("&First");
    pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Second");
    ASSERT_TRUE(pPopup->PopupAt(200, 200));
    HWND hPopup = pPopup->GetSafeHwnd();
    CTestInput(hPopup).Key(VK_DOWN);
    EXPECT_TRUE(PumpUntil([&] { return pPopup->GetSelected() == 0; }, 2000));
    CTestInput(hPopup).Key(VK_DOWN);
    EXPECT_TRUE(PumpUntil([&] { return pPopup->GetSelected() == 1; }, 2000));
    pPopup->SetSelected(1, ktSelectionKeyboard);
    EXPECT_EQ((std::vector<LONG>{1, 2}), FocusChildrenOf(hPopup)) << "one event per change, numbered from 1";

    CKTToolBar* pToolBar = m_pCommandBars->Add("Idle", ktBarTop);
    ASSERT_TRUE(pToolBar != NULL);
    pToolBar->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("Idle");
    ASSERT_EQ(ktTrackingNone, pToolBar->GetTrackingMode());
    pToolBar->SetSelected(0);
    pToolBar->SetSelected(-1);
    EXPECT_TRUE(FocusChildrenOf(pToolBar->GetSafeHwnd()).empty()) << "hovering an idle toolbar moves no focus";
    pPopup->SetTrackingMode(ktTrackingNone);
    ::UnhookWinEvent(hHook);
}

TEST_F(PopupBarTest, APointCountsInsideAShapedPopupOnlyWithinItsRegion)
{
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("A long enough &entry");
    ASSERT_TRUE(pPopup->PopupAt(200, 200));
    CRect rc;
    pPopup->GetWindowRect(rc);
    CPoint ptLeft(rc.left + 2, rc.CenterPoint().y);
    CPoint ptRight(rc.right - 2, rc.CenterPoint().y);
    EXPECT_EQ(1, pPopup->IsPointInside(ptRight.x, ptRight.y));

    HRGN hLeftHalf = ::CreateRectRgn(0, 0, rc.Width() / 2, rc.Height());
    ASSERT_TRUE(hLeftHalf != NULL);
    ASSERT_TRUE(::SetWindowRgn(pPopup->GetSafeHwnd(), hLeftHalf, FALSE));  // the window owns it now
    EXPECT_EQ(1, pPopup->IsPointInside(ptLeft.x, ptLeft.y));
    EXPECT_EQ(0, pPopup->IsPointInside(ptRight.x, ptRight.y)) << "cut away by the region";
    EXPECT_EQ(0, pPopup->IsPointInside(rc.right + 5, ptLeft.y));
    pPopup->SetTrackingMode(ktTrackingNone);
}

namespace
{
// A window that opens a context menu where its WM_CONTEXTMENU asks, noting whether cues showed meanwhile.
class CContextMenuWnd : public CWnd
{
public:
    explicit CContextMenuWnd(CKTCommandBars* pCommandBars) : m_pCommandBars(pCommandBars) {}

    BOOL m_bCuesWhileOpen = FALSE;

protected:
    afx_msg void OnContextMenu(CWnd*, CPoint pt)
    {
        if (pt == CPoint(-1, -1))
            pt = CPoint(200, 200);
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, ID_TEST_ENABLED, "&Enabled");
        CKTCommandBars* pCommandBars = m_pCommandBars;
        BOOL* pbCues = &m_bCuesWhileOpen;
        WhenPopupShows(
            [pCommandBars, pbCues](HWND hPopup)
            {
                *pbCues = pCommandBars->IsKeyboardCuesVisible();
                CTestInput(hPopup).Key(VK_ESCAPE);
            });
        m_pCommandBars->TrackPopupMenuEx(&menu, TPM_RETURNCMD, pt.x, pt.y, this);
    }
    DECLARE_MESSAGE_MAP()

private:
    CKTCommandBars* m_pCommandBars;
};

BEGIN_MESSAGE_MAP(CContextMenuWnd, CWnd)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()
}  // namespace

TEST_F(PopupBarTest, AContextMenuAskedForFromTheKeyboardShowsItsAccessKeys)
{
    m_pCommandBars->SetKeyboardCuesInUse(TRUE);
    m_pCommandBars->SetKeyboardCuesVisible(FALSE);
    CContextMenuWnd wnd(m_pCommandBars);
    ASSERT_TRUE(wnd.Create(NULL, "context", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), m_pFrame, 1));

    wnd.SendMessage(WM_CONTEXTMENU, (WPARAM)wnd.GetSafeHwnd(), MAKELPARAM(200, 200));
    EXPECT_FALSE(wnd.m_bCuesWhileOpen) << "a mouse-opened menu keeps the cues hidden";
    wnd.SendMessage(WM_CONTEXTMENU, (WPARAM)wnd.GetSafeHwnd(), (LPARAM)-1);
    EXPECT_TRUE(wnd.m_bCuesWhileOpen);
    EXPECT_FALSE(m_pCommandBars->IsKeyboardCuesVisible()) << "the cues go with the menu";
    wnd.DestroyWindow();
    m_pCommandBars->SetKeyboardCuesInUse(FALSE);
    m_pCommandBars->SetKeyboardCuesVisible(TRUE);
}

// The list's own id makes a place holder too; a place holder that starts a row passes that on to its first item.
TEST_F(PopupBarTest, TheRecentFileListsOwnIdMakesItsPlaceHolderWhoseFirstItemTakesTheRowStart)
{
    CRecentFilesOfTest recent({"C:\\kt\\one.kpd", "C:\\kt\\two.kpd"});
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    CKTControl* pHolder = pPopup->GetControls()->Add(ktControlButton, KT_ID_RECENT_FILE_LIST);
    EXPECT_TRUE(pHolder->IsKindOf(RUNTIME_CLASS(CKTControlRecentFileList)));
    pHolder->SetFlags(pHolder->GetFlags() | ktFlagWrapRow);
    pHolder->OnCalcDynamicSize(0);
    ASSERT_EQ(3, pPopup->GetControlCount());
    EXPECT_TRUE(pPopup->GetControl(1)->GetFlags() & ktFlagWrapRow);
    EXPECT_FALSE(pPopup->GetControl(2)->GetFlags() & ktFlagWrapRow) << "the first item only";
}

namespace
{
// What a sound player played; each sound waits in the player's thread until the gate opens.
struct CSoundLog
{
    std::mutex lock;
    std::vector<std::string> played;
    BOOL bPurged = FALSE;
    HANDLE hGate = ::CreateEvent(NULL, TRUE, FALSE, NULL);
    HANDLE hEntered = ::CreateEvent(NULL, FALSE, FALSE, NULL);
    ~CSoundLog()
    {
        ::CloseHandle(hGate);
        ::CloseHandle(hEntered);
    }
};
CSoundLog* s_pSoundLog = NULL;

BOOL WINAPI RecordSound(LPCSTR lpszSound, HMODULE, DWORD)
{
    {
        std::lock_guard<std::mutex> guard(s_pSoundLog->lock);
        if (!lpszSound)
        {
            s_pSoundLog->bPurged = TRUE;
            return TRUE;
        }
        s_pSoundLog->played.push_back(lpszSound);
    }
    ::SetEvent(s_pSoundLog->hEntered);
    ::WaitForSingleObject(s_pSoundLog->hGate, INFINITE);
    return TRUE;
}

class SoundPlayerTest : public ::testing::Test
{
protected:
    void SetUp() override { s_pSoundLog = &m_log; }
    void TearDown() override
    {
        m_player.StopThread();
        s_pSoundLog = NULL;
    }
    CSoundLog m_log;
    CKTSoundPlayer m_player{RecordSound};
};
}  // namespace

TEST_F(SoundPlayerTest, OfTwoRequestsMadeWhileASoundPlaysOnlyTheSecondIsPlayed)
{
    m_player.Play(ktSoundMenuPopup);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(m_log.hEntered, 5000));
    m_player.Play(ktSoundMenuPopup);
    m_player.Play(ktSoundMenuCommand);
    ::SetEvent(m_log.hGate);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(m_log.hEntered, 5000));
    m_player.StopThread();
    EXPECT_EQ((std::vector<std::string>{"MenuPopup", "MenuCommand"}), m_log.played);
    EXPECT_TRUE(m_log.bPurged) << "a thread that ends by itself stops what plays";
}

TEST_F(SoundPlayerTest, AThreadStuckInASoundIsEndedWhenStopped)
{
    m_player.Play(ktSoundMenuCommand);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(m_log.hEntered, 5000));
    HANDLE hThread = NULL;
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), m_player.GetThreadHandle(), ::GetCurrentProcess(), &hThread,
                                  SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, 0));
    m_player.StopThread();
    EXPECT_FALSE(m_player.IsThreadRunning());
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hThread, 0)) << "ended before StopThread returned";
    EXPECT_FALSE(m_log.bPurged) << "ended from outside, in the middle of the sound";
    ::CloseHandle(hThread);
}

namespace
{
// A popup whose update handlers close it, as a site may do while the popup opens.
class CClosingPopupBar : public CKTPopupBar
{
public:
    void IdleUpdate(BOOL bUpdate, BOOL bDisableIfNoHandler) override
    {
        CKTPopupBar::IdleUpdate(bUpdate, bDisableIfNoHandler);
        SetTrackingMode(ktTrackingNone);
    }
};
}  // namespace

TEST_F(PopupBarTest, APopupClosedWhileItsCommandsUpdateIsNotShownAndMakesNoSound)
{
    KTSoundPlayer()->StopThread();
    CKTSmartPtr<CClosingPopupBar> pPopup = KTMakeCounted<CClosingPopupBar>();
    pPopup->SetCommandBars(m_pCommandBars);
    pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Enabled");
    EXPECT_FALSE(pPopup->PopupAt(200, 200));
    EXPECT_FALSE(pPopup->GetSafeHwnd());
    EXPECT_FALSE(KTSoundPlayer()->IsThreadRunning()) << "no menu sound was asked for";
}

TEST_F(PopupBarTest, OpeningAPopupPutsAwayTheTipShown)
{
    CKTToolBar* pBar = m_pFrame->m_pStandard;
    CKTControl* pButton = pBar->GetControls()->Add(ktControlButton, ID_TEST_ENABLED);
    pButton->SetCaption("Enabled");
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    CKTToolTipController* pTips = m_pCommandBars->GetToolTipContext();
    const CPoint pt = pButton->GetRect().CenterPoint();
    pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    ASSERT_EQ(ID_TEST_ENABLED, pTips->GetLastHit());

    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("&Enabled");
    ASSERT_TRUE(pPopup->PopupAt(200, 200));
    EXPECT_EQ(-1, pTips->GetLastHit());
    pPopup->SetTrackingMode(ktTrackingNone);
}
