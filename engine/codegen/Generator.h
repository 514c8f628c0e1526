// Generator.h: generates the C sources, Makefile and layout diagram of a protocol design.
//
// Structs: GeneratedCode.
#pragma once

#include "Design.h"

#include <string>

namespace codegen {

// The three sources that Generate Code replaces in the open editors.
struct GeneratedCode
{
    std::string header;     // <name>_api.h
    std::string source;     // <name>_api.c
    std::string demo;       // <name>_api_demo.c
};

// Each returns false with one output-pane line in error when the design
// cannot be generated; the output is then left empty. Generation is
// deterministic: the same design always gives the same text.
bool GenerateCode(const Design& design, GeneratedCode& code, std::string& error);
bool GenerateMakefile(const Design& design, std::string& makefile, std::string& error);
bool GenerateDiagram(const Design& design, std::string& diagram, std::string& error);

// The generated files' names for a project name.
std::string HeaderFileName(const std::string& project);     // <name>_api.h
std::string SourceFileName(const std::string& project);     // <name>_api.c
std::string DemoFileName(const std::string& project);       // <name>_api_demo.c
std::string DiagramFileName(const std::string& project);    // <name>.diagram
const char* MakefileName();                                  // Makefile

} // namespace codegen
