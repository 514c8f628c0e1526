// CArchive: the byte buffer between values and the file, counts, strings and text lines.
#include "afx.h"

namespace
{

const UINT kMinBufferSize = 128;

}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void*)
    : m_pDocument(NULL), m_pFile(pFile), m_nMode(nMode), m_nBufPos(0), m_nBufEnd(0), m_bEndOfFile(FALSE),
      m_nObjectSchema((UINT)-1)
{
    if (pFile == NULL)
        AfxThrowInvalidArgException();
    m_buffer.resize(std::max<UINT>(kMinBufferSize, nBufSize > 0 ? (UINT)nBufSize : 0));
    m_strFileName = pFile->GetFilePath();
    m_loadArray.push_back({LoadedKind::none, NULL, 0});  // index 0 is the null reference
}

CArchive::~CArchive()
{
    if (m_pFile == NULL || (m_nMode & bNoFlushOnDelete))
        return;
    try
    {
        Close();
    }
    catch (CException* e)
    {
        e->Delete();  // a destructor cannot report the failure; call Close to see it
    }
}

void CArchive::CheckLoading() const
{
    if (m_pFile == NULL)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    if (IsStoring())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
}

void CArchive::CheckStoring() const
{
    if (m_pFile == NULL)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    if (IsLoading())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
}

UINT CArchive::GetObjectSchema()
{
    UINT nResult = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return nResult;
}

// Moves the unread bytes to the front and reads from the file until
// nBytesNeeded are buffered or the file ends.
void CArchive::FillBuffer(UINT nBytesNeeded)
{
    UINT nUnread = m_nBufEnd - m_nBufPos;
    std::memmove(m_buffer.data(), m_buffer.data() + m_nBufPos, nUnread);
    m_nBufPos = 0;
    m_nBufEnd = nUnread;
    UINT nWanted = std::min<UINT>(nBytesNeeded, (UINT)m_buffer.size());
    while (m_nBufEnd < nWanted && !m_bEndOfFile)
    {
        UINT nRead = m_pFile->Read(m_buffer.data() + m_nBufEnd, (UINT)m_buffer.size() - m_nBufEnd);
        if (nRead == 0)
            m_bEndOfFile = TRUE;
        m_nBufEnd += nRead;
    }
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    if (nMax == 0)
        return 0;
    if (lpBuf == NULL)
        AfxThrowInvalidArgException();
    BYTE* pOut = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nMax)
    {
        if (m_nBufPos == m_nBufEnd)
        {
            FillBuffer(nMax - nDone);
            if (m_nBufPos == m_nBufEnd)
                break;
        }
        UINT nCopy = std::min(nMax - nDone, m_nBufEnd - m_nBufPos);
        std::memcpy(pOut + nDone, m_buffer.data() + m_nBufPos, nCopy);
        m_nBufPos += nCopy;
        nDone += nCopy;
    }
    return nDone;
}

void CArchive::EnsureRead(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    if (nMax == 0)
        return;
    if (lpBuf == NULL)
        AfxThrowInvalidArgException();
    const BYTE* pIn = static_cast<const BYTE*>(lpBuf);
    while (nMax > 0)
    {
        if (m_nBufEnd == m_buffer.size())
            Flush();
        UINT nCopy = std::min(nMax, (UINT)m_buffer.size() - m_nBufEnd);
        std::memcpy(m_buffer.data() + m_nBufEnd, pIn, nCopy);
        m_nBufEnd += nCopy;
        pIn += nCopy;
        nMax -= nCopy;
    }
}

// Storing: writes the buffered bytes to the file. Loading: hands the bytes
// read ahead back to the file, so that it stands just after the last value read.
void CArchive::Flush()
{
    if (m_pFile == NULL)
        return;
    if (IsLoading())
    {
        UINT nUnread = m_nBufEnd - m_nBufPos;
        m_nBufPos = m_nBufEnd = 0;
        m_bEndOfFile = FALSE;
        if (nUnread > 0)
            m_pFile->Seek(-(LONGLONG)nUnread, CFile::current);
        return;
    }
    UINT nPending = m_nBufEnd;
    m_nBufEnd = 0;
    if (nPending > 0)
        m_pFile->Write(m_buffer.data(), nPending);
}

