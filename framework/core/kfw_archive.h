// CArchive: buffered binary serialisation of values, strings and object graphs over a CFile.
#pragma once

#include <type_traits>
#include <unordered_map>
#include <vector>

class CDocument;

class CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2,
        bNoByteSwap = 4
    };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = NULL);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    BOOL IsBufferEmpty() const { return m_nBufPos == m_nBufEnd; }
    CFile* GetFile() const { return m_pFile; }

    // The schema of the object being loaded; a second call gives (UINT)-1.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Raw bytes. Read returns fewer at the end of the data; EnsureRead throws.
    UINT Read(void* lpBuf, UINT nMax);
    void EnsureRead(void* lpBuf, UINT nCount);
    void Write(const void* lpBuf, UINT nMax);
    void Flush();
    void Close();
    void Abort();

    // Text lines: WriteString writes no line end of its own; ReadString
    // drops a trailing LF or CR LF and gives FALSE at the end of the data.
    void WriteString(LPCSTR lpsz);
    LPSTR ReadString(LPSTR lpsz, UINT nMax);
    BOOL ReadString(CString& rString);

    // Object graphs: each object and class is written once and referred to by index after that.
    CObject* ReadObject(const CRuntimeClass* pClass);
    void WriteObject(const CObject* pOb);
    void MapObject(const CObject* pOb);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = NULL, UINT* pSchema = NULL,
                             DWORD* pObTag = NULL);
    void WriteClass(const CRuntimeClass* pClassRef);
    void SerializeClass(const CRuntimeClass* pClassRef);

    // Element counts: a WORD, or 0xFFFF and a DWORD.
    DWORD_PTR ReadCount();
    void WriteCount(DWORD_PTR dwCount);

    // Numbers are stored in their in-memory form, least significant byte first.
    template <class T, class = std::enable_if_t<std::is_arithmetic_v<T> || std::is_enum_v<T>>>
    CArchive& operator<<(T value)
    {
        Write(&value, sizeof(T));
        return *this;
    }
    template <class T, class = std::enable_if_t<std::is_arithmetic_v<T> || std::is_enum_v<T>>>
    CArchive& operator>>(T& value)
    {
        EnsureRead(&value, sizeof(T));
        return *this;
    }
    CArchive& operator<<(bool b);
    CArchive& operator>>(bool& b);

    CArchive& operator<<(const CObject* pOb)
    {
        WriteObject(pOb);
        return *this;
    }
    CArchive& operator>>(CObject*& pOb)
    {
        pOb = ReadObject(NULL);
        return *this;
    }
    CArchive& operator>>(const CObject*& pOb)
    {
        pOb = ReadObject(NULL);
        return *this;
    }

    CString m_strFileName;
    CDocument* m_pDocument;

private:
    enum class LoadedKind
    {
        none,
        classRef,
        object
    };
    struct LoadedEntry
    {
        LoadedKind kind;
        void* pointer;
        UINT nSchema;  // of a class entry
    };

    void FillBuffer(UINT nBytesNeeded);
    void CheckLoading() const;
    void CheckStoring() const;
    void WriteTag(DWORD nIndex, bool bClass);
    DWORD AddStoreEntry(const void* pKey);
    DWORD AddLoadEntry(LoadedKind kind, void* pointer, UINT nSchema);
    CRuntimeClass* LoadNewClass(UINT& nSchema);
    CRuntimeClass* ReadTag(DWORD& obTag, UINT& nSchema);
    const LoadedEntry& LoadedAt(DWORD nIndex, LoadedKind kind) const;
    CObject* LoadNewObject(CRuntimeClass* pClassRef, UINT nSchema);

    CFile* m_pFile;
    UINT m_nMode;
    std::vector<BYTE> m_buffer;
    UINT m_nBufPos;     // next byte to read from the buffer
    UINT m_nBufEnd;     // end of the loaded or stored bytes in the buffer
    BOOL m_bEndOfFile;  // the file gave its last byte
    UINT m_nObjectSchema;
    std::unordered_map<const void*, DWORD> m_storeMap;  // object or class -> index
    std::vector<LoadedEntry> m_loadArray;               // index -> object or class
};

CArchive& operator<<(CArchive& ar, const CString& str);
CArchive& operator>>(CArchive& ar, CString& str);
