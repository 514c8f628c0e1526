// AtomicFile.cpp: write-beside-then-rename replacement of a file.
#include "AtomicFile.h"

#include "DiskSteps.h"
#include "FileFlush.h"
#include "FileWrite.h"
#include "RunRecord.h"
#include "SystemError.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

CString SystemError(const char* what, const char* path)
{
    return CString(what) + " " + path + ": " + LastSystemErrorText();
}

// Clears the error the system set last, so that a write which stops short without
// setting one can be told from one that failed with its own reason.
void ClearSystemError()
{
    errno = 0;
#ifdef _WIN32
    SetLastError(ERROR_SUCCESS);
#endif
}

// The system's words for a failed write, with a full disk said plainly. A write
// that comes back short with no system error is what a full disk gives on Wine;
// its C library then sets EINVAL for the missing error, which is no reason.
CString WriteFailureText()
{
#ifdef _WIN32
    const DWORD code = GetLastError();
    const bool full =
        code == ERROR_DISK_FULL || code == ERROR_HANDLE_DISK_FULL || code == ERROR_SUCCESS || errno == ENOSPC;
#else
    const bool full = errno == ENOSPC || errno == 0;
#endif
    return full ? CString("the disk is full") : LastSystemErrorText();
}

// Gathers small pieces into one block and writes big ones through; after the
// first failure it writes nothing more and keeps why it failed.
class BlockWriter
{
public:
    // The block grows with what it gathers: small contents need no more.
    explicit BlockWriter(std::FILE* file) : m_file(file) {}

    void Write(const void* data, std::size_t size)
    {
        if (m_block.size() + size > kPieceBlockSize)
            Flush();
        if (size >= kPieceBlockSize)
            return Put(data, size);
        m_block.append(static_cast<const char*>(data), size);
    }
    // False, with Failure() set, when a block could not be written.
    bool Finish()
    {
        Flush();
        return m_failure.IsEmpty();
    }
    const CString& Failure() const { return m_failure; }

private:
    void Flush()
    {
        Put(m_block.data(), m_block.size());
        m_block.clear();
    }
    void Put(const void* data, std::size_t size)
    {
        if (size == 0 || !m_failure.IsEmpty())
            return;
        ClearSystemError();
        if (WriteToFile(m_file, data, size) != size)
            m_failure = WriteFailureText();
    }

    std::FILE* m_file;
    std::string m_block;  // pieces not written yet
    CString m_failure;    // why a write failed; empty while none did
};

// False, with why, when the contents could not all be written to the open file;
// *made is false when the source itself failed.
bool WriteContents(std::FILE* file, const ContentsSource& produce, bool* made, CString* why)
{
    try
    {
        BlockWriter writer(file);
        *made = produce([&writer](const void* data, std::size_t size) { writer.Write(data, size); }, why);
        if (!*made)
            return false;
        if (writer.Finish())
            return true;
        *why = writer.Failure();
    }
    catch (const std::bad_alloc&)
    {
        *why = "not enough memory";
    }
    return false;
}

// "cannot write <path> while replacing it: <why>": the user's own file is named, never the temporary.
CString WriteError(const char* path, const CString& why)
{
    return CString("cannot write ") + path + " while replacing it: " + why;
}

// Writes the new contents of path to its temporary file.
bool WriteInPieces(const char* path, const char* temporary, const ContentsSource& produce, bool* created,
                   CString* error)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(temporary, "wb"));
    if (!file)
    {
        // The temporary is named here alone: whatever holds its place is what the user must move.
        *error = WriteError(path, SystemError("cannot create", temporary));
        return false;
    }
    *created = true;
    // Blocks go straight to the system: the library's own buffer would copy each once more.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    CString why;
    bool made = true;
    if (!WriteContents(file.get(), produce, &made, &why))
    {
        *error = made ? WriteError(path, why) : why;
        return false;
    }
    ClearSystemError();
    if (!FlushToDisk(file.get()))
    {
        *error = WriteError(path, WriteFailureText());
        return false;
    }
    if (std::fclose(file.release()) != 0)
    {
        *error = WriteError(path, LastSystemErrorText());
        return false;
    }
    return true;
}

