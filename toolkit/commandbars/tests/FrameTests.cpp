// FrameTests.cpp: a real MDI frame with command bars: dock bars, the converted menu, the command
// road, idle enabling, painting, accelerators and teardown.
#include "CommandBarsTestApp.h"
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTAcceleratorManager.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControlPopup.h"
#include "KTControlRecentFileList.h"
#include "KTControls.h"
#include "KTDockBar.h"
#include "KTKeyboardHookManager.h"
#include "KTWindowHookManager.h"
#include "KTHookSink.h"
#include "KTMenuBar.h"
#include "GuiLeakCheck.h"
#include "KTDrawObjects.h"
#include "KTImageManager.h"
#include "KTPaintManager.h"
#include "KTToolBar.h"
#include "KTToolTipController.h"
#include "KTPopupBar.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "PixelImage.h"
#include "TestFrame.h"
#include "TestInput.h"

#include <afxpriv.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace
{
class FrameTest : public CFrameFixture
{
protected:
    HWND m_hFrame() const { return m_pFrame->GetSafeHwnd(); }

    // The popup bar of a menu-bar entry.
    CKTCommandBar* MenuPopup(int nIndex) const
    {
        return m_pCommandBars->GetMenuBar()->GetControl(nIndex)->GetCommandBar();
    }
    CKTControl* AddButton(int nId, LPCSTR lpszCaption)
    {
        CKTControl* pControl = m_pFrame->m_pStandard->GetControls()->Add(ktControlButton, nId);
        pControl->SetCaption(lpszCaption);
        m_pCommandBars->RecalcFrameLayout();
        m_pFrame->m_pStandard->RedrawWindow();
        PumpMessages();
        return pControl;
    }
    CPoint Centre(CKTControl* pControl) const { return pControl->GetRect().CenterPoint(); }
};

// Moves the real cursor onto a window's client point and lets the move arrive.
void MoveCursorTo(CWnd* pWnd, CPoint pt)
{
    pWnd->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    PumpUntil([] { return false; }, 100);
}
}  // namespace

TEST_F(FrameTest, InitCommandBarsMakesTheFourDockBars)
{
    const struct
    {
        int nPosition;
        UINT nId;
        const char* pszTitle;
    } docks[] = {{ktBarTop, 0xE81B, "ktBarTop"},
                 {ktBarBottom, 0xE81E, "ktBarBottom"},
                 {ktBarLeft, 0xE81C, "ktBarLeft"},
                 {ktBarRight, 0xE81D, "ktBarRight"}};
    for (const auto& dock : docks)
    {
        CKTDockBar* pDock = m_pCommandBars->GetDockBar(dock.nPosition);
        ASSERT_TRUE(pDock && pDock->GetSafeHwnd()) << dock.pszTitle;
        char szClass[32] = "", szTitle[32] = "";
        ::GetClassNameA(pDock->GetSafeHwnd(), szClass, 32);
        ::GetWindowTextA(pDock->GetSafeHwnd(), szTitle, 32);
        EXPECT_STREQ("KTDockBar", szClass);
        EXPECT_STREQ(dock.pszTitle, szTitle);
        EXPECT_EQ(dock.nId, (UINT)pDock->GetDlgCtrlID());
        EXPECT_EQ(m_hFrame(), ::GetParent(pDock->GetSafeHwnd()));
        EXPECT_EQ(dock.nPosition, pDock->GetPosition());
    }
    EXPECT_EQ(NULL, m_pCommandBars->GetToolBar(0));
    EXPECT_EQ(1u, m_pCommandBars->GetMenuBar()->GetBarID());
}

TEST_F(FrameTest, MenuResourceBecomesPopupsWithCaptionsAndShortcuts)
{
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    ASSERT_EQ(4, pMenuBar->GetControlCount()) << "the three menus and the options button";
    EXPECT_EQ((UINT)KT_ID_TOOLBAR_EXPAND, pMenuBar->GetControl(3)->GetID());
    const char* captions[] = {"&File", "&Edit", "&Test"};
    for (int i = 0; i < 3; i++)
    {
        CKTControl* pControl = pMenuBar->GetControl(i);
        EXPECT_EQ(ktControlPopup, pControl->GetType());
        EXPECT_EQ(CString(captions[i]), pControl->GetCaption());
        ASSERT_TRUE(pControl->GetCommandBar() != NULL);
        EXPECT_EQ(ktBarTypePopup, pControl->GetCommandBar()->GetType());
    }
    CKTCommandBar* pFile = MenuPopup(0);
    ASSERT_EQ(4, pFile->GetControlCount());
    EXPECT_EQ(ID_FILE_NEW, pFile->GetControl(0)->GetID());
    EXPECT_EQ(CString("&New"), pFile->GetControl(0)->GetCaption());
    EXPECT_EQ(CString("Ctrl+N"), pFile->GetControl(0)->GetShortcutText());
    EXPECT_EQ(CString("Ctrl+O"), pFile->GetControl(1)->GetShortcutText());
    CKTControl* pRecent = pFile->GetControl(2);
    EXPECT_EQ(ID_FILE_MRU_FILE1, pRecent->GetID());
    EXPECT_TRUE(pRecent->IsKindOf(RUNTIME_CLASS(CKTControlRecentFileList)));
    EXPECT_TRUE(pRecent->GetBeginGroup());
    EXPECT_TRUE(pFile->GetControl(3)->GetBeginGroup());
    EXPECT_EQ(ID_APP_EXIT, pFile->GetControl(3)->GetID());

    CKTCommandBar* pEdit = MenuPopup(1);
    ASSERT_EQ(4, pEdit->GetControlCount());
    EXPECT_EQ(ID_EDIT_UNDO, pEdit->GetControl(0)->GetID());
    EXPECT_EQ(CString("Ctrl+Z"), pEdit->GetControl(0)->GetShortcutText()) << "over Alt+Backspace";
    CKTControl* pCut = pEdit->GetControl(1);
    EXPECT_EQ(57635, pCut->GetID());
    EXPECT_EQ(CString("Cu&t"), pCut->GetCaption());
    EXPECT_EQ(CString("Ctrl+X"), pCut->GetShortcutText()) << "over Shift+Delete";
    EXPECT_EQ(CString("Cut the selection and put it on the Clipboard"), pCut->GetDescription());
    EXPECT_EQ(CString("Cut"), pCut->GetTooltip());
    EXPECT_TRUE(pCut->GetBeginGroup());
    EXPECT_EQ(CString("Ctrl+C"), pEdit->GetControl(2)->GetShortcutText());
    EXPECT_TRUE(pMenuBar->GetControls()->GetOriginalControls() != NULL) << "kept for reset";
}

