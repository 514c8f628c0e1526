// RuntimeFiles.cpp: puts the runtime library and the make rules beside a project's generated sources.
#include "RuntimeFiles.h"

#include "FileCopy.h"

#include <filesystem>
#include <initializer_list>
#include <utility>

namespace codegen
{

namespace
{

using FolderAndName = std::pair<const char*, const char*>;

bool CopyEach(std::initializer_list<FolderAndName> files, const std::string& programFolder,
              const std::string& projectFolder, std::string& error)
{
    namespace fs = std::filesystem;
    for (const auto& [folder, name] : files)
        if (!CopyFileOver((fs::path(programFolder) / folder / name).string(), (fs::path(projectFolder) / name).string(),
                          error))
            return false;
    return true;
}

}  // namespace

bool CopyRuntimeLibrary(const std::string& programFolder, const std::string& projectFolder, std::string& error)
{
    return CopyEach({{"lib", "dravolint.h"}, {"lib", "dravolint.c"}}, programFolder, projectFolder, error);
}

bool CopyRuntimeFiles(const std::string& programFolder, const std::string& projectFolder, std::string& error)
{
    return CopyRuntimeLibrary(programFolder, projectFolder, error) &&
           CopyEach({{"make", "Make.rules"}}, programFolder, projectFolder, error);
}

}  // namespace codegen
