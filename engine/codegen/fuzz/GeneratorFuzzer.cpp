// GeneratorFuzzer.cpp: every design that passes validation, read from a project file or built from bytes, generates.
//
// The generators trust the validator: a design it accepts must give every
// file, twice the same, without tripping the sanitizers.
#include "FuzzDesigns.h"
#include "Generator.h"
#include "validation/DesignValidator.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{

// Memory running out anywhere in generating is refused with one line and no output.
void CheckGenerationOutOfMemory(const ProjectRecord& project, const std::string& source)
{
    codegen::GeneratedCode code;
    std::string error;
    bool generated = false;
    const auto generate = [&]() { generated = codegen::GenerateCode(project, code, error); };
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(source.data());
    if (!RunWithOneAllocationRefused(bytes, source.size(), generate))
        return;
    const std::string line =
        std::string("Error: project ") + project.name + ": not enough memory to generate the code!";
    if (generated || error != line || !code.source.empty() || !code.header.empty() || !code.demo.empty())
        std::abort();
}

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
    CheckGenerationOutOfMemory(project, code.source);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckDesignsOf(data, size, CheckGeneration);
    return 0;
}
