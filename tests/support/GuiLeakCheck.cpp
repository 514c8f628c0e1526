// Fails a test whose code left GDI objects, windows or menus behind.
#include "GuiLeakCheck.h"

#include "MessagePump.h"

::testing::AssertionResult CGuiLeakCheck::NoLeaks() const
{
    PumpMessages();  // windows destroyed by posted messages go first
    const std::string strGrowth = CGuiHandleCount::Take().GrowthSince(m_before);
    if (strGrowth.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "left behind: " << strGrowth;
}
