// DiskSteps.cpp: the atomic writer's steps on the system's disk, and which steps are in use.
#include "DiskSteps.h"

#include "FileFlush.h"

#include <atomic>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <time.h>
#include <unistd.h>
#endif

namespace
{

#ifdef _WIN32
std::FILE* CreateNewStream(const char* path)
{
    const HANDLE file =
        CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : StreamOfHandle(file, false);
}
#else
std::FILE* CreateNewStream(const char* path)
{
    const int descriptor = open(path, O_WRONLY | O_CREAT | O_EXCL, 0644);
    return descriptor == -1 ? nullptr : StreamOfDescriptor(descriptor, false);
}
#endif

#ifdef _WIN32
bool EmptyOnDisk(const char* path)
{
    const HANDLE file =
        CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool flushed = FlushFileBuffers(file) != FALSE;
    const DWORD code = GetLastError();
    CloseHandle(file);
    SetLastError(code);
    return flushed;
}
#else
bool EmptyOnDisk(const char* path)
{
    const int descriptor = open(path, O_WRONLY | O_TRUNC);
    if (descriptor == -1)
        return false;
    const bool flushed = fsync(descriptor) == 0;
    close(descriptor);
    return flushed;
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
    bool Remove(const char* path) override { return std::remove(path) == 0; }
    bool Empty(const char* path) override { return EmptyOnDisk(path); }
    bool Append(std::FILE* record, const char* text) override
    {
        const std::size_t size = std::strlen(text);
        return std::fwrite(text, 1, size, record) == size && FlushToDisk(record);
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
std::FILE* StreamOfHandle(void* handle, bool readToo)
{
    const int descriptor =
        _open_osfhandle(reinterpret_cast<intptr_t>(handle), (readToo ? _O_RDWR : _O_WRONLY) | _O_BINARY);
    if (descriptor == -1)
    {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* stream = _fdopen(descriptor, readToo ? "r+b" : "wb");
    if (!stream)
        _close(descriptor);
    return stream;
}
#else
std::FILE* StreamOfDescriptor(int descriptor, bool readToo)
{
    std::FILE* stream = fdopen(descriptor, readToo ? "r+b" : "wb");
    if (!stream)
        close(descriptor);
    return stream;
}
#endif
