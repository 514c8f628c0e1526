// The build commands of an example project: what reaches the editors, the disk, the output and the tools.
#include <gtest/gtest.h>

#include "SaveFaults.h"
#include "Generator.h"
#include "ProjectBuild.h"
#include "StandInDisk.h"
#include "StubTools.h"
#include "TestFolder.h"
#include "project/ProjectFile.h"
#include "project/RunRecord.h"
#include "LeftRecord.h"
#include "project/RunRepair.h"
#include "project/SystemError.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <new>
#include <set>
#include <vector>

namespace
{

// Editors open on some of the project's files; saving writes the text of those that are modified.
class CFakeEditors : public IProjectEditors
{
public:
    std::map<CString, std::string> m_open;  // path -> text shown
    std::set<CString> m_modified;           // paths whose editors show a change not saved
    int m_nSaves = 0;
    std::vector<CString> m_calls;                    // "coming ", "prepare " and the path, "show" or "forget"
    std::map<CString, const std::string*> m_coming;  // path -> the text told of
    std::map<CString, size_t> m_comingLengths;       // its length when told of
    std::map<CString, std::string> m_prepared;       // path -> text ready to show
    std::map<CString, std::string> m_waiting;        // path -> text no editor shows, for the next save
    CString m_strNoMemoryFor;                        // preparing this path runs out of memory
    BOOL m_bRedrawFails = FALSE;                     // memory runs out while an editor redraws
    BOOL m_bTextsIntactWhenForgotten = TRUE;
    BOOL m_bGivenTheTextToldOf = TRUE;

    void TextComing(const CString& strPath, const std::string& text) override
    {
        m_calls.push_back("coming " + strPath);
        m_coming[strPath] = &text;
        m_comingLengths[strPath] = text.size();
    }
    void ForgetTexts() override
    {
        m_calls.push_back("forget");
        for (const auto& [strPath, pText] : m_coming)
            m_bTextsIntactWhenForgotten &= pText->size() == m_comingLengths[strPath];
        m_coming.clear();
    }
    BOOL PrepareText(const CString& strPath, const std::string& text) override
    {
        m_calls.push_back("prepare " + strPath);
        m_bGivenTheTextToldOf &= m_coming.count(strPath) && m_coming[strPath] == &text;
        if (strPath == m_strNoMemoryFor)
            throw std::bad_alloc();
        if (!m_open.count(strPath))
            return FALSE;
        m_prepared[strPath] = text;
        return TRUE;
    }
    BOOL ShowPreparedTexts() override
    {
        m_calls.push_back("show");
        for (const auto& [strPath, text] : m_prepared)
        {
            m_open[strPath] = text;
            m_modified.insert(strPath);
        }
        m_prepared.clear();
        return !m_bRedrawFails;
    }
    void DropPreparedTexts() override { m_prepared.clear(); }
    void HoldTexts(const std::vector<CString>& placedPaths, std::vector<WaitingText> texts) override
    {
        for (const CString& strPath : placedPaths)
            m_waiting.erase(strPath);
        for (const WaitingText& text : texts)
            m_waiting[text.strPath] = text.text;
    }
    BOOL SaveAll() override
    {
        m_nSaves++;
        for (const CString& strPath : m_modified)
            WriteAll(strPath, m_open[strPath]);
        for (const auto& [strPath, text] : m_waiting)
            WriteAll(strPath, text);
        m_modified.clear();
        m_waiting.clear();
        return TRUE;
    }
};

class CLines : public IOutputLines
{
public:
    std::vector<std::string> m_lines;
    void AddLine(const CString& strLine) override { m_lines.push_back((LPCTSTR)strLine); }
};

class ProjectBuildTest : public ::testing::Test
{
protected:
    CTestFolder m_folder{"project_build"};
    ProjectRecord m_project;
    CFakeEditors m_editors;
    CLines m_output;
    CString m_strFolder;

