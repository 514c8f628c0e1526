// Saving under faults: a big editor text goes to its file from the rows, never copied whole, and a save
// that runs out of memory names the file, still writes the design first, keeps the editor's mark, and
// Exit then asks instead of refusing in silence.
#include "DesignerFrameTest.h"

#include "AllocationFault.h"
#include "WorkspaceRes.h"
#include "WrenfoldDoc.h"
#include "project/ProjectFile.h"
#include "project/RunRecord.h"

#include <string>

namespace
{

const std::size_t kBigText = std::size_t(24) << 20;
const std::size_t kCopyLimit = std::size_t(4) << 20;      // far below the text: no copy of it fits
const std::size_t kStarvedLimit = std::size_t(32) << 10;  // below one block the writer announces

// Long rows of C, each ended by CRLF, about nBytes in all.
std::string BigText(std::size_t nBytes)
{
    const std::string strComment = " /* " + std::string(200, '-') + " */\r\n";
    std::string text;
    text.reserve(nBytes + 256);
    for (int i = 0; text.size() < nBytes; i++)
        text += "int value" + std::to_string(i) + " = " + std::to_string(i) + ";" + strComment;
    return text;
}

class SaveUnderFaultsTest : public DesignerFrameTest
{
protected:
    // The project "big" loaded and its source, a UTF-16 file holding a character the rows have no form
    // for, open in an editor.
    static std::string UnicodeSource()
    {
        return std::string("\xFF\xFE/\0/\0 \0\x2D\x4E\r\0\n\0i\0n\0t\0 \0a\0;\0", 26);
    }
    CwrenfoldDoc* OpenUnicodeSource()
    {
        m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "big").c_str());
        const std::string strPath = m_folder.Path("big_api.c");
        EXPECT_TRUE(m_folder.Write("big_api.c", UnicodeSource()));
        return dynamic_cast<CwrenfoldDoc*>(DesignerTestApp().GetEditorTemplate()->OpenDocumentFile(strPath.c_str()));
    }

    // The project "big" loaded and its source open in an editor with the text, which its file has no
    // longer: the save must write it.
    CwrenfoldDoc* OpenBigEditor(const std::string& text)
    {
        m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "big").c_str());
        const std::string strPath = m_folder.Path("big_api.c");
        EXPECT_TRUE(m_folder.Write("big_api.c", text));
        CDocument* pOpened = DesignerTestApp().GetEditorTemplate()->OpenDocumentFile(strPath.c_str());
        auto* pDoc = dynamic_cast<CwrenfoldDoc*>(pOpened);
        if (!pDoc)
            return nullptr;
        // The parser's own memory is not what is tested: it stops, and the limits hold for the save alone.
        CKTSyntaxEditBufferManager* pBuffer = pDoc->GetDataManager();
        pBuffer->EnableSyntaxColor(FALSE);
        if (pBuffer->GetLexParser())
            pBuffer->GetLexParser()->BreakParsing();
        pDoc->SetModifiedFlag(TRUE);
        EXPECT_TRUE(m_folder.Write("big_api.c", ""));
        return pDoc;
    }
    std::string Message(std::size_t nIndex) const { return (LPCSTR)DesignerTestApp().m_messages.at(nIndex); }
};

}  // namespace

TEST_F(SaveUnderFaultsTest, ABigTextIsWrittenFromItsRowsWithNoWholeCopyOfIt)
{
    const std::string text = BigText(kBigText);
    CwrenfoldDoc* pDoc = OpenBigEditor(text);
    ASSERT_NE(nullptr, pDoc);
    {
        AllocationLimit limit(kCopyLimit);
        RunCommand(ID_PROJECT_SAVE_ALL);
    }
    ASSERT_TRUE(DesignerTestApp().m_messages.empty()) << Message(0);
    EXPECT_FALSE(pDoc->IsModified());
    const std::string written = m_folder.Read("big_api.c");
    EXPECT_EQ(text.size(), written.size());
    EXPECT_TRUE(written == text) << "the file equals the text";
}

TEST_F(SaveUnderFaultsTest, ASaveOutOfMemoryNamesTheFileWritesTheDesignKeepsTheMarkAndExitAsks)
{
    CwrenfoldDoc* pDoc = OpenBigEditor(BigText(kBigText));
    ASSERT_NE(nullptr, pDoc);
    ProjectRecord& project = *m_pFrame->m_projects.back();
    project.tlvSupport = !project.tlvSupport;
    const HWND hFrame = m_pFrame->GetSafeHwnd();
    {
        AllocationLimit limit(kStarvedLimit);
        RunCommand(ID_PROJECT_SAVE_ALL);
    }
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_NE(std::string::npos, Message(0).find(m_folder.Path("big_api.c"))) << Message(0);
    EXPECT_NE(std::string::npos, Message(0).find(": not enough memory")) << Message(0);
    EXPECT_TRUE(pDoc->IsModified()) << "the text is still unsaved";
    ProjectRecord saved;
    CString strMessage;
    ASSERT_TRUE(ReadProjectFile(m_folder.Path("big.kvs").c_str(), &saved, &strMessage));
    EXPECT_EQ(project.tlvSupport, saved.tlvSupport) << "the design was written all the same";

    DesignerTestApp().m_messages.clear();
    {
        AllocationLimit limit(kStarvedLimit);
        ::SendMessage(hFrame, WM_CLOSE, 0, 0);
    }
    ASSERT_EQ(2u, DesignerTestApp().m_messages.size()) << "the failure, then the question";
    EXPECT_NE(std::string::npos, Message(0).find("not enough memory")) << Message(0);
    EXPECT_NE(std::string::npos, Message(1).find("Try Again")) << Message(1);
    EXPECT_TRUE(::IsWindow(hFrame)) << "an answer that is neither Try Again nor Continue keeps the program";
    EXPECT_TRUE(pDoc->IsModified());
}

