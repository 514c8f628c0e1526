// ProjectBuild.cpp: the project's generate, compile and run commands on the engine.
#include "ProjectBuild.h"

#include "BuildCommands.h"
#include "Generator.h"
#include "RuntimeFiles.h"
#include "project/AtomicFile.h"
#include "project/ProjectPaths.h"

#include <new>

namespace
{

codegen::BuildSettings SettingsOf(const ProjectRecord& project, const CString& strCompilerPath)
{
    codegen::BuildSettings settings;
    settings.projectName = project.name;
    settings.projectFolder = (LPCTSTR)project.folder;
    settings.compilerPath = (LPCTSTR)strCompilerPath;
    settings.libraryType = project.libraryType;
    return settings;
}

// Hands each source to the editors as soon as the generator completes it, and has them let go of
// every one before the sources are freed.
class CSourcesToEditors : public codegen::SourceListener
{
public:
    CSourcesToEditors(const ProjectRecord& project, const codegen::GeneratedCode& code, IProjectEditors& editors)
        : m_editors(editors), m_files{{&code.header, PathOf(project, codegen::HeaderFileName)},
                                      {&code.source, PathOf(project, codegen::SourceFileName)},
                                      {&code.demo, PathOf(project, codegen::DemoFileName)}}
    {
    }
    ~CSourcesToEditors() override { m_editors.ForgetTexts(); }
    CSourcesToEditors(const CSourcesToEditors&) = delete;
    CSourcesToEditors& operator=(const CSourcesToEditors&) = delete;

    void SourceDone(const std::string& text) override
    {
        for (const File& file : m_files)
            if (file.pText == &text && !file.strPath.IsEmpty())
                m_editors.TextComing(file.strPath, text);
    }
    void SourcesDiscarded() override { m_editors.ForgetTexts(); }

private:
    struct File
    {
        const std::string* pText;
        CString strPath;  // empty when the name has no place in the project's folder
    };
    // Worked out on the window's thread: the generator's only reads what it is given.
    static CString PathOf(const ProjectRecord& project, std::string (*fileName)(const std::string& project))
    {
        CString strPath, strError;
        const std::string name = fileName(std::string(project.name));
        return ProjectPathOf(project, name.c_str(), &strPath, &strError) ? strPath : CString();
    }

    IProjectEditors& m_editors;
    const File m_files[3];
};

// Prepared texts that are not shown are dropped: the editors keep what they held.
class CPreparedTexts
{
public:
    explicit CPreparedTexts(IProjectEditors& editors) : m_editors(editors) {}
    ~CPreparedTexts() { Drop(); }
    CPreparedTexts(const CPreparedTexts&) = delete;
    CPreparedTexts& operator=(const CPreparedTexts&) = delete;

    BOOL Show()
    {
        m_bSettled = TRUE;
        return m_editors.ShowPreparedTexts();
    }
    // Early, so that the memory they hold is free again before anything else is asked for.
    void Drop()
    {
        if (!m_bSettled)
            m_editors.DropPreparedTexts();
        m_bSettled = TRUE;
    }

private:
    IProjectEditors& m_editors;
    BOOL m_bSettled = FALSE;  // shown or dropped
};

}  // namespace

CProjectBuild::CProjectBuild(const ProjectRecord& project, IProjectEditors& editors, IOutputLines& output,
                             IWorkRunner* pRunner)
    : m_project(project), m_editors(editors), m_output(output), m_pRunner(pRunner)
{
}

void CProjectBuild::Report(const std::string& line) { m_output.AddLine(line.c_str()); }

void CProjectBuild::RunWork(const CString& strStep, const std::function<void()>& work)
{
    if (m_pRunner)
        m_pRunner->Run(strStep, work);
    else
        work();
}

// All the files or none: a header of one design beside sources of another would build.
BOOL CProjectBuild::WriteFiles(const std::vector<FileText>& toFiles)
{
    std::vector<NewFileContents> files;
    for (const auto& [strPath, pText] : toFiles)
        files.push_back({strPath, ContentsOf(pText->data(), pText->size())});
    CString strError, strTold;
    RunNames toldNames;
    bool bWritten = false, bLeftNew = false;
    RunWork(CString("Writing the generated files of ") + m_project.name + "...",
            [&] { bWritten = ReplaceFilesTogether(files, &strError, &strTold, &bLeftNew, &toldNames); });
    if (!strTold.IsEmpty())
    {
        m_output.AddLine(CString("Generating ") + m_project.name + ": " + strTold);
        m_editors.AgreeAfterWrite(strTold, toldNames);
    }
    if (bWritten)
        return TRUE;
    const char* pszStart = bLeftNew ? "Error: " : "Error: nothing was generated: ";
    Report(pszStart + std::string((LPCTSTR)strError));
    return FALSE;
}

// All the texts or none reach the editors and the files: each is made ready in its editor's form before
// any editor shows one, the texts that no editor shows wait with them (or, when none does, go to their
// files together), and only then do the editors show theirs.
BOOL CProjectBuild::PlaceTexts(const std::vector<GeneratedText>& texts, const char* pszWhat)
{
    CPreparedTexts prepared(m_editors);
    try
    {
        std::vector<CString> placed;
        std::vector<FileText> unshown;
        if (!PrepareTexts(texts, placed, unshown) || !HoldOrWrite(texts.size(), placed, unshown))
            return FALSE;
    }
    catch (const std::bad_alloc&)
    {
        prepared.Drop();
        Report(codegen::NotEnoughMemoryError(m_project, pszWhat));
        return FALSE;
    }
    if (prepared.Show())
        return TRUE;
    Report(std::string("Error: project ") + m_project.name + ": not enough memory to redraw the editors of the " +
           pszWhat + ", which hold the new text!");
    return FALSE;
}