TEST_F(FrameTest, TheFrameMenuHasOneOwner)
{
    HMENU hMenu = m_pFrame->m_hMenuDefault;
    ASSERT_TRUE(::IsMenu(hMenu));
    EXPECT_EQ(NULL, ::GetMenu(m_hFrame())) << "the menu bar replaces the frame's menu";
    m_pFrame->DestroyWindow();
    PumpMessages();
    EXPECT_FALSE(::IsMenu(hMenu)) << "destroyed with the frame, once";
    m_pFrame = NULL;
}

TEST_F(FrameTest, MouseMoveSelectsAndShowsTheDescriptionClickSendsTheCommand)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    CKTControl* pNew = AddButton(ID_FILE_NEW, "New");
    CWnd* pBar = m_pFrame->m_pStandard;
    CTestInput input(m_hFrame());
    MoveCursorTo(pBar, Centre(pNew));
    MoveCursorTo(pBar, Centre(pCut));
    ASSERT_TRUE(PumpUntil([&] { return pCut->GetSelected() != 0; }, 2000));
    ASSERT_FALSE(m_pFrame->m_selections.empty());
    EXPECT_EQ((WPARAM)pCut, m_pFrame->m_selections.back());
    ASSERT_FALSE(m_pFrame->m_messageStrings.empty());
    EXPECT_EQ(CString("Cut the selection and put it on the Clipboard"), m_pFrame->m_messageStrings.back());

    m_pFrame->m_commands.clear();
    CTestInput bar(pBar->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(Centre(pCut)));
    PumpMessages();
    ASSERT_EQ(1u, m_pFrame->m_commands.size());
    EXPECT_EQ((UINT)ID_EDIT_CUT, m_pFrame->m_commands[0]);
}

// A bar given an owner window sends its commands there, and so do the popups opened from it.
TEST_F(FrameTest, ABarsOwnerWindowTakesItsCommands)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 1, 1), NULL, 0));
    m_pFrame->m_pStandard->SetOwner(&owner);
    CKTCommandBar* pMenuBar = m_pCommandBars->GetMenuBar();
    pMenuBar->SetOwner(&owner);
    ASSERT_TRUE(pMenuBar->SetPopuped(0, TRUE));
    EXPECT_EQ(owner.GetSafeHwnd(), MenuPopup(0)->GetOwnerSite()->GetSafeHwnd()) << "the parent bar's owner";
    pMenuBar->SetTrackingMode(ktTrackingNone);

    CMessageRecorder recorder({owner.GetSafeHwnd()}, {WM_COMMAND});
    m_pFrame->m_commands.clear();
    CTestInput bar(m_pFrame->m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(Centre(pCut)));
    ASSERT_TRUE(PumpUntil([&] { return !recorder.Messages().empty(); }));
    EXPECT_EQ((WPARAM)ID_EDIT_CUT, recorder.Messages()[0].wParam);
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    m_pFrame->m_pStandard->SetOwner(NULL);
    pMenuBar->SetOwner(NULL);
    owner.DestroyWindow();
}

namespace
{
// Takes right presses, so that the bar's menu stays away, and counts the releases that reach it.
class CRightReleaseButton : public CKTControlButton
{
public:
    BOOL OnRButtonDown(CPoint) override { return TRUE; }
    void OnRButtonUp(CPoint) override { m_nReleases++; }
    int m_nReleases = 0;
};

// Answers one message to the frame itself, noting the parameters it came with.
class CAnsweringSink : public CKTHookSink
{
public:
    CAnsweringSink(UINT nMessage, LRESULT lAnswer) : m_nMessage(nMessage), m_lAnswer(lAnswer) {}
    int OnHookMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override
    {
        if (nMessage != m_nMessage)
            return ktHookContinue;
        m_lParams.push_back(lParam);
        lResult = m_lAnswer;
        return ktHookHandled;
    }
    std::vector<LPARAM> m_lParams;

private:
    UINT m_nMessage;
    LRESULT m_lAnswer;
};
}  // namespace

TEST_F(FrameTest, TheSiteHearsWhenTheMenuBarStartsTracking)
{
    CMessageRecorder recorder({m_hFrame()}, {KTWM_MENUBARTRACKING});
    m_pFrame->m_pStandard->SetTrackingMode(ktTrackingOn, FALSE, FALSE);
    m_pFrame->m_pStandard->SetTrackingMode(ktTrackingNone);
    EXPECT_TRUE(recorder.Messages().empty()) << "a tool bar does not tell";
    CKTCommandBar* pMenuBar = m_pCommandBars->GetMenuBar();
    pMenuBar->SetTrackingMode(ktTrackingOn, TRUE, TRUE);
    ASSERT_EQ(1u, recorder.Messages().size());
    EXPECT_EQ((WPARAM)pMenuBar, recorder.Messages()[0].wParam);
    pMenuBar->SetTrackingMode(ktTrackingNone);
}

namespace
{
// A site that fills each custom toolbar it is told of, by the bar's name, noting what the record held.
class CCustomBarSite : public CKTHookSink
{
public:
    int OnHookMessage(HWND, UINT nMessage, WPARAM&, LPARAM& lParam, LRESULT&) override
    {
        if (nMessage != KTWM_CREATECOMMANDBAR)
            return ktHookContinue;
        const auto* pRecord = reinterpret_cast<KT_CREATEBARRECORD*>(lParam);
        m_records.push_back(*pRecord);
        m_names.push_back(pRecord->bCustomBar ? pRecord->lpszName : "");
        if (m_names.back() == "Clipboard")
            pRecord->pCommandBar->GetControls()->Add(ktControlButton, ID_EDIT_CUT);
        return ktHookContinue;
    }
    std::vector<KT_CREATEBARRECORD> m_records;
    std::vector<CString> m_names;
};
}  // namespace

