// Generate Code, the diagram and the Makefile in a loaded frame: the new text goes into the project's
// open editors as one step the user can undo, Save All writes it, and Compile right after it builds
// the new text.
#include "DesignerFrameTest.h"

#include "AllocationFault.h"
#include "CommandState.h"
#include "SaveFaults.h"
#include "StandInDisk.h"
#include "FrameKeys.h"
#include "Generator.h"
#include "LongWork.h"
#include "KTPropertyGridInplaceEdit.h"
#include "KTSyntaxEditDoc.h"
#include "KTSyntaxEditNotify.h"
#include "KTSyntaxEditView.h"
#include "KTTabClientGroup.h"
#include "LeftRecord.h"
#include "MessagePump.h"
#include "NativeBuild.h"
#include "SampleDesigns.h"
#include "PixelImage.h"
#include "StatusProbe.h"
#include "StubTools.h"
#include "TestInput.h"
#include "ThreadCall.h"
#include "WorkspaceRes.h"
#include "WrenfoldDoc.h"
#include "afxpriv.h"
#include "model/Vocabulary.h"
#include "project/ProjectFile.h"

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

#include <algorithm>
#include <vector>

namespace
{

size_t TimesIn(const std::string& text, const std::string& part)
{
    size_t nTimes = 0;
    for (size_t nAt = text.find(part); nAt != std::string::npos; nAt = text.find(part, nAt + 1))
        nTimes++;
    return nTimes;
}

std::string WithoutCarriageReturns(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// Memory runs out at a chosen moment of a Generate into the editors: the allocation that comes
// nSucceeding after the moment fails, on the window's thread. A moment is the end of a view's nth
// notification of a kind from its editor. Each view's last rows that it heard were inserted are kept.
class CEditorFault
{
public:
    struct Moment
    {
        std::size_t nView;
        int nCode;
        int nTimes = 1;
    };
    CEditorFault(const std::vector<HWND>& views, long nSucceeding, Moment armed, Moment until)
        : m_nSucceeding(nSucceeding), m_armed(armed), m_until(until)
    {
        for (HWND hView : views)
            m_views.push_back({hView, Subclass(hView)});
        s_pThis = this;
    }
    ~CEditorFault()
    {
        for (const View& view : m_views)
            ::SetWindowLongPtr(view.hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(view.pfnOld));
        s_pThis = nullptr;
    }
    CEditorFault(const CEditorFault&) = delete;
    CEditorFault& operator=(const CEditorFault&) = delete;

    // The fault was met before the moment `until` began, or the moment never came.
    bool MetBefore() const { return m_bUntilBegun ? m_bMetBefore : m_fault && AllocationFault::Happened(); }
    // The last row of the rows the view heard were inserted; 0 when it heard of none.
    int RowsInsertedUpTo(std::size_t nView) const { return m_views[nView].nInsertedUpTo; }

private:
    struct View
    {
        HWND hWnd;
        WNDPROC pfnOld;
        int nInsertedUpTo = 0;
        int nArmedHeard = 0;  // notifications of the armed moment's kind; no allocation once armed
        int nUntilHeard = 0;
    };
    static WNDPROC Subclass(HWND hWnd)
    {
        return reinterpret_cast<WNDPROC>(::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    static bool Is(const Moment& moment, const View& view, const View& momentView, int nCode, int nHeard)
    {
        return &view == &momentView && nCode == moment.nCode && nHeard == moment.nTimes;
    }
    static LRESULT CALLBACK Proc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
    {
        CEditorFault& self = *s_pThis;
        View& view = *std::find_if(self.m_views.begin(), self.m_views.end(),
                                   [hWnd](const View& each) { return each.hWnd == hWnd; });
        const int nCode = nMessage == WM_NOTIFY ? int(reinterpret_cast<NMHDR*>(lParam)->code) : 0;
        view.nArmedHeard += nCode == self.m_armed.nCode;
        view.nUntilHeard += nCode == self.m_until.nCode;
        const View& armedView = self.m_views[self.m_armed.nView];
        const View& untilView = self.m_views[self.m_until.nView];
        if (self.m_fault && !self.m_bUntilBegun && Is(self.m_until, view, untilView, nCode, view.nUntilHeard))
        {
            self.m_bUntilBegun = true;
            self.m_bMetBefore = AllocationFault::Happened();
        }
        if (nCode == KT_EDIT_NM_TEXTCHANGED)
        {
            const auto* pRows = reinterpret_cast<const KT_EDIT_NMHDR_ROWS*>(lParam);
            if (pRows->nFlags & KT_EDIT_CHANGE_ROWS_INSERTED)
                view.nInsertedUpTo = pRows->nLastRow;
        }
        const LRESULT lResult = ::CallWindowProc(view.pfnOld, hWnd, nMessage, wParam, lParam);
        if (!self.m_fault && Is(self.m_armed, view, armedView, nCode, view.nArmedHeard))
            self.m_fault.emplace(self.m_nSucceeding, AllocationFault::Threads::ThisOne);
        return lResult;
    }

    static inline CEditorFault* s_pThis = nullptr;
    std::vector<View> m_views;
    long m_nSucceeding;
    Moment m_armed, m_until;
    std::optional<AllocationFault> m_fault;
    bool m_bUntilBegun = false;
    bool m_bMetBefore = false;
};

// What the last Generate wrote to the output pane.
std::string LastGenerateOutput(CMainFrame& frame)
{
    CString strOutput;
    frame.m_wndOutput.GetWindowText(strOutput);
    const std::string output(strOutput);
    return output.substr(output.rfind("Start Generating..."));
}

class GenerateIntoEditorsTest : public DesignerFrameTest
{
protected:
    ProjectRecord& OpenAndSelect(const char* pszName)
    {
        m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, pszName).c_str());
        Select(ProjectItem(pszName));
        return *m_pFrame->m_projects.back();
    }
    CDocument* EditorOf(const std::string& fileName) const
    {
        const CString strPath = m_folder.Path(fileName).c_str();
        CMultiDocTemplate* pTemplate = DesignerTestApp().GetEditorTemplate();
        for (POSITION pos = pTemplate->GetFirstDocPosition(); pos;)
        {
            CDocument* pDoc = pTemplate->GetNextDoc(pos);
            if (pDoc->GetPathName().CompareNoCase(strPath) == 0)
                return pDoc;
        }
        return nullptr;
    }
    static codegen::GeneratedCode Expected(const ProjectRecord& project)
    {
        codegen::GeneratedCode code;
        std::string error;
        EXPECT_TRUE(codegen::GenerateCode(project, code, error)) << error;
        return code;
    }
    // A design big enough that its generated source takes the window's thread a while to put in.
    ProjectRecord& OpenAndSelectLarge(int nPackets = 1000)
    {
        CString strError;
        EXPECT_TRUE(WriteProjectFile(LargeProject(nPackets, 30), m_folder.Path("Large.kvs").c_str(), &strError));
        m_pFrame->ReadSolutionFile(m_folder.Path("Large.kvs").c_str());
        Select(ProjectItem("Large"));
        return *m_pFrame->m_projects.back();
    }
    void GenerateWithEachAllocationFailing(CEditorFault::Moment armed, CEditorFault::Moment until);
    CString Output() const
    {
        CString strOutput;
        m_pFrame->m_wndOutput.GetWindowText(strOutput);
        return strOutput;
    }
    // The output pane's last line.
    std::string LastOutputLine() const
    {
        std::string output(Output());
        output.erase(output.find_last_not_of("\r\n") + 1);
        return output.substr(output.rfind("\r\n") + 2);
    }
    std::string Written(const std::string& fileName) const { return WithoutCarriageReturns(m_folder.Read(fileName)); }
    // The project's three source files hold its code, as a save writes it.
    void ExpectCodeWritten(const ProjectRecord& project) const
    {
        const codegen::GeneratedCode code = Expected(project);
        const std::string name(project.name);
        EXPECT_EQ(WithoutCarriageReturns(code.header), Written(name + "_api.h"));
        EXPECT_EQ(WithoutCarriageReturns(code.source), Written(name + "_api.c"));
        EXPECT_EQ(WithoutCarriageReturns(code.demo), Written(name + "_api_demo.c"));
    }
    static CKTSyntaxEditView* ViewOf(CDocument* pDoc) { return static_cast<CKTSyntaxEditDoc*>(pDoc)->GetFirstView(); }
    // The editor's rows, each ended by LF but the last.
    static std::string EditorText(CDocument* pDoc)
    {
        CKTSyntaxEditBufferManager* pBuffer = static_cast<CKTSyntaxEditDoc*>(pDoc)->GetDataManager();
        std::string text;
        for (int nRow = 1; nRow <= pBuffer->GetRowCount(); nRow++)
            text += std::string(nRow > 1 ? "\n" : "") + LPCSTR(pBuffer->GetLineTextEx(nRow));
        return text;
    }
};

}  // namespace

// Before, a Save All that first put right a run cut off in the project's folder said nothing of it: a file the
// user changed since stayed beside its old contents without a word, as the opening would have said. Whichever
// file the save writes first tells it: the editors' texts after a Generate, or the design once changed.
TEST_F(GenerateIntoEditorsTest, ASaveAllSaysWhatPuttingRightARunCutOffInItsFolderLeft)
{
    for (const bool bDesignChanged : {false, true})
    {
        SCOPED_TRACE(bDesignChanged ? "the design changed" : "the code generated into the editors");
        ProjectRecord& project = OpenAndSelect("gen");
        if (bDesignChanged)
            project.libraryType = 1 - project.libraryType;
        else
            RunCommand(ID_BUILD_GENERATE_CODE);
        ASSERT_TRUE(m_folder.Write("notes.txt.tmo", "old notes"));
        ASSERT_TRUE(m_folder.Write("notes.txt", "the run's new notes"));
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilTheFirstWentIn({"notes.txt"})));
        ASSERT_TRUE(m_folder.Write("notes.txt", "the run's new notes and the user's line"));
        RunCommand(ID_PROJECT_SAVE_ALL);
        EXPECT_TRUE(DesignerTestApp().m_messages.empty());
        const std::string line = LastOutputLine();
        const std::string left = "; " + m_folder.Path("notes.txt") +
                                 " was changed since and is left as it is; its old contents wait in " +
                                 m_folder.Path("notes.txt.tmo");
        EXPECT_NE(std::string::npos, line.find(": an interrupted run that " + m_folder.Path("replacing.tmr"))) << line;
        EXPECT_EQ(0u, line.find(bDesignChanged ? "Saving gen: " : "Saving gen_api")) << line;
        EXPECT_EQ(line.size() - left.size(), line.rfind(left)) << line;
        RunCommand(ID_PROJECT_CLOSE);
        ASSERT_TRUE(std::filesystem::remove(m_folder.Path("notes.txt.tmo")));
    }
}

// Before, a Save or a Save All with nothing to write left a run cut off in the project's folder as it was, record
// and files aside, though the opening had said that the next save puts it right.
TEST_F(GenerateIntoEditorsTest, ASaveWithNothingToWritePutsRightARunCutOffInItsFolderAndSaysSo)
{
    for (const UINT nCommand : {ID_PROJECT_SAVE_ALL, ID_PROJECT_SAVE})
    {
        SCOPED_TRACE(nCommand == ID_PROJECT_SAVE ? "Save" : "Save All");
        OpenAndSelect("gen");
        ASSERT_TRUE(m_folder.Write("notes.txt.tmo", "old notes"));
        ASSERT_TRUE(m_folder.Write("notes.txt", "the run's new notes"));
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilTheFirstWentIn({"notes.txt"})));
        const int nBefore = Output().GetLength();
        RunCommand(nCommand);
        EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
        EXPECT_FALSE(std::filesystem::exists(m_folder.Path("replacing.tmr")));
        EXPECT_FALSE(std::filesystem::exists(m_folder.Path("notes.txt.tmo")));
        EXPECT_EQ("old notes", m_folder.Read("notes.txt"));
        EXPECT_EQ("Saving gen: an interrupted run that " + m_folder.Path("replacing.tmr") +
                      " recorded was put right\r\n",
                  std::string(Output().Mid(nBefore)));
        RunCommand(ID_PROJECT_CLOSE);
    }
}

TEST_F(GenerateIntoEditorsTest, TheOpenEditorsTakeTheNewTextAndSaveAllWritesIt)
{
    const ProjectRecord& project = OpenAndSelect("gen");
    RunCommand(ID_BUILD_GENERATE_CODE);
    CString strOutput;
    m_pFrame->m_wndOutput.GetWindowText(strOutput);
    EXPECT_EQ(CString("Start Generating...\r\nSuccessfully Generated!\r\n"), strOutput);
    for (const char* pszFile : {"gen_api.h", "gen_api.c", "gen_api_demo.c"})
    {
        ASSERT_NE(nullptr, EditorOf(pszFile)) << pszFile;
        EXPECT_TRUE(EditorOf(pszFile)->IsModified()) << pszFile;
        EXPECT_EQ("", m_folder.Read(pszFile)) << "the new text waits in the editor of " << pszFile;
    }

    RunCommand(ID_PROJECT_SAVE_ALL);
    ExpectCodeWritten(project);
    EXPECT_FALSE(EditorOf("gen_api.c")->IsModified());
}

// Each editor's new rows go into blocks of a quarter megabyte, far more than the small design's
// generator asks for at once: with no block that big to be had, memory runs out making the texts
// ready for their editors, after the generator is done.
TEST_F(GenerateIntoEditorsTest, MemoryRunningOutPuttingTheTextsInLeavesEveryEditorAsItWasAndSaysSo)
{
    const std::vector<std::string> files = {"gen_api.h", "gen_api.c", "gen_api_demo.c"};
    for (const std::string& file : files)
        m_folder.Write(file, "old " + file + "\r\n");
    const ProjectRecord& project = OpenAndSelect("gen");
    {
        AllocationLimit limit(std::size_t(128) << 10);
        RunCommand(ID_BUILD_GENERATE_CODE);
    }
    CString strOutput;
    m_pFrame->m_wndOutput.GetWindowText(strOutput);
    EXPECT_EQ(CString("Start Generating...\r\nError: project gen: not enough memory to generate the code!\r\n"),
              strOutput);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty());
    RunCommand(ID_PROJECT_SAVE_ALL);
    for (const std::string& file : files)
    {
        ASSERT_NE(nullptr, EditorOf(file)) << file;
        EXPECT_EQ("old " + file + "\n", EditorText(EditorOf(file))) << file;
        EXPECT_FALSE(EditorOf(file)->IsModified()) << file;
        EXPECT_EQ("old " + file + "\r\n", m_folder.Read(file)) << file;
    }

    RunCommand(ID_BUILD_GENERATE_CODE);
    RunCommand(ID_PROJECT_SAVE_ALL);
    const codegen::GeneratedCode code = Expected(project);
    EXPECT_EQ(WithoutCarriageReturns(code.header), Written("gen_api.h"));
    EXPECT_EQ(WithoutCarriageReturns(code.demo), Written("gen_api_demo.c"));
}