// A header written now beside sources that wait in their editors would build two generations.
BOOL CProjectBuild::HoldOrWrite(std::size_t nTexts, const std::vector<CString>& placed,
                                const std::vector<FileText>& unshown)
{
    if (unshown.size() == nTexts)
    {
        if (!WriteFiles(unshown))
            return FALSE;
        m_editors.HoldTexts(placed, {});
        return TRUE;
    }
    std::vector<WaitingText> waiting;
    for (const auto& [strPath, pText] : unshown)
        waiting.push_back({strPath, *pText});
    m_editors.HoldTexts(placed, std::move(waiting));
    return TRUE;
}

// FALSE, with why, when a file has no place in the project's folder.
BOOL CProjectBuild::PrepareTexts(const std::vector<GeneratedText>& texts, std::vector<CString>& placed,
                                 std::vector<FileText>& unshown)
{
    for (const GeneratedText& text : texts)
    {
        CString strPath, strError;
        if (!ProjectPathOf(m_project, text.fileName.c_str(), &strPath, &strError))
        {
            Report("Error: " + std::string((LPCTSTR)strError));
            return FALSE;
        }
        placed.push_back(strPath);
        if (!m_editors.PrepareText(strPath, *text.pText))
            unshown.emplace_back(strPath, text.pText);
    }
    return TRUE;
}

BOOL CProjectBuild::RunGenerator(const char* pszWhat, const std::function<bool(std::string& error)>& generate)
{
    std::string error;
    bool bGenerated = false;
    RunWork(CString("Checking the design and generating the ") + pszWhat + " of " + m_project.name + "...",
            [&] { bGenerated = generate(error); });
    if (!bGenerated)
        Report(error);
    return bGenerated;
}

void CProjectBuild::GenerateCode()
{
    Report("Start Generating...");
    codegen::GeneratedCode code;
    CSourcesToEditors toEditors(m_project, code, m_editors);
    if (!RunGenerator("code",
                      [&](std::string& error) { return codegen::GenerateCode(m_project, code, error, &toEditors); }))
        return;
    const std::string name(m_project.name);
    if (PlaceTexts({{codegen::HeaderFileName(name), &code.header},
                    {codegen::SourceFileName(name), &code.source},
                    {codegen::DemoFileName(name), &code.demo}},
                   "code"))
        Report("Successfully Generated!");
}

void CProjectBuild::GenerateMakefile(const CString& strProgramFolder)
{
    Report("Start Generating...");
    std::string makefile;
    if (!RunGenerator("Makefile",
                      [&](std::string& error) { return codegen::GenerateMakefile(m_project, makefile, error); }))
        return;
    if (PlaceTexts({{codegen::MakefileName(), &makefile}}, "Makefile") && CopyRuntime(strProgramFolder))
        Report("Successfully Generated!");
}

void CProjectBuild::GenerateDiagram()
{
    Report("Start Generating...");
    std::string diagram;
    if (!RunGenerator("diagram",
                      [&](std::string& error) { return codegen::GenerateDiagram(m_project, diagram, error); }))
        return;
    if (PlaceTexts({{codegen::DiagramFileName(std::string(m_project.name)), &diagram}}, "diagram"))
        Report("Successfully Generated!");
}

BOOL CProjectBuild::SaveEditors()
{
    if (m_editors.SaveAll())
        return TRUE;
    Report("Error: the open editors could not be saved, nothing was built!");
    return FALSE;
}

BOOL CProjectBuild::CopyRuntime(const CString& strProgramFolder)
{
    std::string error, told;
    bool bCopied = false;
    RunWork("Copying the runtime into " + m_project.folder + "...",
            [&] {
                bCopied = codegen::CopyRuntimeFiles((LPCTSTR)strProgramFolder, (LPCTSTR)m_project.folder, error, &told);
            });
    // The first file written in the folder puts right a run cut off there, as a Generate would.
    if (!told.empty())
        m_output.AddLine("Copying the runtime into " + m_project.folder + ": " + told.c_str());
    if (bCopied)
        return TRUE;
    Report(error);
    return FALSE;
}

BOOL CProjectBuild::PrepareCompile(const CString& strCompilerPath, const CString& strProgramFolder)
{
    if (!SaveEditors())
        return FALSE;
    return strCompilerPath.IsEmpty() || CopyRuntime(strProgramFolder);
}

void CProjectBuild::Compile(const CString& strCompilerPath, const CString& strProgramFolder)
{
    if (!PrepareCompile(strCompilerPath, strProgramFolder))
        return;
    std::string message;
    codegen::StartCompile(SettingsOf(m_project, strCompilerPath), message);
    Report(message);
}

void CProjectBuild::CompileDemo(const CString& strCompilerPath, const CString& strProgramFolder)
{
    if (!PrepareCompile(strCompilerPath, strProgramFolder))
        return;
    std::string message;
    codegen::StartCompileDemo(SettingsOf(m_project, strCompilerPath), message);
    Report(message);
}

void CProjectBuild::RunDemo()
{
    if (!SaveEditors())
        return;
    std::string message;
    codegen::StartRunDemo(SettingsOf(m_project, CString()), message);
    Report(message);
}
