// RuntimeFiles.cpp: puts the runtime library and the make rules beside a project's generated sources.
#include "RuntimeFiles.h"

#include <filesystem>
#include <system_error>

namespace codegen
{

bool CopyRuntimeFiles(const std::string& programFolder, const std::string& projectFolder, std::string& error)
{
    namespace fs = std::filesystem;
    static const char* const kFiles[][2] = {{"lib", "dravolint.h"}, {"lib", "dravolint.c"}, {"make", "Make.rules"}};
    for (const auto& file : kFiles)
    {
        fs::path from = fs::path(programFolder) / file[0] / file[1];
        fs::path to = fs::path(projectFolder) / file[1];
        std::error_code failure;
        fs::copy_file(from, to, fs::copy_options::overwrite_existing, failure);
        if (failure)
        {
            error = "Error: cannot copy " + from.string() + " to " + to.string() + ": " + failure.message();
            return false;
        }
    }
    return true;
}

}  // namespace codegen