// Generate into the three open editors of "gen" with each allocation after the moment `armed` failing
// in turn, until none before the moment `until` fails: every editor ends with its new text marked,
// the later editors told of all their rows, and the output says Generate was done or why not.
void GenerateIntoEditorsTest::GenerateWithEachAllocationFailing(CEditorFault::Moment armed, CEditorFault::Moment until)
{
    const std::vector<std::string> files = {"gen_api.h", "gen_api.c", "gen_api_demo.c"};
    ProjectRecord& project = OpenAndSelect("gen");
    std::vector<HWND> views;
    for (const std::string& file : files)
    {
        ASSERT_NE(nullptr, EditorOf(file)) << file;
        views.push_back(ViewOf(EditorOf(file))->GetSafeHwnd());
    }
    bool bMet = true;
    for (long nSucceeding = 0; bMet; nSucceeding++)
    {
        SCOPED_TRACE("allocation " + std::to_string(nSucceeding));
        // A new design each time, so that every editor takes a new text.
        project.basedProtocol ^= 1;
        {
            CEditorFault fault(views, nSucceeding, armed, until);
            m_pFrame->SendMessage(WM_COMMAND, ID_BUILD_GENERATE_CODE);
            bMet = fault.MetBefore();
            ASSERT_TRUE(bMet || nSucceeding > 0) << "the first allocation after the moment fails";
            for (std::size_t nLater = 1; nLater < files.size(); nLater++)
                ASSERT_EQ(ViewOf(EditorOf(files[nLater]))->GetEditCtrl()->GetRowCount(), fault.RowsInsertedUpTo(nLater))
                    << files[nLater] << " was told of all its new rows";
        }
        ASSERT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCTSTR)DesignerTestApp().m_messages[0];
        const std::string output = LastGenerateOutput(*m_pFrame);
        if (output.find("Successfully Generated!") == std::string::npos)
            ASSERT_EQ("Start Generating...\r\nError: project gen: not enough memory to redraw the editors of the "
                      "code, which hold the new text!\r\n",
                      output);
        for (const std::string& file : files)
            ASSERT_TRUE(EditorOf(file)->IsModified()) << file;
        RunCommand(ID_PROJECT_SAVE_ALL);
        for (const std::string& file : files)
            ASSERT_EQ(EditorText(EditorOf(file)), Written(file)) << file;
        ASSERT_TRUE(DesignerTestApp().m_messages.empty());
    }
}

// Before, an allocation failing while the first editor redrew could end the program, and then left the
// later editors untold of their new text, their rows, scroll bars and colours those of the old one,
// with a message box and no line in the output. The editors' marks are all set before any editor
// redraws, so that no failure there leaves a new text that Save All would not write. Each allocation
// of the first editor's redraw fails in turn.
TEST_F(GenerateIntoEditorsTest, MemoryRunningOutWhileAnEditorRedrawsLeavesEveryNewTextMarkedForSaveAll)
{
    GenerateWithEachAllocationFailing({0, KT_EDIT_NM_TEXTCHANGED}, {1, KT_EDIT_NM_TEXTCHANGED});
}

// Marking a document updates its title and frames, which allocates: before, a failure there left the
// later documents with their new texts and no mark, and went past the output with a message box. Each
// allocation from the first editor taking its text to its redraw fails in turn; the first editor
// hears it may be edited once as its text is made ready and once as it takes it.
TEST_F(GenerateIntoEditorsTest, MemoryRunningOutWhileTheDocumentsAreMarkedLeavesEveryNewTextMarkedAndSaysSo)
{
    GenerateWithEachAllocationFailing({0, KT_EDIT_NM_CANEDIT, 2}, {0, KT_EDIT_NM_TEXTCHANGED});
}

// The example designs share one folder: one project's Save and Close touch no editor of another there.
TEST_F(GenerateIntoEditorsTest, SavingAndClosingAProjectLeaveTheEditorsOfAnotherInItsFolderAsTheyWere)
{
    OpenAndSelect("gen");
    OpenAndSelect("other");
    RunCommand(ID_BUILD_GENERATE_CODE);
    ASSERT_NE(nullptr, EditorOf("other_api.c"));
    ASSERT_TRUE(EditorOf("other_api.c")->IsModified());

    Select(ProjectItem("gen"));
    RunCommand(ID_PROJECT_SAVE);
    EXPECT_EQ("", m_folder.Read("other_api.c")) << "written without its own Save";
    RunCommand(ID_PROJECT_CLOSE);
    ASSERT_EQ(1u, m_pFrame->m_projects.size());
    EXPECT_EQ(nullptr, EditorOf("gen_api.c"));
    ASSERT_NE(nullptr, EditorOf("other_api.c")) << "closed with another project";
    EXPECT_TRUE(EditorOf("other_api.c")->IsModified());
    EXPECT_EQ("", m_folder.Read("other_api.c"));
    EXPECT_TRUE(DesignerTestApp().m_messages.empty());
}

namespace
{

// After the idle time that updates both, the frame's title and the active editor's tab; empty when none is active.
std::pair<std::string, std::string> TitleAndActiveTab(CMainFrame& frame)
{
    PumpMessages();
    for (LONG lCount = 0; AfxGetApp()->OnIdle(lCount); ++lCount)
    {
    }
    CString strTitle;
    frame.GetWindowText(strTitle);
    CKTTabClientGroup* pGroup = frame.m_wndTabClient.GetActiveGroup();
    CKTTabManagerItem* pTab = pGroup ? pGroup->GetSelectedItem() : nullptr;
    return {std::string(strTitle), pTab ? std::string(pTab->GetCaption()) : std::string()};
}

}  // namespace

// The editors took the new text and saved it while they were held from drawing, and the title missed both.
TEST_F(GenerateIntoEditorsTest, TheTitlesModifiedMarkFollowsGenerateCodeAndCtrlS)
{
    OpenAndSelect("gen");
    RunCommand(ID_BUILD_GENERATE_CODE);
    auto [strTitle, strTab] = TitleAndActiveTab(*m_pFrame);
    ASSERT_EQ("gen_api.h *", strTab) << "the active editor took the new text";
    EXPECT_EQ(strTab + " - Kestova", strTitle);

    CFrameKeys keys;
    CTestInput input(ViewOf(EditorOf("gen_api.h"))->GetEditCtrl()->GetSafeHwnd());
    ASSERT_TRUE(input.Key('S', CTestInput::kControl));
    std::tie(strTitle, strTab) = TitleAndActiveTab(*m_pFrame);
    ASSERT_EQ("gen_api.h", strTab) << "Ctrl+S saved it";
    EXPECT_EQ(strTab + " - Kestova", strTitle);
}

namespace
{

// The editor's text area as the screen shows it, without the gutter.
CPixelImage TextOnScreen(CKTSyntaxEditCtrl& ctrl)
{
    CRect rc;
    ctrl.GetClientRect(&rc);
    rc.left = ctrl.GetTextLeft();
    ctrl.ClientToScreen(&rc);
    return CPixelImage::FromScreen(rc);
}

}  // namespace

// The editors behind the active one are not painted when they take the new text: the one that comes
// forward shows its own text, not what was on the screen there.
TEST_F(GenerateIntoEditorsTest, AnEditorBehindTheActiveOneShowsItsNewTextWhenItComesForward)
{
    OpenAndSelect("gen");
    RunCommand(ID_BUILD_GENERATE_CODE);
    CKTSyntaxEditView* pActive = ViewOf(EditorOf("gen_api.h"));
    CKTSyntaxEditView* pBehind = ViewOf(EditorOf("gen_api.c"));
    ASSERT_EQ(pActive->GetParentFrame(), m_pFrame->MDIGetActive());
    const CPixelImage before = TextOnScreen(*pActive->GetEditCtrl());

    static_cast<CMDIChildWnd*>(pBehind->GetParentFrame())->MDIActivate();
    EXPECT_TRUE(PumpUntil([&] { return TextOnScreen(*pBehind->GetEditCtrl()).CountDiffering(before) > 500; }))
        << "the source's rows replaced the header's on the screen";
}

TEST_F(GenerateIntoEditorsTest, TheOpenDiagramAndMakefileEditorsTakeTheirNewTextAndASaveWritesIt)
{
    m_folder.Write("nix.diagram", "the previous diagram\r\n");
    m_folder.Write("Makefile", "previous:\n\techo previous\n");
    ProjectRecord& project = OpenAndSelect("nix");
    project.targetPlatform = PLATFORM_UNIX;
    ASSERT_NE(nullptr,
              DesignerTestApp().GetEditorTemplate()->OpenDocumentFile(m_folder.Path("Makefile").c_str(), TRUE));
    RunCommand(ID_BUILD_DIAGRAM);
    RunCommand(ID_BUILD_MAKEFILE);
    std::string diagram, makefile, error;
    ASSERT_TRUE(codegen::GenerateDiagram(project, diagram, error)) << error;
    ASSERT_TRUE(codegen::GenerateMakefile(project, makefile, error)) << error;
    for (const auto& [fileName, text] : {std::make_pair("nix.diagram", diagram), std::make_pair("Makefile", makefile)})
    {
        CDocument* pDoc = EditorOf(fileName);
        ASSERT_NE(nullptr, pDoc) << fileName;
        EXPECT_TRUE(pDoc->IsModified()) << fileName;
        EXPECT_EQ(WithoutCarriageReturns(text), EditorText(pDoc)) << fileName;
    }
    EXPECT_EQ("previous:\n\techo previous\n", m_folder.Read("Makefile")) << "the new text waits in the editor";

    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_EQ(diagram, m_folder.Read("nix.diagram"));
    EXPECT_EQ(makefile, m_folder.Read("Makefile")) << "make reads a CR as part of a recipe";
}

TEST_F(GenerateIntoEditorsTest, OneCtrlZUndoesAWholeGenerateCode)
{
    m_folder.Write("gen_api.c", "previous generation\r\n");
    OpenAndSelect("gen");
    RunCommand(ID_BUILD_GENERATE_CODE);
    CDocument* pDoc = EditorOf("gen_api.c");
    ASSERT_NE(nullptr, pDoc);
    ASSERT_NE("previous generation\n", EditorText(pDoc));
    CKTSyntaxEditView* pView = ViewOf(pDoc);
    static_cast<CMDIChildWnd*>(pView->GetParentFrame())->MDIActivate();
    PumpMessages();

    CFrameKeys keys;
    CTestInput input(pView->GetEditCtrl()->GetSafeHwnd());
    ASSERT_TRUE(input.Key('Z', CTestInput::kControl));
    EXPECT_EQ("previous generation\n", EditorText(pDoc));
    EXPECT_FALSE(pView->GetEditCtrl()->CanUndo()) << "the generation was one step";
}

TEST_F(GenerateIntoEditorsTest, TheGeneratedTextIsColouredInItsEditor)
{
    OpenAndSelect("gen");
    RunCommand(ID_BUILD_GENERATE_CODE);
    CDocument* pDoc = EditorOf("gen_api.h");  // the active one
    ASSERT_NE(nullptr, pDoc);
    CKTSyntaxEditCtrl* pCtrl = static_cast<CKTSyntaxEditDoc*>(pDoc)->GetFirstView()->GetEditCtrl();
    // The colouring is parsed aside the window's thread: wait for it, repainting as a user would see it.
    const auto blueKeywords = [pCtrl]
    {
        pCtrl->RedrawWindow();
        return CPixelImage::FromWindow(pCtrl->GetSafeHwnd()).CountNear(RGB(0, 0, 255)) > 50;
    };
    EXPECT_TRUE(PumpUntil(blueKeywords, 3000)) << "keywords are blue";
}

TEST_F(GenerateIntoEditorsTest, CompileRightAfterGenerateBuildsTheNewText)
{
    m_folder.Write("win_api.c", "previous generation\r\n");
    const ProjectRecord& project = OpenAndSelect("win");
    const CString strStubs = WriteStubTools(project.folder);
    m_pFrame->m_strCompilerPath = strStubs + "\\vcvars32.bat";
    RunCommand(ID_BUILD_GENERATE_CODE);
    RunCommand(ID_BUILD_COMPILE);
    ASSERT_TRUE(WaitForFile(strStubs + "\\cl.done"));
    EXPECT_EQ(WithoutCarriageReturns(Expected(project).source), WithoutCarriageReturns(ReadAll(strStubs + "\\seen.c")))
        << "the stub compiler saw the saved new text";
    EXPECT_NE(std::string::npos, ReadAll(strStubs + "\\args.txt").find("win_api.c"));
}

TEST_F(GenerateIntoEditorsTest, AUnixProjectsSavedFilesBuildWithItsMakefileAndItsDemoPairExchangesEveryPacket)
{
    if (::GetFileAttributes("Z:\\usr\\bin\\make") == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no native make";
    ProjectRecord& project = OpenAndSelect("nix");
    project.targetPlatform = PLATFORM_UNIX;
    RunCommand(ID_BUILD_GENERATE_CODE);
    RunCommand(ID_PROJECT_SAVE_ALL);
    RunCommand(ID_BUILD_MAKEFILE);
    ASSERT_TRUE(BuildAndRunNatively(m_folder.Path(), "nix"));
    EXPECT_EQ("0\n", m_folder.Read("make.status")) << m_folder.Read("make.log");
    const std::string all = std::to_string(3 * project.packets.GetSize()) + " of " +
                            std::to_string(3 * project.packets.GetSize()) + " packets intact";
    EXPECT_NE(std::string::npos, m_folder.Read("server.txt").find("server: " + all)) << m_folder.Read("server.txt");
    EXPECT_NE(std::string::npos, m_folder.Read("client.txt").find("client: " + all)) << m_folder.Read("client.txt");
}

// A packet's new name typed but not yet committed when Generate starts: the work reads what the user
// sees, and the focus leaving the edit while the work runs writes nothing behind its back.
TEST_F(GenerateIntoEditorsTest, AGridEditCommittedByAFocusChangeDuringGenerateAgreesWithTheGeneratedText)
{
    CString strError;
    ASSERT_TRUE(WriteProjectFile(LargeProject(2000, 6), m_folder.Path("Large.kvs").c_str(), &strError));
    m_pFrame->ReadSolutionFile(m_folder.Path("Large.kvs").c_str());
    ASSERT_FALSE(m_pFrame->m_projects.empty());
    ProjectRecord& project = *m_pFrame->m_projects.back();
    Select(ProjectItem("Large"));
    Select(FirstChildOf("Large", "Packet"));
    CKTPropertyGridItem* pName = Item(CProtocolSettingsPane::kPacketPage, "Name");
    ASSERT_NE(nullptr, pName);
    pName->OnSelect();
    pName->SetFocusToInplaceControl();
    CKTPropertyGridInplaceEdit& edit =
        m_pFrame->m_wndSettings.Page(CProtocolSettingsPane::kPacketPage).GetInplaceEdit();
    CTestInput input(edit.GetSafeHwnd());
    ASSERT_TRUE(input.Text("Renamed"));
    ASSERT_TRUE(edit.IsTextChanged());
    ASSERT_STREQ("Packet0", project.packets[0].name) << "not committed yet";

    CThreadCall windowThread;
    std::atomic<bool> bStop{false}, bSeen{false};
    std::string strReadByWork;
    const HWND hTree = Tree().GetSafeHwnd();
    std::thread other(
        [&]
        {
            while (!bStop && !CLongWork::IsRunning())
                ::Sleep(1);
            if (bStop)
                return;
            strReadByWork = project.packets[0].name.Text();
            bSeen = true;
            windowThread.Call([hTree] { ::SetFocus(hTree); });
        });
    RunCommand(ID_BUILD_GENERATE_CODE);
    bStop = true;
    other.join();
    ASSERT_TRUE(bSeen) << "the generation was over before the other thread saw it";
    EXPECT_EQ("Renamed", strReadByWork) << "the edit went in before the work read the project";
    EXPECT_STREQ("Renamed", project.packets[0].name);
    ASSERT_NE(nullptr, EditorOf("Large_api.h"));
    EXPECT_EQ(WithoutCarriageReturns(Expected(project).header), EditorText(EditorOf("Large_api.h")));
    EXPECT_TRUE(DesignerTestApp().m_messages.empty());
}

namespace
{

std::string Joined(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& text : texts)
        joined += "[" + text + "] ";
    return joined;
}

bool AnyStartsWith(const std::vector<std::string>& texts, const std::string& start)
{
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& text) { return text.rfind(start, 0) == 0; });
}

}  // namespace

