// Real files through CFile and CStdioFile, and memory files through CMemFile.
#include "afx.h"
#include "test_support.h"

TEST(CFileTest, MissingFileGivesFileNotFound)
{
    TempFolder folder;
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(folder.Path("missing.bin"), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_NE(-1, error.m_lOsError);
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);

    CFileException* e =
        CaughtException<CFileException>([&] { CFile opened(folder.Path("missing.bin"), CFile::modeRead); });
    ASSERT_NE(nullptr, e);
    EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
    EXPECT_NE(-1, e->m_strFileName.Find("missing.bin"));
    char szMessage[256];
    EXPECT_TRUE(e->GetErrorMessage(szMessage, sizeof(szMessage)));
    EXPECT_NE(nullptr, std::strstr(szMessage, "could not be found"));
    e->Delete();
}

TEST(CFileTest, MissingFolderGivesBadPath)
{
    TempFolder folder;
    CString strPath = folder.Path("no-such-folder");
#ifdef _WIN32
    strPath += "\\file.txt";
#else
    strPath += "/file.txt";
#endif
    EXPECT_EQ(CFileException::badPath,
              ThrownCause<CFileException>([&] { CFile file(strPath, CFile::modeCreate | CFile::modeWrite); }));
}

TEST(CFileTest, FolderCannotBeOpenedAsAFile)
{
    TempFolder folder;
    CString strFolder = folder.Path("");
    strFolder.TrimRight("/\\");
    EXPECT_EQ(CFileException::accessDenied,
              ThrownCause<CFileException>([&] { CFile file(strFolder, CFile::modeRead); }));
}

TEST(CFileTest, WriteReadSeekAndLength)
{
    TempFolder folder;
    CString strPath = folder.Path("data.bin");
    {
        CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
        file.Write("0123456789", 10);
        EXPECT_EQ(10u, file.GetPosition());
        file.Seek(2, CFile::begin);
        file.Write("ab", 2);
        EXPECT_EQ(10u, file.GetLength());
        EXPECT_EQ(CString("data.bin"), file.GetFileName());
        EXPECT_EQ(CString("data"), file.GetFileTitle());
    }
    EXPECT_EQ("01ab456789", folder.ReadBytes("data.bin"));

    CFile file(strPath, CFile::modeRead);
    char buffer[16] = {};
    EXPECT_EQ(4u, file.Read(buffer, 4));
    EXPECT_STREQ("01ab", buffer);
    EXPECT_EQ(8u, file.Seek(4, CFile::current));
    EXPECT_EQ(2u, file.Read(buffer, 16));  // only two bytes are left
    EXPECT_EQ(0u, file.Read(buffer, 16));
    EXPECT_EQ(7u, file.Seek(-3, CFile::end));
    EXPECT_EQ(CFileException::badSeek, ThrownCause<CFileException>([&] { file.Seek(-20, CFile::begin); }));
    EXPECT_EQ(10u, file.SeekToEnd());
    file.Close();
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);
}

