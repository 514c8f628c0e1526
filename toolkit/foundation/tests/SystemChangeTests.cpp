// The one path of system changes: a real colour change that a frame hands on reaches every advised sink
// once, after the shared colours are fresh.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "KTColorManager.h"
#include "KTSystemChange.h"
#include "MessagePump.h"
#include "TestWindows.h"

namespace
{

class CRecordingSink : public IKTSystemChangeSink
{
public:
    void OnSystemChange(KTSystemChangeKind nKind) override
    {
        m_kinds.push_back(nKind);
        m_faces.push_back(KTColorManager()->GetColor(COLOR_BTNFACE));
        if (m_onChange)
            m_onChange();
    }
    std::vector<KTSystemChangeKind> m_kinds;
    std::vector<COLORREF> m_faces;  // the shared colour each time it was told
    std::function<void()> m_onChange;
};

// A frame as the system sees one: the top-level window its broadcasts reach, handing them on.
class CForwardingFrame : public CTestParent
{
protected:
    LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override
    {
        KTSystemChange()->ApplyMessage(nMessage);
        return CTestParent::WindowProc(nMessage, wParam, lParam);
    }
};

}  // namespace

TEST(SystemChange, ARealColourChangeReachesEachSinkOnceWithFreshColours)
{
    CForwardingFrame frame;
    CRecordingSink first, second;
    KTSystemChange()->Advise(&first);
    KTSystemChange()->Advise(&first);  // a second advice is the same one
    KTSystemChange()->Advise(&second);
    const int nIndex = COLOR_BTNFACE;
    const COLORREF clrOld = ::GetSysColor(nIndex), clrNew = RGB(201, 13, 77);
    ASSERT_TRUE(::SetSysColors(1, &nIndex, &clrNew));
    PumpUntil([&] { return !first.m_kinds.empty() && !second.m_kinds.empty(); });
    ::SetSysColors(1, &nIndex, &clrOld);
    PumpUntil([&] { return first.m_kinds.size() > 1; });
    KTSystemChange()->Unadvise(&first);
    KTSystemChange()->Unadvise(&second);

    ASSERT_EQ(2u, first.m_kinds.size()) << "once for each change";
    EXPECT_EQ(ktSystemChangeColors, first.m_kinds[0]);
    EXPECT_EQ(clrNew, first.m_faces[0]) << "the colour manager was refreshed before the sink was told";
    EXPECT_EQ(clrOld, first.m_faces[1]);
    EXPECT_EQ(2u, second.m_kinds.size());
}

TEST(SystemChange, ASinkMayLeaveWhileAnotherIsTold)
{
    CRecordingSink leaving, staying;
    staying.m_onChange = [&] { KTSystemChange()->Unadvise(&leaving); };
    KTSystemChange()->Advise(&staying);
    KTSystemChange()->Advise(&leaving);
    EXPECT_TRUE(KTSystemChange()->ApplyMessage(WM_SETTINGCHANGE));
    EXPECT_FALSE(KTSystemChange()->ApplyMessage(WM_PAINT));
    KTSystemChange()->Unadvise(&staying);
    EXPECT_EQ(1u, staying.m_kinds.size());
    EXPECT_TRUE(leaving.m_kinds.empty()) << "a sink that left is not told";
    EXPECT_FALSE(KTSystemChange()->IsAdvised(&leaving));
}