    void SetUp() override
    {
        CString strMessage;
        CString strPath = KESTOVA_PROGRAM_FOLDER "example/chat.kvs";
        strPath.Replace('/', '\\');
        ASSERT_TRUE(ReadProjectFile(strPath, &m_project, &strMessage)) << (LPCTSTR)strMessage;
        m_strFolder = m_folder.Path().c_str();
        m_strFolder.Replace('/', '\\');
        m_strFolder += "\\";
        m_project.folder = m_strFolder;
    }
    CString PathOf(const std::string& fileName) const { return m_strFolder + fileName.c_str(); }
    codegen::GeneratedCode Expected() const
    {
        codegen::GeneratedCode code;
        std::string error;
        EXPECT_TRUE(codegen::GenerateCode(m_project, code, error)) << error;
        return code;
    }
    CString WriteStubTools() const { return ::WriteStubTools(m_strFolder); }
};

// The stand-in disk with room bytes left: a full disk writes short and gives no error, as Wine's does.
std::unique_ptr<CStandInDisk> NearlyFullDisk(long long room)
{
    DiskFaults faults;
    faults.room = room;
    return std::make_unique<CStandInDisk>(faults);
}

// Long work as the designer runs it, told apart from the window's own time.
class CWorkRunner : public IWorkRunner
{
public:
    bool m_bInWork = false;
    void Run(const CString&, const std::function<void()>& work) override
    {
        m_bInWork = true;
        work();
        m_bInWork = false;
    }
};

// The disk, counting the pieces written while no long work ran and the window waited for them.
class CWorkWatchingDisk : public CStandInDisk
{
public:
    explicit CWorkWatchingDisk(const CWorkRunner& runner) : m_runner(runner) {}
    std::size_t Write(std::FILE* file, const void* data, std::size_t size) override
    {
        m_nOutsideWork += m_runner.m_bInWork ? 0 : 1;
        return CStandInDisk::Write(file, data, size);
    }
    int m_nOutsideWork = 0;

private:
    const CWorkRunner& m_runner;
};

// The generated files of Generate Code, each with an old text on the disk.
class GenerateAllOrNoneTest : public ProjectBuildTest
{
protected:
    std::vector<CString> m_paths;
    std::vector<const std::string*> m_texts;
    codegen::GeneratedCode m_code;

    void SetUp() override
    {
        ProjectBuildTest::SetUp();
        const std::string name(m_project.name);
        m_code = Expected();
        m_paths = {PathOf(codegen::HeaderFileName(name)), PathOf(codegen::SourceFileName(name)),
                   PathOf(codegen::DemoFileName(name))};
        m_texts = {&m_code.header, &m_code.source, &m_code.demo};
        for (const CString& strPath : m_paths)
            WriteAll(strPath, "old " + std::string((LPCTSTR)strPath));
    }
    std::vector<std::string> OutputOf(CFakeEditors& editors)
    {
        CLines output;
        CProjectBuild(m_project, editors, output).GenerateCode();
        return output.m_lines;
    }
    // Every file and editor as before, and nothing beside the files.
    void ExpectNothingGenerated(const CFakeEditors& editors, const CFakeEditors& before) const
    {
        for (const CString& strPath : m_paths)
            EXPECT_TRUE(ReadAll(strPath) == "old " + std::string((LPCTSTR)strPath)) << (LPCTSTR)strPath << " changed";
        EXPECT_EQ(before.m_open, editors.m_open);
        EXPECT_EQ(before.m_modified, editors.m_modified);
        EXPECT_EQ(0, std::count(editors.m_calls.begin(), editors.m_calls.end(), CString("show")));
        EXPECT_EQ(3, std::distance(std::filesystem::directory_iterator(m_folder.Path()),
                                   std::filesystem::directory_iterator()))
            << "nothing left beside the files";
    }
    // Runs Generate Code with each file that no editor shows failing in turn, as fail() makes it fail
    // for as long as what it returns lives.
    template <typename Failure>
    void ExpectEachFailureGeneratesNothing(const CFakeEditors& editors, Failure fail, const std::string& why)
    {
        long long nBefore = 0;  // the bytes of the files written before the failing one
        for (std::size_t i = 0; i < m_paths.size(); i++)
        {
            if (editors.m_open.count(m_paths[i]))
                continue;
            SCOPED_TRACE((LPCTSTR)m_paths[i]);
            CFakeEditors tried = editors;
            std::vector<std::string> lines;
            {
                const auto failure = fail(i, nBefore);
                lines = OutputOf(tried);
            }
            ASSERT_EQ(2u, lines.size());
            EXPECT_EQ("Start Generating...", lines[0]);
            const std::string start = "Error: nothing was generated: ";
            EXPECT_EQ(0u, lines[1].find(start + why + std::string((LPCTSTR)m_paths[i]))) << lines[1];
            EXPECT_EQ(std::string::npos, lines[1].find(".tmp")) << lines[1];
            ExpectNothingGenerated(tried, editors);
            nBefore += static_cast<long long>(m_texts[i]->size());
        }
    }
};

}  // namespace

