// MainFrameBuild.cpp: the frame's generate, compile and run commands on the current project.
#include "KTSyntaxEditCtrl.h"
#include "KTSyntaxEditDoc.h"
#include "KTSyntaxEditView.h"
#include "LongWork.h"
#include "MainFrame.h"
#include "ProjectBuild.h"
#include "ProjectReading.h"
#include "RedrawHeld.h"
#include "WrenfoldApp.h"

#include <algorithm>
#include <map>
#include <memory>
#include <new>
#include <vector>

namespace
{

// Small enough to check the slice's time often, big enough to cost little more than the rows.
const int kRowsPerSlice = 1000;

class COutputLines : public IOutputLines
{
public:
    explicit COutputLines(COutputEdit& edit) : m_edit(edit) {}
    void AddLine(const CString& strLine) override { m_edit.AddLine(strLine); }

private:
    COutputEdit& m_edit;
};

// A generated text split into rows on a thread of its own while the generator writes the next one.
class CTextAhead
{
public:
    explicit CTextAhead(const std::string& text)
        : m_text(text), m_newText(text.c_str(), int(text.size())), m_split([this] { m_newText.ReadAll(); })
    {
    }
    ~CTextAhead()
    {
        if (m_split.Thread())
            ::WaitForSingleObject(m_split.Thread(), INFINITE);
    }
    CTextAhead(const CTextAhead&) = delete;
    CTextAhead& operator=(const CTextAhead&) = delete;

