// Writing edited descriptions back into scheme files.
#include <gtest/gtest.h>

#include <filesystem>

#include "KTLexFiles.h"
#include "KTSyntaxEditSchemaFileManager.h"
#include "TestFolder.h"
#include "KTLexStrings.h"
#include "TestText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{

const char kScheme[] = "// colours\r\n"
                       "lexClass:\r\n"
                       "\tname = one\r\n"
                       "\ttxt:colorFG = 0x112233 // fg\r\n"
                       "\ttxt:Bold = 1\r\n"
                       "\tend:tag = '*/'\r\n"
                       "//:lexClass\r\n"
                       "\r\n"
                       "lexClass:\r\n"
                       "\tname = two\r\n"
                       "\tstart:tag = 'x'\r\n"
                       "//:lexClass\r\n";

KT_EDIT_SCHEMAFILEINFO Property(const std::string& name, const std::string& value)
{
    KT_EDIT_SCHEMAFILEINFO property;
    property.arNameParts = {name.substr(0, name.find(':')), name.substr(name.find(':') + 1)};
    property.arValues = {value};
    return property;
}

// The edits a colour page makes: one colour changed, one property removed
// and one added, one class removed and one added.
CKTSyntaxEditLexClassInfoArray Edit(CKTSyntaxEditLexClassInfoArray infos)
{
    KT_EDIT_LEXCLASSINFO& one = infos.arClasses.at(0);
    one.arProperties.at(0).arValues = {"0x445566"};
    one.arProperties.erase(one.arProperties.begin() + 1);
    one.arProperties.push_back(Property("txt:Italic", "1"));
    infos.arClasses.erase(infos.arClasses.begin() + 1);
    KT_EDIT_LEXCLASSINFO three;
    three.strName = "three";
    three.arProperties.push_back(Property("start:tag", "'y'"));
    infos.arClasses.push_back(three);
    infos.bModified = true;
    return infos;
}

class SchemaWriterTest : public ::testing::Test
{
protected:
    CTestFolder m_folder{"writer"};
    std::string m_path = m_folder.Path("one.scheme");
    CKTSyntaxEditSchemaFileManager& m_manager = CKTSyntaxEditSchemaFileManager::Instance();
};

TEST_F(SchemaWriterTest, MergesEditsAndKeepsWhatWasWrittenByHand)
{
    WriteTestFile(m_path, kScheme);
    CKTSyntaxEditLexClassInfoArray infos;
    ASSERT_TRUE(m_manager.ReadSchemaFile(m_path, true, infos));
    EXPECT_EQ(m_manager.WriteSchemaFile(m_path, Edit(infos)), CKTSyntaxEditSchemaFileManager::ktWritten);
    EXPECT_EQ(ReadTestFile(m_path), "// colours\r\n"
                                    "lexClass:\r\n"
                                    "\tname = one\r\n"
                                    "\ttxt:colorFG = 0x445566 // fg\r\n"
                                    "\tend:tag = '*/'\r\n"
                                    "\ttxt:Italic = 1\r\n"
                                    "//:lexClass\r\n"
                                    "\r\n"
                                    "//:lexClass\r\n"
                                    "\r\n"
                                    "lexClass:\r\n"
                                    "\tname = three\r\n"
                                    "\tstart:tag = 'y'\r\n"
                                    "//:lexClass\r\n");
    EXPECT_FALSE(KTLexFileExists(m_path + ".tmp"));
    CKTSyntaxEditSchemaFileManager::FileRecords records;
    m_manager.CopyFileRecords(records);
    EXPECT_EQ(records.at(ktlex::Lower(m_path)).arClasses.size(), 2u);
}

TEST_F(SchemaWriterTest, UnmodifiedDescriptionsWriteNothing)
{
    WriteTestFile(m_path, kScheme);
    CKTSyntaxEditLexClassInfoArray infos;
    ASSERT_TRUE(m_manager.ReadSchemaFile(m_path, false, infos));
    EXPECT_EQ(m_manager.WriteSchemaFile(m_path, infos), CKTSyntaxEditSchemaFileManager::ktNotModified);
    EXPECT_EQ(ReadTestFile(m_path), kScheme);
}

TEST_F(SchemaWriterTest, ReplacesReadOnlyFilesAndRemovesOldCopies)
{
    WriteTestFile(m_path, kScheme);
    WriteTestFile(m_path + ".old", "stale");
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
#ifdef _WIN32
    SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY);
#endif
    CKTSyntaxEditLexClassInfoArray infos;
    ASSERT_TRUE(m_manager.ReadSchemaFile(m_path, false, infos));
    EXPECT_EQ(m_manager.WriteSchemaFile(m_path, Edit(infos)), CKTSyntaxEditSchemaFileManager::ktWritten);
    EXPECT_NE(ReadTestFile(m_path).find("0x445566"), std::string::npos);
    EXPECT_FALSE(KTLexFileExists(m_path + ".old"));
}

TEST_F(SchemaWriterTest, AFailingReplaceLeavesTheOriginal)
{
    // A folder in the file's place cannot be replaced by a file.
    std::filesystem::create_directories(m_path);
    WriteTestFile(m_path + "/inside", "kept");
    CKTSyntaxEditLexClassInfoArray infos;
    CKTSyntaxEditSchemaFileManager::Instance().ParseSchemaText(kScheme, infos);
    EXPECT_EQ(m_manager.WriteSchemaFile(m_path, Edit(infos)), CKTSyntaxEditSchemaFileManager::ktWriteFailed);
    EXPECT_EQ(ReadTestFile(m_path + "/inside"), "kept");
    EXPECT_FALSE(KTLexFileExists(m_path + ".tmp"));
}

#ifdef _WIN32
TEST_F(SchemaWriterTest, AFailingRenameOverAnOpenFileLeavesTheOriginal)
{
    WriteTestFile(m_path, kScheme);
    HANDLE locked = CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    CKTSyntaxEditLexClassInfoArray infos;
    ASSERT_TRUE(m_manager.ReadSchemaFile(m_path, false, infos));
    EXPECT_EQ(m_manager.WriteSchemaFile(m_path, Edit(infos)), CKTSyntaxEditSchemaFileManager::ktWriteFailed);
    CloseHandle(locked);
    EXPECT_EQ(ReadTestFile(m_path), kScheme);
}
#endif

}  // namespace

namespace
{

// A full path beyond the short buffer is never cut: it comes whole, or the
// path stays as given where the system cannot name it.
TEST(LexFiles, FullPathsLongerThanTheShortBufferAreNotCut)
{
    std::string name;
    for (char c = 'a'; c < 'g'; ++c)
        name += std::string(50, c) + "/";
    name += "x.scheme";
    std::string full = KTLexFullPath(name);
    ASSERT_GE(full.size(), name.size());
    EXPECT_EQ(full.substr(full.size() - 8), "x.scheme");
}

}  // namespace