TEST_F(GenerateAllOrNoneTest, WithTheEditorsClosedAFullDiskOrAHeldFileAtAnyFileGeneratesNothingAndSaysWhy)
{
    const CFakeEditors closed;
    ExpectEachFailureGeneratesNothing(
        closed, [](std::size_t, long long nBefore) { return NearlyFullDisk(nBefore + 10); }, "cannot write ");
    ExpectEachFailureGeneratesNothing(
        closed, [this](std::size_t i, long long) { return std::make_unique<CHeldOpen>(m_paths[i]); },
        "cannot replace ");

    CFakeEditors editors;
    EXPECT_EQ((std::vector<std::string>{"Start Generating...", "Successfully Generated!"}), OutputOf(editors));
    for (std::size_t i = 0; i < m_paths.size(); i++)
        EXPECT_EQ(*m_texts[i], ReadAll(m_paths[i]));
}

// Before, the files no editor showed were written at once and the others at the save: a refused save, or
// a kill between, left a new header beside old sources. Now they wait with the editors' texts, and a
// file the disk or another program refuses holds up nothing until that save.
TEST_F(GenerateAllOrNoneTest, WithSomeEditorsOpenNoFileIsWrittenAndTheOthersWaitForTheSave)
{
    CFakeEditors editors;
    editors.m_open[m_paths[1]] = "old text in the editor";
    for (std::size_t i = 0; i < m_paths.size(); i++)
    {
        SCOPED_TRACE((LPCTSTR)m_paths[i]);
        CFakeEditors tried = editors;
        {
            const CHeldOpen held(m_paths[i]);
            const auto full = NearlyFullDisk(0);
            EXPECT_EQ((std::vector<std::string>{"Start Generating...", "Successfully Generated!"}), OutputOf(tried));
        }
        for (const CString& strPath : m_paths)
            EXPECT_TRUE(ReadAll(strPath) == "old " + std::string((LPCTSTR)strPath)) << (LPCTSTR)strPath << " changed";
        EXPECT_EQ(m_code.source, tried.m_open[m_paths[1]]);
        EXPECT_EQ((std::map<CString, std::string>{{m_paths[0], m_code.header}, {m_paths[2], m_code.demo}}),
                  tried.m_waiting);
    }
}

// Before, two designers generating the same files at once were told of "Sharing violation" and the
// like, then that the other wrote the same files whatever it wrote; a user's own "<file>.tmo" was called
// an old copy of the designer's.
TEST_F(GenerateAllOrNoneTest, AnotherProgramWritingTheFilesOrAUsersFileInTheWayIsSaidAndNothingIsGenerated)
{
    const CFakeEditors closed;
    const std::string start = "Error: nothing was generated: cannot replace " + std::string((LPCTSTR)m_paths[0]);
    {
        CRunRecord other;
        ASSERT_EQ(CRunRecord::Opened::Held, other.Create(RecordPathOf(m_paths[0])));
        CFakeEditors tried = closed;
        EXPECT_EQ((std::vector<std::string>{"Start Generating...",
                                            start + ": another program is saving files in this folder; try again "
                                                    "when it is done"}),
                  OutputOf(tried));
        ASSERT_TRUE(other.Remove());
    }
    ExpectNothingGenerated(closed, closed);

    const std::string aside = std::string((LPCTSTR)m_paths[0]) + ".tmo";
    WriteAll(aside.c_str(), "the user's");
    CFakeEditors tried = closed;
    EXPECT_EQ((std::vector<std::string>{"Start Generating...",
                                        start + ": " + aside +
                                            " is in the way; moving it elsewhere lets the files be written"}),
              OutputOf(tried));
    EXPECT_EQ("the user's", ReadAll(aside.c_str()));
}

// Before, a Generate whose undo could not put a file back said "nothing was generated" beside the words
// that the file keeps the new text.
TEST_F(GenerateAllOrNoneTest, AGenerateWhoseUndoLeavesAFileNewDoesNotSayNothingWasGenerated)
{
    const CFakeEditors closed;
    CFakeEditors tried = closed;
    std::vector<std::string> lines;
    {
        DiskFaults faults;
        faults.goneAfter = 2;  // the first file aside and in, then the drive is gone
        const CStandInDisk disk(faults);
        lines = OutputOf(tried);
    }
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(0u, lines[1].find("Error: cannot replace ")) << lines[1];
    EXPECT_NE(std::string::npos, lines[1].find(" keeps the run's new contents")) << lines[1];
}

