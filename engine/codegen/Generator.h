// Generator.h: generates the C sources, Makefile and layout diagram of a protocol design.
//
// Structs: GeneratedCode. Classes: SourceListener.
#pragma once

#include "model/ProtocolRecords.h"

#include <string>

namespace codegen
{

// The three sources that Generate Code replaces in the open editors.
struct GeneratedCode
{
    std::string header;  // <name>_api.h
    std::string source;  // <name>_api.c
    std::string demo;    // <name>_api_demo.c
};

// Hears, on the generator's thread, of each source of GeneratedCode as soon as it is complete, so
// that it can be read while the next one is written. A text heard of stays where it lies until
// GenerateCode returns; when the generation fails after all, SourcesDiscarded comes first and the
// listener must be done reading them when it returns.
class SourceListener
{
public:
    virtual ~SourceListener() = default;
    virtual void SourceDone(const std::string& text) = 0;
    virtual void SourcesDiscarded() = 0;
};

// Each validates the design first and, at its first problem, returns false
// with the validator's one line in error and the output left empty; memory
// running out is refused the same way, with a line that says so.
// Generation is deterministic: the same design always gives the same text.
bool GenerateCode(const ProjectRecord& project, GeneratedCode& code, std::string& error,
                  SourceListener* pListener = nullptr);
bool GenerateMakefile(const ProjectRecord& project, std::string& makefile, std::string& error);
bool GenerateDiagram(const ProjectRecord& project, std::string& diagram, std::string& error);
// The one line that says memory ran out generating what ("code", "Makefile", "diagram").
std::string NotEnoughMemoryError(const ProjectRecord& project, const char* what);

// The generated files' names for a project name.
std::string HeaderFileName(const std::string& project);   // <name>_api.h
std::string SourceFileName(const std::string& project);   // <name>_api.c
std::string DemoFileName(const std::string& project);     // <name>_api_demo.c
std::string DiagramFileName(const std::string& project);  // <name>.diagram
const char* MakefileName();                               // Makefile

}  // namespace codegen