// Before, the new text went in within one message: nothing another program sent was answered and
// nothing painted until it was all in. Now each source is split for its open editor aside while the
// generator writes the next, and the editor takes it whole as one step.
TEST_F(GenerateIntoEditorsTest, ABigNewTextGoesInWithTheWindowAnsweringAndOneCtrlZBringsTheOldTextBackWhole)
{
    std::string previous;
    for (int i = 0; i < 20000; i++)
        previous += "int previous" + std::to_string(i) + ";\r\n";
    m_folder.Write("Large_api.c", previous);
    OpenAndSelectLarge(4000);
    CDocument* pDoc = EditorOf("Large_api.c");
    ASSERT_NE(nullptr, pDoc);
    const std::string before = EditorText(pDoc);
    CKTSyntaxEditView* pView = ViewOf(pDoc);
    static_cast<CMDIChildWnd*>(pView->GetParentFrame())->MDIActivate();
    PumpMessages();
    const HWND hEditor = pView->GetEditCtrl()->GetSafeHwnd();

    const std::string strStep = "Checking the design and generating the code of Large...";
    std::atomic<bool> bAsked{false}, bPainted{false};
    CStatusProbe probe(m_pFrame->m_wndStatusBar,
                       [&](const std::string& text)
                       {
                           if (text.rfind(strStep, 0) != 0 || bPainted)
                               return true;
                           if (!bAsked.exchange(true))
                               ::InvalidateRect(hEditor, nullptr, FALSE);
                           else
                               bPainted = !::GetUpdateRect(hEditor, nullptr, FALSE);
                           return true;
                       });
    RunCommand(ID_BUILD_GENERATE_CODE);
    probe.Stop();
    EXPECT_TRUE(bPainted) << "the editor painted while the sources were written and split; heard "
                          << Joined(probe.Heard());
    const codegen::GeneratedCode code = Expected(*m_pFrame->m_projects.back());
    EXPECT_EQ(WithoutCarriageReturns(code.source), EditorText(pDoc));
    EXPECT_EQ(WithoutCarriageReturns(code.demo), EditorText(EditorOf("Large_api_demo.c")));
    EXPECT_TRUE(pDoc->IsModified());

    CFrameKeys keys;
    CTestInput input(hEditor);
    ASSERT_TRUE(input.Key('Z', CTestInput::kControl));
    EXPECT_EQ(before, EditorText(pDoc)) << "one Ctrl+Z brought the old text back whole";
    EXPECT_FALSE(pView->GetEditCtrl()->CanUndo()) << "the generation was one step";
}

// Before, the editors were written on the window's thread. The editor's frame, closed by another
// program meanwhile, goes once its file is whole.
TEST_F(GenerateIntoEditorsTest, AnEditorIsWrittenAsideWithTheWindowAnsweringAndClosingItMeanwhileLosesNothing)
{
    const ProjectRecord& project = OpenAndSelectLarge();
    RunCommand(ID_BUILD_GENERATE_CODE);
    CDocument* pDoc = EditorOf("Large_api.c");
    ASSERT_NE(nullptr, pDoc);
    ASSERT_TRUE(pDoc->IsModified());
    const HWND hChild = ViewOf(pDoc)->GetParentFrame()->GetSafeHwnd();
    const std::string strStep = "Saving Large_api_demo.c, Large_api.c, Large_api.h...";
    std::atomic<bool> bClosedDuring{false};
    CStatusProbe probe(m_pFrame->m_wndStatusBar,
                       [&](const std::string& text)
                       {
                           if (text.rfind(strStep, 0) == 0 && !bClosedDuring.exchange(true))
                               ::SendMessage(hChild, WM_CLOSE, 0, 0);
                           return true;
                       });
    RunCommand(ID_PROJECT_SAVE_ALL);
    PumpUntil([&] { return !::IsWindow(hChild); });
    probe.Stop();
    EXPECT_TRUE(AnyStartsWith(probe.Heard(), strStep))
        << "the window answered while the editor was written; heard " << Joined(probe.Heard());
    ASSERT_TRUE(bClosedDuring);
    EXPECT_FALSE(::IsWindow(hChild)) << "the close ran after the save";
    EXPECT_EQ(nullptr, EditorOf("Large_api.c"));
    EXPECT_EQ(WithoutCarriageReturns(Expected(project).source), Written("Large_api.c"));
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << "nothing was left to ask about";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(m_folder.Path("Large_api.c.tmp").c_str()));
}

// Another program ends the designer while Save All writes an editor: it ends after the step, with every
// file whole and nothing asked.
TEST_F(GenerateIntoEditorsTest, TheProgramClosedWhileAnEditorIsWrittenEndsAfterItWithEveryFileWhole)
{
    const codegen::GeneratedCode code = Expected(OpenAndSelectLarge());
    RunCommand(ID_BUILD_GENERATE_CODE);
    const HWND hFrame = m_pFrame->GetSafeHwnd();
    const std::string strStep = "Saving Large_api_demo.c, Large_api.c, Large_api.h...";
    std::atomic<bool> bClosedDuring{false};
    CStatusProbe probe(m_pFrame->m_wndStatusBar,
                       [&](const std::string& text)
                       {
                           if (text.rfind(strStep, 0) != 0)
                               return true;
                           bClosedDuring = true;
                           ::SendMessage(hFrame, WM_CLOSE, 0, 0);
                           return false;
                       });
    QuitPumped();
    RunCommand(ID_PROJECT_SAVE_ALL);
    PumpUntil([&] { return !::IsWindow(hFrame); });
    probe.Stop();
    ASSERT_TRUE(bClosedDuring) << "heard " << Joined(probe.Heard());
    ASSERT_FALSE(::IsWindow(hFrame)) << "the close ran after the save";
    m_pFrame = nullptr;
    QuitPumped();
    EXPECT_EQ(WithoutCarriageReturns(code.header), Written("Large_api.h"));
    EXPECT_EQ(WithoutCarriageReturns(code.source), Written("Large_api.c"));
    EXPECT_EQ(WithoutCarriageReturns(code.demo), Written("Large_api_demo.c"));
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << "nothing was left to ask about";
}

TEST_F(GenerateIntoEditorsTest, ASaveRefusedByAReadOnlyFileSaysWhyAndTheEditorsStayModifiedUntilASaveWorks)
{
    const ProjectRecord& project = OpenAndSelect("gen");
    RunCommand(ID_BUILD_GENERATE_CODE);
    const std::string strPath = m_folder.Path("gen_api.c");
    ASSERT_TRUE(::SetFileAttributes(strPath.c_str(), FILE_ATTRIBUTE_READONLY));
    RunCommand(ID_PROJECT_SAVE_ALL);
    ::SetFileAttributes(strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_EQ(0, DesignerTestApp().m_messages[0].Find(("cannot replace " + strPath + ": ").c_str()))
        << (LPCSTR)DesignerTestApp().m_messages[0];
    EXPECT_TRUE(EditorOf("gen_api.c")->IsModified()) << "the new text is still unsaved";
    EXPECT_TRUE(EditorOf("gen_api.h")->IsModified()) << "saved with the source or not at all";
    EXPECT_EQ("gen_api.h *", TitleAndActiveTab(*m_pFrame).second);
    EXPECT_EQ("", m_folder.Read("gen_api.c"));
    EXPECT_EQ("", m_folder.Read("gen_api.h"));

    DesignerTestApp().m_messages.clear();
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty());
    EXPECT_FALSE(EditorOf("gen_api.c")->IsModified());
    EXPECT_EQ(WithoutCarriageReturns(Expected(project).source), Written("gen_api.c"));
}

// Before, Save All wrote each editor on its own: with the source held by another program or the disk
// filling up, the demo and the header were new beside the old source. A project's modified editors
// are written all or none, and the message names the file that failed.
TEST_F(GenerateIntoEditorsTest, SaveAllWritesAProjectsGeneratedEditorsAllOrNone)
{
    const std::vector<std::string> files = {"gen_api.h", "gen_api.c", "gen_api_demo.c"};
    for (const std::string& file : files)
        m_folder.Write(file, "old " + file + "\r\n");
    const ProjectRecord& project = OpenAndSelect("gen");
    RunCommand(ID_BUILD_GENERATE_CODE);
    const std::string strSource = m_folder.Path("gen_api.c");
    const auto expectNoneWritten = [&](const std::string& strFailure)
    {
        ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
        const std::string message(DesignerTestApp().m_messages[0]);
        EXPECT_EQ(0u, message.find(strFailure + strSource)) << message;
        EXPECT_NE(std::string::npos, message.find("; none of gen_api_demo.c, gen_api.c, gen_api.h was written"))
            << message;
        for (const std::string& file : files)
        {
            EXPECT_TRUE(m_folder.Read(file) == "old " + file + "\r\n") << file << " was written";
            EXPECT_TRUE(EditorOf(file)->IsModified()) << file;
        }
        DesignerTestApp().m_messages.clear();
    };
    {
        CHeldOpen held(strSource.c_str());
        RunCommand(ID_PROJECT_SAVE_ALL);
    }
    expectNoneWritten("cannot replace ");
    {
        // The demo, written first, fits; the source after it does not.
        const auto* pDemo = static_cast<CKTSyntaxEditDoc*>(EditorOf("gen_api_demo.c"));
        DiskFaults faults;
        faults.room = static_cast<long long>(pDemo->GetDataManager()->GetFileImage().size()) + 10;
        const CStandInDisk disk(faults);
        RunCommand(ID_PROJECT_SAVE_ALL);
    }
    expectNoneWritten("cannot write ");

    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty());
    const codegen::GeneratedCode code = Expected(project);
    EXPECT_EQ(WithoutCarriageReturns(code.header), Written("gen_api.h"));
    EXPECT_EQ(WithoutCarriageReturns(code.source), Written("gen_api.c"));
    EXPECT_EQ(WithoutCarriageReturns(code.demo), Written("gen_api_demo.c"));
    for (const std::string& file : files)
        EXPECT_FALSE(EditorOf(file)->IsModified()) << file;
}

// Before, a Save All whose undo could not put a file back added that none of the files was written to the
// words that the file keeps the new text.
TEST_F(GenerateIntoEditorsTest, ASaveAllWhoseUndoLeavesAFileNewDoesNotSayNoneWasWritten)
{
    for (const std::string& file : {"gen_api.h", "gen_api.c", "gen_api_demo.c"})
        m_folder.Write(file, "old " + file + "\r\n");
    OpenAndSelect("gen");
    RunCommand(ID_BUILD_GENERATE_CODE);
    {
        DiskFaults faults;
        faults.goneAfter = 2;  // the first file aside and in, then the drive is gone
        const CStandInDisk disk(faults);
        RunCommand(ID_PROJECT_SAVE_ALL);
    }
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    const std::string message(DesignerTestApp().m_messages[0]);
    EXPECT_NE(std::string::npos, message.find(" keeps the run's new contents")) << message;
    EXPECT_EQ(std::string::npos, message.find("none of")) << message;
}

// Before, a generated file whose tab was closed was written at once and the others only at Save All: a
// refused Save All, or a kill between, left a new header beside old sources. Now it waits with the
// editors' texts and reaches the disk with them or not at all.
TEST_F(GenerateIntoEditorsTest, AGenerateWithATabClosedReachesEveryFileAtTheSaveAllThatWorks)
{
    const std::vector<std::string> files = {"gen_api.h", "gen_api.c", "gen_api_demo.c"};
    for (const std::string& file : files)
        m_folder.Write(file, "old " + file + "\r\n");
    const ProjectRecord& project = OpenAndSelect("gen");
    ASSERT_NE(nullptr, EditorOf("gen_api.h"));
    EditorOf("gen_api.h")->OnCloseDocument();
    RunCommand(ID_BUILD_GENERATE_CODE);
    EXPECT_EQ("Start Generating...\r\nSuccessfully Generated!\r\n", LastGenerateOutput(*m_pFrame));
    const auto expectAllOld = [&](const char* pszAfter)
    {
        for (const std::string& file : files)
            EXPECT_TRUE(m_folder.Read(file) == "old " + file + "\r\n") << file << " was written " << pszAfter;
    };
    expectAllOld("by Generate");
    {
        CHeldOpen held(m_folder.Path("gen_api.c").c_str());
        RunCommand(ID_PROJECT_SAVE_ALL);
    }
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_NE(-1, DesignerTestApp().m_messages[0].Find("; none of gen_api_demo.c, gen_api.c, gen_api.h was written"))
        << (LPCSTR)DesignerTestApp().m_messages[0];
    expectAllOld("beside a held source");
    DesignerTestApp().m_messages.clear();
    {
        DiskFaults faults;
        faults.room = 10;
        const CStandInDisk disk(faults);
        RunCommand(ID_PROJECT_SAVE_ALL);
    }
    EXPECT_EQ(1u, DesignerTestApp().m_messages.size());
    expectAllOld("on a full disk");
    DesignerTestApp().m_messages.clear();

    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty());
    ExpectCodeWritten(project);
    EXPECT_FALSE(EditorOf("gen_api.c")->IsModified());
}

// The text waiting for a file whose editor could not open is what that editor shows once it opens, marked for
// the save: the editor never shows a text older than the one Save All writes.
TEST_F(GenerateIntoEditorsTest, AnEditorOpenedAfterAGenerateShowsTheTextWaitingForItsFile)
{
    m_folder.Write("gen_api.h", "old gen_api.h\r\n");
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "gen").c_str());
    const ProjectRecord& project = *m_pFrame->m_projects.back();
    {
        CHeldOpen locker(m_folder.Path("gen_api.h").c_str());
        Select(ProjectItem("gen"));
        ASSERT_EQ(nullptr, EditorOf("gen_api.h"));
        RunCommand(ID_BUILD_GENERATE_CODE);
    }
    Select(BranchOf("gen", "Packet"));
    CDocument* pHeader = EditorOf("gen_api.h");
    ASSERT_NE(nullptr, pHeader);
    EXPECT_EQ(WithoutCarriageReturns(Expected(project).header), EditorText(pHeader));
    EXPECT_TRUE(pHeader->IsModified());
    EXPECT_EQ("old gen_api.h\r\n", m_folder.Read("gen_api.h"));
    RunCommand(ID_PROJECT_SAVE_ALL);
    ExpectCodeWritten(project);
    EXPECT_FALSE(pHeader->IsModified());
}

