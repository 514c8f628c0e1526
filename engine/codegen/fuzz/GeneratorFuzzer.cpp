// GeneratorFuzzer.cpp: every design that passes validation, read from a project file or built from bytes, generates.
//
// The generators trust the validator: a design it accepts must give every
// file, twice the same, without tripping the sanitizers.
#include "FuzzDesigns.h"
#include "Generator.h"
#include "validation/DesignValidator.h"

#include <cstdlib>

namespace
{

void CheckGeneration(const ProjectRecord& project)
{
    CString line;
    if (!ValidateDesign(project, &line))
        return;
    codegen::GeneratedCode code, again;
    std::string makefile, diagram, error;
    if (!codegen::GenerateCode(project, code, error) || !codegen::GenerateMakefile(project, makefile, error) ||
        !codegen::GenerateDiagram(project, diagram, error) || !codegen::GenerateCode(project, again, error))
        std::abort();
    if (code.header.empty() || code.source != again.source || makefile.empty() || diagram.empty())
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckDesignsOf(data, size, CheckGeneration);
    return 0;
}
