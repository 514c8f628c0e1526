// A project made by File > New in a loaded frame, through the real dialog: the runtime library is
// copied beside it, and Generate Makefile, run again and again, gives a Makefile that builds it.
#include "DesignerFrameTest.h"

#include "DialogAnswer.h"
#include "DialogInput.h"
#include "KTSyntaxEditCtrl.h"
#include "KestovaDialogsRes.h"
#include "LeftRecord.h"
#include "NativeBuild.h"
#include "SaveFaults.h"
#include "StandInDisk.h"
#include "WorkspaceRes.h"
#include "model/Vocabulary.h"
#include "project/ProjectFile.h"
#include "project/RunRecord.h"

#include <memory>
#include <string>
#include <vector>

namespace
{

class NewProjectTest : public DesignerFrameTest
{
protected:
    ProjectRecord* NewProject(const char* pszName) { return NewProjectIn(pszName, m_folder.Path()); }
    ProjectRecord* NewProjectIn(const char* pszName, const std::string& location)
    {
        Answering(
            "New Project",
            [&](HWND h)
            {
                TypeInto(h, IDC_EDIT_NAME, pszName);
                TypeInto(h, IDC_EDIT_LOCATION, location.c_str());
            },
            [&] { RunCommand(ID_PROJECT_NEW); });
        return m_pFrame->m_projects.empty() ? nullptr : m_pFrame->m_projects.back().get();
    }
    CString Output() const
    {
        CString strOutput;
        m_pFrame->m_wndOutput.GetWindowText(strOutput);
        return strOutput;
    }
};

// The design of the chat example in the new project, which File > New leaves without packets.
void DesignLikeTheExample(ProjectRecord& project)
{
    ProjectRecord example;
    CString strMessage;
    ASSERT_TRUE(ReadProjectFile(CKTSyntaxEditCtrl::GetModuleFolder() + "example\\chat.kvs", &example, &strMessage))
        << (LPCTSTR)strMessage;
    project.headerFields.Copy(example.headerFields);
    project.packets.Copy(example.packets);
}

}  // namespace

TEST_F(NewProjectTest, GenerateMakefileRunsAgainOverTheCopiedRuntimeAndTheMakefileBuildsTheProject)
{
    ProjectRecord* pProject = NewProject("road");
    ASSERT_NE(nullptr, pProject) << "File > New made no project";
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCTSTR)DesignerTestApp().m_messages.front();
    const std::string folder = m_folder.Path("road");
    EXPECT_FALSE(m_folder.Read("road\\dravolint.h").empty()) << "File > New copies the runtime library";
    DesignLikeTheExample(*pProject);

    RunCommand(ID_BUILD_MAKEFILE);
    RunCommand(ID_BUILD_MAKEFILE);
    EXPECT_EQ(CString("Start Generating...\r\nSuccessfully Generated!\r\nStart Generating...\r\nSuccessfully "
                      "Generated!\r\n"),
              Output());
    EXPECT_FALSE(m_folder.Read("road\\Make.rules").empty());

    if (::GetFileAttributes("Z:\\usr\\bin\\make") == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no native make";
    pProject->targetPlatform = PLATFORM_UNIX;
    RunCommand(ID_BUILD_GENERATE_CODE);
    RunCommand(ID_PROJECT_SAVE_ALL);
    ASSERT_TRUE(BuildAndRunNatively(folder, "road"));
    EXPECT_EQ("0\n", m_folder.Read("road\\make.status")) << m_folder.Read("road\\make.log");
}

// New Project copies the runtime as Compile does: the Location is ANSI text, and "café" one folder.
TEST_F(NewProjectTest, ANewProjectInAFolderWithANonAsciiNameGetsTheRuntimeLibraryThere)
{
    const std::string location = m_folder.Path() + "\\caf\xE9";
    ProjectRecord* pProject = NewProjectIn("road", location);
    ASSERT_NE(nullptr, pProject) << "File > New made no project";
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCTSTR)DesignerTestApp().m_messages.front();
    EXPECT_EQ(location + "\\road\\", std::string(pProject->folder));
    for (const char* pszFile : {"road.kvs", "dravolint.h", "dravolint.c"})
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes((location + "\\road\\" + pszFile).c_str())) << pszFile;
}

// Before, a design that a save cut off there had left aside was taken for absent, and the new project was
// written over it once the writer had put it back. What putting the run right did is told as every opening
// tells it: before, File > New said nothing of it.
TEST_F(NewProjectTest, ANewProjectNeverTakesThePlaceOfADesignASaveLeftAside)
{
    ASSERT_TRUE(::CreateDirectory(m_folder.Path("chat").c_str(), nullptr));
    const std::string design = "<solution><project name=\"chat\"/></solution>";
    ASSERT_TRUE(m_folder.Write("chat\\chat.kvs.tmo", design));
    ASSERT_TRUE(m_folder.Write("chat\\chat.kvs.tmp", design.substr(0, 10)));
    ASSERT_TRUE(LeaveRecord(m_folder.Path("chat"), StepsUntilTheFirstWentIn({"chat.kvs"})));
    EXPECT_EQ(nullptr, NewProject("chat"));
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_EQ("the file " + m_folder.Path("chat\\chat.kvs") + " already exists!",
              std::string(DesignerTestApp().m_messages[0]));
    EXPECT_EQ(design, m_folder.Read("chat\\chat.kvs"));
    EXPECT_NE(-1, Output().Find(("Making " + m_folder.Path("chat\\chat.kvs") + ": an interrupted run that " +
                                 m_folder.Path("chat\\replacing.tmr") + " recorded was put right")
                                    .c_str()))
        << (LPCTSTR)Output();
}