// Before, a designer that was not active and saved at another program's word went on showing its editors
// modified until it was activated: the save ran inside the loop's wait, which then waited on with the
// queue empty, and the idle update never came. The end of the work now leaves the loop a message.
TEST_F(GenerateIntoEditorsTest, ASaveSentByAnotherProgramToADesignerNotActiveEndsWithItsIdleUpdateDue)
{
    OpenAndSelect("gen");
    RunCommand(ID_BUILD_GENERATE_CODE);
    ASSERT_EQ("gen_api.h *", TitleAndActiveTab(*m_pFrame).second);
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, "STATIC", "another program", WS_POPUP | WS_VISIBLE, CRect(0, 0, 80, 40), nullptr, 0));
    ::SetActiveWindow(other.GetSafeHwnd());
    ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == other.GetSafeHwnd(); }));
    TitleAndActiveTab(*m_pFrame);
    MSG msg;
    while (::PeekMessage(&msg, nullptr, WM_KICKIDLE, WM_KICKIDLE, PM_REMOVE))
    {
    }

    // The loop's wait answers the sent message and takes nothing from the queue.
    const HWND hFrame = m_pFrame->GetSafeHwnd();
    std::atomic<bool> bSent{false};
    std::thread sender(
        [&]
        {
            ::SendMessage(hFrame, WM_COMMAND, ID_PROJECT_SAVE_ALL, 0);
            bSent = true;
        });
    while (!bSent)
        ::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    sender.join();
    EXPECT_FALSE(EditorOf("gen_api.h")->IsModified()) << "saved";
    EXPECT_NE(hFrame, ::GetActiveWindow());
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, WM_KICKIDLE, WM_KICKIDLE, PM_NOREMOVE)) << "the idle update is due";
    EXPECT_TRUE(AfxGetApp()->IsIdleMessage(&msg));
    EXPECT_EQ("gen_api.h", TitleAndActiveTab(*m_pFrame).second);
    other.DestroyWindow();
}

namespace
{

class TakenBackTest : public GenerateIntoEditorsTest
{
protected:
    const std::vector<std::string> m_files = {"win_api.h", "win_api.c", "win_api_demo.c"};
    const std::vector<std::string> m_filled = {"win_api.c", "win_api_demo.c"};

    // "win" selected with its header's tab closed, a changed design generated into the other editors.
    ProjectRecord& GenerateWithTheHeaderClosed()
    {
        ProjectRecord& project = OpenAndSelect("win");
        CloseByKeys(EditorOf("win_api.h"));
        project.basedProtocol ^= 1;
        RunCommand(ID_BUILD_GENERATE_CODE);
        EXPECT_EQ("Start Generating...\r\nSuccessfully Generated!\r\n", LastGenerateOutput(*m_pFrame));
        return project;
    }
    // Ctrl+F4 on the editor's tab; a question to save is answered No.
    void CloseByKeys(CDocument* pDoc)
    {
        ASSERT_NE(nullptr, pDoc);
        CKTSyntaxEditView* pView = ViewOf(pDoc);
        const HWND hChild = pView->GetParentFrame()->GetSafeHwnd();
        CFrameKeys keys;
        Press(pView, VK_F4);
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hChild); })) << "closed";
    }
    void Press(CKTSyntaxEditView* pView, WORD wKey) { ASSERT_TRUE(InputTo(pView).Key(wKey, CTestInput::kControl)); }
    CTestInput InputTo(CKTSyntaxEditView* pView)
    {
        static_cast<CMDIChildWnd*>(pView->GetParentFrame())->MDIActivate();
        PumpMessages();
        return CTestInput(pView->GetEditCtrl()->GetSafeHwnd());
    }
    // "win" selected while another program holds its header: the header's editor is not open.
    ProjectRecord& SelectWithTheHeaderUnopened()
    {
        CHeldOpen locker(m_folder.Path("win_api.h").c_str());
        ProjectRecord& project = OpenAndSelect("win");
        EXPECT_EQ(nullptr, EditorOf("win_api.h"));
        return project;
    }
    // Ctrl+<key> in each editor the Generate filled.
    void PressInFilled(WORD wKey)
    {
        for (const std::string& file : m_filled)
        {
            CFrameKeys keys;
            Press(ViewOf(EditorOf(file)), wKey);
        }
    }
    // Over old files, "win" generated with its header unopened and undone; the header's editor opened then.
    CDocument* OpenTheHeaderWhileItsGenerateIsUndone(codegen::GeneratedCode* pCode);
    // The same, the header then typed in.
    CDocument* TypeInTheHeaderOpenedWhileItsGenerateIsUndone(codegen::GeneratedCode* pCode);
    void ExpectWrittenWhole(const codegen::GeneratedCode& code) const
    {
        EXPECT_EQ(code.header, WithoutCarriageReturns(m_folder.Read("win_api.h")));
        EXPECT_EQ(code.source, WithoutCarriageReturns(m_folder.Read("win_api.c")));
        EXPECT_EQ(code.demo, WithoutCarriageReturns(m_folder.Read("win_api_demo.c")));
    }
    // Save All writes the Generate whole and says nothing.
    void SaveAllWritesWhole(const codegen::GeneratedCode& code)
    {
        RunCommand(ID_PROJECT_SAVE_ALL);
        ExpectWrittenWhole(code);
        EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
    }
    // The Generate written whole by Save All and undone again, then the file left aside by a run cut off since.
    void LeaveAsideByACutOffRun(const codegen::GeneratedCode& code, const std::string& file)
    {
        PressInFilled('Y');
        SaveAllWritesWhole(code);
        PressInFilled('Z');
        ASSERT_TRUE(::MoveFile(m_folder.Path(file).c_str(), m_folder.Path(file + ".tmo").c_str()));
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, file}, {RunStep::Aside, file}}));
    }
    // What a Save All tells, in the output pane and in the messages it shows (left in m_messages).
    std::string SaveAllTells()
    {
        CString strBefore, strAfter;
        m_pFrame->m_wndOutput.GetWindowText(strBefore);
        DesignerTestApp().m_messages.clear();
        RunCommand(ID_PROJECT_SAVE_ALL);
        m_pFrame->m_wndOutput.GetWindowText(strAfter);
        std::string told(strAfter.Mid(strBefore.GetLength()));
        for (const CString& strMessage : DesignerTestApp().m_messages)
            told += "\n" + std::string(strMessage);
        return told;
    }
    // The one message shown begins so.
    static void ExpectOneMessageBeginning(const std::string& begin)
    {
        ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
        EXPECT_EQ(0, DesignerTestApp().m_messages[0].Find(begin.c_str())) << (LPCSTR)DesignerTestApp().m_messages[0];
    }
    std::string CannotReadTheHeader() const
    {
        return "cannot read " + m_folder.Path("win_api.h") +
               " to see whether another program changed it since its Generate was saved; ";
    }
    void WriteOldFiles() const
    {
        for (const std::string& file : m_files)
            m_folder.Write(file, "old " + file + "\r\n");
    }
    void ExpectAllOld(const char* pszAfter) const
    {
        for (const std::string& file : m_files)
            EXPECT_EQ("old " + file + "\r\n", m_folder.Read(file)) << file << " was written by " << pszAfter;
    }
};

}  // namespace

// Before, once the user had undone the Generate in every editor it filled, the header that waited for its
// closed tab was written alone at the next save: a new header beside the old source and demo, which
// Compile then built. A waiting text goes with the texts of its Generate, and is gone once no editor holds
// one: the demo here is undone and typed into, modified but with nothing of the Generate, and the diagram
// generated after it into its own editor is none of its texts.
TEST_F(TakenBackTest, AGenerateUndoneInEveryEditorItFilledLeavesNothingOfItOnDisk)
{
    WriteOldFiles();
    const ProjectRecord& project = GenerateWithTheHeaderClosed();
    RunCommand(ID_BUILD_DIAGRAM);
    ASSERT_TRUE(EditorOf("win.diagram")->IsModified());
    const CString strStubs = WriteStubTools(project.folder);
    m_pFrame->m_strCompilerPath = strStubs + "\\vcvars32.bat";
    for (const std::string& file : m_filled)
    {
        ASSERT_TRUE(EditorOf(file)->IsModified()) << file;
        CFrameKeys keys;
        Press(ViewOf(EditorOf(file)), 'Z');
        EXPECT_FALSE(EditorOf(file)->IsModified()) << file << " is back to its saved text";
    }
    CTestInput input(ViewOf(EditorOf("win_api_demo.c"))->GetEditCtrl()->GetSafeHwnd());
    ASSERT_TRUE(input.Text("mine "));
    ASSERT_TRUE(EditorOf("win_api_demo.c")->IsModified());
    RunCommand(ID_PROJECT_SAVE_ALL);
    const auto expectNothingGenerated = [&](const char* pszAfter)
    {
        EXPECT_EQ("old win_api.h\r\n", m_folder.Read("win_api.h")) << "written by " << pszAfter;
        EXPECT_EQ("old win_api.c\r\n", m_folder.Read("win_api.c")) << "written by " << pszAfter;
        EXPECT_EQ("mine old win_api_demo.c\r\n", m_folder.Read("win_api_demo.c")) << "the user's edit";
    };
    expectNothingGenerated("Save All");
    RunCommand(ID_BUILD_COMPILE);
    ASSERT_TRUE(WaitForFile(strStubs + "\\cl.done"));
    EXPECT_EQ("old win_api.c\n", WithoutCarriageReturns(ReadAll(strStubs + "\\seen.c"))) << "one generation built";
    expectNothingGenerated("Compile");

    for (const char* pszFile : {"win_api.c", "win_api_demo.c", "win.diagram"})
        EditorOf(pszFile)->OnCloseDocument();
    OpenAndSelect("other");
    Select(ProjectItem("win"));
    ASSERT_NE(nullptr, EditorOf("win_api.h"));
    EXPECT_EQ("old win_api.h\n", EditorText(EditorOf("win_api.h"))) << "the header's editor shows no text taken back";
    EXPECT_FALSE(EditorOf("win_api.h")->IsModified());
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
}

// The same with the editors the Generate filled closed unsaved, then each command that saves.
TEST_F(TakenBackTest, AGenerateDiscardedInEveryEditorItFilledLeavesNothingOfItOnDiskWhateverSavesNext)
{
    WriteOldFiles();
    CString strStubs;
    const std::vector<std::pair<const char*, std::function<void()>>> saves = {
        {"Save All", [&] { RunCommand(ID_PROJECT_SAVE_ALL); }},
        {"Compile",
         [&]
         {
             RunCommand(ID_BUILD_COMPILE);
             ASSERT_TRUE(WaitForFile(strStubs + "\\cl.done"));
         }},
        {"Close", [&] { RunCommand(ID_PROJECT_CLOSE); }},
        {"Exit", [&]
         {
             const HWND hFrame = m_pFrame->GetSafeHwnd();
             m_pFrame->SendMessage(WM_CLOSE);
             ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); }));
             m_pFrame = nullptr;
             QuitPumped();
         }}};
    for (const auto& [pszSave, save] : saves)
    {
        SCOPED_TRACE(pszSave);
        const ProjectRecord& project = GenerateWithTheHeaderClosed();
        strStubs = WriteStubTools(project.folder);
        m_pFrame->m_strCompilerPath = strStubs + "\\vcvars32.bat";
        DesignerTestApp().m_messages.clear();
        for (const std::string& file : m_filled)
            CloseByKeys(EditorOf(file));
        ASSERT_EQ(2u, DesignerTestApp().m_messages.size()) << "each was asked about";
        save();
        ExpectAllOld(pszSave);
        if (m_pFrame && !m_pFrame->m_projects.empty())
            RunCommand(ID_PROJECT_CLOSE);
    }
}

namespace
{

// The code "win" generates now, as its files hold it once saved.
codegen::GeneratedCode CodeOf(const ProjectRecord& project)
{
    codegen::GeneratedCode code;
    std::string error;
    EXPECT_TRUE(codegen::GenerateCode(project, code, error)) << error;
    for (std::string* pText : {&code.header, &code.source, &code.demo})
        *pText = WithoutCarriageReturns(*pText);
    return code;
}

CDocument* TakenBackTest::OpenTheHeaderWhileItsGenerateIsUndone(codegen::GeneratedCode* pCode)
{
    WriteOldFiles();
    ProjectRecord& project = SelectWithTheHeaderUnopened();
    project.basedProtocol ^= 1;
    *pCode = CodeOf(project);
    RunCommand(ID_BUILD_GENERATE_CODE);
    PressInFilled('Z');
    Select(BranchOf("win", "Packet"));
    return EditorOf("win_api.h");
}

CDocument* TakenBackTest::TypeInTheHeaderOpenedWhileItsGenerateIsUndone(codegen::GeneratedCode* pCode)
{
    CDocument* pHeader = OpenTheHeaderWhileItsGenerateIsUndone(pCode);
    if (pHeader)
        EXPECT_TRUE(InputTo(ViewOf(pHeader)).Text("mine "));
    return pHeader;
}

}  // namespace

// Before, a Generate undone and then redone lost its header: any save, click or close between the undo and
// the redo dropped the waiting text, and the next save wrote the new source and demo beside the old header.
// While a redo can bring a Generate back, its texts wait, and stay out of saves meanwhile.
TEST_F(TakenBackTest, AGenerateRedoneAfterSavesClicksAndClosesIsWrittenWhole)
{
    WriteOldFiles();
    const ProjectRecord& project = GenerateWithTheHeaderClosed();
    const codegen::GeneratedCode code = CodeOf(project);
    RunCommand(ID_BUILD_DIAGRAM);
    for (const std::string& file : m_filled)
    {
        CFrameKeys keys;
        Press(ViewOf(EditorOf(file)), 'Z');
        ASSERT_FALSE(EditorOf(file)->IsModified()) << file;
    }
    RunCommand(ID_PROJECT_SAVE_ALL);
    ExpectAllOld("Save All after the undo");
    OpenAndSelect("other");
    Select(ProjectItem("win"));
    EditorOf("win.diagram")->OnCloseDocument();
    for (const std::string& file : m_filled)
    {
        CFrameKeys keys;
        Press(ViewOf(EditorOf(file)), 'Y');
        ASSERT_TRUE(EditorOf(file)->IsModified()) << file;
    }
    SaveAllWritesWhole(code);
}

// Before, a second Generate with the header closed dropped the first one's header: undoing the second in
// the source and the demo, then Save All, wrote the first one's source and demo beside the header older
// than both. Each Generate keeps its own waiting texts, and a save writes those of the one the editors hold.
TEST_F(TakenBackTest, ASecondGenerateUndoneLeavesTheFirstOneWhole)
{
    WriteOldFiles();
    ProjectRecord& project = GenerateWithTheHeaderClosed();
    const codegen::GeneratedCode first = CodeOf(project);
    project.basedProtocol ^= 1;
    RunCommand(ID_BUILD_GENERATE_CODE);
    ASSERT_EQ("Start Generating...\r\nSuccessfully Generated!\r\n", LastGenerateOutput(*m_pFrame));
    ASSERT_NE(first.header, CodeOf(project).header) << "the second Generate makes a header of its own";
    for (const std::string& file : m_filled)
    {
        CFrameKeys keys;
        Press(ViewOf(EditorOf(file)), 'Z');
        ASSERT_TRUE(EditorOf(file)->IsModified()) << file << " holds the first Generate's text";
    }
    SaveAllWritesWhole(first);
}

