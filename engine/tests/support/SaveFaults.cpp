// SaveFaults.cpp: a file held by another program.
#include "SaveFaults.h"

#include <windows.h>

#include <gtest/gtest.h>

CHeldOpen::CHeldOpen(const char* path, unsigned long share, HeldName name)
    : m_hFile(::CreateFileA(path, GENERIC_READ, share, nullptr,
                            name == HeldName::MadeIfMissing ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr))
{
    EXPECT_NE(INVALID_HANDLE_VALUE, m_hFile) << path;
}

bool CHeldOpen::IsHeld() const { return m_hFile != INVALID_HANDLE_VALUE; }

void CHeldOpen::Release()
{
    if (IsHeld())
        ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}
