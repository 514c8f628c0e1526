// Replacing a file on a disk that fills up: the failure names the file and says the disk is full, the old
// file stays, and no failure is ever worded as the system's "Success".
#include "project/AtomicFile.h"
#include "project/SystemError.h"
#include "TestFolder.h"
#include "WriterFaults.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

namespace
{

// An error left over from an earlier call, which is not the reason a later write stops short.
void SetEarlierError()
{
    errno = EACCES;
#ifdef _WIN32
    SetLastError(ERROR_ACCESS_DENIED);
#endif
}

class AtomicFileTest : public ::testing::Test
{
protected:
    CTestFolder m_folder{"atomic_file"};
    const std::string m_path = m_folder.Path("P_api_demo.c");
    const std::string m_old = "the old generation\r\n";

    void SetUp() override { ASSERT_TRUE(m_folder.Write("P_api_demo.c", m_old)); }

    // Checks the failure's words and that the old file is kept whole with nothing beside it.
    void ExpectFullDiskFailure(bool replaced, const CString& error) const
    {
        EXPECT_FALSE(replaced);
        EXPECT_EQ("cannot write " + m_path + " while replacing it: the disk is full", std::string(error));
        EXPECT_EQ(m_old, m_folder.Read("P_api_demo.c"));
        EXPECT_FALSE(std::filesystem::exists(m_path + ".tmp"));
    }
};

}  // namespace

TEST_F(AtomicFileTest, AFullDiskNamesTheFileSaysSoAndKeepsTheOldFile)
{
    const std::string text(3000, 'x');
    for (const Full full : {Full::ShortWithNoError, Full::WithError})
        for (const long long room : {0LL, 1000LL})
        {
            SCOPED_TRACE("room " + std::to_string(room));
            CString error;
            SetEarlierError();
            CStandInDisk disk(Filling(room, full));
            ExpectFullDiskFailure(ReplaceFileContents(m_path.c_str(), text.data(), text.size(), &error), error);
        }
}

// Big contents are written a block at a time: the disk may fill at any of them.
TEST_F(AtomicFileTest, AFullDiskInTheMiddleOfABigFileIsNamedTheSameWay)
{
    const std::string piece(kPieceBlockSize / 3, 'y');
    const auto produce = [&](const PieceWriter& write, CString*)
    {
        for (int i = 0; i < 10; i++)
            write(piece.data(), piece.size());
        return true;
    };
    CString error;
    CStandInDisk disk(Filling(static_cast<long long>(kPieceBlockSize) * 2 + 5, Full::ShortWithNoError));
    ExpectFullDiskFailure(ReplaceFileInPieces(m_path.c_str(), produce, &error), error);
}

TEST(SystemError, AFailureWithNoErrorSetIsNeverWordedAsSuccess)
{
    const std::string text(SystemErrorText(0));
    EXPECT_EQ("the system gave no reason", text);
    errno = 0;
#ifdef _WIN32
    SetLastError(ERROR_SUCCESS);
#endif
    EXPECT_EQ(text, std::string(LastSystemErrorText()));
    EXPECT_EQ(std::string::npos, std::string(SystemErrorText(ENOSPC)).find("Success"));
}
