// Fails a test whose code left GDI objects, windows or menus behind.
#pragma once

#include "GuiHandleCount.h"

#include <gtest/gtest.h>

// Counts at construction; NoLeaks() counts again. Run the code once before constructing it when
// the code fills caches on first use (stock objects, the window DC cache, classes' fonts).
class CGuiLeakCheck
{
public:
    CGuiLeakCheck() : m_before(CGuiHandleCount::Take()) {}

    ::testing::AssertionResult NoLeaks() const;

private:
    CGuiHandleCount m_before;
};
