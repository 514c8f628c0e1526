// ProjectFile.cpp: project file names, folders and the check for an already loaded project.
#include "ProjectFile.h"

#include "ProjectPaths.h"

#include "model/FixedText.h"
#include "model/Vocabulary.h"

const char* const kProjectFileExtension = ".kvs";
const char* const kInvalidProjectFileMessage = "invalid project file!";

namespace
{

#ifdef _WIN32
const char kSeparator = '\\';
#else
const char kSeparator = '/';
#endif

}  // namespace

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

bool ProjectFilePath(const ProjectRecord& project, CString* path, CString* error)
{
    return ProjectPathOf(project, CString(project.name) + kProjectFileExtension, path, error);
}

bool NewProjectRecord(const char* name, const char* location, int basedProtocol, int targetPlatform, int libraryType,
                      ProjectRecord* project, CString* error)
{
    ProjectRecord created;
    if (name[0] == '\0' || !CopyFixedText(created.name, name))
    {
        error->Format("the project name must have 1 to %d characters",
                      static_cast<int>(FixedTextCapacity(created.name)));
        return false;
    }
    created.basedProtocol = basedProtocol;
    created.targetPlatform = targetPlatform;
    created.libraryType = libraryType;
    CopyFixedText(created.tlvTagType, "unsigned int");
    CopyFixedText(created.tlvLengthType, "unsigned int");
    created.folder = location;
    const int length = created.folder.GetLength();
    if (length > 0 && created.folder[length - 1] != '\\' && created.folder[length - 1] != '/')
        created.folder += kSeparator;
    created.folder += CString(name) + kSeparator;
    *error = ProjectNameRefusal(created.folder, name);
    if (!error->IsEmpty())
        return false;
    *project = created;
    return true;
}

bool ContainsProjectNamed(const ProjectRecordArray& projects, const char* name)
{
    for (INT_PTR i = 0; i < projects.GetSize(); ++i)
    {
        if (SameNameIgnoringCase(projects[i].name, name))
            return true;
    }
    return false;
}