// The site learns a custom bar's name and whether it was torn off, and may fill it before it shows.
TEST_F(FrameTest, TheSiteFillsACustomBarItKnowsByName)
{
    CCustomBarSite site;
    CKTWindowHookManager::Instance()->SetHook(m_hFrame(), &site);
    CKTToolBar* pDocked = m_pCommandBars->AddCustomBar("Clipboard", 401, FALSE);
    CKTToolBar* pTorn = m_pCommandBars->AddCustomBar("Torn", 402, TRUE);
    CKTWindowHookManager::Instance()->RemoveAll(&site);
    ASSERT_TRUE(pDocked && pTorn);
    ASSERT_EQ(2u, site.m_records.size());
    const KT_CREATEBARRECORD& docked = site.m_records[0];
    EXPECT_EQ(pDocked, docked.pCommandBar);
    EXPECT_EQ((std::vector<int>{0, 0, 1, 0}),
              (std::vector<int>{docked.bPopup, docked.bExpandBar, docked.bCustomBar, docked.bTearOff}));
    EXPECT_EQ(401u, docked.nId);
    EXPECT_EQ(CString("Clipboard"), site.m_names[0]);
    EXPECT_TRUE(site.m_records[1].bTearOff);
    EXPECT_EQ(CString("Torn"), site.m_names[1]);
    EXPECT_TRUE(pDocked->GetControls()->FindControl(ID_EDIT_CUT) != NULL);
    EXPECT_EQ(ktBarTop, pDocked->GetPosition());
    EXPECT_EQ(ktBarFloating, pTorn->GetPosition());
}

// A popup's bar is asked of the window its bar reports to, unless the controls carry command bars of their own:
// then those bars' site answers.
TEST_F(FrameTest, APopupsBarIsAskedOfTheCommandBarsSiteWhenTheControlsCarryThem)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_CHILD, CRect(0, 0, 10, 10), m_pFrame, 0));
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->SetCommandOwner(&owner);
    CCustomBarSite frameSite, ownerSite;
    CKTWindowHookManager* pHooks = CKTWindowHookManager::Instance();
    pHooks->SetHook(m_hFrame(), &frameSite);
    pHooks->SetHook(owner.GetSafeHwnd(), &ownerSite);
    pPopup->GetControls()->Add(ktControlPopup, 0);
    EXPECT_EQ(1u, ownerSite.m_records.size()) << "the bar's owner";
    EXPECT_EQ(0u, frameSite.m_records.size());
    pPopup->GetControls()->SetCommandBars(m_pCommandBars);
    pPopup->GetControls()->Add(ktControlPopup, 0);
    pHooks->RemoveAll(&frameSite);
    pHooks->RemoveAll(&ownerSite);
    EXPECT_EQ(1u, ownerSite.m_records.size());
    ASSERT_EQ(1u, frameSite.m_records.size()) << "the command bars' site";
    EXPECT_TRUE(frameSite.m_records[0].bPopup);
    owner.DestroyWindow();
}

// A right-button release on a bar is the site's first; an answer of 1 keeps it from the control.
TEST_F(FrameTest, TheSiteHearsOfARightReleaseOnABarAndMayTakeIt)
{
    auto* pButton = new CRightReleaseButton;
    m_pFrame->m_pStandard->GetControls()->Add(CKTSmartPtr<CKTControl>::Adopt(pButton), ID_EDIT_CUT);
    pButton->SetCaption("Cut");
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    CTestInput bar(m_pFrame->m_pStandard->GetSafeHwnd());
    CAnsweringSink passes(KTWM_BARRBUTTONUP, 0), takes(KTWM_BARRBUTTONUP, 1);
    CKTWindowHookManager* pHooks = CKTWindowHookManager::Instance();
    pHooks->SetHook(m_hFrame(), &passes);
    ASSERT_TRUE(bar.Click(Centre(pButton), true));
    ASSERT_TRUE(PumpUntil([&] { return pButton->m_nReleases == 1; }));
    ASSERT_EQ(1u, passes.m_lParams.size());
    EXPECT_EQ((LPARAM)(CKTControl*)pButton, passes.m_lParams[0]);

    pHooks->SetHook(m_hFrame(), &takes);
    ASSERT_TRUE(bar.Click(Centre(pButton), true));
    ASSERT_TRUE(PumpUntil([&] { return takes.m_lParams.size() == 1; }));
    PumpMessages();
    EXPECT_EQ(1, pButton->m_nReleases) << "the site took it";
    pHooks->RemoveAll(&takes);
    pHooks->RemoveAll(&passes);
}

class FrameTestCancel : public FrameTest, public ::testing::WithParamInterface<ELoopCancel>
{
};

TEST_P(FrameTestCancel, APressedButtonRunsNoCommand)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    CWnd* pBar = m_pFrame->m_pStandard;
    m_pFrame->m_commands.clear();
    CLoopInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Press(Centre(pCut)).AwaitCapture().CancelAndRelease(GetParam()).Run());
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    EXPECT_NE(pBar, CWnd::GetCapture());
}

INSTANTIATE_TEST_SUITE_P(Cancels, FrameTestCancel, AllLoopCancels(), LoopCancelCaseName);

TEST_F(FrameTest, AQuitEndsAButtonPressWithoutTheCommandAndReachesTheApplication)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    CWnd* pBar = m_pFrame->m_pStandard;
    m_pFrame->m_commands.clear();
    CLoopInput input(pBar->GetSafeHwnd());
    QuitPumped();
    ASSERT_TRUE(input.Press(Centre(pCut)).AwaitCapture().Quit(4).AwaitNoCapture().Release().Run());
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    WPARAM nCode = 0;
    EXPECT_TRUE(QuitPumped(&nCode));
    EXPECT_EQ(4u, nCode);
}

TEST_F(FrameTest, LeavingABarClearsItsSelection)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    CWnd* pBar = m_pFrame->m_pStandard;
    CTestInput input(m_hFrame());
    MoveCursorTo(pBar, Centre(pCut));
    ASSERT_TRUE(PumpUntil([&] { return pCut->GetSelected() != 0; }, 2000));
    MoveCursorTo(m_pFrame, CPoint(300, 300));
    EXPECT_TRUE(PumpUntil([&] { return pCut->GetSelected() == 0; }, 2000)) << "a mouse-leave arrived";
    EXPECT_EQ(0u, m_pFrame->m_selections.back());
}

TEST_F(FrameTest, IdleUpdateDisablesByHandlerAndWithoutHandler)
{
    CKTControl* pDisabled = AddButton(ID_TEST_DISABLED_BY_HANDLER, "Disabled");
    CKTControl* pNoHandler = AddButton(ID_TEST_NO_HANDLER, "None");
    CKTControl* pEnabled = AddButton(ID_TEST_ENABLED, "Enabled");
    m_pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_FALSE(pDisabled->IsEnabled());
    EXPECT_FALSE(pNoHandler->IsEnabled());
    EXPECT_TRUE(pEnabled->IsEnabled());
}

