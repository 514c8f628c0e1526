// OutOfMemoryTest.cpp: memory running out anywhere in reading a project or generating from it is a clean refusal.
#include "AllocationFault.h"
#include "Generator.h"
#include "SampleDesigns.h"
#include "LeftRecord.h"
#include "TestFolder.h"
#include "project/AtomicFile.h"
#include "project/RunRepair.h"
#include "project/ProjectFile.h"
#include "xml/XmlLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace
{

void IgnoreLine(const char*) {}

// Runs attempt with one allocation refused, later and later until it makes
// no more; each attempt that met the refusal must pass check.
template <class Attempt, class Check>
void FailEachAllocationInTurn(Attempt attempt, Check check)
{
    for (long succeeding = 0;; succeeding += 1 + succeeding / 64)
    {
        bool done = false;
        bool refused = false;
        {
            AllocationFault fault(succeeding);
            done = attempt();
            refused = AllocationFault::Happened();
        }
        if (!refused)
        {
            EXPECT_TRUE(done) << "with enough memory";
            return;
        }
        check(done, succeeding);
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(OutOfMemory, ReadingAProjectRefusesWithItsOwnMessageAndLeavesNothingBehind)
{
    CTestFolder folder("kengine-out-of-memory");
    const std::string path = folder.Path("Large.kvs");
    CString error;
    ASSERT_TRUE(WriteProjectFile(LargeProject(40, 6), path.c_str(), &error)) << error;
    SetXmlLogSink(IgnoreLine);

    ProjectRecord project;
    CString message;
    FailEachAllocationInTurn([&]() { return ReadProjectFile(path.c_str(), &project, &message); },
                             [&](bool read, long succeeding)
                             {
                                 EXPECT_FALSE(read) << succeeding;
                                 EXPECT_EQ(CString("not enough memory to open ") + path.c_str() + "!", message);
                                 EXPECT_STREQ("", project.name);
                                 EXPECT_EQ(0, project.packets.GetSize());
                             });
    EXPECT_EQ(40, project.packets.GetSize());

    CString text, detail;
    ASSERT_TRUE(FormatProjectText(RichProject(), &text, &error)) << error;
    FailEachAllocationInTurn([&]() { return ParseProjectText(text, text.GetLength(), "f/", &project, &detail); },
                             [&](bool read, long)
                             {
                                 EXPECT_FALSE(read);
                                 EXPECT_EQ(CString("not enough memory"), detail);
                             });
    SetXmlLogSink(nullptr);
}

TEST(OutOfMemory, GeneratingRefusesWithOneLineAndEmptyOutput)
{
    const ProjectRecord design = RichProject();
    codegen::GeneratedCode code;
    std::string text, error;
    const auto expectRefused = [&](const char* what, bool generated, const std::string& output)
    {
        EXPECT_FALSE(generated);
        EXPECT_EQ(std::string("Error: project Chat: not enough memory to generate the ") + what + "!", error);
        EXPECT_TRUE(output.empty());
    };
    FailEachAllocationInTurn([&]() { return codegen::GenerateCode(design, code, error); }, [&](bool generated, long)
                             { expectRefused("code", generated, code.source + code.header); });
    FailEachAllocationInTurn([&]() { return codegen::GenerateMakefile(design, text, error); },
                             [&](bool generated, long) { expectRefused("Makefile", generated, text); });
    FailEachAllocationInTurn([&]() { return codegen::GenerateDiagram(design, text, error); },
                             [&](bool generated, long) { expectRefused("diagram", generated, text); });
}

// The names in the folder, each with its contents, in order.
std::vector<std::string> EntriesOf(const CTestFolder& folder)
{
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        entries.push_back(entry.path().filename().string() + "=" + folder.Read(entry.path().filename().string()));
    std::sort(entries.begin(), entries.end());
    return entries;
}

// Each named file of the folder to be replaced by its text, which must outlive the list.
std::vector<NewFileContents> FilesOf(const CTestFolder& folder, const std::vector<std::string>& names,
                                     const std::vector<std::string>& texts)
{
    std::vector<NewFileContents> files;
    for (std::size_t i = 0; i < names.size(); i++)
        files.push_back({folder.Path(names[i]).c_str(), ContentsOf(texts[i].data(), texts[i].size())});
    return files;
}

// Before, memory running out while a group of generated files went in could leave a new header beside
// old sources, and an old file set aside.
TEST(OutOfMemory, ReplacingAGroupOfFilesLeavesThemAllOldOrAllNewAndNothingBeside)
{
    CTestFolder folder("kengine-out-of-memory-group");
    const std::vector<std::string> names = {"a.h", "a.c", "a_demo.c"};
    const auto put = [&](const std::string& age)
    {
        for (const std::string& name : names)
            ASSERT_TRUE(folder.Write(name, age + " " + name));
    };
    put("old");
    std::vector<std::string> texts;
    for (const std::string& name : names)
        texts.push_back("new " + name);
    const std::vector<NewFileContents> files = FilesOf(folder, names, texts);
    CString error;
    FailEachAllocationInTurn([&]() { return ReplaceFilesTogether(files, &error); },
                             [&](bool replaced, long succeeding)
                             {
                                 const std::string age = replaced ? "new" : "old";
                                 EXPECT_EQ((std::vector<std::string>{"a.c=" + age + " a.c", "a.h=" + age + " a.h",
                                                                     "a_demo.c=" + age + " a_demo.c"}),
                                           EntriesOf(folder))
                                     << succeeding;
                                 put("old");
                             });
}

// Before, memory running out while a save put right a run cut off in its folder removed that run's record,
// and left a new header beside the old source for good; and once that run was put right, running out as its
// words were told left the save's own record, holding nothing, in the folder.
TEST(OutOfMemory, ARunCutOffInTheFolderIsPutRightOrKeptForTheNextOpening)
{
    CTestFolder folder("kengine-out-of-memory-cut-off");
    // What a run killed once its new header went in leaves.
    const auto plant = [&]()
    {
        std::filesystem::remove_all(folder.Path());
        std::filesystem::create_directories(folder.Path());
        for (const std::string entry : {"a.h=new a.h", "a.h.tmo=old a.h", "a.c=old a.c", "a.c.tmo=", "a.c.tmp=new a.c"})
            ASSERT_TRUE(folder.Write(entry.substr(0, entry.find('=')), entry.substr(entry.find('=') + 1)));
        ASSERT_TRUE(LeaveRecord(folder.Path(), StepsUntilTheFirstWentIn({"a.h", "a.c"})));
    };
    ASSERT_TRUE(LeaveRecord(folder.Path(), {}));
    const std::string bareRecord = folder.Read("replacing.tmr");
    plant();
    const std::vector<std::string> names = {"a.h", "a.c"}, texts = {"newer a.h", "newer a.c"};
    const std::vector<NewFileContents> files = FilesOf(folder, names, texts);
    const std::vector<std::string> old = {"a.c=old a.c", "a.h=old a.h"}, newer = {"a.c=newer a.c", "a.h=newer a.h"};
    CString error;
    FailEachAllocationInTurn([&]() { return ReplaceFilesTogether(files, &error); },
                             [&](bool replaced, long succeeding)
                             {
                                 // Only a record a recovery kept, or the run's own once it began, stays.
                                 if (std::filesystem::exists(folder.Path("replacing.tmr")))
                                     EXPECT_NE(bareRecord, folder.Read("replacing.tmr")) << succeeding;
                                 if (!replaced)
                                     RecoverInterruptedRun(folder.Path().c_str());
                                 EXPECT_EQ(replaced ? newer : old, EntriesOf(folder)) << succeeding;
                                 plant();
                             });
    EXPECT_EQ(newer, EntriesOf(folder));
}

// A listener may still be reading a source it heard of: the sources are freed only after it was
// told to stop.
class ReadingListener : public codegen::SourceListener
{
public:
    void SourceDone(const std::string& text) override
    {
        heard.push_back(&text);
        lengths.push_back(text.size());
    }
    void SourcesDiscarded() override
    {
        discarded++;
        for (std::size_t i = 0; i < lengths.size(); i++)
            intactWhenDiscarded = intactWhenDiscarded && heard[i]->size() == lengths[i];
    }

    std::vector<const std::string*> heard;
    std::vector<std::size_t> lengths;
    int discarded = 0;
    bool intactWhenDiscarded = true;
};

TEST(OutOfMemory, AListenerIsToldToStopReadingBeforeTheSourcesItHeardOfAreFreed)
{
    const ProjectRecord design = LargeProject(20, 4);
    codegen::GeneratedCode code;
    std::string error;
    ReadingListener listener;
    bool heardAny = false;
    FailEachAllocationInTurn(
        [&]()
        {
            listener = ReadingListener();
            return codegen::GenerateCode(design, code, error, &listener);
        },
        [&](bool generated, long succeeding)
        {
            EXPECT_FALSE(generated);
            EXPECT_TRUE(code.header.empty() && code.source.empty() && code.demo.empty());
            EXPECT_EQ(1, listener.discarded) << succeeding;
            EXPECT_TRUE(listener.intactWhenDiscarded) << succeeding;
            heardAny = heardAny || !listener.lengths.empty();
        });
    EXPECT_TRUE(heardAny) << "memory ran out after a source was heard of";
    EXPECT_EQ(0, listener.discarded) << "with enough memory";
}

}  // namespace