// Before, the header's editor opening after two Generates took the second one's header and dropped only
// that one: the first one's header then stood, and Save All put two texts for the header in one save and
// was refused with words that named a stale error. The Generates before the one shown go with it.
TEST_F(TakenBackTest, AHeaderOpenedAfterTwoGeneratesTakesTheLatestAndSaveAllWritesItWhole)
{
    WriteOldFiles();
    ProjectRecord* pProject = nullptr;
    {
        CHeldOpen locker(m_folder.Path("win_api.h").c_str());
        pProject = &OpenAndSelect("win");
        ASSERT_EQ(nullptr, EditorOf("win_api.h"));
        for (int nGenerate = 0; nGenerate < 2; nGenerate++)
        {
            pProject->basedProtocol ^= 1;
            RunCommand(ID_BUILD_GENERATE_CODE);
        }
    }
    const codegen::GeneratedCode code = CodeOf(*pProject);
    Select(BranchOf("win", "Packet"));
    ASSERT_NE(nullptr, EditorOf("win_api.h"));
    EXPECT_EQ(code.header, EditorText(EditorOf("win_api.h")));
    DesignerTestApp().m_messages.clear();
    SaveAllWritesWhole(code);
}

// Before, a header opened while its Generate was undone kept the text on disk, and Save All after the redo
// wrote the new header under it: the editor showed the old text, unmodified, and its next save put the old
// text back. The editor takes the waiting text before the save, as an editor opened after a Generate does.
TEST_F(TakenBackTest, AHeaderOpenedWhileItsGenerateWasUndoneShowsWhatSaveAllWritesAfterTheRedo)
{
    codegen::GeneratedCode code;
    CDocument* pHeader = OpenTheHeaderWhileItsGenerateIsUndone(&code);
    ASSERT_NE(nullptr, pHeader);
    ASSERT_EQ("old win_api.h\n", EditorText(pHeader));
    PressInFilled('Y');
    DesignerTestApp().m_messages.clear();
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
    EXPECT_EQ(code.header, WithoutCarriageReturns(m_folder.Read("win_api.h")));
    EXPECT_EQ(code.header, EditorText(pHeader)) << "the editor shows what is on disk";
    EXPECT_FALSE(pHeader->IsModified());
    EXPECT_EQ(code.source, WithoutCarriageReturns(m_folder.Read("win_api.c")));
    EXPECT_EQ(code.demo, WithoutCarriageReturns(m_folder.Read("win_api_demo.c")));
}

// Before, closing the source after the redo and answering Yes wrote the waiting header to its file while
// the header's open editor went on showing the old text, unmodified: its next save put the old header
// back. A save of one editor shows the waiting text first, as Save All does, and writes that editor with it.
TEST_F(TakenBackTest, ASaveOfOneEditorAfterTheRedoShowsTheWaitingTextInItsOpenEditorAndWritesItThere)
{
    codegen::GeneratedCode code;
    CDocument* pHeader = OpenTheHeaderWhileItsGenerateIsUndone(&code);
    ASSERT_NE(nullptr, pHeader);
    PressInFilled('Y');
    DesignerTestApp().m_messages.clear();
    DesignerTestApp().m_nAnswer = IDYES;
    CloseByKeys(EditorOf("win_api.c"));
    DesignerTestApp().m_nAnswer = IDOK;
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size()) << "the question alone";
    EXPECT_EQ(code.source, WithoutCarriageReturns(m_folder.Read("win_api.c")));
    EXPECT_EQ(code.header, WithoutCarriageReturns(m_folder.Read("win_api.h")));
    EXPECT_EQ(code.header, EditorText(pHeader)) << "the editor shows what is on disk";
    EXPECT_FALSE(pHeader->IsModified());
}

// Before, a Generate saved whole and then undone in every editor it filled left its header on disk: Save All
// wrote the old source and demo beside the new header, and Compile built two generations. Taken back in
// every editor it filled, it takes the header's text back with them; redone, it writes it again.
TEST_F(TakenBackTest, AGenerateSavedAndThenUndoneInEveryEditorItFilledTakesItsHeaderBackWithThem)
{
    WriteOldFiles();
    const ProjectRecord& project = GenerateWithTheHeaderClosed();
    const codegen::GeneratedCode code = CodeOf(project);
    RunCommand(ID_PROJECT_SAVE_ALL);
    ASSERT_EQ(code.header, WithoutCarriageReturns(m_folder.Read("win_api.h")));
    const CString strStubs = WriteStubTools(project.folder);
    m_pFrame->m_strCompilerPath = strStubs + "\\vcvars32.bat";
    for (const std::string& file : m_filled)
    {
        CFrameKeys keys;
        Press(ViewOf(EditorOf(file)), 'Z');
        ASSERT_TRUE(EditorOf(file)->IsModified()) << file;
    }
    RunCommand(ID_BUILD_COMPILE);
    ASSERT_TRUE(WaitForFile(strStubs + "\\cl.done"));
    EXPECT_EQ("old win_api.c\n", WithoutCarriageReturns(ReadAll(strStubs + "\\seen.c"))) << "one generation built";
    ExpectAllOld("Compile");

    PressInFilled('Y');
    SaveAllWritesWhole(code);
}

// The header's editor opened once the saved Generate was undone shows its file; Save All then puts the text
// from before into it and writes it there, so that the editor and the file agree, and no text is given twice.
TEST_F(TakenBackTest, AHeaderOpenedAfterItsSavedGenerateWasUndoneTakesItsOldTextAtTheSave)
{
    WriteOldFiles();
    ProjectRecord& project = SelectWithTheHeaderUnopened();
    project.basedProtocol ^= 1;
    RunCommand(ID_BUILD_GENERATE_CODE);
    const std::string header = CodeOf(project).header;
    RunCommand(ID_PROJECT_SAVE_ALL);
    PressInFilled('Z');
    Select(BranchOf("win", "Packet"));
    CDocument* pHeader = EditorOf("win_api.h");
    ASSERT_NE(nullptr, pHeader);
    EXPECT_EQ(header, EditorText(pHeader)) << "its file";
    EXPECT_FALSE(pHeader->IsModified());
    DesignerTestApp().m_messages.clear();
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
    ExpectAllOld("Save All after the undo");
    EXPECT_EQ("old win_api.h\n", EditorText(pHeader)) << "the editor shows what is on disk";
    EXPECT_FALSE(pHeader->IsModified());
}

// A header changed by another program after the Generate was saved is the user's: taking the Generate back
// gives the source and the demo their old texts and leaves the header as it is.
TEST_F(TakenBackTest, AHeaderChangedSinceItsGenerateWasSavedIsKeptWhenTheGenerateIsTakenBack)
{
    WriteOldFiles();
    GenerateWithTheHeaderClosed();
    RunCommand(ID_PROJECT_SAVE_ALL);
    ASSERT_TRUE(m_folder.Write("win_api.h", "mine\r\n"));
    PressInFilled('Z');
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_EQ("mine\r\n", m_folder.Read("win_api.h"));
    EXPECT_EQ("old win_api.c\r\n", m_folder.Read("win_api.c"));
    EXPECT_EQ("old win_api_demo.c\r\n", m_folder.Read("win_api_demo.c"));
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
}

// Before, typing in a header opened while its Generate was undone was replaced by the Generate's header at the
// redo's next click on the project or save, and that save wrote the header unseen; Close then threw the typing
// away with the editor, saved or not. A click leaves the typing; a save puts the header in as a step Ctrl+Z
// takes back, writes nothing and says so, and a Close stays open; the next one writes the Generate whole.
TEST_F(TakenBackTest, TypingInAHeaderOpenedAfterItsGenerateIsKeptUntilTheGeneratesHeaderIsSeen)
{
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "other").c_str());
    for (const auto& [bSaveTheTyping, nSave] : {std::pair{false, ID_PROJECT_SAVE_ALL}, {true, ID_PROJECT_CLOSE}})
    {
        SCOPED_TRACE(bSaveTheTyping ? "saved, Close" : "Save All");
        codegen::GeneratedCode code;
        CDocument* pHeader = TypeInTheHeaderOpenedWhileItsGenerateIsUndone(&code);
        ASSERT_NE(nullptr, pHeader);
        const std::string before = bSaveTheTyping ? "mine old win_api.h\r\n" : "old win_api.h\r\n";
        if (CFrameKeys keys; bSaveTheTyping)
            Press(ViewOf(pHeader), 'S');
        PressInFilled('Y');
        Select(ProjectItem("other"));
        Select(ProjectItem("win"));
        EXPECT_EQ("mine old win_api.h\n", EditorText(pHeader)) << "clicks keep the typing";
        DesignerTestApp().m_messages.clear();
        RunCommand(nSave);
        EXPECT_EQ(1u, DesignerTestApp().m_messages.size());
        ASSERT_EQ(2u, m_pFrame->m_projects.size()) << "still open";
        EXPECT_EQ(before, m_folder.Read("win_api.h"));
        EXPECT_EQ("old win_api.c\r\n", m_folder.Read("win_api.c"));
        EXPECT_EQ(code.header, EditorText(pHeader));
        {
            CFrameKeys keys;
            Press(ViewOf(pHeader), 'Z');
            EXPECT_EQ("mine old win_api.h\n", EditorText(pHeader)) << "Ctrl+Z brings the typing back";
            Press(ViewOf(pHeader), 'Y');
        }
        DesignerTestApp().m_messages.clear();
        RunCommand(nSave);
        EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
        ExpectWrittenWhole(code);
        RunCommand(ID_PROJECT_CLOSE);
    }
}

// Before, a Save As of a Generate's source (the question on closing a read-only file opens one) wrote the
// Generate's waiting header into the project folder beside the old source, and the run's record into the
// folder saved to. A copy saved elsewhere takes the editor's text alone; the project's files stay as they were.
TEST_F(TakenBackTest, ASaveAsElsewhereLeavesTheGeneratesWaitingTextsWaiting)
{
    WriteOldFiles();
    GenerateWithTheHeaderClosed();
    CDocument* pSource = EditorOf("win_api.c");
    ASSERT_TRUE(::CreateDirectory(m_folder.Path("elsewhere").c_str(), nullptr));
    const std::string copy = m_folder.Path("elsewhere\\win_api.c");
    ASSERT_TRUE(pSource->DoSave(copy.c_str()));
    EXPECT_EQ(WithoutCarriageReturns(EditorText(pSource)), WithoutCarriageReturns(ReadAll(copy.c_str())));
    ExpectAllOld("the Save As");
}

// Before, a header another program held unread when its saved Generate was taken back counted as changed
// since: Save All wrote the old source and demo beside the Generate's header and said nothing. Unread, it is
// not known to be changed: the save writes nothing and says why, and the next save takes the Generate back.
TEST_F(TakenBackTest, AHeaderThatCannotBeReadWhenItsSavedGenerateIsTakenBackStopsTheSaveUntilItCanBe)
{
    WriteOldFiles();
    const ProjectRecord& project = GenerateWithTheHeaderClosed();
    const codegen::GeneratedCode code = CodeOf(project);
    RunCommand(ID_PROJECT_SAVE_ALL);
    PressInFilled('Z');
    DesignerTestApp().m_messages.clear();
    {
        CHeldOpen locker(m_folder.Path("win_api.h").c_str());
        RunCommand(ID_PROJECT_SAVE_ALL);
    }
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_NE(-1, DesignerTestApp().m_messages[0].Find("win_api.h")) << (LPCSTR)DesignerTestApp().m_messages[0];
    ExpectWrittenWhole(code);
    DesignerTestApp().m_messages.clear();
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
    ExpectAllOld("the Save All once the header could be read");
}

// The refusal says that Save All writes the group: a Yes on closing the source afterwards writes the source the
// user chose to keep, the header shows the Generate's text unsaved in its editor, and Save All writes it.
TEST_F(TakenBackTest, AfterTheHeadersTypingWasReplacedAYesOnClosingTheSourceWritesItAndSaveAllTheHeader)
{
    codegen::GeneratedCode code;
    CDocument* pHeader = TypeInTheHeaderOpenedWhileItsGenerateIsUndone(&code);
    ASSERT_NE(nullptr, pHeader);
    PressInFilled('Y');
    DesignerTestApp().m_messages.clear();
    DesignerTestApp().m_nAnswer = IDYES;
    {
        CFrameKeys keys;
        Press(ViewOf(EditorOf("win_api.c")), VK_F4);
        ASSERT_TRUE(PumpUntil([] { return DesignerTestApp().m_messages.size() == 2; })) << "the question, the refusal";
    }
    ASSERT_NE(nullptr, EditorOf("win_api.c")) << "still open";
    EXPECT_NE(-1, DesignerTestApp().m_messages[1].Find("Save All writes them"))
        << (LPCSTR)DesignerTestApp().m_messages[1];
    ExpectAllOld("the refused save");
    CloseByKeys(EditorOf("win_api.c"));
    DesignerTestApp().m_nAnswer = IDOK;
    EXPECT_EQ(3u, DesignerTestApp().m_messages.size()) << (LPCSTR)DesignerTestApp().m_messages.back();
    EXPECT_EQ(code.source, WithoutCarriageReturns(m_folder.Read("win_api.c")));
    ASSERT_TRUE(pHeader->IsModified()) << "the header's editor shows the Generate's text";
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_EQ(code.header, WithoutCarriageReturns(m_folder.Read("win_api.h")));
    EXPECT_FALSE(pHeader->IsModified());
}

// A header deleted since its Generate was saved holds nothing of it: taking the Generate back gives the source
// and the demo their old texts and puts nothing at the header's name.
TEST_F(TakenBackTest, AHeaderDeletedSinceItsGenerateWasSavedDoesNotStopTakingItBack)
{
    WriteOldFiles();
    GenerateWithTheHeaderClosed();
    RunCommand(ID_PROJECT_SAVE_ALL);
    ASSERT_TRUE(::DeleteFile(m_folder.Path("win_api.h").c_str()));
    PressInFilled('Z');
    DesignerTestApp().m_messages.clear();
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
    EXPECT_EQ("old win_api.c\n", WithoutCarriageReturns(m_folder.Read("win_api.c")));
    EXPECT_EQ("old win_api_demo.c\n", WithoutCarriageReturns(m_folder.Read("win_api_demo.c")));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(m_folder.Path("win_api.h").c_str()));
}

