// Replacing a file on a disk that fills up: the failure names the file and says the disk is full, the old
// file stays, and no failure is ever worded as the system's "Success". A group of files is replaced
// whole or not at all.
#include "project/AtomicFile.h"
#include "project/FileWrite.h"
#include "project/SystemError.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{

// Bytes the stand-in disk still takes; negative: as many as the real disk takes.
long long g_room = -1;
// How the stand-in's write fails once the room is used up.
enum class Full
{
    ShortWithNoError,  // as Wine's writes do: fewer bytes, no system error (its C library says EINVAL)
    WithError,         // the system's own disk-full error
} g_full = Full::ShortWithNoError;

// A disk with g_room bytes left, for the length of one test.
class FullDisk
{
public:
    FullDisk(long long room, Full full)
    {
        g_room = room;
        g_full = full;
    }
    ~FullDisk() { g_room = -1; }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
};

void SetDiskFullError()
{
    errno = ENOSPC;
#ifdef _WIN32
    SetLastError(ERROR_DISK_FULL);
#endif
}

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

// Stands in for the writer's call to the disk; without a FullDisk it is the disk.
std::size_t WriteToFile(std::FILE* file, const void* data, std::size_t size)
{
    if (g_room < 0)
        return std::fwrite(data, 1, size, file);
    const std::size_t fits = std::min<std::size_t>(size, static_cast<std::size_t>(g_room));
    const std::size_t written = std::fwrite(data, 1, fits, file);
    g_room -= static_cast<long long>(written);
    if (written == size)
        return written;
    if (g_full == Full::WithError)
        SetDiskFullError();
#ifdef _WIN32
    else
        errno = EINVAL;
#endif
    return written;
}

TEST_F(AtomicFileTest, AFullDiskNamesTheFileSaysSoAndKeepsTheOldFile)
{
    const std::string text(3000, 'x');
    for (const Full full : {Full::ShortWithNoError, Full::WithError})
        for (const long long room : {0LL, 1000LL})
        {
            SCOPED_TRACE("room " + std::to_string(room));
            CString error;
            SetEarlierError();
            FullDisk disk(room, full);
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
    FullDisk disk(static_cast<long long>(kPieceBlockSize) * 2 + 5, Full::ShortWithNoError);
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

namespace
{

// Three files of a group: the first two have an old generation, the last is new.
class FileGroupTest : public ::testing::Test
{
protected:
    CTestFolder m_folder{"file_group"};
    const std::vector<std::string> m_names = {"G_api.h", "G_api.c", "G_api_demo.c"};
    const std::vector<std::string> m_new = {std::string(300, 'h'), std::string(500, 'c'), std::string(700, 'd')};

    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Write(m_names[0], "old header"));
        ASSERT_TRUE(m_folder.Write(m_names[1], "old source"));
    }
    std::string PathOf(std::size_t i) const { return m_folder.Path(m_names[i]); }
    bool Replace(CString* error) const
    {
        std::vector<NewFileContents> files;
        for (std::size_t i = 0; i < m_names.size(); i++)
            files.push_back({PathOf(i).c_str(), ContentsOf(m_new[i].data(), m_new[i].size())});
        return ReplaceFilesTogether(files, error);
    }
    // Every file as it was before the group, and nothing but them in the folder.
    void ExpectAllOld() const
    {
        EXPECT_EQ("old header", m_folder.Read(m_names[0]));
        EXPECT_EQ("old source", m_folder.Read(m_names[1]));
        EXPECT_FALSE(std::filesystem::exists(PathOf(2))) << "a file the group made is gone again";
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path()))
        {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == m_names[0] || name == m_names[1]) << name << " left behind";
        }
    }
};