// Before, a viewer holding the header sharing its deletion let the first Generate through and refused every
// later one, as the old header's name stayed until the viewer ended.
TEST_F(GenerateAllOrNoneTest, EveryGenerateWorksWhileAViewerHoldsTheHeaderSharingItsDeletion)
{
    const CFakeEditors closed;
    {
        CHeldOpen viewer(m_paths[0], FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
        for (int run = 0; run < 10; run++)
        {
            CFakeEditors tried = closed;
            ASSERT_EQ((std::vector<std::string>{"Start Generating...", "Successfully Generated!"}), OutputOf(tried))
                << "Generate " << run;
        }
    }
    for (std::size_t i = 0; i < m_paths.size(); i++)
        EXPECT_EQ(*m_texts[i], ReadAll(m_paths[i]));
    EXPECT_EQ(
        3, std::distance(std::filesystem::directory_iterator(m_folder.Path()), std::filesystem::directory_iterator()))
        << "nothing left beside the files once the viewer ends";
}

// Before, a Generate cut off whose old header another program then held was refused at every later
// Generate with "replacing.tmr is in the way", naming neither the file nor what to do.
TEST_F(GenerateAllOrNoneTest, ARunCutOffWhoseOldFileAnotherProgramHoldsNamesItUntilItIsClosed)
{
    const CString strRecord = RecordPathOf(m_paths[0]);
    const CString strAside = m_paths[0] + ".tmo";
    // Left as a kill after the header went in leaves it.
    WriteAll(strAside, "old " + std::string((LPCTSTR)m_paths[0]));
    WriteAll(m_paths[0], "the run's new header");
    ASSERT_TRUE(LeaveRecord(std::string(FolderOf(m_paths[0])), StepsUntilTheFirstWentIn({NameOf(m_paths[0])})));
    const CFakeEditors closed;
    {
        CHeldOpen held(strAside);
        CFakeEditors tried = closed;
        EXPECT_EQ(
            (std::vector<std::string>{
                "Start Generating...",
                "Error: nothing was generated: cannot replace " + std::string((LPCTSTR)m_paths[0]) +
                    ": an interrupted run that " + std::string((LPCTSTR)strRecord) +
                    " records cannot be put right while another program holds " + std::string((LPCTSTR)strAside) +
                    "; closing that program lets the run be put right at the next Save or opening; " +
                    std::string((LPCTSTR)m_paths[0]) + " could not be put back yet, " + std::string((LPCTSTR)strAside) +
                    " could not be read (" + std::string((LPCTSTR)SystemErrorText(ERROR_SHARING_VIOLATION)) +
                    "); meanwhile " + std::string((LPCTSTR)m_paths[0]) + " keeps the run's new contents"}),
            OutputOf(tried));
    }
    CFakeEditors tried = closed;
    EXPECT_EQ((std::vector<std::string>{"Start Generating...",
                                        "Generating " + std::string(m_project.name) + ": an interrupted run that " +
                                            std::string((LPCTSTR)strRecord) + " recorded was put right",
                                        "Successfully Generated!"}),
              OutputOf(tried));
    for (std::size_t i = 0; i < m_paths.size(); i++)
        EXPECT_EQ(*m_texts[i], ReadAll(m_paths[i]));
    EXPECT_EQ(
        3, std::distance(std::filesystem::directory_iterator(m_folder.Path()), std::filesystem::directory_iterator()));
}

// Before, a Generate after one cut off put that run right without a word: the header the user edited since
// stayed beside its old contents, and the Generate called their set-aside a file in the way, nothing saying
// what it held. What the opening would say comes first.
TEST_F(GenerateAllOrNoneTest, AGenerateSaysWhatPuttingRightARunCutOffBeforeItLeft)
{
    const std::string header((LPCTSTR)m_paths[0]), aside = header + ".tmo";
    WriteAll(aside.c_str(), "old " + header);
    WriteAll(m_paths[0], "the run's new header");
    ASSERT_TRUE(LeaveRecord(std::string(FolderOf(m_paths[0])), StepsUntilTheFirstWentIn({NameOf(m_paths[0])})));
    WriteAll(m_paths[0], "the run's new header and the user's line");
    CFakeEditors closed;
    const std::vector<std::string> lines = OutputOf(closed);
    ASSERT_EQ(3u, lines.size());
    const std::string said = "Generating " + std::string(m_project.name) + ": an interrupted run that " +
                             std::string((LPCTSTR)RecordPathOf(m_paths[0]));
    EXPECT_EQ(0u, lines[1].find(said)) << lines[1];
    const std::string left =
        "; " + header + " was changed since and is left as it is; its old contents wait in " + aside;
    EXPECT_EQ(lines[1].size() - left.size(), lines[1].rfind(left)) << lines[1];
    EXPECT_EQ("Error: nothing was generated: cannot replace " + header + ": " + aside +
                  " is in the way; moving it elsewhere lets the files be written",
              lines[2]);
}

// A Generate killed at any step of writing its files, then the project opened again: the files are all of
// one generation with nothing beside them, and the next Generate writes them all.
TEST_F(GenerateAllOrNoneTest, AGenerateKilledAtAnyStepIsOneGenerationAtTheNextOpening)
{
    for (int step = 1;; step++)
    {
        SCOPED_TRACE("killed at step " + std::to_string(step));
        for (const CString& strPath : m_paths)
            WriteAll(strPath, "old " + std::string((LPCTSTR)strPath));
        DiskFaults faults;
        faults.killCount = step;
        {
            CStandInDisk disk(faults);
            CFakeEditors closed;
            try
            {
                OutputOf(closed);
            }
            catch (const Killed&)
            {
            }
            if (!disk.Stopped())
                break;
        }
        RecoverInterruptedRun(m_strFolder);
        std::size_t nNew = 0;
        for (std::size_t i = 0; i < m_paths.size(); i++)
            nNew += ReadAll(m_paths[i]) == *m_texts[i];
        EXPECT_TRUE(nNew == 0 || nNew == m_paths.size()) << nNew << " of the files are new";
        EXPECT_EQ(m_paths.size(), std::size_t(std::distance(std::filesystem::directory_iterator(m_folder.Path()),
                                                            std::filesystem::directory_iterator())))
            << "nothing is left beside the files";
        CFakeEditors closed;
        EXPECT_EQ((std::vector<std::string>{"Start Generating...", "Successfully Generated!"}), OutputOf(closed));
        for (std::size_t i = 0; i < m_paths.size(); i++)
            EXPECT_EQ(*m_texts[i], ReadAll(m_paths[i]));
    }
}

// Before, the generated files and the runtime were written while the window waited: a wait for another
// program's run in the folder froze it.
TEST_F(ProjectBuildTest, GenerateWritesItsFilesAsLongWorkSoTheWindowAnswersMeanwhile)
{
    m_project.targetPlatform = 1;
    CWorkRunner runner;
    CWorkWatchingDisk disk(runner);
    CProjectBuild build(m_project, m_editors, m_output, &runner);
    build.GenerateCode();
    build.GenerateMakefile(KESTOVA_PROGRAM_FOLDER);
    EXPECT_EQ((std::vector<std::string>{"Start Generating...", "Successfully Generated!", "Start Generating...",
                                        "Successfully Generated!"}),
              m_output.m_lines);
    EXPECT_EQ(0, disk.m_nOutsideWork);
    EXPECT_FALSE(ReadAll(PathOf("Make.rules")).empty());
}

TEST_F(ProjectBuildTest, GenerateCodeFillsOpenEditorsAndTheOtherFilesWaitForTheirSave)
{
    const std::string name(m_project.name);
    m_editors.m_open[PathOf(codegen::HeaderFileName(name))] = "old text";
    CProjectBuild(m_project, m_editors, m_output).GenerateCode();
    EXPECT_EQ((std::vector<std::string>{"Start Generating...", "Successfully Generated!"}), m_output.m_lines);
    const codegen::GeneratedCode code = Expected();
    EXPECT_EQ(code.header, m_editors.m_open[PathOf(codegen::HeaderFileName(name))]);
    for (const std::string& file : {codegen::HeaderFileName(name), codegen::SourceFileName(name)})
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(PathOf(file))) << file << " waits for the save";
    m_editors.SaveAll();
    EXPECT_EQ(code.header, ReadAll(PathOf(codegen::HeaderFileName(name))));
    EXPECT_EQ(code.source, ReadAll(PathOf(codegen::SourceFileName(name))));
    EXPECT_EQ(code.demo, ReadAll(PathOf(codegen::DemoFileName(name))));

    m_editors.m_open = {{PathOf(codegen::SourceFileName(name)), "old text"}};
    CProjectBuild(m_project, m_editors, m_output).GenerateCode();
    ASSERT_EQ(2u, m_editors.m_waiting.size());
    m_editors.m_open.clear();
    m_editors.m_modified.clear();
    CProjectBuild(m_project, m_editors, m_output).GenerateCode();
    EXPECT_TRUE(m_editors.m_waiting.empty()) << "with no editor open the files were written, and nothing older waits";
}

