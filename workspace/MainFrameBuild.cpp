// MainFrameBuild.cpp: the frame's generate, compile and run commands on the current project.
#include "KTSyntaxEditCtrl.h"
#include "MainFrame.h"
#include "ProjectBuild.h"
#include "WrenfoldApp.h"

namespace
{

class COutputLines : public IOutputLines
{
public:
    explicit COutputLines(CEdit& edit) : m_edit(edit) {}
    void AddLine(const CString& strLine) override
    {
        if (!m_edit.GetSafeHwnd())
            return;
        // A read-only edit refuses replacing its selection here; its whole text is set instead.
        CString strText;
        m_edit.GetWindowText(strText);
        m_edit.SetWindowText(strText + strLine + "\r\n");
        m_edit.LineScroll(m_edit.GetLineCount());
    }

private:
    CEdit& m_edit;
};

// The application's editors of the project's folder. Generated text goes to the
// files; what an open editor has changed is saved before a build.
class CFolderEditors : public IProjectEditors
{
public:
    explicit CFolderEditors(const CString& strFolder) : m_strFolder(strFolder) {}
    BOOL ReplaceText(const CString&, const std::string&) override { return FALSE; }
    BOOL SaveAll() override
    {
        if (auto* pApp = dynamic_cast<CwrenfoldApp*>(AfxGetApp()))
            pApp->SaveEditorDocuments(m_strFolder);
        return TRUE;
    }

private:
    CString m_strFolder;
};

}  // namespace

void CMainFrame::RunBuild(void (*pfnCommand)(CProjectBuild& build, const CMainFrame& frame))
{
    const ProjectRecord* pProject = CurrentProject();
    if (!pProject)
        return;
    CFolderEditors editors(pProject->folder);
    COutputLines output(m_wndOutput);
    CProjectBuild build(*pProject, editors, output);
    pfnCommand(build, *this);
}

void CMainFrame::OnGenerateCode()
{
    RunBuild([](CProjectBuild& build, const CMainFrame&) { build.GenerateCode(); });
}

void CMainFrame::OnGenerateMakefile()
{
    RunBuild([](CProjectBuild& build, const CMainFrame&) { build.GenerateMakefile(); });
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
