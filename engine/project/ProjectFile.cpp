// ProjectFile.cpp: project file names, folders and the check for an already loaded project.
#include "ProjectFile.h"

#include <cctype>

const char* const kProjectFileExtension = ".kvs";
const char* const kInvalidProjectFileMessage = "invalid project file!";

namespace {

#ifdef _WIN32
const char kSeparator = '\\';
#else
const char kSeparator = '/';
#endif

bool EqualNoCase(const char* a, const char* b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    }
    return *a == *b;
}

} // namespace

CString ProjectFolderOf(const char* path)
{
    CString folder(path);
    int end = folder.GetLength() - 1;
    while (end >= 0 && folder[end] != '\\' && folder[end] != '/')
        --end;
    if (end < 0)
        return CString(".") + kSeparator;
    folder = folder.Left(end + 1);
#ifdef _WIN32
    folder.Replace('/', '\\');
#endif
    return folder;
}

CString ProjectFilePath(const ProjectRecord& project)
{
    return project.folder + project.name + kProjectFileExtension;
}

bool ContainsProjectNamed(const ProjectRecordArray& projects, const char* name)
{
    for (INT_PTR i = 0; i < projects.GetSize(); ++i) {
        if (EqualNoCase(projects[i].name, name))
            return true;
    }
    return false;
}