TEST(CFileTest, CreateTruncatesUnlessNoTruncate)
{
    TempFolder folder;
    folder.WriteBytes("keep.txt", "old content");
    {
        CFile file(folder.Path("keep.txt"), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(11u, file.GetLength());
        file.SetLength(3);
    }
    EXPECT_EQ("old", folder.ReadBytes("keep.txt"));
    {
        CFile file(folder.Path("keep.txt"), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(0u, file.GetLength());
    }
    EXPECT_EQ("", folder.ReadBytes("keep.txt"));
}

TEST(CFileTest, StatusRenameAndRemove)
{
    TempFolder folder;
    folder.WriteBytes("a.txt", "12345");
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(folder.Path("a.txt"), status));
    EXPECT_EQ(5u, status.m_size);
    EXPECT_EQ(0, status.m_attribute & CFile::directory);
    EXPECT_GT(status.m_mtime.GetYear(), 2000);
    EXPECT_NE(nullptr, std::strstr(status.m_szFullName, "a.txt"));
    CFile::Rename(folder.Path("a.txt"), folder.Path("b.txt"));
    EXPECT_FALSE(CFile::GetStatus(folder.Path("a.txt"), status));
    CFile::Remove(folder.Path("b.txt"));
    EXPECT_FALSE(CFile::GetStatus(folder.Path("b.txt"), status));
    EXPECT_EQ(CFileException::fileNotFound, ThrownCause<CFileException>([&] { CFile::Remove(folder.Path("b.txt")); }));
}

TEST(CStdioFileTest, ReadsLinesEndedByCrLfAndLf)
{
    TempFolder folder;
    folder.WriteBytes("lines.txt", "first\r\nsecond\nthird\r\n\r\nlast");
    CStdioFile file(folder.Path("lines.txt"), CFile::modeRead | CFile::typeText);
    CString line;
    std::vector<CString> lines;
    while (file.ReadString(line))
        lines.push_back(line);
    EXPECT_EQ((std::vector<CString>{"first", "second", "third", "", "last"}), lines);
    EXPECT_FALSE(file.ReadString(line));
}

TEST(CStdioFileTest, LongLinesAndBinaryMode)
{
    TempFolder folder;
    std::string longLine(1000, 'q');
    folder.WriteBytes("long.txt", longLine + "\nx");
    CStdioFile file(folder.Path("long.txt"), CFile::modeRead | CFile::typeBinary);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(1000, line.GetLength());
    char buffer[8];
    EXPECT_STREQ("x", file.ReadString(buffer, sizeof(buffer)));
    EXPECT_EQ(nullptr, file.ReadString(buffer, sizeof(buffer)));
}

TEST(CStdioFileTest, WritesAndSeeks)
{
    TempFolder folder;
    {
        CStdioFile file(folder.Path("out.txt"), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        file.WriteString("alpha\n");
        file.WriteString("beta\n");
        EXPECT_EQ(11u, file.GetLength());
        EXPECT_EQ(11u, file.GetPosition());
    }
    EXPECT_EQ("alpha\nbeta\n", folder.ReadBytes("out.txt"));
    {
        CStdioFile file(folder.Path("out.txt"),
                        CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite | CFile::typeBinary);
        file.WriteString("gamma\n");  // appends
    }
    EXPECT_EQ("alpha\nbeta\ngamma\n", folder.ReadBytes("out.txt"));
    CStdioFile file(folder.Path("out.txt"), CFile::modeRead | CFile::typeBinary);
    file.Seek(6, CFile::begin);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ("beta", line);
}

#ifdef _WIN32
TEST(CStdioFileTest, TextModeWritesCrLfOnWindows)
{
    TempFolder folder;
    {
        CStdioFile file(folder.Path("text.txt"), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("one\ntwo\n");
    }
    EXPECT_EQ("one\r\ntwo\r\n", folder.ReadBytes("text.txt"));
}
#endif

TEST(CStdioFileTest, MissingFileThrows)
{
    TempFolder folder;
    EXPECT_EQ(CFileException::fileNotFound,
              ThrownCause<CFileException>([&] { CStdioFile file(folder.Path("none.txt"), CFile::modeRead); }));
}

TEST(CMemFileTest, GrowsReadsAndSeeks)
{
    CMemFile file(4);
    file.Write("hello", 5);
    file.Write(" world", 6);
    EXPECT_EQ(11u, file.GetLength());
    file.SeekToBegin();
    char buffer[32] = {};
    EXPECT_EQ(11u, file.Read(buffer, sizeof(buffer)));
    EXPECT_STREQ("hello world", buffer);
    file.Seek(15, CFile::begin);
    file.Write("!", 1);  // the gap reads as zeros
    EXPECT_EQ(16u, file.GetLength());
    file.Seek(11, CFile::begin);
    char gap[5];
    EXPECT_EQ(5u, file.Read(gap, 5));
    EXPECT_EQ(0, std::memcmp(gap, "\0\0\0\0!", 5));
    EXPECT_EQ(CFileException::badSeek, ThrownCause<CFileException>([&] { file.Seek(-1, CFile::begin); }));
}

TEST(CMemFileTest, FixedBufferDoesNotGrow)
{
    BYTE buffer[4] = {1, 2, 3, 4};
    CMemFile file(buffer, sizeof(buffer));
    EXPECT_EQ(4u, file.GetLength());
    BYTE b = 0;
    file.Seek(3, CFile::begin);
    EXPECT_EQ(1u, file.Read(&b, 1));
    EXPECT_EQ(4, b);
    EXPECT_EQ(0u, file.Read(&b, 1));
    EXPECT_EQ(CFileException::diskFull, ThrownCause<CFileException>([&] { file.Write("x", 1); }));
    EXPECT_EQ(buffer, file.Detach());
}