TEST_F(FrameTest, HotAndNormalButtonsPaintDifferently)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    CKTCommandBar* pBar = m_pFrame->m_pStandard;
    CRect rc = pCut->GetRect();
    CPixelImage normal = CPixelImage::FromWindow(pBar->GetSafeHwnd());
    pBar->SetSelected(pCut->GetIndex());
    pBar->UpdateWindow();
    CPixelImage hot = CPixelImage::FromWindow(pBar->GetSafeHwnd());
    EXPECT_NE(normal.Pixel(rc.left, rc.top), hot.Pixel(rc.left, rc.top)) << "the hot frame";
    EXPECT_EQ(CKTPaintManager::GetGlobal()->GetColor(COLOR_BTNHIGHLIGHT), hot.Pixel(rc.left, rc.top));
    EXPECT_EQ(normal.Pixel(rc.right + 3, rc.top), hot.Pixel(rc.right + 3, rc.top)) << "only the button changed";
}

TEST_F(FrameTest, RealCtrlXReachesTheFrameAsTheCutCommand)
{
    CLoopTranslation translation;
    CTestInput input(m_hFrame());
    m_pFrame->m_commands.clear();
    ASSERT_TRUE(input.Key('X', CTestInput::kControl));
    PumpMessages();
    EXPECT_NE(m_pFrame->m_commands.end(),
              std::find(m_pFrame->m_commands.begin(), m_pFrame->m_commands.end(), (UINT)ID_EDIT_CUT));
    EXPECT_EQ(NULL, m_pFrame->m_hAccelTable) << "the bars translate, not the frame";
    EXPECT_TRUE(m_pCommandBars->GetAcceleratorManager()->IsTranslating());
}

TEST_F(FrameTest, PrintPreviewTurnsTheFramesShortcutsOff)
{
    CLoopTranslation translation;
    CTestInput input(m_hFrame());
    m_pCommandBars->OnSetPreviewMode(TRUE);
    m_pFrame->m_commands.clear();
    ASSERT_TRUE(input.Key('X', CTestInput::kControl));
    PumpMessages();
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    EXPECT_FALSE(m_pFrame->m_pStandard->IsVisible());

    m_pCommandBars->OnSetPreviewMode(FALSE);
    ASSERT_TRUE(input.Key('X', CTestInput::kControl));
    PumpMessages();
    EXPECT_EQ(1, std::count(m_pFrame->m_commands.begin(), m_pFrame->m_commands.end(), (UINT)ID_EDIT_CUT));
}

TEST_F(FrameTest, ClosingTheFrameReleasesEveryBarAndControl)
{
    int nBarsBefore = CCountedToolBar::s_nLive;
    ASSERT_GE(nBarsBefore, 1);
    m_pFrame->m_pStandard->GetControls()->Add(CKTSmartPtr<CKTControl>::Adopt(new CCountedButton), ID_FILE_NEW);
    m_pFrame->m_pStandard->GetControls()->Add(CKTSmartPtr<CKTControl>::Adopt(new CCountedButton), ID_EDIT_CUT);
    EXPECT_EQ(2, CCountedButton::s_nLive);
    m_pFrame->DestroyWindow();
    PumpMessages();
    m_pFrame = NULL;
    EXPECT_EQ(0, CCountedButton::s_nLive);
    EXPECT_EQ(nBarsBefore - 1, CCountedToolBar::s_nLive);
}

namespace
{
// A button whose command takes it off its bar, as a torn-off bar's close button takes the whole bar.
class CSelfRemovingButton : public CCountedButton
{
public:
    static int s_nLiveAtCommand;  // the buttons alive once the command ran, while the click still runs

protected:
    void OnExecute() override
    {
        m_pParent->GetControls()->Remove(this);
        s_nLiveAtCommand = s_nLive;
    }
};
int CSelfRemovingButton::s_nLiveAtCommand = -1;
}  // namespace

TEST_F(FrameTest, AButtonWhoseCommandTakesItOffItsBarOutlivesItsOwnClick)
{
    CKTToolBar* pBar = m_pFrame->m_pStandard;
    const int nLive = CCountedButton::s_nLive;
    CKTControl* pButton =
        pBar->GetControls()->Add(CKTSmartPtr<CKTControl>::Adopt(new CSelfRemovingButton), ID_TEST_ENABLED);
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pButton->GetRect().CenterPoint()));
    EXPECT_EQ(nLive + 1, CSelfRemovingButton::s_nLiveAtCommand) << "the bar holds the button its click runs";
    EXPECT_EQ(nLive, CCountedButton::s_nLive) << "and lets it go after";
}

// The idle update reaches the windows a bar holds, as a dialog's controls; printing the bar draws it.
TEST_F(FrameTest, AnIdleUpdateReachesTheWindowsInsideABarAndPrintingDrawsTheBar)
{
    CKTToolBar* pBar = m_pFrame->m_pStandard;
    CButton button;
    ASSERT_TRUE(button.Create("Off", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(300, 2, 340, 20), pBar,
                              ID_TEST_DISABLED_BY_HANDLER));
    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(button.IsWindowEnabled()) << "the frame's update handler reached the window";
    button.DestroyWindow();

    const CRect rc = CKTClientRect(pBar);
    CClientDC screen(pBar);
    CDC dc;
    CBitmap bitmap;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen) && bitmap.CreateCompatibleBitmap(&screen, rc.Width(), rc.Height()));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    const COLORREF clrUnpainted = RGB(1, 2, 3);
    dc.FillSolidRect(rc, clrUnpainted);
    EXPECT_EQ(1, pBar->SendMessage(WM_PRINT, (WPARAM)dc.GetSafeHdc(), PRF_CLIENT));
    EXPECT_NE(clrUnpainted, dc.GetPixel(1, 1));
    dc.SelectObject(pOld);
}

TEST_F(FrameTest, CommandBarsHeldPastTheirFrameGoQuietlyWithEveryBar)
{
    int nBarsBefore = CCountedToolBar::s_nLive;
    CKTSmartPtr<CKTCommandBars> pHeld(m_pCommandBars);
    m_pFrame->DestroyWindow();
    PumpMessages();
    m_pFrame = NULL;
    m_pCommandBars = NULL;
    EXPECT_EQ(NULL, pHeld->GetSite()) << "the frame deleted itself: no pointer to it is kept";
    pHeld.Release();
    EXPECT_EQ(nBarsBefore - 1, CCountedToolBar::s_nLive);
}

TEST_F(FrameTest, PressLoopGivesAQuitRequestBackAndEnds)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    m_pFrame->m_commands.clear();
    ::PostQuitMessage(7);
    pCut->OnClick(FALSE, Centre(pCut));
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "a broken press runs nothing";
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(0, pCut->GetPressed());
}

