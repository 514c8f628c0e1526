// ProjectPaths.cpp: the paths the designer derives from a project's name, each kept inside the project's folder.
#include "ProjectPaths.h"

#include "AtomicFile.h"
#include "validation/DesignValidator.h"

#include <cstring>

namespace
{

// Each also stands for a device with any extension: "nul.diagram" is no file.
const char* const kDeviceNames[] = {"con", "prn", "aux", "nul", "conin$", "conout$"};
const char* const kNumberedDevices[] = {"com", "lpt"};
// The digits Windows numbers ports with, superscripts of the 8-bit code page included.
const char kPortDigits[] = "0123456789\xB9\xB2\xB3";

bool IsDevice(CString base)
{
    base.TrimRight(' ');
    base.MakeLower();
    for (const char* device : kDeviceNames)
        if (base == device)
            return true;
    if (base.GetLength() != 4)
        return false;
    for (const char* device : kNumberedDevices)
        if (base.Left(3) == device && std::strchr(kPortDigits, base[3]) != nullptr)
            return true;
    return false;
}

// Why the path cannot be written; empty when it can.
CString LengthRefusal(const CString& path)
{
    CString why;
    if (path.GetLength() > kMaxPathLength)
        why.Format("the path %s would have %d characters, more than the limit of %d", static_cast<const char*>(path),
                   path.GetLength(), kMaxPathLength);
    return why;
}

CString Refusal(const char* name, const CString& why)
{
    return CString("\"") + name + "\" cannot be a file name: " + why;
}

}  // namespace

CString FileNameRefusal(const char* name)
{
    if (name[0] == '\0')
        return "an empty text cannot be a file name";
    for (const char* p = name; *p != '\0'; ++p)
    {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c < 0x20)
            return Refusal(name, "it holds a control character");
        if (std::strchr("<>:\"/\\|?*", c) != nullptr)
            return Refusal(name, CString("it holds the character ") + *p);
    }
    const char last = name[std::strlen(name) - 1];
    if (last == '.' || last == ' ')
        return Refusal(name, "it ends with a dot or a space");
    const char* dot = std::strchr(name, '.');
    if (IsDevice(dot == nullptr ? CString(name) : CString(name, static_cast<int>(dot - name))))
        return Refusal(name, "it is the name of a device");
    return CString();
}

CString FolderLengthRefusal(const char* folder)
{
    const int shortest = CString(folder).GetLength() + 1 + static_cast<int>(std::strlen(kLongestFileNameEnd));
    CString why;
    if (shortest > kMaxPathLength)
        why.Format("the folder %s is too long for a project's files: even with a name of one character they would "
                   "have %d characters, more than the limit of %d",
                   folder, shortest, kMaxPathLength);
    return why;
}

CString ProjectNameRefusal(const char* folder, const char* name)
{
    const CString refusal = FileNameRefusal(name);
    if (!refusal.IsEmpty())
        return refusal;
    return LengthRefusal(CString(folder) + name + kLongestFileNameEnd);
}

bool ProjectPathOf(const ProjectRecord& project, const char* fileName, CString* path, CString* error)
{
    *error = FileNameRefusal(fileName);
    if (!error->IsEmpty())
        return false;
    const CString made = project.folder + fileName;
    *error = LengthRefusal(TemporaryPathOf(made));
    if (!error->IsEmpty())
        return false;
    *path = made;
    return true;
}