// The editors may split each text while the generator writes the next: they are told of it as soon as it
// is complete, given that same text to show, and told to let go of it before it is freed.
TEST_F(ProjectBuildTest, GenerateCodeTellsTheEditorsOfEachTextAheadAndHasThemLetGoBeforeItGoes)
{
    const std::string name(m_project.name);
    const CString strHeader = PathOf(codegen::HeaderFileName(name)), strSource = PathOf(codegen::SourceFileName(name)),
                  strDemo = PathOf(codegen::DemoFileName(name));
    m_editors.m_open[strSource] = "old text";
    CProjectBuild(m_project, m_editors, m_output).GenerateCode();
    EXPECT_EQ(
        (std::vector<CString>{"coming " + strHeader, "coming " + strSource, "coming " + strDemo, "prepare " + strHeader,
                              "prepare " + strSource, "prepare " + strDemo, "show", "forget"}),
        m_editors.m_calls);
    EXPECT_TRUE(m_editors.m_bGivenTheTextToldOf);
    EXPECT_TRUE(m_editors.m_bTextsIntactWhenForgotten);
    EXPECT_EQ(Expected().source, m_editors.m_open[strSource]);
    EXPECT_EQ(Expected().header, m_editors.m_waiting[strHeader]);

    m_editors.m_calls.clear();
    PacketRecord copy = m_project.packets[0];
    m_project.packets.Add(copy);
    CProjectBuild(m_project, m_editors, m_output).GenerateCode();
    EXPECT_EQ(std::vector<CString>{"forget"}, m_editors.m_calls) << "a refused design tells of no text";
}

