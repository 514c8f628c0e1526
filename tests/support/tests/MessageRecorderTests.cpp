// The recorder keeps the watched messages in order, and the comparison names what differs.
#include "MessageRecorder.h"
#include "MessagePump.h"
#include "PlainWindow.h"

#include <commctrl.h>

TEST(MessageRecorder, KeepsSentAndPostedMessagesOfWatchedWindowsInOrder)
{
    CPlainWindow window, other;
    CMessageRecorder recorder({window.Handle()}, {WM_USER + 1, WM_USER + 2});
    ::PostMessageA(window.Handle(), WM_USER + 2, 7, 0);
    ::SendMessageA(window.Handle(), WM_USER + 1, 0, 0);
    ::SendMessageA(other.Handle(), WM_USER + 1, 0, 0);
    ::SendMessageA(window.Handle(), WM_USER + 3, 0, 0);
    PumpMessages();
    EXPECT_TRUE(recorder.Matches({{WM_USER + 1, kSent, 0, 0, 0}, {WM_USER + 2, kPosted | kWParam, 7, 0, 0}}));
}

TEST(MessageRecorder, ReadsTheNotificationCodes)
{
    CPlainWindow window;
    CMessageRecorder recorder({window.Handle()}, {WM_NOTIFY, WM_COMMAND});
    NMHDR header = {window.Handle(), 5, static_cast<UINT>(NM_CLICK)};
    ::SendMessageA(window.Handle(), WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&header));
    ::SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(5, EN_CHANGE), 0);
    EXPECT_TRUE(recorder.Matches({{WM_NOTIFY, kSent | kWParam | kCode, 5, 0, static_cast<UINT>(NM_CLICK)},
                                  {WM_COMMAND, kSent | kCode, 0, 0, EN_CHANGE}}));
    EXPECT_FALSE(recorder.Matches({{WM_NOTIFY, kSent | kCode, 0, 0, static_cast<UINT>(NM_DBLCLK)},
                                   {WM_COMMAND, kSent | kCode, 0, 0, EN_CHANGE}}));
}

TEST(MessageSequence, OptionalLinesMaySkipButExtraOrMissingOnesFail)
{
    const std::vector<CRecordedMessage> recorded = {{nullptr, WM_LBUTTONDOWN, kPosted, 0, MAKELPARAM(3, 4), 0},
                                                    {nullptr, WM_LBUTTONUP, kPosted, 0, 0, 0}};
    EXPECT_TRUE(MatchesSequence(recorded, {{WM_LBUTTONDOWN, kPosted | kLParam, 0, MAKELPARAM(3, 4), 0},
                                           {WM_MOUSEMOVE, kOptional, 0, 0, 0},
                                           {WM_LBUTTONUP, 0, 0, 0, 0},
                                           {WM_CAPTURECHANGED, kOptional, 0, 0, 0}}));
    EXPECT_FALSE(MatchesSequence(recorded, {{WM_LBUTTONDOWN, kSent, 0, 0, 0}, {WM_LBUTTONUP, 0, 0, 0, 0}}));
    EXPECT_FALSE(MatchesSequence(recorded, {{WM_LBUTTONDOWN, 0, 0, 0, 0}}));
    EXPECT_FALSE(MatchesSequence(
        recorded, {{WM_LBUTTONDOWN, 0, 0, 0, 0}, {WM_LBUTTONUP, 0, 0, 0, 0}, {WM_LBUTTONDBLCLK, 0, 0, 0, 0}}));
}

TEST(MessageSequence, FailureListsBothSequencesByName)
{
    const std::vector<CRecordedMessage> recorded = {{nullptr, WM_LBUTTONDOWN, kPosted, 0, 0, 0}};
    const std::string strMessage =
        MatchesSequence(recorded, {{WM_LBUTTONDOWN, 0, 0, 0, 0}, {WM_LBUTTONUP, 0, 0, 0, 0}}).message();
    EXPECT_NE(std::string::npos, strMessage.find("expected line 1 (WM_LBUTTONUP)"));
    EXPECT_NE(std::string::npos, strMessage.find("recorded:\n  WM_LBUTTONDOWN posted"));
}
