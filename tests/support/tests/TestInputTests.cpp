// Real input arrives, and has been handled, by the time each CTestInput call returns.
#include "DisplayTool.h"
#include "MessageNames.h"
#include "MessageRecorder.h"
#include "PlainWindow.h"
#include "TestInput.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

std::string WindowText(HWND hWnd)
{
    char szText[256] = "";
    ::GetWindowTextA(hWnd, szText, sizeof szText);
    return szText;
}

}  // namespace

TEST(TestInput, KeysAndTextReachTheFocusedEdit)
{
    CPlainWindow window;
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24, window.Handle(),
                                   nullptr, nullptr, nullptr);
    CTestInput input(hEdit);
    ASSERT_TRUE(input.Text("Hello, World!"));
    EXPECT_EQ("Hello, World!", WindowText(hEdit));
    ASSERT_TRUE(input.Key(VK_HOME));
    ASSERT_TRUE(input.Key(VK_RIGHT, CTestInput::kShift));
    ASSERT_TRUE(input.Text("J"));
    EXPECT_EQ("Jello, World!", WindowText(hEdit));
}

TEST(TestInput, ClickOnAButtonNotifiesItsParent)
{
    CPlainWindow window;
    ASSERT_TRUE(::CreateWindowExA(0, "BUTTON", "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 100, 30,
                                  window.Handle(), reinterpret_cast<HMENU>(42), nullptr, nullptr));
    CTestInput input(window.Handle());
    CMessageRecorder recorder({window.Handle()}, {WM_COMMAND});
    ASSERT_TRUE(input.Click({60, 35}));
    EXPECT_TRUE(recorder.Matches({{WM_COMMAND, kSent | kWParam, MAKEWPARAM(42, BN_CLICKED), 0, 0}}));
}

TEST(TestInput, MouseActionsLandWhereTheyAreAimed)
{
    CPlainWindow window;
    CTestInput input(window.Handle());
    CMessageRecorder recorder({window.Handle()},
                              {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP});

    ASSERT_TRUE(input.DoubleClick({30, 40}));
    EXPECT_TRUE(recorder.Matches({{WM_LBUTTONDOWN, kPosted | kLParam, 0, MAKELPARAM(30, 40), 0},
                                  {WM_LBUTTONUP, kPosted | kLParam, 0, MAKELPARAM(30, 40), 0},
                                  {WM_LBUTTONDBLCLK, kPosted | kLParam, 0, MAKELPARAM(30, 40), 0},
                                  {WM_LBUTTONUP, kPosted, 0, 0, 0}}));
    recorder.Clear();
    ASSERT_TRUE(input.Click({200, 100}, true));
    EXPECT_TRUE(recorder.Matches({{WM_RBUTTONDOWN, kPosted | kLParam, 0, MAKELPARAM(200, 100), 0},
                                  {WM_RBUTTONUP, kPosted | kLParam, 0, MAKELPARAM(200, 100), 0}}));
}

TEST(TestInput, SeparateClicksOnOneSpotStayTwoClicks)
{
    CPlainWindow window;
    CTestInput input(window.Handle());
    CMessageRecorder recorder({window.Handle()}, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK});
    ASSERT_TRUE(input.Click({70, 70}));
    ASSERT_TRUE(input.Click({70, 70}));
    EXPECT_TRUE(recorder.Matches({{WM_LBUTTONDOWN, kPosted, 0, 0, 0}, {WM_LBUTTONDOWN, kPosted, 0, 0, 0}}));
}

TEST(TestInput, DragPressesMovesAndReleasesAtItsEnds)
{
    CPlainWindow window;
    CTestInput input(window.Handle());
    CMessageRecorder recorder({window.Handle()}, {WM_LBUTTONDOWN, WM_LBUTTONUP});
    ASSERT_TRUE(input.Drag({20, 20}, {180, 120}));
    EXPECT_TRUE(recorder.Matches({{WM_LBUTTONDOWN, kPosted | kLParam, 0, MAKELPARAM(20, 20), 0},
                                  {WM_LBUTTONUP, kPosted | kLParam, 0, MAKELPARAM(180, 120), 0}}));
}

