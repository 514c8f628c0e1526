// FileHandle.h: a system file handle, closed when it goes. Windows only.
//
// Classes: CFileHandle.
#pragma once

#ifdef _WIN32
#include <windows.h>

class CFileHandle
{
public:
    explicit CFileHandle(HANDLE handle) : m_handle(handle) {}
    // The system's error stays what the last step set: a caller reads it after the handle went.
    ~CFileHandle()
    {
        if (!IsOpen())
            return;
        const DWORD code = GetLastError();
        CloseHandle(m_handle);
        SetLastError(code);
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};
#endif
