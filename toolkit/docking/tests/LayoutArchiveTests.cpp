// Saving a layout to an archive and loading it back; archives that lie about their tree are refused.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "DockingTestFrame.h"
#include "KTDockingPaneAutoHidePanel.h"
#include "KTDockingPaneClientNode.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTPropExchange.h"

namespace
{
using Bytes = std::vector<BYTE>;

Bytes SaveLayout(CKTDockingPaneLayoutData& layout)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        layout.Serialize(ar);
    }
    Bytes bytes(size_t(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

BOOL LoadLayout(CKTDockingPaneLayoutData& layout, Bytes bytes)
{
    CMemFile file(bytes.data(), UINT(bytes.size()));
    CArchive ar(&file, CArchive::load);
    CKTPropExchangeArchive px(ar);
    return layout.Load(&px);
}

// The tree as text: types, orientation, pane ids and docked sizes, in child order.
std::string Describe(const CKTDockingPaneNode* pNode)
{
    std::ostringstream out;
    switch (pNode->GetType())
    {
    case ktPaneTypePane:
        out << "P" << static_cast<const CKTDockingPane*>(pNode)->GetID();
        return out.str();
    case ktPaneTypeClient:
        return "C";
    case ktPaneTypeSplitterContainer:
        out << (static_cast<const CKTDockingPaneSplitterContainer*>(pNode)->IsHorizontal() ? "H" : "V");
        break;
    default:
        out << "T" << pNode->m_nDockedWidth << "x" << pNode->m_nDockedHeight;
        break;
    }
    out << "[";
    for (const CKTDockingPaneNode* pChild : static_cast<const CKTDockingPaneContainer*>(pNode)->GetChildren())
        out << Describe(pChild) << " ";
    out << "]";
    return out.str();
}

// Writes an archive value by value, in the order a load reads it.
class CArchiveWriter
{
public:
    // Starts with the summary and the node types.
    CArchiveWriter(std::initializer_list<int> types) : m_ar(&m_file, CArchive::store), m_px(m_ar)
    {
        Int(int(types.size())).Schema();
        for (int nType : types)
            Int(nType);
    }

    CArchiveWriter& Int(int n)
    {
        PX_Int(&m_px, "", n, 0);
        return *this;
    }
    CArchiveWriter& Ints(std::initializer_list<int> values)
    {
        for (int n : values)
            Int(n);
        return *this;
    }
    CArchiveWriter& Schema()
    {
        m_px.ExchangeSchema();
        return *this;
    }
    CArchiveWriter& String(const char* psz)
    {
        CString str(psz);
        PX_String(&m_px, "", str);
        return *this;
    }
    // A pane with its id and three holders, schema 23 keys included.
    CArchiveWriter& Pane(int nID, int nDockingHolder = 0)
    {
        Ints({100, 100});
        String("Pane");
        return Ints({nID, -1, 0, nDockingHolder, 0, 0, 0, 0, 32000, 32000, -1, 0, 0});
    }
    Bytes Take()
    {
        m_ar.Flush();
        Bytes bytes(size_t(m_file.GetLength()));
        m_file.SeekToBegin();
        m_file.Read(bytes.data(), UINT(bytes.size()));
        return bytes;
    }

private:
    CMemFile m_file;
    CArchive m_ar;
    CKTPropExchangeArchive m_px;
};

class LayoutArchive : public ::testing::Test
{
protected:
    LayoutArchive() : m_frame(800, 600)
    {
        m_frame.CreateDesignerPanes();
        m_frame.Layout();
    }

    CKTSmartPtr<CKTDockingPaneLayoutData> FreshLayout()
    {
        return KTMakeCounted<CKTDockingPaneLayoutData>(&m_frame.m_manager);
    }

    // A well-formed archive: pane 1 in group 2; splitter 3 holds the group and the client 4.
    static Bytes Valid(int nSplitterChild = 2, int nTop = 3)
    {
        return CArchiveWriter({0, 1, 2, 4})
            .Pane(7, 2)
            .Ints({100, 100, 1, 1, 1})
            .Ints({0, 0, TRUE, 2, nSplitterChild, 4})
            .Ints({0, 0})
            .Ints({nTop, 4})
            .Take();
    }

    // Group 2 floats in frame 5 through splitter 6; the top splitter 3 holds the client 4.
    static Bytes FloatingArchive(int nTopChild = 4, int nFloatingChild = 2)
    {
        return CArchiveWriter({0, 1, 2, 4, 3, 2})
            .Pane(7, 2)
            .Ints({100, 100, 1, 1, 1})
            .Ints({0, 0, TRUE, 1, nTopChild})
            .Ints({0, 0})
            .Ints({0, 0, 300, 400, 300, 500, 0, 0, 6})
            .Ints({0, 0, TRUE, 1, nFloatingChild})
            .Ints({3, 4})
            .Take();
    }

    CDockingTestFrame m_frame;
};
}  // namespace

TEST_F(LayoutArchive, SaveAndLoadIntoAFreshLayoutRebuildsTheTree)
{
    CKTDockingPaneLayoutData* pLive = m_frame.m_manager.GetLayout();
    Bytes bytes = SaveLayout(*pLive);
    auto pLoaded = FreshLayout();
    ASSERT_TRUE(LoadLayout(*pLoaded, bytes));
    ASSERT_TRUE(pLoaded->IsValid());
    EXPECT_EQ(Describe(pLive->GetTopContainer()), Describe(pLoaded->GetTopContainer()));
    ASSERT_EQ(3u, pLoaded->GetPaneList().size());
    for (const DockingPaneInfo& info : pLoaded->GetPaneList())
    {
        EXPECT_EQ(info.pPane->GetParentContainer(), info.pDockingHolder) << info.pPane->GetID();
        EXPECT_EQ(pLoaded.GetInterface(), info.pPane->GetLayout());
    }
    EXPECT_EQ(CString("Properties"), pLoaded->GetPaneList()[2].pPane->GetTitle());
}

TEST_F(LayoutArchive, HandWrittenArchiveLoadsAndHoldersOfOtherKindsCountAsNone)
{
    auto pLayout = FreshLayout();
    ASSERT_TRUE(LoadLayout(*pLayout, Valid()));
    EXPECT_EQ("H[T100x100[P7 ] C ]", Describe(pLayout->GetTopContainer()));

    // The pane names the splitter (3) as its group: it loads, without a holder.
    Bytes bytes = CArchiveWriter({0, 1, 2, 4})
                      .Pane(7, 3)
                      .Ints({100, 100, 1, 1, 1})
                      .Ints({0, 0, TRUE, 2, 2, 4})
                      .Ints({0, 0})
                      .Ints({3, 4})
                      .Take();
    ASSERT_TRUE(LoadLayout(*pLayout, bytes));
    EXPECT_EQ(nullptr, pLayout->GetPaneList().front().pDockingHolder);
}

TEST_F(LayoutArchive, ArchivesThatBreakTheTreeAreRefused)
{
    struct Case
    {
        const char* pszWhat;
        Bytes bytes;
    };
    const Case cases[] = {
        {"fewer than two nodes", CArchiveWriter({4}).Ints({0, 0, 1, 1}).Take()},
        {"an unknown node type", CArchiveWriter({0, 9}).Take()},
        {"a splitter holding itself", Valid(3)},
        {"a splitter holding a pane", Valid(1)},
        {"a splitter child beyond the node count", Valid(9)},
        {"a group as the top container", Valid(2, 2)},
        {"two splitters holding each other", CArchiveWriter({4, 2, 2})
                                                 .Ints({0, 0})
                                                 .Ints({0, 0, TRUE, 1, 3})
                                                 .Ints({0, 0, TRUE, 2, 2, 1})
                                                 .Ints({2, 1})
                                                 .Take()},
        {"a splitter as top container that has a parent",
         CArchiveWriter({4, 2, 2}).Ints({0, 0}).Ints({0, 0, TRUE, 1, 1}).Ints({0, 0, TRUE, 1, 2}).Ints({2, 1}).Take()},
        {"a pane in two groups", CArchiveWriter({0, 1, 1, 2, 4})
                                     .Pane(7)
                                     .Ints({0, 0, 1, 1, 1})
                                     .Ints({0, 0, 1, 1, 1})
                                     .Ints({0, 0, TRUE, 1, 5})
                                     .Ints({0, 0})
                                     .Ints({4, 5})
                                     .Take()},
        {"a panel side out of range", CArchiveWriter({0, 1, 5, 2, 4})
                                          .Pane(7)
                                          .Ints({0, 0, 1, 1, 1})
                                          .Ints({0, 0, 7, 1, 2})
                                          .Ints({0, 0, TRUE, 1, 5})
                                          .Ints({0, 0})
                                          .Ints({4, 5})
                                          .Take()},
        {"a panel holding a pane", CArchiveWriter({0, 5, 2, 4})
                                       .Pane(7)
                                       .Ints({0, 0, 0, 1, 1})
                                       .Ints({0, 0, TRUE, 1, 4})
                                       .Ints({0, 0})
                                       .Ints({3, 4})
                                       .Take()},
        {"a client number that is no client", CArchiveWriter({0, 1, 2, 4})
                                                  .Pane(7)
                                                  .Ints({0, 0, 1, 1, 1})
                                                  .Ints({0, 0, TRUE, 2, 2, 4})
                                                  .Ints({0, 0})
                                                  .Ints({3, 2})
                                                  .Take()},
        {"a floating frame as a splitter child", CArchiveWriter({0, 1, 2, 4, 3, 2})
                                                     .Pane(7, 2)
                                                     .Ints({100, 100, 1, 1, 1})
                                                     .Ints({0, 0, TRUE, 3, 2, 4, 5})
                                                     .Ints({0, 0})
                                                     .Ints({0, 0, 300, 400, 300, 500, 0, 0, 6})
                                                     .Ints({0, 0, TRUE, 0})
                                                     .Ints({3, 4})
                                                     .Take()},
        {"a floating frame whose top is a group", CArchiveWriter({0, 1, 2, 4, 3})
                                                      .Pane(7, 2)
                                                      .Ints({100, 100, 1, 1, 1})
                                                      .Ints({0, 0, TRUE, 1, 4})
                                                      .Ints({0, 0})
                                                      .Ints({0, 0, 300, 400, 300, 500, 0, 0, 2})
                                                      .Ints({3, 4})
                                                      .Take()},
        {"the client floating", FloatingArchive(2, 4)},
        {"a pane without an id",
         CArchiveWriter({0, 2, 4}).Pane(0).Ints({0, 0, TRUE, 1, 3}).Ints({0, 0}).Ints({2, 3}).Take()},
    };
    EXPECT_TRUE(LoadLayout(*FreshLayout(), FloatingArchive())) << "the well-formed floating frame these break";
    CKTDockingPaneLayoutData* pLive = m_frame.m_manager.GetLayout();
    std::string strBefore = Describe(pLive->GetTopContainer());
    for (const Case& c : cases)
    {
        auto pLayout = FreshLayout();
        EXPECT_FALSE(LoadLayout(*pLayout, c.bytes)) << c.pszWhat;
        EXPECT_TRUE(pLayout->IsValid()) << c.pszWhat << ": a refused archive leaves the layout as it was";
        EXPECT_FALSE(LoadLayout(*pLive, c.bytes)) << c.pszWhat;
    }
    EXPECT_EQ(strBefore, Describe(pLive->GetTopContainer()));
}

TEST_F(LayoutArchive, DamagedBytesNeverCrashTheLoad)
{
    const Bytes original = SaveLayout(*m_frame.m_manager.GetLayout());
    std::mt19937 random(20261206);
    int nLoaded = 0;
    for (int i = 0; i < 1500; ++i)
    {
        Bytes bytes = original;
        int nChanges = 1 + int(random() % 4);
        for (int n = 0; n < nChanges; ++n)
        {
            size_t nAt = random() % bytes.size();
            // Small numbers make node numbers, types and counts that point somewhere.
            bytes[nAt] = random() % 2 ? BYTE(random() % 8) : BYTE(random());
        }
        if (random() % 8 == 0)
            bytes.resize(random() % bytes.size());
        auto pLayout = FreshLayout();
        nLoaded += LoadLayout(*pLayout, bytes);
        pLayout->Normalize();
    }
    EXPECT_LT(0, nLoaded) << "some damage leaves a usable layout";
}
