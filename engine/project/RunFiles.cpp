// RunFiles.cpp: the names of the files a run makes beside the files it replaces.
#include "RunFiles.h"

#include <cstring>

namespace
{

const char kRecordName[] = "replacing.tmr";
const char kTemporaryEnd[] = ".tmp";
const char kSetAsideEnd[] = ".tmo";
const std::size_t kFreshDigits = 8;

bool EndsWith(const char* text, std::size_t length, const char* end)
{
    const std::size_t size = std::strlen(end);
    return length >= size && std::strncmp(text + length - size, end, size) == 0;
}

// As the removal writes them: lower case.
bool AreFreshDigits(const char* digits)
{
    return std::strlen(digits) == kFreshDigits && std::strspn(digits, "0123456789abcdef") == kFreshDigits;
}

}  // namespace

CString TemporaryPathOf(const char* path) { return CString(path) + kTemporaryEnd; }

CString SetAsidePathOf(const char* path) { return CString(path) + kSetAsideEnd; }

bool IsRemovedRunFileName(const char* name)
{
    const std::size_t length = std::strlen(name);
    if (length < kFreshDigits + 1 || name[length - kFreshDigits - 1] != '.' ||
        !AreFreshDigits(name + length - kFreshDigits))
        return false;
    const std::size_t base = length - kFreshDigits - 1;
    const bool record = base == sizeof kRecordName - 1 && std::strncmp(name, kRecordName, base) == 0;
    // A name of its own before the form's ending: ".tmp" alone is no run's temporary.
    return record || (base > sizeof kTemporaryEnd - 1 &&
                      (EndsWith(name, base, kTemporaryEnd) || EndsWith(name, base, kSetAsideEnd)));
}

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

bool SamePath(const CString& one, const CString& other)
{
#ifdef _WIN32
    return one.CompareNoCase(other) == 0;
#else
    return one == other;
#endif
}