// Memory running out while any one text is made ready for its editor leaves every editor with its old
// text and its mark, says so, and Save All then writes no mixed set; with memory enough all change.
TEST_F(ProjectBuildTest, GenerateCodePutsAllTheTextsIntoTheEditorsOrNoneWhenMemoryRunsOut)
{
    const std::string name(m_project.name);
    const std::vector<std::string> files = {codegen::HeaderFileName(name), codegen::SourceFileName(name),
                                            codegen::DemoFileName(name)};
    for (const std::string& failing : files)
    {
        SCOPED_TRACE(failing);
        CFakeEditors editors;
        for (const std::string& file : files)
        {
            editors.m_open[PathOf(file)] = "old " + file;
            WriteAll(PathOf(file), "old " + file);
        }
        editors.m_strNoMemoryFor = PathOf(failing);
        CLines output;
        CProjectBuild(m_project, editors, output).GenerateCode();
        EXPECT_EQ((std::vector<std::string>{"Start Generating...",
                                            "Error: project " + name + ": not enough memory to generate the code!"}),
                  output.m_lines);
        EXPECT_TRUE(editors.m_modified.empty());
        editors.SaveAll();
        for (const std::string& file : files)
        {
            EXPECT_EQ("old " + file, editors.m_open[PathOf(file)]);
            EXPECT_EQ("old " + file, ReadAll(PathOf(file)));
        }
    }

    const codegen::GeneratedCode code = Expected();
    for (const std::string& file : files)
        m_editors.m_open[PathOf(file)] = "old " + file;
    CProjectBuild(m_project, m_editors, m_output).GenerateCode();
    EXPECT_EQ(3u, m_editors.m_modified.size());
    m_editors.SaveAll();
    EXPECT_EQ(code.header, ReadAll(PathOf(files[0])));
    EXPECT_EQ(code.source, ReadAll(PathOf(files[1])));
    EXPECT_EQ(code.demo, ReadAll(PathOf(files[2])));
}

// The editors hold their new texts, marked for Save All, though one could not be drawn again: the
// output says so, and claims no success.
TEST_F(ProjectBuildTest, MemoryRunningOutWhileAnEditorRedrawsIsOneErrorLine)
{
    const std::string header = codegen::HeaderFileName(std::string(m_project.name));
    m_editors.m_open[PathOf(header)] = "old";
    m_editors.m_bRedrawFails = TRUE;
    CProjectBuild(m_project, m_editors, m_output).GenerateCode();
    EXPECT_EQ((std::vector<std::string>{"Start Generating...",
                                        "Error: project " + std::string(m_project.name) +
                                            ": not enough memory to redraw the editors of the code, which hold the "
                                            "new text!"}),
              m_output.m_lines);
    EXPECT_EQ(Expected().header, m_editors.m_open[PathOf(header)]);
}

