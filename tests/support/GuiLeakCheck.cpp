// Fails a test whose code left GDI objects, windows or menus behind.
#include "GuiLeakCheck.h"

#include "MessagePump.h"

::testing::AssertionResult CGuiLeakCheck::NoLeaks() const
{
    // Counting by index needs a system that resolves a handle's index alone; where it does not, the
    // count finds not even the stock objects and would pass every leak.
    if (m_before.gdiByType.empty())
        return ::testing::AssertionFailure() << "GDI objects cannot be counted on this system";
    PumpMessages();  // windows destroyed by posted messages go first
    const std::string strGrowth = CGuiHandleCount::Take().GrowthSince(m_before);
    if (strGrowth.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "left behind: " << strGrowth;
}
