// ProjectBuild.h: the generate, compile and run commands of one project, reporting to the output pane.
//
// Classes: IProjectEditors, IOutputLines, IWorkRunner, CProjectBuild.
#pragma once
#include "afxwin.h"

#include "model/ProtocolRecords.h"
#include "project/AtomicFile.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A generated text that no editor shows, waiting to be written with the editors' new texts.
struct WaitingText
{
    CString strPath;
    std::string text;
};

// The project's open editors, as the build commands see them.
class IProjectEditors
{
public:
    virtual ~IProjectEditors() = default;
    // Makes the text ready, in the editor's own form, for the editor that has the file open: all that
    // needs memory is done here, and the editor still shows what it did. FALSE when no editor has the
    // file open. Throws std::bad_alloc when memory runs out.
    virtual BOOL PrepareText(const CString& strPath, const std::string& text) = 0;
    // Puts each prepared text into its editor, as one step the user can undo; every editor has its
    // text before any is redrawn. FALSE when memory ran out while one redrew: every editor still holds
    // its new text and has been told of it.
    virtual BOOL ShowPreparedTexts() = 0;
    // Lets go of the prepared texts: each editor keeps what it shows.
    virtual void DropPreparedTexts() = 0;
    // The texts wait beside the editors' new texts for the save that writes those, all in one group;
    // what waited for any of the placed paths before is dropped. Throws std::bad_alloc before it
    // changes anything; given no texts, it throws nothing.
    virtual void HoldTexts(const std::vector<CString>& placedPaths, std::vector<WaitingText> texts) = 0;
    // Saves every open editor of the project, and the texts waiting with them; FALSE when one could not
    // be saved.
    virtual BOOL SaveAll() = 0;
    // Told from the generator's thread of a text that PrepareText will be given for the file, as soon
    // as it is complete: an editor may take it in aside meanwhile. The text stays where it lies until
    // ForgetTexts returns.
    virtual void TextComing(const CString& /*strPath*/, const std::string& /*text*/) {}
    // Stops reading every text told of: they are about to be freed.
    virtual void ForgetTexts() {}
    // Writing the files put right a run cut off in their folder, and told strTold of the files in names: the editors
    // open there agree with what it put back.
    virtual void AgreeAfterWrite(const CString& /*strTold*/, const RunNames& /*names*/) {}
};

class IOutputLines
{
public:
    virtual ~IOutputLines() = default;
    virtual void AddLine(const CString& strLine) = 0;
};

// Where the commands' long work runs; the designer keeps its window painted meanwhile.
class IWorkRunner
{
public:
    virtual ~IWorkRunner() = default;
    // Runs the work, saying what it does, and returns when it has ended.
    virtual void Run(const CString& strStep, const std::function<void()>& work) = 0;
};

class CProjectBuild
{
public:
    // Without a runner the long work runs in the caller.
    CProjectBuild(const ProjectRecord& project, IProjectEditors& editors, IOutputLines& output,
                  IWorkRunner* pRunner = nullptr);

    // Each generated file goes into its open editor, where the user can undo it or save it. A text
    // no editor shows waits with the editors' texts for their save, so that the files of one Generate
    // reach the disk together; with no editor open, they go to the disk together at once. The editors
    // and the files take all the texts or, when one cannot be placed, none.
    void GenerateCode();
    // The Makefile includes the shared rules and builds the runtime: both are copied beside it.
    void GenerateMakefile(const CString& strProgramFolder);
    void GenerateDiagram();
    // Each saves the open editors first, so what is built is what the user sees.
    void Compile(const CString& strCompilerPath, const CString& strProgramFolder);
    void CompileDemo(const CString& strCompilerPath, const CString& strProgramFolder);
    void RunDemo();

private:
    // Runs the checks and the generator as long work; reports their error.
    BOOL RunGenerator(const char* pszWhat, const std::function<bool(std::string& error)>& generate);
    struct GeneratedText
    {
        std::string fileName;
        const std::string* pText;
    };
    using FileText = std::pair<CString, const std::string*>;  // a path and the text for it
    // pszWhat names the texts in the line that says memory ran out.
    BOOL PlaceTexts(const std::vector<GeneratedText>& texts, const char* pszWhat);
    BOOL PrepareTexts(const std::vector<GeneratedText>& texts, std::vector<CString>& placed,
                      std::vector<FileText>& unshown);
    // The texts no editor shows wait for the editors' save, or go to the disk when no editor shows any.
    BOOL HoldOrWrite(std::size_t nTexts, const std::vector<CString>& placed, const std::vector<FileText>& unshown);
    BOOL WriteFiles(const std::vector<FileText>& toFiles);
    BOOL SaveEditors();
    BOOL CopyRuntime(const CString& strProgramFolder);
    BOOL PrepareCompile(const CString& strCompilerPath, const CString& strProgramFolder);
    void Report(const std::string& line);
    // Long work, which may wait for another program's run in the folder: the window answers meanwhile.
    void RunWork(const CString& strStep, const std::function<void()>& work);

    const ProjectRecord& m_project;
    IProjectEditors& m_editors;
    IOutputLines& m_output;
    IWorkRunner* m_pRunner;  // not owned; null: the work runs in the caller
};
