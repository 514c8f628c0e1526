// RunRecord.cpp: the record of a run that replaces a group of files.
#include "RunRecord.h"

#include "DiskSteps.h"
#include "SystemError.h"

#include <cstdio>
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
const char kHeader[] = "files being replaced together, each line after its step\n";
// The first line of a designer before these lines, whose lines name the files before their steps.
const char kLegacyHeader[] = "files being replaced together\n";
const char kPlaced[] = "placed";
// A record names a few files: anything far bigger is not ours.
const std::size_t kMostRecordBytes = 64 * 1024;

struct StepWord
{
    RunStep step;
    const char* word;
};
const StepWord kStepWords[] = {{RunStep::Old, "old"},         {RunStep::New, "new"},
                               {RunStep::Aside, "aside"},     {RunStep::In, "in"},
                               {RunStep::Done, "done"},       {RunStep::Dropped, "dropped"},
                               {RunStep::Putting, "putting"}, {RunStep::Dropping, "dropping"},
                               {RunStep::Kept, "kept"},       {RunStep::Placed, kPlaced}};

const char* WordOf(RunStep step)
{
    for (const StepWord& word : kStepWords)
        if (word.step == step)
            return word.word;
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

// The file of that name in the record's folder: the folder moved, copied or reached by another drive
// letter, the record still names its own files, and never one elsewhere. Empty when it is no file's name.
CString PathIn(const CString& folder, const char* text)
{
    const char* name = NameOf(text);
    if (*name == '\0' || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
        return CString();
    return folder + name;
}

bool ParseStep(const std::string& line, const CString& folder, RunContents* contents)
{
    if (line == kPlaced)
        return contents->Take(RunStep::Placed, CString());
    const std::size_t space = line.find(' ');
    if (space == std::string::npos)
        return false;
    const std::string word = line.substr(0, space);
    const CString path = PathIn(folder, line.c_str() + space + 1);
    for (const StepWord& step : kStepWords)
        if (word == step.word && step.step != RunStep::Placed)
            return !path.IsEmpty() && contents->Take(step.step, path);
    return false;
}

// A record of a designer before these lines named each file before its steps began: it proves nothing of
// a file, and only its "placed" tells that the run got every file in.
bool ParseLegacyStep(const std::string& line, const CString& folder, RunContents* contents)
{
    // Said once every temporary was whole: from then on its files were set aside.
    if (line == "placing")
    {
        for (RecordedFile& file : contents->files)
            file.aside = file.existed;
        return true;
    }
    if (line == kPlaced)
        return contents->placed = true;
    const std::size_t space = line.find(' ');
    const std::string word = line.substr(0, space == std::string::npos ? 0 : space);
    if (space == std::string::npos || (word != "aside" && word != "over" && word != "new"))
        return false;
    const CString path = PathIn(folder, line.c_str() + space + 1);
    if (path.IsEmpty())
        return false;
    RecordedFile file(path);
    file.reserved = true;
    // Only a file it set aside had a name beside it of the run's: one replaced in one step had none.
    file.existed = word == "aside";
    contents->files.push_back(file);
    return true;
}

RecordedFile* FileAt(RunContents* contents, const CString& path)
{
    for (RecordedFile& file : contents->files)
        if (file.path == path)
            return &file;
    return nullptr;
}

bool AllIn(const RunContents& contents)
{
    for (const RecordedFile& file : contents.files)
        if (!file.in)
            return false;
    return !contents.files.empty();
}

// The longest line a record takes: a step's word and a file's name.
const std::size_t kMostLineBytes = 512;

#ifdef _WIN32
// Held without sharing: neither another run nor another program's recovery opens it meanwhile.
std::FILE* OpenHeld(const CString& path, bool create, CRunRecord::Opened* opened)
{
    const HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, create ? CREATE_NEW : OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        const DWORD code = GetLastError();
        *opened = code == ERROR_SHARING_VIOLATION ? CRunRecord::Opened::Busy
                  : code == ERROR_FILE_NOT_FOUND  ? CRunRecord::Opened::Absent
                                                  : CRunRecord::Opened::Failed;
        return nullptr;
    }
    std::FILE* stream = StreamOfHandle(file, true);
    *opened = stream ? CRunRecord::Opened::Held : CRunRecord::Opened::Failed;
    return stream;
}
#else
// Locked: neither another run nor another program's recovery acts on it meanwhile.
std::FILE* OpenHeld(const CString& path, bool create, CRunRecord::Opened* opened)
{
    const int descriptor = create ? open(path, O_RDWR | O_CREAT | O_EXCL, 0644) : open(path, O_RDWR);
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
    std::FILE* stream = StreamOfDescriptor(descriptor, true);
    *opened = stream ? CRunRecord::Opened::Held : CRunRecord::Opened::Failed;
    return stream;
}
#endif

// Cuts the record back to size bytes, where the next line goes; false when it cannot.
bool CutTo(std::FILE* file, long size)
{
    if (std::fflush(file) != 0 || std::fseek(file, 0, SEEK_END) != 0)
        return false;
    const long length = std::ftell(file);
    if (length == size)
        return true;
#ifdef _WIN32
    const bool cut = length > size && _chsize(_fileno(file), size) == 0;
#else
    const bool cut = length > size && ftruncate(fileno(file), size) == 0;
#endif
    return cut && std::fseek(file, 0, SEEK_END) == 0;
}

}  // namespace

