// DiskSteps.cpp: the atomic writer's steps on the system's disk, and which steps are in use.
#include "DiskSteps.h"

#include "FileFlush.h"
#include "FileHandle.h"
#include "RunFiles.h"

#include <atomic>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <time.h>
#include <unistd.h>
#endif

namespace
{

// A C stream over a system file handle, which it then owns (closed on failure too).
#ifdef _WIN32
std::FILE* StreamOfHandle(HANDLE handle, int flags, const char* mode)
{
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
    if (descriptor == -1)
    {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* stream = _fdopen(descriptor, mode);
    if (!stream)
        _close(descriptor);
    return stream;
}
#else
std::FILE* StreamOfDescriptor(int descriptor, const char* mode)
{
    std::FILE* stream = fdopen(descriptor, mode);
    if (!stream)
        close(descriptor);
    return stream;
}
#endif

#ifdef _WIN32
std::FILE* CreateNewStream(const char* path)
{
    const HANDLE file =
        CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : StreamOfHandle(file, _O_WRONLY, "wb");
}
#else
std::FILE* CreateNewStream(const char* path)
{
    const int descriptor = open(path, O_WRONLY | O_CREAT | O_EXCL, 0644);
    return descriptor == -1 ? nullptr : StreamOfDescriptor(descriptor, "wb");
}
#endif

#ifdef _WIN32
// The rename to path was refused because a file is there: one pending deletion, which an earlier removal left
// while another program holds it, is refused as access denied.
bool IsNameTaken(DWORD code, const wchar_t* path)
{
    if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS)
        return true;
    if (code != ERROR_ACCESS_DENIED)
        return false;
    if (GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES)
        return true;
    const DWORD why = GetLastError();
    return why == ERROR_ACCESS_DENIED || why == ERROR_DELETE_PENDING;
}

// Renames the open file to a fresh name beside path, one the removal's own for its name (RunFiles.h), leaving it
// where it is when that cannot be done. It takes no memory from the heap: a removal runs where memory may have
// run out.
void RenameAside(HANDLE file, const char* path)
{
    const int kSuffix = 9;  // ".<eight hex digits>"
    const int kRoom = MAX_PATH + kSuffix + 1;
    alignas(FILE_RENAME_INFO) char buffer[sizeof(FILE_RENAME_INFO) + kRoom * sizeof(wchar_t)] = {};
    FILE_RENAME_INFO* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer);
    const int length = MultiByteToWideChar(CP_ACP, 0, path, -1, info->FileName, kRoom - kSuffix);
    if (length <= 0)
        return;
    info->ReplaceIfExists = FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>((length - 1 + kSuffix) * sizeof(wchar_t));
    const char* name = NameOf(path);
    for (int attempt = 0; attempt < kRemovedNameTries; attempt++)
    {
        swprintf(info->FileName + length - 1, kSuffix + 1, L".%08lx",
                 RemovedNameDigits(name, std::strlen(name), attempt));
        if (SetFileInformationByHandle(file, FileRenameInfo, info, sizeof(buffer)))
            return;
        if (!IsNameTaken(GetLastError(), info->FileName))
            return;
    }
}
#endif

class CSystemDiskSteps : public IDiskSteps
{
public:
    std::FILE* CreateNew(const char* path) override { return CreateNewStream(path); }
    std::size_t Write(std::FILE* file, const void* data, std::size_t size) override
    {
        return std::fwrite(data, 1, size, file);
    }
    bool MoveOver(const char* from, const char* to) override
    {
#ifdef _WIN32
        return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
#else
        return std::rename(from, to) == 0;
#endif
    }
    bool MoveIn(const char* from, const char* to) override
    {
#ifdef _WIN32
        return MoveFileExA(from, to, MOVEFILE_WRITE_THROUGH) != FALSE;
#else
        return renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0;
#endif
    }
    bool Remove(const char* path) override { return RemoveRunFile(path); }
    std::intptr_t OpenToRead(const char* path) override
    {
#ifdef _WIN32
        return reinterpret_cast<std::intptr_t>(CreateFileA(path, GENERIC_READ,
                                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                           nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
#else
        return open(path, O_RDONLY);
#endif
    }
    std::FILE* OpenRecord(const char* path, RecordAccess access) override { return OpenHeldFile(path, access); }
    bool Append(std::FILE* record, const char* text) override
    {
        const std::size_t size = std::strlen(text);
        return std::fwrite(text, 1, size, record) == size && FlushToDisk(record);
    }
    bool Rewrite(std::FILE* record, const char* text) override
    {
        return std::fseek(record, 0, SEEK_SET) == 0 && Append(record, text);
    }
    bool Cut(std::FILE* record, long size) override
    {
#ifdef _WIN32
        return _chsize(_fileno(record), size) == 0;
#else
        return ftruncate(fileno(record), size) == 0;
#endif
    }
    void Pause() override
    {
#ifdef _WIN32
        Sleep(kRunPauseMs);
#else
        const timespec pause = {0, long(kRunPauseMs) * 1000000L};
        nanosleep(&pause, nullptr);
#endif
    }
};

// Null while the system's steps are in use: set before any static object of another file may write.
std::atomic<IDiskSteps*> g_pSteps{nullptr};

}  // namespace

IDiskSteps& SystemDiskSteps()
{
    static CSystemDiskSteps steps;
    return steps;
}

CDiskStepsInUse::CDiskStepsInUse(IDiskSteps& steps) : m_pBefore(g_pSteps.exchange(&steps)) {}

CDiskStepsInUse::~CDiskStepsInUse() { g_pSteps = m_pBefore; }

IDiskSteps& DiskSteps()
{
    IDiskSteps* pSteps = g_pSteps;
    return pSteps ? *pSteps : SystemDiskSteps();
}

#ifdef _WIN32
bool RemoveRunFile(const char* path, const std::function<void()>& stage)
{
    const CFileHandle file(CreateFileA(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (!file.IsOpen())
        return false;
    if (stage)
        stage();
    // Where the rename is refused, the file is deleted under its own name, which stays while a holder keeps it.
    RenameAside(file.Get(), path);
    if (stage)
        stage();
    return true;
}

std::FILE* OpenHeldFile(const char* path, RecordAccess access)
{
    const DWORD rights = access == RecordAccess::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    const HANDLE file =
        CreateFileA(path, rights, 0, nullptr, access == RecordAccess::Create ? CREATE_NEW : OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    return access == RecordAccess::Read ? StreamOfHandle(file, _O_RDONLY, "rb") : StreamOfHandle(file, _O_RDWR, "r+b");
}

bool IsBusyError(unsigned long code) { return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION; }

bool MayHoldItAsARun(const char* path)
{
    const DWORD code = GetLastError();
    const CFileHandle shared(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    SetLastError(code);
    return !shared.IsOpen();
}
#else
bool RemoveRunFile(const char* path, const std::function<void()>&) { return std::remove(path) == 0; }

std::FILE* OpenHeldFile(const char* path, RecordAccess access)
{
    const int descriptor = access == RecordAccess::Create      ? open(path, O_RDWR | O_CREAT | O_EXCL, 0644)
                           : access == RecordAccess::ReadWrite ? open(path, O_RDWR)
                                                               : open(path, O_RDONLY);
    if (descriptor == -1)
        return nullptr;
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0)
    {
        close(descriptor);
        errno = EWOULDBLOCK;
        return nullptr;
    }
    return StreamOfDescriptor(descriptor, access == RecordAccess::Read ? "rb" : "r+b");
}

bool IsBusyError(unsigned long code) { return code == EWOULDBLOCK; }

bool MayHoldItAsARun(const char*) { return true; }
#endif
