// DiskState.cpp: what the disk holds at a path, as the atomic writer and its recovery ask it.
#include "DiskState.h"

#include "DiskSteps.h"
#include "FileHandle.h"
#include "RunFiles.h"
#include "SystemError.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

#ifdef _WIN32
#include <windows.h>
#include <winternl.h>

extern "C" __declspec(dllimport) LONG NTAPI RtlGetLastNtStatus(void);
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{

const std::size_t kReadBlock = 16 * 1024;

#ifdef _WIN32
const LONG kStatusDeletePending = static_cast<LONG>(0xC0000056);
const LONG kStatusCannotDelete = static_cast<LONG>(0xC0000121);
#endif

// The system keeps the status of its last failure until another fails, whatever succeeded since: forgotten
// before a step, none is read that the step did not leave.
void ForgetSystemStatus()
{
#ifdef _WIN32
    RtlNtStatusToDosError(0);
#endif
}

// The opening or look the system just refused was of a file pending deletion: Windows refuses every one as
// access denied, its own status saying why.
bool RefusedAsGoing()
{
#ifdef _WIN32
    return GetLastError() == ERROR_ACCESS_DENIED && RtlGetLastNtStatus() == kStatusDeletePending;
#else
    return false;
#endif
}

enum class Kind
{
    File,
    Folder,
    Absent,
    Unknown,
    Going,  // pending deletion
};

// A name that is not there counts as absent only where its folder is: a drive gone, or a folder taken
// away, says nothing of the files that were in it.
Kind AbsentIfFolderIsThere(const char* path, unsigned long code)
{
    if (FolderReached(path))
        return Kind::Absent;
    RestoreSystemError(code);
    return Kind::Unknown;
}

Kind KindOf(const char* path)
{
#ifdef _WIN32
    ForgetSystemStatus();
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Kind::Folder : Kind::File;
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND)
        return AbsentIfFolderIsThere(path, code);
    return RefusedAsGoing() ? Kind::Going : Kind::Unknown;
#else
    struct stat info;
    if (stat(path, &info) == 0)
        return S_ISREG(info.st_mode) ? Kind::File : Kind::Folder;
    const unsigned long code = static_cast<unsigned long>(errno);
    return errno == ENOENT ? AbsentIfFolderIsThere(path, code) : Kind::Unknown;
#endif
}

// Sums the whole file; false with the system's error set when it cannot be read.
template <class Sum>
bool SumFile(const char* path, Sum* sum)
{
    // On the stack: settling a run asks no memory of the heap.
    std::array<char, kReadBlock> block;
    ForgetSystemStatus();
#ifdef _WIN32
    const CFileHandle file(reinterpret_cast<HANDLE>(DiskSteps().OpenToRead(path)));
    if (!file.IsOpen())
        return false;
    DWORD read = 0;
    BOOL ok = TRUE;
    while ((ok = ReadFile(file.Get(), block.data(), static_cast<DWORD>(block.size()), &read, nullptr)) && read > 0)
        sum->Add(block.data(), read);
    return ok != FALSE;
#else
    const int file = static_cast<int>(DiskSteps().OpenToRead(path));
    if (file == -1)
        return false;
    ssize_t read = 0;
    while ((read = ::read(file, block.data(), block.size())) > 0)
        sum->Add(block.data(), static_cast<std::size_t>(read));
    const int code = errno;
    close(file);
    errno = code;
    return read == 0;
#endif
}

}  // namespace

bool IsFolder(const char* path)
{
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
#else
    struct stat info;
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
#endif
}

bool FolderReached(const char* path)
{
    // Asked without memory from the heap: a run that got its files in settles them even when memory is short.
    char folder[4096] = ".";
    const std::size_t length = static_cast<std::size_t>(NameOf(path) - path);
    if (length >= sizeof folder)
        return false;
    if (length > 0)
    {
        std::memcpy(folder, path, length);
        folder[length] = '\0';
    }
    return IsFolder(folder);
}

