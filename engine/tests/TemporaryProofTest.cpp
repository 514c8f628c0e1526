// A temporary is the run's only where the record's proofs of its bytes say so: what the run wrote goes at the
// opening, and what the user put at that name stays.
#include "project/AtomicFile.h"
#include "project/RunRecord.h"
#include "project/RunRepair.h"
#include "RecoveryTest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace
{

// A small text's length, and where a big one's first proofs reach 4 KiB.
const std::size_t kFourKiB = 4096;

}  // namespace

// The record proves a file by a sum of its bytes made as the writer gives them, in pieces of any size, and
// again as recovery reads the file in blocks of its own: a big header cut off before the run was placed is
// known for the run's, and goes.
TEST_F(RecoveryTest, ABigFileWrittenInOddPiecesIsKnownForTheRunsByItsBytes)
{
    Plant({"h=old h"});
    std::string text;
    for (int i = 0; text.size() < 3 * kPieceBlockSize + 7; i++)
        text += "line " + std::to_string(i) + " of the new header\n";
    const auto produce = [&text](const PieceWriter& write, CString*)
    {
        for (std::size_t at = 0; at < text.size(); at += 12345)
            write(text.data() + at, std::min<std::size_t>(12345, text.size() - at));
        return true;
    };
    DiskFaults placing;
    placing.killedLine = "placed";
    {
        CStandInDisk disk(placing);
        CString error;
        EXPECT_THROW(ReplaceFilesTogether({{m_folder.Path("h").c_str(), produce}}, &error), Killed);
    }
    ASSERT_EQ(text, m_folder.Read("h"));
    Recover();
    EXPECT_EQ(std::vector<std::string>{"h=old h"}, Entries());
}

// Before, a temporary a kill cut off within a block matched no proof, and was left for the user: every later
// Generate said it was in the way. Each block is announced with the size and sum the file will have after
// it: a temporary whose bytes begin as the last block proven and end before the next is the run's, and goes.
// Before too, any file no longer than the first 4 KiB was the run's by its size alone, a user's made at the
// name after a kill within them included: the first blocks grow from a byte, and a short file goes only where
// its bytes begin as a block proven.
TEST_F(RecoveryTest, ATemporaryCutOffWithinABlockIsKnownForTheRunsAndGoes)
{
    const std::string block(kPieceBlockSize, 'b');
    const auto produce = [&block](const PieceWriter& write, CString*)
    {
        for (int i = 0; i < 3; i++)
            write(block.data(), block.size());
        return true;
    };
    // The writes: the first piece in blocks each as long as all before it, then a piece each.
    std::vector<std::size_t> writes{1};
    for (std::size_t written = 1; written < kPieceBlockSize; written *= 2)
        writes.push_back(written);
    writes.insert(writes.end(), {kPieceBlockSize, kPieceBlockSize});
    for (std::size_t cutIn = 2; cutIn <= writes.size(); cutIn++)
        for (const bool usersSince : {false, true})
        {
            SCOPED_TRACE("cut off within write " + std::to_string(cutIn) + (usersSince ? ", the user's since" : ""));
            Reset();
            Plant({"h=old h"});
            {
                CStandInDisk disk(KillingAt(Step::Write, static_cast<int>(cutIn)));
                CString error;
                EXPECT_THROW(ReplaceFilesTogether({{m_folder.Path("h").c_str(), produce}}, &error), Killed);
            }
            std::size_t cutAt = writes[cutIn - 1] / 2;
            for (std::size_t i = 0; i + 1 < cutIn; i++)
                cutAt += writes[i];
            ASSERT_EQ(cutAt, std::filesystem::file_size(m_folder.Path("h.tmp")));
            // As long, the user's bytes are not the run's once they differ from the last block proven.
            const std::string users = usersSince ? std::string(cutAt, 'u') : "";
            if (usersSince)
                Plant({"h.tmp=" + users});
            Recover();
            if (usersSince)
                EXPECT_EQ((std::vector<std::string>{"h.tmp=" + users, "h=old h"}), Entries());
            else
                EXPECT_EQ(std::vector<std::string>{"h=old h"}, Entries());
        }
}

// Before, a text given in one piece was announced whole in its first block: a user's file made at the
// temporary's name after a kill within it, as long or shorter, counted as the run's and was removed.
TEST_F(RecoveryTest, AUsersFileLongerThanTheFirstBlockAtTheTemporarysNameIsKeptAfterAKillInAOnePieceText)
{
    const std::string text(16 * kFourKiB, 't');
    const std::string users(8 * kFourKiB, 'u');
    for (const int cutIn : {1, 2})
    {
        SCOPED_TRACE("cut off within write " + std::to_string(cutIn));
        Reset();
        Plant({"big_api_demo.c=old demo"});
        {
            CStandInDisk disk(KillingAt(Step::Write, cutIn));
            CString error;
            EXPECT_THROW(ReplaceFileContents(m_folder.Path("big_api_demo.c").c_str(), text.data(), text.size(), &error),
                         Killed);
        }
        Plant({"big_api_demo.c.tmp=" + users});
        const CString at = RecordPathIn(m_folder.Path().c_str());
        const std::string said(RecoveryText(at, RecoverInterruptedRun(m_folder.Path().c_str())));
        EXPECT_EQ((std::vector<std::string>{"big_api_demo.c.tmp=" + users, "big_api_demo.c=old demo"}), Entries());
        EXPECT_NE(std::string::npos, said.find(m_folder.Path("big_api_demo.c.tmp"))) << said;
    }
}

