// CString: construction, searching, editing, trimming and formatting.
#include "afx.h"

#include <algorithm>
#include <cctype>

namespace
{

bool IsSpace(char ch) { return std::isspace((unsigned char)ch) != 0; }

bool InSet(LPCSTR lpszSet, char ch) { return ch != '\0' && lpszSet != NULL && std::strchr(lpszSet, ch) != NULL; }

int SafeLength(LPCSTR lpsz) { return lpsz == NULL ? 0 : (int)std::strlen(lpsz); }

}  // namespace

CString::CString(LPCSTR lpsz) : m_str(lpsz == NULL ? "" : lpsz) {}

CString::CString(LPCSTR lpch, int nLength)
{
    if (lpch != NULL && nLength > 0)
        m_str.assign(lpch, (size_t)nLength);
}

CString::CString(const unsigned char* lpsz) : CString(reinterpret_cast<LPCSTR>(lpsz)) {}

CString::CString(char ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign((size_t)nRepeat, ch);
}

CString& CString::operator=(LPCSTR lpsz)
{
    if (lpsz == NULL)
        m_str.clear();
    else
        m_str.assign(lpsz);  // std::string copes with lpsz pointing into itself
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    return m_str[(size_t)nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    m_str[(size_t)nIndex] = ch;
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(LPCSTR lpsz)
{
    Append(lpsz);
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

void CString::Append(LPCSTR lpsz)
{
    if (lpsz != NULL)
        m_str.append(lpsz);
}

void CString::Append(LPCSTR lpch, int nLength)
{
    if (lpch != NULL && nLength > 0)
        m_str.append(lpch, (size_t)nLength);
}

void CString::AppendChar(char ch) { m_str += ch; }

int CString::Compare(LPCSTR lpsz) const { return std::strcmp(m_str.c_str(), lpsz == NULL ? "" : lpsz); }

int CString::CompareNoCase(LPCSTR lpsz) const { return _stricmp(m_str.c_str(), lpsz == NULL ? "" : lpsz); }

int CString::Collate(LPCSTR lpsz) const { return std::strcoll(m_str.c_str(), lpsz == NULL ? "" : lpsz); }

int CString::CollateNoCase(LPCSTR lpsz) const
{
    CString left(*this);
    CString right(lpsz);
    return left.MakeLower().Collate(right.MakeLower());
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

// Out-of-range arguments are clamped to the string.
CString CString::Mid(int nFirst, int nCount) const
{
    int nLength = GetLength();
    nFirst = std::clamp(nFirst, 0, nLength);
    nCount = std::clamp(nCount, 0, nLength - nFirst);
    return CString(m_str.data() + nFirst, nCount);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return Mid(GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR lpszCharSet) const
{
    return Left((int)std::strspn(m_str.c_str(), lpszCharSet == NULL ? "" : lpszCharSet));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const
{
    return Left((int)std::strcspn(m_str.c_str(), lpszCharSet == NULL ? "" : lpszCharSet));
}

// Skips the delimiters at iStart and returns the token after them; iStart
// moves past the token's end, and is -1 once no token is left.
CString CString::Tokenize(LPCSTR pszTokens, int& iStart) const
{
    if (iStart < 0)
        AfxThrowInvalidArgException();
    int nLength = GetLength();
    if (pszTokens == NULL || *pszTokens == '\0')
    {
        if (iStart < nLength)
        {
            // The whole rest is one token; moving iStart on ends the walk next time.
            CString strRest = Mid(iStart);
            iStart = nLength + 1;
            return strRest;
        }
    }
    else if (iStart < nLength)
    {
        LPCSTR pszPlace = m_str.c_str() + iStart;
        int nIncluding = (int)std::strspn(pszPlace, pszTokens);
        if (iStart + nIncluding < nLength)
        {
            int iFrom = iStart + nIncluding;
            int nUntil = (int)std::strcspn(m_str.c_str() + iFrom, pszTokens);
            iStart = iFrom + nUntil + 1;
            return Mid(iFrom, nUntil);
        }
    }
    iStart = -1;
    return CString();
}

CString& CString::MakeUpper()
{
    for (char& ch : m_str)
        ch = (char)std::toupper((unsigned char)ch);
    return *this;
}

CString& CString::MakeLower()
{
    for (char& ch : m_str)
        ch = (char)std::tolower((unsigned char)ch);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    int nCount = 0;
    for (char& ch : m_str)
    {
        if (ch == chOld)
        {
            ch = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew)
{
    int nOldLength = SafeLength(lpszOld);
    if (nOldLength == 0)
        return 0;
    std::string strOld(lpszOld);  // either argument may point into this string
    std::string strNew(lpszNew == NULL ? "" : lpszNew);
    std::string result;
    int nCount = 0;
    size_t nFrom = 0;
    for (size_t nAt; (nAt = m_str.find(strOld, nFrom)) != std::string::npos; nFrom = nAt + strOld.size())
    {
        result.append(m_str, nFrom, nAt - nFrom).append(strNew);
        ++nCount;
    }
    if (nCount == 0)
        return 0;
    result.append(m_str, nFrom, std::string::npos);
    m_str.swap(result);
    return nCount;
}

int CString::Remove(char chRemove)
{
    size_t nOldLength = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), chRemove), m_str.end());
    return (int)(nOldLength - m_str.size());
}

int CString::Insert(int nIndex, char ch)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    m_str.insert((size_t)nIndex, 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, LPCSTR pstr)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    m_str.insert((size_t)nIndex, std::string(pstr == NULL ? "" : pstr));
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    nIndex = std::max(nIndex, 0);
    if (nCount > 0 && nIndex < GetLength())
        m_str.erase((size_t)nIndex, (size_t)std::min(nCount, GetLength() - nIndex));
    return GetLength();
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::Trim(char chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }

CString& CString::Trim(LPCSTR lpszTargets) { return TrimRight(lpszTargets).TrimLeft(lpszTargets); }

CString& CString::TrimLeft()
{
    m_str.erase(m_str.begin(), std::find_if_not(m_str.begin(), m_str.end(), IsSpace));
    return *this;
}

CString& CString::TrimLeft(char chTarget)
{
    m_str.erase(0, m_str.find_first_not_of(chTarget));
    return *this;
}

CString& CString::TrimLeft(LPCSTR lpszTargets)
{
    m_str.erase(m_str.begin(),
                std::find_if_not(m_str.begin(), m_str.end(), [&](char ch) { return InSet(lpszTargets, ch); }));
    return *this;
}

CString& CString::TrimRight()
{
    m_str.erase(std::find_if_not(m_str.rbegin(), m_str.rend(), IsSpace).base(), m_str.end());
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    size_t nLast = m_str.find_last_not_of(chTarget);
    m_str.erase(nLast == std::string::npos ? 0 : nLast + 1);
    return *this;
}

CString& CString::TrimRight(LPCSTR lpszTargets)
{
    m_str.erase(std::find_if_not(m_str.rbegin(), m_str.rend(), [&](char ch) { return InSet(lpszTargets, ch); }).base(),
                m_str.end());
    return *this;
}

void CString::Format(LPCSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCSTR lpszFormat, va_list argList)
{
    // The arguments may be this string's own text, so format into a new one.
    CString result;
    result.AppendFormatV(lpszFormat, argList);
    m_str.swap(result.m_str);
}

void CString::AppendFormat(LPCSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    AppendFormatV(lpszFormat, args);
    va_end(args);
}

void CString::AppendFormatV(LPCSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
        AfxThrowInvalidArgException();
    va_list args;
    va_copy(args, argList);
    int nLength = std::vsnprintf(NULL, 0, lpszFormat, args);
    va_end(args);
    if (nLength < 0)
        AfxThrowInvalidArgException();
    std::string text((size_t)nLength + 1, '\0');
    va_copy(args, argList);
    std::vsnprintf(&text[0], text.size(), lpszFormat, args);
    va_end(args);
    text.resize((size_t)nLength);
    m_str += text;
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    size_t nAt = m_str.find(ch, (size_t)nStart);
    return nAt == std::string::npos ? -1 : (int)nAt;
}

int CString::Find(LPCSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL || nStart < 0 || nStart > GetLength())
        return -1;
    size_t nAt = m_str.find(lpszSub, (size_t)nStart);
    return nAt == std::string::npos ? -1 : (int)nAt;
}

int CString::ReverseFind(char ch) const
{
    size_t nAt = m_str.rfind(ch);
    return nAt == std::string::npos ? -1 : (int)nAt;
}

int CString::FindOneOf(LPCSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return -1;
    size_t nAt = m_str.find_first_of(lpszCharSet);
    return nAt == std::string::npos ? -1 : (int)nAt;
}

LPSTR CString::GetBuffer() { return &m_str[0]; }

// Keeps the text and makes room for nMinBufLength characters and a terminator;
// ReleaseBuffer then sets the length.
LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        AfxThrowInvalidArgException();
    if ((size_t)nMinBufLength > m_str.size())
        m_str.resize((size_t)nMinBufLength, '\0');
    return &m_str[0];
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        AfxThrowInvalidArgException();
    m_str.resize((size_t)nNewLength, '\0');
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = (int)std::strlen(m_str.c_str());
    m_str.resize((size_t)std::min(nNewLength, GetLength()));
}

void CString::Preallocate(int nLength)
{
    if (nLength > 0)
        m_str.reserve((size_t)nLength);
}

void CString::FreeExtra() { m_str.shrink_to_fit(); }

CString operator+(const CString& s1, const CString& s2) { return CString(s1) += s2; }
CString operator+(const CString& s1, LPCSTR s2) { return CString(s1) += s2; }
CString operator+(LPCSTR s1, const CString& s2) { return CString(s1) += s2; }
CString operator+(const CString& s1, char ch) { return CString(s1) += ch; }
CString operator+(char ch, const CString& s2) { return CString(ch) += s2; }