namespace
{

const std::uint64_t kSumPrime = 1099511628211ull;

// Each word changes every bit of the sum that follows, its high bits the low ones too.
std::uint64_t Mixed(std::uint64_t sum, std::uint64_t word)
{
    sum = (sum ^ word) * kSumPrime;
    return sum ^ (sum >> 29);
}

std::uint64_t WordAt(const unsigned char* bytes)
{
    std::uint64_t word = 0;
    for (int i = 7; i >= 0; i--)
        word = word << 8 | bytes[i];
    return word;
}

}  // namespace

void CContentSum::Add(const void* data, std::size_t size)
{
    const unsigned char* byte = static_cast<const unsigned char*>(data);
    m_size += size;
    while (m_pendingSize > 0 && size > 0)
    {
        m_pending[m_pendingSize++] = *byte++;
        size--;
        if (m_pendingSize < sizeof m_pending)
            continue;
        m_sum = Mixed(m_sum, WordAt(m_pending));
        m_pendingSize = 0;
    }
    for (; size >= sizeof m_pending; byte += sizeof m_pending, size -= sizeof m_pending)
        m_sum = Mixed(m_sum, WordAt(byte));
    std::memcpy(m_pending, byte, size);
    m_pendingSize += size;
}

ContentProof CContentSum::Proof() const
{
    std::uint64_t sum = m_sum;
    for (std::size_t i = 0; i < m_pendingSize; i++)
        sum = Mixed(sum, m_pending[i]);
    return {m_size, sum};
}

bool ProofOf(const char* path, ContentProof* proof)
{
    CContentSum sum;
    if (!SumFile(path, &sum))
        return false;
    *proof = sum.Proof();
    return true;
}

namespace
{

// Sums a file a run wrote a block at a time as it is read, and how long the proofs the run announced let it
// be. A kill leaves every byte the run wrote before it announced its last block: the run's file is the last
// proof's whole, or begins as the proof before it and ends within the last, never further past that proof than
// its own bytes nor than a block, however long a block an earlier designer announced. A file that matches only
// an earlier proof stopped short of what the run wrote, as a user's that shares its first bytes does.
class CWrittenReach
{
public:
    explicit CWrittenReach(const std::vector<ContentProof>& written)
        : m_written(written), m_first(written.size() < 2 ? 0 : written.size() - 2)
    {
    }
    void Add(const void* data, std::size_t size)
    {
        const char* bytes = static_cast<const char*>(data);
        while (size > 0)
        {
            const std::size_t part =
                static_cast<std::size_t>(std::min<std::uint64_t>(size, NextMark() - m_sum.Proof().size));
            m_sum.Add(bytes, part);
            bytes += part;
            size -= part;
            Reached();
        }
    }
    ContentProof Proof() const { return m_sum.Proof(); }
    bool Within() const { return m_sum.Proof().size <= m_reach; }

private:
    // The nearest size one of the last proofs names beyond the bytes summed so far.
    std::uint64_t NextMark() const
    {
        const std::uint64_t at = m_sum.Proof().size;
        std::uint64_t next = UINT64_MAX;
        for (std::size_t i = m_first; i < m_written.size(); i++)
            if (m_written[i].size > at)
                next = std::min(next, m_written[i].size);
        return next;
    }
    // The furthest a block begun at a proof may reach: the writer doubles its blocks up to a piece block.
    static std::uint64_t Past(std::uint64_t proven)
    {
        return proven + std::min(std::max<std::uint64_t>(proven, 1), kLongestBlock);
    }
    void Reached()
    {
        const ContentProof now = m_sum.Proof();
        for (std::size_t i = m_first; i < m_written.size(); i++)
            if (m_written[i] == now)
                m_reach = std::max(m_reach, i + 1 < m_written.size() ? std::min(m_written[i + 1].size, Past(now.size))
                                                                     : now.size);
    }