    BOOL IsOf(const std::string& text) const { return &text == &m_text; }
    CBackgroundWork& Split() { return m_split; }
    CKTSyntaxEditNewText& NewText() { return m_newText; }

private:
    const std::string& m_text;
    CKTSyntaxEditNewText m_newText;
    CBackgroundWork m_split;  // last: starts once the rest is made
};

// The application's editors of the project: generated text replaces what an open
// editor shows, and a build first saves what the editors changed.
class CProjectEditors : public IProjectEditors
{
public:
    CProjectEditors(const ProjectRecord& project, CKTStatusBar& statusBar) : m_project(project), m_statusBar(statusBar)
    {
        FindEditor(
            [&](CDocument& doc)
            {
                m_openPaths.push_back(doc.GetPathName());
                return false;
            });
    }
    BOOL PrepareText(const CString& strPath, const std::string& text) override
    {
        CKTSyntaxEditDoc* pEditor = EditorOf(strPath);
        CKTSyntaxEditView* pView = pEditor ? pEditor->GetFirstView() : nullptr;
        if (!pView || !pView->GetEditCtrl()->CanEditDoc())
            return FALSE;
        // An edit of the editor's text, not of its file: it shows as a change the user can undo or save.
        const CString strStep = "Putting the new text into " + pEditor->GetTitle() + "...";
        PreparedText prepared;
        prepared.pView = pView;
        prepared.pText = Prepare(*pEditor->GetDataManager(), strPath, text, strStep);
        m_prepared.push_back(std::move(prepared));
        return TRUE;
    }
    // Every editor has its text, and every document its mark, before any editor is told of it: a
    // failure while one redraws leaves no editor with an old text beside the others' new ones, and no
    // new text that Save All would not write. Each editor is told even when one before it failed, so
    // that none keeps rows, scroll bars or colours of its old text. The texts that wait learn which edit
    // stands for them in each editor.
    BOOL ShowPreparedTexts() override
    {
        for (PreparedText& prepared : m_prepared)
        {
            prepared.bSwapped =
                prepared.pView->GetEditCtrl()->SwapInAllText(*prepared.pText, prepared.lcOldEnd, prepared.lcNewEnd);
            if (prepared.bSwapped)
                App().WaitingTexts().Shown(*prepared.pView->GetDocument());
        }
        BOOL bAllTold = TRUE;
        for (PreparedText& prepared : m_prepared)
            if (prepared.bSwapped)
                bAllTold &= Mark(*prepared.pView->GetDocument());
        for (PreparedText& prepared : m_prepared)
            if (prepared.bSwapped)
                bAllTold &= Tell(prepared);
        m_prepared.clear();
        return bAllTold;
    }
    void DropPreparedTexts() override { m_prepared.clear(); }
    // Opening a file leaves its editor no history: any step in it is an edit made since.
    BOOL IsEditedSinceOpened(const CString& strPath) const
    {
        CKTSyntaxEditDoc* pEditor = EditorOf(strPath);
        CKTSyntaxEditBufferManager* pBuffer = pEditor ? pEditor->GetDataManager() : nullptr;
        return pBuffer && pBuffer->GetUndoRedoManager()->GetCount() != 0;
    }
    // The texts wait with the editors this build fills.
    void HoldTexts(const std::vector<CString>& placedPaths, std::vector<WaitingText> texts) override
    {
        App().WaitingTexts().Hold(m_project, placedPaths, std::move(texts), Filling());
    }
    std::vector<CKTSyntaxEditDoc*> Filling() const
    {
        std::vector<CKTSyntaxEditDoc*> filling;
        for (const PreparedText& prepared : m_prepared)
            filling.push_back(prepared.pView->GetDocument());
        return filling;
    }
    BOOL SaveAll() override
    {
        std::vector<CString> failures;
        App().SaveEditorDocuments(m_project, &failures);
        return CwrenfoldApp::ReportSaveFailures(failures);
    }
    // Only for an editor open now: a text no editor shows goes to its file as it is.
    void TextComing(const CString& strPath, const std::string& text) override
    {
        const auto open = [&](const CString& strOpen) { return strOpen.CompareNoCase(strPath) == 0; };
        if (std::any_of(m_openPaths.begin(), m_openPaths.end(), open))
            m_aheads[strPath] = std::make_unique<CTextAhead>(text);
    }
    void ForgetTexts() override { m_aheads.clear(); }
    void AgreeAfterWrite(const CString& strTold, const RunNames& names) override
    {
        App().SettleAfterWrite(m_project.folder, strTold, names, CString("Generating ") + m_project.name);
    }

private:
    static CwrenfoldApp& App() { return *static_cast<CwrenfoldApp*>(AfxGetApp()); }
    CKTSyntaxEditDoc* EditorOf(const CString& strPath) const
    {
        return dynamic_cast<CKTSyntaxEditDoc*>(
            FindEditor([&](CDocument& doc) { return doc.GetPathName().CompareNoCase(strPath) == 0; }));
    }
    template <typename Match>
    CDocument* FindEditor(Match match) const
    {
        CMultiDocTemplate* pTemplate = App().GetEditorTemplate();
        POSITION pos = pTemplate ? pTemplate->GetFirstDocPosition() : nullptr;
        while (pos)
        {
            CDocument* pDoc = pTemplate->GetNextDoc(pos);
            if (match(*pDoc))
                return pDoc;
        }
        return nullptr;
    }
    // The text in the buffer's form: split in slices, the window answering between them and the status
    // bar saying how far it is, or taken from its split aside.
    std::unique_ptr<CKTSyntaxEditPreparedText> Prepare(CKTSyntaxEditBufferManager& buffer, const CString& strPath,
                                                       const std::string& text, const CString& strStep)
    {
        const auto ahead = m_aheads.find(strPath);
        if (ahead != m_aheads.end() && ahead->second->IsOf(text))
            return buffer.PrepareReplaceAll(TakeSplit(*ahead->second, strStep));
        CKTSyntaxEditNewText newText(text.c_str(), int(text.size()));
        CLongWork step(m_statusBar, strStep);
        step.RunInSlices(
            [&]
            {
                const BOOL bMore = newText.ReadRows(kRowsPerSlice);
                step.SetProgress(newText.GetPercentRead());
                return bMore;
            });
        return buffer.PrepareReplaceAll(newText);
    }
    // The split is mostly over by now; the window answers while the rest of it runs.
    CKTSyntaxEditNewText& TakeSplit(CTextAhead& ahead, const CString& strStep)
    {
        if (ahead.Split().IsDone())
            ahead.Split().Join();
        else
            CLongWork(m_statusBar, strStep).Wait(ahead.Split(), FALSE);
        return ahead.NewText();
    }

    // A text ready for its editor, and where it ended once swapped in.
    struct PreparedText
    {
        CKTSyntaxEditView* pView = nullptr;  // not owned; no editor closes while a command runs
        std::unique_ptr<CKTSyntaxEditPreparedText> pText;
        KT_EDIT_TEXTPOS lcOldEnd, lcNewEnd;
        BOOL bSwapped = FALSE;
    };

