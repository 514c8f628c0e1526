// Blocks of a schema's pool: they outlive their schema, and they come back
// from other threads while the schema parses again.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "TestText.h"

namespace
{

std::string Describe(const CKTLexBlockChain& chain)
{
    std::string out;
    for (const CKTLexBlockPtr& block : chain)
        out += block->m_ptrClass->GetName() + " " + std::to_string(block->m_posStart.nRow) + ":" +
               std::to_string(block->m_posStart.nCol) + "\n";
    return out;
}

// Keeps every block that a run announces, as the parser's events do.
class CBlockKeeper : public IKTLexSchemaEvents
{
public:
    void OnSchemaEvent(int code, int, const CKTLexBlockPtr& block) override
    {
        if (code == 2)
            m_blocks.push_back(block);
    }

    CKTLexBlockChain m_blocks;
};

TEST(LexBlockPool, BlocksOutliveTheSchemaThatMadeThem)
{
    auto schema = LoadTestSchema("schemes/c.scheme");
    CTestText text(ReadTestFile(std::string(KT_TEST_DATA_DIR) + "/chat_api.c"));
    CKTSyntaxEditLexCursor cursor(text);
    schema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    // The on-screen parse runs on a copy of the schema that is gone when it returns.
    CKTLexBlockChain screen;
    ASSERT_TRUE(schema->RunOnScreen(cursor, 1, 40, screen));
    std::string described = Describe(screen);
    schema.Release();
    EXPECT_EQ(Describe(screen), described);
    std::thread([&] { screen.clear(); }).join();
}

TEST(LexBlockPool, BlocksComeBackFromAnotherThreadWhileTheSchemaParses)
{
    auto schema = LoadTestSchema("schemes/c.scheme");
    CTestText text(GenerateCText(400, 3));
    CBlockKeeper keeper;
    schema->SetEventSink(&keeper);
    for (int pass = 0; pass < 20; ++pass)
    {
        CKTSyntaxEditLexCursor cursor(text);
        schema->RunParseUpdate(true, cursor, nullptr, nullptr, true);
        CKTLexBlockChain announced;
        announced.swap(keeper.m_blocks);
        // The next pass drops these from the chain while the other thread lets go of them.
        std::thread release([blocks = std::move(announced)]() mutable { blocks.clear(); });
        CKTSyntaxEditLexCursor again(text);
        schema->RunParseUpdate(true, again, nullptr, nullptr, false);
        release.join();
    }
    schema->SetEventSink(nullptr);
    auto fresh = LoadTestSchema("schemes/c.scheme");
    CKTSyntaxEditLexCursor cursor(text);
    fresh->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    EXPECT_EQ(schema->GetBlocks(), fresh->GetBlocks());
}

}  // namespace
