// Recorded messages, the expected sequence a test states, and their comparison.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

// How a message reached the window procedure, and which of its fields an expectation checks.
enum EMessageFlag : unsigned
{
    kSent = 0x01,     // through SendMessage (notifications, most control messages)
    kPosted = 0x02,   // from the queue (input, posted messages)
    kWParam = 0x04,   // compare wParam
    kLParam = 0x08,   // compare lParam
    kCode = 0x10,     // compare the notification code (WM_NOTIFY's code, WM_COMMAND's high word)
    kOptional = 0x20  // may be missing
};

struct CRecordedMessage
{
    HWND hWnd;
    UINT message;
    unsigned nFlags;  // kSent or kPosted
    WPARAM wParam;
    LPARAM lParam;
    UINT nCode;
};

// One line of an expected table, e.g. {WM_NOTIFY, kSent | kCode, 0, 0, NM_CLICK}.
struct CExpectedMessage
{
    UINT message;
    unsigned nFlags;
    WPARAM wParam;
    LPARAM lParam;
    UINT nCode;
};

// Compares in order; the failure message lists both sequences with message names.
::testing::AssertionResult MatchesSequence(const std::vector<CRecordedMessage>& actual,
                                           const std::vector<CExpectedMessage>& expected);