    // The document's flag goes on before its title, which allocates: a title that runs out of memory
    // still leaves the new text marked for Save All, and the documents after it are marked all the same.
    // FALSE when memory ran out.
    static BOOL Mark(CDocument& doc)
    {
        try
        {
            doc.SetModifiedFlag(TRUE);
            return TRUE;
        }
        catch (const std::bad_alloc&)
        {
            return FALSE;
        }
    }
    // FALSE when memory ran out while the editor redrew.
    static BOOL Tell(PreparedText& prepared)
    {
        try
        {
            CRedrawHeld held(prepared.pView);
            prepared.pView->GetEditCtrl()->AllTextReplaced(prepared.lcOldEnd, prepared.lcNewEnd);
            return TRUE;
        }
        catch (const std::bad_alloc&)
        {
            return FALSE;
        }
    }

    const ProjectRecord& m_project;
    CKTStatusBar& m_statusBar;
    std::vector<CString> m_openPaths;  // of the editors open when the build began
    std::map<CString, std::unique_ptr<CTextAhead>> m_aheads;
    std::vector<PreparedText> m_prepared;  // in the order the build gave them
};

// The frame keeps painting while the generators run, and its status bar says what they do.
class CFrameWork : public IWorkRunner
{
public:
    explicit CFrameWork(CMainFrame& frame) : m_frame(frame) {}
    void Run(const CString& strStep, const std::function<void()>& work) override { m_frame.RunLongWork(strStep, work); }

private:
    CMainFrame& m_frame;
};

}  // namespace

void CMainFrame::RunBuild(void (*pfnCommand)(CProjectBuild& build, const CMainFrame& frame))
{
    const ProjectRecord* pProject = CurrentProject();
    if (!pProject)
        return;
    CProjectEditors editors(*pProject, m_wndStatusBar);
    COutputLines output(m_wndOutput);
    CFrameWork runner(*this);
    CProjectBuild build(*pProject, editors, output, &runner);
    pfnCommand(build, *this);
}

// An editor opened after a Generate shows the text that waits for its file, unsaved, as the editors open
// then show theirs. Without the memory to, the text still waits and the save writes it. What the user typed
// into such an editor is newer than the text: a selection leaves it; a save puts the text in to be seen,
// naming the editor first, so that the save writes nothing even where memory runs out before it goes in.
std::vector<CKTSyntaxEditDoc*> CMainFrame::ShowWaitingTexts(const ProjectRecord& project, std::vector<CString>* pEdited)
{
    CWaitingTexts& waiting = static_cast<CwrenfoldApp*>(AfxGetApp())->WaitingTexts();
    CProjectEditors editors(project, m_wndStatusBar);
    std::vector<CKTSyntaxEditDoc*> taking;
    try
    {
        std::vector<CString> shown;
        for (const WaitingText& text : pEdited ? waiting.Of(project) : waiting.GeneratedOf(project))
        {
            if (editors.IsEditedSinceOpened(text.strPath))
            {
                if (!pEdited)
                    continue;
                pEdited->push_back(text.strPath);
            }
            if (editors.PrepareText(text.strPath, text.text))
                shown.push_back(text.strPath);
        }
        taking = editors.Filling();
        editors.HoldTexts(shown, {});
    }
    catch (const std::bad_alloc&)
    {
        editors.DropPreparedTexts();
        return {};
    }
    editors.ShowPreparedTexts();
    return taking;
}

void CMainFrame::OnGenerateCode()
{
    RunBuild([](CProjectBuild& build, const CMainFrame&) { build.GenerateCode(); });
}

void CMainFrame::OnGenerateMakefile()
{
    RunBuild([](CProjectBuild& build, const CMainFrame&)
             { build.GenerateMakefile(CKTSyntaxEditCtrl::GetModuleFolder()); });
}

void CMainFrame::OnGenerateDiagram()
{
    RunBuild([](CProjectBuild& build, const CMainFrame&) { build.GenerateDiagram(); });
}

void CMainFrame::OnCompile()
{
    RunBuild([](CProjectBuild& build, const CMainFrame& frame)
             { build.Compile(frame.m_strCompilerPath, CKTSyntaxEditCtrl::GetModuleFolder()); });
}

void CMainFrame::OnCompileDemo()
{
    RunBuild([](CProjectBuild& build, const CMainFrame& frame)
             { build.CompileDemo(frame.m_strCompilerPath, CKTSyntaxEditCtrl::GetModuleFolder()); });
}

void CMainFrame::OnRunDemo()
{
    RunBuild([](CProjectBuild& build, const CMainFrame&) { build.RunDemo(); });
}
