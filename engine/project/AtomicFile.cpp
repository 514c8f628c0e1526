// AtomicFile.cpp: write-beside-then-rename replacement of a file.
#include "AtomicFile.h"

#include "FileWrite.h"
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
#include <io.h>
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

bool FlushToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
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

// Says why path cannot be replaced, from the error the system last set.
void ReplaceError(const char* path, CString* error) { *error = SystemError("cannot replace", path); }

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

// Moves from over to, replacing it; false with the system's error set.
bool MoveOver(const char* from, const char* to)
{
#ifdef _WIN32
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
#else
    return std::rename(from, to) == 0;
#endif
}

// Whether the two files hold the same bytes; false when either cannot be read.
bool SameContents(const char* first, const char* second)
{
    std::unique_ptr<std::FILE, FileCloser> one(std::fopen(first, "rb"));
    std::unique_ptr<std::FILE, FileCloser> other(std::fopen(second, "rb"));
    if (!one || !other)
        return false;
    char left[4096], right[sizeof left];
    for (;;)
    {
        const std::size_t size = std::fread(left, 1, sizeof left, one.get());
        if (std::fread(right, 1, sizeof right, other.get()) != size || std::memcmp(left, right, size) != 0)
            return false;
        if (size < sizeof left)
            return std::ferror(one.get()) == 0 && std::ferror(other.get()) == 0;
    }
}

// One file of a group on its way in, and what has been done to it so far.
class CPlacing
{
public:
    CPlacing(const NewFileContents& file, bool keepOld)
        : m_file(file), m_temporary(TemporaryPathOf(file.path)), m_aside(SetAsidePathOf(file.path)), m_keepOld(keepOld)
    {
    }

    // Its new contents written beside it; nothing else is touched. An old file already waiting aside is
    // never replaced: a failed group may have told the user it is there.
    bool WriteTemporary(CString* error)
    {
        if (IsReadOnly(m_file.path))
        {
            ReplaceError(m_file.path, error);
            return false;
        }
        if (m_keepOld && Exists(m_aside))
        {
            *error = CString("cannot replace ") + m_file.path + ": " + m_aside + " already holds an old copy of it";
            return false;
        }
        return FitsPathLimit(m_file.path, m_temporary, error) &&
               WriteInPieces(m_file.path, m_temporary, m_file.produce, &m_created, error);
    }
    // The old file goes aside first when a later file may still fail and want it back; the last one is
    // replaced in one step.
    bool PutInPlace(CString* error)
    {
        if (m_keepOld && Exists(m_file.path))
        {
            if (!MoveOver(m_file.path, m_aside))
            {
                ReplaceError(m_file.path, error);
                return false;
            }
            m_setAside = true;
        }
        if (!MoveOver(m_temporary, m_file.path))
        {
            ReplaceError(m_file.path, error);
            return false;
        }
        m_created = false;
        m_placed = true;
        return true;
    }
    // The group failed: the file as it was. Says so in error when the old file cannot go back, and
    // leaves it aside rather than lose it.
    void PutBack(CString* error)
    {
        if (m_placed && !m_setAside)
            std::remove(m_file.path);
        if (m_setAside && !MoveOver(m_aside, m_file.path))
            *error += CString("; ") + m_file.path + " could not be put back, its old contents are in " + m_aside +
                      ": " + LastSystemErrorText();
    }
    // Last of a failed group: while a temporary remains, a group cut off here is known to be unfinished.
    void RemoveTemporary()
    {
        if (m_created)
            std::remove(m_temporary);
        m_created = false;
    }
    // The group is in: the old file is no longer wanted.
    void Settle()
    {
        if (m_setAside)
            std::remove(m_aside);
    }

private:
    const NewFileContents& m_file;
    const CString m_temporary;
    const CString m_aside;
    const bool m_keepOld;     // not the last of its group: the old file waits aside until the group is in
    bool m_created = false;   // the temporary exists
    bool m_setAside = false;  // the old file waits at m_aside
    bool m_placed = false;    // the new contents are at the file's path
};

bool PlaceAll(std::vector<CPlacing>& placings, CString* error)
{
    for (CPlacing& placing : placings)
        if (!placing.WriteTemporary(error))
            return false;
    for (CPlacing& placing : placings)
        if (!placing.PutInPlace(error))
            return false;
    return true;
}

// Every old file goes back before any temporary goes: cut off midway, the group still shows unfinished.
void PutAllBack(std::vector<CPlacing>& placings, CString* error)
{
    for (auto placing = placings.rbegin(); placing != placings.rend(); ++placing)
    {
        try
        {
            placing->PutBack(error);
        }
        catch (const std::bad_alloc&)
        {
            // The old file is back or waits aside all the same; only the words about it are lost.
        }
    }
    for (CPlacing& placing : placings)
        placing.RemoveTemporary();
}

// The old file of a group cut off before it was all in goes back over the new one.
bool PutAsideBack(const CString& path)
{
    const CString aside = SetAsidePathOf(path);
    return !Exists(aside) || MoveOver(aside, path);
}

}  // namespace

CString TemporaryPathOf(const char* path) { return CString(path) + ".tmp"; }

CString SetAsidePathOf(const char* path) { return CString(path) + ".tmo"; }

bool ReplaceFilesTogether(const std::vector<NewFileContents>& files, CString* error)
{
    std::vector<CPlacing> placings;
    try
    {
        placings.reserve(files.size());
        for (const NewFileContents& file : files)
            placings.emplace_back(file, placings.size() + 1 < files.size());
        if (PlaceAll(placings, error))
        {
            for (CPlacing& placing : placings)
                placing.Settle();
            return true;
        }
    }
    catch (const std::bad_alloc&)
    {
        *error = "not enough memory";
    }
    PutAllBack(placings, error);
    return false;
}

void RecoverFilesTogether(const std::vector<CString>& paths)
{
    const bool unfinished =
        std::any_of(paths.begin(), paths.end(), [](const CString& path) { return IsFile(TemporaryPathOf(path)); });
    bool allBack = true;
    for (const CString& path : paths)
    {
        if (unfinished)
            allBack &= PutAsideBack(path);
        else if (SameContents(SetAsidePathOf(path), path))
            std::remove(SetAsidePathOf(path));
    }
    // Kept while an old file could not go back, so that the next try still knows the group unfinished.
    if (!allBack)
        return;
    for (const CString& path : paths)
        if (IsFile(TemporaryPathOf(path)))
            std::remove(TemporaryPathOf(path));
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