// Before, a header missing only for a while when its saved Generate was taken back counted as deleted: Save All
// gave the source and the demo their old texts, and the Generate's header came back beside them once its folder
// did, or once the save's own write put back the header that a run cut off had left aside. A header is deleted
// only where its folder is there and put right; a folder away stops the save until it is back.
TEST_F(TakenBackTest, AHeaderMissingOnlyForAWhileIsTakenBackWithTheRest)
{
    WriteOldFiles();
    const codegen::GeneratedCode code = CodeOf(GenerateWithTheHeaderClosed());
    RunCommand(ID_PROJECT_SAVE_ALL);
    PressInFilled('Z');
    DesignerTestApp().m_messages.clear();
    const std::string away = m_folder.Path() + "-away";
    ASSERT_TRUE(::MoveFile(m_folder.Path().c_str(), away.c_str()));
    RunCommand(ID_PROJECT_SAVE_ALL);
    ASSERT_TRUE(::MoveFile(away.c_str(), m_folder.Path().c_str()));
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_EQ(0, DesignerTestApp().m_messages[0].Find(("cannot read " + m_folder.Path("win_api.h")).c_str()))
        << (LPCSTR)DesignerTestApp().m_messages[0];
    ExpectWrittenWhole(code);
    DesignerTestApp().m_messages.clear();
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
    ExpectAllOld("the Save All once the folder was back");

    ASSERT_NO_FATAL_FAILURE(LeaveAsideByACutOffRun(code, "win_api.h"));
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
    ExpectAllOld("the Save All that put the header back first");
    EXPECT_NE(std::string::npos, LastOutputLine().find("was put right")) << LastOutputLine();

    // The run that holds it aside cannot be put right yet: what ends the wait is named, not the file.
    ASSERT_NO_FATAL_FAILURE(LeaveAsideByACutOffRun(code, "win_api.h"));
    {
        CHeldOpen holder(m_folder.Path("win_api.h.tmo").c_str(), FILE_SHARE_READ);
        ASSERT_TRUE(holder.IsHeld());
        const std::string told = SaveAllTells();
        ASSERT_NO_FATAL_FAILURE(ExpectOneMessageBeginning(
            CannotReadTheHeader() + "it waits until the interrupted run in its folder is put right; none of "));
        EXPECT_NE(-1, DesignerTestApp().m_messages[0].Find("saving again then takes the Generate back"));
        EXPECT_EQ(1u, TimesIn(told, "another program holds " + m_folder.Path("win_api.h.tmo"))) << told;
    }
    DesignerTestApp().m_messages.clear();
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
    ExpectAllOld("the Save All once the run could be put right");
}

// Before, a run held back by a file that taking the Generate back does not read was told by the save's settling
// of the folder, then again by the write it let go on, which that run refused. The save stops at the settling
// and names the run; while another program holds the header as well, the refusal names both.
TEST_F(TakenBackTest, ARunHeldBackInTheFolderIsToldOnceAndTheHeaderHeldWithItIsNamed)
{
    WriteOldFiles();
    const codegen::GeneratedCode code = CodeOf(GenerateWithTheHeaderClosed());
    ASSERT_NO_FATAL_FAILURE(LeaveAsideByACutOffRun(code, "win_api.c"));
    const std::string held = "another program holds " + m_folder.Path("win_api.c.tmo");
    {
        CHeldOpen holder(m_folder.Path("win_api.c.tmo").c_str(), FILE_SHARE_READ);
        ASSERT_TRUE(holder.IsHeld());
        {
            CHeldOpen header(m_folder.Path("win_api.h").c_str());
            ASSERT_TRUE(header.IsHeld());
            const std::string told = SaveAllTells();
            ExpectOneMessageBeginning(CannotReadTheHeader() + "another program holds it, and it waits until the "
                                                              "interrupted run in its folder is put right; none of ");
            EXPECT_EQ(1u, TimesIn(told, held)) << told;
        }
        const std::string told = SaveAllTells();
        ExpectOneMessageBeginning("cannot replace " + m_folder.Path("win_api_demo.c") +
                                  " until the interrupted run in its folder is put right; none of win_api_demo.c, "
                                  "win_api.c, win_api.h was written");
        EXPECT_EQ(1u, TimesIn(told, held)) << told;
    }
    EXPECT_EQ(code.header, Written("win_api.h")) << "nothing was written";
    EXPECT_EQ(code.demo, Written("win_api_demo.c"));
    DesignerTestApp().m_messages.clear();
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
    ExpectAllOld("the Save All once the run could be put right");
}

namespace
{

// Where "other", which closes, stands beside "win", which cannot.
enum class Other
{
    None,
    OpenedBefore,
    OpenedAfter
};

class CloseAllTest : public TakenBackTest
{
protected:
    // "win" cannot be closed: a text that took the place of the user's edits waits to be seen.
    void CloseAllKeepsWin(Other other)
    {
        const auto openOther = [this] { m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "other").c_str()); };
        if (other == Other::OpenedBefore)
            openOther();
        codegen::GeneratedCode code;
        ASSERT_NE(nullptr, TypeInTheHeaderOpenedWhileItsGenerateIsUndone(&code));
        if (other == Other::OpenedAfter)
            openOther();
        PressInFilled('Y');
        const HTREEITEM hField = FirstChildOf("win", "Head");
        Select(hField);
        DesignerTestApp().m_messages.clear();
        RunCommand(ID_PROJECT_CLOSE_ALL);
        ASSERT_EQ(1u, m_pFrame->m_projects.size()) << "the project whose save was refused stays";
        ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
        // Close All makes the project current straight after the refusal, so Save All is there then.
        EXPECT_EQ("what waited for win_api.h was put into its editor in place of your edits (Ctrl+Z there brings "
                  "them back); none of win_api_demo.c, win_api.c, win_api.h was written, so that you see it first: "
                  "Save All writes them",
                  std::string(DesignerTestApp().m_messages[0]));
        ASSERT_NE(nullptr, m_pFrame->CurrentProject());
        EXPECT_STREQ("win", m_pFrame->CurrentProject()->name);
        EXPECT_EQ(hField, Tree().GetSelectedItem()) << "the user's selection stays";
        EXPECT_TRUE(PageShown(CProtocolSettingsPane::kFieldPage));
        EXPECT_EQ(1, CommandStateOf(*m_pFrame, ID_PROJECT_SAVE_ALL));
        DesignerTestApp().m_messages.clear();
        SaveAllWritesWhole(code);
    }
    // "win" and "other" cannot be closed, "other" current with the tree's root selected; where asked, a third
    // project with its editors open closes.
    void CloseAllKeepsBothWithTheRootSelected(bool bThirdCloses)
    {
        ProjectRecord& win = OpenAndSelect("win");
        if (bThirdCloses)
            OpenAndSelect("third");
        RefuseToClose(win);
        RefuseToClose(OpenAndSelect("other"));
        Select(m_pFrame->m_wndProjectTree.m_hRoot);
        DesignerTestApp().m_messages.clear();
        RunCommand(ID_PROJECT_CLOSE_ALL);
        EXPECT_EQ(2u, DesignerTestApp().m_messages.size()) << "the refusals only";
        ASSERT_EQ(2u, m_pFrame->m_projects.size());
        ASSERT_NE(nullptr, m_pFrame->CurrentProject());
        EXPECT_STREQ("other", m_pFrame->CurrentProject()->name);
        EXPECT_EQ(m_pFrame->m_wndProjectTree.m_hRoot, Tree().GetSelectedItem()) << "the user's selection stays";
        EXPECT_TRUE(TabShown("other_api.h"));
        EXPECT_FALSE(TabShown("win_api.h"));
    }
    // "win", "other" and "third" opened and selected in turn, each with its editors; "win" and "other" cannot close.
    // Close All, with a field of "third" selected, closes "third" and makes "win" current again.
    void CloseAllKeepsWinAndOtherWhileThirdCloses()
    {
        ProjectRecord& win = OpenAndSelect("win");
        RefuseToClose(win);
        RefuseToClose(OpenAndSelect("other"));
        OpenAndSelect("third");
        Select(FirstChildOf("third", "Head"));
        DesignerTestApp().m_messages.clear();
        RunCommand(ID_PROJECT_CLOSE_ALL);
        EXPECT_EQ(2u, DesignerTestApp().m_messages.size()) << "the refusals only";
        ASSERT_EQ(2u, m_pFrame->m_projects.size());
        ASSERT_EQ(&win, m_pFrame->CurrentProject());
    }
    // A folder where the changed design would be written first makes its write, and so its closing, fail.
    void RefuseToClose(ProjectRecord& project)
    {
        project.basedProtocol ^= 1;
        ASSERT_TRUE(::CreateDirectory(m_folder.Path(std::string(project.name) + ".kvs.tmp").c_str(), nullptr));
    }
    // "win", which cannot close, current with every editor closed and its demo gone, "other" elsewhere selected;
    // Close All, which closes "other", makes "win" current again.
    ProjectRecord& CloseAllKeepsWinWithNoEditorOpen()
    {
        ProjectRecord& project = OpenAndSelect("win");
        for (const std::string& file : m_editors)
            CloseByKeys(EditorOf(file));
        EXPECT_TRUE(::DeleteFile(m_folder.Path("win_api_demo.c").c_str()));
        project.basedProtocol ^= 1;
        // A folder where the new design would be written first makes the write fail.
        EXPECT_TRUE(::CreateDirectory(m_folder.Path("win.kvs.tmp").c_str(), nullptr));
        CTestFolder otherFolder("designer-frame-other");
        m_pFrame->ReadSolutionFile(ExampleNamed(otherFolder, "other").c_str());
        Select(ProjectItem("other"));
        DesignerTestApp().m_messages.clear();
        RunCommand(ID_PROJECT_CLOSE_ALL);
        EXPECT_EQ(1u, DesignerTestApp().m_messages.size()) << "the refusal only";
        EXPECT_EQ(1u, m_pFrame->m_projects.size());
        EXPECT_EQ(&project, m_pFrame->CurrentProject());
        return project;
    }
    // "win" selected with its header unopened, the header gone since and "win" unable to close; "other" selected
    // and closed by the command.
    void CloseOtherBesideWinWithItsHeaderGone(UINT nCommand)
    {
        WriteOldFiles();
        ProjectRecord& win = SelectWithTheHeaderUnopened();
        ASSERT_TRUE(std::filesystem::remove(m_folder.Path("win_api.h")));
        RefuseToClose(win);
        OpenAndSelect("other");
        DesignerTestApp().m_messages.clear();
        RunCommand(nCommand);
        ASSERT_EQ(1u, m_pFrame->m_projects.size());
        EXPECT_FALSE(std::filesystem::exists(m_folder.Path("win_api.h")));
        EXPECT_EQ(nullptr, EditorOf("win_api.h"));
        EXPECT_TRUE(TabShown("win_api.c"));
    }
    const std::vector<std::string> m_editors = {"win_api.h", "win_api.c", "win_api_demo.c", "win.diagram"};
    // The file's editor is open and its tab on show.
    bool TabShown(const std::string& file) const
    {
        CDocument* pDoc = EditorOf(file);
        CKTTabManagerItem* pTab =
            pDoc ? m_pFrame->m_wndTabClient.FindItem(ViewOf(pDoc)->GetParentFrame()->GetSafeHwnd()) : nullptr;
        return pTab && pTab->IsVisible();
    }
};

}  // namespace

// Before, the refusal of a project Close All could not close said that Save All writes its files, while Close
// All then left the tree's root selected and Save All disabled with it. The project it could not close is left
// current, whichever order the projects were opened in, and a selection in it stays: before, Close All selected
// the project's item even where it had closed nothing, and the field's page gave way to the project's.
TEST_F(CloseAllTest, TheSaveAllARefusedCloseAllNamesIsThereAndWritesTheFiles) { CloseAllKeepsWin(Other::OpenedAfter); }

TEST_F(CloseAllTest, TheProjectARefusedCloseAllKeepsStaysCurrentWhenItWasOpenedFirst)
{
    CloseAllKeepsWin(Other::OpenedBefore);
}

TEST_F(CloseAllTest, AloneTheProjectARefusedCloseAllKeepsKeepsItsSelection) { CloseAllKeepsWin(Other::None); }

// Before, Close All made the project it could not close current again as a selection of another project does: the
// editors the user had closed opened again and a file they missed was made, though the user asked for neither.
TEST_F(CloseAllTest, TheProjectARefusedCloseAllKeepsIsCurrentAgainWithNoEditorOpenedAndNoFileMade)
{
    CloseAllKeepsWinWithNoEditorOpen();
    EXPECT_EQ(ProjectItem("win"), Tree().GetSelectedItem());
    for (const std::string& file : m_editors)
        EXPECT_EQ(nullptr, EditorOf(file)) << file << " was opened";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(m_folder.Path("win_api_demo.c").c_str()));
    EXPECT_TRUE(::RemoveDirectory(m_folder.Path("win.kvs.tmp").c_str()));
}

// Before, the project a refused Close All made current again without its editors never opened them: no click on
// its items did, as it stayed current. The user's next click opens them, as a selection of the project does.
TEST_F(CloseAllTest, TheProjectARefusedCloseAllKeepsWithoutEditorsOpensThemAtTheNextClickOnItsItems)
{
    CloseAllKeepsWinWithNoEditorOpen();
    Select(FirstChildOf("win", "Head"));
    for (const std::string& file : m_editors)
        EXPECT_NE(nullptr, EditorOf(file)) << file << " was not opened";
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(m_folder.Path("win_api_demo.c").c_str()));
    EXPECT_TRUE(TabShown("win_api.h"));
    EXPECT_TRUE(::RemoveDirectory(m_folder.Path("win.kvs.tmp").c_str()));
}

// Before, with the tree's root selected, Close All made the first project it could not close current in place of
// the current one, which it could not close either, whether it had closed another project or none.
TEST_F(CloseAllTest, TheCurrentProjectOfThoseARefusedCloseAllKeepsStaysCurrentWithTheRootSelected)
{
    CloseAllKeepsBothWithTheRootSelected(false);
}

TEST_F(CloseAllTest, TheCurrentProjectARefusedCloseAllKeepsStaysCurrentWhenAnotherCloses)
{
    CloseAllKeepsBothWithTheRootSelected(true);
}

// Before, once Close All had closed another project's editors, the kept project's editor brought forward tried its
// unopened editors again: a header gone since was made, empty, though the user had asked for no editor.
TEST_F(CloseAllTest, AProjectCloseAllKeepsOpensNoneOfItsEditorsWhenAnotherCloses)
{
    CloseOtherBesideWinWithItsHeaderGone(ID_PROJECT_CLOSE_ALL);
    EXPECT_EQ(1u, DesignerTestApp().m_messages.size()) << "the refusal only";
}

// Before, closing the current project tried again the unopened editors of the project whose editor came forward: a
// header gone since was made, empty, and opened, though no project was current and the user asked for no editor.
TEST_F(CloseAllTest, ClosingTheCurrentProjectOpensNoEditorOfAnother)
{
    CloseOtherBesideWinWithItsHeaderGone(ID_PROJECT_CLOSE);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty());
    EXPECT_EQ(nullptr, m_pFrame->CurrentProject());
}