// The ANSI file functions refuse a longer path, and the C library may create
// a file that they then cannot rename or remove: nothing is begun.
bool FitsPathLimit(const char* path, const char* temporary, CString* error)
{
#ifdef _WIN32
    if (std::strlen(temporary) < MAX_PATH)
        return true;
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    *error = WriteError(path, LastSystemErrorText());
    return false;
#else
    (void)path;
    (void)temporary;
    (void)error;
    return true;
#endif
}

// Windows refuses to move a file over a read-only one, but Wine's move
// replaces it and drops the attribute, and a POSIX rename ignores the
// target's permissions: refuse it here, as Windows would. A refusal sets the
// error the system would have given.
bool IsReadOnly(const char* path)
{
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0)
        return false;
    SetLastError(ERROR_ACCESS_DENIED);
#else
    struct stat info;
    if (stat(path, &info) != 0)
        return false;
    // access() lets the superuser write anything, so the mode counts too.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0)
        return access(path, W_OK) != 0;
    errno = EACCES;
#endif
    return true;
}

bool Exists(const char* path)
{
#ifdef _WIN32
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
#else
    struct stat info;
    return stat(path, &info) == 0;
#endif
}

// A file, not a folder, stands at path: a folder of a temporary's name is not one of ours.
bool IsFile(const char* path)
{
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
#else
    struct stat info;
    return stat(path, &info) == 0 && S_ISREG(info.st_mode);
#endif
}

// Moves from over to; false with why when it did not happen. A move the system calls failed may
// have been done all the same (Wine says "not enough memory" of a drive that went away meanwhile): what
// is on disk decides.
bool MovedOver(const char* from, const char* to, CString* why)
{
    if (MoveFileOver(from, to))
        return true;
    const unsigned long code = LastSystemError();
    *why = SystemErrorText(code);
    const bool done = !Exists(from) && Exists(to);
    // The move's error stays the one to tell.
    RestoreSystemError(code);
    return done;
}

// "cannot replace <path>: <why>".
CString ReplaceError(const char* path, const CString& why) { return CString("cannot replace ") + path + ": " + why; }

// One file of a group on its way in, and what has been done to it so far.
class CPlacing
{
public:
    CPlacing(const NewFileContents& file, bool last)
        : m_file(file), m_temporary(TemporaryPathOf(file.path)), m_aside(SetAsidePathOf(file.path)),
          m_placement(!Exists(file.path) ? Placement::New
                      : last             ? Placement::Over
                                         : Placement::SetAside)
    {
    }

    RecordedFile Recorded() const { return {m_placement, m_file.path}; }
    // A name the run would write is never one a user holds: it is refused, and the user told what to move.
    bool CheckNames(CString* error) const
    {
        if (IsReadOnly(m_file.path))
        {
            *error = ReplaceError(m_file.path, LastSystemErrorText());
            return false;
        }
        if (!FitsPathLimit(m_file.path, m_temporary, error))
            return false;
        const bool asideTaken = m_placement == Placement::SetAside && Exists(m_aside);
        if (!Exists(m_temporary) && !asideTaken)
            return true;
        *error = ReplaceError(m_file.path, (asideTaken ? m_aside : m_temporary) +
                                               " is in the way; moving it elsewhere lets the files be written");
        return false;
    }
    // Its new contents written beside it; nothing else is touched.
    bool WriteTemporary(CString* error)
    {
        return WriteInPieces(m_file.path, m_temporary, m_file.produce, &m_created, error);
    }
    // The old file goes aside first when a later file may still fail and want it back; the last one is
    // replaced in one step.
    bool PutInPlace(CString* error)
    {
        CString why;
        if (m_placement == Placement::SetAside)
        {
            if (!MovedOver(m_file.path, m_aside, &why))
            {
                *error = ReplaceError(m_file.path, why);
                return false;
            }
            m_setAside = true;
        }
        m_tried = true;
        if (!MovedOver(m_temporary, m_file.path, &why))
        {
            *error = ReplaceError(m_file.path, why);
            return false;
        }
        m_created = false;
        m_placed = true;
        return true;
    }
    bool TriedToPlace() const { return m_tried; }
    // The group failed: the file as it was. False, said in error, when the old file could not go back:
    // it stays aside rather than be lost.
    bool PutBack(CString* error)
    {
        CString why;
        if (m_placed && m_placement == Placement::New && !RemoveFile(m_file.path))
            return false;
        if (!m_setAside || MovedOver(m_aside, m_file.path, &why))
            return true;
        *error += CString("; ") + m_file.path + " could not be put back yet, its old contents wait in " + m_aside +
                  " (" + why + ")";
        return false;
    }
    // False while another program holds it.
    bool RemoveTemporary()
    {
        if (m_created && !RemoveFile(m_temporary))
            return false;
        m_created = false;
        return true;
    }
    // The group is in: the old file is no longer wanted. False while another program holds it.
    bool Settle()
    {
        if (m_setAside && !RemoveFile(m_aside))
            return false;
        m_setAside = false;
        return true;
    }

private:
    const NewFileContents& m_file;
    const CString m_temporary;
    const CString m_aside;
    const Placement m_placement;
    bool m_created = false;   // the temporary exists
    bool m_setAside = false;  // the old file waits at m_aside
    bool m_placed = false;    // the new contents are at the file's path
    bool m_tried = false;     // its temporary was moved, and may be in although the move was called failed
};