// Before, a Save while another designer saved its own project in the folder was refused at once, saying
// that it wrote the same files. It is refused only once the other's run outlasts the wait, says so, and
// the design stays unsaved for the next Save.
TEST_F(SaveUnderFaultsTest, ASaveThatAnotherProgramsRunOutlastsIsRefusedAndTheDesignStaysUnsaved)
{
    const std::string strPath = ExampleNamed(m_folder, "big");
    m_pFrame->ReadSolutionFile(strPath.c_str());
    ProjectRecord& project = *m_pFrame->m_projects.back();
    project.tlvSupport = !project.tlvSupport;
    {
        CRunRecord other;
        ASSERT_EQ(CRunRecord::Opened::Held, other.Create(RecordPathOf(strPath.c_str())));
        RunCommand(ID_PROJECT_SAVE_ALL);
        ASSERT_TRUE(other.Remove());
    }
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_NE(std::string::npos,
              Message(0).find("cannot replace " + strPath +
                              ": another program is saving files in this folder; try again when it is done"))
        << Message(0);
    ProjectRecord saved;
    CString strMessage;
    ASSERT_TRUE(ReadProjectFile(strPath.c_str(), &saved, &strMessage));
    EXPECT_NE(project.tlvSupport, saved.tlvSupport) << "nothing was written";

    DesignerTestApp().m_messages.clear();
    RunCommand(ID_PROJECT_SAVE_ALL);
    ASSERT_TRUE(DesignerTestApp().m_messages.empty()) << Message(0);
    ASSERT_TRUE(ReadProjectFile(strPath.c_str(), &saved, &strMessage));
    EXPECT_EQ(project.tlvSupport, saved.tlvSupport) << "the design still counted as changed";
}

// A UTF-16 source holding a character the rows have no form for is not written over once changed: Save
// All names the file and why, the file keeps its characters, and the editor stays unsaved.
TEST_F(SaveUnderFaultsTest, AChangedTextThatWouldLoseCharactersOfItsUnicodeFileIsNotSavedOverIt)
{
    const std::string bytes = UnicodeSource();
    const std::string strPath = m_folder.Path("big_api.c");
    CwrenfoldDoc* pDoc = OpenUnicodeSource();
    ASSERT_NE(nullptr, pDoc);
    ASSERT_TRUE(pDoc->GetDataManager()->InsertText("x", 2, 1, TRUE));
    pDoc->SetModifiedFlag(TRUE);
    RunCommand(ID_PROJECT_SAVE_ALL);
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_NE(std::string::npos, Message(0).find("not saved over " + strPath)) << Message(0);
    EXPECT_NE(std::string::npos, Message(0).find("Undo the changes")) << Message(0);
    EXPECT_TRUE(m_folder.Read("big_api.c") == bytes);
    EXPECT_TRUE(pDoc->IsModified());
}

// Saved back unchanged, the source is a new file renamed over the old one: it still holds the characters,
// and the changed text saved next is refused over it all the same.
TEST_F(SaveUnderFaultsTest, AChangedTextIsNotSavedOverItsUnicodeFileAfterAnUnchangedSaveReplacedIt)
{
    const std::string bytes = UnicodeSource();
    const std::string strPath = m_folder.Path("big_api.c");
    CwrenfoldDoc* pDoc = OpenUnicodeSource();
    ASSERT_NE(nullptr, pDoc);
    CKTSyntaxEditBufferManager* pBuffer = pDoc->GetDataManager();
    ASSERT_TRUE(pBuffer->InsertText("x", 2, 1, TRUE));
    ASSERT_TRUE(pBuffer->DeleteText(2, 1, 2, 2, TRUE, FALSE));
    pDoc->SetModifiedFlag(TRUE);
    RunCommand(ID_PROJECT_SAVE_ALL);
    ASSERT_TRUE(DesignerTestApp().m_messages.empty()) << Message(0);
    EXPECT_TRUE(m_folder.Read("big_api.c") == bytes);

    ASSERT_TRUE(pBuffer->InsertText("y", 2, 7, TRUE));
    pDoc->SetModifiedFlag(TRUE);
    RunCommand(ID_PROJECT_SAVE_ALL);
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_NE(std::string::npos, Message(0).find("not saved over " + strPath)) << Message(0);
    EXPECT_TRUE(m_folder.Read("big_api.c") == bytes);
    EXPECT_TRUE(pDoc->IsModified());
}

// Generate puts a whole new text in the UTF-16 source's editor, which keeps none of the characters the
// rows had no form for: Save All writes it over the file, still UTF-16.
TEST_F(SaveUnderFaultsTest, GeneratedCodeInTheEditorOfAUnicodeFileIsSavedOverIt)
{
    CwrenfoldDoc* pDoc = OpenUnicodeSource();
    ASSERT_NE(nullptr, pDoc);
    Select(ProjectItem("big"));
    RunCommand(ID_BUILD_GENERATE_CODE);
    ASSERT_TRUE(pDoc->IsModified());
    RunCommand(ID_PROJECT_SAVE_ALL);
    ASSERT_TRUE(DesignerTestApp().m_messages.empty()) << Message(0);
    EXPECT_FALSE(pDoc->IsModified());
    const std::string written = m_folder.Read("big_api.c");
    EXPECT_EQ("\xFF\xFE", written.substr(0, 2));
    EXPECT_NE(std::string::npos, written.find(std::string("#\0i\0n\0c\0l\0u\0d\0e\0", 16)));
}