#ifdef _WIN32
// Another program holding the file open without sharing: Windows refuses to move it or over it.
class CReplaceRefused
{
public:
    CReplaceRefused(const std::string& path, bool /*last*/)
        : m_hFile(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
        EXPECT_NE(INVALID_HANDLE_VALUE, m_hFile);
    }
    ~CReplaceRefused() { ::CloseHandle(m_hFile); }
    CReplaceRefused(const CReplaceRefused&) = delete;
    CReplaceRefused& operator=(const CReplaceRefused&) = delete;

private:
    HANDLE m_hFile;
};
#else
// A folder where the old file would be set aside, or, for the last file, which is replaced in one step,
// where it goes: a rename onto a folder that is not empty is refused.
class CReplaceRefused
{
public:
    CReplaceRefused(const std::string& path, bool last)
        : m_blocker(last ? path : std::string(SetAsidePathOf(path.c_str())))
    {
        std::filesystem::create_directories(m_blocker / "inside");
    }
    ~CReplaceRefused() { std::filesystem::remove_all(m_blocker); }
    CReplaceRefused(const CReplaceRefused&) = delete;
    CReplaceRefused& operator=(const CReplaceRefused&) = delete;

private:
    std::filesystem::path m_blocker;
};
#endif

}  // namespace

TEST_F(FileGroupTest, AGroupIsReplacedWholeWithNothingLeftBeside)
{
    CString error;
    ASSERT_TRUE(Replace(&error)) << error;
    for (std::size_t i = 0; i < m_names.size(); i++)
        EXPECT_EQ(m_new[i], m_folder.Read(m_names[i]));
    EXPECT_EQ(
        3, std::distance(std::filesystem::directory_iterator(m_folder.Path()), std::filesystem::directory_iterator()));
}

// Before, each file was replaced as it came and the first failure stopped the rest: a new header beside
// old sources.
TEST_F(FileGroupTest, TheDiskFillingAtAnyFileLeavesEveryFileAsItWasAndNamesIt)
{
    long long before = 0;
    for (std::size_t i = 0; i < m_names.size(); i++)
    {
        SCOPED_TRACE(m_names[i]);
        CString error;
        {
            FullDisk disk(before + 10, Full::ShortWithNoError);
            EXPECT_FALSE(Replace(&error));
        }
        EXPECT_EQ("cannot write " + PathOf(i) + " while replacing it: the disk is full", std::string(error));
        ExpectAllOld();
        before += static_cast<long long>(m_new[i].size());
    }
}

// The files before the refused one were already in place: they get their old contents back.
TEST_F(FileGroupTest, AReplaceRefusedAtAnyFilePutsBackThoseAlreadyReplaced)
{
    for (std::size_t i = 0; i < m_names.size(); i++)
    {
        SCOPED_TRACE(m_names[i]);
        CString error;
        {
            CReplaceRefused refused(PathOf(i), i + 1 == m_names.size());
            EXPECT_FALSE(Replace(&error));
            EXPECT_EQ(0, std::string(error).find("cannot replace " + PathOf(i) + ": ")) << error;
            EXPECT_EQ(std::string::npos, std::string(error).find(".tmp")) << error;
        }
        if (i + 1 == m_names.size())
            std::filesystem::remove(PathOf(i));  // what held its place
        ExpectAllOld();
    }
}

namespace
{

// What a kill leaves of a group of three old files being replaced, the files named h, c and d: at each
// point of writing the temporaries, placing the files, settling and putting them back after a failure.
struct KilledAt
{
    const char* where;
    std::vector<std::string> files;  // name=contents; "x.tmp" and "x.tmo" stand for the temporary and set-aside
    bool allNew;                     // the group was all in
};

const std::vector<KilledAt> kKillPoints = {
    {"writing the first temporary", {"h=old h", "c=old c", "d=old d", "h.tmp=ne"}, false},
    {"writing the last temporary", {"h=old h", "c=old c", "d=old d", "h.tmp=new h", "c.tmp=new c", "d.tmp=ne"}, false},
    {"setting the first aside",
     {"h.tmo=old h", "c=old c", "d=old d", "h.tmp=new h", "c.tmp=new c", "d.tmp=new d"},
     false},
    {"after the first is in", {"h=new h", "h.tmo=old h", "c=old c", "d=old d", "c.tmp=new c", "d.tmp=new d"}, false},
    {"setting the second aside",
     {"h=new h", "h.tmo=old h", "c.tmo=old c", "d=old d", "c.tmp=new c", "d.tmp=new d"},
     false},
    {"after the second is in", {"h=new h", "h.tmo=old h", "c=new c", "c.tmo=old c", "d=old d", "d.tmp=new d"}, false},
    {"after the last is in", {"h=new h", "h.tmo=old h", "c=new c", "c.tmo=old c", "d=new d"}, true},
    {"settling", {"h=new h", "c=new c", "c.tmo=old c", "d=new d"}, true},
    {"putting the files back", {"h=new h", "h.tmo=old h", "c=old c", "d=old d", "d.tmp=ne"}, false},
    {"removing the temporaries of a failed group", {"h=old h", "c=old c", "d=old d", "c.tmp=new c"}, false},
};

class RecoveryTest : public ::testing::Test
{
protected:
    CTestFolder m_folder{"group_recovery"};

