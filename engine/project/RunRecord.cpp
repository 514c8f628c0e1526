// RunRecord.cpp: the record of a run that replaces a group of files.
#include "RunRecord.h"

#include "DiskSteps.h"
#include "SystemError.h"

#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace
{

// The first line: a file of this name without it is not ours, and is never acted on.
const char kHeader[] = "files being replaced together\n";
const char kPlacing[] = "placing";
const char kPlaced[] = "placed";
// A record names a few files: anything far bigger is not ours.
const std::size_t kMostRecordBytes = 64 * 1024;

const char* WordOf(Placement placement)
{
    switch (placement)
    {
    case Placement::SetAside:
        return "aside";
    case Placement::Over:
        return "over";
    case Placement::New:
        return "new";
    }
    return "";
}

// Where the name of a file begins in path.
const char* NameOf(const char* path)
{
    const char* name = path + std::strlen(path);
    while (name != path && name[-1] != '\\' && name[-1] != '/')
        --name;
    return name;
}

// The folder part of path, with its last separator.
CString FolderOf(const char* path) { return CString(path, static_cast<int>(NameOf(path) - path)); }

// Each file is found by its name in the record's folder: the folder moved, copied or reached by another
// drive letter, the record still names its own files, and never one elsewhere.
bool ParseEntry(const std::string& line, const CString& folder, RunContents* contents)
{
    if (line == kPlacing)
        return !contents->placing && (contents->placing = true);
    if (line == kPlaced)
        return contents->placing && !contents->placed && (contents->placed = true);
    const std::size_t space = line.find(' ');
    if (space == std::string::npos || contents->placing)
        return false;
    const std::string word = line.substr(0, space);
    const char* name = NameOf(line.c_str() + space + 1);
    if (*name == '\0' || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
        return false;
    for (const Placement placement : {Placement::SetAside, Placement::Over, Placement::New})
        if (word == WordOf(placement))
        {
            contents->files.push_back({placement, folder + name});
            return true;
        }
    return false;
}

#ifdef _WIN32
// Held without sharing: neither another run nor another program's recovery opens it meanwhile.
std::FILE* OpenHeld(const CString& path, bool create, CRunRecord::Opened* opened)
{
    const HANDLE file = CreateFileA(path, create ? GENERIC_WRITE : GENERIC_READ, 0, nullptr,
                                    create ? CREATE_NEW : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        const DWORD code = GetLastError();
        *opened = code == ERROR_SHARING_VIOLATION ? CRunRecord::Opened::Busy
                  : code == ERROR_FILE_NOT_FOUND  ? CRunRecord::Opened::Absent
                                                  : CRunRecord::Opened::Failed;
        return nullptr;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), create ? _O_WRONLY : _O_RDONLY);
    if (descriptor == -1)
    {
        CloseHandle(file);
        *opened = CRunRecord::Opened::Failed;
        return nullptr;
    }
    std::FILE* stream = _fdopen(descriptor, create ? "wb" : "rb");
    if (!stream)
        _close(descriptor);
    *opened = stream ? CRunRecord::Opened::Held : CRunRecord::Opened::Failed;
    return stream;
}
#else
// Locked: neither another run nor another program's recovery acts on it meanwhile.
std::FILE* OpenHeld(const CString& path, bool create, CRunRecord::Opened* opened)
{
    const int descriptor = create ? open(path, O_WRONLY | O_CREAT | O_EXCL, 0644) : open(path, O_RDONLY);
    if (descriptor == -1)
    {
        *opened = errno == ENOENT ? CRunRecord::Opened::Absent : CRunRecord::Opened::Failed;
        return nullptr;
    }
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0)
    {
        close(descriptor);
        *opened = CRunRecord::Opened::Busy;
        return nullptr;
    }
    std::FILE* stream = fdopen(descriptor, create ? "wb" : "rb");
    if (!stream)
        close(descriptor);
    *opened = stream ? CRunRecord::Opened::Held : CRunRecord::Opened::Failed;
    return stream;
}
#endif

}  // namespace

CString RecordPathOf(const char* path) { return FolderOf(path) + "replacing.tmr"; }

CRunRecord::~CRunRecord() { Close(); }

CRunRecord::Opened CRunRecord::Create(const CString& path)
{
    // Named before the file is made: whatever fails after, Remove takes the file away again.
    m_path = path;
    Opened opened = Opened::Failed;
    m_file = OpenHeld(path, true, &opened);
    if (m_file)
    {
        if (Append(kHeader))
            return Opened::Held;
        // Why the line did not go in is the reason given, not what removing the file left set.
        const unsigned long code = LastSystemError();
        Remove();
        RestoreSystemError(code);
        return Opened::Failed;
    }
    m_path.Empty();
    if (opened != Opened::Failed)
        return opened;
    // Taken: by a run of another program, which holds it, or by a file nobody holds.
    const unsigned long code = LastSystemError();
    Opened existing = Opened::Failed;
    if (std::FILE* probe = OpenHeld(path, false, &existing))
        std::fclose(probe);
    if (existing == Opened::Busy)
        return Opened::Busy;
    RestoreSystemError(code);
    return Opened::Failed;
}

CRunRecord::Opened CRunRecord::Open(const CString& path)
{
    Opened opened = Opened::Failed;
    m_path = path;
    m_file = OpenHeld(path, false, &opened);
    if (!m_file)
        m_path.Empty();
    return opened;
}

bool CRunRecord::Read(RunContents* contents)
{
    std::string text(kMostRecordBytes + 1, '\0');
    text.resize(std::fread(&text[0], 1, text.size(), m_file));
    // Cut off before its first line was whole, the run had not begun.
    if (text.size() < sizeof kHeader - 1)
        return text.compare(0, text.size(), kHeader, text.size()) == 0;
    if (text.size() > kMostRecordBytes || text.compare(0, sizeof kHeader - 1, kHeader) != 0)
        return false;
    // A line cut off by a kill was never acted on: only whole lines count.
    for (std::size_t begin = sizeof kHeader - 1, end; (end = text.find('\n', begin)) != std::string::npos;
         begin = end + 1)
        if (!ParseEntry(text.substr(begin, end - begin), FolderOf(m_path), contents))
            return false;
    return true;
}

bool CRunRecord::Name(const std::vector<RecordedFile>& files)
{
    CString text;
    for (const RecordedFile& file : files)
        text += CString(WordOf(file.placement)) + " " + NameOf(file.path) + "\n";
    return Append(text);
}

bool CRunRecord::MarkPlacing() { return Append(CString(kPlacing) + "\n"); }

bool CRunRecord::MarkPlaced() { return Append(CString(kPlaced) + "\n"); }

bool CRunRecord::Remove()
{
    Close();
    return m_path.IsEmpty() || RemoveFile(m_path);
}

bool CRunRecord::Append(const CString& text) { return AppendToRecord(m_file, text); }

void CRunRecord::Close()
{
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
}
