// Generator.h: generates the C sources, Makefile and layout diagram of a protocol design.
//
// Structs: GeneratedCode.
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

// Each validates the design first and, at its first problem, returns false
// with the validator's one line in error and the output left empty; memory
// running out is refused the same way, with a line that says so.
// Generation is deterministic: the same design always gives the same text.
bool GenerateCode(const ProjectRecord& project, GeneratedCode& code, std::string& error);
bool GenerateMakefile(const ProjectRecord& project, std::string& makefile, std::string& error);
bool GenerateDiagram(const ProjectRecord& project, std::string& diagram, std::string& error);

// The generated files' names for a project name.
std::string HeaderFileName(const std::string& project);   // <name>_api.h
std::string SourceFileName(const std::string& project);   // <name>_api.c
std::string DemoFileName(const std::string& project);     // <name>_api_demo.c
std::string DiagramFileName(const std::string& project);  // <name>.diagram
const char* MakefileName();                               // Makefile

}  // namespace codegen