    void Plant(const std::vector<std::string>& files) const
    {
        for (const std::string& file : files)
        {
            const std::size_t equals = file.find('=');
            ASSERT_TRUE(m_folder.Write(file.substr(0, equals), file.substr(equals + 1)));
        }
    }
    void Recover() const
    {
        std::vector<CString> paths;
        for (const char* name : {"h", "c", "d"})
            paths.push_back(m_folder.Path(name).c_str());
        RecoverFilesTogether(paths);
    }
    // The names in the folder, each with its contents.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> entries;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path()))
        {
            const std::string name = entry.path().filename().string();
            entries.push_back(name + "=" + m_folder.Read(name));
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    }
};

}  // namespace

// Before, a set-aside file went back only where its file was missing: killed after the first file was
// in, the next open kept the new header beside the old sources.
TEST_F(RecoveryTest, AGroupCutOffAtAnyPointIsMadeAllOldOrAllNew)
{
    for (const KilledAt& kill : kKillPoints)
    {
        SCOPED_TRACE(kill.where);
        std::filesystem::remove_all(m_folder.Path());
        std::filesystem::create_directories(m_folder.Path());
        Plant(kill.files);
        Recover();
        std::vector<std::string> entries = Entries();
        // Left with the group all in: it may be the old file a failure message named.
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [&](const std::string& entry)
                                     { return kill.allNew && entry.find(".tmo=old") != std::string::npos; }),
                      entries.end());
        const std::string age = kill.allNew ? "new" : "old";
        EXPECT_EQ((std::vector<std::string>{"c=" + age + " c", "d=" + age + " d", "h=" + age + " h"}), entries);
    }
}

// Before, the set-aside files were "<file>.old", as users name their own copies: Generate replaced and
// then removed such a copy, and every open removed it beside its file. An old file a failure left aside
// and named stays until it is no longer needed.
TEST_F(RecoveryTest, TheUsersCopiesAndAnOldFileAFailureNamedAreKept)
{
    Plant({"h=old h", "c=old c", "h.old=the user's", "c.old=the user's", "d.tmo=old d", "d=new d", "c.tmo=old c"});
    Recover();
    EXPECT_EQ((std::vector<std::string>{"c.old=the user's", "c=old c", "d.tmo=old d", "d=new d", "h.old=the user's",
                                        "h=old h"}),
              Entries())
        << "c.tmo held what c does: no longer needed";

    const std::string header(300, 'h'), source(500, 'c');
    CString error;
    EXPECT_TRUE(ReplaceFilesTogether({{m_folder.Path("h").c_str(), ContentsOf(header.data(), header.size())},
                                      {m_folder.Path("c").c_str(), ContentsOf(source.data(), source.size())}},
                                     &error))
        << error;
    EXPECT_EQ((std::vector<std::string>{"c.old=the user's", "c=" + source, "d.tmo=old d", "d=new d", "h.old=the user's",
                                        "h=" + header}),
              Entries());
}

// A group whose set-aside name is taken is refused before anything is touched, so the old file there
// is never replaced.
TEST_F(RecoveryTest, AGroupWhoseOldFileWouldReplaceOneAlreadyAsideIsRefused)
{
    Plant({"h=old h", "c=old c", "h.tmo=older h"});
    const std::string header(300, 'h'), source(500, 'c');
    CString error;
    EXPECT_FALSE(ReplaceFilesTogether({{m_folder.Path("h").c_str(), ContentsOf(header.data(), header.size())},
                                       {m_folder.Path("c").c_str(), ContentsOf(source.data(), source.size())}},
                                      &error));
    EXPECT_EQ("cannot replace " + m_folder.Path("h") + ": " + m_folder.Path("h.tmo") +
                  " already holds an old copy of it",
              std::string(error));
    EXPECT_EQ((std::vector<std::string>{"c=old c", "h.tmo=older h", "h=old h"}), Entries());
}
