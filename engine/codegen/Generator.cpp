// Generator.cpp: resolves a design once and lets each writer produce its file.
#include "Generator.h"

#include "Writers.h"

namespace codegen {

namespace {

// Runs write over the design's layout into text; text stays empty on failure.
bool Generate(const Design& design, std::string& text, std::string& error, const char* lineEnd,
              void (*write)(const ProtocolLayout&, CodeText&))
{
    text.clear();
    ProtocolLayout layout;
    if (!BuildLayout(design, layout, error))
        return false;
    CodeText out(lineEnd);
    write(layout, out);
    text = out.Take();
    return true;
}

} // namespace

bool GenerateCode(const Design& design, GeneratedCode& code, std::string& error)
{
    code = GeneratedCode();
    ProtocolLayout layout;
    if (!BuildLayout(design, layout, error))
        return false;
    CodeText header, source, demo;
    WriteApiHeader(layout, header);
    WriteApiSource(layout, source);
    WriteDemo(layout, demo);
    code.header = header.Take();
    code.source = source.Take();
    code.demo = demo.Take();
    return true;
}

bool GenerateMakefile(const Design& design, std::string& makefile, std::string& error)
{
    // GNU make on Unix reads a carriage return as part of a recipe line.
    return Generate(design, makefile, error, "\n", WriteMakefile);
}

bool GenerateDiagram(const Design& design, std::string& diagram, std::string& error)
{
    return Generate(design, diagram, error, "\r\n", WriteDiagram);
}

std::string HeaderFileName(const std::string& project) { return project + "_api.h"; }
std::string SourceFileName(const std::string& project) { return project + "_api.c"; }
std::string DemoFileName(const std::string& project) { return project + "_api_demo.c"; }
std::string DiagramFileName(const std::string& project) { return project + ".diagram"; }
const char* MakefileName() { return "Makefile"; }

} // namespace codegen
