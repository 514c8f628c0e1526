// RunFiles.cpp: the names of the files a run makes beside the files it replaces.
#include "RunFiles.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
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

// The digits are the removal's own for the name before them, at one of its tries.
bool AreRemovalsDigits(const char* name, std::size_t base)
{
    const unsigned long digits = std::strtoul(name + base + 1, nullptr, 16);
    for (int attempt = 0; attempt < kRemovedNameTries; attempt++)
        if (RemovedNameDigits(name, base, attempt) == digits)
            return true;
    return false;
}

// A removal's own name: a temporary's, a set-aside's or the record's.
bool IsRunFormName(const char* name, std::size_t base)
{
    if (base == sizeof kRecordName - 1 && std::strncmp(name, kRecordName, base) == 0)
        return true;
    // A name of its own before the form's ending: ".tmp" alone is no run's temporary.
    return base > sizeof kTemporaryEnd - 1 &&
           (EndsWith(name, base, kTemporaryEnd) || EndsWith(name, base, kSetAsideEnd));
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
    return IsRunFormName(name, base) && AreRemovalsDigits(name, base);
}

unsigned long RemovedNameDigits(const char* name, std::size_t length, int attempt)
{
    // Folded to one case, as the system compares names; every bit of each byte and of the try reaches every digit.
    std::uint32_t digits = 2166136261u ^ static_cast<std::uint32_t>(attempt) * 0x9E3779B9u;
    for (std::size_t i = 0; i < length; i++)
        digits = (digits ^ static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(name[i])))) * 16777619u;
    digits ^= digits >> 16;
    digits *= 0x85EBCA6Bu;
    digits ^= digits >> 13;
    return digits;
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
