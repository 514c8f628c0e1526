// SaveFaults.cpp: a file held by another program.
#include "SaveFaults.h"

#include <windows.h>

#include <gtest/gtest.h>

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