    const std::vector<ContentProof>& m_written;
    const std::size_t m_first;  // the proof before the last announced, or the last where it is the only one
    CContentSum m_sum;
    std::uint64_t m_reach = 0;  // none past the bytes proven: a short file that matches no proof is no run's
};

// A file that could not be read: pending deletion, or unknown with the system's error in *code.
Standing Unread(unsigned long* code)
{
    if (RefusedAsGoing())
        return Standing::Going;
    *code = LastSystemError();
    return Standing::Unknown;
}

// What stands at path, its bytes read once through sum; proven tells whether the sum proves the file the run's.
template <class Sum, class Proven>
Standing StandingBy(const char* path, Sum& sum, const Proven& proven, unsigned long* code)
{
    switch (KindOf(path))
    {
    case Kind::Absent:
        return Standing::Absent;
    case Kind::Folder:
        return Standing::Other;
    case Kind::Unknown:
    case Kind::Going:
        return Unread(code);
    case Kind::File:
        break;
    }
    if (!SumFile(path, &sum))
        return Unread(code);
    if (sum.Proof().size == 0)
        return Standing::Empty;
    return proven() ? Standing::Proven : Standing::Other;
}

}  // namespace

Standing StandingOfWritten(const char* path, const std::vector<ContentProof>& written, unsigned long* code)
{
    CWrittenReach sum(written);
    return StandingBy(
        path, sum, [&] { return sum.Within(); }, code);
}

bool IsReadOnlyFile(const char* path)
{
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
#else
    struct stat info;
    if (stat(path, &info) != 0)
        return false;
    // access() lets the superuser write anything, so the mode counts too.
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path, W_OK) != 0;
#endif
}

bool Exists(const char* path)
{
#ifdef _WIN32
    // Windows refuses every look at a file pending deletion, whose name stays until its holder lets go.
    ForgetSystemStatus();
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES || RefusedAsGoing();
#else
    struct stat info;
    return stat(path, &info) == 0;
#endif
}

namespace
{

bool Moved(const char* from, const char* to, bool replacing, CString* why)
{
    const bool toFree = !Exists(to);
    if (replacing ? DiskSteps().MoveOver(from, to) : DiskSteps().MoveIn(from, to))
        return true;
    // A folder gone as the move was made is what failed it, whatever the system calls it: Wine, the move done,
    // says "not enough memory" when it cannot find the file's new path.
    unsigned long code = LastSystemError();
    if (!FolderReached(to))
        code = PathNotFoundError();
    *why = SystemErrorText(code);
    const bool done = toFree && !Exists(from) && Exists(to);
    RestoreSystemError(code);
    return done;
}

}  // namespace

bool MovedOver(const char* from, const char* to, CString* why) { return Moved(from, to, true, why); }

bool MovedIn(const char* from, const char* to, CString* why) { return Moved(from, to, false, why); }

bool NameTaken()
{
    const unsigned long code = LastSystemError();
#ifdef _WIN32
    return code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS;
#else
    return code == EEXIST;
#endif
}

