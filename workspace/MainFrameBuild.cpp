// MainFrameBuild.cpp: the frame's generate, compile and run commands on the current project.
#include "KTSyntaxEditCtrl.h"
#include "KTSyntaxEditDoc.h"
#include "KTSyntaxEditView.h"
#include "LongWork.h"
#include "MainFrame.h"
#include "ProjectBuild.h"
#include "RedrawHeld.h"
#include "WrenfoldApp.h"

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

// The application's editors of the project's folder: generated text replaces what an open
// editor shows, and a build first saves what the editors changed.
class CFolderEditors : public IProjectEditors
{
public:
    CFolderEditors(const CString& strFolder, CKTStatusBar& statusBar) : m_strFolder(strFolder), m_statusBar(statusBar)
    {
    }
    BOOL ReplaceText(const CString& strPath, const std::string& text) override
    {
        CDocument* pDoc = FindEditor([&](CDocument& doc) { return doc.GetPathName().CompareNoCase(strPath) == 0; });
        auto* pEditor = dynamic_cast<CKTSyntaxEditDoc*>(pDoc);
        CKTSyntaxEditView* pView = pEditor ? pEditor->GetFirstView() : nullptr;
        if (!pView)
            return FALSE;
        // An edit of the editor's text, not of its file: it shows as a change the user can undo or save.
        // A big text is split in slices, the window answering between them and the status bar saying
        // how far it is; the editor takes the rows at the end, in one step.
        CKTSyntaxEditNewText newText(text.c_str(), int(text.size()));
        CLongWork step(m_statusBar, "Putting the new text into " + pDoc->GetTitle() + "...");
        step.RunInSlices(
            [&]
            {
                const BOOL bMore = newText.ReadRows(kRowsPerSlice);
                step.SetProgress(newText.GetPercentRead());
                return bMore;
            });
        CRedrawHeld held(pView);
        return pView->GetEditCtrl()->ReplaceAllText(newText);
    }
    BOOL SaveAll() override { return App().SaveEditorDocuments(m_strFolder); }

private:
    static CwrenfoldApp& App() { return *static_cast<CwrenfoldApp*>(AfxGetApp()); }
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

    CString m_strFolder;
    CKTStatusBar& m_statusBar;
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
    CFolderEditors editors(pProject->folder, m_wndStatusBar);
    COutputLines output(m_wndOutput);
    CFrameWork runner(*this);
    CProjectBuild build(*pProject, editors, output, &runner);
    pfnCommand(build, *this);
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