// Wine forgets a modifier sent with SendInput at the next move; held on the display, as a user holds it, it
// reaches every mouse message of the drag, and it is up again once the drag returns. A move that the window's
// showing left queued may arrive before the press: it is not the drag's.
TEST(TestInput, ModifiersHeldForADragReachEveryMouseMessageAndAreUpAfterwards)
{
    CPlainWindow window;
    CTestInput input(window.Handle());
    CMessageRecorder recorder({window.Handle()}, {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP});
    ASSERT_TRUE(input.Drag({20, 20}, {180, 120}, CTestInput::kControl | CTestInput::kShift));
    const std::vector<CRecordedMessage>& messages = recorder.Messages();
    auto it = std::find_if(messages.begin(), messages.end(),
                           [](const CRecordedMessage& message) { return message.message == WM_LBUTTONDOWN; });
    ASSERT_GE(messages.end() - it, 3) << "a press, moves and a release";
    for (; it != messages.end(); ++it)
        EXPECT_EQ(WPARAM(MK_CONTROL | MK_SHIFT), it->wParam & (MK_CONTROL | MK_SHIFT)) << MessageName(it->message);
    EXPECT_EQ(UINT(WM_LBUTTONUP), messages.back().message);
    EXPECT_GE(::GetKeyState(VK_CONTROL), 0);
    EXPECT_GE(::GetKeyState(VK_SHIFT), 0);
    EXPECT_FALSE(::GetAsyncKeyState(VK_CONTROL) & 0x8000);
}

TEST(TestInput, WheelGoesToTheFocusWithItsDelta)
{
    CPlainWindow window;
    CTestInput input(window.Handle());
    CMessageRecorder recorder({window.Handle()}, {WM_MOUSEWHEEL});
    ASSERT_TRUE(input.Wheel({50, 50}, -WHEEL_DELTA));
    ASSERT_EQ(1u, recorder.Messages().size());
    EXPECT_EQ(-WHEEL_DELTA, GET_WHEEL_DELTA_WPARAM(recorder.Messages()[0].wParam));
}

// A dialog gives the focus to a control while it starts, before it is shown: the display refuses its
// keyboard to a window it has not mapped, and Wine asks again only once it hears of the mapping. Until then
// the window behind keeps the display's keyboard, and can be raised over the new one: input waits.
TEST(TestInput, InputWaitsUntilTheDisplayNoLongerGivesTheKeyboardToTheWindowBehind)
{
    CPlainWindow behind(RGB(255, 255, 255), {40, 40, 560, 440});
    // Owned by the window behind, and destroyed with it.
    HWND hFront = ::CreateWindowExA(0, "KestovaPlainWindow", "Front", WS_POPUP | WS_CAPTION, 100, 100, 300, 200,
                                    behind.Handle(), nullptr, nullptr, ::GetStockObject(GRAY_BRUSH));
    HWND hButton = ::CreateWindowExA(0, "BUTTON", "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 100, 30,
                                     hFront, reinterpret_cast<HMENU>(42), nullptr, nullptr);
    ASSERT_TRUE(hButton);
    ::SetFocus(hButton);
    ::ShowWindow(hFront, SW_SHOW);
    CTestInput input(hButton);
    EXPECT_NE(behind.Handle(), DisplayTool::KeyboardWindow());
    CMessageRecorder recorder({hFront}, {WM_COMMAND});
    ASSERT_TRUE(input.Click({50, 15}));
    EXPECT_TRUE(recorder.Matches({{WM_COMMAND, kSent | kWParam, MAKEWPARAM(42, BN_CLICKED), 0, 0}}));
}
