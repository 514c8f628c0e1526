// SaveFaults.cpp: the stand-in disk, linked in place of the writer's own call to the disk, and a file
// held by another program.
#include "SaveFaults.h"

#include "project/FileWrite.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

// Bytes the stand-in disk still takes; negative: as many as the real disk takes.
long long g_room = -1;

}  // namespace

// A full disk writes short and gives no error, as Wine's does.
std::size_t WriteToFile(std::FILE* file, const void* data, std::size_t size)
{
    if (g_room < 0)
        return std::fwrite(data, 1, size, file);
    const std::size_t written = std::fwrite(data, 1, std::min<std::size_t>(size, std::size_t(g_room)), file);
    g_room -= static_cast<long long>(written);
    return written;
}

CNearlyFullDisk::CNearlyFullDisk(long long room) { g_room = room; }

CNearlyFullDisk::~CNearlyFullDisk() { g_room = -1; }

CHeldOpen::CHeldOpen(const char* path)
    : m_hFile(::CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
{
    EXPECT_NE(INVALID_HANDLE_VALUE, m_hFile) << path;
}

CHeldOpen::~CHeldOpen()
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        ::CloseHandle(m_hFile);
}