TEST_F(FrameTest, VisibleBarsAreWalkedAndToggled)
{
    CKTToolBar* pThird = m_pCommandBars->Add("Third", ktBarTop);
    ASSERT_TRUE(pThird != NULL);
    ASSERT_EQ(3, m_pCommandBars->GetCount());
    EXPECT_EQ(1, m_pCommandBars->GetNextVisibleBar(0, 1));
    m_pCommandBars->ToggleVisible(1);
    EXPECT_FALSE(m_pFrame->m_pStandard->IsVisible());
    EXPECT_EQ(2, m_pCommandBars->GetNextVisibleBar(0, 1));
    EXPECT_EQ(0, m_pCommandBars->GetNextVisibleBar(2, 1)) << "wraps past the end";
    EXPECT_EQ(2, m_pCommandBars->GetNextVisibleBar(0, -1)) << "and past the start";
    m_pCommandBars->ToggleVisible(2);
    EXPECT_EQ(0, m_pCommandBars->GetNextVisibleBar(0, 1)) << "back at the start";
    m_pCommandBars->Remove(pThird);
    EXPECT_EQ(2, m_pCommandBars->GetCount());
}

TEST_F(FrameTest, DockBarsAcceptPointsNearThem)
{
    CKTDockBar* pTop = m_pCommandBars->GetDockBar(ktBarTop);
    CRect rc;
    pTop->GetWindowRect(&rc);
    EXPECT_EQ(pTop, m_pCommandBars->CanDock(CPoint(rc.CenterPoint().x, rc.top - 10)));
    EXPECT_EQ(NULL, m_pCommandBars->CanDock(CPoint(rc.CenterPoint().x, rc.bottom + 100)));
}

TEST_F(FrameTest, ActiveTemplateWithoutChildrenIsTheDefaultMenu)
{
    EXPECT_EQ((UINT)IDR_TESTFRAME, m_pCommandBars->GetActiveDocTemplate());
}

namespace
{
// An MDI client that answers one tab-group command.
class CGroupClient : public CWnd
{
public:
    int m_nCommands = 0;

protected:
    afx_msg void OnNextGroup() { m_nCommands++; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CGroupClient, CWnd)
ON_COMMAND(9156, OnNextGroup)
END_MESSAGE_MAP()
}  // namespace

TEST_F(FrameTest, TabGroupCommandsReachTheMdiClientFirst)
{
    CGroupClient client;
    ASSERT_TRUE(client.SubclassWindow(m_pFrame->m_hWndMDIClient));
    m_pFrame->SendMessage(WM_COMMAND, 9156);
    EXPECT_EQ(1, client.m_nCommands);
    client.UnsubclassWindow();
}

TEST_F(FrameTest, HelpHitTestNamesTheControlUnderThePoint)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    CPoint pt = Centre(pCut);
    EXPECT_EQ(ID_EDIT_CUT + 0x10000,
              (int)m_pFrame->m_pStandard->SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(pt.x, pt.y)));
    EXPECT_EQ(AFX_IDW_TOOLBAR + 0x50000,
              (int)m_pFrame->m_pStandard->SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(500, 5)));
}

TEST_F(FrameTest, ControlsOfOtherDocumentTemplatesHideAtIdle)
{
    CKTControl* pMine = AddButton(ID_TEST_ENABLED, "Mine");
    CKTControl* pOther = AddButton(ID_TEST_ENABLED, "Other");
    CKTControl* pExcluded = AddButton(ID_TEST_ENABLED, "Excluded");
    pMine->AssignDocTemplate(IDR_TESTFRAME);
    pOther->AssignDocTemplate(999);
    pExcluded->ExcludeDocTemplate(IDR_TESTFRAME);
    m_pFrame->m_pStandard->IdleUpdate();
    EXPECT_TRUE(pMine->IsVisible());
    EXPECT_FALSE(pOther->IsVisible());
    EXPECT_FALSE(pExcluded->IsVisible());
    EXPECT_EQ((DWORD)ktHideDocTemplate, pOther->GetHideFlags());
}

TEST_F(FrameTest, DoubleBufferedBarsPaintTheSameThroughTheirCache)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    CKTCommandBar* pBar = m_pFrame->m_pStandard;
    CPixelImage direct = CPixelImage::FromWindow(pBar->GetSafeHwnd());
    EXPECT_FALSE(pBar->HasPaintCache()) << "no cache without double buffering";
    pBar->EnableDoubleBuffer();
    pBar->Redraw(NULL, FALSE);
    CPixelImage cached = CPixelImage::FromWindow(pBar->GetSafeHwnd());
    EXPECT_TRUE(pBar->HasPaintCache());
    for (CPoint pt : {CPoint(2, 2), pCut->GetRect().CenterPoint(), CPoint(direct.Width() - 3, 5)})
        EXPECT_EQ(direct.Pixel(pt.x, pt.y), cached.Pixel(pt.x, pt.y));
    pBar->SetSelected(pCut->GetIndex());
    CPixelImage hot = CPixelImage::FromWindow(pBar->GetSafeHwnd());
    CRect rc = pCut->GetRect();
    EXPECT_NE(cached.Pixel(rc.left, rc.top), hot.Pixel(rc.left, rc.top)) << "a part redraw reaches the cache";
    pBar->SetWindowPos(NULL, 0, 0, 300, 30, SWP_NOMOVE | SWP_NOZORDER);
    CPixelImage resized = CPixelImage::FromWindow(pBar->GetSafeHwnd());
    EXPECT_EQ(300, resized.Width());
    EXPECT_EQ(direct.Pixel(2, 2), resized.Pixel(2, 2)) << "a new size rebuilds the cache";
    pBar->EnableDoubleBuffer(FALSE);
}

// A control put before the selected one renumbers the bar: the control that was selected goes plain.
TEST_F(FrameTest, AControlInsertedBeforeTheSelectionLeavesNoControlLit)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    CKTCommandBar* pBar = m_pFrame->m_pStandard;
    pBar->SetSelected(pCut->GetIndex());
    ASSERT_NE(ktSelectionNone, pCut->GetSelected());
    CKTControl* pNew = pBar->GetControls()->Add(ktControlButton, ID_FILE_NEW, "", 0);
    ASSERT_EQ(0, pNew->GetIndex());
    EXPECT_EQ(-1, pBar->GetSelected());
    EXPECT_EQ(ktSelectionNone, pCut->GetSelected()) << "the control that was lit is told";
}

