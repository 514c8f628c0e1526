// Recorded messages, the expected sequence a test states, and their comparison.
#include "MessageSequence.h"

#include "MessageNames.h"

#include <sstream>

namespace
{

bool Matches(const CRecordedMessage& actual, const CExpectedMessage& expected)
{
    const unsigned nHow = expected.nFlags & (kSent | kPosted);
    return actual.message == expected.message && (nHow == 0 || (actual.nFlags & nHow) != 0) &&
           (!(expected.nFlags & kWParam) || actual.wParam == expected.wParam) &&
           (!(expected.nFlags & kLParam) || actual.lParam == expected.lParam) &&
           (!(expected.nFlags & kCode) || actual.nCode == expected.nCode);
}

std::string Describe(UINT message, unsigned nFlags, WPARAM wParam, LPARAM lParam, UINT nCode)
{
    std::ostringstream text;
    text << MessageName(message) << ((nFlags & kSent) ? " sent" : "") << ((nFlags & kPosted) ? " posted" : "")
         << std::hex << " wParam 0x" << wParam << " lParam 0x" << lParam;
    if (message == WM_NOTIFY || message == WM_COMMAND)
        text << std::dec << " code " << static_cast<int>(nCode);
    if (nFlags & kOptional)
        text << " (optional)";
    return text.str();
}

std::string Listing(const std::vector<CRecordedMessage>& actual, const std::vector<CExpectedMessage>& expected)
{
    std::ostringstream text;
    text << "\nexpected:\n";
    for (const auto& e : expected)
        text << "  " << Describe(e.message, e.nFlags, e.wParam, e.lParam, e.nCode) << "\n";
    text << "recorded:\n";
    for (const auto& a : actual)
        text << "  " << Describe(a.message, a.nFlags, a.wParam, a.lParam, a.nCode) << "\n";
    return text.str();
}

}  // namespace

::testing::AssertionResult MatchesSequence(const std::vector<CRecordedMessage>& actual,
                                           const std::vector<CExpectedMessage>& expected)
{
    size_t nActual = 0;
    for (size_t nExpected = 0; nExpected < expected.size(); nExpected++)
    {
        const CExpectedMessage& e = expected[nExpected];
        if (nActual < actual.size() && Matches(actual[nActual], e))
        {
            nActual++;
            continue;
        }
        if (e.nFlags & kOptional)
            continue;
        return ::testing::AssertionFailure()
               << "expected line " << nExpected << " (" << MessageName(e.message) << ") does not match recorded line "
               << nActual << Listing(actual, expected);
    }
    if (nActual < actual.size())
        return ::testing::AssertionFailure()
               << "recorded line " << nActual << " (" << MessageName(actual[nActual].message) << ") was not expected"
               << Listing(actual, expected);
    return ::testing::AssertionSuccess();
}