// Before, the project a refused Close All made current again kept its tabs hidden behind those of another it could
// not close either, whose editor came forward as a third project closed: Save and Generate acted on the project
// the user did not see.
TEST_F(CloseAllTest, TheProjectARefusedCloseAllMakesCurrentAgainHasItsTabsOnShowAndNoOthers)
{
    CloseAllKeepsWinAndOtherWhileThirdCloses();
    EXPECT_TRUE(TabShown("win_api.h"));
    EXPECT_FALSE(TabShown("other_api.h"));
    CMDIChildWnd* pActive = m_pFrame->MDIGetActive();
    ASSERT_NE(nullptr, pActive);
    EXPECT_EQ(EditorOf("win_api.h"), pActive->GetActiveDocument());
}

// Before, where the project a refused Close All made current again had no editor open, every tab was hidden, while the
// editor of another kept project, which came forward as a third closed, kept the keyboard: typing changed it unseen,
// and Save All wrote it. The kept project whose editor came forward is made current instead, its tabs on show.
TEST_F(CloseAllTest, TheKeyTypedAfterARefusedCloseAllGoesToAnEditorOnShowOfTheCurrentProject)
{
    ProjectRecord& win = OpenAndSelect("win");
    for (const std::string& file : m_editors)
        CloseByKeys(EditorOf(file));
    RefuseToClose(win);
    RefuseToClose(OpenAndSelect("other"));
    OpenAndSelect("third");
    Select(FirstChildOf("third", "Head"));
    DesignerTestApp().m_bBoxesRunTheQueue = true;
    RunCommand(ID_PROJECT_CLOSE_ALL);
    ASSERT_EQ(2u, m_pFrame->m_projects.size());
    ASSERT_NE(nullptr, m_pFrame->CurrentProject());
    EXPECT_STREQ("other", m_pFrame->CurrentProject()->name);
    for (const std::string& file : m_editors)
        EXPECT_EQ(nullptr, EditorOf(file)) << file << " was opened";
    ASSERT_NE(nullptr, ::GetFocus());
    ASSERT_TRUE(CTestInput(::GetFocus()).Text("q"));
    int nTyped = 0;
    for (const char* pszFile : {"other_api.h", "other_api.c", "other_api_demo.c", "other.diagram"})
    {
        ASSERT_NE(nullptr, EditorOf(pszFile)) << pszFile;
        if (!EditorOf(pszFile)->IsModified())
            continue;
        nTyped++;
        EXPECT_TRUE(TabShown(pszFile)) << pszFile << " was typed in unseen";
    }
    EXPECT_EQ(1, nTyped);
}

namespace
{

// What a Generate's save killed once the source and demo went in and the header went aside leaves.
void LeaveSaveKilledWithTheHeaderAside(const CTestFolder& folder)
{
    RunSteps steps = StepsUntilAllWentIn({"win_api.c", "win_api_demo.c", "win_api.h"});
    steps.pop_back();
    ASSERT_TRUE(LeaveRecord(folder.Path(), steps));
}

class PutBackTest : public TakenBackTest
{
protected:
    // "win" opened while a viewer holds what a save killed with the source and demo in and the header aside set
    // aside, so that nothing of the run can be put back yet; "mine " typed in the demo.
    void OpenWinWhileASaveKilledIsHeldAndTypeInTheDemo()
    {
        OpenWinWhileASaveKilledIsHeld();
        ASSERT_NE(nullptr, EditorOf("win_api_demo.c"));
        EXPECT_TRUE(InputTo(ViewOf(EditorOf("win_api_demo.c"))).Text("mine "));
    }
    void OpenWinWhileASaveKilledIsHeld()
    {
        const std::vector<std::pair<std::string, std::string>> killed = {
            {"win.diagram", "diagram"},     {"win_api.c", "new source"},        {"win_api.c.tmo", "old source"},
            {"win_api_demo.c", "new demo"}, {"win_api_demo.c.tmo", "old demo"}, {"win_api.h.tmp", "new header"},
            {"win_api.h.tmo", "old header"}};
        for (const auto& [file, text] : killed)
            ASSERT_TRUE(m_folder.Write(file, text));
        LeaveSaveKilledWithTheHeaderAside(m_folder);
        CHeldOpen source(m_folder.Path("win_api.c.tmo").c_str(), FILE_SHARE_READ);
        CHeldOpen demo(m_folder.Path("win_api_demo.c.tmo").c_str(), FILE_SHARE_READ);
        CHeldOpen header(m_folder.Path("win_api.h.tmo").c_str(), FILE_SHARE_READ);
        ASSERT_TRUE(source.IsHeld() && demo.IsHeld() && header.IsHeld());
        OpenAndSelect("win");
        ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
        EXPECT_NE(-1, DesignerTestApp().m_messages[0].Find(
                          " cannot be made until the interrupted run in its folder is put right"))
            << (LPCTSTR)DesignerTestApp().m_messages[0];
        ASSERT_NE(nullptr, EditorOf("win_api.c"));
        EXPECT_EQ("new source", EditorText(EditorOf("win_api.c")));
    }
    // Save All of the design changed, while a viewer holds the demo's set-aside sharing nothing: it lets go once
    // the settling has found the run held back by it, as that moves the source back, and the design's write puts
    // the run right itself.
    void SaveAllAsTheDemosViewerLetsGoBeforeTheDesignIsWritten()
    {
        CHeldOpen viewer(m_folder.Path("win_api_demo.c.tmo").c_str());
        ASSERT_TRUE(viewer.IsHeld());
        DiskFaults faults;
        faults.beforeMove = [&viewer](const std::string& name)
        {
            if (name == "win_api.c")
                viewer.Release();
        };
        ProjectRecord& project = *m_pFrame->m_projects.back();
        project.libraryType = 1 - project.libraryType;
        DesignerTestApp().m_messages.clear();
        const CStandInDisk disk(faults);
        RunCommand(ID_PROJECT_SAVE_ALL);
        EXPECT_FALSE(viewer.IsHeld()) << "the settling moved no source back";
        const std::string output(Output());
        const std::size_t nHeld = output.find("while another program holds " + m_folder.Path("win_api_demo.c.tmo"));
        ASSERT_NE(std::string::npos, nHeld) << "the settling found the run held back: " << output;
        EXPECT_NE(std::string::npos, output.find("was put right", nHeld)) << "by the design's write: " << output;
        EXPECT_EQ("old demo", m_folder.Read("win_api_demo.c"));
    }
    // The first Save All once the viewers let go puts the run right and writes nothing over the demo put back
    // under the user's text; the next writes the user's texts knowingly.
    void SaveAllStopsForTheDemoPutBackUnderTheUsersText()
    {
        OpenWinWhileASaveKilledIsHeldAndTypeInTheDemo();
        DesignerTestApp().m_messages.clear();
        RunCommand(ID_PROJECT_SAVE_ALL);
        const std::string output(Output());
        const size_t nPutRight = output.find("was put right");
        ASSERT_NE(std::string::npos, nPutRight) << output;
        EXPECT_EQ(std::string::npos, output.find("was put right", nPutRight + 1)) << "told once: " << output;
        EXPECT_NE(std::string::npos, output.find(m_folder.Path("win_api_demo.c") + " changed on disk under its editor"))
            << output;
        ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
        EXPECT_STREQ("win_api_demo.c changed on disk under its editor, which keeps your text (the output pane says "
                     "how); it was not written, so that you see what is on disk first: saving again writes your text "
                     "over it",
                     (LPCTSTR)DesignerTestApp().m_messages[0]);
        EXPECT_EQ("old demo", m_folder.Read("win_api_demo.c"));
        EXPECT_EQ("old source", m_folder.Read("win_api.c"));
        EXPECT_EQ("old header", m_folder.Read("win_api.h"));
        CDocument* pSource = EditorOf("win_api.c");
        EXPECT_EQ("old source", EditorText(pSource));
        EXPECT_FALSE(pSource->IsModified());
        EXPECT_EQ("mine new demo", EditorText(EditorOf("win_api_demo.c")));
        EXPECT_TRUE(EditorOf("win_api_demo.c")->IsModified());

        DesignerTestApp().m_messages.clear();
        EXPECT_TRUE(InputTo(ViewOf(pSource)).Text("mine "));
        RunCommand(ID_PROJECT_SAVE_ALL);
        EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCTSTR)DesignerTestApp().m_messages[0];
        EXPECT_EQ("mine old source", m_folder.Read("win_api.c"));
        EXPECT_EQ("mine new demo", m_folder.Read("win_api_demo.c"));
        EXPECT_EQ("old header", m_folder.Read("win_api.h"));
    }
    // A Generate of "other", none of its editors open, whose write puts right a run cut off once win_api.c went in.
    void GenerateOtherWithItsEditorsClosedOverARunCutOffInWinsSource()
    {
        OpenAndSelect("other");
        for (const char* pszFile : {"other_api.h", "other_api.c", "other_api_demo.c"})
            if (CDocument* pDoc = EditorOf(pszFile))
                pDoc->OnCloseDocument();
        ASSERT_TRUE(m_folder.Write("win_api.c.tmo", "old source"));
        ASSERT_TRUE(m_folder.Write("win_api.c", "the run's new source"));
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilTheFirstWentIn({"win_api.c"})));
        RunCommand(ID_BUILD_GENERATE_CODE);
        EXPECT_NE(-1, Output().Find("Generating other: ")) << (LPCTSTR)Output();
        ASSERT_EQ("old source", m_folder.Read("win_api.c"));
    }
    // "win" opened and changed, so that Save All writes it, and *ppEditor the editor of changed showing *pShown,
    // while a run cut off once cutOff went in waits in the folder and another program writes changed after it.
    void OpenWinBesideARunCutOff(const std::string& changed, const std::string& cutOff, CDocument** ppEditor,
                                 std::string* pShown)
    {
        ProjectRecord& project = OpenAndSelect("win");
        *ppEditor = EditorOf(changed);
        ASSERT_NE(nullptr, *ppEditor);
        *pShown = EditorText(*ppEditor);
        ASSERT_TRUE(m_folder.Write(cutOff + ".tmo", "old " + cutOff));
        ASSERT_TRUE(m_folder.Write(cutOff, "the run's new " + cutOff));
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilTheFirstWentIn({cutOff})));
        ASSERT_TRUE(m_folder.Write(changed, "another program's " + changed));
        project.libraryType = 1 - project.libraryType;
    }
};

}  // namespace

// Before, an editor went on showing, unmarked, the text that putting right a run cut off in its folder had just
// taken off the disk: a later edit and save wrote half of the undone Generate back beside the old header. An
// editor the user has not changed shows its file as put back; one the user changed keeps the edits, and the output
// pane says that its file changed on disk under it.
TEST_F(PutBackTest, TheEditorsOfFilesARunPutRightPutBackShowThemOrSayTheyKeepTheUsersText)
{
    OpenWinWhileASaveKilledIsHeldAndTypeInTheDemo();
    Select(FirstChildOf("win", "Head"));
    EXPECT_NE(-1, Output().Find("was put right")) << (LPCTSTR)Output();
    ASSERT_EQ("old source", m_folder.Read("win_api.c"));
    CDocument* pSource = EditorOf("win_api.c");
    EXPECT_EQ("old source", EditorText(pSource));
    EXPECT_FALSE(pSource->IsModified());
    EXPECT_EQ(-1, Output().Find((m_folder.Path("win_api.c") + " changed on disk").c_str())) << (LPCTSTR)Output();
    ASSERT_EQ("old demo", m_folder.Read("win_api_demo.c"));
    EXPECT_EQ("mine new demo", EditorText(EditorOf("win_api_demo.c")));
    EXPECT_TRUE(EditorOf("win_api_demo.c")->IsModified());
    EXPECT_NE(-1,
              Output().Find((m_folder.Path("win_api_demo.c") + " changed on disk under its editor, which keeps its "
                                                               "text: a save of the editor writes that text over it")
                                .c_str()))
        << (LPCTSTR)Output();

    EXPECT_TRUE(InputTo(ViewOf(pSource)).Text("mine "));
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.size() == 1) << (LPCSTR)DesignerTestApp().m_messages.back();
    EXPECT_EQ("mine old source", m_folder.Read("win_api.c"));
    EXPECT_EQ("old header", m_folder.Read("win_api.h"));
}

// Before, a save whose design write put right a run that the settling before it had found held back went by that
// settling: the editors' save was refused "until the interrupted run in its folder is put right", under the line
// saying it was, and an editor the user had not changed went on showing the text the write took off the disk.
// The editors agree with what the write put back, and their save goes by the folder as it left it.
TEST_F(PutBackTest, AnEditorWhoseFileTheDesignsWritePutBackShowsIt)
{
    OpenWinWhileASaveKilledIsHeld();
    SaveAllAsTheDemosViewerLetsGoBeforeTheDesignIsWritten();
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCTSTR)DesignerTestApp().m_messages[0];
    CDocument* pDemo = EditorOf("win_api_demo.c");
    EXPECT_EQ("old demo", EditorText(pDemo));
    EXPECT_FALSE(pDemo->IsModified());
}

TEST_F(PutBackTest, AChangedEditorWhoseFileTheDesignsWritePutBackIsNotRefusedByTheRunItPutRight)
{
    OpenWinWhileASaveKilledIsHeldAndTypeInTheDemo();
    SaveAllAsTheDemosViewerLetsGoBeforeTheDesignIsWritten();
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_STREQ("win_api_demo.c changed on disk under its editor, which keeps your text (the output pane says how); "
                 "it was not written, so that you see what is on disk first: saving again writes your text over it",
                 (LPCTSTR)DesignerTestApp().m_messages[0]);
    EXPECT_EQ("mine new demo", EditorText(EditorOf("win_api_demo.c")));
    DesignerTestApp().m_messages.clear();
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCTSTR)DesignerTestApp().m_messages[0];
    EXPECT_EQ("mine new demo", m_folder.Read("win_api_demo.c"));
}

// Before, a Generate whose project had no editor open put right a run cut off in its folder as it wrote the files,
// and left the editors of another project there as they were: one the user had not changed went on showing the
// text that the write took off the disk.
TEST_F(PutBackTest, AGenerateWrittenAtOnceHasTheEditorsOfAnotherProjectInItsFolderShowWhatItPutBack)
{
    OpenAndSelect("win");
    CDocument* pSource = EditorOf("win_api.c");
    ASSERT_NE(nullptr, pSource);
    GenerateOtherWithItsEditorsClosedOverARunCutOffInWinsSource();
    EXPECT_EQ("old source", EditorText(pSource));
    EXPECT_FALSE(pSource->IsModified());
}

// Before, a write that put a run right itself had every editor in its folder agree with the disk, not only those
// of the files the run named: one the user had not changed, of a file another program wrote, lost its undo history
// to a read anew, and one the user had changed was said to have changed on disk and its next save was refused.
TEST_F(PutBackTest, AWriteThatPutsARunRightLeavesTheEditorsOfFilesTheRunDoesNotNameAsTheyAre)
{
    OpenAndSelect("win");
    CDocument* pHeader = EditorOf("win_api.h");
    CDocument* pDemo = EditorOf("win_api_demo.c");
    ASSERT_NE(nullptr, pHeader);
    ASSERT_NE(nullptr, pDemo);
    const std::string header = EditorText(pHeader);
    EXPECT_TRUE(InputTo(ViewOf(pDemo)).Text("mine "));
    ASSERT_TRUE(m_folder.Write("win_api.h", "another program's header"));
    ASSERT_TRUE(m_folder.Write("win_api_demo.c", "another program's demo"));
    GenerateOtherWithItsEditorsClosedOverARunCutOffInWinsSource();
    EXPECT_EQ(header, EditorText(pHeader));
    EXPECT_EQ(-1, Output().Find((m_folder.Path("win_api.h") + " changed on disk").c_str())) << (LPCTSTR)Output();
    EXPECT_EQ(-1, Output().Find((m_folder.Path("win_api_demo.c") + " changed on disk").c_str())) << (LPCTSTR)Output();
}

