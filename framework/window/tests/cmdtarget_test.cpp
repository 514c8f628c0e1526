// Command targets on their own: map lookup through the base class's map,
// ranges, declining handlers, update handlers and the shared count.
#include <gtest/gtest.h>
#include "afxwin.h"

namespace
{

class CBaseTarget : public CCmdTarget
{
public:
    std::vector<UINT> m_handled;

protected:
    afx_msg void OnBaseCommand() { m_handled.push_back(1); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
ON_COMMAND(100, OnBaseCommand)
ON_COMMAND(101, OnBaseCommand)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget
{
public:
    static int s_nDeleted;
    BOOL m_bEnable = TRUE;
    ~CDerivedTarget() override { s_nDeleted++; }

protected:
    afx_msg void OnOverride() { m_handled.push_back(2); }
    afx_msg void OnRange(UINT nID) { m_handled.push_back(nID); }
    afx_msg BOOL OnDecline(UINT) { return FALSE; }
    afx_msg void OnUpdateRange(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnable); }
    afx_msg void OnUpdatePassOn(CCmdUI* pCmdUI) { pCmdUI->ContinueRouting(); }
    DECLARE_MESSAGE_MAP()
};
int CDerivedTarget::s_nDeleted = 0;

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
ON_COMMAND(101, OnOverride)
ON_COMMAND_RANGE(200, 209, OnRange)
ON_COMMAND_EX(300, OnDecline)
ON_UPDATE_COMMAND_UI_RANGE(200, 209, OnUpdateRange)
ON_UPDATE_COMMAND_UI(400, OnUpdatePassOn)
END_MESSAGE_MAP()

// Records what an update handler asked for.
class CRecordingCmdUI : public CCmdUI
{
public:
    int m_nEnabled = -1;
    void Enable(BOOL bOn) override
    {
        m_nEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
};

}  // namespace

TEST(CommandTarget, DerivedMapComesFirstThenTheBaseMap)
{
    CDerivedTarget* pTarget = new CDerivedTarget;
    EXPECT_TRUE(pTarget->OnCmdMsg(100, CN_COMMAND, nullptr, nullptr));
    EXPECT_TRUE(pTarget->OnCmdMsg(101, CN_COMMAND, nullptr, nullptr));
    EXPECT_TRUE(pTarget->OnCmdMsg(205, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(pTarget->OnCmdMsg(210, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(pTarget->OnCmdMsg(300, CN_COMMAND, nullptr, nullptr)) << "a declining handler passes it on";
    EXPECT_EQ((std::vector<UINT>{1, 2, 205}), pTarget->m_handled);
    pTarget->InternalRelease();
}

TEST(CommandTarget, UpdateHandlersEnableAndUnhandledCommandsAreDisabled)
{
    CDerivedTarget target;
    CRecordingCmdUI ui;
    ui.m_nID = 203;
    target.m_bEnable = FALSE;
    EXPECT_TRUE(ui.DoUpdate(&target, TRUE));
    EXPECT_EQ(0, ui.m_nEnabled);
    ui.m_nID = 100;  // handled, no update handler
    ui.m_nEnabled = -1;
    ui.DoUpdate(&target, TRUE);
    EXPECT_EQ(1, ui.m_nEnabled);
    ui.m_nID = 999;  // no handler at all
    ui.DoUpdate(&target, TRUE);
    EXPECT_EQ(0, ui.m_nEnabled);
    ui.m_nID = 400;  // the handler asks for the next target
    EXPECT_FALSE(target.OnCmdMsg(400, (int)CN_UPDATE_COMMAND_UI, &ui, nullptr));
    AFX_CMDHANDLERINFO info{};
    EXPECT_TRUE(target.OnCmdMsg(205, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(&target, info.pTarget);
    EXPECT_TRUE(target.m_handled.empty()) << "asking for the handler does not run it";
}

TEST(CommandTarget, LastReleaseDeletesOnce)
{
    CDerivedTarget::s_nDeleted = 0;
    CDerivedTarget* pTarget = new CDerivedTarget;
    EXPECT_EQ(2u, pTarget->InternalAddRef());
    EXPECT_EQ(3u, pTarget->ExternalAddRef());
    EXPECT_EQ(2u, pTarget->InternalRelease());
    EXPECT_EQ(1u, pTarget->ExternalRelease());
    EXPECT_EQ(0, CDerivedTarget::s_nDeleted);
    EXPECT_EQ(0u, pTarget->InternalRelease());
    EXPECT_EQ(1, CDerivedTarget::s_nDeleted);
}
