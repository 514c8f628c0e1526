// EngineFuzzer.cpp: arbitrary bytes to the project-file reader, and designs built from them to the validator.
#include "FuzzDesigns.h"
#include "project/ProjectFile.h"
#include "validation/DesignValidator.h"

#include <cstdlib>
#include <cstring>

namespace
{

bool SameText(const CString& a, const CString& b)
{
    return a.GetLength() == b.GetLength() && std::memcmp(a, b, a.GetLength()) == 0;
}

// A project that validates or reads must write, and read back to the same text.
void CheckRoundTrip(const ProjectRecord& project)
{
    CString text, error, detail, again;
    if (!FormatProjectText(project, &text, &error))
        return;
    ProjectRecord read;
    if (!ParseProjectText(text, text.GetLength(), "f/", &read, &detail))
        std::abort();
    if (!FormatProjectText(read, &again, &error) || !SameText(text, again))
        std::abort();
}

void CheckValidation(const ProjectRecord& project)
{
    CString line;
    if (ValidateDesign(project, &line))
        return;
    const char* const start = "Error: ";
    const char* const end = ", please redesign your protocol!";
    const int length = line.GetLength();
    const int endLength = static_cast<int>(std::strlen(end));
    if (std::strncmp(line, start, std::strlen(start)) != 0 || length < endLength ||
        std::strcmp(static_cast<const char*>(line) + length - endLength, end) != 0)
        std::abort();
}

// A design must validate or give a well-formed line, and must round-trip.
void CheckDesign(const ProjectRecord& project)
{
    CheckValidation(project);
    CheckRoundTrip(project);
}

// Memory running out anywhere in reading is refused as such, leaving the project empty.
void CheckReadingOutOfMemory(const std::uint8_t* data, std::size_t size)
{
    ProjectRecord read;
    CString detail;
    bool parsed = false;
    const auto parse = [&]()
    { parsed = ParseProjectText(reinterpret_cast<const char*>(data), size, "f/", &read, &detail); };
    if (!RunWithOneAllocationRefused(data, size, parse))
        return;
    if (parsed || detail != "not enough memory" || read.name[0] != '\0' || read.packets.GetSize() != 0)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckDesignsOf(data, size, CheckDesign);
    CheckReadingOutOfMemory(data, size);
    return 0;
}