TEST_F(FrameTest, ExpandPopupsListClippedControlsAndTheRowsBars)
{
    CKTControl* pNew = AddButton(ID_FILE_NEW, "New");
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    pCut->SetBeginGroup(TRUE);
    pCut->SetHideFlags(ktHideWrap);
    pNew->SetHideFlags(ktHideWrap | ktHideGeneric);
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    m_pCommandBars->AddClippedControls(m_pFrame->m_pStandard, pPopup);
    ASSERT_EQ(1, pPopup->GetControlCount()) << "only controls hidden for want of room";
    EXPECT_EQ(ID_EDIT_CUT, pPopup->GetControl(0)->GetID());
    EXPECT_EQ(0u, pPopup->GetControl(0)->GetHideFlags());
    EXPECT_FALSE(pPopup->GetControl(0)->GetBeginGroup());

    CKTSmartPtr<CKTPopupBar> pList = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    m_pCommandBars->AddToolbarListControls(m_pFrame->m_pStandard, pList);
    ASSERT_EQ(1, pList->GetControlCount()) << "the frame has no customise command";
    EXPECT_EQ(CString("Standard"), pList->GetControl(0)->GetCaption());
    EXPECT_EQ(ktControlPopup, pList->GetControl(0)->GetType());
}

TEST_F(FrameTest, HelpOverAHotControlAsksForItsTopic)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    m_pFrame->m_pStandard->SetSelected(pCut->GetIndex());
    m_pFrame->SendMessage(WM_COMMAND, ID_HELP);
    EXPECT_EQ(ID_EDIT_CUT + 0x10000, m_pFrame->m_lHelpRequest);
    m_pFrame->m_pStandard->SetSelected(-1);
    m_pFrame->m_lHelpRequest = 0;
    m_pFrame->SendMessage(WM_COMMAND, ID_HELP);
    EXPECT_EQ(0, m_pFrame->m_lHelpRequest) << "nothing hot: the frame's own help";
}

TEST_F(FrameTest, KeyboardCueModes)
{
    CKTCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
    pOptions->ShowKeyboardCues(1);
    EXPECT_FALSE(m_pCommandBars->IsKeyboardCuesVisible());
    pOptions->ShowKeyboardCues(0);
    EXPECT_TRUE(m_pCommandBars->IsKeyboardCuesVisible());
    BOOL bSystemCues = FALSE;
    ::SystemParametersInfo(SPI_GETKEYBOARDCUES, 0, &bSystemCues, 0);
    pOptions->ShowKeyboardCues(2);
    EXPECT_EQ(bSystemCues, m_pCommandBars->IsKeyboardCuesVisible()) << "follows the system";
}

TEST(FrameLifetime, OpeningAndClosingAFrameLeavesNoHandles)
{
    auto openAndClose = []
    {
        CTestFrame* pFrame = CTestFrame::Create();
        ASSERT_TRUE(pFrame != NULL);
        PumpMessages();
        pFrame->DestroyWindow();
        PumpMessages();
    };
    openAndClose();
    CGuiLeakCheck check;
    openAndClose();
    openAndClose();
    EXPECT_TRUE(check.NoLeaks());
}

namespace
{
// Releases the held button once the press has run its command a few times.
struct CAutoRepeatProbe
{
    static CTestFrame* s_pFrame;
    static size_t s_nAtRelease;
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR nIDEvent, DWORD)
    {
        if (s_pFrame->m_commands.size() < 3 || s_nAtRelease)
            return;
        ::KillTimer(NULL, nIDEvent);
        s_nAtRelease = s_pFrame->m_commands.size();
        INPUT up = {};
        up.type = INPUT_MOUSE;
        up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(1, &up, sizeof(up));
    }
};
CTestFrame* CAutoRepeatProbe::s_pFrame = NULL;
size_t CAutoRepeatProbe::s_nAtRelease = 0;
}  // namespace

TEST_F(FrameTest, AutoRepeatRunsWhileHeldAndNotAgainOnRelease)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    pCut->SetExecuteOnPressInterval(40);
    CTestInput focus(m_hFrame());
    m_pFrame->m_commands.clear();
    CAutoRepeatProbe::s_pFrame = m_pFrame;
    CAutoRepeatProbe::s_nAtRelease = 0;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 20, CAutoRepeatProbe::OnTimer);
    CPoint pt = Centre(pCut);
    m_pFrame->m_pStandard->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    INPUT down = {};
    down.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    ::SendInput(1, &down, sizeof(down));
    EXPECT_TRUE(PumpUntil([] { return CAutoRepeatProbe::s_nAtRelease != 0; }, 5000));
    ::KillTimer(NULL, nTimer);
    PumpUntil([] { return false; }, 200);
    EXPECT_GE(CAutoRepeatProbe::s_nAtRelease, 3u);
    EXPECT_EQ(CAutoRepeatProbe::s_nAtRelease, m_pFrame->m_commands.size()) << "no command on release";
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(FrameTest, TextBelowIconsStacksTheCaptionUnderTheIcon)
{
    const UINT nId = 9210;
    BYTE andMask[32], xorMask[32];
    memset(andMask, 0, sizeof(andMask));
    memset(xorMask, 0xFF, sizeof(xorMask));
    HICON hIcon = ::CreateIcon(NULL, 16, 16, 1, 1, andMask, xorMask);
    ASSERT_TRUE(hIcon != NULL);
    ASSERT_TRUE(KTImageManager()->SetIcon(CKTImageManagerIconHandle(hIcon), nId, CSize(16, 16)));
    ::DestroyIcon(hIcon);
    CKTControl* pButton = AddButton(nId, "A long caption");
    pButton->SetStyle(ktButtonIconAndCaption);
    CKTScreenDC screen;
    CSize szDefault = pButton->GetSize(&screen);
    m_pCommandBars->GetCommandBarsOptions()->bShowTextBelowIcons = TRUE;
    CSize szBelow = pButton->GetSize(&screen);
    CKTFontDC font(&screen, CKTPaintManager::GetGlobal()->GetRegularFont());
    CSize szCaption = screen.GetTextExtent("A long caption", 14);
    EXPECT_EQ(std::max<int>(szCaption.cx, 26), szBelow.cx);
    EXPECT_EQ(szCaption.cy + 16, szBelow.cy);
    EXPECT_LT(szBelow.cx, szDefault.cx) << "the caption no longer follows the icon";
    KTImageManager()->RemoveIcon(nId);
}

