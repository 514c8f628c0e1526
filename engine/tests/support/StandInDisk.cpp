// StandInDisk.cpp: the disk the atomic writer's tests put in place of the system's.
#include "StandInDisk.h"

#include "project/SystemError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#include <winternl.h>
#endif

namespace
{

void SetSystemError(int posix, unsigned long windows)
{
    errno = posix;
#ifdef _WIN32
    SetLastError(windows);
#else
    (void)windows;
#endif
}

// False, with the system's error set, when the folder cannot be written.
bool Writable(const DiskFaults& faults)
{
    if (!faults.readOnly)
        return true;
    SetSystemError(EACCES, 5 /* ERROR_ACCESS_DENIED */);
    return false;
}

// False, as the system's refusal of a removal: access denied, the system's own status behind it kept as
// Windows keeps it.
bool RefusedAsWindowsDoes(unsigned long status)
{
#ifdef _WIN32
    RtlNtStatusToDosError(static_cast<LONG>(status));
#else
    (void)status;
#endif
    SetSystemError(EACCES, 5 /* ERROR_ACCESS_DENIED */);
    return false;
}

// A line of the record handed to the system. A kill stops the program, never the machine: what the system was
// given outlives it, so waiting for each line to reach the disk itself would only slow loops of many kills.
bool PutLine(std::FILE* record, const char* text)
{
    const std::size_t size = std::strlen(text);
    return std::fwrite(text, 1, size, record) == size && std::fflush(record) == 0;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return !end.empty() && text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string NameIn(const char* path)
{
    const std::string text = path;
    const std::size_t slash = text.find_last_of("\\/");
    return slash == std::string::npos ? text : text.substr(slash + 1);
}

// Room for every step a test's runs and recoveries take, so that telling one asks no memory.
const std::size_t kStepsTold = 4096;

CStandInDisk::CStandInDisk(const DiskFaults& faults) : m_faults(faults) { m_done.reserve(kStepsTold); }

void CStandInDisk::KillIfDue(Step step)
{
    if (m_faults.killCount > 0 && (m_faults.killAt == Step::Any || m_faults.killAt == step) &&
        ++m_steps == m_faults.killCount)
    {
        m_stopped = true;
        throw Killed();
    }
}

bool CStandInDisk::TakeStep(Step step)
{
    KillIfDue(step);
    if (m_faults.goneAfter == 0 || m_moves <= m_faults.goneAfter)
        return true;
    SetSystemError(ENOENT, 3 /* ERROR_PATH_NOT_FOUND */);
    return false;
}

std::FILE* CStandInDisk::CreateNew(const char* path)
{
    if (!TakeStep(Step::Create))
        return nullptr;
    if (m_faults.beforeCreate)
        m_faults.beforeCreate(NameIn(path));
    std::FILE* file = SystemDiskSteps().CreateNew(path);
    if (file)
        m_done.push_back("create " + NameIn(path));
    return file;
}

std::size_t CStandInDisk::Write(std::FILE* file, const void* data, std::size_t size)
{
    try
    {
        if (!TakeStep(Step::Write))
            return 0;
    }
    catch (const Killed&)
    {
        std::fwrite(data, 1, size / 2, file);
        std::fflush(file);
        throw;
    }
    if (m_faults.beforeWrite)
        m_faults.beforeWrite();
    if (m_faults.room < 0)
        return std::fwrite(data, 1, size, file);
    const std::size_t fits = std::min<std::size_t>(size, static_cast<std::size_t>(m_faults.room));
    const std::size_t written = std::fwrite(data, 1, fits, file);
    m_faults.room -= static_cast<long long>(written);
    if (written == size)
        return written;
    if (m_faults.full == Full::WithError)
        SetSystemError(ENOSPC, 112 /* ERROR_DISK_FULL */);
#ifdef _WIN32
    else
        errno = EINVAL;
#endif
    return written;
}

bool CStandInDisk::MoveOver(const char* from, const char* to) { return Move(from, to, true); }

bool CStandInDisk::MoveIn(const char* from, const char* to) { return Move(from, to, false); }

bool CStandInDisk::Move(const char* from, const char* to, bool replacing)
{
    const int move = ++m_moves;
    if (!Writable(m_faults) || !TakeStep(Step::Move))
        return false;

    if (EndsWith(from, m_faults.heldInPlace) || EndsWith(to, m_faults.heldInPlace))
    {
        SetSystemError(EBUSY, 32 /* ERROR_SHARING_VIOLATION */);
        return false;
    }
    if (move == m_faults.refusedMove)
    {
        SetSystemError(EACCES, 5 /* ERROR_ACCESS_DENIED */);
        return false;
    }
    if (EndsWith(from, m_faults.deletedFirst))
        std::remove(from);
    if (m_faults.beforeMove)
        m_faults.beforeMove(NameIn(to));
    // Said before the move: a memory fault a test sets must not fail a move the system has done, which asks none.
    std::string done = "move " + NameIn(to);
    const bool moved = replacing ? SystemDiskSteps().MoveOver(from, to) : SystemDiskSteps().MoveIn(from, to);
    if (moved)
        m_done.push_back(std::move(done));
    if (moved && m_faults.afterMove)
        m_faults.afterMove(move);
    if (!moved && m_faults.afterRefusedMove)
    {
        // The writer reads why its move was refused after what the other program did.
        const unsigned long code = LastSystemError();
        m_faults.afterRefusedMove(NameIn(to));
        RestoreSystemError(code);
    }
    if (!moved || move != m_faults.doneButFails)
        return moved;
    SetSystemError(ENOMEM, 8 /* ERROR_NOT_ENOUGH_MEMORY */);
    return false;
}

bool CStandInDisk::Remove(const char* path)
{
    if (EndsWith(path, m_faults.held))
    {
        SetSystemError(EBUSY, 32 /* ERROR_SHARING_VIOLATION */);
        return false;
    }
    if (EndsWith(path, m_faults.refusedRemoval))
    {
        SetSystemError(EACCES, 5 /* ERROR_ACCESS_DENIED */);
        return false;
    }
    if (EndsWith(path, m_faults.pendingRemoval))
        return RefusedAsWindowsDoes(0xC0000056 /* STATUS_DELETE_PENDING */);
    if (EndsWith(path, m_faults.mappedRemoval))
        return RefusedAsWindowsDoes(0xC0000121 /* STATUS_CANNOT_DELETE */);
    if (m_faults.removalsStay)
        return TakeStep(Step::Remove);
    std::string done = "remove " + NameIn(path);  // said before, as a move is
    if (!Writable(m_faults) || !TakeStep(Step::Remove) || !RemoveRunFile(path, [this] { KillIfDue(Step::Removing); }))
        return false;
    m_done.push_back(std::move(done));
    return true;
}

// True, with the system's error set, where Windows refuses to open path as a file pending deletion.
bool CStandInDisk::RefusedAsPending(const char* path) const
{
    return EndsWith(path, m_faults.pendingRemoval) && !RefusedAsWindowsDoes(0xC0000056 /* STATUS_DELETE_PENDING */);
}

std::intptr_t CStandInDisk::OpenToRead(const char* path)
{
    if (m_faults.unreadable.count(NameIn(path)) > 0)
    {
        SetSystemError(EBUSY, 32 /* ERROR_SHARING_VIOLATION */);
        return -1;
    }
    return RefusedAsPending(path) ? -1 : SystemDiskSteps().OpenToRead(path);
}

std::FILE* CStandInDisk::OpenRecord(const char* path, RecordAccess access)
{
    if (RefusedAsPending(path))
        return nullptr;
    if (access == RecordAccess::Read)
        return SystemDiskSteps().OpenRecord(path, access);
    if (!Writable(m_faults) || (access == RecordAccess::Create && !TakeStep(Step::Record)))
        return nullptr;
    if (access == RecordAccess::Create && m_faults.recordRefused)
    {
        SetSystemError(EROFS, 19 /* ERROR_WRITE_PROTECT */);
        return nullptr;
    }
    if (access == RecordAccess::Create && m_faults.beforeCreate)
        m_faults.beforeCreate(NameIn(path));
    // Said before, as a move is: a memory fault a test sets must not leave the record open.
    std::string done = "open " + NameIn(path);
    std::FILE* record = SystemDiskSteps().OpenRecord(path, access);
    if (record && access == RecordAccess::ReadWrite)
        m_done.push_back(std::move(done));
    return record;
}

bool CStandInDisk::Cut(std::FILE* record, long size)
{
    if (!TakeStep(Step::Record))
        return false;
    if (m_faults.cutRefused)
    {
        SetSystemError(EIO, 29 /* ERROR_WRITE_FAULT */);
        return false;
    }
    return SystemDiskSteps().Cut(record, size);
}

bool CStandInDisk::Append(std::FILE* record, const char* text)
{
    if (!TakeStep(Step::Record))
        return false;
    if (!m_faults.killedLine.empty() &&
        std::strncmp(text, m_faults.killedLine.c_str(), m_faults.killedLine.size()) == 0)
    {
        m_stopped = true;
        throw Killed();
    }
    if (!m_faults.refusedLine.empty() &&
        std::strncmp(text, m_faults.refusedLine.c_str(), m_faults.refusedLine.size()) == 0)
    {
        // Half of it goes in, as a write the drive stops part way leaves it.
        std::fwrite(text, 1, std::strlen(text) / 2, record);
        std::fflush(record);
        SetSystemError(EIO, 29 /* ERROR_WRITE_FAULT */);
        return false;
    }
    if (!PutLine(record, text))
        return false;
    const std::size_t size = std::strlen(text);
    m_done.push_back("record " + std::string(text, size - (size > 0 && text[size - 1] == '\n')));
    return true;
}

bool CStandInDisk::Rewrite(std::FILE* record, const char* text)
{
    try
    {
        if (!TakeStep(Step::Record))
            return false;
    }
    catch (const Killed&)
    {
        std::fseek(record, 0, SEEK_SET);
        std::fwrite(text, 1, std::strlen(text) / 2, record);
        std::fflush(record);
        throw;
    }
    if (std::fseek(record, 0, SEEK_SET) != 0 || !PutLine(record, text))
        return false;
    m_done.push_back("rewrite");
    return true;
}

std::set<std::string> NamesMade(const std::vector<std::string>& done)
{
    std::set<std::string> names;
    for (const std::string& step : done)
        if (step.rfind("create ", 0) == 0 || step.rfind("move ", 0) == 0)
            names.insert(step.substr(step.find(' ') + 1));
    return names;
}

std::vector<std::string> NamesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void CStandInDisk::Pause()
{
    m_pauses++;
    if (m_faults.onPause)
        m_faults.onPause();
}