TEST_F(ProjectBuildTest, BrokenDesignGivesOneErrorLine)
{
    PacketRecord copy = m_project.packets[0];
    m_project.packets.Add(copy);
    CProjectBuild(m_project, m_editors, m_output).GenerateCode();
    ASSERT_EQ(2u, m_output.m_lines.size());
    EXPECT_EQ("Start Generating...", m_output.m_lines[0]);
    EXPECT_EQ(0u, m_output.m_lines[1].find("Error: "));
    EXPECT_NE(std::string::npos, m_output.m_lines[1].find("please redesign your protocol!"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES,
              ::GetFileAttributes(PathOf(codegen::SourceFileName(std::string(m_project.name)))));
}

TEST_F(ProjectBuildTest, MakefileAndDiagramAreWrittenForAUnixProject)
{
    m_project.targetPlatform = 1;
    CProjectBuild build(m_project, m_editors, m_output);
    build.GenerateMakefile(KESTOVA_PROGRAM_FOLDER);
    build.GenerateDiagram();
    std::string makefile, diagram, error;
    ASSERT_TRUE(codegen::GenerateMakefile(m_project, makefile, error)) << error;
    ASSERT_TRUE(codegen::GenerateDiagram(m_project, diagram, error)) << error;
    EXPECT_EQ(makefile, ReadAll(PathOf(codegen::MakefileName())));
    EXPECT_EQ(diagram, ReadAll(PathOf(codegen::DiagramFileName(std::string(m_project.name)))));
    for (const char* pszFile : {"Make.rules", "dravolint.c", "dravolint.h"})
        EXPECT_FALSE(ReadAll(PathOf(pszFile)).empty()) << "the Makefile needs " << pszFile << " beside it";
    EXPECT_EQ("Successfully Generated!", m_output.m_lines.back());
}

TEST_F(ProjectBuildTest, CompileWithoutACompilerPathIsRefusedAfterSaving)
{
    CProjectBuild build(m_project, m_editors, m_output);
    build.Compile("", KESTOVA_PROGRAM_FOLDER);
    build.CompileDemo("", KESTOVA_PROGRAM_FOLDER);
    const std::string refusal = "Error: the path of vcvars32.bat is not set, please choose it in Tools > Option!";
    EXPECT_EQ((std::vector<std::string>{refusal, refusal}), m_output.m_lines);
    EXPECT_EQ(2, m_editors.m_nSaves);
}

TEST_F(ProjectBuildTest, CompileRightAfterGenerateBuildsTheNewText)
{
    const std::string name(m_project.name);
    for (const std::string& file :
         {codegen::HeaderFileName(name), codegen::SourceFileName(name), codegen::DemoFileName(name)})
        m_editors.m_open[PathOf(file)] = "previous generation";
    WriteAll(PathOf(codegen::SourceFileName(name)), "previous generation");
    const CString strStubs = WriteStubTools();
    CProjectBuild build(m_project, m_editors, m_output);
    build.GenerateCode();
    build.Compile(strStubs + "\\vcvars32.bat", KESTOVA_PROGRAM_FOLDER);
    ASSERT_TRUE(WaitForFile(strStubs + "\\cl.done"));
    EXPECT_EQ(Expected().source, ReadAll(strStubs + "\\seen.c")) << "the stub compiled the saved new text";
    const std::string args = ReadAll(strStubs + "\\args.txt");
    EXPECT_NE(std::string::npos, args.find("cl /nologo")) << args;
    EXPECT_NE(std::string::npos, args.find(name + "_api.c dravolint.c")) << args;
    EXPECT_EQ("Compiling " + name + ".dll...", m_output.m_lines.back());
}

TEST_F(ProjectBuildTest, CompileDemoAndRunDemoStartTheirCommands)
{
    const std::string name(m_project.name);
    const CString strStubs = WriteStubTools();
    CProjectBuild build(m_project, m_editors, m_output);
    build.RunDemo();
    EXPECT_EQ("Error: " + name + "_demo.exe is not built yet, please compile the demo first!", m_output.m_lines.back());
    build.CompileDemo(strStubs + "\\vcvars32.bat", KESTOVA_PROGRAM_FOLDER);
    ASSERT_TRUE(WaitForFile(strStubs + "\\cl.done"));
    const std::string args = ReadAll(strStubs + "\\args.txt");
    EXPECT_NE(std::string::npos, args.find("/Fe" + name + "_demo.exe")) << args;
    EXPECT_EQ(2, m_editors.m_nSaves) << "both commands save the open editors first";
}

// A project made by File > New already holds the runtime library, and every later run finds its own copies.
TEST_F(ProjectBuildTest, MakefileAndCompileCopyTheRuntimeOverTheCopiesAlreadyThere)
{
    for (const char* pszFile : {"Make.rules", "dravolint.c", "dravolint.h"})
        WriteAll(PathOf(pszFile), "an older copy");
    CProjectBuild build(m_project, m_editors, m_output);
    build.GenerateMakefile(KESTOVA_PROGRAM_FOLDER);
    build.GenerateMakefile(KESTOVA_PROGRAM_FOLDER);
    EXPECT_EQ((std::vector<std::string>{"Start Generating...", "Successfully Generated!", "Start Generating...",
                                        "Successfully Generated!"}),
              m_output.m_lines);
    EXPECT_EQ(ReadAll(KESTOVA_PROGRAM_FOLDER "make/Make.rules"), ReadAll(PathOf("Make.rules")));

    WriteAll(PathOf("dravolint.c"), "an older copy");
    const CString strStubs = WriteStubTools();
    build.Compile(strStubs + "\\vcvars32.bat", KESTOVA_PROGRAM_FOLDER);
    EXPECT_EQ("Compiling " + std::string(m_project.name) + ".dll...", m_output.m_lines.back());
    EXPECT_EQ(ReadAll(KESTOVA_PROGRAM_FOLDER "lib/dravolint.c"), ReadAll(PathOf("dravolint.c")));
    EXPECT_TRUE(WaitForFile(strStubs + "\\cl.done")) << "the tools ran on the fresh copies";
}

// Before, a Compile with no editor to save put right a Generate cut off in the folder without a word.
TEST_F(ProjectBuildTest, CompileSaysWhatPuttingRightARunCutOffInTheFolderDid)
{
    const std::string name = codegen::HeaderFileName(std::string(m_project.name));
    const std::string header((LPCTSTR)PathOf(name));
    WriteAll((header + ".tmo").c_str(), "old header");
    WriteAll(header.c_str(), "the run's new header");
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilTheFirstWentIn({name})));
    const CString strStubs = WriteStubTools();
    CProjectBuild build(m_project, m_editors, m_output);
    build.Compile(strStubs + "\\vcvars32.bat", KESTOVA_PROGRAM_FOLDER);
    EXPECT_NE(m_output.m_lines.end(),
              std::find(m_output.m_lines.begin(), m_output.m_lines.end(),
                        "Copying the runtime into " + std::string((LPCTSTR)m_project.folder) +
                            ": an interrupted run that " + std::string((LPCTSTR)RecordPathOf(header.c_str())) +
                            " recorded was put right"))
        << ::testing::PrintToString(m_output.m_lines);
    EXPECT_EQ("old header", ReadAll(header.c_str()));
    EXPECT_TRUE(WaitForFile(strStubs + "\\cl.done"));
}