namespace
{

// The writes of the first 4 KiB, from one byte, each as long as all before it.
int WritesOfTheFirstBlocks()
{
    int writes = 1;
    for (std::size_t written = 1; written < kFourKiB; written *= 2)
        writes++;
    return writes;
}

// A run killed once it wrote the first 4 KiB of text, given in one piece, at path: as this designer writes it,
// cut off within the write after them, or as an earlier one left it, the rest of the text announced as one block
// (its temporary is the user's to plant).
void KillAfterTheFirstBlock(const std::string& path, const std::string& text, bool earlier)
{
    if (!earlier)
    {
        CStandInDisk disk(KillingAt(Step::Write, WritesOfTheFirstBlocks() + 1));
        CString error;
        EXPECT_THROW(ReplaceFileContents(path.c_str(), text.data(), text.size(), &error), Killed);
        return;
    }
    CRunRecord record;
    RunContents run;
    ASSERT_EQ(CRunRecord::Opened::Held, record.Create(RecordPathOf(path.c_str())));
    CContentSum first, whole;
    first.Add(text.data(), kFourKiB);
    whole.Add(text.data(), text.size());
    ASSERT_TRUE(record.Note(RunStep::Old, path.c_str(), &run));
    ASSERT_TRUE(record.Note(RunStep::Wrote, path.c_str(), &run, first.Proof()));
    ASSERT_TRUE(record.Note(RunStep::Wrote, path.c_str(), &run, whole.Proof()));
    std::ofstream(path + ".tmo", std::ios::binary);
}

}  // namespace

// Before, a text given in one piece was announced as its small first block and then the rest as one: killed after
// the first 4 KiB, a file the user put at the temporary's name that began with them, as a copy of an earlier
// generation does, was the run's however long, and was removed. Bytes no proof covers reach a block at most,
// under an earlier designer's record too: the user's file, longer, is kept and named, and the run's own goes.
TEST_F(RecoveryTest, AUsersFileBeginningWithABigOnePieceTextsFirstBlockIsKeptAfterAKill)
{
    std::string text;
    for (int i = 0; text.size() < 3 * kPieceBlockSize; i++)
        text += "int big_" + std::to_string(i) + "(void);\n";
    const std::string users = text.substr(0, 2 * kPieceBlockSize) + "int the_users_own(void) { return 1; }\n";
    const std::string path = m_folder.Path("big_api.c");
    for (const bool earlier : {false, true})
        for (const bool usersSince : {false, true})
        {
            // An earlier designer's temporary cut off past a block cannot be told from a user's, and is left.
            if (earlier && !usersSince)
                continue;
            SCOPED_TRACE(std::string(earlier ? "an earlier designer's record" : "this designer's run") +
                         (usersSince ? ", the user's file since" : ""));
            Reset();
            Plant({"big_api.c=old source"});
            KillAfterTheFirstBlock(path, text, earlier);
            if (usersSince)
                Plant({"big_api.c.tmp=" + users});
            const std::string said(
                RecoveryText(RecordPathIn(m_folder.Path().c_str()), RecoverInterruptedRun(m_folder.Path().c_str())));
            EXPECT_EQ("old source", m_folder.Read("big_api.c"));
            EXPECT_EQ(usersSince, std::filesystem::exists(path + ".tmp"));
            EXPECT_TRUE(!usersSince || m_folder.Read("big_api.c.tmp") == users) << "the user's file is changed";
            EXPECT_EQ(usersSince, said.find(path + ".tmp") != std::string::npos) << said;
            EXPECT_EQ(usersSince ? 2u : 1u, Entries().size());
        }
}

// Before, bytes past the last proof reached the next announced size, up to a megabyte: killed after the first
// 4 KiB, a user's file at the temporary's name made of them and 300 KiB of the user's own was the run's, and
// was removed. The writer announces small blocks throughout, so the run's own cut-off temporary still goes.
TEST_F(RecoveryTest, AUsersFileEndingWithinAMegabytePastTheLastProofIsKeptAfterAKill)
{
    std::string text;
    for (int i = 0; text.size() < 2 * kPieceBlockSize + 3 * kFourKiB; i++)
        text += "int small_" + std::to_string(i) + "(void);\n";
    const std::string users = text.substr(0, kFourKiB) + std::string(300 * 1024, 'u');
    const std::string path = m_folder.Path("small_api.c");
    for (const bool usersSince : {false, true})
    {
        SCOPED_TRACE(usersSince ? "the user's file since" : "the run's own temporary");
        Reset();
        Plant({"small_api.c=old source"});
        KillAfterTheFirstBlock(path, text, false);
        if (usersSince)
            Plant({"small_api.c.tmp=" + users});
        const std::string said(Opening());
        EXPECT_EQ("old source", m_folder.Read("small_api.c"));
        EXPECT_EQ(usersSince, std::filesystem::exists(path + ".tmp"));
        EXPECT_TRUE(!usersSince || m_folder.Read("small_api.c.tmp") == users) << "the user's file is changed";
        EXPECT_EQ(usersSince, said.find(path + ".tmp") != std::string::npos) << said;
    }
}