void CArchive::Close()
{
    Flush();
    m_pFile = NULL;
}

void CArchive::Abort()
{
    m_pFile = NULL;
    m_nBufPos = m_nBufEnd = 0;
}

CArchive& CArchive::operator<<(bool b)
{
    BYTE byValue = b ? 1 : 0;
    Write(&byValue, 1);
    return *this;
}

CArchive& CArchive::operator>>(bool& b)
{
    BYTE byValue = 0;
    EnsureRead(&byValue, 1);
    b = byValue != 0;
    return *this;
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount = 0;
    *this >> wCount;
    if (wCount != 0xFFFF)
        return wCount;
    DWORD dwCount = 0;
    *this >> dwCount;
    return dwCount;
}

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF)
    {
        *this << (WORD)dwCount;
        return;
    }
    if (((ULONGLONG)dwCount >> 32) != 0)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    *this << (WORD)0xFFFF << (DWORD)dwCount;
}

void CArchive::WriteString(LPCSTR lpsz)
{
    if (lpsz == NULL)
        AfxThrowInvalidArgException();
    Write(lpsz, (UINT)std::strlen(lpsz));
}

// Reads up to nMax - 1 characters of a line, stopping after its LF; a CR LF
// end is stored as a single LF.
LPSTR CArchive::ReadString(LPSTR lpsz, UINT nMax)
{
    if (lpsz == NULL || nMax == 0)
        AfxThrowInvalidArgException();
    UINT nLength = 0;
    char ch = 0;
    while (nLength + 1 < nMax && Read(&ch, 1) == 1)
    {
        lpsz[nLength++] = ch;
        if (ch == '\n')
            break;
    }
    lpsz[nLength] = '\0';
    if (nLength == 0)
        return NULL;
    if (nLength >= 2 && lpsz[nLength - 2] == '\r' && lpsz[nLength - 1] == '\n')
    {
        lpsz[nLength - 2] = '\n';
        lpsz[nLength - 1] = '\0';
    }
    return lpsz;
}

BOOL CArchive::ReadString(CString& rString)
{
    rString.Empty();
    char ch = 0;
    bool bReadAny = false;
    while (Read(&ch, 1) == 1)
    {
        bReadAny = true;
        if (ch == '\n')
            break;
        rString.AppendChar(ch);
    }
    if (ch == '\n' && rString.GetLength() > 0 && rString[rString.GetLength() - 1] == '\r')
        rString.Delete(rString.GetLength() - 1);
    return bReadAny;
}

// The length comes first: one byte below 0xFF, else 0xFF and a WORD below
// 0xFFFE, else 0xFF, 0xFFFF and a DWORD.
CArchive& operator<<(CArchive& ar, const CString& str)
{
    DWORD nLength = (DWORD)str.GetLength();
    if (nLength < 0xFF)
        ar << (BYTE)nLength;
    else if (nLength < 0xFFFE)
        ar << (BYTE)0xFF << (WORD)nLength;
    else
        ar << (BYTE)0xFF << (WORD)0xFFFF << nLength;
    ar.Write((LPCSTR)str, nLength);
    return ar;
}

// A damaged length cannot make the string claim more memory than the data
// it actually finds: the text is read in chunks.
CArchive& operator>>(CArchive& ar, CString& str)
{
    BYTE bLength = 0;
    ar >> bLength;
    DWORD nLength = bLength;
    if (bLength == 0xFF)
    {
        WORD wLength = 0;
        ar >> wLength;
        nLength = wLength;
        if (wLength == 0xFFFE)  // the mark of a wide-character string, which this build never writes
            AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
        if (wLength == 0xFFFF)
            ar >> nLength;
    }
    CString strText;
    char chunk[1024];
    for (DWORD nLeft = nLength; nLeft > 0;)
    {
        UINT nPart = (UINT)std::min<DWORD>(nLeft, sizeof(chunk));
        ar.EnsureRead(chunk, nPart);
        strText.Append(chunk, (int)nPart);
        nLeft -= nPart;
    }
    str = std::move(strText);
    return ar;
}
