// Generator.cpp: validates a design, resolves it once and lets each writer produce its file.
#include "Generator.h"

#include "Writers.h"
#include "model/OutOfMemory.h"
#include "validation/DesignValidator.h"

namespace codegen
{

namespace
{

bool Validate(const ProjectRecord& project, std::string& error)
{
    CString line;
    if (ValidateDesign(project, &line))
        return true;
    error.assign(line, static_cast<std::size_t>(line.GetLength()));
    return false;
}

// Runs write over the design's layout into text; text stays empty on failure.
bool Generate(const ProjectRecord& project, std::string& text, std::string& error, const char* lineEnd,
              void (*write)(const ProtocolLayout&, CodeText&))
{
    text.clear();
    if (!Validate(project, error))
        return false;
    CodeText out(lineEnd);
    write(BuildLayout(project), out);
    text = out.Take();
    return true;
}

// Each source is handed over the moment it is complete: the listener reads it while the next is written.
bool GenerateSources(const ProjectRecord& project, GeneratedCode& code, std::string& error, SourceListener* pListener)
{
    code = GeneratedCode();
    if (!Validate(project, error))
        return false;
    const ProtocolLayout layout = BuildLayout(project);
    const auto write = [&](void (*writer)(const ProtocolLayout&, CodeText&), std::string& text)
    {
        CodeText out;
        writer(layout, out);
        text = out.Take();
        if (pListener)
            pListener->SourceDone(text);
    };
    write(WriteApiHeader, code.header);
    write(WriteApiSource, code.source);
    write(WriteDemo, code.demo);
    return true;
}

// Memory running out is refused like a design problem: the output is left
// empty and error holds one line.
template <class Output, class Work, class Discard = void (*)()>
bool GenerateWithinMemory(
    const ProjectRecord& project, const char* what, Output& output, std::string& error, Work work,
    Discard discard = [] {})
{
    bool generated = false;
    if (!RanOutOfMemory([&]() { generated = work(); }))
        return generated;
    discard();
    output = Output();
    error = NotEnoughMemoryError(project, what);
    return false;
}

}  // namespace

std::string NotEnoughMemoryError(const ProjectRecord& project, const char* what)
{
    return std::string("Error: project ") + project.name + ": not enough memory to generate the " + what + "!";
}

bool GenerateCode(const ProjectRecord& project, GeneratedCode& code, std::string& error, SourceListener* pListener)
{
    const auto generate = [&]() { return GenerateSources(project, code, error, pListener); };
    const auto discard = [pListener]()
    {
        if (pListener)
            pListener->SourcesDiscarded();
    };
    return GenerateWithinMemory(project, "code", code, error, generate, discard);
}

bool GenerateMakefile(const ProjectRecord& project, std::string& makefile, std::string& error)
{
    // GNU make on Unix reads a carriage return as part of a recipe line.
    return GenerateWithinMemory(project, "Makefile", makefile, error,
                                [&]() { return Generate(project, makefile, error, "\n", WriteMakefile); });
}

bool GenerateDiagram(const ProjectRecord& project, std::string& diagram, std::string& error)
{
    return GenerateWithinMemory(project, "diagram", diagram, error,
                                [&]() { return Generate(project, diagram, error, "\r\n", WriteDiagram); });
}

std::string HeaderFileName(const std::string& project) { return project + "_api.h"; }
std::string SourceFileName(const std::string& project) { return project + "_api.c"; }
std::string DemoFileName(const std::string& project) { return project + "_api_demo.c"; }
std::string DiagramFileName(const std::string& project) { return project + ".diagram"; }
const char* MakefileName() { return "Makefile"; }

}  // namespace codegen