// Before, past the first 4 KiB the rest of the piece was announced as one block, up to 64 KiB: killed after the
// first 4 KiB, a user's file at the temporary's name that began with them, as an earlier generation's copy does,
// was the run's up to 68 KiB long, and was removed. Under this designer's record or an earlier one's, bytes no
// proof covers are never more than those proven: a user's file more than twice as long as the last proof stays,
// and the run's own cut-off temporary goes.
TEST_F(RecoveryTest, AUsersFileUpToAPiecePastTheFirst4KiBIsKeptAfterAKill)
{
    const std::string path = m_folder.Path("sensor_api.c");
    for (const std::size_t length : {std::size_t(30720), 100 * std::size_t(1024)})
    {
        std::string text;
        for (int i = 0; text.size() < length; i++)
            text += "int sensor_" + std::to_string(i) + "(void);\n";
        text.resize(length);
        {
            SCOPED_TRACE(std::to_string(length) + " bytes of text, the run's own temporary");
            Reset();
            Plant({"sensor_api.c=old source"});
            KillAfterTheFirstBlock(path, text, false);
            Opening();
            EXPECT_EQ(std::vector<std::string>{"sensor_api.c=old source"}, Entries());
        }
        for (const std::size_t kib : {9, 16, 27, 40, 64, 68})
            for (const bool earlier : {false, true})
            {
                SCOPED_TRACE(std::to_string(length) + " bytes of text, the user's " + std::to_string(kib) + " KiB" +
                             (earlier ? ", an earlier designer's record" : ""));
                Reset();
                Plant({"sensor_api.c=old source"});
                KillAfterTheFirstBlock(path, text, earlier);
                const std::string users = text.substr(0, kFourKiB) + std::string(kib * 1024 - kFourKiB, 'u');
                Plant({"sensor_api.c.tmp=" + users});
                const std::string said(Opening());
                EXPECT_EQ("old source", m_folder.Read("sensor_api.c"));
                const bool kept = std::filesystem::exists(path + ".tmp");
                EXPECT_TRUE(kept) << said;
                EXPECT_TRUE(!kept || m_folder.Read("sensor_api.c.tmp") == users) << "the user's file is changed";
                EXPECT_NE(std::string::npos, said.find(path + ".tmp")) << said;
            }
    }
}

// Before, the bytes up to any proof the record announced let a temporary reach the next: killed a megabyte into a
// big text, a user's file at the temporary's name made of the first 4 KiB every generation shares, or of an
// earlier generation's first half megabyte, and a function of the user's own was the run's, and was removed. A
// kill leaves every byte the run wrote before its last block: only those, up to the proof before the last
// announced, begin the run's own temporary, which still goes.
TEST_F(RecoveryTest, AUsersFileSharingOnlyAnEarlierBlockIsKeptAfterALateKill)
{
    const std::size_t megabyte = std::size_t(1) << 20;
    std::string text;
    for (int i = 0; text.size() < megabyte + kPieceBlockSize; i++)
        text += "int big_" + std::to_string(i) + "(void);\n";
    // The writes up to a megabyte, from one byte, each as long as all before it up to a piece.
    int writes = 1;
    for (std::size_t written = 1; written < megabyte; written += std::min(written, kPieceBlockSize))
        writes++;
    const std::string path = m_folder.Path("big_api.c");
    const std::string own = "int the_users_own(void) { return 1; }\n";
    for (const std::size_t shared : {std::size_t(0), kFourKiB, megabyte / 2})
    {
        SCOPED_TRACE(shared == 0 ? "the run's own temporary" : "the user's file sharing " + std::to_string(shared));
        Reset();
        Plant({"big_api.c=old source"});
        {
            CStandInDisk disk(KillingAt(Step::Write, writes + 1));
            CString error;
            EXPECT_THROW(ReplaceFileContents(path.c_str(), text.data(), text.size(), &error), Killed);
        }
        ASSERT_LT(megabyte, std::filesystem::file_size(path + ".tmp"));
        std::string users = text.substr(0, shared);
        while (shared > 0 && users.size() < shared + 2 * 1024)
            users += own;
        if (shared > 0)
            Plant({"big_api.c.tmp=" + users});
        const std::string said(Opening());
        EXPECT_EQ("old source", m_folder.Read("big_api.c"));
        const bool kept = std::filesystem::exists(path + ".tmp");
        EXPECT_EQ(shared > 0, kept) << said;
        EXPECT_TRUE(!kept || m_folder.Read("big_api.c.tmp") == users) << "the user's file is changed";
        if (shared > 0)
            EXPECT_NE(std::string::npos,
                      said.find("these cannot be proven the run's and were left as they are: " + path + ".tmp"))
                << said;
    }
}