// The first file that kept a run cut off from being put right, and the system's error for it.
struct RunBlocker
{
    CString path;  // empty while nothing did
    unsigned long code = 0;
};

// Whether the system's error says that another program holds the file open.
bool IsHeldError(unsigned long code)
{
#ifdef _WIN32
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION;
#else
    return code == EBUSY || code == ETXTBSY;
#endif
}

// Whether another program holds the file open without letting it be moved or removed.
bool IsHeldOpen(const char* path)
{
#ifdef _WIN32
    const HANDLE file = CreateFileA(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return file == INVALID_HANDLE_VALUE && IsHeldError(GetLastError());
#else
    (void)path;
    return false;
#endif
}

// The first file noted is the one named.
void Note(const CString& path, unsigned long code, RunBlocker* blocker)
{
    if (blocker->path.IsEmpty())
        *blocker = {path, code};
}

// done, or else path is noted as what kept the run from being put right.
bool Noted(bool done, const CString& path, RunBlocker* blocker)
{
    if (!done)
        Note(path, LastSystemError(), blocker);
    return done;
}

// The same for a move: of its two files, the one another program holds is named.
bool NotedMove(bool done, const CString& from, const CString& to, RunBlocker* blocker)
{
    if (done)
        return true;
    const unsigned long code = LastSystemError();
    Note(IsHeldError(code) && IsHeldOpen(to) ? to : from, code, blocker);
    return false;
}

// Why a run an earlier record names was not put right, and what lets it be.
CString BlockedRunText(const CString& at, const RunBlocker& blocker)
{
    if (blocker.path.IsEmpty())
        return at + " is in the way; an interrupted run it records is put right at the next Save or opening";
    const CString run = "an interrupted run that " + at + " records cannot be put right";
    if (IsHeldError(blocker.code))
        return run + " while another program holds " + blocker.path +
               "; closing that program lets the run be put right at the next Save or opening";
    return run + ", as the folder cannot be written (" + SystemErrorText(blocker.code) + ")";
}

// A file of the record's name that the designer wrote, and not one of the user's.
bool IsRecord(const CString& at)
{
    CRunRecord record;
    RunContents run;
    return record.Open(at) == CRunRecord::Opened::Held && record.Read(&run);
}

CString RecordError(const char* path) { return WriteError(path, SystemError("cannot write", RecordPathOf(path))); }

bool PlaceAll(std::vector<CPlacing>& placings, CRunRecord& record, CString* error)
{
    std::vector<RecordedFile> recorded;
    for (const CPlacing& placing : placings)
    {
        if (!placing.CheckNames(error))
            return false;
        recorded.push_back(placing.Recorded());
    }
    const char* first = recorded.front().path;
    if (!record.Name(recorded))
    {
        *error = RecordError(first);
        return false;
    }
    for (CPlacing& placing : placings)
        if (!placing.WriteTemporary(error))
            return false;
    if (!record.MarkPlacing())
    {
        *error = RecordError(first);
        return false;
    }
    for (CPlacing& placing : placings)
        if (!placing.PutInPlace(error))
            return false;
    return true;
}

// Every old file goes back before any temporary goes: while one cannot, the temporaries and the record
// stay, so that the next recovery still knows the group unfinished. False then.
bool PutAllBack(std::vector<CPlacing>& placings, CString* error)
{
    // Stopped before its first file was looked at, the run touched nothing.
    if (placings.empty())
        return true;
    bool allBack = true;
    for (auto placing = placings.rbegin(); placing != placings.rend(); ++placing)
    {
        try
        {
            allBack &= placing->PutBack(error);
        }
        catch (const std::bad_alloc&)
        {
            // The old file is back or waits aside all the same; only the words about it are lost.
            allBack = false;
        }
    }
    if (!allBack)
    {
        // Once the last file may be in, only what the disk holds then tells whether the run finished.
        *error += placings.back().TriedToPlace()
                      ? "; at the next Save or opening the files are made all old, or all new if the last one went in"
                      : "; the old files are put back at the next Save or opening";
        return false;
    }
    // The last file's temporary goes last: while it is there, a later recovery knows the run undone.
    bool removed = true;
    for (std::size_t i = 0; i + 1 < placings.size(); i++)
        removed &= placings[i].RemoveTemporary();
    return removed && placings.back().RemoveTemporary();
}

bool IsOneOf(const CString& path, const std::vector<CString>& paths)
{
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}

// False while another program holds the file.
bool RemoveIfFile(const CString& path) { return !IsFile(path) || RemoveFile(path); }

// Undoing a run cut off: the file as it was before it. False while its old file cannot go back.
bool PutRecordedBack(const RecordedFile& file, RunBlocker* blocker)
{
    CString why;
    switch (file.placement)
    {
    case Placement::SetAside:
    {
        const CString aside = SetAsidePathOf(file.path);
        return !Exists(aside) || NotedMove(MovedOver(aside, file.path, &why), aside, file.path, blocker);
    }
    case Placement::New:
        // Its temporary gone, the file there is the one the run put in.
        return Exists(TemporaryPathOf(file.path)) || !IsFile(file.path) ||
               Noted(RemoveFile(file.path), file.path, blocker);
    case Placement::Over:
        break;
    }
    return true;
}

// Whether the temporary beside the file is still the run's: one whose file went in is gone, and a file of
// that name made since is the user's.
bool TemporaryIsTheRuns(const RecordedFile& file)
{
    if (!IsFile(TemporaryPathOf(file.path)))
        return false;
    switch (file.placement)
    {
    case Placement::SetAside:
        return !(Exists(SetAsidePathOf(file.path)) && Exists(file.path));
    case Placement::New:
        return !Exists(file.path);
    case Placement::Over:
        break;
    }
    return true;
}

// A run is all in once its last temporary went in, as it is replaced last; cut off before that, it is
// undone. False while it cannot be made whole, or a file of it removed: the record then stays for the
// next recovery to finish, and blocker names what kept it.
bool FinishOrUndo(const RunContents& run, RunBlocker* blocker)
{
    // Said placed, a temporary of the last file's name is one the user made since.
    const bool allIn =
        run.placed || (run.placing && !run.files.empty() && !Exists(TemporaryPathOf(run.files.back().path)));
    if (allIn)
    {
        bool removed = true;
        for (const RecordedFile& file : run.files)
            if (file.placement == Placement::SetAside)
                removed &= Noted(RemoveIfFile(SetAsidePathOf(file.path)), SetAsidePathOf(file.path), blocker);
        return removed;
    }
    std::vector<CString> temporaries;
    for (const RecordedFile& file : run.files)
        if (TemporaryIsTheRuns(file))
            temporaries.push_back(TemporaryPathOf(file.path));
    bool whole = true;
    for (auto file = run.files.rbegin(); run.placing && file != run.files.rend(); ++file)
        whole &= PutRecordedBack(*file, blocker);
    if (!whole)
        return false;
    // The last file's temporary goes last, as the run's own undoing does.
    bool removed = true;
    for (std::size_t i = 0; i + 1 < temporaries.size(); i++)
        removed &= Noted(RemoveFile(temporaries[i]), temporaries[i], blocker);
    return removed && (temporaries.empty() || Noted(RemoveFile(temporaries.back()), temporaries.back(), blocker));
}

// The run whose record is at, whichever project it wrote: the record names files of its own folder
// alone. A file of that name that is not a record, or one a run still holds, is left alone. What kept
// the run from being put right is in the blocker it gives.
RunBlocker RecoverRun(const CString& at)
{
    RunBlocker blocker;
    CRunRecord record;
    RunContents run;
    if (record.Open(at) != CRunRecord::Opened::Held || !record.Read(&run))
        return blocker;
    if (FinishOrUndo(run, &blocker))
        Noted(record.Remove(), at, &blocker);
    return blocker;
}

// Another program's run in the folder is most often a neighbour's save, over in a moment: it is waited
// for, a pause at a time, for about two seconds. A run cut off before, or while this one waited, is put
// right first, so that its record is no longer in the way; blocker names what kept one from it.
const int kPausesForAnotherRun = 40;

CRunRecord::Opened MakeRecord(CRunRecord& record, const CString& at, RunBlocker* blocker)
{
    for (int pauses = 0;; pauses++)
    {
        *blocker = RecoverRun(at);
        const CRunRecord::Opened opened = record.Create(at);
        if (opened != CRunRecord::Opened::Busy || pauses == kPausesForAnotherRun)
            return opened;
        PauseForAnotherRun();
    }
}

// The run's record, made before anything is written: only what it names is ever moved or removed by a
// recovery, and while it is held no other program runs in the folder.
bool BeginRecord(CRunRecord& record, const char* path, CString* error)
{
    const CString at = RecordPathOf(path);
    RunBlocker blocker;
    switch (MakeRecord(record, at, &blocker))
    {
    case CRunRecord::Opened::Held:
        return true;
    case CRunRecord::Opened::Busy:
        *error = ReplaceError(path, "another program is saving files in this folder; try again when it is done");
        return false;
    default:
        break;
    }
    // Read before the system is asked anything else: its answer would take the error's place.
    const CString why = LastSystemErrorText();
    if (!Exists(at))
        *error = WriteError(path, "cannot create " + at + ": " + why);
    else if (IsRecord(at))
        *error = ReplaceError(path, BlockedRunText(at, blocker));
    else
        *error = ReplaceError(path, at + " is in the way; moving it elsewhere lets the files be written");
    return false;
}

}  // namespace

