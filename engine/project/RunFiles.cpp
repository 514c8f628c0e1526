// RunFiles.cpp: the names of the files a run makes beside the files it replaces.
#include "RunFiles.h"

#include <cstring>

namespace
{

const char kRecordName[] = "replacing.tmr";

}  // namespace

CString TemporaryPathOf(const char* path) { return CString(path) + ".tmp"; }

CString SetAsidePathOf(const char* path) { return CString(path) + ".tmo"; }

const char* NameOf(const char* path)
{
    const char* name = path + std::strlen(path);
    while (name != path && name[-1] != '\\' && name[-1] != '/')
        --name;
    return name;
}

CString FolderOf(const char* path) { return CString(path, static_cast<int>(NameOf(path) - path)); }

CString RecordPathOf(const char* path) { return FolderOf(path) + kRecordName; }

CString RecordPathIn(const char* folder)
{
#ifdef _WIN32
    const char* separator = "\\";
#else
    const char* separator = "/";
#endif
    const CString text(folder);
    if (text.IsEmpty() || text.Right(1) == "\\" || text.Right(1) == "/")
        return text + kRecordName;
    return text + separator + kRecordName;
}