CString FolderOf(const char* path) { return CString(path, static_cast<int>(NameOf(path) - path)); }

RecordedFile::RecordedFile(const CString& path)
    : path(path), temporary(TemporaryPathOf(path)), setAside(SetAsidePathOf(path))
{
}

CString RecordPathOf(const char* path) { return FolderOf(path) + "replacing.tmr"; }

CString RecordPathIn(const char* folder)
{
#ifdef _WIN32
    const char* separator = "\\";
#else
    const char* separator = "/";
#endif
    const CString text(folder);
    if (text.IsEmpty() || text.Right(1) == "\\" || text.Right(1) == "/")
        return text + "replacing.tmr";
    return text + separator + "replacing.tmr";
}

bool RunContents::Take(RunStep step, const CString& path)
{
    if (step == RunStep::Placed)
        return AllIn(*this) && !placed && (placed = true);
    RecordedFile* file = FileAt(this, path);
    switch (step)
    {
    case RunStep::Old:
    case RunStep::New:
        if ((file && file->reserved) || placed)
            return false;
        if (!file)
            file = &files.emplace_back(path);
        file->reserved = true;
        file->existed = step == RunStep::Old;
        return true;
    case RunStep::Aside:
        return file && file->reserved && file->existed && !file->aside && (file->aside = true);
    case RunStep::In:
        return file && file->reserved && (file->aside || !file->existed) && !file->in && (file->in = true);
    case RunStep::Done:
        return file && file->reserved && (file->done = true);
    case RunStep::Dropped:
        return file && file->reserved && !file->in && (file->dropped = true);
    case RunStep::Putting:
        return file && file->reserved && !file->done && (file->putting = true);
    case RunStep::Dropping:
        return file && file->reserved && !file->in && !file->dropped && (file->dropping = true);
    case RunStep::Kept:
        if (!file || !file->reserved)
            return false;
        file->putting = file->dropping = false;
        return true;
    case RunStep::Placed:
        break;
    }
    return false;
}

CRunRecord::~CRunRecord() { Close(); }

CRunRecord::Opened CRunRecord::Create(const CString& path)
{
    // Named before the file is made: whatever fails after, Remove takes the file away again.
    m_path = path;
    m_end = 0;
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
    const bool legacy = text.compare(0, sizeof kLegacyHeader - 1, kLegacyHeader) == 0;
    const std::size_t header = legacy ? sizeof kLegacyHeader - 1 : sizeof kHeader - 1;
    // Cut off before its first line was whole, the run had not begun.
    if (text.size() < header)
        return text.compare(0, text.size(), kHeader, text.size()) == 0;
    if (text.size() > kMostRecordBytes || (!legacy && text.compare(0, header, kHeader) != 0))
        return false;
    contents->legacy = legacy;
    // A line cut off by a kill tells of no step: only whole lines count, and the next line goes in its place.
    std::size_t begin = header;
    for (std::size_t end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1)
    {
        const std::string line = text.substr(begin, end - begin);
        if (!(legacy ? ParseLegacyStep(line, FolderOf(m_path), contents) : ParseStep(line, FolderOf(m_path), contents)))
            return false;
    }
    m_end = static_cast<long>(begin);
    return true;
}

bool CRunRecord::Note(RunStep step, const CString& path, RunContents* contents)
{
    // Made without memory from the heap: a run that has taken a step on the disk always tells of it.
    char line[kMostLineBytes];
    const int length = step == RunStep::Placed
                           ? std::snprintf(line, sizeof line, "%s\n", kPlaced)
                           : std::snprintf(line, sizeof line, "%s %s\n", WordOf(step), NameOf(path));
    const bool written = length > 0 && static_cast<std::size_t>(length) < sizeof line && Append(line);
    if (written || step != RunStep::Placed)
        contents->Take(step, path);
    return written;
}

bool CRunRecord::Remove()
{
    Close();
    return m_path.IsEmpty() || RemoveFile(m_path);
}

bool CRunRecord::Append(const char* text)
{
    // A line cut off before, by a kill or a failed write, is cut away: no step is read from it.
    if (!CutTo(m_file, m_end))
        return false;
    if (!AppendToRecord(m_file, text))
    {
        CutTo(m_file, m_end);
        return false;
    }
    m_end += static_cast<long>(std::strlen(text));
    return true;
}

void CRunRecord::Close()
{
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
}
