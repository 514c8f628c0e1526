// FrameFixture.h: the fixture of the tests that run on a fresh test frame, made before each test and gone after it.
//
// Classes: CFrameFixture.
#pragma once

#include "TestFrame.h"

#include <gtest/gtest.h>

class CKTCommandBars;

class CFrameFixture : public ::testing::Test
{
protected:
    explicit CFrameFixture(int nTheme = 0, BOOL bLoadStandard = FALSE)
        : m_nTheme(nTheme), m_bLoadStandard(bLoadStandard)
    {
    }
    void SetUp() override;
    // Also puts the theme back, for the tests that follow.
    void TearDown() override;

    CTestFrame* m_pFrame = NULL;
    CRuntimeClass* m_pCommandBarsClass = NULL;  // set by a derived fixture before SetUp: the frame's bars' class
    CKTCommandBars* m_pCommandBars = NULL;

private:
    int m_nTheme;
    BOOL m_bLoadStandard;
};