TEST_F(FrameTest, ControlsShowTheirTooltipsWithShortcutsWhenAsked)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    pCut->SetShortcutText("Ctrl+X");
    CKTToolTipController* pTips = m_pCommandBars->GetToolTipContext();
    ASSERT_EQ(pTips, m_pFrame->m_pStandard->GetToolTipContext()) << "bars share their command bars' tips";
    CPoint pt = Centre(pCut);
    m_pFrame->m_pStandard->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(ID_EDIT_CUT, pTips->GetLastHit());
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    ASSERT_EQ(ID_EDIT_CUT, m_pFrame->m_pStandard->OnToolHitTest(pt, &ti));
    EXPECT_STREQ("Cut", ti.lpszText) << "the prompt's tooltip";
    CKTToolTipController::FreeToolInfo(&ti);
    m_pCommandBars->GetCommandBarsOptions()->bToolBarAccelTips = TRUE;
    TOOLINFO tiAccel = {};
    tiAccel.cbSize = sizeof(tiAccel);
    m_pFrame->m_pStandard->OnToolHitTest(pt, &tiAccel);
    EXPECT_STREQ("Cut (Ctrl+X)", tiAccel.lpszText);
    CKTToolTipController::FreeToolInfo(&tiAccel);
    auto tipOf = [this](CKTControl* pControl)
    {
        TOOLINFO info = {};
        info.cbSize = sizeof(info);
        m_pFrame->m_pStandard->OnToolHitTest(Centre(pControl), &info);
        CString strText = info.lpszText;
        CKTToolTipController::FreeToolInfo(&info);
        return strText;
    };
    EXPECT_EQ(CString("New (Ctrl+N)"), tipOf(AddButton(ID_FILE_NEW, "New"))) << "a button has no key text of its own";
    CKTControl* pUnbound = AddButton(ID_FILE_SAVE, "Save");
    pUnbound->SetShortcutText("Ctrl+S");
    EXPECT_EQ(CString("Save"), tipOf(pUnbound)) << "no key in the table for it";
    m_pCommandBars->GetCommandBarsOptions()->bToolBarScreenTips = FALSE;
    TOOLINFO tiOff = {};
    tiOff.cbSize = sizeof(tiOff);
    EXPECT_EQ(-1, m_pFrame->m_pStandard->OnToolHitTest(pt, &tiOff));
}

TEST_F(FrameTest, ABarTipShowsTheDescriptionLineAndNoneShowWhileTheBarIsBusy)
{
    CKTControl* pCut = AddButton(ID_EDIT_CUT, "Cut");
    CKTControl* pNew = AddButton(ID_FILE_NEW, "New");
    pCut->SetDescription("Moves the selection to the clipboard");
    CKTToolBar* pBar = m_pFrame->m_pStandard;
    CKTToolTipController* pTips = m_pCommandBars->GetToolTipContext();
    MoveCursorTo(pBar, Centre(pNew));
    MoveCursorTo(pBar, Centre(pCut));
    ASSERT_TRUE(PumpUntil([&] { return pTips->GetLastHit() == ID_EDIT_CUT; }, 2000));
    char szText[256] = "";
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.hwnd = pBar->GetSafeHwnd();
    ti.uId = ID_EDIT_CUT;
    ti.lpszText = szText;
    ::SendMessageA(pTips->GetToolTipWnd(), TTM_GETTEXTA, sizeof(szText), LPARAM(&ti));
    EXPECT_NE(nullptr, strstr(szText, "Cut")) << szText;
    EXPECT_NE(nullptr, strstr(szText, "Moves the selection to the clipboard")) << szText;

    const CPoint pt = Centre(pCut);
    auto hit = [pBar, pt]
    {
        TOOLINFO info = {};
        info.cbSize = sizeof(info);
        INT_PTR nHit = pBar->OnToolHitTest(pt, &info);
        CKTToolTipController::FreeToolInfo(&info);
        return nHit;
    };
    pBar->SetTrackingMode(ktTrackingOn, TRUE, TRUE);
    EXPECT_EQ(-1, hit()) << "the keyboard tracks the bar";
    pBar->SetTrackingMode(ktTrackingNone);
    EXPECT_EQ(ID_EDIT_CUT, hit());
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    ASSERT_TRUE(pMenuBar->SetPopuped(0));
    EXPECT_EQ(-1, hit()) << "another bar tracks";
    TOOLINFO info = {};
    info.cbSize = sizeof(info);
    EXPECT_EQ(-1, pMenuBar->OnToolHitTest(Centre(pMenuBar->GetControl(0)), &info)) << "its menu is open";
    CKTToolTipController::FreeToolInfo(&info);
    pMenuBar->SetPopuped(-1);
    pMenuBar->SetTrackingMode(ktTrackingNone);
}

TEST_F(FrameTest, APopupThatCannotOpenLeavesNoTracking)
{
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    static_cast<CKTControlPopup*>(pMenuBar->GetControl(0))->SetCommandBar(NULL);
    EXPECT_FALSE(pMenuBar->SetPopuped(0)) << "an entry without a popup bar cannot open";
    EXPECT_EQ(0, pMenuBar->GetTrackingMode());
    EXPECT_FALSE(CKTKeyboardHookManager::Instance()->HasSinks());
    EXPECT_EQ(-1, pMenuBar->GetPopuped());
}

TEST_F(FrameTest, FrameMessagesRefreshColoursAndClosePopups)
{
    CKTPaintManager* pPaintManager = m_pCommandBars->GetPaintManager();
    pPaintManager->SetCustomColor(COLOR_BTNFACE, RGB(9, 8, 7));
    m_pFrame->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(RGB(9, 8, 7), pPaintManager->GetColor(COLOR_BTNFACE)) << "a refresh keeps custom colours";
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), pPaintManager->GetColor(COLOR_BTNSHADOW));
    pPaintManager->SetCustomColor(COLOR_BTNFACE, static_cast<COLORREF>(-1));

    CKTCommandBar* pBar = m_pFrame->m_pStandard;
    ASSERT_TRUE(pBar->SetTrackingMode(ktTrackingOn, FALSE, FALSE));
    m_pFrame->SendMessage(WM_ACTIVATEAPP, FALSE);
    EXPECT_EQ(0, pBar->GetTrackingMode()) << "losing the application closes popups";
    ASSERT_TRUE(pBar->SetTrackingMode(ktTrackingOn, FALSE, FALSE));
    m_pFrame->SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_EQ(0, pBar->GetTrackingMode()) << "and so does a system command";
}