// A runtime file the user made read-only stays as it is, and the command says so instead of success.
TEST_F(ProjectBuildTest, AReadOnlyRuntimeCopyStopsTheMakefileWithItsName)
{
    const CString strHeader = PathOf("dravolint.h");
    WriteAll(strHeader, "the user's own copy");
    ASSERT_TRUE(::SetFileAttributes(strHeader, FILE_ATTRIBUTE_READONLY));
    CProjectBuild(m_project, m_editors, m_output).GenerateMakefile(KESTOVA_PROGRAM_FOLDER);
    ::SetFileAttributes(strHeader, FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(2u, m_output.m_lines.size());
    EXPECT_EQ(0u, m_output.m_lines[1].find("Error: cannot copy ")) << m_output.m_lines[1];
    EXPECT_NE(std::string::npos, m_output.m_lines[1].find(std::string((LPCTSTR)strHeader) + " is read-only"))
        << m_output.m_lines[1];
    EXPECT_EQ("the user's own copy", ReadAll(strHeader));
}

// The designer's paths are ANSI text: a folder named "café" is one folder, not a UTF-8 mistake.
TEST_F(ProjectBuildTest, CompileInAFolderWithANonAsciiNameCopiesTheRuntimeThereAndBuilds)
{
    const CString strStubs = WriteStubTools();
    m_project.folder = m_strFolder + "caf\xE9\\";
    ASSERT_TRUE(::CreateDirectory(m_project.folder, nullptr));
    CProjectBuild build(m_project, m_editors, m_output);
    build.GenerateCode();
    build.Compile(strStubs + "\\vcvars32.bat", KESTOVA_PROGRAM_FOLDER);
    EXPECT_EQ("Compiling " + std::string(m_project.name) + ".dll...", m_output.m_lines.back());
    for (const char* pszFile : {"dravolint.c", "dravolint.h"})
        EXPECT_TRUE(ReadAll(KESTOVA_PROGRAM_FOLDER "lib/" + CString(pszFile)) == ReadAll(m_project.folder + pszFile))
            << pszFile << " is copied into the folder";
    ASSERT_TRUE(WaitForFile(strStubs + "\\cl.done"));
    EXPECT_EQ(Expected().source, ReadAll(strStubs + "\\seen.c")) << "the tools ran in the folder";
}
