// CMemFile: a file held in memory, growing as it is written.
#pragma once

class CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    // Works on the caller's buffer; with nGrowBytes 0 it never grows past it.
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile();

    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Hands the buffer to the caller, who then frees it with free().
    BYTE* Detach();

    ULONGLONG GetPosition() const;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    ULONGLONG GetLength() const;
    void SetLength(ULONGLONG dwNewLen);
    UINT Read(void* lpBuf, UINT nCount);
    void Write(const void* lpBuf, UINT nCount);
    void Flush();
    void Close();
    void Abort();

private:
    void GrowFile(SIZE_T dwNewLen);

    UINT m_nGrowBytes;
    SIZE_T m_nPosition;
    SIZE_T m_nBufferSize;
    SIZE_T m_nFileSize;
    BYTE* m_lpBuffer;
    BOOL m_bAutoDelete;
};