// A program lays its frame out before showing it: the bars must have their room then, or every
// window below them is placed too high and moved again when the frame shows.
TEST(HiddenFrameLayout, TheBarsTakeTheirRoomBeforeTheFrameShowsAndShowingItMovesNothing)
{
    CTestFrame* pFrame = new CTestFrame;
    pFrame->m_bLoadStandard = TRUE;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_TESTFRAME));
    ASSERT_FALSE(pFrame->IsWindowVisible());
    const auto inFrame = [pFrame](HWND hWnd)
    {
        CRect rc = CKTWindowRect(hWnd);
        pFrame->ScreenToClient(&rc);
        return rc;
    };
    pFrame->RecalcLayout();
    const HWND hTop = pFrame->GetCommandBars()->GetDockBar(ktBarTop)->GetSafeHwnd();
    const CRect rcTop = inFrame(hTop);
    const CRect rcClient = inFrame(pFrame->m_hWndMDIClient);
    EXPECT_GT(rcTop.Height(), 0);
    EXPECT_EQ(rcTop.bottom, rcClient.top) << "the client starts below the bars";

    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->UpdateWindow();
    PumpMessages();
    EXPECT_EQ(rcTop, inFrame(hTop));
    EXPECT_EQ(rcClient, inFrame(pFrame->m_hWndMDIClient));
    pFrame->DestroyWindow();
    PumpMessages();
}

namespace
{
class CThemeCountingControl : public CKTControl
{
public:
    void OnThemeChanged() override { m_nThemeChanges++; }
    int m_nThemeChanges = 0;
};
}  // namespace

TEST_F(CFrameFixture, TheBarsOwnImagesServeTheirBarsAndARefreshTellsEachControlOfTheTheme)
{
    CKTCommandBars* pCommandBars = m_pCommandBars;
    CKTToolBar* pBar = m_pFrame->m_pStandard;
    EXPECT_EQ(KTImageManager(), pBar->GetImageManager());
    auto pOwn = std::make_unique<CKTImageManager>();
    CKTImageManager* pImages = pOwn.get();
    pCommandBars->SetImageManager(std::move(pOwn));
    EXPECT_EQ(pImages, pBar->GetImageManager());
    pCommandBars->SetImageManager(nullptr);
    EXPECT_EQ(KTImageManager(), pBar->GetImageManager());

    auto* pCounting = static_cast<CThemeCountingControl*>(
        pBar->GetControls()->InsertAt(CKTSmartPtr<CKTControl>::Adopt(new CThemeCountingControl)));
    pCommandBars->RedrawCommandBars();
    EXPECT_EQ(1, pCounting->m_nThemeChanges);
}

TEST_F(CFrameFixture, ABarsOwnImagesComeBeforeItsCommandBarsAndServeTheBarsBelowARootWithoutCommandBars)
{
    CKTToolBar* pBar = m_pFrame->m_pStandard;
    auto pShared = std::make_unique<CKTImageManager>();
    CKTImageManager* pSharedImages = pShared.get();
    m_pCommandBars->SetImageManager(std::move(pShared));
    auto pOwn = std::make_unique<CKTImageManager>();
    CKTImageManager* pOwnImages = pOwn.get();
    pBar->SetImageManager(std::move(pOwn));
    CKTControl* pButton = pBar->GetControls()->Add(ktControlButton, ID_TEST_ENABLED);
    EXPECT_EQ(pOwnImages, pBar->GetImageManager());
    EXPECT_EQ(pOwnImages, pButton->GetImageManager()) << "its controls draw from them";
    pBar->SetImageManager(nullptr);
    EXPECT_EQ(pSharedImages, pBar->GetImageManager());
    m_pCommandBars->SetImageManager(nullptr);

    // A menu of no command bars whose sub-menu takes the images of the menu at the top.
    CKTSmartPtr<CKTPopupBar> pRoot = CKTPopupBar::CreatePopupBar(NULL);
    auto pRootOwn = std::make_unique<CKTImageManager>();
    CKTImageManager* pRootImages = pRootOwn.get();
    pRoot->SetImageManager(std::move(pRootOwn));
    CKTControl* pEntry = pRoot->GetControls()->Add(ktControlPopup, 0);
    CKTSmartPtr<CKTPopupBar> pSub = CKTPopupBar::CreatePopupBar(NULL);
    pSub->SetOpeningControl(pEntry);
    EXPECT_EQ(pRootImages, pSub->GetImageManager());
    pSub->SetOpeningControl(NULL);
    EXPECT_EQ(KTImageManager(), pSub->GetImageManager());
}

namespace
{
class IconSizeTest : public CFrameFixture
{
protected:
    IconSizeTest() : CFrameFixture(0, TRUE) {}
};
}  // namespace

TEST_F(IconSizeTest, LargeIconsSwitchedOnInTheOptionsGrowTheButtonsWhoseWholeFaceThenTakesClicks)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    CKTCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
    CKTCommandBar* pMenu = m_pCommandBars->GetMenuBar()->GetControl(0)->GetCommandBar();
    EXPECT_EQ(CSize(16, 16), pStandard->GetIconSize());
    EXPECT_EQ(CSize(32, 32), pStandard->GetLargeIconSize(FALSE)) << "twice the small size";
    pOptions->szIcons = CSize(20, 20);
    pOptions->szPopupIcons = CSize(24, 24);
    EXPECT_EQ(CSize(20, 20), pStandard->GetIconSize());
    EXPECT_EQ(CSize(24, 24), pMenu->GetIconSize()) << "popups have a size of their own";
    EXPECT_EQ(CSize(40, 40), pStandard->GetLargeIconSize(FALSE));
    pOptions->szIcons = pOptions->szPopupIcons = CSize(0, 0);

    const int nCut = pStandard->GetControls()->FindControl(ID_EDIT_CUT)->GetIndex();
    const CRect rcSmall = pStandard->GetControl(nCut)->GetRect();
    pOptions->bLargeIcons = TRUE;
    m_pCommandBars->RecalcFrameLayout();
    PumpMessages();
    EXPECT_EQ(CSize(32, 32), pStandard->GetIconSize());
    EXPECT_EQ(CSize(16, 16), pMenu->GetIconSize()) << "menus keep small icons";
    const CRect rcLarge = pStandard->GetControl(nCut)->GetRect();
    ASSERT_GE(rcLarge.Height(), 32);
    ASSERT_GT(rcLarge.Height(), rcSmall.Height());

    m_pFrame->m_commands.clear();
    CTestInput input(pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Click(CPoint(rcLarge.right - 3, rcLarge.bottom - 3)));
    ASSERT_TRUE(PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, 2000));
    EXPECT_EQ((UINT)ID_EDIT_CUT, m_pFrame->m_commands[0]) << "the large button's corner is the button";

    pOptions->szLargeIcons = CSize(24, 24);
    EXPECT_EQ(CSize(24, 24), pStandard->GetIconSize());
    EXPECT_EQ(CSize(24, 24), pStandard->GetLargeIconSize(TRUE));
    pOptions->bLargeIcons = FALSE;
    pOptions->szLargeIcons = CSize(0, 0);
}
