// FrameFixture.cpp: a fresh test frame for each test.
#include "FrameFixture.h"

#include "KTPaintManager.h"
#include "MessagePump.h"

void CFrameFixture::SetUp()
{
    m_pFrame = CTestFrame::Create(m_nTheme, m_bLoadStandard, m_pCommandBarsClass);
    ASSERT_TRUE(m_pFrame != NULL);
    m_pCommandBars = m_pFrame->GetCommandBars();
    PumpMessages();
}

void CFrameFixture::TearDown()
{
    if (m_pFrame && ::IsWindow(m_pFrame->GetSafeHwnd()))
        m_pFrame->DestroyWindow();
    PumpMessages();
    if (m_nTheme != 0)
        CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
}
