// CStdioFile: a buffered file over a C stream, with line-by-line text reading and writing.
#pragma once

class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    explicit CStdioFile(FILE* pOpenStream);
    CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile();

    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);

    // Reads one line without its line end (LF or CR LF); FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);
    // Reads up to nMax - 1 characters of one line, keeping its newline; NULL at the end.
    virtual LPSTR ReadString(LPSTR lpsz, UINT nMax);
    virtual void WriteString(LPCSTR lpsz);

    ULONGLONG GetPosition() const;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    ULONGLONG GetLength() const;
    UINT Read(void* lpBuf, UINT nCount);
    void Write(const void* lpBuf, UINT nCount);
    void Flush();
    void Close();
    void Abort();

    FILE* m_pStream;

private:
    [[noreturn]] void ThrowStreamError() const;
};