// Before, File > New in a folder where another program was saving its design found no design there, as the
// run held it aside, waited for that run, and then wrote the new project over the design it had just put
// in. Until the run in the folder ends, or one cut off is put right, no project is made there.
TEST_F(NewProjectTest, ANewProjectWaitsForNoRunThatHoldsADesignAside)
{
    ASSERT_TRUE(::CreateDirectory(m_folder.Path("chat").c_str(), nullptr));
    const std::string strPath = m_folder.Path("chat\\chat.kvs");
    const std::string design = "<solution><project name=\"chat\"/></solution>";
    ASSERT_TRUE(m_folder.Write("chat\\chat.kvs.tmo", design));
    auto pOther = std::make_unique<CRunRecord>();
    ASSERT_EQ(CRunRecord::Opened::Held, pOther->Create(RecordPathOf(strPath.c_str())));
    const auto otherEnds = [&]
    {
        if (!pOther)
            return;
        EXPECT_TRUE(::MoveFile(m_folder.Path("chat\\chat.kvs.tmo").c_str(), strPath.c_str()));
        EXPECT_TRUE(pOther->Remove());
        pOther.reset();
    };
    DiskFaults ends;
    ends.onPause = otherEnds;
    {
        CStandInDisk disk(ends);
        EXPECT_EQ(nullptr, NewProject("chat"));
    }
    otherEnds();
    EXPECT_EQ(design, m_folder.Read("chat\\chat.kvs")) << "the other program's design";
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_EQ("the file " + strPath + " cannot be made while another program is saving files in its folder!",
              std::string(DesignerTestApp().m_messages[0]));

    // A run cut off that cannot be put right yet holds it as long.
    DesignerTestApp().m_messages.clear();
    ASSERT_TRUE(::MoveFile(strPath.c_str(), m_folder.Path("chat\\chat.kvs.tmo").c_str()));
    ASSERT_TRUE(LeaveRecord(m_folder.Path("chat"), StepsUntilTheFirstWentIn({"chat.kvs"})));
    {
        CHeldOpen holder(m_folder.Path("chat\\chat.kvs.tmo").c_str(), FILE_SHARE_READ);
        ASSERT_TRUE(holder.IsHeld());
        EXPECT_EQ(nullptr, NewProject("chat"));
    }
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_EQ(
        0,
        DesignerTestApp().m_messages[0].Find(
            ("the file " + strPath + " cannot be made until the interrupted run in its folder is put right!").c_str()))
        << (LPCTSTR)DesignerTestApp().m_messages[0];
    EXPECT_EQ(design, m_folder.Read("chat\\chat.kvs.tmo"));
}

// Before, File > New looked for the design file once, before the write began, and the write then took a design that
// another program made meanwhile for an old file to replace. The write itself refuses a file there, whether it
// came before the write looked or as the write made the file.
TEST_F(NewProjectTest, ANewProjectNeverReplacesADesignAnotherProgramMakesAsItIsWritten)
{
    ASSERT_TRUE(::CreateDirectory(m_folder.Path("chat").c_str(), nullptr));
    const std::string theirs = "<solution><project name=\"chat\"/></solution>";
    for (const std::string moment : {"replacing.tmr", "chat.kvs"})
    {
        SCOPED_TRACE("made before the writer made " + moment);
        DiskFaults faults;
        faults.beforeCreate = [&](const std::string& name)
        {
            if (name == moment)
                ASSERT_TRUE(m_folder.Write("chat\\chat.kvs", theirs));
        };
        DesignerTestApp().m_messages.clear();
        {
            CStandInDisk disk(faults);
            EXPECT_EQ(nullptr, NewProject("chat"));
        }
        ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
        EXPECT_EQ(0, DesignerTestApp().m_messages[0].Find(
                         ("the file " + m_folder.Path("chat\\chat.kvs") + " already exists!").c_str()))
            << (LPCSTR)DesignerTestApp().m_messages[0];
        EXPECT_EQ(theirs, m_folder.Read("chat\\chat.kvs"));
        EXPECT_EQ(std::vector<std::string>{"chat.kvs"}, NamesIn(m_folder.Path("chat"))) << "nothing of the write";
        ASSERT_TRUE(::DeleteFile(m_folder.Path("chat\\chat.kvs").c_str()));
    }
}