bool IsHeldOpen(const char* path)
{
#ifdef _WIN32
    const CFileHandle file(CreateFileA(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return !file.IsOpen() && IsHeldFileError(GetLastError());
#else
    (void)path;
    return false;
#endif
}

bool WaitsForAHolder(const char* path)
{
#ifdef _WIN32
    const CFileHandle file(CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.IsOpen())
        return false;
    const DWORD code = GetLastError();
    return IsHeldFileError(code) || code == ERROR_ACCESS_DENIED;
#else
    (void)path;
    return false;
#endif
}

namespace
{

// A removal the system refused as access denied, where its own status says the file is another program's to
// let go: one pending deletion (a removal taken before, a kill between its stages, while that program holds
// it) stays until then; one that program maps, not read-only, cannot go till it unmaps it. Wine refuses
// neither.
void TellRefusedRemoval(const char* path, bool* stays)
{
#ifdef _WIN32
    if (GetLastError() != ERROR_ACCESS_DENIED)
        return;
    const LONG status = RtlGetLastNtStatus();
    *stays = status == kStatusDeletePending;
    if (status != kStatusCannotDelete)
        return;
    const DWORD attributes = GetFileAttributesA(path);
    const bool mapped = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) == 0;
    SetLastError(mapped ? ERROR_USER_MAPPED_FILE : ERROR_ACCESS_DENIED);
#else
    (void)path;
    (void)stays;
#endif
}

}  // namespace

bool Removed(const char* path, bool* stays)
{
    *stays = false;
    ForgetSystemStatus();
    if (DiskSteps().Remove(path))
    {
        *stays = Exists(path);
        return !*stays;
    }
    TellRefusedRemoval(path, stays);
    return false;
}

Seen SeenAt(const char* path)
{
    Seen seen;
    switch (KindOf(path))
    {
    case Kind::Absent:
        return seen;
    case Kind::Folder:
        seen.kind = Seen::Kind::Folder;
        return seen;
    case Kind::Unknown:
    case Kind::Going:
        break;
    case Kind::File:
        if (ProofOf(path, &seen.proof))
        {
            seen.kind = Seen::Kind::File;
            return seen;
        }
        break;
    }
    seen.kind = RefusedAsGoing() ? Seen::Kind::Going : Seen::Kind::Unknown;
    seen.code = LastSystemError();
    return seen;
}

namespace
{

#ifdef _WIN32
// A search of a folder's names, ended when it goes.
class CFolderSearch
{
public:
    CFolderSearch(const char* pattern, WIN32_FIND_DATAA* found) : m_search(FindFirstFileA(pattern, found)) {}
    ~CFolderSearch()
    {
        if (Found())
            FindClose(m_search);
    }
    CFolderSearch(const CFolderSearch&) = delete;
    CFolderSearch& operator=(const CFolderSearch&) = delete;

    bool Found() const { return m_search != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA* found) const { return FindNextFileA(m_search, found) != FALSE; }

private:
    HANDLE m_search;
};

// Deletes the named file of the folder where it is a run's leftover. Under a fresh name already, it goes at
// once, or when its holder lets go.
void DeleteIfALeftover(const char* folder, std::size_t length, const WIN32_FIND_DATAA& found)
{
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !IsRemovedRunFileName(found.cFileName))
        return;
    char path[MAX_PATH];
    const std::size_t name = std::strlen(found.cFileName);
    if (length + name >= sizeof path)
        return;
    std::memcpy(path, folder, length);
    std::memcpy(path + length, found.cFileName, name + 1);
    DeleteFileA(path);
}
#endif

}  // namespace

std::vector<CString> FileNamesBeside(const char* record)
{
    const CString folder(record, static_cast<int>(NameOf(record) - record));
    std::vector<CString> names;
#ifdef _WIN32
    WIN32_FIND_DATAA found;
    const CFolderSearch search(folder + "*", &found);
    if (search.Found())
        do
        {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                names.emplace_back(found.cFileName);
        } while (search.Next(&found));
#else
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(folder.IsEmpty() ? "." : folder.GetString()), closedir);
    if (listing)
        while (const dirent* entry = readdir(listing.get()))
        {
            struct stat info;
            if (stat(folder + entry->d_name, &info) == 0 && S_ISREG(info.st_mode))
                names.emplace_back(entry->d_name);
        }
#endif
    std::sort(names.begin(), names.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    return names;
}

void RemoveRunLeftoversBeside(const char* record)
{
#ifdef _WIN32
    // Asked without memory from the heap, as the recovery it goes with.
    char pattern[MAX_PATH];
    const std::size_t length = static_cast<std::size_t>(NameOf(record) - record);
    if (length + 2 > sizeof pattern)
        return;
    std::memcpy(pattern, record, length);
    std::memcpy(pattern + length, "*", 2);
    WIN32_FIND_DATAA found;
    const CFolderSearch search(pattern, &found);
    if (!search.Found())
        return;
    do
    {
        DeleteIfALeftover(record, length, found);
    } while (search.Next(&found));
#else
    (void)record;
#endif
}
