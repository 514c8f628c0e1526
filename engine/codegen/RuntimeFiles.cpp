// RuntimeFiles.cpp: puts the runtime library and the make rules beside a project's generated sources.
#include "RuntimeFiles.h"

#include "FileCopy.h"
#include "Generator.h"

#include <initializer_list>
#include <utility>

namespace codegen
{

namespace
{

using FolderAndName = std::pair<const char*, const char*>;

const FolderAndName kLibraryHeader = {"lib", "dravolint.h"};
const FolderAndName kLibrarySource = {"lib", "dravolint.c"};
const FolderAndName kMakeRules = {"make", "Make.rules"};

#ifdef _WIN32
const char kSeparator = '\\';
#else
const char kSeparator = '/';
#endif

// Joined as text: the folders are ANSI, which a library path would take for UTF-8.
std::string Joined(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/')
        return folder + name;
    return folder + kSeparator + name;
}

// Each file is its own run in the folder: what each one's recovery did is added to told, in order.
bool CopyEach(std::initializer_list<FolderAndName> files, const std::string& programFolder,
              const std::string& projectFolder, std::string& error, std::string* told)
{
    for (const auto& [folder, name] : files)
    {
        std::string said;
        const bool copied =
            CopyFileOver(Joined(Joined(programFolder, folder), name), Joined(projectFolder, name), error, &said);
        if (told && !said.empty())
            told->append(told->empty() ? "" : "; ").append(said);
        if (!copied)
            return false;
    }
    return true;
}

}  // namespace

bool CopyRuntimeLibrary(const std::string& programFolder, const std::string& projectFolder, std::string& error,
                        std::string* told)
{
    return CopyEach({kLibraryHeader, kLibrarySource}, programFolder, projectFolder, error, told);
}

bool CopyRuntimeFiles(const std::string& programFolder, const std::string& projectFolder, std::string& error,
                      std::string* told)
{
    return CopyRuntimeLibrary(programFolder, projectFolder, error, told) &&
           CopyEach({kMakeRules}, programFolder, projectFolder, error, told);
}

std::vector<std::string> ProjectFileNames(const std::string& project)
{
    return {HeaderFileName(project), SourceFileName(project), DemoFileName(project), DiagramFileName(project),
            MakefileName(),          kLibraryHeader.second,   kLibrarySource.second, kMakeRules.second};
}

}  // namespace codegen