CString TemporaryPathOf(const char* path) { return CString(path) + ".tmp"; }

CString SetAsidePathOf(const char* path) { return CString(path) + ".tmo"; }

bool ReplaceFilesTogether(const std::vector<NewFileContents>& files, CString* error)
{
    if (files.empty())
        return true;
    std::vector<CPlacing> placings;
    CRunRecord record;
    try
    {
        if (!BeginRecord(record, files.front().path, error))
            return false;
        placings.reserve(files.size());
        for (const NewFileContents& file : files)
            placings.emplace_back(file, placings.size() + 1 == files.size());
        if (PlaceAll(placings, record, error))
        {
            // Unsaid, the last temporary gone still tells a recovery that the run is all in.
            record.MarkPlaced();
            // An old file another program holds stays named in the record, for the next run to remove.
            bool settled = true;
            for (CPlacing& placing : placings)
                settled &= placing.Settle();
            if (settled)
                record.Remove();
            return true;
        }
    }
    catch (const std::bad_alloc&)
    {
        *error = "not enough memory";
    }
    if (PutAllBack(placings, error))
        record.Remove();
    return false;
}

void RecoverFilesTogether(const std::vector<CString>& paths)
{
    std::vector<CString> records;
    for (const CString& path : paths)
        if (!IsOneOf(RecordPathOf(path), records))
            records.push_back(RecordPathOf(path));
    for (const CString& at : records)
        RecoverRun(at);
}

bool ReplaceFileInPieces(const char* path, const ContentsSource& produce, CString* error)
{
    return ReplaceFilesTogether({{path, produce}}, error);
}

ContentsSource ContentsOf(const char* data, std::size_t size)
{
    return [data, size](const PieceWriter& write, CString*)
    {
        write(data, size);
        return true;
    };
}

bool ReplaceFileContents(const char* path, const char* data, std::size_t size, CString* error)
{
    return ReplaceFileInPieces(path, ContentsOf(data, size), error);
}