// Before, memory running out while an editor read its file anew left it half read, and the output pane then said
// that it kept its text. It keeps its old text whole, or shows the file whole and says so.
TEST_F(TakenBackTest, AnEditorThatRunsOutOfMemoryReadingItsFileAnewKeepsItsTextWholeOrShowsTheFile)
{
    OpenAndSelect("win");
    auto* pDoc = static_cast<CwrenfoldDoc*>(EditorOf("win_api.c"));
    ASSERT_NE(nullptr, pDoc);
    const std::string old = EditorText(pDoc);
    std::string fresh;
    for (int nLine = 0; nLine < 300; nLine++)
        fresh += "line " + std::to_string(nLine) + "\r\n";
    ASSERT_TRUE(m_folder.Write("win_api.c", fresh));
    bool bShown = false;
    long nSucceeding = 0;
    for (; !bShown && nSucceeding < 20000; nSucceeding++)
    {
        {
            AllocationFault fault(nSucceeding, AllocationFault::Threads::ThisOne);
            bShown = pDoc->ShowFileNow() == CwrenfoldDoc::Under::Same;
        }
        if (!bShown)
            ASSERT_EQ(old, EditorText(pDoc)) << "after " << nSucceeding << " allocations";
    }
    ASSERT_TRUE(bShown);
    EXPECT_GT(nSucceeding, 300) << "the reading was cut off";
    EXPECT_EQ(WithoutCarriageReturns(fresh), EditorText(pDoc));
    EXPECT_FALSE(pDoc->IsModified());
    // Before, a read cut off kept its file open sharing only reading: every later save of it was refused as held.
    EXPECT_TRUE(InputTo(ViewOf(pDoc)).Text("mine "));
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCTSTR)DesignerTestApp().m_messages[0];
    EXPECT_EQ(0u, m_folder.Read("win_api.c").find("mine line 0"));
}

// Before, a save that put right a run cut off in its folder left the editors as they were: the user's text was
// written over the file the run had put back under it without a word, and an editor the user had not changed
// went on showing the undone Generate's text. The editors agree first, and the save stops for the file put back
// under the user's text, whether the design is written with the editors or not.
TEST_F(PutBackTest, ASaveAllThatPutsARunRightWritesNothingOverAFilePutBackUnderTheUsersText)
{
    SaveAllStopsForTheDemoPutBackUnderTheUsersText();
}

TEST_F(PutBackTest, ASaveAllOfAChangedDesignThatPutsARunRightWritesNothingOverAFilePutBack)
{
    OpenWinWhileASaveKilledIsHeldAndTypeInTheDemo();
    ProjectRecord& project = *m_pFrame->m_projects.back();
    project.libraryType = 1 - project.libraryType;
    DesignerTestApp().m_messages.clear();
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_NE(-1, Output().Find("Saving win: ")) << (LPCTSTR)Output();
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_EQ(0, DesignerTestApp().m_messages[0].Find("win_api_demo.c changed on disk under its editor"))
        << (LPCTSTR)DesignerTestApp().m_messages[0];
    EXPECT_EQ("old demo", m_folder.Read("win_api_demo.c"));
    EXPECT_EQ("old source", EditorText(EditorOf("win_api.c")));
}

// Before, a save that found a file put back under the user's text while the folder's run still waited on a viewer
// said that saving again writes the text over it: that save was refused by the run. It says what it waits for.
TEST_F(PutBackTest, AFilePutBackWhileTheRunStillWaitsSaysTheSaveWaitsToo)
{
    OpenWinWhileASaveKilledIsHeldAndTypeInTheDemo();
    CHeldOpen header(m_folder.Path("win_api.h.tmo").c_str(), FILE_SHARE_READ);
    ASSERT_TRUE(header.IsHeld());
    DesignerTestApp().m_messages.clear();
    RunCommand(ID_PROJECT_SAVE_ALL);
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_STREQ("win_api_demo.c changed on disk under its editor, which keeps your text (the output pane says how); "
                 "it was not written, so that you see what is on disk first; the save waits until the interrupted run "
                 "in its folder is put right, then saving again writes your text over it",
                 (LPCTSTR)DesignerTestApp().m_messages[0]);
    EXPECT_NE(-1, Output().Find((m_folder.Path("win_api_demo.c") +
                                 " changed on disk under its editor, which keeps its text; the save waits until the "
                                 "interrupted run in its folder is put right, then a save of the editor writes that "
                                 "text over it")
                                    .c_str()))
        << (LPCTSTR)Output();
    EXPECT_EQ("old demo", m_folder.Read("win_api_demo.c"));
}

// Before, every changed editor in the folder was said to have its file put back under it whenever putting right
// a run there told anything: one whose file another program changed, which no run named, and one whose file is
// missing. Neither is said to have changed under its editor.
TEST_F(PutBackTest, OnlyAFileTheRunNamesIsSaidToHaveChangedUnderItsEditor)
{
    OpenWinWhileASaveKilledIsHeldAndTypeInTheDemo();
    Select(FirstChildOf("win", "Head"));
    DesignerTestApp().m_messages.clear();
    EXPECT_TRUE(InputTo(ViewOf(EditorOf("win_api.c"))).Text("mine "));
    ASSERT_TRUE(m_folder.Write("win_api.c", "another program's source"));
    ASSERT_TRUE(std::filesystem::remove(m_folder.Path("win_api_demo.c")));
    ASSERT_TRUE(m_folder.Write("notes.txt.tmo", "old notes"));
    ASSERT_TRUE(m_folder.Write("notes.txt", "the run's new notes"));
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilTheFirstWentIn({"notes.txt"})));
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "other").c_str());
    const std::string output(Output());
    const size_t nOpening = output.rfind("Opening ");
    ASSERT_NE(std::string::npos, nOpening) << output;
    EXPECT_EQ(std::string::npos, output.find(m_folder.Path("win_api.c") + " changed on disk", nOpening)) << output;
    EXPECT_EQ(std::string::npos, output.find(m_folder.Path("win_api_demo.c") + " changed on disk", nOpening)) << output;
    EXPECT_EQ("mine old source", EditorText(EditorOf("win_api.c")));
}

// Before, an editor the user had not changed was read anew whenever putting right a run in its folder told
// anything, though the run named another file: another program's text took its place and its undo history.
TEST_F(PutBackTest, ASaveAllThatPutsARunRightLeavesTheEditorOfAFileTheRunDoesNotNameAsItWas)
{
    CDocument* pDemo = nullptr;
    std::string shown;
    ASSERT_NO_FATAL_FAILURE(OpenWinBesideARunCutOff("win_api_demo.c", "notes.txt", &pDemo, &shown));
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_NE(-1, Output().Find("was put right")) << (LPCTSTR)Output();
    EXPECT_EQ(shown, EditorText(pDemo));
    EXPECT_EQ(-1, Output().Find((m_folder.Path("win_api_demo.c") + " ").c_str())) << (LPCTSTR)Output();
}

// Before, an editor whose file another program held open for writing was taken to show it once the reading
// anew failed: nothing was said, and the editor's next look found the file unchanged. It keeps its text and
// says so, and that a save once the user changes it writes that text over the file.
TEST_F(PutBackTest, AnEditorThatCannotReadAFileTheRunNamesAnewKeepsItsTextAndSaysSo)
{
    CDocument* pSource = nullptr;
    std::string shown;
    ASSERT_NO_FATAL_FAILURE(OpenWinBesideARunCutOff("win_api.c", "win_api.c", &pSource, &shown));
    {
        const HANDLE hWriter = ::CreateFileA(m_folder.Path("win_api.c").c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, hWriter);
        RunCommand(ID_PROJECT_SAVE_ALL);
        ::CloseHandle(hWriter);
    }
    EXPECT_EQ(shown, EditorText(pSource));
    EXPECT_FALSE(pSource->IsModified());
    EXPECT_NE(-1,
              Output().Find((m_folder.Path("win_api.c") + " changed on disk under its editor, which could not read "
                                                          "it anew and still shows the text it had; once changed, a "
                                                          "save of the editor writes that text over it")
                                .c_str()))
        << (LPCTSTR)Output();
}

// Before, a Save All that put back under the user's edit the bytes the editor had last seen, only with an older
// time, said that the file changed on disk under its editor and wrote nothing: so a run cut off after writing a
// file anew with the text it held already is undone, the old file's time coming back with it. Only other bytes
// are a change, however the times go: those are still said and not written over.
TEST_F(PutBackTest, AFilePutBackWithTheBytesItsEditorLastSawIsWrittenOverWithoutAWord)
{
    const FILETIME ftOld = {0x10000000, 0x01D00000};  // a time long past
    const auto putAsideAt = [&](const std::string& file, const std::string& bytes)
    {
        ASSERT_TRUE(m_folder.Write(file + ".tmo", bytes));
        const HANDLE hFile = ::CreateFileA(m_folder.Path(file + ".tmo").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                           OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
        EXPECT_TRUE(::SetFileTime(hFile, nullptr, nullptr, &ftOld));
        ::CloseHandle(hFile);
        ASSERT_TRUE(m_folder.Write(file, "the run's new " + file));
    };
    for (const bool bSameBytes : {true, false})
    {
        SCOPED_TRACE(bSameBytes ? "the bytes the editor saw" : "other bytes of the same size");
        ASSERT_TRUE(m_folder.Write("win_api.c", "int a_source;\r\n"));
        ASSERT_TRUE(m_folder.Write("win_api.h", "int a_header;\r\n"));
        OpenAndSelect("win");
        CDocument* pSource = EditorOf("win_api.c");
        auto* pHeader = static_cast<CKTSyntaxEditDoc*>(EditorOf("win_api.h"));
        ASSERT_TRUE(pSource && pHeader);
        std::string source = m_folder.Read("win_api.c");
        if (!bSameBytes)
            source[source.find('a')] = 'b';
        ASSERT_NO_FATAL_FAILURE(putAsideAt("win_api.c", source));
        ASSERT_NO_FATAL_FAILURE(putAsideAt("win_api.h", m_folder.Read("win_api.h")));
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilAllWentIn({"win_api.c", "win_api.h"})));
        EXPECT_TRUE(InputTo(ViewOf(pSource)).Text("mine "));
        const std::string told = SaveAllTells();
        EXPECT_NE(std::string::npos, told.find("was put right")) << told;
        EXPECT_EQ(std::string::npos, told.find(m_folder.Path("win_api.h") + " changed")) << told;
        // The header's editor takes its file's new time: a later look finds it unchanged without reading it.
        const FILETIME ftSeen = pHeader->GetFileInfo().ftLastWriteTime;
        EXPECT_EQ(0, ::CompareFileTime(&ftOld, &ftSeen));
        if (bSameBytes)
        {
            EXPECT_EQ(std::string::npos, told.find("changed on disk")) << told;
            EXPECT_EQ(WithoutCarriageReturns("mine " + source), Written("win_api.c"));
            EXPECT_FALSE(pSource->IsModified());
            RunCommand(ID_PROJECT_CLOSE);
            continue;
        }
        ExpectOneMessageBeginning("win_api.c changed on disk under its editor, which keeps your text");
        EXPECT_EQ(source, m_folder.Read("win_api.c"));
        EXPECT_TRUE(pSource->IsModified());
    }
}

// Before, a save refused while a run cut off in a folder that cannot be written waited said only that the run
// was to be put right, not why it could not be.
TEST_F(GenerateIntoEditorsTest, ASaveAllRefusedByARunInAFolderThatCannotBeWrittenSaysSo)
{
    OpenAndSelect("gen");
    RunCommand(ID_BUILD_GENERATE_CODE);
    ASSERT_TRUE(m_folder.Write("notes.txt.tmo", "old notes"));
    ASSERT_TRUE(m_folder.Write("notes.txt", "the run's new notes"));
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilTheFirstWentIn({"notes.txt"})));
    {
        DiskFaults faults;
        faults.readOnly = true;
        const CStandInDisk disk(faults);
        RunCommand(ID_PROJECT_SAVE_ALL);
    }
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    const std::string message(DesignerTestApp().m_messages[0]);
    EXPECT_EQ(0u, message.find("cannot replace " + m_folder.Path("gen_api"))) << message;
    const std::string unwritable = " until the interrupted run in its folder is put right, which it cannot be while "
                                   "the folder cannot be written; none of ";
    EXPECT_NE(std::string::npos, message.find(unwritable)) << message;
    EXPECT_EQ(message.find("cannot be written"), message.rfind("cannot be written")) << "said once: " << message;
    EXPECT_EQ(std::string::npos, message.find("replacing.tmr")) << "the recovery's words are the output pane's";
    EXPECT_NE(std::string::npos, message.find("; none of ")) << message;
    EXPECT_TRUE(EditorOf("gen_api.c")->IsModified());
}

// Before, an editor that showed its file anew once a run put right had put another text back under it still
// stood for the Generate it had saved: its next save took that Generate back, and wrote what the header held
// before it over the Generate's header, which nothing had taken back.
TEST_F(TakenBackTest, AnEditorThatShowsItsFileAnewNoLongerTakesItsGenerateBack)
{
    WriteOldFiles();
    ProjectRecord& project = SelectWithTheHeaderUnopened();
    project.basedProtocol ^= 1;
    const codegen::GeneratedCode code = CodeOf(project);
    RunCommand(ID_BUILD_GENERATE_CODE);
    DesignerTestApp().m_messages.clear();
    SaveAllWritesWhole(code);
    for (const std::string& file : m_filled)
        ASSERT_TRUE(m_folder.Write(file + ".tmo", "put back " + file));
    ASSERT_TRUE(::MoveFile(m_folder.Path("win_api.h").c_str(), m_folder.Path("win_api.h.tmo").c_str()));
    ASSERT_TRUE(m_folder.Write("win_api.h.tmp", "a header that never went in"));
    LeaveSaveKilledWithTheHeaderAside(m_folder);

    Select(FirstChildOf("win", "Head"));
    for (const std::string& file : m_filled)
        EXPECT_EQ("put back " + file, EditorText(EditorOf(file))) << file;
    ASSERT_NE(nullptr, EditorOf("win_api.h"));
    EXPECT_EQ(code.header, WithoutCarriageReturns(EditorText(EditorOf("win_api.h"))));
    EXPECT_TRUE(InputTo(ViewOf(EditorOf("win_api.c"))).Text("mine "));
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
    EXPECT_EQ("mine put back win_api.c", m_folder.Read("win_api.c"));
    EXPECT_EQ("put back win_api_demo.c", m_folder.Read("win_api_demo.c"));
    EXPECT_EQ(code.header, WithoutCarriageReturns(m_folder.Read("win_api.h")));
}
